#pragma once
// The play kit's drag: taking cards up into the hand, the drag sprite that follows the
// pointer, and the guards that keep a drag from losing its cards.
//
// How a module uses it:
//   press:   TLiftFrame f = Kit::CardFrame(x, y);        // the card's place + CardInset
//            if (!Kit::TakeUpDrag()) return;              // "WavDown", DragActive
//            Kit::HoldOneCard(card, value);               // TargetCard/TargetValue, DragRun
//            (or Kit::HoldRun(...) for a run, or the lift buffer below)
//            Kit::ShowDragSprite(f, X, Y, true, [&] { empty the place; repaint it; });
//   move:    nothing (the main window moves the sprite before the module's move).
//   release: Kit::RemoveDragSprite(); drop or put back (KitDrop.h has the rules);
//            Kit::ClearHeld(); DragActive = 0.
//   double:  Kit::EndDragOnDoubleClick([] { put the held cards back; repaint; });
// A new deal calls Kit::EndPendingDrag().
#include "foundation/CardCode.h"
#include "foundation/GameState.h"

#include <functional>
#include <span>

namespace Kit {

// A sprite rectangle: Left, Top, Right, Bottom in table pixels.
struct TLiftFrame {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The frame of one card whose top-left corner is at (x, y), widened by CardInset.
TLiftFrame CardFrame(int x, int y);

// False while a drag is active. Otherwise plays "WavDown" when PickSoundOn is set,
// sets DragActive and returns true.
bool TakeUpDrag();

// After the lift: the drag sprite for `frame` built from DragRun (it takes its picture
// from the table, where the cards are still drawn), the drag offsets (and PressX,
// PressY when recordPressPoint), then `takeFromTable` empties and repaints the source,
// the table is taken under the sprite and the sprite shown where the cards stood.
void ShowDragSprite(const TLiftFrame& frame, int X, int Y, bool recordPressPoint,
                    const std::function<void()>& takeFromTable);

// The same for one card drawn from its own picture rather than from the table (where
// an overlapping neighbour lies over part of it): DragRun := that card, then as above.
void ShowCardDragSprite(const TLiftFrame& frame, const TCardCode& card, int X, int Y, bool recordPressPoint,
                        const std::function<void()>& takeFromTable);

// Takes the drag sprite off the table and frees it with its two pictures.
void RemoveDragSprite();

// ---- the held card or run ----

// One card in the hand: TargetCard / TargetValue, DragRun one card (K 1, H 0, G 1).
void HoldOneCard(const TCardCode& card, GameState::Byte value);
// A run in the hand, lowest card first: DragCards / DragValues (at most 13, the rest
// "##" / 99), TargetCard / TargetValue its lowest card, DragRun the run fanned down
// by `step` pixels (G 3).
void HoldRun(std::span<const TCardCode> cards, std::span<const GameState::Byte> values, int step);
// Nothing in the hand: TargetCard "##", TargetValue 99, DragCards / DragValues
// emptied, DragRun empty.
void ClearHeld();
// Cards in the hand: those of DragCards, or the one of TargetCard.
int HeldCount();

// ---- the lift buffer (LiftedCards / LiftedValues, its first `size` slots) ----

// `size` is clamped to the buffer's 1..104 slots.
void ClearLiftBuffer(int size);
// Slots 1..size that hold a card.
int LiftedCount(int size);
// Lifts the waste's top card (WasteCount is the next free slot) into slot 1 of an
// emptied buffer: LiftedFromPile 20, DragRun one card. Nothing on an empty waste.
void LiftWasteTop(int size);
// Puts LiftedCards[1] back on top of the waste (WasteCount up) and empties the
// buffer's `size` slots; nothing when the buffer's first slot is empty or the waste full.
void ReturnWasteTop(int size);
// DragRun from the buffer's first `count` slots (a run of up to 16 cards lifted by the
// module itself), fanned by `step` pixels in `direction` (1 right, 2 left, 3 down).
void HoldLifted(int count, int step, int direction);

// ---- guards ----

// Whether a release at (X, Y) is far enough from PressX, PressY to sound "WavCancel"
// (more than Scaled(30) pixels).
bool FarFromPress(int X, int Y);

// A double click that finds a drag still pending (its release never came): the sprite
// removed, `putBack` returns the held cards to their source, the hand emptied and
// DragActive cleared. True when there was a drag.
bool EndDragOnDoubleClick(const std::function<void()>& putBack);

// A new deal: a pending drag ends without its cards (the deal refills the table), the
// sprite freed, the hand emptied.
void EndPendingDrag();

} // namespace Kit
