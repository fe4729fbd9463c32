// The stock and waste that Sultan, Backbone, Carpet and 8 Sages turn.
#include "games/group3/Qyv_Help2_3_Play.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include "foundation/Settings.h"
#include "foundation/Texts.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

void RefreshTable3()
{
    if (auto* t = Kit::TableImage())
        t->update();
}

Kit::TEndTest EndTest3()
{
    Kit::TEndTest t;
    t.Won = [] { return IsGameWon3(); };
    t.Stuck = [] {
        int moves = 0;
        return CountMoves3(moves);
    };
    t.Caption = &Texts::TxtToMenu;
    return t;
}

namespace {

bool Raised()
{
    return CurrentGameId == Sultan || CurrentGameId == Backbone;
}

} // namespace

int WasteNext3()
{
    return CurrentGameId == EightSages ? WasteCount : ExtraPileCount;
}

void SetWasteNext3(int next)
{
    if (CurrentGameId != EightSages)
        ExtraPileCount = next;
    if (CurrentGameId != Sultan)
        WasteCount = next;
}

QPoint StockTop3()
{
    return {AuxPile2X, AuxPile2Y - (Raised() ? StackEdgeStep3(StockCount) : 0)};
}

namespace {

// Where the painter draws the waste's card of `slot`: raised by its own stack edge.
QPoint WasteSlot(int slot)
{
    return {AuxPile1X, AuxPile1Y - (Raised() ? StackEdgeStep3(std::max(0, slot)) : 0)};
}

} // namespace

QPoint WasteTop3()
{
    return WasteSlot(WasteNext3() - 1);
}

int StockOrWasteAt3(int X, int Y)
{
    int pile = 0;
    return HitTestReserve3(X, Y, pile) && (pile == 1 || pile == 2) ? pile : 0;
}

std::optional<bool> WasteSourceAt3(int X, int Y, int pile, int pos, Kit::TSpot& s)
{
    const int at = StockOrWasteAt3(X, Y);
    if (at == 0)
        return std::nullopt;
    const int top = WasteNext3() - 1;
    if (at != 2 || top < 1 || top > 104)
        return false;
    const QPoint p = WasteTop3();
    s = {pile, pos, p.x(), p.y(), WasteCards[top], WasteValues[top]};
    return true;
}

bool TurnStockCard3()
{
    const int next = WasteNext3();
    if (StockCount < 1 || StockCount > 104 || next < 1 || next > 104)
        return false;
    const TCardCode card = StockCards[StockCount];
    const Byte value = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawReserve3(1);
    if (Settings::MoveMode != 0) {
        const QPoint from = StockTop3();
        const QPoint to = WasteSlot(next);
        Kit::FlyCard(from.x(), from.y(), to.x(), to.y(), card, 1, 0);
    }
    WasteCards[next] = card;
    WasteValues[next] = value;
    SetWasteNext3(next + 1);
    RedrawReserve3(2);
    return true;
}

int TurnWasteBack3()
{
    const int cardsBack = std::clamp(WasteNext3() - 1, 0, 104 - StockCount);
    for (int i = 1; i <= cardsBack; ++i) {
        const int from = cardsBack + 1 - i;
        StockCards[StockCount + i] = WasteCards[from];
        StockValues[StockCount + i] = WasteValues[from];
    }
    for (int i = 1; i <= 104; ++i) {
        WasteCards[i] = cards::Empty;
        WasteValues[i] = cards::EmptyValue;
    }
    StockCount += cardsBack;
    SetWasteNext3(1);
    RedrawReserve3(1);
    RedrawReserve3(2);
    return cardsBack;
}

bool PlayStock3(int passes)
{
    if (StockCount > 0) {
        TurnStockCard3();
        Kit::PlaySound("WavCardUp");
    } else if (PassCount < passes) {
        ++PassCount;
        TurnWasteBack3();
        Kit::PlaySound("WavStopka");
    } else {
        return false;
    }
    RefreshTable3();
    DrawInfoPanel3();
    return true;
}

TTaken3 TakeWasteTop3()
{
    const int top = WasteNext3() - 1;
    if (top < 1 || top > 104)
        return {};
    TTaken3 t{WasteCards[top], WasteValues[top]};
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    SetWasteNext3(top);
    RedrawReserve3(2);
    return t;
}

void PutOnWaste3(const TCardCode& card, Byte value)
{
    const int next = WasteNext3();
    if (next < 1 || next > 104)
        return;
    WasteCards[next] = card;
    WasteValues[next] = value;
    SetWasteNext3(next + 1);
    RedrawReserve3(2);
}

} // namespace Group3
