// Vardelin rounds played through mouse events on the table: stock turns and passes,
// runs lifted, dropped and refused, the waste selected or dragged, undo, double clicks
// to the foundations and the end of a won game, in the three move modes.
#include "PlayTestSupport.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Texts.h"
#include "games/group1/Qyv_01_Vardelin.h"
#include "games/kit/KitCursors.h"

#include <QVariant>

using namespace GameState;
using namespace Group1;
using play_test::Cd;
using play_test::SetFoundation;
using play_test::SetPile;
using engine_test::SetStock;

namespace {

class VardelinPlay : public play_test::PlayTable {
protected:
    void SetWaste(std::initializer_list<const char*> list)
    {
        WasteCount = 1;
        for (const char* c : list) {
            WasteCards[WasteCount] = Cd(c);
            WasteValues[WasteCount] = engine_test::ValueOf(Cd(c));
            ++WasteCount;
        }
    }
    QString Top(int p) const
    {
        const int t = LastCardIndex1(PileCards[p]);
        return t ? PileCards[p][t].toString() : QString();
    }
    QStringList PileText(int p) const
    {
        QStringList out;
        for (int s = 1; s <= LastCardIndex1(PileCards[p]); ++s)
            out << PileCards[p][s].toString() + (PileFaceUp[p][s] ? "" : "*");
        return out;
    }
    QString WasteTop() const { return WasteCount > 1 ? WasteCards[WasteCount - 1].toString() : QString(); }
    QString FoundationTop(int f) const
    {
        return FoundationNextSlot[f] > 1 ? FoundationCards[f][FoundationNextSlot[f] - 1].toString() : QString();
    }
    QString Button8Text() const { return Form1->Button8->text(); }

    // Vardelin-Solo in move mode `mode` with a small, busy table: pile 1 a covered run,
    // pile 2 a ten of spades, pile 3 an ace over a face-down card, foundations empty.
    void SmallTable(int mode, int game = VardelinSolo)
    {
        Table(game, mode);
        SetPile(1, {"2к", "9ч", "8п"}, 1);
        SetPile(2, {"1п"});
        SetPile(3, {"9к", "Тч"}, 1);
        SetPile(4, {"Кп"});
        Paint();
    }
};

const int kModes[] = {0, 1, 2};

// ---- stock ----

TEST_F(VardelinPlay, StockTurnsOneCardAndTurnsTheWasteBackTwice)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        Table(VardelinSolo, mode);
        SetStock({"3ч", "7п"});
        Paint();
        flightSteps = 0;

        Click(Stock());
        EXPECT_EQ(WasteTop(), "7п");
        EXPECT_EQ(StockCount, 1);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(UndoFlag);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(flightSteps > 0, mode != 0) << "the stock card flies in modes 1 and 2";
        EXPECT_EQ(Form1->ImageStol->property(Kit::StockHintProperty).toString(), "1");
        Click(Stock());
        EXPECT_EQ(Sounds(), "WavCardUp WavCardUp");

        // Empty stock: the waste goes back in the order it was turned, uncounted.
        Click(Stock());
        EXPECT_EQ(PassCount, 2);
        EXPECT_EQ(WasteCount, 1);
        ASSERT_EQ(StockCount, 2);
        EXPECT_EQ(StockCards[2].toString(), "7п");
        EXPECT_EQ(StockCards[1].toString(), "3ч");
        EXPECT_EQ(MoveCounter, 2);
        EXPECT_FALSE(UndoFlag);
        EXPECT_FALSE(Form1->Button8->isEnabled());
        EXPECT_EQ(Sounds(), "WavStopka");

        // Second pass, third pass; the stock runs out in the third with the give-up caption.
        Click(Stock());
        Click(Stock());
        Click(Stock());
        EXPECT_EQ(PassCount, 3);
        Click(Stock());
        Click(Stock());
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(Button8Text(), Texts::Tx(Texts::TxtThatsAll));
        EXPECT_EQ(Button8Mode, 2);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        Sounds();

        // No fourth pass.
        Click(Stock());
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(WasteCount, 3);
        EXPECT_EQ(PassCount, 3);
        EXPECT_TRUE(Sounds().isEmpty());
        EXPECT_EQ(MoveCounter, 6);
    }
}

