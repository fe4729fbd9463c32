// The deal of every group-3 game: a fresh shuffle laid into the piles, the pre-filled
// foundations and the counters in each game's convention (see Qyv_Help2_3.h).
#include "games/group3/Qyv_Help2_3.h"

#include "games/group3/Qyv_42_8Mud.h"

#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

const char H = cards::SuitHearts;
const char D = cards::SuitDiamonds;
const char C = cards::SuitClubs;
const char S = cards::SuitSpades;

void Put(TCardCode& card, Byte& value, int k)
{
    card = DealCards[k];
    value = DealValues[k];
}

void Put(TCardCode& card, Byte& value, const TCardCode& code, Byte v)
{
    card = code;
    value = v;
}

void ClearStockAndWaste()
{
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
}

void ClearFoundations(int count, int depth)
{
    for (int f = 1; f <= count; ++f)
        for (int s = 1; s <= depth; ++s) {
            FoundationCards[f][s] = cards::Empty;
            FoundationValues[f][s] = cards::EmptyValue;
        }
}

void ClearPiles(int count, int depth)
{
    for (int p = 1; p <= count; ++p)
        for (int s = 1; s <= depth; ++s) {
            PileCards[p][s] = cards::Empty;
            PileValues[p][s] = cards::EmptyValue;
        }
}

void ClearArea2(int first, int second, int depth)
{
    for (int a = 1; a <= first; ++a)
        for (int b = 1; b <= second; ++b)
            for (int s = 1; s <= depth; ++s) {
                PileCards2[a][b][s] = cards::Empty;
                PileValues2[a][b][s] = cards::EmptyValue;
            }
}

// Picture Gallery and Desire keep codes only: their rules read the characters.
void DealPictureGallery()
{
    ShuffleDeck104();
    for (int i = 1; i <= 8; ++i)
        FoundationCards[i][1] = cards::Empty;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 4; ++s)
                PileCards2[c][r][s] = cards::Empty;
    platform::fillAll(GalleryCards, cards::Empty);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 8; ++c) {
            PileCards2[c][r][1] = DealCards[8 * (r - 1) + c];
            PGGalleryCount[c][r] = 1;
        }
    for (int i = 1; i <= 10; ++i) {
        GalleryCards[i][1] = DealCards[24 + i];
        PGReserveCount[i] = 1;
    }
    ExtraPileCount = 35;
}

void DealDesire()
{
    ShuffleDeck104();
    platform::fillAll(DesireReserveCards, cards::Empty);
    for (int i = 1; i <= 8; ++i) {
        for (int s = 1; s <= 12; ++s)
            PileCards[i][s] = cards::Empty;
        FoundationCards[i][1] = DealCards[i];
        PileCards[i][1] = DealCards[8 + i];
        FoundationCounts[i] = 1;
        PileCounts[i] = 1;
    }
    for (int i = 1; i <= 11; ++i) {
        for (int j = 1; j <= 8; ++j)
            DesireReserveCards[i][j] = DealCards[16 + 8 * (i - 1) + j];
        DesireReserveCounts[i] = 8;
    }
}

void DealTwenty()
{
    ShuffleDeck96();
    ClearFoundations(8, 13);
    ClearArea2(7, 3, 5);
    ClearCards(StockCards, StockValues);
    // An Ace and a King of each suit, alternating: the cards the 96-card pack lacks.
    const char suits[4] = {H, D, C, S};
    for (int i = 0; i < 4; ++i) {
        Put(FoundationCards[2 * i + 1][1], FoundationValues[2 * i + 1][1], TCardCode(cards::RankAce, suits[i]), 0);
        Put(FoundationCards[2 * i + 2][1], FoundationValues[2 * i + 2][1], TCardCode(cards::RankKing, suits[i]), 12);
    }
    for (int f = 1; f <= 8; ++f)
        FoundationCounts[f] = 2;
    int k = 0;
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 3; ++b) {
            if (a == 7 && b == 3) {
                TwentyPileNext[a][b] = 1; // the stock's place never holds a card
                continue;
            }
            Put(PileCards2[a][b][1], PileValues2[a][b][1], ++k);
            TwentyPileNext[a][b] = 2;
        }
    for (int i = 1; i <= 76; ++i)
        Put(StockCards[i], StockValues[i], 20 + i);
    StockCount = 76;
    ExtraPileCount = 4;
}

