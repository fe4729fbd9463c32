// 8 Sages: the hit test and the mouse handling, on the column play that it shares with
// Flower garden and the stock and waste of the engine.
#include "games/group3/Qyv_42_8Mud.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Garden.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "foundation/Settings.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

namespace Group3 {

using namespace GameState;

namespace {

constexpr int StockArea = 1;
constexpr int WasteArea = 2;
constexpr int FoundationArea = 3;
constexpr int ColumnArea = 4;
// DragSourcePile of the waste.
constexpr int FromWaste = 10;

bool DragMode()
{
    return Settings::MoveMode == 2;
}

TCardCode TopOf(int c)
{
    return PileCounts[c] >= 2 ? PileCards[c][PileCounts[c] - 1] : cards::Empty;
}

TCardCode WasteTop()
{
    return WasteCount >= 2 ? WasteCards[WasteCount - 1] : cards::Empty;
}

// The selected card (the waste's top or the selected column's top).
TCardCode Selected()
{
    return DragSourcePile == FromWaste ? WasteTop() : TopOf(DragSourcePile);
}

void Deselect()
{
    SourceSelected = 0;
    DragSourcePile = 0;
    HitPile = 0;
    HitPos = 0;
}

void ClickMoveDone()
{
    Deselect();
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel3();
}

// Click modes: selections and moves. True when the press made a move.
void ClickPress(int index, int pos, int area)
{
    const QPoint waste(AuxPile1X, AuxPile1Y);
    if (!SourceSelected) {
        if (area == WasteArea && WasteCount >= 2) {
            Kit::PlaySound("WavDown");
            Kit::ToggleSelectionFrame(waste.x(), waste.y());
            SourceSelected = 1;
            DragSourcePile = FromWaste;
        } else if (area == ColumnArea && PileCounts[index] >= 2) {
            Kit::PlaySound("WavDown");
            Kit::ToggleSelectionFrame(ColumnX[index], GardenTopY3(index));
            SourceSelected = 1;
            DragSourcePile = index;
            HitPile = index;
            HitPos = pos;
        }
        return;
    }
    const bool wasteSelected = DragSourcePile == FromWaste;
    if ((area == WasteArea && wasteSelected) || (area == ColumnArea && !wasteSelected && index == DragSourcePile)) {
        Kit::PlaySound("WavCancel");
        Kit::ToggleSelectionFrame(wasteSelected ? waste.x() : ColumnX[index],
                                  wasteSelected ? waste.y() : GardenTopY3(index));
        Deselect();
        return;
    }
    const TCardCode card = Selected();
    if (area == FoundationArea && MudFitsFoundation(card, index)) {
        QPoint from = waste;
        Byte value = cards::EmptyValue;
        if (wasteSelected) {
            value = TakeWasteTop3().Value;
        } else {
            const int c = DragSourcePile;
            value = PileValues[c][PileCounts[c] - 1];
            from = {ColumnX[c], GardenTopY3(c)};
            GardenTakeColumnTop3(c, true);
        }
        if (Settings::MoveMode == 1)
            Kit::FlyCard(from.x(), from.y(), FoundationX[index], FoundationY, card, 1, 0);
        GardenPutOnFoundation3(index, card, value);
        ClickMoveDone();
    } else if (area == ColumnArea && wasteSelected && MudFitsTableau(card, TopOf(index))) {
        const TTaken3 t = TakeWasteTop3();
        if (Settings::MoveMode == 1) {
            const QPoint to = GardenCardAt3(index, PileCounts[index]);
            Kit::FlyCard(waste.x(), waste.y(), to.x(), to.y(), card, 1, 0);
        }
        GardenPutOnColumn3(index, t.Card, t.Value, true);
        ClickMoveDone();
    }
}


void ReturnHand(int X, int Y)
{
    const int source = DragSourcePile;
    const QPoint home = source == FromWaste ? QPoint(AuxPile1X, AuxPile1Y) : GardenCardAt3(source, PileCounts[source]);
    if (Kit::FarFromPress(X, Y))
        Kit::PlaySound("WavCancel");
    Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, home.x(), home.y(), DragCards[1]);
    if (source == FromWaste) {
        PutOnWaste3(DragCards[1], DragValues[1]);
        Kit::ClearHeld();
    } else {
        GardenReturnToColumn3(source);
    }
}

} // namespace

void MudHitTest(int X, int Y, int& Index, int& Pos, int& Area)
{
    Index = 0;
    Pos = 0;
    Area = 0;
    int f = 0;
    int c = 0;
    int p = 0;
    if (X >= AuxPile2X && X <= AuxPile2X + CardWidth + 12 && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight) {
        Area = StockArea;
    } else if (X >= AuxPile1X && X <= AuxPile1X + CardWidth && Y >= AuxPile1Y && Y <= AuxPile1Y + CardHeight) {
        Area = WasteArea;
    } else if (GardenFoundationAt3(X, Y, 8, f)) {
        Area = FoundationArea;
        Index = f;
    } else if (GardenColumnTopAt3(X, Y, 8, c, p)) {
        Area = ColumnArea;
        Index = c;
        Pos = p;
    }
    Pos = std::max(Pos, 1);
}

