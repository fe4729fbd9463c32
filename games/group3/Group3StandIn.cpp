// Stand-ins for the table handlers of the group-3 game modules not built yet: they do
// nothing (those games deal the empty table with "To menu").
#include "games/group3/Group3.h"

namespace Group3 {

void SultanMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void SultanMouseMove(platform::ShiftState, int, int) {}
void SultanMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void SultanDblClick() {}
void PozMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void PozMouseMove(platform::ShiftState, int, int) {}
void PozMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void PozDblClick() {}
void CarpetMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void CarpetMouseMove(platform::ShiftState, int, int) {}
void CarpetMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void CarpetDblClick() {}
void SadMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void SadMouseMove(platform::ShiftState, int, int) {}
void SadMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void SadDblClick() {}
void MudMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void MudMouseMove(platform::ShiftState, int, int) {}
void MudMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void MudDblClick() {}

} // namespace Group3
