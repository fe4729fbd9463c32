// The protocol server by raw HTTP: request bodies exactly as the clients send them and
// the reply bytes each service gives back, step by step over one database.
#include "platform/Cp1251.h"
#include "platform/Http.h"
#include "server/HttpReader.h"
#include "support/OnlineServerFixture.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

namespace P = VardelinServer::Paths;
using VardelinServer::Kind;

QByteArray cp(const char* utf8)
{
    return platform::cp1251::fromUnicode(QString::fromUtf8(utf8));
}

const QByteArray BobRegistration = "nick=Bob&pw=pass1&city=Moscow&country1=Russia&country2=1-001&sex=M&"
                                   "email=bob@mail.ru&dater=01.02.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0";

class ServerProtocolTest : public testsupport::OnlineServerFixture {
protected:
    QByteArray post(const char* path, const QByteArray& body)
    {
        const platform::HttpResult r =
            platform::httpPostRaw(server->url(QLatin1String(path)), body, "application/x-www-form-urlencoded");
        EXPECT_TRUE(r.ok) << body.toStdString();
        return r.body;
    }
    QByteArray get(const char* path, int* status = nullptr)
    {
        platform::HttpOptions o;
        o.userAgent.clear();
        const platform::HttpResult r = platform::httpGet(server->url(QLatin1String(path)), o);
        if (status)
            *status = r.status;
        return r.body;
    }
    struct Step {
        const char* path;
        QByteArray body;
        QByteArray reply;
    };
    void run(const std::vector<Step>& steps)
    {
        for (const Step& s : steps)
            EXPECT_EQ(post(s.path, s.body), s.reply) << s.body.toStdString();
    }
    static QByteArray jpeg(int w, int h, const char* format = "JPG")
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buf(&bytes);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, format);
        return bytes;
    }
};

