// Costs of playing Book through its module at the largest table (1520 x 1000): the
// release that drops a three-card run on another row (drop, repaint of the row, the
// turned-cards panel, the info panel and the end test), the press that lifts that run,
// and the engine's hit test and end test on a full table.
#include "bench/BenchApplication.h"
#include "bench/BenchTable.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_Help2_4.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <memory>

namespace {

using namespace GameState;

// Book dealt and painted at 1520 x 1000; rows 1 and 2 pass a run to and fro.
struct BookTable {
    std::unique_ptr<TTableSurface> window;

    BookTable()
    {
        bench::ensureApplication();
        Settings::SoundOn = false;
        Settings::MoveMode = 2;
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        CurrentGameId = Group4::Book;
        CurrentGroup = 4;
        ApplyZoomForTest(1520, 1000, 2.0, true);
        LayoutTable();
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        CardPictures::LoadTableBackground();
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->SetClientSize(1520, 1000);
        Form1->ImageStol->setPictureSize(1520, 1000);
        Group4::DealTable4();
        setRow(1, {TCardCode(cards::RankKing, cards::SuitSpades)});
        setRow(2, {TCardCode(cards::RankKing, cards::SuitClubs), TCardCode(cards::RankQueen, cards::SuitHearts),
                   TCardCode(cards::RankJack, cards::SuitSpades), TCardCode(cards::RankTen, cards::SuitHearts)});
        RoundPhase = 2;
        GameOver = 0;
        for (int r = 1; r <= 8; ++r)
            Group4::RedrawColumn4(r, 0);
    }
    ~BookTable()
    {
        Sprite::FreeSprite();
        Form1 = nullptr;
    }
    static void setRow(int r, std::initializer_list<TCardCode> list)
    {
        for (int s = 1; s <= 104; ++s) {
            PileCards[r][s] = cards::Empty;
            PileValues[r][s] = cards::EmptyValue;
        }
        int s = 0;
        for (const TCardCode& c : list) {
            ++s;
            const int order = cards::rankOrder(c.rank());
            PileCards[r][s] = c;
            PileValues[r][s] = static_cast<Byte>(order == 12 ? 0 : order + 1);
        }
    }
    static int rowY(int r) { return BookBounds[2] + (r - 1) * BookBounds[5] + std::min(CardHeight, BookBounds[5]) / 2; }
    // The strip of slot 2 of a left row (the run's first card) and a left row's last card.
    static QPoint runStart(int r) { return {BookBounds[1] - BookBounds[4] - BookBounds[4] / 2, rowY(r)}; }
    static QPoint last(int r)
    {
        const int n = Group4::LastCardIndex4(PileCards[r]);
        return {BookBounds[1] - (n - 1) * BookBounds[4] - CardWidth / 2, rowY(r)};
    }
};

void BM_BookReleaseMovesRun1520(benchmark::State& state)
{
    BookTable table;
    int from = 2;
    int to = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const QPoint a = BookTable::runStart(from);
        const QPoint b = BookTable::last(to);
        Group4::BookMouseDown(platform::mbLeft, 0, a.x(), a.y());
        state.ResumeTiming();
        Group4::BookMouseUp(platform::mbLeft, 0, b.x(), b.y());
        std::swap(from, to);
    }
    // After the last swap the run lies on `from`.
    if (Group4::LastCardIndex4(PileCards[from]) != 4 || DragActive)
        state.SkipWithError("the run did not move");
}
BENCHMARK(BM_BookReleaseMovesRun1520)->Unit(benchmark::kMicrosecond);

// The press that lifts the three-card run of row 2 under the drag sprite.
void BM_BookPressLiftsRun1520(benchmark::State& state)
{
    BookTable table;
    bench::TimeRunLifts(state, BookTable::runStart(2), Group4::BookMouseDown, Group4::BookMouseUp);
    if (Group4::LastCardIndex4(PileCards[2]) != 4)
        state.SkipWithError("the run did not come back");
}
BENCHMARK(BM_BookPressLiftsRun1520)->Unit(benchmark::kMicrosecond);

// Every row holding sixteen cards: the longest scan of the hit test and the end test.
void BM_BookHitTestAndCountMovesFullTable(benchmark::State& state)
{
    BookTable table;
    for (int r = 1; r <= 8; ++r)
        for (int s = 1; s <= 16; ++s) {
            PileCards[r][s] = TCardCode('5', cards::SuitSpades);
            PileValues[r][s] = 4;
        }
    const QPoint p = BookTable::last(4);
    int slot = 0, row = 0, area = 0, count = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Group4::BookHitTest(p.x(), p.y(), slot, row, area));
        benchmark::DoNotOptimize(Group4::CountMoves4(count));
    }
}
BENCHMARK(BM_BookHitTestAndCountMovesFullTable)->Unit(benchmark::kMicrosecond);

} // namespace
