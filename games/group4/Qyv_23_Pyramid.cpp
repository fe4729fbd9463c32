// Pyramid (423), Pyramid-Infinity (426) and Open Pyramid (437): the handlers of the grid
// removal games.
#include "games/group4/Qyv_23_Pyramid.h"

#include "games/group4/Group4Kit.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"
#include "platform/PictureControl.h"

#include <vector>

namespace Group4 {

using namespace GameState;

namespace {

constexpr int WastePile = 20;

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }
bool IsKing(const TCardCode& c) { return c.rank() == cards::RankKing; }
bool WasteHolds() { return WasteCount > 1 && WasteCount <= 105; }
bool InRect(int X, int Y, int x, int y, int w, int h) { return X >= x && X <= x + w && Y >= y && Y <= y + h; }
bool OnGrid(int c, int r) { return c >= 1 && c <= 13 && r >= 1 && r <= 7; }

void Refresh()
{
    if (auto* t = Kit::TableImage())
        t->update();
}

void EmptyPlace(int c, int r)
{
    PileCards[c][r] = cards::Empty;
    PileValues[c][r] = cards::EmptyValue;
    PileFaceUp[c][r] = 0;
}

// The waste's top into the hand, its slot emptied.
void TakeWasteTop()
{
    Kit::HoldOneCard(WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]);
    WasteCards[WasteCount - 1] = cards::Empty;
    WasteValues[WasteCount - 1] = cards::EmptyValue;
    --WasteCount;
}

void PutOnWaste(const TCardCode& card, int value)
{
    if (WasteCount < 1 || WasteCount > 104)
        return;
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = static_cast<Byte>(value);
    ++WasteCount;
}

// The waste's top or the card of (c, r) into the hand, its place emptied; (fromX,
// fromY) where it lay.
void TakeIntoHand(bool fromWaste, int c, int r, int& fromX, int& fromY)
{
    if (fromWaste) {
        TakeWasteTop();
        fromX = AuxPile1X;
        fromY = AuxPile1Y;
        return;
    }
    Kit::HoldOneCard(PileCards[c][r], PileValues[c][r]);
    EmptyPlace(c, r);
    fromX = GridX[c][r];
    fromY = GridY[c][r];
}

// Whatever is selected, unmarked (the repaint that follows takes the frame off).
void ClearSelection()
{
    SelectedPile = 0;
    SelectedSlot = 0;
}

// The removal is complete: the discard entry, the table repainted, the hand emptied.
void FinishRemoval()
{
    AddDiscard4();
    RepaintGrid4();
    Refresh();
    ClearDrag4();
    Kit::PlaySound("WavCardUp");
    DrawInfoPanel4();
}

void EndTest(const TGridGame& g)
{
    if (GameOver)
        return;
    int count = 0;
    const bool stuck = CountMoves4(count);
    if (g.endsLost) {
        if (stuck)
            EndGame4(GameWon != 0);
    } else if (GameWon) {
        EndGame4(true);
    }
}

// A King removed on the press, from the waste (col 0) or from the grid.
void RemoveKing(const TGridGame& g, int c, int r)
{
    ClearSelection();
    int fromX = 0, fromY = 0;
    TakeIntoHand(c == 0, c, r, fromX, fromY);
    RepaintGrid4();
    if (Settings::MoveMode >= 1)
        FlyToDiscard4(fromX, fromY);
    if (c != 0)
        FreeAfterRemoval(g, c, r);
    FinishRemoval();
    WasteKingTaken = 1;
}

