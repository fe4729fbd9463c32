#include "games/kit/KitPlay.h"

#include "foundation/Settings.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

namespace Kit {

using namespace GameState;

namespace {

bool DragMode()
{
    return Settings::MoveMode == 2;
}

// The place a drop at (X, Y) would land on, by the game's way of finding it.
bool DropPlace(const TPlayRules& r, int X, int Y, TSpot& t)
{
    if (!r.TargetsByCorner)
        return r.TargetAt && r.TargetAt(X, Y, t);
    if (!r.Places)
        return false;
    const std::vector<TSpot> places = r.Places();
    std::vector<QPoint> corners;
    corners.reserve(places.size());
    for (const TSpot& p : places)
        corners.push_back({p.X, p.Y});
    const int i = PlaceByCorner(X, Y, corners);
    if (i == 0)
        return false;
    t = places[std::size_t(i - 1)];
    return true;
}

bool Legal(const TPlayRules& r, const TSpot& t, const TCardCode& card, Byte value)
{
    return r.Takes && r.Takes(t, card, value);
}

// The card in the hand has reached `t` from PlaySource; true when it counts as a move.
bool Placed(const TPlayRules& r, const TSpot& t)
{
    r.Put(t);
    ClearHeld();
    if (r.SilentHomeDrop && t.SamePlace(PlaySource))
        return false;
    PlaySound(r.Complete && r.Complete(t) ? "WavStopka" : "WavCardUp");
    if (r.CountMoves)
        ++MoveCounter;
    if (r.Panel)
        r.Panel();
    if (r.AfterMove)
        r.AfterMove(t);
    return true;
}

void Deselect()
{
    SourceSelected = 0;
    HitPile = 0;
    HitPos = 0;
    DragSourcePile = 0;
}

// A click-mode press with a card selected: deselect, move, or nothing. True on a move.
bool SecondClick(const TPlayRules& r, int X, int Y)
{
    TSpot s;
    if (r.SourceAt && r.SourceAt(X, Y, s) && s.SamePlace(PlaySource)) {
        PlaySound("WavCancel");
        ToggleSelectionFrame(PlaySource.X, PlaySource.Y);
        Deselect();
        return false;
    }
    TSpot t;
    if (!r.TargetAt || !r.TargetAt(X, Y, t) || t.SamePlace(PlaySource)
        || !Legal(r, t, PlaySource.Card, PlaySource.Value))
        return false;
    r.Take(PlaySource); // the repaint takes the mark off
    if (Settings::MoveMode == 1)
        FlyCard(PlaySource.X, PlaySource.Y, t.X, t.Y, PlaySource.Card, 1, 0);
    SourceSelected = 0;
    HitPile = 0;
    HitPos = 0;
    return Placed(r, t);
}

} // namespace

void PlayPress(const TPlayRules& r, platform::MouseButton Button, int X, int Y)
{
    if (PressWhileDragging())
        return;
    if (r.SaveCursor)
        SaveScreenCursor();
    if (!r.AnyButton && Button != platform::mbLeft) {
        if (!r.TimeEveryButton)
            return;
        StartPressTiming();
        if (!DragMode())
            RunEndTest(r.End, false);
        return;
    }
    StartPressTiming();
    bool moved = false;
    const int selectedBefore = SourceSelected;
    TSpot s;
    if (r.OwnPress && r.OwnPress(X, Y)) {
        moved = true;
    } else if (DragMode()) {
        if (!r.SourceAt || !r.SourceAt(X, Y, s) || !TakeUpDrag())
            return;
        PlaySource = s;
        DragSourcePile = s.Pile;
        HitPile = s.Pile;
        HitPos = s.Pos;
        ShowDragSprite(CardFrame(s.X, s.Y), X, Y, r.RecordPressPoint, [&] { r.Take(s); });
        return;
    } else if (SourceSelected) {
        moved = SecondClick(r, X, Y);
    } else if (r.SourceAt && r.SourceAt(X, Y, s)) {
        PlaySound("WavDown");
        ToggleSelectionFrame(s.X, s.Y);
        PlaySource = s;
        SourceSelected = 1;
        HitPile = s.Pile;
        HitPos = s.Pos;
        DragSourcePile = s.Pile;
    }
    if (r.DryAfterAnyAction && SourceSelected != selectedBefore)
        moved = true;
    if (!DragMode())
        RunEndTest(r.End, moved);
}

void PlayMove(const TPlayRules& r, int X, int Y)
{
    if (r.HintOff)
        TableHintOff();
    if (r.Hint)
        if (const QString h = r.Hint(X, Y); !h.isEmpty())
            SetTableHint(h);
    TSpot t;
    if (DragActive) {
        const bool found = r.DragCursorAtPointer ? r.TargetAt && r.TargetAt(X, Y, t) : DropPlace(r, X, Y, t);
        const bool legal = found && Legal(r, t, TargetCard, Byte(TargetValue));
        SetScreenCursor(legal ? CursorHand : CursorArrow);
        return;
    }
    bool hand = false;
    TSpot s;
    if (r.HandOver && r.HandOver(X, Y))
        hand = true;
    else if (!SourceSelected || DragMode())
        hand = r.SourceAt && r.SourceAt(X, Y, s);
    else if (r.SourceAt && r.SourceAt(X, Y, s) && s.SamePlace(PlaySource))
        hand = true;
    else
        hand = r.TargetAt && r.TargetAt(X, Y, t) && Legal(r, t, PlaySource.Card, PlaySource.Value);
    if (!hand && r.OwnHand)
        hand = r.OwnHand(X, Y);
    SetTableCursor(hand ? CursorHand : CursorArrow);
}

void PlayRelease(const TPlayRules& r, platform::MouseButton /*Button*/, int X, int Y)
{
    RestoreScreenCursor();
    bool moved = false;
    if (DragActive) {
        RemoveDragSprite();
        TSpot t;
        if ((!r.DropArea || r.DropArea(X, Y)) && DropPlace(r, X, Y, t) && Legal(r, t, TargetCard, Byte(TargetValue))) {
            moved = Placed(r, t);
        } else {
            const QPoint home(PlaySource.X, PlaySource.Y);
            const QPoint from = r.ReturnFrom ? r.ReturnFrom(PlaySource) : home;
            if (CancelSounds(r.Cancel, X, Y, from.x(), from.y()))
                PlaySound("WavCancel");
            FlyBackIfFar(r.FlyBack, X, Y, from, home, TargetCard);
            r.PutBack(PlaySource);
            ClearHeld();
        }
        DragActive = 0;
        if (r.DryAfterAnyAction)
            moved = true;
    }
    RunEndTest(r.EndOnRelease ? *r.EndOnRelease : r.End, moved);
}

void PlayDoubleClick(const TPlayRules& r)
{
    EndDragOnDoubleClick([&] { r.PutBack(PlaySource); });
    if (!r.DoubleClick || (!r.DoubleClickAllModes && !DragMode()) || !r.Foundations || !r.SourceAt)
        return;
    TSpot s;
    if (!r.SourceAt(LastUpX, LastUpY, s))
        return;
    const std::vector<TSpot> fs = r.Foundations();
    const int f = FittingFoundation(r.Search, static_cast<int>(fs.size()),
                                    [&](int i) { return Legal(r, fs[std::size_t(i - 1)], s.Card, s.Value); });
    if (f == 0)
        return;
    if (SourceSelected && s.SamePlace(PlaySource))
        Deselect();
    const TSpot& t = fs[std::size_t(f - 1)];
    PlaySource = s;
    r.Take(s);
    if (Settings::MoveMode >= 1)
        FlyCard(s.X, s.Y, t.X, t.Y, s.Card, 1, 0);
    const bool moved = Placed(r, t);
    if (r.DoubleClickEndTest)
        RunEndTest(r.End, moved);
}

void ClearSelection()
{
    Deselect();
}

} // namespace Kit
