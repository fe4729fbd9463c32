// Carpet: the module's places, its rules and its mouse handling on the play kit.
#include "games/group3/Qyv_39_Carpet.h"

#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitTable.h"

namespace Group3 {

using namespace GameState;

namespace {

// Pile numbers of the spots: carpet columns 1..5, the waste, foundations from
// FoundationPile + 1.
constexpr int WastePile = 7;
constexpr int FoundationPile = 10;

// Only a double click completes a foundation with "WavStopka".
bool DoubleClicking = false;

Kit::TSpot Place(int i, int j)
{
    return {i, j, GridX[i][j], GridY[i][j], PileCards[i][j], PileValues[i][j]};
}

Kit::TSpot Foundation(int f)
{
    const int n = FoundationCounts[f];
    return {FoundationPile + f, 0, FoundationPosX[f], FoundationPosY[f], FoundationCards[f][n - 1], FoundationValues[f][n - 1]};
}

bool StockPress(int X, int Y)
{
    if (StockOrWasteAt3(X, Y) != 1 || StockCount == 0)
        return false;
    // A selected waste card goes with the turn (the repaint takes its mark); a carpet
    // card stays selected.
    if (SourceSelected && Kit::PlaySource.Pile == WastePile) {
        SourceSelected = 0;
        DragSourcePile = 0;
        HitPile = 0;
        HitPos = 0;
    }
    return PlayStock3(1);
}

std::vector<Kit::TSpot> DoubleClickTargets()
{
    std::vector<Kit::TSpot> out;
    for (int f = 1; f <= 4; ++f)
        out.push_back(Foundation(f));
    // The waste falls back to the last empty place, column by column.
    if (StockOrWasteAt3(LastUpX, LastUpY) == 2) {
        Kit::TSpot last;
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 4; ++j)
                if (!HoldsCard3(PileCards[i][j]))
                    last = Place(i, j);
        if (last.Pile != 0)
            out.push_back(last);
    }
    return out;
}

void LayOnPlace(const Kit::TSpot& t)
{
    PileCards[t.Pile][t.Pos] = TargetCard;
    PileValues[t.Pile][t.Pos] = Byte(TargetValue);
    RedrawColumn3(t.Pile, t.Pos);
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.OwnPress = StockPress;
    r.OwnHand = [](int X, int Y) { return StockOrWasteAt3(X, Y) == 1 && StockCount > 0; };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        if (const auto waste = WasteSourceAt3(X, Y, WastePile, Settings::MoveMode == 2 ? WastePile : 0, s))
            return *waste;
        int i = 0;
        int j = 0;
        if (!HitTestColumn3(X, Y, i, j) || !HoldsCard3(PileCards[i][j]))
            return false;
        s = Place(i, j);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            const TTaken3 t = TakeWasteTop3();
            Kit::HoldOneCard(t.Card, t.Value);
        } else {
            Kit::HoldOneCard(PileCards[s.Pile][s.Pos], PileValues[s.Pile][s.Pos]);
            PileCards[s.Pile][s.Pos] = cards::Empty;
            PileValues[s.Pile][s.Pos] = cards::EmptyValue;
            RedrawColumn3(s.Pile, s.Pos);
        }
        RefreshTable3();
    };
    r.Put = [](const Kit::TSpot& t) {
        if (t.Pile > FoundationPile) {
            const int f = t.Pile - FoundationPile;
            FoundationCards[f][FoundationCounts[f]] = TargetCard;
            FoundationValues[f][FoundationCounts[f]] = Byte(TargetValue);
            ++FoundationCounts[f];
            RedrawFoundation3(f);
        } else {
            LayOnPlace(t);
            // Back on its own place: no move, but the panel is drawn all the same.
            if (t.SamePlace(Kit::PlaySource))
                DrawInfoPanel3();
        }
        RefreshTable3();
    };
    r.PutBack = [](const Kit::TSpot& s) {
        if (s.Pile == WastePile) {
            PutOnWaste3(TargetCard, Byte(TargetValue));
            RefreshTable3();
        } else {
            LayOnPlace(s);
            RefreshTable3();
        }
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int i = 0;
        int j = 0;
        if (HitTestColumn3(X, Y, i, j)) {
            t = Place(i, j);
            return true;
        }
        if (!HitTestFoundation3(X, Y, i))
            return false;
        t = Foundation(i);
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte value) {
        if (t.Pile > FoundationPile)
            return CarpetFoundationTakes3(card, value, t.Pile - FoundationPile);
        return !HoldsCard3(PileCards[t.Pile][t.Pos]);
    };
    r.Complete = [](const Kit::TSpot& t) {
        return DoubleClicking && t.Pile > FoundationPile && FoundationCounts[t.Pile - FoundationPile] == 14;
    };
    r.SilentHomeDrop = true;
    r.Panel = [] { DrawInfoPanel3(); };
    r.Hint = [](int X, int Y) {
        switch (StockOrWasteAt3(X, Y)) {
        case 1: return QString::number(StockCount);
        case 2: return QString::number(WasteCount - 1);
        default: return QString();
        }
    };
    r.Foundations = DoubleClickTargets;
    r.DoubleClickEndTest = true;
    r.End = EndTest3();
    return r;
}

} // namespace

GROUP3_KIT_MODULE(Carpet)

void CarpetDblClick()
{
    struct Flag {
        Flag() { DoubleClicking = true; }
        ~Flag() { DoubleClicking = false; }
    } during;
    Kit::PlayDoubleClick(CarpetRules());
}

} // namespace Group3
