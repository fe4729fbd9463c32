#pragma once
// The statistics client: anonymous counters of starts, won and lost games and likes per
// group code (71, 19, 12, 18, 17 for groups 1 to 5), and the forty won/lost counters per
// group code of the table service. Every request takes the plain service address
// first, never throws and shows nothing.
#include "platform/Array.h"

#include <QByteArray>
#include <QString>

namespace Online {

using LongInt12 = platform::Arr<int, 12>;

// The statistics record of one group code.
struct TQyvStat {
    int GID = 0;
    int Stat1 = 0;     // starts
    int Stat2 = 0;     // unique starts
    int Stat3 = 0;     // likes
    QString Stat4;     // the last like
    LongInt12 StatX{}; // totals of the posted counters R1..R12
    int StatY = 0;
    QString StatZ;
};

// Reads the record of a group code. Ok once a reply has come, also without data; a
// token that is not a number ends the reading with Ok False, the fields before it kept.
void GetGameStat(const QString& Address, int Gid, bool& Ok, TQyvStat& Stat);
// Posts a like: the new like count and the player's nick.
bool SendGameLike(const QString& Address, int Gid, int Stat3, const QString& Stat4, bool& Ok);
// Posts twelve counters; True when the reply's status after its last "$" starts "ok".
bool SendGameStat12(const QString& Address, int Gid, const platform::Arr<int, 12>& Values, bool& Ok);
// Reads the forty counters of a group code, as GetGameStat reads its record.
void GetGameTable40(const QString& Address, int Gid, bool& Ok, platform::Arr<int, 40>& Table);
// The same as SendGameStat12 for the forty counters of the per-group table service.
bool SendGameTable40(const QString& Address, int Gid, bool& Ok, const platform::Arr<int, 40>& Values);

// The status of a reply: the text after the last "$" that is not the last character,
// up to the first "#"; "ok" when it starts with those two letters.
bool StatusReplyOk(const QByteArray& reply);

// The statistics group code of a game group 1..5; 0 for none.
int StatGroupCode(int group);

// The per-group table service, kept scrambled with its own key; at the local protocol
// server.
inline QString StatTableAddressCoded = QStringLiteral("gu8Hxt53bE16sWluTzcOz6wdWeMsNsb7bM5afEWdp6A");

// Where a game other than the five group codes counts in the forty counters: the group
// code of its table and its slot 1..9 (won in element 2 x slot - 1, lost in 2 x slot).
// False for any other code.
bool StatTableSlot(int gameId, int& groupCode, int& slot);

} // namespace Online
