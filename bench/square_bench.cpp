// A Fun Deuces drag-mode release that drops the waste's top card on a foundation at
// 1520 x 1000: the sprite taken off, the card put home, the foundation and the panel
// repainted, the end test with its move count.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
#include "games/group2/Qyv_Square2.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace GameState;

void BM_FunDeucesDropOnFoundation1520(benchmark::State& state)
{
    bench::ensureApplication();
    CurrentGameId = Group2::FunDeuces;
    ApplyZoomForTest(1520, 1000, 2.0, true);
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    Settings::MoveMode = 2;
    Settings::SoundOn = false;
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->SetClientSize(1520, 1000);
    LayoutTable();
    Form1->ImageStol->setPictureSize(1520, 1000);
    Group2::DealTable2();
    RoundPhase = 2;
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
