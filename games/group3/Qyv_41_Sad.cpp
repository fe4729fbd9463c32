// Flower garden's rule helpers (8 Sages shares them).
#include "games/group3/Qyv_41_Sad.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

bool SadFitsTableau(const TCardCode& Card, const TCardCode& Target)
{
    if (!HoldsCard3(Target))
        return true;
    if (cards::isRed(Card) == cards::isRed(Target) || cards::isBlack(Card) == cards::isBlack(Target))
        return false;
    const int rank = RankIndex3(Card);
    return rank > 0 && RankIndex3(Target) == rank + 1;
}

bool SadFitsFoundation(const TCardCode& Card, int F)
{
    int n = 0;
    for (int s = 13; s >= 1; --s)
        if (HoldsCard3(FoundationCards[F][s])) {
            n = s;
            break;
        }
    if (RankIndex3(Card) != n)
        return false;
    return n == 0 || Card.suit() == FoundationCards[F][1].suit();
}

int SadFanStep(int C)
{
    const int n = PileCounts[C];
    if (n <= 9)
        return Scaling::Scaled(25);
    const int room = Scaling::Scaled(280) + Scaling::Scaled(10) - CardHeight;
    return std::max(1, Scaling::RoundHalfEven(static_cast<double>(room) / (n - 1)));
}

} // namespace Group3
