// The clients against the protocol server: records filled field by field from its
// replies, and every failure the server can be made to produce.
#include "online/Qyv_UAccC.h"
#include "online/Qyv_UStatC.h"
#include "online/Qyv_UWorldC.h"
#include "support/OnlineServerFixture.h"

#include <gtest/gtest.h>

namespace {

using VardelinServer::Fault;
using VardelinServer::Kind;

class ServerRoundTripTest : public testsupport::OnlineServerFixture {
protected:
    static Online::TQyvUser member(const QString& nick, const QString& country1, const QString& country2)
    {
        Online::TQyvUser u;
        u.Nick = nick;
        u.Pw = QStringLiteral("secret");
        u.City = QStringLiteral("Moscow");
        u.Country1 = country1;
        u.Country2 = country2;
        u.Sex = QLatin1Char('W');
        u.EMail = QStringLiteral("ann@mail.ru");
        u.DateR = QStringLiteral("05.06.2024");
        u.R01 = u.R02 = u.R03 = QStringLiteral("xxx");
        return u;
    }
    void saveRaw(const QByteArray& kon, const QByteArray& ses)
    {
        const QByteArray body = "nick=Ann&pw=secret&sol431kon=" + kon + "&sol431best=0&sol431rating=1&sol431ses=" +
                                ses + "&sol431konl=0&sol431score=0&sol431R1=0&sol431R2=#";
        ASSERT_EQ(platform::httpPostRaw(account(), body, "application/x-www-form-urlencoded").body, QByteArray("ok"));
    }
};

TEST_F(ServerRoundTripTest, AccountRequestsFillTheirRecords)
{
    EXPECT_EQ(Online::ServerRegister(account(), member(QStringLiteral("Ann"), QStringLiteral("Russia"), QStringLiteral("1-001"))), 0);
    EXPECT_EQ(Online::ServerRegister(account(), member(QStringLiteral("Ann"), QStringLiteral("Russia"), QStringLiteral("1-001"))), 1);
    EXPECT_EQ(Online::ServerRegister(account(), member(QStringLiteral("Kofi"), QString(), QStringLiteral("6-012"))), 0);

    bool ok = false;
    Online::TQyvUser u;
    Online::ServerLogin(account(), QStringLiteral("Ann"), QStringLiteral("secret"), ok, u);
    ASSERT_TRUE(ok);
    EXPECT_EQ(u.City, QStringLiteral("Moscow"));
    EXPECT_EQ(u.Country1, QStringLiteral("Russia"));
    EXPECT_EQ(u.Country2, QStringLiteral("1-001"));
    EXPECT_EQ(u.Sex, QLatin1Char('W'));
    EXPECT_EQ(u.EMail, QStringLiteral("ann@mail.ru"));
    EXPECT_EQ(u.DateR, QStringLiteral("05.06.2024"));
    EXPECT_EQ(u.R03, QStringLiteral("xxx"));
    EXPECT_EQ(u.R04, 0);
    Online::ServerLogin(account(), QStringLiteral("Kofi"), QStringLiteral("secret"), ok, u);
    ASSERT_TRUE(ok);
    EXPECT_EQ(u.Country1, QString());
    EXPECT_EQ(u.Country2, QStringLiteral("6-012"));
    Online::ServerLogin(account(), QStringLiteral("Ann"), QStringLiteral("wrong"), ok, u);
    EXPECT_FALSE(ok);

    EXPECT_TRUE(Online::ServerSaveBalance(account(), QStringLiteral("Ann"), 150, ok));
    EXPECT_EQ(Online::ServerReadBalance(account(), QStringLiteral("Ann"), ok), 150);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(Online::ServerSaveBalance(account(), QStringLiteral("Ann"), -151, ok));
    EXPECT_EQ(Online::ServerPlayerCount(account(), ok), 2);

    Online::TQyvGame g;
    g.Kon = 3;
    g.Best = 120;
    g.Rating = 45.5;
    g.KonL = 3;
    g.Score = 80;
    ASSERT_TRUE(Online::ServerSaveGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), g));
    Online::TQyvGame back;
    Online::ServerReadGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), ok, back);
    ASSERT_TRUE(ok);
    EXPECT_EQ(back.Kon, 3);
    EXPECT_EQ(back.Best, 120);
    EXPECT_DOUBLE_EQ(back.Rating, 45.5);
    EXPECT_EQ(back.KonL, 3);
    EXPECT_EQ(back.Score, 80);
    EXPECT_EQ(Online::ServerPlaceForRating(account(), QStringLiteral("sol431"), 50, ok), 1);
    platform::Arr<Online::TQyvTop10, 10> rows;
    Online::ServerTopTen(account(), QStringLiteral("sol431"), ok, rows);
    ASSERT_TRUE(ok);
    EXPECT_EQ(rows[1].Nick, QStringLiteral("Ann"));
    EXPECT_EQ(rows[1].Country, QStringLiteral("1-001"));
    EXPECT_DOUBLE_EQ(rows[1].Rating, 45.5);
    EXPECT_EQ(rows[2].Nick, QString());

    Online::TInfo14 info;
    info.Name1 = QStringLiteral("Ann");
    info.About = QStringLiteral("I play every day");
    info.YouTube = QStringLiteral("yt");
    ASSERT_TRUE(Online::ServerSaveInfo(account(), QStringLiteral("Ann"), info, ok));
    Online::TInfo14 read;
    Online::ServerReadInfo(account(), QStringLiteral("Ann"), ok, read);
    EXPECT_EQ(read.About, info.About);
    EXPECT_EQ(read.YouTube, info.YouTube);
}

