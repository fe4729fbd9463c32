// Seeded deals of the ten group-3 games: where every card of the pack lies, the
// pre-filled foundations and the counters in each game's convention.
#include "Group3TestSupport.h"

#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"

#include <gtest/gtest.h>

#include <QMap>

using namespace GameState;
using namespace Group3;
using g3test::Cd;

namespace {

class Group3Deal : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        ResetGameState();
    }

    void Deal(int game, std::uint32_t seed)
    {
        g3test::EmptyTable(game);
        SetShuffleSeedForTest(seed);
        DealTable3();
        census.clear();
        mismatchedValues = 0;
    }

    // Counts the cards of a place; with `values` also checks the value byte.
    void Add(const TCardCode& c, int value = -1)
    {
        if (!HoldsCard3(c))
            return;
        ++census[c.toString()];
        if (value >= 0 && value != g3test::ValueOf(c))
            ++mismatchedValues;
    }
    template <class Cards, class Values>
    void AddAll(const Cards& cards, const Values& values, int first, int last)
    {
        for (int i = first; i <= last; ++i)
            Add(cards[i], values[i]);
    }
    void AddFoundations(int count, int depth)
    {
        for (int f = 1; f <= count; ++f)
            AddAll(FoundationCards[f], FoundationValues[f], 1, depth);
    }
    void AddPiles(int count, int depth)
    {
        for (int p = 1; p <= count; ++p)
            AddAll(PileCards[p], PileValues[p], 1, depth);
    }
    void AddArea2(int first, int second, int depth)
    {
        for (int a = 1; a <= first; ++a)
            for (int b = 1; b <= second; ++b)
                AddAll(PileCards2[a][b], PileValues2[a][b], 1, depth);
    }
    // Every card of `packs` packs exactly once per pack.
    void ExpectWholePack(int packs)
    {
        int total = 0;
        for (char r : cards::RankOrder)
            for (char s : cards::SuitOrder) {
                const QString code = TCardCode(r, s).toString();
                EXPECT_EQ(census.value(code), packs) << CurrentGameId << " " << code.toStdString();
                total += census.value(code);
            }
        EXPECT_EQ(total, 52 * packs) << CurrentGameId;
        EXPECT_EQ(mismatchedValues, 0) << CurrentGameId;
    }

    QMap<QString, int> census;
    int mismatchedValues = 0;
};

TEST_F(Group3Deal, PictureGalleryLaysTwentyFourPlacesAndTenReserves)
{
    Deal(PictureGallery, 5);
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r) {
            EXPECT_EQ(PileCards2[c][r][1], DealCards[8 * (r - 1) + c]);
            EXPECT_FALSE(HoldsCard3(PileCards2[c][r][2]));
            EXPECT_EQ(PGGalleryCount[c][r], 1);
            for (int s = 1; s <= 4; ++s)
                Add(PileCards2[c][r][s]);
        }
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(GalleryCards[i][1], DealCards[24 + i]);
        EXPECT_EQ(PGReserveCount[i], 1);
        for (int s = 1; s <= 8; ++s)
            Add(GalleryCards[i][s]);
    }
    EXPECT_EQ(ExtraPileCount, 35);
    for (int i = 35; i <= 104; ++i)
        Add(DealCards[i]);
    for (int f = 1; f <= 8; ++f)
        Add(FoundationCards[f][1]);
    ExpectWholePack(2);
}

TEST_F(Group3Deal, DesireLaysFoundationsColumnsAndElevenReservesOfEight)
{
    Deal(Desire, 6);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(FoundationCards[i][1], DealCards[i]);
        EXPECT_EQ(PileCards[i][1], DealCards[8 + i]);
        EXPECT_EQ(FoundationCounts[i], 1);
        EXPECT_EQ(PileCounts[i], 1);
        Add(FoundationCards[i][1]);
        for (int s = 1; s <= 12; ++s)
            Add(PileCards[i][s]);
    }
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(DesireReserveCounts[i], 8);
        for (int j = 1; j <= 8; ++j)
            Add(DesireReserveCards[i][j]);
    }
    EXPECT_EQ(DesireReserveCards[11][8], DealCards[104]);
    // Codes only: the rules read the characters.
    EXPECT_EQ(PileValues[1][1], cards::EmptyValue);
    ExpectWholePack(2);
}

