// Desire: its places, its circular foundation rule, the reserve deal and its mouse
// handling on the play kit.
#include "games/group3/Qyv_34_Desire.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

namespace {

int Count(int c)
{
    return std::clamp(PileCounts[c], 0, 12);
}

// Columns answer with position 0, foundations with 1.
Kit::TSpot ColumnTop(int c)
{
    const int n = Count(c);
    return {c, 0, PosX[c], PosY[c] + 2 * std::max(0, n - 1), n > 0 ? PileCards[c][n] : cards::Empty,
            cards::EmptyValue};
}

Kit::TSpot Foundation(int f)
{
    return {f, 1, FoundationPosX[f], FoundationPosY[f], FoundationCards[f][1], cards::EmptyValue};
}

bool ReserveAt(int X, int Y, int& r)
{
    return HitTestReserve3(X, Y, r) && DesireReserveCounts[r] > 0 && HoldsCard3(DesireReserveCards[r][1]);
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.OwnPress = [](int X, int Y) {
        int res = 0;
        if (!ReserveAt(X, Y, res))
            return false;
        DesireDealReserve(res);
        return true;
    };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        int c = 0, pos = 0;
        if (!HitTestColumn3(X, Y, c, pos) || Count(c) == 0)
            return false;
        s = ColumnTop(c);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        const int n = Count(s.Pile);
        Kit::HoldOneCard(PileCards[s.Pile][n], cards::EmptyValue);
        PileCards[s.Pile][n] = cards::Empty;
        PileCounts[s.Pile] = n - 1;
        RedrawColumn3(s.Pile, 0);
    };
    r.PutBack = [](const Kit::TSpot& s) {
        const int n = Count(s.Pile) + 1;
        PileCards[s.Pile][n] = TargetCard;
        PileCounts[s.Pile] = n;
        RedrawColumn3(s.Pile, 0);
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int f = 0;
        if (!HitTestFoundation3(X, Y, f))
            return false;
        t = Foundation(f);
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte) {
        return t.Pos == 1 && DesireFits(card, FoundationCards[t.Pile][1]);
    };
    r.Put = [](const Kit::TSpot& t) {
        FoundationCards[t.Pile][1] = TargetCard;
        RedrawFoundation3(t.Pile);
    };
    r.CountMoves = false;
    r.HandOver = [](int X, int Y) {
        int res = 0;
        return ReserveAt(X, Y, res);
    };
    r.Foundations = [] {
        std::vector<Kit::TSpot> fs;
        for (int f = 1; f <= 8; ++f)
            fs.push_back(Foundation(f));
        return fs;
    };
    r.End.Won = [] { return IsGameWon3(); };
    r.End.Stuck = NoMoveLeft3;
    r.End.StuckOnlyWhen = [] { return DesireReservesEmpty(); };
    r.End.StopkaWhenDry = true;
    r.DryAfterAnyAction = true;
    return r;
}

} // namespace

bool DesireFits(const TCardCode& Card, const TCardCode& Top)
{
    const int card = RankIndex3(Card);
    const int top = RankIndex3(Top);
    return card >= 0 && top >= 0 && card == (top + 1) % 13;
}

void DesireDealReserve(int R)
{
    Kit::ClearSelection();
    for (int i = 1; i <= 8; ++i) {
        const int n = Count(i) + 1;
        const TCardCode card = DesireReserveCards[R][9 - i];
        PileCards[i][n] = card;
        PileCounts[i] = n;
        DesireReserveCards[R][9 - i] = cards::Empty;
        DesireReserveCounts[R] = std::max(0, DesireReserveCounts[R] - 1);
        RedrawReserve3(R);
        if (Settings::MoveMode != 0)
            Kit::FlyCard(DesireReserveX[R], DesireReserveY[R] - 16 + 2 * i, PosX[i], PosY[i] + 2 * (n - 1), card, 1, 0);
        RedrawColumn3(i, 0);
        Kit::PlaySound("WavCardUp", true);
    }
    if (auto* t = Kit::TableImage())
        t->update();
}

const Kit::TPlayRules& DesireRules()
{
    static const Kit::TPlayRules r = MakeRules();
    return r;
}

void DesireMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayPress(DesireRules(), Button, X, Y);
}

void DesireMouseMove(platform::ShiftState, int X, int Y)
{
    Kit::PlayMove(DesireRules(), X, Y);
}

void DesireMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayRelease(DesireRules(), Button, X, Y);
}

void DesireDblClick()
{
    Kit::PlayDoubleClick(DesireRules());
}

} // namespace Group3
