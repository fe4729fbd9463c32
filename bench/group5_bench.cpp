// Costs of the group-5 engine and of its games: the deal of each game with its painting,
// the move count on a full 40 Thieves table and on long Miss Milligan columns, a 40
// Thieves release that drops a card at the largest table, and the Daemon and Miss
// Milligan presses that lift a run.
#include "bench/BenchApplication.h"
#include "bench/BenchTable.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "app/RoundEnd.h"
#include "games/group5/Qyv_44_BAces.h"
#include "games/group5/Qyv_49_40Vorov.h"
#include "games/group5/Qyv_Help2_5.h"
#include "platform/Seams.h"
#include "foundation/Scaling.h"
#include "games/group5/Qyv_47_Demon.h"
#include "games/group5/Qyv_28_Crescent.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>

namespace {

using namespace GameState;

// A window of width x height with the card pictures, the table laid out for `game`.
std::unique_ptr<TTableSurface> Table(int game, int width, int height, double zoom)
{
    bench::ensureApplication();
    ResetGameState();
    CurrentGameId = game;
    CurrentGroup = 5;
    Settings::SoundOn = false;
    ApplyZoomForTest(width, height, zoom, true);
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->SetClientSize(width, height);
    CardPictures::TableBackground = QImage(width, height, QImage::Format_RGB32);
    CardPictures::TableBackground.fill(Qt::darkGreen);
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    LayoutTable();
    return window;
}

// The whole stock dealt round columns 1 to 8: long columns to search.
void DealStockOntoColumns()
{
    for (int p = 1; StockCount > 0; p = p % 8 + 1) {
        PileCards[p][PileCounts[p]] = StockCards[StockCount];
        PileValues[p][PileCounts[p]] = StockValues[StockCount];
        ++PileCounts[p];
        StockCards[StockCount] = cards::Empty;
        StockValues[StockCount] = cards::EmptyValue;
        --StockCount;
    }
}

// The whole deal of each code (the player's bookkeeping left out), painting included.
void BM_Group5Deal(benchmark::State& state)
{
    auto window = Table(static_cast<int>(state.range(0)), 760, 500, 1.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(Group5::DealRound5(true));
    Form1 = nullptr;
}
BENCHMARK(BM_Group5Deal)
    ->Arg(409)->Arg(410)->Arg(415)->Arg(416)->Arg(422)->Arg(429)->Arg(440)->Arg(441)->Arg(442)
    ->Unit(benchmark::kMicrosecond);

// Every column of 40 Thieves filled and every top looked at against every other.
void BM_Group5CountMovesFortyThieves(benchmark::State& state)
{
    auto window = Table(Group5::FortyThieves, 760, 500, 1.0);
    SetShuffleSeedForTest(41);
    Group5::DealRound5(true);
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group5::CountMoves5(count));
    Form1 = nullptr;
}
BENCHMARK(BM_Group5CountMovesFortyThieves)->Unit(benchmark::kMicrosecond);

// The move search of `game` with the whole stock dealt onto its columns: long columns.
void CountMovesOnLongColumns(benchmark::State& state, int game, std::uint32_t seed)
{
    auto window = Table(game, 760, 500, 1.0);
    SetShuffleSeedForTest(seed);
    Group5::DealRound5(true);
    DealStockOntoColumns();
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Group5::CountMoves5(count));
    Form1 = nullptr;
}

void BM_Group5CountMovesMissLongColumns(benchmark::State& state)
{
    CountMovesOnLongColumns(state, Group5::Miss, 42);
}
BENCHMARK(BM_Group5CountMovesMissLongColumns)->Unit(benchmark::kMicrosecond);

// A dragged card released on an empty column at 1520 x 1000: the drop, both columns and
// the info panel repainted and the end test. The card goes to and fro between columns 9
// and 10; only the release is timed.
void BM_Group5FortyThievesDrop(benchmark::State& state)
{
    auto window = Table(Group5::FortyThieves, 1520, 1000, 2.0);
    Settings::MoveMode = 2;
    SetShuffleSeedForTest(43);
    Group5::DealRound5(true);
    RoundPhase = 2;
    for (int p = 9; p <= 10; ++p) {
        while (PileCounts[p] > 1) {
            --PileCounts[p];
            PileCards[p][PileCounts[p]] = cards::Empty;
            PileValues[p][PileCounts[p]] = cards::EmptyValue;
        }
    }
    PileCards[9][1] = StockCards[StockCount];
    PileValues[9][1] = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    PileCounts[9] = 2;
    for (int p = 9; p <= 10; ++p) {
        ColumnStep[p] = Group5::FortyThievesFanStep(p);
        Group5::RedrawColumn5(p, 0);
    }
    int from = 9;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = 19 - from;
        const int cx = CardWidth / 2;
        const int cy = CardHeight / 2;
        Group5::FortyThievesMouseDown(platform::mbLeft, 0, Group5::FortyThievesColumnX(from) + cx,
                                      Group5::FortyThievesTopY(from) + cy);
        const int x = Group5::FortyThievesColumnX(to) + cx;
        const int y = Group5::FortyThievesTopY(to) + cy;
        state.ResumeTiming();
        Group5::FortyThievesMouseUp(platform::mbLeft, 0, x, y);
        from = to;
    }
    Settings::MoveMode = 0;
    Form1 = nullptr;
}
BENCHMARK(BM_Group5FortyThievesDrop)->Unit(benchmark::kMicrosecond);

