#pragma once
// Uncle Pelk (17): eight square columns, each built down in suit from its bottom card or
// up from an Ace base, a stock dealt one card at a time onto the waste in three passes,
// and thirteen-card sequences that go to the eight foundations by themselves. Every
// move is two clicks; the handlers are declared in Group5.h, these are its geometry.

namespace Group5 {

// The column 1..8 whose area on the table image contains (X, Y); 0 for none.
int UnclePelkColumnAt(int X, int Y);
// On the deck image: the stock's and the waste's click areas.
bool UnclePelkInStock(int X, int Y);
bool UnclePelkInWaste(int X, int Y);

} // namespace Group5
