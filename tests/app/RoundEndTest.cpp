// The second action button of every game while it runs, and whole rounds from the
// member's sign-in to "To menu" or to leaving through the pop-up menu.
#include "app/Qyv_FPassword.h"
#include "app/Qyv__Form1.h"
#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/OnlineResult.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/TextFileLines.h"
#include "games/group2/Group2.h"
#include "online/Qyv_UStatC.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/PendingQuit.h"
#include "support/ScriptedPresenter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace GameState;

class RoundEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        Texts::LanguageIndex = 0;
        Settings::SoundOn = false;
        Settings::MoveMode = 0;
        Online::OnlineState = 1;
        Form1 = &surface;
    }
    void TearDown() override
    {
        Form1 = nullptr;
        ResetGameState();
    }

    TTableSurface surface;
    testsupport::ScriptedPresenter presenter;
};

TEST_F(RoundEndTest, Button8WhileTheGameRuns)
{
    using Texts::Tx;
    const QString exit = Tx(Texts::TxtExitToMenu), toMenu = Tx(Texts::TxtToMenu),
                  collect = Tx(Texts::TxtCollectCards), reshuffle = Tx(Texts::TxtToReshuffle);
    const QString untouched = QStringLiteral("running");
    struct Case {
        const char* what;
        int code;
        int stock, pass, tulip, mode;
        QString caption;
        bool enabled;
        bool over;             // the game is lost now
        int passAfter;
        int modeAfter;
        int scoreWindows;
    };
    const Case cases[] = {
        {"Vardelin, stock spent after the last pass", 431, 0, 3, 0, 1, exit, true, true, 3, 3, 1},
        {"Yukon gives up", 404, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Free Cell gives up", 430, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Spider with stock left", 413, 3, 1, 0, 2, untouched, true, false, 1, 2, 0},
        {"Spider, stock spent", 421, 0, 1, 0, 2, exit, true, true, 1, 3, 1},
        {"Tulip collects", 19, 0, 1, 2, 0, reshuffle, true, false, 1, 0, 0},
        {"Tulip, first redeal", 19, 0, 1, 3, 0, collect, false, false, 2, 0, 0},
        {"Tulip, last redeal", 19, 0, 2, 3, 0, exit, false, false, 3, 0, 0},
        {"Blue Tulip, fourth pass", 401, 0, 3, 3, 0, collect, false, false, 4, 0, 0},
        {"Blue Tulip, last redeal", 401, 0, 4, 3, 0, exit, false, false, 5, 0, 0},
        {"Paganini gives up", 402, 5, 1, 1, 0, exit, true, true, 1, 0, 1},
        {"Fun Deuces with stock", 419, 5, 1, 0, 0, untouched, true, false, 1, 0, 0},
        {"Fun Deuces, stock spent", 419, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Backbone gives up", 425, 0, 1, 0, 0, toMenu, true, true, 1, 0, 1},
        {"Book gives up", 18, 0, 1, 0, 2, exit, true, true, 1, 3, 1},
        {"Pyramid gives up", 426, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Busy Aces, stock spent", 409, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Lucie redeal", 410, 0, 1, 0, 0, untouched, false, false, 2, 0, 0},
        {"Crescent, first rotation", 415, 0, 1, 0, 0, untouched, true, false, 2, 0, 0},
        {"Crescent, fourth rotation", 416, 0, 4, 0, 0, untouched, false, false, 5, 0, 0},
        {"Algerian gives up", 422, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Clover redeal with a move", 440, 0, 1, 0, 0, untouched, false, false, 2, 0, 0},
        {"Miss Milligan gives up", 442, 0, 1, 0, 0, exit, true, true, 1, 0, 1},
        {"Golf has no running action", 424, 0, 1, 0, 0, untouched, true, false, 1, 0, 0},
        {"Vardelin, nothing to take back", 71, 5, 1, 0, 1, untouched, true, false, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        presenter.dialogs.clear();
        CurrentGameId = c.code;
        RoundPhase = 2;
        GameOver = 0;
        GameWon = 1;
        UndoFlag = 0;
        StockCount = c.stock;
        PassCount = c.pass;
        TulipPhase = c.tulip;
        Button8Mode = c.mode;
        MenuActive = 0;
        surface.Button8->setText(untouched);
        surface.Button8->setEnabled(true);
        RoundEnd::Button8Click(surface);
        EXPECT_EQ(surface.Button8->text(), c.caption);
        EXPECT_EQ(surface.Button8->isEnabled(), c.enabled);
        EXPECT_EQ(GameOver != 0, c.over);
        if (c.over) {
            EXPECT_EQ(GameWon, 0);
        }
        EXPECT_EQ(PassCount, c.passAfter);
        EXPECT_EQ(Button8Mode, c.modeAfter);
        EXPECT_EQ(presenter.dialogs.size(), c.scoreWindows);
        EXPECT_EQ(MenuActive, 0) << "the round is not finished by this press";
    }
}

TEST_F(RoundEndTest, Button8DoesNothingWhileCardsAreLifted)
{
    for (const int code : {431, 404, 430, 421}) {
        SCOPED_TRACE(code);
        CurrentGameId = code;
        RoundPhase = 2;
        GameOver = 0;
        StockCount = 0;
        PassCount = 3;
        DragActive = 1;
        surface.Button8->setEnabled(true);
        RoundEnd::Button8Click(surface);
        EXPECT_EQ(GameOver, 0);
        EXPECT_EQ(DragActive, 1);
        EXPECT_TRUE(presenter.dialogs.empty());
    }
}

TEST_F(RoundEndTest, TakeBackMovesTheWasteTopToTheStockOnce)
{
    for (int code : {431, 18, 409}) {
        SCOPED_TRACE(code);
        CurrentGameId = code;
        RoundPhase = 2;
        GameOver = 0;
        ClearCards(StockCards, StockValues);
        ClearCards(WasteCards, WasteValues);
        StockCount = 4;
        PassCount = 1;
        Button8Mode = 1;
        WasteCards[1] = TCardCode("9\xF7");
        WasteValues[1] = 8;
        WasteCards[2] = TCardCode("3\xEA");
        WasteValues[2] = 2;
        WasteCount = 3;
        UndoFlag = 1;
        MoveCounter = 7;
        surface.Button8->setEnabled(true);
        RoundEnd::Button8Click(surface);
        EXPECT_EQ(StockCount, 5);
        EXPECT_EQ(StockCards[5], TCardCode("3\xEA"));
        EXPECT_EQ(StockValues[5], 2);
        EXPECT_EQ(WasteCount, 2);
        EXPECT_EQ(WasteCards[2], cards::Empty);
        EXPECT_EQ(WasteValues[2], cards::EmptyValue);
        EXPECT_EQ(MoveCounter, 8);
        EXPECT_EQ(UndoFlag, 0);
        EXPECT_FALSE(surface.Button8->isEnabled());
        EXPECT_EQ(GameOver, 0);
    }
}

TEST_F(RoundEndTest, TakeBackWithAnEmptyWasteChangesNothing)
{
    CurrentGameId = 431;
    RoundPhase = 2;
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    StockCount = 4;
    PassCount = 1;
    WasteCount = 1;
    UndoFlag = 1;
    RoundEnd::Button8Click(surface);
    EXPECT_EQ(StockCount, 4);
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(MoveCounter, 0);
}

TEST(StatTableValues, TheGamesPairGetsTheOutcome)
{
    struct Case {
        int game;
        bool won;
        int index; // 0: all zero
    };
    for (const Case& c : {Case{403, true, 1}, Case{403, false, 2}, Case{433, true, 17}, Case{433, false, 18},
                          Case{419, true, 5}, Case{445, false, 18}, Case{407, true, 1}, Case{442, false, 18},
                          Case{410, true, 3}, Case{71, true, 0}, Case{12, false, 0}}) {
        SCOPED_TRACE(c.game * 10 + c.won);
        const platform::Arr<int, 40> v = RoundEnd::StatTableValues(c.game, c.won);
        for (int i = 1; i <= 40; ++i)
            EXPECT_EQ(v[i], i == c.index ? 1 : 0) << i;
    }
}

// A member of the club of Paganini plays a round: sign-in, deal, "To Begin", then the
// give-up and "Exit to menu", or the pop-up "Exit to menu". The round's score is whatever
// the given-up deal scores, so the entry is checked against the round's total.
class ClubRoundTest : public RoundEndTest {
protected:
    void SetUp() override
    {
        RoundEndTest::SetUp();
        testsupport::ClearPendingQuit();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.isListening());
        platform::setProgramFolderForTest(dir.path());
        CurrentGameId = 402;
        CurrentGroup = 2;
        FCount::SetGameResultRoutine(2, Group2::GameResult2); // as the main window binds it
        gameNumber = GameTables::GameSlotOf(402);
        ClubFile::ClubLines lines = ClubFile::EmptyClubLines("abc");
        const QString entry = ClubFile::ComposeClubEntry(QStringLiteral("Ann"), 4, 300,
                                                         ClubFile::EncodeClubField(QStringLiteral("pw1")));
        ClubFile::InsertClubEntryInLines(lines, platform::cp1251::fromUnicode(entry), gameNumber, false);
        ClubFile::UpdateClubChecksums(lines);
        ASSERT_TRUE(TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName), TextFileLines::JoinLines(lines)));
        PlayerLines[1] = entry;
        Settings::StatServiceAddress = server.url(QStringLiteral("/stat"));
        savedTableAddress = Online::StatTableAddressCoded;
        Online::StatTableAddressCoded = Scrambler::ScrambleText(server.url(QStringLiteral("/table")), Scrambler::KeyStatTable);
        server.setPage("/table", "$ok#");
    }
    void TearDown() override
    {
        Online::StatTableAddressCoded = savedTableAddress;
        FCount::SetGameResultRoutine(2, nullptr);
        platform::setProgramFolderForTest({});
        RoundEndTest::TearDown();
    }

    // "That`s all": the deal is lost and scored, and the button finishes the round next.
    void giveUp()
    {
        EXPECT_EQ(surface.Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        RoundEnd::Button8Click(surface);
        ASSERT_EQ(GameOver, 1);
        EXPECT_EQ(surface.Button8->text(), Texts::Tx(Texts::TxtExitToMenu));
        EXPECT_EQ(NewTotalScore, PlayerScore + FCount::CountDealScore);
    }
    static QByteArray scoreField(int score) { return QByteArray::number(score).rightJustified(6, ' '); }
    // Ann's entry with nine rounds played.
    void annWithNineRounds()
    {
        ClubFile::ClubLines lines = ClubFile::EmptyClubLines("abc");
        const QString entry = ClubFile::ComposeClubEntry(QStringLiteral("Ann"), 9, 450,
                                                         ClubFile::EncodeClubField(QStringLiteral("pw1")));
        ClubFile::InsertClubEntryInLines(lines, platform::cp1251::fromUnicode(entry), gameNumber, false);
        ClubFile::UpdateClubChecksums(lines);
        ASSERT_TRUE(TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName), TextFileLines::JoinLines(lines)));
        PlayerLines[1] = entry;
    }

    // Line k (1..5) of the game's block.
    QByteArray memberLine(int k)
    {
        ClubFile::ClubLines lines;
        EXPECT_TRUE(ClubFile::ReadClubLines(ClubFile::ClubFileName, lines));
        return lines.value((gameNumber - 1) * ClubFile::ClubBlockLines + k - 1);
    }

    // Types each password in turn and presses OK, as long as the dialog refuses.
    void signInWith(const QStringList& passwords, const QStringList& confirmations = {},
                    const QString& name = QString())
    {
        presenter.onDialog = [=, this](QDialog& d) {
            auto* form = qobject_cast<TFormPassword*>(&d);
            if (!form)
                return int(QDialog::Rejected);
            if (!name.isNull())
                form->Edit1->setText(name);
            for (int i = 0; i < passwords.size(); ++i) {
                form->Edit2->setText(passwords[i]);
                form->Edit3->setText(confirmations.value(i));
                form->Button1Click();
                refusals << (PasswordAccepted ? QString() : form->Label4->text());
                if (PasswordAccepted)
                    return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        };
    }

    QTemporaryDir dir;
    testsupport::LoopbackServer server;
    QString savedTableAddress;
    int gameNumber = 0;
    QStringList refusals;
};

