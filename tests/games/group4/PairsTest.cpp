// Scripted Pairs and Wish rounds through real mouse events on the table, in the three
// move modes.
#include "Group4PlayTable.h"

#include "foundation/Celebration.h"
#include "foundation/Scaling.h"
#include "games/group4/Qyv_19_Pairs.h"
#include "games/kit/KitCursors.h"

namespace {

using namespace GameState;
using g4test::Cd;
using g4test::SetPile;

class PairsPlay : public g4test::Group4Play {
protected:
    // An empty table of `game` in move mode `mode`, round running.
    void Lay(int game, int mode)
    {
        LayRound(game, mode);
        for (int i = 1; i <= 9; ++i)
            ColumnStep[i] = Scaling::Scaled(20);
    }
    void Paint()
    {
        for (int i = 1; i <= 9; ++i)
            Group4::RedrawColumn4(i, 0);
        Group4::RedrawStockWaste4();
        Sounds();
        presenter.dialogs.clear();
    }
    static void Stock(int n, const char* card = "5п")
    {
        ClearCards(StockCards, StockValues);
        for (int k = 1; k <= n; ++k) {
            StockCards[k] = Cd(card);
            StockValues[k] = g4test::ValueOf(StockCards[k]);
        }
        StockCount = n;
    }
    static int TopY(int i) { return Group4::PairsSlotY(i, PileCounts[i] - 1); }
    static QPoint Top(int i) { return {PosX[i] + CardWidth / 2, TopY(i) + CardHeight / 2}; }
    static QPoint StockPoint() { return {AuxPile2X + CardWidth / 2, AuxPile2Y + CardHeight / 2}; }
    static int Cards(int i) { return PileCounts[i] - 1; }
    static QPoint OffTable() { return {Scaling::TableWidth + 1, (Scaling::TableHeight - CardHeight) / 2}; }
};

TEST_F(PairsPlay, ClickModesSelectOnTheReleaseAndRemoveTwoTopsOfOneRank)
{
    for (int game : {Group4::Pairs, Group4::Wish})
        for (int mode = 0; mode <= 1; ++mode) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Lay(game, mode);
            SetPile(1, {"2ч", "7п"});
            SetPile(2, {"3ч", "9б"});
            SetPile(4, {"4ч", "7ч"});
            SetPile(6, {"4б", "2б"});
            Stock(game == Group4::Pairs ? 9 : 0);
            Paint();
            const QImage before = Shown().copy();
            Press(Top(1));
            EXPECT_EQ(SelectedPile, 0);
            EXPECT_EQ(Sounds(), "");
            EXPECT_EQ(Text(Difference(before, Shown())), "none");
            Release(Top(1));
            EXPECT_EQ(SelectedPile, 1);
            EXPECT_EQ(Sounds(), "WavDown");
            // The selected top again: the frame goes, and with it the selection.
            Click(Top(1));
            EXPECT_EQ(SelectedPile, 0);
            EXPECT_EQ(Sounds(), "WavCancel");
            EXPECT_EQ(Text(Difference(before, Shown())), "none");
            Click(Top(1));
            Sounds();
            // A nine on a seven: the selection stays, silently.
            Click(Top(2));
            EXPECT_EQ(SelectedPile, 1);
            EXPECT_EQ(Sounds(), "");
            flightSteps = 0;
            Click(Top(4));
            EXPECT_EQ(Cards(1), 1);
            EXPECT_EQ(Cards(4), 1);
            EXPECT_EQ(PileCards[4][1], Cd("4ч"));
            EXPECT_EQ(SelectedPile, 0);
            EXPECT_EQ(Sounds(), "WavCardUp");
            if (mode == 1) {
                EXPECT_GT(flightSteps, 0);
                EXPECT_EQ(flightEnd, OffTable());
            } else {
                EXPECT_EQ(flightSteps, 0);
            }
            EXPECT_FALSE(GameOver);
        }
}

TEST_F(PairsPlay, ClicksOnNoTopCardChangeNothing)
{
    Lay(Group4::Pairs, 0);
    SetPile(1, {"2ч", "7п"});
    SetPile(2, {"3ч", "3б"});
    SetPile(3, {"2б", "3п"});
    Stock(9);
    Paint();
    const QImage before = Shown().copy();
    const QPoint between{PosX[1] + CardWidth + 2, PosY[1] + CardHeight / 2};
    const QPoint covered{PosX[1] + CardWidth / 2, PosY[1] + 5};
    for (QPoint p : {between, covered}) {
        Click(p);
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(Sounds(), "");
        EXPECT_EQ(Text(Difference(before, Shown())), "none");
    }
    // With a selection they leave it in place.
    Click(Top(2));
    Sounds();
    Click(between);
    Click(covered);
    EXPECT_EQ(SelectedPile, 2);
    EXPECT_EQ(Sounds(), "");
}

