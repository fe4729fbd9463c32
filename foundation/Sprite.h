#pragma once
// The moving picture of a card, a back or a run (module Qyv_Sprite): a drag sprite that
// follows the mouse and the card flight that moves a picture pixel by pixel. The table
// without the sprite is kept in SpriteBackground, the table with it is composed in
// SpriteWork, and only the changed rectangle is copied to the screen, so a half-drawn
// card is never seen.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "platform/Canvas.h"

#include <QRect>
#include <QRegion>
#include <functional>
#include <memory>

namespace Sprite {

using GameState::TSpr;

// Key colour of the scaled sprite picture: red 1, green 2, blue 3.
inline constexpr platform::TColor SpriteKeyColor = 0x030201;

class TSprite {
public:
    // Frame true takes the picture from the table (where the run is still drawn) inside
    // the card inset; flights pass false. Code "00" is the current back, "No" and "##"
    // no picture, "--" the run in `run`.
    TSprite(int left, int top, int right, int bottom, const TCardCode& code, bool frame, int count,
            const TSpr& run);

    int FWidth = 0;
    int FHeight = 0;
    int FLeft = 0;
    int FTop = 0;
    // Classic drawing: AND mask and OR picture.
    platform::Canvas FAndMask;
    platform::Canvas FOrImage;
    // Scaled drawing: composition picture and the run's picture on the key colour.
    platform::Canvas ImBMP1;
    platform::Canvas ImBMP2;
    // The drawing class the sprite was built for (ClassicCardMode == 1).
    bool Classic = true;
};

// The one sprite, and the two table-sized work pictures; empty when not in use.
inline std::unique_ptr<TSprite> CurrentSprite;
inline platform::Canvas SpriteBackground;
inline platform::Canvas SpriteWork;

// Moves CurrentSprite to (x, y) in SpriteWork and copies the changed part to the
// target: 0 the main window's canvas, 1 the table image, anything else nothing.
void SpriteMoveTo(int x, int y, int target);
// Takes CurrentSprite off SpriteWork and the target (0 the main window's canvas, any
// other value the table image). x and y are not used.
void SpriteHide(int x, int y, int target);
// Flies a card-sized sprite of `code` (or of DragRun for "--") from (x1, y1) to
// (x2, y2) one pixel a step, pausing by speed, and returns on arrival.
void SpriteFly(int x1, int y1, int x2, int y2, int speed, const TCardCode& code, int count);

// Drag helpers: take the table picture (of the table image, or of `source`) into
// SpriteBackground and SpriteWork, a white table where the source is smaller; free the
// sprite and both pictures after the drop, or only the pictures.
void TakeTableForSprite();
void TakeTableForSprite(const platform::Canvas& source);
void FreeSprite();
void FreeSpriteTables();
// The drag's take of the table image: the same two pictures, filled a tile at a time
// just before the sprite first covers or shows that tile, so a press copies only what
// the sprite reaches. Until FreeSprite, nothing but the sprite may draw on the table
// image outside the tiles already taken, and SpriteBackground and SpriteWork hold the
// table only inside them.
void TakeTableForDrag();

// Shows `region` of `source` on the main window's canvas. The table image lies above
// that canvas, so while it is shown the same pixels go onto its picture too (they are
// table pixels the caller repaints anyway); the visible control is painted at once.
void ShowOnForm(const platform::Canvas& source, const QRegion& region);

// The rectangles the last SpriteMoveTo / SpriteHide copied to its target.
QRegion LastScreenUpdate();

// Test hook: called at every drawn step of a flight with the sprite's place.
void SetFlightStepListenerForTest(std::function<void(int x, int y)> f);

} // namespace Sprite
