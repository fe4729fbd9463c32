#include "games/group1/Qyv_10_FreeCell.h"
#include "games/kit/KitTable.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"

#include <QPoint>
#include <algorithm>
#include <optional>
#include <vector>

namespace Group1 {

using namespace GameState;
using Scaling::Scaled;

namespace {

constexpr int Piles = 8;
constexpr int Cells = 4;
constexpr int Foundations = 4;
// SelectedPile and LiftedFromPile name free cell c as CellBase + c.
constexpr int CellBase = 20;

bool HoldsCard(const TCardCode& c)
{
    return !(c == cards::Empty);
}

bool ClickMode()
{
    return Settings::MoveMode == 0 || Settings::MoveMode == 1;
}

bool IsCellRef(int ref)
{
    return ref > CellBase && ref <= CellBase + Cells;
}

void EnableButton8(bool on)
{
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(on);
}

void RefreshTable()
{
    if (Form1 && Form1->ImageStol)
        Form1->ImageStol->repaintNow();
}

const TCardCode& TopCard(int p)
{
    return PileCardCount[p] > 0 ? PileCards[p][PileCardCount[p]] : cards::Empty;
}

int PileSlotY(int p, int s)
{
    return ColumnTop + (s - 1) * PileFanStep[p];
}

// A place a single card can be on: a pile's top, a free cell or a foundation.
enum class Where { Pile, Cell, Foundation };
struct TPlace {
    Where where;
    int n;
};

// Where the card of `place` is drawn: a pile's top slot (the next slot when `next`),
// a cell, a foundation.
QPoint PlacePoint(const TPlace& place, bool next)
{
    switch (place.where) {
    case Where::Pile:
        return {ColumnX[place.n], PileSlotY(place.n, PileCardCount[place.n] + (next ? 1 : 0))};
    case Where::Cell:
        return {FreeCellX[place.n], FreeCellY};
    case Where::Foundation:
        break;
    }
    return {FoundationX[place.n], FoundationY};
}

// Takes the card off a pile's top or out of a cell and repaints the place.
void TakeCard(const TPlace& from, TCardCode& card, Byte& value)
{
    if (from.where == Where::Pile) {
        const int p = from.n;
        const int s = PileCardCount[p];
        card = PileCards[p][s];
        value = PileValues[p][s];
        PileCards[p][s] = cards::Empty;
        PileValues[p][s] = cards::EmptyValue;
        --PileCardCount[p];
        PileFanStep[p] = FanStep1(p);
        RedrawColumn1(p, 0);
    } else {
        const int c = from.n;
        card = FreeCellCards[c];
        value = FreeCellValues[c];
        FreeCellCards[c] = cards::Empty;
        FreeCellValues[c] = cards::EmptyValue;
        RedrawFreeCell1(c);
    }
}

// Writes the card into its new place; the count and the paint follow in CompletePlace,
// after a flight.
void WriteCard(const TPlace& to, const TCardCode& card, Byte value)
{
    switch (to.where) {
    case Where::Pile:
        PileCards[to.n][PileCardCount[to.n] + 1] = card;
        PileValues[to.n][PileCardCount[to.n] + 1] = value;
        break;
    case Where::Cell:
        FreeCellCards[to.n] = card;
        FreeCellValues[to.n] = value;
        break;
    case Where::Foundation:
        FoundationCards[to.n][FoundationNextSlot[to.n]] = card;
        FoundationValues[to.n][FoundationNextSlot[to.n]] = value;
        break;
    }
}

void CompletePlace(const TPlace& to)
{
    switch (to.where) {
    case Where::Pile:
        ++PileCardCount[to.n];
        PileFanStep[to.n] = FanStep1(to.n);
        RedrawColumn1(to.n, 0);
        break;
    case Where::Cell:
        RedrawFreeCell1(to.n);
        break;
    case Where::Foundation:
        ++FoundationNextSlot[to.n];
        RedrawFoundation1(to.n);
        break;
    }
}

// One card from a pile's top or a cell to a pile, a cell or a foundation, by the
// player: flown in move mode 1, counted, the selection gone.
void MoveOneCard(const TPlace& from, const TPlace& to)
{
    const QPoint start = PlacePoint(from, false);
    TCardCode card;
    Byte value = 0;
    TakeCard(from, card, value);
    const QPoint end = PlacePoint(to, true);
    WriteCard(to, card, value);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(start.x(), start.y(), end.x(), end.y(), card);
    CompletePlace(to);
    SelectedPile = 0;
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel1();
}

int FreePlaceCount()
{
    int free = 0;
    for (int c = 1; c <= Cells; ++c)
        if (!HoldsCard(FreeCellCards[c]))
            ++free;
    for (int p = 1; p <= Piles; ++p)
        if (PileCardCount[p] == 0)
            ++free;
    return free;
}

// The run above slot Start of pile q parked in the free places, the card in slot
// Start laid on p, the parked cards after it in reverse order. Every card is a move.
void RunMove(int q, int p, int start)
{
    std::vector<TPlace> free;
    for (int c = 1; c <= Cells; ++c)
        if (!HoldsCard(FreeCellCards[c]))
            free.push_back({Where::Cell, c});
    for (int e = 1; e <= Piles; ++e)
        if (PileCardCount[e] == 0)
            free.push_back({Where::Pile, e});
    const int park = PileCardCount[q] - start;
    const bool fly = Settings::MoveMode == 1;

    for (int i = 0; i < park; ++i) {
        const TPlace& place = free.at(static_cast<std::size_t>(i));
        const QPoint from = PlacePoint({Where::Pile, q}, false);
        TCardCode card;
        Byte value = 0;
        TakeCard({Where::Pile, q}, card, value);
        const QPoint to = PlacePoint(place, true);
        WriteCard(place, card, value);
        if (place.where == Where::Pile) {
            PileCardCount[place.n] = 1;
            PileFanStep[place.n] = FanStep1(place.n);
        }
        if (fly) {
            Kit::FlyCard(from.x(), from.y(), to.x(), to.y(), card, 2);
            Kit::PlaySound("WavCardUp");
            if (place.where == Where::Pile)
                RedrawColumn1(place.n, 0);
            else
                RedrawFreeCell1(place.n);
        }
        ++MoveCounter;
        DrawInfoPanel1();
    }

    {
        const QPoint from = PlacePoint({Where::Pile, q}, false);
        TCardCode card;
        Byte value = 0;
        TakeCard({Where::Pile, q}, card, value);
        const QPoint to = PlacePoint({Where::Pile, p}, true);
        WriteCard({Where::Pile, p}, card, value);
        if (fly)
            Kit::FlyCard(from.x(), from.y(), to.x(), to.y(), card, 2);
        CompletePlace({Where::Pile, p});
        SelectedPile = 0;
        Kit::PlaySound("WavCardUp");
        ++MoveCounter;
    }

    for (int i = park - 1; i >= 0; --i) {
        const TPlace& place = free.at(static_cast<std::size_t>(i));
        const QPoint from = PlacePoint(place, false);
        TCardCode card;
        Byte value = 0;
        if (place.where == Where::Pile) {
            const int e = place.n;
            card = PileCards[e][1];
            value = PileValues[e][1];
            PileCards[e][1] = cards::Empty;
            PileValues[e][1] = cards::EmptyValue;
            PileCardCount[e] = 0;
            RedrawColumn1(e, 0);
        } else {
            TakeCard(place, card, value);
        }
        const QPoint to = PlacePoint({Where::Pile, p}, true);
        WriteCard({Where::Pile, p}, card, value);
        if (fly) {
            Kit::FlyCard(from.x(), from.y(), to.x(), to.y(), card, 2);
            Kit::PlaySound("WavCardUp");
        }
        CompletePlace({Where::Pile, p});
        ++MoveCounter;
        DrawInfoPanel1();
    }
    DrawInfoPanel1();
}

void SelectCell(int c)
{
    Kit::PlaySound("WavDown");
    Kit::ToggleSelectionFrame(FreeCellX[c], FreeCellY);
    SelectedPile = CellBase + c;
}

void SelectPile(int p)
{
    Kit::PlaySound("WavDown");
    Kit::ToggleSelectionFrame(ColumnX[p], PileSlotY(p, PileCardCount[p]));
    SelectedPile = p;
}

void Deselect()
{
    Kit::PlaySound("WavCancel");
    if (IsCellRef(SelectedPile)) {
        const int c = SelectedPile - CellBase;
        Kit::ToggleSelectionFrame(FreeCellX[c], FreeCellY);
    } else if (SelectedPile >= 1 && SelectedPile <= Piles) {
        const int p = SelectedPile;
        Kit::ToggleSelectionFrame(ColumnX[p], PileSlotY(p, PileCardCount[p]));
    }
    SelectedPile = 0;
}

// The second press of the click protocol names the target of the selected card.
void ClickPress(int kind, int n)
{
    const int sel = SelectedPile;
    const bool cellSelected = IsCellRef(sel);
    const bool pileSelected = sel >= 1 && sel <= Piles;
    const int c = cellSelected ? sel - CellBase : 0;
    const TCardCode selected = cellSelected ? FreeCellCards[c] : pileSelected ? TopCard(sel) : cards::Empty;
    const bool onCell = kind == KindFoundationOrCell && n >= 1 && n <= Cells;
    const bool onPile = kind == KindPile && n >= 1 && n <= Piles;
    const bool onFoundation = kind == KindWasteOrFoundation && n >= 1 && n <= Foundations;

    if (sel == 0) {
        if (onCell && HoldsCard(FreeCellCards[n]))
            SelectCell(n);
        else if (onPile && PileCardCount[n] > 0)
            SelectPile(n);
        return;
    }
    if (cellSelected && onCell && n == c) {
        Deselect();
        return;
    }
    if (cellSelected && onCell && !HoldsCard(FreeCellCards[n])) {
        MoveOneCard({Where::Cell, c}, {Where::Cell, n});
        return;
    }
    if (pileSelected && onCell && !HoldsCard(FreeCellCards[n])) {
        MoveOneCard({Where::Pile, sel}, {Where::Cell, n});
        return;
    }
    if (pileSelected && onPile && n == sel) {
        Deselect();
        return;
    }
    if (pileSelected && onPile && FitsTableau1(selected, TopCard(n))) {
        MoveOneCard({Where::Pile, sel}, {Where::Pile, n});
        return;
    }
    if (cellSelected && onPile && FitsTableau1(selected, TopCard(n))) {
        MoveOneCard({Where::Cell, c}, {Where::Pile, n});
        return;
    }
    int start = 0;
    if (pileSelected && onPile && FreeCellRunStart(sel, n, start)) {
        RunMove(sel, n, start);
        return;
    }
    if (pileSelected && onFoundation && FitsFoundation1(selected, n)) {
        MoveOneCard({Where::Pile, sel}, {Where::Foundation, n});
        return;
    }
    if (cellSelected && onFoundation && FitsFoundation1(selected, n))
        MoveOneCard({Where::Cell, c}, {Where::Foundation, n});
}

// Drag mode: a pile's top card or a cell's card lifted under the drag sprite.
void DragPress(int kind, int n, int X, int Y)
{
    const bool fromPile = kind == KindPile && n >= 1 && n <= Piles && PileCardCount[n] > 0;
    const bool fromCell = kind == KindFoundationOrCell && n >= 1 && n <= Cells && HoldsCard(FreeCellCards[n]);
    if (!fromPile && !fromCell)
        return;
    const TPlace from = fromPile ? TPlace{Where::Pile, n} : TPlace{Where::Cell, n};
    const QPoint at = PlacePoint(from, false);
    if (!Kit::TakeUpDrag())
        return;
    // All of it: the kit returns every buffer slot that holds a card, and the deal
    // empties only the first SlotCount slots.
    ClearCards(LiftedCards, LiftedValues);
    TCardCode card;
    Byte value = 0;
    // The sprite takes its picture from the table while the card is still drawn, so
    // the place is repainted only inside Kit::ShowDragSprite.
    if (fromPile) {
        const int s = PileCardCount[n];
        card = PileCards[n][s];
        value = PileValues[n][s];
        PileCards[n][s] = cards::Empty;
        PileValues[n][s] = cards::EmptyValue;
        --PileCardCount[n];
        LiftedFromPile = n;
    } else {
        card = FreeCellCards[n];
        value = FreeCellValues[n];
        FreeCellCards[n] = cards::Empty;
        FreeCellValues[n] = cards::EmptyValue;
        LiftedFromPile = CellBase + n;
    }
    LiftedCards[1] = card;
    LiftedValues[1] = value;
    DragRun = TSpr{};
    DragRun.K = 1;
    DragRun.G = 3;
    DragRun.H = 0;
    DragRun.C[1] = card;
    Kit::ShowDragSprite(Kit::CardFrame(at.x(), at.y()), X, Y, true, [fromPile, n] {
        if (fromPile)
            RedrawColumn1(n, 0);
        else
            RedrawFreeCell1(n);
    });
}

// The lifted card released on (X, Y): laid on a pile, into an empty cell or onto a
// foundation, or taken home.
void DropLifted(int X, int Y)
{
    Kit::RemoveDragSprite();
    int n = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, n, s, kind);
    const int src = LiftedFromPile;
    const TCardCode card = LiftedCards[1];
    const Byte value = LiftedValues[1];
    const bool fromPile = src >= 1 && src <= Piles;

