#pragma once
// Picture Gallery: a gallery of three rows of eight places built up by suit in steps of
// three (row 1 from a 2, row 2 from a 3, row 3 from a 4), eight foundations for the
// Aces, ten reserve piles and a stock dealt ten at a time onto the reserves. The module
// paints its own table. The table handlers are declared in Group3.h.
#include "foundation/CardCode.h"

namespace Group3 {

// Where cards lie: gallery place [c, r], foundation i, the top of a reserve pile of n
// cards (n 0 gives its one-card position), and the stock's front back.
int PGPlaceX(int c);
int PGPlaceY(int r);
int PGFoundationX(int i);
int PGReserveX(int p);
int PGReserveY(int n);
int PGStockFrontY();
// The stock area and its front back (the one a press deals from).
bool PGOnStock(int X, int Y);
bool PGOnFrontBack(int X, int Y);
// Deals the stock's next ten cards, one onto each reserve pile.
void PGDealStock();

} // namespace Group3
