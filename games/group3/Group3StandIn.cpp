// Stand-ins for the table handlers of the group-3 game modules not built yet: they do
// nothing (those games deal the empty table with "To menu").
#include "games/group3/Group3.h"

namespace Group3 {

void PGMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void PGMouseMove(platform::ShiftState, int, int) {}
void PGMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void DesireMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void DesireMouseMove(platform::ShiftState, int, int) {}
void DesireMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void DesireDblClick() {}
void TwentyMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void TwentyMouseMove(platform::ShiftState, int, int) {}
void TwentyMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void TwentyDblClick() {}
void CalcMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void CalcMouseMove(platform::ShiftState, int, int) {}
void CalcMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}

} // namespace Group3
