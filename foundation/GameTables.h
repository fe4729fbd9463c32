#pragma once
// The fifty games: code, game number (order of the game list, club-file block and help
// context), group, English name and logo picture.
#include <QString>
#include <array>

namespace platform {
class Canvas;
}

namespace GameTables {

struct GameInfo {
    int number;           // 1..50
    int code;             // CurrentGameId
    int group;            // 1..5
    const char* name;     // English name
    const char* logo;     // logo resource name
};

inline constexpr int GameCount = 50;

// In the order of the game numbers.
extern const std::array<GameInfo, GameCount> Games;

// Group codes of resource names: "VD", "TU", "PG", "BO", "UQ" for groups 1..5.
QString GroupCode(int group);

// Group 1..5 of a game code; 0 for a code that is none of the fifty.
int GameGroupOf(int gameCode);
// Game number 1..50 of a game code; 0 for a code that is none of the fifty.
int GameSlotOf(int gameCode);
// The entry of a game code, nullptr for an unknown code.
const GameInfo* GameInfoOf(int gameCode);
// Name of the current game (CurrentGameId) in the current language; empty for an
// unknown code.
void GameNameOf(QString& name);
// Draws the game's logo with its top-left corner at (x, y), size x size pixels; at
// size 170 the 175 x 175 pictures are drawn unscaled.
void DrawGameLogo(int gameCode, int x, int y, bool background, platform::Canvas& canvas, int size);

} // namespace GameTables
