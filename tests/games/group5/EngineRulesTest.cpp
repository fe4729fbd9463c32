// Group-5 rules without a window: the card fits, the fan steps, the move count and the
// won test of each game.
#include "Group5TestSupport.h"

#include "foundation/Layout.h"
#include "foundation/Scaling.h"

#include <gtest/gtest.h>

using namespace GameState;
using namespace Group5;
using g5test::Cd;
using g5test::EmptyTable;
using g5test::SetFan;
using g5test::SetFoundation;
using g5test::SetPile;
using g5test::SetStock;
using g5test::SetWaste;
using g5test::ValueOf;

namespace {

class EngineRules : public ::testing::Test {
protected:
    void SetUp() override { ApplyZoomForTest(760, 500, 1.0, true); }
    void TearDown() override { ResetGameState(); }

    static int Count(bool* stuck = nullptr)
    {
        int count = -1;
        const bool s = CountMoves5(count);
        if (stuck)
            *stuck = s;
        return count;
    }
    // Columns first..last filled with lone cards that take nothing from each other.
    static void Quiet(int first, int last, std::initializer_list<const char*> list)
    {
        int p = first;
        for (const char* c : list) {
            if (p > last)
                break;
            SetPile(p++, {c});
        }
    }
};

TEST_F(EngineRules, CardFitRules)
{
    struct FitCase {
        const char* card;
        const char* target;
        bool demon, klever, miss;
    };
    const FitCase cases[] = {
        {"6ч", "7п", true, false, true},   // red on black, one lower
        {"6ч", "7б", false, false, false}, // both red
        {"6ч", "7ч", false, true, false},  // same suit
        {"5ч", "6ч", false, true, false},
        {"5ч", "6б", false, false, false},
        {"5ч", "7ч", false, false, false}, // two apart
        {"Кп", "Тч", false, false, false}, // no wrap from King to Ace
        {"Тч", "2п", true, false, false},  // an Ace never on a Miss Milligan column
        {"9ч", "1п", true, false, true},   // the ten is "1"
        {"Дч", "Кп", true, false, true},
        {"Кч", "Тп", false, false, false}, // a King only on an empty column
        {"2п", "3ч", true, false, true},
    };
    for (const auto& c : cases) {
        const TCardCode card = Cd(c.card);
        const TCardCode target = Cd(c.target);
        EXPECT_EQ(DemonFitsTableau(card, ValueOf(card), target, ValueOf(target)), c.demon) << c.card << c.target;
        EXPECT_EQ(KleverFits(card, ValueOf(card), target, ValueOf(target)), c.klever) << c.card << c.target;
        EXPECT_EQ(MissFits(card, target), c.miss) << c.card << c.target;
    }
    for (const char* any : {"Кп", "Тч", "5б"})
        EXPECT_TRUE(MissFits(Cd(any), cards::Empty)) << any;
}

TEST_F(EngineRules, FanStepsBelowAndPastTheirSqueeze)
{
    // Design values at 760 x 500 (S(n) = n): 40 Thieves S(20) - S(n - 7) from 8 on;
    // Miss Milligan Round(210 / (n - 1)) from 9; Clover Round((PosY2 - PosY1 - H - 5) / (n - 2))
    // from 6; Lucie Trunc((gap - W - 8) / (n - 1)) - 2 from 6.
    CardWidth = 71;
    CardHeight = 96;
    PosY[1] = 100;
    PosY[2] = 266;
    GridX[1][1] = 10;
    GridX[1][2] = 159;
    struct StepCase {
        int (*step)(int);
        int count;
        int expected;
    };
    const StepCase cases[] = {
        {FortyThievesFanStep, 2, 20}, {FortyThievesFanStep, 7, 20}, {FortyThievesFanStep, 8, 19},
        {FortyThievesFanStep, 17, 10}, {MissFanStep, 8, 25}, {MissFanStep, 9, 26},
        {MissFanStep, 15, 15}, {MissFanStep, 31, 7}, {KleverFanStep, 5, 17},
        {KleverFanStep, 6, 16}, {KleverFanStep, 7, 13}, {KleverFanStep, 15, 5},
    };
    for (const auto& c : cases) {
        PileCounts[3] = c.count;
        EXPECT_EQ(c.step(3), c.expected) << c.count;
    }
    EXPECT_EQ(LucieFanStep(5), 13);
    EXPECT_EQ(LucieFanStep(6), 70 / 5 - 2);
    EXPECT_EQ(LucieFanStep(8), 70 / 7 - 2);
    EXPECT_EQ(LucieFanStep(16), 70 / 15 - 2);

    // Twice the size: every design length doubles.
    ApplyZoomForTest(1520, 1000, 2.0, true);
    PileCounts[3] = 12;
    EXPECT_EQ(FortyThievesFanStep(3), 40 - 10);
    EXPECT_EQ(MissFanStep(3), Scaling::RoundHalfEven(420 / 11.0));
}

TEST_F(EngineRules, LucieCountsAnAceOnTopOncePerFoundation)
{
    EmptyTable(Lucie);
    SetFan(1, 1, {"5п", "Тч"});
    SetFan(1, 2, {"9к"});
    SetFan(2, 3, {"3б"});
    bool stuck = true;
    EXPECT_EQ(Count(&stuck), 4);
    EXPECT_FALSE(stuck);

    // A foundation card and a fan pair each count once per ordered pair that fits.
    SetFan(1, 1, {"5п", "Кч"});
    SetFoundation(2, {"Тб", "2б"});
    SetFan(2, 3, {"3б"});
    SetFan(3, 1, {"Дч"});
    EXPECT_EQ(Count(&stuck), 2); // 3б on 2б; Кч over Дч
    SetFan(2, 3, {"4б"});
    EXPECT_EQ(Count(&stuck), 1);
    SetFan(3, 1, {"1ч"});
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);
}

