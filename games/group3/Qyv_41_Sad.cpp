// Flower garden: the rule helpers (8 Sages shares them), the hit test and the mouse
// handling, on the column play of the engine and the kit.
#include "games/group3/Qyv_41_Sad.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Garden.h"
#include "games/group3/Qyv_Help2_3_Play.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

bool SadFitsTableau(const TCardCode& Card, const TCardCode& Target)
{
    if (!HoldsCard3(Target))
        return true;
    if (cards::isRed(Card) == cards::isRed(Target) || cards::isBlack(Card) == cards::isBlack(Target))
        return false;
    const int rank = RankIndex3(Card);
    return rank > 0 && RankIndex3(Target) == rank + 1;
}

bool SadFitsFoundation(const TCardCode& Card, int F)
{
    int n = 0;
    for (int s = 13; s >= 1; --s)
        if (HoldsCard3(FoundationCards[F][s])) {
            n = s;
            break;
        }
    if (RankIndex3(Card) != n)
        return false;
    return n == 0 || Card.suit() == FoundationCards[F][1].suit();
}

int SadFanStep(int C)
{
    const int n = PileCounts[C];
    if (n <= 9)
        return Scaling::Scaled(25);
    const int room = Scaling::Scaled(280) + Scaling::Scaled(10) - CardHeight;
    return std::max(1, Scaling::RoundHalfEven(static_cast<double>(room) / (n - 1)));
}

} // namespace Group3

// ---- the table's mouse ----

namespace Group3 {

namespace {

constexpr int Bouquet = 1;
constexpr int FoundationArea = 2;
constexpr int ColumnArea = 3;

// Whether the cards of column c from position p up form a run that may be lifted.
bool Liftable(int c, int p)
{
    const int start = ColumnRunStart3(c);
    return start != 0 && p >= start && p <= PileCounts[c] - 1;
}

TCardCode TopOf(int c)
{
    return PileCounts[c] >= 2 ? PileCards[c][PileCounts[c] - 1] : cards::Empty;
}

void EmptyBouquetSlot(int r)
{
    SadReserveCards[r] = cards::Empty;
    SadReserveValues[r] = cards::EmptyValue;
    SadRedrawReserve();
}

} // namespace

void SadHitTest(int X, int Y, int& Index, int& Pos, int& Area)
{
    Index = 0;
    Pos = 0;
    Area = 0;
    for (int r = 1; r <= 16; ++r)
        if (X >= SadReserveX && X <= SadReserveX + CardWidth && Y >= SadReserveY[r] && Y <= SadReserveY[r] + CardHeight
            && HoldsCard3(SadReserveCards[r])) {
            Area = Bouquet;
            Index = Pos = r;
        }
    int f = 0;
    if (Area == 0 && GardenFoundationAt3(X, Y, 4, f)) {
        Area = FoundationArea;
        Index = f;
    }
    int c = 0;
    int p = 0;
    if (Area == 0 && GardenColumnTopAt3(X, Y, 6, c, p)) {
        Area = ColumnArea;
        Index = c;
        Pos = p;
    }
    for (int i = 1; i <= 6 && Area == 0; ++i)
        for (int j = 1; j <= 19 && Area == 0; ++j) {
            const int y = GardenCardAt3(i, j).y();
            if (X >= ColumnX[i] && X <= ColumnX[i] + CardWidth && Y > y && Y < y + ColumnStep[i]
                && HoldsCard3(PileCards[i][j])) {
                Area = ColumnArea;
                Index = i;
                Pos = j;
            }
        }
    Pos = std::max(Pos, 1);
}

void SadFreeDrag(int, int)
{
    Kit::RemoveDragSprite();
}

void SadMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    if (!GardenBeginPress3(Button))
        return;
    int index = 0;
    int pos = 0;
    int area = 0;
    SadHitTest(X, Y, index, pos, area);
    if (area == Bouquet) {
        const int r = index;
        if (GardenLiftCard3(SadReserveCards[r], SadReserveValues[r], SadReserveX, SadReserveY[r], X, Y,
                            [r] { EmptyBouquetSlot(r); })) {
            SadDragOrigin = 1;
            DragSourcePile = r;
        }
    } else if (area == ColumnArea && Liftable(index, pos) && GardenLiftColumn3(index, pos, X, Y)) {
        SadDragOrigin = 2;
        DragSourcePile = index;
    }
}

