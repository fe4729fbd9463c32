// The result of a rated round on the account service: what the record holds after
// round 3 and after round 10, the retry question and the record kept when a write
// fails.
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/OnlineResult.h"
#include "foundation/Texts.h"
#include "support/ScriptedPresenter.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Online::TQyvGame;

// The account service as the round sees it: one stored record per player, reads and
// writes that can be told to fail.
struct ScriptedAccountService {
    TQyvGame stored;
    std::vector<bool> readResults;   // consumed per read; empty = success
    std::vector<bool> saveResults;   // consumed per save; empty = success
    std::vector<TQyvGame> saves;
    int reads = 0;
    Online::AccountRequests requests;

    ScriptedAccountService()
    {
        requests.readGame = [this](const QString&, const QString&, const QString&, const QString&, bool& ok,
                                   TQyvGame& game) {
            ++reads;
            // The client resets these fields before it reads.
            game.Kon = game.Score = game.Sessions = 0;
            game.Rating = 0;
            ok = next(readResults);
            if (ok)
                game = stored;
        };
        requests.saveGame = [this](const QString&, const QString&, const QString&, const QString&,
                                   const TQyvGame& game) {
            const bool ok = next(saveResults);
            if (ok) {
                stored = game;
                saves.push_back(game);
            }
            return ok;
        };
        Online::SetAccountRequestsForTest(&requests);
    }
    ~ScriptedAccountService() { Online::SetAccountRequestsForTest(nullptr); }

    static bool next(std::vector<bool>& results)
    {
        if (results.empty())
            return true;
        const bool r = results.front();
        results.erase(results.begin());
        return r;
    }
};

TQyvGame serverRecord()
{
    TQyvGame g;
    g.Kon = 5;
    g.Best = 100;
    g.Rating = 2.0;
    g.Sessions = 1;
    g.KonL = 2;
    g.Score = 40;
    return g;
}

class OnlineResultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        Online::OnlineState = 3;
        Online::OnlineStartSaved = true;
        Online::OnlineGameRunning = true;
        Online::AccountGame = serverRecord();
        service.stored = serverRecord();
    }
    void TearDown() override
    {
        Online::OnlineState = 1;
        Online::AccountGame = TQyvGame{};
    }

    ScriptedAccountService service;
    testsupport::ScriptedPresenter presenter;
};

TEST(RatingFormulas, GameStartAndGameEnd)
{
    struct Case {
        int n, b, c, d;
        double x, expected;
    };
    // ((N - B) x (X - (N - B) / D) - C) / N + N / D
    for (const Case& t : {Case{6, 1, 0, 10, 3.0, (5 * (3.0 - 0.5)) / 6 + 0.6}, Case{1, 1, 0, 10, 7.5, 0.1},
                          Case{11, 1, 0, 10, 0.0, (10 * (0.0 - 1.0)) / 11 + 1.1}})
        EXPECT_DOUBLE_EQ(Online::RatingOnGameStart(t.n, t.b, t.c, t.d, t.x), t.expected) << t.n;
    // K / D + (C + K x (R - K / D) + S) / K
    EXPECT_DOUBLE_EQ(Online::RatingOnGameEnd(5, 15, 0, 10, 2.0), 5.0);
    EXPECT_DOUBLE_EQ(Online::RatingOnGameEnd(10, 0, 0, 10, 4.0), 4.0);
    EXPECT_DOUBLE_EQ(Online::RatingOnGameEnd(4, -20, 0, 10, 1.0), 0.4 + (4 * 0.6 - 20) / 4);
}

TEST_F(OnlineResultTest, RoundThreeStoresRoundCountAndRunningScore)
{
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    ASSERT_EQ(service.saves.size(), 1u);
    const TQyvGame& s = service.saves[0];
    EXPECT_EQ(s.KonL, 3);
    EXPECT_EQ(s.Score, 55);
    EXPECT_EQ(s.Sessions, 1);
    EXPECT_EQ(s.Best, 100);
    EXPECT_EQ(s.Kon, 5);
    EXPECT_DOUBLE_EQ(s.Rating, 5.0);
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_FALSE(Online::OnlineStartSaved);
    EXPECT_FALSE(Online::OnlineGameRunning);
}