TEST_F(ClubRoundTest, MemberRoundToMenuWritesTheEntryBackAndPostsStatistics)
{
    signInWith({QStringLiteral("pw2"), QStringLiteral("pw1")});
    RoundStart::Button1Click(surface);
    EXPECT_EQ(refusals, (QStringList{Texts::Tx(Texts::TxtIncorrectPassword), QString()}));
    ASSERT_EQ(RoundActive, 1);
    EXPECT_EQ(RoundPhase, 1);
    EXPECT_EQ(PlayerRounds, 5);
    EXPECT_EQ(surface.Button7->text(), Texts::Tx(Texts::TxtToBegin));
    EXPECT_TRUE(ClubFile::IsEmptyClubEntry(memberLine(1))) << "the deal takes the entry out";

    RoundStart::Button7Click(surface);
    EXPECT_EQ(RoundPhase, 2);
    giveUp();
    const int total = NewTotalScore;
    EXPECT_EQ(PlayerScore, 300);
    RoundEnd::Button8Click(surface);

    const QByteArray line = memberLine(1);
    EXPECT_EQ(line.left(20), QByteArray("Ann").leftJustified(20, ' '));
    EXPECT_EQ(line.mid(30, 3), "  5");
    EXPECT_EQ(line.mid(34, 6), scoreField(total));
    EXPECT_EQ(MenuActive, 1);
    EXPECT_EQ(RoundActive, 0);
    EXPECT_TRUE(surface.Timer1->isActive());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].path, "/table");
    EXPECT_EQ(server.requests()[0].method, "POST");
}

