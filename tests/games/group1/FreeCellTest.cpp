// Free Cell: the click protocol with its run moves through the free places, the
// automatic moves to the foundations, drag and drop, the double click and the end of
// a game, driven through the card table.
#include "SpiderFreeCellTestSupport.h"

#include "app/RoundStart.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Texts.h"

namespace {

using namespace spiderfc_test;
using namespace GameState;
using Group1::FreeCell;

class FreeCellPlay : public TableFixture {
protected:
    // A table where nothing goes up by itself, no pile is in order, and pile moves stay
    // possible (a red queen can go on a black king), so no game ends by accident.
    void Quiet()
    {
        Table(FreeCell);
        for (int p = 3; p <= 8; ++p)
            Pile(p, {"3ч", "Кп"});
        Pile(8, {"3ч", "Дч"});
    }
    int FoundationCards(int f) const { return FoundationNextSlot[f] - 1; }
};

// ---- runs through the free places ----

struct RunCase {
    int mode;
    int runLength;     // k + 1 cards, the lowest a red eight
    int emptyCells;
    int emptyPiles;    // taken from piles 7, 6, ...
};

class FreeCellRun : public FreeCellPlay, public ::testing::WithParamInterface<RunCase> {};

TEST_P(FreeCellRun, RunOfKPlusOneCardsMovesThroughKFreePlacesAndCountsTwoKPlusOne)
{
    const RunCase c = GetParam();
    Settings::MoveMode = c.mode;
    Quiet();
    Pile(1, {"3ч", "9п"});
    static const char* run[] = {"8ч", "7п", "6ч", "5п"};
    std::vector<const char*> source{"4б"};
    for (int i = 0; i < c.runLength; ++i)
        source.push_back(run[i]);
    engine_test::SetPile(2, {}, 0);
    for (std::size_t i = 0; i < source.size(); ++i) {
        PileCards[2][int(i) + 1] = Cd(source[i]);
        PileValues[2][int(i) + 1] = engine_test::ValueOf(Cd(source[i]));
    }
    PileCardCount[2] = int(source.size());
    static const char* fillers[] = {"Вп", "Вк", "1п", "1к"};
    for (int i = 0; i < 4 - c.emptyCells; ++i)
        Cell(i + 1, fillers[i]);
    for (int e = 0; e < c.emptyPiles; ++e)
        Pile(7 - e, {});
    const int k = c.runLength - 1;

    Click(OnTop(2));
    Click(OnTop(1));

    EXPECT_EQ(MoveCounter, 2 * k + 1);
    QStringList expected{QString::fromUtf8("3ч"), QString::fromUtf8("9п")};
    for (int i = 0; i < c.runLength; ++i)
        expected << QString::fromUtf8(run[i]);
    EXPECT_EQ(PileText(1), expected);
    EXPECT_EQ(PileText(2), QStringList{QString::fromUtf8("4б")});
    for (int e = 0; e < c.emptyPiles; ++e)
        EXPECT_EQ(PileCardCount[7 - e], 0) << "a parking pile is empty again";
    int emptyCellsAfter = 0;
    for (int cell = 1; cell <= 4; ++cell)
        emptyCellsAfter += FreeCellCards[cell] == cards::Empty ? 1 : 0;
    EXPECT_EQ(emptyCellsAfter, c.emptyCells);
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(int(flights.size()), c.mode == 1 ? 2 * k + 1 : 0);
    EXPECT_EQ(Sounds(), QStringList(c.mode == 1 ? 2 * k + 1 : 1, "WavCardUp")) << "every flown card lands audibly";
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeCellRun,
                         ::testing::Values(RunCase{0, 1, 0, 0}, RunCase{0, 2, 1, 0}, RunCase{1, 2, 0, 1},
                                           RunCase{0, 4, 2, 1}, RunCase{1, 4, 1, 2}, RunCase{1, 3, 2, 0}));

TEST_F(FreeCellPlay, RunLongerThanTheFreePlacesAllowStaysAndKeepsTheSelection)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"3ч", "9п"});
    Pile(2, {"4б", "8ч", "7п", "6ч"});
    FillCells({"Вп", "Вк", "1п"}); // one free place for a run of three

    Click(OnTop(2));
    Sounds();
    Click(OnTop(1));

    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(PileCardCount[2], 4);
    EXPECT_EQ(SelectedPile, 2);
    EXPECT_TRUE(Sounds().isEmpty());
}