TEST_F(ServerRoundTripTest, WorldAndStatisticsClients)
{
    const QString world = Settings::RatingServiceAddress;
    bool ok = false;
    EXPECT_EQ(Online::SubmitWorldResult(world, QStringLiteral("Bob"), QStringLiteral("Oslo"), QStringLiteral("1-035"),
                                        QStringLiteral("M"), 300, 431, QStringLiteral("#"), QStringLiteral("#"), ok), 1);
    EXPECT_EQ(Online::SubmitWorldResult(world, QStringLiteral("Ann"), QStringLiteral("Rome"), QStringLiteral("1-024"),
                                        QStringLiteral("W"), 300, 431, QStringLiteral("#"), QStringLiteral("#"), ok), 2);
    EXPECT_EQ(Online::ReadWorldCount(world, 431, ok), 2);
    Online::TQyvRecords rows;
    Online::ReadWorldTopTen(world, 431, ok, rows);
    ASSERT_TRUE(ok);
    EXPECT_EQ(rows[1].Nick, QStringLiteral("Bob"));
    EXPECT_EQ(rows[2].Place, 2);
    EXPECT_EQ(rows[2].City, QStringLiteral("Rome"));
    EXPECT_EQ(rows[2].R10, QStringLiteral("#"));
    Online::ReadWorldNeighbours(world, 431, QStringLiteral("Ann"), QStringLiteral("Rome"), ok, rows);
    EXPECT_EQ(rows[1].Place, 2);
    EXPECT_EQ(rows[2].Nick, QStringLiteral("#"));

    platform::Arr<int, 12> v;
    v.fill(0);
    v[3] = 1;
    v[4] = 1;
    EXPECT_TRUE(Online::SendGameStat12(Settings::StatServiceAddress, 71, v, ok));
    EXPECT_TRUE(Online::SendGameLike(Settings::StatServiceAddress, 71, 1, QStringLiteral("Bob"), ok));
    Online::TQyvStat s;
    Online::GetGameStat(Settings::StatServiceAddress, 71, ok, s);
    ASSERT_TRUE(ok);
    EXPECT_EQ(s.StatX[3], 1);
    EXPECT_EQ(s.StatX[4], 1);
    EXPECT_EQ(s.Stat3, 1);
    EXPECT_EQ(s.Stat4, QStringLiteral("Bob"));
}

TEST_F(ServerRoundTripTest, GameRecordsWithNoRoomLeftAreUnusable)
{
    ASSERT_EQ(Online::ServerRegister(account(), member(QStringLiteral("Ann"), QStringLiteral("Russia"), QStringLiteral("1-001"))), 0);
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"2147483647", "0"}, {"-1", "0"}, {"0", "2147483647"}, {"0", "-1"}};
    for (const auto& [kon, ses] : cases) {
        saveRaw(kon, ses);
        bool ok = true;
        Online::TQyvGame g;
        Online::ServerReadGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), ok, g);
        EXPECT_FALSE(ok) << kon.toStdString() << " " << ses.toStdString();
    }
    saveRaw("2147483646", "2147483646");
    bool ok = false;
    Online::TQyvGame g;
    Online::ServerReadGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), ok, g);
    EXPECT_TRUE(ok);
}

TEST_F(ServerRoundTripTest, EveryFaultGivesTheFailureValue)
{
    ASSERT_EQ(Online::ServerRegister(account(), member(QStringLiteral("Ann"), QStringLiteral("Russia"), QStringLiteral("1-001"))), 0);
    ServerRequest::ReadTimeoutMs = 300;
    const Fault faults[] = {{Fault::Drop, 0, 0, {}}, {Fault::Error500, 0, 0, {}}, {Fault::Delay, 0, 1500, {}},
                            {Fault::Replace, 0, 0, "ok"}};
    for (const Fault& f : faults) {
        server->clearFaults();
        for (Kind k : {Kind::Login, Kind::GameRead, Kind::Place, Kind::BalanceRead, Kind::WorldCount, Kind::StatLike})
            server->addFault(k, f);
        bool ok = true;
        Online::TQyvUser u;
        Online::ServerLogin(account(), QStringLiteral("Ann"), QStringLiteral("secret"), ok, u);
        // A reply of "ok" alone is a login without a record, which the client accepts.
        if (f.action != Fault::Replace) {
            EXPECT_FALSE(ok) << f.action;
        }
        Online::TQyvGame g;
        ok = true;
        Online::ServerReadGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), ok, g);
        EXPECT_FALSE(ok) << f.action;
        EXPECT_EQ(Online::ServerPlaceForRating(account(), QStringLiteral("sol431"), 5, ok), -1) << f.action;
        Online::ServerReadBalance(account(), QStringLiteral("Ann"), ok);
        EXPECT_FALSE(ok) << f.action;
        EXPECT_EQ(Online::ReadWorldCount(Settings::RatingServiceAddress, 71, ok), 0) << f.action;
        EXPECT_FALSE(Online::SendGameLike(Settings::StatServiceAddress, 71, 1, QStringLiteral("Ann"), ok)) << f.action;
    }
    // A strict number spoiled.
    server->clearFaults();
    server->addFault(Kind::GameRead, {Fault::Replace, 0, 0, "$3 1x0 45.5 0 3 80 0 #$"});
    bool ok = true;
    Online::TQyvGame g;
    Online::ServerReadGame(account(), QStringLiteral("Ann"), QStringLiteral("secret"), QStringLiteral("sol431"), ok, g);
    EXPECT_FALSE(ok);
}

} // namespace
