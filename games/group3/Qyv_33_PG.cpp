// Picture Gallery: the stock deal, drag and drop, the two click modes and the cursor,
// on the play kit's blocks. The module draws every card it moves.
#include "games/group3/Qyv_33_PG.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/CardDrawing.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

// Click-mode source kinds (GalleryClickStage).
constexpr int GallerySource = 2;
constexpr int ReserveSource = 3;
// Drag sources (DragSourcePile).
constexpr int DragFromGallery = 1;
constexpr int DragFromReserve = 2;

const TCardCode EmptyPlace("-*");

bool DragMode()
{
    return Settings::MoveMode == 2;
}

int PlaceCount(int c, int r)
{
    return std::clamp(PGGalleryCount[c][r], 0, 4);
}

int ReserveCount(int p)
{
    return std::clamp(PGReserveCount[p], 0, 8);
}

TCardCode PlaceTop(int c, int r)
{
    const int n = PlaceCount(c, r);
    return n > 0 ? PileCards2[c][r][n] : cards::Empty;
}

TCardCode ReserveTop(int p)
{
    const int n = ReserveCount(p);
    return n > 0 ? GalleryCards[p][n] : cards::Empty;
}

platform::Canvas* Canvas()
{
    auto* t = Kit::TableImage();
    return t ? &t->canvas() : nullptr;
}

void Refresh()
{
    if (auto* t = Kit::TableImage())
        t->repaintNow();
}

void Restore(int x, int y)
{
    if (auto* c = Canvas())
        Kit::RestoreBackground(*c, x, y, CardWidth, CardHeight);
}

void Face(int x, int y, const TCardCode& code, bool outline)
{
    auto* c = Canvas();
    if (!c)
        return;
    CardDrawing::DrawCardFace(x, y, code, *c);
    if (outline)
        CardDrawing::DrawCardOutline(x, y, 0, *c);
}

// A card stands in its place when it is part of a run from its row's base rank.
bool Standing(int c, int r, int n)
{
    return n >= 2 || RankIndex3(PileCards2[c][r][1]) == r;
}

// Place [c, r] as it now is: its top card, or "-*" when empty. `outline`: a run's top
// carries the outline (a lone misplaced card never).
void ShowPlace(int c, int r, bool outline = true)
{
    const int n = PlaceCount(c, r);
    Restore(PGPlaceX(c), PGPlaceY(r));
    if (n == 0)
        Face(PGPlaceX(c), PGPlaceY(r), EmptyPlace, false);
    else
        Face(PGPlaceX(c), PGPlaceY(r), PileCards2[c][r][n], outline && Standing(c, r, n));
}

// Reserve pile p after its top card of n cards left: the rectangle it covered restored,
// then the card below at its place or "-*" at the one-card position.
void ShowReserveWithout(int p, int n)
{
    Restore(PGReserveX(p), PGReserveY(n));
    if (n <= 1)
        Face(PGReserveX(p), PGReserveY(1), EmptyPlace, false);
    else
        Face(PGReserveX(p), PGReserveY(n - 1), GalleryCards[p][n - 1], false);
}

// The selected source's card and where it lies.
TCardCode SourceCard()
{
    return GalleryClickStage == GallerySource ? PlaceTop(HitPile, HitPos) : ReserveTop(HitPile);
}

QPoint SourceSpot()
{
    if (GalleryClickStage == GallerySource)
        return {PGPlaceX(HitPile), PGPlaceY(HitPos)};
    return {PGReserveX(HitPile), PGReserveY(ReserveCount(HitPile))};
}

void ToggleSource()
{
    const QPoint p = SourceSpot();
    Kit::ToggleSelectionFrame(p.x(), p.y());
}

void Select(int kind, int pile, int pos)
{
    GalleryClickStage = kind;
    HitPile = pile;
    HitPos = pos;
    SourceSelected = 1;
    ToggleSource();
}

void Deselect()
{
    ToggleSource();
    SourceSelected = 0;
}

