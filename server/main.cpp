// vardelin-server: the protocol server of the online services on one local port.
#include "foundation/ServerAddresses.h"
#include "server/OnlineServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int)
{
    stopRequested = 1;
}

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

int credit(VardelinServer::Store& store, const QString& nick, const QString& amountText)
{
    bool ok = false;
    const qint64 amount = amountText.toLongLong(&ok);
    store.begin();
    auto m = store.member(nick);
    if (!ok || !m) {
        store.rollback();
        err() << (ok ? QStringLiteral("no member named %1").arg(nick) : QStringLiteral("AMOUNT must be a whole number"))
              << Qt::endl;
        return 1;
    }
    const qint64 balance = m->r04 + amount;
    if (balance < 0 || balance > 2147483647) {
        store.rollback();
        err() << "the balance would leave 0 .. 2147483647" << Qt::endl;
        return 1;
    }
    m->r04 = balance;
    if (!store.saveMember(*m) || !store.commit()) {
        store.rollback();
        err() << "could not write the database" << Qt::endl;
        return 1;
    }
    out() << nick << " now holds " << balance << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardelin-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The local server of Vardelin's online services."));
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("Database file."), QStringLiteral("FILE"));
    const QCommandLineOption bind(QStringLiteral("bind"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                  QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port; 0 picks a free one."),
                                  QStringLiteral("PORT"), QString::number(ServerAddresses::LocalServerPort));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Print one line per request."));
    const QCommandLineOption credit(QStringLiteral("credit"),
                                    QStringLiteral("Change the balance of NICK by the amount given as the argument, then exit."),
                                    QStringLiteral("NICK"));
    const QCommandLineOption pauseWorld(QStringLiteral("pause-world"), QStringLiteral("Pause the world top ten."));
    const QCommandLineOption pauseChat(QStringLiteral("pause-chat"), QStringLiteral("Pause the chat."));
    parser.addOptions({db, bind, port, log, credit, pauseWorld, pauseChat});
    parser.addPositionalArgument(QStringLiteral("AMOUNT"), QStringLiteral("With --credit: the amount to add."));
    parser.process(app);

    QString file = parser.value(db);
    if (file.isEmpty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
        file = QDir(folder).filePath(QStringLiteral("vardelin-server.sqlite"));
    }
    VardelinServer::OnlineServer server;
    if (!server.open(file)) {
        err() << "vardelin-server: " << server.error() << Qt::endl;
        return 1;
    }
    if (parser.isSet(credit)) {
        if (parser.positionalArguments().size() != 1) {
            err() << "usage: vardelin-server --credit NICK AMOUNT" << Qt::endl;
            return 2;
        }
        return ::credit(server.store(), parser.value(credit), parser.positionalArguments().first());
    }

    const QHostAddress address(parser.value(bind));
    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    if (address.isNull() || !portOk || portNumber > 65535) {
        err() << "vardelin-server: bad --bind or --port" << Qt::endl;
        return 2;
    }
    if (!address.isLoopback())
        err() << "warning: listening beyond this machine; passwords travel in clear over plain http" << Qt::endl;
    server.options().pauseWorld = parser.isSet(pauseWorld);
    server.options().pauseChat = parser.isSet(pauseChat);
    if (parser.isSet(log))
        server.onRequest = [](const VardelinServer::LogEntry& e, int status) {
            out() << status << ' ' << VardelinServer::KindName(e.kind) << ' ' << e.path << Qt::endl;
        };
    if (!server.listen(address, quint16(portNumber))) {
        err() << "vardelin-server: " << server.error() << Qt::endl;
        return 1;
    }
    QString host = address.toString();
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    out() << "listening on http://" << host << ':' << server.port() << '/' << Qt::endl;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (stopRequested)
            app.quit();
    });
    poll.start(100);
    const int rc = app.exec();
    server.close();
    return rc;
}
