// 40 Thieves played through real mouse events on the offscreen table: the stock, click
// and drag moves, double clicks, the give-up, the won end and drags interrupted.
#include "Group5TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/Shuffle.h"
#include "games/group5/Qyv_49_40Vorov.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class FortyThievesPlay : public testsupport::PlayTable {
protected:
    // A seeded deal of 441 in move mode `mode`, started with "To Begin".
    void Deal(int mode)
    {
        BareTable(mode);
        // The group-5 layouts fit the table to the window's client area.
        Form1->FormArea()->resize(760, 500);
        CurrentGameId = FortyThieves;
        CurrentGroup = 5;
        PlayerSlot = 6;
        SetShuffleSeedForTest(4410 + mode);
        NewDeal5(false);
        RoundStart::Button7Click(*Form1);
        ASSERT_EQ(RoundPhase, 2);
        Sounds();
        presenter.dialogs.clear();
    }
    // The dealt table emptied (the window, layout and round kept), for a fixture.
    static void Empty()
    {
        ClearTable5();
        StockCount = 0;
        WasteCount = 1;
    }
    // Every pile repainted with its fan step, as after a deal.
    static void Paint()
    {
        for (int p = 1; p <= 10; ++p) {
            ColumnStep[p] = FortyThievesFanStep(p);
            RedrawColumn5(p, 0);
        }
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
        RedrawKoloda5(1);
        RedrawKoloda5(2);
    }
    static QPoint TopOf(int p) { return {FortyThievesColumnX(p) + CardWidth / 2, FortyThievesTopY(p) + CardHeight / 2}; }
    static QPoint Foundation(int f) { return {FoundationX[f] + CardWidth / 2, FoundationY + CardHeight / 2}; }
    static QPoint Stock() { return {AuxPile2X + 5, AuxPile2Y + CardHeight / 2}; }
    static QPoint Waste() { return {AuxPile1X + CardWidth / 2, AuxPile1Y + CardHeight / 2}; }
    // Cards on the table, in the hand included.
    static int CardsOnTable()
    {
        int n = StockCount + (WasteCount - 1);
        for (int p = 1; p <= 10; ++p)
            n += PileCounts[p] - 1;
        for (int f = 1; f <= 8; ++f)
            n += FoundationCounts[f] - 1;
        return n + (DragActive && HoldsCard5(TargetCard) ? 1 : 0);
    }
};

TEST_F(FortyThievesPlay, EveryStockPressTurnsOneCardAndCounts)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        ASSERT_EQ(StockCount, 64);
        EXPECT_FALSE(Form1->Button8->isEnabled());
        const TCardCode first = StockCards[64];
        for (int i = 0; i < 64; ++i)
            Click(Stock(), i % 3 == 0 ? Qt::RightButton : Qt::LeftButton);
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(WasteCount, 65);
        EXPECT_EQ(WasteCards[1], first);
        EXPECT_EQ(MoveCounter, 64);
        Click(Stock());
        EXPECT_EQ(MoveCounter, 64);
        // Once the stock is used up the player may give up (unless the turns ran dry).
        EXPECT_TRUE(Form1->Button8->isEnabled());
        if (!GameOver) {
            EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        }
        EXPECT_EQ(CardsOnTable(), 104);
        Sounds();
    }
}

TEST_F(FortyThievesPlay, TwoAcesOfOneSuitStartTwoFoundationsInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"5ч", "Тч"});
        g5test::SetPile(2, {"Тч"});
        g5test::SetStock({"2п"});
        Paint();
        if (mode == 2) {
            Drag(TopOf(1), Foundation(3));
            Drag(TopOf(2), Foundation(8));
        } else {
            Click(TopOf(1));
            Click(Foundation(3));
            Click(TopOf(2));
            Click(Foundation(8));
        }
        EXPECT_EQ(FoundationCounts[3], 2);
        EXPECT_EQ(FoundationCounts[8], 2);
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCounts[2], 1);
        EXPECT_EQ(MoveCounter, 2);
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(FortyThievesPlay, WasteDraggedBackWithinThirtyNeitherFliesNorCounts)
{
    Deal(2);
    Click(Stock());
    const int moves = MoveCounter;
    const TCardCode top = WasteCards[WasteCount - 1];
    const int flights = flightSteps;
    Drag(Waste(), Waste() + QPoint(Scaled(20), Scaled(15)));
    EXPECT_EQ(WasteCards[WasteCount - 1], top);
    EXPECT_EQ(MoveCounter, moves);
    EXPECT_EQ(flightSteps, flights);
    EXPECT_FALSE(Sounds().contains("WavCancel"));
    // From afar it flies home with "WavCancel", still uncounted.
    Drag(Waste(), Waste() + QPoint(Scaled(200), Scaled(260)));
    EXPECT_EQ(WasteCards[WasteCount - 1], top);
    EXPECT_EQ(MoveCounter, moves);
    EXPECT_GT(flightSteps, flights);
    EXPECT_TRUE(Sounds().contains("WavCancel"));
    EXPECT_EQ(DragActive, 0);
}

