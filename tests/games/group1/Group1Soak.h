#pragma once
// The soak driver's description of the ten games of group 1.
#include "support/SoakDriver.h"

namespace soak {

TSoakGame SoakGroup1();

} // namespace soak
