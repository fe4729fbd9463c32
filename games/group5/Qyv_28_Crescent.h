#pragma once
// Crescent (415) and Open Crescent (416): sixteen piles round eight foundations, Kings
// built down and Aces built up by suit, one card at a time onto its suit one higher or
// lower, and four rotations that bring every pile's bottom card to its top. The two
// games differ only in the fan step. The handlers and CrescentRotate are in Group5.h.
#include <QPoint>

namespace Group5 {

// Where pile p's top card lies (one step beyond the bottom place when it is empty).
int CrescentTopX(int p);
int CrescentTopY(int p);
// The last pile, scanned 1-5, 12-16, 6-11, whose top card contains (X, Y); 0 for none.
int CrescentHitTest(int X, int Y);
// The last foundation 1..8 whose card contains (X, Y); 0 for none.
int CrescentFoundationAt(int X, int Y);
// Where card `slot` of pile p lies with the pile's present step.
QPoint CrescentSlotPlace(int p, int slot);

} // namespace Group5