TEST_F(FortyThievesPlay, DoubleClickSendsWasteToFirstFoundationAndColumnTopToLast)
{
    Deal(2);
    Empty();
    g5test::SetPile(4, {"9п", "Тб"});
    g5test::SetWaste({"Тк"});
    g5test::SetStock({"2п"});
    Paint();
    DoubleClick({FoundationX[8] + CardWidth + 5, PosY[1] + Scaled(300)});
    EXPECT_EQ(FoundationCounts[1], 2);
    EXPECT_EQ(FoundationCards[1][1], g5test::Cd("Тк"));
    EXPECT_EQ(WasteCount, 1);
    DoubleClick(TopOf(4));
    EXPECT_EQ(FoundationCounts[8], 2);
    EXPECT_EQ(FoundationCards[8][1], g5test::Cd("Тб"));
    EXPECT_EQ(PileCounts[4], 2);
    EXPECT_EQ(MoveCounter, 2);
    EXPECT_EQ(CardsOnTable(), 4);

    // In the click modes a double click moves nothing.
    Deal(0);
    Empty();
    g5test::SetPile(4, {"Тб"});
    g5test::SetStock({"2п"});
    Paint();
    Press(TopOf(4));
    Release(TopOf(4));
    DoubleClickOnly(TopOf(4));
    Release(TopOf(4));
    EXPECT_EQ(FoundationCounts[8], 1);
    EXPECT_EQ(PileCounts[4], 2);
}

TEST_F(FortyThievesPlay, CompletingAFoundationSoundsByHowTheWasteCardCame)
{
    auto lay = [this](int mode) {
        Deal(mode);
        Empty();
        g5test::SetFoundation(2, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"});
        g5test::SetWaste({"Кп"});
        g5test::SetStock({"2ч"});
        g5test::SetPile(1, {"Кч"});
        Paint();
        Sounds();
    };
    lay(0);
    Click(Waste());
    Click(Foundation(2));
    EXPECT_EQ(FoundationCounts[2], 14);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    lay(2);
    Drag(Waste(), Foundation(2));
    EXPECT_EQ(FoundationCounts[2], 14);
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
}

TEST_F(FortyThievesPlay, ASixteenCardColumnShowsAndPlaysItsTopCard)
{
    Deal(0);
    Empty();
    g5test::SetPile(5, {"2ч", "3ч", "4ч", "Кб", "Дб", "Вб", "1б", "9б", "8б", "7б", "6б", "5б", "4б", "3б", "2б", "Тб"});
    g5test::SetStock({"2п"});
    Paint();
    const QImage before = Shown().copy();
    // The Ace lies where the column's last slot is, inside the table, and is drawn.
    const int topY = FortyThievesTopY(5);
    EXPECT_EQ(topY, PosY[1] + ColumnStep[5] * 15);
    EXPECT_LE(topY + CardHeight, 500);
    EXPECT_EQ(FortyThievesHitTest(TopOf(5).x(), TopOf(5).y()), 5);
    Click(TopOf(5));
    Click(Foundation(1));
    EXPECT_EQ(FoundationCards[1][1], g5test::Cd("Тб"));
    EXPECT_EQ(PileCounts[5], 16);
    EXPECT_NE(Text(Difference(before, Shown())), "none");
}

TEST_F(FortyThievesPlay, AHopelessTableIsGivenUpOnceTheStockIsEmpty)
{
    Deal(1);
    Empty();
    // A lone card goes to the empty column and back for ever: the move count never
    // reaches 0, so only the give-up ends the game.
    g5test::SetPile(1, {"5ч", "9ч"});
    g5test::SetPile(2, {"7п"});
    g5test::SetStock({"2б"});
    Paint();
    Click(Stock());
    EXPECT_FALSE(GameOver);
    ASSERT_TRUE(Form1->Button8->isEnabled());
    // A click selection holds the give-up back.
    Click(TopOf(2));
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(TopOf(2));
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Sounds();
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false, &Texts::TxtExitToMenu);
}

TEST_F(FortyThievesPlay, ADeadTableWithAnEmptyStockIsLost)
{
    Deal(2);
    Empty();
    g5test::SetPile(1, {"5ч", "9ч"});
    g5test::SetPile(2, {"7п", "4б"});
    for (int p = 3; p <= 10; ++p)
        g5test::SetPile(p, {"Кк"});
    g5test::SetStock({"8к"});
    Paint();
    Click(Stock());
    ExpectRoundEnded(false);
}

TEST_F(FortyThievesPlay, TheLastCardPlayedWinsTheGame)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"9ч", "8ч"});
        g5test::SetPile(2, {"Кп", "Дп", "7ч"});
        Paint();
        if (mode == 2) {
            Drag(TopOf(2), TopOf(1));
        } else {
            Click(TopOf(2));
            Click(TopOf(1));
        }
        ExpectRoundEnded(true);
        EXPECT_EQ(PileCounts[1], 4);
        EXPECT_EQ(MoveCounter, 1);
    }
}

TEST_F(FortyThievesPlay, APressAndADoubleClickDuringADragLoseNoCard)
{
    Deal(2);
    ASSERT_EQ(CardsOnTable(), 104);
    const TCardCode top = PileCards[3][4];
    Press(TopOf(3));
    Move(TopOf(3) + QPoint(60, 80));
    ASSERT_EQ(DragActive, 1);
    Press(TopOf(7), Qt::RightButton);
    EXPECT_EQ(CardsOnTable(), 104);
    EXPECT_EQ(TargetCard, top);
    // The double click puts the card back; its press then lifts column 7's top.
    DoubleClickOnly(TopOf(7));
    EXPECT_EQ(PileCards[3][4], top);
    EXPECT_EQ(PileCounts[3], 5);
    EXPECT_EQ(CardsOnTable(), 104);
    Release(TopOf(7));
    EXPECT_EQ(DragActive, 0);
    EXPECT_EQ(PileCounts[7], 5);
    EXPECT_EQ(CardsOnTable(), 104);
}

} // namespace
