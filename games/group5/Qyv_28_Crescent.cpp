// Crescent and Open Crescent: the table's mouse handling and the rotation on the play
// kit. The deal, the painters, the move count and the won test are the group engine's.
#include "games/group5/Qyv_28_Crescent.h"

#include "foundation/CardDrawing.h"
#include "foundation/Celebration.h"
#include "foundation/FanSteps.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/group5/Qyv_Help2_5_Play.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <QRect>
#include <cstdlib>
#include <vector>

namespace Group5 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool FansLeft(int p) { return p <= 5; }
bool FansRight(int p) { return p >= 12; }

bool PileTakes(int q, const TCard5& c)
{
    const TCard5 t = PileTop5(q);
    return HoldsCard5(t.code) && HoldsCard5(c.code) && t.code.suit() == c.code.suit()
        && std::abs(int(c.value) - int(t.value)) == 1;
}

// Foundations 1-4 build down from the King, 5-8 up from the Ace.
bool FoundationTakes(int f, const TCard5& c)
{
    const int top = FoundationTop5(f);
    if (top == 0 || top >= 13 || !HoldsCard5(c.code) || c.code.suit() != FoundationCards[f][top].suit())
        return false;
    return int(c.value) + (f <= 4 ? 1 : -1) == FoundationValues[f][top];
}

bool ButtonsOn() { return Form1 && Form1->Button8 && !GameOver; }

void OfferButton()
{
    if (ButtonsOn())
        Form1->Button8->setEnabled(PassCount <= 4);
}

// After a completed move: a table without a move while rotations remain sounds it.
void RotationOffer()
{
    int count = 0;
    CountMoves5(count);
    if (count == 0 && PassCount <= 4)
        Kit::PlaySound("WavStopka");
}

void Refit(int p)
{
    ColumnStep[p] = CrescentFanStep(p);
    RedrawColumn5(p, 0);
}

void EndTest()
{
    if (!DragActive && !GameOver)
        EndTest5(Kit::TPanelOrder::None, Kit::TPanelOrder::None);
}

void ToggleFrameOf(int p)
{
    if (p >= 1 && p <= 16)
        Kit::ToggleSelectionFrame(CrescentTopX(p), CrescentTopY(p));
}

// The top of pile s to pile `to` or, when `to` is 0, to foundation f. Flies in move mode
// `flyMode` and up; returns whether a foundation was completed.
bool MoveTop(int s, int to, int f, int flyMode)
{
    const QPoint from(CrescentTopX(s), CrescentTopY(s));
    const TCard5 c = TakePileTop5(s);
    Refit(s);
    const QPoint dest = to != 0 ? CrescentSlotPlace(to, PileCounts[to]) : QPoint(FoundationPosX[f], FoundationPosY[f]);
    if (Settings::MoveMode >= flyMode)
        Kit::FlyCard(from.x(), from.y(), dest.x(), dest.y(), c.code);
    if (to == 0)
        return LayOnFoundation5(f, c);
    LayOnPile5(to, c);
    Refit(to);
    return false;
}

bool ClickPile(int hit)
{
    switch (ClickSelect5(hit, CrescentTopX(hit), CrescentTopY(hit))) {
    case TClickSelect::Selected:
        if (ButtonsOn())
            Form1->Button8->setEnabled(false);
        return true;
    case TClickSelect::Deselected: OfferButton(); return true;
    case TClickSelect::Other: break;
    }
    const int s = SelectedPile;
    if (s < 1 || s > 16 || TopSlot5(s) == 0 || !PileTakes(hit, PileTop5(s)))
        return false;
    ToggleFrameOf(s);
    MoveTop(s, hit, 0, 1);
    Kit::PlaySound("WavCardUp");
    ClearSelection5();
    ++MoveCounter;
    DrawInfoPanel5();
    RotationOffer();
    OfferButton();
    return true;
}

bool PileToFoundation(int f)
{
    const int s = SelectedPile;
    if (s < 1 || s > 16 || TopSlot5(s) == 0 || !FoundationTakes(f, PileTop5(s)))
        return false;
    ToggleFrameOf(s);
    const bool complete = MoveTop(s, 0, f, 1);
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    ClearSelection5();
    ++MoveCounter;
    DrawInfoPanel5();
    RotationOffer();
    OfferButton();
    return true;
}

void PutBack(int source)
{
    if (source >= 1 && source <= 16)
        PutHeldBack5(source);
}

