#pragma once
// The soak driver's description of the group-4 games (the grid removal games so far:
// the Pyramid and Diamond tables).
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup4();

} // namespace soak
