#pragma once
// A dealt group-2 table at 1520 x 1000 on a bare table surface, sound off, the round
// being played: what the group-2 play benchmarks start from.
#include "bench/BenchTable.h"
#include "games/group2/Qyv_Help2_2.h"

namespace bench {

inline std::unique_ptr<TTableSurface> Group2Table1520(int game, int moveMode)
{
    auto window = Table1520(game, 2, moveMode);
    Group2::DealTable2();
    GameState::RoundPhase = 2;
    return window;
}

} // namespace bench