bool PlaceAt(int X, int Y, int& c, int& r)
{
    return HitTestColumn3(X, Y, c, r);
}

bool FoundationEmpty(int f)
{
    return !HoldsCard3(FoundationCards[f][1]);
}

bool IsAce(const TCardCode& card)
{
    return RankIndex3(card) == 0;
}

// Whether a press or drop at (X, Y) would place `card` in the gallery or on a foundation.
bool LegalTarget(int X, int Y, const TCardCode& card)
{
    int c = 0, r = 0, f = 0;
    if (PlaceAt(X, Y, c, r))
        return PGPlaceTakes(c, r, card);
    return HitTestFoundation3(X, Y, f) && FoundationEmpty(f) && IsAce(card);
}

// The selected card leaves its source: the source shows what lies under it. The card
// stays in the table state until the caller writes it to its target.
QPoint LiftSelected(bool outlineUncovered)
{
    const QPoint from = SourceSpot();
    if (GalleryClickStage == GallerySource) {
        const int n = PlaceCount(HitPile, HitPos);
        PileCards2[HitPile][HitPos][n] = cards::Empty;
        PGGalleryCount[HitPile][HitPos] = n - 1;
        ShowPlace(HitPile, HitPos, outlineUncovered);
    } else {
        const int n = ReserveCount(HitPile);
        GalleryCards[HitPile][n] = cards::Empty;
        ShowReserveWithout(HitPile, n);
        PGReserveCount[HitPile] = n - 1;
    }
    SourceSelected = 0;
    return from;
}

void GalleryMove(int c, int r)
{
    const TCardCode card = SourceCard();
    const QPoint from = LiftSelected(true);
    const int m = PlaceCount(c, r) + 1;
    PileCards2[c][r][m] = card;
    if (Settings::MoveMode == 1) {
        Refresh();
        Kit::FlyCard(from.x(), from.y(), PGPlaceX(c), PGPlaceY(r), card, 1, 0);
    }
    Face(PGPlaceX(c), PGPlaceY(r), card, true);
    PGGalleryCount[c][r] = m;
    if (m == 4)
        Kit::PlaySound("WavStopka");
}

void FoundationMove(int f)
{
    const TCardCode card = SourceCard();
    const QPoint from = LiftSelected(false);
    FoundationCards[f][1] = card;
    if (Settings::MoveMode == 1) {
        Refresh();
        Kit::FlyCard(from.x(), from.y(), PGFoundationX(f), TopAreaRect[2], card, 1, 0);
    }
    Face(PGFoundationX(f), TopAreaRect[2], card, false);
}

// The click modes' press after the stock and the button test.
void ClickPress(int X, int Y)
{
    int c = 0, r = 0, f = 0, p = 0;
    const bool onPlace = PlaceAt(X, Y, c, r);
    if (onPlace && !SourceSelected) {
        if (PlaceCount(c, r) > 0) {
            Kit::PlaySound("WavDown");
            Select(GallerySource, c, r);
        }
        return;
    }
    if (onPlace) {
        if (GalleryClickStage == GallerySource && HitPile == c && HitPos == r) {
            Kit::PlaySound("WavCancel");
            Deselect();
        } else if (PGPlaceTakes(c, r, SourceCard())) {
            GalleryMove(c, r);
        } else if (PlaceCount(c, r) > 0) {
            Deselect();
            Select(GallerySource, c, r);
        }
        return;
    }
    if (HitTestFoundation3(X, Y, f)) {
        if (SourceSelected && FoundationEmpty(f) && IsAce(SourceCard()))
            FoundationMove(f);
        return;
    }
    if (!HitTestReserve3(X, Y, p) || ReserveCount(p) == 0)
        return;
    if (!SourceSelected) {
        Kit::PlaySound("WavDown");
        Select(ReserveSource, p, 0);
    } else if (GalleryClickStage == ReserveSource && HitPile == p) {
        Kit::PlaySound("WavCancel");
        Deselect();
    } else {
        Kit::PlaySound("WavDown");
        Deselect();
        Select(ReserveSource, p, 0);
    }
}

