// Napoleon Square: empty foundations that an Ace starts and that climb in suit to the
// King; piles of four build down in suit. A press on the empty stock gives the game up.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Square2.h"

namespace Group2 {

void NapMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y) { SquareMouseDown(Button, X, Y); }
void NapMouseMove(platform::ShiftState, int X, int Y) { SquareMouseMove(X, Y); }
void NapMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y) { SquareMouseUp(Button, X, Y); }
void NapDblClick() { SquareDblClick(); }

} // namespace Group2
