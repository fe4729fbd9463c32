// Rules, hit tests, fan steps and end tests of the group-1 engine.
#include "EngineTestSupport.h"

#include "foundation/Layout.h"
#include "foundation/Scaling.h"

#include <gtest/gtest.h>

using namespace GameState;
using namespace Group1;
using engine_test::Cd;
using engine_test::EmptyTable;
using engine_test::SetFoundation;
using engine_test::SetKingToAce;
using engine_test::SetPile;

namespace {

class EngineRules : public ::testing::Test {
protected:
    void TearDown() override
    {
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }
};

TEST_F(EngineRules, LastCardIndexSkipsGapsAndSeesEmptyPiles)
{
    EmptyTable(VardelinDuo);
    EXPECT_EQ(LastCardIndex1(PileCards[1]), 0);
    SetPile(1, {"Кп", "Дч", "Вк"});
    PileCards[1][4] = cards::Empty;
    PileCards[1][5] = Cd("9ч");
    EXPECT_EQ(LastCardIndex1(PileCards[1]), 5);
    // Only slots up to SlotCount are looked at.
    PileCards[1][23] = Cd("2ч");
    EXPECT_EQ(LastCardIndex1(PileCards[1]), 5);
}

struct FitCase {
    int game;
    const char* card;
    const char* target;
    bool fits;
};

TEST_F(EngineRules, TableauFitsPerGameFamily)
{
    const FitCase cases[] = {
        // Vardelin: down in alternating colours, kings only on empty piles, aces never.
        {VardelinDuo, "Тч", "##", false},
        {VardelinDuo, "Тч", "2п", false},
        {VardelinSolo, "Тк", "2ч", false},
        {VardelinDuo, "Кч", "##", true},
        {VardelinSolo, "Кп", "##", true},
        {VardelinDuo, "Дч", "##", false},
        {VardelinDuo, "9ч", "1п", true},
        {VardelinDuo, "9ч", "1б", false},
        {VardelinSolo, "9к", "1п", false},
        {VardelinSolo, "1б", "Вк", true},
        {VardelinSolo, "Дп", "Кб", true},
        {VardelinSolo, "9ч", "Вп", false},
        {VardelinSolo, "1ч", "9п", false},
        // Yukon: as Vardelin, but an ace goes on a two of the other colour.
        {YukonSolo, "Тч", "2п", true},
        {YukonDuo, "Тч", "2б", false},
        {YukonSolo, "Кб", "##", true},
        {YukonSolo, "Дб", "##", false},
        {YukonDuo, "Вп", "Дч", true},
        // Scorpion: down in suit, kings only on empty piles.
        {ScorpionSolo, "Тп", "2п", true},
        {ScorpionSolo, "Тп", "2к", false},
        {ScorpionDuo, "8ч", "9ч", true},
        {ScorpionDuo, "8ч", "9б", false},
        {ScorpionSolo, "Кч", "##", true},
        {ScorpionSolo, "Дч", "##", false},
        {ScorpionDuo, "Дч", "Кч", true},
        // Spider: down regardless of suit, anything on an empty pile.
        {SpiderSolo, "5ч", "6п", true},
        {SpiderDuo, "5ч", "6ч", true},
        {SpiderQuartet, "5ч", "7п", false},
        {SpiderQuartet, "Тб", "##", true},
        {SpiderSolo, "Дп", "##", true},
        {SpiderDuo, "Тп", "2п", true},
        {SpiderQuartet, "Кп", "Тп", false},
        // Free Cell: alternating colours, anything on an empty pile.
        {FreeCell, "Дч", "##", true},
        {FreeCell, "Кп", "##", true},
        {FreeCell, "Тч", "2к", true},
        {FreeCell, "Тч", "2б", false},
        {FreeCell, "7к", "8ч", true},
        {FreeCell, "7к", "9ч", false},
    };
    for (const auto& c : cases) {
        CurrentGameId = c.game;
        EXPECT_EQ(FitsTableau1(Cd(c.card), Cd(c.target)), c.fits)
            << "game " << c.game << " " << c.card << " on " << c.target;
    }
}

struct FoundationCase {
    int game;
    std::initializer_list<const char*> foundation;
    const char* card;
    bool fits;
};

TEST_F(EngineRules, FoundationsBuildFromAceUpInOneSuit)
{
    const FoundationCase cases[] = {
        {VardelinDuo, {}, "Тп", true},
        {YukonSolo, {}, "Тч", true},
        {ScorpionSolo, {}, "Тб", true},
        {SpiderSolo, {}, "Тп", true},
        {FreeCell, {}, "Тк", true},
        {VardelinSolo, {}, "2п", false},
        {VardelinSolo, {}, "Кп", false},
        {VardelinSolo, {"Тч"}, "2ч", true},
        {VardelinSolo, {"Тч"}, "2б", false},
        {FreeCell, {"Тч"}, "Тб", false},
        {YukonDuo, {"Тк", "2к", "3к"}, "4к", true},
        {YukonDuo, {"Тк", "2к", "3к"}, "5к", false},
        {YukonDuo, {"Тк", "2к", "3к"}, "4п", false},
        {FreeCell, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"}, "Кп", true},
        {FreeCell, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп", "Кп"}, "Кп", false},
        {FreeCell, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп", "Кп"}, "Тп", false},
        {VardelinDuo, {}, "##", false},
    };
    for (const auto& c : cases) {
        EmptyTable(c.game);
        SetFoundation(3, c.foundation);
        EXPECT_EQ(FitsFoundation1(Cd(c.card), 3), c.fits)
            << "game " << c.game << " " << c.card << " on " << c.foundation.size() << " cards";
    }
}

// A pile of n cards (any codes) on pile 1.
void FillPile(int p, int n)
{
    SetPile(p, {});
    for (int s = 1; s <= n; ++s) {
        PileCards[p][s] = Cd("5ч");
        PileFaceUp[p][s] = 1;
    }
    PileCardCount[p] = n;
}

struct FanCase {
    int game;
    int cards;
    int step;
};

TEST_F(EngineRules, FanStepSqueezesPilesPastTheirLimit)
{
    // 760 x 500: ColumnsHeight 303 (304 in Free Cell), cards 96 high.
    const FanCase cases[] = {
        {VardelinDuo, 0, 20},  {VardelinDuo, 11, 20}, {VardelinDuo, 12, 18},
        {VardelinSolo, 13, 17}, {YukonDuo, 17, 12},    {SpiderQuartet, 11, 20},
        {SpiderSolo, 12, 18},  {ScorpionSolo, 16, 20}, {ScorpionDuo, 17, 19},
        {FreeCell, 10, 20},    {FreeCell, 11, 20},    {FreeCell, 12, 18},
        {FreeCell, 19, 11},
    };
    for (const auto& c : cases) {
        EmptyTable(c.game);
        ApplyZoomForTest(760, 500, 1.0, true);
        LayoutTable();
        FillPile(2, c.cards);
        EXPECT_EQ(FanStep1(2), c.step) << "game " << c.game << ", " << c.cards << " cards";
    }
}

TEST_F(EngineRules, FanStepFollowsTheZoom)
{
    // At 760 x 500 a pile of 11 keeps 20; from 12 it is squeezed into (303 - 96) / 11
    // (Free Cell: 304, from 11 cards: 208 / 10).
    struct Case {
        int game, cards, step;
    } cases[] = {{VardelinSolo, 11, 20}, {VardelinSolo, 12, 18}, {FreeCell, 10, 20},
                 {FreeCell, 11, 20},     {FreeCell, 12, 18},     {ScorpionSolo, 16, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << " with " << c.cards);
        EmptyTable(c.game);
        ApplyZoomForTest(760, 500, 1.0, true);
        LayoutTable();
        FillPile(1, c.cards);
        EXPECT_EQ(FanStep1(1), c.step);
    }
    // Twice the size: the step doubles, the squeeze follows the larger table.
    EmptyTable(VardelinSolo);
    ApplyZoomForTest(1520, 1000, 2.0, true);
    LayoutTable();
    FillPile(1, 11);
    EXPECT_EQ(FanStep1(1), 40);
    FillPile(1, 12);
    EXPECT_EQ(FanStep1(1), 37);
}

// Hand-made geometry: cards 71 x 96, piles 100 apart from x = 10, fan step 20, the pile
// row at y = 120, the top row at y = 10.
void HandLayout(int game)
{
    EmptyTable(game);
    CardWidth = 71;
    CardHeight = 96;
    TopRowY = 10;
    ColumnsTopY = 120;
    ColumnsHeight = 300;
    LayoutPileCount = game == YukonDuo ? 9 : game == FreeCell ? 8 : game == VardelinSolo || IsYukon(game) || game == ScorpionSolo ? 7 : 10;
    for (int p = 1; p <= 10; ++p) {
        SpecialX[p] = 10 + (p - 1) * 100;
        ColumnX[p] = SpecialX[p];
        PileFanStep[p] = 20;
    }
    ColumnTop = ColumnsTopY;
    for (int i = 1; i <= 4; ++i) {
        FreeCellX[i] = 10 + (i - 1) * 76;
        FoundationX[i] = 420 + (i - 1) * 76;
    }
    FreeCellY = 10;
    FoundationY = 10;
}

struct HitCase {
    const char* what;
    int x;
    int y;
    bool result;
    int pile;
    int card;
    int kind;
};

TEST_F(EngineRules, HitTestOnPilesFoundationsAndWaste)
{
    HandLayout(VardelinDuo);
    SetPile(1, {"Кп"});                            // one card: 120..216
    SetPile(2, {"9п", "8ч", "7п"}, 2);             // top card at 160..256
    SetPile(4, {});                                // empty pile
    WasteCards[1] = Cd("5ч");
    WasteCount = 2;

    const HitCase cases[] = {
        {"top card of a one-card pile", 50, 150, true, 1, 1, KindPile},
        {"left edge of a pile hits nothing", 10, 150, false, 0, 0, KindNothing},
        {"right edge of a pile hits nothing", 81, 150, false, 0, 0, KindNothing},
        {"covered strip of slot 1", 140, 130, false, 2, 1, KindPile},
        {"covered strip of slot 2", 140, 150, false, 2, 2, KindPile},
        {"top card over its strip", 140, 161, true, 2, 3, KindPile},
        {"lower part of the top card", 140, 250, true, 2, 3, KindPile},
        {"below the top card", 140, 256, false, 0, 0, KindNothing},
        {"first slot of an empty pile", 340, 200, true, 4, 1, KindPile},
        {"below an empty pile's slot", 340, 230, false, 0, 0, KindNothing},
        {"foundation 1 over pile 3", 240, 50, true, 1, 0, KindFoundationOrCell},
        {"foundation 8 over pile 10", 950, 50, true, 8, 0, KindFoundationOrCell},
        {"between two foundations", 285, 50, false, 0, 0, KindNothing},
        {"waste over pile 2", 140, 50, true, 0, 0, KindWasteOrFoundation},
        {"left edge of the waste", 110, 10, true, 0, 0, KindWasteOrFoundation},
        {"right edge of the waste", 181, 106, true, 0, 0, KindWasteOrFoundation},
        {"the stock is no target", 40, 50, false, 0, 0, KindNothing},
    };
    for (const auto& c : cases) {
        int pile = -1, card = -1, kind = -1;
        const bool r = HitTest1(c.x, c.y, pile, card, kind);
        EXPECT_EQ(r, c.result) << c.what;
        EXPECT_EQ(pile, c.pile) << c.what;
        EXPECT_EQ(card, c.card) << c.what;
        EXPECT_EQ(kind, c.kind) << c.what;
    }
}

TEST_F(EngineRules, HitTestFoundationRowsPerGame)
{
    struct RowCase {
        int game;
        int firstPile; // pile under foundation 1
        int foundations;
    };
    const RowCase rows[] = {{VardelinDuo, 3, 8}, {VardelinSolo, 4, 4}, {YukonSolo, 4, 4},
                            {YukonDuo, 2, 8},    {SpiderSolo, 3, 8},   {SpiderQuartet, 3, 8}};
    for (const auto& r : rows) {
        HandLayout(r.game);
        for (int f = 1; f <= r.foundations; ++f) {
            int pile, card, kind;
            EXPECT_TRUE(HitTest1(SpecialX[r.firstPile + f - 1] + 30, 40, pile, card, kind))
                << r.game << " foundation " << f;
            EXPECT_EQ(pile, f);
            EXPECT_EQ(kind, KindFoundationOrCell);
        }
    }
    // Scorpion has no foundation row.
    HandLayout(ScorpionSolo);
    int pile, card, kind;
    EXPECT_FALSE(HitTest1(SpecialX[4] + 30, 40, pile, card, kind));
    EXPECT_EQ(kind, KindNothing);
}

TEST_F(EngineRules, FreeCellHitsTopCardsCellsAndFoundationsOnly)
{
    HandLayout(FreeCell);
    ColumnTop = 120;
    SetPile(1, {"Кп", "Дч", "Вк"});
    const HitCase cases[] = {
        {"covered card hits nothing", 40, 130, false, 0, 0, KindNothing},
        {"top card", 40, 200, true, 1, 3, KindPile},
        {"empty pile", 140, 130, true, 2, 1, KindPile},
        {"free cell 2", 100, 50, true, 2, 0, KindFoundationOrCell},
        {"foundation 4", 670, 50, true, 4, 0, KindWasteOrFoundation},
        {"left edge of a free cell", 10, 50, false, 0, 0, KindNothing},
    };
    for (const auto& c : cases) {
        int pile = -1, card = -1, kind = -1;
        EXPECT_EQ(HitTest1(c.x, c.y, pile, card, kind), c.result) << c.what;
        EXPECT_EQ(pile, c.pile) << c.what;
        EXPECT_EQ(card, c.card) << c.what;
        EXPECT_EQ(kind, c.kind) << c.what;
    }
}

TEST_F(EngineRules, StockAndWasteRiseTwoPixelsPerTenCards)
{
    EmptyTable(VardelinDuo);
    TopRowY = 17;
    const int counts[] = {0, 1, 10, 11, 50, 60};
    const int expected[] = {19, 17, 17, 15, 9, 9};
    for (int i = 0; i < 6; ++i) {
        ClearCards(StockCards, StockValues);
        ClearCards(WasteCards, WasteValues);
        for (int s = 1; s <= counts[i]; ++s) {
            StockCards[s] = Cd("2ч");
            WasteCards[s] = Cd("3ч");
        }
        EXPECT_EQ(StockTopY1(), expected[i]) << counts[i] << " cards";
        EXPECT_EQ(WasteTopY1(), expected[i]) << counts[i] << " cards";
    }
}

// ---- end tests ----

TEST_F(EngineRules, VardelinIsWonWhenUncoveredAndTheWasteIsEmpty)
{
    EmptyTable(VardelinDuo);
    for (int p = 1; p <= 10; ++p)
        SetPile(p, {"Кп", "Дч"});
    SetPile(3, {});
    SetPile(5, {"Кч"}, 1); // a single face-down card does not cover a pile
    WasteCards[1] = Cd("5ч");
    int count = -7;
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_FALSE(GameWon);
    EXPECT_EQ(count, -7);

    WasteCards[1] = cards::Empty;
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_TRUE(GameWon);

    SetPile(7, {"Кп", "Дч", "Вп"}, 1);
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_FALSE(GameWon);

    // Solo looks at piles 1..7 and waste slots 1..52 only.
    EmptyTable(VardelinSolo);
    SetPile(8, {"Кп", "Дч"}, 1);
    WasteCards[53] = Cd("5ч");
    EXPECT_TRUE(CountMoves1(count));
}

TEST_F(EngineRules, ScorpionCountsMovesAndWinsOnCompleteSuits)
{
    EmptyTable(ScorpionSolo);
    SetKingToAce(1, "п");
    SetKingToAce(2, "ч");
    SetKingToAce(3, "к");
    SetKingToAce(4, "б");
    int count = -1;
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(GameWon);

    // No move but one pile is not a complete suit: over and lost.
    SetPile(4, {"Кб", "Дб", "Вб"});
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(GameWon);

    // A card of the right suit and rank anywhere face up counts once per target pile.
    EmptyTable(ScorpionSolo);
    SetPile(1, {"9ч"});
    SetPile(2, {"9ч"});
    SetPile(3, {"4к", "8ч", "2п"});
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(GameWon);

    // Face-down cards never move; a king counts for each empty pile unless it is at the
    // bottom already.
    EmptyTable(ScorpionSolo);
    SetPile(1, {"Кп"});
    SetPile(2, {"3ч", "Кч"});
    SetPile(3, {"9ч", "8ч"}, 2);
    SetPile(4, {"9ч"}); // the face-down 8ч would fit here
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_EQ(count, 3); // Кч onto the three empty piles 5..7
}

TEST_F(EngineRules, YukonCountsTableauAndFoundationMoves)
{
    EmptyTable(YukonSolo);
    SetPile(1, {"Тп"});
    SetPile(2, {"5ч", "Дк"}, 1);
    SetPile(3, {"6б", "Кч"});
    SetPile(4, {"3п", "7п"});
    int count = -1;
    // Дк onto Кч; 6б (with Кч) onto 7п; Кч onto the three empty piles; Тп to a foundation.
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_EQ(count, 1 + 1 + 3 + 1);
    EXPECT_FALSE(GameWon);

    // Every card face up and every pile in order: over and won with cards on the table.
    EmptyTable(YukonSolo);
    SetPile(1, {"Кп", "Дч", "Вп"});
    SetPile(2, {"Кч", "Дп"});
    SetPile(3, {"Кб"});
    SetPile(4, {"Кк"});
    SetPile(5, {"1п", "9ч"});
    SetPile(6, {"1к", "9б"});
    SetPile(7, {"1ч", "9к"});
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_TRUE(GameWon);
    EXPECT_GT(count, 0);

    // A face-down card in the tested slots keeps it from being won.
    PileFaceUp[1][1] = 0;
    CountMoves1(count);
    EXPECT_FALSE(GameWon);

    // Yukon-Duo scans foundations 1..8 for its piles' top cards.
    EmptyTable(YukonDuo);
    for (int f = 1; f <= 7; ++f)
        SetFoundation(f, {"Тч"});
    SetFoundation(8, {"Тп"});
    SetPile(1, {"2п"});
    SetPile(2, {"9ч", "9б"});
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_EQ(count, 1);
}

TEST_F(EngineRules, SpiderIsWonWhenEveryPileIsOneRun)
{
    EmptyTable(SpiderDuo);
    SetPile(1, {"Кп", "Дп", "Вп"});
    SetPile(2, {"5ч"});
    int count = -3;
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_TRUE(GameWon);
    EXPECT_EQ(count, -3);

    PileMarks[1][1] = 0; // bottom card not part of the run on top
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_FALSE(GameWon);
}

TEST_F(EngineRules, FreeCellEndsWhenOrderedOrStuck)
{
    // Four full cells, nothing can move, piles out of order: over and lost.
    EmptyTable(FreeCell);
    FreeCellCards[1] = Cd("5ч");
    FreeCellCards[2] = Cd("5б");
    FreeCellCards[3] = Cd("Кч");
    FreeCellCards[4] = Cd("Кб");
    for (int p = 1; p <= 8; ++p)
        SetPile(p, {"2ч", "9ч"});
    int count = -1;
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_FALSE(GameWon);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(GiveUpAllowed);

    // One cell free: every non-empty pile can move there, the game goes on.
    FreeCellCards[4] = cards::Empty;
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_FALSE(GameWon);
    EXPECT_GE(count, 8);
    EXPECT_FALSE(GiveUpAllowed);

    // Every pile in order: won even with cards left.
    EmptyTable(FreeCell);
    SetPile(1, {"Кп", "Дч", "Вк"});
    SetPile(2, {"5ч"});
    EXPECT_TRUE(CountMoves1(count));
    EXPECT_TRUE(GameWon);

    // Counting: an ace counts one foundation move, other moves once per target.
    EmptyTable(FreeCell);
    FreeCellCards[1] = Cd("9п");
    FreeCellCards[2] = Cd("Дп");
    FreeCellCards[3] = Cd("Кп");
    FreeCellCards[4] = Cd("Кб");
    SetPile(1, {"Тч"});
    SetPile(2, {"1ч"});
    for (int p = 3; p <= 8; ++p)
        SetPile(p, {"3ч", "3б"});
    // 9п onto 1ч; Тч to a foundation (once); nothing else.
    EXPECT_FALSE(CountMoves1(count));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(GiveUpAllowed);
}

} // namespace