TEST_F(ClubRoundTest, QuitLosesTheEntryAndPostsNothing)
{
    signInWith({QStringLiteral("pw1")});
    RoundStart::Button1Click(surface);
    ASSERT_EQ(RoundActive, 1);
    RoundStart::Button7Click(surface);
    presenter.answers = {platform::Answer::No, platform::Answer::Yes};
    RoundEnd::QuitClick(surface);
    EXPECT_EQ(RoundActive, 1) << "No keeps the round";
    RoundEnd::QuitClick(surface);
    EXPECT_EQ(RoundActive, 0);
    EXPECT_EQ(MenuActive, 1);
    EXPECT_TRUE(ClubFile::IsEmptyClubEntry(memberLine(1)));
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(ClubRoundTest, NewPlayerWithMismatchedConfirmationIsRefused)
{
    signInWith({QStringLiteral("abc"), QStringLiteral("abc")}, {QStringLiteral("abd"), QStringLiteral("abc")},
               QStringLiteral("Bob"));
    RoundStart::Button6Click(surface);
    EXPECT_EQ(refusals, (QStringList{Texts::Tx(Texts::TxtPasswordsDiffer), QString()}));
    ASSERT_EQ(RoundActive, 1);
    EXPECT_EQ(PlayerRounds, 1);
    RoundStart::Button7Click(surface);
    giveUp();
    const int total = NewTotalScore;
    RoundEnd::Button8Click(surface);
    // Ann stays first; Bob's first round goes below her.
    EXPECT_EQ(memberLine(1).left(3), "Ann");
    const QByteArray bob = memberLine(2);
    EXPECT_EQ(bob.left(3), "Bob");
    EXPECT_EQ(bob.mid(30, 3), "  1");
    EXPECT_EQ(bob.mid(34, 6), scoreField(total));
}

TEST_F(ClubRoundTest, TenthRoundEntersTheTopTenAndShowsTheEndOfTheSeries)
{
    ASSERT_NO_FATAL_FAILURE(annWithNineRounds());
    bool worldWindowShown = false;
    RoundEnd::Services().showWorldResultWindow = [&] { worldWindowShown = true; };
    signInWith({QStringLiteral("pw1")});
    RoundStart::Button1Click(surface);
    ASSERT_EQ(PlayerRounds, 10);
    RoundStart::Button7Click(surface);
    giveUp();
    const int total = NewTotalScore;
    presenter.dialogs.clear();
    RoundEnd::Button8Click(surface);
    RoundEnd::Services().showWorldResultWindow = nullptr;

    EXPECT_TRUE(ClubFile::IsEmptyClubEntry(memberLine(1))) << "a finished series leaves the members";
    EXPECT_EQ(ClubFile::EndGamePlace, 1);
    EXPECT_EQ(ClubFile::EndGameScore, total);
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormEndGame")});
    EXPECT_TRUE(worldWindowShown);
    EXPECT_EQ(WorldSubmitScore, total);
    EXPECT_EQ(WorldSubmitPlace, -1);
}

TEST_F(ClubRoundTest, TenthRoundOnTheMainWindowOpensTheResultSender)
{
    ASSERT_NO_FATAL_FAILURE(annWithNineRounds());
    Settings::PassportNick = QStringLiteral("Incognito");
    TForm1 main;
    signInWith({QStringLiteral("pw1")});
    RoundStart::Button1Click(main);
    ASSERT_EQ(PlayerRounds, 10);
    RoundStart::Button7Click(main);
    ASSERT_EQ(main.Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    RoundEnd::Button8Click(main); // Paganini's give-up
    ASSERT_EQ(GameOver, 1);
    const int total = NewTotalScore;
    presenter.dialogs.clear();
    RoundEnd::Button8Click(main);
    // The end of the series, then the sender, which opens the passport for the default nick.
    EXPECT_EQ(presenter.dialogs, (QStringList{QStringLiteral("FormEndGame"), QStringLiteral("FormServerInfo"),
                                              QStringLiteral("FormServerWrite")}));
    EXPECT_EQ(WorldSubmitScore, total);
    EXPECT_EQ(WorldSubmitPlace, -1);
    Form1 = &surface;
}

TEST_F(ClubRoundTest, RatedRoundWritesNoClubEntryAndEndsRatedPlay)
{
    Online::AccountRequests service;
    std::vector<Online::TQyvGame> saved;
    service.readGame = [](const QString&, const QString&, const QString&, const QString&, bool& ok,
                          Online::TQyvGame& game) {
        game = Online::TQyvGame{};
        game.Kon = 3;
        ok = true;
    };
    service.saveGame = [&](const QString&, const QString&, const QString&, const QString&,
                           const Online::TQyvGame& game) {
        saved.push_back(game);
        return true;
    };
    Online::SetAccountRequestsForTest(&service);
    const QByteArray before = memberLine(1);
    Online::OnlineState = 3;
    PlayerSlot = 7;
    PlayerRounds = 4;
    PlayerScore = 100;
    NewTotalScore = 130;
    RoundActive = 1;
    RoundPhase = 2;
    GameOver = 1;
    RoundEnd::Button8Click(surface);
    Online::SetAccountRequestsForTest(nullptr);

    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].KonL, 4);
    EXPECT_EQ(saved[0].Score, 130);
    EXPECT_EQ(memberLine(1), before) << "rated rounds keep out of the club file";
    EXPECT_EQ(Online::OnlineState, 2);
    EXPECT_FALSE(Online::OnlineGameRunning);
    EXPECT_EQ(MenuActive, 1);
}

TEST_F(ClubRoundTest, CancelledSignInDealsNothing)
{
    presenter.onDialog = [](QDialog&) { return int(QDialog::Rejected); };
    RoundStart::Button1Click(surface);
    EXPECT_EQ(RoundActive, 0);
    EXPECT_FALSE(ClubFile::IsEmptyClubEntry(memberLine(1)));
}

} // namespace
