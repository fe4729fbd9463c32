// Busy Aces played through real mouse events on the offscreen table: the stock and its
// take-back, click and drag moves, the right-button peek, double clicks and both ends.
#include "Group5Play.h"

#include "app/RoundEnd.h"
#include "games/group5/Qyv_44_BAces.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class BusyAcesPlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { DealGame(BusyAces, mode); }
    // Pile 1..12 (row 1 then row 2) from the bottom up.
    static void SetPile(int pile, std::initializer_list<const char*> list)
    {
        const int row = pile <= 6 ? 1 : 2;
        const int place = pile <= 6 ? pile : pile - 6;
        int s = 0;
        for (const char* c : list) {
            ++s;
            PileCards2[row][place][s] = g5test::Cd(c);
            PileValues2[row][place][s] = g5test::ValueOf(PileCards2[row][place][s]);
        }
        BAcesNext[row][place] = s + 1;
    }
    static int Cards(int pile) { return BAcesNext[pile <= 6 ? 1 : 2][pile <= 6 ? pile : pile - 6] - 1; }
    static TCardCode Top(int pile)
    {
        return PileCards2[pile <= 6 ? 1 : 2][pile <= 6 ? pile : pile - 6][std::max(1, Cards(pile))];
    }
    static void Paint()
    {
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
        for (int r = 1; r <= 2; ++r)
            for (int p = 1; p <= 6; ++p)
                RedrawColumn5(r, p);
        RedrawKoloda5(0);
    }
    static QPoint PileAt(int pile) { return Mid(BAcesTopX(pile), BAcesTopY(pile)); }
    static QPoint Foundation(int f) { return Mid(FoundationPosX[f], FoundationPosY[f]); }
    static QPoint Stock() { return Mid(AuxPile2X, AuxPile2Y); }
    static QPoint Waste() { return Mid(AuxPile1X, BAcesWasteTopY()); }
    // Moves the card of `from` to `to` by the mode's gesture.
    void Play(int mode, QPoint from, QPoint to)
    {
        if (mode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }
    static int CardsOnTable()
    {
        int n = StockCount + WasteCount - 1;
        for (int p = 1; p <= 12; ++p)
            n += Cards(p);
        for (int f = 1; f <= 8; ++f)
            n += FoundationCounts[f] - 1;
        return n + (DragActive ? 1 : 0);
    }
};

TEST_F(BusyAcesPlay, TheDealLaysTwelvePilesAndTheFirstCardOnTheWaste)
{
    Deal(0);
    EXPECT_EQ(StockCount, 91);
    EXPECT_EQ(WasteCount, 2);
    for (int p = 1; p <= 12; ++p)
        EXPECT_EQ(Cards(p), 1);
    EXPECT_EQ(CardsOnTable(), 104);
    // The take-back waits for the player's own first deal.
    EXPECT_FALSE(Form1->Button8->isEnabled());
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtUndo));
}

TEST_F(BusyAcesPlay, AnEmptyPileTakesAnyCardByClickAndByDrop)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        SetPile(1, {"9ч", "5п"});
        SetPile(4, {"Кб"});
        g5test::SetStock({"2ч", "3ч"});
        Paint();
        Play(mode, PileAt(1), Mid(GridX[2][3], GridY[2][3]));
        EXPECT_EQ(Cards(9), 1);
        EXPECT_EQ(Top(9), g5test::Cd("5п"));
        EXPECT_EQ(Cards(1), 1);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
        // A card on a pile that is no one higher in its suit stays where it was.
        Play(mode, PileAt(4), PileAt(1));
        if (mode != 2)
            Click(PileAt(4)); // the selection taken back
        EXPECT_EQ(Cards(4), 1);
        EXPECT_EQ(Cards(1), 1);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_EQ(SelectedPile, 0);
    }
}

TEST_F(BusyAcesPlay, ACardLaidBackOnItsOwnPileCountsAndSoundsNothing)
{
    Deal(2);
    Empty();
    SetPile(2, {"6ч", "5ч"});
    SetPile(3, {"9п"});
    g5test::SetStock({"2к"});
    Paint();
    const QPoint home = PileAt(2);
    Press(home);
    for (int i = 1; i <= 4; ++i)
        Move(home + QPoint(0, -Scaled(10) * i));
    Release(home + QPoint(Scaled(3), -Scaled(12)));
    EXPECT_EQ(Cards(2), 2);
    EXPECT_EQ(Top(2), g5test::Cd("5ч"));
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(Sounds(), "WavDown");
}

TEST_F(BusyAcesPlay, TheUndoAfterADealPutsTheCardBackAndAMoveTakesTheUndoAway)
{
    Deal(1);
    const int stock = StockCount;
    const TCardCode top = StockCards[StockCount];
    Click(Stock());
    EXPECT_EQ(StockCount, stock - 1);
    EXPECT_EQ(WasteCards[WasteCount - 1], top);
    ASSERT_TRUE(Form1->Button8->isEnabled());
    RoundEnd::Button8Click(*Form1);
    EXPECT_EQ(StockCount, stock);
    EXPECT_EQ(StockCards[StockCount], top);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_FALSE(Form1->Button8->isEnabled());
    EXPECT_EQ(CardsOnTable(), 104);

    // A move made after a deal disables the take-back while the stock holds cards.
    Empty();
    SetPile(1, {"Тб"});
    g5test::SetStock({"2ч", "3ч"});
    Paint();
    Click(Stock());
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Click(PileAt(1));
    EXPECT_TRUE(Form1->Button8->isEnabled()); // a selection is no move
    Click(Foundation(5));
    EXPECT_EQ(FoundationCounts[5], 2);
    EXPECT_FALSE(Form1->Button8->isEnabled());
}