TEST_F(FreeCellPlay, OntoAnEmptyPileTheTopCardMovesAlone)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"3ч", "9п"});
    Pile(2, {"4б", "8ч", "7п", "6ч"});
    Pile(7, {});

    Click(OnTop(2));
    Click(OnTop(7));

    EXPECT_EQ(PileText(7), QStringList{QString::fromUtf8("6ч")});
    EXPECT_EQ(PileCardCount[2], 3);
    EXPECT_EQ(MoveCounter, 1);
}

TEST(FreeCellRunStartRule, FindsTheRunThatFitsWithinTheFreePlaces)
{
    struct Case {
        int freeCells;
        const char* target;
        bool expected;
        int start;
    };
    // Pile 1: 4б 8ч 7п 6ч 5п (slots 1..5); no empty piles.
    const Case cases[] = {
        {0, "6ч", true, 5},   // the top card alone
        {0, "9п", false, 0},  // four cards, no free place
        {3, "9п", true, 2},   // four cards, three free places
        {2, "9п", false, 0},
        {2, "8б", true, 3},   // three cards onto a red eight
        {1, "8б", false, 0},
        {4, "5б", false, 0},  // nothing in the run fits
        {4, "Кп", false, 0},  // the run ends at the red eight, which needs a black nine
    };
    for (const Case& c : cases) {
        engine_test::EmptyTable(FreeCell);
        LayoutPileCount = 8;
        engine_test::SetPile(1, {"4б", "8ч", "7п", "6ч", "5п"});
        engine_test::SetPile(2, {c.target});
        for (int p = 3; p <= 8; ++p)
            engine_test::SetPile(p, {"Кч"});
        for (int cell = 1; cell <= 4 - c.freeCells; ++cell)
            FreeCellCards[cell] = Cd("Вп");
        int start = -1;
        EXPECT_EQ(Group1::FreeCellRunStart(1, 2, start), c.expected) << c.target << " with " << c.freeCells;
        EXPECT_EQ(start, c.start) << c.target << " with " << c.freeCells;
    }
    ResetGameState();
}

// ---- the click protocol ----

TEST_F(FreeCellPlay, SecondPressOnTheSelectionOrANonTargetFollowsTheTable)
{
    Settings::MoveMode = 0;
    struct Case {
        const char* what;
        bool selectCell;   // else pile 1's top card
        QPoint (FreeCellPlay::*target)(int) const;
        int targetIndex;
        int selectedAfter;
        QStringList sounds;
        int moves;
    };
    const Case cases[] = {
        {"pile, then its own top card", false, &FreeCellPlay::OnTop, 1, 0, {"WavCancel"}, 0},
        {"pile, then an occupied cell", false, &FreeCellPlay::OnCell, 2, 1, {}, 0},
        {"pile, then an empty cell", false, &FreeCellPlay::OnCell, 3, 0, {"WavCardUp"}, 1},
        {"cell, then the same cell", true, &FreeCellPlay::OnCell, 1, 0, {"WavCancel"}, 0},
        {"cell, then an empty cell", true, &FreeCellPlay::OnCell, 4, 0, {"WavCardUp"}, 1},
        {"cell, then a pile that refuses it", true, &FreeCellPlay::OnTop, 1, 21, {}, 0},
        {"cell, then a foundation that refuses it", true, &FreeCellPlay::OnFoundation, 1, 21, {}, 0},
    };
    for (const Case& c : cases) {
        Quiet();
        Pile(1, {"3ч", "9п"});
        Cell(1, "Вб");
        Cell(2, "Вк");
        MoveCounter = 0;
        Click(c.selectCell ? OnCell(1) : OnTop(1));
        EXPECT_EQ(SelectedPile, c.selectCell ? 21 : 1) << c.what;
        EXPECT_EQ(Sounds(true), QStringList{"WavDown"}) << c.what;
        Click((this->*c.target)(c.targetIndex));
        EXPECT_EQ(SelectedPile, c.selectedAfter) << c.what;
        EXPECT_EQ(Sounds(), c.sounds) << c.what;
        EXPECT_EQ(MoveCounter, c.moves) << c.what;
    }
}

TEST_F(FreeCellPlay, SelectionFrameIsDrawnAndTakenAwayAgain)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"3ч", "9п"});
    Group1::RedrawColumn1(1, 0);
    const QRect card(ColumnX[1], ColumnTop + PileFanStep[1], CardWidth, CardHeight);
    auto shown = [&] { return Form1->ImageStol->canvas().image().copy(card); };
    const QImage before = shown();
    Click(OnTop(1));
    EXPECT_NE(shown(), before);
    Click(OnTop(1));
    EXPECT_EQ(shown(), before);
}

