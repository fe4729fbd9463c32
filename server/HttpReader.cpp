#include "server/HttpReader.h"

#include <QList>

namespace VardelinServer {

QByteArray HttpRequestData::bare() const
{
    const qsizetype q = path.indexOf('?');
    return q < 0 ? path : path.left(q);
}

ReadResult ReadHttpRequest(QByteArray& buffer, HttpRequestData& out, qint64 maxBody)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return buffer.size() > 64 * 1024 ? ReadResult::Malformed : ReadResult::Incomplete;
    HttpRequestData r;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    if (first.size() < 2)
        return ReadResult::Malformed;
    r.method = first.value(0);
    r.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            r.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    qint64 length = 0;
    const QByteArray lengthText = r.header("content-length");
    if (!lengthText.isEmpty()) {
        bool ok = false;
        length = lengthText.toLongLong(&ok);
        if (!ok || length < 0)
            return ReadResult::Malformed;
    }
    if (length > maxBody)
        return ReadResult::TooLarge;
    if (buffer.size() - (headEnd + 4) < length)
        return ReadResult::Incomplete;
    r.body = buffer.mid(headEnd + 4, length);
    buffer.remove(0, headEnd + 4 + length);
    out = r;
    return ReadResult::Complete;
}

QByteArray HttpReply(int status, const QByteArray& contentType, const QByteArray& body, const QByteArray& location)
{
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    reply += "Content-Type: " + contentType + "\r\n";
    if (!location.isEmpty())
        reply += "Location: " + location + "\r\n";
    reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    reply += "Connection: close\r\n\r\n";
    reply += body;
    return reply;
}

} // namespace VardelinServer
