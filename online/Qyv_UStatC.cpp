#include "online/Qyv_UStatC.h"

#include "platform/Http.h"

namespace Online {

namespace {

template <int N>
QByteArray countersBody(int gid, const platform::Arr<int, N>& values)
{
    QByteArray body = "gid=" + QByteArray::number(gid);
    for (int i = 1; i <= N; ++i)
        body += "&R" + QByteArray::number(i) + '=' + QByteArray::number(values[i]);
    return body;
}

bool postStatus(const QString& address, const QByteArray& body)
{
    const platform::HttpResult r = platform::httpPostRaw(
        address, body, "application/x-www-form-urlencoded");
    return r.ok && StatusReplyOk(r.body);
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

bool SendGameStat12(const QString& Address, int Gid, const platform::Arr<int, 12>& Values, bool& Ok)
{
    Ok = postStatus(Address, countersBody(Gid, Values));
    return Ok;
}

bool SendGameTable40(const QString& Address, int Gid, bool& Ok, const platform::Arr<int, 40>& Values)
{
    Ok = postStatus(Address, countersBody(Gid & 0xFF, Values));
    return Ok;
}

} // namespace Online