void DealCalculation()
{
    ShuffleDeck52();
    ClearFoundations(4, 49);
    ClearPiles(4, 48);
    for (int i = 1; i <= 52; ++i) {
        WasteCards[i] = cards::Empty;
        WasteValues[i] = cards::EmptyValue;
    }
    const TCardCode bases[4] = {TCardCode(cards::RankAce, H), TCardCode('2', H), TCardCode('3', H), TCardCode('4', H)};
    for (int f = 1; f <= 4; ++f) {
        Put(FoundationCards[f][1], FoundationValues[f][1], bases[f - 1], static_cast<Byte>(f - 1));
        FoundationCounts[f] = 2;
        PileCounts[f] = 1;
        PileFanStep[f] = Scaled(20);
    }
    int n = 0;
    for (int k = 1; k <= 52; ++k) {
        const TCardCode& card = DealCards[k];
        if (card == bases[0] || card == bases[1] || card == bases[2] || card == bases[3])
            continue;
        ++n;
        Put(WasteCards[n], WasteValues[n], k);
    }
    ExtraPileCount = n;
}

void DealSultan()
{
    ShuffleDeck104();
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) {
            for (int s = 1; s <= 13; ++s) {
                SultanCards[r][c][s] = cards::Empty;
                SultanValues[r][c][s] = cards::EmptyValue;
            }
            SultanNext[r][c] = 2;
        }
    ClearCards(SultanReserveCards, SultanReserveValues);
    ClearStockAndWaste();
    const char grid[3][3] = {{C, H, C}, {D, H, D}, {S, H, S}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) {
            const bool ace = r == 1 && c == 2;
            Put(SultanCards[r][c][1], SultanValues[r][c][1],
                TCardCode(ace ? cards::RankAce : cards::RankKing, grid[r - 1][c - 1]), ace ? 0 : 12);
        }
    // The stock: every card but the Kings and the first Ace of hearts, in pack order.
    const TCardCode aceOfHearts(cards::RankAce, H);
    bool aceTaken = false;
    int n = 0;
    for (int k = 1; k <= 104; ++k) {
        const TCardCode& card = DealCards[k];
        if (card.rank() == cards::RankKing)
            continue;
        if (!aceTaken && card == aceOfHearts) {
            aceTaken = true;
            continue;
        }
        ++n;
        Put(StockCards[n], StockValues[n], k);
    }
    for (int r = 1; r <= 6; ++r) {
        const int top = n + 1 - r;
        SultanReserveCards[r] = StockCards[top];
        SultanReserveValues[r] = StockValues[top];
        StockCards[top] = cards::Empty;
        StockValues[top] = cards::EmptyValue;
    }
    StockCount = n - 6;
    PassCount = 1;
    ExtraPileCount = 1;
}

void DealBackbone()
{
    ShuffleDeck104();
    ClearFoundations(8, 13);
    ClearArea2(2, 4, 13);
    ClearStockAndWaste();
    ClearCards(BackboneCards, BackboneValues);
    int k = 0;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 4; ++j) {
            Put(PileCards2[i][j][1], PileValues2[i][j][1], ++k);
            BackboneColumnNext[i][j] = 2;
        }
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 10; ++j)
            Put(BackboneCards[i][j], BackboneValues[i][j], ++k);
    Put(BackboneCards[1][11], BackboneValues[1][11], ++k);
    for (int i = 1; i <= 75; ++i)
        Put(StockCards[i], StockValues[i], ++k);
    for (int f = 1; f <= 8; ++f)
        BackboneFoundationNext[f] = 1;
    StockCount = 75;
    WasteCount = 1;
    ExtraPileCount = 1;
    PassCount = 1;
}

