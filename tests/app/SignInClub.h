#pragma once
// A club file whose first member of a game is "Anna", 7 rounds, 1234 points, with the
// password "ab" (stored as "ab   "): the member the sign-in tests sign in as.
#include "foundation/ClubFile.h"
#include "foundation/GameTables.h"
#include "foundation/TextFileLines.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <gtest/gtest.h>

inline void WriteClubWithAnna(const QDir& folder, const GameTables::GameInfo& game)
{
    ClubFile::ClubLines lines = ClubFile::EmptyClubLines("ozk");
    const QString entry = ClubFile::ComposeClubEntry(QStringLiteral("Anna"), 7, 1234,
                                                     ClubFile::EncodeClubField(QStringLiteral("ab")));
    ClubFile::InsertClubEntryInLines(lines, platform::cp1251::fromUnicode(entry), game.number, false);
    ASSERT_TRUE(TextFileLines::WriteFileBytes(folder.filePath(ClubFile::ClubFileName),
                                              TextFileLines::JoinLines(lines)));
}
