#pragma once
// Twenty: eight foundations laid out ready, the odd ones building up in suit from the
// Ace, the even ones down from the King; twenty places of single cards fed from a stock
// of 76 in rounds of twenty. A place's top goes to a foundation at any time, to an empty
// place only once the stock is empty. The table handlers are declared in Group3.h.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/kit/KitPlay.h"

namespace Group3 {

// Whether foundation F takes a card of suit and value: odd ones one higher, even ones
// one lower, in the suit of the foundation's top.
bool TwentyFoundationTakes(int F, const TCardCode& Card, int Value);
// One round of the stock dealt onto the places [1, 1], [1, 2], ... [7, 2] while it lasts.
void TwentyDealStock();
const Kit::TPlayRules& TwentyRules();

} // namespace Group3