// The selected card S (a grid place, or the waste top when sc is WastePile) flies onto
// T and both leave.
void RemovePair(const TGridGame& g, int sc, int sr, int tc, int tr)
{
    int fromX = 0, fromY = 0;
    TakeIntoHand(sc == WastePile, sc, sr, fromX, fromY);
    if (Settings::MoveMode == 1) {
        RepaintGrid4();
        Kit::FlyCard(fromX, fromY, GridX[tc][tr], GridY[tc][tr], TargetCard, 1, 0);
    }
    EmptyPlace(tc, tr);
    if (Settings::MoveMode == 1) {
        RepaintGrid4();
        FlyToDiscard4(GridX[tc][tr], GridY[tc][tr]);
    }
    FreeAfterRemoval(g, tc, tr);
    if (sc != WastePile)
        FreeAfterRemoval(g, sc, sr);
    ClearSelection();
    FinishRemoval();
}

// The lifted card dropped on T: both leave.
void RemoveDropped(const TGridGame& g, int tc, int tr)
{
    EmptyPlace(tc, tr);
    RepaintGrid4();
    FlyToDiscard4(GridX[tc][tr], GridY[tc][tr]);
    FreeAfterRemoval(g, tc, tr);
    if (DragSourcePile != WastePile && OnGrid(DragSourcePile, DragSourceSlot))
        FreeAfterRemoval(g, DragSourcePile, DragSourceSlot);
    FinishRemoval();
}

void PutBack(int X, int Y)
{
    if (DragSourcePile == WastePile) {
        FlyBack4(X, Y, AuxPile1X, AuxPile1Y);
        PutOnWaste(TargetCard, TargetValue);
    } else if (OnGrid(DragSourcePile, DragSourceSlot)) {
        const int c = DragSourcePile;
        const int r = DragSourceSlot;
        FlyBack4(X, Y, GridX[c][r], GridY[c][r]);
        PileCards[c][r] = TargetCard;
        PileValues[c][r] = static_cast<Byte>(TargetValue);
        PileFaceUp[c][r] = 1;
    }
    RepaintGrid4();
    Refresh();
    ClearDrag4();
}

// The grid place under the dragged card's corner, the last in column-major order.
bool DropTarget(const TGridGame& g, int X, int Y, int& col, int& row)
{
    std::vector<QPoint> corners;
    std::vector<GridPlace> at;
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r)
            if (IsGridPlace4(g.game, c, r)) {
                corners.emplace_back(GridX[c][r], GridY[c][r]);
                at.push_back({c, r});
            }
    const int k = DropPlace4(X, Y, corners);
    if (k < 1)
        return false;
    col = at[std::size_t(k - 1)].col;
    row = at[std::size_t(k - 1)].row;
    return true;
}

void TurnStock(const TGridGame& g)
{
    ClearSelection();
    Kit::HoldOneCard(StockCards[StockCount], StockValues[StockCount]);
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawStockWaste4();
    if (Settings::MoveMode >= 1)
        Kit::FlyCard(AuxPile2X + 12, AuxPile2Y, AuxPile1X, AuxPile1Y, TargetCard, 1, 1);
    PutOnWaste(TargetCard, TargetValue);
    Kit::ClearHeld();
    RepaintGrid4();
    Refresh();
    DrawInfoPanel4();
    Kit::PlaySound("WavCardUp", true);
    if (g.turnsBack && StockCount == 0 && Form1 && Form1->Button8)
        Form1->Button8->setEnabled(true);
}

// The waste back onto the stock, the first card turned becoming the stock's top again.
void TurnBack()
{
    ClearSelection();
    while (WasteHolds() && StockCount < 104) {
        ++StockCount;
        StockCards[StockCount] = WasteCards[WasteCount - 1];
        StockValues[StockCount] = WasteValues[WasteCount - 1];
        WasteCards[WasteCount - 1] = cards::Empty;
        WasteValues[WasteCount - 1] = cards::EmptyValue;
        --WasteCount;
    }
    ++PassCount;
    RepaintGrid4();
    Refresh();
    DrawInfoPanel4();
    Kit::PlaySound("WavStopka");
}

int SelectedValue()
{
    if (SelectedPile == WastePile)
        return WasteHolds() ? WasteValues[WasteCount - 1] : -100;
    if (OnGrid(SelectedPile, SelectedSlot) && HoldsCard(PileCards[SelectedPile][SelectedSlot]))
        return PileValues[SelectedPile][SelectedSlot];
    return -100;
}

} // namespace