TEST_F(VardelinPlay, RightButtonPressLiftsNothingButAnyReleaseOnTheStockTurns)
{
    SmallTable(2);
    SetStock({"4п"});
    Paint();
    Press(TopCard(1), Qt::RightButton);
    EXPECT_FALSE(DragActive);
    Release(TopCard(1), Qt::RightButton);
    EXPECT_EQ(PileText(1), (QStringList{"2к*", "9ч", "8п"}));
    Press(Stock(), Qt::RightButton);
    Release(Stock(), Qt::RightButton);
    EXPECT_EQ(WasteTop(), "4п");
    EXPECT_EQ(Sounds(), "WavCardUp");
}

TEST_F(VardelinPlay, EmptyStockAndWasteOnlyRefreshTheHint)
{
    SmallTable(0);
    Form1->ImageStol->setProperty(Kit::StockHintProperty, QString("stale"));
    Click(Stock());
    EXPECT_EQ(PassCount, 1);
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_TRUE(Sounds().isEmpty());
    EXPECT_EQ(Form1->ImageStol->property(Kit::StockHintProperty).toString(), "0");
}

TEST_F(VardelinPlay, UndoTakesBackOneStockTurnAndAnyOtherReleaseEndsTheChance)
{
    SmallTable(1);
    SetStock({"4п", "6ч"});
    Paint();
    Click(Stock());
    ASSERT_TRUE(UndoFlag);
    RoundEnd::Button8Click(*window);
    EXPECT_EQ(StockCount, 2);
    EXPECT_EQ(StockCards[2].toString(), "6ч");
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(MoveCounter, 2) << "the undo counts as a move";
    EXPECT_FALSE(Form1->Button8->isEnabled());

    // A waste card selected and then taken back leaves no selection behind.
    Click(Stock());
    Click(Waste());
    ASSERT_EQ(SelectedPile, 9);
    RoundEnd::Button8Click(*window);
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(WasteCount, 1);

    Click(Stock());
    Click(TopCard(4)); // a release elsewhere
    EXPECT_FALSE(UndoFlag);
    EXPECT_FALSE(Form1->Button8->isEnabled());
}

TEST_F(VardelinPlay, DealtTableWaitsForTheFirstActionButtonWhichTurnsTheFirstCard)
{
    Table(VardelinDuo, 2);
    DealTable1();
    Paint();
    RoundPhase = 1;
    const int stock = StockCount;
    const QPoint top = TopCard(10);
    Click(Stock());
    Drag(top, TopCard(1));
    EXPECT_EQ(StockCount, stock) << "locked";
    EXPECT_EQ(PileCardCount[10], 10);
    EXPECT_TRUE(Sounds().isEmpty());

    RoundStart::Button7Click(*window);
    EXPECT_EQ(RoundPhase, 2);
    EXPECT_EQ(StockCount, stock - 1);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Button8Text(), Texts::Tx(Texts::TxtUndo));
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(Stock());
    EXPECT_TRUE(Form1->Button8->isEnabled()) << "a stock turn may be taken back";
    EXPECT_EQ(MoveCounter, 2);
}

// ---- lifting and dropping runs ----

TEST_F(VardelinPlay, RunMovesOntoAFittingPileAndUncoversTheCardBelow)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        SmallTable(mode);
        Sounds();
        Drag(Slot(1, 2), TopCard(2));
        EXPECT_EQ(PileText(2), (QStringList{"1п", "9ч", "8п"}));
        EXPECT_EQ(PileText(1), QStringList{"2к"}) << "the face-down card is turned up";
        EXPECT_EQ(PileCardCount[1], 1);
        EXPECT_EQ(PileCardCount[2], 3);
        EXPECT_EQ(MoveCounter, 0) << "only stock turns count";
        EXPECT_EQ(Sounds(), "WavDown WavCardUp");
        EXPECT_FALSE(DragActive);
        EXPECT_FALSE(Sprite::CurrentSprite);
        EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorDefault);
    }
}

TEST_F(VardelinPlay, OnlyAlternatingRunsFallingByOneCanBeLifted)
{
    SmallTable(2);
    SetPile(5, {"9ч", "8ч", "7п"});
    Paint();
    Press(Slot(5, 1)); // 8ч does not go on 9ч
    EXPECT_FALSE(DragActive);
    Release(Slot(5, 1));
    Press(Slot(5, 2)); // 8ч, 7п is a run
    EXPECT_TRUE(DragActive);
    EXPECT_EQ(LiftedCards[1].toString(), "8ч");
    EXPECT_EQ(LiftedCards[2].toString(), "7п");
    EXPECT_EQ(DragRun.K, 2);
    EXPECT_EQ(DragRun.G, 3);
    EXPECT_EQ(PileCardCount[5], 1);
    Release(Slot(5, 2));
    EXPECT_EQ(PileText(5), (QStringList{"9ч", "8ч", "7п"}));
    Press(Slot(1, 1)); // a face-down card
    EXPECT_FALSE(DragActive);
}

