// Group-3 rules without a window: stack and fan steps, the Flower garden / 8 Sages and
// Picture Gallery placement helpers, hit tests, the won test and the move search.
#include "Group3TestSupport.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_42_8Mud.h"

#include <gtest/gtest.h>

using namespace GameState;
using namespace Group3;
using g3test::Cd;
using g3test::EmptyTable;
using g3test::Fill;
using g3test::SetFoundation;
using g3test::SetPile;

namespace {

class Group3Rules : public ::testing::Test {
protected:
    void TearDown() override
    {
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }
};

TEST_F(Group3Rules, StackEdgeStepsFollowTheirBands)
{
    const int twoPacks[][2] = {{0, 0}, {9, 0}, {10, 2}, {19, 2}, {20, 4}, {89, 16}, {90, 18}, {98, 18}, {99, 20}, {104, 20}};
    for (const auto& c : twoPacks)
        EXPECT_EQ(StackEdgeStep3(c[0]), c[1]) << c[0];
    const int onePack[][2] = {{0, 0}, {5, 0}, {6, 2}, {10, 2}, {11, 4}, {46, 18}, {50, 18}, {51, 20}, {52, 20}};
    for (const auto& c : onePack)
        EXPECT_EQ(StackEdgeStepOneDeck3(c[0]), c[1]) << c[0];
}

TEST_F(Group3Rules, CalculationFanStepSqueezesAboveTheLowestThirtyPixels)
{
    EmptyTable(Calculation);
    // room = 500 - PosY - 30 - CardHeight
    const int room = 500 - PosY[1] - 30 - CardHeight;
    ASSERT_EQ(room, 500 - (96 + 70) - 30 - 96);
    struct Case {
        int cards;
        int step;
    };
    const Case cases[] = {{0, 20}, {1, 20}, {10, 20}, {11, Scaling::RoundHalfEven(room / 11.0)}, {48, 4}, {300, 1}};
    for (const auto& c : cases) {
        PileCounts[1] = c.cards + 1;
        EXPECT_EQ(FanStep3(1), c.step) << c.cards;
    }
    // Rounding up never lets the top card reach into the foot: 31 cards would round
    // 208 / 31 up to 7 and end 2 pixels low.
    for (int cards = 11; cards <= 48; ++cards) {
        PileCounts[1] = cards + 1;
        EXPECT_LE(FanStep3(1) * (cards - 1), room) << cards;
    }
    PileCounts[1] = 32;
    EXPECT_EQ(FanStep3(1), 6);
    // No room at all: never a division by zero, never below one pixel.
    PosY[1] = 480;
    PileCounts[1] = 1;
    EXPECT_EQ(FanStep3(1), 20);
    PileCounts[1] = 6;
    EXPECT_EQ(FanStep3(1), 1);
}

TEST_F(Group3Rules, FlowerGardenFanStepKeepsColumnsInTheirBand)
{
    EmptyTable(FlowerGarden);
    for (int next : {1, 2, 9}) {
        PileCounts[1] = next;
        EXPECT_EQ(SadFanStep(1), 25) << next;
        EXPECT_EQ(MudFanStep(1), 25) << next;
    }
    PileCounts[1] = 10; // nine cards: (280 + 10 - 96) / 9
    EXPECT_EQ(SadFanStep(1), Scaling::RoundHalfEven(194 / 9.0));
    for (int next : {10, 19, 21}) {
        PileCounts[1] = next;
        const int step = SadFanStep(1);
        EXPECT_LE((next - 2) * step + CardHeight, 290) << next;
    }
    PileCounts[1] = 200;
    EXPECT_EQ(SadFanStep(1), 1);
}

TEST_F(Group3Rules, FlowerGardenTableauAndFoundationFits)
{
    EmptyTable(FlowerGarden);
    struct Case {
        const char* card;
        const char* target;
        bool fits;
    };
    const Case tableau[] = {{"9ч", "1п", true},  {"9ч", "1б", false}, {"9к", "1п", false}, {"Тч", "2п", false},
                            {"Тч", "##", true},  {"Кп", "##", true},  {"Дч", "Кп", true},  {"Дч", "Кб", false},
                            {"8ч", "1п", false}, {"1б", "Вк", true}};
    for (const auto& c : tableau) {
        EXPECT_EQ(SadFitsTableau(Cd(c.card), Cd(c.target)), c.fits) << c.card << " on " << c.target;
        EXPECT_EQ(MudFitsTableau(Cd(c.card), Cd(c.target)), c.fits) << c.card << " on " << c.target;
    }
    SetFoundation(1, {"Тч"});
    SetFoundation(2, {"Тп"});
    EXPECT_TRUE(SadFitsFoundation(Cd("Тб"), 3));
    EXPECT_TRUE(SadFitsFoundation(Cd("2ч"), 1));
    EXPECT_FALSE(SadFitsFoundation(Cd("2ч"), 2));
    EXPECT_FALSE(SadFitsFoundation(Cd("3ч"), 1));
    EXPECT_FALSE(SadFitsFoundation(Cd("2ч"), 3));
    EXPECT_TRUE(MudFitsFoundation(Cd("2п"), 2));
}

TEST_F(Group3Rules, PictureGalleryPlacementRule)
{
    EmptyTable(PictureGallery);
    // Every place of the gallery filled with a card that takes nothing.
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            PileCards2[c][r][1] = Cd("Тп");
    EXPECT_TRUE(PGRowFits(Cd("Тч")));
    EXPECT_FALSE(PGRowFits(Cd("3ч"))); // row 2 has no empty place
    EXPECT_FALSE(PGRowFits(Cd("2ч")));
    PileCards2[5][1][1] = cards::Empty;
    EXPECT_TRUE(PGRowFits(Cd("2ч")));
    EXPECT_FALSE(PGRowFits(Cd("4ч")));

    // A misplaced 5 alone in slot 1 takes no 8.
    PileCards2[1][1][1] = Cd("5ч");
    EXPECT_FALSE(PGRowFits(Cd("8ч")));
    // A 2 carrying its 5 takes no second 5, but the 8.
    PileCards2[2][1][1] = Cd("2ч");
    PileCards2[2][1][2] = Cd("5ч");
    EXPECT_FALSE(PGRowFits(Cd("5ч")));
    EXPECT_TRUE(PGRowFits(Cd("8ч")));
    EXPECT_FALSE(PGRowFits(Cd("8б")));
    // Jack, Queen and King go onto 8, 9 and 10 of their suit in slot 3.
    PileCards2[3][3][1] = Cd("4б");
    PileCards2[3][3][2] = Cd("7б");
    PileCards2[3][3][3] = Cd("1б");
    EXPECT_TRUE(PGRowFits(Cd("Кб")));
    EXPECT_FALSE(PGRowFits(Cd("Дб")));
    EXPECT_FALSE(PGRowFits(Cd("##")));
}

TEST_F(Group3Rules, HitTestsTakeTheRightAndBottomEdges)
{
    int pile = 0, pos = 0;
    EmptyTable(Carpet);
    EXPECT_TRUE(HitTestColumn3(GridX[5][4] + CardWidth, GridY[5][4] + CardHeight, pile, pos));
    EXPECT_EQ(pile, 5);
    EXPECT_EQ(pos, 4);
    pile = pos = -1;
    EXPECT_FALSE(HitTestColumn3(GridX[5][4] + CardWidth + 1, GridY[5][4] + CardHeight, pile, pos));
    EXPECT_EQ(pile, -1); // written only on a hit
    EXPECT_TRUE(HitTestFoundation3(FoundationPosX[4] + CardWidth, FoundationPosY[4] + CardHeight, pile));
    EXPECT_EQ(pile, 4);

    EmptyTable(Sultan);
    EXPECT_TRUE(HitTestFoundation3(SultanReserveX[6] + CardWidth, SultanReserveY[6] + CardHeight, pile));
    EXPECT_EQ(pile, 6);
    // The stock's raised edge answers as high as its top card is drawn.
    StockCount = 95;
    EXPECT_TRUE(HitTestReserve3(AuxPile2X + 1, AuxPile2Y - 18, pile));
    EXPECT_EQ(pile, 1);
    EXPECT_FALSE(HitTestReserve3(AuxPile2X + 1, AuxPile2Y - 19, pile));
    ExtraPileCount = 1;
    EXPECT_TRUE(HitTestReserve3(AuxPile1X + CardWidth, AuxPile1Y + CardHeight, pile));
    EXPECT_EQ(pile, 2);

    EmptyTable(Desire);
    PileCounts[3] = 5; // the top card lies 8 pixels lower
    EXPECT_TRUE(HitTestColumn3(PosX[3] + 1, PosY[3] + 8 + CardHeight, pile, pos));
    EXPECT_EQ(pile, 3);
    EXPECT_EQ(pos, 0);
    EXPECT_TRUE(HitTestReserve3(DesireReserveX[11] + CardWidth, DesireReserveY[11], pile));
    EXPECT_EQ(pile, 11);

    EmptyTable(Fig); // hit-tested by its own module
    EXPECT_FALSE(HitTestColumn3(PosX[1] + 5, PosY[1] + 5, pile, pos));
}

TEST_F(Group3Rules, TwentysStockPlaceAnswersLikeAPlace)
{
    EmptyTable(Twenty);
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 3; ++b)
            TwentyPileNext[a][b] = 2;
    TwentyPileNext[7][3] = 1;
    int pile = 0, pos = 0;
    ASSERT_TRUE(HitTestColumn3(GridX[7][3] + 3, GridY[7][3] + 3, pile, pos));
    EXPECT_EQ(pile, 7);
    EXPECT_EQ(pos, 3);
    ASSERT_TRUE(HitTestColumn3(GridX[2][1] + 3, GridY[2][1] + 2 + CardHeight, pile, pos));
    EXPECT_EQ(pile, 2);
    EXPECT_EQ(pos, 1);
}

