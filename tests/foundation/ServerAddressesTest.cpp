#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"
#include "support/LoopbackServer.h"

#include <gtest/gtest.h>

using namespace ServerAddresses;
using testsupport::LoopbackServer;

namespace {

QString scrambled(const QString& url)
{
    return Scrambler::ScrambleText(url, Scrambler::KeySettings);
}

} // namespace

TEST(ServerAddressesTest, ValuesFollowTheirKeyAfterOneSeparator)
{
    struct Case {
        const char* page;
        const char* key;
        bool found;
        QString value;
    };
    const Case cases[] = {
        {"StatPath=xyz#", "StatPath", true, "xyz"},
        {"StatPath:xyz#", "StatPath", true, "xyz"},
        {"StatPathxyz#", "StatPath", true, "yz"},
        {"a#StatPath=first#StatPath=second#", "StatPath", true, "first"},
        {"StatPath=no end", "StatPath", true, "no end"},
        {"StatPath=", "StatPath", true, ""},
        {"StatPath", "StatPath", true, ""},
        {"StatPath=#x#", "StatPath", true, ""},
        {"statpath=xyz#", "StatPath", false, ""},
        {"", "StatPath", false, ""},
        {"x=1#", "", false, ""},
        {"AccPath=line\r\nbreak#", "AccPath", true, "line\r\nbreak"},
    };
    for (const auto& c : cases) {
        QString v = "stale";
        EXPECT_EQ(FindPageValue(QString::fromUtf8(c.page), QString::fromUtf8(c.key), v), c.found) << c.page;
        EXPECT_EQ(v, c.value) << c.page;
    }
}

TEST(ServerAddressesTest, RatingPathRules)
{
    struct Case {
        const char* page;
        int variant;
        bool chatOn;
        QString path;
    };
    const Case cases[] = {
        {"WTGamesPatt=abc#", 2, true, "abc"},
        {"WTGamesPath=one#WTGamesPatt=two#", 1, true, "one"},
        {"WTGamesPath=one#WTGamesPatt=two#", 2, true, "two"},
        {"WTGamesPath=one#", 2, true, "old"},
        {"CTGamesPause\nWTGamesPatt=abc#", 2, false, "abc"},
        {"WTGamesPause\nWTGamesPatt=abc#", 2, true, "pause"},
        {"WTGamesPatt=abc#WTGamesPause#CTGamesPause#", 2, false, "pause"},
        {"", 2, true, "old"},
    };
    for (const auto& c : cases) {
        bool chat = !c.chatOn;
        QString path = "stale";
        ParseRatingPath(QString::fromUtf8(c.page), c.variant, chat, path);
        EXPECT_EQ(chat, c.chatOn) << c.page;
        EXPECT_EQ(path, c.path) << c.page;
    }
}

TEST(ServerAddressesTest, StatusPageFillsNewsAndLinks)
{
    LoopbackServer server;
    const QString address = scrambled(server.url("/status.txt"));
    struct Case {
        QByteArray page;
        bool newsPresent;
        QString line1, line2, link, download, store;
    };
    const Case cases[] = {
        {"NewsVardelin2.1:N#Hello#World#x#", false, "Hello", "World", "x", "", ""},
        {"NewsVardelin2.1=Y#\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82#two#http://a/#\r\n"
         "DownLoad_Link_Vardelin=http://d/#\r\nGoogle_Play_Link_Vardelin=http://s/#",
         true, QString::fromUtf8("Привет"), "two", "http://a/", "http://d/", "http://s/"},
        {"NewsVardelin2.1=y#a#b#c#", false, "a", "b", "c", "", ""},
        {"NewsVardelin2.1=Y#only#", true, "only", "", "", "", ""},
        {"DownLoad_Link_Vardelin=http://d/#", false, "", "", "", "http://d/", ""},
    };
    for (const auto& c : cases) {
        server.setPage("/status.txt", c.page);
        QString store = "old", download = "old";
        bool present = !c.newsPresent;
        TStatusNews news{"old", "old", "old"};
        EXPECT_EQ(FetchStatusPage(address, NewsKey, DownloadKey, StoreKey, store, download, present, news), 0);
        EXPECT_EQ(present, c.newsPresent) << c.page.constData();
        EXPECT_EQ(news.Line1, c.line1);
        EXPECT_EQ(news.Line2, c.line2);
        EXPECT_EQ(news.Link, c.link);
        EXPECT_EQ(download, c.download);
        EXPECT_EQ(store, c.store);
    }
    // The pages are plain GETs without the program's marker.
    ASSERT_FALSE(server.requests().isEmpty());
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(server.requests()[0].path, "/status.txt");
    EXPECT_NE(server.requests()[0].header("User-Agent"), "QyvOpenRelays");
}

