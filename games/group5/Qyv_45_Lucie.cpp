// "Labelel Lucie": the table's mouse handling on the play kit. The deal, the painters,
// the move count and the info panel are the group engine's; the reshuffle is the main
// window's second action button.
#include "games/group5/Qyv_45_Lucie.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <QPoint>
#include <algorithm>

namespace Group5 {

using namespace GameState;
using Celebration::Distance;
using Scaling::Scaled;

namespace {

int RowOf(int code) { return (code - 1) / 5 + 1; }
int PlaceOf(int code) { return (code - 1) % 5 + 1; }
int& NextOf(int code) { return LucieFanNext[RowOf(code)][PlaceOf(code)]; }
int& StepOf(int code) { return LucieFanSteps[RowOf(code)][PlaceOf(code)]; }
int Cards(int code) { return std::clamp(NextOf(code) - 1, 0, 15); }
TCardCode& Slot(int code, int s) { return PileCards2[RowOf(code)][PlaceOf(code)][s]; }
Byte& SlotValue(int code, int s) { return PileValues2[RowOf(code)][PlaceOf(code)][s]; }

bool Within(int X, int Y, int left, int top, int right, int bottom)
{
    return X >= left && X <= right && Y >= top && Y <= bottom;
}

bool InFanBlock(int X, int Y, int widen, int right)
{
    return Within(X, Y, GridX[1][1] - widen, GridY[1][1] - widen, GridX[1][5] + CardWidth + right,
                  GridY[4][1] + CardHeight);
}

struct TCard {
    TCardCode code;
    Byte value = cards::EmptyValue;
};

TCard TopOf(int code) { return {Slot(code, Cards(code)), SlotValue(code, Cards(code))}; }

// x of the foundation card `slotsFromTop` below its next free slot (2: the top card).
int FoundationSlotX(int f, int slotsFromTop) { return FoundationPosX[f] + 2 * std::max(0, FoundationCounts[f] - slotsFromTop); }

// The foundation whose top card contains (X, Y), the last of 1..4; 0 for none.
int FoundationAt(int X, int Y)
{
    int hit = 0;
    for (int f = 1; f <= 4; ++f)
        if (Within(X, Y, FoundationSlotX(f, 2), FoundationPosY[f], FoundationSlotX(f, 2) + CardWidth, FoundationPosY[f] + CardHeight))
            hit = f;
    return hit;
}

bool FanTakes(int code, const TCard& c)
{
    const int top = Cards(code);
    return top > 0 && Slot(code, top).suit() == c.code.suit() && SlotValue(code, top) == c.value + 1;
}

bool FoundationTakes(int f, const TCard& c)
{
    const int top = FoundationTop5(f);
    if (top == 0)
        return c.code.rank() == cards::RankAce;
    return top < 13 && FoundationCards[f][top].suit() == c.code.suit() && FoundationValues[f][top] + 1 == c.value;
}

TCard TakeFromFan(int code)
{
    const TCard c = TopOf(code);
    Slot(code, Cards(code)) = cards::Empty;
    SlotValue(code, Cards(code)) = cards::EmptyValue;
    --NextOf(code);
    return c;
}

void PutOnFan(int code, const TCard& c)
{
    Slot(code, NextOf(code)) = c.code;
    SlotValue(code, NextOf(code)) = c.value;
    ++NextOf(code);
}

void Repaint(int code) { RedrawColumn5(RowOf(code), PlaceOf(code)); }

void Refit(int code)
{
    StepOf(code) = LucieFanStep(Cards(code));
    Repaint(code);
}

// Returns whether the foundation is now complete.
bool LayOnFoundation(int f, const TCard& c) { return LayOnFoundation5(f, c.code, c.value); }

void ToggleFrameOf(int code) { Kit::ToggleSelectionFrame(LucieTopX(code), LucieFanY(code)); }

void MoveTail(bool complete)
{
    ++MoveCounter;
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    DrawInfoPanel5();
}

// ---- click modes ----

void ClickInFanBlock(int X, int Y)
{
    const int hit = LucieFanAt(X, Y);
    const int s = SelectedPile;
    if (hit == 0)
        return;
    if (s == 0) {
        Kit::PlaySound("WavDown");
        ToggleFrameOf(hit);
        SelectedPile = hit;
        return;
    }
    if (s == hit) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(hit);
        SelectedPile = 0;
        return;
    }
    if (Cards(s) == 0 || !FanTakes(hit, TopOf(s)))
        return;
    ToggleFrameOf(s);
    const TCard c = TakeFromFan(s);
    Refit(s);
    PutOnFan(hit, c);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(LucieNextX(s), LucieFanY(s), LucieTopX(hit), LucieFanY(hit), c.code, 1, 0);
    Refit(hit);
    SelectedPile = 0;
    MoveTail(false);
}

void ClickInFoundationBlock(int X, int Y)
{
    const int s = SelectedPile;
    const int f = FoundationAt(X, Y);
    if (s == 0 || f == 0 || Cards(s) == 0 || !FoundationTakes(f, TopOf(s)))
        return;
    ToggleFrameOf(s);
    const int fromX = LucieTopX(s);
    const TCard c = TakeFromFan(s);
    // A move to a foundation leaves the fan's spacing as it was.
    Repaint(s);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(fromX, LucieFanY(s), FoundationSlotX(f, 1), FoundationPosY[f], c.code, 1, 0);
    const bool complete = LayOnFoundation(f, c);
    SelectedPile = 0;
    MoveTail(complete);
}

// ---- drag mode ----

bool StartDrag(int X, int Y)
{
    const int code = LucieFanAt(X, Y);
    if (code == 0 || !Kit::TakeUpDrag())
        return false;
    const TCard c = TopOf(code);
    DragSourcePile = code;
    Kit::HoldOneCard(c.code, c.value);
    Kit::ShowDragSprite(Kit::CardFrame(LucieTopX(code), LucieFanY(code)), X, Y, true, [code] {
        TakeFromFan(code);
        Repaint(code);
    });
    return true;
}

bool Drop(int X, int Y, const TCard& c, int source)
{
    const QPoint corner = Kit::SpriteCorner(X, Y);
    const int near = Scaled(30);
    if (Within(X, Y, FoundationPosX[1] - near, FoundationPosY[1] - near, FoundationPosX[4] + CardWidth, FoundationPosY[1] + CardHeight)) {
        int f = 0;
        for (int g = 1; g <= 4; ++g)
            if (Distance(FoundationSlotX(g, 1), FoundationPosY[g], corner.x(), corner.y()) <= near)
                f = g;
        if (f != 0 && FoundationTakes(f, c)) {
            MoveTail(LayOnFoundation(f, c));
            return true;
        }
    }
    if (InFanBlock(X, Y, near, 15 * Scaled(20))) {
        int d = 0;
        for (int code = 1; code <= 20; ++code)
            if (Distance(LucieNextX(code), LucieFanY(code), corner.x(), corner.y()) <= near)
                d = code;
        if (d != 0 && FanTakes(d, c)) {
            PutOnFan(d, c);
            Refit(d);
            if (d != source) {
                ++MoveCounter;
                Kit::PlaySound("WavCardUp");
                Refit(source);
            }
            DrawInfoPanel5();
            return true;
        }
    }
    return false;
}

void FlyHome(int X, int Y, const TCard& c, int source)
{
    if (Kit::CancelSounds(Kit::TCancelRule::FromPress, X, Y, 0, 0))
        Kit::PlaySound("WavCancel");
    const QPoint corner = Kit::SpriteCorner(X, Y);
    const QPoint home(LucieNextX(source), LucieFanY(source));
    if (Distance(home.x(), home.y(), corner.x(), corner.y()) >= Scaled(30))
        Kit::FlyCard(corner.x(), corner.y(), home.x(), home.y(), c.code, 1, 0);
    PutOnFan(source, c);
    Repaint(source);
}

void SendToFoundation(int X, int Y)
{
    if (!InFanBlock(X, Y, 0, 14 * Scaled(20)))
        return;
    const int code = LucieFanAt(X, Y);
    if (code == 0)
        return;
    const TCard c = TopOf(code);
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 4, [&c](int g) { return FoundationTakes(g, c); });
    if (f == 0)
        return;
    TakeFromFan(code);
    Refit(code);
    Kit::FlyCard(LucieNextX(code), LucieFanY(code), FoundationSlotX(f, 1), FoundationPosY[f], c.code, 1, 0);
    MoveTail(LayOnFoundation(f, c));
}

