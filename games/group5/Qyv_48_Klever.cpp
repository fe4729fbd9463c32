// Clover: the table's mouse handling and the fans' redeal on the play kit. The deal, the
// painters, the move count and the won test are the group engine's.
#include "games/group5/Qyv_48_Klever.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
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

int RowY(int n) { return n <= 8 ? PosY[1] : PosY[2]; }

// Where the next card of fan n lies.
int NextSlotY(int n) { return RowY(n) + ColumnStep[n] * (PileCounts[n] - 1); }

bool FanTakes(int n, const TCard5& c)
{
    const TCard5 t = PileTop5(n);
    return HoldsCard5(t.code) && KleverFits(c.code, c.value, t.code, t.value);
}

bool FoundationTakes(int f, const TCard5& c)
{
    const int top = FoundationTop5(f);
    return top > 0 && top < 13 && HoldsCard5(c.code) && c.code.suit() == FoundationCards[f][top].suit()
        && c.value - 1 == FoundationValues[f][top];
}

int FoundationAt(int X, int Y)
{
    for (int f = 1; f <= 4; ++f)
        if (OnCard5(X, Y, FoundationX[f], FoundationY))
            return f;
    return 0;
}

void Refit(int n)
{
    ColumnStep[n] = KleverFanStep(n);
    RedrawColumn5(n, 0);
}

// After a completed move: a table without a move offers the redeal.
void RedealOffer()
{
    int count = 0;
    CountMoves5(count);
    if (count == 0)
        Kit::PlaySound("WavStopka");
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(count == 0);
}

void MoveTail()
{
    ++MoveCounter;
    DrawInfoPanel5();
    RedealOffer();
}

void EndTest(bool pressInClickMode)
{
    if (DragActive || GameOver)
        return;
    EndTest5(pressInClickMode ? Kit::TPanelOrder::AfterScore : Kit::TPanelOrder::BeforeScore,
             Kit::TPanelOrder::BeforeScore);
}

void ToggleFrameOf(int n)
{
    if (n >= 1 && n <= 16)
        Kit::ToggleSelectionFrame(KleverPileX(n), KleverTopY(n));
}

// The top of fan s to fan `to` (or to foundation f when `to` is 0), with the flight of
// move mode 1.
void MoveTop(int s, int to, int f)
{
    const int fromY = KleverTopY(s);
    const TCard5 c = TakePileTop5(s);
    Refit(s);
    const int toX = to != 0 ? KleverPileX(to) : FoundationX[f];
    const int toY = to != 0 ? NextSlotY(to) : FoundationY;
    if (Settings::MoveMode == 1)
        Kit::FlyCard(KleverPileX(s), fromY, toX, toY, c.code);
    bool complete = false;
    if (to != 0) {
        LayOnPile5(to, c);
        Refit(to);
    } else {
        complete = LayOnFoundation5(f, c);
    }
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    ClearSelection5();
    MoveTail();
}

bool ClickFan(int hit)
{
    if (ClickSelect5(hit, KleverPileX(hit), KleverTopY(hit)) != TClickSelect::Other)
        return true;
    const int s = SelectedPile;
    if (s < 1 || s > 16 || TopSlot5(s) == 0 || !FanTakes(hit, PileTop5(s)))
        return false;
    ToggleFrameOf(s);
    MoveTop(s, hit, 0);
    return true;
}

bool FanToFoundation(int f)
{
    const int s = SelectedPile;
    if (s < 1 || s > 16 || TopSlot5(s) == 0 || !FoundationTakes(f, PileTop5(s)))
        return false;
    ToggleFrameOf(s);
    MoveTop(s, 0, f);
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
    for (int f = 1; f <= 4; ++f)
        places.emplace_back(FoundationX[f], FoundationY);
    const int fdrop = Kit::PlaceByCorner(X, Y, places);
    places.clear();
    for (int n = 1; n <= 16; ++n)
        places.emplace_back(KleverPileX(n), KleverTopY(n));
    const int pdrop = Kit::PlaceByCorner(X, Y, places);
    const bool inFoundations = X >= FoundationX[1] - near && X <= FoundationX[4] + CardWidth
                               && Y >= FoundationY - near && Y <= FoundationY + CardHeight;
    const bool inFans = X >= PosX[1] - near && X <= PosX[8] + CardWidth && Y >= PosY[1] - near
                        && Y <= PosY[2] + CardHeight + Scaled(70);
    const bool fromFan = source >= 1 && source <= 16;

    if (inFoundations && fdrop != 0 && FoundationTakes(fdrop, c)) {
        const bool complete = LayOnFoundation5(fdrop, c);
        Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
        MoveTail();
        if (fromFan)
            Refit(source);
    } else if (inFans && pdrop != 0 && FanTakes(pdrop, c)) {
        LayOnPile5(pdrop, c);
        Refit(pdrop);
        if (pdrop != source) {
            Kit::PlaySound("WavCardUp");
            if (fromFan)
                Refit(source);
            MoveTail();
        } else {
            DrawInfoPanel5();
        }
    } else if (fromFan) {
        // A refused card always goes back; only from afar does it fly and sound.
        const QPoint home(KleverPileX(source), NextSlotY(source));
        if (Kit::CancelSounds(Kit::TCancelRule::FromPlace, X, Y, home.x(), home.y()))
            Kit::PlaySound("WavCancel");
        Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, home.x(), home.y(), c.code);
        PutBack(source);
    }
    Kit::ClearHeld();
    DragSourcePile = 0;
    DragActive = 0;
}

