// Pairs and Wish: the handlers of both games (Wish's entry points are in
// Qyv_20_Wish.cpp).
#include "games/group4/Qyv_19_Pairs.h"

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

namespace Group4 {

using namespace GameState;

namespace {

bool InRect(int X, int Y, int x, int y, int w, int h) { return X >= x && X <= x + w && Y >= y && Y <= y + h; }
bool WithStock() { return CurrentGameId == Pairs; }
int TopSlot(int i) { return PileCounts[i] - 1; }
int TopY(int i) { return PairsSlotY(i, TopSlot(i)); }
int TopValue(int i) { return PileValues[i][TopSlot(i)]; }

void EmptySlot(int i, int k)
{
    PileCards[i][k] = cards::Empty;
    PileValues[i][k] = cards::EmptyValue;
}

// The top of pile i into the hand, the pile one shorter and repainted.
void TakeTop(int i)
{
    Kit::HoldOneCard(PileCards[i][TopSlot(i)], PileValues[i][TopSlot(i)]);
    EmptySlot(i, TopSlot(i));
    --PileCounts[i];
    RedrawColumn4(i, 0);
}

void PutOnPile(int i, const TCardCode& card, int value)
{
    if (PileCounts[i] < 1 || PileCounts[i] > 104)
        return;
    PileCards[i][PileCounts[i]] = card;
    PileValues[i][PileCounts[i]] = static_cast<Byte>(value);
    ++PileCounts[i];
}

// The held card written over the top of T, then that top leaves the table.
void RemoveOnto(int t)
{
    PileCards[t][TopSlot(t)] = TargetCard;
    PileValues[t][TopSlot(t)] = static_cast<Byte>(TargetValue);
    RedrawColumn4(t, 0);
    RefreshTable4();
    const int x = PosX[t];
    const int y = TopY(t);
    EmptySlot(t, TopSlot(t));
    --PileCounts[t];
    RedrawColumn4(t, 0);
    RefreshTable4();
    if (Settings::MoveMode >= 1)
        FlyOffTable4(x, y);
    ClearDrag4();
    Kit::PlaySound("WavCardUp");
    DrawInfoPanel4();
}

// The selected top S flies onto T's top (mode 1) and both leave.
void ClickRemoval(int s, int t)
{
    const int x = PosX[s];
    const int y = TopY(s);
    TakeTop(s);
    RefreshTable4();
    if (Settings::MoveMode == 1)
        Kit::FlyCard(x, y, PosX[t], TopY(t), TargetCard, 1, 0);
    RemoveOnto(t);
    SelectedPile = 0;
}

void PutBack(int X, int Y)
{
    const int i = DragSourcePile;
    if (i >= 1 && i <= 9) {
        FlyBack4(X, Y, PosX[i], PairsSlotY(i, PileCounts[i]), PairsFlyBack());
        PutOnPile(i, TargetCard, TargetValue);
        RedrawColumn4(i, 0);
        RefreshTable4();
    }
    ClearDrag4();
}

// The pile under the dragged card's corner: the highest whose top lies within
// Scaled(30) of it.
int DropPile(int X, int Y)
{
    std::array<QPoint, 9> corners;
    for (int i = 1; i <= 9; ++i)
        corners[std::size_t(i - 1)] = PairsPileHolds(i) ? QPoint(PosX[i], TopY(i)) : QPoint(-100000, -100000);
    return DropPlace4(X, Y, corners);
}

// One card from the stock onto each pile in turn while the stock lasts.
void DealStock()
{
    if (SelectedPile >= 1 && SelectedPile <= 9) {
        if (PairsPileHolds(SelectedPile))
            Kit::ToggleSelectionFrame(PosX[SelectedPile], TopY(SelectedPile));
        SelectedPile = 0;
    }
    // Without a flight or a sound to wait for, no card is seen apart from the others:
    // the table is painted once, after the last.
    const bool cardByCard = Settings::MoveMode >= 1 || Settings::SoundOn;
    int dealt = 0;
    for (int i = 1; i <= 9 && StockCount >= 1 && StockCount <= 104; ++i) {
        if (PileCounts[i] < 1 || PileCounts[i] > 104)
            continue;
        const TCardCode card = StockCards[StockCount];
        const int value = StockValues[StockCount];
        StockCards[StockCount] = cards::Empty;
        StockValues[StockCount] = cards::EmptyValue;
        --StockCount;
        const int slot = PileCounts[i];
        PutOnPile(i, card, value);
        dealt = i;
        if (!cardByCard)
            continue;
        RedrawStockWaste4();
        if (Settings::MoveMode >= 1) {
            RefreshTable4();
            Kit::FlyCard(AuxPile2X + StockCount / 9 + 1, AuxPile2Y, PosX[i], PairsSlotY(i, slot), card, 1, 1);
        }
        RedrawColumn4(i, 0);
        DrawInfoPanel4();
        Kit::PlaySound("WavCardUp", true);
    }
    if (!cardByCard && dealt > 0) {
        // Each new card lies on top of its pile: drawn over the table, it leaves the pile
        // as a repaint of it would.
        if (auto* t = Kit::TableImage())
            for (int i = 1; i <= dealt; ++i)
                CardDrawing::DrawCardFace(PosX[i], TopY(i), PileCards[i][TopSlot(i)], t->canvas());
        RedrawStockWaste4();
        DrawInfoPanel4();
    }
}

void EndTest()
{
    EndWhenStuck4(WithStock() && StockCount > 0, [] { return PileCardsLeft4() == 0; });
}

} // namespace

int PairsStep(int i) { return WithStock() ? ColumnStep[i] : 2; }

int PairsSlotY(int i, int k) { return PosY[i] + PairsStep(i) * (k - 1); }

bool PairsPileHolds(int i) { return i >= 1 && i <= 9 && PileCounts[i] > 1 && PileCounts[i] <= 105; }

int PairsPileAt(int X, int Y)
{
    for (int i = 9; i >= 1; --i)
        if (PairsPileHolds(i) && InRect(X, Y, PosX[i], TopY(i), CardWidth, CardHeight))
            return i;
    return 0;
}

bool PairsMatch(int a, int b)
{
    return a != b && PairsPileHolds(a) && PairsPileHolds(b) && TopValue(a) == TopValue(b);
}

bool InPairsPileArea(int X, int Y)
{
    const int extra = WithStock() ? 14 * ColumnStep[1] : 8;
    return InRect(X, Y, PosX[1], PosY[1], PosX[9] + CardWidth - PosX[1], CardHeight + extra);
}

bool InPairsStock(int X, int Y, int extra)
{
    return WithStock() && InRect(X, Y, AuxPile2X, AuxPile2Y, CardWidth + extra, CardHeight);
}

Kit::TFlyBack PairsFlyBack() { return WithStock() ? Kit::TFlyBack::FromTwenty : Kit::TFlyBack::BeyondTwenty; }

void PairsGameMouseDown(int X, int Y)
{
    // A card in the hand stays there whatever button is pressed meanwhile.
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    const int i = PairsPileAt(X, Y);
    if (i == 0 || Settings::MoveMode != 2)
        return;
    DragSourcePile = i;
    const int k = TopSlot(i);
    LiftOneCard4(PosX[i], TopY(i), PileCards[i][k], PileValues[i][k], X, Y, [i, k] {
        EmptySlot(i, k);
        --PileCounts[i];
        RedrawColumn4(i, 0);
    }, 1);
}

void PairsGameMouseMove(int X, int Y)
{
    const bool drag = DragActive != 0;
    const int mode = Settings::MoveMode;
    const int c = PairsPileAt(X, Y);
    bool hand = false;
    if (!drag && InPairsStock(X, Y, 12) && StockCount > 0)
        hand = true;
    if (c != 0 && ((!drag && mode == 2) || (mode <= 1 && SelectedPile == 0)))
        hand = true;
    if (mode <= 1 && c != 0 && (c == SelectedPile || PairsMatch(SelectedPile, c)))
        hand = true;
    if (drag && c != 0 && TopValue(c) == TargetValue)
        hand = true;
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void PairsGameMouseUp(int X, int Y)
{
    const bool dragging = DragActive != 0;
    if (dragging)
        Kit::RemoveDragSprite();
    const int hit = PairsPileAt(X, Y);
    if (Settings::MoveMode <= 1 && !dragging && InPairsPileArea(X, Y)) {
        // A click that hits no card leaves the selection as it is.
        if (hit != 0 && SelectedPile == 0) {
            SelectCard4(PosX[hit], TopY(hit));
            SelectedPile = hit;
        } else if (hit != 0 && hit == SelectedPile) {
            DeselectCard4(PosX[hit], TopY(hit));
            SelectedPile = 0;
        } else if (hit != 0 && PairsMatch(SelectedPile, hit)) {
            ClickRemoval(SelectedPile, hit);
        }
        EndTest();
        return;
    }
    if (dragging) {
        const int drop = DropPile(X, Y);
        if (Settings::MoveMode == 2 && drop != 0 && drop != DragSourcePile && PairsPileHolds(drop)
            && TopValue(drop) == TargetValue)
            RemoveOnto(drop);
        else
            PutBack(X, Y);
        EndTest();
        return;
    }
    DragActive = 0;
    if (InPairsStock(X, Y, 118) && StockCount > 0)
        DealStock();
    EndTest();
}

void PairsMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y) { PairsGameMouseDown(X, Y); }
void PairsMouseMove(platform::ShiftState, int X, int Y) { PairsGameMouseMove(X, Y); }
void PairsMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y) { PairsGameMouseUp(X, Y); }
void PairsDblClick() {}

} // namespace Group4