    std::optional<TPlace> target;
    if (kind == KindPile && top && n >= 1 && n <= Piles && FitsTableau1(card, TopCard(n)))
        target = TPlace{Where::Pile, n};
    else if (kind == KindFoundationOrCell && top && n >= 1 && n <= Cells && !HoldsCard(FreeCellCards[n]))
        target = TPlace{Where::Cell, n};
    else if (kind == KindWasteOrFoundation && n >= 1 && n <= Foundations && FitsFoundation1(card, n))
        target = TPlace{Where::Foundation, n};

    if (target) {
        WriteCard(*target, card, value);
        CompletePlace(*target);
        if (fromPile) {
            PileFanStep[src] = FanStep1(src);
            RedrawColumn1(src, 0);
        }
        Kit::PlaySound("WavCardUp");
        // A card put back where it was lifted from has not moved.
        const bool backHome = (target->where == Where::Pile && target->n == src)
            || (target->where == Where::Cell && CellBase + target->n == src);
        if (!backHome)
            ++MoveCounter;
    } else {
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        RefreshTable();
        const TPlace home = fromPile ? TPlace{Where::Pile, src} : TPlace{Where::Cell, src - CellBase};
        const QPoint homeAt = PlacePoint(home, true);
        const int spriteX = X - DragOffsetX;
        const int spriteY = Y - DragOffsetY;
        if (Celebration::Distance(spriteX, spriteY, homeAt.x(), homeAt.y()) >= Scaled(20))
            Kit::FlyCard(spriteX + CardInset, spriteY + CardInset, homeAt.x(), homeAt.y(), card);
        WriteCard(home, card, value);
        CompletePlace(home);
    }
    Kit::ClearLiftBuffer(SlotCount);
    DragActive = 0;
    LastUpX = X;
    LastUpY = Y;
}

// After every press without a drag, every release and every double click.
void EndSequence()
{
    DrawInfoPanel1();
    int count = 0;
    const bool ended = CountMoves1(count); // also refreshes GiveUpAllowed
    EnableButton8(GiveUpAllowed != 0);
    if (ended)
        Kit::EndGame(GameWon != 0, {&Texts::TxtToMenu, {}, Kit::TPanelOrder::None});
}

} // namespace

