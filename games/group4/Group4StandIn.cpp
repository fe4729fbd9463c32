// Stand-in for the table handlers of the group-4 game modules that are not built yet:
// they do nothing, and the deal of their games lays the empty table with "To menu".
#include "games/group4/Qyv_Help2_4.h"

namespace Group4 {

bool ModuleReady4(int game)
{
    return IsPyramid(game) || game == Book;
}

void PairsMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void PairsMouseMove(platform::ShiftState, int, int) {}
void PairsMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void PairsDblClick() {}
void WishMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void WishMouseMove(platform::ShiftState, int, int) {}
void WishMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void WishDblClick() {}
void MonteMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void MonteMouseMove(platform::ShiftState, int, int) {}
void MonteMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void MonteDblClick() {}
void DiamondMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void DiamondMouseMove(platform::ShiftState, int, int) {}
void DiamondMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void DiamondDblClick() {}

} // namespace Group4