void MudFreeDrag(int, int)
{
    Kit::RemoveDragSprite();
}

void MudMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    if (!GardenBeginPress3(Button))
        return;
    int index = 0;
    int pos = 0;
    int area = 0;
    MudHitTest(X, Y, index, pos, area);
    if (!DragMode()) {
        ClickPress(index, pos, area);
        GardenEndTest3();
        return;
    }
    if (area == WasteArea && WasteCount >= 2) {
        const int top = WasteCount - 1;
        if (GardenLiftCard3(WasteCards[top], WasteValues[top], AuxPile1X, AuxPile1Y, X, Y, [] { TakeWasteTop3(); })) {
            DragSourcePile = FromWaste;
            return;
        }
    } else if (area == ColumnArea && PileCounts[index] >= 2 && HoldsCard3(TopOf(index))
               && GardenLiftColumn3(index, pos, X, Y)) {
        DragSourcePile = index;
        return;
    }
    GardenEndTest3();
}

void MudMouseMove(platform::ShiftState, int X, int Y)
{
    const bool overStock = X >= AuxPile2X && X <= AuxPile2X + CardWidth && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight;
    if (overStock)
        Kit::SetTableHint(QString::number(StockCount));
    else
        Kit::TableHintOff();
    int index = 0;
    int pos = 0;
    int area = 0;
    MudHitTest(X, Y, index, pos, area);
    if (DragActive) {
        const bool hand = (area == ColumnArea && DragSourcePile == FromWaste && MudFitsTableau(DragCards[1], TopOf(index)))
                          || (area == FoundationArea && MudFitsFoundation(DragCards[1], index));
        Kit::SetScreenCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    bool hand = false;
    if (!SourceSelected || DragMode()) {
        hand = (area == StockArea && (StockCount > 0 || PassCount == 1)) || (area == WasteArea && WasteCount >= 2)
               || (area == ColumnArea && PileCounts[index] >= 2);
    } else {
        const bool wasteSelected = DragSourcePile == FromWaste;
        hand = (area == WasteArea && wasteSelected && WasteCount >= 2)
               || (area == FoundationArea && MudFitsFoundation(Selected(), index))
               || (area == ColumnArea && wasteSelected && MudFitsTableau(WasteTop(), TopOf(index)))
               || (area == ColumnArea && !wasteSelected && index == DragSourcePile);
    }
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void MudMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    Kit::RestoreScreenCursor();
    int index = 0;
    int pos = 0;
    int area = 0;
    MudHitTest(X, Y, index, pos, area);
    if (area == StockArea && !DragActive && (DragMode() || !SourceSelected)) {
        PlayStock3(2); // the one turn-back, which an empty waste uses up too
    } else if (DragActive) {
        MudFreeDrag(X - DragOffsetX, Y - DragOffsetY);
        if (area == ColumnArea && DragSourcePile == FromWaste && MudFitsTableau(DragCards[1], TopOf(index))) {
            GardenDropOnColumn3(index);
            Kit::PlaySound("WavCardUp");
            ++MoveCounter;
        } else if (area == FoundationArea && MudFitsFoundation(DragCards[1], index)) {
            GardenDropOnFoundation3(index);
            // Every change of a column refits its step.
            if (DragSourcePile != FromWaste) {
                ColumnStep[DragSourcePile] = MudFanStep(DragSourcePile);
                RedrawColumn3(DragSourcePile, 0);
            }
            Kit::PlaySound("WavCardUp");
            ++MoveCounter;
        } else {
            ReturnHand(X, Y);
        }
        DragActive = 0;
        LastUpX = X;
        LastUpY = Y;
    }
    GardenEndTest3();
}

void MudDblClick()
{
    if (!DragMode())
        return;
    Kit::EndDragOnDoubleClick([] {
        if (DragSourcePile == FromWaste) {
            PutOnWaste3(DragCards[1], DragValues[1]);
            Kit::ClearHeld();
        } else {
            GardenReturnToColumn3(DragSourcePile);
        }
    });
    int index = 0;
    int pos = 0;
    int area = 0;
    MudHitTest(LastUpX, LastUpY, index, pos, area);
    bool moved = false;
    if (area == WasteArea && WasteCount >= 2) {
        const int top = WasteCount - 1;
        moved = GardenDoubleClickMove3(WasteCards[top], WasteValues[top], 8, [] {
            TakeWasteTop3();
            return QPoint(AuxPile1X, AuxPile1Y);
        });
    } else if (area == ColumnArea && PileCounts[index] >= 2) {
        const int c = index;
        moved = GardenDoubleClickMove3(PileCards[c][pos], PileValues[c][pos], 8, [c, pos] {
            GardenTakeColumnTop3(c, true);
            return GardenCardAt3(c, pos);
        });
    }
    if (!moved)
        GardenEndTest3();
}

} // namespace Group3
