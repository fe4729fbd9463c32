#include "online/Qyv_UStatC.h"

#include "foundation/ServerRequest.h"
#include "platform/Cp1251.h"

namespace Online {

namespace {

template <int N>
QByteArray countersBody(int gid, const platform::Arr<int, N>& values)
{
    ServerRequest::StringBody body;
    body.add(QStringLiteral("gid"), gid);
    for (int i = 1; i <= N; ++i)
        body.add(QStringLiteral("R%1").arg(i), values[i]);
    return body.bytes();
}

bool postStatus(const QString& address, const QByteArray& body)
{
    const ServerRequest::Reply r = ServerRequest::PostString(address, body);
    return r.ok && StatusReplyOk(platform::cp1251::fromUnicode(r.text));
}

// The content of the first "$"-to-"*" block, as fields from 1; false when the reply has
// no block.
bool dataFields(const QString& reply, QStringList& fields)
{
    QString frame;
    if (!ServerRequest::FirstFrame(reply, QLatin1Char('*'), frame))
        return false;
    fields = ServerRequest::Fields(frame, QLatin1Char(' '));
    return true;
}

} // namespace

bool StatusReplyOk(const QByteArray& reply)
{
    // The last "$" that is not the reply's last character.
    qsizetype dollar = -1;
    for (qsizetype i = reply.size() - 2; i >= 0; --i) {
        if (reply[i] == '$') {
            dollar = i;
            break;
        }
    }
    if (dollar < 0)
        return false;
    QByteArray status = reply.mid(dollar + 1);
    const qsizetype hash = status.indexOf('#');
    if (hash >= 0)
        status.truncate(hash);
    return status.startsWith("ok");
}

int StatGroupCode(int group)
{
    static const int codes[] = {71, 19, 12, 18, 17};
    return (group >= 1 && group <= 5) ? codes[group - 1] : 0;
}

bool StatTableSlot(int gameId, int& groupCode, int& slot)
{
    static const int codes[5] = {71, 19, 12, 18, 17};
    static const int games[5][9] = {
        {403, 404, 413, 414, 421, 430, 431, 432, 433},
        {401, 402, 419, 420, 424, 427, 434, 435, 436},
        {405, 406, 417, 418, 425, 428, 443, 444, 445},
        {407, 408, 411, 412, 423, 426, 437, 438, 439},
        {409, 410, 415, 416, 422, 429, 440, 441, 442},
    };
    for (int g = 0; g < 5; ++g)
        for (int k = 0; k < 9; ++k)
            if (games[g][k] == gameId) {
                groupCode = codes[g];
                slot = k + 1;
                return true;
            }
    return false;
}

void GetGameStat(const QString& Address, int Gid, bool& Ok, TQyvStat& Stat)
{
    Ok = false;
    Stat = TQyvStat{};
    Stat.GID = Gid;
    ServerRequest::ReadTimeoutMs = ServerRequest::ListReadTimeoutMs;
    const ServerRequest::Reply reply = ServerRequest::PostList(Address, {{QStringLiteral("gid"), QString::number(Gid)}});
    if (!reply.ok)
        return;
    Ok = true;
    QStringList f;
    if (!dataFields(reply.text, f))
        return;
    QString v;
    auto number = [&](int i, int& target) {
        if (ServerRequest::Field(f, i, v) && !ServerRequest::StrictInt(v, target))
            Ok = false;
        return Ok;
    };
    if (!number(1, Stat.Stat1) || !number(2, Stat.Stat2) || !number(3, Stat.Stat3))
        return;
    if (ServerRequest::Field(f, 4, v))
        Stat.Stat4 = v;
    for (int i = 1; i <= 12; ++i)
        if (!number(4 + i, Stat.StatX[i]))
            return;
    if (!number(17, Stat.StatY))
        return;
    if (ServerRequest::Field(f, 18, v))
        Stat.StatZ = v;
}

bool SendGameLike(const QString& Address, int Gid, int Stat3, const QString& Stat4, bool& Ok)
{
    ServerRequest::StringBody body;
    body.add(QStringLiteral("gid"), Gid).add(QStringLiteral("stat3"), Stat3).add(QStringLiteral("stat4"), Stat4);
    Ok = postStatus(Address, body.bytes());
    return Ok;
}

bool SendGameStat12(const QString& Address, int Gid, const platform::Arr<int, 12>& Values, bool& Ok)
{
    Ok = postStatus(Address, countersBody(Gid, Values));
    return Ok;
}

void GetGameTable40(const QString& Address, int Gid, bool& Ok, platform::Arr<int, 40>& Table)
{
    Ok = false;
    Table.fill(0);
    ServerRequest::ReadTimeoutMs = ServerRequest::ListReadTimeoutMs;
    const ServerRequest::Reply reply =
        ServerRequest::PostList(Address, {{QStringLiteral("gid"), QString::number(Gid & 0xFF)}});
    if (!reply.ok)
        return;
    Ok = true;
    QStringList f;
    if (!dataFields(reply.text, f))
        return;
    QString v;
    for (int i = 1; i <= 40; ++i) {
        if (ServerRequest::Field(f, i, v) && !ServerRequest::StrictInt(v, Table[i])) {
            Ok = false;
            return;
        }
    }
}

bool SendGameTable40(const QString& Address, int Gid, bool& Ok, const platform::Arr<int, 40>& Values)
{
    Ok = postStatus(Address, countersBody(Gid & 0xFF, Values));
    return Ok;
}

} // namespace Online
