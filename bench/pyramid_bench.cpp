// A Pyramid pair removed by the release of the second click in move mode 0, with the
// grid, stock, waste, discard pile and info panel repainted, at 1520 x 1000.
#include "bench/Group4BenchTable.h"
#include "games/group4/Qyv_23_Pyramid.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>

namespace {

using namespace GameState;

void BM_PyramidPairRelease(benchmark::State& state)
{
    auto window = bench::Group4BigTable(Group4::Pyramid);
    // Row 7's first two places made a pair: a six and a seven.
    const TCardCode six = TCardCode::fromString(QString::fromUtf8("6ч"));
    const TCardCode seven = TCardCode::fromString(QString::fromUtf8("7п"));
    const int x = GridX[3][7] + CardWidth / 2;
    const int y = GridY[3][7] + CardHeight - 8;
    for (auto _ : state) {
        state.PauseTiming();
        PileCards[1][7] = six;
        PileValues[1][7] = 5;
        PileFaceUp[1][7] = 1;
        PileCards[3][7] = seven;
        PileValues[3][7] = 6;
        PileFaceUp[3][7] = 1;
        ExtraPileCount = 1;
        SelectedPile = 1;
        SelectedSlot = 7;
        GameOver = 0;
        state.ResumeTiming();
        Group4::PyramidMouseUp(platform::mbLeft, 0u, x, y);
    }
    Form1 = nullptr;
}
BENCHMARK(BM_PyramidPairRelease)->Unit(benchmark::kMillisecond);

} // namespace
