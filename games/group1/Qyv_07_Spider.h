#pragma once
// Spider (games 413, 414 and 421, one, two or four suits): the mouse side of the game.
// Runs of one suit falling by one move between piles, a click on the stock deals one
// card onto every pile, and a complete King-to-Ace suit leaves its pile by itself for
// the first empty foundation.
#include "platform/PictureControl.h"

namespace Group1 {

void SpiderMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SpiderMouseMove(platform::ShiftState Shift, int X, int Y);
void SpiderMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
// A double click does nothing in Spider.
void SpiderDblClick();

// Marks the run at the top of pile `Pile` as movable (face up, one suit, each card one
// lower than the one below it) and clears the marks of every card under it.
void SpiderMarkMovable(int Pile);
// Sends a complete King-to-Ace run of one suit on pile `Pile`, Ace first, to the first
// empty foundation, turning up the card that was under the King.
void SpiderCollectSuit(int Pile);
// SpiderCollectSuit for piles 1 to 10 in turn.
void SpiderCollectAll();

} // namespace Group1
