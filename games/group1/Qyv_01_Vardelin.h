#pragma once
// The mouse side of Vardelin-Solo (431) and Vardelin-Duo (71): the stock turned one
// card at a time in three passes, runs of alternating colours moved between piles,
// single cards to the foundations. The main window calls these only while the table
// is unlocked and the game is not over.
#include "platform/PictureControl.h"

namespace Group1 {

void VardelinMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void VardelinMouseMove(platform::ShiftState Shift, int X, int Y);
void VardelinMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
// Works on LastUpX, LastUpY: the window delivers press, release, double click, press,
// release, so this runs between the first release and the second press.
void VardelinDblClick();

} // namespace Group1
