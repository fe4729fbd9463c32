#pragma once
// Steps the group-5 game modules share: a card taken off a pile top and laid on a pile
// or a foundation, the click selection emptied, the end test with the game's order of
// info panel and score window.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/kit/KitEnd.h"

namespace Group5 {

struct TCard5 {
    TCardCode code;
    GameState::Byte value = cards::EmptyValue;
};

// Whether (X, Y) lies on the card whose top-left corner is (left, top), both bounds in.
bool OnCard5(int X, int Y, int left, int top);

// The top card of pile p (PileCards) taken off: its slot emptied, PileCounts down.
TCard5 TakePileTop5(int p);
// `c` laid on pile p at slot PileCounts[p], PileCounts up; no repaint.
void LayOnPile5(int p, const TCard5& c);
// `c` laid on foundation f and the foundation repainted; true when it is now complete.
bool LayOnFoundation5(int f, const TCard5& c);

// SelectedPile, DragSourcePile, HitPile and HitPos emptied.
void ClearSelection5();

// The group's end test: won (IsGameWon5), else stuck (CountMoves5) ends the game with
// "To menu"; the info panel drawn before or after the score window as the game has it.
Kit::TEnd EndTest5(Kit::TPanelOrder wonPanel, Kit::TPanelOrder lostPanel);

} // namespace Group5
