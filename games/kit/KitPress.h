#pragma once
// The play kit's press: the cursor kept, the button test and the press timing that
// decides whether picking a card up sounds.
//
// How a module uses it:
//   press:   if (!Kit::BeginPress(Button)) return;   // no drag pending, left button,
//                                                      // screen cursor saved
//            Kit::StartPressTiming();                 // PressTime, PickSoundOn, PressTime2
//            (a game that keeps no cursor or takes every button tests
//            Kit::PressWhileDragging() and the button itself, then times the press)
//   move, release, double: nothing.
#include "platform/PictureControl.h"

namespace Kit {

// True while a drag is pending: a press of any button then lifts nothing and changes
// no state, since its cards are in the hand and the release will place them.
bool PressWhileDragging();

// False while a drag is pending (nothing changes). Otherwise saves the screen cursor
// and returns whether the button is the left one.
bool BeginPress(platform::MouseButton Button);

// Set at each timed press: whether the pick-up sound is wanted (no earlier press within
// one second, so the second press of a double click is silent).
inline bool PickSoundOn = false;
// PressTime := now; PickSoundOn := more than 1000 ms since PressTime2; PressTime2 :=
// now. Measured on a monotonic clock.
void StartPressTiming();

} // namespace Kit
