#pragma once
// Text tables that only the game groups 2 to 5 read and that the general tables
// (Texts.h) do not hold. Same form as there: ten entries in the order of
// LanguageIndex, read with Texts::Tx(). The entries live in TextsGames.cpp.
#include "foundation/Texts.h"

#include <vector>

namespace Texts {

// Calculation: the building order of foundation 1..4, shown as the foundation's hint
// ("A,2,3,4,5,6,7,8,9,10,J,Q,K" for foundation 1). Each language writes the court
// cards and the Ace with the letters its card faces use.
extern const TTextList<4, 1> CalcBuildingOrders;

// Every table of this file by name, for the walks that check all tables.
std::vector<TextTableEntry> GameTextTables();

} // namespace Texts