TEST_F(FreeCellPlay, CellCardGoesToAPileAndToAFoundationByClicks)
{
    Settings::MoveMode = 1;
    Quiet();
    Pile(1, {"3ч", "9п"});
    Cell(1, "8ч");
    engine_test::SetFoundation(1, {"Тб", "2б", "3б"});
    Cell(2, "4б");
    engine_test::SetFoundation(2, {"Тп"});

    Click(OnCell(1));
    Click(OnTop(1));
    Click(OnCell(2));
    Click(OnFoundation(1));

    EXPECT_EQ(PileText(1).last(), QString::fromUtf8("8ч"));
    EXPECT_EQ(FoundationNextSlot[1], 5);
    EXPECT_EQ(FreeCellCards[1], cards::Empty);
    EXPECT_EQ(FreeCellCards[2], cards::Empty);
    EXPECT_EQ(MoveCounter, 2);
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_LE((flights[0].from - QPoint(FreeCellX[1], FreeCellY)).manhattanLength(), 2);
    EXPECT_EQ(flights[1].to, QPoint(FoundationX[1], FoundationY));
}

TEST_F(FreeCellPlay, WithASelectionTheHandShowsWhereTheNextPressWouldAct)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"3ч", "9п"});      // takes the run from its red eight
    Pile(2, {"4б", "8ч", "7п"});
    Pile(3, {"3ч", "8б"});      // takes the seven alone
    Cell(1, "Вб");
    Click(OnTop(2));
    ASSERT_EQ(SelectedPile, 2);
    struct Case {
        const char* what;
        QPoint at;
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {"a pile the run fits on", OnTop(1), Qt::PointingHandCursor},
        {"a pile the top card fits on", OnTop(3), Qt::PointingHandCursor},
        {"the selected pile", OnTop(2), Qt::PointingHandCursor},
        {"a pile nothing fits on", OnTop(4), Qt::ArrowCursor},
        {"an empty cell", OnCell(2), Qt::PointingHandCursor},
        {"an occupied cell", OnCell(1), Qt::ArrowCursor},
        {"a foundation that refuses", OnFoundation(1), Qt::ArrowCursor},
        {"nowhere", QPoint(5, 490), Qt::ArrowCursor},
    };
    for (const Case& c : cases) {
        Move(c.at);
        EXPECT_EQ(Form1->ImageStol->cursor().shape(), c.shape) << c.what;
    }
}

// ---- automatic moves ----

TEST_F(FreeCellPlay, AutoPlayMovesCardsAtMostOneAboveTheLowestFoundation)
{
    Settings::MoveMode = 0;
    Quiet();
    engine_test::SetFoundation(1, {"Тч", "2ч"});
    engine_test::SetFoundation(2, {"Тб", "2б", "3б"});
    engine_test::SetFoundation(3, {"Тк", "2к", "3к"});
    engine_test::SetFoundation(4, {"Тп", "2п", "3п", "4п", "5п"});
    Pile(1, {"Кб", "3ч"});
    Pile(2, {"Кк", "4к"});
    Pile(7, {"Кч", "6п"});
    Cell(1, "4б");

    Group1::FreeCellAutoPlay();

    EXPECT_EQ(FoundationCards(1), 3);
    EXPECT_EQ(FoundationCards(2), 4);
    EXPECT_EQ(FoundationCards(3), 4);
    EXPECT_EQ(FoundationCards(4), 5) << "the six waits for the lowest foundation";
    EXPECT_EQ(PileText(7).last(), QString::fromUtf8("6п"));
    EXPECT_EQ(FreeCellCards[1], cards::Empty);
    EXPECT_EQ(MoveCounter, 0) << "automatic moves are not counted";
    EXPECT_EQ(Sounds(), (QStringList{"WavCardUp", "WavCardUp", "WavCardUp"}));
}

TEST_F(FreeCellPlay, AcesGoUpAsSoonAsTheyAreFreeAndATwoWaitsForItsAce)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"Кб", "Тч"});
    Pile(2, {"Тб", "2п"});   // the two of spades covers the ace of diamonds
    Cell(1, "Тк");
    Cell(2, "2ч");

    Group1::FreeCellAutoPlay();

    EXPECT_EQ(FoundationCards(1) + FoundationCards(2) + FoundationCards(3) + FoundationCards(4), 3);
    EXPECT_EQ(PileText(2).last(), QString::fromUtf8("2п"));
    EXPECT_EQ(FreeCellCards[2], cards::Empty) << "the two of hearts followed its ace";
}

