#pragma once
// The click that every button plays, the rising balloons after a won game, the time of
// day for press timing and the distance of two points for drop tolerances.
#include "platform/Array.h"

#include <QString>

namespace Celebration {

// Set by a game module on a win (together with starting Form1->Timer2, 10 ms); the next
// tick starts the balloons. The menu screen clears it and stops the timer.
inline bool WinBalloonsPending = false;
inline bool BalloonsActive = false;
inline platform::Arr<int, 20> BalloonX;
inline platform::Arr<int, 20> BalloonY;
inline platform::Arr<int, 20> BalloonPicture; // 1..6: "GBalloon1" .. "GBalloon6"

// Plays the click when `soundOn` is set. A click still sounding goes on: no second click
// is started over it. Callers pass "WavClick", 0 and SoundOn.
void PlayClickSound(const QString& name, int unused, bool soundOn);
// One tick of the celebration (the body of Form1->Timer2's handler).
void PlayWinBalloons();
// Starts the celebration: what a game module does on a win.
void StartWinBalloons();
// Stops it at any point (the menu screen).
void StopWinBalloons();

// Local time of day in milliseconds.
int MsSinceMidnight();
double Distance(int x1, int y1, int x2, int y2);

} // namespace Celebration