TEST_F(PairsPlay, ThreeEqualTopsLoseExactlyTwo)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::Pairs, mode);
        SetPile(1, {"2ч", "8п"});
        SetPile(2, {"3ч", "8б"});
        SetPile(3, {"4ч", "8ч"});
        Stock(9);
        Paint();
        if (mode == 2) {
            Drag(Top(3), Top(2));
        } else {
            Click(Top(3));
            Click(Top(2));
        }
        EXPECT_EQ(Cards(1), 2);
        EXPECT_EQ(Cards(2), 1);
        EXPECT_EQ(Cards(3), 1);
        EXPECT_EQ(PileCards[1][2], Cd("8п"));
    }
}

TEST_F(PairsPlay, RefusedDropsReturnWithCancelAndFlyOnlyFromFarEnough)
{
    // Pairs flies back from Scaled(20) on, Wish only beyond it.
    for (int game : {Group4::Pairs, Group4::Wish}) {
        SCOPED_TRACE(game);
        Lay(game, 2);
        SetPile(1, {"7ч", "7п"});
        SetPile(5, {"9ч"});
        SetPile(9, {"9б"});
        Stock(game == Group4::Pairs ? 9 : 0);
        Paint();
        flightSteps = 0;
        Drag(Top(1), Top(1) + QPoint(Scaling::Scaled(10), 0));
        EXPECT_EQ(Cards(1), 2);
        EXPECT_EQ(flightSteps, 0);
        EXPECT_EQ(Sounds(), "WavDown WavCancel");
        // The sprite's corner (the card's place less CardInset) exactly Scaled(20) away.
        Drag(Top(1), Top(1) + QPoint(Scaling::Scaled(20) + CardInset, CardInset));
        EXPECT_EQ(Cards(1), 2);
        EXPECT_EQ(flightSteps > 0, game == Group4::Pairs);
        EXPECT_EQ(Sounds(), "WavDown WavCancel");
        // Onto its own pile, whose new top is a seven too.
        flightSteps = 0;
        Drag(Top(1), {PosX[1] + CardWidth / 2, PosY[1] + CardHeight / 2});
        EXPECT_EQ(Cards(1), 2);
        EXPECT_EQ(PileCards[1][2], Cd("7п"));
        EXPECT_EQ(Sounds(), "WavDown WavCancel");
        // Far off, onto a nine: flies home.
        flightSteps = 0;
        Drag(Top(1), Top(5));
        EXPECT_EQ(Cards(1), 2);
        EXPECT_EQ(Cards(5), 1);
        EXPECT_GT(flightSteps, 0);
        EXPECT_EQ(flightEnd, QPoint(PosX[1], TopY(1)));
        EXPECT_EQ(DragActive, 0);
        EXPECT_EQ(TargetCard, cards::Empty);
    }
}

TEST_F(PairsPlay, RightPressDuringADragLosesNoCard)
{
    Lay(Group4::Pairs, 2);
    SetPile(1, {"7ч", "7п"});
    SetPile(2, {"9ч"});
    Stock(9);
    Paint();
    Press(Top(1));
    ASSERT_EQ(DragActive, 1);
    Press(Top(2), Qt::RightButton);
    EXPECT_EQ(TargetCard, Cd("7п"));
    EXPECT_EQ(Cards(2), 1);
    Release(Top(1));
    EXPECT_EQ(Cards(1), 2);
    EXPECT_EQ(PileCards[1][2], Cd("7п"));
    EXPECT_EQ(DragActive, 0);
}

TEST_F(PairsPlay, DragRemovalFliesTheCardOffTheTable)
{
    Lay(Group4::Wish, 2);
    SetPile(1, {"7ч", "9п"});
    SetPile(7, {"Дч", "9ч"});
    SetPile(8, {"7б"});
    Paint();
    Drag(Top(1), Top(7));
    EXPECT_EQ(Cards(1), 1);
    EXPECT_EQ(Cards(7), 1);
    EXPECT_EQ(flightEnd, OffTable());
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
}

