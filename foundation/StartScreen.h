#pragma once
// What the player sees outside a round: the intro screen with its animated title, the
// program's and the game's caption pictures, the game menu with the club members, and
// the candle flames of the menu.
#include "platform/Array.h"
#include "platform/Color.h"

#include <QPoint>
#include <QString>

namespace platform {
class PictureControl;
}

namespace StartScreen {

// Set to 185 by the full menu layout; every caller passes it to DrawGameCaption.
inline int GameCaptionSize = 185;
// Current positions of the four circling intro icons.
inline platform::Arr<QPoint, 4> SplashIconPos;
// The ten letter colours of the intro title and a spare slot used by the rotation.
inline platform::Arr<platform::TColor, 11> SplashColors;
inline int SplashStep = 0;   // 0..11
inline int CandleFrame = 0;  // 0..13

// Mode 0 paints the intro on Form1->Image1; mode 1 is one animation step with Text as
// the title.
void ShowSplash(int Mode, const QString& Text);
// Mode 0 both pictures, 1 the program's title only, 2 the game caption only.
void DrawGameCaption(int Mode, int CaptionSize);
// (0, 0) the full menu screen; (0, 1) game caption, members and top three only; (1, any)
// one step of the candle flames.
void ShowMainMenu(int Mode, int SubMode);
// Writes Text on the picture's canvas with its top-left corner at X, Y.
void TextOutAt(const QString& Text, int X, int Y, platform::PictureControl& Image);

// The member text of a club line: name (1-20), rounds (31-33) and score (35-40), each
// apart by seven blanks.
QString MemberText(const QString& line);

} // namespace StartScreen
