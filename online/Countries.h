#pragma once
// The countries of the passport and the account: six tables by continent (1 Europe,
// 2 Asia, 3 North America, 4 South America, 5 Oceania, 6 Africa), their flags, the sex
// icon and the check of a nick or a city. A country code is the continent digit, "-"
// and the three-digit number in that continent's table ("1-001").
#include <QImage>
#include <QString>

class QComboBox;
namespace platform {
class Canvas;
}

namespace Online {

// Every call first sets both texts to "Unknown"; number 0 and numbers past the table
// stay "Unknown".
void CountryNameEurope(int Number, QString& Name, QString& ShortName);
void CountryNameAsia(int Number, QString& Name, QString& ShortName);
void CountryNameNorthAmerica(int Number, QString& Name, QString& ShortName);
void CountryNameSouthAmerica(int Number, QString& Name, QString& ShortName);
void CountryNameOceania(int Number, QString& Name, QString& ShortName);
void CountryNameAfrica(int Number, QString& Name, QString& ShortName);
// The same by continent 1..6; another continent gives "Unknown".
void CountryName(int Continent, int Number, QString& Name, QString& ShortName);
// Entries of a continent's table, "Unknown" at 0 included (49, 52, 36, 15, 24, 55); 0
// for another continent.
int CountryCount(int Continent);

// The flag lists: "ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri".
QString FlagListName(int Continent);
inline constexpr int FlagWidth = 14;
inline constexpr int FlagHeight = 12;
// Image Number of a continent's flag list; a null image outside the list.
QImage CountryFlag(int Continent, int Number);
// The continent and number of a code of the passport form; false for anything else.
bool ParseCountryCode(const QString& Code, int& Continent, int& Number);

// 1 not allowed, 2 allowed and holding a Cyrillic letter, 3 allowed without one. Kind 0
// one typed character, 1 a nick (2 to 12 characters), 2 a city (2 to 15).
int CheckPassportText(const QString& Text, int Kind);
// The character classes of the check, which the account fields share.
enum class PassportChar { Other, Latin, Cyrillic, Sign };
PassportChar PassportCharClass(QChar c);

// Draws the flag of a country code; a code not of the passport form, a continent
// outside 1..6 or a number past the list draws nothing.
void DrawCountryFlag(const QString& Code, int X, int Y, platform::Canvas& Canvas);
// "FaceMan16" for exactly "M", else "FaceWoman16".
void DrawSexIcon(const QString& Sex, int X, int Y, platform::Canvas& Canvas);

// The owner-drawn country list of the account and passport windows: the names of a
// continent with their flags at (FlagX, FlagY) in each item, pure red taking the item's
// background, the name 8 pixels right of the flag. Item n is country number n.
void FillCountryList(QComboBox& List, int Continent, int FlagX, int FlagY);

} // namespace Online
