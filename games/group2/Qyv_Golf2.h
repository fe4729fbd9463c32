#pragma once
// The one play routine of the five Golf games (Peak, Three Peaks, Rug, Diamond, Block):
// the covering rule, the hit test, the release that plays a card or turns the stock, and
// the pointer's hint and cursor. The game modules Qyv_11_Golf01 .. Qyv_15_Golf05 are thin
// handler sets over it; what differs per game lives in one table in Qyv_Golf2.cpp.
namespace Group2 {

struct TGolfPlace {
    int p = 0; // column
    int k = 0; // row
    int l = 1; // layer (Golf - Block), else 1
};

// Place (p, k, l) of the current Golf grid holds a card.
bool GolfHolds2(int p, int k, int l = 1);
// The places inside the grid that cover (p, k, l) in the current game; returns how many
// (at most four) were written to `out`.
int GolfCoverers2(int p, int k, int l, TGolfPlace out[4]);
// Some place covering (p, k, l) still holds a card.
bool GolfCovered2(int p, int k, int l = 1);
// After the card at `removed` has left: every card it covered that nothing else covers
// any more turns face up.
void GolfUncover2(const TGolfPlace& removed);
// The top-most face-up card whose rectangle holds (x, y): the last one met in the game's
// scan order. False when there is none.
bool GolfHitTest2(int x, int y, TGolfPlace& at);
// The face-up card at `at` may go on the waste.
bool GolfPlayable2(const TGolfPlace& at);
// (x, y) lies on the stock (its backs included).
bool InGolfStock2(int x, int y);

// The table handlers of every Golf game (the current game's rules).
void GolfMouseMove(int X, int Y);
void GolfMouseUp(int X, int Y);

} // namespace Group2
