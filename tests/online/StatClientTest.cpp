// The statistics client against a loopback service: the five bodies, the statistics
// record and the forty-counter table read from replies, and the status of the posts.
#include "foundation/ServerRequest.h"
#include "online/Qyv_UStatC.h"
#include "platform/Cp1251.h"
#include "support/LoopbackServer.h"
#include "support/OnePageService.h"

#include <gtest/gtest.h>

namespace {

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

const QByteArray FullRecord = "$5 6 7 nick 1 2 3 4 5 6 7 8 9 10 11 12 13 text*";

class StatClientTest : public testsupport::OnePageService {
protected:
    StatClientTest() : OnePageService("/stat.php") {}
    void TearDown() override { ServerRequest::ReadTimeoutMs = platform::HttpDefaultTimeoutMs; }
};

TEST_F(StatClientTest, RecordReadsEighteenTokens)
{
    reply("<html>banner</html>" + FullRecord + "$9 9 9 x*");
    Online::TQyvStat s;
    bool ok = false;
    Online::GetGameStat(address(), 71, ok, s);
    EXPECT_EQ(lastBody(), QByteArray("gid=71"));
    EXPECT_EQ(ServerRequest::ReadTimeoutMs, 3000);
    ASSERT_TRUE(ok);
    EXPECT_EQ(s.GID, 71);
    EXPECT_EQ(s.Stat1, 5);
    EXPECT_EQ(s.Stat2, 6);
    EXPECT_EQ(s.Stat3, 7);
    EXPECT_EQ(s.Stat4, T("nick"));
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(s.StatX[i], i);
    EXPECT_EQ(s.StatY, 13);
    EXPECT_EQ(s.StatZ, T("text"));
}

TEST_F(StatClientTest, RecordEdges)
{
    struct Case {
        const char* name;
        QByteArray reply;
        bool ok;
        int stat3;
        int statX1;
        const char* statZ;
    };
    const Case cases[] = {
        {"no closing star", FullRecord.chopped(1), true, 7, 1, "tex"},
        {"two blanks after the fourth", "$5 6 7 nick  1 2*", false, 7, 0, ""},
        {"no data", "nothing", true, 0, 0, ""},
        {"fewer tokens", "$5 6 7*", true, 7, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reply(c.reply);
        Online::TQyvStat s;
        s.Stat3 = 99;
        bool ok = !c.ok;
        Online::GetGameStat(address(), 19, ok, s);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(s.GID, 19);
        EXPECT_EQ(s.Stat3, c.stat3);
        EXPECT_EQ(s.StatX[1], c.statX1);
        EXPECT_EQ(s.StatZ, T(c.statZ));
    }
    const QString gone = stoppedAddress();
    Online::TQyvStat s;
    s.Stat1 = 4;
    bool ok = true;
    Online::GetGameStat(gone, 18, ok, s);
    EXPECT_FALSE(ok);
    EXPECT_EQ(s.GID, 18);
    EXPECT_EQ(s.Stat1, 0);
}

TEST_F(StatClientTest, TableReadsFortyCounters)
{
    QByteArray many = "$";
    for (int i = 1; i <= 45; ++i)
        many += QByteArray::number(i) + (i < 45 ? " " : "*");
    struct Case {
        const char* name;
        QByteArray reply;
        bool ok;
        int t3, t40;
    };
    const Case cases[] = {
        {"more than forty", many, true, 3, 40},
        {"fewer", "$1 2 3*", true, 3, 0},
        {"a word", "$1 2 x 4*", false, 0, 0},
        {"no data", "", true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reply(c.reply);
        platform::Arr<int, 40> t;
        t.fill(7);
        bool ok = !c.ok;
        Online::GetGameTable40(address(), 12, ok, t);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(t[1], c.reply.isEmpty() ? 0 : 1);
        EXPECT_EQ(t[3], c.t3);
        EXPECT_EQ(t[40], c.t40);
    }
    EXPECT_EQ(lastBody(), QByteArray("gid=12"));
}

TEST_F(StatClientTest, PostsCarryTheirCountersAndReadTheStatus)
{
    platform::Arr<int, 12> twelve;
    twelve.fill(0);
    twelve[3] = 1;
    twelve[4] = -1;
    platform::Arr<int, 40> forty;
    forty.fill(0);
    forty[1] = 1;
    bool ok = false;
    reply("$ok#");
    EXPECT_TRUE(Online::SendGameStat12(address(), 71, twelve, ok));
    EXPECT_EQ(lastBody(), QByteArray("gid=71&R1=0&R2=0&R3=1&R4=-1&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"));
    EXPECT_TRUE(Online::SendGameTable40(address(), 19, ok, forty));
    QByteArray expected = "gid=19&R1=1";
    for (int i = 2; i <= 40; ++i)
        expected += "&R" + QByteArray::number(i) + "=0";
    EXPECT_EQ(lastBody(), expected);
    EXPECT_TRUE(Online::SendGameLike(address(), 71, 8, T("Вова&Co"), ok));
    EXPECT_TRUE(ok);
    EXPECT_EQ(lastBody(), "gid=71&stat3=8&stat4=" + platform::cp1251::fromUnicode(T("Вова")) + "%26Co");
    EXPECT_EQ(server.requests().last().header("user-agent"), QByteArray("QyvOpenRelays"));

    struct Case {
        const char* reply;
        bool ok;
    };
    for (const Case& c : {Case{"banner $ok# more", true}, Case{"$o#", false}, Case{"$#", false}, Case{"$OK#", false},
                          Case{"ok", false}, Case{"$no# then $ok#", true}, Case{"$ok# then $no#", false}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        EXPECT_EQ(Online::SendGameStat12(address(), 71, twelve, ok), c.ok);
        EXPECT_EQ(ok, c.ok);
    }
    const QString gone = stoppedAddress();
    EXPECT_FALSE(Online::SendGameLike(gone, 71, 1, T("a"), ok));
    EXPECT_FALSE(ok);
}

} // namespace
