#pragma once
// Backbone: eight foundations from the Ace, eight columns down in suit, the backbone
// that only gives cards from its free ends, and a stock turned twice. The module's play
// as the kit runs it; the table handlers are declared in Group3.h.
#include "games/kit/KitPlay.h"

namespace Group3 {

const Kit::TPlayRules& PozRules();

} // namespace Group3
