#include "games/group1/Qyv_01_Vardelin.h"
#include "games/kit/KitTable.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"

#include <QVariant>

namespace Group1 {

using namespace GameState;

namespace {

constexpr int WasteSelected = 9;

bool HoldsCard(const TCardCode& c)
{
    return !(c == cards::Empty);
}

bool ClickMode()
{
    return Settings::MoveMode == 0 || Settings::MoveMode == 1;
}

void EnableButton8(bool on)
{
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(on);
}

void GiveUpCaption()
{
    if (Form1 && Form1->Button8) {
        Form1->Button8->setEnabled(true);
        Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
    }
}

void SetStockHintText()
{
    if (Form1 && Form1->ImageStol)
        Form1->ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
}

// The empty stock takes the waste back for the next pass, in the order it was turned.
void TurnWasteOver()
{
    for (int i = WasteCount - 1; i >= 1; --i) {
        ++StockCount;
        StockCards[StockCount] = WasteCards[i];
        StockValues[StockCount] = WasteValues[i];
        WasteCards[i] = cards::Empty;
        WasteValues[i] = cards::EmptyValue;
    }
    WasteCount = 1;
    ++PassCount;
}

void StockClick()
{
    if (StockCount > 0) {
        DealFromKoloda1();
        ++MoveCounter;
        UndoFlag = 1;
        EnableButton8(true);
        if (StockCount == 0 && PassCount == 3) {
            GiveUpCaption();
            Button8Mode = 2;
        }
        Kit::PlaySound("WavCardUp");
        DrawInfoPanel1();
        return;
    }
    if (PassCount <= 2 && WasteCount > 1) {
        // A selected waste card goes back with the rest; a selection left on the empty
        // waste would ignore every later press.
        SelectedPile = 0;
        TurnWasteOver();
        RedrawStockWaste1(0);
        Kit::PlaySound("WavStopka");
        UndoFlag = 0;
        EnableButton8(false);
    }
    DrawInfoPanel1();
    SetStockHintText();
}

// The selected waste card released on (X, Y): moved there, or the selection dropped.
void PlaySelectedWaste(int X, int Y)
{
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, p, s, kind);
    if (kind == KindWasteOrFoundation)
        return;
    const TCardCode card = WasteCards[WasteCount - 1];
    const bool toPile = kind == KindPile && top && p >= 1 && s >= 1 && FitsTableau1(card, PileCards[p][s]);
    const bool toFoundation = kind == KindFoundationOrCell && p >= 1 && FitsFoundation1(card, p);
    if (!toPile && !toFoundation) {
        SelectedPile = 0;
        Kit::PlaySound("WavCancel");
        Kit::ToggleSelectionFrame(SpecialX[2], WasteTopY1());
        return;
    }
    SelectedPile = 0;
    TCardCode moved;
    Byte value = 0;
    if (toPile) {
        Kit::ClearLiftBuffer(SlotCount);
        TakeWasteTop1(moved, value);
        LiftedCards[1] = moved;
        LiftedValues[1] = value;
        RedrawStockWaste1(0);
        if (Form1 && Form1->ImageStol)
            Form1->ImageStol->repaintNow();
        if (Settings::MoveMode == 1)
            Kit::FlyCard(SpecialX[2], WasteTopY1(), SpecialX[p], SlotY(p, s), moved);
        PutLiftedOnPile(p);
    } else {
        TakeWasteTop1(moved, value);
        FoundationCards[p][FoundationNextSlot[p]] = moved;
        FoundationValues[p][FoundationNextSlot[p]] = value;
        ++FoundationNextSlot[p];
        RedrawStockWaste1(0);
        if (Form1 && Form1->ImageStol)
            Form1->ImageStol->repaintNow();
        if (Settings::MoveMode == 1)
            Kit::FlyCard(SpecialX[2], WasteTopY1(), FoundationPlaceX(p), FoundationPlaceY(), moved);
        RedrawFoundation1(p);
    }
    Kit::PlaySound("WavCardUp");
}

// A waste card to a foundation by double click: an Ace to the first empty one, any
// other card to the last whose top card it follows.
int WasteTargetFoundation(const TCardCode& card, Byte value)
{
    const int count = std::min(LayoutFoundationCount, 8);
    if (card.rank() == cards::RankAce) {
        for (int f = 1; f <= count; ++f)
            if (FoundationNextSlot[f] == 1)
                return f;
        return 0;
    }
    int target = 0;
    for (int f = 1; f <= count; ++f) {
        const int next = FoundationNextSlot[f];
        if (next >= 2 && next <= 14 && FoundationCards[f][next - 1].suit() == card.suit()
            && int(FoundationValues[f][next - 1]) + 1 == int(value))
            target = f;
    }
    return target;
}

void EndBlock()
{
    if (StockCount == 0 && WasteCount <= 1) {
        UndoFlag = 0;
        GiveUpCaption();
    }
    DrawInfoPanel1();
    int count = 0;
    if (StockCount == 0 && CountMoves1(count))
        Kit::EndGame(true, {&Texts::TxtToMenu, {}, Kit::TPanelOrder::None});
}

} // namespace

void VardelinMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button) || SelectedPile == WasteSelected)
        return;
    Kit::StartPressTiming();
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    const bool fromPile = kind == KindPile && RunLiftable(p, s, AlternatingRun);
    const bool fromWaste = kind == KindWasteOrFoundation && Settings::MoveMode == 2 && WasteCount > 1;
    if (!fromPile && !fromWaste)
        return;
    const Kit::TLiftFrame frame = fromPile ? PileRunFrame(p, s) : WasteTopFrame();
    if (!Kit::TakeUpDrag())
        return;
    if (fromPile) {
        LiftPileRun(p, s);
        Kit::ShowDragSprite(frame, X, Y, true, [p] { RedrawColumn1(p, 0); });
    } else {
        Kit::LiftWasteTop(SlotCount);
        Kit::ShowDragSprite(frame, X, Y, true, [] { RedrawStockWaste1(0); });
    }
}

void VardelinMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::SetStockHint(OnStockTop(X, Y));
    const bool idle = !DragActive && !FlightActive;
    const bool onStock = OnStockTop(X, Y) && StockCount > 0 && idle;
    const bool onWaste = OnWasteTop(X, Y) && WasteCount > 1 && idle;
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, p, s, kind);

    if ((!DragActive && Settings::MoveMode == 2) || (SelectedPile == 0 && ClickMode())) {
        const bool onFaceUp = kind == KindPile && p >= 1 && s >= 1 && PileFaceUp[p][s] == 1;
        const bool onWasteDrag = Settings::MoveMode == 2 && kind == KindWasteOrFoundation;
        Kit::SetTableCursor(onStock || onWaste || onFaceUp || onWasteDrag ? Kit::CursorHand : Kit::CursorArrow);
    } else if (SelectedPile == WasteSelected && ClickMode()) {
        const TCardCode card = WasteCount > 1 ? WasteCards[WasteCount - 1] : cards::Empty;
        bool hand = onStock || onWaste;
        if (HoldsCard(card) && kind == KindPile && top && p >= 1 && s >= 1)
            hand = hand || FitsTableau1(card, PileCards[p][s]);
        if (HoldsCard(card) && kind == KindFoundationOrCell && p >= 1)
            hand = hand || FitsFoundation1(card, p);
        Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
    }
    if (DragActive)
        DragCursor(X, Y, true);
}

void VardelinMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    const bool idle = !DragActive && !FlightActive;
    if (OnStockPlace(X, Y) && idle) {
        StockClick();
        return;
    }
    if (ClickMode() && OnWastePlace(X, Y) && idle && WasteCount > 1) {
        SelectedPile = SelectedPile == WasteSelected ? 0 : WasteSelected;
        Kit::ToggleSelectionFrame(SpecialX[2], WasteTopY1());
        DrawInfoPanel1();
        return;
    }
    UndoFlag = 0;
    EnableButton8(false);
    if (DragActive) {
        TDropOptions o;
        o.Foundations = true;
        o.SoundOnSourcePile = true;
        ReleaseDrag(X, Y, o);
    } else if (SelectedPile == WasteSelected && ClickMode() && WasteCount > 1) {
        PlaySelectedWaste(X, Y);
    }
    EndBlock();
}

void VardelinDblClick()
{
    Kit::EndDragOnDoubleClick(ReturnLifted);
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(LastUpX, LastUpY, p, s, kind);
    if (Settings::MoveMode == 2 && kind == KindWasteOrFoundation && WasteCount > 1) {
        const TCardCode card = WasteCards[WasteCount - 1];
        const Byte value = WasteValues[WasteCount - 1];
        const int f = WasteTargetFoundation(card, value);
        if (f == 0)
            return;
        TCardCode moved;
        Byte v = 0;
        TakeWasteTop1(moved, v);
        FoundationCards[f][FoundationNextSlot[f]] = moved;
        FoundationValues[f][FoundationNextSlot[f]] = v;
        ++FoundationNextSlot[f];
        RedrawStockWaste1(0);
        Kit::FlyCard(SpecialX[2], TopRowY, FoundationPlaceX(f), FoundationPlaceY(), moved);
        RedrawFoundation1(f);
        Kit::PlaySound(FoundationNextSlot[f] == 14 ? "WavStopka" : "WavCardUp");
        return;
    }
    if (kind == KindPile && top && p >= 1 && !DragActive) {
        TSendOptions o;
        o.Fly = Settings::MoveMode >= 1;
        o.Count = false;
        o.StopkaOnComplete = true;
        SendPileTopToFoundation(p, o);
    }
}

} // namespace Group1