TEST_F(BusyAcesPlay, TheLastStockCardOffersTheGiveUpAndEmptyingTheWasteWins)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        SetPile(1, {"9ч", "8ч"});
        SetPile(2, {"Кп"});
        g5test::SetStock({"7ч"});
        Paint();
        Click(Stock());
        EXPECT_EQ(StockCount, 0);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        EXPECT_FALSE(GameOver);
        // The seven on the eight empties the waste: won, whatever lies on the piles.
        Play(mode, Waste(), PileAt(1));
        ExpectRoundEnded(true);
        EXPECT_EQ(Cards(1), 3);
    }
}

TEST_F(BusyAcesPlay, TheGiveUpLosesOnceTheStockIsEmpty)
{
    Deal(0);
    Empty();
    SetPile(1, {"9ч"});
    g5test::SetWaste({"2п"});
    g5test::SetStock({"5б"});
    Paint();
    Click(Stock());
    Click(Stock()); // nothing left to deal
    EXPECT_EQ(MoveCounter, 1);
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Sounds();
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false, &Texts::TxtExitToMenu);
}

TEST_F(BusyAcesPlay, ADragReturnsSilentlyFromNearItsPressAndTheWasteCardWithoutAFlight)
{
    Deal(2);
    const TCardCode top = WasteCards[WasteCount - 1];
    int flights = flightSteps;
    Drag(Waste(), Waste() + QPoint(Scaled(10), Scaled(12)));
    EXPECT_EQ(WasteCards[WasteCount - 1], top);
    EXPECT_EQ(flightSteps, flights);
    EXPECT_EQ(Sounds(), "WavDown");
    // From afar: "WavCancel" and the flight home.
    Drag(Waste(), Waste() + QPoint(Scaled(200), Scaled(180)));
    EXPECT_EQ(WasteCards[WasteCount - 1], top);
    EXPECT_GT(flightSteps, flights);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // A pile's card always flies home, but sounds only from afar.
    flights = flightSteps;
    const TCardCode pileTop = Top(5);
    Drag(PileAt(5), PileAt(5) + QPoint(Scaled(20), Scaled(22)));
    EXPECT_EQ(Top(5), pileTop);
    EXPECT_GT(flightSteps, flights);
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(CardsOnTable(), 104);
}

TEST_F(BusyAcesPlay, TheDoubleClickWorksInDragModeOnlyAndNeverFallsFromTheWasteToAPile)
{
    Deal(2);
    Empty();
    SetPile(1, {"Тп"});
    g5test::SetWaste({"5к"});
    g5test::SetStock({"2ч"});
    Paint();
    DoubleClick(Waste());
    EXPECT_EQ(Cards(1), 1);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(MoveCounter, 0);
    DoubleClick(PileAt(1));
    EXPECT_EQ(Cards(1), 0);
    EXPECT_EQ(FoundationCards[1][1], g5test::Cd("Тп"));
    EXPECT_EQ(MoveCounter, 1);

    Deal(0);
    Empty();
    SetPile(1, {"Тп"});
    g5test::SetStock({"2ч"});
    Paint();
    Press(PileAt(1));
    Release(PileAt(1));
    DoubleClickOnly(PileAt(1));
    Release(PileAt(1));
    EXPECT_EQ(Cards(1), 1);
    EXPECT_EQ(FoundationCounts[1], 1);
}

TEST_F(BusyAcesPlay, TheRightButtonPeeksAtTheBottomCardUntilAnyRelease)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        SetPile(3, {"Кк", "Дк", "Вк"});
        g5test::SetStock({"2ч"});
        Paint();
        if (mode == 0)
            Click(PileAt(3)); // selected: the frame goes while the bottom card shows
        const QImage before = Shown().copy();
        Press(PileAt(3), Qt::RightButton);
        EXPECT_NE(Text(Difference(before, Shown())), "none");
        // Released far from the pile: the stack is shown again all the same.
        Release({AuxPile2X + CardWidth + 20, AuxPile2Y + CardHeight + 40}, Qt::RightButton);
        EXPECT_EQ(Text(Difference(before, Shown())), "none");
        EXPECT_EQ(Cards(3), 3);
        EXPECT_EQ(SelectedPile, mode == 0 ? 3 : 0);
        EXPECT_EQ(MoveCounter, 0);
    }
}

TEST_F(BusyAcesPlay, APressAndADoubleClickDuringADragLoseNoCard)
{
    Deal(2);
    const TCardCode top = Top(4);
    Press(PileAt(4));
    Move(PileAt(4) + QPoint(40, 60));
    ASSERT_EQ(DragActive, 1);
    Press(PileAt(7), Qt::RightButton);
    EXPECT_EQ(CardsOnTable(), 104);
    DoubleClickOnly(PileAt(7));
    EXPECT_EQ(Top(4), top);
    Release(PileAt(7));
    EXPECT_EQ(DragActive, 0);
    EXPECT_EQ(CardsOnTable(), 104);
}

} // namespace
