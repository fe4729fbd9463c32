// Start-up to the intro, and the memory the program holds once the menu is shown.
#include "app/Qyv__Form1.h"

#include "bench/BenchApplication.h"
#include "bench/BenchProgramFolder.h"
#include "platform/Memory.h"

#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

long residentKb()
{
    return platform::OwnMemoryKb("VmRSS");
}

void BM_StartupToIntro(benchmark::State& state)
{
    bench::ensureApplication();
    bench::ProgramFolder folder;
    for (auto _ : state) {
        TForm1 form;
        form.show();
        form.FormFirstShow();
        benchmark::DoNotOptimize(form.startupDone());
        form.Timer1->stop();
    }
    {
        TForm1 form;
        form.show();
        form.FormFirstShow();
        form.Image1Click();
        QApplication::processEvents();
        state.counters["rss_at_menu_MB"] = residentKb() / 1024.0;
        form.Timer1->stop();
    }
}
BENCHMARK(BM_StartupToIntro)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
