// Monte Carlo and Monte Carlo by Suit: the table handlers and the closing of the gaps.
#include "games/group4/Qyv_21_Monte.h"

#include "games/group4/Group4Kit.h"

#include "foundation/CardDrawing.h"
#include "foundation/Settings.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"
#include "platform/PictureControl.h"

#include <array>
#include <cstdlib>

namespace Group4 {

using namespace GameState;

namespace {

constexpr int Columns = 6;
constexpr int Rows = 4;

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }
bool Holds(int p, int s) { return p >= 1 && p <= Columns && s >= 1 && s <= Rows && HoldsCard(PileCards[p][s]); }
bool InRect(int X, int Y, int x, int y, int w, int h) { return X >= x && X <= x + w && Y >= y && Y <= y + h; }

// Reading order: place k (1..24) is row (k - 1) / 6 + 1, column (k - 1) % 6 + 1.
int ColumnOf(int k) { return (k - 1) % Columns + 1; }
int RowOf(int k) { return (k - 1) / Columns + 1; }
bool HoldsAt(int k) { return Holds(ColumnOf(k), RowOf(k)); }

bool StockHolds() { return ExtraPileCount >= 1 && ExtraPileCount <= 104; }

void EmptyPlace(int p, int s)
{
    PileCards[p][s] = cards::Empty;
    PileValues[p][s] = cards::EmptyValue;
}

void Place(int p, int s, const TCardCode& card, int value)
{
    PileCards[p][s] = card;
    PileValues[p][s] = static_cast<Byte>(value);
}

bool Matches(int p, int s, const TCardCode& card, int value)
{
    return Holds(p, s) && HoldsCard(card) && MonteMatch(PileCards[p][s], PileValues[p][s], card, value);
}

void DrawDiscardTop()
{
    if (auto* t = Kit::TableImage())
        CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, TargetCard, t->canvas());
}

// The held card, written over T, leaves T for the discard pile; then the grid closes.
void RemoveOnto(int tp, int ts)
{
    Place(tp, ts, TargetCard, TargetValue);
    RedrawColumn4(tp, ts);
    RefreshTable4();
    EmptyPlace(tp, ts);
    RedrawColumn4(tp, ts);
    RefreshTable4();
    if (Settings::MoveMode >= 1)
        Kit::FlyCard(GridX[tp][ts], GridY[tp][ts], AuxPile1X, AuxPile1Y, TargetCard, 1, 0);
    DrawDiscardTop();
    ClearDrag4();
    Kit::PlaySound("WavCardUp");
    MonteConsolidate();
    DrawInfoPanel4();
}

void ClickRemoval(int sp, int ss, int tp, int ts)
{
    Kit::HoldOneCard(PileCards[sp][ss], PileValues[sp][ss]);
    EmptyPlace(sp, ss);
    RedrawColumn4(sp, ss);
    RefreshTable4();
    if (Settings::MoveMode == 1)
        Kit::FlyCard(GridX[sp][ss], GridY[sp][ss], GridX[tp][ts], GridY[tp][ts], TargetCard, 1, 0);
    RemoveOnto(tp, ts);
    SelectedPile = 0;
    SelectedSlot = 0;
}

void PutBack(int X, int Y)
{
    const int p = DragSourcePile;
    const int s = DragSourceSlot;
    if (p >= 1 && p <= Columns && s >= 1 && s <= Rows) {
        FlyBack4(X, Y, GridX[p][s], GridY[p][s], Kit::TFlyBack::BeyondTwenty);
        Place(p, s, TargetCard, TargetValue);
        RedrawColumn4(p, s);
        RefreshTable4();
    }
    ClearDrag4();
}

// The place under the dragged card's corner, the last in column-major order.
bool DropPlace(int X, int Y, int& p, int& s)
{
    std::array<QPoint, Columns * Rows> corners;
    for (int i = 1; i <= Columns; ++i)
        for (int j = 1; j <= Rows; ++j)
            corners[std::size_t((i - 1) * Rows + j - 1)] = QPoint(GridX[i][j], GridY[i][j]);
    const int k = DropPlace4(X, Y, corners);
    if (k < 1)
        return false;
    p = (k - 1) / Rows + 1;
    s = (k - 1) % Rows + 1;
    return true;
}

bool InGridArea(int X, int Y)
{
    return InRect(X, Y, GridX[1][1], GridY[1][1], GridX[6][1] + CardWidth - GridX[1][1],
                  GridY[1][4] + CardHeight - GridY[1][1]);
}

void EndTest()
{
    EndWhenStuck4(false, [] { return !Holds(Columns, Rows); });
}

} // namespace

bool MonteMatch(const TCardCode& a, int valueA, const TCardCode& b, int valueB)
{
    if (CurrentGameId == MonteCarloBySuit)
        return a.suit() == b.suit();
    return valueA == valueB;
}

bool MonteNeighbours(int p1, int s1, int p2, int s2)
{
    return !(p1 == p2 && s1 == s2) && std::abs(p1 - p2) <= 1 && std::abs(s1 - s2) <= 1;
}

bool MontePlaceAt(int X, int Y, bool cardsOnly, int& p, int& s)
{
    p = 0;
    s = 0;
    for (int i = 1; i <= Columns; ++i)
        for (int j = 1; j <= Rows; ++j)
            if ((!cardsOnly || Holds(i, j)) && InRect(X, Y, GridX[i][j], GridY[i][j], CardWidth, CardHeight)) {
                p = i;
                s = j;
            }
    return p != 0;
}

