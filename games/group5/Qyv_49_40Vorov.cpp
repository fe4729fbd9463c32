// 40 Thieves: the table's mouse handling on the play kit. The deal, the painters, the
// move count and the won test are the group engine's.
#include "games/group5/Qyv_49_40Vorov.h"

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
#include <array>

namespace Group5 {

using namespace GameState;
using Celebration::Distance;
using Scaling::Scaled;

namespace {

// The waste in SelectedPile (click modes) and in DragSourcePile (drag mode).
constexpr int WasteSelected = 11;
constexpr int WasteSource = 20;

bool Inside(int X, int Y, int left, int top)
{
    return X >= left && X <= left + CardWidth && Y >= top && Y <= top + CardHeight;
}

bool ColumnTakes(int p, const TCardCode& card, int value)
{
    const int top = TopSlot5(p);
    return top == 0 || FortyThievesFitsDown(card, value, PileCards[p][top], PileValues[p][top]);
}

bool FoundationTakes(int f, const TCardCode& card, int value)
{
    const int top = FoundationTop5(f);
    if (top == 0)
        return value == 0 && HoldsCard5(card);
    return top < 13 && FortyThievesFitsUp(card, value, FoundationCards[f][top], FoundationValues[f][top]);
}

// Where the next card of column p lies.
int NextSlotY(int p) { return PosY[1] + ColumnStep[p] * (PileCounts[p] - 1); }

int FoundationAt(int X, int Y)
{
    for (int f = 8; f >= 1; --f)
        if (Inside(X, Y, FoundationX[f], FoundationY))
            return f;
    return 0;
}

bool InStock(int X, int Y) { return Inside(X, Y, AuxPile2X, AuxPile2Y); }
bool InWaste(int X, int Y) { return Inside(X, Y, AuxPile1X, AuxPile1Y); }

void Refit(int p)
{
    ColumnStep[p] = FortyThievesFanStep(p);
    RedrawColumn5(p, 0);
}

// ---- taking a card off its pile and laying it on another ----

struct TCard {
    TCardCode code;
    Byte value = cards::EmptyValue;
};

TCard TakeFromColumn(int p)
{
    const int top = TopSlot5(p);
    TCard c{PileCards[p][top], PileValues[p][top]};
    PileCards[p][top] = cards::Empty;
    PileValues[p][top] = cards::EmptyValue;
    --PileCounts[p];
    return c;
}

TCard TakeFromWaste()
{
    TCard c;
    TakeWasteTop5(c.code, c.value);
    return c;
}

void LayOnColumn(int p, const TCard& c)
{
    PileCards[p][PileCounts[p]] = c.code;
    PileValues[p][PileCounts[p]] = c.value;
    ++PileCounts[p];
    Refit(p);
}

void LayOnWaste(const TCard& c) { LayOnWaste5(c.code, c.value, 2); }

// Returns whether the foundation is now complete.
bool LayOnFoundation(int f, const TCard& c) { return LayOnFoundation5(f, c.code, c.value); }

// ---- the give-up, the move tail and the end ----

// Once the stock is used up the player may give up, except while a card is selected.
void UpdateGiveUp()
{
    if (!Form1 || !Form1->Button8 || GameOver)
        return;
    if (StockCount == 0)
        Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
    Form1->Button8->setEnabled(StockCount == 0 && SelectedPile == 0);
}

void MoveTail()
{
    ++MoveCounter;
    DrawInfoPanel5();
    int count = 0;
    CountMoves5(count);
    UpdateGiveUp();
}

void EndTest(bool pressInClickMode)
{
    Kit::TEndTest t;
    t.Won = [] { return IsGameWon5(); };
    t.Stuck = [] {
        int count = 0;
        return CountMoves5(count);
    };
    t.Caption = &Texts::TxtToMenu;
    t.Panel = [] { DrawInfoPanel5(); };
    t.WonPanel = pressInClickMode ? Kit::TPanelOrder::AfterScore : Kit::TPanelOrder::BeforeScore;
    t.LostPanel = Kit::TPanelOrder::BeforeScore;
    Kit::RunEndTest(t, true);
}

void ClearSelection()
{
    SelectedPile = 0;
    DragSourcePile = 0;
    HitPile = 0;
    HitPos = 0;
}

void ToggleFrameOf(int selected)
{
    if (selected == WasteSelected)
        Kit::ToggleSelectionFrame(AuxPile1X, AuxPile1Y);
    else if (selected >= 1 && selected <= 10)
        Kit::ToggleSelectionFrame(FortyThievesColumnX(selected), FortyThievesTopY(selected));
}

// ---- the press's steps; each returns whether it acted ----

bool TurnStock()
{
    if (StockCount < 1 || StockCount > 104 || WasteCount < 1 || WasteCount > 104)
        return false;
    if (SelectedPile == WasteSelected) {
        ToggleFrameOf(WasteSelected);
        SelectedPile = 0;
    }
    const TCard c{StockCards[StockCount], StockValues[StockCount]};
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawKoloda5(1);
    if (Settings::MoveMode != 0)
        Kit::FlyCard(AuxPile2X, AuxPile2Y, AuxPile1X, AuxPile1Y, c.code);
    LayOnWaste(c);
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel5();
    UpdateGiveUp();
    return true;
}

bool ClickWaste()
{
    if (WasteCount < 2)
        return false;
    if (SelectedPile == 0) {
        Kit::PlaySound("WavDown");
        ToggleFrameOf(WasteSelected);
        SelectedPile = WasteSelected;
    } else if (SelectedPile == WasteSelected) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(WasteSelected);
        SelectedPile = 0;
    } else {
        return false;
    }
    UpdateGiveUp();
    return true;
}

// The selected waste card clicked onto foundation f or column p (the other 0): a click
// move counts and sounds "WavCardUp" even when it completes a foundation.
bool WasteClickMove(int f, int p)
{
    const int top = WasteCount - 1;
    if (SelectedPile != WasteSelected || top < 1)
        return false;
    const TCardCode& card = WasteCards[top];
    const int value = WasteValues[top];
    if (f != 0 ? !FoundationTakes(f, card, value) : !ColumnTakes(p, card, value))
        return false;
    ToggleFrameOf(WasteSelected);
    const TCard c = TakeFromWaste();
    RedrawKoloda5(2);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(AuxPile1X, AuxPile1Y, f != 0 ? FoundationX[f] : PosX[p], f != 0 ? FoundationY : NextSlotY(p),
                     c.code);
    if (f != 0)
        LayOnFoundation(f, c);
    else
        LayOnColumn(p, c);
    SelectedPile = 0;
    Kit::PlaySound("WavCardUp");
    ++MoveCounter;
    DrawInfoPanel5();
    UpdateGiveUp();
    return true;
}

bool ClickColumn(int hit)
{
    const int s = SelectedPile;
    if (s == 0) {
        if (TopSlot5(hit) == 0)
            return false;
        Kit::PlaySound("WavDown");
        ToggleFrameOf(hit);
        SelectedPile = DragSourcePile = HitPile = hit;
        HitPos = 0;
        UpdateGiveUp();
        return true;
    }
    if (s == hit) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(hit);
        ClearSelection();
        UpdateGiveUp();
        return true;
    }
    if (s < 1 || s > 10)
        return false;
    const int top = TopSlot5(s);
    if (top == 0 || !ColumnTakes(hit, PileCards[s][top], PileValues[s][top]))
        return false;
    ToggleFrameOf(s);
    const int fromY = FortyThievesTopY(s);
    const TCard c = TakeFromColumn(s);
    Refit(s);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(FortyThievesColumnX(s), fromY, PosX[hit], NextSlotY(hit), c.code);
    LayOnColumn(hit, c);
    Kit::PlaySound("WavCardUp");
    ClearSelection();
    MoveTail();
    return true;
}

