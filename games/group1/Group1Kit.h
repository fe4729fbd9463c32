#pragma once
// The lift / drag / drop kit that the group-1 game modules share, so each module keeps
// only what its game does differently.
//
// How a module uses it (Vardelin is the full example, Qyv_01_Vardelin.cpp):
//   press:   if (!BeginPress(Button)) return;     // saves the screen cursor, left only
//            StartPressTiming();                  // PressTime, PickSoundOn, PressTime2
//            HitTest1(...); if (!RunLiftable(p, s, AlternatingRun)) return;
//            TLiftFrame f = PileRunFrame(p, s);
//            if (!TakeUpDrag()) return;           // no second drag; "WavDown", DragActive
//            LiftPileRun(p, s);                   // or LiftWasteTop(), or your own lift
//            ShowDragSprite(f, X, Y, true, [&] { RedrawColumn1(p, 0); });
//   move:    DragCursor(X, Y, true) while dragging; SetTableCursor / SetStockHint else.
//   release: RestoreScreenCursor(); ... if (DragActive) { TDropOptions o; ...;
//            ReleaseDrag(X, Y, o); }  then the game's own end test, and on an ended game
//            EndGame(GameWon).
//   double:  EndDragOnDoubleClick(); then SendPileTopToFoundation(...) / the game's own.
// What differs between games goes in through arguments (run tests, foundation targets,
// counting, sounds, a hook after a pile drop). Functions may be added at the end of the
// file; existing ones keep their meaning.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "platform/PictureControl.h"

#include <QCursor>
#include <functional>

namespace Group1 {

// ---- cursors and the stock hint ----

// Cursor shapes of the screen cursor and of the table image. CursorDefault leaves each
// control its own cursor (the screen cursor is off).
enum CursorShape : int { CursorDefault = 0, CursorArrow = 1, CursorHand = 2 };

// The two cursor sets (0 the system's, 1 the yellow ones), chosen by YellowCursor.
// Empty hooks take the program's cursor sets (FontsAndCursors::CursorOf); a test or
// the main window may hand in others.
inline std::function<QCursor(int set)> ArrowCursorSet;
inline std::function<QCursor(int set)> HandCursorSet;
QCursor CursorOf(int shape);

// The screen cursor: shown over every control while it is not CursorDefault.
void SetScreenCursor(int shape);
int ScreenCursor();
// SavedCursor := the screen cursor / the screen cursor := SavedCursor.
void SaveScreenCursor();
void RestoreScreenCursor();
// The table image's own cursor.
void SetTableCursor(int shape);
// The table image's hint (the stock count kept in its StockHintProperty) shown or off.
void SetStockHint(bool shown);

// ---- places on the table ----

struct TLiftFrame {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

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

// Saves the screen cursor (every press); true only for the left button.
bool BeginPress(platform::MouseButton Button);
// Set at each press: whether the pick-up sound is wanted (no earlier press within one
// second, so the second press of a double click is silent).
inline bool PickSoundOn = false;
// PressTime := now; PickSoundOn := more than 1000 ms since PressTime2; PressTime2 := now.
// Measured on a monotonic clock.
void StartPressTiming();

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
// CardInset; the frame of the waste's top card; the frame of one card at (x, y).
TLiftFrame PileRunFrame(int p, int s);
TLiftFrame WasteTopFrame();
TLiftFrame CardFrame(int x, int y);

// False while a drag is active. Otherwise plays "WavDown" when PickSoundOn is set,
// sets DragActive and returns true.
bool TakeUpDrag();
// Empties the lift buffer ("##", 99).
void ClearLiftBuffer();
// Lifts slots s..SlotCount of pile p into the buffer (emptying them), sets
// LiftedFromPile and DragRun (G 3, H the pile's fan step). Returns the number lifted.
int LiftPileRun(int p, int s);
// Lifts the waste's top card (LiftedFromPile 20, DragRun G 1, H 0).
void LiftWasteTop();
// After the lift: the drag sprite for `frame` built from DragRun, the drag offsets
// (and PressX, PressY when recordPressPoint), the source repainted by
// `redrawSource`, the table taken under the sprite and the sprite shown where the
// cards stood.
void ShowDragSprite(const TLiftFrame& frame, int X, int Y, bool recordPressPoint,
                    const std::function<void()>& redrawSource);

// ---- move ----

// The screen cursor while dragging: the hand over a pile's top card (or empty first
// slot) that takes LiftedCards[1], and, with `foundations`, over a foundation that
// takes it while exactly one card is lifted; else the arrow.
void DragCursor(int X, int Y, bool foundations);

// ---- release ----

// Takes the drag sprite off the table and frees it with its two pictures.
void RemoveDragSprite();

// Number of cards in the lift buffer (slots holding a card).
int LiftedCount();
// Puts the lifted cards onto pile p from slot LastCardIndex1(p) + 1 up, face up and
// marked, empties the buffer, sets the pile's count and fan step and repaints it.
void PutLiftedOnPile(int p);
// Puts LiftedCards[1] onto foundation f, empties it in the buffer, repaints f.
void PutLiftedOnFoundation(int f);
// Returns the lifted cards to their source: a pile (as PutLiftedOnPile) or the waste
// (LiftedFromPile 20). A source of another kind is left to the module.
void ReturnLifted();
// Whether a release at (X, Y) is far enough from PressX, PressY to sound "WavCancel"
// (more than Scaled(30) pixels).
bool FarFromPress(int X, int Y);
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

// ---- flights, selection and the double click ----

// The table image refreshed on screen, then a card flown at FlySpeed x speedFactor.
void FlyCard(int x1, int y1, int x2, int y2, const TCardCode& card, int speedFactor = 1);
// Draws (or, drawn again, removes) the inverting selection frame of a card at (x, y).
void ToggleSelectionFrame(int x, int y);

// A double click that finds a drag still active (its release never came): the sprite
// removed, the lifted cards back at their source, DragActive cleared. True when there
// was a drag.
bool EndDragOnDoubleClick();

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

// ---- the end of a game ----

// Button8 to "To menu", the table refreshed, "WavKoGood" with the balloons or
// "WavKoBads", GameOver set and the score window shown.
void EndGame(bool won);

} // namespace Group1
