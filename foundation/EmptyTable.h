#pragma once
// The deal of a game whose engine is not built yet: the table of the current game laid
// out and left empty, the round's bookkeeping done as every deal does it, and the
// round's second button offering "To menu" at once, so the round can be finished (and
// a member's entry goes back into the club file with the round counted, no points).
namespace GameState {

// Redeal True (a redeal button's deal) leaves the round as it stands.
// timerOn: the first timer runs at 200 ms after the deal (groups 2 and 3) or stays off.
// When the player's club entry cannot be taken the table is not touched and the menu
// comes back.
void DealEmptyTable(bool Redeal, bool timerOn);

// Back to the game menu when a deal cannot start (the menu's timer running again).
void ReturnToMenu();

} // namespace GameState
