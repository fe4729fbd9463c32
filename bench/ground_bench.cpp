// Costs of the most frequent ground-floor operations at the largest table size.
#include "foundation/Scaling.h"
#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ScaledLeft(benchmark::State& state)
{
    Scaling::Scale = 1.7;
    Scaling::ScaleX = 1.9;
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Scaling::ScaledLeft(position, 71));
        position = (position + 13) % 760;
    }
    Scaling::Scale = Scaling::ScaleX = 1.0;
}
BENCHMARK(BM_ScaledLeft);

// One card copied onto the 1520 x 1000 table, as every pile repaint and sprite step does.
void BM_CardBlitOnLargestTable(benchmark::State& state)
{
    platform::Canvas table(1520, 1000, 0x008000);
    platform::Canvas card(146, 198, platform::clWhite);
    int x = 0;
    for (auto _ : state) {
        table.bitBlt(x, 400, 146, 198, card, 0, 0, platform::RasterOp::SrcCopy);
        x = (x + 7) % (1520 - 146);
    }
    benchmark::DoNotOptimize(table.pixel(0, 0));
}
BENCHMARK(BM_CardBlitOnLargestTable);

// The whole 1520 x 1000 table filled with the brush, as a table repaint begins.
void BM_FullTableFill(benchmark::State& state)
{
    platform::Canvas table(1520, 1000);
    table.brush.color = 0x008000;
    for (auto _ : state) {
        table.fillRect(0, 0, 1520, 1000);
        benchmark::DoNotOptimize(table.pixel(1519, 999));
    }
}
BENCHMARK(BM_FullTableFill);

} // namespace
