#include "foundation/GameState.h"
#include "foundation/Shuffle.h"
#include "platform/Seams.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace GameState;

namespace {

using CardCount = std::map<std::pair<std::string, int>, int>;

struct Pack {
    const char* name;
    void (*shuffle)();
    int size;
    // Expected multiset: each (code, value) and how often it occurs.
    CardCount cards;
};

// Rank characters "2".."9", "1", "В", "Д", "К", "Т" by rank order, and the values of a
// full pack (two 1 .. king 12, ace 0) and of the 36-card pack (six 1 .. king 8, ace 0).
std::string code(int rank, int suit)
{
    return std::string(TCardCode(cards::RankOrder[rank], cards::SuitOrder[suit]).bytes());
}

std::vector<Pack> packs()
{
    Pack p36{"36", ShuffleDeck36, 36, {}};
    Pack p52{"52", ShuffleDeck52, 52, {}};
    Pack p96{"96", ShuffleDeck96, 96, {}};
    Pack p104{"104", ShuffleDeck104, 104, {}};
    const int fullValue[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0};
    const int shortValue[13] = {-1, -1, -1, -1, 1, 2, 3, 4, 5, 6, 7, 8, 0};
    for (int rank = 0; rank < 13; ++rank) {
        for (int suit = 0; suit < 4; ++suit) {
            const std::string c = code(rank, suit);
            if (shortValue[rank] >= 0)
                p36.cards[{c, shortValue[rank]}] = 1;
            p52.cards[{c, fullValue[rank]}] = 1;
            p104.cards[{c, fullValue[rank]}] = 2;
            p96.cards[{c, fullValue[rank]}] = rank >= 11 ? 1 : 2; // one king, one ace each
        }
    }
    return {p36, p52, p96, p104};
}

CardCount dealt(int n)
{
    CardCount counts;
    for (int k = 1; k <= n; ++k)
        ++counts[{std::string(DealCards[k].bytes()), DealValues[k]}];
    return counts;
}

class ShuffleTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        platform::setSeamOverridesForTest({});
        ResetGameState();
    }
};

} // namespace

TEST_F(ShuffleTest, EveryPackDealsExactlyItsCardsWithTheirValues)
{
    for (const Pack& pack : packs()) {
        for (std::uint32_t seed : {0u, 1u, 2u, 77u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
            SetShuffleSeedForTest(seed);
            pack.shuffle();
            EXPECT_EQ(dealt(pack.size), pack.cards) << pack.name << " seed " << seed;
        }
        for (std::uint32_t seed = 1000; seed < 1300; ++seed) {
            SetShuffleSeedForTest(seed * 2654435761u);
            pack.shuffle();
            ASSERT_EQ(dealt(pack.size), pack.cards) << pack.name << " seed " << seed;
        }
    }
}

TEST_F(ShuffleTest, EntriesBeyondThePackSizeKeepTheirContent)
{
    for (const Pack& pack : packs()) {
        for (int k = 1; k <= 104; ++k) {
            DealCards[k] = cards::NoCard;
            DealValues[k] = static_cast<Byte>(k);
        }
        SetShuffleSeedForTest(5);
        pack.shuffle();
        for (int k = pack.size + 1; k <= 104; ++k) {
            EXPECT_EQ(DealCards[k], cards::NoCard) << pack.name << " slot " << k;
            EXPECT_EQ(DealValues[k], k) << pack.name << " slot " << k;
        }
    }
    // A 36-card shuffle after a 52-card one leaves slots 37 to 52 of the first.
    ShuffleDeck52();
    const auto after52 = DealCards;
    SetShuffleSeedForTest(6);
    ShuffleDeck36();
    for (int k = 37; k <= 52; ++k)
        EXPECT_EQ(DealCards[k], after52[k]) << k;
}

TEST_F(ShuffleTest, AFixedSeedGivesAFixedDeal)
{
    SetShuffleSeedForTest(1);
    ShuffleDeck52();
    // The run-time library's generator from seed 1 draws pack numbers 2, 45, 11, 15, 35.
    const struct {
        const char* code;
        int value;
    } first[] = {{"2\xE1", 1}, {"\xCA\xF7", 12}, {"4\xEA", 3}, {"5\xEA", 4}, {"1\xEA", 9}};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(DealCards[k], TCardCode(first[k - 1].code)) << k;
        EXPECT_EQ(DealValues[k], first[k - 1].value) << k;
    }
    for (const Pack& pack : packs()) {
        SetShuffleSeedForTest(123456789u);
        pack.shuffle();
        const auto once = DealCards;
        const auto onceValues = DealValues;
        pack.shuffle();
        EXPECT_EQ(DealCards, once) << pack.name;
        EXPECT_EQ(DealValues, onceValues) << pack.name;
        SetShuffleSeedForTest(123456790u);
        pack.shuffle();
        EXPECT_NE(DealCards, once) << pack.name;
    }
}

TEST_F(ShuffleTest, EachShuffleIsSeededFromTheLowBitsOfTheMonotonicClock)
{
    std::uint64_t now = 0x500000001ull; // low 32 bits: 1
    platform::SeamOverrides clock;
    clock.monotonicNanos = [&] { return now; };
    platform::setSeamOverridesForTest(clock);
    ShuffleDeck52();
    EXPECT_EQ(DealCards[1], TCardCode("2\xE1"));
    EXPECT_EQ(DealCards[2], TCardCode("\xCA\xF7"));
    const auto first = DealCards;
    now += 1; // the next shuffle reads the clock again
    ShuffleDeck52();
    EXPECT_NE(DealCards, first);
}

TEST_F(ShuffleTest, HideTableControlsWithoutAWindowChangesNothing)
{
    ClearCards(PileCards, PileValues);
    PileCards[3][4] = TCardCode("\xD2\xEF");
    const auto piles = PileCards;
    MoveCounter = 12;
    HideTableControls();
    EXPECT_EQ(PileCards, piles);
    EXPECT_EQ(MoveCounter, 12);
}
