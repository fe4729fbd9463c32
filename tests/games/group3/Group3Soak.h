#pragma once
// The soak driver's description of the group-3 games. Each game whose module is built
// has one line in the table of Group3Soak.cpp (its census, counter check, targets and
// legal moves); the deal, the buttons, the no-softlock test and the end test are the
// group's own and shared by all of them.
#include "support/SoakDriver.h"

#include <ostream>

namespace soak {

struct TGroup3Game {
    int code = 0;
    const char* name = "";
    // Events a deal may run for, when a deal needs more than the soak's default to get
    // through its stock passes (0: the default).
    int eventsPerDeal = 0;
};

// A test's name shows the game's name, not the bytes of its description.
inline void PrintTo(const TGroup3Game& g, std::ostream* os)
{
    *os << g.name;
}

// The games with a soak line.
std::vector<TGroup3Game> Group3SoakGames();
TSoakGame SoakGroup3();

} // namespace soak
