// Costs of the group-1 engine: a deal of each game, the end test on a full table, a full
// repaint of the largest table, and the work of a mouse release that moves a run.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group1/Qyv_Help2_1.h"
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

// A deal without a window (no painting): shuffle, table state, and for Scorpion and
// Yukon the end test and any redeal.
void BM_Group1Deal(benchmark::State& state)
{
    Prepare(static_cast<int>(state.range(0)), 760, 500, 1.0);
    for (auto _ : state)
        Group1::DealTable1();
    benchmark::DoNotOptimize(PileCardCount[1]);
}
BENCHMARK(BM_Group1Deal)
    ->Arg(71)->Arg(431)->Arg(403)->Arg(433)->Arg(404)->Arg(432)->Arg(413)->Arg(414)->Arg(421)->Arg(430)
    ->Unit(benchmark::kMicrosecond);

// End tests on the largest tables of their games, every card face up.
void BM_Group1CountMoves(benchmark::State& state)
{
    Prepare(static_cast<int>(state.range(0)), 760, 500, 1.0);
    Group1::DealTable1();
    for (int p = 1; p <= LayoutPileCount; ++p)
        for (int s = 1; s <= PileCardCount[p]; ++s)
            PileFaceUp[p][s] = 1;
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group1::CountMoves1(count));
}
BENCHMARK(BM_Group1CountMoves)->Arg(71)->Arg(432)->Arg(433)->Arg(430)->Unit(benchmark::kMicrosecond);

struct LargeTable {
    std::unique_ptr<TTableSurface> window;

    explicit LargeTable(int game)
    {
        Prepare(game, 1520, 1000, 2.0);
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        CardPictures::LoadTableBackground();
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->ImageStol->setPictureSize(1520, 1000);
        Group1::DealTable1();
    }
    ~LargeTable() { Form1 = nullptr; }
};

// Everything on the Vardelin-Duo table at 1520 x 1000 drawn again.
void BM_Group1FullRepaint1520(benchmark::State& state)
{
    LargeTable table(Group1::VardelinDuo);
    for (auto _ : state) {
        if (!CardPictures::TableBackground.isNull())
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            Group1::RedrawFoundation1(f);
        for (int p = 1; p <= LayoutPileCount; ++p)
            Group1::RedrawColumn1(p, 0);
        Group1::RedrawStockWaste1(0);
        Group1::DrawInfoPanel1();
    }
}
BENCHMARK(BM_Group1FullRepaint1520)->Unit(benchmark::kMillisecond);

// What a release that moves a run does besides the module's bookkeeping: the run moved
// in the table state, both piles repainted and the info panel redrawn (target: well
// under 2 ms at 1520 x 1000).
void BM_Group1MoveRunAndRepaint1520(benchmark::State& state)
{
    LargeTable table(Group1::VardelinDuo);
    int from = 10;
    int to = 9;
    const int run = 4;
    for (auto _ : state) {
        for (int i = 0; i < run; ++i) {
            const int s = PileCardCount[from] - run + 1 + i;
            const int d = PileCardCount[to] + 1 + i;
            PileCards[to][d] = PileCards[from][s];
            PileValues[to][d] = PileValues[from][s];
            PileFaceUp[to][d] = 1;
            PileCards[from][s] = cards::Empty;
            PileValues[from][s] = cards::EmptyValue;
        }
        PileCardCount[to] += run;
        PileCardCount[from] -= run;
        PileFanStep[to] = Group1::FanStep1(to);
        PileFanStep[from] = Group1::FanStep1(from);
        Group1::RedrawColumn1(from, 0);
        Group1::RedrawColumn1(to, 0);
        ++MoveCounter;
        Group1::DrawInfoPanel1();
        std::swap(from, to);
    }
}
BENCHMARK(BM_Group1MoveRunAndRepaint1520)->Unit(benchmark::kMicrosecond);

} // namespace