// ---- the end ----

void EndTest()
{
    int count = 0;
    if (!CountMoves5(count))
        return;
    bool won = true;
    for (int f = 1; f <= 4; ++f)
        won = won && FoundationCounts[f] == 14;
    const Kit::TEndGame how{&Texts::TxtToMenu, [] { DrawInfoPanel5(); }, Kit::TPanelOrder::BeforeScore};
    if (won) {
        Kit::EndGame(true, how);
    } else if (PassCount <= 2) {
        // Stuck with a reshuffle left: the table waits for it.
        if (SelectedPile != 0)
            ToggleFrameOf(SelectedPile);
        SelectedPile = 0;
        if (Form1 && Form1->Button8)
            Form1->Button8->setEnabled(true);
        Kit::PlaySound("WavStopka");
        RoundPhase = 1;
    } else {
        Kit::EndGame(false, how);
    }
}

bool HandOver(int X, int Y)
{
    const bool clickMode = Settings::MoveMode <= 1;
    const int fan = LucieFanAt(X, Y);
    const int s = SelectedPile;
    if (clickMode && s != 0 && Cards(s) != 0) {
        const TCard sel = TopOf(s);
        for (int f = 1; f <= 4; ++f) {
            const int top = FoundationTop5(f);
            if (top == 0 ? sel.code.rank() == cards::RankAce
                               && Within(X, Y, FoundationSlotX(f, 2), FoundationPosY[f], FoundationSlotX(f, 2) + CardWidth, FoundationPosY[f] + CardHeight)
                         : FoundationAt(X, Y) == f && FoundationTakes(f, sel))
                return true;
        }
        if (fan != 0 && (fan == s || FanTakes(fan, sel)))
            return true;
        return false;
    }
    return fan != 0 && (clickMode ? s == 0 : !DragActive);
}