TEST_F(FreeCellPlay, AutoPlayRunsAfterAPlayerMoveAndFliesInTheFlyingModes)
{
    Settings::MoveMode = 1;
    Quiet();
    Pile(1, {"Тп", "8ч"});
    Pile(2, {"3ч", "9п"});

    Click(OnTop(1));
    Click(OnTop(2));

    EXPECT_EQ(FoundationNextSlot[1], 2) << "the ace set free went up";
    EXPECT_EQ(PileCardCount[1], 0);
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[1].to, QPoint(FoundationX[1], FoundationY));
    EXPECT_EQ(MoveCounter, 1);
}

// ---- drag and drop ----

TEST_F(FreeCellPlay, DropsCountExceptBackOntoTheirOwnPlace)
{
    struct Case {
        const char* what;
        QPoint (FreeCellPlay::*from)(int) const;
        int fromIndex;
        QPoint (FreeCellPlay::*to)(int) const;
        int toIndex;
        int moves;
    };
    const Case cases[] = {
        {"pile card onto another pile", &FreeCellPlay::OnTop, 1, &FreeCellPlay::OnTop, 2, 1},
        {"pile card back onto its own pile", &FreeCellPlay::OnTop, 1, &FreeCellPlay::OnTop, 1, 0},
        {"pile card into an empty cell", &FreeCellPlay::OnTop, 1, &FreeCellPlay::OnCell, 3, 1},
        {"cell card back into its own cell", &FreeCellPlay::OnCell, 1, &FreeCellPlay::OnCell, 1, 0},
        {"cell card into another empty cell", &FreeCellPlay::OnCell, 1, &FreeCellPlay::OnCell, 4, 1},
    };
    for (const Case& c : cases) {
        Settings::MoveMode = 2;
        Quiet();
        Pile(1, {"9п", "8ч"});
        Pile(2, {"3ч", "9к"});
        Cell(1, "Вб");
        MoveCounter = 0;
        const QPoint to = (this->*c.to)(c.toIndex);
        Drag((this->*c.from)(c.fromIndex), to);
        EXPECT_EQ(MoveCounter, c.moves) << c.what;
        EXPECT_EQ(Sounds(), QStringList{"WavCardUp"}) << c.what;
        EXPECT_FALSE(DragActive) << c.what;
        int cards = 0;
        for (int p = 1; p <= 8; ++p)
            cards += PileCardCount[p];
        for (int cell = 1; cell <= 4; ++cell)
            cards += FreeCellCards[cell] == cards::Empty ? 0 : 1;
        EXPECT_EQ(cards, 4 + 12 + 1) << c.what;
    }
}

TEST_F(FreeCellPlay, RefusedDropGoesHomeFlyingOnlyFromAfar)
{
    struct Case {
        QPoint offset; // from the press point
        bool flies;
        bool cancel;
    };
    const Case cases[] = {
        {{0, 0}, false, false},
        {{12, 12}, false, false},  // within 20 of home and 30 of the press
        {{25, 0}, true, false},    // far enough from home to fly, silent
        {{0, 200}, true, true},
    };
    for (const Case& c : cases) {
        Settings::MoveMode = 2;
        Quiet();
        Pile(1, {"Кп", "Дп"});
        const QPoint from = OnTop(1);
        flights.clear();
        Sounds();
        Drag(from, from + c.offset);
        EXPECT_EQ(PileText(1).last(), QString::fromUtf8("Дп")) << c.offset.x() << "," << c.offset.y();
        EXPECT_EQ(!flights.empty(), c.flies) << c.offset.x() << "," << c.offset.y();
        if (c.flies) {
            EXPECT_EQ(flights.back().to, QPoint(ColumnX[1], ColumnTop + PileFanStep[1]));
        }
        EXPECT_EQ(Sounds().contains("WavCancel"), c.cancel) << c.offset.x() << "," << c.offset.y();
        EXPECT_EQ(MoveCounter, 0);
    }
}

