#pragma once
// Carpet: four Ace foundations, a carpet of twenty single cards, and a stock turned
// once onto a waste. The module's play as the kit runs it; the table handlers are
// declared in Group3.h.
#include "games/kit/KitPlay.h"

namespace Group3 {

const Kit::TPlayRules& CarpetRules();

} // namespace Group3