// Drag mode: the top card of the gallery place or reserve pile under the press.
void DragPress(int X, int Y)
{
    int c = 0, r = 0, p = 0;
    int kind = 0, x = 0, y = 0;
    TCardCode card;
    if (PlaceAt(X, Y, c, r) && HoldsCard3(PileCards2[c][r][1])) {
        kind = DragFromGallery;
        card = PlaceTop(c, r);
        x = PGPlaceX(c);
        y = PGPlaceY(r);
    } else if (HitTestReserve3(X, Y, p) && HoldsCard3(GalleryCards[p][1])) {
        kind = DragFromReserve;
        card = ReserveTop(p);
        x = PGReserveX(p);
        y = PGReserveY(ReserveCount(p));
    } else {
        return;
    }
    if (!Kit::TakeUpDrag())
        return;
    DragSourcePile = kind;
    Kit::HoldOneCard(card, cards::EmptyValue);
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, false, [&] {
        if (kind == DragFromGallery) {
            const int n = PlaceCount(c, r);
            PileCards2[c][r][n] = cards::Empty;
            HitPile = c;
            HitPos = r;
            PGGalleryCount[c][r] = n - 1;
            ShowPlace(c, r);
        } else {
            const int n = ReserveCount(p);
            GalleryCards[p][n] = cards::Empty;
            HitPile = p;
            ShowReserveWithout(p, n);
            PGReserveCount[p] = n - 1;
        }
    });
}

// The held card onto the place or foundation under (X, Y), or back to its source.
void Drop(int X, int Y)
{
    const TCardCode card = TargetCard;
    int c = 0, r = 0, f = 0;
    if (PlaceAt(X, Y, c, r) && PGPlaceTakes(c, r, card)) {
        const int m = PlaceCount(c, r) + 1;
        PileCards2[c][r][m] = card;
        Face(PGPlaceX(c), PGPlaceY(r), card, true);
        PGGalleryCount[c][r] = m;
        Kit::PlaySound(m == 4 ? "WavStopka" : "WavCardUp");
    } else if (HitTestFoundation3(X, Y, f) && FoundationEmpty(f) && IsAce(card)) {
        FoundationCards[f][1] = card;
        Face(PGFoundationX(f), TopAreaRect[2], card, false);
        Kit::PlaySound("WavCardUp");
    } else {
        // Refused, however short the carry: redrawn at its source without a flight.
        Kit::PlaySound("WavCancel");
        if (DragSourcePile == DragFromGallery) {
            const int n = PlaceCount(HitPile, HitPos) + 1;
            PileCards2[HitPile][HitPos][n] = card;
            PGGalleryCount[HitPile][HitPos] = n;
            Face(PGPlaceX(HitPile), PGPlaceY(HitPos), card, Standing(HitPile, HitPos, n));
        } else {
            const int n = ReserveCount(HitPile) + 1;
            GalleryCards[HitPile][n] = card;
            PGReserveCount[HitPile] = n;
            Face(PGReserveX(HitPile), PGReserveY(n), card, false);
        }
    }
    Kit::ClearHeld();
}

void EndTest()
{
    Kit::TEndTest t;
    t.Won = [] { return IsGameWon3(); };
    t.Stuck = NoMoveLeft3;
    // Never lost while the stock holds cards.
    t.StuckOnlyWhen = [] { return ExtraPileCount > 100; };
    Kit::RunEndTest(t, false);
}

bool HandWithoutDrag(int X, int Y)
{
    int c = 0, r = 0, p = 0, f = 0;
    const bool place = PlaceAt(X, Y, c, r);
    const bool reserve = !place && HitTestReserve3(X, Y, p);
    const bool holds = (place && PlaceCount(c, r) > 0) || (reserve && ReserveCount(p) > 0);
    if (DragMode() || !SourceSelected)
        return holds;
    if (place && GalleryClickStage == GallerySource && HitPile == c && HitPos == r)
        return holds;
    if (reserve && GalleryClickStage == ReserveSource && HitPile == p)
        return holds;
    const TCardCode card = SourceCard();
    if (place)
        return PGPlaceTakes(c, r, card);
    return HitTestFoundation3(X, Y, f) && FoundationEmpty(f) && IsAce(card);
}

} // namespace

