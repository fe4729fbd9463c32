#pragma once
// Helpers shared by the table layouts of the five game groups behind LayoutTable.
#include "foundation/GameState.h"
#include "foundation/Scaling.h"

namespace GameState::LayoutCommon {

// Notation of the layout formulas: S = Scaled, SL = ScaledLeft, ST = ScaledTop,
// R = rounding with halves to the even neighbour.
inline int S(int n) { return Scaling::Scaled(n); }
inline int SL(int p, int w) { return Scaling::ScaledLeft(p, w); }
inline int ST(int p, int h) { return Scaling::ScaledTop(p, h); }
inline int R(double x) { return Scaling::RoundHalfEven(x); }

inline void SetRect(TRect4& r, int left, int top, int right, int bottom)
{
    r[1] = left;
    r[2] = top;
    r[3] = right;
    r[4] = bottom;
}

// Place i of eight in a row symmetric about the centre line C: S(1) + S(1) apart at
// the centre, S(2) apart elsewhere.
inline int EightAboutCentre(int C, int i)
{
    const int W = CardWidth;
    if (i <= 4)
        return C - S(1) + (i - 5) * W + (i - 4) * S(2);
    return C + S(1) + (i - 5) * (W + S(2));
}

// Grid places [1..columns, 1..rows] whose x depends on the column and y on the row.
template <class XOf, class YOf>
void SetGrid(int columns, int rows, XOf x, YOf y)
{
    for (int c = 1; c <= columns; ++c) {
        for (int r = 1; r <= rows; ++r) {
            GridX[c][r] = x(c);
            GridY[c][r] = y(r);
        }
    }
}

// The pictures of the main window that a layout places.
enum class Picture { Stol, Stol2, Tuzi, Kon, Tablo2, Koloda, Help };

// Places a picture and gives its bitmap the same size; nothing without a main window.
void PlacePicture(Picture which, int left, int top, int width, int height);
// The table picture at (0, 0) with the size of the main window's client area.
void FitTableToWindow();
// Hides the controls of the menu screen and sets the help context of the game.
void PrepareWindowForRound(int helpContext);

// Step 7 of the layout for each group; C is the table's centre line.
void LayoutGroup1(int C);
void LayoutGroup2(int C);
void LayoutGroup3(int C);
void LayoutGroup4(int C);
void LayoutGroup5(int C);

} // namespace GameState::LayoutCommon
