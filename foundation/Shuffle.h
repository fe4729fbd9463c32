#pragma once
// Freshly shuffled packs for the new deals and redeals, and taking the table off the
// main window when the player leaves a round.
#include <cstdint>
#include <functional>
#include <optional>

namespace GameState {

// Each fills DealCards / DealValues [1..N] with a shuffled pack of N cards and leaves
// the entries above N as they were. 36: six to ace (values six 1 .. king 8, ace 0);
// 52: one pack (two 1 .. king 12, ace 0); 104: two packs; 96: two packs less one king
// and one ace of each suit.
void ShuffleDeck36();
void ShuffleDeck52();
void ShuffleDeck96();
void ShuffleDeck104();

// Hides the round's controls and slows the first timer back to the menu rate. The
// table state is left alone.
void HideTableControls();

// Fixes the seed of every following shuffle (a fixed seed gives a fixed deal);
// std::nullopt returns to seeding each shuffle from the monotonic clock.
void SetShuffleSeedForTest(std::optional<std::uint32_t> seed);

// Called before each repeated deal of a game that deals again until it has moves; tests
// use it to move the pinned shuffle seed on. Empty in the program.
inline std::function<void()> BeforeRedealHookForTest;

} // namespace GameState
