// Algerian patience: the table's mouse handling on the play kit. The deal, the painters,
// the move count and the won test are the group engine's.
#include "games/group5/Qyv_46_Alzhir.h"

#include "foundation/Celebration.h"
#include "foundation/FanSteps.h"
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
#include <cstdlib>

namespace Group5 {

using namespace GameState;
using Celebration::Distance;
using Scaling::Scaled;

namespace {

bool Inside(int X, int Y, int left, int top)
{
    return X >= left && X <= left + CardWidth && Y >= top && Y <= top + CardHeight;
}

bool IsReserve(int pile) { return pile >= 11 && pile <= 16; }
bool IsColumn(int pile) { return pile >= 1 && pile <= 8; }

int ReserveTop(int r) { return std::clamp(AlzhirReserveCounts[r] - 1, 0, 16); }

// Cards in column or reserve `pile`.
int CardsIn(int pile)
{
    if (IsColumn(pile))
        return TopSlot5(pile);
    return IsReserve(pile) ? ReserveTop(pile - 10) : 0;
}

// Where a card laid on column p lies.
int NextSlotY(int p) { return ColumnTop + ColumnStep[p] * (PileCounts[p] - 1); }

// Top-left of the top card of a column or reserve.
QPoint TopPlace(int pile)
{
    if (IsColumn(pile))
        return {AlzhirColumnX(pile), AlzhirTopY(pile)};
    return {AlzhirReserveX[pile - 10], AlzhirReserveY};
}

int FoundationAt(int X, int Y)
{
    for (int f = 8; f >= 1; --f)
        if (Inside(X, Y, FoundationX[f], FoundationY))
            return f;
    return 0;
}

bool InStock(int X, int Y)
{
    return X >= AuxPile2X && X <= AuxPile2X + 16 + CardWidth && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight;
}

struct TCard {
    TCardCode code;
    Byte value = cards::EmptyValue;
};

TCard TopOf(int pile)
{
    if (IsColumn(pile))
        return {PileCards[pile][TopSlot5(pile)], PileValues[pile][TopSlot5(pile)]};
    const int r = pile - 10;
    return {AlzhirReserveCards[r][ReserveTop(r)], AlzhirReserveValues[r][ReserveTop(r)]};
}

bool ColumnTakes(int q, const TCard& c)
{
    const int top = TopSlot5(q);
    return top == 0 || AlzhirFollows(c.code, c.value, PileCards[q][top], PileValues[q][top]);
}

// The cursor's test: one rank either way on a column holding cards; the King-Ace pair
// and an empty column take the card without showing it.
bool ShowsFollow(int q, const TCard& c)
{
    const int top = TopSlot5(q);
    return top != 0 && PileCards[q][top].suit() == c.code.suit() && std::abs(PileValues[q][top] - c.value) == 1;
}

bool FoundationTakes(int f, const TCard& c) { return HoldsCard5(c.code) && AlzhirFitsFoundation(c.code, c.value, f); }

void Refit(int p)
{
    ColumnStep[p] = AlzhirFanStep(p);
    RedrawColumn5(p, 0);
}

TCard Take(int pile)
{
    const TCard c = TopOf(pile);
    if (IsColumn(pile)) {
        PileCards[pile][TopSlot5(pile)] = cards::Empty;
        PileValues[pile][TopSlot5(pile)] = cards::EmptyValue;
        --PileCounts[pile];
    } else {
        const int r = pile - 10;
        AlzhirReserveCards[r][ReserveTop(r)] = cards::Empty;
        AlzhirReserveValues[r][ReserveTop(r)] = cards::EmptyValue;
        --AlzhirReserveCounts[r];
    }
    return c;
}

// The source of a move repainted after its card left (a column with its new fan step).
void RepaintSource(int pile)
{
    if (IsColumn(pile))
        Refit(pile);
    else if (IsReserve(pile))
        RedrawColumn5(pile, 0);
}

void LayOnColumn(int p, const TCard& c)
{
    PileCards[p][PileCounts[p]] = c.code;
    PileValues[p][PileCounts[p]] = c.value;
    ++PileCounts[p];
    Refit(p);
}

void PutBack(int pile, const TCard& c)
{
    if (IsColumn(pile)) {
        LayOnColumn(pile, c);
    } else if (IsReserve(pile)) {
        const int r = pile - 10;
        AlzhirReserveCards[r][AlzhirReserveCounts[r]] = c.code;
        AlzhirReserveValues[r][AlzhirReserveCounts[r]] = c.value;
        ++AlzhirReserveCounts[r];
        RedrawColumn5(pile, 0);
    }
}

// Returns whether the foundation is now complete.
bool LayOnFoundation(int f, const TCard& c) { return LayOnFoundation5(f, c.code, c.value); }

void GiveUpWhenDry()
{
    if (Form1 && Form1->Button8 && !GameOver)
        Form1->Button8->setEnabled(StockCount == 0 && SelectedPile == 0);
}

void ClearSelection()
{
    SelectedPile = 0;
    DragSourcePile = 0;
    HitPile = 0;
    HitPos = 0;
}

// After every completed move: counted, the panel, and "WavStopka" when the table is dry
// while the stock still holds cards.
void MoveTail()
{
    ++MoveCounter;
    DrawInfoPanel5();
    int count = 0;
    CountMoves5(count);
    if (count == 0 && StockCount > 0)
        Kit::PlaySound("WavStopka");
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

void ToggleFrameOf(int pile)
{
    const QPoint p = TopPlace(pile);
    Kit::ToggleSelectionFrame(p.x(), p.y());
}

// ---- the stock ----

void DealOneTo(int pile)
{
    const TCard c{StockCards[StockCount], StockValues[StockCount]};
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawKoloda5(0);
    if (IsReserve(pile)) {
        if (Settings::MoveMode != 0)
            Kit::FlyCard(AuxPile2X + 16, AuxPile2Y, AlzhirReserveX[pile - 10], AlzhirReserveY, c.code);
        PutBack(pile, c);
    } else {
        if (Settings::MoveMode != 0)
            Kit::FlyCard(AuxPile2X + 16, AuxPile2Y, ColumnX[pile], AlzhirTopY(pile) + ColumnStep[pile], c.code);
        LayOnColumn(pile, c);
    }
    Kit::PlaySound("WavCardUp");
}

void DealStock()
{
    if (SelectedPile != 0 && CardsIn(SelectedPile) != 0)
        ToggleFrameOf(SelectedPile);
    SelectedPile = 0;
    if (StockCount >= 9) {
        for (int i = 0; i < 12 && StockCount > 0; ++i)
            DealOneTo(i % 6 + 11);
    } else {
        for (int p = 1; p <= 8 && StockCount > 0; ++p)
            DealOneTo(p);
    }
    ClearSelection();
    DrawInfoPanel5();
    GiveUpWhenDry();
}

// ---- click modes ----

// The selected top card to column `to` or foundation `f` (the other 0).
bool ClickMove(int to, int f)
{
    const int s = SelectedPile;
    if (CardsIn(s) == 0)
        return false;
    const TCard c = TopOf(s);
    if (f != 0 ? !FoundationTakes(f, c) : !ColumnTakes(to, c))
        return false;
    ToggleFrameOf(s);
    Take(s);
    RepaintSource(s);
    const QPoint from = IsColumn(s) ? QPoint(AlzhirColumnX(s), AlzhirTopY(s)) : TopPlace(s);
    bool complete = false;
    if (f != 0) {
        if (Settings::MoveMode == 1)
            Kit::FlyCard(from.x(), from.y(), FoundationX[f], FoundationY, c.code);
        complete = LayOnFoundation(f, c);
    } else {
        if (Settings::MoveMode == 1)
            Kit::FlyCard(from.x(), from.y(), ColumnX[to], AlzhirTopY(to) + ColumnStep[to], c.code);
        LayOnColumn(to, c);
    }
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    ClearSelection();
    MoveTail();
    GiveUpWhenDry();
    return true;
}

void Click(int hit, int fhit)
{
    if (hit != 0 && SelectedPile == 0 && CardsIn(hit) != 0) {
        Kit::PlaySound("WavDown");
        ToggleFrameOf(hit);
        SelectedPile = DragSourcePile = hit;
        HitPile = IsReserve(hit) ? hit - 10 : hit;
        HitPos = 0;
        GiveUpWhenDry();
        return;
    }
    if (hit != 0 && hit == SelectedPile) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(hit);
        ClearSelection();
        GiveUpWhenDry();
        return;
    }
    if (SelectedPile == 0)
        return;
    if (IsColumn(hit) && ClickMove(hit, 0))
        return;
    if (fhit != 0)
        ClickMove(0, fhit);
}

// ---- drag mode ----

bool StartDrag(int hit)
{
    if (hit == 0 || CardsIn(hit) == 0 || !Kit::TakeUpDrag())
        return false;
    const TCard c = TopOf(hit);
    const QPoint p = TopPlace(hit);
    DragSourcePile = hit;
    Kit::HoldOneCard(c.code, c.value);
    Kit::ShowDragSprite(Kit::CardFrame(p.x(), p.y()), PressX, PressY, true, [hit] {
        // A column keeps its step until the card lands or goes back.
        Take(hit);
        RedrawColumn5(hit, 0);
    });
    return true;
}

// The place a lifted card came from.
QPoint HomeOf(int source)
{
    if (IsColumn(source))
        return {AlzhirColumnX(source), NextSlotY(source)};
    return TopPlace(source);
}

void Drop(int X, int Y)
{
    Kit::RemoveDragSprite();
    const int source = DragSourcePile;
    const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
    const QPoint corner = Kit::SpriteCorner(X, Y);
    const int near = Scaled(30);
    int fdrop = 0;
    for (int f = 8; f >= 1 && fdrop == 0; --f)
        if (Distance(FoundationX[f], FoundationY, corner.x(), corner.y()) <= near)
            fdrop = f;
    int cdrop = 0;
    for (int q = 8; q >= 1 && cdrop == 0; --q)
        if (Distance(AlzhirColumnX(q), AlzhirTopY(q), corner.x(), corner.y()) <= near)
            cdrop = q;
    const bool inFoundations = X >= FoundationX[1] - near && X <= FoundationX[8] + CardWidth
                               && Y >= FoundationY - near && Y <= FoundationY + CardHeight;
    bool placed = false;
    if (inFoundations) {
        // The foundation zone never drops on a column.
        if (fdrop != 0 && FoundationTakes(fdrop, c)) {
            const bool complete = LayOnFoundation(fdrop, c);
            Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
            if (IsColumn(source))
                Refit(source);
            MoveTail();
            placed = true;
        }
    } else if (cdrop != 0 && ColumnTakes(cdrop, c)) {
        LayOnColumn(cdrop, c);
        if (cdrop != source) {
            Kit::PlaySound("WavCardUp");
            RepaintSource(source);
            MoveTail();
        } else {
            DrawInfoPanel5();
        }
        placed = true;
    }
    if (!placed) {
        const QPoint home = HomeOf(source);
        if (Kit::CancelSounds(Kit::TCancelRule::FromPlace, X, Y, home.x(), home.y()))
            Kit::PlaySound("WavCancel");
        Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, home.x(), home.y(), c.code);
        PutBack(source, c);
    }
    Kit::ClearHeld();
    DragSourcePile = 0;
    GiveUpWhenDry();
}

// Drag mode's double click: the top card to a foundation, the King half first.
void SendToFoundation()
{
    const int n = AlzhirHitTest(LastUpX, LastUpY);
    if (n == 0 || CardsIn(n) == 0)
        return;
    const TCard c = TopOf(n);
    int f = 0;
    if (c.code.rank() == cards::RankKing)
        for (int g = 5; g <= 8 && f == 0; ++g)
            if (FoundationTop5(g) == 0 && FoundationTakes(g, c))
                f = g;
    for (int g = 5; g <= 8 && f == 0; ++g)
        if (FoundationTop5(g) != 0 && FoundationTakes(g, c))
            f = g;
    if (c.code.rank() == cards::RankAce)
        for (int g = 1; g <= 4 && f == 0; ++g)
            if (FoundationTop5(g) == 0 && FoundationTakes(g, c))
                f = g;
    for (int g = 1; g <= 4 && f == 0; ++g)
        if (FoundationTop5(g) != 0 && FoundationTakes(g, c))
            f = g;
    if (f == 0)
        return;
    const QPoint from = TopPlace(n);
    Take(n);
    RepaintSource(n);
    Kit::FlyCard(from.x(), from.y(), FoundationX[f], FoundationY, c.code);
    Kit::PlaySound(LayOnFoundation(f, c) ? "WavStopka" : "WavCardUp");
    MoveTail();
    GiveUpWhenDry();
}

bool HandOverTable(int X, int Y)
{
    const bool clickMode = Settings::MoveMode <= 1;
    const int hit = AlzhirHitTest(X, Y);
    const int s = SelectedPile;
    const bool selected = clickMode && s != 0 && CardsIn(s) != 0;
    if (selected) {
        const TCard c = TopOf(s);
        TargetCard = c.code;
        TargetValue = c.value;
        const int f = FoundationAt(X, Y);
        if (f != 0 && FoundationTakes(f, c))
            return true;
        if (IsColumn(hit) && ShowsFollow(hit, c))
            return true;
        if (hit == s)
            return true;
    } else if (hit != 0 && CardsIn(hit) != 0 && (clickMode ? s == 0 : !DragActive)) {
        return true;
    }
    return InStock(X, Y) && !DragActive && StockCount > 0;
}

} // namespace

