// Book played through real mouse events on the table: run lifts, drops on rows and
// foundations, the waste selected or dragged, the one-pass stock with its undo, the
// double click and the end of the round.
#include "BookTestSupport.h"
#include "Group4TestSupport.h"
#include "support/PlayTable.h"

#include "app/RoundEnd.h"
#include "foundation/Celebration.h"
#include "foundation/Scaling.h"
#include "games/kit/KitDrag.h"

#include <initializer_list>

using namespace GameState;
using namespace booktest;
using g4test::Cd;
using g4test::SetPile;

namespace {

class BookPlay : public testsupport::PlayTable {
protected:
    // An empty Book table in move mode `mode`, the round running, Button8 "Undo".
    void Book(int mode)
    {
        BareTable(mode);
        g4test::EmptyTable(Group4::Book);
        RoundActive = 1;
        RoundPhase = 2;
        Button8Mode = 1;
        Form1->Button8->setText(Texts::Tx(Texts::TxtUndo));
        Form1->Button8->setEnabled(false);
    }
    void Foundation(int f, std::initializer_list<const char*> list)
    {
        int s = 0;
        for (const char* c : list) {
            ++s;
            FoundationCards[f][s] = Cd(c);
            FoundationValues[f][s] = g4test::ValueOf(FoundationCards[f][s]);
        }
        FoundationNextSlot[f] = s + 1;
    }
    // Stock from the bottom up, the last one on top.
    void Stock(std::initializer_list<const char*> list)
    {
        ClearCards(StockCards, StockValues);
        StockCount = 0;
        for (const char* c : list) {
            ++StockCount;
            StockCards[StockCount] = Cd(c);
            StockValues[StockCount] = g4test::ValueOf(StockCards[StockCount]);
        }
    }
    void Waste(std::initializer_list<const char*> list)
    {
        ClearCards(WasteCards, WasteValues);
        WasteCount = 1;
        for (const char* c : list) {
            WasteCards[WasteCount] = Cd(c);
            WasteValues[WasteCount] = g4test::ValueOf(WasteCards[WasteCount]);
            ++WasteCount;
        }
    }
    void Paint()
    {
        for (int r = 1; r <= 8; ++r)
            Group4::RedrawColumn4(r, 0);
        for (int f = 1; f <= 8; ++f)
            Group4::RedrawFoundation4(f);
        Group4::RedrawStockWaste4();
        Group4::BookCardListPanel(true);
        Sounds();
    }
    QString Row(int r) const
    {
        QString s;
        for (int k = 1; k <= 16; ++k)
            if (!(PileCards[r][k] == cards::Empty))
                s += PileCards[r][k].toString() + ' ';
        return s.trimmed();
    }
    static QString U(const char* utf8) { return QString::fromUtf8(utf8); }
};

class BookEveryMode : public BookPlay, public ::testing::WithParamInterface<int> {};

TEST_P(BookEveryMode, PressesThatFindNoRunLiftNothingAndStaySilent)
{
    Book(GetParam());
    SetPile(1, {"Кп", "Дч", "5к", "4ч"}); // Q 5 4 breaks the rank order
    SetPile(5, {"9п", "8ч", "7п"});      // a run in order
    SetPile(6, {"9п", "8п"});            // one colour
    Foundation(1, {"Тч"});
    Paint();
    for (QPoint p : {SlotPoint(1, 2, 4), SlotPoint(1, 1, 4), SlotPoint(6, 1, 2), RowEnd(2), FoundationPoint(1),
                     FoundationPoint(3)}) {
        Press(p);
        EXPECT_FALSE(DragActive) << p.x() << "," << p.y();
        Release(p);
    }
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(Row(1), U("Кп Дч 5к 4ч"));
    EXPECT_EQ(FoundationNextSlot[1], 2);
    // A run in order lifts from its first card.
    Press(SlotPoint(5, 1, 3));
    EXPECT_TRUE(DragActive);
    EXPECT_EQ(Row(5), "");
    EXPECT_EQ(DragRun.K, 3);
    EXPECT_EQ(DragRun.G, 1);
    EXPECT_EQ(Sounds(), "WavDown");
    // A press of any button before the release changes nothing.
    Press(RowEnd(6), Qt::RightButton);
    Press(RowEnd(6));
    EXPECT_EQ(Group4::LastCardIndex4(LiftedCards), 3);
    Release(SlotPoint(5, 1, 3));
    EXPECT_EQ(Row(5), U("9п 8ч 7п"));
    EXPECT_FALSE(DragActive);
}

TEST_P(BookEveryMode, RefusedRunsGoBackAndSoundOnlyFromAfar)
{
    Book(GetParam());
    SetPile(1, {"3к", "Дч", "Вп"});
    SetPile(2, {"Кп", "Дб"}); // Q covered: a drop on the covered king is refused
    SetPile(6, {"Кк", "5ч"});
    Paint();
    // Carried a little: back without a sound after the pick-up.
    const QPoint from = SlotPoint(1, 2, 3);
    Drag(from, from + QPoint(Scaling::Scaled(30) - 2, 0));
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(Row(1), U("3к Дч Вп"));
    // Onto a covered card, between the rows, onto a card it does not fit.
    for (QPoint to : {SlotPoint(2, 1, 2), QPoint((BookBounds[1] + BookBounds[3]) / 2, BookBounds[2] - 4), RowEnd(6)}) {
        Drag(from, to);
        EXPECT_EQ(Sounds(), "WavDown WavCancel");
        EXPECT_EQ(Row(1), U("3к Дч Вп"));
        EXPECT_FALSE(DragActive);
    }
}

TEST_P(BookEveryMode, OnlyKingRunsGoIntoAnEmptyRowAndOnlySingleCardsUp)
{
    Book(GetParam());
    SetPile(1, {"5к", "Дч", "Вп"});
    SetPile(3, {"Кп", "Дч"});
    SetPile(5, {"2ч", "2б", "Тч"});
    Foundation(1, {"Тч"});
    Paint();
    Drag(SlotPoint(1, 2, 3), RowEnd(8));
    EXPECT_EQ(Row(8), "");
    EXPECT_EQ(Row(1), U("5к Дч Вп"));
    Drag(SlotPoint(3, 1, 2), RowEnd(8));
    EXPECT_EQ(Row(8), U("Кп Дч"));
    EXPECT_EQ(Row(3), "");
    EXPECT_EQ(Sounds(), "WavDown WavCancel WavDown WavCardUp");
    // The two of hearts with an ace over it fits foundation 1, but not as a pair.
    Drag(SlotPoint(5, 2, 3), FoundationPoint(2));
    EXPECT_EQ(Row(5), U("2ч 2б Тч"));
    Drag(RowEnd(5), FoundationPoint(2));
    EXPECT_EQ(FoundationNextSlot[2], 2);
    Drag(RowEnd(5), FoundationPoint(1));
    EXPECT_EQ(Row(5), U("2ч 2б"));
    EXPECT_EQ(FoundationNextSlot[1], 2);
}

TEST_P(BookEveryMode, TheRowThatWouldNeedASeventeenthSlotSendsTheRunBack)
{
    Book(GetParam());
    // Row 1 holds sixteen cards, the last a three the run of two would fit on.
    SetPile(2, {"3ч"});
    SetPile(5, {"Тп", "2п", "Тб"});
    SetPile(1, {"8п", "9к", "Кп", "4б", "5ч", "Дч", "Вп", "1ч", "9п", "8ч", "7п", "6ч", "5п", "4ч", "3п", "3б"});
    Paint();
    Drag(SlotPoint(5, 2, 3), RowEnd(1));
    EXPECT_EQ(Row(5), U("Тп 2п Тб"));
    EXPECT_EQ(Group4::LastCardIndex4(PileCards[1]), 16);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // The same run fits a row with room.
    Drag(SlotPoint(5, 2, 3), RowEnd(2));
    EXPECT_EQ(Row(2), U("3ч 2п Тб"));
}

TEST_P(BookEveryMode, TheStockTurnsOnceWithUndoUntilTheNextRelease)
{
    Book(GetParam());
    SetPile(1, {"Кп"});
    Stock({"7б", "9ч"});
    Paint();
    Click(StockPoint());
    EXPECT_EQ(StockCount, 1);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(WasteCards[1], Cd("9ч"));
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(UndoFlag, 1);
    EXPECT_TRUE(Form1->Button8->isEnabled());
    EXPECT_EQ(Sounds(), "WavCardUp");
    // Undo takes it back and blanks its panel entry.
    int x = 0, y = 0;
    Group4::BookCardListPos(1, x, y);
    const QImage blank = Shown().copy(x + 30, y, 10, 10);
    RoundEnd::Button8Click(*Form1);
    EXPECT_EQ(StockCount, 2);
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(Shown().copy(x - 2, y, Scaling::Scaled(20), Scaling::Scaled(12)).pixel(4, 4), blank.pixel(0, 0));
    Click(StockPoint());
    EXPECT_TRUE(Form1->Button8->isEnabled());
    Click(RowEnd(7));
    EXPECT_EQ(UndoFlag, 0);
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(StockPoint());
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(Button8Mode, 2);
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    EXPECT_TRUE(Form1->Button8->isEnabled());
    // An empty stock turns nothing.
    Click(StockPoint());
    EXPECT_EQ(WasteCount, 3);
}

TEST_P(BookEveryMode, DoubleClickSendsTheLastCardToTheSecondFoundationWhenTheFirstHasItsValue)
{
    Book(GetParam());
    SetPile(6, {"Кп", "3к"});
    Foundation(5, {"Тк", "2к", "3к"});
    Foundation(6, {"Тк", "2к"});
    Stock({"2п"}); // so the move does not end the round
    Paint();
    DoubleClick(RowEnd(6));
    EXPECT_EQ(Row(6), U("Кп"));
    EXPECT_EQ(FoundationNextSlot[5], 4);
    EXPECT_EQ(FoundationNextSlot[6], 4);
    EXPECT_EQ(FoundationCards[6][3], Cd("3к"));
    EXPECT_FALSE(DragActive);
    EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
    // A double click that finds a drag pending puts the card back first; the press that
    // follows it lifts it once more, and its release puts it back.
    SetPile(2, {"9ч"});
    Group4::RedrawColumn4(2, 0);
    Press(RowEnd(2));
    ASSERT_TRUE(DragActive);
    DoubleClickOnly(RowEnd(2));
    EXPECT_EQ(Kit::LiftedCount(16), 1);
    EXPECT_EQ(Row(2), "");
    Release(RowEnd(2));
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(Row(2), U("9ч"));
}

INSTANTIATE_TEST_SUITE_P(Modes, BookEveryMode, ::testing::Values(0, 1, 2));

TEST_F(BookPlay, ClickModesSelectTheWasteAndMoveIt)
{
    Book(0);
    SetPile(1, {"Кп"});
    Waste({"5п", "Дч"});
    Paint();
    Press(WastePoint());
    EXPECT_FALSE(DragActive);
    Release(WastePoint());
    EXPECT_EQ(SelectedPile, 9);
    Click(WastePoint());
    EXPECT_EQ(SelectedPile, 0);
    Click(WastePoint());
    Click(RowEnd(1));
    EXPECT_EQ(Row(1), U("Кп Дч"));
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(SelectedPile, 0);

    // Move mode 1: the card flies to the row's next place.
    Book(1);
    SetPile(5, {"Кп"});
    Waste({"Дб"});
    Stock({"2п"}); // so the move does not end the round
    Paint();
    int x = 0, y = 0;
    Group4::BookCardPos(false, 0, 5, x, y);
    Click(WastePoint());
    flightSteps = 0;
    Click(RowEnd(5));
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(flightEnd, QPoint(x, y));
    EXPECT_EQ(Row(5), U("Кп Дб"));
    EXPECT_EQ(Sounds(), "WavCardUp");
}

TEST_F(BookPlay, DragModeCarriesTheWasteTop)
{
    Book(2);
    Waste({"5п", "Тч"});
    Paint();
    Drag(WastePoint(), FoundationPoint(2));
    EXPECT_EQ(FoundationCards[2][1], Cd("Тч"));
    EXPECT_EQ(WasteCount, 2);
    Drag(WastePoint(), FoundationPoint(4));
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(WasteCards[1], Cd("5п"));
    EXPECT_EQ(Sounds(), "WavDown WavCardUp WavDown WavCancel");
}

// Rows in sequence, the stock empty, one card on the waste: the last move wins.
class BookEnd : public BookPlay, public ::testing::WithParamInterface<int> {};

TEST_P(BookEnd, TheLastMoveWinsWithTheFullScore)
{
    Book(GetParam());
    SetPile(1, {"Кп", "Дч", "Вк"});
    SetPile(5, {"Кч"});
    Waste({"1ч"});
    Button8Mode = 2;
    Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
    Form1->Button8->setEnabled(true);
    Paint();
    if (GetParam() == 2) {
        Drag(WastePoint(), RowEnd(1));
    } else {
        Click(WastePoint());
        Click(RowEnd(1));
    }
    EXPECT_EQ(Row(1), U("Кп Дч Вк 1ч"));
    ExpectRoundEnded(true, &Texts::TxtExitToMenu);
    EXPECT_EQ(Button8Mode, 3);
    EXPECT_EQ(Group4::ComputeScore4(), 200);
}

TEST_P(BookEnd, AGiveUpScoresTheCardsLeftAndTheRowsOutOfSequence)
{
    Book(GetParam());
    SetPile(1, {"Кп", "5ч", "Вк"}); // out of sequence
    SetPile(2, {"Кч", "Дп"});
    Waste({"1ч", "3б", "4к"});
    Stock({"9ч"});
    Paint();
    Click(StockPoint());
    ASSERT_EQ(Button8Mode, 2);
    Sounds();
    RoundEnd::Button8Click(*Form1);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameWon);
    EXPECT_TRUE(Sounds().endsWith("WavKoBads"));
    EXPECT_EQ(Group4::ComputeScore4(), 100 - 4 - 5);
}

INSTANTIATE_TEST_SUITE_P(Modes, BookEnd, ::testing::Values(0, 1, 2));

} // namespace
