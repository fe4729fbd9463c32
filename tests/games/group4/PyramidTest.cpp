// Scripted Pyramid rounds through real mouse events on the table, in the three move modes.
#include "Group4PlayTable.h"

#include "foundation/Celebration.h"
#include "foundation/Scaling.h"
#include "games/group4/Qyv_23_Pyramid.h"
#include "app/RoundEnd.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"

namespace {

using namespace GameState;
using g4test::Cd;
using g4test::Put;

class PyramidPlay : public g4test::Group4Play {
protected:
    // An empty Pyramid table of `game` in move mode `mode`, round running.
    void Lay(int game, int mode)
    {
        LayRound(game, mode);
        Put(7, 1, "Дч"); // the apex: the round goes on
    }
    void Paint()
    {
        Group4::RepaintGrid4();
        Sounds();
    }
    // A point on the lower part of place (c, r), clear of the row above.
    static QPoint At(int c, int r) { return {GridX[c][r] + CardWidth / 2, GridY[c][r] + CardHeight - 8}; }
    static QPoint WastePoint() { return {AuxPile1X + CardWidth / 2, AuxPile1Y + CardHeight / 2}; }
    static QPoint StockPoint() { return {AuxPile2X + CardWidth / 2, AuxPile2Y + CardHeight / 2}; }
    static bool Empty(int c, int r) { return PileCards[c][r] == cards::Empty; }
    static int Discards() { return ExtraPileCount - 1; }
    void Waste(std::initializer_list<const char*> list)
    {
        for (const char* c : list) {
            WasteCards[WasteCount] = Cd(c);
            WasteValues[WasteCount] = g4test::ValueOf(WasteCards[WasteCount]);
            ++WasteCount;
        }
    }
};

TEST_F(PyramidPlay, FreeKingLeavesOnThePressInEveryModeAndItsReleaseSelectsNothing)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::Pyramid, mode);
        Put(6, 6, "5ч");
        Put(5, 7, "Кп", true);
        Put(7, 7, "2б", true);
        Stock({"3ч"});
        Paint();
        Press(At(5, 7));
        EXPECT_TRUE(Empty(5, 7));
        EXPECT_EQ(Discards(), 1);
        EXPECT_EQ(DiscardCards[1], Cd("Кп"));
        EXPECT_EQ(DragActive, 0);
        EXPECT_EQ(Sounds(), "WavCardUp");
        Release(At(5, 7));
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(Sounds(), "");
        // Its neighbour still covers (6, 6).
        EXPECT_EQ(PileFaceUp[6][6], 0);
    }
}

TEST_F(PyramidPlay, WasteKingLeavesOnThePressAndTheNewWasteTopStaysUnselected)
{
    Lay(Group4::PyramidInfinity, 0);
    Put(7, 7, "2б", true);
    Waste({"9ч", "Кб"});
    Stock({"3ч"});
    Paint();
    Click(WastePoint());
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(DiscardCards[1], Cd("Кб"));
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(WasteKingTaken, 0);
    EXPECT_EQ(Sounds(), "WavCardUp");
}

TEST_F(PyramidPlay, CoveredKingStays)
{
    Lay(Group4::Pyramid, 0);
    Put(6, 6, "Кп");
    Put(5, 7, "2ч", true);
    Put(7, 7, "4б", true);
    Stock({"3ч"});
    Paint();
    Click({GridX[6][6] + CardWidth / 2, GridY[6][6] + 5});
    EXPECT_EQ(PileCards[6][6], Cd("Кп"));
    EXPECT_EQ(Discards(), 0);
}

TEST_F(PyramidPlay, PairByTwoClicksInTheClickModesAndFlightsInModeOne)
{
    for (int mode = 0; mode <= 1; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::Pyramid, mode);
        // Two free cards of one column.
        Put(7, 3, "6ч", true);
        Put(7, 7, "7п", true);
        Stock({"3ч"});
        Paint();
        Click(At(7, 3));
        EXPECT_EQ(SelectedPile, 7);
        EXPECT_EQ(SelectedSlot, 3);
        EXPECT_EQ(Sounds(), "WavDown");
        flightSteps = 0;
        Click(At(7, 7));
        EXPECT_TRUE(Empty(7, 3));
        EXPECT_TRUE(Empty(7, 7));
        EXPECT_EQ(Discards(), 1);
        EXPECT_EQ(DiscardCards[1], Cd("6ч"));
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(Sounds(), "WavCardUp");
        if (mode == 1) {
            EXPECT_GT(flightSteps, 0);
            EXPECT_EQ(flightEnd, QPoint(DiscardX, DiscardY));
        } else {
            EXPECT_EQ(flightSteps, 0);
        }
    }
}