TGridGame GridGameOf(int game)
{
    TGridGame g;
    g.game = game;
    g.turnsBack = game != Pyramid;
    g.endsLost = game == Pyramid;
    return g;
}

bool GridPair(int valueA, int valueB) { return valueA + valueB == 11; }

bool GridCovered(int col, int row)
{
    if (row >= 7)
        return false;
    return (OnGrid(col - 1, row + 1) && HoldsCard(PileCards[col - 1][row + 1]))
        || (OnGrid(col + 1, row + 1) && HoldsCard(PileCards[col + 1][row + 1]));
}

void FreeAfterRemoval(const TGridGame& g, int col, int row)
{
    if (row < 2)
        return;
    for (const int c : {col - 1, col + 1})
        if (OnGrid(c, row - 1) && IsGridPlace4(g.game, c, row - 1) && !GridCovered(c, row - 1))
            PileFaceUp[c][row - 1] = 1;
}

bool FreeCardAt(const TGridGame& g, int X, int Y, int& col, int& row)
{
    col = 0;
    row = 0;
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r)
            if (IsGridPlace4(g.game, c, r) && HoldsCard(PileCards[c][r]) && PileFaceUp[c][r] == 1
                && InRect(X, Y, GridX[c][r], GridY[c][r], CardWidth, CardHeight)) {
                col = c;
                row = r;
            }
    return col != 0;
}

bool OnWaste4(int X, int Y) { return InRect(X, Y, AuxPile1X, AuxPile1Y, CardWidth, CardHeight); }

bool InStockArea4(int X, int Y) { return InRect(X, Y, AuxPile2X, AuxPile2Y, CardWidth + 12, CardHeight); }

void GridMouseDown(const TGridGame& g, int X, int Y)
{
    // A card in the hand stays there whatever button is pressed meanwhile.
    if (Kit::PressWhileDragging())
        return;
    Kit::SaveScreenCursor();
    Kit::StartPressTiming();
    int hc = 0, hr = 0;
    FreeCardAt(g, X, Y, hc, hr);
    bool removed = false;
    if (WasteHolds() && OnWaste4(X, Y) && IsKing(WasteCards[WasteCount - 1])) {
        RemoveKing(g, 0, 0);
        removed = true;
    } else if (hc != 0 && IsKing(PileCards[hc][hr])) {
        RemoveKing(g, hc, hr);
        removed = true;
    }
    if (!removed && Settings::MoveMode == 2) {
        if (hc != 0) {
            DragSourcePile = hc;
            DragSourceSlot = hr;
            LiftOneCard4(GridX[hc][hr], GridY[hc][hr], PileCards[hc][hr], PileValues[hc][hr], X, Y, [&] {
                EmptyPlace(hc, hr);
                RepaintGrid4();
            });
        } else if (WasteHolds() && OnWaste4(X, Y)) {
            DragSourcePile = WastePile;
            DragSourceSlot = 0;
            LiftOneCard4(AuxPile1X, AuxPile1Y, WasteCards[WasteCount - 1], WasteValues[WasteCount - 1], X, Y,
                         [] {
                             WasteCards[WasteCount - 1] = cards::Empty;
                             WasteValues[WasteCount - 1] = cards::EmptyValue;
                             --WasteCount;
                             RedrawStockWaste4();
                         });
        }
    }
    if (!DragActive)
        EndTest(g);
}