int AlzhirColumnX(int p) { return ColumnX[p]; }

int AlzhirTopY(int p) { return std::max(ColumnTop, ColumnTop + ColumnStep[p] * (PileCounts[p] - 2)); }

int AlzhirHitTest(int X, int Y)
{
    for (int p = 8; p >= 1; --p)
        if (Inside(X, Y, AlzhirColumnX(p), AlzhirTopY(p)))
            return p;
    for (int r = 6; r >= 1; --r)
        if (Inside(X, Y, AlzhirReserveX[r], AlzhirReserveY))
            return r + 10;
    return 0;
}

void AlzhirMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    PressX = X;
    PressY = Y;
    const int hit = AlzhirHitTest(X, Y);
    const bool clickMode = Settings::MoveMode <= 1;
    if (StockCount >= 1 && InStock(X, Y))
        DealStock();
    else if (!clickMode)
        StartDrag(hit);
    else
        Click(hit, FoundationAt(X, Y));
    if (clickMode && !GameOver)
        EndTest(true);
}

void AlzhirMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    if (InStock(X, Y))
        Kit::SetTableHint(QString::number(StockCount));
    else
        Kit::TableHintOff();
    Kit::ShowMoveCursor(
        [X, Y] {
            const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
            const int f = FoundationAt(X, Y);
            const int hit = AlzhirHitTest(X, Y);
            return (f != 0 && FoundationTakes(f, c)) || (IsColumn(hit) && ShowsFollow(hit, c));
        },
        [X, Y] { return HandOverTable(X, Y); });
}

void AlzhirMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (DragActive)
        Drop(X, Y);
    DragActive = 0;
    if (!GameOver)
        EndTest(false);
}

void AlzhirDblClick()
{
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        PutBack(source, {TargetCard, static_cast<Byte>(TargetValue)});
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation();
    if (!GameOver)
        EndTest(false);
}

} // namespace Group5
