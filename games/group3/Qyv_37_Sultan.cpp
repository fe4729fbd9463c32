// Sultan: the module's places, its rules and its mouse handling on the play kit.
#include "games/group3/Qyv_37_Sultan.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

namespace Group3 {

using namespace GameState;

namespace {

// Pile numbers of the spots: reserves 1..6, the waste, grid rows from GridPile + 1.
constexpr int WastePile = 7;
constexpr int GridPile = 10;

bool DragMode()
{
    return Settings::MoveMode == 2;
}

Kit::TSpot Reserve(int d)
{
    return {d, 0, SultanReserveX[d], SultanReserveY[d], SultanReserveCards[d], SultanReserveValues[d]};
}

Kit::TSpot Grid(int r, int c)
{
    const int n = SultanNext[r][c];
    return {GridPile + r, c, GridX[r][c], GridY[r][c], SultanCards[r][c][n - 1], SultanValues[r][c][n - 1]};
}

bool OnStock(int X, int Y)
{
    return StockOrWasteAt3(X, Y) == 1;
}

// The turn and the turn-over cancel a selection, its mark included.
void DropSelection()
{
    if (SourceSelected)
        Kit::ToggleSelectionFrame(Kit::PlaySource.X, Kit::PlaySource.Y);
    SourceSelected = 0;
    DragSourcePile = 0;
    HitPile = 0;
    HitPos = 0;
}

bool StockPress(int X, int Y)
{
    if (!OnStock(X, Y) || (StockCount == 0 && PassCount >= 3))
        return false;
    DropSelection();
    return PlayStock3(3);
}

std::vector<Kit::TSpot> Foundations()
{
    std::vector<Kit::TSpot> out;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            if (!(r == 2 && c == 2))
                out.push_back(Grid(r, c));
    return out;
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.OwnPress = StockPress;
    r.OwnHand = [](int X, int Y) { return OnStock(X, Y) && (StockCount > 0 || PassCount < 3); };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        if (const auto waste = WasteSourceAt3(X, Y, WastePile, DragMode() ? WastePile : 0, s))
            return *waste;
        int pile = 0;
        if (!HitTestFoundation3(X, Y, pile) || !HoldsCard3(SultanReserveCards[pile]))
            return false;
        s = Reserve(pile);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            const TTaken3 t = TakeWasteTop3();
            Kit::HoldOneCard(t.Card, t.Value);
        } else {
            Kit::HoldOneCard(SultanReserveCards[s.Pile], SultanReserveValues[s.Pile]);
            SultanReserveCards[s.Pile] = cards::Empty;
            SultanReserveValues[s.Pile] = cards::EmptyValue;
            RedrawFoundation3(s.Pile);
        }
        RefreshTable3();
    };
    r.Put = [](const Kit::TSpot& t) {
        if (t.Pile > GridPile) {
            const int row = t.Pile - GridPile;
            const int n = SultanNext[row][t.Pos];
            SultanCards[row][t.Pos][n] = TargetCard;
            SultanValues[row][t.Pos][n] = Byte(TargetValue);
            SultanNext[row][t.Pos] = n + 1;
            RedrawColumn3(row, t.Pos);
        } else {
            SultanReserveCards[t.Pile] = TargetCard;
            SultanReserveValues[t.Pile] = Byte(TargetValue);
            RedrawFoundation3(t.Pile);
        }
        RefreshTable3();
    };
    r.PutBack = [put = r.Put](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            PutOnWaste3(TargetCard, Byte(TargetValue));
            RefreshTable3();
        } else {
            put(s);
        }
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int a = 0;
        int b = 0;
        if (HitTestColumn3(X, Y, a, b)) {
            t = Grid(a, b);
            return true;
        }
        if (!HitTestFoundation3(X, Y, a))
            return false;
        t = Reserve(a);
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte value) {
        if (t.Pile > GridPile)
            return SultanPlaceTakes3(card, value, t.Pile - GridPile, t.Pos);
        // A reserve card changes reserve only by a drag.
        return !HoldsCard3(SultanReserveCards[t.Pile]) && (Kit::PlaySource.Pile == WastePile || DragMode());
    };
    r.Complete = [](const Kit::TSpot& t) { return t.Pile > GridPile && SultanNext[t.Pile - GridPile][t.Pos] == 14; };
    r.SilentHomeDrop = true;
    r.Panel = [] { DrawInfoPanel3(); };
    r.Hint = [](int X, int Y) {
        const bool over = X >= AuxPile2X && X <= AuxPile2X + CardWidth && Y >= AuxPile2Y - 22 && Y <= AuxPile2Y + CardHeight;
        return over ? QString::number(StockCount) : QString();
    };
    r.Foundations = Foundations;
    r.Search = Kit::TFoundationSearch::Last;
    r.DoubleClickEndTest = true;
    r.End = EndTest3();
    return r;
}

} // namespace

GROUP3_KIT_MODULE(Sultan)

void SultanDblClick()
{
    Kit::PlayDoubleClick(SultanRules());
}

} // namespace Group3
