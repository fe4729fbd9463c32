#pragma once
// The mouse side of Scorpion-Solo (403) and Scorpion-Duo (433): every card is on the
// piles, a face-up card moves with whatever lies above it onto a card of its suit one
// higher (a King onto an empty pile); nothing goes to a foundation by hand.
#include "platform/PictureControl.h"

namespace Group1 {

void ScorpionMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void ScorpionMouseMove(platform::ShiftState Shift, int X, int Y);
void ScorpionMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
// The table calls it for both games; a double click changes nothing here.
void ScorpionDblClick();

} // namespace Group1
