#pragma once
// Names of the pictures that carry words, one per language: the game captions
// ("Cap" + stem + language code, 700 x 80), the program's title ("CAP" + code + "VD",
// 450 x 80, with "B" appended 900 x 160) and the language flags ("FFlag" + code,
// 100 x 100).
#include <QString>

namespace Captions {

inline constexpr int GameCaptionWidth = 700, GameCaptionHeight = 80;
inline constexpr int TitleWidth = 450, TitleHeight = 80;
inline constexpr int LargeTitleWidth = 900, LargeTitleHeight = 160;
inline constexpr int FlagWidth = 100, FlagHeight = 100;

// The caption stem of a game code ("Spider1" for 413); empty for an unknown code.
QString GameCaptionStem(int gameCode);
// "Cap" + stem + code of language 0..9; empty for an unknown game or language.
QString GameCaptionName(int gameCode, int language);
// "CAP" + code + "VD", with "B" appended for the large title.
QString TitleCaptionName(int language, bool large);
// "FFlag" + code.
QString LanguageFlagName(int language);

} // namespace Captions
