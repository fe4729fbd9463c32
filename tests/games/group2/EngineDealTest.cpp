// The group-2 deals with a pinned shuffle seed, the round state a deal leaves, the
// buttons' places, the player's round data and the results of a deal.
#include "Group2TestSupport.h"

#include "support/ScriptedPresenter.h"
#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "games/group2/Group2.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace GameState;
using namespace Group2;
using namespace group2_test;

namespace {

bool Holds(const TCardCode& c) { return !(c == cards::Empty); }

// Deals of the current game without a window: the layout, then the dealing part.
void DealWithoutWindow(int game, std::uint32_t seed)
{
    EmptyTable(game);
    SetShuffleSeedForTest(seed);
    LayoutTable();
    DealTable2();
    SetShuffleSeedForTest(std::nullopt);
}

class EngineDeal : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        ResetGameState();
    }
};

TEST_F(EngineDeal, GolfGridsHoldTheirCardsWithOnlyTheFrontRowFaceUp)
{
    struct GolfCase {
        int game;
        int grid;
        int faceUp;
        int stock;
    };
    const GolfCase cases[] = {{GolfPeak, 28, 7, 24},
                              {GolfThreePeaks, 28, 10, 24},
                              {GolfRug, 35, 7, 17},
                              {GolfDiamond, 37, 4, 15},
                              {GolfBlock, 80, 6, 24}};
    for (const GolfCase& c : cases) {
        SCOPED_TRACE(c.game);
        DealWithoutWindow(c.game, 5);
        int grid = 0, up = 0;
        QMap<QString, int> copies;
        for (int l = 1; l <= GolfLayers2(); ++l)
            for (int k = 1; k <= GolfRows2(); ++k)
                for (int p = 1; p <= GolfColumns2(); ++p) {
                    if (!Holds(GolfCard2(p, k, l)))
                        continue;
                    ++grid;
                    copies[GolfCard2(p, k, l).toString()]++;
                    if (GolfFaceUp2(p, k, l) == 1)
                        ++up;
                }
        EXPECT_EQ(grid, c.grid);
        EXPECT_EQ(GolfCardsLeft2(), c.grid);
        EXPECT_EQ(up, c.faceUp);
        EXPECT_EQ(StockCount, c.stock);
        EXPECT_EQ(WasteCount, 1);
        EXPECT_EQ(ExtraPileCount, 1);
        EXPECT_FALSE(Holds(WasteCards[1]));
        // The pack is whole: grid and stock together hold every card of it.
        for (int s = 1; s <= StockCount; ++s)
            copies[StockCards[s].toString()]++;
        const int packs = c.game == GolfBlock ? 2 : 1;
        EXPECT_EQ(copies.size(), 52);
        for (int n : copies)
            EXPECT_EQ(n, packs);
    }
    // Peak's first card lies at the apex, its 28th at the front right.
    DealWithoutWindow(GolfPeak, 9);
    EXPECT_EQ(PileCards[7][1], DealCards[1]);
    EXPECT_EQ(PileCards[13][7], DealCards[28]);
    EXPECT_EQ(StockCards[1], DealCards[29]);
    // Block lays layer 1 column by column, each from the top down.
    DealWithoutWindow(GolfBlock, 9);
    EXPECT_EQ(PileCards2[1][1][1], DealCards[1]);
    EXPECT_EQ(PileCards2[1][3][1], DealCards[2]);
    EXPECT_EQ(PileCards2[3][1][1], DealCards[5]);
    EXPECT_EQ(PileCards2[14][4][4], DealCards[80]);
}

