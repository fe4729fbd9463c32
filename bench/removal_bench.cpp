// The group-4 removal releases at 1520 x 1000 in move mode 0, sound off: a Monte Carlo
// pair removed from a full grid with every gap closed and refilled, and a Pairs stock
// deal of nine cards.
#include "bench/Group4BenchTable.h"
#include "platform/PictureControl.h"

#include <benchmark/benchmark.h>

namespace {

using namespace GameState;

void BM_MontePairRelease(benchmark::State& state)
{
    auto window = bench::Group4BigTable(Group4::MonteCarlo);
    // Places (1, 1) and (2, 2) made a pair of sixes; the stock refills them.
    const TCardCode six1 = TCardCode::fromString(QString::fromUtf8("6ч"));
    const TCardCode six2 = TCardCode::fromString(QString::fromUtf8("6п"));
    const auto cards = PileCards;
    const auto values = PileValues;
    const Cards104 stock = StockCards;
    const Values104 stockValues = StockValues;
    const int stockCount = ExtraPileCount;
    const int x = GridX[2][2] + CardWidth / 2;
    const int y = GridY[2][2] + CardHeight / 2;
    for (auto _ : state) {
        state.PauseTiming();
        PileCards = cards;
        PileValues = values;
        PileCards[1][1] = six1;
        PileValues[1][1] = 5;
        PileCards[2][2] = six2;
        PileValues[2][2] = 5;
        StockCards = stock;
        StockValues = stockValues;
        ExtraPileCount = stockCount;
        SelectedPile = 1;
        SelectedSlot = 1;
        GameOver = 0;
        state.ResumeTiming();
        Group4::MonteMouseUp(platform::mbLeft, 0u, x, y);
    }
    Form1 = nullptr;
}
BENCHMARK(BM_MontePairRelease)->Unit(benchmark::kMillisecond);

void BM_PairsStockDeal(benchmark::State& state)
{
    auto window = bench::Group4BigTable(Group4::Pairs);
    const auto cards = PileCards;
    const auto values = PileValues;
    const Cards104 stock = StockCards;
    const Values104 stockValues = StockValues;
    const int x = AuxPile2X + CardWidth / 2;
    const int y = AuxPile2Y + CardHeight / 2;
    for (auto _ : state) {
        state.PauseTiming();
        PileCards = cards;
        PileValues = values;
        for (int i = 1; i <= 9; ++i)
            PileCounts[i] = 6;
        StockCards = stock;
        StockValues = stockValues;
        StockCount = 59;
        GameOver = 0;
        state.ResumeTiming();
        Group4::PairsMouseUp(platform::mbLeft, 0u, x, y);
    }
    Form1 = nullptr;
}
BENCHMARK(BM_PairsStockDeal)->Unit(benchmark::kMillisecond);

} // namespace
