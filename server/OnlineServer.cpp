#include "server/OnlineServer.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace VardelinServer {

OnlineServer::OnlineServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this))
{
    connect(server_, &QTcpServer::newConnection, this, &OnlineServer::onNewConnection);
}

OnlineServer::~OnlineServer()
{
    close();
}

bool OnlineServer::open(const QString& databaseFile)
{
    if (store_.open(databaseFile))
        return true;
    error_ = store_.error();
    return false;
}

bool OnlineServer::listen(const QHostAddress& address, quint16 port)
{
    if (server_->listen(address, port))
        return true;
    error_ = server_->errorString();
    return false;
}

void OnlineServer::close()
{
    server_->close();
    const auto sockets = buffers_.keys();
    buffers_.clear();
    for (QTcpSocket* s : sockets) {
        s->abort();
        s->deleteLater();
    }
}

quint16 OnlineServer::port() const
{
    return server_->serverPort();
}

QString OnlineServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void OnlineServer::addFault(Kind kind, const Fault& fault)
{
    faults_.insert(kind, fault);
}

void OnlineServer::clearFaults()
{
    faults_.clear();
    seen_.clear();
}

int OnlineServer::count(Kind kind) const
{
    int n = 0;
    for (const LogEntry& e : log_)
        n += e.kind == kind;
    return n;
}

void OnlineServer::onNewConnection()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        buffers_.insert(socket, {});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            buffers_.remove(socket);
            socket->deleteLater();
        });
    }
}

void OnlineServer::onReadyRead(QTcpSocket* socket)
{
    if (!buffers_.contains(socket))
        return;
    QByteArray& buf = buffers_[socket];
    buf += socket->readAll();
    HttpRequestData request;
    switch (ReadHttpRequest(buf, request)) {
    case ReadResult::Incomplete: return;
    case ReadResult::Complete: break;
    case ReadResult::TooLarge:
        socket->write(HttpReply(413, "text/plain", "Too large"));
        socket->disconnectFromHost();
        buffers_.remove(socket);
        return;
    case ReadResult::Malformed:
        socket->write(HttpReply(400, "text/plain", "Bad request"));
        socket->disconnectFromHost();
        buffers_.remove(socket);
        return;
    }
    buffers_.remove(socket);
    respond(socket, request);
}

void OnlineServer::respond(QTcpSocket* socket, const HttpRequestData& request)
{
    const Kind kind = Classify(request);
    const LogEntry entry{kind, request.path, request.headers, request.body};
    log_.append(entry);
    const int nth = ++seen_[kind];
    std::optional<Fault> fault;
    for (auto it = faults_.constFind(kind); it != faults_.constEnd() && it.key() == kind; ++it)
        if (it->nth == 0 || it->nth == nth)
            fault = *it;

    if (fault && fault->action == Fault::Drop) {
        if (onRequest)
            onRequest(entry, 0);
        socket->abort();
        return;
    }
    Answer answer;
    if (fault && fault->action == Fault::Error500) {
        answer.status = 500;
        answer.body = "Internal Server Error";
    } else {
        store_.begin();
        answer = Handle(store_, request, kind, options_);
        if (!store_.commit()) {
            store_.rollback();
            answer = Answer{500, "text/plain", "Storage failure"};
        }
    }
    if (onRequest)
        onRequest(entry, answer.status);
    if (fault && fault->action == Fault::Replace)
        answer.body = fault->body;
    const QByteArray reply = HttpReply(answer.status, answer.contentType, answer.body);
    if (fault && fault->action == Fault::Delay) {
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(fault->delayMs, this, [guard, reply] {
            if (guard && guard->state() == QAbstractSocket::ConnectedState) {
                guard->write(reply);
                guard->disconnectFromHost();
            }
        });
        return;
    }
    socket->write(reply);
    socket->disconnectFromHost();
}

} // namespace VardelinServer
