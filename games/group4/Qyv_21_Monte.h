#pragma once
// Monte Carlo (411) and Monte Carlo by Suit (412): two neighbouring cards of the 6 x 4
// grid with equal rank (411) or suit (412) leave together to the discard pile; the
// gaps then close towards place (6, 4) and are refilled from the stock.
//
// The rules (pure, over the table state) are apart from the handlers.
#include "games/group4/Qyv_Help2_4.h"

namespace Group4 {

// ---- rules ----

// Do two cards match under the current game's rule (rank in 411, suit in 412)?
bool MonteMatch(const TCardCode& a, int valueA, const TCardCode& b, int valueB);
// Are two different places of the grid neighbours (side by side, one above the other
// or diagonal)?
bool MonteNeighbours(int p1, int s1, int p2, int s2);
// The place under (X, Y), the last in column-major order; with `cardsOnly` only places
// that hold a card count. False for none.
bool MontePlaceAt(int X, int Y, bool cardsOnly, int& p, int& s);
// True while the grid needs closing up or refilling: a gap while the stock holds cards,
// or (stock empty) a gap after a card in reading order.
bool MonteCanConsolidate();
// Closes the gaps and refills from the stock until MonteCanConsolidate is False.
void MonteConsolidate();

} // namespace Group4
