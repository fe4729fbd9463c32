#pragma once
// Game group 4: Book, Pairs, Wish, Monte Carlo (two tables), Pyramid (three tables) and Diamond (two tables).
// What the main window calls: the new deal, the score, the engine steps of the action
// buttons and the table handlers of each game module (called only while the table is
// unlocked and the game is not over).
#include "platform/PictureControl.h"

#include <QString>

namespace Group4 {

// Starts a round of the current game (the player's round data unless Redeal, the table
// dealt and painted, the table locked until "To Begin").
void NewDeal4(bool Redeal);
// Fills the score window's board fields and NewTotalScore.
void GameResult4();
// The moves left into Count; True when the game cannot go on (Book: solved). Sets
// GameWon in Book, the Pyramid and the Diamond games.
bool CountMoves4(int& Count);
void DrawInfoPanel4();
// Book: the stock's top card turned onto the waste.
void DealFromKoloda4();
// Book: the waste's top card written into the turned-cards panel, the entry after it
// blanked; Redraw first paints the empty panel.
void BookCardListPanel(bool Redraw);
void RedrawStockWaste4();
// Book: the y of the waste's top card.
int WasteTopY4();

void PairsMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PairsMouseMove(platform::ShiftState Shift, int X, int Y);
void PairsMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PairsDblClick();
void WishMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void WishMouseMove(platform::ShiftState Shift, int X, int Y);
void WishMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void WishDblClick();
void MonteMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MonteMouseMove(platform::ShiftState Shift, int X, int Y);
void MonteMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MonteDblClick();
void PyramidMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PyramidMouseMove(platform::ShiftState Shift, int X, int Y);
void PyramidMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PyramidDblClick();
void DiamondMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DiamondMouseMove(platform::ShiftState Shift, int X, int Y);
void DiamondMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DiamondDblClick();
void BookMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void BookMouseMove(platform::ShiftState Shift, int X, int Y);
void BookMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void BookDblClick();

} // namespace Group4
