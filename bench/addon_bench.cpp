// Costs of reading the add-on libraries the build puts beside the program: choosing a
// deck of the largest library (faces, signs and the narrow backs of library B for a
// narrow deck), choosing a back set of ten, and a background of the large size. The
// options dialog runs each of these on one click; the player waits for it.
#include "bench/BenchApplication.h"
#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

bool useBuiltLibraries(benchmark::State& state)
{
    bench::ensureApplication();
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    if (!QFile::exists(folder + CardPictures::LibraryA) || !QFile::exists(folder + CardPictures::LibraryBackgrounds)) {
        state.SkipWithError("the add-on libraries are not beside the program");
        return false;
    }
    platform::setProgramFolderForTest(folder);
    return true;
}

void scaledDrawing()
{
    Settings::WindowSize = 5;
    Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = 2.0;
    Scaling::TableWidth = 1520;
    Scaling::TableHeight = 1000;
    Scaling::ClassicCardMode = 2;
}

void restore()
{
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    Settings::BackgroundNo = 2;
    Settings::BackgroundColorIndex = 0;
    CardPictures::LoadCardFaces();
    platform::setProgramFolderForTest(QString());
}

void BM_ChooseDeckFromLibraryA(benchmark::State& state)
{
    if (!useBuiltLibraries(state))
        return;
    scaledDrawing();
    Settings::BackDeckNo = 0;
    for (auto _ : state) {
        Settings::FaceDeckNo = 14;
        benchmark::DoNotOptimize(CardPictures::LoadCardFaces());
    }
    restore();
}
BENCHMARK(BM_ChooseDeckFromLibraryA)->Unit(benchmark::kMillisecond);

void BM_ChooseBackSetOfTen(benchmark::State& state)
{
    if (!useBuiltLibraries(state))
        return;
    scaledDrawing();
    Settings::FaceDeckNo = 0;
    CardPictures::LoadCardFaces();
    for (auto _ : state) {
        Settings::BackDeckNo = 9;
        benchmark::DoNotOptimize(CardPictures::LoadCardBacks());
    }
    restore();
}
BENCHMARK(BM_ChooseBackSetOfTen)->Unit(benchmark::kMillisecond);

void BM_ChooseLargeBackground(benchmark::State& state)
{
    if (!useBuiltLibraries(state))
        return;
    scaledDrawing();
    for (auto _ : state) {
        Settings::BackgroundNo = 7;
        Settings::BackgroundColorIndex = 5;
        benchmark::DoNotOptimize(CardPictures::LoadTableBackground());
    }
    restore();
}
BENCHMARK(BM_ChooseLargeBackground)->Unit(benchmark::kMillisecond);

} // namespace