TEST_F(Group3Rules, PictureGalleryReservesAnswerOnlyInTheirBand)
{
    EmptyTable(PictureGallery);
    const int x = BottomAreaRect[1] + BottomRowX[4];
    const int top = BottomAreaRect[2];
    int pile = 0;
    EXPECT_TRUE(HitTestReserve3(x + CardWidth, top + CardHeight, pile));
    EXPECT_EQ(pile, 4);
    // The card of a one-card pile is drawn 14 pixels lower; its lowest pixels do not answer.
    pile = 0;
    EXPECT_FALSE(HitTestReserve3(x + 5, top + CardHeight + 1, pile));
    EXPECT_FALSE(HitTestReserve3(x + 5, top - 1, pile));
    EXPECT_EQ(pile, 0);
    EXPECT_TRUE(HitTestColumn3(MainAreaRect[1] + GalleryColX[8] + 1, MainAreaRect[2] + GalleryRowY[3] + 1, pile, pile));
    EXPECT_TRUE(HitTestFoundation3(TopAreaRect[1] + GalleryColX[8], TopAreaRect[2], pile));
    EXPECT_EQ(pile, 8);
}

TEST_F(Group3Rules, BackboneAnswersOnlyAtItsFreeEnds)
{
    EmptyTable(Backbone);
    for (int r = 1; r <= 2; ++r)
        for (int i = 1; i <= 10; ++i)
            BackboneCards[r][i] = Cd("5ч");
    BackboneCards[1][11] = Cd("9п");
    auto at = [](int index, int dy) { return std::pair{BackboneX[index] + 3, BackboneY[index] + dy}; };
    int row = 0, slot = 0;
    auto [tx, ty] = at(11, CardHeight);
    ASSERT_TRUE(HitTestBackbone(tx, ty, row, slot));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(slot, 11);
    // Row 1's slot 10 shows below the tail but is not free while the tail lies there.
    auto [x10, y10] = at(10, 3);
    EXPECT_FALSE(HitTestBackbone(x10, y10, row, slot));
    auto [x3, y3] = at(3, 3);
    EXPECT_FALSE(HitTestBackbone(x3, y3, row, slot));

    BackboneCards[1][11] = cards::Empty;
    ASSERT_TRUE(HitTestBackbone(x10, y10, row, slot));
    EXPECT_EQ(slot, 10);
    auto [r2x, r2y] = at(21, CardHeight);
    ASSERT_TRUE(HitTestBackbone(r2x, r2y, row, slot));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(slot, 10);

    BackboneCards[1][10] = BackboneCards[1][9] = cards::Empty;
    auto [x8, y8] = at(8, CardHeight);
    ASSERT_TRUE(HitTestBackbone(x8, y8, row, slot));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(slot, 8);

    EmptyTable(Sultan);
    EXPECT_FALSE(HitTestBackbone(x8, y8, row, slot));
}

