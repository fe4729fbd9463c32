// Stand-ins for the group-2 game modules until they are built: no game of the group is
// dealt by the menu yet, and the table handlers and the Tulip redeal steps do nothing.
#include "games/group2/Group2.h"

namespace Group2 {

bool HasGameModule2(int) { return false; }

void TulipCollectCards() {}

void TulipRedeal() {}

void Golf01MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf01MouseMove(platform::ShiftState, int, int) {}
void Golf01MouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf02MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf02MouseMove(platform::ShiftState, int, int) {}
void Golf02MouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf03MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf03MouseMove(platform::ShiftState, int, int) {}
void Golf03MouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf04MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf04MouseMove(platform::ShiftState, int, int) {}
void Golf04MouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf05MouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void Golf05MouseMove(platform::ShiftState, int, int) {}
void Golf05MouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void TulipMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void TulipMouseMove(platform::ShiftState, int, int) {}
void TulipMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void FunDeucesMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void FunDeucesMouseMove(platform::ShiftState, int, int) {}
void FunDeucesMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void FunDeucesDblClick() {}
void NapMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void NapMouseMove(platform::ShiftState, int, int) {}
void NapMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void NapDblClick() {}

} // namespace Group2
