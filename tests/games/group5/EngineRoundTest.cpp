// The result of a group-5 deal and the start of a round on a bare table surface.
#include "Group5TestSupport.h"

#include "support/ScriptedPresenter.h"
#include "foundation/CardPictures.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/GameTables.h"
#include "foundation/Layout.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace GameState;
using namespace Group5;

namespace {

constexpr int Nine[] = {BusyAces, Lucie, Crescent, OpenCrescent, Alzhir, Daemon, Clover, FortyThieves, Miss};

class EngineResult : public ::testing::Test {
protected:
    void TearDown() override { ResetGameState(); }
    static void FillSlots(Cards104& places, int n)
    {
        for (int s = 1; s <= n; ++s)
            places[s] = g5test::Cd("5ч");
    }
};

TEST_F(EngineResult, WonAndLostPoints)
{
    g5test::EmptyTable(BusyAces);
    PlayerScore = 1000;
    GameWon = 1;
    MoveCounter = 120;
    EXPECT_EQ(GameResult5(), 480);
    EXPECT_EQ(FCount::CountLayout, 2);
    EXPECT_EQ(NewTotalScore, 1480);
    EXPECT_EQ(FCount::CountTotal, 1480);
    EXPECT_EQ(FCount::CountDealScore, 480);

    // Lost: 3 complete foundations, 40 cards in waste and stock.
    GameWon = 0;
    for (int f = 1; f <= 3; ++f)
        g5test::FillFoundation(f, cards::SuitOrder[f - 1]);
    FillSlots(WasteCards, 15);
    FillSlots(StockCards, 25);
    EXPECT_EQ(GameResult5(), 90);
    EXPECT_EQ(FCount::CountCardsLeft, 40);
    EXPECT_EQ(FCount::CountExtra, 3);
    EXPECT_EQ(NewTotalScore, 1090);

    g5test::EmptyTable(Daemon);
    GameWon = 1;
    MoveCounter = 100;
    PassCount = 3;
    EXPECT_EQ(GameResult5(), 200);
    EXPECT_EQ(FCount::CountLayout, 8);
    GameWon = 0;
    FillSlots(WasteCards, 3);
    FillSlots(StockCards, 10);
    for (int s = 1; s <= 5; ++s)
        DemonReserveCards[s] = g5test::Cd("Кп");
    EXPECT_EQ(GameResult5(), 100 - 18);

    g5test::EmptyTable(Clover);
    for (int p = 1; p <= 10; ++p)
        g5test::SetPile(p, {"2ч", "3ч"});
    EXPECT_EQ(GameResult5(), 80);
    GameWon = 1;
    MoveCounter = 50;
    EXPECT_EQ(GameResult5(), 450);

    g5test::EmptyTable(Lucie);
    g5test::FillFoundation(1, cards::SuitHearts);
    g5test::SetFoundation(2, {"Тб", "2б"});
    EXPECT_EQ(GameResult5(), 10 * 1 + 100 - (52 - 15));
    GameWon = 1;
    MoveCounter = 200;
    EXPECT_EQ(GameResult5(), 300);

    for (int game : {Crescent, OpenCrescent, Alzhir, FortyThieves, Miss}) {
        g5test::EmptyTable(game);
        g5test::FillFoundation(1, cards::SuitHearts);
        g5test::FillFoundation(5, cards::SuitHearts, true);
        g5test::SetFoundation(2, {"Тб"});
        EXPECT_EQ(GameResult5(), 20 + 100 - (104 - 27)) << game;
        GameWon = 1;
        MoveCounter = 77;
        EXPECT_EQ(GameResult5(), 423) << game;
    }
}

TEST_F(EngineResult, TheBoardHeaderComesFromTheRound)
{
    g5test::EmptyTable(FortyThieves);
    ClubPlayer::CurrentPlayerName = QStringLiteral("A rather long player name");
    PlayerRounds = 4;
    PassCount = 1;
    PlayerScore = 250;
    MoveCounter = 33;
    GameResult5();
    EXPECT_EQ(FCount::CountPlayerName, QStringLiteral("A rather long player"));
    EXPECT_EQ(FCount::CountRound, 4);
    EXPECT_EQ(FCount::CountPasses, 1);
    EXPECT_EQ(FCount::CountScoreBefore, 250);
    EXPECT_EQ(FCount::CountGameScore, 33);

    // The stand-in's empty table scores nothing, whatever an earlier round left.
    StandInTable5 = 1;
    g5test::FillFoundation(1, cards::SuitHearts);
    EXPECT_EQ(GameResult5(), 0);
    EXPECT_EQ(NewTotalScore, 250);
    ClubPlayer::CurrentPlayerName.clear();
}

class EngineRound : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->SetClientSize(760, 500);
        Form1->ImageStol->setPictureSize(760, 500);
        ApplyZoomForTest(760, 500, 1.0, true);
        SetShuffleSeedForTest(21);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        SetShuffleSeedForTest(std::nullopt);
        platform::setProgramFolderForTest(QString());
        StandInTable5 = 0;
        ResetGameState();
    }
    std::unique_ptr<TTableSurface> window;
};