bool DropPossible(int X, int Y)
{
    const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
    for (int f = 1; f <= 4; ++f) {
        if (FoundationTop5(f) == 0) {
            if (c.code.rank() == cards::RankAce
                && Within(X, Y, FoundationPosX[f], FoundationPosY[f] - 24, FoundationPosX[f] + CardWidth, FoundationPosY[f] + CardHeight))
                return true;
        } else if (FoundationAt(X, Y) == f && FoundationTakes(f, c)) {
            return true;
        }
    }
    const int fan = LucieFanAt(X, Y);
    return fan != 0 && FanTakes(fan, c);
}

} // namespace

int LucieTopX(int code) { return GridX[RowOf(code)][PlaceOf(code)] + StepOf(code) * (NextOf(code) - 2); }

int LucieNextX(int code) { return GridX[RowOf(code)][PlaceOf(code)] + StepOf(code) * (NextOf(code) - 1); }

int LucieFanY(int code) { return GridY[RowOf(code)][PlaceOf(code)]; }

int LucieFanAt(int X, int Y)
{
    int hit = 0;
    for (int code = 1; code <= 20; ++code)
        if (Cards(code) > 0
            && Within(X, Y, LucieTopX(code), LucieFanY(code), LucieTopX(code) + CardWidth, LucieFanY(code) + CardHeight))
            hit = code;
    return hit;
}

void LucieMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    if (Settings::MoveMode == 2)
        StartDrag(X, Y);
}

void LucieMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    // The right button does nothing on the fans: no table menu over them.
    Kit::SetTableMenu(!Within(X, Y, GridX[1][1], GridY[1][1], GridX[1][5] + CardWidth + Scaled(50),
                              GridY[2][1] + CardHeight));
    if (RoundPhase == 1 || GameOver)
        return;
    if (DragActive) {
        Kit::SetScreenCursor(DropPossible(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    Kit::SetTableCursor(HandOver(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
}

void LucieMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (DragActive) {
        Kit::RemoveDragSprite();
        const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
        const int source = DragSourcePile;
        if (!Drop(X, Y, c, source) && source >= 1 && source <= 20)
            FlyHome(X, Y, c, source);
        Kit::ClearHeld();
        DragSourcePile = 0;
    } else if (Settings::MoveMode <= 1) {
        if (InFanBlock(X, Y, 0, Scaled(50)))
            ClickInFanBlock(X, Y);
        else if (Within(X, Y, FoundationPosX[1], FoundationPosY[1], FoundationPosX[4] + CardWidth + 24, FoundationPosY[1] + CardHeight))
            ClickInFoundationBlock(X, Y);
    }
    DragActive = 0;
    if (!GameOver)
        EndTest();
}

void LucieDblClick()
{
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        if (source >= 1 && source <= 20) {
            PutOnFan(source, {TargetCard, static_cast<Byte>(TargetValue)});
            Repaint(source);
        }
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation(LastUpX, LastUpY);
    if (!GameOver)
        EndTest();
}

} // namespace Group5