TEST_F(EngineDeal, ADealLeavesNoCardOfTheRoundBefore)
{
    // A Block round that ended with its whole pack on the waste, then a new deal.
    EmptyTable(GolfBlock);
    for (int s = 1; s <= 104; ++s) {
        WasteCards[s] = Cd("7ч");
        WasteValues[s] = 6;
        StockCards[s] = Cd("7ч");
    }
    PileCards[3][40] = Cd("7ч");
    PileCards2[2][1][9] = Cd("7ч");
    for (int game : {GolfBlock, GolfPeak, FunDeuces, Tulip}) {
        SCOPED_TRACE(game);
        const int id = game;
        SetShuffleSeedForTest(3);
        CurrentGameId = id;
        LayoutTable();
        DealTable2();
        for (int s = 1; s <= 104; ++s) {
            EXPECT_FALSE(Holds(WasteCards[s]));
            EXPECT_EQ(Holds(StockCards[s]), s <= StockCount);
        }
        EXPECT_FALSE(Holds(PileCards[3][40]));
        EXPECT_FALSE(Holds(PileCards2[2][1][9]));
        if (id != GolfBlock) {
            for (int p = 1; p <= 17; ++p)
                for (int k = 1; k <= 7; ++k)
                    EXPECT_FALSE(Holds(PileCards2[p][k][1]));
        }
    }
}

TEST_F(EngineDeal, TulipRowsLeaveTheirEmptyPlace)
{
    for (int game : {Tulip, BlueTulip, Paganini}) {
        SCOPED_TRACE(game);
        DealWithoutWindow(game, 21);
        const int perRow = game == Paganini ? 9 : 13;
        const int first = game == BlueTulip ? 1 : 2;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p) {
                const bool dealt = p >= first && p < first + perRow;
                ASSERT_EQ(Holds(PileCards[p][r]), dealt) << r << "," << p;
                if (dealt) {
                    EXPECT_EQ(PileCards[p][r], DealCards[(r - 1) * perRow + p - first + 1]);
                }
            }
    }
}

TEST_F(EngineDeal, FunDeucesSkipsThePacksDeucesAndStocksEightySix)
{
    int packsStartingWithDeuces = 0;
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        DealWithoutWindow(FunDeuces, seed);
        const char suits[4] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades};
        for (int f = 1; f <= 8; ++f) {
            EXPECT_EQ(FoundationCards[f][1], TCardCode('2', suits[(f - 1) % 4]));
            EXPECT_EQ(FoundationValues[f][1], 1);
            EXPECT_EQ(FoundationCounts[f], 2);
            EXPECT_FALSE(Holds(FoundationCards[f][2]));
        }
        // The piles take the first ten cards of the pack that are no deuces.
        int next = 1;
        if (DealCards[1].rank() == '2')
            ++packsStartingWithDeuces;
        for (int p = 1; p <= 10; ++p) {
            while (DealCards[next].rank() == '2')
                ++next;
            EXPECT_EQ(PileCards[p][1], DealCards[next++]);
            EXPECT_FALSE(Holds(PileCards[p][2]));
            EXPECT_EQ(PileCounts[p], 2);
        }
        EXPECT_EQ(StockCount, 86);
        for (int s = 1; s <= 86; ++s)
            EXPECT_NE(StockCards[s].rank(), '2');
        EXPECT_FALSE(Holds(StockCards[87]));
        EXPECT_EQ(ExtraPileCount, 1);
    }
    EXPECT_GT(packsStartingWithDeuces, 0);
}

TEST_F(EngineDeal, NapoleonSquareDealsRoundsOfTwelveAndStocksTheRest)
{
    DealWithoutWindow(NapoleonSquare, 8);
    for (int p = 1; p <= 12; ++p) {
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(PileCards[p][k], DealCards[(k - 1) * 12 + p]);
        EXPECT_FALSE(Holds(PileCards[p][5]));
        EXPECT_EQ(PileCounts[p], 5);
    }
    EXPECT_EQ(StockCount, 56);
    EXPECT_EQ(StockCards[56], DealCards[104]);
    EXPECT_EQ(StockCards[1], DealCards[49]);
    for (int f = 1; f <= 8; ++f)
        EXPECT_EQ(FoundationCounts[f], 1);
    EXPECT_EQ(ExtraPileCount, 1);
}

