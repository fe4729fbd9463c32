// Miss Milligan played through real mouse events on the offscreen table: the stock
// deals, runs carried in every mode, the 30-card limit, double clicks, the ends.
#include "Group5Play.h"

#include "games/group5/Qyv_50_Miss.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class MissPlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { Group5Play::Deal(Miss, mode); }
    static void Paint()
    {
        for (int c = 1; c <= 10; ++c) {
            ColumnStep[c] = MissFanStep(c);
            RedrawColumn5(c, 0);
        }
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
        RedrawKoloda5(1);
    }
    static int SlotY(int c, int row) { return PosY[1] + ColumnStep[c] * (row - 1); }
    static QPoint TopOf(int c) { return Mid(PosX[c], PosY[1] + ColumnStep[c] * (PileCounts[c] - 2)); }
    static QPoint Covered(int c, int row) { return {PosX[c] + CardWidth / 2, SlotY(c, row) + ColumnStep[c] / 2}; }
    static QPoint Foundation(int f) { return Mid(FoundationX[f], FoundationY); }
    static QPoint Stock() { return Mid(AuxPile2X, AuxPile2Y); }
};

TEST_F(MissPlay, TenStockReleasesDealTheWholeStockWithoutCounting)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        ASSERT_EQ(StockCount, 94);
        EXPECT_FALSE(Form1->Button8->isEnabled());
        for (int i = 1; i <= 10; ++i) {
            Click(Stock());
            if (i < 10) {
                EXPECT_EQ(StockCount, 94 - 10 * i);
                EXPECT_FALSE(Form1->Button8->isEnabled());
            }
        }
        EXPECT_EQ(StockCount, 0);
        for (int c = 1; c <= 10; ++c)
            EXPECT_EQ(PileCounts[c], c <= 4 ? 12 : 11) << c;
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    }
}

TEST_F(MissPlay, RunsLiftOnlyWhenOrderedAndLandOnTheTopOfTheTarget)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "8ч", "7п", "6ч", "5к"});
        g5test::SetPile(2, {"1б", "9к", "8б"});
        g5test::SetPile(3, {"9п", "3ч"});
        g5test::SetStock({"2ч"});
        Paint();
        // From the eight of hearts the run is broken by nothing; from the king it is.
        Drag(Covered(1, 1), TopOf(3));
        EXPECT_EQ(PileCounts[1], 6);
        EXPECT_FALSE(DragActive);
        // The seven-six-five run, dropped on a covered card of column 2, is judged
        // against its top (an eight of diamonds) and lands on top.
        Drag(Covered(1, 3), Covered(2, 1));
        EXPECT_EQ(PileCounts[1], 3);
        EXPECT_EQ(PileCounts[2], 7);
        EXPECT_EQ(PileCards[2][4], g5test::Cd("7п"));
        EXPECT_EQ(MoveCounter, 1);
        // Put back on its own column: "WavCardUp", nothing counted.
        Sounds();
        Drag(Covered(2, 4), Covered(2, 4) + QPoint(2, 2));
        EXPECT_EQ(PileCounts[2], 7);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
        // A press on an empty column lifts nothing.
        Press(TopOf(5));
        EXPECT_FALSE(DragActive);
        Release(TopOf(5));
    }
}

TEST_F(MissPlay, ADropThatWouldMakeThirtyOneCardsIsRefused)
{
    Deal(2);
    Empty();
    for (int k = 1; k <= 29; ++k) {
        PileCards[1][k] = g5test::Cd(k % 2 ? "Кп" : "Кк");
        PileValues[1][k] = 12;
    }
    PileCards[1][29] = g5test::Cd("9п");
    PileValues[1][29] = 8;
    PileCounts[1] = 30;
    g5test::SetPile(2, {"Кб", "8ч", "7к"});
    g5test::SetStock({"2ч"});
    Paint();
    Drag(Covered(2, 2), TopOf(1));
    EXPECT_EQ(PileCounts[1], 30);
    EXPECT_EQ(PileCounts[2], 4);
    EXPECT_EQ(PileCards[1][29], g5test::Cd("9п"));
    EXPECT_EQ(MoveCounter, 0);
    // The same run may go where it keeps the column at thirty.
    PileCards[1][28] = cards::Empty;
    PileValues[1][28] = cards::EmptyValue;
    PileCards[1][28] = g5test::Cd("9п");
    PileValues[1][28] = 8;
    PileCards[1][29] = cards::Empty;
    PileValues[1][29] = cards::EmptyValue;
    PileCounts[1] = 29;
    Paint();
    Drag(Covered(2, 2), TopOf(1));
    EXPECT_EQ(PileCounts[1], 31);
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(MissPlay, AColumnDealtPastThirtyShowsAndPlaysItsTopCard)
{
    Deal(0);
    Empty();
    for (int k = 1; k <= 30; ++k) {
        PileCards[1][k] = g5test::Cd("Кп");
        PileValues[1][k] = 12;
    }
    PileCounts[1] = 31;
    g5test::SetStock({"Тч"});
    Paint();
    Click(Stock());
    ASSERT_EQ(PileCounts[1], 32);
    EXPECT_EQ(PileCards[1][31], g5test::Cd("Тч"));
    int pile = 0, row = 0, kind = 0;
    MissHitTest(TopOf(1).x(), TopOf(1).y(), pile, row, kind);
    EXPECT_EQ(kind, MissColumn);
    EXPECT_EQ(row, 31);
    // Every covered card answers on its strip too.
    MissHitTest(Covered(1, 30).x(), Covered(1, 30).y(), pile, row, kind);
    EXPECT_EQ(row, 30);
    DoubleClick(TopOf(1));
    EXPECT_EQ(FoundationCards[1][1], g5test::Cd("Тч"));
    EXPECT_EQ(PileCounts[1], 31);
}

TEST_F(MissPlay, ADoubleClickTakesTheLowerOfTwoFittingFoundationsSilently)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "2ч"});
        g5test::SetFoundation(3, {"Тч"});
        g5test::SetFoundation(6, {"Тч"});
        g5test::SetStock({"5к"});
        Paint();
        Sounds();
        DoubleClick(TopOf(1));
        EXPECT_EQ(FoundationCounts[3], 3);
        EXPECT_EQ(FoundationCounts[6], 2);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_FALSE(Sounds().contains("WavCardUp"));
        // A run of two is refused by a foundation.
        g5test::SetPile(2, {"3п", "2ч"});
        g5test::SetPile(4, {"Кб"});
        Paint();
        Drag(Covered(2, 1), Foundation(3));
        EXPECT_EQ(FoundationCounts[3], 3);
        EXPECT_EQ(PileCounts[2], 3);
    }
}

TEST_F(MissPlay, WonWhenEveryColumnIsOneRunAndLostWithNoMoveAndNoStock)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "Дч"});
        g5test::SetPile(2, {"Вк"});
        Paint();
        Drag(TopOf(2), TopOf(1));
        ExpectRoundEnded(true);
    }
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "3ч"});
        g5test::SetPile(2, {"Кк", "5ч"});
        for (int c = 3; c <= 10; ++c)
            g5test::SetPile(c, {"Кб"});
        g5test::SetStock({"Дб"});
        Paint();
        // The last deal runs no end test; the next release ends the game.
        Click(Stock());
        EXPECT_FALSE(GameOver);
        Click({5, 480});
        ExpectRoundEnded(false);
    }
}

} // namespace
