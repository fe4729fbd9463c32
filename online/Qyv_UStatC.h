#pragma once
// The statistics client: anonymous counters of starts, won and lost games per group
// code (71, 19, 12, 18, 17 for groups 1 to 5).
#include "platform/Array.h"

#include <QByteArray>
#include <QString>

namespace Online {

// Posts twelve counters; True when the reply's status after its last "$" starts "ok".
bool SendGameStat12(const QString& Address, int Gid, const platform::Arr<int, 12>& Values, bool& Ok);
// The same for the forty counters of the per-group table service.
bool SendGameTable40(const QString& Address, int Gid, bool& Ok, const platform::Arr<int, 40>& Values);

// The status of a reply: the text after the last "$" that is not the last character,
// up to the first "#"; "ok" when it starts with those two letters.
bool StatusReplyOk(const QByteArray& reply);

// The statistics group code of a game group 1..5; 0 for none.
int StatGroupCode(int group);

} // namespace Online
