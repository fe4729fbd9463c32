// Stand-ins for the group-5 game modules until each lands: their table handlers and
// action-button steps do nothing (NewDeal5 gives their codes an empty table with
// "To menu").
#include "games/group5/Group5.h"

namespace Group5 {

void DemonAutoFill() {}

void KleverRedeal() {}

void CrescentRotate(int /*Mode*/) {}

void CrescentMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void CrescentMouseMove(platform::ShiftState, int, int) {}
void CrescentMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void CrescentDblClick() {}
void DemonMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void DemonMouseMove(platform::ShiftState, int, int) {}
void DemonMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void DemonDblClick() {}
void KleverMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void KleverMouseMove(platform::ShiftState, int, int) {}
void KleverMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void KleverDblClick() {}
void MissMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void MissMouseMove(platform::ShiftState, int, int) {}
void MissMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void MissDblClick() {}

} // namespace Group5