int PGPlaceX(int c)
{
    return MainAreaRect[1] + GalleryColX[c];
}

int PGPlaceY(int r)
{
    return MainAreaRect[2] + GalleryRowY[r];
}

int PGFoundationX(int i)
{
    return TopAreaRect[1] + GalleryColX[i];
}

int PGReserveX(int p)
{
    return BottomAreaRect[1] + BottomRowX[p];
}

int PGReserveY(int n)
{
    return BottomAreaRect[2] + GalleryRowShift[std::clamp(n, 1, 8)];
}

int PGStockFrontY()
{
    const int d = std::clamp((ExtraPileCount - 35) / 10, 0, 6);
    return SideAreaRect[2] + Scaled(20) * (6 - d);
}

bool PGOnStock(int X, int Y)
{
    return X >= SideAreaRect[1] && X <= SideAreaRect[1] + CardWidth && Y >= SideAreaRect[2] && Y <= SideAreaRect[4];
}

bool PGOnFrontBack(int X, int Y)
{
    const int top = PGStockFrontY();
    return PGOnStock(X, Y) && ExtraPileCount <= 104 && Y >= top && Y <= top + CardHeight;
}

void PGDealStock()
{
    if (ExtraPileCount > 95)
        return;
    // A selected reserve pile gets a card on top: its highlight goes first.
    if (SourceSelected && GalleryClickStage == ReserveSource)
        Deselect();
    const int x = SideAreaRect[1];
    const int front = PGStockFrontY();
    auto takeFrontBack = [&] {
        Restore(x, front);
        if (ExtraPileCount <= 85)
            if (auto* c = Canvas())
                CardDrawing::DrawCardBack(x, front - Scaled(20), *c);
        Refresh();
    };
    const bool flies = Settings::MoveMode != 0;
    if (!flies)
        takeFrontBack();
    for (int p = 1; p <= 10; ++p) {
        const int n = ReserveCount(p) + 1;
        const TCardCode card = DealCards[ExtraPileCount + p - 1];
        GalleryCards[p][n] = card;
        PGReserveCount[p] = n;
        if (flies) {
            if (p == 10)
                takeFrontBack();
            Kit::FlyCard(x, front, PGReserveX(p), PGReserveY(n), card, 1, 0);
        }
        Face(PGReserveX(p), PGReserveY(n), card, false);
        Refresh();
        Kit::PlaySound("WavCardUp", true);
    }
    ExtraPileCount += 10;
}

void PGMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    if (Kit::PressWhileDragging())
        return;
    Kit::SaveScreenCursor();
    Kit::StartPressTiming();
    if (PGOnStock(X, Y)) {
        if (PGOnFrontBack(X, Y))
            PGDealStock();
        if (!DragMode())
            EndTest();
        return;
    }
    if (Button != platform::mbLeft)
        return;
    if (DragMode()) {
        DragPress(X, Y);
        return;
    }
    ClickPress(X, Y);
    EndTest();
}

void PGMouseMove(platform::ShiftState, int X, int Y)
{
    Kit::TableHintOff();
    if (DragActive) {
        Kit::SetScreenCursor(LegalTarget(X, Y, TargetCard) ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    if (PGOnStock(X, Y)) {
        Kit::SetTableCursor(PGOnFrontBack(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    Kit::SetTableCursor(HandWithoutDrag(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
}

void PGMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    Kit::RestoreScreenCursor();
    if (DragActive) {
        Kit::RemoveDragSprite();
        Drop(X, Y);
        DragActive = 0;
    }
    EndTest();
}

} // namespace Group3
