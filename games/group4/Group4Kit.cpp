#include "games/group4/Group4Kit.h"

#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

namespace Group4 {

using namespace GameState;

bool LiftOneCard4(int x, int y, const TCardCode& card, Byte value, int X, int Y,
                  const std::function<void()>& takeFromTable)
{
    if (!Kit::TakeUpDrag())
        return false;
    Kit::HoldOneCard(card, value);
    DragRun.G = 3;
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, true, takeFromTable);
    return true;
}

int DropPlace4(int X, int Y, std::span<const QPoint> corners)
{
    return Kit::PlaceByCorner(X, Y, corners);
}

void FlyBack4(int X, int Y, int homeX, int homeY, Kit::TFlyBack rule)
{
    Kit::PlaySound("WavCancel");
    Kit::FlyBackIfFar(rule, X, Y, homeX, homeY, TargetCard);
}

void SelectCard4(int x, int y)
{
    Kit::PlaySound("WavDown");
    Kit::ToggleSelectionFrame(x, y);
}

void DeselectCard4(int x, int y)
{
    Kit::PlaySound("WavCancel");
    Kit::ToggleSelectionFrame(x, y);
}

void AddDiscard4()
{
    if (ExtraPileCount < 1 || ExtraPileCount > 52)
        return;
    DiscardCards[ExtraPileCount] = TargetCard;
    DiscardValues[ExtraPileCount] = static_cast<Byte>(TargetValue);
    ++ExtraPileCount;
}

void FlyToDiscard4(int fromX, int fromY)
{
    Kit::FlyCard(fromX, fromY, DiscardX, DiscardY, TargetCard, 1, 0);
}

void ClearDrag4()
{
    Kit::ClearHeld();
    DragSourcePile = 0;
    DragSourceSlot = 0;
    DragActive = 0;
}

void EndGame4(bool won)
{
    Kit::TEndGame how;
    how.Caption = &Texts::TxtToMenu;
    Kit::EndGame(won, how);
}

} // namespace Group4
