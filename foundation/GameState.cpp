#include "foundation/GameState.h"

#include <type_traits>

namespace GameState {

void ResetGameState()
{
#define VARDELIN_RESET_GAMESTATE(type, name) name = std::remove_cvref_t<decltype(name)>{};
    VARDELIN_GAMESTATE_VARS(VARDELIN_RESET_GAMESTATE)
#undef VARDELIN_RESET_GAMESTATE
}

} // namespace GameState
