// Scripted Monte Carlo rounds through real mouse events on the table, and the closing
// of the gaps.
#include "Group4PlayTable.h"

#include "foundation/Celebration.h"
#include "foundation/Scaling.h"
#include "games/group4/Qyv_21_Monte.h"
#include "games/kit/KitCursors.h"

#include <array>

namespace {

using namespace GameState;
using g4test::Cd;

// The card of reading position k (1..24) of a grid without a neighbouring pair: ranks
// run through the thirteen, so neighbours (1, 5, 6 or 7 positions apart) never match,
// and the suit changes after the thirteenth.
TCardCode Unpaired(int k)
{
    const char code[3] = {cards::RankOrder[(k - 1) % 13], cards::SuitOrder[(k - 1) / 13], 0};
    return TCardCode(code);
}

class MontePlay : public g4test::Group4Play {
protected:
    void Lay(int game, int mode)
    {
        LayRound(game, mode);
        ExtraPileCount = 0;
    }
    static void Put(int p, int s, const TCardCode& c)
    {
        PileCards[p][s] = c;
        PileValues[p][s] = g4test::ValueOf(c);
    }
    static void Put(int p, int s, const char* c) { Put(p, s, Cd(c)); }
    // Every place filled without a neighbouring pair.
    static void FullGrid()
    {
        for (int k = 1; k <= 24; ++k)
            Put((k - 1) % 6 + 1, (k - 1) / 6 + 1, Unpaired(k));
    }
    // The Monte Carlo stock counts in ExtraPileCount, its last card on top.
    static void MonteStock(std::initializer_list<const char*> list)
    {
        Stock(list);
        ExtraPileCount = StockCount;
        StockCount = 0;
    }
    void Paint()
    {
        for (int p = 1; p <= 6; ++p)
            for (int s = 1; s <= 4; ++s)
                Group4::RedrawColumn4(p, s);
        Group4::RedrawStockWaste4();
        Sounds();
        presenter.dialogs.clear();
    }
    static QPoint At(int p, int s) { return {GridX[p][s] + CardWidth / 2, GridY[p][s] + CardHeight / 2}; }
    static bool Empty(int p, int s) { return PileCards[p][s] == cards::Empty; }
};

TEST_F(MontePlay, OnlyNeighboursPairAndAFarMatchKeepsTheSelection)
{
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    for (int mode = 0; mode <= 1; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::MonteCarlo, mode);
        Put(6, 1, "9ч");
        Put(6, 3, "9п"); // two rows below: no neighbour
        Put(5, 2, "9б"); // diagonal to both
        Put(6, 4, "Дч");
        Put(5, 4, "Дп");
        Paint();
        Click(At(6, 1));
        EXPECT_EQ(Sounds(), "WavDown");
        Move(At(6, 3), Qt::NoButton);
        EXPECT_EQ(Form1->ImageStol->cursor().shape(), hand);
        Click(At(6, 3));
        EXPECT_EQ(SelectedPile, 6);
        EXPECT_EQ(SelectedSlot, 1);
        EXPECT_FALSE(Empty(6, 3));
        EXPECT_EQ(Sounds(), "");
        flightSteps = 0;
        Click(At(5, 2));
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(Sounds(), "WavCardUp");
        // The two nines gone; the last nine closes up to the queens.
        EXPECT_EQ(PileCards[4][4], Cd("9п"));
        EXPECT_TRUE(Empty(6, 3));
        EXPECT_TRUE(Empty(6, 1));
        EXPECT_TRUE(Empty(5, 2));
        EXPECT_EQ(mode == 1, flightSteps > 0);
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(MontePlay, ClicksOnNoCardChangeNothing)
{
    Lay(Group4::MonteCarloBySuit, 0);
    Put(5, 4, "9ч");
    Put(6, 4, "2ч");
    Paint();
    const QImage before = Shown().copy();
    const QPoint gap = At(1, 1);
    const QPoint between{GridX[1][1] + CardWidth + 1, GridY[1][1] + CardHeight / 2};
    for (QPoint p : {gap, between}) {
        Click(p);
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(SelectedSlot, 0);
        EXPECT_EQ(Sounds(), "");
        EXPECT_EQ(Text(Difference(before, Shown())), "none");
    }
    Click(At(6, 4));
    Click(At(6, 4));
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(Text(Difference(before, Shown())), "none");
}

TEST_F(MontePlay, ARemovalFromAFullGridClosesTheGapsAndRefillsTheFirstPlaces)
{
    Lay(Group4::MonteCarlo, 0);
    FullGrid();
    // Places 8 (2, 2) and 15 (3, 3) are diagonal neighbours of one rank.
    Put(2, 2, "Кч");
    Put(3, 3, "Кп");
    MonteStock({"3б", "7к", "Тп"});
    std::array<TCardCode, 25> before;
    for (int k = 1; k <= 24; ++k)
        before[std::size_t(k)] = PileCards[(k - 1) % 6 + 1][(k - 1) / 6 + 1];
    Paint();
    flightSteps = 0;
    Click(At(2, 2));
    Click(At(3, 3));
    auto at = [](int k) { return PileCards[(k - 1) % 6 + 1][(k - 1) / 6 + 1]; };
    for (int k = 16; k <= 24; ++k)
        EXPECT_EQ(at(k), before[std::size_t(k)]) << k;
    for (int k = 9; k <= 14; ++k)
        EXPECT_EQ(at(k + 1), before[std::size_t(k)]) << k;
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(at(k + 2), before[std::size_t(k)]) << k;
    EXPECT_EQ(PileCards[2][1], Cd("Тп"));
    EXPECT_EQ(PileCards[1][1], Cd("7к"));
    EXPECT_EQ(ExtraPileCount, 1);
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Group4::MonteCardsLeft4(), 25);
}

TEST_F(MontePlay, WithTheStockEmptyTheClosingStopsOnceTheGapsLeadTheCards)
{
    Lay(Group4::MonteCarlo, 0);
    Put(1, 1, "2ч");
    Put(4, 1, "5ч");
    Put(2, 3, "8ч");
    Put(6, 4, "Вп");
    EXPECT_TRUE(Group4::MonteCanConsolidate());
    Group4::MonteConsolidate();
    EXPECT_FALSE(Group4::MonteCanConsolidate());
    EXPECT_EQ(PileCards[3][4], Cd("2ч"));
    EXPECT_EQ(PileCards[4][4], Cd("5ч"));
    EXPECT_EQ(PileCards[5][4], Cd("8ч"));
    EXPECT_EQ(PileCards[6][4], Cd("Вп"));
    EXPECT_EQ(Group4::MonteCardsLeft4(), 4);
    // Already closed: nothing to do, even with gaps.
    Put(1, 1, "##");
    EXPECT_FALSE(Group4::MonteCanConsolidate());
}

TEST_F(MontePlay, AFullGridWithoutAPairEndsLostThoughTheStockHoldsCards)
{
    Lay(Group4::MonteCarlo, 0);
    FullGrid();
    MonteStock({"3б", "7к"});
    Paint();
    Click(At(3, 3));
    ExpectRoundEnded(false);
}

TEST_F(MontePlay, TheLastPairWins)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::MonteCarloBySuit, mode);
        Put(5, 4, "9ч");
        Put(6, 4, "2ч");
        Paint();
        if (mode == 2) {
            Drag(At(5, 4), At(6, 4));
        } else {
            Click(At(5, 4));
            Click(At(6, 4));
        }
        ExpectRoundEnded(true);
        Celebration::StopWinBalloons();
    }
}

