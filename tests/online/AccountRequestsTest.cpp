// The account window's requests against a loopback account service: bodies as the
// service expects them and every reply form each request reads.
#include "foundation/Scrambler.h"
#include "online/Qyv_UAccC.h"
#include "platform/Cp1251.h"
#include "support/LoopbackServer.h"
#include "support/OnePageService.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

class AccountRequestsTest : public testsupport::OnePageService {
protected:
    AccountRequestsTest() : OnePageService("/acc.php") {}
};

TEST_F(AccountRequestsTest, RegisterSendsTheWholeAccountAndReadsOkAndIs)
{
    Online::TQyvUser u;
    u.Nick = T("Вася");
    u.Pw = T("pa+ss");
    u.City = T("Omsk");
    u.Country1 = T("Russia");
    u.Country2 = T("2-014");
    u.Sex = QLatin1Char('M');
    u.EMail = T("v@a.ru");
    u.DateR = T("11.12.2026");
    u.R01 = u.R02 = u.R03 = T("xxx");
    u.R04 = 0;
    u.R05 = 0;
    u.R06 = 0;
    struct Case {
        const char* reply;
        int result;
    };
    for (const Case& c : {Case{"ok", 0}, Case{"$ok#", 0}, Case{"is", 1}, Case{"ok is", 1}, Case{"no", 2},
                          Case{"", 2}, Case{"token this", 2}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        EXPECT_EQ(Online::ServerRegister(address(), u), c.result);
    }
    EXPECT_EQ(lastBody(), "nick=" + platform::cp1251::fromUnicode(T("Вася")) +
                              "&pw=pa%2Bss&city=Omsk&country1=Russia&country2=2-014&sex=M&email=v@a.ru"
                              "&dater=11.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0");
    EXPECT_EQ(Online::ServerRegister(stoppedAddress(), u), 2);
}

TEST_F(AccountRequestsTest, TopTenReadsUpToTenRowsAndPresetsTheRest)
{
    platform::Arr<Online::TQyvTop10, 10> rows;
    rows[5].Nick = T("stale");
    bool ok = false;
    reply("header$1 Ann Omsk Russia 2-014 W 55.5*$2 Bob Oslo Norway 1-020 M 40,25*$3 Cy Rome Italy*");
    Online::ServerTopTen(address(), T("sol431"), ok, rows);
    EXPECT_EQ(lastBody(), QByteArray("sol431kon=0"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(rows[1].Nick, T("Ann"));
    EXPECT_EQ(rows[1].City, T("Omsk"));
    EXPECT_EQ(rows[1].Country, T("2-014")) << "the fifth field, the code, wins";
    EXPECT_EQ(rows[1].Sex, QLatin1Char('W'));
    EXPECT_DOUBLE_EQ(rows[1].Rating, 55.5);
    EXPECT_EQ(rows[2].Country, T("1-020"));
    EXPECT_DOUBLE_EQ(rows[2].Rating, 40.25);
    EXPECT_EQ(rows[3].Country, T("Italy")) << "four fields: the fourth";
    EXPECT_EQ(rows[3].Sex, QLatin1Char('M'));
    for (int i = 4; i <= 10; ++i) {
        EXPECT_TRUE(rows[i].Nick.isEmpty()) << i;
        EXPECT_EQ(rows[i].Sex, QLatin1Char('M'));
        EXPECT_EQ(rows[i].Rating, 0);
    }

    QByteArray eleven;
    for (int i = 1; i <= 11; ++i)
        eleven += "$" + QByteArray::number(i) + " N" + QByteArray::number(i) + " c 1 1-001 M 1*";
    reply(eleven);
    Online::ServerTopTen(address(), T("sol431"), ok, rows);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows[10].Nick, T("N10"));

    reply("$1 Ann Omsk Russia 2-014 W 5*$2 Bob Oslo Norway 1-020 M 1.2.3*");
    Online::ServerTopTen(address(), T("sol431"), ok, rows);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rows[1].Nick, T("Ann"));

    reply("nothing yet");
    Online::ServerTopTen(address(), T("sol431"), ok, rows);
    EXPECT_TRUE(ok) << "an empty list is a list";
    EXPECT_TRUE(rows[1].Nick.isEmpty());
}

TEST_F(AccountRequestsTest, PlaceAndCountAreTheNumberAfterTheLastDollar)
{
    struct Case {
        const char* reply;
        bool ok;
        int value;
    };
    for (const Case& c : {Case{"$7$", true, 7}, Case{"$7", false, -1}, Case{"$x$", false, -1}, Case{"$12*", true, 12},
                          Case{"", false, -1}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        bool ok = !c.ok;
        EXPECT_EQ(Online::ServerPlaceForRating(address(), T("sol431"), 25.2, ok), c.value);
        EXPECT_EQ(ok, c.ok);
        ok = !c.ok;
        EXPECT_EQ(Online::ServerPlayerCount(address(), ok), c.value);
        EXPECT_EQ(ok, c.ok);
    }
    ASSERT_EQ(server.requests().size(), 10);
    EXPECT_EQ(server.requests()[0].body, QByteArray("sol431rating=25.2"));
    EXPECT_EQ(server.requests()[1].body, QByteArray("label1=0"));
    bool ok = true;
    EXPECT_EQ(Online::ServerPlayerCount(stoppedAddress(), ok), -1);
    EXPECT_FALSE(ok);
}

TEST_F(AccountRequestsTest, BalanceReadAndChange)
{
    struct Case {
        const char* reply;
        bool ok;
        int balance;
    };
    for (const Case& c : {Case{"$150$", true, 150}, Case{"$-20$", true, -20}, Case{"no", false, 0},
                          Case{"$15a$", false, 0}, Case{"ok", false, 0}, Case{"$$", false, 0}}) {
        SCOPED_TRACE(c.reply);
        reply(c.reply);
        bool ok = !c.ok;
        EXPECT_EQ(Online::ServerReadBalance(address(), T("Bob"), ok), c.balance);
        EXPECT_EQ(ok, c.ok);
    }
    EXPECT_EQ(lastBody(), QByteArray("nick=Bob&labelqyvread=0"));

    bool ok = false;
    reply("ok");
    EXPECT_TRUE(Online::ServerSaveBalance(address(), T("Bob"), -25, ok));
    EXPECT_TRUE(ok);
    EXPECT_EQ(lastBody(), QByteArray("nick=Bob&labelqyvsave=0&R04=-25"));
    reply("no");
    EXPECT_FALSE(Online::ServerSaveBalance(address(), T("Bob"), 10, ok));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Online::ServerSaveBalance(stoppedAddress(), T("Bob"), 10, ok));
}

TEST_F(AccountRequestsTest, ProfileReadInItsOwnFieldOrder)
{
    Online::TInfo14 info;
    info.YouTube = T("kept");
    bool ok = false;
    reply("$Ivan~Petrov~About me~+7 1~i@p.ru~site.ru~skype1~ok1~vk1~tg1~fb1~tw1~in1$");
    Online::ServerReadInfo(address(), T("Bob"), ok, info);
    EXPECT_EQ(lastBody(), QByteArray("nick=Bob&labelinforead=0"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(QStringList({info.Name1, info.Name2, info.About, info.Telephone, info.EMailO, info.WebSite, info.Skype,
                           info.OK, info.VK, info.Telegram, info.FaceBook, info.Twitter, info.Instagramm}),
              (QStringList{T("Ivan"), T("Petrov"), T("About me"), T("+7 1"), T("i@p.ru"), T("site.ru"), T("skype1"),
                           T("ok1"), T("vk1"), T("tg1"), T("fb1"), T("tw1"), T("in1")}));
    EXPECT_EQ(info.YouTube, T("kept")) << "a field the reply leaves out keeps its value";

    for (const char* refused : {"no", "no$A~B$"}) {
        SCOPED_TRACE(refused);
        reply(refused);
        Online::ServerReadInfo(address(), T("Bob"), ok, info);
        EXPECT_FALSE(ok);
        EXPECT_EQ(info.Name1, T("Ivan"));
    }
    reply("$Snow~nobody$");
    Online::ServerReadInfo(address(), T("Bob"), ok, info);
    EXPECT_TRUE(ok) << "\"no\" inside the profile is data";
    EXPECT_EQ(info.Name2, T("nobody"));
}

TEST_F(AccountRequestsTest, ProfileSaveKeepsItsSeparatorsOutOfTheValues)
{
    Online::TInfo14 info;
    info.Name1 = T("Ivan");
    info.Name2 = T("A~B$C");
    info.About = T("Tom & Jerry");
    info.WebSite = T("w");
    info.Skype = T("s");
    info.YouTube = T("y");
    bool ok = false;
    reply("ok");
    EXPECT_TRUE(Online::ServerSaveInfo(address(), T("Bob"), info, ok));
    EXPECT_EQ(lastBody(), QByteArray("nick=Bob&labelinfosave=0&namei=Ivan&name2=A-B-C&about=Tom %26 Jerry&telephone="
                                     "&emailo=&website=w&skype=s&ok=&vk=&telegram=&facebook=&twitter=&instagramm="
                                     "&youtube=y"));
    reply("error");
    EXPECT_FALSE(Online::ServerSaveInfo(address(), T("Bob"), info, ok));
    EXPECT_FALSE(ok);
}

TEST_F(AccountRequestsTest, AvatarLoadsIntoItsSlot)
{
    QImage face(4, 3, QImage::Format_RGB32);
    face.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(face.save(&buffer, "JPG"));
    const QString saved = Online::AvatarFolderAddressCoded;
    Online::AvatarFolderAddressCoded =
        Scrambler::ScrambleText(server.url(T("/avatars/")), Scrambler::KeyAccount);
    server.setPage("/avatars/Bob.jpg", jpeg, "image/jpeg");
    server.setPage("/avatars/" + platform::cp1251::fromUnicode(T("Вася")).toPercentEncoding() + ".jpg", jpeg,
                   "image/jpeg");
    server.setPage("/avatars/Broken.jpg", "not a picture", "image/jpeg");

    Online::AccountPhoto = QImage();
    Online::LeaderPhoto = QImage();
    EXPECT_TRUE(Online::DownloadAvatar(T("Bob"), 1));
    EXPECT_EQ(Online::AccountPhoto.size(), QSize(4, 3));
    EXPECT_TRUE(Online::LeaderPhoto.isNull());
    EXPECT_TRUE(Online::DownloadAvatar(T("Вася"), 2));
    EXPECT_EQ(Online::LeaderPhoto.size(), QSize(4, 3));
    EXPECT_NE(server.requests().last().header("user-agent"), QByteArray("QyvOpenRelays"));

    EXPECT_FALSE(Online::DownloadAvatar(T("Broken"), 1));
    EXPECT_FALSE(Online::DownloadAvatar(T("Nobody"), 1));
    // A nick cannot leave the avatar folder.
    EXPECT_FALSE(Online::DownloadAvatar(T("../avatars/Bob"), 1));
    EXPECT_TRUE(server.requests().last().path.startsWith("/avatars/..%2F"));
    Online::AvatarFolderAddressCoded = saved;
    Online::AccountPhoto = QImage();
    Online::LeaderPhoto = QImage();
}

} // namespace
