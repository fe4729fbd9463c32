#include "online/Qyv_UWorldC.h"

#include "foundation/ServerRequest.h"

namespace Online {

namespace {

using ServerRequest::Field;
using ServerRequest::Reply;
using ServerRequest::StringBody;

QString S(const char* text)
{
    return QString::fromLatin1(text);
}

void readRows(const Reply& reply, int gid, bool& ok, TQyvRecords& rows)
{
    ok = false;
    for (TQyvRecord& r : rows) {
        r = TQyvRecord{};
        r.GID = gid;
    }
    if (!reply.ok)
        return;
    ok = ParseWorldRows(reply.text, gid, rows);
}

} // namespace

bool ParseWorldRows(const QString& reply, int Gid, TQyvRecords& Rows)
{
    const QStringList frames = ServerRequest::Frames(reply, QLatin1Char('*'), 10);
    for (int i = 1; i <= frames.size(); ++i) {
        const QStringList f = ServerRequest::Fields(frames[i - 1], QLatin1Char(' '));
        TQyvRecord row;
        row.GID = Gid;
        QString v;
        if (Field(f, 1, v) && !ServerRequest::StrictInt(v, row.Place))
            return false;
        if (Field(f, 3, v) && !ServerRequest::StrictInt(v, row.Score))
            return false;
        QString* texts[] = {&row.Nick, &row.Country, &row.City, &row.R07, &row.R08, &row.R09, &row.R10};
        for (int t = 4; t <= 10; ++t)
            if (Field(f, t, v))
                *texts[t - 4] = v;
        Rows[i] = row;
    }
    return true;
}

int ReadWorldCount(const QString& Address, int Gid, bool& Ok)
{
    Ok = false;
    const Reply reply = ServerRequest::PostList(Address, {{S("rgid"), QString::number(Gid)}});
    int count = 0;
    if (reply.ok && ServerRequest::NumberAfterLastDollar(reply.text, count)) {
        Ok = true;
        return count;
    }
    return 0;
}

void ReadWorldTopTen(const QString& Address, int Gid, bool& Ok, TQyvRecords& Rows)
{
    ServerRequest::ReadTimeoutMs = ServerRequest::ListReadTimeoutMs;
    readRows(ServerRequest::PostList(Address, {{S("gid"), QString::number(Gid)}}), Gid, Ok, Rows);
}

void ReadWorldNeighbours(const QString& Address, int Gid, const QString& Nick, const QString& City, bool& Ok,
                         TQyvRecords& Rows)
{
    ServerRequest::ReadTimeoutMs = ServerRequest::ListReadTimeoutMs;
    const QByteArray body = StringBody().add(S("gid"), Gid).add(S("nick"), Nick).add(S("city"), City).bytes();
    readRows(ServerRequest::PostString(Address, body), Gid, Ok, Rows);
}

int SubmitWorldResult(const QString& Address, const QString& Nick, const QString& City, const QString& Country,
                      const QString& R7, int Score, int Gid, const QString& R9, const QString& R10, bool& Ok)
{
    Ok = false;
    StringBody body;
    body.add(S("gid"), Gid)
        .add(S("nick"), Nick)
        .add(S("city"), City)
        .add(S("country"), Country)
        .add(S("score"), Score)
        .add(S("R7"), R7)
        .add(S("R8"), S("4.0"))
        .add(S("R9"), R9)
        .add(S("R10"), R10)
        .raw("*");
    const Reply reply = ServerRequest::PostString(Address, body.bytes());
    if (!reply.ok)
        return 0;
    int place = -1;
    if (!ServerRequest::NumberAfterLastDollar(reply.text, place))
        return -1;
    Ok = true;
    return place;
}

} // namespace Online