void DealCarpet()
{
    ShuffleDeck52();
    ClearFoundations(4, 13);
    ClearPiles(5, 4);
    for (int i = 1; i <= 52; ++i) {
        StockCards[i] = WasteCards[i] = cards::Empty;
        StockValues[i] = WasteValues[i] = cards::EmptyValue;
    }
    const char suits[4] = {H, D, C, S};
    for (int f = 1; f <= 4; ++f) {
        Put(FoundationCards[f][1], FoundationValues[f][1], TCardCode(cards::RankAce, suits[f - 1]), 0);
        FoundationCounts[f] = 2;
    }
    int m = 0;
    int stock = 0;
    for (int k = 1; k <= 52; ++k) {
        if (DealCards[k].rank() == cards::RankAce)
            continue;
        if (m < 20) {
            ++m;
            const int column = (m - 1) % 5 + 1;
            const int row = (m - 1) / 5 + 1;
            Put(PileCards[column][row], PileValues[column][row], k);
        } else {
            ++stock;
            Put(StockCards[stock], StockValues[stock], k);
        }
    }
    StockCount = stock;
    WasteCount = 1;
    ExtraPileCount = 1;
    PassCount = 1;
}

void DealFig()
{
    ShuffleDeck52();
    ClearPiles(15, 4);
    int k = 0;
    for (int p = 1; p <= 15; ++p) {
        if (p == 9 || p == 15) {
            PileCounts[p] = 0;
            continue;
        }
        for (int s = 1; s <= 4; ++s)
            Put(PileCards[p][s], PileValues[p][s], ++k);
        PileCounts[p] = 4;
    }
    PassCount = 1;
}

void DealFlowerGarden()
{
    ShuffleDeck52();
    ClearPiles(6, 20);
    ClearFoundations(6, 13);
    for (int i = 1; i <= 4; ++i)
        FoundationX[i] = ColumnX[i + 1];
    FoundationY = Scaled(10);
    for (int i = 1; i <= 6; ++i) {
        for (int s = 1; s <= 6; ++s)
            Put(PileCards[i][s], PileValues[i][s], 6 * (i - 1) + s);
        PileCounts[i] = 7;
        ColumnStep[i] = Scaled(25);
    }
    for (int i = 1; i <= 16; ++i)
        Put(SadReserveCards[i], SadReserveValues[i], 36 + i);
    for (int f = 1; f <= 4; ++f)
        FoundationCounts[f] = 1;
    PassCount = 1;
}

void DealEightSages()
{
    ShuffleDeck104();
    ClearFoundations(8, 13);
    ClearPiles(8, 13);
    ClearStockAndWaste();
    for (int i = 1; i <= 8; ++i) {
        Put(PileCards[i][1], PileValues[i][1], i);
        FoundationCounts[i] = 1;
        PileCounts[i] = 2;
    }
    for (int i = 1; i <= 96; ++i)
        Put(StockCards[i], StockValues[i], 8 + i);
    StockCount = 96;
    WasteCount = 1;
    for (int i = 1; i <= 8; ++i)
        ColumnStep[i] = MudFanStep(i);
    PassCount = 1;
}

} // namespace

void DealTable3()
{
    switch (CurrentGameId) {
    case PictureGallery: DealPictureGallery(); break;
    case Desire: DealDesire(); break;
    case Twenty: DealTwenty(); break;
    case Calculation: DealCalculation(); break;
    case Sultan: DealSultan(); break;
    case Backbone: DealBackbone(); break;
    case Carpet: DealCarpet(); break;
    case Fig: DealFig(); break;
    case FlowerGarden: DealFlowerGarden(); break;
    case EightSages: DealEightSages(); break;
    default: break;
    }
}

} // namespace Group3
