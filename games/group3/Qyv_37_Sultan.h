#pragma once
// Sultan: eight foundations round a King of hearts, six single reserves beside them, and
// a stock turned onto a waste with two turn-overs. The module's play as the kit runs it;
// the table handlers are declared in Group3.h.
#include "games/kit/KitPlay.h"

namespace Group3 {

const Kit::TPlayRules& SultanRules();

} // namespace Group3
