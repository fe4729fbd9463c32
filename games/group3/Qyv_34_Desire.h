#pragma once
// Desire: eight foundations that keep only their top card and take the next rank round
// the corner (a King takes an Ace), whatever the suit; eight columns whose top card goes
// only to a foundation; eleven face-down reserves, each dealt at once onto the columns.
// The table handlers are declared in Group3.h.
#include "foundation/CardCode.h"
#include "games/kit/KitPlay.h"

namespace Group3 {

// Whether a foundation whose top is Top takes Card: the next rank, a King followed by
// an Ace; suits never matter.
bool DesireFits(const TCardCode& Card, const TCardCode& Top);
// Deals reserve R onto columns 1 to 8, its top card onto column 1.
void DesireDealReserve(int R);
const Kit::TPlayRules& DesireRules();

} // namespace Group3