bool FreeCellRunStart(int From, int To, int& Start)
{
    Start = 0;
    if (From < 1 || From > Piles || To < 1 || To > Piles)
        return false;
    const int free = FreePlaceCount();
    const int n = PileCardCount[From];
    if (n == 0)
        return false;
    const TCardCode& target = TopCard(To);
    for (int i = n; i >= 1; --i) {
        const int k = n - i;
        if (FitsTableau1(PileCards[From][i], target) && k <= free) {
            Start = i;
            return true;
        }
        if (i >= 2 && !FitsTableau1(PileCards[From][i], PileCards[From][i - 1]))
            return false;
    }
    return false;
}

void FreeCellAutoPlay()
{
    if (DragActive)
        return;
    int place = 1;
    int idle = 0;
    // Thirteen quiet visits in a row: every place has been seen once since the last move.
    while (idle <= 12) {
        int lowest = 13;
        for (int f = 1; f <= Foundations; ++f)
            lowest = std::min(lowest, FoundationNextSlot[f] - 1);
        const bool isCell = place <= Cells;
        const int n = isCell ? place : place - Cells;
        const TCardCode card = isCell ? FreeCellCards[n] : TopCard(n);
        const int value = isCell ? FreeCellValues[n] : (PileCardCount[n] > 0 ? PileValues[n][PileCardCount[n]] : 99);
        bool moved = false;
        if (HoldsCard(card) && (value == lowest || value == lowest + 1)) {
            for (int f = 1; f <= Foundations && !moved; ++f) {
                if (!FitsFoundation1(card, f))
                    continue;
                const TPlace from = isCell ? TPlace{Where::Cell, n} : TPlace{Where::Pile, n};
                const QPoint start = PlacePoint(from, false);
                TCardCode taken;
                Byte takenValue = 0;
                TakeCard(from, taken, takenValue);
                WriteCard({Where::Foundation, f}, taken, takenValue);
                if (Settings::MoveMode >= 1)
                    Kit::FlyCard(start.x(), start.y(), FoundationX[f], FoundationY, taken, 2);
                CompletePlace({Where::Foundation, f});
                SelectedPile = 0;
                Kit::PlaySound("WavCardUp");
                DrawInfoPanel1();
                moved = true;
            }
        }
        idle = moved ? 0 : idle + 1;
        place = place % 12 + 1;
    }
}

void FreeCellMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    int n = 0, s = 0, kind = 0;
    HitTest1(X, Y, n, s, kind);
    if (ClickMode())
        ClickPress(kind, n);
    else if (Settings::MoveMode == 2)
        DragPress(kind, n, X, Y);
    FreeCellAutoPlay();
    if (DragActive)
        return;
    EndSequence();
}

void FreeCellMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    // There is no stock, so there is no hint to show.
    Kit::SetStockHint(false);
    int n = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, n, s, kind);
    const bool onPile = kind == KindPile && top && n >= 1 && n <= Piles;
    const bool onCell = kind == KindFoundationOrCell && n >= 1 && n <= Cells;
    const bool onFoundation = kind == KindWasteOrFoundation && n >= 1 && n <= Foundations;
    const bool onCard = (onCell && HoldsCard(FreeCellCards[n])) || (onPile && PileCardCount[n] > 0);

    if (Settings::MoveMode == 2 && DragActive) {
        const TCardCode& card = LiftedCards[1];
        const bool hand = (onFoundation && FitsFoundation1(card, n)) || (onCell && !HoldsCard(FreeCellCards[n]))
            || (onPile && FitsTableau1(card, TopCard(n)));
        Kit::SetScreenCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    const int sel = SelectedPile;
    if (Settings::MoveMode == 2 || sel == 0) {
        Kit::SetTableCursor(onCard ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    const bool cellSelected = IsCellRef(sel);
    const TCardCode selected = cellSelected ? FreeCellCards[sel - CellBase] : TopCard(sel);
    int start = 0;
    const bool hand = (onFoundation && FitsFoundation1(selected, n)) || (onCell && !HoldsCard(FreeCellCards[n]))
        || (onPile && (n == sel || FitsTableau1(selected, TopCard(n))))
        || (onPile && !cellSelected && FreeCellRunStart(sel, n, start));
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void FreeCellMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    EnableButton8(false);
    if (DragActive)
        DropLifted(X, Y);
    FreeCellAutoPlay();
    EndSequence();
}

void FreeCellDblClick()
{
    // A drag whose release never came: the card goes home at once (the kit takes a
    // pile card home, a cell card is put back here).
    const int src = LiftedFromPile;
    if (Kit::EndDragOnDoubleClick(ReturnLifted) && IsCellRef(src) && HoldsCard(LiftedCards[1])) {
        WriteCard({Where::Cell, src - CellBase}, LiftedCards[1], LiftedValues[1]);
        CompletePlace({Where::Cell, src - CellBase});
        Kit::ClearLiftBuffer(SlotCount);
    }
    int n = 0, s = 0, kind = 0;
    const bool top = HitTest1(LastUpX, LastUpY, n, s, kind);
    if (Settings::MoveMode == 2) {
        const bool onPile = kind == KindPile && top && n >= 1 && n <= Piles && PileCardCount[n] > 0;
        const bool onCell = kind == KindFoundationOrCell && n >= 1 && n <= Cells && HoldsCard(FreeCellCards[n]);
        if (onPile || onCell) {
            const TPlace from = onPile ? TPlace{Where::Pile, n} : TPlace{Where::Cell, n};
            const TCardCode card = onPile ? TopCard(n) : FreeCellCards[n];
            const Byte value = onPile ? PileValues[n][PileCardCount[n]] : FreeCellValues[n];
            if (const int f = FoundationForCard(card, value); f != 0) {
                TCardCode taken;
                Byte takenValue = 0;
                TakeCard(from, taken, takenValue);
                const QPoint start = onPile ? QPoint(ColumnX[n], PileSlotY(n, PileCardCount[n] + 1))
                                            : QPoint(FreeCellX[n], FreeCellY);
                WriteCard({Where::Foundation, f}, taken, takenValue);
                Kit::FlyCard(start.x(), start.y(), FoundationX[f], FoundationY, taken);
                CompletePlace({Where::Foundation, f});
                if (onCell) {
                    DrawInfoPanel1();
                    int count = 0;
                    CountMoves1(count);
                    EnableButton8(GiveUpAllowed != 0);
                }
            }
        }
    }
    FreeCellAutoPlay();
    EndSequence();
}

} // namespace Group1
