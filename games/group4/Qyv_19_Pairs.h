#pragma once
// Pairs (407) and Wish (408): the tops of two piles of equal rank leave the table
// together. Pairs deals one card onto each of the nine piles from its stock; Wish has
// none. The two differ in the pile step (ColumnStep in Pairs, 2 pixels in Wish), the
// height of the pile area and the stock; one set of handlers plays both.
//
// The rules (pure, over the table state) are apart from the handlers.
#include "games/group4/Qyv_Help2_4.h"

#include "games/kit/KitDrop.h"

namespace Group4 {

// ---- rules ----

// The vertical step between the slots of pile i.
int PairsStep(int i);
// Top-left of slot k of pile i.
int PairsSlotY(int i, int k);
// Does pile i (1..9) hold a card?
bool PairsPileHolds(int i);
// The non-empty pile whose top card lies under (X, Y), the highest that does, or 0.
int PairsPileAt(int X, int Y);
// Two different non-empty piles whose tops have equal rank.
bool PairsMatch(int a, int b);
// (X, Y) in the pile area of the click modes / in the Pairs stock area widened by
// `extra` pixels to the right (118 to deal, 12 for the hand).
bool InPairsPileArea(int X, int Y);
bool InPairsStock(int X, int Y, int extra);
// The rule a refused drop flies back by.
Kit::TFlyBack PairsFlyBack();

// ---- handlers of both games ----

void PairsGameMouseDown(int X, int Y);
void PairsGameMouseMove(int X, int Y);
void PairsGameMouseUp(int X, int Y);

} // namespace Group4
