#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Layout.h"
#include "foundation/Shuffle.h"

#include <benchmark/benchmark.h>

namespace {

// One layout of every game in turn at the largest fixed window size.
void BM_LayoutTableAllFiftyGames(benchmark::State& state)
{
    GameState::ResetGameState();
    GameState::ApplyZoomForTest(1520, 1000, 2.0, true);
    for (auto _ : state) {
        for (const GameTables::GameInfo& g : GameTables::Games) {
            GameState::CurrentGameId = g.code;
            GameState::LayoutTable();
        }
        benchmark::DoNotOptimize(GameState::GridX);
    }
    state.SetItemsProcessed(state.iterations() * GameTables::GameCount);
    GameState::ApplyZoomForTest(760, 500, 1.0, true);
}
BENCHMARK(BM_LayoutTableAllFiftyGames);

template <void (*Shuffle)()>
void BM_Shuffle(benchmark::State& state)
{
    for (auto _ : state) {
        Shuffle();
        benchmark::DoNotOptimize(GameState::DealCards);
    }
}
BENCHMARK(BM_Shuffle<GameState::ShuffleDeck36>)->Name("BM_ShuffleDeck36");
BENCHMARK(BM_Shuffle<GameState::ShuffleDeck52>)->Name("BM_ShuffleDeck52");
BENCHMARK(BM_Shuffle<GameState::ShuffleDeck96>)->Name("BM_ShuffleDeck96");
BENCHMARK(BM_Shuffle<GameState::ShuffleDeck104>)->Name("BM_ShuffleDeck104");

} // namespace
