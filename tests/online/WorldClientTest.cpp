// The world-rating client against a loopback service: the four bodies, the rows and
// numbers read from replies, and the read time-out the list reads leave behind.
#include "foundation/ServerRequest.h"
#include "online/Qyv_UWorldC.h"
#include "platform/Cp1251.h"
#include "support/LoopbackServer.h"
#include "support/OnePageService.h"

#include <gtest/gtest.h>

namespace {

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

const QByteArray BobRow = "$1 77 350 Bob 1-001 Moscow M 4.0 # #*";

class WorldClientTest : public testsupport::OnePageService {
protected:
    WorldClientTest() : OnePageService("/wt.php") {}
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OnePageService::SetUp());
        ServerRequest::ReadTimeoutMs = platform::HttpDefaultTimeoutMs;
    }
    void TearDown() override { ServerRequest::ReadTimeoutMs = platform::HttpDefaultTimeoutMs; }
};

TEST_F(WorldClientTest, TopTenRowFieldsAndPreparedRows)
{
    reply("banner " + BobRow);
    Online::TQyvRecords rows;
    bool ok = false;
    Online::ReadWorldTopTen(address(), 431, ok, rows);
    EXPECT_EQ(lastBody(), QByteArray("gid=431"));
    ASSERT_TRUE(ok);
    const Online::TQyvRecord& r = rows[1];
    EXPECT_EQ(r.Place, 1);
    EXPECT_EQ(r.Score, 350);
    EXPECT_EQ(r.Nick, T("Bob"));
    EXPECT_EQ(r.Country, T("1-001"));
    EXPECT_EQ(r.City, T("Moscow"));
    EXPECT_EQ(r.R07, T("M"));
    EXPECT_EQ(r.R08, T("4.0"));
    EXPECT_EQ(r.R09, T("#"));
    EXPECT_EQ(r.R10, T("#"));
    EXPECT_EQ(r.GID, 431);
    EXPECT_EQ(r.RID, 0);
    for (int i = 2; i <= 10; ++i) {
        EXPECT_EQ(rows[i].Nick, T("#")) << i;
        EXPECT_EQ(rows[i].R10, T("#*"));
        EXPECT_EQ(rows[i].GID, 431);
    }
}

TEST_F(WorldClientTest, RowListEdges)
{
    struct Case {
        const char* name;
        QByteArray reply;
        bool ok;
        int filledRows;
        const char* lastR10;   // R10 of the last filled row
    };
    QByteArray twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "$" + QByteArray::number(i) + " 0 " + QByteArray::number(100 - i) + " N c C M 4.0 # x*";
    const Case cases[] = {
        {"twelve blocks", twelve, true, 10, "x"},
        {"no closing star", "$1 77 350 Bob 1-001 Moscow M 4.0 # #", true, 1, ""},
        {"no rows", "nothing", true, 0, ""},
        {"second row's place is a word", BobRow + "$first 7 1 X c C M 4.0 # #*", false, 1, "#"},
        {"empty score", "$1 77  Bob c C M 4.0 # #*", false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reply(c.reply);
        Online::TQyvRecords rows;
        bool ok = !c.ok;
        Online::ReadWorldTopTen(address(), 12, ok, rows);
        EXPECT_EQ(ok, c.ok);
        int filled = 0;
        for (const auto& r : rows)
            filled += r.Nick != T("#");
        EXPECT_EQ(filled, c.filledRows);
        if (c.filledRows > 0) {
            EXPECT_EQ(rows[c.filledRows].R10, T(c.lastR10));
        }
    }
}

TEST_F(WorldClientTest, NeighboursPostNickAndCityAsOneString)
{
    reply(BobRow);
    Online::TQyvRecords rows;
    bool ok = false;
    Online::ReadWorldNeighbours(address(), 303, T("Пётр"), T("A&B"), ok, rows);
    EXPECT_EQ(lastBody(), "gid=303&nick=" + platform::cp1251::fromUnicode(T("Пётр")) + "&city=A%26B");
    EXPECT_EQ(server.requests().last().header("content-type"), QByteArray("application/x-www-form-urlencoded"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows[1].Score, 350);
}

TEST_F(WorldClientTest, CountReadsTheNumberAfterTheLastDollar)
{
    struct Case {
        const char* reply;
        bool ok;
        int count;
    };
    for (const Case& c : {Case{"$42#", true, 42}, Case{"$42", true, 4}, Case{"42#", false, 0}, Case{"$#", false, 0},
                          Case{"$-5#", false, 0}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        bool ok = !c.ok;
        EXPECT_EQ(Online::ReadWorldCount(address(), -7, ok), c.count);
        EXPECT_EQ(ok, c.ok);
    }
    EXPECT_EQ(lastBody(), QByteArray("rgid=-7"));
}

TEST_F(WorldClientTest, SubmitBodyEndsWithAStarAndThePlaceComesBack)
{
    reply("$3#");
    bool ok = false;
    const int place = Online::SubmitWorldResult(address(), T("Ann"), T("Omsk"), T("2-014"), T("W"), -15, 431,
                                                T("#"), T("#"), ok);
    EXPECT_EQ(lastBody(), QByteArray("gid=431&nick=Ann&city=Omsk&country=2-014&score=-15&R7=W&R8=4.0&R9=#&R10=#*"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(place, 3);

    struct Case {
        const char* reply;
        bool ok;
        int place;
    };
    for (const Case& c : {Case{"$5# then $8#", true, 8}, Case{"$5# then $#", false, -1}, Case{"saved", false, -1}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        EXPECT_EQ(Online::SubmitWorldResult(address(), T("Ann"), T("Omsk"), T("2-014"), T("W"), 1, 431, T("#"),
                                            T("#"), ok),
                  c.place);
        EXPECT_EQ(ok, c.ok);
    }
    server.setPage("/wt.php", "$3#", "text/html", 500);
    EXPECT_EQ(Online::SubmitWorldResult(address(), T("Ann"), T("Omsk"), T("2-014"), T("W"), 1, 431, T("#"), T("#"), ok),
              0);
    EXPECT_FALSE(ok);
}

TEST_F(WorldClientTest, ListReadsLeaveTheShortTimeOutForEveryLaterRequest)
{
    reply("$1#");
    bool ok = false;
    Online::ReadWorldCount(address(), 431, ok);
    EXPECT_EQ(ServerRequest::ReadTimeoutMs, platform::HttpDefaultTimeoutMs) << "the count sets none";
    Online::TQyvRecords rows;
    Online::ReadWorldTopTen(address(), 431, ok, rows);
    EXPECT_EQ(ServerRequest::ReadTimeoutMs, 3000);
    ServerRequest::ReadTimeoutMs = platform::HttpDefaultTimeoutMs;
    Online::ReadWorldNeighbours(address(), 431, T("a"), T("b"), ok, rows);
    EXPECT_EQ(ServerRequest::ReadTimeoutMs, 3000);
}

TEST_F(WorldClientTest, UnreachableServiceFailsQuietly)
{
    const QString gone = stoppedAddress();
    bool ok = true;
    Online::TQyvRecords rows;
    rows[1].Nick = T("stale");
    Online::ReadWorldTopTen(gone, 431, ok, rows);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rows[1].Nick, T("#"));
    ok = true;
    EXPECT_EQ(Online::ReadWorldCount(gone, 431, ok), 0);
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_EQ(Online::SubmitWorldResult(gone, T("a"), T("b"), T("c"), T("M"), 1, 431, T("#"), T("#"), ok), 0);
    EXPECT_FALSE(ok);
}

} // namespace
