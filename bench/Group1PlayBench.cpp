// Costs of playing a group-1 game through its module: the mouse release that drops a
// run on another pile (drop, both piles and the info panel repainted, the end test) on
// the largest Vardelin-Duo table, and the press that lifts it under the drag sprite, in
// every group-1 module that lifts runs.
// Deals and the end test alone are in group1_bench.cpp.
#include "bench/BenchApplication.h"
#include "bench/BenchTable.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_01_Vardelin.h"
#include "games/group1/Qyv_03_Yukon.h"
#include "games/group1/Qyv_05_Scorpion.h"
#include "games/group1/Qyv_07_Spider.h"
#include "games/group1/Qyv_Help2_1.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

using namespace GameState;

TCardCode Code(char rank, char suit)
{
    return TCardCode(rank, suit);
}

Byte ValueOf(char rank)
{
    const int order = cards::rankOrder(rank);
    return static_cast<Byte>(order == 12 ? 0 : order + 1);
}

// A group-1 game at 1520 x 1000 (Vardelin-Duo unless told), dealt, the stock turned
// onto the waste (so every release runs the end test), and two piles that pass a
// four-card run to and fro: pile 1 ends in the ten of spades, pile 2 in `run`, a ten
// with the run on it (by default the ten of clubs and a run of alternate colours).
struct RunTable {
    std::unique_ptr<TTableSurface> window;

    explicit RunTable(int game = Group1::VardelinDuo,
                      std::initializer_list<TCardCode> run = {Code('1', cards::SuitClubs), Code('9', cards::SuitHearts),
                                                              Code('8', cards::SuitSpades), Code('7', cards::SuitHearts),
                                                              Code('6', cards::SuitSpades)})
    {
        bench::ensureApplication();
        Settings::SoundOn = false;
        Settings::MoveMode = 2;
        Settings::WindowSize = 5;
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        CurrentGameId = game;
        ApplyZoomForTest(1520, 1000, 2.0, true);
        LayoutTable();
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        CardPictures::LoadTableBackground();
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->ImageStol->setPictureSize(1520, 1000);
        Group1::DealTable1();
        for (int i = 1; i <= StockCount; ++i) {
            WasteCards[WasteCount] = StockCards[i];
            WasteValues[WasteCount] = StockValues[i];
            ++WasteCount;
            StockCards[i] = cards::Empty;
            StockValues[i] = cards::EmptyValue;
        }
        StockCount = 0;
        PassCount = 3;
        RoundPhase = 2;
        GameOver = 0;

        setPile(1, {Code('1', cards::SuitSpades)});
        setPile(2, run);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        for (int p = 1; p <= LayoutPileCount; ++p)
            Group1::RedrawColumn1(p, 0);
    }
    ~RunTable()
    {
        Sprite::FreeSprite();
        Form1 = nullptr;
    }

    // Three face-down cards, then `up` face up.
    static void setPile(int p, std::initializer_list<TCardCode> up)
    {
        for (int s = 1; s <= 104; ++s) {
            PileCards[p][s] = cards::Empty;
            PileValues[p][s] = cards::EmptyValue;
            PileFaceUp[p][s] = 0;
            PileMarks[p][s] = 0;
        }
        int s = 0;
        for (char r : {'2', '3', '4'}) {
            ++s;
            PileCards[p][s] = Code(r, cards::SuitDiamonds);
            PileValues[p][s] = ValueOf(r);
        }
        for (const TCardCode& c : up) {
            ++s;
            PileCards[p][s] = c;
            PileValues[p][s] = ValueOf(c.rank());
            PileFaceUp[p][s] = 1;
            PileMarks[p][s] = 1;
        }
        PileCardCount[p] = s;
        PileFanStep[p] = Group1::FanStep1(p);
    }

    // The middle of slot s of pile p (its visible strip when covered).
    static QPoint slot(int p, int s)
    {
        return {SpecialX[p] + CardWidth / 2, Group1::SlotY(p, s) + PileFanStep[p] / 2};
    }
    static QPoint top(int p)
    {
        return {SpecialX[p] + CardWidth / 2, Group1::SlotY(p, Group1::LastCardIndex1(PileCards[p])) + CardHeight / 2};
    }
    // The first card of the four-card run on pile `from`.
    static QPoint runStart(int from) { return slot(from, PileCardCount[from] - 3); }
};

void BM_Group1ReleaseMovesRun1520(benchmark::State& state)
{
    RunTable table;
    int from = 2;
    int to = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint a = RunTable::runStart(from);
        const QPoint b = RunTable::top(to);
        Group1::VardelinMouseDown(platform::mbLeft, 0, a.x(), a.y());
        state.ResumeTiming();
        Group1::VardelinMouseUp(platform::mbLeft, 0, b.x(), b.y());
        std::swap(from, to);
    }
    if (PileCardCount[1] + PileCardCount[2] != 12)
        state.SkipWithError("the run did not move");
}
BENCHMARK(BM_Group1ReleaseMovesRun1520)->Unit(benchmark::kMicrosecond);