// The current game dealt from a fixed seed in drag mode, the round being played.
void DealInDragMode()
{
    Settings::MoveMode = 2;
    SetShuffleSeedForTest(44);
    Group5::DealRound5(true);
    RoundPhase = 2;
}

// A Busy Aces card dragged between two empty piles at 1520 x 1000: the drop, the pile
// repainted, the info panel and the end test. Only the release is timed.
void BM_Group5BusyAcesDrop(benchmark::State& state)
{
    auto window = Table(Group5::BusyAces, 1520, 1000, 2.0);
    DealInDragMode();
    for (int place = 1; place <= 2; ++place) {
        PileCards2[1][place][1] = cards::Empty;
        PileValues2[1][place][1] = cards::EmptyValue;
        BAcesNext[1][place] = 1;
    }
    PileCards2[1][1][1] = StockCards[StockCount];
    PileValues2[1][1][1] = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    BAcesNext[1][1] = 2;
    Group5::RedrawColumn5(1, 1);
    Group5::RedrawColumn5(1, 2);
    int from = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = 3 - from;
        Group5::BAcesMouseDown(platform::mbLeft, 0, Group5::BAcesTopX(from) + CardWidth / 2,
                               Group5::BAcesTopY(from) + CardHeight / 2);
        const int x = GridX[1][to] + CardWidth / 2;
        const int y = GridY[1][to] + CardHeight / 2;
        state.ResumeTiming();
        Group5::BAcesMouseUp(platform::mbLeft, 0, x, y);
        from = to;
    }
    Settings::MoveMode = 0;
    Form1 = nullptr;
}
BENCHMARK(BM_Group5BusyAcesDrop)->Unit(benchmark::kMicrosecond);

void BM_Group5CountMovesAlzhirLongColumns(benchmark::State& state)
{
    CountMovesOnLongColumns(state, Group5::Alzhir, 45);
}
BENCHMARK(BM_Group5CountMovesAlzhirLongColumns)->Unit(benchmark::kMicrosecond);

// The Lucie reshuffle on a full table: a fresh pack dealt into the fans until a move is
// possible, every fan repainted.
void BM_Group5LucieReshuffle(benchmark::State& state)
{
    auto window = Table(Group5::Lucie, 760, 500, 1.0);
    SetShuffleSeedForTest(46);
    Group5::DealRound5(true);
    RoundPhase = 2;
    for (auto _ : state)
        RoundEnd::Button8Click(*Form1);
    Form1 = nullptr;
}
BENCHMARK(BM_Group5LucieReshuffle)->Unit(benchmark::kMicrosecond);

// An Uncle Pelk card moved between two downward columns at 1520 x 1000 by two clicks:
// both columns and the TabloY numbers repainted and the stuck test. Only the second
// click is timed.
void BM_Group5UnclePelkColumnMove(benchmark::State& state)
{
    auto window = Table(Group5::UnclePelk, 1520, 1000, 2.0);
    Settings::MoveMode = 0;
    SetShuffleSeedForTest(47);
    Group5::DealRound5(true);
    RoundPhase = 2;
    const auto put = [](int p, const char* code, int value) {
        for (int s = 1; s <= 13; ++s) {
            PileCards[p][s] = cards::Empty;
            PileValues[p][s] = cards::EmptyValue;
        }
        PileCards[p][1] = TCardCode(code);
        PileValues[p][1] = static_cast<Byte>(value);
        Group5::PelkAceBase[p] = 0;
    };
    int from = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = 3 - from;
        // A lone Nine of spades goes onto a Ten of spades and back again.
        put(from, "9\xEF", 8);
        put(to, "1\xEF", 9);
        Group5::PelkColumnWaiting[from] = Group5::PelkColumnWaiting[to] = 0;
        Group5::PelkRefillPending = 0;
        Group5::RedrawColumn5(from, 0);
        Group5::RedrawColumn5(to, 0);
        SelectedPile = 0;
        Group5::UnclePelkMouseUp(platform::mbLeft, 0, PileBaseX[from] + 5, PileBaseY[from] + 5);
        state.ResumeTiming();
        Group5::UnclePelkMouseUp(platform::mbLeft, 0, PileBaseX[to] + 5, PileBaseY[to] + 5);
        from = to;
    }
    Form1 = nullptr;
}
BENCHMARK(BM_Group5UnclePelkColumnMove)->Unit(benchmark::kMicrosecond);

// A card laid on top of column c.
void Put5(int c, const char* utf8, int value)
{
    PileCards[c][PileCounts[c]] = TCardCode::fromString(QString::fromUtf8(utf8));
    PileValues[c][PileCounts[c]] = static_cast<Byte>(value);
    ++PileCounts[c];
}

