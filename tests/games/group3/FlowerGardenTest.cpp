// Flower garden played through real mouse events: bouquet cards by their strips, runs
// between columns and their limits, the returns with and without a flight, the double
// click, the card step, the empty column's place, and the ends in every move mode.
#include "Group3Play.h"

#include "app/RoundEnd.h"
#include "foundation/Scaling.h"
#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_Help2_3_Garden.h"

#include <initializer_list>
#include <string>
#include <vector>

using namespace GameState;
using namespace Group3;
using g3test::Cd;
using Scaling::Scaled;

namespace {

class FlowerPlay : public g3test::Group3Play {
protected:
    void Start(int mode, double zoom = 1.0) { Group3Play::Start(FlowerGarden, mode, zoom); }
    static void Column(int c, std::initializer_list<const char*> list)
    {
        g3test::SetPile(c, list, true);
        ColumnStep[c] = SadFanStep(c);
        RedrawColumn3(c, 0);
    }
    static void Bouquet(std::initializer_list<const char*> list)
    {
        ClearCards(SadReserveCards, SadReserveValues);
        g3test::Fill(SadReserveCards, SadReserveValues, list);
        SadRedrawReserve();
    }
    static void Foundation(int f, std::initializer_list<const char*> list)
    {
        for (int i = 1; i <= 13; ++i) {
            FoundationCards[f][i] = cards::Empty;
            FoundationValues[f][i] = cards::EmptyValue;
        }
        g3test::SetFoundation(f, list);
        RedrawFoundation3(f);
    }
    // Card j of column c by its visible strip; the top card by its middle.
    static QPoint Card(int c, int j)
    {
        const QPoint p = GardenCardAt3(c, j);
        return {p.x() + CardWidth / 2, p.y() + (j == PileCounts[c] - 1 ? CardHeight / 2 : 3)};
    }
    static QPoint TopOf(int c) { return At(ColumnX[c], GardenTopY3(c)); }
    static QPoint BouquetCard(int r) { return {SadReserveX + CardWidth / 2, SadReserveY[r] + (r == 16 ? CardHeight / 2 : 3)}; }
    static QPoint FoundationAt(int f) { return At(FoundationX[f], FoundationY); }
    // Thirteen cards of a built run from the King, starting black.
    static std::vector<std::string> Run(int from, int count)
    {
        const char* ranks[] = {"К", "Д", "В", "1", "9", "8", "7", "6", "5", "4", "3", "2", "Т"};
        std::vector<std::string> out;
        for (int i = from; i < from + count; ++i)
            out.push_back(std::string(ranks[i]) + (i % 2 == 0 ? "п" : "ч"));
        return out;
    }
    static void ColumnOf(int c, const std::vector<std::string>& run)
    {
        for (int s = 1; s <= 104; ++s) {
            PileCards[c][s] = cards::Empty;
            PileValues[c][s] = cards::EmptyValue;
        }
        int n = 0;
        for (const std::string& code : run) {
            PileCards[c][++n] = Cd(code.c_str());
            PileValues[c][n] = g3test::ValueOf(PileCards[c][n]);
        }
        PileCounts[c] = n + 1;
        ColumnStep[c] = SadFanStep(c);
        RedrawColumn3(c, 0);
    }
};

TEST_F(FlowerPlay, EveryBouquetCardIsTakenByItsVisibleStrip)
{
    Start(0);
    for (int r = 1; r <= 16; ++r) {
        SCOPED_TRACE(r);
        const TCardCode card = SadReserveCards[r];
        Press(BouquetCard(r));
        ASSERT_TRUE(DragActive);
        EXPECT_EQ(TargetCard, card);
        EXPECT_EQ(SadReserveCards[r], cards::Empty);
        Release(BouquetCard(r));
        EXPECT_EQ(SadReserveCards[r], card);
    }
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(FlowerPlay, RunsMoveBetweenColumnsAndLiftOnlyAboveABreak)
{
    Start(2);
    Column(1, {"5б", "9п", "8ч", "7к", "6б"});
    Column(2, {"2к", "9б"});
    Column(3, {});
    Column(4, {"Кб", "Дб", "Вп"}); // the Queen on the King is no run
    // A press below the break lifts nothing; from the break up the run goes.
    Press(Card(1, 1));
    EXPECT_FALSE(DragActive);
    Release(Card(1, 1));
    Drag(Card(1, 3), TopOf(2)); // 8 7 6 on a red nine: refused, same colour
    EXPECT_EQ(PileCounts[1], 6);
    Drag(Card(1, 2), TopOf(3)); // 9 8 7 6 onto the empty column
    EXPECT_EQ(PileCounts[3], 5);
    EXPECT_EQ(PileCards[3][1], Cd("9п"));
    EXPECT_EQ(PileCounts[1], 2);
    EXPECT_EQ(MoveCounter, 1);
    Press(Card(4, 1));
    EXPECT_FALSE(DragActive);
    Release(Card(4, 1));
    Drag(Card(4, 2), TopOf(1)); // the Queen and Jack fit no five
    EXPECT_EQ(PileCounts[4], 4);
    // A King goes only onto an empty column; a press on an empty column lifts nothing.
    Column(5, {});
    Column(4, {"Кб"});
    Column(6, {"2п"});
    Drag(TopOf(4), TopOf(6));
    EXPECT_EQ(PileCounts[4], 2);
    Drag(TopOf(4), TopOf(5));
    EXPECT_EQ(PileCards[5][1], Cd("Кб"));
    Sounds();
    Press(TopOf(4));
    EXPECT_FALSE(DragActive);
    Release(TopOf(4));
    EXPECT_EQ(MoveCounter, 2);
}

TEST_F(FlowerPlay, RefusedRunsReturnWithoutAFlightAndBouquetCardsFlyFromAfar)
{
    Start(2);
    Column(1, {"9к", "8ч", "7к"});
    Column(2, {"Кб"});
    Foundation(1, {});
    Drag(Card(1, 2), FoundationAt(1));
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    Drag(TopOf(1), TopOf(2));
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(flightSteps, 0);
    Sounds();
    Bouquet({"5п"});
    Drag(BouquetCard(1), BouquetCard(1) + QPoint(Scaled(30) - 1, 0));
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown");
    Drag(BouquetCard(1), TopOf(2));
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(SadReserveCards[1], Cd("5п"));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // A run dropped back on its own column sounds but does not count.
    Drag(Card(1, 2), Card(1, 2) + QPoint(2, 3));
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(FlowerPlay, AColumnHoldsTwentyCardsAndItsStepSqueezesFromNine)
{
    Start(0);
    ColumnOf(1, Run(0, 8));
    EXPECT_EQ(ColumnStep[1], Scaled(25));
    ColumnOf(2, Run(8, 5));
    Drag(Card(2, 1), TopOf(1)); // in move mode 0 too, a drag
    EXPECT_EQ(PileCounts[1], 14);
    EXPECT_EQ(PileCounts[2], 1);
    EXPECT_EQ(ColumnStep[1], Scaling::RoundHalfEven((Scaled(280) + Scaled(10) - CardHeight) / 13.0));
    EXPECT_EQ(MoveCounter, 1);
    // Nineteen cards take a twentieth, and no more.
    std::vector<std::string> nineteen(9, "Тб");
    for (const std::string& c : Run(0, 10))
        nineteen.push_back(c);
    ColumnOf(3, nineteen);
    Bouquet({"3к", "2б"});
    Drag(BouquetCard(1), TopOf(3));
    EXPECT_EQ(PileCounts[3], 21);
    Drag(BouquetCard(2), TopOf(3));
    EXPECT_EQ(PileCounts[3], 21);
    EXPECT_EQ(SadReserveCards[2], Cd("2б"));
    EXPECT_LE(GardenTopY3(3) + CardHeight, ColumnTop + Scaled(290));
}

TEST_F(FlowerPlay, TheDoubleClickSoundsForTheThirteenthCardAndADropDoesNot)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Foundation(2, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"});
        Column(3, {"Кп"});
        DoubleClick(TopOf(3));
        EXPECT_EQ(FoundationCounts[2], 14);
        EXPECT_EQ(PileCounts[3], 1);
        EXPECT_EQ(flightSteps > 0, mode != 0); // no flight in "Click and No Fly"
        EXPECT_TRUE(Sounds().contains("WavStopka"));
        Start(mode);
        Foundation(2, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"});
        Column(3, {"Кп"});
        Drag(TopOf(3), FoundationAt(2));
        EXPECT_EQ(FoundationCounts[2], 14);
        EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    }
}

TEST_F(FlowerPlay, AnEmptyColumnAnswersOverItsMarkerAndNotOverTheFoundation)
{
    Start(2);
    Column(2, {});
    Foundation(1, {});
    Bouquet({"Тк"});
    // The lowest pixel row of the foundation above column 2 takes the Ace there.
    Drag(BouquetCard(1), {ColumnX[2] + CardWidth / 2, FoundationY + CardHeight});
    EXPECT_EQ(FoundationCounts[1], 2);
    EXPECT_EQ(PileCounts[2], 1);
    Bouquet({"9к"});
    Drag(BouquetCard(1), {ColumnX[2] + CardWidth / 2, ColumnTop + CardHeight - 2});
    EXPECT_EQ(PileCards[2][1], Cd("9к"));
}

TEST_F(FlowerPlay, APendingDragIsPutBackByADoubleClick)
{
    Start(2);
    const int n = PileCounts[4];
    Press(TopOf(4));
    ASSERT_TRUE(DragActive);
    DoubleClickOnly({2, 2});
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(PileCounts[4], n);
    Release({2, 2});
}

TEST_F(FlowerPlay, TheGameIsWonGivenUpOrStuckInEveryMode)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Bouquet({"Тк"});
        for (int c = 1; c <= 6; ++c)
            Column(c, {});
        Foundation(1, {});
        Drag(BouquetCard(1), FoundationAt(1));
        ExpectRoundEnded(true);
    }
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        RoundEnd::Button8Click(*Form1);
        ExpectRoundEnded(false);
    }
    Start(2);
    Bouquet({"9ч", "9б"});
    Column(1, {"8б", "2ч"});
    for (int c = 2; c <= 6; ++c)
        Column(c, {"5б", "Кч"});
    Drag(TopOf(1), TopOf(2));
    ExpectRoundEnded(false);
}

} // namespace
