#pragma once
// 8 Sages' rule helpers: the same steps as Flower garden's, under the game's own names.
#include "games/group3/Qyv_41_Sad.h"

namespace Group3 {

inline bool MudFitsTableau(const TCardCode& Card, const TCardCode& Target) { return SadFitsTableau(Card, Target); }
inline bool MudFitsFoundation(const TCardCode& Card, int F) { return SadFitsFoundation(Card, F); }
inline int MudFanStep(int C) { return SadFanStep(C); }

} // namespace Group3
