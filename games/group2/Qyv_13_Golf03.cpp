// Golf - Rug: a press does nothing, the pointer shows what a click would do, and the
// release plays.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Golf2.h"

namespace Group2 {

void Golf03MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf03MouseMove(platform::ShiftState, int X, int Y) { GolfMouseMove(X, Y); }
void Golf03MouseUp(platform::MouseButton, platform::ShiftState, int X, int Y) { GolfMouseUp(X, Y); }

} // namespace Group2
