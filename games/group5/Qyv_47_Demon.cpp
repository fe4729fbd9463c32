// Daemon: the table's mouse handling and the reserve's auto-fill on the play kit. The
// deal, the painters, the move count and the won test are the group engine's.
#include "games/group5/Qyv_47_Demon.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/group5/Qyv_Help2_5_Play.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <vector>

namespace Group5 {

using namespace GameState;
using Scaling::Scaled;

namespace {

// SelectedPile in the click modes.
constexpr int WasteSelected = 1;
constexpr int ReserveSelected = 2;

bool IsAce(const TCardCode& c) { return c.rank() == cards::RankAce; }

int SlotY(int row) { return ColumnTop + (row - 1) * DemonReserveStep; }

bool ColumnTakes(int c, const TCardCode& card, int value)
{
    const int top = TopSlot5(c);
    return top == 0 || DemonFitsTableau(card, value, PileCards[c][top], PileValues[c][top]);
}

bool FoundationTakes(int f, const TCardCode& card, int value)
{
    const int top = FoundationTop5(f);
    if (top == 0)
        return IsAce(card);
    return top < 13 && DemonFitsFoundation(card, value, FoundationCards[f][top], FoundationValues[f][top]);
}

bool ReserveHolds() { return DemonReserveCount >= 1 && DemonReserveCount <= 13; }
bool WasteHolds() { return WasteCount >= 2 && WasteCount <= 105; }

TCard5 ReserveTop() { return ReserveHolds() ? TCard5{DemonReserveCards[DemonReserveCount], DemonReserveValues[DemonReserveCount]} : TCard5{}; }
TCard5 WasteTop() { return WasteHolds() ? TCard5{WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]} : TCard5{}; }

TCard5 TakeReserveTop()
{
    const TCard5 c = ReserveTop();
    DemonReserveCards[DemonReserveCount] = cards::Empty;
    DemonReserveValues[DemonReserveCount] = cards::EmptyValue;
    --DemonReserveCount;
    return c;
}

TCard5 TakeWasteTop()
{
    const TCard5 c = WasteTop();
    WasteCards[WasteCount - 1] = cards::Empty;
    WasteValues[WasteCount - 1] = cards::EmptyValue;
    --WasteCount;
    return c;
}

void PutOnWaste(const TCard5& c)
{
    if (WasteCount < 1 || WasteCount > 104)
        return;
    WasteCards[WasteCount] = c.code;
    WasteValues[WasteCount] = c.value;
    ++WasteCount;
}

void PutOnReserve(const TCard5& c)
{
    if (DemonReserveCount < 0 || DemonReserveCount >= 13)
        return;
    ++DemonReserveCount;
    DemonReserveCards[DemonReserveCount] = c.code;
    DemonReserveValues[DemonReserveCount] = c.value;
}

void ToggleFrameOf(int selected)
{
    if (selected == WasteSelected)
        Kit::ToggleSelectionFrame(AuxPile1X, AuxPile1Y);
    else if (selected == ReserveSelected && ReserveHolds())
        Kit::ToggleSelectionFrame(DemonReserveX, DemonReserveY[DemonReserveCount]);
}

// A click selection of `which` ends (its card is about to move or change).
void DropSelection(int which)
{
    if (SelectedPile != which)
        return;
    ToggleFrameOf(which);
    SelectedPile = 0;
}

void Fly(int x1, int y1, int x2, int y2, const TCardCode& card, int fromMode)
{
    if (Settings::MoveMode >= fromMode)
        Kit::FlyCard(x1, y1, x2, y2, card);
}

void EndTest()
{
    if (!DragActive && !GameOver)
        EndTest5(Kit::TPanelOrder::AfterScore, Kit::TPanelOrder::BeforeScore);
}

// ---- the press's steps; each returns whether it acted ----

bool TurnStock()
{
    if (StockCount < 1 || StockCount > 104 || WasteCount < 1 || WasteCount > 104)
        return false;
    const TCard5 c{StockCards[StockCount], StockValues[StockCount]};
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawKoloda5(1);
    DropSelection(WasteSelected);
    Fly(AuxPile2X, AuxPile2Y, AuxPile1X, AuxPile1Y, c.code, 1);
    PutOnWaste(c);
    ++ExtraPileCount;
    RedrawKoloda5(2);
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel5();
    return true;
}

// The waste turned over into the stock, so the next pass deals in the same order.
bool Redeal()
{
    if (StockCount != 0 || PassCount > 2 || WasteCount < 1 || WasteCount > 105)
        return false;
    DropSelection(WasteSelected);
    const int n = WasteCount - 1;
    for (int i = 1; i <= n; ++i) {
        StockCards[i] = WasteCards[n - i + 1];
        StockValues[i] = WasteValues[n - i + 1];
    }
    ClearCards(WasteCards, WasteValues);
    WasteCount = 1;
    StockCount = n;
    ++PassCount;
    RedrawKoloda5(1);
    RedrawKoloda5(2);
    DrawInfoPanel5();
    Kit::PlaySound("WavStopka");
    return true;
}

bool ClickSource(int kind)
{
    const int which = kind == DemonWaste ? WasteSelected : ReserveSelected;
    if (kind == DemonWaste ? !WasteHolds() : !ReserveHolds())
        return false;
    if (SelectedPile == 0) {
        Kit::PlaySound("WavDown");
        ToggleFrameOf(which);
        SelectedPile = which;
        return true;
    }
    if (SelectedPile == which) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(which);
        SelectedPile = 0;
        return true;
    }
    return false;
}

