// The statistics a player's program sends, end to end on the main window against the
// protocol server: the start-up post, the round ends of a won and a lost round, and the
// statistics window reading the counters back.
#include "app/Qyv__Form1.h"
#include "app/RoundEnd.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_FStat.h"
#include "online/Qyv_UAccC.h"
#include "support/OnlineServerFixture.h"
#include "support/SampleMember.h"
#include "support/ScriptedPresenter.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using VardelinServer::Kind;

class OnlineEndToEnd : public testsupport::OnlineServerFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OnlineServerFixture::SetUp());
        Settings::WindowSize = 1;
        Settings::SoundOn = false;
        ASSERT_TRUE(TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName),
                                                  TextFileLines::JoinLines(ClubFile::EmptyClubLines("vrd"))));
    }
    void TearDown() override
    {
        delete form;
        GameState::ResetGameState();
        OnlineServerFixture::TearDown();
    }
    // Ends a round of `game` as the main window does once the player leaves it.
    void finishRound(int game, bool won)
    {
        GameState::CurrentGameId = game;
        GameState::CurrentGroup = GameTables::GameGroupOf(game);
        GameState::RoundActive = 1;
        GameState::GameOver = 1;
        GameState::GameWon = won ? 1 : 0;
        GameState::PlayerRounds = 1;
        ClubPlayer::CurrentPlayerName = QStringLiteral("Guest");
        RoundEnd::FinishRound(*form);
    }
    QStringList statWindow(int game)
    {
        GameState::CurrentGameId = game;
        GameState::CurrentGroup = GameTables::GameGroupOf(game);
        TFStat w;
        w.FormShow();
        return w.Values;
    }

    testsupport::ScriptedPresenter presenter;
    TForm1* form = nullptr;
};

TEST_F(OnlineEndToEnd, StartAndRoundEndsReachTheServerAndTheStatisticsWindowShowsThem)
{
    // A settings file of an earlier build: the shipped statistics address, no start
    // posted yet. The configuration page brings the server's addresses over at start.
    Settings::SetDefaultSettings();
    Settings::StartStatPosted = false;
    Settings::SaveSettings();
    form = new TForm1;
    form->show();
    form->FormFirstShow();
    ASSERT_EQ(server->count(Kind::Stat12), 1);
    QByteArray startPost;
    for (const auto& r : server->log())
        if (r.kind == Kind::Stat12)
            startPost = r.body;
    EXPECT_TRUE(startPost.startsWith("gid=71&R1=0&R2=0&R3=1&R4=1&R5=0")) << startPost.toStdString();
    EXPECT_TRUE(Settings::StartStatPosted);
    EXPECT_EQ(Settings::StatServiceAddress, server->url(QLatin1String(VardelinServer::Paths::Stat)));

    const QStringList before71 = statWindow(71);
    const QStringList before431 = statWindow(431);
    ASSERT_EQ(before71.size(), 6);
    ASSERT_EQ(before431.size(), 6);

    server->clearLog();
    finishRound(431, true);   // Vardelin-Solo: slot 7 of table 71, element 13 won
    EXPECT_EQ(server->count(Kind::Table40), 1);
    EXPECT_EQ(server->count(Kind::Stat12), 0);
    finishRound(71, false);   // Vardelin-Duo: its own record, counter 2 lost
    EXPECT_EQ(server->count(Kind::Stat12), 1);

    const QStringList after431 = statWindow(431);
    const QStringList after71 = statWindow(71);
    ASSERT_EQ(after431.size(), 6);
    ASSERT_EQ(after71.size(), 6);
    EXPECT_EQ(after431[4].toInt(), before431[4].toInt() + 1);
    EXPECT_EQ(after431[5].toInt(), before431[5].toInt());
    EXPECT_EQ(after71[4].toInt(), before71[4].toInt());
    EXPECT_EQ(after71[5].toInt(), before71[5].toInt() + 1);
}

TEST_F(OnlineEndToEnd, RatedPlayFromTheOnlineButtonStartsADealAndTheServerCountsIt)
{
    Settings::SetDefaultSettings();
    Settings::SaveSettings();
    form = new TForm1;
    form->show();
    form->FormFirstShow();
    form->Image1Click(); // through the intro to the menu
    const VardelinServer::Member m = testsupport::SampleMember(QStringLiteral("ann"), QStringLiteral("pass1"));
    ASSERT_TRUE(server->store().addMember(m));
    bool ok = false;
    Online::ServerLogin(account(), m.nick, m.pw, ok, Online::AccountUser);
    ASSERT_TRUE(ok);
    Online::OnlineState = 2;
    GameState::CurrentGameId = 431;
    Settings::ServerGameCode = QStringLiteral("sol431");

    // The player ticks "Play global rating" in the account window and closes it.
    bool ticked = false;
    presenter.onDialog = [&](QDialog& d) {
        if (d.objectName() == QLatin1String("FAcc1")) {
            auto& acc = static_cast<TFAcc1&>(d);
            if (acc.CheckBox2->isEnabled()) {
                acc.CheckBox2->click();
                ticked = true;
            }
        }
        return int(QDialog::Accepted);
    };
    form->Button5->click();
    ASSERT_TRUE(ticked);
    const auto game = server->store().game(m.nick, QStringLiteral("sol431"));
    ASSERT_TRUE(game.has_value());
    EXPECT_EQ(game->kon, 1);
    EXPECT_TRUE(Online::OnlineGameRunning);
    EXPECT_TRUE(GameState::RoundActive);
    EXPECT_EQ(GameState::CurrentGameId, 431);
    Online::OnlineState = 1;
    Online::OnlineGameRunning = false;
    Online::AccountUser = {};
}

} // namespace

