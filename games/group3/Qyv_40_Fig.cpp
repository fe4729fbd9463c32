// Fig.: the module's places, its move rule and its mouse handling on the play kit.
#include "games/group3/Qyv_40_Fig.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

constexpr int Piles = 15;

int Count(int p)
{
    return std::clamp(PileCounts[p], 0, 4);
}

void Repaint(int p)
{
    RedrawColumn3(p, 0);
    if (auto* t = Kit::TableImage())
        t->update();
}

Kit::TSpot Top(int p)
{
    const int n = Count(p);
    return {p, 0, FigPileX(p), FigTopY(p), n > 0 ? PileCards[p][n] : cards::Empty,
            n > 0 ? PileValues[p][n] : cards::EmptyValue};
}

bool InsidePiles(int X, int Y)
{
    return X >= PosX[1] - Scaled(30) && X <= PosX[8] + CardWidth && Y >= PosY[1] - Scaled(30)
           && Y <= PosY[15] + CardHeight + 3 * Scaled(30);
}

bool Stuck()
{
    int moves = 0;
    return CountMoves3(moves);
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.TimeEveryButton = true;
    r.RecordPressPoint = false;
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        const int p = FigHitTest(X, Y);
        if (p == 0 || Count(p) == 0)
            return false;
        s = Top(p);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        const int n = Count(s.Pile);
        Kit::HoldOneCard(PileCards[s.Pile][n], PileValues[s.Pile][n]);
        PileCards[s.Pile][n] = cards::Empty;
        PileValues[s.Pile][n] = cards::EmptyValue;
        PileCounts[s.Pile] = n - 1;
        Repaint(s.Pile);
    };
    r.Put = [](const Kit::TSpot& t) {
        const int n = Count(t.Pile) + 1;
        PileCards[t.Pile][n] = TargetCard;
        PileValues[t.Pile][n] = Byte(TargetValue);
        PileCounts[t.Pile] = n;
        Repaint(t.Pile);
    };
    r.PutBack = r.Put;
    // A click names a pile by its top card; the card lands one step below it.
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        const int p = FigHitTest(X, Y);
        if (p == 0)
            return false;
        t = Top(p);
        if (Count(p) > 0)
            t.Y += Scaled(30);
        return true;
    };
    r.TargetsByCorner = true;
    r.Places = [] {
        std::vector<Kit::TSpot> places;
        for (int p = 1; p <= Piles; ++p)
            places.push_back(Top(p));
        return places;
    };
    r.DropArea = InsidePiles;
    r.DragCursorAtPointer = true;
    r.Takes = [](const Kit::TSpot& t, const TCardCode&, Byte value) { return FigTakes(t.Pile, value); };
    r.SilentHomeDrop = true;
    r.Panel = [] { DrawInfoPanel3(); };
    r.Cancel = Kit::TCancelRule::FromPlace;
    r.FlyBack = Kit::TFlyBack::BeyondThirty;
    // A refused card is measured against the pile's top as it is without the card.
    r.ReturnFrom = [](const Kit::TSpot& s) { return QPoint(FigPileX(s.Pile), FigTopY(s.Pile)); };
    r.HintOff = false;
    r.DoubleClick = false;
    r.End.Won = [] { return IsGameWon3(); };
    r.End.Stuck = Stuck;
    r.End.Caption = &Texts::TxtToMenu;
    r.End.Panel = [] { DrawInfoPanel3(); };
    r.End.WonPanel = Kit::TPanelOrder::AfterScore;
    r.End.LostPanel = Kit::TPanelOrder::BeforeScore;
    Kit::TEndTest release = r.End;
    release.WonPanel = Kit::TPanelOrder::BeforeScore;
    r.EndOnRelease = release;
    return r;
}

} // namespace

int FigPileX(int Pile)
{
    return PosX[Pile];
}

int FigTopY(int Pile)
{
    return PosY[Pile] + Scaled(30) * std::max(0, Count(Pile) - 1);
}

int FigHitTest(int X, int Y)
{
    int found = 0;
    for (int i = 1; i <= Piles; ++i)
        if (X >= FigPileX(i) && X <= FigPileX(i) + CardWidth && Y >= FigTopY(i) && Y <= FigTopY(i) + CardHeight)
            found = i;
    return found;
}

bool FigTakes(int T, int Value)
{
    const int n = Count(T);
    return n == 0 || (n <= 3 && PileValues[T][n] == Value);
}

const Kit::TPlayRules& FigRules()
{
    static const Kit::TPlayRules r = MakeRules();
    return r;
}

void FigMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayPress(FigRules(), Button, X, Y);
}

void FigMouseMove(platform::ShiftState, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    Kit::PlayMove(FigRules(), X, Y);
}

void FigMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    UndoFlag = 0;
    Kit::PlayRelease(FigRules(), Button, X, Y);
}

void FigDblClick()
{
    Kit::PlayDoubleClick(FigRules());
}

} // namespace Group3