bool ColumnToFoundation(int f)
{
    const int s = SelectedPile;
    if (s < 1 || s > 10)
        return false;
    const int top = TopSlot5(s);
    if (top == 0 || !FoundationTakes(f, PileCards[s][top], PileValues[s][top]))
        return false;
    ToggleFrameOf(s);
    const int fromY = FortyThievesTopY(s);
    const TCard c = TakeFromColumn(s);
    Refit(s);
    if (Settings::MoveMode == 1)
        Kit::FlyCard(FortyThievesColumnX(s), fromY, FoundationX[f], FoundationY, c.code);
    const bool complete = LayOnFoundation(f, c);
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    ClearSelection();
    MoveTail();
    return true;
}

bool StartDrag(int hit, int X, int Y)
{
    int source = 0;
    int x = 0;
    int y = 0;
    if (hit != 0 && TopSlot5(hit) != 0) {
        source = hit;
        x = FortyThievesColumnX(hit);
        y = FortyThievesTopY(hit);
    } else if (InWaste(X, Y) && WasteCount >= 2) {
        source = WasteSource;
        x = AuxPile1X;
        y = AuxPile1Y;
    } else {
        return false;
    }
    if (!Kit::TakeUpDrag())
        return false;
    const TCard c = source == WasteSource ? TCard{WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]}
                                          : TCard{PileCards[hit][TopSlot5(hit)], PileValues[hit][TopSlot5(hit)]};
    DragSourcePile = source;
    Kit::HoldOneCard(c.code, c.value);
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, true, [source] {
        // The column keeps its step until the card lands or goes back.
        if (source == WasteSource) {
            TakeFromWaste();
            RedrawKoloda5(2);
        } else {
            TakeFromColumn(source);
            RedrawColumn5(source, 0);
        }
    });
    return true;
}

