// Wish (408): Pairs' handlers on nine piles of four cards without a stock.
#include "games/group4/Qyv_19_Pairs.h"

namespace Group4 {

void WishMouseDown(platform::MouseButton, platform::ShiftState, int X, int Y) { PairsGameMouseDown(X, Y); }
void WishMouseMove(platform::ShiftState, int X, int Y) { PairsGameMouseMove(X, Y); }
void WishMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y) { PairsGameMouseUp(X, Y); }
void WishDblClick() {}

} // namespace Group4
