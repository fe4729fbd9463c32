#pragma once
// The protocol server: every service of the program's built-in addresses on one port,
// with its state in a SQLite file. Tests run it in their own thread (the synchronous
// client's local event loop drives it), read its request log and give it faults.
//
//   VardelinServer::OnlineServer server;
//   server.open(dir.filePath("online.sqlite"));
//   server.listen();                                       // 127.0.0.1, a free port
//   server.addFault(Kind::Login, {Fault::Error500, 2});     // the second login gets 500
#include "server/Protocol.h"
#include "server/Store.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <functional>

class QTcpServer;
class QTcpSocket;

namespace VardelinServer {

struct Fault {
    enum Action { Drop, Error500, Delay, Replace };
    Action action = Drop;
    int nth = 0;            // the nth request of its kind (from 1); 0 every one
    int delayMs = 0;        // Delay
    QByteArray body;        // Replace: the reply body sent instead
};

struct LogEntry {
    Kind kind = Kind::Unknown;
    QByteArray path;
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;
};

class OnlineServer : public QObject {
public:
    explicit OnlineServer(QObject* parent = nullptr);
    ~OnlineServer() override;

    // Opens the database; false with error() set.
    bool open(const QString& databaseFile);
    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    void close();
    QString error() const { return error_; }
    quint16 port() const;
    // "http://127.0.0.1:<port>" + path.
    QString url(const QString& path) const;

    ProtocolOptions& options() { return options_; }
    Store& store() { return store_; }

    // A fault's nth counts the requests of its kind since the last clearFaults().
    void addFault(Kind kind, const Fault& fault);
    void clearFaults();
    const QList<LogEntry>& log() const { return log_; }
    void clearLog() { log_.clear(); }
    // Requests of one kind in the log.
    int count(Kind kind) const;
    // Called for every request as it comes (the program's --log).
    std::function<void(const LogEntry&, int status)> onRequest;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const HttpRequestData& request);

    QTcpServer* server_;
    Store store_;
    ProtocolOptions options_;
    QString error_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QMultiHash<Kind, Fault> faults_;
    QHash<Kind, int> seen_;
    QList<LogEntry> log_;
};

} // namespace VardelinServer
