#pragma once
// Design coordinates (laid out for a 760 x 500 table) turned into pixels at the
// current window size, and the font heights of the four font roles.
#include <QString>

namespace Scaling {

// Uniform, horizontal and vertical factors against the 760 x 500 design table; set
// by the window-size code.
inline double Scale = 1.0;
inline double ScaleX = 1.0;
inline double ScaleY = 1.0;
// The table picture's size in pixels.
inline int TableWidth = 760;
inline int TableHeight = 500;
// Card-picture size class: 1 below zoom 1.3 (classic 69 x 94 bitmaps in a one-pixel
// frame), 0 from 1.3 (scaled pictures), 2 from 2.0 (the largest pictures).
inline int ClassicCardMode = 1;

// Rounds to the nearest integer, an exact half to the even neighbour.
int RoundHalfEven(double x);

int Scaled(int n);
int ScaledLeft(int position, int size);
int ScaledTop(int position, int size);
// Height of a font of design size `size` in role "times", "serif", "couri" or
// "conew"; 0 for any other role.
int FontHeightFor(int size, const QString& role);

} // namespace Scaling
