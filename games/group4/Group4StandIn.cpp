// Stand-in for game group 4 until its engine is built: a deal lays out an empty
// table whose "To menu" finishes the round; the table handlers do nothing.
#include "games/group4/Group4.h"

#include "foundation/EmptyTable.h"

namespace Group4 {

void NewDeal4(bool Redeal)
{
    GameState::DealEmptyTable(Redeal, false);
}

void GameResult4() {}

bool CountMoves4(int& Count)
{
    Count = 0;
    return false;
}

void DealFromKoloda4() {}

void BookCardListPanel(bool /*Redraw*/) {}

void RedrawStockWaste4() {}

int WasteTopY4()
{
    return 0;
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
void PyramidMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void PyramidMouseMove(platform::ShiftState, int, int) {}
void PyramidMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void PyramidDblClick() {}
void DiamondMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void DiamondMouseMove(platform::ShiftState, int, int) {}
void DiamondMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void DiamondDblClick() {}
void BookMouseDown(platform::MouseButton, platform::ShiftState, int, int) {}
void BookMouseMove(platform::ShiftState, int, int) {}
void BookMouseUp(platform::MouseButton, platform::ShiftState, int, int) {}
void BookDblClick() {}

} // namespace Group4
