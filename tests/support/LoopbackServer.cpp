#include "LoopbackServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace testsupport {

LoopbackServer::LoopbackServer() : server_(new QTcpServer(this))
{
    connect(server_, &QTcpServer::newConnection, this, &LoopbackServer::onNewConnection);
    server_->listen(QHostAddress::LocalHost, 0);
}

LoopbackServer::~LoopbackServer()
{
    stop();
}

bool LoopbackServer::isListening() const
{
    return server_->isListening();
}

quint16 LoopbackServer::port() const
{
    return server_->serverPort();
}

QString LoopbackServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackServer::stop()
{
    server_->close();
    const auto sockets = buffers_.keys();
    buffers_.clear();
    for (QTcpSocket* s : sockets) {
        s->abort();
        s->deleteLater();
    }
}

void LoopbackServer::setPage(const QByteArray& path, const QByteArray& body, const QByteArray& contentType,
                             int status)
{
    pages_.insert(path, Page{body, contentType, status, {}});
}

void LoopbackServer::setRedirect(const QByteArray& path, const QByteArray& location)
{
    pages_.insert(path, Page{"moved", "text/plain", 302, location});
}

void LoopbackServer::removePage(const QByteArray& path)
{
    pages_.remove(path);
}

void LoopbackServer::setDelay(const QByteArray& path, int ms)
{
    delays_.insert(path, ms);
}

void LoopbackServer::setFailure(const QByteArray& path, Failure failure)
{
    failures_.insert(path, failure);
}

template <class T>
T LoopbackServer::lookup(const QHash<QByteArray, T>& table, const QByteArray& path, const T& fallback) const
{
    if (table.contains(path))
        return table.value(path);
    const QByteArray bare = path.left(path.indexOf('?') >= 0 ? path.indexOf('?') : path.size());
    if (table.contains(bare))
        return table.value(bare);
    return table.value(QByteArray(), fallback);
}

void LoopbackServer::onNewConnection()
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

void LoopbackServer::onReadyRead(QTcpSocket* socket)
{
    if (!buffers_.contains(socket))
        return;
    QByteArray& buf = buffers_[socket];
    buf += socket->readAll();
    Request r;
    const VardelinServer::ReadResult read = VardelinServer::ReadHttpRequest(buf, r, 64 << 20);
    if (read == VardelinServer::ReadResult::Incomplete)
        return;
    if (read != VardelinServer::ReadResult::Complete) {
        socket->abort();
        return;
    }
    buf.clear();
    requests_.append(r);

    const int delay = lookup(delays_, r.path, 0);
    if (delay > 0) {
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(delay, this, [this, guard, r] {
            if (guard && guard->state() == QAbstractSocket::ConnectedState)
                answer(guard, r);
        });
    } else {
        answer(socket, r);
    }
}

void LoopbackServer::answer(QTcpSocket* socket, const Request& request)
{
    const Failure failure = lookup(failures_, request.path, Failure::None);
    if (failure == Failure::CloseConnection) {
        socket->abort();
        return;
    }
    Page page;
    if (failure == Failure::ServerError)
        page = Page{"Internal Server Error", "text/plain", 500, {}};
    else
        page = lookup(pages_, request.path, Page{"Not Found", "text/plain", 404, {}});
    const QByteArray reply = VardelinServer::HttpReply(page.status, page.contentType, page.body, page.location);
    socket->write(reply);
    socket->disconnectFromHost();
}

} // namespace testsupport