TEST_F(ServerProtocolTest, AccountServiceRequestsAndReplies)
{
    run({
        {P::Account, BobRegistration, "ok"},
        {P::Account, BobRegistration, "is"},
        {P::Account, "nick=bob&pw=x&city=Kazan&country1=Russia&country2=1-001&sex=M&email=e&dater=d&R01=xxx&R02=xxx&"
                     "R03=xxx&R04=0&R05=0&R06=0", "ok"},   // nicks are case-sensitive
        {P::Account, "nick=Ann&pw=pw&city=New York&country1=USA&country2=3-034&sex=W&email=e&dater=d&R01=x&R02=x&"
                     "R03=x&R04=0&R05=0&R06=0", "fail"},
        {P::Account, "nick=Ann&pw=pw&city=Paris$&country1=France&country2=1-015&sex=W&email=e&dater=d&R01=x&"
                     "R02=x&R03=x&R04=0&R05=0&R06=0", "fail"},
        {P::Account, "nick=Kofi&pw=pw&city=Brazzaville&country1=&country2=6-012&sex=M&email=e&dater=d&R01=x&R02=x&"
                     "R03=x&R04=0&R05=0&R06=0", "ok"},
        {P::Account, "nick=Bob&pw=pass1&label0=0", "$Moscow Russia 1-001 M bob@mail.ru 01.02.2024 xxx xxx xxx 0 0 0$"},
        {P::Account, "nick=Kofi&pw=pw&label0=0", "$Brazzaville  6-012 M e d x x x 0 0 0$"},
        {P::Account, "nick=Bob&pw=wrong&label0=0", "no"},
        {P::Account, "nick=Nobody&pw=x&label0=0", "no"},
        {P::Account, "label1=0", "$3$"},
        // Game record: none yet, saved, read back; the password is checked both ways.
        {P::Account, "nick=Bob&pw=pass1&sol431best=0", "$0 0 0 0 0 0 0 #$"},
        {P::Account, "nick=Bob&pw=pass1&sol431kon=3&sol431best=120&sol431rating=45.5&sol431ses=0&sol431konl=3&"
                     "sol431score=80&sol431R1=0&sol431R2=#", "ok"},
        {P::Account, "nick=Bob&pw=pass1&sol431best=0", "$3 120 45.5 0 3 80 0 #$"},
        {P::Account, "nick=Bob&pw=wrong&sol431best=0", "no"},
        {P::Account, "nick=Bob&pw=wrong&sol431kon=1&sol431best=1&sol431rating=1&sol431ses=0&sol431konl=1&"
                     "sol431score=1&sol431R1=0&sol431R2=#", "no"},
        {P::Account, "nick=Bob&pw=pass1&sol431kon=x&sol431best=1&sol431rating=1&sol431ses=0&sol431konl=1&"
                     "sol431score=1&sol431R1=0&sol431R2=#", "fail"},
        {P::Account, "nick=Bob&pw=pass1&sol431kon=1&sol431best=1&sol431rating=1&sol431ses=0&sol431konl=1&"
                     "sol431score=1&sol431R1=0&sol431R2=a b", "fail"},
        {P::Account, "nick=bob&pw=x&solvdkon=2&solvdbest=10&solvdrating=60.2&solvdses=0&solvdkonl=2&"
                     "solvdscore=5&solvdR1=0&solvdR2=#", "ok"},
        {P::Account, "nick=Kofi&pw=pw&sol431kon=2&sol431best=0&sol431rating=70.25&sol431ses=0&sol431konl=2&"
                     "sol431score=9&sol431R1=0&sol431R2=#", "ok"},
        // Places and the top ten by rating, highest first.
        {P::Account, "sol431rating=50", "$2$"},
        {P::Account, "sol431rating=80", "$1$"},
        {P::Account, "sol431rating=10", "$3$"},
        {P::Account, "sol431kon=0", "$1 Kofi Brazzaville  6-012 M 70.25*$2 Bob Moscow Russia 1-001 M 45.5*"},
        {P::Account, "solvdkon=0", "$1 bob Kazan Russia 1-001 M 60.2*"},
        {P::Account, "sol401kon=0", ""},
        // Balance: read, change, refusals.
        {P::Account, "nick=Bob&labelqyvread=0", "$0$"},
        {P::Account, "nick=Bob&labelqyvsave=0&R04=150", "ok"},
        {P::Account, "nick=Bob&labelqyvsave=0&R04=-10", "ok"},
        {P::Account, "nick=Bob&labelqyvread=0", "$140$"},
        {P::Account, "nick=Bob&labelqyvsave=0&R04=-141", "fail"},
        {P::Account, "nick=Bob&labelqyvsave=0&R04=2147483647", "fail"},
        {P::Account, "nick=Nobody&labelqyvsave=0&R04=5", "no"},
        {P::Account, "nick=Nobody&labelqyvread=0", "no"},
        {P::Account, "nick=Bob&labelqyvread=0", "$140$"},
        // The contact profile, blanks included.
        {P::Account, "nick=Bob&labelinforead=0", "$~~~~~~~~~~~~~$"},
        {P::Account, "nick=Bob&labelinfosave=0&namei=Bob&name2=Smith&about=I play every day&telephone=+7 495&"
                     "emailo=b@b.b&website=w&skype=s&ok=o&vk=v&telegram=t&facebook=f&twitter=tw&instagramm=i&youtube=y",
         "ok"},
        {P::Account, "nick=Bob&labelinforead=0", "$Bob~Smith~I play every day~ 7 495~b@b.b~w~s~o~v~t~f~tw~i~y$"},
        {P::Account, "nick=Bob&labelinfosave=0&namei=a~b", "fail"},
        {P::Account, "nick=Nobody&labelinforead=0", "no"},
    });
    // The reply text comes in code page 1251.
    run({{P::Account, "nick=" + cp("Иван") + "&pw=p&city=" + cp("Тверь") + "&country1=Russia&country2=1-001&sex=M&"
                      "email=e&dater=d&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0", "ok"},
         {P::Account, "nick=%C8%E2%E0%ED&pw=p&label0=0", "$" + cp("Тверь") + " Russia 1-001 M e d x x x 0 0 0$"}});
}

TEST_F(ServerProtocolTest, WorldListsPlacesTiesOwnRowsAndChat)
{
    run({
        {P::World, "rgid=431", "$0#"},
        {P::World, "gid=431&nick=Bob&city=Moscow&country=1-001&score=300&R7=M&R8=4.0&R9=#&R10=#*", "$1#"},
        {P::World, "gid=431&nick=Ann&city=Oslo&country=1-035&score=500&R7=W&R8=4.0&R9=#&R10=#*", "$1#"},
        {P::World, "gid=431&nick=Joe&city=Rome&country=1-024&score=300&R7=M&R8=4.0&R9=#&R10=#*", "$3#"},
        {P::World, "gid=431&nick=Bob&city=Moscow&country=1-001&score=100&R7=M&R8=4.0&R9=#&R10=#*", "$4#"},
        {P::World, "gid=431&nick=Bob Smith&city=Moscow&country=1-001&score=1&R7=M&R8=4.0&R9=#&R10=#*", "fail"},
        {P::World, "gid=431&nick=Bob&city=Mos*cow&country=1-001&score=1&R7=M&R8=4.0&R9=#&R10=#*", "fail"},
        {P::World, "rgid=431", "$4#"},
        {P::World, "rgid=71", "$0#"},
        {P::World, "gid=431",
         "$1 2 500 Ann 1-035 Oslo W 4.0 # #*$2 1 300 Bob 1-001 Moscow M 4.0 # #*"
         "$3 3 300 Joe 1-024 Rome M 4.0 # #*$4 4 100 Bob 1-001 Moscow M 4.0 # #*"},
        {P::World, "gid=431&nick=Bob&city=Moscow", "$2 1 300 Bob 1-001 Moscow M 4.0 # #*$4 4 100 Bob 1-001 Moscow M 4.0 # #*"},
        {P::World, "gid=731", ""},
        // The chat: list 100, the newest message has the highest number.
        {P::World, "gid=100&nick=Ann&city=Oslo&country=1-035&score=1&R7=W&R8=4.0&R9=12:00&R10=Hello_all*", "$1#"},
        {P::World, "gid=100&nick=Bob&city=Moscow&country=1-001&score=2&R7=M&R8=4.0&R9=12:01&R10=Hi!*", "$1#"},
        {P::World, "gid=100",
         "$1 6 2 Bob 1-001 Moscow M 4.0 12:01 Hi!*$2 5 1 Ann 1-035 Oslo W 4.0 12:00 Hello_all*"},
    });
}