// The selected waste or reserve card clicked onto foundation f or column c (the other 0).
bool ClickMove(int f, int c)
{
    const bool fromWaste = SelectedPile == WasteSelected;
    if (!fromWaste && (SelectedPile != ReserveSelected || f != 0))
        return false;
    const TCard5 card = fromWaste ? WasteTop() : ReserveTop();
    if (!HoldsCard5(card.code))
        return false;
    if (f != 0 ? !FoundationTakes(f, card.code, card.value) : !ColumnTakes(c, card.code, card.value))
        return false;
    const int fromX = fromWaste ? AuxPile1X : DemonReserveX;
    const int fromY = fromWaste ? AuxPile1Y : DemonReserveY[DemonReserveCount];
    ToggleFrameOf(SelectedPile);
    if (fromWaste) {
        TakeWasteTop();
        RedrawKoloda5(2);
    } else {
        TakeReserveTop();
        RedrawReserve5(true);
    }
    if (f != 0) {
        Fly(fromX, fromY, FoundationX[f], FoundationY, card.code, 1);
        LayOnFoundation5(f, card);
    } else {
        Fly(fromX, fromY, ColumnX[c], SlotY(PileCounts[c]), card.code, 1);
        LayOnPile5(c, card);
        RedrawColumn5(c, 0);
    }
    SelectedPile = 0;
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel5();
    return true;
}

// A column run from `row` to the top is ordered: every card is one lower than the one it
// covers and of the other colour.
bool RunOrdered(int c, int row)
{
    const int top = TopSlot5(c);
    if (row < 1 || row > top)
        return false;
    for (int k = row + 1; k <= top; ++k)
        if (!DemonFitsTableau(PileCards[c][k], PileValues[c][k], PileCards[c][k - 1], PileValues[c][k - 1]))
            return false;
    return true;
}

bool MayLift(int kind, int pile, int row)
{
    switch (kind) {
    case DemonWaste: return Settings::MoveMode == 2 && WasteHolds();
    case DemonReserve: return Settings::MoveMode == 2 && ReserveHolds();
    case DemonColumn: return HoldsCard5(PileCards[pile][row]) && RunOrdered(pile, row);
    default: return false;
    }
}