class EngineRound : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        Form1->ImageStol->setPictureSize(760, 500);
        ApplyZoomForTest(760, 500, 1.0, true);
        SetShuffleSeedForTest(11);
    }
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        platform::setProgramFolderForTest(QString());
        ClubPlayer::CurrentPlayerName.clear();
        TableFixture::TearDown();
    }
};

TEST_F(EngineRound, EveryGameStartsLockedWithItsButtonsAndTheTimerRunning)
{
    for (int game : {Tulip, BlueTulip, Paganini, FunDeuces, NapoleonSquare, GolfPeak, GolfThreePeaks, GolfRug,
                     GolfDiamond, GolfBlock}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        PlayerSlot = 6;
        MoveCounter = 9;
        GameOver = 1;
        GameWon = 1;
        UndoFlag = 1;
        SourceSelected = 1;
        PassCount = 4;
        Form1->Timer1->stop();
        ASSERT_TRUE(DealRound2(false));
        EXPECT_EQ(RoundPhase, 1);
        EXPECT_EQ(RoundActive, 1);
        EXPECT_EQ(GameOver, 0);
        EXPECT_EQ(GameWon, 0);
        EXPECT_EQ(UndoFlag, 0);
        EXPECT_EQ(SourceSelected, 0);
        EXPECT_EQ(SelectionFlag, 1);
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_EQ(PassCount, 1);
        EXPECT_EQ(TulipPhase, 1);
        EXPECT_EQ(PlayerRounds, 1);
        EXPECT_EQ(PlayerScore, 0);
        EXPECT_EQ(Form1->Button7->text(), Texts::Tx(Texts::TxtToBegin));
        EXPECT_TRUE(Form1->Button7->isEnabled());
        EXPECT_FALSE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(),
                  Texts::Tx(IsTulipFamily(game) ? Texts::TxtCollectCards : Texts::TxtExitToMenu));
        EXPECT_TRUE(Form1->Timer1->isActive());
        EXPECT_EQ(Form1->Timer1->interval(), 200);
    }
}

TEST_F(EngineRound, ButtonsStandWhereTheLayoutPutsThem)
{
    const int S30 = Scaling::Scaled(30);
    for (int game : {Tulip, Paganini, FunDeuces, NapoleonSquare, GolfPeak, GolfThreePeaks, GolfRug, GolfDiamond,
                     GolfBlock}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        PlayerSlot = 6;
        ASSERT_TRUE(DealRound2(false));
        const int W = CardWidth, H = CardHeight;
        QRect b7;
        switch (game) {
        case FunDeuces: b7 = QRect(PosX[6], PosY[3] + H + S30, PosX[7] + W - PosX[6], S30); break;
        case NapoleonSquare: {
            const int left = PosX[6] + W + Scaling::Scaled(10);
            b7 = QRect(left, PosY[4] + Scaling::Scaled(20), 760 - left - Scaling::Scaled(10), S30);
            break;
        }
        case GolfPeak: b7 = QRect(GridX[10][4] + W + 45, GridY[10][4], 2 * W, S30); break;
        case GolfThreePeaks: b7 = QRect(GridX[16][4], GridY[16][4] + H + 30, 178, S30); break; // 2.5 x 71
        case GolfRug: b7 = QRect(GridX[6][1], GridY[6][5] + H + 30, GridX[7][1] + W - GridX[6][1], S30); break;
        case GolfDiamond: b7 = QRect(GridX[13][1] + 12, GridY[13][7], 2 * W + 12, S30); break;
        case GolfBlock: b7 = QRect(GridX[15][1], GridY[15][7] + H + 2, GridX[17][1] + W - GridX[15][1], S30); break;
        default: { // 760 x 500: rows end at 3 + 3 x 99 + 96 = 396; the middle of 396..500 is 448
            EXPECT_EQ(TulipRowY[4] + H, 396);
            b7 = QRect(600, 448 - 30, 130, 30);
            break;
        }
        }
        EXPECT_EQ(Form1->Button7->geometry(), b7);
        EXPECT_EQ(Form1->Button8->geometry(), b7.translated(0, S30));
    }
}

