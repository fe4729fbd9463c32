// Stand-ins for the group-5 game modules until each lands: their table handlers and
// action-button steps do nothing (NewDeal5 gives their codes an empty table with
// "To menu").
#include "games/group5/Group5.h"

namespace Group5 {

void DrawTabloY5(bool /*Redraw*/) {}

void UnclePelkKolodaMouseMove(platform::ShiftState /*Shift*/, int /*X*/, int /*Y*/) {}

void UnclePelkKolodaMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int /*X*/, int /*Y*/) {}

void UnclePelkMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void UnclePelkMouseMove(platform::ShiftState, int, int) {}
void UnclePelkMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void BAcesMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void BAcesMouseMove(platform::ShiftState, int, int) {}
void BAcesMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void BAcesDblClick() {}
void LucieMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void LucieMouseMove(platform::ShiftState, int, int) {}
void LucieMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void LucieDblClick() {}
void AlzhirMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void AlzhirMouseMove(platform::ShiftState, int, int) {}
void AlzhirMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void AlzhirDblClick() {}

} // namespace Group5
