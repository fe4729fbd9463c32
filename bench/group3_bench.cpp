// Costs of the group-3 engine and of its modules: the deal with its first paint of each
// game at 1520 x 1000, the move search on the dealt tables, and the releases that move
// cards (Fig., a Flower garden run of thirteen, a Backbone card onto a foundation, a
// Picture Gallery drop and a Calculation drop), with the piles and the panel repainted
// and the end test run; and the Flower garden press that lifts a run.
#include "bench/BenchApplication.h"
#include "bench/BenchTable.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group3/Qyv_33_PG.h"
#include "games/group3/Qyv_40_Fig.h"
#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_41_Sad.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace GameState;

std::unique_ptr<TTableSurface> Table1520(int game)
{
    bench::ensureApplication();
    CurrentGameId = game;
    CurrentGroup = 3;
    ApplyZoomForTest(1520, 1000, 2.0, true);
    LayoutTable();
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    Settings::SoundOn = false;
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->ImageStol->setPictureSize(1520, 1000);
    return window;
}

#define GROUP3_GAMES Arg(12)->Arg(405)->Arg(406)->Arg(417)->Arg(418)->Arg(425)->Arg(428)->Arg(443)->Arg(444)->Arg(445)

void BM_Group3DealAndPaint1520(benchmark::State& state)
{
    auto window = Table1520(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Group3::DealTable3();
        Group3::PaintTable3();
        Group3::DrawInfoPanel3();
    }
    Form1 = nullptr;
}
BENCHMARK(BM_Group3DealAndPaint1520)->GROUP3_GAMES->Unit(benchmark::kMicrosecond);

// The move search on each game as dealt (target: under 10 microseconds).
void BM_Group3CountMoves(benchmark::State& state)
{
    bench::ensureApplication();
    CurrentGameId = static_cast<int>(state.range(0));
    CurrentGroup = 3;
    ApplyZoomForTest(760, 500, 1.0, true);
    LayoutTable();
    Group3::DealTable3();
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group3::CountMoves3(count));
}
BENCHMARK(BM_Group3CountMoves)->GROUP3_GAMES->Unit(benchmark::kMicrosecond);

// A drag-mode release in Fig. that lands the card on the empty pile 9 or 15 (target:
// under 2 ms at 1520 x 1000); the press that lifts it is not timed.
void BM_FigReleaseMovingACard1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(Fig);
    Settings::MoveMode = 2;
    DealTable3();
    PaintTable3();
    RoundActive = 1;
    RoundPhase = 2;
    GameOver = 0;
    auto centre = [](int p) { return QPoint(FigPileX(p) + CardWidth / 2, FigTopY(p) + CardHeight / 2); };
    auto move = [&](int from, int to) {
        const QPoint press = centre(from);
        const QPoint release = press + QPoint(FigPileX(to) - FigPileX(from), FigTopY(to) - FigTopY(from));
        FigMouseDown(platform::mbLeft, {}, press.x(), press.y());
        return release;
    };
    QPoint r = move(1, 9);
    FigMouseUp(platform::mbLeft, {}, r.x(), r.y());
    int from = 9;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = from == 9 ? 15 : 9;
        r = move(from, to);
        state.ResumeTiming();
        FigMouseUp(platform::mbLeft, {}, r.x(), r.y());
        from = to;
    }
    if (GameOver || MoveCounter < 1)
        state.SkipWithError("the card did not move");
    Form1 = nullptr;
}
BENCHMARK(BM_FigReleaseMovingACard1520)->Unit(benchmark::kMicrosecond);

// A drag-mode release in Picture Gallery that lands a five on its two in a gallery place
// (target: under 2 ms at 1520 x 1000); the press that lifts it off the place is not timed.
void BM_PGDropOnAGalleryPlace1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(PictureGallery);
    Settings::MoveMode = 2;
    DealTable3();
    PileCards2[1][1][1] = TCardCode::fromString(QString::fromUtf8("2ч"));
    PileCards2[1][1][2] = TCardCode::fromString(QString::fromUtf8("5ч"));
    PGGalleryCount[1][1] = 2;
    PaintTable3();
    RoundActive = 1;
    RoundPhase = 2;
    GameOver = 0;
    const QPoint place(PGPlaceX(1) + CardWidth / 2, PGPlaceY(1) + CardHeight / 2);
    for (auto _ : state) {
        state.PauseTiming();
        PGMouseDown(platform::mbLeft, {}, place.x(), place.y());
        state.ResumeTiming();
        PGMouseUp(platform::mbLeft, {}, place.x() + 7, place.y() + 5);
    }
    if (GameOver || PGGalleryCount[1][1] != 2)
        state.SkipWithError("the five did not land");
    Form1 = nullptr;
}
BENCHMARK(BM_PGDropOnAGalleryPlace1520)->Unit(benchmark::kMicrosecond);