// Daemon dealt, with the kings of spades and clubs on columns 1 and 2 and a red queen
// with a black jack on the first.
void DaemonTwoKings()
{
    DealInDragMode();
    for (int c = 1; c <= 4; ++c) {
        for (int k = 1; k <= 13; ++k) {
            PileCards[c][k] = cards::Empty;
            PileValues[c][k] = cards::EmptyValue;
        }
        PileCounts[c] = 1;
    }
    Put5(1, "Кп", 12);
    Put5(2, "Кк", 12);
    Put5(1, "Дч", 11);
    Put5(1, "Вк", 10);
    Put5(4, "9п", 8);
    for (int c = 1; c <= 4; ++c)
        Group5::RedrawColumn5(c, 0);
}

// A Daemon release that drops a two-card run from one column onto another at 1520 x
// 1000: both columns and the reserve repainted, the auto-fill and the end test. The run
// goes to and fro between the two kings; only the release is timed.
void BM_Group5DaemonRunDrop(benchmark::State& state)
{
    auto window = Table(Group5::Daemon, 1520, 1000, 2.0);
    DaemonTwoKings();
    int from = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const int to = 3 - from;
        const int x = ColumnX[from] + CardWidth / 2;
        Group5::DemonMouseDown(platform::mbLeft, 0, x, ColumnTop + DemonReserveStep + 5);
        const int tx = ColumnX[to] + CardWidth / 2;
        const int ty = ColumnTop + CardHeight / 2;
        state.ResumeTiming();
        Group5::DemonMouseUp(platform::mbLeft, 0, tx, ty);
        from = to;
    }
    Settings::MoveMode = 0;
    Form1 = nullptr;
}
BENCHMARK(BM_Group5DaemonRunDrop)->Unit(benchmark::kMicrosecond);

// bench::TimeRunLifts, then the table left: no sprite, click mode, no window.
template <class Press, class Release>
void TimeRunLiftsAndLeave(benchmark::State& state, QPoint at, Press press, Release release)
{
    bench::TimeRunLifts(state, at, press, release);
    Sprite::FreeSprite();
    Settings::MoveMode = 0;
    Form1 = nullptr;
}

// The press that lifts Daemon's two-card run under the drag sprite at 1520 x 1000.
void BM_Group5DaemonPressLiftsRun1520(benchmark::State& state)
{
    auto window = Table(Group5::Daemon, 1520, 1000, 2.0);
    DaemonTwoKings();
    const QPoint at(ColumnX[1] + CardWidth / 2, ColumnTop + DemonReserveStep + 5);
    TimeRunLiftsAndLeave(state, at, Group5::DemonMouseDown, Group5::DemonMouseUp);
}
BENCHMARK(BM_Group5DaemonPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// The press that lifts a four-card run of Miss Milligan under the drag sprite at 1520 x
// 1000: column 1 holds a king of spades, a queen of hearts, a jack of spades and a ten
// of hearts.
void BM_Group5MissPressLiftsRun1520(benchmark::State& state)
{
    auto window = Table(Group5::Miss, 1520, 1000, 2.0);
    DealInDragMode();
    for (int k = 1; k <= 104; ++k) {
        PileCards[1][k] = cards::Empty;
        PileValues[1][k] = cards::EmptyValue;
    }
    PileCounts[1] = 1;
    Put5(1, "Кп", 12);
    Put5(1, "Дч", 11);
    Put5(1, "Вп", 10);
    Put5(1, "1ч", 9);
    Group5::RedrawColumn5(1, 0);
    TimeRunLiftsAndLeave(state, QPoint(PosX[1] + CardWidth / 2, PosY[1] + 2), Group5::MissMouseDown,
                         Group5::MissMouseUp);
    if (PileCounts[1] != 5)
        state.SkipWithError("the run did not come back");
}
BENCHMARK(BM_Group5MissPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// One frame of Crescent's rotation at 1520 x 1000, every frame drawn: the time of a
// whole rotation of a left pile, an upright one and a right one over their frames.
void BM_Group5CrescentRotationFrame(benchmark::State& state)
{
    auto window = Table(Group5::OpenCrescent, 1520, 1000, 2.0);
    SetShuffleSeedForTest(45);
    Group5::DealRound5(true);
    RoundPhase = 2;
    int frames = 0;
    platform::SeamOverrides seams;
    seams.sleepMs = [&frames](int) { ++frames; };
    platform::setSeamOverridesForTest(seams);
    const int saved = Scaling::ClassicCardMode;
    Scaling::ClassicCardMode = 0;
    for (auto _ : state) {
        frames = 0;
        const auto start = std::chrono::steady_clock::now();
        Group5::CrescentRotate(0);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(spent.count() / std::max(1, frames));
    }
    Scaling::ClassicCardMode = saved;
    platform::setSeamOverridesForTest({});
    Form1 = nullptr;
}
BENCHMARK(BM_Group5CrescentRotationFrame)->UseManualTime()->Iterations(3)->Unit(benchmark::kMicrosecond);


} // namespace
