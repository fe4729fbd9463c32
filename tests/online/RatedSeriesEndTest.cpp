// The end of a rated ten-round series through the bound services: the game record is
// stored, the total goes to the game's account-player list, the place is paid in Qyvs
// and the balance read back. The services answer by what each request carries.
#include "app/OnlineServices.h"
#include "app/Qyv_FEndGame.h"
#include "app/RoundEnd.h"
#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Http.h"
#include "support/ScriptedPresenter.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Account, world-rating and statistics services behind the transport seam.
struct FakeServices : platform::HttpTransport {
    QByteArray worldReply = "$1#";
    QByteArray balanceSaveReply = "ok";
    QList<QByteArray> worldBodies;
    QList<QByteArray> balanceSaves;
    int balanceReads = 0;

    platform::HttpResult perform(const platform::HttpRequest& r) override
    {
        QByteArray reply = "$ok#";
        if (r.url.endsWith(QLatin1String("/wt.php"))) {
            worldBodies << r.body;
            reply = worldReply;
        } else if (r.url.endsWith(QLatin1String("/acc.php"))) {
            if (r.body.contains("labelqyvsave=")) {
                balanceSaves << r.body;
                reply = balanceSaveReply;
            } else if (r.body.contains("labelqyvread=")) {
                ++balanceReads;
                reply = "$175$";
            } else if (r.body.contains("sol431best=0")) {
                reply = "$9 300 40 2 9 400 0 #$";
            } else {
                reply = "ok";
            }
        }
        return {true, 200, reply, {}};
    }
};

class RatedSeriesEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        Settings::SoundOn = false;
        Form1 = &surface;
        savedServices = RoundEnd::Services();
        OnlineServices::BindOnlineServices();
        platform::setHttpTransportForTest(&fake);
        Settings::AccountServiceAddress =
            Scrambler::ScrambleText(QStringLiteral("http://services.test/acc.php"), Scrambler::KeyAccount);
        Settings::RatingServiceAddress = QStringLiteral("http://services.test/wt.php");
        Settings::StatServiceAddress = QStringLiteral("http://services.test/stat.php");
        Settings::ServerGameCode = QStringLiteral("sol431");
        Online::AccountUser = Online::TQyvUser{};
        Online::AccountUser.Nick = QStringLiteral("Ann");
        Online::AccountUser.Pw = QStringLiteral("pw");
        Online::AccountUser.City = QStringLiteral("Omsk");
        Online::AccountUser.Country1 = QStringLiteral("Russia");
        Online::AccountUser.Sex = QLatin1Char('W');
        Online::AccountUser.R04 = 50;
        Online::OnlineState = 3;
        GameState::CurrentGameId = 431;
        GameState::CurrentGroup = 1;
        GameState::PlayerSlot = 7;
        GameState::PlayerRounds = 10;
        GameState::PlayerScore = 400;
        GameState::NewTotalScore = 480;
        GameState::GameOver = 1;
        EndGame::EndGameReward = 0;
    }
    void TearDown() override
    {
        platform::setHttpTransportForTest(nullptr);
        RoundEnd::Services() = savedServices;
        Online::OnlineState = 1;
        Online::AccountUser = Online::TQyvUser{};
        Online::AccountGame = Online::TQyvGame{};
        Form1 = nullptr;
        GameState::ResetGameState();
    }

    TTableSurface surface;
    testsupport::ScriptedPresenter presenter;
    FakeServices fake;
    RoundEnd::SeriesServices savedServices;
};

TEST_F(RatedSeriesEnd, PlaceIsSubmittedPaidAndTheBalanceReadBack)
{
    struct Case {
        QByteArray worldReply;
        QByteArray balanceSaveReply;
        int place, reward;
        const char* paid;   // the balance change sent, or nothing
        int balanceReads, balance;
    };
    const Case cases[] = {
        {"$1#", "ok", 1, 25, "25", 1, 175},
        {"$7#", "ok", 7, 10, "10", 1, 175},
        {"$12#", "ok", 12, 0, nullptr, 1, 175},   // no reward, the balance is read all the same
        {"$1#", "no", 1, -1, "25", 0, 50},        // payment refused: the balance is left alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.worldReply.constData());
        fake = FakeServices{};
        fake.worldReply = c.worldReply;
        fake.balanceSaveReply = c.balanceSaveReply;
        presenter.dialogs.clear();
        Online::OnlineState = 3;
        Online::AccountUser.R04 = 50;
        RoundEnd::FinishRound(surface);
        EXPECT_EQ(fake.worldBodies,
                  QList<QByteArray>{"gid=731&nick=Ann&city=Omsk&country=Russia&score=480&R7=W&R8=4.0&R9=#&R10=#*"});
        EXPECT_EQ(GameState::WorldPlace, c.place);
        EXPECT_EQ(ClubFile::EndGamePlace, c.place);
        EXPECT_EQ(ClubFile::EndGameScore, 480);
        EXPECT_EQ(EndGame::EndGameReward, c.reward);
        EXPECT_EQ(fake.balanceSaves,
                  c.paid ? QList<QByteArray>{"nick=Ann&labelqyvsave=0&R04=" + QByteArray(c.paid)} : QList<QByteArray>{});
        EXPECT_EQ(fake.balanceReads, c.balanceReads);
        EXPECT_EQ(Online::AccountUser.R04, c.balance);
        EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormEndGame")});
        EXPECT_EQ(Online::OnlineState, 2);
    }
}

TEST_F(RatedSeriesEnd, FailedSubmitIsRepeatedOnYes)
{
    fake.worldReply = "saved, no place";
    presenter.answers = {platform::Answer::Yes, platform::Answer::No};
    RoundEnd::FinishRound(surface);
    EXPECT_EQ(fake.worldBodies.size(), 2);
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[0].text, QStringLiteral("Unable to write the result of the game! Repeat?"));
    EXPECT_TRUE(fake.balanceSaves.isEmpty());
    EXPECT_EQ(fake.balanceReads, 0);
    EXPECT_TRUE(presenter.dialogs.empty()) << "no end-of-game window without a place";
    EXPECT_EQ(Online::OnlineState, 2);
}

} // namespace
