#include "games/kit/KitDrop.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "games/kit/KitFlight.h"

namespace Kit {

using namespace GameState;
using Scaling::Scaled;

QPoint SpriteCorner(int X, int Y)
{
    return {X - DragOffsetX, Y - DragOffsetY};
}

bool FliesBack(TFlyBack rule, int X, int Y, int homeX, int homeY)
{
    const QPoint c = SpriteCorner(X, Y);
    const double d = Celebration::Distance(c.x(), c.y(), homeX, homeY);
    switch (rule) {
    case TFlyBack::FromTwenty:
        return d >= Scaled(20);
    case TFlyBack::BeyondThirty:
        return d > Scaled(30);
    case TFlyBack::Never:
        break;
    case TFlyBack::BeyondTwenty:
        return d > Scaled(20);
    }
    return false;
}

bool CancelSounds(TCancelRule rule, int X, int Y, int homeX, int homeY)
{
    switch (rule) {
    case TCancelRule::FromPress:
        return Celebration::Distance(X, Y, PressX, PressY) > Scaled(30);
    case TCancelRule::FromPlace: {
        const QPoint c = SpriteCorner(X, Y);
        return Celebration::Distance(c.x(), c.y(), homeX, homeY) > Scaled(30);
    }
    case TCancelRule::Always:
        break;
    }
    return true;
}

bool FlyBackIfFar(TFlyBack rule, int X, int Y, int homeX, int homeY, const TCardCode& card)
{
    return FlyBackIfFar(rule, X, Y, QPoint(homeX, homeY), QPoint(homeX, homeY), card);
}

bool FlyBackIfFar(TFlyBack rule, int X, int Y, QPoint from, QPoint home, const TCardCode& card)
{
    if (!FliesBack(rule, X, Y, from.x(), from.y()))
        return false;
    const QPoint c = SpriteCorner(X, Y);
    FlyCard(c.x(), c.y(), home.x(), home.y(), card, 1, 0);
    return true;
}

int PlaceByCorner(int X, int Y, std::span<const QPoint> corners)
{
    const QPoint c = SpriteCorner(X, Y);
    int found = 0;
    for (std::size_t i = 0; i < corners.size(); ++i)
        if (Celebration::Distance(c.x(), c.y(), corners[i].x(), corners[i].y()) <= Scaled(30))
            found = static_cast<int>(i) + 1;
    return found;
}

int FittingFoundation(TFoundationSearch search, int count, const std::function<bool(int f)>& takes)
{
    int found = 0;
    for (int f = 1; f <= count; ++f) {
        if (!takes(f))
            continue;
        found = f;
        if (search == TFoundationSearch::First)
            break;
    }
    return found;
}

} // namespace Kit
