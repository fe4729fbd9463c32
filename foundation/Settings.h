#pragma once
// The settings of the program, kept in "Vardelin.ini" in the program folder. The
// options dialog changes them in memory; LoadSettings and SaveSettings move them
// between memory and the file.
#include <QByteArray>
#include <QList>
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
// The chat is open (the configuration page carries no chat pause switch).
inline bool ChatOn = true;

inline const QString SettingsFileName = QStringLiteral("Vardelin.ini");
inline constexpr int SettingsLineCount = 27;

// Reads the settings file (defaults first); refreshes the server addresses after a
// complete read.
void LoadSettings();
// Writes the 27 lines of the settings file.
void SaveSettings();

// The account service's per-game field prefix of a game code: "solvd" for 71,
// "soltu" 19, "solpg" 12, "solbo" 18, "soluq" 17, "sol" + the code above 400.
QString ServerGameCodeFor(int gameId);

// The steps of LoadSettings, for callers and tests that need one alone.
// Every default, the world top ten identity and the built-in addresses included.
void SetDefaultSettings();
// Applies the file's lines over the defaults; true when the reading ran to its end
// (only then are the server addresses refreshed).
bool ApplySettingsLines(const QList<QByteArray>& lines);
// The 27 lines SaveSettings writes, without line ends.
QList<QByteArray> SettingsLines();
// Asks the configuration page for the rating, statistics and account addresses.
void RefreshServerAddresses();

} // namespace Settings