void Lift(int kind, int pile, int row, int X, int Y)
{
    if (!Kit::TakeUpDrag())
        return;
    DemonDragKind = kind;
    DemonDragColumn = kind == DemonColumn ? pile : 0;
    std::vector<TCardCode> run;
    std::vector<Byte> values;
    Kit::TLiftFrame frame;
    if (kind == DemonColumn) {
        const int top = TopSlot5(pile);
        for (int k = row; k <= top && run.size() < 13; ++k) {
            run.push_back(PileCards[pile][k]);
            values.push_back(PileValues[pile][k]);
        }
        frame = Kit::CardFrame(ColumnX[pile], SlotY(row));
        frame.Bottom += (static_cast<int>(run.size()) - 1) * DemonReserveStep;
    } else {
        const TCard5 c = kind == DemonWaste ? WasteTop() : ReserveTop();
        run.push_back(c.code);
        values.push_back(c.value);
        frame = kind == DemonWaste ? Kit::CardFrame(AuxPile1X, AuxPile1Y)
                                   : Kit::CardFrame(DemonReserveX, DemonReserveY[DemonReserveCount]);
    }
    Kit::HoldRun(run, values, DemonReserveStep);
    if (kind != DemonColumn) {
        DragRun.G = 1;
        DragRun.H = 0;
    }
    const int n = static_cast<int>(run.size());
    Kit::ShowDragSprite(frame, X, Y, true, [kind, pile, row, n] {
        if (kind == DemonWaste) {
            TakeWasteTop();
            RedrawKoloda5(2);
        } else if (kind == DemonReserve) {
            TakeReserveTop();
            RedrawReserve5(false);
        } else {
            for (int k = row; k < row + n; ++k) {
                PileCards[pile][k] = cards::Empty;
                PileValues[pile][k] = cards::EmptyValue;
            }
            PileCounts[pile] = row;
            RedrawColumn5(pile, 0);
        }
    });
}

// The cards in the hand written onto column c from its next slot; the hand emptied.
void HandOntoColumn(int c)
{
    for (int i = 1; i <= 13; ++i)
        if (HoldsCard5(DragCards[i]))
            LayOnPile5(c, {DragCards[i], DragValues[i]});
    Kit::ClearHeld();
}

// The hand back where it came from, without a flight.
void PutBackInPlace()
{
    const TCard5 first{DragCards[1], DragValues[1]};
    if (DemonDragKind == DemonColumn && DemonDragColumn >= 1 && DemonDragColumn <= 4) {
        HandOntoColumn(DemonDragColumn);
        RedrawColumn5(DemonDragColumn, 0);
    } else if (DemonDragKind == DemonWaste) {
        PutOnWaste(first);
        RedrawKoloda5(2);
    } else if (DemonDragKind == DemonReserve) {
        PutOnReserve(first);
        RedrawReserve5(true);
    }
    Kit::ClearHeld();
}

void Drop(int X, int Y)
{
    int pile = 0, row = 0, kind = 0;
    DemonHitTest(X, Y, pile, row, kind);
    const TCard5 first{DragCards[1], DragValues[1]};
    const int held = Kit::HeldCount();
    const QPoint corner = Kit::SpriteCorner(X, Y);
    if (kind == DemonFoundation && held == 1 && FoundationTakes(pile, first.code, first.value)) {
        DemonEndDrag(corner.x(), corner.y());
        LayOnFoundation5(pile, first);
        Kit::ClearHeld();
        ++MoveCounter;
        Kit::PlaySound("WavCardUp");
    } else if (kind == DemonColumn && ColumnTakes(pile, first.code, first.value)) {
        DemonEndDrag(corner.x(), corner.y());
        HandOntoColumn(pile);
        RedrawColumn5(pile, 0);
        if (DemonDragKind != DemonColumn || DemonDragColumn != pile) {
            ++MoveCounter;
            Kit::PlaySound("WavCardUp");
        }
    } else {
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        DemonEndDrag(corner.x(), corner.y());
        if (DemonDragKind == DemonWaste)
            Kit::FlyBackIfFar(Kit::TFlyBack::FromTwenty, X, Y, AuxPile1X, AuxPile1Y, first.code);
        else if (DemonDragKind == DemonReserve && DemonReserveCount < 13)
            Kit::FlyBackIfFar(Kit::TFlyBack::FromTwenty, X, Y, DemonReserveX, DemonReserveY[DemonReserveCount + 1],
                              first.code);
        PutBackInPlace();
    }
    // The reserve's new top shows again whatever became of its old one.
    RedrawReserve5(true);
    DragActive = 0;
    DemonDragKind = 0;
    DemonDragColumn = 0;
    LastUpX = X;
    LastUpY = Y;
    DrawInfoPanel5();
}

