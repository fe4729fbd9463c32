#pragma once
// A client test against one page of a loopback service: the address the client is
// given, the reply the page gives next, and the body of the last request.
//
//   class StatTest : public testsupport::OnePageService {
//   protected:
//       StatTest() : OnePageService("/stat.php") {}
//   };
#include "support/LoopbackServer.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

namespace testsupport {

class OnePageService : public ::testing::Test {
protected:
    explicit OnePageService(const char* path) : path_(path) {}

    void SetUp() override { ASSERT_TRUE(server.isListening()); }
    QString address() const { return server.url(QString::fromLatin1(path_)); }
    void reply(const QByteArray& body) { server.setPage(path_, body); }
    QByteArray lastBody() const { return server.requests().isEmpty() ? QByteArray() : server.requests().last().body; }
    // An address at which nothing answers any more.
    QString stoppedAddress()
    {
        const QString a = address();
        server.stop();
        return a;
    }

    LoopbackServer server;

private:
    QByteArray path_;
};

} // namespace testsupport