void Drop(int X, int Y)
{
    Kit::RemoveDragSprite();
    const int source = DragSourcePile;
    const TCard5 c = HeldCard5();
    const int near = Scaled(30);
    std::vector<QPoint> places;
    for (int q = 1; q <= 16; ++q)
        places.emplace_back(CrescentTopX(q), CrescentTopY(q));
    const int pdrop = Kit::PlaceByCorner(X, Y, places);
    // A foundation is aimed at where its cards are drawn.
    places.clear();
    for (int f = 1; f <= 8; ++f)
        places.emplace_back(FoundationPosX[f], FoundationPosY[f]);
    const int fdrop = Kit::PlaceByCorner(X, Y, places);
    const bool inZone = X >= FoundationPosX[1] - near && X <= FoundationPosX[4] + CardWidth
                        && Y >= FoundationPosY[1] - near && Y <= FoundationPosY[8] + CardHeight;
    const bool fromPile = source >= 1 && source <= 16;

    if (inZone && fdrop != 0 && FoundationTakes(fdrop, c)) {
        const bool complete = LayOnFoundation5(fdrop, c);
        ++MoveCounter;
        Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
        DrawInfoPanel5();
        RotationOffer();
        if (fromPile)
            Refit(source);
    } else if (!inZone && pdrop != 0 && PileTakes(pdrop, c)) {
        LayOnPile5(pdrop, c);
        Refit(pdrop);
        if (pdrop != source) {
            ++MoveCounter;
            Kit::PlaySound("WavCardUp");
            if (fromPile)
                Refit(source);
            DrawInfoPanel5();
            RotationOffer();
        } else {
            DrawInfoPanel5();
        }
    } else if (fromPile) {
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        const QPoint home = CrescentSlotPlace(source, PileCounts[source]);
        Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, home.x(), home.y(), c.code);
        PutBack(source);
    }
    Kit::ClearHeld();
    DragSourcePile = 0;
    DragActive = 0;
}

// Drag mode's double click: a King foundation first, else an Ace foundation.
void SendToFoundation()
{
    const int n = CrescentHitTest(LastUpX, LastUpY);
    if (n == 0 || TopSlot5(n) == 0)
        return;
    const TCard5 c = PileTop5(n);
    int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 4, [&](int g) { return FoundationTakes(g, c); });
    if (f == 0)
        f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 4, [&](int g) { return FoundationTakes(g + 4, c); })
            + 4;
    if (f == 4)
        return;
    const bool complete = MoveTop(n, 0, f, 0);
    ++MoveCounter;
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    DrawInfoPanel5();
    RotationOffer();
}

bool HandOverTable(int X, int Y)
{
    const bool dragMode = Settings::MoveMode == 2;
    const int s = SelectedPile;
    const bool selected = !dragMode && s >= 1 && s <= 16 && TopSlot5(s) != 0;
    const int f = CrescentFoundationAt(X, Y);
    if (f != 0 && selected && FoundationTakes(f, PileTop5(s)))
        return true;
    const int hit = CrescentHitTest(X, Y);
    if (hit == 0 || TopSlot5(hit) == 0)
        return false;
    if (dragMode || s == 0 || s == hit)
        return true;
    return selected && PileTakes(hit, PileTop5(s));
}

// ---- the rotation's animation ----

// The area a travelling card and pile p can cover.
QRect RotationArea(int p)
{
    const int n = PileCounts[p];
    const int s = ColumnStep[p];
    const int wide = Scaled(10) + n * s + 2 * CardWidth;
    if (FansLeft(p))
        return {PosX[p] - n * s, PosY[p], wide, CardHeight};
    if (FansRight(p))
        return {PosX[p] - CardWidth - Scaled(10), PosY[p], wide, CardHeight};
    return {PosX[p], PosY[p], CardWidth, Scaled(10) + n * s + 2 * CardHeight};
}

void RepaintNeighbours(int p)
{
    if (FansLeft(p)) {
        RedrawFoundation5(1);
        RedrawFoundation5(5);
        if (p >= 4) {
            RedrawColumn5(6, 0);
            RedrawColumn5(7, 0);
        }
    } else if (FansRight(p)) {
        RedrawFoundation5(4);
        RedrawFoundation5(8);
        if (p <= 13) {
            RedrawColumn5(11, 0);
            RedrawColumn5(10, 0);
        }
    } else {
        DrawInfoPanel5();
        for (int f = 1; f <= 4; ++f)
            RedrawFoundation5(f);
        return;
    }
    // The lowest side piles can reach into the info panel under the foundations.
    const QRect panel(FoundationPosX[1] - Scaled(10), Scaled(13) + FoundationPosY[5] + CardHeight,
                      FoundationPosX[2] + CardWidth - FoundationPosX[1] + Scaled(20), Scaled(60));
    if (RotationArea(p).intersects(panel))
        DrawInfoPanel5();
}

bool FrameShown(int v)
{
    const int r = ((v % 3) + 3) % 3;
    if (Scaling::ClassicCardMode <= 0)
        return true;
    if (Scaling::ClassicCardMode == 1)
        return r != 0;
    return r == 2;
}

// One frame: the travelling card at (x, y) under the pile (phase 1) or over it.
void RotationFrame(int p, int x, int y, const TCardCode& card, bool under)
{
    auto* table = Kit::TableImage();
    if (!table || StandInTable5)
        return;
    platform::Canvas& canvas = table->canvas();
    const QRect area = RotationArea(p);
    Kit::RestoreBackground(canvas, area.x(), area.y(), area.width(), area.height());
    RepaintNeighbours(p);
    if (under)
        CardDrawing::DrawCardFace(x, y, card, canvas);
    for (int k = 1; k <= 96; ++k)
        if (HoldsCard5(PileCards[p][k])) {
            const QPoint at = CrescentSlotPlace(p, k);
            CardDrawing::DrawCardFace(at.x(), at.y(), PileCards[p][k], canvas);
        }
    if (!under)
        CardDrawing::DrawCardFace(x, y, card, canvas);
    table->repaint(area);
    platform::sleepMs(1);
}

