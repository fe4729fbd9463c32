#pragma once
// Busy Aces (409): twelve square piles built down by suit, one card at a time, any card
// on an empty pile, eight foundations built up by suit from the Ace, a stock turned once
// onto the waste. The table handlers are declared in Group5.h; these are its geometry.

namespace Group5 {

// Pile code 1..12 (row 1 then row 2) under (X, Y), the box reaching 24 pixels above the
// pile for its stacked cards; 0 for none.
int BAcesPileAt(int X, int Y);
// Top-left of pile code `pile`'s top card (each card 2 pixels above the one under it).
int BAcesTopX(int pile);
int BAcesTopY(int pile);
// Top of the waste's top card: 2 pixels higher for every further 16 cards.
int BAcesWasteTopY();

} // namespace Group5