// Drag mode's double click: the fan's top to the last foundation that takes it.
void SendToFoundation()
{
    const int n = KleverHitTest(LastUpX, LastUpY);
    if (n == 0 || TopSlot5(n) == 0)
        return;
    const TCard5 c = PileTop5(n);
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::Last, 4, [&](int g) { return FoundationTakes(g, c); });
    if (f == 0)
        return;
    const int fromY = KleverTopY(n);
    TakePileTop5(n);
    Refit(n);
    Kit::FlyCard(KleverPileX(n), fromY, FoundationX[f], FoundationY, c.code);
    const bool complete = LayOnFoundation5(f, c);
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    MoveTail();
}

bool HandOverTable(int X, int Y)
{
    const bool dragMode = Settings::MoveMode == 2;
    const int s = SelectedPile;
    const bool selected = !dragMode && s >= 1 && s <= 16 && TopSlot5(s) != 0;
    const int f = FoundationAt(X, Y);
    if (f != 0 && selected) {
        const TCard5 c = PileTop5(s);
        TargetCard = c.code;
        TargetValue = c.value;
        if (FoundationTakes(f, c))
            return true;
    }
    const int hit = KleverHitTest(X, Y);
    if (hit == 0 || TopSlot5(hit) == 0)
        return false;
    if (dragMode || s == 0 || s == hit)
        return true;
    return selected && FanTakes(hit, PileTop5(s));
}

} // namespace

int KleverPileX(int n) { return PosX[n]; }

int KleverTopY(int n)
{
    const int y = RowY(n) + ColumnStep[n] * (PileCounts[n] - 2);
    return y < RowY(n) ? RowY(n) : y;
}

int KleverHitTest(int X, int Y)
{
    for (int n = 16; n >= 1; --n)
        if (OnCard5(X, Y, KleverPileX(n), KleverTopY(n)))
            return n;
    return 0;
}

void KleverRedeal()
{
    if (CurrentGameId != Clover || StandInTable5)
        return;
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(false);
    // A selected card is about to be gathered: its frame goes first.
    if (SelectedPile >= 1 && SelectedPile <= 16)
        ToggleFrameOf(SelectedPile);
    ClearSelection5();
    std::vector<TCard5> gathered;
    for (int n = 1; n <= 16; ++n) {
        for (int k = 1; k <= 14; ++k) {
            if (HoldsCard5(PileCards[n][k]))
                gathered.push_back({PileCards[n][k], PileValues[n][k]});
            PileCards[n][k] = cards::Empty;
            PileValues[n][k] = cards::EmptyValue;
        }
        PileCounts[n] = 1;
    }
    // The gathered cards go out in the order a fresh pack puts them, three to a fan.
    ShuffleDeck52();
    int dealt = 0;
    for (int i = 1; i <= 52; ++i)
        for (auto it = gathered.begin(); it != gathered.end(); ++it)
            if (it->code == DealCards[i]) {
                const int n = dealt / 3 + 1;
                const int slot = dealt % 3 + 1;
                PileCards[n][slot] = it->code;
                PileValues[n][slot] = it->value;
                PileCounts[n] = slot + 1;
                ++dealt;
                gathered.erase(it);
                break;
            }
    for (int n = 1; n <= 16; ++n) {
        ColumnStep[n] = Scaled(17);
        RedrawColumn5(n, 0);
    }
    DrawInfoPanel5();
}

void KleverMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    const bool left = Button == platform::mbLeft;
    const int hit = KleverHitTest(X, Y);
    if (Settings::MoveMode == 2) {
        if (left && hit != 0)
            LiftPileTop5(hit, KleverPileX(hit), KleverTopY(hit), X, Y);
        return;
    }
    if (left && !(hit != 0 && ClickFan(hit))) {
        const int f = FoundationAt(X, Y);
        if (f != 0)
            FanToFoundation(f);
    }
    EndTest(true);
}

void KleverMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    Kit::ShowMoveCursor(
        [X, Y] {
            const TCard5 c = HeldCard5();
            const int f = FoundationAt(X, Y);
            const int hit = KleverHitTest(X, Y);
            return (f != 0 && FoundationTakes(f, c)) || (hit != 0 && FanTakes(hit, c));
        },
        [X, Y] { return HandOverTable(X, Y); });
}

void KleverMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (DragActive)
        Drop(X, Y);
    DragActive = 0;
    EndTest(false);
}

void KleverDblClick()
{
    // A drag whose release never came puts its card back first.
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        PutBack(source);
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation();
    EndTest(false);
}

} // namespace Group5
