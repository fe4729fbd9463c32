// The round end's series services once the main window has bound them: the world
// submit, balance change and balance read reach the services.
#include "app/OnlineServices.h"
#include "app/RoundEnd.h"
#include "support/LoopbackServer.h"

#include <gtest/gtest.h>

namespace {

TEST(OnlineServices, SeriesServicesReachTheRealServices)
{
    testsupport::LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    const RoundEnd::SeriesServices before = RoundEnd::Services();
    OnlineServices::BindOnlineServices();
    RoundEnd::SeriesServices& s = RoundEnd::Services();
    ASSERT_TRUE(s.submitWorldResult && s.saveBalance && s.readBalance);

    server.setPage("/wt.php", "$2#");
    bool ok = false;
    EXPECT_EQ(s.submitWorldResult(server.url(QStringLiteral("/wt.php")), QStringLiteral("Ann"), QStringLiteral("Omsk"),
                                  QStringLiteral("Russia"), QStringLiteral("W"), QStringLiteral("480"), 731, ok),
              2);
    EXPECT_TRUE(ok);
    EXPECT_EQ(server.requests().last().body,
              QByteArray("gid=731&nick=Ann&city=Omsk&country=Russia&score=480&R7=W&R8=4.0&R9=#&R10=#*"));
    EXPECT_EQ(s.submitWorldResult(server.url(QStringLiteral("/wt.php")), QStringLiteral("Ann"), QStringLiteral("Omsk"),
                                  QStringLiteral("Russia"), QStringLiteral("W"), QStringLiteral("4x"), 731, ok),
              0);
    EXPECT_FALSE(ok) << "a score that is not a number is not sent";

    server.setPage("/acc.php", "ok");
    s.saveBalance(server.url(QStringLiteral("/acc.php")), QStringLiteral("Ann"), 25, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(server.requests().last().body, QByteArray("nick=Ann&labelqyvsave=0&R04=25"));
    server.setPage("/acc.php", "$175$");
    EXPECT_EQ(s.readBalance(server.url(QStringLiteral("/acc.php")), QStringLiteral("Ann"), ok), 175);
    EXPECT_TRUE(ok);

    RoundEnd::Services() = before;
}

} // namespace
