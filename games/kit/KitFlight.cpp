#include "games/kit/KitFlight.h"

#include "foundation/CardDrawing.h"
#include "foundation/GameState.h"
#include "foundation/Sprite.h"
#include "games/kit/KitTable.h"

namespace Kit {

void FlyCard(int x1, int y1, int x2, int y2, const TCardCode& card, int speedFactor, int count, int speedAdd)
{
    if (auto* t = TableImage())
        t->repaintNow();
    Sprite::SpriteFly(x1, y1, x2, y2, GameState::FlySpeed * speedFactor + speedAdd, card, count);
}

void ToggleSelectionFrame(int x, int y)
{
    if (auto* t = TableImage())
        CardDrawing::DrawCardOutline(x, y, 1, t);
}

} // namespace Kit