TEST_F(PyramidPlay, ClickingTheSelectedCardAgainUnselectsIt)
{
    Lay(Group4::Pyramid, 0);
    Put(7, 7, "7п", true);
    Stock({"3ч"});
    Paint();
    const QImage before = Shown().copy();
    Click(At(7, 7));
    Click(At(7, 7));
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(Text(Difference(before, Shown())), "none");
}

TEST_F(PyramidPlay, RemovingBothCoversFreesTheCardAboveAndOneFreesNothing)
{
    Lay(Group4::Pyramid, 0);
    Put(6, 6, "5ч");
    Put(5, 7, "9п", true);
    Put(7, 7, "Кб", true);
    Put(9, 7, "2б", true);
    Stock({"3ч"});
    Paint();
    Click(At(7, 7)); // the King alone
    EXPECT_EQ(PileFaceUp[6][6], 0);
    Click(At(5, 7));
    Click(At(9, 7)); // ranks 9 and 2: no pair
    EXPECT_FALSE(Empty(5, 7));
    Click(At(5, 7)); // unselect
    Put(9, 7, "4б", true);
    Paint();
    Click(At(5, 7));
    Click(At(9, 7));
    EXPECT_TRUE(Empty(5, 7));
    EXPECT_EQ(PileFaceUp[6][6], 1);
}

TEST_F(PyramidPlay, WasteFirstThenThePyramidPairsButNotTheOtherWayRound)
{
    Lay(Group4::PyramidInfinity, 0);
    Put(7, 7, "7п", true);
    Put(9, 7, "2п", true);
    Waste({"6ч"});
    Stock({"3ч"});
    Paint();
    Click(At(7, 7));
    Click(WastePoint());
    EXPECT_EQ(SelectedPile, 7);
    EXPECT_EQ(WasteCount, 2);
    Click(At(7, 7)); // unselect
    Click(WastePoint());
    EXPECT_EQ(SelectedPile, 20);
    Click(At(7, 7));
    EXPECT_TRUE(Empty(7, 7));
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(DiscardCards[1], Cd("6ч"));
    EXPECT_EQ(SelectedPile, 0);
    // An empty waste is never selected.
    Click(WastePoint());
    EXPECT_EQ(SelectedPile, 0);
}

