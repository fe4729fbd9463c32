#pragma once
// The world-rating client: anonymous result lists, one per list id (a game's Windows
// list = game code, its Android list = code + 100, its account-player list = code +
// 300, the chat = 100). Every request takes the plain service address first, never
// throws and shows nothing.
#include "platform/Array.h"

#include <QString>

namespace Online {

// One row of a list, or one chat message.
struct TQyvRecord {
    int RID = 0;
    int GID = 0;
    int Score = 0;
    QString Nick = QStringLiteral("#");   // "#" marks a row the reply did not fill
    QString Country = QStringLiteral("#");
    QString City = QStringLiteral("#");
    QString R07 = QStringLiteral("#");
    QString R08 = QStringLiteral("#");
    QString R09 = QStringLiteral("#");
    QString R10 = QStringLiteral("#*");
    int Place = 0;
};
using TQyvRecords = platform::Arr<TQyvRecord, 10>;

inline constexpr int ChatListId = 100;

// The number of results stored in a list; 0 with Ok False when not read.
int ReadWorldCount(const QString& Address, int Gid, bool& Ok);
// The ten best rows of a list. Ok once a reply has come, also without rows; a place or
// score that is not a number ends the reading with Ok False, that row left unfilled.
void ReadWorldTopTen(const QString& Address, int Gid, bool& Ok, TQyvRecords& Rows);
// The rows stored under one nick and city.
void ReadWorldNeighbours(const QString& Address, int Gid, const QString& Nick, const QString& City, bool& Ok,
                         TQyvRecords& Rows);
// Adds a row; returns the place the service gives it: 0 when the request failed, -1
// when the reply held no place (Ok False in both cases).
int SubmitWorldResult(const QString& Address, const QString& Nick, const QString& City, const QString& Country,
                      const QString& R7, int Score, int Gid, const QString& R9, const QString& R10, bool& Ok);

// The rows of a reply, read into ten rows prepared for list Gid; false when a place or
// score is not a number.
bool ParseWorldRows(const QString& reply, int Gid, TQyvRecords& Rows);

} // namespace Online
