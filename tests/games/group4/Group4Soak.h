#pragma once
// The soak driver's description of the group-4 removal games: the Pyramid and Diamond
// tables, Pairs and Wish, the Monte Carlo tables.
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup4();
TSoakGame SoakPairs4();
TSoakGame SoakMonte4();

} // namespace soak