TEST_F(EngineRound, EveryDealStartsLockedWithToBegin)
{
    for (int game : Nine) {
        g5test::EmptyTable(game);
        PlayerSlot = 6;
        MoveCounter = 17;
        GameOver = 1;
        GameWon = 1;
        UndoFlag = 1;
        SelectedPile = 3;
        Form1->Button8->setEnabled(true);
        ASSERT_TRUE(DealRound5(false)) << game;
        EXPECT_EQ(PassCount, 1) << game;
        EXPECT_EQ(MoveCounter, 0) << game;
        EXPECT_EQ(RoundPhase, 1) << game;
        EXPECT_EQ(RoundActive, 1) << game;
        EXPECT_EQ(GameOver, 0) << game;
        EXPECT_EQ(GameWon, 0) << game;
        EXPECT_EQ(UndoFlag, 0) << game;
        EXPECT_EQ(SelectedPile, 0) << game;
        EXPECT_EQ(PlayerRounds, 1) << game;
        EXPECT_EQ(PlayerScore, 0) << game;
        EXPECT_EQ(Form1->Button7->text(), Texts::Tx(Texts::TxtToBegin)) << game;
        EXPECT_TRUE(Form1->Button7->isEnabled()) << game;
        EXPECT_FALSE(Form1->Button8->isEnabled()) << game;
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtExitToMenu)) << game;
        EXPECT_FALSE(Form1->Timer1->isActive()) << game;
        // The buttons stand on the table, clear of its top-left corner.
        const QRect b7 = Form1->Button7->geometry();
        EXPECT_GT(b7.width(), 0) << game;
        EXPECT_LE(b7.right(), 760) << game;
        EXPECT_LE(Form1->Button8->geometry().bottom(), 500) << game;
    }
}

TEST_F(EngineRound, AClubMemberPlaysTheNextRound)
{
    QTemporaryDir folder;
    platform::setProgramFolderForTest(folder.path());
    const QString shipped = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../../resources/shipped/Vardelin.clb";
    ASSERT_TRUE(QFile::copy(shipped, folder.path() + "/Vardelin.clb"));
    const int slot = GameTables::GameSlotOf(FortyThieves);
    ASSERT_TRUE(ClubFile::InsertClubEntry(ClubFile::ComposeClubEntry("Boris", 4, 900, ClubFile::EncodeClubField("")),
                                          "Vardelin.clb", slot));
    QFile file(folder.path() + "/Vardelin.clb");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    int entry = 0;
    for (int i = 1; i <= 5 && !entry; ++i)
        if (lines.value((slot - 1) * 18 + i - 1).startsWith("Boris"))
            entry = i;
    ASSERT_GT(entry, 0);
    file.close();

    g5test::EmptyTable(FortyThieves);
    PlayerSlot = entry;
    ASSERT_TRUE(DealRound5(false));
    EXPECT_EQ(PlayerRounds, 5);
    EXPECT_EQ(PlayerScore, 900);
    EXPECT_EQ(StockCount, 64);
}

TEST_F(EngineRound, AnUnreadableClubFileLeavesTheTableAlone)
{
    testsupport::ScriptedPresenter presenter;
    QTemporaryDir folder; // no club file in it
    platform::setProgramFolderForTest(folder.path());
    g5test::EmptyTable(Miss);
    g5test::SetPile(1, {"Кп"});
    PlayerSlot = 2;
    EXPECT_FALSE(DealRound5(false));
    EXPECT_EQ(PileCards[1][1], g5test::Cd("Кп"));
    EXPECT_EQ(PileCounts[2], 1);
    EXPECT_EQ(RoundActive, 0);
}

} // namespace