TEST_F(Group3Rules, WonTestOfEveryGame)
{
    EmptyTable(PictureGallery);
    const char* courts[3] = {"Вч", "Дп", "Кб"};
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            PileCards2[c][r][4] = Cd(courts[(c + r) % 3]); // any court card in any row counts
    for (int i = 1; i <= 8; ++i)
        FoundationCards[i][1] = Cd("Тк");
    EXPECT_TRUE(IsGameWon3());
    FoundationCards[8][1] = cards::Empty;
    EXPECT_FALSE(IsGameWon3());

    EmptyTable(Desire);
    EXPECT_TRUE(IsGameWon3());
    DesireReserveCounts[11] = 1;
    EXPECT_FALSE(IsGameWon3());

    for (int game : {Twenty, Calculation}) {
        EmptyTable(game);
        for (int f = 1; f <= 8; ++f)
            FoundationCounts[f] = 14;
        EXPECT_TRUE(IsGameWon3()) << game;
        FoundationCounts[4] = 13;
        EXPECT_FALSE(IsGameWon3()) << game;
    }
    EmptyTable(Calculation);
    for (int f = 1; f <= 4; ++f)
        FoundationCounts[f] = 14;
    ExtraPileCount = 1;
    EXPECT_FALSE(IsGameWon3());

    EmptyTable(Sultan);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            SultanNext[r][c] = 14;
    SultanNext[2][2] = 2;
    SultanNext[1][2] = 13; // the Ace-of-hearts pile is complete at twelve cards
    EXPECT_TRUE(IsGameWon3());
    SultanNext[1][2] = 14;
    EXPECT_FALSE(IsGameWon3());

    EmptyTable(Backbone);
    for (int f = 1; f <= 8; ++f)
        BackboneFoundationNext[f] = 14;
    EXPECT_TRUE(IsGameWon3());
    BackboneFoundationNext[8] = 13;
    EXPECT_FALSE(IsGameWon3());

    for (int game : {Carpet, EightSages}) {
        EmptyTable(game);
        WasteCount = 1;
        EXPECT_TRUE(IsGameWon3()) << game;
        WasteCount = 2;
        EXPECT_FALSE(IsGameWon3()) << game;
        WasteCount = 1;
        StockCount = 1;
        EXPECT_FALSE(IsGameWon3()) << game;
    }

    EmptyTable(Fig);
    SetPile(1, {"7ч", "7б", "7к", "7п"}, false);
    SetPile(2, {"Тч", "Тб", "Тк", "Тп"}, false);
    EXPECT_TRUE(IsGameWon3()); // empty piles count as complete
    for (int n = 1; n <= 3; ++n) {
        SetPile(3, {"9ч", "9б", "9к"}, false);
        for (int s = n + 1; s <= 4; ++s) {
            PileCards[3][s] = cards::Empty;
            PileValues[3][s] = cards::EmptyValue;
        }
        PileCounts[3] = n;
        EXPECT_FALSE(IsGameWon3()) << n;
    }
}