// The double click's card to the first foundation that takes it.
bool SendToFoundation()
{
    int pile = 0, row = 0, kind = 0;
    DemonHitTest(LastUpX, LastUpY, pile, row, kind);
    TCard5 c;
    if (kind == DemonColumn && row >= 1 && row == TopSlot5(pile))
        c = {PileCards[pile][row], PileValues[pile][row]};
    else if (kind == DemonWaste && Settings::MoveMode == 2 && WasteHolds())
        c = WasteTop();
    else
        return false;
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 4,
                                         [&](int g) { return FoundationTakes(g, c.code, c.value); });
    if (f == 0)
        return false;
    if (kind == DemonColumn) {
        TakePileTop5(pile);
        RedrawColumn5(pile, 0);
        Fly(ColumnX[pile], SlotY(row), FoundationX[f], FoundationY, c.code, 1);
    } else {
        TakeWasteTop();
        RedrawKoloda5(2);
        Fly(AuxPile1X, AuxPile1Y, FoundationX[f], FoundationY, c.code, 1);
    }
    LayOnFoundation5(f, c);
    ++MoveCounter;
    Kit::PlaySound("WavCardUp");
    return true;
}

bool OverStock(int X, int Y)
{
    return X >= AuxPile2X && X <= AuxPile2X + 12 + CardWidth && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight;
}

bool HandOverTable(int X, int Y)
{
    int pile = 0, row = 0, kind = 0;
    DemonHitTest(X, Y, pile, row, kind);
    const bool dragMode = Settings::MoveMode == 2;
    const int s = SelectedPile;
    switch (kind) {
    case DemonStock: return PassCount <= 2 || StockCount > 0;
    case DemonWaste: return WasteHolds() && (dragMode || s == 0 || s == WasteSelected);
    case DemonReserve: return ReserveHolds() && (dragMode || s == 0 || s == ReserveSelected);
    case DemonFoundation:
        if (!dragMode && s == WasteSelected) {
            const TCard5 c = WasteTop();
            return FoundationTakes(pile, c.code, c.value);
        }
        return false;
    case DemonColumn: {
        if (dragMode || s == 0)
            return TopSlot5(pile) != 0;
        const TCard5 c = s == WasteSelected ? WasteTop() : ReserveTop();
        return HoldsCard5(c.code) && ColumnTakes(pile, c.code, c.value);
    }
    default: return false;
    }
}

} // namespace

void DemonHitTest(int X, int Y, int& Pile, int& Row, int& Kind)
{
    Pile = Row = Kind = 0;
    if (OnCard5(X, Y, AuxPile2X, AuxPile2Y))
        Kind = DemonStock;
    if (OnCard5(X, Y, AuxPile1X, AuxPile1Y))
        Kind = DemonWaste;
    for (int f = 1; f <= 4; ++f)
        if (OnCard5(X, Y, FoundationX[f], FoundationY)) {
            Kind = DemonFoundation;
            Pile = f;
        }
    // The reserve's place is read only while it holds a card.
    if (ReserveHolds() && OnCard5(X, Y, DemonReserveX, DemonReserveY[DemonReserveCount])) {
        Kind = DemonReserve;
        Pile = DemonReserveCount;
    }
    for (int c = 1; c <= 4; ++c) {
        for (int j = 1; j <= 13; ++j)
            if (HoldsCard5(PileCards[c][j]) && OnCard5(X, Y, ColumnX[c], SlotY(j))) {
                Kind = DemonColumn;
                Pile = c;
                Row = j;
            }
        if (!HoldsCard5(PileCards[c][1]) && OnCard5(X, Y, ColumnX[c], ColumnTop)) {
            Kind = DemonColumn;
            Pile = c;
            Row = 1;
        }
    }
}