TEST_F(Group3Deal, TwentyLeavesTheStocksPlaceEmpty)
{
    Deal(Twenty, 7);
    const char* bases[8] = {"Тч", "Кч", "Тб", "Кб", "Тк", "Кк", "Тп", "Кп"};
    for (int f = 1; f <= 8; ++f) {
        EXPECT_EQ(FoundationCards[f][1], Cd(bases[f - 1])) << f;
        EXPECT_EQ(FoundationCounts[f], 2);
    }
    int k = 0;
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 3; ++b) {
            if (a == 7 && b == 3) {
                EXPECT_FALSE(HoldsCard3(PileCards2[a][b][1]));
                continue;
            }
            EXPECT_EQ(PileCards2[a][b][1], DealCards[++k]);
            EXPECT_EQ(TwentyPileNext[a][b], 2);
        }
    EXPECT_EQ(StockCount, 76);
    EXPECT_EQ(StockCards[76], DealCards[96]);
    EXPECT_EQ(ExtraPileCount, 4);
    AddFoundations(8, 13);
    AddArea2(7, 3, 5);
    AddAll(StockCards, StockValues, 1, 104);
    ExpectWholePack(2);
}

TEST_F(Group3Deal, CalculationKeepsItsStockInPackOrder)
{
    Deal(Calculation, 8);
    const char* bases[4] = {"Тч", "2ч", "3ч", "4ч"};
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(FoundationCards[f][1], Cd(bases[f - 1]));
        EXPECT_EQ(FoundationValues[f][1], f - 1);
        EXPECT_EQ(FoundationCounts[f], 2);
        EXPECT_EQ(PileCounts[f], 1);
        EXPECT_EQ(PileFanStep[f], Scaling::Scaled(20));
    }
    EXPECT_EQ(ExtraPileCount, 48);
    int n = 0;
    for (int k = 1; k <= 52; ++k) {
        const TCardCode& c = DealCards[k];
        if (c.suit() == cards::SuitHearts && RankIndex3(c) <= 3)
            continue;
        ++n;
        EXPECT_EQ(WasteCards[n], c) << n;
    }
    EXPECT_EQ(n, 48);
    AddFoundations(4, 49);
    AddPiles(4, 48);
    AddAll(WasteCards, WasteValues, 1, 52);
    ExpectWholePack(1);
}

TEST_F(Group3Deal, SultanKeepsKingsAndTheFirstAceOfHeartsOutOfTheStock)
{
    for (std::uint32_t seed : {9u, 10u, 11u}) {
        Deal(Sultan, seed);
        const char* grid[3][3] = {{"Кк", "Тч", "Кк"}, {"Кб", "Кч", "Кб"}, {"Кп", "Кч", "Кп"}};
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                EXPECT_EQ(SultanCards[r][c][1], Cd(grid[r - 1][c - 1]));
                EXPECT_EQ(SultanNext[r][c], 2);
                AddAll(SultanCards[r][c], SultanValues[r][c], 1, 13);
            }
        EXPECT_EQ(StockCount, 89);
        EXPECT_EQ(PassCount, 1);
        EXPECT_EQ(ExtraPileCount, 1);
        int firstAce = 0;
        for (int k = 1; k <= 104 && !firstAce; ++k)
            if (DealCards[k] == Cd("Тч"))
                firstAce = k;
        // The stock in pack order without Kings and that Ace; its top six became the reserve.
        int n = 0;
        for (int k = 1; k <= 104; ++k) {
            if (DealCards[k].rank() == cards::RankKing || k == firstAce)
                continue;
            ++n;
            if (n <= 89)
                EXPECT_EQ(StockCards[n], DealCards[k]) << seed << " " << n;
            else
                EXPECT_EQ(SultanReserveCards[96 - n], DealCards[k]) << seed << " " << n;
        }
        EXPECT_EQ(n, 95);
        EXPECT_FALSE(HoldsCard3(StockCards[90]));
        AddAll(SultanReserveCards, SultanReserveValues, 1, 6);
        AddAll(StockCards, StockValues, 1, 104);
        AddAll(WasteCards, WasteValues, 1, 104);
        ExpectWholePack(2);
    }
}

