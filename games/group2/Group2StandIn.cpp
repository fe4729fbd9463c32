// Stand-ins for the group-2 game modules not built yet: the menu deals only the games
// whose module is built, and the other table handlers do nothing.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

namespace Group2 {

bool HasGameModule2(int game)
{
    return IsGolf(game)
        || IsTulipFamily(game);
}

void FunDeucesMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void FunDeucesMouseMove(platform::ShiftState, int, int) {}
void FunDeucesMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void FunDeucesDblClick() {}
void NapMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void NapMouseMove(platform::ShiftState, int, int) {}
void NapMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void NapDblClick() {}

} // namespace Group2