TEST_F(OnlineResultTest, RoundTenClosesTheSeries)
{
    struct Case {
        int total;
        int expectedBest;
    };
    for (const Case& c : {Case{120, 120}, Case{80, 100}, Case{100, 100}}) {
        SCOPED_TRACE(c.total);
        service.stored = serverRecord();
        service.saves.clear();
        GameState::PlayerRounds = 10;
        Online::OnlineState = 3;
        Online::SendOnlineResult(7, c.total);
        ASSERT_EQ(service.saves.size(), 1u);
        const TQyvGame& s = service.saves[0];
        EXPECT_EQ(s.KonL, 0);
        EXPECT_EQ(s.Score, 0);
        EXPECT_EQ(s.Sessions, 2);
        EXPECT_EQ(s.Best, c.expectedBest);
    }
}

TEST_F(OnlineResultTest, FailedSaveAnsweredNoKeepsTheRecordAsRead)
{
    service.stored.Rating = 3.25;
    service.stored.Score = 44;
    service.saveResults = {false};
    presenter.answers = {platform::Answer::No};
    Online::AccountGame.KonL = 2;
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 59);
    EXPECT_TRUE(service.saves.empty());
    EXPECT_EQ(service.reads, 1);
    EXPECT_DOUBLE_EQ(Online::AccountGame.Rating, 3.25);
    EXPECT_EQ(Online::AccountGame.Score, 44);
    EXPECT_EQ(Online::AccountGame.KonL, 2);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(presenter.messages[0].text.contains(Texts::Tx(Texts::TxtCouldNotConnect)));
    EXPECT_TRUE(presenter.messages[0].text.contains(Texts::Tx(Texts::TxtRepeat)));
    EXPECT_FALSE(Online::OnlineStartSaved);
    EXPECT_FALSE(Online::OnlineGameRunning);
}

TEST_F(OnlineResultTest, RetryAfterFailuresSendsOnce)
{
    // A failed read, Yes; a failed write, Yes; then it goes through.
    service.readResults = {false, true, true};
    service.saveResults = {false, true};
    presenter.answers = {platform::Answer::Yes, platform::Answer::Yes};
    GameState::PlayerRounds = 4;
    Online::SendOnlineResult(10, 70);
    EXPECT_EQ(service.reads, 3);
    ASSERT_EQ(service.saves.size(), 1u);
    EXPECT_EQ(service.saves[0].KonL, 4);
    EXPECT_EQ(service.saves[0].Score, 70);
    // The rating moves once, from the record as read, not once per attempt.
    EXPECT_DOUBLE_EQ(service.saves[0].Rating, Online::RatingOnGameEnd(5, 10, 0, 10, 2.0));
    EXPECT_EQ(presenter.messages.size(), 2u);
}

TEST_F(OnlineResultTest, FailedReadAnsweredNoLeavesTheRecordInMemory)
{
    service.readResults = {false};
    presenter.answers = {platform::Answer::No};
    GameState::PlayerRounds = 3;
    Online::SendOnlineResult(15, 55);
    EXPECT_TRUE(service.saves.empty());
    EXPECT_EQ(Online::AccountGame.Kon, 5);
    EXPECT_DOUBLE_EQ(Online::AccountGame.Rating, 2.0);
}

TEST_F(OnlineResultTest, OutsideRatedPlayNothingIsSent)
{
    for (int state : {1, 2}) {
        Online::OnlineState = state;
        Online::OnlineStartSaved = true;
        Online::OnlineGameRunning = true;
        Online::SendOnlineResult(15, 55);
        EXPECT_EQ(service.reads, 0);
        EXPECT_TRUE(Online::OnlineStartSaved) << "only a rated round clears it";
        EXPECT_FALSE(Online::OnlineGameRunning);
    }
}

} // namespace
