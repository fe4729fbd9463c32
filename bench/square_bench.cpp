// A Fun Deuces drag-mode release that drops the waste's top card on a foundation at
// 1520 x 1000: the sprite taken off, the card put home, the foundation and the panel
// repainted, the end test with its move count.
#include "bench/Group2BenchTable.h"
#include "foundation/GameState.h"
#include "foundation/Sprite.h"
#include "games/group2/Qyv_Help2_2.h"
#include "games/group2/Qyv_Square2.h"

#include <benchmark/benchmark.h>

namespace {

using namespace GameState;

void BM_FunDeucesDropOnFoundation1520(benchmark::State& state)
{
    auto window = bench::Group2Table1520(Group2::FunDeuces, 2);
    // The Three of hearts on the waste, over foundation 1's Two of hearts.
    WasteCards[1] = TCardCode('3', FoundationCards[1][1].suit());
    WasteValues[1] = 2;
    ExtraPileCount = 2;
    const auto foundations = FoundationCards;
    const auto values = FoundationValues;
    const auto counts = FoundationCounts;
    const Kit::TSpot waste = Group2::SquareWasteSpot2();
    const Kit::TSpot home = Group2::SquareFoundationSpot2(1);
    for (auto _ : state) {
        state.PauseTiming();
        FoundationCards = foundations;
        FoundationValues = values;
        FoundationCounts = counts;
        WasteCards[1] = TCardCode('3', FoundationCards[1][1].suit());
        WasteValues[1] = 2;
        ExtraPileCount = 2;
        Group2::SquareMouseDown(platform::mbLeft, waste.X + 20, waste.Y + 20);
        Sprite::SpriteMoveTo(home.X, home.Y, 1);
        state.ResumeTiming();
        Group2::SquareMouseUp(platform::mbLeft, home.X + 20, home.Y + 20);
        state.PauseTiming();
        if (FoundationCounts[1] != 3)
            state.SkipWithError("the release put no card home");
        state.ResumeTiming();
    }
    Form1 = nullptr;
}
BENCHMARK(BM_FunDeucesDropOnFoundation1520)->Unit(benchmark::kMicrosecond);

} // namespace
