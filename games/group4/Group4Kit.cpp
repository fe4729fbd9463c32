#include "games/group4/Group4Kit.h"
#include "games/group4/Group4.h"

#include "foundation/Scaling.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include <cmath>

namespace Group4 {

using namespace GameState;

bool LiftOneCard4(int x, int y, const TCardCode& card, Byte value, int X, int Y,
                  const std::function<void()>& takeFromTable, int spriteG)
{
    if (!Kit::TakeUpDrag())
        return false;
    Kit::HoldOneCard(card, value);
    DragRun.G = spriteG;
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

void FlyOffTable4(int fromX, int fromY)
{
    const int y = static_cast<int>(std::nearbyint(Scaling::TableHeight / 2.0 - CardHeight / 2.0));
    Kit::FlyCard(fromX, fromY, Scaling::TableWidth + 1, y, TargetCard, 1, 0);
}

void RefreshTable4()
{
    if (auto* t = Kit::TableImage())
        t->update();
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

void EndWhenStuck4(bool stockLeft, const std::function<bool()>& won)
{
    if (GameOver)
        return;
    int count = 0;
    if (!CountMoves4(count))
        return;
    if (stockLeft)
        Kit::PlaySound("WavStopka");
    else
        EndGame4(won());
}

} // namespace Group4
