#pragma once
// Algerian patience (422): eight columns built up or down by suit (King and Ace follow
// each other), six reserves that only give, foundations 1-4 up from the Ace and 5-8 down
// from the King, and a stock dealt twelve cards at a time onto the reserves and its last
// eight onto the columns. The table handlers are declared in Group5.h; these are its
// geometry.

namespace Group5 {

int AlzhirColumnX(int p);
// The y of column p's top card (ColumnTop for an empty column).
int AlzhirTopY(int p);
// The highest column 1-8 whose top card (or empty place) contains (X, Y); else r + 10
// for the highest reserve r whose card contains it; 0 when neither.
int AlzhirHitTest(int X, int Y);

} // namespace Group5
