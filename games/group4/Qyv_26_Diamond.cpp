// Diamond Infinity (438) and Open Diamond (439): the Pyramid-Infinity handlers over the
// diamond of rows of 4, 5, 6, 7, 6, 5 and 4 cards. The cover relation is the pyramid's,
// so a card at the end of rows 4 to 6, covered from one side only, is freed as soon as
// its one cover leaves; the game is won once the top row is cleared.
#include "games/group4/Qyv_23_Pyramid.h"

namespace Group4 {

using GameState::CurrentGameId;

void DiamondMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    GridMouseDown(GridGameOf(CurrentGameId), X, Y);
}

void DiamondMouseMove(platform::ShiftState, int X, int Y) { GridMouseMove(GridGameOf(CurrentGameId), X, Y); }

void DiamondMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    GridMouseUp(GridGameOf(CurrentGameId), X, Y);
}

void DiamondDblClick() {}

} // namespace Group4