TEST_F(Group3Rules, FlowerGardenIsWonWhenEveryColumnIsOneRun)
{
    EmptyTable(FlowerGarden);
    SetPile(1, {"Кп", "Дч", "Вк", "1б"}, true);
    SetPile(2, {"5ч"}, true);
    for (int c = 3; c <= 6; ++c)
        PileCounts[c] = 1;
    EXPECT_TRUE(IsGameWon3());
    SetPile(1, {"Кп", "Дк", "Вч"}, true); // broken by colour
    EXPECT_FALSE(IsGameWon3());
    SetPile(1, {"Кп", "Вч", "1к"}, true); // broken by a gap
    EXPECT_FALSE(IsGameWon3());
    SetPile(1, {"Кп", "Дч"}, true);
    SadReserveCards[7] = Cd("2п");
    EXPECT_FALSE(IsGameWon3());
}

TEST_F(Group3Rules, DesireAndTwentyOnlyTest)
{
    int moves = -1;
    EmptyTable(Desire);
    FoundationCards[1][1] = Cd("Кп");
    SetPile(1, {"Тч"}, false);
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 0);
    SetPile(1, {"9ч"}, false);
    EXPECT_TRUE(CountMoves3(moves));
    FoundationCards[2][1] = Cd("8к");
    EXPECT_FALSE(CountMoves3(moves));
    FoundationCards[2][1] = Cd("Тк");
    SetPile(1, {"2ч"}, false);
    EXPECT_FALSE(CountMoves3(moves));

    EmptyTable(Twenty);
    for (int f = 1; f <= 8; f += 2)
        SetFoundation(f, {"Тч"});
    for (int f = 2; f <= 8; f += 2)
        SetFoundation(f, {"Кч"});
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 3; ++b) {
            TwentyPileNext[a][b] = 1;
            if (a == 7 && b == 3)
                continue;
            TwentyPileNext[a][b] = Fill(PileCards2[a][b], PileValues2[a][b], {"5п"}) + 1;
        }
    EXPECT_TRUE(CountMoves3(moves)); // everything filled, nothing fits
    TwentyPileNext[3][2] = Fill(PileCards2[3][2], PileValues2[3][2], {"2ч"}) + 1;
    EXPECT_FALSE(CountMoves3(moves)); // a 2 on the Ace of an odd foundation
    TwentyPileNext[3][2] = Fill(PileCards2[3][2], PileValues2[3][2], {"Дч"}) + 1;
    EXPECT_FALSE(CountMoves3(moves)); // a Queen under the King of an even one
    TwentyPileNext[3][2] = Fill(PileCards2[3][2], PileValues2[3][2], {"Дб"}) + 1;
    EXPECT_TRUE(CountMoves3(moves));
    // An empty place alone is no move while every place holds one card.
    PileCards2[4][1][1] = cards::Empty;
    TwentyPileNext[4][1] = 1;
    EXPECT_TRUE(CountMoves3(moves));
    TwentyPileNext[5][2] = Fill(PileCards2[5][2], PileValues2[5][2], {"5п", "6п"}) + 1;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 0);
}

