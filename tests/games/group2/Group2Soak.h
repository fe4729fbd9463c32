#pragma once
// The soak driver's description of the group-2 games that can be played (the Golf games).
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup2();
// Fun Deuces and Napoleon Square on top of the group's `deal`.
TSoakGame SoakSquare2(TSoakGame g);

} // namespace soak
