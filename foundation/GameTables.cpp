#include "foundation/GameTables.h"

namespace GameTables {

const std::array<GameInfo, GameCount> Games = {{
    {1, 431, 1, "Vardelin-Solo", "GLogosVD08Vardelin1"},
    {2, 71, 1, "Vardelin-Duo", "GLogosVD01Vardelin2"},
    {3, 404, 1, "Yukon-Solo", "GLogosVD03Yukon1"},
    {4, 432, 1, "Yukon-Duo", "GLogosVD09Yukon2"},
    {5, 403, 1, "Scorpion-Solo", "GLogosVD02Scorpion1"},
    {6, 433, 1, "Scorpion-Duo", "GLogosVD10Scorpion2"},
    {7, 413, 1, "Spider-Solo", "GLogosVD04Spider1"},
    {8, 414, 1, "Spider-Duo", "GLogosVD05Spider2"},
    {9, 421, 1, "Spider-Quartet", "GLogosVD06Spider4"},
    {10, 430, 1, "Free Cell", "GLogosVD07FreeCell"},
    {11, 424, 2, "Golf - Peak", "GLogosTU06Golf1"},
    {12, 427, 2, "Golf - Three Peaks", "GLogosTU07Golf2"},
    {13, 434, 2, "Golf - Rug", "GLogosTU08Golf3"},
    {14, 435, 2, "Golf - Diamond", "GLogosTU09Golf4"},
    {15, 436, 2, "Golf - Block", "GLogosTU10Golf5"},
    {16, 19, 2, "Tulip", "GLogosTU01Tulip"},
    {17, 401, 2, "Blue Tulip", "GLogosTU02TulipB"},
    {18, 402, 2, "Paganini", "GLogosTU03Paganini"},
    {19, 407, 4, "Pairs", "GLogosBO02Pairs"},
    {20, 408, 4, "Wish", "GLogosBO03Wish"},
    {21, 411, 4, "Monte Carlo", "GLogosBO04Monte1"},
    {22, 412, 4, "Monte Carlo by Suit", "GLogosBO05Monte2"},
    {23, 423, 4, "Pyramid", "GLogosBO06Pi1"},
    {24, 426, 4, "Pyramid-Infinity", "GLogosBO07Pi2"},
    {25, 437, 4, "Open Pyramid", "GLogosBO08Pi3"},
    {26, 438, 4, "Diamond Infinity", "GLogosBO09Br1"},
    {27, 439, 4, "Open Diamond", "GLogosBO10Br2"},
    {28, 415, 5, "Crescent", "GLogosUQ04P"},
    {29, 416, 5, "Open Crescent", "GLogosUQ05PO"},
    {30, 419, 2, "Fun Deuces", "GLogosTU0402"},
    {31, 420, 2, "Napoleon Square", "GLogosTU05Nap"},
    {32, 18, 4, "Book", "GLogosBO01Book"},
    {33, 12, 3, "Picture Gallery", "GLogosPG01PG"},
    {34, 405, 3, "Desire", "GLogosPG02Desire"},
    {35, 406, 3, "Twenty", "GLogosPG0320"},
    {36, 417, 3, "Calculation", "GLogosPG04Calc"},
    {37, 418, 3, "Sultan", "GLogosPG05Sultan"},
    {38, 425, 3, "Backbone", "GLogosPG06Poz"},
    {39, 428, 3, "Carpet", "GLogosPG07Carpet"},
    {40, 443, 3, "Fig.", "GLogosPG0815"},
    {41, 444, 3, "Flower garden", "GLogosPG09Sad"},
    {42, 445, 3, "8 Sages", "GLogosPG10Mud"},
    {43, 17, 5, "Uncle Pelk", "GLogosUQ01UQ"},
    {44, 409, 5, "Busy Aces", "GLogosUQ02BAces"},
    {45, 410, 5, "Labelel Lucie", "GLogosUQ03Luci"},
    {46, 422, 5, "Algerian patience", "GLogosUQ06AT"},
    {47, 429, 5, "Daemon", "GLogosUQ07Demon"},
    {48, 440, 5, "Clover", "GLogosUQ08Klever"},
    {49, 441, 5, "40 Thieves", "GLogosUQ0940Vorov"},
    {50, 442, 5, "Miss Milligan", "GLogosUQ10Miss"},
}};

QString GroupCode(int group)
{
    static const char* const codes[] = {"VD", "TU", "PG", "BO", "UQ"};
    return (group >= 1 && group <= 5) ? QString::fromLatin1(codes[group - 1]) : QString();
}

const GameInfo* GameInfoOf(int gameCode)
{
    for (const GameInfo& g : Games)
        if (g.code == gameCode)
            return &g;
    return nullptr;
}

int GameGroupOf(int gameCode)
{
    const GameInfo* g = GameInfoOf(gameCode);
    return g ? g->group : 0;
}

int GameSlotOf(int gameCode)
{
    const GameInfo* g = GameInfoOf(gameCode);
    return g ? g->number : 0;
}

} // namespace GameTables
