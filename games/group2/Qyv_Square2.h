#pragma once
// The one play routine of Fun Deuces and Napoleon Square, the two games whose piles
// frame eight foundations: single cards move from the waste or a pile top onto piles
// and foundations, the stock turns one card at a time, a double click sends a card
// home. The modules Qyv_30_02 and Qyv_31_Nap are thin handler sets over it; what differs
// per game lives in one table in Qyv_Square2.cpp, the move rules in the engine.
#include "games/kit/KitPlay.h"
#include "platform/PictureControl.h"

namespace Group2 {

// Where the card of a place is drawn, as the play kit sees it: the waste's top card
// (Pile 20), a pile's top card (Pile 1..12) or, as a target, the place its next card
// lands on (a pile) and foundation f (Pile 20 + f).
Kit::TSpot SquareWasteSpot2();
Kit::TSpot SquarePileSpot2(int Pile, bool landing);
Kit::TSpot SquareFoundationSpot2(int Foundation);

// The play of the current game, as the kit runs it.
const Kit::TPlayRules& SquareRules2();

void SquareMouseDown(platform::MouseButton Button, int X, int Y);
void SquareMouseMove(int X, int Y);
void SquareMouseUp(platform::MouseButton Button, int X, int Y);
void SquareDblClick();

} // namespace Group2
