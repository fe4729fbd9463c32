#pragma once
// The soak driver's descriptions of the group-2 games that can be played.
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup2();
// Tulip, Blue Tulip and Paganini (TulipSoak.cpp).
TSoakGame SoakTulip2();

} // namespace soak