TEST_F(EngineRules, CrescentIsStuckOnlyFromTheFifthPass)
{
    EmptyTable(OpenCrescent);
    const char* kings[] = {"Кч", "Кб", "Кк", "Кп"};
    const char* aces[] = {"Тч", "Тб", "Тк", "Тп"};
    for (int f = 1; f <= 4; ++f) {
        SetFoundation(f, {kings[f - 1]});
        SetFoundation(f + 4, {aces[f - 1]});
    }
    SetPile(1, {"7к", "5ч"});
    SetPile(2, {"9к"});
    bool stuck = false;
    PassCount = 4;
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_FALSE(stuck);
    PassCount = 5;
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);

    // Down on the King foundations, up on the Ace foundations, either way between piles.
    SetPile(3, {"Дб"});
    SetPile(4, {"2п"});
    SetPile(5, {"1к"});
    EXPECT_EQ(Count(&stuck), 4); // Дб on Кб, 2п on Тп, 1к with 9к both ways
    EXPECT_FALSE(stuck);
}

TEST_F(EngineRules, AlgerianCountsBuildUpFromAcesAndDownFromKings)
{
    EmptyTable(Alzhir);
    // All columns empty, a card in a reserve: 104 counted, shown as 0, not stuck.
    SetPile(1, {});
    AlzhirReserveCards[1][1] = Cd("5ч");
    AlzhirReserveValues[1][1] = ValueOf(Cd("5ч"));
    AlzhirReserveCounts[1] = 2;
    bool stuck = true;
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_FALSE(stuck);

    EmptyTable(Alzhir);
    Quiet(1, 8, {"3ч", "Вб", "9к", "5п", "7к", "2п", "Кп", "7б"});
    SetFoundation(1, {"Тч", "2ч"});
    SetFoundation(5, {"Кб", "Дб"});
    // 3ч up onto 2ч, Вб down onto Дб; that half is then done for the columns, so Кп is
    // not counted again for an empty King foundation.
    EXPECT_EQ(Count(&stuck), 2);
    EXPECT_FALSE(stuck);

    // King and Ace of a suit follow each other on the columns.
    EmptyTable(Alzhir);
    Quiet(1, 8, {"Тч", "Кч", "9к", "5п", "7к", "2п", "Вб", "7б"});
    SetFoundation(1, {"Тк"});
    SetFoundation(5, {"Кк"});
    EXPECT_EQ(Count(&stuck), 4); // Тч to an empty Ace place, Кч to an empty King place, both ways
    // No move and no stock: stuck.
    EmptyTable(Alzhir);
    Quiet(1, 8, {"3ч", "Вб", "9к", "5п", "7к", "2п", "Вп", "7б"});
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);
    SetStock({"4к"});
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_FALSE(stuck);
}

TEST_F(EngineRules, DaemonIsStuckInTheThirdPassWithAnEmptyStock)
{
    EmptyTable(Daemon);
    Quiet(1, 4, {"9ч", "9б", "5к", "5п"});
    // Only the reserve's Ace could move, to a foundation: not counted.
    DemonReserveCards[1] = Cd("Тч");
    DemonReserveValues[1] = 0;
    DemonReserveCount = 1;
    bool stuck = false;
    PassCount = 3;
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);
    PassCount = 2;
    Count(&stuck);
    EXPECT_FALSE(stuck);
    PassCount = 3;
    SetStock({"2п"});
    Count(&stuck);
    EXPECT_FALSE(stuck);

    // Each source at most once: the waste's 8п fits both red nines but counts once, and so
    // does the 8к column, which moves whole by its bottom card.
    SetStock({});
    SetWaste({"8п"});
    SetPile(3, {"8к"});
    EXPECT_EQ(Count(&stuck), 2);
}