TEST_F(Group3Deal, BackboneLaysColumnsRowsTailAndStock)
{
    Deal(Backbone, 12);
    int k = 0;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(PileCards2[i][j][1], DealCards[++k]);
            EXPECT_EQ(BackboneColumnNext[i][j], 2);
        }
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(BackboneCards[i][j], DealCards[++k]);
    EXPECT_EQ(BackboneCards[1][11], DealCards[29]);
    EXPECT_FALSE(HoldsCard3(BackboneCards[2][11]));
    EXPECT_EQ(StockCards[1], DealCards[30]);
    EXPECT_EQ(StockCount, 75);
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(ExtraPileCount, 1);
    EXPECT_EQ(PassCount, 1);
    for (int f = 1; f <= 8; ++f)
        EXPECT_EQ(BackboneFoundationNext[f], 1);
    AddFoundations(8, 13);
    AddArea2(2, 4, 13);
    for (int r = 1; r <= 2; ++r)
        AddAll(BackboneCards[r], BackboneValues[r], 1, 11);
    AddAll(StockCards, StockValues, 1, 104);
    AddAll(WasteCards, WasteValues, 1, 104);
    ExpectWholePack(2);
}

TEST_F(Group3Deal, CarpetSkipsTheAcesRowByRow)
{
    for (std::uint32_t seed : {13u, 14u}) {
        Deal(Carpet, seed);
        const char* aces[4] = {"Тч", "Тб", "Тк", "Тп"};
        for (int f = 1; f <= 4; ++f) {
            EXPECT_EQ(FoundationCards[f][1], Cd(aces[f - 1]));
            EXPECT_EQ(FoundationCounts[f], 2);
        }
        int m = 0;
        for (int k = 1; k <= 52; ++k) {
            if (DealCards[k].rank() == cards::RankAce)
                continue;
            ++m;
            if (m <= 20)
                EXPECT_EQ(PileCards[(m - 1) % 5 + 1][(m - 1) / 5 + 1], DealCards[k]) << m;
            else
                EXPECT_EQ(StockCards[m - 20], DealCards[k]) << m;
        }
        EXPECT_EQ(StockCount, 28);
        EXPECT_EQ(WasteCount, 1);
        EXPECT_EQ(ExtraPileCount, 1);
        EXPECT_EQ(PassCount, 1);
        AddFoundations(4, 13);
        AddPiles(5, 4);
        AddAll(StockCards, StockValues, 1, 52);
        AddAll(WasteCards, WasteValues, 1, 52);
        ExpectWholePack(1);
    }
}

TEST_F(Group3Deal, FigFlowerGardenAndEightSages)
{
    Deal(Fig, 15);
    for (int p = 1; p <= 15; ++p)
        EXPECT_EQ(PileCounts[p], p == 9 || p == 15 ? 0 : 4) << p;
    EXPECT_EQ(PileCards[1][1], DealCards[1]);
    EXPECT_EQ(PileCards[8][4], DealCards[32]);
    EXPECT_EQ(PileCards[10][1], DealCards[33]);
    EXPECT_EQ(PileCards[14][4], DealCards[52]);
    EXPECT_EQ(PassCount, 1);
    AddPiles(15, 4);
    ExpectWholePack(1);

    Deal(FlowerGarden, 16);
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(PileCounts[c], 7);
        EXPECT_EQ(ColumnStep[c], Scaling::Scaled(25));
        EXPECT_EQ(PileCards[c][1], DealCards[6 * (c - 1) + 1]);
        EXPECT_FALSE(HoldsCard3(PileCards[c][7]));
    }
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(FoundationCounts[f], 1);
        EXPECT_EQ(FoundationX[f], ColumnX[f + 1]);
    }
    EXPECT_EQ(SadReserveCards[16], DealCards[52]);
    AddPiles(6, 20);
    AddFoundations(4, 13);
    AddAll(SadReserveCards, SadReserveValues, 1, 16);
    ExpectWholePack(1);

    Deal(EightSages, 17);
    for (int c = 1; c <= 8; ++c) {
        EXPECT_EQ(PileCards[c][1], DealCards[c]);
        EXPECT_EQ(PileCounts[c], 2);
        EXPECT_EQ(FoundationCounts[c], 1);
        EXPECT_EQ(ColumnStep[c], Scaling::Scaled(25));
    }
    EXPECT_EQ(StockCount, 96);
    EXPECT_EQ(StockCards[96], DealCards[104]);
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(PassCount, 1);
    AddFoundations(8, 13);
    AddPiles(8, 13);
    AddAll(StockCards, StockValues, 1, 104);
    AddAll(WasteCards, WasteValues, 1, 104);
    ExpectWholePack(2);
}

} // namespace
