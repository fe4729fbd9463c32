#pragma once
// 8 Sages: Flower garden's twin with two packs, eight columns of one card, a stock
// turned onto a waste with one turn-back, and only the waste feeding the columns. Its
// rule helpers are Flower garden's steps under the game's own names.
#include "games/group3/Qyv_41_Sad.h"

namespace Group3 {

inline bool MudFitsTableau(const TCardCode& Card, const TCardCode& Target) { return SadFitsTableau(Card, Target); }
inline bool MudFitsFoundation(const TCardCode& Card, int F) { return SadFitsFoundation(Card, F); }
inline int MudFanStep(int C) { return SadFanStep(C); }

// The place under (X, Y): Area 1 the stock (12 unscaled pixels wider to the right), 2
// the waste, 3 a foundation (Index), 4 a column's top card (Index, Pos = its position,
// 1 for an empty column); 0 nothing. Pos is at least 1.
void MudHitTest(int X, int Y, int& Index, int& Pos, int& Area);
// The drag sprite taken off the table and freed.
void MudFreeDrag(int X, int Y);

} // namespace Group3