void BM_Group1PressLiftsRun1520(benchmark::State& state)
{
    RunTable table;
    bench::TimeRunLifts(state, RunTable::runStart(2), Group1::VardelinMouseDown, Group1::VardelinMouseUp);
    if (PileCardCount[2] != 8)
        state.SkipWithError("the run did not come back");
}
BENCHMARK(BM_Group1PressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// The same press in the other group-1 modules that lift a run: a run of one suit, which
// each of them lifts.
template <class Press, class Release>
void PressLiftsOneSuitRun(benchmark::State& state, int game, Press press, Release release)
{
    RunTable table(game, {Code('1', cards::SuitHearts), Code('9', cards::SuitHearts), Code('8', cards::SuitHearts),
                          Code('7', cards::SuitHearts), Code('6', cards::SuitHearts)});
    bench::TimeRunLifts(state, RunTable::runStart(2), press, release);
    if (PileCardCount[2] != 8)
        state.SkipWithError("the run did not come back");
}

void BM_YukonPressLiftsRun1520(benchmark::State& state)
{
    PressLiftsOneSuitRun(state, Group1::YukonSolo, Group1::YukonMouseDown, Group1::YukonMouseUp);
}
BENCHMARK(BM_YukonPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

void BM_ScorpionPressLiftsRun1520(benchmark::State& state)
{
    PressLiftsOneSuitRun(state, Group1::ScorpionSolo, Group1::ScorpionMouseDown, Group1::ScorpionMouseUp);
}
BENCHMARK(BM_ScorpionPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

void BM_SpiderPressLiftsRun1520(benchmark::State& state)
{
    PressLiftsOneSuitRun(state, Group1::SpiderSolo, Group1::SpiderMouseDown, Group1::SpiderMouseUp);
}
BENCHMARK(BM_SpiderPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// One step of a drag: the sprite moved a few pixels and the module's move handler (the
// drag cursor over the piles), as the table's dispatch does it.
void BM_Group1DragStep1520(benchmark::State& state)
{
    RunTable table;
    const QPoint a = RunTable::runStart(2);
    Group1::VardelinMouseDown(platform::mbLeft, 0, a.x(), a.y());
    int dx = 0;
    for (auto _ : state) {
        dx = (dx + 7) % 400;
        const int x = a.x() + dx;
        const int y = a.y() + dx / 2;
        Sprite::SpriteMoveTo(x - DragOffsetX, y - DragOffsetY, 1);
        Group1::VardelinMouseMove(0, x, y);
    }
    Group1::VardelinMouseUp(platform::mbLeft, 0, a.x(), a.y());
    if (PileCardCount[2] != 8)
        state.SkipWithError("the run did not come back");
}
BENCHMARK(BM_Group1DragStep1520)->Unit(benchmark::kMicrosecond);

// A Spider stock deal in the first flying mode at 760 x 500: ten flights of one pixel
// per millisecond. Its wall time should be the flights' steps in milliseconds, within
// 15 % (the counter "ms_per_step" near 1): repaints count into each step's pace.
void BM_SpiderStockDealMode1(benchmark::State& state)
{
    bench::ensureApplication();
    Settings::SoundOn = false;
    Settings::MoveMode = 1;
    Settings::WindowSize = 1;
    Settings::FaceDeckNo = 0;
    Settings::BackDeckNo = 0;
    CurrentGameId = Group1::SpiderSolo;
    ApplyZoomForTest(760, 500, 1.0, true);
    LayoutTable();
    CardPictures::LoadCardFaces();
    CardPictures::LoadCardBacks();
    CardPictures::LoadTableBackground();
    auto window = std::make_unique<TTableSurface>();
    Form1 = window.get();
    Form1->ImageStol->setPictureSize(760, 500);
    Form1->show();
    double steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Group1::DealTable1();
        RoundPhase = 2;
        GameOver = 0;
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        for (int p = 1; p <= LayoutPileCount; ++p) {
            Group1::RedrawColumn1(p, 0);
            const int s = Group1::LastCardIndex1(PileCards[p]) + 1;
            steps += std::max(std::abs(SpecialX[p] - SpecialX[1]), std::abs(Group1::SlotY(p, s) - Group1::StockTopY1()));
        }
        const int before = StockCount;
        const QPoint stock(SpecialX[1] + CardWidth / 2, Group1::StockTopY1() + CardHeight / 2);
        state.ResumeTiming();
        Group1::SpiderMouseUp(platform::mbLeft, 0, stock.x(), stock.y());
        if (StockCount != before - 10)
            state.SkipWithError("the stock did not deal a row");
    }
    state.counters["ms_per_step"] = benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    Sprite::FreeSprite();
    Form1 = nullptr;
}
BENCHMARK(BM_SpiderStockDealMode1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