bool MonteCanConsolidate()
{
    bool anyEmpty = false;
    bool gapAfterCard = false;
    bool cardSeen = false;
    for (int k = 1; k <= Columns * Rows; ++k) {
        if (HoldsAt(k)) {
            cardSeen = true;
        } else {
            anyEmpty = true;
            gapAfterCard = gapAfterCard || cardSeen;
        }
    }
    return (anyEmpty && StockHolds()) || (gapAfterCard && ExtraPileCount <= 0);
}

void MonteConsolidate()
{
    const int speedAdd = 1;
    while (MonteCanConsolidate()) {
        int gap = Columns * Rows;
        while (gap >= 1 && HoldsAt(gap))
            --gap;
        if (gap < 1)
            break;
        int card = gap - 1;
        while (card >= 1 && !HoldsAt(card))
            --card;
        const int gp = ColumnOf(gap);
        const int gs = RowOf(gap);
        if (card >= 1) {
            const int cp = ColumnOf(card);
            const int cs = RowOf(card);
            const TCardCode code = PileCards[cp][cs];
            Place(gp, gs, code, PileValues[cp][cs]);
            EmptyPlace(cp, cs);
            RedrawColumn4(cp, cs);
            RefreshTable4();
            if (Settings::MoveMode >= 1)
                Kit::FlyCard(GridX[cp][cs], GridY[cp][cs], GridX[gp][gs], GridY[gp][gs], code, 1, 0, speedAdd);
        } else if (StockHolds()) {
            // The dealt slot keeps its stale copy; only slots 1..ExtraPileCount count.
            const TCardCode code = StockCards[ExtraPileCount];
            Place(gp, gs, code, StockValues[ExtraPileCount]);
            --ExtraPileCount;
            RedrawStockWaste4();
            RefreshTable4();
            if (Settings::MoveMode >= 1)
                Kit::FlyCard(AuxPile2X, AuxPile2Y, GridX[gp][gs], GridY[gp][gs], code, 1, 0, speedAdd);
        } else {
            break;
        }
        RedrawColumn4(gp, gs);
        RefreshTable4();
    }
}

void MonteMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    // A card in the hand stays there whatever button is pressed meanwhile.
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    int p = 0, s = 0;
    if (Settings::MoveMode != 2 || !MontePlaceAt(X, Y, true, p, s))
        return;
    DragSourcePile = p;
    DragSourceSlot = s;
    LiftOneCard4(GridX[p][s], GridY[p][s], PileCards[p][s], PileValues[p][s], X, Y, [p, s] {
        EmptyPlace(p, s);
        RedrawColumn4(p, s);
    }, 1);
}

void MonteMouseMove(platform::ShiftState, int X, int Y)
{
    const bool drag = DragActive != 0;
    const int mode = Settings::MoveMode;
    int d = 0, c = 0;
    MontePlaceAt(X, Y, true, d, c);
    bool hand = false;
    if (d != 0 && ((!drag && mode == 2) || (mode <= 1 && SelectedPile == 0)))
        hand = true;
    // The hand shows a match, neighbour or not.
    if (d != 0 && mode <= 1 && Holds(SelectedPile, SelectedSlot)
        && Matches(d, c, PileCards[SelectedPile][SelectedSlot], PileValues[SelectedPile][SelectedSlot]))
        hand = true;
    if (d != 0 && drag && Matches(d, c, TargetCard, TargetValue))
        hand = true;
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void MonteMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    const bool dragging = DragActive != 0;
    if (dragging)
        Kit::RemoveDragSprite();
    int hp = 0, hs = 0;
    MontePlaceAt(X, Y, false, hp, hs);
    if (Settings::MoveMode <= 1 && !dragging && InGridArea(X, Y)) {
        const bool selected = Holds(SelectedPile, SelectedSlot);
        // A click that hits no card leaves the selection as it is.
        if (hp != 0 && !selected && Holds(hp, hs)) {
            SelectCard4(GridX[hp][hs], GridY[hp][hs]);
            SelectedPile = hp;
            SelectedSlot = hs;
        } else if (hp != 0 && selected && hp == SelectedPile && hs == SelectedSlot) {
            DeselectCard4(GridX[hp][hs], GridY[hp][hs]);
            SelectedPile = 0;
            SelectedSlot = 0;
        } else if (hp != 0 && selected && MonteNeighbours(SelectedPile, SelectedSlot, hp, hs)
                   && Matches(hp, hs, PileCards[SelectedPile][SelectedSlot], PileValues[SelectedPile][SelectedSlot])) {
            ClickRemoval(SelectedPile, SelectedSlot, hp, hs);
        }
        EndTest();
        return;
    }
    if (dragging) {
        int tp = 0, ts = 0;
        if (Settings::MoveMode == 2 && DropPlace(X, Y, tp, ts)
            && MonteNeighbours(DragSourcePile, DragSourceSlot, tp, ts) && Matches(tp, ts, TargetCard, TargetValue))
            RemoveOnto(tp, ts);
        else
            PutBack(X, Y);
        EndTest();
        return;
    }
    DragActive = 0;
    EndTest();
}

void MonteDblClick() {}

} // namespace Group4
