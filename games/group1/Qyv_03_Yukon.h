#pragma once
// The mouse side of Yukon-Solo (404) and Yukon-Duo (432): every card is on the piles, a
// face-up card moves with whatever lies above it, single cards go to the foundations by
// drag or double click. No stock, no waste, no click selection, no undo.
#include "platform/PictureControl.h"

namespace Group1 {

void YukonMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void YukonMouseMove(platform::ShiftState Shift, int X, int Y);
void YukonMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void YukonDblClick();

// Shared with Scorpion, whose press and pile cursor are Yukon's.
// A left press on a face-up pile card lifts it with every card above it, in any order.
void LiftFaceUpRun(platform::MouseButton Button, int X, int Y, bool RecordPressPoint);
// The table cursor while nothing is dragged: the hand on a face-up pile card.
void FaceUpCardCursor(int X, int Y);
// DrawInfoPanel1, then the end of the game when CountMoves1 finds it over.
void EndTestAfterMove();

} // namespace Group1