bool DemonFitsFoundation(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue)
{
    return HoldsCard5(Card) && HoldsCard5(Target) && Card.suit() == Target.suit() && CardValue == TargetValue + 1;
}

void DemonEndDrag(int /*X*/, int /*Y*/) { Kit::RemoveDragSprite(); }

void DemonAutoFill()
{
    if (CurrentGameId != Daemon || StandInTable5 || GameOver || DragActive)
        return;
    for (;;) {
        if (!ReserveHolds())
            return;
        const TCard5 c = ReserveTop();
        // Later findings win: a foundation beats an empty column, the highest number wins.
        int target = 0;
        for (int col = 1; col <= 4; ++col)
            if (TopSlot5(col) == 0)
                target = 4 + col;
        for (int f = 1; f <= 4; ++f)
            if (FoundationTop5(f) > 0 && FoundationTakes(f, c.code, c.value))
                target = f;
        if (IsAce(c.code))
            for (int f = 1; f <= 4; ++f)
                if (FoundationTop5(f) == 0)
                    target = f;
        if (target == 0)
            return;
        // A selected reserve card is the one leaving: its frame goes with it.
        DropSelection(ReserveSelected);
        const int fromY = DemonReserveY[DemonReserveCount];
        TakeReserveTop();
        RedrawReserve5(true);
        if (target <= 4) {
            Fly(DemonReserveX, fromY, FoundationX[target], FoundationY, c.code, 1);
            LayOnFoundation5(target, c);
        } else {
            const int col = target - 4;
            Fly(DemonReserveX, fromY, ColumnX[col], ColumnTop, c.code, 1);
            LayOnPile5(col, c);
            RedrawColumn5(col, 0);
        }
        Kit::PlaySound("WavCardUp");
        DrawInfoPanel5();
    }
}

void DemonMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    int pile = 0, row = 0, kind = 0;
    DemonHitTest(X, Y, pile, row, kind);
    const bool clickMode = Settings::MoveMode <= 1;
    bool acted = false;
    if (kind == DemonStock)
        acted = StockCount > 0 ? TurnStock() : Redeal();
    if (!acted && clickMode && (kind == DemonWaste || kind == DemonReserve))
        acted = ClickSource(kind);
    if (!acted && clickMode && kind == DemonFoundation)
        acted = ClickMove(pile, 0);
    if (!acted && clickMode && kind == DemonColumn)
        acted = ClickMove(0, pile);
    if (!acted && MayLift(kind, pile, row) && (Settings::MoveMode == 2 || SelectedPile == 0))
        Lift(kind, pile, row, X, Y);
    EndTest();
}

void DemonMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    if (OverStock(X, Y))
        Kit::SetTableHint(QString::number(StockCount));
    else if (OnCard5(X, Y, AuxPile1X, AuxPile1Y))
        Kit::SetTableHint(QString::number(WasteCount - 1));
    else
        Kit::TableHintOff();
    if (DragActive) {
        int pile = 0, row = 0, kind = 0;
        DemonHitTest(X, Y, pile, row, kind);
        const TCard5 first{DragCards[1], DragValues[1]};
        const bool takes = (kind == DemonFoundation && Kit::HeldCount() == 1
                            && FoundationTakes(pile, first.code, first.value))
                           || (kind == DemonColumn && ColumnTakes(pile, first.code, first.value));
        Kit::SetScreenCursor(takes ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    Kit::SetTableCursor(HandOverTable(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
}

void DemonMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    if (DragActive)
        Drop(X, Y);
    DrawInfoPanel5();
    DemonAutoFill();
    EndTest();
}

void DemonDblClick()
{
    Kit::EndDragOnDoubleClick([] { PutBackInPlace(); });
    DemonDragKind = 0;
    DemonDragColumn = 0;
    SendToFoundation();
    DrawInfoPanel5();
    DemonAutoFill();
    EndTest();
}

} // namespace Group5