TEST_F(FreeCellPlay, DoubleClickSendsACardUpOnlyInDragModeSilentlyAndUncounted)
{
    for (int mode : {0, 2}) {
        Settings::MoveMode = mode;
        Quiet();
        Pile(1, {"Кп", "3ч"});
        engine_test::SetFoundation(1, {"Тч", "2ч"});
        Cell(1, "4ч");
        // The window's order, with the sounds of the double click itself kept apart.
        const QPoint at = OnTop(1);
        Click(at);
        Sounds();
        TableDispatch::ImageStolDblClick();
        const QStringList sounds = Sounds();
        Click(at);
        if (mode == 2) {
            EXPECT_EQ(FoundationNextSlot[1], 4);
            EXPECT_EQ(PileText(1), QStringList{QString::fromUtf8("Кп")});
            EXPECT_TRUE(sounds.isEmpty()) << sounds.join(' ').toStdString();
        } else {
            EXPECT_EQ(FoundationNextSlot[1], 3);
            EXPECT_EQ(PileCardCount[1], 2);
        }
        EXPECT_EQ(MoveCounter, 0) << mode;
    }
}

TEST_F(FreeCellPlay, DoubleClickFindingADragStillActivePutsTheCellCardBack)
{
    Settings::MoveMode = 2;
    Quiet();
    Cell(1, "Вб");
    Press(OnCell(1));
    ASSERT_TRUE(DragActive);
    LastUpX = OnCell(1).x();
    LastUpY = OnCell(1).y();
    TableDispatch::ImageStolDblClick();
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(FreeCellCards[1], Cd("Вб"));
}

// ---- the end of a game ----

TEST_F(FreeCellPlay, GameEndsWonWhenEveryPileIsInOrderWithCardsLeft)
{
    Settings::MoveMode = 0;
    Table(FreeCell);
    Pile(1, {"9п"});
    Pile(2, {"Кч", "8ч"});
    Pile(3, {"Дп", "Вч"});

    Click(OnTop(2));
    Sounds();
    Click(OnTop(1));

    EXPECT_EQ(Sounds(), (QStringList{"WavCardUp", "WavKoGood"}));
    EXPECT_TRUE(GameOver);
    EXPECT_TRUE(GameWon);
    EXPECT_TRUE(Celebration::WinBalloonsPending);
    EXPECT_EQ(presenter.dialogs, QStringList{"FormCount"});
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToMenu));
    EXPECT_TRUE(Form1->Button8->isEnabled());
}

TEST_F(FreeCellPlay, GameEndsStuckWhenTheLastCellIsFilledAndNothingMoves)
{
    Settings::MoveMode = 0;
    Table(FreeCell);
    const char* tops[] = {"5к", "7п", "9к", "Вп", "4к", "6п", "8к"};
    for (int p = 1; p <= 7; ++p)
        Pile(p, {"Кп", tops[p - 1]});
    Pile(8, {"Кк", "Дк", "1к"});
    FillCells({"3п", "5п", "7к"});

    Click(OnTop(8));
    Sounds();
    Click(OnCell(4));

    EXPECT_EQ(Sounds(), (QStringList{"WavCardUp", "WavKoBads"}));
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameWon);
    EXPECT_FALSE(Celebration::WinBalloonsPending);
    EXPECT_EQ(presenter.dialogs, QStringList{"FormCount"});
}

TEST_F(FreeCellPlay, GiveUpIsOfferedOnlyWhenNoCardCanGoToACellOrAFoundation)
{
    Settings::MoveMode = 0;
    Quiet();
    Pile(1, {"3ч", "9п"});
    Click(OnTop(1));
    Click(OnTop(1));
    EXPECT_FALSE(Form1->Button8->isEnabled()) << "cells are free";

    FillCells({"Вп", "Вк", "1п", "1к"});
    Click(OnTop(1));
    Click(OnTop(1));
    EXPECT_TRUE(Form1->Button8->isEnabled());
    EXPECT_FALSE(GameOver) << "the queen can still go on a king";
}

TEST_F(FreeCellPlay, FirstActionButtonStartsPlayWithTheAutomaticMoves)
{
    Quiet();
    Pile(1, {"3ч", "Тп"});
    RoundPhase = 1;
    Form1->Button7->setText(Texts::Tx(Texts::TxtToBegin));
    RoundStart::Button7Click(*Form1);
    EXPECT_EQ(RoundPhase, 2);
    EXPECT_EQ(FoundationNextSlot[1], 2);
    EXPECT_EQ(PileText(1), QStringList{QString::fromUtf8("3ч")});
}

} // namespace