void GridMouseMove(const TGridGame& g, int X, int Y)
{
    if (auto* t = Kit::TableImage())
        t->setProperty(Kit::StockHintProperty, QString::number(StockCount));
    Kit::SetStockHint(InStockArea4(X, Y));
    int d = 0, dr = 0;
    FreeCardAt(g, X, Y, d, dr);
    const bool drag = DragActive != 0;
    Kit::SetTableCursor(Kit::CursorArrow);
    if (drag) {
        const bool pairs = d != 0 && GridPair(PileValues[d][dr], TargetValue);
        Kit::SetScreenCursor(pairs ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    bool hand = false;
    if (InStockArea4(X, Y) && (StockCount > 0 || (g.turnsBack && WasteHolds() && PassCount < LastPass)))
        hand = true;
    if (InRect(X, Y, AuxPile1X, AuxPile1Y, CardWidth + 12, CardHeight) && WasteHolds()
        && (SelectedPile == 0 || SelectedPile == WastePile))
        hand = true;
    if (d != 0 && (Settings::MoveMode == 2 || (Settings::MoveMode <= 1 && SelectedPile == 0)))
        hand = true;
    if (d != 0 && Settings::MoveMode <= 1 && SelectedPile != 0
        && (GridPair(SelectedValue(), PileValues[d][dr]) || (SelectedPile == d && SelectedSlot == dr)))
        hand = true;
    if (hand)
        Kit::SetTableCursor(Kit::CursorHand);
}

void GridMouseUp(const TGridGame& g, int X, int Y)
{
    Kit::RestoreScreenCursor();
    const bool dragging = DragActive != 0;
    if (dragging)
        Kit::RemoveDragSprite();
    // The release of a press that removed a King: the card it freed stays unselected.
    if (WasteKingTaken) {
        WasteKingTaken = 0;
        return;
    }
    int hc = 0, hr = 0;
    FreeCardAt(g, X, Y, hc, hr);
    if (Settings::MoveMode <= 1 && !dragging && OnWaste4(X, Y)) {
        if (SelectedPile == 0 && WasteHolds()) {
            SelectCard4(AuxPile1X, AuxPile1Y);
            SelectedPile = WastePile;
        } else if (SelectedPile == WastePile) {
            DeselectCard4(AuxPile1X, AuxPile1Y);
            ClearSelection();
        }
        EndTest(g);
        return;
    }
    if (hc != 0 && Settings::MoveMode <= 1 && !dragging) {
        if (SelectedPile == 0) {
            SelectCard4(GridX[hc][hr], GridY[hc][hr]);
            SelectedPile = hc;
            SelectedSlot = hr;
        } else if (SelectedPile == hc && SelectedSlot == hr) {
            DeselectCard4(GridX[hc][hr], GridY[hc][hr]);
            ClearSelection();
        } else if (SelectedPile != WastePile && GridPair(SelectedValue(), PileValues[hc][hr])) {
            RemovePair(g, SelectedPile, SelectedSlot, hc, hr);
        } else if (SelectedPile == WastePile && GridPair(SelectedValue(), PileValues[hc][hr])) {
            RemovePair(g, WastePile, 0, hc, hr);
        }
        EndTest(g);
        return;
    }
    if (dragging) {
        int tc = 0, tr = 0;
        if (Settings::MoveMode == 2 && DropTarget(g, X, Y, tc, tr) && HoldsCard(PileCards[tc][tr]) && PileFaceUp[tc][tr] == 1
            && GridPair(PileValues[tc][tr], TargetValue))
            RemoveDropped(g, tc, tr);
        else
            PutBack(X, Y);
        EndTest(g);
        return;
    }
    DragActive = 0;
    if (InStockArea4(X, Y) && StockCount > 0 && StockCount <= 104) {
        TurnStock(g);
    } else if (g.turnsBack && InStockArea4(X, Y) && StockCount == 0 && WasteHolds() && PassCount < LastPass) {
        TurnBack();
    }
    EndTest(g);
}

void PyramidMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    GridMouseDown(GridGameOf(CurrentGameId), X, Y);
}

void PyramidMouseMove(platform::ShiftState, int X, int Y) { GridMouseMove(GridGameOf(CurrentGameId), X, Y); }

void PyramidMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    GridMouseUp(GridGameOf(CurrentGameId), X, Y);
}

void PyramidDblClick() {}

} // namespace Group4
