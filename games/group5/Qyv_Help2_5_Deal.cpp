// The group-5 deals: each game's table filled from a fresh pack and painted.
#include "games/group5/Qyv_Help2_5.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/FanSteps.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"

namespace Group5 {

using namespace GameState;

namespace {

// Lucie deals again while no move is possible; a pack that never gives one (a test's
// pinned seed) must not hang the window.
constexpr int MaxLucieDeals = 1000;


// Pack card i into slot `slot` of pile p.
void ToPile(int p, int slot, int i)
{
    PileCards[p][slot] = DealCards[i];
    PileValues[p][slot] = DealValues[i];
}

// Pack cards first..last into the stock, `first` at the bottom.
void ToStock(int first, int last)
{
    StockCount = 0;
    for (int i = first; i <= last; ++i) {
        ++StockCount;
        StockCards[StockCount] = DealCards[i];
        StockValues[StockCount] = DealValues[i];
    }
}

// Columns 1..columns of `each` cards, column p taking the next ones; the stock the rest.
void DealColumnsAndStock(int columns, int each, int packSize)
{
    int i = 0;
    for (int p = 1; p <= columns; ++p) {
        for (int s = 1; s <= each; ++s)
            ToPile(p, s, ++i);
        PileCounts[p] = each + 1;
    }
    ToStock(i + 1, packSize);
}

void DealBusyAces()
{
    ShuffleDeck104();
    for (int row = 1; row <= 2; ++row)
        for (int place = 1; place <= 6; ++place) {
            const int i = (row - 1) * 6 + place;
            PileCards2[row][place][1] = DealCards[i];
            PileValues2[row][place][1] = DealValues[i];
            BAcesNext[row][place] = 2;
        }
    ToStock(13, 104);
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation5(f);
    for (int row = 1; row <= 2; ++row)
        for (int place = 1; place <= 6; ++place)
            RedrawColumn5(row, place);
    RedrawKoloda5(0);
}

void FillLucieFans()
{
    ShuffleDeck52();
    ClearCards(PileCards2, PileValues2);
    platform::fillAll(LucieFanNext, 1);
    // Rows 1-3 five fans of three, row 4 one of three and two of two.
    int i = 0;
    for (int row = 1; row <= 4; ++row)
        for (int place = 1; place <= 5; ++place) {
            const int cardsInFan = row < 4 ? 3 : place == 1 ? 3 : place <= 3 ? 2 : 0;
            for (int s = 1; s <= cardsInFan; ++s) {
                ++i;
                PileCards2[row][place][s] = DealCards[i];
                PileValues2[row][place][s] = DealValues[i];
            }
            LucieFanNext[row][place] = cardsInFan + 1;
        }
}

void DealLucie()
{
    for (int attempt = 1;; ++attempt) {
        if (attempt > 1 && BeforeRedealHookForTest)
            BeforeRedealHookForTest();
        FillLucieFans();
        int count = 0;
        if (!CountMoves5(count) || attempt >= MaxLucieDeals)
            break;
    }
    for (int f = 1; f <= 4; ++f)
        RedrawFoundation5(f);
    for (int row = 1; row <= 4; ++row)
        for (int place = 1; place <= 5; ++place)
            RedrawColumn5(row, place);
}

void DealCrescent()
{
    ShuffleDeck104();
    constexpr char suits[4] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades};
    // Foundations 1-4 take a King of each suit, 5-8 an Ace: the first met in the pack.
    for (int f = 1; f <= 8; ++f) {
        const TCardCode base(f <= 4 ? cards::RankKing : cards::RankAce, suits[(f - 1) % 4]);
        for (int i = 1; i <= 104; ++i)
            if (DealCards[i] == base) {
                DealCards[i] = cards::Empty;
                DealValues[i] = cards::EmptyValue;
                break;
            }
        FoundationCards[f][1] = base;
        FoundationValues[f][1] = f <= 4 ? 12 : 0;
        FoundationCounts[f] = 2;
    }
    int dealt = 0;
    for (int i = 1; i <= 104; ++i) {
        if (!HoldsCard5(DealCards[i]))
            continue;
        const int p = dealt / 6 + 1;
        ToPile(p, dealt % 6 + 1, i);
        ++dealt;
    }
    for (int p = 1; p <= 16; ++p) {
        PileCounts[p] = 7;
        ColumnStep[p] = CrescentFanStep(p);
    }
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation5(f);
    for (int p = 1; p <= 16; ++p)
        RedrawColumn5(p, 0);
}

void DealAlzhir()
{
    ShuffleDeck104();
    for (int p = 1; p <= 8; ++p) {
        ToPile(p, 1, p);
        if (p <= 4)
            ToPile(p, 2, 8 + p);
        PileCounts[p] = p <= 4 ? 3 : 2;
        ColumnStep[p] = AlzhirFanStep(p);
    }
    // Six rounds of one card to each reserve.
    for (int round = 1; round <= 6; ++round)
        for (int r = 1; r <= 6; ++r) {
            const int i = 12 + (round - 1) * 6 + r;
            AlzhirReserveCards[r][round] = DealCards[i];
            AlzhirReserveValues[r][round] = DealValues[i];
        }
    platform::fillAll(AlzhirReserveCounts, 7);
    ToStock(49, 104);
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation5(f);
    for (int p = 1; p <= 8; ++p)
        RedrawColumn5(p, 0);
    for (int r = 11; r <= 16; ++r)
        RedrawColumn5(r, 0);
    RedrawKoloda5(0);
}

void DealDaemon()
{
    ShuffleDeck52();
    DealColumnsAndStock(4, 1, 4);
    for (int i = 5; i <= 17; ++i) {
        DemonReserveCards[i - 4] = DealCards[i];
        DemonReserveValues[i - 4] = DealValues[i];
    }
    DemonReserveCount = 13;
    ToStock(18, 52);
    for (int f = 1; f <= 4; ++f)
        RedrawFoundation5(f);
    for (int p = 1; p <= 4; ++p)
        RedrawColumn5(p, 0);
    RedrawKoloda5(1);
    RedrawKoloda5(2);
    RedrawReserve5(true);
}

void DealClover()
{
    ShuffleDeck52();
    constexpr char suits[4] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades};
    for (int f = 1; f <= 4; ++f) {
        FoundationCards[f][1] = TCardCode(cards::RankAce, suits[f - 1]);
        FoundationValues[f][1] = 0;
        FoundationCounts[f] = 2;
    }
    int dealt = 0;
    for (int i = 1; i <= 52; ++i) {
        if (DealCards[i].rank() == cards::RankAce)
            continue;
        ToPile(dealt / 3 + 1, dealt % 3 + 1, i);
        ++dealt;
    }
    platform::fillAll(PileCounts, 4);
    for (int f = 1; f <= 4; ++f)
        RedrawFoundation5(f);
    for (int p = 1; p <= 16; ++p)
        RedrawColumn5(p, 0);
}

