#include "foundation/FanSteps.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"

#include <algorithm>

namespace GameState {

using Scaling::RoundHalfEven;
using Scaling::Scaled;

int CrescentFanStep(int Pile)
{
    const int n = PileCounts[Pile];
    if (CurrentGameId != 416)
        return 2;
    const bool sideFan = Pile <= 5 || Pile >= 12;
    if (sideFan) {
        if (n >= 2 && Scaled(10) + (n - 2) * Scaled(20) + CardWidth > PosX[1] + CardWidth)
            return RoundHalfEven(static_cast<double>(PosX[1]) / (n - 1));
        return Scaled(20);
    }
    if (n >= 2 && Scaled(10) + (n - 2) * Scaled(20) + CardHeight > PosY[3] - Scaled(40))
        return RoundHalfEven(static_cast<double>(PosY[3] - Scaled(5) - CardHeight) / (n - 1));
    return Scaled(20);
}

int AlzhirFanStep(int Pile)
{
    const int n = PileCounts[Pile];
    if (n <= 8)
        return Scaled(16);
    // Past 23 cards the plain formula reaches 0 and then goes negative, which would
    // stack the column on one spot or fan it upwards over the foundations.
    return std::max(1, Scaled(16) - Scaled(n - 8));
}

} // namespace GameState
