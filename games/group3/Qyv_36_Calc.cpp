// Calculation: its places, its stepped foundations, the waste piles that close up as
// they grow, and its mouse handling on the play kit.
#include "games/group3/Qyv_36_Calc.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/GameState.h"
#include "games/kit/KitDrag.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

namespace {

constexpr int StockPile = 5;

int Next(int p)
{
    return std::clamp(PileCounts[p], 1, 49);
}

// The stock answers as pile 5, a waste pile as 1..4, a foundation with position 1.
Kit::TSpot StockTop()
{
    const int n = std::clamp(ExtraPileCount, 0, 52);
    return {StockPile, 0, AuxPile1X, AuxPile1Y - StackEdgeStepOneDeck3(n), n > 0 ? WasteCards[n] : cards::Empty,
            n > 0 ? WasteValues[n] : cards::EmptyValue};
}

Kit::TSpot WasteTop(int p)
{
    const int n = Next(p);
    return {p, 0, PosX[p], PosY[p] + PileFanStep[p] * std::max(0, n - 2), n >= 2 ? PileCards[p][n - 1] : cards::Empty,
            n >= 2 ? PileValues[p][n - 1] : cards::EmptyValue};
}

Kit::TSpot Foundation(int f)
{
    return {f, 1, FoundationPosX[f], FoundationPosY[f], cards::Empty, cards::EmptyValue};
}

bool IsWaste(const Kit::TSpot& s)
{
    return s.Pos == 0 && s.Pile >= 1 && s.Pile <= 4;
}

void Restep(int p)
{
    PileFanStep[p] = FanStep3(p);
    RedrawColumn3(p, 0);
}

bool StockAt(int X, int Y)
{
    int p = 0;
    return HitTestReserve3(X, Y, p) && ExtraPileCount > 0;
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.RecordPressPoint = false;
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        if (StockAt(X, Y)) {
            s = StockTop();
            return true;
        }
        int p = 0, pos = 0;
        if (!HitTestColumn3(X, Y, p, pos) || Next(p) < 2)
            return false;
        s = WasteTop(p);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        if (s.Pile == StockPile) {
            const int n = ExtraPileCount;
            Kit::HoldOneCard(WasteCards[n], WasteValues[n]);
            WasteCards[n] = cards::Empty;
            WasteValues[n] = cards::EmptyValue;
            ExtraPileCount = n - 1;
            RedrawReserve3(0);
            return;
        }
        const int n = Next(s.Pile) - 1;
        Kit::HoldOneCard(PileCards[s.Pile][n], PileValues[s.Pile][n]);
        PileCards[s.Pile][n] = cards::Empty;
        PileValues[s.Pile][n] = cards::EmptyValue;
        PileCounts[s.Pile] = n;
        RedrawColumn3(s.Pile, 0);
    };
    r.PutBack = [](const Kit::TSpot& s) {
        if (s.Pile == StockPile) {
            const int n = ExtraPileCount + 1;
            WasteCards[n] = TargetCard;
            WasteValues[n] = Byte(TargetValue);
            ExtraPileCount = n;
            RedrawReserve3(0);
            return;
        }
        const int n = Next(s.Pile);
        PileCards[s.Pile][n] = TargetCard;
        PileValues[s.Pile][n] = Byte(TargetValue);
        PileCounts[s.Pile] = n + 1;
        RedrawColumn3(s.Pile, 0);
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int f = 0, p = 0, pos = 0;
        if (HitTestFoundation3(X, Y, f)) {
            t = Foundation(f);
            return true;
        }
        if (!HitTestColumn3(X, Y, p, pos))
            return false;
        t = WasteTop(p);
        t.Y = PosY[p] + PileFanStep[p] * (Next(p) - 1);
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode&, Byte value) {
        if (t.Pos == 1)
            return CalcFits(t.Pile, FoundationValues[t.Pile][std::clamp(FoundationCounts[t.Pile] - 1, 1, 49)], value);
        return IsWaste(t) && Kit::PlaySource.Pile == StockPile;
    };
    r.Put = [](const Kit::TSpot& t) {
        if (t.Pos == 1) {
            const int n = std::clamp(FoundationCounts[t.Pile], 1, 13);
            FoundationCards[t.Pile][n] = TargetCard;
            FoundationValues[t.Pile][n] = Byte(TargetValue);
            FoundationCounts[t.Pile] = n + 1;
            RedrawFoundation3(t.Pile);
        } else {
            const int n = Next(t.Pile);
            PileCards[t.Pile][n] = TargetCard;
            PileValues[t.Pile][n] = Byte(TargetValue);
            PileCounts[t.Pile] = n + 1;
            Restep(t.Pile);
        }
        if (IsWaste(Kit::PlaySource) && !t.SamePlace(Kit::PlaySource))
            Restep(Kit::PlaySource.Pile);
    };
    r.Panel = [] { DrawInfoPanel3(); };
    r.Cancel = Kit::TCancelRule::Always;
    r.Hint = [](int X, int Y) {
        for (int f = 1; f <= 4; ++f)
            if (X >= FoundationPosX[f] && X <= FoundationPosX[f] + CardWidth && Y >= FoundationPosY[f]
                && Y <= FoundationPosY[f] + CardHeight)
                return CalcOrder(f);
        // The stock's band reaches over its highest edge (22 plain pixels).
        if (X >= AuxPile1X && X <= AuxPile1X + CardWidth && Y >= AuxPile1Y - 22 && Y <= AuxPile1Y + CardHeight)
            return QString::number(ExtraPileCount);
        return QString();
    };
    r.DoubleClick = false;
    r.End.Won = [] { return IsGameWon3(); };
    r.End.Stuck = NoMoveLeft3;
    return r;
}

} // namespace

bool CalcFits(int F, int Top, int Value)
{
    return F >= 1 && F <= 4 && Top >= 0 && Top < 12 && Value == (Top + F) % 13;
}

QString CalcOrder(int F)
{
    static const char* const orders[4] = {"A,2,3,4,5,6,7,8,9,10,J,Q,K", "2,4,6,8,10,Q,A,3,5,7,9,J,K",
                                          "3,6,9,Q,2,5,8,J,A,4,7,10,K", "4,8,Q,3,7,J,2,6,10,A,5,9,K"};
    return F >= 1 && F <= 4 ? QString::fromLatin1(orders[F - 1]) : QString();
}

const Kit::TPlayRules& CalcRules()
{
    static const Kit::TPlayRules r = MakeRules();
    return r;
}

void CalcMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayPress(CalcRules(), Button, X, Y);
}

void CalcMouseMove(platform::ShiftState, int X, int Y)
{
    Kit::PlayMove(CalcRules(), X, Y);
}

void CalcMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayRelease(CalcRules(), Button, X, Y);
}

} // namespace Group3
