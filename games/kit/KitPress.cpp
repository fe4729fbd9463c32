#include "games/kit/KitPress.h"

#include "foundation/GameState.h"
#include "games/kit/KitCursors.h"
#include "platform/Seams.h"

#include <cstdlib>

namespace Kit {

using namespace GameState;

bool PressWhileDragging()
{
    return DragActive != 0;
}

bool BeginPress(platform::MouseButton Button)
{
    if (PressWhileDragging())
        return false;
    SaveScreenCursor();
    return Button == platform::mbLeft;
}

void StartPressTiming()
{
    PressTime = platform::monotonicMillis();
    PickSoundOn = std::llabs(PressTime - PressTime2) > 1000;
    PressTime2 = PressTime;
}

} // namespace Kit