TEST(ServerAddressesTest, FailedRequestsKeepWhatTheCallerHas)
{
    LoopbackServer server;
    server.setPage("/p", "NewsVardelin2.1=Y#a#b#c#StatPath=s#AccPath=a#WTGamesPatt=w#CTGamesPause");
    server.setFailure("/p", LoopbackServer::Failure::ServerError);
    server.setPage("/cut", "x");
    server.setFailure("/cut", LoopbackServer::Failure::CloseConnection);
    const QString addresses[] = {scrambled(server.url("/p")), scrambled(server.url("/cut")),
                                 scrambled(server.url("/missing")), "not scrambled at all", ""};
    LoopbackServer gone;
    const QString goneAddress = scrambled(gone.url("/config.txt"));
    gone.stop();

    for (const QString& a : {addresses[0], addresses[1], addresses[2], addresses[3], addresses[4], goneAddress}) {
        QString store = "s", download = "d";
        bool present = true;
        TStatusNews news{"1", "2", "3"};
        EXPECT_EQ(FetchStatusPage(a, NewsKey, DownloadKey, StoreKey, store, download, present, news), 1);
        EXPECT_TRUE(store.isEmpty());
        EXPECT_TRUE(download.isEmpty());
        EXPECT_TRUE(present);
        EXPECT_EQ(news.Line1, "1");

        bool chat = false;
        QString path = "x";
        FetchRatingPath(a, 2, chat, path);
        EXPECT_TRUE(chat);
        EXPECT_EQ(path, "old");
        FetchStatPath(a, path);
        EXPECT_EQ(path, "");
        path = "x";
        FetchAccPath(a, path);
        EXPECT_EQ(path, "");
    }
}

TEST(ServerAddressesTest, ASilentServerCountsAsAFailedPage)
{
    LoopbackServer server;
    server.setPage("/config.txt", "WTGamesPatt=new#StatPath=new#AccPath=new#CTGamesPause#");
    server.setDelay("/config.txt", 3000);
    const int saved = PageTimeoutMs;
    PageTimeoutMs = 200;
    const QString a = scrambled(server.url("/config.txt"));
    bool chat = false;
    QString path;
    FetchRatingPath(a, 2, chat, path);
    EXPECT_EQ(path, "old");
    EXPECT_TRUE(chat);
    FetchStatPath(a, path);
    EXPECT_EQ(path, "");
    PageTimeoutMs = saved;
}

TEST(ServerAddressesTest, ConfigurationPageGivesEachAddress)
{
    LoopbackServer server;
    server.setPage("/config.txt",
                   "WTGamesPath=v1#\nWTGamesPatt=v2#\nStatPath=st#\nAccPath:acc#\nStatPath=later#");
    const QString a = scrambled(server.url("/config.txt"));
    bool chat = false;
    QString path;
    FetchRatingPath(a, 2, chat, path);
    EXPECT_EQ(path, "v2");
    EXPECT_TRUE(chat);
    FetchStatPath(a, path);
    EXPECT_EQ(path, "st");
    FetchAccPath(a, path);
    EXPECT_EQ(path, "acc");
    EXPECT_EQ(server.requests().size(), 3);
}

TEST(ServerAddressesTest, ShippedAddressesPointAtLoopback)
{
    const QString settingsKeyed[] = {StatusPageAddress, ConfigPageAddress, BuiltInRatingAddressCoded,
                                     BuiltInStatAddressCoded};
    for (const QString& a : settingsKeyed)
        EXPECT_TRUE(Scrambler::UnscrambleText(a, Scrambler::KeySettings).startsWith("http://127.0.0.1:"));
    EXPECT_TRUE(Scrambler::UnscrambleText(BuiltInAccountAddressCoded, Scrambler::KeyAccount).startsWith("http://127.0.0.1:"));
}

TEST(ServerAddressesTest, PageTextJoinsLinesWithCrLf)
{
    EXPECT_EQ(PageText("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(PageText("\xd0\xaf"), QString::fromUtf8("Я"));
    EXPECT_EQ(PageText(""), "");
}
