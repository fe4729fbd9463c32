// The games of group 4, the shapes of the Pyramid and the Diamond, and the deal of
// every group-4 table.
#include "games/group4/Qyv_Help2_4.h"

#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"

#include <array>
#include <vector>

namespace Group4 {

using namespace GameState;

bool IsMonteCarlo(int game) { return game == MonteCarlo || game == MonteCarloBySuit; }
bool IsPyramid(int game) { return game == Pyramid || game == PyramidInfinity || game == OpenPyramid; }
bool IsDiamond(int game) { return game == DiamondInfinity || game == OpenDiamond; }
bool IsGridGame(int game) { return IsPyramid(game) || IsDiamond(game); }
bool IsOpenGrid(int game) { return game == OpenPyramid || game == OpenDiamond; }

namespace {

// Row r of the pyramid: r cards in the columns 8 - r, 10 - r .. 6 + r.
std::vector<GridPlace> MakePyramid()
{
    std::vector<GridPlace> places;
    for (int r = 1; r <= 7; ++r)
        for (int c = 8 - r; c <= 6 + r; c += 2)
            places.push_back({c, r});
    return places;
}

// The diamond widens from four cards to seven (columns 1..13 odd in row 4) and narrows
// back: 37 cards.
std::vector<GridPlace> MakeDiamond()
{
    static const int first[7] = {4, 3, 2, 1, 2, 3, 4};
    std::vector<GridPlace> places;
    for (int r = 1; r <= 7; ++r)
        for (int c = first[r - 1]; c <= 14 - first[r - 1]; c += 2)
            places.push_back({c, r});
    return places;
}

void ClearTable()
{
    ClearCards(PileCards, PileValues);
    platform::fillAll(PileFaceUp, Byte(0));
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    ClearCards(DiscardCards, DiscardValues);
    ClearCards(LiftedCards, LiftedValues);
    for (int i = 1; i <= 16; ++i)
        PileCounts[i] = 1;
    for (int f = 1; f <= 8; ++f)
        FoundationNextSlot[f] = 1;
    StockCount = 0;
    WasteCount = 1;
    ExtraPileCount = 0;
    SelectedPile = 0;
    SelectedSlot = 0;
    WasteKingTaken = 0;
    TargetCard = cards::Empty;
    TargetValue = cards::EmptyValue;
}

// Piles 1..piles of `each` cards from the pack, in order.
void DealPiles(int piles, int each)
{
    for (int i = 1; i <= piles; ++i) {
        for (int k = 1; k <= each; ++k) {
            PileCards[i][k] = DealCards[each * (i - 1) + k];
            PileValues[i][k] = DealValues[each * (i - 1) + k];
        }
        PileCounts[i] = each + 1;
    }
}

// Pack cards first..last onto the stock, the last on top.
void StockFrom(int first, int last)
{
    for (int k = first; k <= last; ++k) {
        ++StockCount;
        StockCards[StockCount] = DealCards[k];
        StockValues[StockCount] = DealValues[k];
    }
}

void DealBook()
{
    ShuffleDeck104();
    DealPiles(8, 5);
    StockFrom(41, 104);
    Button8Mode = 1;
}

void DealPairs()
{
    ShuffleDeck104();
    DealPiles(9, 5);
    for (int i = 1; i <= 9; ++i)
        ColumnStep[i] = Scaling::Scaled(20);
    StockFrom(46, 104);
}

void DealWish()
{
    ShuffleDeck36();
    DealPiles(9, 4);
}

void DealMonteCarlo(bool bySuit)
{
    ShuffleDeck52();
    int n = 52;
    if (bySuit) {
        n = 0;
        for (int k = 1; k <= 52; ++k)
            if (DealCards[k].rank() != '2') {
                ++n;
                DealCards[n] = DealCards[k];
                DealValues[n] = DealValues[k];
            }
        for (int k = n + 1; k <= 52; ++k) {
            DealCards[k] = cards::Empty;
            DealValues[k] = cards::EmptyValue;
        }
    }
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 4; ++j) {
            PileCards[i][j] = DealCards[4 * (i - 1) + j];
            PileValues[i][j] = DealValues[4 * (i - 1) + j];
        }
    // The stock holds the pack reversed; its first ExtraPileCount slots are the cards
    // still to deal, the next one on top.
    for (int k = 1; k <= n; ++k) {
        StockCards[k] = DealCards[n + 1 - k];
        StockValues[k] = DealValues[n + 1 - k];
    }
    ExtraPileCount = n - 24;
    StockCount = 0;
}

void DealGrid(int game)
{
    ShuffleDeck52();
    const auto places = GridPlaces4(game);
    int k = 0;
    for (const GridPlace& p : places) {
        ++k;
        PileCards[p.col][p.row] = DealCards[k];
        PileValues[p.col][p.row] = DealValues[k];
        PileFaceUp[p.col][p.row] = p.row == 7 ? 1 : 0;
    }
    StockFrom(k + 1, 52);
    WasteCount = 1;
    ExtraPileCount = 1;
}

void DealOnce(int game)
{
    ClearTable();
    if (game == Book)
        DealBook();
    else if (game == Pairs)
        DealPairs();
    else if (game == Wish)
        DealWish();
    else if (IsMonteCarlo(game))
        DealMonteCarlo(game == MonteCarloBySuit);
    else if (IsGridGame(game))
        DealGrid(game);
}

void PaintDeal(int game)
{
    if (game == Book) {
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation4(f);
        for (int r = 1; r <= 8; ++r)
            RedrawColumn4(r, 0);
        RedrawStockWaste4();
        BookCardListPanel(true);
    } else if (game == Pairs || game == Wish) {
        for (int i = 1; i <= 9; ++i)
            RedrawColumn4(i, 0);
        RedrawStockWaste4();
    } else if (IsMonteCarlo(game)) {
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 4; ++j)
                RedrawColumn4(i, j);
        RedrawStockWaste4();
    } else if (IsGridGame(game)) {
        RepaintGrid4();
    }
    DrawInfoPanel4();
}

} // namespace

std::span<const GridPlace> GridPlaces4(int game)
{
    static const std::vector<GridPlace> pyramid = MakePyramid();
    static const std::vector<GridPlace> diamond = MakeDiamond();
    if (IsPyramid(game))
        return pyramid;
    if (IsDiamond(game))
        return diamond;
    return {};
}

bool IsGridPlace4(int game, int col, int row)
{
    for (const GridPlace& p : GridPlaces4(game))
        if (p.col == col && p.row == row)
            return true;
    return false;
}

void DealTable4()
{
    const int game = CurrentGameId;
    const bool untilAMove = game == Wish || IsMonteCarlo(game);
    Cards104 previous;
    // A second bound besides the repeated pack, for a shuffle that cycles.
    for (int tries = 1;; ++tries) {
        DealOnce(game);
        if (!untilAMove)
            break;
        int count = 0;
        if (!CountMoves4(count))
            break;
        // A shuffle pinned to one seed would give this deal forever.
        if (DealCards == previous || tries >= 1000)
            break;
        previous = DealCards;
        if (BeforeRedealHookForTest)
            BeforeRedealHookForTest();
    }
    PaintDeal(game);
}

} // namespace Group4
