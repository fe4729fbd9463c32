#pragma once
// A bare table surface of 1520 x 1000 (window size 5) laid out for a game: the card
// pictures and the table background loaded, sound off, the table image sized. Form1
// points at it while the returned window lives. And the timing of a press that lifts a
// run under the drag sprite.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace bench {

inline std::unique_ptr<TTableSurface> Table1520(int game, int group, int moveMode)
{
    using namespace GameState;
    ensureApplication();
    CurrentGameId = game;
    CurrentGroup = group;
    ApplyZoomForTest(1520, 1000, 2.0, true);
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    Settings::MoveMode = moveMode;
    Settings::SoundOn = false;
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->SetClientSize(1520, 1000);
    LayoutTable();
    Form1->ImageStol->setPictureSize(1520, 1000);
    return window;
}

// Times presses at `at` through a module's press handler, each of which must lift a
// run of two cards or more into the hand; the release at the same point, not timed,
// puts the run back for the next press.
template <class Press, class Release>
void TimeRunLifts(benchmark::State& state, QPoint at, Press press, Release release)
{
    for (auto _ : state) {
        press(platform::mbLeft, 0, at.x(), at.y());
        state.PauseTiming();
        const bool lifted = GameState::DragActive && GameState::DragRun.K >= 2;
        release(platform::mbLeft, 0, at.x(), at.y());
        state.ResumeTiming();
        if (!lifted) {
            state.SkipWithError("the press lifted no run");
            break;
        }
    }
    if (GameState::DragActive)
        state.SkipWithError("the run was not put back");
}

} // namespace bench
