// The places of Fun Deuces and Napoleon Square and their hit tests, computed from the
// layout formulas with the real card size, and the two games' move rules side by side.
#include "Group2TestSupport.h"

#include "foundation/Scaling.h"

namespace group2_test {
namespace {

using namespace GameState;
using namespace Group2;

class SquareEngine : public TableFixture {};

TEST(SquareEngineSteps, StackEdgeStepRisesTwoPerTenAndTopsOutAtNinetyNine)
{
    const struct {
        int count;
        int raise;
    } cases[] = {{0, 0}, {1, 0}, {9, 0}, {10, 2}, {19, 2}, {20, 4}, {89, 16}, {90, 18}, {98, 18}, {99, 20}, {104, 20},
                 {255, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(StackEdgeStep(c.count), c.raise) << c.count;
}

TEST(SquareEngineSteps, MoveRulesOfTheTwoGamesSideBySide)
{
    const struct {
        const char* what;
        const char* card;
        bool foundation; // else a pile
        std::initializer_list<const char*> place;
        bool deuces;
        bool nap;
    } cases[] = {
        {"ace of hearts on a hearts foundation topped by its king", "Тч", true,
         {"2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"}, true, false},
        {"king of spades on a pile topped by the ace of spades", "Кп", false, {"9к", "Тп"}, true, false},
        {"any card on an empty pile", "7б", false, {}, true, true},
        {"one lower in suit on a pile", "6б", false, {"7б"}, true, true},
        {"one lower in the other colour on a pile", "6ч", false, {"7б"}, false, false},
        {"one higher in suit on a foundation", "4к", true, {"2к", "3к"}, true, true},
        {"an ace on an empty foundation", "Тб", true, {}, false, true},
        {"a two on an empty foundation", "2б", true, {}, false, false},
        {"anything on a complete foundation", "Тч", true,
         {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"}, false, false},
    };
    for (const auto& c : cases)
        for (int game : {FunDeuces, NapoleonSquare}) {
            SCOPED_TRACE(testing::Message() << c.what << " in " << game);
            EmptyTable(game);
            if (c.foundation)
                SetFoundation(3, c.place);
            else
                SetPile(3, c.place);
            const TCardCode card = Cd(c.card);
            const bool fits = c.foundation ? FitsFoundation2(card, ValueOf(card), 3) : FitsPile2(card, ValueOf(card), 3);
            EXPECT_EQ(fits, game == FunDeuces ? c.deuces : c.nap);
        }
}

// Three two-card piles that would build on each other and nothing else open: Fun
// Deuces moves no card of a pile of two or more onto another pile, so it is stuck;
// Napoleon Square counts both moves.
TEST(SquareEngineSteps, TwoCardPilesAreStuckInFunDeucesAndCountTwoInNapoleonSquare)
{
    for (int game : {FunDeuces, NapoleonSquare}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        const int piles = game == FunDeuces ? 10 : 12;
        for (int p = 1; p <= piles; ++p)
            SetPile(p, {"Тк", "9к"});
        SetPile(1, {"6ч", "5ч"});
        SetPile(2, {"7ч", "6ч"});
        SetPile(3, {"8ч", "7ч"});
        if (game == FunDeuces)
            for (int f = 1; f <= 8; ++f)
                SetFoundation(f, {"2ч"});
        int count = -1;
        EXPECT_EQ(CountMoves2(count), game == FunDeuces);
        EXPECT_EQ(count, game == FunDeuces ? 0 : 2);
    }
}

TEST_F(SquareEngine, PlacesFollowTheLayoutGrid)
{
    Table(FunDeuces);
    // From the formulas: L = Round(380 - 3.5 x 71 - 75) = 56, column step 96, row step 121.
    EXPECT_EQ(PosX[1], 56);
    EXPECT_EQ(PosX[7], 56 + 6 * 96);
    EXPECT_EQ(PosY[3], 20 + 2 * 121);
    int x = -1, y = -1;
    FunDeucesPilePos(1, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[1], PosY[3]));
    FunDeucesPilePos(10, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[6], PosY[3]));
    FunDeucesPilePos(11, x, y); // not a pile: unchanged
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[6], PosY[3]));
    FunDeucesFoundationPos(5, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[2], PosY[3]));
    NapFoundationPos(4, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[5], PosY[2]));
    NapPilePos(12, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[6], PosY[4]));
    NapPilePos(4, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(PosX[1], PosY[1]));
}