// The place (top-left) a dragged card came from.
QPoint SourcePlace(int source)
{
    if (source == WasteSource)
        return {AuxPile1X, AuxPile1Y};
    return {FortyThievesColumnX(source), NextSlotY(source)};
}

void PutBack(const TCard& c, int source)
{
    if (source == WasteSource)
        LayOnWaste(c);
    else if (source >= 1 && source <= 10)
        LayOnColumn(source, c);
}

// The release of a dragged card.
void Drop(int X, int Y)
{
    Kit::RemoveDragSprite();
    const int source = DragSourcePile;
    const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
    const QPoint p = Kit::SpriteCorner(X, Y);
    const int near = Scaled(30);
    int cdrop = 0;
    for (int q = 10; q >= 1 && cdrop == 0; --q)
        if (Distance(FortyThievesColumnX(q), FortyThievesTopY(q), p.x(), p.y()) <= near)
            cdrop = q;
    int fdrop = 0;
    for (int f = 8; f >= 1 && fdrop == 0; --f)
        if (Distance(FoundationX[f], FoundationY, p.x(), p.y()) <= near)
            fdrop = f;
    const bool inFoundations = X >= FoundationX[1] - near && X <= FoundationX[8] + CardWidth
                               && Y >= FoundationY - near && Y <= FoundationY + CardHeight;
    const bool inColumns = X >= PosX[1] - near && X <= PosX[10] + CardWidth && Y >= PosY[1] - near
                           && Y <= PosY[1] + CardHeight + Scaled(230);
    const bool fromColumn = source >= 1 && source <= 10;

    if (inFoundations && fdrop != 0 && FoundationTakes(fdrop, c.code, c.value)) {
        const bool complete = LayOnFoundation(fdrop, c);
        Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
        if (fromColumn)
            Refit(source);
        MoveTail();
    } else if (inColumns && cdrop != 0 && ColumnTakes(cdrop, c.code, c.value)) {
        LayOnColumn(cdrop, c);
        if (cdrop != source) {
            if (fromColumn)
                Refit(source);
            Kit::PlaySound("WavCardUp");
            MoveTail();
        } else {
            DrawInfoPanel5();
            UpdateGiveUp();
        }
    } else {
        // A refused card always goes back; only from afar does it fly and sound.
        const QPoint home = SourcePlace(source);
        if (Kit::CancelSounds(Kit::TCancelRule::FromPlace, X, Y, home.x(), home.y()))
            Kit::PlaySound("WavCancel");
        Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, home.x(), home.y(), c.code);
        PutBack(c, source);
    }
    Kit::ClearHeld();
    DragSourcePile = 0;
    DragActive = 0;
}

// Drag mode's double click: a column's top to the last foundation that takes it, else
// the waste's top to the first.
void SendToFoundation()
{
    const int n = FortyThievesHitTest(LastUpX, LastUpY);
    if (n != 0) {
        const int top = TopSlot5(n);
        if (top == 0)
            return;
        const TCard c{PileCards[n][top], PileValues[n][top]};
        const int f = Kit::FittingFoundation(Kit::TFoundationSearch::Last, 8,
                                             [&](int g) { return FoundationTakes(g, c.code, c.value); });
        if (f == 0)
            return;
        const int fromY = FortyThievesTopY(n);
        TakeFromColumn(n);
        Refit(n);
        Kit::FlyCard(FortyThievesColumnX(n), fromY, FoundationX[f], FoundationY, c.code);
        const bool complete = LayOnFoundation(f, c);
        Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
        MoveTail();
        return;
    }
    if (WasteCount < 2)
        return;
    const TCard c{WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]};
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 8,
                                         [&](int g) { return FoundationTakes(g, c.code, c.value); });
    if (f == 0)
        return;
    TakeFromWaste();
    RedrawKoloda5(2);
    Kit::FlyCard(AuxPile1X, AuxPile1Y, FoundationX[f], FoundationY, c.code);
    const bool complete = LayOnFoundation(f, c);
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    MoveTail();
}

