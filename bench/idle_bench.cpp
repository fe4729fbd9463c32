// What the main window costs while nobody touches it: at the game menu (candle flames on
// the 20 ms menu timer, the two animated pictures) and on a dealt table of group 1.
// Each iteration lets the event loop run for one second of wall time, so every timer
// ticks at its own pace (the menu timer fifty times) and the window paints what they
// change; the CPU column is what that second cost the whole process.
#include "app/Qyv__Form1.h"
#include "app/RoundStart.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"

#include "bench/BenchApplication.h"
#include "bench/BenchProgramFolder.h"

#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The measured second, under a name of its own so a profiler can collect it alone.
[[gnu::noinline]] void restOneSecond()
{
    runEventLoopFor(1000);
}

// The main window shown at the game menu of Vardelin-Duo, as after a click on the intro.
struct MenuWindow {
    MenuWindow()
    {
        form.show();
        form.FormFirstShow();
        Settings::SoundOn = false;
        form.Image1Click();
        // At rest: the first round of candle flames and picture frames is behind.
        runEventLoopFor(1000);
    }
    ~MenuWindow()
    {
        form.Timer1->stop();
        form.Timer2->stop();
        form.TimerCal->stop();
    }
    struct Application {
        Application() { bench::ensureApplication(); }
    } application;
    bench::ProgramFolder folder;
    TForm1 form;
};

void BM_MenuAtRest(benchmark::State& state)
{
    MenuWindow window;
    for (auto _ : state)
        restOneSecond();
}
BENCHMARK(BM_MenuAtRest)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(3);

// A new player's deal of Vardelin-Duo left as dealt, and the same table after "To Begin".
void BM_DealtTableAtRest(benchmark::State& state)
{
    MenuWindow window;
    GameState::PlayerSlot = 6;
    RoundStart::StartDeal(window.form);
    if (state.range(0) == 1)
        RoundStart::Button7Click(window.form);
    runEventLoopFor(200);
    if (!GameState::RoundActive || GameState::MenuActive)
        state.SkipWithError("no table was dealt");
    for (auto _ : state)
        restOneSecond();
}
BENCHMARK(BM_DealtTableAtRest)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

} // namespace
