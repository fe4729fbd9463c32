#pragma once
// The lift / drag / drop steps that only the group-1 game modules share: pile geometry,
// run lifts, drops onto piles and foundations. The steps every group shares (cursors,
// press timing, the drag sprite, flights, the end of a game) are the play kit's
// (games/kit/, namespace Kit), called directly.
//
// How a module uses it (Vardelin is the full example, Qyv_01_Vardelin.cpp):
//   press:   if (!Kit::BeginPress(Button)) return;  // no pending drag, left, cursor saved
//            Kit::StartPressTiming();               // PressTime, PickSoundOn, PressTime2
//            HitTest1(...); if (!RunLiftable(p, s, AlternatingRun)) return;
//            Kit::TLiftFrame f = PileRunFrame(p, s);
//            if (!Kit::TakeUpDrag()) return;        // no second drag; "WavDown", DragActive
//            LiftPileRun(p, s);                     // or Kit::LiftWasteTop(SlotCount)
//            Kit::ShowDragSprite(f, X, Y, true, [&] { RedrawColumn1(p, 0); });
//   move:    DragCursor(X, Y, true) while dragging; Kit::SetTableCursor /
//            Kit::SetStockHint else.
//   release: Kit::RestoreScreenCursor(); ... if (DragActive) { TDropOptions o; ...;
//            ReleaseDrag(X, Y, o); }  then the game's own end test, and on an ended game
//            Kit::EndGame(GameWon, {&Texts::TxtToMenu}).
//   double:  Kit::EndDragOnDoubleClick(ReturnLifted); then SendPileTopToFoundation(...)
//            / the game's own.
// What differs between games goes in through arguments (run tests, foundation targets,
// counting, sounds, a hook after a pile drop). Functions may be added at the end of the
// file; existing ones keep their meaning.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/kit/KitDrag.h"

#include <functional>

namespace Group1 {

// ---- places on the table ----

// The point lies on the stock's top card / on the waste's top card (their card
// rectangles at StockTopY1 / WasteTopY1, edges included).
bool OnStockTop(int X, int Y);
bool OnWasteTop(int X, int Y);
// The point lies on the stock's / the waste's place in the top row (TopRowY).
bool OnStockPlace(int X, int Y);
bool OnWastePlace(int X, int Y);
// Where foundation f stands for the current game (Vardelin-Duo and Spider above column
// f + 2, Vardelin-Solo and Yukon-Solo f + 3, Yukon-Duo f + 1, Free Cell FoundationX).
int FoundationPlaceX(int f);
int FoundationPlaceY();
// Where slot s of pile p lies (SpecialX, ColumnsTopY + (s - 1) x PileFanStep).
int SlotY(int p, int s);

// ---- press ----

// Run tests: may the card in slot `upper` lie on the card in slot `lower` = upper - 1
// as part of a liftable run?
using RunTest = std::function<bool(const TCardCode& lower, GameState::Byte lowerValue, const TCardCode& upper,
                                   GameState::Byte upperValue)>;
// Other colour, one lower (Vardelin).
bool AlternatingRun(const TCardCode& lower, GameState::Byte lowerValue, const TCardCode& upper,
                    GameState::Byte upperValue);
// Same suit, one lower (Spider).
bool SameSuitRun(const TCardCode& lower, GameState::Byte lowerValue, const TCardCode& upper,
                 GameState::Byte upperValue);
// Whatever lies above (Yukon, Scorpion).
bool AnyRun(const TCardCode& lower, GameState::Byte lowerValue, const TCardCode& upper,
            GameState::Byte upperValue);

// May the card in slot s of pile p be lifted with every card above it: p and s not 0,
// the card face up, and every neighbouring pair of cards in slots s..SlotCount passing
// `test`.
bool RunLiftable(int p, int s, const RunTest& test);

// The frame of the cards lifted from slot s of pile p up to its top card, widened by
// CardInset; the frame of the waste's top card.
Kit::TLiftFrame PileRunFrame(int p, int s);
Kit::TLiftFrame WasteTopFrame();

// Lifts slots s..SlotCount of pile p into the buffer (emptying them), sets
// LiftedFromPile and DragRun (G 3, H the pile's fan step). Returns the number lifted.
int LiftPileRun(int p, int s);

// ---- move ----

// The screen cursor while dragging: the hand over a pile's top card (or empty first
// slot) that takes LiftedCards[1], and, with `foundations`, over a foundation that
// takes it while exactly one card is lifted; else the arrow.
void DragCursor(int X, int Y, bool foundations);

// ---- release ----

// Puts the lifted cards onto pile p from slot LastCardIndex1(p) + 1 up, face up and
// marked, empties the buffer, sets the pile's count and fan step and repaints it.
void PutLiftedOnPile(int p);
// Puts LiftedCards[1] onto foundation f, empties it in the buffer, repaints f.
void PutLiftedOnFoundation(int f);
// Returns the lifted cards to their source: a pile (as PutLiftedOnPile) or the waste
// (LiftedFromPile 20). A source of another kind is left to the module.
void ReturnLifted();
// Turns a face-down top card of pile p face up (fan step and repaint); true when it did.
bool TurnUpTop(int p);

enum class DropResult { OnPile, OnFoundation, Returned };

struct TDropOptions {
    // Single cards may go to foundations (kind 2 of HitTest1).
    bool Foundations = true;
    // "WavCancel" on a return: only beyond Scaled(30) pixels of the press point, or on
    // every return.
    bool CancelAlways = false;
    // A drop back onto the source pile: plays "WavCardUp" (false: silent).
    bool SoundOnSourcePile = true;
    // MoveCounter + 1 for a drop onto another pile.
    bool CountPileDrop = false;
    // Called after a pile drop once target and source are repainted, before the
    // sound (Spider: marks and collected suits).
    std::function<void(int target, int source)> AfterPileDrop;
};

// Step 5 of a group-1 release while a drag is active: the sprite removed, the lifted
// cards dropped on a fitting pile top (or, single, on a fitting foundation) or put
// back, then DragActive cleared, LastUpX / LastUpY set, the info panel drawn and a
// face-down card left on top of a source pile turned up.
DropResult ReleaseDrag(int X, int Y, const TDropOptions& options);

// ---- the double click ----

// The first foundation 1..LayoutFoundationCount that takes `card` of `value` as its
// next card: an Ace on an empty one, else the suit of its first card and value + 1 =
// FoundationNextSlot. 0 for none.
int FoundationForCard(const TCardCode& card, GameState::Byte value);

struct TSendOptions {
    bool Fly = true;            // fly the card (the caller decides by move mode)
    bool Count = false;         // MoveCounter + 1
    bool StopkaOnComplete = true; // "WavStopka" when the foundation is now complete
};
// The top card of pile p to the foundation FoundationForCard gives: the card below
// turned up, the pile's count and fan step set and repainted, the card flown, the
// foundation repainted, the sound. The foundation, or 0 when none takes it.
int SendPileTopToFoundation(int p, const TSendOptions& options);

} // namespace Group1