TEST_F(MontePlay, DragsPairNeighboursAndSendRefusedCardsBack)
{
    Lay(Group4::MonteCarlo, 2);
    Put(1, 4, "Кч");
    Put(2, 4, "Кп");
    Put(3, 4, "9б");
    Put(4, 4, "5ч");
    Put(5, 4, "9ч");
    Put(6, 4, "5п");
    Paint();
    // Within Scaled(20): back at once, but with "WavCancel".
    flightSteps = 0;
    Drag(At(5, 4), At(5, 4) + QPoint(Scaling::Scaled(10), 0));
    EXPECT_EQ(PileCards[5][4], Cd("9ч"));
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // Exactly Scaled(20) (the sprite's corner, CardInset before the card): no flight.
    Drag(At(5, 4), At(5, 4) + QPoint(Scaling::Scaled(20) + CardInset, CardInset));
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // A nine two places away is no neighbour: flies home.
    Drag(At(5, 4), At(3, 4));
    EXPECT_EQ(PileCards[5][4], Cd("9ч"));
    EXPECT_EQ(PileCards[3][4], Cd("9б"));
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(flightEnd, QPoint(GridX[5][4], GridY[5][4]));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    // The two kings are neighbours: both leave, and nothing pairs after them.
    Drag(At(2, 4), At(1, 4));
    EXPECT_TRUE(Sounds().startsWith("WavDown WavCardUp"));
    EXPECT_TRUE(Empty(1, 4));
    EXPECT_TRUE(Empty(2, 4));
    EXPECT_EQ(PileCards[3][4], Cd("9б"));
    EXPECT_EQ(DragActive, 0);
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameWon);
}

TEST_F(MontePlay, RightPressDuringADragLosesNoCard)
{
    Lay(Group4::MonteCarlo, 2);
    Put(5, 4, "9ч");
    Put(6, 4, "9п");
    Paint();
    Press(At(5, 4));
    ASSERT_EQ(DragActive, 1);
    Press(At(6, 4), Qt::RightButton);
    EXPECT_EQ(TargetCard, Cd("9ч"));
    EXPECT_EQ(PileCards[6][4], Cd("9п"));
    Release(At(5, 4));
    EXPECT_EQ(PileCards[5][4], Cd("9ч"));
    EXPECT_EQ(DragActive, 0);
}

} // namespace
