#include "games/group5/Qyv_Help2_5_Play.h"

#include "games/group5/Qyv_Help2_5.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

namespace Group5 {

using namespace GameState;

bool OnCard5(int X, int Y, int left, int top)
{
    return X >= left && X <= left + CardWidth && Y >= top && Y <= top + CardHeight;
}

TCard5 TakePileTop5(int p)
{
    const int top = TopSlot5(p);
    if (top == 0)
        return {};
    TCard5 c{PileCards[p][top], PileValues[p][top]};
    PileCards[p][top] = cards::Empty;
    PileValues[p][top] = cards::EmptyValue;
    --PileCounts[p];
    return c;
}

void LayOnPile5(int p, const TCard5& c)
{
    if (PileCounts[p] < 1 || PileCounts[p] > 104)
        return;
    PileCards[p][PileCounts[p]] = c.code;
    PileValues[p][PileCounts[p]] = c.value;
    ++PileCounts[p];
}

bool LayOnFoundation5(int f, const TCard5& c)
{
    if (FoundationCounts[f] < 1 || FoundationCounts[f] > 49)
        return false;
    FoundationCards[f][FoundationCounts[f]] = c.code;
    FoundationValues[f][FoundationCounts[f]] = c.value;
    ++FoundationCounts[f];
    RedrawFoundation5(f);
    return FoundationCounts[f] == 14;
}

TCard5 PileTop5(int p)
{
    const int top = TopSlot5(p);
    return top == 0 ? TCard5{} : TCard5{PileCards[p][top], PileValues[p][top]};
}

TCard5 HeldCard5() { return {TargetCard, static_cast<Byte>(TargetValue)}; }

void LiftPileTop5(int p, int x, int y, int X, int Y)
{
    if (TopSlot5(p) == 0 || !Kit::TakeUpDrag())
        return;
    const TCard5 c = PileTop5(p);
    DragSourcePile = p;
    Kit::HoldOneCard(c.code, c.value);
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, true, [p] {
        TakePileTop5(p);
        RedrawColumn5(p, 0);
    });
}

void PutHeldBack5(int p)
{
    LayOnPile5(p, HeldCard5());
    RedrawColumn5(p, 0);
}

TClickSelect ClickSelect5(int hit, int x, int y)
{
    if (SelectedPile == 0 && TopSlot5(hit) != 0) {
        Kit::PlaySound("WavDown");
        Kit::ToggleSelectionFrame(x, y);
        SelectedPile = DragSourcePile = HitPile = hit;
        HitPos = 0;
        return TClickSelect::Selected;
    }
    if (SelectedPile != 0 && SelectedPile == hit) {
        Kit::PlaySound("WavCancel");
        Kit::ToggleSelectionFrame(x, y);
        ClearSelection5();
        return TClickSelect::Deselected;
    }
    return TClickSelect::Other;
}

void ClearSelection5()
{
    SelectedPile = 0;
    DragSourcePile = 0;
    HitPile = 0;
    HitPos = 0;
}

Kit::TEnd EndTest5(Kit::TPanelOrder wonPanel, Kit::TPanelOrder lostPanel)
{
    Kit::TEndTest t;
    t.Won = [] { return IsGameWon5(); };
    t.Stuck = [] {
        int count = 0;
        return CountMoves5(count);
    };
    t.Caption = &Texts::TxtToMenu;
    t.Panel = [] { DrawInfoPanel5(); };
    t.WonPanel = wonPanel;
    t.LostPanel = lostPanel;
    return Kit::RunEndTest(t, true);
}

} // namespace Group5