TEST_F(SquareEngine, NapoleonSquareRowGapShrinksAboveZoomOne)
{
    Table(NapoleonSquare);
    EXPECT_EQ(PosY[2] - PosY[1] - CardHeight, 32);
    Table(NapoleonSquare, 836, 550, 1.1);
    EXPECT_EQ(PosY[2] - PosY[1] - CardHeight, 30);
}

TEST_F(SquareEngine, HitTestsFindPilesStockAndWasteWithInclusiveEdges)
{
    Table(FunDeuces);
    for (int p = 1; p <= 10; ++p)
        SetPile(p, {"9к"});
    int pile = 0, slot = 7, kind = 0, f = 0;
    ASSERT_TRUE(HitTestColumn2(PosX[1], PosY[3], pile, slot));
    EXPECT_EQ(pile, 1);
    EXPECT_EQ(slot, 0);
    ASSERT_TRUE(HitTestStockWaste2(PosX[7], PosY[1], kind));
    EXPECT_EQ(kind, 1);
    ASSERT_TRUE(HitTestStockWaste2(PosX[7], PosY[3], kind));
    EXPECT_EQ(kind, 2);
    ASSERT_TRUE(HitTestFoundation2(PosX[3] + CardWidth, PosY[3] + CardHeight, f));
    EXPECT_EQ(f, 6);
    EXPECT_FALSE(HitTestFoundation2(PosX[3] + CardWidth + 1, PosY[3], f));

    // Pile 1 at (PosX[1], PosY[3]), nothing above it for a card's height and more.
    const int x = PosX[1];
    const int base = PosY[3];
    const struct {
        std::initializer_list<const char*> cards;
        int top; // the drawn top card's y
    } piles[] = {{{"9к", "8к", "7к"}, base - 4}, {{}, base}, {{"9к"}, base}};
    for (const auto& c : piles) {
        SetPile(1, c.cards);
        SCOPED_TRACE(PileCounts[1]);
        EXPECT_FALSE(HitTestColumn2(x, c.top - 1, pile, slot));
        for (const QPoint pt : {QPoint(x, c.top), QPoint(x + CardWidth, c.top + CardHeight)}) {
            pile = 0;
            EXPECT_TRUE(HitTestColumn2(pt.x(), pt.y(), pile, slot));
            EXPECT_EQ(pile, 1);
        }
        EXPECT_FALSE(HitTestColumn2(x, c.top + CardHeight + 1, pile, slot));
        EXPECT_FALSE(HitTestColumn2(x + CardWidth + 1, c.top, pile, slot));
    }

    // The stock's zone rises with its count; its lower edge stays at the base.
    for (const auto& [count, raise] : {std::pair{9, 0}, std::pair{10, 2}, std::pair{99, 20}}) {
        SCOPED_TRACE(count);
        StockCount = count;
        EXPECT_TRUE(HitTestStockWaste2(PosX[7], PosY[3] - raise, kind));
        EXPECT_EQ(kind, 2);
        EXPECT_FALSE(HitTestStockWaste2(PosX[7], PosY[3] - raise - 1, kind));
        EXPECT_TRUE(HitTestStockWaste2(PosX[7] + CardWidth, PosY[3] + CardHeight, kind));
    }
    // Only in the two games.
    CurrentGameId = GolfPeak;
    EXPECT_FALSE(HitTestStockWaste2(PosX[7], PosY[3], kind));
    EXPECT_FALSE(HitTestFoundation2(PosX[3], PosY[3], f));
    EXPECT_FALSE(HitTestColumn2(x, base, pile, slot));
}

TEST_F(SquareEngine, NapoleonSquareStockAndWasteShareTheBottomRow)
{
    Table(NapoleonSquare);
    int kind = 0, pile = 0, slot = 0;
    ASSERT_TRUE(HitTestStockWaste2(PosX[3] + 5, PosY[4] + 5, kind));
    EXPECT_EQ(kind, 2);
    ASSERT_TRUE(HitTestStockWaste2(PosX[4] + 5, PosY[4] + 5, kind));
    EXPECT_EQ(kind, 1);
    ASSERT_TRUE(HitTestColumn2(PosX[6] + 5, PosY[4] + 5, pile, slot));
    EXPECT_EQ(pile, 12);
    // A waste of 10 cards answers 2 pixels higher (its next free slot is 11).
    SetWaste({"5к", "5к", "5к", "5к", "5к", "5к", "5к", "5к", "5к", "5к"});
    EXPECT_TRUE(HitTestStockWaste2(PosX[4], PosY[4] - 2, kind));
    EXPECT_EQ(kind, 1);
}

} // namespace
} // namespace group2_test
