// Stand-in for game group 2 until its engine is built: a deal lays out an empty
// table whose "To menu" finishes the round; the table handlers do nothing.
#include "games/group2/Group2.h"

#include "foundation/EmptyTable.h"

namespace Group2 {

void NewDeal2(bool Redeal)
{
    GameState::DealEmptyTable(Redeal, true);
}

void GameResult2() {}

void DrawInfoPanel2() {}

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
