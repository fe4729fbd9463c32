#pragma once
// The removal games on the 13 x 7 grid: Pyramid, Pyramid-Infinity and Open Pyramid, and
// the Diamond games on the same handlers. A King leaves alone, two free cards whose
// ranks add to 13 leave together; the stock turns one card onto the waste.
//
// The rules (pure, over the table state) are apart from the handlers; a game hands
// the handlers its TGridGame: the shape comes from GridPlaces4 / IsGridPlace4, the cover
// relation is the same for every shape ((c, r) lies under (c - 1, r + 1) and
// (c + 1, r + 1)).
#include "games/group4/Qyv_Help2_4.h"

namespace Group4 {

struct TGridGame {
    int game = 0;
    // The stock is turned back, up to LastPass passes in all.
    bool turnsBack = true;
    // Stuck with an empty stock ends the game lost (else only the give-up does).
    bool endsLost = false;
};
TGridGame GridGameOf(int game);

// ---- rules ----

// Ranks adding up to 13 (values adding up to 11).
bool GridPair(int valueA, int valueB);
// Does a card lie on (col, row)?
bool GridCovered(int col, int row);
// After the card of (col, row) left: the places it half covered become free when their
// other cover is gone too.
void FreeAfterRemoval(const TGridGame& g, int col, int row);
// The free card under (X, Y), the last in column-major order; false for none.
bool FreeCardAt(const TGridGame& g, int X, int Y, int& col, int& row);
// (X, Y) on the waste / in the stock area (the stock and 12 pixels to its right).
bool OnWaste4(int X, int Y);
bool InStockArea4(int X, int Y);

// ---- handlers over a shape ----

void GridMouseDown(const TGridGame& g, int X, int Y);
void GridMouseMove(const TGridGame& g, int X, int Y);
void GridMouseUp(const TGridGame& g, int X, int Y);

} // namespace Group4