TEST_F(VardelinPlay, RefusedDropsGoBackWithCancelOnlyBeyondThirtyPixels)
{
    struct Case {
        const char* what;
        QPoint to;
        const char* sounds;
    };
    const QPoint from = [this] {
        SmallTable(2);
        return TopCard(2);
    }();
    const std::vector<Case> cases = {
        {"plain click: the ten fits nowhere there", from, "WavDown"},
        {"29 pixels away", from + QPoint(29, 0), "WavDown"},
        {"31 pixels away", from + QPoint(31, 0), "WavDown WavCancel"},
        {"onto a pile where it does not fit", TopCard(4), "WavDown WavCancel"},
        {"onto the covered strip of a card", Slot(1, 2), "WavDown WavCancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SmallTable(2);
        Sounds();
        Drag(from, c.to);
        EXPECT_EQ(PileText(2), QStringList{"1п"});
        EXPECT_EQ(PileCardCount[2], 1);
        EXPECT_EQ(Sounds(), c.sounds);
        EXPECT_FALSE(DragActive);
    }
}

TEST_F(VardelinPlay, ADragThatComesBackLeavesTheTableAsItWas)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        SmallTable(mode);
        const QImage before = Cards();
        Press(Slot(1, 2));
        for (QPoint p : {QPoint(300, 300), QPoint(500, 120), QPoint(650, 420), QPoint(40, 40)})
            Move(p);
        EXPECT_FALSE(Difference(Cards(), before).isEmpty()) << "the sprite is drawn on the table";
        Release(QPoint(40, 470));
        EXPECT_EQ(Text(Difference(Cards(), before)), "none") << "no trail of the sprite is left";
    }
}

TEST_F(VardelinPlay, SelectionFrameIsDrawnAndRemovedOnTheWaste)
{
    SmallTable(0);
    SetWaste({"9п", "8ч"});
    Paint();
    const QImage before = Cards();
    Click(Waste());
    const QRect waste(SpecialX[2], WasteTopY1(), CardWidth, CardHeight);
    EXPECT_EQ(Text(Difference(Cards(), before)), Text(waste)) << "only the waste card is framed";
    Click(Waste());
    EXPECT_EQ(Text(Difference(Cards(), before)), "none");
}

TEST_F(VardelinPlay, ClickOnARunThatFitsTheCardBelowDropsItBackWithASound)
{
    SmallTable(2);
    SetPile(5, {"5п", "4ч"}, 1); // the four fits even the face-down five
    Paint();
    Sounds();
    Click(TopCard(5));
    EXPECT_EQ(PileText(5), (QStringList{"5п*", "4ч"}));
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
}

TEST_F(VardelinPlay, RunsGoToFoundationsOnlyAsSingleCards)
{
    SmallTable(2);
    SetPile(5, {"3п", "2ч"});
    SetFoundation(1, {"Тч"});
    Paint();
    Drag(Slot(5, 1), Foundation(1));
    EXPECT_EQ(PileCardCount[5], 2);
    EXPECT_EQ(FoundationNextSlot[1], 2);
    Drag(TopCard(5), Foundation(1));
    EXPECT_EQ(FoundationTop(1), "2ч");
    EXPECT_EQ(PileText(5), QStringList{"3п"});
    Drag(TopCard(3), Foundation(2));
    EXPECT_EQ(FoundationTop(2), "Тч");
    EXPECT_EQ(PileText(3), QStringList{"9к"});
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(VardelinPlay, APressWithinOneSecondOfTheLastIsSilent)
{
    SmallTable(2);
    Sounds();
    Press(TopCard(2), Qt::LeftButton, 1500);
    Release(TopCard(2));
    Press(TopCard(2), Qt::LeftButton, 900);
    Release(TopCard(2));
    Press(TopCard(2), Qt::LeftButton, 1001);
    Release(TopCard(2));
    EXPECT_EQ(Sounds(), "WavDown WavDown");
}

// ---- the waste ----

TEST_F(VardelinPlay, ClickModesSelectTheWasteAndNameTheTarget)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        SmallTable(mode);
        SetWaste({"5к", "9п", "8ч"});
        SetPile(6, {"9к"});
        Paint();
        Sounds();

        Press(Waste());
        EXPECT_FALSE(DragActive) << "a press on the waste lifts nothing";
        Release(Waste());
        EXPECT_EQ(SelectedPile, 9);
        Click(Waste());
        EXPECT_EQ(SelectedPile, 0);
        Click(Waste());
        ASSERT_EQ(SelectedPile, 9);

        // While selected a press lifts nothing; the release names a refused target.
        Press(TopCard(4));
        EXPECT_FALSE(DragActive);
        Release(TopCard(4));
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(WasteTop(), "8ч");
        EXPECT_EQ(Sounds(), "WavCancel");

        Click(Waste());
        flightSteps = 0;
        Click(TopCard(6));
        EXPECT_EQ(PileText(6), (QStringList{"9к", "8ч"}));
        EXPECT_EQ(WasteTop(), "9п");
        EXPECT_EQ(flightSteps > 0, mode == 1);
        EXPECT_EQ(Sounds(), "WavCardUp");
        EXPECT_EQ(MoveCounter, 0);
    }
}

