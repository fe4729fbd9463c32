// Fun Deuces: the deuces start the foundations, which climb in suit to the King and end
// with the Ace; piles build down in suit, the King on the Ace. The stock's last card
// offers the give-up on the second action button.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Square2.h"

namespace Group2 {

void FunDeucesMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    SquareMouseDown(Button, X, Y);
}
void FunDeucesMouseMove(platform::ShiftState, int X, int Y) { SquareMouseMove(X, Y); }
void FunDeucesMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    SquareMouseUp(Button, X, Y);
}
void FunDeucesDblClick() { SquareDblClick(); }

} // namespace Group2