TEST_F(Group3Rules, CalculationCountsWastePilesAgainstFoundations)
{
    EmptyTable(Calculation);
    SetFoundation(1, {"Тч"});
    SetFoundation(2, {"2ч", "4б", "6к", "8п", "1ч", "Дб"});
    SetFoundation(3, {"3ч"});
    SetFoundation(4, {"4ч"});
    for (int p = 1; p <= 4; ++p)
        SetPile(p, {}, true);
    SetPile(1, {"9п", "Тп"}, true);
    ExtraPileCount = 0;
    int moves = 0;
    EXPECT_FALSE(CountMoves3(moves)); // the Ace goes on the Queen of foundation 2
    EXPECT_EQ(moves, 1);
    SetPile(2, {"2б"}, true); // fits foundation 1
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 2);

    SetFoundation(1, {"Тч", "2б", "3б", "4б", "5б", "6б", "7б", "8б", "9б", "1б", "Вб", "Дб", "Кб"});
    SetPile(1, {"Тп"}, true);
    SetPile(2, {}, true);
    SetFoundation(2, {"2ч"});
    EXPECT_TRUE(CountMoves3(moves)); // nothing goes on a King
    EXPECT_EQ(moves, 0);
    ExtraPileCount = 3;
    EXPECT_FALSE(CountMoves3(moves));
}

TEST_F(Group3Rules, SultanFoundationsTurnTheCornerAfterTheKing)
{
    EmptyTable(Sultan);
    const char* grid[3][3] = {{"Кк", "Тч", "Кк"}, {"Кб", "Кч", "Кб"}, {"Кп", "Кч", "Кп"}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            SultanNext[r][c] = Fill(SultanCards[r][c], SultanValues[r][c], {grid[r - 1][c - 1]}) + 1;
    Fill(SultanReserveCards, SultanReserveValues, {"5п", "5п", "5п", "5п", "5п", "Тч"});
    ExtraPileCount = 1;
    StockCount = 0;
    PassCount = 3;
    int moves = 0;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 1); // the Ace of hearts on the King of hearts at [3, 2]
    SultanReserveCards[6] = Cd("5п");
    SultanReserveValues[6] = 4;
    EXPECT_TRUE(CountMoves3(moves));
    PassCount = 2; // a further pass remains
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 0);
    // A waste card: one per foundation it fits, one more for an empty reserve.
    PassCount = 3;
    WasteCards[1] = Cd("Тб");
    WasteValues[1] = 0;
    ExtraPileCount = 2;
    SultanReserveCards[2] = cards::Empty;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 3);
}

class BackboneMoves : public Group3Rules {
protected:
    void SetUp() override
    {
        EmptyTable(Backbone);
        for (int f = 1; f <= 8; ++f)
            BackboneFoundationNext[f] = 1;
        const char* tops[8] = {"9ч", "9б", "9к", "9п", "5ч", "5б", "5к", "5п"};
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                BackboneColumnNext[s][k] = Fill(PileCards2[s][k], PileValues2[s][k], {tops[(s - 1) * 4 + k - 1]}) + 1;
        BackboneCards[1][11] = Cd("7ч");
        BackboneValues[1][11] = 6;
        ExtraPileCount = 1;
        WasteCount = 1;
        StockCount = 0;
        PassCount = 1;
    }
    void EmptyColumns(int n)
    {
        for (int k = 1; k <= n; ++k) {
            PileCards2[2][k][1] = cards::Empty;
            BackboneColumnNext[2][k] = 1;
        }
    }
};

