// Costs of what a player waits on most: painting the deck at the largest size, one drag
// step on the largest table, and a flight without pauses.
#include "bench/BenchApplication.h"
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Window size 5: 1520 x 1000, zoom 2, the largest pictures, the built-in deck.
void useLargestTable()
{
    Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = 2.0;
    Scaling::TableWidth = 1520;
    Scaling::TableHeight = 1000;
    Scaling::ClassicCardMode = 2;
    Settings::WindowSize = 5;
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    GameState::CardHeight = 198;
    GameState::CardInset = 0;
    CardPictures::LoadCardFaces();
}

void BM_DrawWholeDeckZoom2(benchmark::State& state)
{
    bench::ensureApplication();
    useLargestTable();
    platform::Canvas table(1520, 1000, 0x008000);
    for (auto _ : state) {
        for (int i = 0; i < 52; ++i) {
            const TCardCode code(cards::RankOrder[i / 4], cards::SuitOrder[i % 4]);
            CardDrawing::DrawCardFace(10 + (i % 13) * 115, 10 + (i / 13) * 240, code, table);
        }
    }
    benchmark::DoNotOptimize(table.pixel(100, 100));
}
BENCHMARK(BM_DrawWholeDeckZoom2)->Unit(benchmark::kMillisecond);

// One mouse move of a dragged run of five cards, including the copy to the table image.
void BM_DragStep1520x1000(benchmark::State& state)
{
    bench::ensureApplication();
    useLargestTable();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->ImageStol->setPictureSize(1520, 1000);
    GameState::TSpr& run = GameState::DragRun;
    run.K = 5;
    for (int i = 1; i <= 5; ++i)
        run.C[i] = TCardCode(cards::RankOrder[12 - i], cards::SuitOrder[i % 4]);
    run.H = 40;
    run.G = 3;
    Sprite::TakeTableForSprite();
    Sprite::CurrentSprite = std::make_unique<Sprite::TSprite>(600, 300, 746, 658, TCardCode("--"), true, 0, run);
    int step = 0;
    for (auto _ : state) {
        // A mouse move of a few pixels, back and forth.
        const int d = (step++ % 20);
        Sprite::SpriteMoveTo(600 + (d < 10 ? d : 20 - d) * 2, 300 + (d < 10 ? d : 20 - d), 1);
    }
    Sprite::FreeSprite();
    Form1 = nullptr;
}
BENCHMARK(BM_DragStep1520x1000)->Unit(benchmark::kMicrosecond);

// The largest table in a window of its own, set as Form1, for the flights.
std::unique_ptr<TTableSurface> flightWindow()
{
    bench::ensureApplication();
    useLargestTable();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->ImageStol->setPictureSize(1520, 1000);
    Form1->FormArea()->setPictureSize(1520, 1000);
    return window;
}

// A 500-pixel flight at speed 0: every step drawn, no pauses.
void BM_Flight500Speed0(benchmark::State& state)
{
    const auto window = flightWindow();
    for (auto _ : state)
        Sprite::SpriteFly(100, 100, 600, 350, 0, TCardCode("\xD2\xEF"), 1);
    Form1 = nullptr;
}
BENCHMARK(BM_Flight500Speed0)->Unit(benchmark::kMillisecond);

// A 250-pixel flight at speed 2: 250 steps of 1 ms each, so about 250 ms of wall time
// whatever the repaints cost (the pace counts them in), within 15 %.
void BM_Flight250Speed2(benchmark::State& state)
{
    const auto window = flightWindow();
    for (auto _ : state)
        Sprite::SpriteFly(100, 100, 350, 200, 2, TCardCode("\xD2\xEF"), 1);
    state.counters["ms_per_step"] =
        benchmark::Counter(double(state.iterations()) * 250, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    Form1 = nullptr;
}
BENCHMARK(BM_Flight250Speed2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
