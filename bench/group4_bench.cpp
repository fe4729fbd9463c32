// Costs of the group-4 engine: a deal of each game without painting, the move count on a
// full pyramid, a full diamond and a Monte Carlo grid as dealt, and a repaint of the
// whole grid at the largest table.
#include "bench/Group4BenchTable.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_Help2_4.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace GameState;

void Prepare(int game, int width, int height, double zoom)
{
    bench::ensureApplication();
    CurrentGameId = game;
    ApplyZoomForTest(width, height, zoom, true);
    LayoutTable();
}

void BM_Group4Deal(benchmark::State& state)
{
    Prepare(static_cast<int>(state.range(0)), 760, 500, 1.0);
    for (auto _ : state)
        Group4::DealTable4();
    benchmark::DoNotOptimize(StockCount);
}
BENCHMARK(BM_Group4Deal)
    ->Arg(18)->Arg(407)->Arg(408)->Arg(411)->Arg(412)->Arg(423)->Arg(426)->Arg(437)->Arg(438)->Arg(439)
    ->Unit(benchmark::kMicrosecond);

// Every grid card free: the most pairs to look at (Monte Carlo: a full grid as dealt).
void BM_Group4CountMovesFullGrid(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    Prepare(game, 760, 500, 1.0);
    Group4::DealTable4();
    for (const Group4::GridPlace& p : Group4::GridPlaces4(game))
        PileFaceUp[p.col][p.row] = 1;
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group4::CountMoves4(count));
}
BENCHMARK(BM_Group4CountMovesFullGrid)->Arg(411)->Arg(412)->Arg(423)->Arg(438)->Unit(benchmark::kMicrosecond);

// The grid, stock, waste and discard pile repainted at 1520 x 1000.
void BM_Group4RepaintGrid(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    auto window = bench::Group4BigTable(game);
    for (auto _ : state)
        Group4::RepaintGrid4();
    Form1 = nullptr;
}
BENCHMARK(BM_Group4RepaintGrid)->Arg(423)->Arg(438)->Unit(benchmark::kMicrosecond);

} // namespace