TEST_F(BackboneMoves, EmptyColumnsCountAsOneTarget)
{
    int moves = 0;
    EmptyColumns(3);
    // Five column tops and the tail, each once for the empty columns (not three times).
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 6);
    WasteCards[1] = Cd("7б");
    WasteValues[1] = 6;
    ExtraPileCount = WasteCount = 2;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 7);
}

TEST_F(BackboneMoves, StockAndWasteEmptyEndTheFirstPass)
{
    int moves = -1;
    EXPECT_TRUE(CountMoves3(moves));
    EXPECT_EQ(moves, 0);
    WasteCards[1] = Cd("3к");
    WasteValues[1] = 2;
    ExtraPileCount = WasteCount = 2;
    EXPECT_FALSE(CountMoves3(moves)); // the waste can still be turned back
    PassCount = 2;
    EXPECT_TRUE(CountMoves3(moves));
    // Same suit one lower goes on a column; an Ace on an empty foundation.
    WasteCards[1] = Cd("8ч");
    WasteValues[1] = 7;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 1);
    BackboneCards[1][11] = Cd("Тп");
    BackboneValues[1][11] = 0;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 2);
}

TEST_F(Group3Rules, CarpetFigFlowerGardenAndEightSagesCountTheirMoves)
{
    int moves = 0;
    EmptyTable(Carpet);
    for (int f = 1; f <= 4; ++f)
        SetFoundation(f, {"Тк"});
    SetFoundation(1, {"Тч"});
    SetFoundation(2, {"Тб"});
    PileCards[1][1] = Cd("2ч");
    PileValues[1][1] = 1;
    PileCards[3][4] = Cd("2б");
    PileValues[3][4] = 1;
    ExtraPileCount = WasteCount = 1;
    StockCount = 0;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 2); // the empty places count nothing without a waste card
    PileCards[1][1] = PileCards[3][4] = Cd("9к");
    PileValues[1][1] = PileValues[3][4] = 8;
    EXPECT_TRUE(CountMoves3(moves));
    StockCount = 1;
    EXPECT_FALSE(CountMoves3(moves));

    EmptyTable(Fig);
    for (int p = 1; p <= 15; ++p)
        PileCounts[p] = 0;
    SetPile(1, {"7ч"}, false);
    SetPile(2, {"7б", "7к", "7п"}, false);
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 2 + 2 * 13);
    SetPile(2, {"7б", "7к", "7п", "7б"}, false);
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 1 + 2 * 13);

    EmptyTable(FlowerGarden);
    for (int f = 1; f <= 4; ++f)
        FoundationCounts[f] = 1;
    SetPile(1, {"Кп", "Дч", "Вк"}, true);
    SetPile(2, {"2ч"}, true);
    SetPile(3, {"2б"}, true);
    SetPile(4, {"2к"}, true);
    SetPile(5, {"2п"}, true);
    SetPile(6, {}, true);
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 5); // the K-Q-J run counts once for the empty column
    // A run broken by two cards of one colour: the Queen below is not movable.
    SetPile(1, {"Дб", "Вч", "1п"}, true);
    SetPile(6, {"Кк"}, true);
    EXPECT_TRUE(CountMoves3(moves));
    EXPECT_EQ(moves, 0);
    SadReserveCards[3] = Cd("Тб");
    SadReserveValues[3] = 0;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 1);

    EmptyTable(EightSages);
    for (int f = 1; f <= 8; ++f)
        FoundationCounts[f] = 1;
    for (int c = 1; c <= 8; ++c)
        SetPile(c, {"9п"}, true);
    SetPile(3, {}, true);
    SetPile(4, {"6п"}, true);
    WasteCards[1] = Cd("5ч");
    WasteValues[1] = 4;
    WasteCount = 2;
    StockCount = 0;
    PassCount = 2;
    EXPECT_FALSE(CountMoves3(moves));
    EXPECT_EQ(moves, 1); // column 3 ends the search before column 4
    WasteCount = 1;
    EXPECT_TRUE(CountMoves3(moves));
    PassCount = 1;
    EXPECT_FALSE(CountMoves3(moves));
    PassCount = 2;
    StockCount = 4;
    EXPECT_FALSE(CountMoves3(moves));
}

} // namespace
