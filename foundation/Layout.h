#pragma once
// The table layout of the current game: run by every new deal before it deals. It takes
// the menu screen off the window, sizes the table picture and sets the layout numbers
// of the table state (GameState.h) that the game of CurrentGameId paints, hit-tests and
// animates with, at the current window size and card size.
namespace GameState {

// Lays out the table of CurrentGameId. A game writes only the layout numbers it uses;
// the others keep the values of an earlier layout. The main window's controls are
// touched only when Form1 exists, so the numbers can be computed without a window.
void LayoutTable();

// Sets the window-size globals (table size, zoom factors, card size and card-picture
// size class) as the window-size choice does for a table of tableWidth x tableHeight at
// the uniform factor `zoom`, with wide or narrow card faces.
void ApplyZoomForTest(int tableWidth, int tableHeight, double zoom, bool wideFaces);

} // namespace GameState
