#pragma once
// "Labelel Lucie" (410): eighteen fans of three built down by suit, one card at a time,
// an empty fan taking nothing, four foundations built up from the Ace, and two
// reshuffles of the fans when the player is stuck. The table handlers are declared in
// Group5.h; these are its geometry.

namespace Group5 {

// Fan code 1..20 of row r, place p (row 1 places 1..5 are 1..5, row 2 6..10, ...).
inline int LucieFanCode(int r, int p) { return (r - 1) * 5 + p; }
// Top-left of the top card of fan `code` and of the place the next card would take.
int LucieTopX(int code);
int LucieNextX(int code);
int LucieFanY(int code);
// The last fan holding cards whose top card contains (X, Y); 0 for none.
int LucieFanAt(int X, int Y);

} // namespace Group5
