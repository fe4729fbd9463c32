// Tulip, Blue Tulip and Paganini: cards go into the gaps of the four rows, by clicks on
// the press (click modes) or by a drag; every release ends with the dead-gap count, the
// panel, the flowers and, when all four gaps are dead, the won, redeal or give-up paths.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"

namespace Group2 {

using namespace GameState;

namespace {

bool DragMode() { return Settings::MoveMode == 2; }

void Button8(bool enabled, const Texts::TText* caption = nullptr)
{
    if (!Form1 || !Form1->Button8)
        return;
    if (caption)
        Form1->Button8->setText(Texts::Tx(*caption));
    Form1->Button8->setEnabled(enabled);
}

void Deselect()
{
    SourceSelected = 0;
    HitPile = 0;
    HitPos = 0;
}

// A click-mode selection left over from a change of the move mode: its mark taken off.
void DropStaleSelection()
{
    if (!SourceSelected || DragActive)
        return;
    if (HitPos >= 1 && HitPos <= 4)
        RedrawTulipRow(HitPos);
    Deselect();
}

// The card leaves place p of row r.
void TakeOut(int p, int r)
{
    PileCards[p][r] = cards::Empty;
    PileValues[p][r] = cards::EmptyValue;
    RedrawTulipRow(r);
}

void PutIn(int p, int r, const TCardCode& card, Byte value)
{
    PileCards[p][r] = card;
    PileValues[p][r] = value;
    RedrawTulipRow(r);
}

// The drop point of a drag with the pointer at (X, Y): inside the sprite, half a place
// step from its left edge.
void DropPoint(int X, int Y, int& x, int& y)
{
    x = X - DragOffsetX + Scaling::RoundHalfEven(TulipPlaceStep / 2.0);
    y = Y - DragOffsetY + Scaling::Scaled(48);
}

void ClickPress(int X, int Y)
{
    if (SourceSelected && (HitPile < 1 || HitPile > TulipPlaceCount() || HitPos < 1 || HitPos > 4))
        Deselect();
    int p = 0, r = 0;
    if (!TulipHitTest(X, Y, p, r))
        return;
    if (!SourceSelected) {
        if (PileCards[p][r] == cards::Empty)
            return;
        Kit::PlaySound("WavDown");
        RedrawTulipRow(r, p);
        SourceSelected = 1;
        HitPile = p;
        HitPos = r;
        return;
    }
    const int sp = HitPile, sr = HitPos;
    if (p == sp && r == sr) {
        Kit::PlaySound("WavCancel");
        RedrawTulipRow(r);
        Deselect();
        return;
    }
    const TCardCode card = PileCards[sp][sr];
    const Byte value = PileValues[sp][sr];
    if (!TulipTakes(p, r, card, value))
        return;
    TakeOut(sp, sr); // the repaint takes the mark off too
    if (Settings::MoveMode == 1)
        Kit::FlyCard(TulipPlaceX[sp], TulipRowY[sr], TulipPlaceX[p], TulipRowY[r], card, 1, 0);
    PutIn(p, r, card, value);
    Deselect();
    ++MoveCounter;
    Kit::PlaySound("WavCardUp");
}

void DragPress(int X, int Y)
{
    DropStaleSelection();
    int p = 0, r = 0;
    if (!TulipHitTest(X, Y, p, r) || PileCards[p][r] == cards::Empty || !Kit::TakeUpDrag())
        return;
    TulipHandCard = PileCards[p][r];
    TulipHandValue = PileValues[p][r];
    Kit::ShowCardDragSprite(Kit::CardFrame(TulipPlaceX[p], TulipRowY[r]), TulipHandCard, X, Y, true,
                            [p, r] { TakeOut(p, r); });
    SourceSelected = 1;
    HitPile = p;
    HitPos = r;
}

void ReleaseHand()
{
    TulipHandCard = cards::Empty;
    TulipHandValue = cards::EmptyValue;
    Kit::ClearHeld();
    Deselect();
}

void Drop(int X, int Y)
{
    DragActive = 0;
    Kit::RemoveDragSprite();
    const int sp = HitPile, sr = HitPos;
    int x = 0, y = 0, p = 0, r = 0;
    DropPoint(X, Y, x, y);
    const Byte value = Byte(TulipHandValue);
    if (TulipHitTest(x, y, p, r) && TulipTakes(p, r, TulipHandCard, value)) {
        PutIn(p, r, TulipHandCard, value);
        if (p != sp || r != sr) {
            ++MoveCounter;
            Kit::PlaySound("WavCardUp");
        }
    } else {
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        PutIn(sp, sr, TulipHandCard, value);
    }
    ReleaseHand();
}

// All four gaps dead: won, or Paganini's give-up offered, or a redeal, or lost.
void FourDeadGaps()
{
    const int game = CurrentGameId;
    if (TulipWon()) {
        Kit::TEndGame how;
        how.Caption = &Texts::TxtToMenu;
        Kit::EndGame(true, how);
        return;
    }
    if (game == Paganini) {
        if (!PaganiniGapBeforeNonSix())
            Kit::PlaySound("WavStopka");
        Button8(true, &Texts::TxtThatsAll);
        return;
    }
    if (PassCount < TulipPassLimit()) {
        // The collection repaints the rows: a selection would outlive its mark.
        if (SourceSelected && !DragMode())
            RedrawTulipRow(HitPos);
        Deselect();
        TulipPhase = 2;
        Kit::PlaySound("WavStopka");
        Button8(true, &Texts::TxtCollectCards);
        return;
    }
    Kit::EndGame(false);
}

void EndOfMove()
{
    const int dead = TulipDeadGaps();
    DrawInfoPanel2();
    DrawTulipFlowers();
    Button8(false);
    if (dead == 4)
        FourDeadGaps();
    if (auto* t = Kit::TableImage())
        t->update();
}

} // namespace

void TulipMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    if (TulipPhase != 1 || Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    Kit::SaveScreenCursor();
    if (DragMode())
        DragPress(X, Y);
    else
        ClickPress(X, Y);
    if (auto* t = Kit::TableImage())
        t->update();
}

void TulipMouseMove(platform::ShiftState, int X, int Y)
{
    if (DragActive) {
        Sprite::SpriteMoveTo(X - DragOffsetX, Y - DragOffsetY, 1);
        if (auto* t = Kit::TableImage())
            t->update();
    }
    if (TulipPhase != 1)
        return;
    int p = 0, r = 0;
    if (DragActive) {
        int x = 0, y = 0;
        DropPoint(X, Y, x, y);
        const bool legal = TulipHitTest(x, y, p, r) && TulipTakes(p, r, TulipHandCard, Byte(TulipHandValue), false);
        Kit::SetScreenCursor(legal ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    bool hand = false;
    if (!SourceSelected || DragMode() || HitPile < 1 || HitPos < 1)
        hand = TulipHitTest(X, Y, p, r) && !(PileCards[p][r] == cards::Empty);
    else
        hand = TulipHitTest(X, Y, p, r) &&
               TulipTakes(p, r, PileCards[HitPile][HitPos], PileValues[HitPile][HitPos], false);
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void TulipMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    if (TulipPhase != 1)
        return;
    Kit::RestoreScreenCursor();
    if (DragMode()) {
        if (!DragActive)
            return;
        Drop(X, Y);
    }
    EndOfMove();
}

} // namespace Group2
