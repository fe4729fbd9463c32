#pragma once
// Free Cell (game 430): the mouse side of the game. In the click modes a first press
// selects a pile's top card or a free cell's card and a second press names the target;
// a run moves between piles through the free places. In drag mode single cards are
// dragged. After every action the cards that may safely go up go to the foundations.
#include "platform/PictureControl.h"

namespace Group1 {

void FreeCellMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FreeCellMouseMove(platform::ShiftState Shift, int X, int Y);
void FreeCellMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FreeCellDblClick();

// Sends to the foundations every card whose value is at most one above the lowest
// foundation, visiting the free cells and then the piles' top cards in a cycle until a
// whole round moves nothing. Does nothing while a drag is active.
void FreeCellAutoPlay();

// Whether a run from the top of pile From can move onto pile To with the free places
// there are (k free places carry a run of k + 1 cards); Start is the slot of the run's
// lowest card, 0 when the answer is false.
bool FreeCellRunStart(int From, int To, int& Start);

} // namespace Group1
