#pragma once
// HTTP/1.1 requests read off a connection's bytes, and the replies written back. The
// one reader of the project: the protocol server and the tests' loopback server both
// use it.
#include <QByteArray>
#include <QMap>

namespace VardelinServer {

struct HttpRequestData {
    QByteArray method;                     // "GET", "POST"
    QByteArray path;                       // as sent, with its query
    QMap<QByteArray, QByteArray> headers;  // names in lower case
    QByteArray body;
    QByteArray header(const QByteArray& name) const { return headers.value(name.toLower()); }
    // The path without its query.
    QByteArray bare() const;
};

enum class ReadResult {
    Incomplete,   // more bytes are needed
    Complete,     // one request taken off the front of the buffer
    TooLarge,     // its body is longer than allowed
    Malformed,    // no request line or a length that is not a number
};

inline constexpr qint64 MaxBodyBytes = 1 << 20;

// Takes the first complete request off the front of buffer into out.
ReadResult ReadHttpRequest(QByteArray& buffer, HttpRequestData& out, qint64 maxBody = MaxBodyBytes);

// A whole reply that closes its connection.
QByteArray HttpReply(int status, const QByteArray& contentType, const QByteArray& body,
                     const QByteArray& location = {});

} // namespace VardelinServer
