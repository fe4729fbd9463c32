#pragma once
// Small stateless drawing and resource routines that every window and game module
// uses: outlines, a raised silver frame, aligned and shadowed text, JPEG and WAV
// resources, smooth PNG resizing and the program's folder.
#include "platform/Canvas.h"

#include <QImage>
#include <QString>

namespace platform::resources {
class AddOnLibrary;
}

namespace DrawHelpers {

// Closed outline through (X1, Y1), (X2, Y1), (X2, Y2), (X1, Y2) with the current pen;
// unlike a rectangle it covers X2 and Y2.
void DrawRectOutline(int X1, int Y1, int X2, int Y2, platform::Canvas& Canvas);
// Line from (X1, Y1) to (X2, Y2) that paints its end pixel too.
void DrawLineWithEnd(int X1, int Y1, int X2, int Y2, platform::Canvas& Canvas);
// Raised silver panel with a sunken inner frame; leaves the pen white and the brush
// silver.
void DrawFrame3D(int X1, int Y1, int X2, int Y2, platform::Canvas& Canvas);

// Text centred between X1 and X2 (the half of the spare width truncated toward zero).
void TextOutCentered(const QString& Text, int X1, int X2, int Y, platform::Canvas& Canvas);
// Lowers the canvas font's height one pixel at a time, down to MinHeight, until Text
// is at most Width wide (a script whose glyphs run wider than the Latin ones).
void ShrinkFontToFit(const QString& Text, int Width, int MinHeight, platform::Canvas& Canvas);
// Text that ends at XRight.
void TextOutRight(const QString& Text, int XRight, int Y, platform::Canvas& Canvas);
// Text with a shadow one pixel down-right in Color at half brightness. Mode 'l' left
// at XLeft, 'c' centred between XLeft and XRight, 'r' ending at XRight; any other
// Mode writes nothing.
void TextOutShadow(const QString& Text, int XLeft, int XRight, int Y, platform::Canvas& Canvas,
                   platform::TColor Color, char Mode);
// The shadow colour of TextOutShadow: each byte halved, a half to the even neighbour.
platform::TColor ShadowColorOf(platform::TColor Color);
// Two-tone text of the info panels: the table's background put back over a box of
// BoxHeight and at least MinBoxWidth (widened to the text), then Text in Face and again
// one pixel down-right in Light, starting at X or, right-aligned, ending at X.
void DrawShadowText(const QString& Text, int X, int Y, int MinBoxWidth, int BoxHeight, platform::TColor Face,
                    platform::TColor Light, bool LeftAligned, platform::Canvas& Canvas);

// Loads the JPEG resource Name from an add-on library (Module), or from the built-in
// resources when Module is null. A missing or undecodable picture leaves Jpeg null and
// returns false.
bool LoadJpegResource(const platform::resources::AddOnLibrary* Module, const QString& Name, QImage& Jpeg);

// Resamples Png in place to NewWidth x NewHeight by bilinear weights in single
// precision. Pictures of 1 pixel or less (either way) and targets of 1 or less are left
// unchanged. Colour pictures (RGB, or RGB with alpha) give a Format_RGB32 or
// Format_ARGB32 result; indexed, grey and mono pictures throw std::runtime_error.
void ResizePngSmooth(QImage& Png, int NewWidth, int NewHeight);

// Plays the WAV resource Name; Wait returns only when it has ended. Enabled false does
// nothing at all. A missing sound stops the one playing.
void PlayWavResource(const QString& Name, bool Wait, bool Enabled);

// The program's folder, always with a trailing '/'.
void ExeDir(QString& Dir);

} // namespace DrawHelpers