TEST_F(PyramidPlay, DragPairsAndARefusedDropReturnsWithCancelAlways)
{
    Lay(Group4::OpenPyramid, 2);
    Put(5, 7, "6ч", true);
    Put(7, 7, "7п", true);
    Put(9, 7, "9п", true);
    Stock({"3ч"});
    Paint();
    // Refused, close to its place: back without a flight.
    flightSteps = 0;
    Drag(At(5, 7), At(5, 7) + QPoint(Scaling::Scaled(10), 0));
    EXPECT_EQ(PileCards[5][7], Cd("6ч"));
    EXPECT_EQ(PileFaceUp[5][7], 1);
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // Refused, far away (on the 9): flies back.
    Drag(At(5, 7), At(9, 7));
    EXPECT_EQ(PileCards[5][7], Cd("6ч"));
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // On the 7: both leave through the discard pile.
    Drag(At(5, 7), At(7, 7));
    EXPECT_TRUE(Empty(5, 7));
    EXPECT_TRUE(Empty(7, 7));
    EXPECT_EQ(DiscardCards[1], Cd("6ч"));
    EXPECT_EQ(flightEnd, QPoint(DiscardX, DiscardY));
    EXPECT_EQ(PileFaceUp[6][6], 1);
    EXPECT_EQ(DragActive, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
}

TEST_F(PyramidPlay, RightPressDuringADragLosesNoCard)
{
    Lay(Group4::PyramidInfinity, 2);
    Put(5, 7, "6ч", true);
    Put(7, 7, "Кп", true);
    Stock({"3ч"});
    Paint();
    Press(At(5, 7));
    ASSERT_EQ(DragActive, 1);
    Press(At(7, 7), Qt::RightButton);
    EXPECT_EQ(PileCards[7][7], Cd("Кп")); // no King taken meanwhile
    EXPECT_EQ(TargetCard, Cd("6ч"));
    Release(At(5, 7) + QPoint(3, 3));
    EXPECT_EQ(PileCards[5][7], Cd("6ч"));
    EXPECT_EQ(DragActive, 0);
}

TEST_F(PyramidPlay, StockTurnsAndNineteenTurnBacksRestoreTheOrderInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::PyramidInfinity, mode);
        Put(7, 1, "2б");
        Put(6, 2, "2б");
        Put(8, 2, "3б", true);
        Stock({"3ч", "4ч", "5ч"});
        Paint();
        Click(StockPoint());
        EXPECT_EQ(WasteCards[1], Cd("5ч"));
        EXPECT_EQ(Sounds(), "WavCardUp");
        EXPECT_FALSE(Form1->Button8->isEnabled());
        Click(StockPoint());
        Click(StockPoint());
        EXPECT_EQ(StockCount, 0);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        Sounds();
        for (int pass = 2; pass <= Group4::LastPass; ++pass) {
            Click(StockPoint());
            ASSERT_EQ(PassCount, pass);
            ASSERT_EQ(StockCount, 3);
            ASSERT_EQ(StockCards[3], Cd("5ч"));
            ASSERT_EQ(StockCards[1], Cd("3ч"));
            ASSERT_EQ(Sounds(), "WavStopka");
            for (int k = 0; k < 3; ++k)
                Click(StockPoint());
            Sounds();
        }
        Click(StockPoint());
        EXPECT_EQ(PassCount, Group4::LastPass);
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(WasteCount, 4);
        EXPECT_EQ(Sounds(), "");
        EXPECT_EQ(Group4::EmptyStockMarker4(), TCardCode("-n"));
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(PyramidPlay, GivingUpOnceTheStockRanOutEndsTheRoundLost)
{
    Lay(Group4::OpenPyramid, 1);
    Put(8, 2, "3б", true);
    Stock({"3ч"});
    Paint();
    Click(StockPoint());
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Sounds();
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false, &Texts::TxtExitToMenu);
}

TEST_F(PyramidPlay, TheHandShowsWhereAClickDoesSomething)
{
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    const Qt::CursorShape arrow = Kit::CursorOf(Kit::CursorArrow).shape();
    auto shape = [] { return Form1->ImageStol->cursor().shape(); };
    Lay(Group4::PyramidInfinity, 0);
    Put(6, 6, "5ч");
    Put(5, 7, "6ч", true);
    Put(7, 7, "Дп", true);
    Waste({"9ч"});
    Paint();
    Move(At(5, 7), Qt::NoButton);
    EXPECT_EQ(shape(), hand);
    Move({GridX[6][6] + CardWidth / 2, GridY[6][6] + 5}, Qt::NoButton); // covered
    EXPECT_EQ(shape(), arrow);
    Move(StockPoint(), Qt::NoButton); // a turn-back is left
    EXPECT_EQ(shape(), hand);
    Click(At(5, 7));
    Move(At(7, 7), Qt::NoButton); // 6 + Queen: no pair
    EXPECT_EQ(shape(), arrow);
    Move(At(5, 7), Qt::NoButton); // the selected card itself
    EXPECT_EQ(shape(), hand);
    PassCount = Group4::LastPass;
    Move(StockPoint(), Qt::NoButton);
    EXPECT_EQ(shape(), arrow);
}

TEST_F(PyramidPlay, PyramidStuckWithAnEmptyStockEndsLost)
{
    Lay(Group4::Pyramid, 0);
    Put(7, 1, "2б");
    Put(6, 2, "2б");
    Put(8, 2, "3б", true);
    Stock({"3ч"});
    Paint();
    Click(StockPoint());
    ExpectRoundEnded(false);
}

TEST_F(PyramidPlay, ClearingTheApexWinsEvenWithCardsInTheStock)
{
    for (int game : {Group4::Pyramid, Group4::PyramidInfinity, Group4::OpenPyramid}) {
        SCOPED_TRACE(game);
        Lay(game, 0);
        Put(7, 1, "Кч", true);
        Stock({"3ч", "5б"});
        Paint();
        presenter.dialogs.clear();
        Click(At(7, 1));
        ExpectRoundEnded(true);
        Celebration::StopWinBalloons();
    }
}

} // namespace
