// The built server program as a child process: it says where it listens, keeps what it
// stored across a restart on the same database, and changes a balance from the command
// line.
#include "platform/Http.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ServerProgram {
public:
    explicit ServerProgram(const QStringList& args)
    {
        process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/vardelin-server"));
        process.setArguments(args);
        process.start();
    }
    ~ServerProgram()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            process.waitForFinished(5000);
        }
    }
    // The first output line, read with a bounded wait.
    QString firstLine()
    {
        for (int i = 0; i < 50 && !process.canReadLine(); ++i)
            process.waitForReadyRead(100);
        return QString::fromUtf8(process.readLine()).trimmed();
    }
    QProcess process;
};

QByteArray post(const QString& url, const QByteArray& body)
{
    return platform::httpPostRaw(url, body, "application/x-www-form-urlencoded").body;
}

TEST(ServerProgram, KeepsItsStateAcrossARestart)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString db = dir.filePath(QStringLiteral("online.sqlite"));
    const QRegularExpression address(QStringLiteral("^listening on (http://127\\.0\\.0\\.1:(\\d+))/$"));
    {
        ServerProgram first({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--db"), db});
        const auto m = address.match(first.firstLine());
        ASSERT_TRUE(m.hasMatch());
        EXPECT_NE(m.captured(2).toInt(), 0);
        const QString base = m.captured(1);
        EXPECT_EQ(post(base + "/acc.php", "nick=Bob&pw=pw1&city=Moscow&country1=Russia&country2=1-001&sex=M&"
                                          "email=e&dater=d&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"),
                  QByteArray("ok"));
        EXPECT_EQ(post(base + "/world.php", "gid=71&nick=Bob&city=Moscow&country=1-001&score=42&R7=M&R8=4.0&R9=#&R10=#*"),
                  QByteArray("$1#"));
        first.process.terminate();
        ASSERT_TRUE(first.process.waitForFinished(5000));
        EXPECT_EQ(first.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(first.process.exitCode(), 0);
    }
    {
        ServerProgram credit({QStringLiteral("--db"), db, QStringLiteral("--credit"), QStringLiteral("Bob"),
                              QStringLiteral("250")});
        ASSERT_TRUE(credit.process.waitForFinished(5000));
        EXPECT_EQ(credit.process.exitCode(), 0);
        ServerProgram unknown({QStringLiteral("--db"), db, QStringLiteral("--credit"), QStringLiteral("Nobody"),
                               QStringLiteral("5")});
        ASSERT_TRUE(unknown.process.waitForFinished(5000));
        EXPECT_NE(unknown.process.exitCode(), 0);
    }
    ServerProgram second({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--db"), db});
    const auto m = address.match(second.firstLine());
    ASSERT_TRUE(m.hasMatch());
    const QString base = m.captured(1);
    EXPECT_EQ(post(base + "/acc.php", "nick=Bob&pw=pw1&label0=0"), QByteArray("$Moscow Russia 1-001 M e d xxx xxx xxx 250 0 0$"));
    EXPECT_EQ(post(base + "/world.php", "rgid=71"), QByteArray("$1#"));
}

} // namespace
