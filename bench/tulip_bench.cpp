// A Tulip click-mode move at 1520 x 1000: the press that moves an Ace into place 1 (both
// row repaints) and its release (the dead-gap count, the panel and the four flowers).
#include "bench/BenchTable.h"
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

#include <benchmark/benchmark.h>

namespace {

using namespace GameState;

void BM_TulipClickMove1520(benchmark::State& state)
{
    auto window = bench::Table1520(Group2::Tulip, 2, 0);
    Group2::DealTable2();
    RoundPhase = 2;
    TulipPhase = 1;
    // The first Ace of the deal, and place 1 of its row.
    int ap = 0, ar = 0;
    for (int r = 1; r <= 4 && ap == 0; ++r)
        for (int p = 2; p <= 14 && ap == 0; ++p)
            if (PileValues[p][r] == 0) {
                ap = p;
                ar = r;
            }
    const auto cards = PileCards;
    const auto values = PileValues;
    const int sx = TulipPlaceX[ap] + TulipPlaceStep / 2, y = TulipRowY[ar] + CardHeight / 2;
    const int tx = TulipPlaceX[1] + CardWidth / 2;
    for (auto _ : state) {
        state.PauseTiming();
        Group2::TulipMouseDown(platform::mbLeft, {}, sx, y);
        Group2::TulipMouseUp(platform::mbLeft, {}, sx, y);
        state.ResumeTiming();
        Group2::TulipMouseDown(platform::mbLeft, {}, tx, y);
        Group2::TulipMouseUp(platform::mbLeft, {}, tx, y);
        state.PauseTiming();
        if (PileValues[1][ar] != 0)
            state.SkipWithError("the Ace did not move");
        PileCards = cards;
        PileValues = values;
        Group2::RedrawTulipRow(ar);
        state.ResumeTiming();
    }
    Form1 = nullptr;
}
BENCHMARK(BM_TulipClickMove1520)->Unit(benchmark::kMicrosecond);

} // namespace