void DealTenColumns(bool fortyThieves)
{
    ShuffleDeck104();
    DealColumnsAndStock(10, fortyThieves ? 4 : 1, 104);
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation5(f);
    for (int p = 1; p <= 10; ++p)
        RedrawColumn5(p, 0);
    RedrawKoloda5(1);
    if (fortyThieves)
        RedrawKoloda5(2);
}

} // namespace

void ClearTable5()
{
    ClearCards(PileCards, PileValues);
    ClearCards(PileCards2, PileValues2);
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    ClearCards(AlzhirReserveCards, AlzhirReserveValues);
    ClearCards(DemonReserveCards, DemonReserveValues);
    platform::fillAll(PileCounts, 1);
    platform::fillAll(FoundationCounts, 1);
    platform::fillAll(AlzhirReserveCounts, 1);
    platform::fillAll(LucieFanNext, 1);
    platform::fillAll(BAcesNext, 1);
    StockCount = 0;
    WasteCount = 1;
    DemonReserveCount = 0;
}

void DealTable5()
{
    ClearTable5();
    switch (CurrentGameId) {
    case UnclePelk: DealPelk(); break;
    case BusyAces: DealBusyAces(); break;
    case Lucie: DealLucie(); break;
    case Crescent:
    case OpenCrescent: DealCrescent(); break;
    case Alzhir: DealAlzhir(); break;
    case Daemon: DealDaemon(); break;
    case Clover: DealClover(); break;
    case FortyThieves: DealTenColumns(true); break;
    case Miss: DealTenColumns(false); break;
    default: return;
    }
    SelectedPile = 0;
    PassCount = 1;
    DrawInfoPanel5();
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(false);
}

} // namespace Group5