TEST_F(EngineRules, FortyThievesSkipsAMoveOntoTheSameCard)
{
    EmptyTable(FortyThieves);
    SetPile(1, {"7ч", "6ч"});
    SetPile(2, {"7ч"});
    Quiet(3, 10, {"2п", "4п", "6п", "8п", "1п", "Дп", "3к", "5к"});
    bool stuck = false;
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);
    SetPile(1, {"9к", "6ч"});
    EXPECT_EQ(Count(&stuck), 1);
    EXPECT_FALSE(stuck);

    // An empty column takes any card; the waste counts onto foundations, columns and an
    // empty column once each.
    SetPile(1, {});
    SetWaste({"Тб"});
    EXPECT_EQ(Count(&stuck), 9 + 2); // nine columns into the empty one; the waste Ace twice
    SetStock({"2б"});
    SetPile(1, {"9к"});
    SetWaste({});
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_FALSE(stuck); // the stock still turns
}

TEST_F(EngineRules, MissMilliganCountsRunsAndWinsOnOrderedColumns)
{
    EmptyTable(Miss);
    SetPile(1, {"Кп", "Дч", "Вк"});
    SetPile(2, {"9б", "8п"});
    bool stuck = false;
    EXPECT_TRUE(IsGameWon5());
    SetStock({"5ч"});
    EXPECT_FALSE(IsGameWon5());
    SetStock({});
    SetPile(2, {"9б", "8б"});
    EXPECT_FALSE(IsGameWon5());

    // Part of a run moves onto a fitting top: Дч (with Вк) onto a black King.
    EmptyTable(Miss);
    SetPile(1, {"5к", "Кп", "Дч", "Вк"});
    SetPile(2, {"Кк"});
    Quiet(3, 10, {"2б", "4б", "6б", "8б", "2ч", "4ч", "6ч", "8ч"});
    EXPECT_EQ(Count(&stuck), 1);
    EXPECT_FALSE(stuck);
    // Onto the same card as lies under it: not counted.
    SetPile(2, {"Кп"});
    EXPECT_EQ(Count(&stuck), 0);
    EXPECT_TRUE(stuck);
}

TEST_F(EngineRules, PilesCountAsBuiltOnlyWithTheSuitAndOneLower)
{
    for (int game : {FortyThieves, Clover}) {
        EmptyTable(game);
        SetPile(1, {"5ч", "9ч"}); // same suit, not in sequence
        EXPECT_FALSE(IsGameWon5()) << game;
        SetPile(1, {"5ч", "6п"}); // wrong way, other suit
        EXPECT_FALSE(IsGameWon5()) << game;
        SetPile(1, {"6ч", "5п"}); // one lower, other suit
        EXPECT_FALSE(IsGameWon5()) << game;
        SetPile(1, {"Кп", "Дп", "Вп"});
        SetPile(2, {"5ч", "4ч"});
        EXPECT_TRUE(IsGameWon5()) << game;
    }
    CurrentGameId = FortyThieves; // its waste and stock must be empty too
    SetWaste({"2б"});
    EXPECT_FALSE(IsGameWon5());
    SetWaste({});
    SetStock({"2б"});
    EXPECT_FALSE(IsGameWon5());
}

TEST_F(EngineRules, OtherWonTests)
{
    EmptyTable(Crescent);
    for (int f = 1; f <= 8; ++f)
        g5test::FillFoundation(f, cards::SuitOrder[(f - 1) % 4], f <= 4);
    EXPECT_TRUE(IsGameWon5());
    FoundationCounts[8] = 13;
    EXPECT_FALSE(IsGameWon5());

    EmptyTable(Daemon);
    EXPECT_TRUE(IsGameWon5());
    DemonReserveCount = 1;
    EXPECT_FALSE(IsGameWon5());

    for (int game : {UnclePelk, BusyAces, Lucie}) {
        EmptyTable(game);
        EXPECT_FALSE(IsGameWon5()) << game;
    }
    // Busy Aces has no count: Count stays as the caller set it.
    EmptyTable(BusyAces);
    int count = 7;
    EXPECT_FALSE(CountMoves5(count));
    EXPECT_EQ(count, 7);
}

} // namespace
