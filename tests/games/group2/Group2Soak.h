#pragma once
// The soak driver's description of the group-2 games that can be played (the Golf games).
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup2();

} // namespace soak
