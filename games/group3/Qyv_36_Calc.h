#pragma once
// Calculation: four foundations counting in steps of one to four round the ranks, each
// ending with its King; a face-up stock whose top goes to a foundation or any of four
// waste piles, whose tops go only to the foundations. The table handlers are declared
// in Group3.h.
#include "games/kit/KitPlay.h"

#include <QString>

namespace Group3 {

// Whether foundation F (1..4) whose top has value Top takes a card of value Value:
// Top + F round the ranks, nothing on a King.
bool CalcFits(int F, int Top, int Value);
// The building order of foundation F, as its hint shows it.
QString CalcOrder(int F);
const Kit::TPlayRules& CalcRules();

} // namespace Group3
