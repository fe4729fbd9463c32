// Stand-ins for the group-2 game modules not built yet: the menu deals only the Golf
// games, Fun Deuces and Napoleon Square, and the other table handlers and the Tulip
// redeal steps do nothing.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

namespace Group2 {

bool HasGameModule2(int game) { return IsGolf(game) || IsDeucesOrNap(game); }

void TulipCollectCards() {}

void TulipRedeal() {}

void TulipMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void TulipMouseMove(platform::ShiftState, int, int) {}
void TulipMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}

} // namespace Group2
