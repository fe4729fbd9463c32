#pragma once
// The play kit: what every game module of every group stands on. This part reaches the
// table image, puts the table's background back and plays the games' sounds.
#include "platform/Canvas.h"
#include "platform/PictureControl.h"

#include <functional>

namespace Kit {

// The main window's table image; null without a window.
platform::PictureControl* TableImage();

// Puts the table's background back over a rectangle of the table's canvas (nothing for an
// empty rectangle or without a background).
void RestoreBackground(platform::Canvas& canvas, int x, int y, int w, int h);

// Plays a WAV resource when sound is on; `wait` returns only when it has ended.
void PlaySound(const char* name, bool wait = false);

// The two action buttons of a fresh deal: Button7 "To Begin", shown and enabled;
// Button8 shown (and disabled with `button8Off`). Nothing without a window.
void ShowStartButtons(bool button8Off);

// Whether a right press on the table may open the table menu: a game that peeks at cards
// with the right button turns it off over those cards. The main window hands in the hook.
inline std::function<void(bool on)> TableMenuHook;
void SetTableMenu(bool on);

} // namespace Kit
