// 8 Sages played through real mouse events: only the waste feeds the columns, the stock
// acting on the release with its one turn-back, its wider area and its hint, the double
// click in drag mode, the column step in the click modes, and the ends.
#include "Group3Play.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_42_8Mud.h"
#include "games/group3/Qyv_Help2_3_Garden.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include <initializer_list>

using namespace GameState;
using namespace Group3;
using g3test::Cd;
using Scaling::Scaled;

namespace {

class SagesPlay : public g3test::Group3Play {
protected:
    void Start(int mode) { Group3Play::Start(EightSages, mode); }
    static void Column(int c, std::initializer_list<const char*> list)
    {
        g3test::SetPile(c, list, true);
        ColumnStep[c] = MudFanStep(c);
        RedrawColumn3(c, 0);
    }
    static void Waste(std::initializer_list<const char*> list)
    {
        ClearCards(WasteCards, WasteValues);
        WasteCount = g3test::Fill(WasteCards, WasteValues, list) + 1;
        RedrawReserve3(2);
    }
    static void EmptyStock()
    {
        ClearCards(StockCards, StockValues);
        StockCount = 0;
        RedrawReserve3(1);
    }
    static QPoint TopOf(int c) { return At(ColumnX[c], GardenTopY3(c)); }
    static QPoint FoundationAt(int f) { return At(FoundationX[f], FoundationY); }
    static QPoint WasteAt() { return At(AuxPile1X, AuxPile1Y); }
    static QPoint StockAt() { return At(AuxPile2X, AuxPile2Y); }
};

TEST_F(SagesPlay, AColumnCardNeverGoesToAnotherColumn)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Column(1, {"9ч"});
        Column(2, {"1к"});
        Column(3, {});
        Play(TopOf(1), TopOf(2));
        Play(TopOf(1), TopOf(3));
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCounts[3], 1);
        EXPECT_EQ(MoveCounter, 0);
        // The waste's card goes on it, and an empty column takes any card.
        Waste({"Тб", "9б"});
        SourceSelected = 0;
        DragSourcePile = 0;
        Play(WasteAt(), TopOf(2));
        EXPECT_EQ(PileCards[2][2], Cd("9б"));
        Play(WasteAt(), TopOf(3));
        EXPECT_EQ(PileCards[3][1], Cd("Тб"));
        EXPECT_EQ(MoveCounter, 2);
    }
}

TEST_F(SagesPlay, TheStockActsOnTheReleaseAndTurnsBackOnceEvenWhenTheWasteIsEmpty)
{
    Start(0);
    Press(StockAt());
    EXPECT_EQ(StockCount, 96);
    Release(StockAt());
    EXPECT_EQ(StockCount, 95);
    EXPECT_EQ(WasteCount, 2);
    // With the waste selected the stock waits.
    Click(WasteAt());
    ASSERT_TRUE(SourceSelected);
    Click(StockAt());
    EXPECT_EQ(StockCount, 95);
    Click(WasteAt());
    // The area reaches twelve pixels right of the card; the hint shows only over it.
    Click({AuxPile2X + CardWidth + 12, AuxPile2Y + 5});
    EXPECT_EQ(StockCount, 94);
    Click({AuxPile2X + CardWidth + 13, AuxPile2Y + 5});
    EXPECT_EQ(StockCount, 94);
    Move({AuxPile2X + CardWidth + 6, AuxPile2Y + 5});
    EXPECT_EQ(Hint(), "");
    Move(StockAt());
    EXPECT_EQ(Hint(), "94");
    EXPECT_EQ(MoveCounter, 0);
    // An empty stock and waste win at the next press's end test, so the turn-back of an
    // empty waste is seen on the release alone.
    EmptyStock();
    Waste({});
    Sounds();
    const QPoint stock = StockAt();
    MudMouseUp(platform::mbLeft, {}, stock.x(), stock.y());
    EXPECT_EQ(PassCount, 2);
    EXPECT_EQ(Sounds(), "WavStopka WavKoGood");
}

TEST_F(SagesPlay, TheDoubleClickWorksInDragModeOnlyToTheFirstFoundation)
{
    Start(0);
    Waste({"Тк"});
    Click(WasteAt());
    MudDblClick();
    EXPECT_EQ(WasteCount, 2);
    EXPECT_TRUE(SourceSelected);
    Click(WasteAt());
    Settings::MoveMode = 2;
    DoubleClick(WasteAt());
    EXPECT_EQ(FoundationCards[1][1], Cd("Тк"));
    EXPECT_EQ(WasteCount, 1);
    Column(5, {"Тп"});
    DoubleClick(TopOf(5));
    EXPECT_EQ(FoundationCards[2][1], Cd("Тп"));
    EXPECT_EQ(MoveCounter, 2);
}

TEST_F(SagesPlay, AColumnBuiltInAClickModeStaysInsideItsArea)
{
    Start(1);
    Column(4, {"Кп"});
    const char* run[] = {"Дч", "Вк", "1б", "9п", "8ч", "7к", "6б", "5п", "4ч", "3к", "2б"};
    for (const char* c : run) {
        Waste({c});
        Click(WasteAt());
        Click(TopOf(4));
    }
    ASSERT_EQ(PileCounts[4], 13);
    EXPECT_EQ(ColumnStep[4], MudFanStep(4));
    EXPECT_LE(GardenTopY3(4) + CardHeight, ColumnTop + Scaled(290));
    EXPECT_LT(GardenTopY3(4) + CardHeight, Form1->Button7->y());
}

TEST_F(SagesPlay, TheGameIsWonWithStockAndWasteEmptyAndLostWhenStuck)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EmptyStock();
        Waste({"5ч"});
        Column(6, {"6к"});
        Play(WasteAt(), TopOf(6));
        ExpectRoundEnded(true);
    }
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EmptyStock();
        PassCount = 2;
        for (int c = 1; c <= 8; ++c)
            Column(c, {"5б"});
        Waste({"Кб", "Дб"});
        Play(WasteAt(), TopOf(1));
        ExpectRoundEnded(false);
    }
}

} // namespace
