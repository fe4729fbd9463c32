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

// The top card of pile p (nothing for an empty pile), and the card in the hand.
TCard5 PileTop5(int p);
TCard5 HeldCard5();
// Drag mode's lift of pile p's top card, drawn at (x, y), for a press at (X, Y): the card
// into the hand, its pile emptied of it and repainted (the step kept until the card lands
// or goes back). Nothing for an empty pile or while a drag runs.
void LiftPileTop5(int p, int x, int y, int X, int Y);
// The card in the hand back on top of pile p, repainted.
void PutHeldBack5(int p);

// SelectedPile, DragSourcePile, HitPile and HitPos emptied.
void ClearSelection5();
// A click-mode press on pile `hit`, whose top card is drawn at (x, y): nothing selected
// and a card there selects it ("WavDown", the frame); the selected pile itself is
// deselected ("WavCancel", the frame off). Another pile is left to the caller.
enum class TClickSelect { Other, Selected, Deselected };
TClickSelect ClickSelect5(int hit, int x, int y);

// The group's end test: won (IsGameWon5), else stuck (CountMoves5) ends the game with
// "To menu"; the info panel drawn before or after the score window as the game has it.
Kit::TEnd EndTest5(Kit::TPanelOrder wonPanel, Kit::TPanelOrder lostPanel);

} // namespace Group5