TEST_F(ServerProtocolTest, StatisticsAndTableCountersAddUp)
{
    const QByteArray twelve = "gid=71&R1=1&R2=0&R3=1&R4=1&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0";
    QByteArray forty = "gid=17";
    for (int i = 1; i <= 40; ++i)
        forty += "&R" + QByteArray::number(i) + "=" + (i == 9 ? "1" : "0");
    run({
        {P::Stat, "gid=71", "$0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 #*"},
        {P::Stat, twelve, "$ok#"},
        {P::Stat, twelve, "$ok#"},
        {P::Stat, "gid=71&stat3=1&stat4=Bob", "$ok#"},
        {P::Stat, "gid=71&stat3=1&stat4=Bob Smith", "$fail#"},
        {P::Stat, "gid=71&R1=x&R2=0", "$fail#"},
        {P::Stat, "gid=71", "$0 0 1 Bob 2 0 2 2 0 0 0 0 0 0 0 0 0 #*"},
        {P::Stat, "gid=19", "$0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 #*"},
        {P::Table, forty, "$ok#"},
        {P::Table, forty, "$ok#"},
        {P::Table, "gid=17", "$0 0 0 0 0 0 0 0 2" + QByteArray(" 0").repeated(31) + "*"},
        {P::Table, "gid=71", "$0" + QByteArray(" 0").repeated(39) + "*"},
    });
}

TEST_F(ServerProtocolTest, PhotoUploadAndAvatarFolder)
{
    run({{P::Account, BobRegistration, "ok"}});
    struct Case {
        const char* what;
        QByteArray file;
        QString name;
        QByteArray reply;
    };
    const Case cases[] = {
        {"a 200 x 251 JPEG", jpeg(200, 251), "Bob.jpg", "Refused"},
        {"a PNG", jpeg(200, 250, "PNG"), "Bob.jpg", "Refused"},
        {"an unknown nick", jpeg(200, 250), "Nobody.jpg", "Refused"},
        {"a 200 x 250 JPEG", jpeg(200, 250), "Bob.jpg", "Ok"},
    };
    for (const Case& c : cases) {
        const platform::HttpResult r =
            platform::httpPostMultipart(server->url(QLatin1String(P::Upload)), c.file, c.name, "image/jpeg");
        EXPECT_EQ(r.body, c.reply) << c.what;
    }
    int status = 0;
    EXPECT_EQ(get("/ava/Bob.jpg", &status), jpeg(200, 250));
    EXPECT_EQ(status, 200);
    get("/ava/Nobody.jpg", &status);
    EXPECT_EQ(status, 404);
}

TEST_F(ServerProtocolTest, PagesAndTheRequestLog)
{
    EXPECT_EQ(get(P::Status), QByteArray("NewsVardelin2.1=N####\r\n"));
    EXPECT_TRUE(get(P::TopUp).contains("no payments"));
    const QString page = QString::fromLatin1(get(P::Config));
    const QString host = QStringLiteral("http://127.0.0.1:%1").arg(server->port());
    QString v;
    ASSERT_TRUE(ServerAddresses::FindPageValue(page, QStringLiteral("WTGamesPatt"), v));
    EXPECT_EQ(Scrambler::UnscrambleText(v, Scrambler::KeySettings), host + QLatin1String(P::World));
    ASSERT_TRUE(ServerAddresses::FindPageValue(page, QStringLiteral("StatPath"), v));
    EXPECT_EQ(Scrambler::UnscrambleText(v, Scrambler::KeySettings), host + QLatin1String(P::Stat));
    ASSERT_TRUE(ServerAddresses::FindPageValue(page, QStringLiteral("AccPath"), v));
    EXPECT_EQ(Scrambler::UnscrambleText(v, Scrambler::KeyAccount), host + QLatin1String(P::Account));
    EXPECT_FALSE(page.contains(QLatin1String("Pause")));
    server->options().pauseWorld = true;
    server->options().pauseChat = true;
    const QByteArray paused = get(P::Config);
    EXPECT_TRUE(paused.contains("WTGamesPause") && paused.contains("CTGamesPause"));

    const auto& log = server->log();
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0].kind, Kind::Status);
    EXPECT_EQ(log[2].kind, Kind::Config);
    EXPECT_EQ(log[2].path, QByteArray(P::Config));
}