bool TopFollows(int p, const TCardCode& card, int value)
{
    const int top = TopSlot5(p);
    return top != 0 && FortyThievesFitsDown(card, value, PileCards[p][top], PileValues[p][top]);
}

// The card a click selection holds, false when none.
bool SelectedCard(TCard& c)
{
    if (SelectedPile == WasteSelected && WasteCount >= 2) {
        c = {WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]};
        return true;
    }
    if (SelectedPile >= 1 && SelectedPile <= 10 && TopSlot5(SelectedPile) != 0) {
        const int top = TopSlot5(SelectedPile);
        c = {PileCards[SelectedPile][top], PileValues[SelectedPile][top]};
        return true;
    }
    return false;
}

bool HandOverTable(int X, int Y)
{
    const bool dragMode = Settings::MoveMode == 2;
    const int hit = FortyThievesHitTest(X, Y);
    const int f = FoundationAt(X, Y);
    TCard sel;
    const bool selected = !dragMode && SelectedCard(sel);
    if (f != 0 && selected) {
        TargetCard = sel.code;
        TargetValue = sel.value;
        if (FoundationTakes(f, sel.code, sel.value))
            return true;
    }
    if (hit != 0 && TopSlot5(hit) != 0) {
        if (dragMode || SelectedPile == 0 || SelectedPile == hit)
            return true;
        if (selected && TopFollows(hit, sel.code, sel.value))
            return true;
    }
    if (InStock(X, Y) && SelectedPile == 0)
        return true;
    return InWaste(X, Y) && WasteCount >= 2 && (dragMode || SelectedPile == 0);
}

} // namespace

int FortyThievesColumnX(int p) { return PosX[p]; }

int FortyThievesTopY(int p)
{
    const int y = PosY[1] + ColumnStep[p] * (PileCounts[p] - 2);
    return y < PosY[1] ? PosY[1] : y;
}

int FortyThievesHitTest(int X, int Y)
{
    for (int p = 10; p >= 1; --p)
        if (Inside(X, Y, FortyThievesColumnX(p), FortyThievesTopY(p)))
            return p;
    return 0;
}

bool FortyThievesFitsDown(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue)
{
    return KleverFits(Card, CardValue, Target, TargetValue);
}

bool FortyThievesFitsUp(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue)
{
    return HoldsCard5(Card) && HoldsCard5(Target) && Card.suit() == Target.suit() && CardValue - 1 == TargetValue;
}

void FortyThievesMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    const bool left = Button == platform::mbLeft;
    const bool clickMode = Settings::MoveMode <= 1;
    const int hit = FortyThievesHitTest(X, Y);
    const int f = FoundationAt(X, Y);

    if (InStock(X, Y) && StockCount > 0) {
        TurnStock();
    } else if (clickMode) {
        // The steps in order; the first that acts ends the chain.
        if (!(InWaste(X, Y) && ClickWaste()) && !(f != 0 && WasteClickMove(f, 0))
            && !(hit != 0 && WasteClickMove(0, hit)) && !(left && hit != 0 && ClickColumn(hit)) && left && f != 0)
            ColumnToFoundation(f);
    } else if (left) {
        StartDrag(hit, X, Y);
    }
    if (clickMode && !GameOver)
        EndTest(true);
}

void FortyThievesMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    if (X >= AuxPile2X && X <= AuxPile2X + 16 + CardWidth && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight)
        Kit::SetTableHint(QString::number(StockCount));
    else
        Kit::TableHintOff();
    Kit::ShowMoveCursor(
        [X, Y] {
            const int f = FoundationAt(X, Y);
            const int hit = FortyThievesHitTest(X, Y);
            return (f != 0 && FoundationTakes(f, TargetCard, TargetValue))
                || (hit != 0 && TopFollows(hit, TargetCard, TargetValue));
        },
        [X, Y] { return HandOverTable(X, Y); });
}

void FortyThievesMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (DragActive)
        Drop(X, Y);
    DragActive = 0;
    if (!GameOver)
        EndTest(false);
}

void FortyThievesDblClick()
{
    // A drag whose release never came puts its card back first.
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        PutBack({TargetCard, static_cast<Byte>(TargetValue)}, source);
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation();
    if (!GameOver)
        EndTest(false);
}

} // namespace Group5