// A drag-mode release in Calculation that lays the stock's top on a waste pile whose
// step closes up with it (target: under 2 ms at 1520 x 1000); the lift is not timed.
void BM_CalcDropChangingTheFanStep1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(Calculation);
    Settings::MoveMode = 2;
    DealTable3();
    // The first count at which one more card squeezes the pile.
    int n = 2;
    for (PileCounts[1] = 2; PileCounts[1] < 48; ++PileCounts[1]) {
        const int before = FanStep3(1);
        ++PileCounts[1];
        const bool squeezes = FanStep3(1) != before;
        --PileCounts[1];
        if (squeezes) {
            n = PileCounts[1];
            break;
        }
    }
    for (int s = 1; s < n; ++s) {
        PileCards[1][s] = WasteCards[48];
        PileValues[1][s] = WasteValues[48];
    }
    RoundActive = 1;
    RoundPhase = 2;
    GameOver = 0;
    const QPoint stock(AuxPile1X + CardWidth / 2, AuxPile1Y + CardHeight / 2);
    int before = 0;
    bool changed = true;
    for (auto _ : state) {
        state.PauseTiming();
        PileCounts[1] = n;
        PileCards[1][n] = cards::Empty;
        PileValues[1][n] = cards::EmptyValue;
        PileFanStep[1] = before = FanStep3(1);
        ExtraPileCount = 20;
        PaintTable3();
        CalcMouseDown(platform::mbLeft, {}, stock.x(), stock.y());
        const QPoint drop(PosX[1] + CardWidth / 2, PosY[1] + PileFanStep[1] * (n - 2) + CardHeight / 2);
        state.ResumeTiming();
        CalcMouseUp(platform::mbLeft, {}, drop.x(), drop.y());
        changed = changed && PileCounts[1] == n + 1 && PileFanStep[1] != before;
    }
    if (!changed)
        state.SkipWithError("the pile's step did not change");
    Form1 = nullptr;
}
BENCHMARK(BM_CalcDropChangingTheFanStep1520)->Unit(benchmark::kMicrosecond);

void StartRound()
{
    Settings::MoveMode = 2;
    Group3::DealTable3();
    Group3::PaintTable3();
    RoundActive = 1;
    RoundPhase = 2;
    GameOver = 0;
}

// Flower garden with a run of thirteen on column 1 and column 2 empty.
void GardenRunOnColumnOne()
{
    using namespace Group3;
    StartRound();
    const char* run[] = {"Кп", "Дч", "Вп", "1ч", "9п", "8ч", "7п", "6ч", "5п", "4ч", "3п", "2ч", "Тп"};
    for (int c = 1; c <= 2; ++c)
        for (int s = 1; s <= 104; ++s) {
            PileCards[c][s] = cards::Empty;
            PileValues[c][s] = cards::EmptyValue;
        }
    for (int i = 1; i <= 13; ++i) {
        PileCards[1][i] = TCardCode::fromString(QString::fromUtf8(run[i - 1]));
        PileValues[1][i] = Byte(13 - i);
    }
    PileValues[1][13] = 0;
    PileCounts[1] = 14;
    PileCounts[2] = 1;
    ColumnStep[1] = SadFanStep(1);
    RedrawColumn3(1, 0);
    RedrawColumn3(2, 0);
}

// A Flower garden release that lands a run of thirteen on an empty column, both columns
// refitted and repainted (target: under 2 ms at 1520 x 1000); the lift is not timed.
void BM_FlowerGardenRunDrop1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(FlowerGarden);
    GardenRunOnColumnOne();
    int from = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = 3 - from;
        const QPoint press(ColumnX[from] + CardWidth / 2, ColumnTop + 2);
        const QPoint release(ColumnX[to] + CardWidth / 2, ColumnTop + 2);
        SadMouseDown(platform::mbLeft, {}, press.x(), press.y());
        state.ResumeTiming();
        SadMouseUp(platform::mbLeft, {}, release.x(), release.y());
        from = to;
    }
    if (GameOver || MoveCounter < 1 || PileCounts[from] != 14)
        state.SkipWithError("the run did not move");
    Form1 = nullptr;
}
BENCHMARK(BM_FlowerGardenRunDrop1520)->Unit(benchmark::kMicrosecond);

// The press that lifts the run of thirteen under the drag sprite (target: under 1 ms).
void BM_FlowerGardenPressLiftsRun1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(FlowerGarden);
    GardenRunOnColumnOne();
    bench::TimeRunLifts(state, QPoint(ColumnX[1] + CardWidth / 2, ColumnTop + 2), SadMouseDown, SadMouseUp);
    Sprite::FreeSprite();
    Form1 = nullptr;
}
BENCHMARK(BM_FlowerGardenPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// A Backbone release that lands an Ace on an empty foundation, the foundation and the
// panel repainted (target: under 2 ms at 1520 x 1000); the lift is not timed.
void BM_BackboneFoundationDrop1520(benchmark::State& state)
{
    using namespace Group3;
    auto window = Table1520(Backbone);
    StartRound();
    const QPoint press(GridX[1][1] + CardWidth / 2, GridY[1][1] + CardHeight / 2);
    const QPoint release(FoundationPosX[8] + CardWidth / 2, FoundationPosY[8] + CardHeight / 2);
    for (auto _ : state) {
        state.PauseTiming();
        FoundationCards[8][1] = cards::Empty;
        FoundationValues[8][1] = cards::EmptyValue;
        BackboneFoundationNext[8] = 1;
        RedrawFoundation3(8);
        PileCards2[1][1][1] = TCardCode::fromString(QString::fromUtf8("Тп"));
        PileValues2[1][1][1] = 0;
        BackboneColumnNext[1][1] = 2;
        RedrawColumn3(1, 1);
        PozMouseDown(platform::mbLeft, {}, press.x(), press.y());
        state.ResumeTiming();
        PozMouseUp(platform::mbLeft, {}, release.x(), release.y());
    }
    if (GameOver || BackboneFoundationNext[8] != 2)
        state.SkipWithError("the card did not move");
    Form1 = nullptr;
}
BENCHMARK(BM_BackboneFoundationDrop1520)->Unit(benchmark::kMicrosecond);

} // namespace
