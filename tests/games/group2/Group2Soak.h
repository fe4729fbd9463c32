#pragma once
// The soak driver's descriptions of the group-2 games that can be played.
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup2();
// Fun Deuces and Napoleon Square on top of the group's `deal`.
TSoakGame SoakSquare2(TSoakGame g);
// Tulip, Blue Tulip and Paganini (TulipSoak.cpp).
TSoakGame SoakTulip2();

} // namespace soak
