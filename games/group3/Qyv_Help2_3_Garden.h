#pragma once
// The column play that Flower garden and 8 Sages share: their columns fanned down at
// ColumnStep from ColumnTop, foundations in a row at FoundationY, the run or card in the
// hand, its drops and returns, the double click to a foundation and the end test. Each
// module keeps its own hit test, its sources and its click modes.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "platform/PictureControl.h"

#include <QPoint>
#include <functional>

namespace Group3 {

// The y of column c's top card; ColumnTop for an empty column.
int GardenTopY3(int c);
// The place of card `pos` of column c.
QPoint GardenCardAt3(int c, int pos);
// The first of `columns` columns whose top-card rectangle holds (X, Y): the column and
// its top position (1 for an empty column, which answers over its marker).
bool GardenColumnTopAt3(int X, int Y, int columns, int& c, int& pos);
// The first of `foundations` foundations whose card rectangle holds (X, Y).
bool GardenFoundationAt3(int X, int Y, int foundations, int& f);
// The first of `foundations` foundations that takes `card`; 0 for none.
int GardenFoundationFor3(const TCardCode& card, int foundations);

// The press of a left button with no drag pending: the screen cursor saved and the press
// timed. False for any other press, which changes nothing.
bool GardenBeginPress3(platform::MouseButton Button);

// ---- the hand ----

// Cards of column c from position p up into the hand and the drag sprite, the column
// repainted at its old step. False while a drag runs or with no card there.
bool GardenLiftColumn3(int c, int p, int X, int Y);
// One card into the hand and the drag sprite from its place (x, y); `empty` takes it
// off the table and repaints its place.
bool GardenLiftCard3(const TCardCode& card, GameState::Byte value, int x, int y, int X, int Y,
                     const std::function<void()>& empty);
// The hand onto column c; its step is refitted and it is repainted.
void GardenDropOnColumn3(int c);
// The hand back onto column c at the step it kept.
void GardenReturnToColumn3(int c);
// The hand's one card onto foundation f; true when the foundation is complete.
bool GardenDropOnFoundation3(int f);
// The top card of column c off the table: its slot emptied, the count down, the step
// refitted (when `refit`) and the column repainted.
void GardenTakeColumnTop3(int c, bool refit);
// The last card of `c` onto it (a click-mode move from the waste); refitted when `refit`.
void GardenPutOnColumn3(int c, const TCardCode& card, GameState::Byte value, bool refit);
// A card onto foundation f; true when it is complete.
bool GardenPutOnFoundation3(int f, const TCardCode& card, GameState::Byte value);

// ---- the double click and the end ----

// A double click's card sent to the first foundation that takes it: `take` empties its
// source and returns where the flight starts (flown when the move mode is not 0);
// "WavStopka" when the foundation is then complete, else "WavCardUp"; a move counted.
// False when no foundation takes it.
bool GardenDoubleClickMove3(const TCardCode& card, GameState::Byte value, int foundations,
                            const std::function<QPoint()>& take);
// The info panel, then the end test: won (the panel after the score window) or stuck
// (the panel before it), Button8 "To menu" in both.
void GardenEndTest3();

} // namespace Group3
