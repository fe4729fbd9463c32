// The group-2 move count, won test, counters and Tulip rows, without a window.
#include "Group2TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace GameState;
using namespace Group2;
using namespace group2_test;

namespace {

class EngineRules : public ::testing::Test {
protected:
    void TearDown() override { ResetGameState(); }
};

TEST_F(EngineRules, CountersReportTheirTopSlotAndEmptiness)
{
    EmptyTable(FunDeuces);
    EXPECT_TRUE(PileEmpty2(3));
    EXPECT_EQ(PileTopSlot2(3), 0);
    SetPile(3, {"9ч", "8ч"});
    EXPECT_EQ(PileTopSlot2(3), 2);
    EXPECT_FALSE(PileEmpty2(3));
    SetFoundation(2, {"2б", "3б", "4б"});
    EXPECT_EQ(FoundationTopSlot2(2), 3);
    EXPECT_TRUE(FoundationEmpty2(1));
    // Fun Deuces' waste counts with ExtraPileCount, the Golf waste with WasteCount.
    ExtraPileCount = 4;
    WasteCount = 1;
    EXPECT_EQ(WasteTopSlot2(), 3);
    CurrentGameId = GolfPeak;
    EXPECT_TRUE(WasteEmpty2());
    // The stock is a plain count.
    SetStockCount(5);
    EXPECT_EQ(StockTopSlot2(), 5);
    SetStockCount(0);
    EXPECT_TRUE(StockEmpty2());
    // A counter that was never set (0) is an empty place, not slot -1.
    PileCounts[5] = 0;
    EXPECT_TRUE(PileEmpty2(5));
}

TEST_F(EngineRules, GolfCountsFaceUpNeighboursOfTheWasteTop)
{
    for (int game : {GolfPeak, GolfThreePeaks, GolfRug, GolfDiamond, GolfBlock}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        const int l = game == GolfBlock ? 4 : 1;
        SetGolf(1, 1, "Дп", true, l);  // queen: counts on a king
        SetGolf(2, 1, "Тч", true, l);  // ace: counts on a king
        SetGolf(3, 1, "Кб", true, l);  // same rank: does not count
        SetGolf(4, 1, "Дк", false, l); // face down: does not count
        SetGolf(5, 2, "Вч", true, l);  // two away: does not count
        int count = -1;

        // Empty waste: nothing to play on; the stock keeps the game open.
        SetStockCount(3);
        EXPECT_FALSE(CountMoves2(count));
        EXPECT_EQ(count, 0);

        SetWaste({"Кп"});
        EXPECT_FALSE(CountMoves2(count));
        EXPECT_EQ(count, 2);

        SetStockCount(0);
        EXPECT_FALSE(CountMoves2(count));
        SetWaste({"Кп", "5ч"});
        EXPECT_TRUE(CountMoves2(count));
        EXPECT_EQ(count, 0);
        // A played place holds 99 and never matches.
        SetWaste({"Кп", "Тп"});
        GolfCard2(1, 1, l) = cards::Empty;
        GolfValue2(1, 1, l) = cards::EmptyValue;
        EXPECT_FALSE(CountMoves2(count));
        EXPECT_EQ(count, 1); // the king ("Кб") next to the ace
    }
}

TEST_F(EngineRules, FunDeucesCountsEmptyPilesAsOneAndOnlySingleCardsBetweenPiles)
{
    EmptyTable(FunDeuces);
    for (int p = 1; p <= 7; ++p)
        SetPile(p, {"9к"});
    int count = -1;
    // A waste card with three empty piles: one move.
    SetWaste({"5б"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);

    // No empty pile, nothing fits; a two-card pile whose top fits elsewhere adds nothing.
    EmptyTable(FunDeuces);
    for (int f = 1; f <= 8; ++f)
        SetFoundation(f, {"2ч"});
    for (int p = 1; p <= 10; ++p)
        SetPile(p, {"9к"});
    SetPile(1, {"5п", "8к"}); // 8 of clubs fits the 9 of clubs
    EXPECT_TRUE(CountMoves2(count));
    EXPECT_EQ(count, 0);
    // With stock left the game is not stuck.
    SetStockCount(1);
    EXPECT_FALSE(CountMoves2(count));
    SetStockCount(0);

    // A single-card pile that fits another counts once per fitting pile.
    SetPile(1, {"8к"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 9);

    // The king goes on the ace of its suit (waste to pile and pile to pile).
    for (int p = 1; p <= 10; ++p)
        SetPile(p, {"9ч"});
    SetPile(4, {"Тп"});
    SetWaste({"Кп"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);
    SetWaste({});
    SetPile(5, {"Кп"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);

    // Foundations build up from the two and take the ace on the king.
    SetPile(5, {"9ч"});
    SetFoundation(3, {"2к", "3к", "4к", "5к", "6к", "7к", "8к", "9к", "1к", "Вк", "Дк", "Кк"});
    SetWaste({"Тк"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);
}

TEST_F(EngineRules, NapoleonSquareCountsAnAceOnceAndEveryPileTopThatFits)
{
    EmptyTable(NapoleonSquare);
    for (int p = 1; p <= 12; ++p)
        SetPile(p, {"9к"});
    int count = -1;
    SetWaste({"Тч"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);

    // A multi-card pile top that fits another pile counts.
    SetWaste({});
    SetPile(2, {"5п", "8к"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 11); // the 8 of clubs onto each of the eleven other piles
    SetPile(2, {"5п", "4ч"});
    EXPECT_TRUE(CountMoves2(count));
    EXPECT_EQ(count, 0);

    // A pile-top ace with empty foundations counts once; no king on the ace.
    SetPile(3, {"Тб"});
    SetWaste({"Кб"});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 1);

    // Any empty pile means not stuck, also with an empty waste.
    SetWaste({});
    SetPile(3, {"4ч"});
    EXPECT_TRUE(CountMoves2(count));
    SetPile(5, {});
    EXPECT_FALSE(CountMoves2(count));
    EXPECT_EQ(count, 0);
}

TEST_F(EngineRules, EachGameIsWonWhenItsLastPlacesAreEmpty)
{
    struct WonCase {
        int game;
        std::vector<std::array<int, 3>> lastPlaces; // p, k, l
    };
    std::vector<std::array<int, 3>> blockLayer1;
    for (int p = 1; p <= 17; p += 2)
        for (int k : {1, 3, 5, 7})
            blockLayer1.push_back({p, k, 1});
    const WonCase cases[] = {
        {GolfPeak, {{7, 1, 1}}},
        {GolfThreePeaks, {{4, 1, 1}, {10, 1, 1}, {16, 1, 1}}},
        {GolfRug, {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 1, 1}, {7, 1, 1}}},
        {GolfDiamond, {{4, 1, 1}, {6, 1, 1}, {8, 1, 1}, {10, 1, 1}}},
        {GolfBlock, blockLayer1},
    };
    for (const WonCase& c : cases) {
        SCOPED_TRACE(c.game);
        EmptyTable(c.game);
        EXPECT_TRUE(IsGameWon2());
        for (const auto& place : c.lastPlaces) {
            SetGolf(place[0], place[1], "5ч", false, place[2]);
            EXPECT_FALSE(IsGameWon2());
            GolfCard2(place[0], place[1], place[2]) = cards::Empty;
            EXPECT_TRUE(IsGameWon2());
        }
    }
    for (int game : {FunDeuces, NapoleonSquare}) {
        EmptyTable(game);
        for (int f = 1; f <= 8; ++f)
            FoundationCounts[f] = 14;
        EXPECT_TRUE(IsGameWon2());
        FoundationCounts[8] = 13;
        EXPECT_FALSE(IsGameWon2());
    }
    for (int game : {Tulip, BlueTulip, Paganini}) {
        EmptyTable(game);
        EXPECT_FALSE(IsGameWon2());
    }
}

TEST_F(EngineRules, TulipRowsMeasureTheirLeadingRun)
{
    struct RowCase {
        int game;
        std::vector<const char*> row; // places 1.. ("" empty)
        int run;
        int rest;
    };
    const std::vector<RowCase> cases = {
        {BlueTulip, {"2ч", "3ч", "9к"}, 0, 3},
        {Tulip, {"2ч", "3ч", "9к"}, 2, 1},
        {Tulip, {"", "2ч", "3ч", "9к"}, 0, 3},
        {BlueTulip, {"Тп", "2п", "3п", "4к"}, 3, 1},
        {Tulip, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"}, 13, 0},
        {BlueTulip, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"}, 13, 0},
        {Tulip, {"Кп", "Тп"}, 1, 1}, // the king is no step below the ace
    };
    for (const RowCase& c : cases) {
        EmptyTable(c.game);
        for (size_t i = 0; i < c.row.size(); ++i) {
            if (*c.row[i] == 0)
                continue;
            PileCards[int(i) + 1][2] = Cd(c.row[i]);
            PileValues[int(i) + 1][2] = ValueOf(PileCards[int(i) + 1][2]);
        }
        EXPECT_EQ(TulipRowRun(2), c.run) << c.game << " " << c.row[0];
        EXPECT_EQ(TulipRowRest(2), c.rest) << c.game << " " << c.row[0];
    }

    // Paganini's 36-card values: six 1 .. king 8; a full row is nine cards.
    EmptyTable(Paganini);
    const char* ranks[9] = {"Т", "6", "7", "8", "9", "1", "В", "Д", "К"};
    for (int i = 0; i < 9; ++i) {
        PileCards[i + 1][1] = Cd((QByteArray(ranks[i]) + "б").constData());
        PileValues[i + 1][1] = static_cast<Byte>(i);
    }
    PileCards[10][1] = Cd("6ч");
    PileValues[10][1] = 1;
    EXPECT_EQ(TulipRowRun(1), 9);
    EXPECT_EQ(TulipRowRest(1), 1);
}

} // namespace