TEST_F(PairsPlay, TheStockClearsTheSelectionAndDealsOneCardAPile)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::Pairs, mode);
        for (int i = 1; i <= 9; ++i)
            SetPile(i, {"2ч", "3ч", "4ч", "5ч", i % 2 ? "7ч" : "8ч"});
        Stock(59, "Тб");
        Paint();
        if (mode <= 1) {
            Click(Top(1));
            ASSERT_EQ(SelectedPile, 1);
            Sounds();
        }
        Click(StockPoint());
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(StockCount, 50);
        for (int i = 1; i <= 9; ++i)
            EXPECT_EQ(PileCards[i][6], Cd("Тб")) << i;
        EXPECT_EQ(Sounds(), "WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp");
        // No frame is left behind on pile 1: it looks as freshly painted.
        const QRect pile1(PosX[1] - 4, PosY[1] - 4, CardWidth + 8, CardHeight + 12 * ColumnStep[1]);
        const QImage dealt = Shown().copy(pile1);
        Paint();
        EXPECT_EQ(Text(Difference(dealt, Shown().copy(pile1))), "none");
        for (int deal = 2; deal <= 6; ++deal)
            Click(StockPoint());
        EXPECT_EQ(StockCount, 5);
        Sounds();
        Click(StockPoint());
        EXPECT_EQ(StockCount, 0);
        for (int i = 1; i <= 9; ++i)
            EXPECT_EQ(Cards(i), i <= 5 ? 12 : 11) << i;
        EXPECT_EQ(Sounds(), "WavCardUp WavCardUp WavCardUp WavCardUp WavCardUp");
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(PairsPlay, ADealNobodySeesCardByCardLooksAsAFreshPaint)
{
    Lay(Group4::Pairs, 0);
    Settings::SoundOn = false;
    for (int i = 1; i <= 9; ++i)
        SetPile(i, {"2ч", "3ч", i % 2 ? "7ч" : "8ч"});
    SetPile(4, {});
    Stock(14, "Тб");
    Paint();
    Click(Top(1));
    Click(StockPoint());
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(StockCount, 5);
    EXPECT_EQ(Cards(4), 1);
    const QImage dealt = Shown().copy();
    Paint();
    Group4::DrawInfoPanel4();
    EXPECT_EQ(Text(Difference(dealt, Shown())), "none");
}

TEST_F(PairsPlay, StuckWithAStockSoundsTheStockAndWithoutEndsLost)
{
    Lay(Group4::Pairs, 0);
    SetPile(1, {"2ч", "7п"});
    SetPile(2, {"3ч", "9б"});
    SetPile(3, {"Дч"});
    Stock(2, "4п");
    Paint();
    Click(Top(3));
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
    EXPECT_FALSE(GameOver);
    Click(StockPoint()); // 4 and 4: a pair
    EXPECT_FALSE(GameOver);
    Click(Top(1));
    Click(Top(2));
    // The fours gone, 7, 9 and the queen left, the stock empty: lost.
    EXPECT_EQ(StockCount, 0);
    ExpectRoundEnded(false);
    EXPECT_EQ(Group4::PileCardsLeft4(), 5);
}

TEST_F(PairsPlay, WishWithoutAPairEndsLostAtOnce)
{
    Lay(Group4::Wish, 0);
    SetPile(1, {"7ч", "9п"});
    SetPile(2, {"8ч", "9ч"});
    SetPile(3, {"Дч"});
    Paint();
    Click(Top(1));
    Click(Top(2));
    ExpectRoundEnded(false);
}

TEST_F(PairsPlay, ClearingEveryPileWins)
{
    for (int game : {Group4::Pairs, Group4::Wish}) {
        SCOPED_TRACE(game);
        Lay(game, 2);
        SetPile(3, {"9п"});
        SetPile(8, {"9ч"});
        Paint();
        Drag(Top(8), Top(3));
        ExpectRoundEnded(true);
        Celebration::StopWinBalloons();
    }
}

TEST_F(PairsPlay, TheHandShowsWhereAClickDoesSomething)
{
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    const Qt::CursorShape arrow = Kit::CursorOf(Kit::CursorArrow).shape();
    auto shape = [] { return Form1->ImageStol->cursor().shape(); };
    Lay(Group4::Pairs, 0);
    SetPile(1, {"2ч", "7п"});
    SetPile(2, {"9б"});
    SetPile(3, {"7б"});
    Stock(9);
    Paint();
    Move(StockPoint(), Qt::NoButton);
    EXPECT_EQ(shape(), hand);
    Move({AuxPile2X + CardWidth + 50, AuxPile2Y + 5}, Qt::NoButton);
    EXPECT_EQ(shape(), arrow);
    Move({PosX[1] + CardWidth / 2, PosY[1] + 5}, Qt::NoButton); // covered
    EXPECT_EQ(shape(), arrow);
    Click(Top(1));
    Move(Top(2), Qt::NoButton);
    EXPECT_EQ(shape(), arrow);
    Move(Top(3), Qt::NoButton);
    EXPECT_EQ(shape(), hand);
    Move(Top(1), Qt::NoButton);
    EXPECT_EQ(shape(), hand);
}

} // namespace
