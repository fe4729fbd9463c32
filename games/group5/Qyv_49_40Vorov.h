#pragma once
// 40 Thieves (441): ten columns built down by suit, one card at a time, eight
// foundations built up by suit from any Ace, a stock gone through once onto the waste.
// The table handlers are declared in Group5.h; these are the module's geometry and rules.
#include "foundation/CardCode.h"

namespace Group5 {

int FortyThievesColumnX(int p);
// Top of column p's top card (its first place when the column is empty).
int FortyThievesTopY(int p);
// The highest column 1..10 whose top card (or empty place) contains (X, Y); 0 for none.
int FortyThievesHitTest(int X, int Y);
// Card may lie on Target in a column: same suit, one lower.
bool FortyThievesFitsDown(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);
// Card may lie on Target on a foundation: same suit, one higher.
bool FortyThievesFitsUp(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);

} // namespace Group5