TEST_F(VardelinPlay, TurningTheWasteOverDropsItsSelection)
{
    SmallTable(0);
    SetWaste({"5к", "9п"});
    Paint();
    Click(Waste());
    ASSERT_EQ(SelectedPile, 9);
    Click(Stock());
    EXPECT_EQ(StockCount, 2);
    EXPECT_EQ(SelectedPile, 0);
    Press(Slot(1, 2));
    EXPECT_TRUE(DragActive) << "presses lift again";
    Release(Slot(1, 2));
}

TEST_F(VardelinPlay, SelectedWasteCardGoesToAFoundationAndTheWasteItselfKeepsTheSelection)
{
    SmallTable(1);
    SetWaste({"Тп"});
    Paint();
    Click(Waste());
    Click(Waste() + QPoint(0, 5)); // the waste again: deselects
    EXPECT_EQ(SelectedPile, 0);
    Click(Waste());
    Click(Foundation(3));
    EXPECT_EQ(FoundationTop(3), "Тп");
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(SelectedPile, 0);
}

TEST_F(VardelinPlay, DragModeLiftsTheWasteCard)
{
    SmallTable(2);
    SetWaste({"5к", "9ч"});
    SetPile(6, {"1п"});
    Paint();
    Press(Waste());
    EXPECT_TRUE(DragActive);
    EXPECT_EQ(LiftedFromPile, 20);
    EXPECT_EQ(DragRun.G, 1);
    EXPECT_EQ(WasteTop(), "5к");
    Release(Waste());
    EXPECT_EQ(WasteTop(), "9ч") << "released on its own place it comes back";
    Drag(Waste(), TopCard(6));
    EXPECT_EQ(PileText(6), (QStringList{"1п", "9ч"}));
    EXPECT_EQ(WasteTop(), "5к");
}

// ---- double click ----

TEST_F(VardelinPlay, DoubleClickSendsATableauCardToItsFoundation)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        SmallTable(mode);
        SetPile(5, {"9к", "2ч"}, 1);
        SetFoundation(2, {"Тч"});
        Paint();
        Sounds();
        flightSteps = 0;
        DoubleClick(TopCard(5));
        EXPECT_EQ(FoundationTop(2), "2ч");
        EXPECT_EQ(PileText(5), QStringList{"9к"}) << "the card below is turned up";
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_EQ(flightSteps > 0, mode != 0);
        // First press "WavDown", the move "WavCardUp"; the second press is too soon.
        EXPECT_EQ(Sounds(), "WavDown WavCardUp");
        EXPECT_FALSE(DragActive);
    }
}

TEST_F(VardelinPlay, DoubleClickCompletingAFoundationSoundsStopka)
{
    SmallTable(2);
    SetFoundation(1, {"Тб", "2б", "3б", "4б", "5б", "6б", "7б", "8б", "9б", "1б", "Вб", "Дб"});
    SetPile(5, {"5п", "Кб"}, 1);
    Paint();
    Sounds();
    DoubleClick(TopCard(5));
    EXPECT_EQ(FoundationNextSlot[1], 14);
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
}

TEST_F(VardelinPlay, WasteDoubleClickOnlyInDragModeAndTheTwinFoundationsDiffer)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        SmallTable(mode, VardelinDuo);
        SetFoundation(2, {"Тп"});
        SetFoundation(5, {"Тп"});
        SetWaste({"2п"});
        SetPile(7, {"2п"});
        Paint();
        DoubleClick(Waste());
        if (mode == 2) {
            EXPECT_EQ(FoundationTop(5), "2п") << "the waste card takes the later foundation";
            EXPECT_EQ(WasteCount, 1);
        } else {
            EXPECT_EQ(FoundationNextSlot[2] + FoundationNextSlot[5], 4);
            EXPECT_EQ(WasteTop(), "2п");
        }
        SelectedPile = 0;
        DoubleClick(TopCard(7));
        EXPECT_EQ(FoundationTop(2), "2п") << "the tableau card takes the earlier one";
    }
}

