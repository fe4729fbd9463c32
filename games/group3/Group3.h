#pragma once
// Game group 3: Picture Gallery, Desire, Twenty, Calculation, Sultan, Backbone, Carpet, Fig., Flower garden and 8 Sages.
// What the main window calls: the new deal, the score, the engine steps of the action
// buttons and the table handlers of each game module (called only while the table is
// unlocked and the game is not over).
#include "platform/PictureControl.h"

#include <QString>

namespace Group3 {

// Starts a round of the current game, or (Redeal) deals Picture Gallery again during
// its choice phase. False when the player's club entry could not be taken (the menu is
// back, the table untouched).
bool NewDeal3(bool Redeal);
// "green", "yellow" or "red": Picture Gallery's deal light.
void DrawTrafficLight(const QString& Color);
// Fills the score window's fields and NewTotalScore from the current table.
void GameResult3();
// Repaints the info panel of the games that have one.
void DrawInfoPanel3();

void PGMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PGMouseMove(platform::ShiftState Shift, int X, int Y);
void PGMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DesireMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DesireMouseMove(platform::ShiftState Shift, int X, int Y);
void DesireMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DesireDblClick();
void TwentyMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void TwentyMouseMove(platform::ShiftState Shift, int X, int Y);
void TwentyMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void TwentyDblClick();
void CalcMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void CalcMouseMove(platform::ShiftState Shift, int X, int Y);
void CalcMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SultanMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SultanMouseMove(platform::ShiftState Shift, int X, int Y);
void SultanMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SultanDblClick();
void PozMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PozMouseMove(platform::ShiftState Shift, int X, int Y);
void PozMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void PozDblClick();
void CarpetMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void CarpetMouseMove(platform::ShiftState Shift, int X, int Y);
void CarpetMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void CarpetDblClick();
void FigMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FigMouseMove(platform::ShiftState Shift, int X, int Y);
void FigMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FigDblClick();
void SadMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SadMouseMove(platform::ShiftState Shift, int X, int Y);
void SadMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void SadDblClick();
void MudMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MudMouseMove(platform::ShiftState Shift, int X, int Y);
void MudMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MudDblClick();

} // namespace Group3
