#pragma once
// Every picture of a card on the table: a face, an empty place or a pile-base marker, the
// back in use, and the selection and target frames. The classic drawing (ClassicCardMode
// 1) puts 69 x 94 bitmaps in a one-pixel black frame with cut corners, so a card covers
// 71 x 96 pixels; the scaled drawings draw pictures at CardWidth x CardHeight.
#include "foundation/CardCode.h"

namespace platform {
class Canvas;
class PictureControl;
}

namespace CardDrawing {

// Which loaded back DrawCardBack and the sprites draw, 1..10.
inline int CurrentBackIndex = 1;

// Orange of the target frame.
inline constexpr unsigned TargetFrameColor = 0x4080FF;

// A face code, "##" (nothing), "No" (empty place), "--" (frame only) or "-" + marker
// character, with its top-left corner at (x, y).
void DrawCardFace(int x, int y, const TCardCode& code, platform::Canvas& image);
void DrawCardFace(int x, int y, const TCardCode& code, platform::PictureControl* image);
void DrawCardBack(int x, int y, platform::Canvas& image);
void DrawCardBack(int x, int y, platform::PictureControl* image);
// Mode 1 inverts the card (a second call undoes it); mode 0 draws the orange two-pixel
// frame. The last argument is accepted for the callers and has no effect.
void DrawCardOutline(int x, int y, int mode, platform::Canvas& image, int unused = 0);
void DrawCardOutline(int x, int y, int mode, platform::PictureControl* image, int unused = 0);
// Picks the back for the next deal: by weekday, back 7 when one back is wanted, a random
// one of ten for the sets that hold ten.
void ChooseCardBack();

// Resource names of a marker character's pictures (empty for an unknown character).
const char* MarkerBitmapName(char marker);
const char* MarkerPictureName(char marker);

} // namespace CardDrawing
