#pragma once
// Game group 2: Golf (five tables), Tulip, Blue Tulip, Paganini, Fun Deuces and Napoleon Square.
// What the main window calls: the new deal, the score, the info panel, the engine steps
// of the action buttons and the table handlers of each game module (called only while the
// table is unlocked and the game is not over).
#include "platform/PictureControl.h"

#include <QString>

namespace Group2 {

// The round of the current game as the menu starts it: a game whose module is built is
// dealt (DealRound2); any other gets the empty table that "To menu" finishes.
void NewDeal2(bool Redeal);
// True for a group-2 game (every one has its module).
bool HasGameModule2(int game);
void GameResult2();
void DrawInfoPanel2();
void TulipCollectCards();
void TulipRedeal();

void Golf01MouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf01MouseMove(platform::ShiftState Shift, int X, int Y);
void Golf01MouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf02MouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf02MouseMove(platform::ShiftState Shift, int X, int Y);
void Golf02MouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf03MouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf03MouseMove(platform::ShiftState Shift, int X, int Y);
void Golf03MouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf04MouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf04MouseMove(platform::ShiftState Shift, int X, int Y);
void Golf04MouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf05MouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void Golf05MouseMove(platform::ShiftState Shift, int X, int Y);
void Golf05MouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void TulipMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void TulipMouseMove(platform::ShiftState Shift, int X, int Y);
void TulipMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FunDeucesMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FunDeucesMouseMove(platform::ShiftState Shift, int X, int Y);
void FunDeucesMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FunDeucesDblClick();
void NapMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void NapMouseMove(platform::ShiftState Shift, int X, int Y);
void NapMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void NapDblClick();

} // namespace Group2
