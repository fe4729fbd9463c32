// The result of a rated round sent to a loopback account service through the real
// requests: the record the service receives after round 3 and after round 10, and what
// stays in memory when the write is refused or the service cannot be reached.
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/OnlineResult.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "support/LoopbackServer.h"
#include "support/ScriptedPresenter.h"

#include <gtest/gtest.h>

namespace {

// The service's copy: 5 games, best 100, rating 2, one finished series, round 2 of
// the running one with 40 points.
const QByteArray StoredRecord = "$5 100 2 1 2 40 0 #$";

class OnlineResultServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        savedAddress = Settings::AccountServiceAddress;
        savedCode = Settings::ServerGameCode;
        Settings::AccountServiceAddress = Scrambler::ScrambleText(server.url(QStringLiteral("/acc.php")), Scrambler::KeyAccount);
        Settings::ServerGameCode = QStringLiteral("sol431");
        Online::AccountUser = Online::TQyvUser{};
        Online::AccountUser.Nick = QStringLiteral("Bob");
        Online::AccountUser.Pw = QStringLiteral("pw");
        Online::AccountGame = Online::TQyvGame{};
        Online::AccountGame.KonL = 2;
        Online::OnlineState = 3;
        Online::OnlineStartSaved = true;
        Online::OnlineGameRunning = true;
    }
    void TearDown() override
    {
        Settings::AccountServiceAddress = savedAddress;
        Settings::ServerGameCode = savedCode;
        Online::OnlineState = 1;
        Online::AccountGame = Online::TQyvGame{};
        Online::AccountUser = Online::TQyvUser{};
    }
    QList<QByteArray> bodies() const
    {
        QList<QByteArray> b;
        for (const auto& r : server.requests())
            b << r.body;
        return b;
    }

    testsupport::LoopbackServer server;
    testsupport::ScriptedPresenter presenter;
    QString savedAddress;
    QString savedCode;
};

TEST_F(OnlineResultServerTest, RoundThreeAndRoundTenStoreTheirRecords)
{
    struct Case {
        int round, roundScore, total;
        QByteArray saved;
    };
    // Rating after the round: 5 / 10 + (5 x (2 - 0.5) + score) / 5.
    const Case cases[] = {
        {3, 15, 55, "sol431kon=5&sol431best=100&sol431rating=5&sol431ses=1&sol431konl=3&sol431score=55"},
        {10, 7, 120, "sol431kon=5&sol431best=120&sol431rating=3.4&sol431ses=2&sol431konl=0&sol431score=0"},
        {10, 7, 90, "sol431kon=5&sol431best=100&sol431rating=3.4&sol431ses=2&sol431konl=0&sol431score=0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        server.clearRequests();
        // One page answers both: the record for the read, "ok" for the write.
        server.setPage("/acc.php", "ok" + StoredRecord);
        Online::OnlineState = 3;
        Online::OnlineGameRunning = true;
        GameState::PlayerRounds = c.round;
        Online::SendOnlineResult(c.roundScore, c.total);
        EXPECT_EQ(bodies(), (QList<QByteArray>{"nick=Bob&pw=pw&sol431best=0",
                                               "nick=Bob&pw=pw&" + c.saved + "&sol431R1=0&sol431R2=#"}));
        EXPECT_TRUE(presenter.messages.empty());
        EXPECT_TRUE(Online::AccountGameLoaded);
        EXPECT_FALSE(Online::OnlineStartSaved);
        EXPECT_FALSE(Online::OnlineGameRunning);
    }
}

TEST_F(OnlineResultServerTest, RefusedWriteAnsweredNoKeepsTheRecordAsRead)
{
    server.setPage("/acc.php", StoredRecord);   // no "ok": the write is refused
    presenter.answers = {platform::Answer::No};
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    EXPECT_EQ(server.requests().size(), 2);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::YesNo);
    const Online::TQyvGame& g = Online::AccountGame;
    EXPECT_EQ(g.Kon, 5);
    EXPECT_EQ(g.Best, 100);
    EXPECT_DOUBLE_EQ(g.Rating, 2.0);
    EXPECT_EQ(g.Sessions, 1);
    EXPECT_EQ(g.Score, 40);
    EXPECT_EQ(g.KonL, 2);
    EXPECT_FALSE(Online::OnlineStartSaved);
    EXPECT_FALSE(Online::OnlineGameRunning);
}

TEST_F(OnlineResultServerTest, NoSaveFollowsAReadWithoutTheRecord)
{
    // A wrong password: the service answers "no" and holds nothing; writing an empty
    // record back would wipe the player's results.
    server.setPage("/acc.php", "no");
    presenter.answers = {platform::Answer::Yes, platform::Answer::No};
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    EXPECT_EQ(bodies(), (QList<QByteArray>{"nick=Bob&pw=pw&sol431best=0", "nick=Bob&pw=pw&sol431best=0"}));
    EXPECT_EQ(presenter.messages.size(), 2u);
    EXPECT_FALSE(Online::AccountGameLoaded);
}

TEST_F(OnlineResultServerTest, UnreachableServiceAsksAndGoesOn)
{
    server.stop();
    presenter.answers = {platform::Answer::No};
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    EXPECT_EQ(presenter.messages.size(), 1u);
    EXPECT_FALSE(Online::OnlineGameRunning);
    EXPECT_FALSE(Online::OnlineStartSaved);
}

TEST_F(OnlineResultServerTest, SignedInWithoutRatedPlaySendsNothing)
{
    server.setPage("/acc.php", "ok" + StoredRecord);
    Online::OnlineState = 2;
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(Online::OnlineGameRunning);
}

} // namespace
