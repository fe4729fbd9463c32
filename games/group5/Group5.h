#pragma once
// Game group 5: Uncle Pelk, Busy Aces, Lucie, Crescent (two tables), Algerian patience, Daemon, Clover, 40 Thieves and Miss Milligan.
// What the main window calls: the new deal, the score, the engine steps of the action
// buttons and the table handlers of each game module (called only while the table is
// unlocked and the game is not over).
#include "platform/PictureControl.h"

#include <QString>

namespace Group5 {

// The new deal: the engine's deal for a game whose module has landed, else the
// stand-in's empty table with "To menu".
void NewDeal5(bool Redeal);
// Fills the score window's boards and NewTotalScore; returns the points of this deal.
int GameResult5();
void DrawInfoPanel5();
// The moves left in Count; True when the player is stuck.
bool CountMoves5(int& Count);
// Busy Aces and Uncle Pelk: the stock's top card onto the waste (nothing when the stock
// is empty).
void DealFromKoloda5();
void RedrawKoloda5(int Part);
void RedrawColumn5(int A, int B);
void DrawTabloY5(bool Redraw);
void DemonAutoFill();
void KleverRedeal();
void CrescentRotate(int Mode);
void UnclePelkKolodaMouseMove(platform::ShiftState Shift, int X, int Y);
void UnclePelkKolodaMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);

void UnclePelkMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void UnclePelkMouseMove(platform::ShiftState Shift, int X, int Y);
void UnclePelkMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void BAcesMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void BAcesMouseMove(platform::ShiftState Shift, int X, int Y);
void BAcesMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void BAcesDblClick();
void LucieMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void LucieMouseMove(platform::ShiftState Shift, int X, int Y);
void LucieMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void LucieDblClick();
void CrescentMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void CrescentMouseMove(platform::ShiftState Shift, int X, int Y);
void CrescentMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void CrescentDblClick();
void AlzhirMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void AlzhirMouseMove(platform::ShiftState Shift, int X, int Y);
void AlzhirMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void AlzhirDblClick();
void DemonMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DemonMouseMove(platform::ShiftState Shift, int X, int Y);
void DemonMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void DemonDblClick();
void KleverMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void KleverMouseMove(platform::ShiftState Shift, int X, int Y);
void KleverMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void KleverDblClick();
void FortyThievesMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FortyThievesMouseMove(platform::ShiftState Shift, int X, int Y);
void FortyThievesMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void FortyThievesDblClick();
void MissMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MissMouseMove(platform::ShiftState Shift, int X, int Y);
void MissMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void MissDblClick();

} // namespace Group5