// The bottom card of pile p travels out from under the pile and back over it to the top.
void AnimateRotation(int p, const TCardCode& card)
{
    const int n = PileCounts[p];
    const int s = ColumnStep[p];
    const bool upright = !FansLeft(p) && !FansRight(p);
    const int start = upright ? PosY[p] : PosX[p];
    const int out = FansLeft(p) ? PosX[p] + CardWidth + Scaled(10)
                  : FansRight(p) ? PosX[p] - CardWidth - Scaled(10)
                                 : PosY[p] + s * (n - 2) + CardHeight + Scaled(10);
    const int top = FansLeft(p) ? PosX[p] - s * (n - 2) : FansRight(p) ? PosX[p] + s * (n - 2) : PosY[p] + s * (n - 2);
    const auto travel = [&](int from, int to, bool under) {
        const int dir = to >= from ? 1 : -1;
        for (int v = from;; v += dir) {
            if (FrameShown(v))
                RotationFrame(p, upright ? PosX[p] : v, upright ? v : PosY[p], card, under);
            if (v == to)
                break;
        }
    };
    travel(start, out, true);
    travel(out, top, false);
}

} // namespace

QPoint CrescentSlotPlace(int p, int slot)
{
    const int d = ColumnStep[p] * (slot - 1);
    if (FansLeft(p))
        return {PosX[p] - d, PosY[p]};
    if (FansRight(p))
        return {PosX[p] + d, PosY[p]};
    return {PosX[p], PosY[p] + d};
}

int CrescentTopX(int p) { return CrescentSlotPlace(p, PileCounts[p] - 1).x(); }
int CrescentTopY(int p) { return CrescentSlotPlace(p, PileCounts[p] - 1).y(); }

int CrescentHitTest(int X, int Y)
{
    static constexpr int order[16] = {1, 2, 3, 4, 5, 12, 13, 14, 15, 16, 6, 7, 8, 9, 10, 11};
    int hit = 0;
    for (int p : order)
        if (OnCard5(X, Y, CrescentTopX(p), CrescentTopY(p)))
            hit = p;
    return hit;
}

int CrescentFoundationAt(int X, int Y)
{
    int hit = 0;
    for (int f = 1; f <= 8; ++f)
        if (OnCard5(X, Y, FoundationPosX[f], FoundationPosY[f]))
            hit = f;
    return hit;
}

void CrescentRotate(int /*Mode*/)
{
    if ((CurrentGameId != Crescent && CurrentGameId != OpenCrescent) || StandInTable5)
        return;
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(false);
    // Every top card changes: a selection would frame the wrong card.
    if (SelectedPile >= 1 && SelectedPile <= 16)
        ToggleFrameOf(SelectedPile);
    ClearSelection5();
    for (int p = 1; p <= 16; ++p) {
        const int n = PileCounts[p];
        if (n <= 2 || n > 97)
            continue;
        TargetCard = PileCards[p][1];
        TargetValue = PileValues[p][1];
        for (int k = 1; k < n - 1; ++k) {
            PileCards[p][k] = PileCards[p][k + 1];
            PileValues[p][k] = PileValues[p][k + 1];
        }
        PileCards[p][n - 1] = cards::Empty;
        PileValues[p][n - 1] = cards::EmptyValue;
        AnimateRotation(p, TargetCard);
        PileCards[p][n - 1] = TargetCard;
        PileValues[p][n - 1] = static_cast<Byte>(TargetValue);
        RedrawColumn5(p, 0);
    }
    TargetCard = cards::Empty;
    TargetValue = cards::EmptyValue;
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(PassCount <= 4);
}

void CrescentMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    const bool left = Button == platform::mbLeft;
    const int hit = CrescentHitTest(X, Y);
    if (Settings::MoveMode == 2) {
        if (left && hit != 0)
            LiftPileTop5(hit, CrescentTopX(hit), CrescentTopY(hit), X, Y);
        return;
    }
    if (left && !(hit != 0 && ClickPile(hit))) {
        const int f = CrescentFoundationAt(X, Y);
        if (f != 0)
            PileToFoundation(f);
    }
    EndTest();
}

void CrescentMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    Kit::ShowMoveCursor(
        [X, Y] {
            const TCard5 c = HeldCard5();
            const int f = CrescentFoundationAt(X, Y);
            const int hit = CrescentHitTest(X, Y);
            return (f != 0 && FoundationTakes(f, c)) || (hit != 0 && PileTakes(hit, c));
        },
        [X, Y] { return HandOverTable(X, Y); });
}

void CrescentMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (DragActive)
        Drop(X, Y);
    DragActive = 0;
    EndTest();
}

void CrescentDblClick()
{
    // A drag whose release never came puts its card back first.
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        PutBack(source);
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation();
    EndTest();
}

} // namespace Group5