void SadMouseMove(platform::ShiftState, int X, int Y)
{
    int index = 0;
    int pos = 0;
    int area = 0;
    SadHitTest(X, Y, index, pos, area);
    if (DragActive) {
        const bool hand = (area == ColumnArea && SadFitsTableau(DragCards[1], TopOf(index)))
                          || (area == FoundationArea && Kit::HeldCount() == 1 && SadFitsFoundation(DragCards[1], index));
        Kit::SetScreenCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    const bool hand = area == Bouquet || (area == ColumnArea && Liftable(index, pos));
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void SadMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    Kit::RestoreScreenCursor();
    int index = 0;
    int pos = 0;
    int area = 0;
    SadHitTest(X, Y, index, pos, area);
    if (DragActive) {
        const int k = Kit::HeldCount();
        const int source = DragSourcePile;
        SadFreeDrag(X - DragOffsetX, Y - DragOffsetY);
        if (area == ColumnArea && SadFitsTableau(DragCards[1], TopOf(index)) && PileCounts[index] - 1 + k <= 20) {
            const bool home = SadDragOrigin == 2 && index == source;
            GardenDropOnColumn3(index);
            if (SadDragOrigin == 2 && !home) {
                ColumnStep[source] = SadFanStep(source);
                RedrawColumn3(source, 0);
            }
            Kit::PlaySound("WavCardUp");
            if (!home)
                ++MoveCounter;
        } else if (area == FoundationArea && k == 1 && SadFitsFoundation(DragCards[1], index)) {
            GardenDropOnFoundation3(index);
            Kit::PlaySound("WavCardUp");
            ++MoveCounter;
        } else {
            // A bouquet card flies back from afar; a run drops back onto its column.
            const bool bouquet = SadDragOrigin == 1;
            const bool flies = bouquet && Kit::FliesBack(Kit::TFlyBack::BeyondThirty, X, Y, SadReserveX, SadReserveY[source]);
            if (Kit::FarFromPress(X, Y) || flies)
                Kit::PlaySound("WavCancel");
            if (bouquet) {
                if (flies)
                    Kit::FlyCard(X - DragOffsetX, Y - DragOffsetY, SadReserveX, SadReserveY[source], DragCards[1], 1, 0);
                SadReserveCards[source] = DragCards[1];
                SadReserveValues[source] = DragValues[1];
                Kit::ClearHeld();
                SadRedrawReserve();
            } else {
                GardenReturnToColumn3(source);
            }
        }
        DragActive = 0;
        LastUpX = X;
        LastUpY = Y;
    }
    GardenEndTest3();
}

void SadDblClick()
{
    Kit::EndDragOnDoubleClick([] {
        if (SadDragOrigin == 1) {
            SadReserveCards[DragSourcePile] = DragCards[1];
            SadReserveValues[DragSourcePile] = DragValues[1];
            Kit::ClearHeld();
            SadRedrawReserve();
        } else {
            GardenReturnToColumn3(DragSourcePile);
        }
    });
    int index = 0;
    int pos = 0;
    int area = 0;
    SadHitTest(LastUpX, LastUpY, index, pos, area);
    bool moved = false;
    if (area == Bouquet) {
        const int r = index;
        moved = GardenDoubleClickMove3(SadReserveCards[r], SadReserveValues[r], 4, [r] {
            EmptyBouquetSlot(r);
            return QPoint(SadReserveX, SadReserveY[r]);
        });
    } else if (area == ColumnArea && PileCounts[index] >= 2 && pos == PileCounts[index] - 1) {
        const int c = index;
        moved = GardenDoubleClickMove3(PileCards[c][pos], PileValues[c][pos], 4, [c, pos] {
            GardenTakeColumnTop3(c, true);
            return GardenCardAt3(c, pos);
        });
    }
    if (!moved)
        GardenEndTest3();
}

} // namespace Group3
