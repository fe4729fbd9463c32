#pragma once
// The settings of the program, kept in "Vardelin.ini" in the program folder. The
// options dialog changes them in memory; LoadSettings and SaveSettings move them
// between memory and the file.
#include <QString>

namespace Settings {

// Defaults as they stand before LoadSettings has run.
inline bool SoundOn = true;
inline bool SoundFlag2 = true;
inline int MoveMode = 0;          // 0 click no fly, 1 click and fly, 2 drag and drop
inline bool GifAnimationOn = true;
inline bool YellowCursor = false;
inline bool StartStatPosted = true;
inline bool GameLiked = true;
inline int WindowSize = 1;        // 1 760x500, 2 full screen, 3 990x650, 4 1290x850, 5 1520x1000
inline int FaceDeckNo = 0;        // 0..47
inline int BackDeckNo = 0;        // 0..12
inline bool BackModeFlag = true;
inline QString FontTimesName = QStringLiteral("Comic Sans MS");
inline QString FontSerifName = QStringLiteral("Comic Sans MS");
inline QString FontCouriName = QStringLiteral("Fixedsys");
inline QString FontConewName = QStringLiteral("Courier New");
inline int FontTimesPercent = 100;
inline int FontSerifPercent = 100;
inline int FontCouriPercent = 100;
inline int FontConewPercent = 100;
inline int BackgroundNo = 2;          // 0..10
inline int BackgroundColorIndex = 0;  // 0..6
inline QString LocalPlayerName = QStringLiteral("Unknown");
inline QString RatingServiceAddressCoded;
inline QString RatingServiceAddress;
inline QString PassportNick;
inline QString PassportCountry;
inline QString PassportCity;
inline QString PassportSex;
inline QString StatServiceAddressCoded;
inline QString StatServiceAddress;
inline QString AccountServiceAddress;
inline QString ServerGameCode;
inline bool WorldTopTenOn = false;

// Reads the settings file (defaults first); refreshes the server addresses after a
// complete read.
void LoadSettings();
// Writes the 27 lines of the settings file.
void SaveSettings();

} // namespace Settings
