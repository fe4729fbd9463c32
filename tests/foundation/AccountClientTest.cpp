// The three account requests the foundation makes (login, game record read and save)
// against a loopback service: what they post and how they read every kind of reply.
#include "foundation/AccountClient.h"
#include "platform/Cp1251.h"
#include "support/LoopbackServer.h"
#include "support/OnePageService.h"

#include <gtest/gtest.h>

namespace {

using Online::TQyvGame;
using Online::TQyvUser;

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

class AccountClientTest : public testsupport::OnePageService {
protected:
    AccountClientTest() : OnePageService("/acc.php") {}
};

TEST_F(AccountClientTest, LoginPostsNickPasswordAndLabelAsAForm)
{
    reply("no");
    bool ok = true;
    TQyvUser user;
    Online::ServerLogin(address(), T("Иван"), T("p w&1"), ok, user);
    ASSERT_EQ(server.requests().size(), 1);
    const auto& r = server.requests()[0];
    EXPECT_EQ(r.method, QByteArray("POST"));
    EXPECT_EQ(r.header("user-agent"), QByteArray("QyvOpenRelays"));
    EXPECT_EQ(r.header("content-type"), QByteArray("application/x-www-form-urlencoded"));
    EXPECT_EQ(r.body, "nick=" + platform::cp1251::fromUnicode(T("Иван")).toPercentEncoding() + "&pw=p%20w%261&label0=0");
}

TEST_F(AccountClientTest, LoginReadsTheRecordOrRefuses)
{
    struct Case {
        const char* reply;
        bool ok;
        const char* city;
        QChar sex;
        int balance;
    };
    const Case cases[] = {
        {"ok$Moscow Russia 1-001 M a@b.ru 01.02.2020 xxx xxx xxx 150 0 0$", true, "Moscow", QLatin1Char('M'), 150},
        {"$Москва Russia 1-001 W a@b.ru 01.02.2020 xxx xxx xxx 150 0 0$", true, "Москва", QLatin1Char('W'), 150},
        {"no", false, "#", QLatin1Char('#'), 0},
        {"No such nick, no", false, "#", QLatin1Char('#'), 0},
        // Letters "no" inside the data are not the service's refusal.
        {"$Snowdon Wales 1-002 M nobody@no.uk 01.02.2020 x x x 7 0 0$", true, "Snowdon", QLatin1Char('M'), 7},
        // Only the first three fields: the rest keep their placeholders.
        {"$Oslo Norway 1-020$", true, "Oslo", QLatin1Char('#'), 0},
        // Fourth field empty: no sex letter to read.
        {"$Oslo Norway 1-020  a@b.ru 01.02.2020 x x x 7 0 0$", false, "Oslo", QLatin1Char('#'), 0},
        // A balance that is not a number fails; fields read before it stay.
        {"$Oslo Norway 1-020 W a@b.ru 01.02.2020 x x x many 0 0$", false, "Oslo", QLatin1Char('W'), 0},
        // No record at all is no login.
        {"ok", false, "#", QLatin1Char('#'), 0},
        {"", false, "#", QLatin1Char('#'), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        reply(platform::cp1251::fromUnicode(T(c.reply)));
        TQyvUser user;
        user.PwC = T("kept");
        user.Info.Skype = T("kept too");
        user.R04 = 99;
        bool ok = !c.ok;
        Online::ServerLogin(address(), T("Bob"), T("secret"), ok, user);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(user.Nick, T("Bob"));
        EXPECT_EQ(user.Pw, T("secret"));
        EXPECT_EQ(user.City, T(c.city));
        EXPECT_EQ(user.Sex, c.sex);
        EXPECT_EQ(user.R04, c.balance);
        EXPECT_EQ(user.PwC, T("kept"));
        EXPECT_EQ(user.Info.Skype, T("kept too"));
    }
}

TEST_F(AccountClientTest, LoginFillsAllTwelveFields)
{
    reply("$Moscow Russia 1-001 W a@b.ru 01.02.2020 r1 r2 r3 150 -5 6$");
    bool ok = false;
    TQyvUser u;
    Online::ServerLogin(address(), T("Bob"), T("secret"), ok, u);
    ASSERT_TRUE(ok);
    EXPECT_EQ(QStringList({u.City, u.Country1, u.Country2, QString(u.Sex), u.EMail, u.DateR, u.R01, u.R02, u.R03}),
              (QStringList{T("Moscow"), T("Russia"), T("1-001"), T("W"), T("a@b.ru"), T("01.02.2020"), T("r1"), T("r2"),
                           T("r3")}));
    EXPECT_EQ(u.R04, 150);
    EXPECT_EQ(u.R05, -5);
    EXPECT_EQ(u.R06, 6);
}

TEST_F(AccountClientTest, LoginPresetsWhenTheServiceIsUnreachable)
{
    const QString gone = stoppedAddress();
    TQyvUser u;
    u.City = T("Old");
    u.R04 = 40;
    bool ok = true;
    Online::ServerLogin(gone, T("Bob"), T("secret"), ok, u);
    EXPECT_FALSE(ok);
    EXPECT_EQ(u.City, T("#"));
    EXPECT_EQ(u.EMail, T("#"));
    EXPECT_EQ(u.DateR, T("00.00.0000"));
    EXPECT_EQ(u.R04, 0);
}

TEST_F(AccountClientTest, ReadGamePostsTheGameCodeAndReadsTheRecord)
{
    reply("$3 120 45.5 0 3 80 0 #$");
    TQyvGame g;
    bool ok = false;
    Online::ServerReadGame(address(), T("Bob"), T("pw"), T("sol431"), ok, g);
    EXPECT_EQ(lastBody(), QByteArray("nick=Bob&pw=pw&sol431best=0"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(g.Kon, 3);
    EXPECT_EQ(g.Best, 120);
    EXPECT_DOUBLE_EQ(g.Rating, 45.5);
    EXPECT_EQ(g.Sessions, 0);
    EXPECT_EQ(g.KonL, 3);
    EXPECT_EQ(g.Score, 80);
    EXPECT_EQ(g.R1, 0);
    EXPECT_EQ(g.R2, T("#"));
    EXPECT_EQ(g.PlayNow, QLatin1Char('N'));
}

TEST_F(AccountClientTest, ReadGameFailsWithoutAUsableRecord)
{
    struct Case {
        const char* reply;
        bool ok;
        int kon;
        int best;   // the caller's 77 stays unless read
        int sessions;
    };
    const Case cases[] = {
        {"$4 90 12,5 1 2 30 5 r$", true, 4, 90, 1},
        {"$4 90$", true, 4, 90, 0},                   // later fields keep their presets
        {"no", false, 0, 77, 0},                      // nothing to save back
        {"ok", false, 0, 77, 0},
        {"$4 x 1 1 1 1 1 #$", false, 4, 77, 0},        // stops at the bad field
        {"$4  1 1 1 1 1 #$", false, 4, 77, 0},         // an empty field is no number
        {"$4 90 1.2.3 1 1 1 1 #$", false, 4, 90, 0},
        {"$4 90 1 1 12 1 1 #$", false, 4, 90, 1},      // round of a series outside 0..9
        {"$4 90 1 1 -1 1 1 #$", false, 4, 90, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        TQyvGame g;
        g.Kon = g.Score = g.Sessions = 9;
        g.Rating = 9;
        g.Best = 77;
        g.R2 = T("old");
        bool ok = !c.ok;
        Online::ServerReadGame(address(), T("Bob"), T("pw"), T("solvd"), ok, g);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(g.Kon, c.kon);
        EXPECT_EQ(g.Best, c.best);
        EXPECT_EQ(g.Sessions, c.sessions);
    }
    const QString gone = stoppedAddress();
    TQyvGame g;
    g.Kon = 5;
    bool ok = true;
    Online::ServerReadGame(gone, T("Bob"), T("pw"), T("solvd"), ok, g);
    EXPECT_FALSE(ok);
    EXPECT_EQ(g.Kon, 0);
    EXPECT_EQ(g.R2, T("#"));
}

TEST_F(AccountClientTest, SaveGamePostsTheRecordAsOneStringAndWantsOk)
{
    TQyvGame g;
    g.Kon = 3;
    g.Best = 120;
    g.Rating = 45.5;
    g.Sessions = 1;
    g.KonL = 3;
    g.Score = 80;
    g.R1 = -2;
    g.R2 = T("#");
    reply("ok");
    EXPECT_TRUE(Online::ServerSaveGame(address(), T("Пётр"), T("p&w=1"), T("sol431"), g));
    EXPECT_EQ(lastBody(), "nick=" + platform::cp1251::fromUnicode(T("Пётр")) +
                              "&pw=p%26w=1&sol431kon=3&sol431best=120&sol431rating=45.5&sol431ses=1&sol431konl=3"
                              "&sol431score=80&sol431R1=-2&sol431R2=#");
    for (const char* r : {"no", "token", "", "OK"}) {
        SCOPED_TRACE(r);
        reply(r);
        EXPECT_FALSE(Online::ServerSaveGame(address(), T("Bob"), T("pw"), T("sol431"), g));
    }
    server.setPage("/acc.php", "ok", "text/html", 500);
    EXPECT_FALSE(Online::ServerSaveGame(address(), T("Bob"), T("pw"), T("sol431"), g));
}

} // namespace
