#pragma once
// Fig.: thirteen piles of four and two empty ones; the top card of a pile goes onto an
// empty pile or onto one to three cards of its value. The module's places and its
// rules; the table handlers are declared in Group3.h.
#include "games/kit/KitPlay.h"

namespace Group3 {

int FigPileX(int Pile);
// The y of pile Pile's top card (its base place when empty).
int FigTopY(int Pile);
// The pile 1..15 whose top-card rectangle holds (X, Y), the last one tried; 0 for none.
int FigHitTest(int X, int Y);
// Whether pile T takes a card of value Value.
bool FigTakes(int T, int Value);
// The play of the module, as the kit runs it.
const Kit::TPlayRules& FigRules();

} // namespace Group3
