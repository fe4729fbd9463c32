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

namespace Group3 {

// Where the cards in the hand came from: 1 the bouquet, 2 a column.
inline int SadDragOrigin = 0;

// The place under (X, Y): Area 1 a bouquet card (Index = Pos = its number, the highest
// of overlapping cards), 2 a foundation (Index), 3 a column (Index, Pos = the top card,
// or the card whose visible strip holds the point); 0 nothing. Pos is at least 1.
void SadHitTest(int X, int Y, int& Index, int& Pos, int& Area);
// The drag sprite taken off the table and freed.
void SadFreeDrag(int X, int Y);

} // namespace Group3
