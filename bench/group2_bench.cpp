// Costs of the group-2 engine: the move count on full tables, and the deal with its first
// paint of each game at 1520 x 1000.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
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

// Golf - Block with all 476 slots of its four layers face up, and Napoleon Square as
// dealt with a waste card: the move count after every move and on every panel repaint.
void BM_Group2CountMoves(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    Prepare(game, 760, 500, 1.0);
    Group2::DealTable2();
    if (game == Group2::GolfBlock) {
        for (int p = 1; p <= 17; ++p)
            for (int k = 1; k <= 7; ++k)
                for (int l = 1; l <= 4; ++l) {
                    PileCards2[p][k][l] = DealCards[1];
                    PileValues2[p][k][l] = DealValues[1];
                    PileMarks2[p][k][l] = 1;
                }
    }
    WasteCards[1] = StockCards[StockCount];
    WasteValues[1] = StockValues[StockCount];
    WasteCount = 2;
    ExtraPileCount = 2;
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group2::CountMoves2(count));
}
BENCHMARK(BM_Group2CountMoves)->Arg(436)->Arg(420)->Arg(419)->Unit(benchmark::kMicrosecond);

// The dealing part of a new round with its first paint and the info panel.
void BM_Group2DealAndPaint1520(benchmark::State& state)
{
    Prepare(static_cast<int>(state.range(0)), 1520, 1000, 2.0);
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->ImageStol->setPictureSize(1520, 1000);
    for (auto _ : state) {
        Group2::DealTable2();
        Group2::DrawInfoPanel2();
    }
    Form1 = nullptr;
}
BENCHMARK(BM_Group2DealAndPaint1520)
    ->Arg(19)->Arg(401)->Arg(402)->Arg(419)->Arg(420)->Arg(424)->Arg(427)->Arg(434)->Arg(435)->Arg(436)
    ->Unit(benchmark::kMicrosecond);

} // namespace
