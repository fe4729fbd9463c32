#pragma once
// The play kit's flights and the click modes' selection mark.
//
// How a module uses it:
//   press (click modes): Kit::ToggleSelectionFrame(x, y) marks the selected card; the
//            same call again (a second press on it, or before the move) takes it off.
//            A move in mode 1: Kit::FlyCard(from, to, card, 1, 0) after the source is
//            repainted, then the target repainted.
//   release: a card that goes back from afar: Kit::FlyCard(sprite corner, home, card,
//            1, 0) (KitDrop.h says when).
//   double:  the card to its foundation: Kit::FlyCard(...) in move modes 1 and 2.
#include "foundation/CardCode.h"

namespace Kit {

// The table image refreshed on screen, then `card` (or, for "--", DragRun) flown from
// (x1, y1) to (x2, y2) at speed FlySpeed x speedFactor + speedAdd. `count` is the
// flight's card count as the sprite takes it: group 1 flies 1, groups 2 and 3 fly 0.
void FlyCard(int x1, int y1, int x2, int y2, const TCardCode& card, int speedFactor = 1, int count = 1,
             int speedAdd = 0);

// Draws (or, drawn again, removes) the inverting selection frame of a card at (x, y).
void ToggleSelectionFrame(int x, int y);

} // namespace Kit