TEST_F(VardelinPlay, DoubleClickDuringALostDragReturnsTheCards)
{
    SmallTable(2);
    Press(Slot(1, 2));
    ASSERT_TRUE(DragActive);
    LastUpX = TopCard(2).x();
    LastUpY = TopCard(2).y();
    TableDispatch::ImageStolDblClick();
    EXPECT_FALSE(DragActive);
    EXPECT_FALSE(Sprite::CurrentSprite);
    EXPECT_EQ(PileText(1), (QStringList{"2к*", "9ч", "8п"}));
    EXPECT_EQ(PileCardCount[1], 3);
}

// ---- the end ----

TEST_F(VardelinPlay, GiveUpIsOfferedWheneverStockAndWasteAreEmpty)
{
    SmallTable(2);
    SetWaste({"Тп"});
    Paint();
    DoubleClick(Waste());
    ASSERT_EQ(WasteCount, 1);
    EXPECT_EQ(PassCount, 1);
    EXPECT_TRUE(Form1->Button8->isEnabled());
    EXPECT_EQ(Button8Text(), Texts::Tx(Texts::TxtThatsAll));
    Sounds();
    RoundEnd::Button8Click(*window);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameWon);
    EXPECT_EQ(Sounds(), "WavKoBads");
}

TEST_F(VardelinPlay, AGamePlayedToItsWonEnd)
{
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        Table(VardelinSolo, mode);
        SetPile(1, {"8ч", "Кп"}, 1);
        SetPile(2, {"Дч"});
        SetPile(3, {"5п", "Вк"}, 1);
        SetPile(4, {});
        SetStock({"1ч"});
        Paint();
        presenter.dialogs.clear();

        Click(Stock()); // 1ч onto the waste
        Drag(TopCard(1), TopCard(4)); // king to the empty pile, 8ч turned up
        Drag(TopCard(2), TopCard(4)); // queen on the king
        if (mode == 2) {
            Drag(Waste(), TopCard(3)); // the ten on the jack
        } else {
            Click(Waste());
            Click(TopCard(3));
        }
        EXPECT_EQ(PileText(3), (QStringList{"5п*", "Вк", "1ч"}));
        EXPECT_FALSE(GameOver) << "the five is still face down";
        Sounds();
        Drag(Slot(3, 2), QPoint(5, 480)); // nowhere: back, 5п stays covered
        Drag(Slot(3, 2), TopCard(4)); // jack and ten onto the queen uncover the five
        EXPECT_TRUE(GameOver);
        EXPECT_TRUE(GameWon);
        EXPECT_TRUE(Celebration::WinBalloonsPending);
        EXPECT_TRUE(Form1->Timer2->isActive());
        EXPECT_EQ(ScoreWindows(), 1);
        EXPECT_EQ(Button8Text(), Texts::Tx(Texts::TxtToMenu));
        EXPECT_TRUE(Form1->Button8->isEnabled());
        const QStringList s = Sounds().split(' ');
        ASSERT_FALSE(s.isEmpty());
        EXPECT_EQ(s.back(), "WavKoGood");
        EXPECT_EQ(s.count("WavKoGood"), 1);
        // The timer's first tick lets the balloons rise.
        Celebration::PlayWinBalloons();
        EXPECT_TRUE(Celebration::BalloonsActive);
        // The table is locked now.
        Click(TopCard(1));
        EXPECT_FALSE(DragActive);
        Celebration::StopWinBalloons();
    }
}

// ---- pointer ----

TEST_F(VardelinPlay, PointerShowsWhereCardsCanGo)
{
    SmallTable(2);
    SetStock({"4п"});
    SetPile(6, {"9к"});
    Paint();
    Move(TopCard(4), Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->cursor().shape(), Qt::PointingHandCursor);
    Move(QPoint(5, 480), Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->cursor().shape(), Qt::ArrowCursor);
    Move(Stock(), Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->toolTip(), "1");
    Move(QPoint(5, 480), Qt::NoButton);
    EXPECT_TRUE(Form1->ImageStol->toolTip().isEmpty());

    Press(Slot(1, 2));
    Move(TopCard(2));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorHand);
    Move(TopCard(6));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorArrow);
    Release(TopCard(6));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorDefault);
}

} // namespace