TEST_F(EngineRound, AClubMemberStartsTheNextRoundAndLeavesTheClubFile)
{
    QTemporaryDir folder;
    platform::setProgramFolderForTest(folder.path());
    ClubFile::ClubLines lines = ClubFile::EmptyClubLines("vrd");
    const QString entry = ClubFile::ComposeClubEntry(QStringLiteral("Marta"), 7, 950, QString(15, QLatin1Char('1')));
    ClubFile::InsertClubEntryInLines(lines, entry.toLatin1(), 12, false); // Three Peaks is game 12
    {
        QFile f(folder.filePath(ClubFile::ClubFileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(TextFileLines::JoinLines(lines));
    }
    EmptyTable(GolfThreePeaks);
    PlayerSlot = 1;
    ASSERT_TRUE(DealRound2(false));
    EXPECT_EQ(PlayerRounds, 8);
    EXPECT_EQ(PlayerScore, 950);
    EXPECT_TRUE(ClubPlayer::CurrentPlayerName.startsWith(QStringLiteral("Marta")));
    ClubFile::ClubLines after;
    ASSERT_TRUE(ClubFile::ReadClubLines(ClubFile::ClubFileName, after));
    EXPECT_TRUE(ClubFile::IsEmptyClubEntry(after[(12 - 1) * 18]));
}

TEST_F(EngineRound, AnUnreadableClubFileBringsTheMenuBackAndTouchesNothing)
{
    testsupport::ScriptedPresenter presenter;
    QTemporaryDir folder; // no club file in it
    platform::setProgramFolderForTest(folder.path());
    EmptyTable(GolfPeak);
    PileCards[7][1] = Cd("Кп");
    PlayerSlot = 2;
    EXPECT_FALSE(DealRound2(false));
    EXPECT_EQ(PileCards[7][1], Cd("Кп"));
    EXPECT_EQ(RoundActive, 0);
    EXPECT_EQ(presenter.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(folder.filePath(ClubFile::ClubFileName)));
}

TEST_F(EngineRound, AnOnlinePlayerGoesOnWithTheSeries)
{
    EmptyTable(GolfRug);
    PlayerSlot = 7;
    Online::AccountGame.KonL = 3;
    Online::AccountGame.Score = 250;
    Online::AccountUser.Nick = QStringLiteral("AVeryLongNickOfTwentyFive");
    ASSERT_TRUE(DealRound2(false));
    EXPECT_EQ(PlayerRounds, 4);
    EXPECT_EQ(PlayerScore, 250);
    EXPECT_EQ(ClubPlayer::CurrentPlayerName, QStringLiteral("AVeryLongNickOfTwentyFive"));
    Online::AccountGame = {};
    Online::AccountUser = {};
}

TEST_F(EngineRound, ARedealKeepsThePlayersRoundData)
{
    EmptyTable(FunDeuces);
    PlayerSlot = 6;
    PlayerRounds = 5;
    PlayerScore = -40;
    WorldPlace = 3;
    NewTotalScore = 77;
    ASSERT_TRUE(DealRound2(true));
    EXPECT_EQ(PlayerRounds, 5);
    EXPECT_EQ(PlayerScore, -40);
    EXPECT_EQ(WorldPlace, 3);
    EXPECT_EQ(StockCount, 86);
    // The panel refreshed the score record: 100 - 96 cards left.
    EXPECT_EQ(FCount::CountDealScore, 4);
    EXPECT_EQ(NewTotalScore, -36);
}

TEST_F(EngineRound, TheMenuDealsEveryGameOfTheGroup)
{
    for (int game : {GolfPeak, GolfThreePeaks, GolfRug, GolfDiamond, GolfBlock, FunDeuces, NapoleonSquare}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        PlayerSlot = 6;
        NewDeal2(false);
        EXPECT_EQ(RoundPhase, 1);
        EXPECT_GT(IsGolf(game) ? GolfCardsLeft2() : PileTopSlot2(1), 0);
        EXPECT_GT(StockCount, 0);
        EXPECT_FALSE(Form1->Button8->isEnabled());
    }
    for (int game : {Tulip, BlueTulip, Paganini}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        PlayerSlot = 6;
        NewDeal2(false);
        EXPECT_EQ(RoundPhase, 1);
        EXPECT_EQ(TulipRowRest(1) + TulipRowRest(2) + TulipRowRest(3) + TulipRowRest(4) + TulipRowRun(1) +
                      TulipRowRun(2) + TulipRowRun(3) + TulipRowRun(4),
                  game == Paganini ? 36 : 52);
        EXPECT_FALSE(Form1->Button8->isEnabled());
    }
}

TEST(EngineResult, WorkedResults)
{
    struct ResultCase {
        const char* what;
        int game;
        bool won;
        int passes, moves, stock, gridCards;
        int expected;
    };
    const ResultCase cases[] = {
        {"Golf won, 10 in the stock", GolfPeak, true, 1, 0, 10, 0, 210},
        {"Golf lost, 5 grid cards", GolfDiamond, false, 1, 0, 0, 5, 95},
        {"Block lost with all 80", GolfBlock, false, 1, 0, 0, 80, 20},
        {"Tulip won at pass 1 after 37", Tulip, true, 1, 37, 0, 0, 463},
        {"Blue Tulip won at pass 3 after 120", BlueTulip, true, 3, 120, 0, 0, 380},
        {"Paganini won after 40", Paganini, true, 1, 40, 0, 0, 260},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        EmptyTable(c.game);
        PlayerScore = 1000;
        PlayerRounds = 4;
        GameWon = c.won;
        PassCount = c.passes;
        MoveCounter = c.moves;
        SetStockCount(c.stock);
        int placed = 0;
        for (int l = 1; l <= GolfLayers2() && placed < c.gridCards; ++l)
            for (int k = 1; k <= GolfRows2() && placed < c.gridCards; ++k)
                for (int p = 1; p <= GolfColumns2() && placed < c.gridCards; ++p, ++placed)
                    SetGolf(p, k, "4п", false, l);
        GameResult2();
        EXPECT_EQ(FCount::CountDealScore, c.expected);
        EXPECT_EQ(NewTotalScore, 1000 + c.expected);
        EXPECT_EQ(FCount::CountTotal, NewTotalScore);
        EXPECT_EQ(FCount::CountRound, 4);
        EXPECT_EQ(FCount::CountScoreBefore, 1000);
        EXPECT_EQ(FCount::CountLayout, IsGolf(c.game) ? 4 : 2);
        if (IsGolf(c.game)) {
            EXPECT_EQ(FCount::CountCardsLeft, c.gridCards);
        }
    }

    // Tulip lost with every card outside the runs: the deal score and the total go negative.
    EmptyTable(Tulip);
    PlayerScore = 1;
    for (int r = 1; r <= 4; ++r)
        for (int p = 2; p <= 14; ++p) {
            PileCards[p][r] = Cd("9к");
            PileValues[p][r] = 8;
        }
    GameResult2();
    EXPECT_EQ(FCount::CountCardsLeft, 52);
    EXPECT_EQ(FCount::CountDealScore, -2);
    EXPECT_EQ(NewTotalScore, -1);

    // Fun Deuces and Napoleon Square right after their deals: 100 - 96 and 100 - 104.
    for (auto [game, score] : {std::pair{FunDeuces, 4}, std::pair{NapoleonSquare, -4}}) {
        DealWithoutWindow(game, 2);
        PlayerScore = 10;
        DrawInfoPanel2();
        EXPECT_EQ(FCount::CountLayout, 5);
        EXPECT_EQ(FCount::CountDealScore, score);
        EXPECT_EQ(NewTotalScore, 10 + score);
    }
    SetShuffleSeedForTest(std::nullopt);
    ResetGameState();
}

} // namespace
