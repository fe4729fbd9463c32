#pragma once
// The look of each add-on face deck (1..47).
#include "tools/addons/AddonArt.h"

namespace addons {

DeckStyle deckStyle(int deck);

} // namespace addons
