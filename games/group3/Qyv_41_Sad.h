#pragma once
// Flower garden's rule helpers: what fits a column, what fits a foundation, and the
// card step of a column. The engine's move search and the 8 Sages deal use them too.
#include "foundation/CardCode.h"

namespace Group3 {

// May Card go on a column whose top is Target ("##" for an empty column, which takes
// any card)? Alternating colours, one rank lower, never an Ace on a card.
bool SadFitsTableau(const TCardCode& Card, const TCardCode& Target);
// May Card go on foundation F? An empty foundation takes any Ace; one holding n cards
// the card of rank index n in the suit of its Ace.
bool SadFitsFoundation(const TCardCode& Card, int F);
// The card step column C should have for its count: Scaled(25) up to eight cards, then
// squeezed to keep the column within Scaled(290) below ColumnTop; never below 1.
int SadFanStep(int C);

} // namespace Group3