TEST_F(ServerProtocolTest, FaultsByKindAndCount)
{
    run({{P::Account, BobRegistration, "ok"}});
    server->addFault(Kind::BalanceRead, {VardelinServer::Fault::Replace, 0, 0, "garbage"});
    server->addFault(Kind::MemberCount, {VardelinServer::Fault::Error500, 1, 0, {}});
    auto raw = [&](const QByteArray& body) {
        return platform::httpPostRaw(account(), body, "application/x-www-form-urlencoded");
    };
    EXPECT_EQ(raw("nick=Bob&labelqyvsave=0&R04=5").body, QByteArray("ok"));
    // A dropped connection stores nothing (the client may send it again: every one drops).
    server->addFault(Kind::BalanceChange, {VardelinServer::Fault::Drop, 0, 0, {}});
    EXPECT_FALSE(raw("nick=Bob&labelqyvsave=0&R04=5").ok);
    EXPECT_EQ(raw("nick=Bob&labelqyvread=0").body, QByteArray("garbage"));
    EXPECT_EQ(raw("label1=0").status, 500);
    EXPECT_EQ(raw("label1=0").body, QByteArray("$1$"));
    server->clearFaults();
    EXPECT_EQ(raw("nick=Bob&labelqyvread=0").body, QByteArray("$5$"));
    EXPECT_GE(server->count(Kind::BalanceChange), 2);
}

TEST(ServerHttpReader, TakesWholeRequestsOnly)
{
    QByteArray buf = "POST /a HTTP/1.1\r\nContent-Length: 5\r\nHost: x\r\n\r\nab";
    VardelinServer::HttpRequestData r;
    EXPECT_EQ(VardelinServer::ReadHttpRequest(buf, r), VardelinServer::ReadResult::Incomplete);
    buf += "cdeGET";
    ASSERT_EQ(VardelinServer::ReadHttpRequest(buf, r), VardelinServer::ReadResult::Complete);
    EXPECT_EQ(r.body, QByteArray("abcde"));
    EXPECT_EQ(r.header("HOST"), QByteArray("x"));
    EXPECT_EQ(buf, QByteArray("GET"));
    QByteArray big = "POST /a HTTP/1.1\r\nContent-Length: 1048577\r\n\r\n";
    EXPECT_EQ(VardelinServer::ReadHttpRequest(big, r), VardelinServer::ReadResult::TooLarge);
    QByteArray bad = "POST /a HTTP/1.1\r\nContent-Length: x\r\n\r\n";
    EXPECT_EQ(VardelinServer::ReadHttpRequest(bad, r), VardelinServer::ReadResult::Malformed);
}

TEST(ServerForms, SplitAndDecode)
{
    const VardelinServer::FormFields f = VardelinServer::ParseForm("a=1+2&b=%41%e0&c&d=x=y&e=" + cp("ё"));
    ASSERT_EQ(f.size(), 5);
    EXPECT_EQ(f[0].second, QStringLiteral("1 2"));
    EXPECT_EQ(f[1].second, QString::fromUtf8("Aа"));
    EXPECT_EQ(f[2].first, QStringLiteral("c"));
    EXPECT_EQ(f[3].second, QStringLiteral("x=y"));
    EXPECT_EQ(f[4].second, QString::fromUtf8("ё"));
    QString code, suffix;
    EXPECT_TRUE(VardelinServer::SplitGameField(QStringLiteral("sol431konl"), code, suffix));
    EXPECT_EQ(code + "|" + suffix, QStringLiteral("sol431|konl"));
    EXPECT_TRUE(VardelinServer::SplitGameField(QStringLiteral("soluqkon"), code, suffix));
    EXPECT_EQ(code + "|" + suffix, QStringLiteral("soluq|kon"));
    EXPECT_FALSE(VardelinServer::SplitGameField(QStringLiteral("sol446kon"), code, suffix));
    EXPECT_FALSE(VardelinServer::SplitGameField(QStringLiteral("nick"), code, suffix));
}

} // namespace
