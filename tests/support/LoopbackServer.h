#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests of everything that talks to a server.
// It runs in the test's own thread: the synchronous HTTP client waits in a local event
// loop, which also drives this server.
//
//   testsupport::LoopbackServer server;          // listens on a random port
//   server.setPage("/config.txt", "StatPath=abc#");
//   platform::httpGet(server.url("/config.txt"));
//   server.requests()[0].body ...                // every request is recorded
//
// Unknown paths answer 404. A page can be delayed, answered with 500 or cut off (the
// connection closes without a reply). Each reply closes its connection.
#include "server/HttpReader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace testsupport {

class LoopbackServer : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        None,
        CloseConnection,   // drop the connection without a reply
        ServerError,       // answer 500
    };

    using Request = VardelinServer::HttpRequestData;

    // Starts listening at once; isListening() tells whether that worked.
    LoopbackServer();
    ~LoopbackServer() override;

    bool isListening() const;
    quint16 port() const;
    // "http://127.0.0.1:<port>" + path.
    QString url(const QString& path) const;
    // Stops listening and drops open connections; a later request finds nobody.
    void stop();

    // Serves body under path (the query is ignored when no page has the full path).
    void setPage(const QByteArray& path, const QByteArray& body,
                 const QByteArray& contentType = "text/html", int status = 200);
    void removePage(const QByteArray& path);
    // Answers path with 302 and a Location header.
    void setRedirect(const QByteArray& path, const QByteArray& location);
    // Delay before the reply of path, or of every path when path is empty.
    void setDelay(const QByteArray& path, int ms);
    // How path fails (every path when path is empty).
    void setFailure(const QByteArray& path, Failure failure);

    const QList<Request>& requests() const { return requests_; }
    void clearRequests() { requests_.clear(); }

private:
    struct Page {
        QByteArray body;
        QByteArray contentType;
        int status = 200;
        QByteArray location;
    };
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Request& request);
    template <class T>
    T lookup(const QHash<QByteArray, T>& table, const QByteArray& path, const T& fallback) const;

    QTcpServer* server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QHash<QByteArray, Page> pages_;
    QHash<QByteArray, int> delays_;
    QHash<QByteArray, Failure> failures_;
    QList<Request> requests_;
};

} // namespace testsupport
