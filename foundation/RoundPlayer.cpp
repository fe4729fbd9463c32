#include "foundation/RoundPlayer.h"

#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/EmptyTable.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/Presenter.h"

namespace GameState {

using namespace ClubPlayer;

namespace {

// Blanks put after a shorter name; a longer one stays whole.
QString padRight(const QString& s, int width)
{
    return s.leftJustified(width, QLatin1Char(' '));
}

} // namespace

bool TakeRoundPlayer()
{
    const Online::TQyvGame& game = Online::AccountGame;
    if (PlayerSlot == 6 || (PlayerSlot == 7 && game.KonL == 0)) {
        PlayerScore = 0;
        PlayerRounds = 1;
        if (PlayerSlot == 7)
            CurrentPlayerName = padRight(Online::AccountUser.Nick, ClubFile::ClubNameLength);
        return true;
    }
    if (PlayerSlot == 7) {
        CurrentPlayerName = padRight(Online::AccountUser.Nick, ClubFile::ClubNameLength);
        ClubRoundsText = QString::number(game.KonL).rightJustified(3, QLatin1Char(' '));
        ClubScoreText = QString::number(game.Score).rightJustified(6, QLatin1Char(' '));
        PlayerRounds = game.KonL + 1;
        PlayerScore = game.Score;
        return true;
    }
    if (PlayerSlot < 1 || PlayerSlot > ClubFile::ClubEntryCount)
        return false;
    const int gameNumber = GameTables::GameSlotOf(CurrentGameId);
    ClubFile::ClubLines lines;
    if (gameNumber < 1 || !ClubFile::ReadClubLinesOrReport(ClubFile::ClubFileName, lines))
        return false;
    const QByteArray line = lines.value((gameNumber - 1) * ClubFile::ClubBlockLines + PlayerSlot - 1)
                                .leftJustified(ClubFile::ClubEntryLength, ' ');
    CurrentPlayerName = platform::cp1251::toUnicode(line.left(20));
    ClubPassword = platform::cp1251::toUnicode(line.mid(40, 15));
    ClubRoundsText = platform::cp1251::toUnicode(line.mid(30, 3));
    ClubScoreText = platform::cp1251::toUnicode(line.mid(34, 6));
    PlayerRounds = ClubFile::ClubNumber(line.mid(30, 3));
    PlayerScore = ClubFile::ClubNumber(line.mid(34, 6));
    if (!ClubFile::DeleteClubEntry(ClubFile::ClubFileName, PlayerSlot, gameNumber))
        return false;
    ++PlayerRounds;
    return true;
}

QString RoundClubEntry()
{
    return ClubFile::ComposeClubEntry(CurrentPlayerName, PlayerRounds, NewTotalScore, ClubPasswordCoded);
}

bool BeginRoundPlayer()
{
    PassCount = 0;
    WorldPlace = 0;
    NewTotalScore = 0;
    if (TakeRoundPlayer())
        return true;
    ReturnToMenu();
    return false;
}

} // namespace GameState
