// A Golf - Block release that plays a card at 1520 x 1000: the card taken, two grid
// repaints, the stock and waste, the panel and the end test.
#include "bench/BenchTable.h"
#include "games/group2/Qyv_Golf2.h"
#include "games/group2/Qyv_Help2_2.h"

#include <benchmark/benchmark.h>

namespace {

using namespace GameState;

void BM_GolfBlockPlayRelease1520(benchmark::State& state)
{
    auto window = bench::Table1520(Group2::GolfBlock, 2, 0);
    Group2::DealTable2();
    RoundPhase = 2;
    // A layer-4 card on its neighbour rank on the waste.
    const Group2::TGolfPlace at{4, 4, 4};
    WasteCards[1] = StockCards[StockCount];
    WasteValues[1] = static_cast<Byte>((Group2::GolfValue2(at.p, at.k, at.l) + 1) % 13);
    WasteCount = 2;
    const auto cards = PileCards2;
    const auto values = PileValues2;
    const auto marks = PileMarks2;
    const int x = GridX[at.p][at.k] + CardWidth / 2;
    const int y = GridY[at.p][at.k] + CardHeight / 2;
    for (auto _ : state) {
        Group2::GolfMouseUp(x, y);
        state.PauseTiming();
        if (WasteCount != 3)
            state.SkipWithError("the release played no card");
        PileCards2 = cards;
        PileValues2 = values;
        PileMarks2 = marks;
        WasteCount = 2;
        state.ResumeTiming();
    }
    Form1 = nullptr;
}
BENCHMARK(BM_GolfBlockPlayRelease1520)->Unit(benchmark::kMicrosecond);

} // namespace
