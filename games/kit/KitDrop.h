#pragma once
// The play kit's drop rules: where a dragged card lands, when a refused card flies back
// and when its return sounds, and which foundation a card is sent to.
//
// How a module uses it:
//   press:   nothing.
//   move:    a game that finds targets by the sprite's corner tests
//            Kit::PlaceByCorner(X, Y, corners) for the drag cursor too.
//   release: t = target under (X, Y), or Kit::PlaceByCorner(X, Y, corners);
//            legal: put the card there; else
//              if (Kit::CancelSounds(Kit::TCancelRule::FromPress, X, Y, homeX, homeY))
//                  Kit::PlaySound("WavCancel");
//              Kit::FlyBackIfFar(Kit::TFlyBack::FromTwenty, X, Y, homeX, homeY, TargetCard);
//              put the card back and repaint its place.
//   double:  f = Kit::FittingFoundation(Kit::TFoundationSearch::First, count, takes).
#include "foundation/CardCode.h"

#include <QPoint>
#include <functional>
#include <span>

namespace Kit {

// When a refused card flies back from the sprite's corner (X - DragOffsetX,
// Y - DragOffsetY) to its place:
enum class TFlyBack {
    FromTwenty,   // at least Scaled(20) away (the common rule)
    BeyondThirty, // more than Scaled(30) away (Fig., Flower garden, 8 Sages)
    Never,        // redrawn in place (Picture Gallery)
    BeyondTwenty  // more than Scaled(20) away (Wish, Monte Carlo)
};

// When a refused card's return sounds "WavCancel":
enum class TCancelRule {
    FromPress, // the release more than Scaled(30) from the press point (PressX, PressY)
    FromPlace, // the sprite's corner more than Scaled(30) from the card's place
    Always     // every refused drop (Calculation, Picture Gallery)
};

// The dragged card's top-left corner for a pointer at (X, Y).
QPoint SpriteCorner(int X, int Y);

// Whether a card released with the pointer at (X, Y) flies back to (homeX, homeY).
bool FliesBack(TFlyBack rule, int X, int Y, int homeX, int homeY);
// Whether its return sounds "WavCancel".
bool CancelSounds(TCancelRule rule, int X, int Y, int homeX, int homeY);
// Flies `card` (count 0, as groups 2 and 3 fly) from the sprite's corner to (homeX,
// homeY) when `rule` says so; true when it flew.
bool FlyBackIfFar(TFlyBack rule, int X, int Y, int homeX, int homeY, const TCardCode& card);
// The same with the distance measured from `from` and the flight ending at `home`.
bool FlyBackIfFar(TFlyBack rule, int X, int Y, QPoint from, QPoint home, const TCardCode& card);

// The place whose top-left corner lies within Scaled(30) of the sprite's corner (the
// last of `corners` that does, 1-based), or 0.
int PlaceByCorner(int X, int Y, std::span<const QPoint> corners);

// The first or the last foundation (Sultan) of 1..count that takes the card.
enum class TFoundationSearch { First, Last };
int FittingFoundation(TFoundationSearch search, int count, const std::function<bool(int f)>& takes);

} // namespace Kit
