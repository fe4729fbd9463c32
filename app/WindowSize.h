#pragma once
// Applying the window size: the table size, the zoom factors and the card size that go
// with a WindowSize of 1 to 5.

class QRect;
class QSize;
class TTableSurface;

namespace WindowSize {

// Table size and zoom for a window size; full screen takes the available screen.
void SetZoomFor(int windowSize, int screenWidth, int screenHeight);
// The card size and drawing class that go with the current zoom.
void SetCardSize();
// The table size of "Full screen": the work area less the window's frame (title bar,
// borders and menu bar), so the whole window fits.
QSize FullScreenClientSize(const QSize& workArea, const QSize& frame);
// A stored size whose window does not fit on the screen falls back to the largest
// that fits.
int FittingWindowSize(int windowSize, int screenWidth, int screenHeight);
// Applies Settings::WindowSize to the main window: zoom, client size, background,
// fonts, the menu at the new size, card size and pictures.
void ApplyWindowSize(TTableSurface& form);

// Test hook: the screen area ApplyWindowSize fits the window into; an empty rectangle
// returns to the real screen.
void SetScreenAreaForTest(const QRect& area);

} // namespace WindowSize
