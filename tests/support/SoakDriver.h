#pragma once
// A random-play soak: deals a game with a seed on a bare table surface and sends a long
// stream of random but plausible table events (clicks, drags, double clicks, stray moves
// and releases, the action buttons) through the real dispatch, checking the table's
// invariants after every event. A failure names the game, the seed, the deal, the move
// mode and the event number, with the last events, so the run can be replayed.
//
// A game takes part through a TSoakGame: how to deal it, where its cards can lie and
// which points of the table are worth clicking. SoakGroup1() describes the ten games of
// group 1; another group adds its own description.
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace soak {

// One place of the table that can hold a card, as the census sees it: where it is
// (area "pile", index 3, slot 7), the card (its two code bytes as one number, 0 for an
// empty place) and the value byte beside it.
struct TPlace {
    const char* area = "";
    int index = 0;
    int slot = 0;
    int card = 0;
    int value = 0;
    QString where() const;
};

struct TSoakGame {
    // Deals a new round of the current game (GameState::CurrentGameId is set) and
    // unlocks the table. False when the deal failed.
    std::function<bool()> deal;
    // Every place that may hold a card of the pack at this moment, lifted cards
    // included while something is lifted.
    std::function<std::vector<TPlace>()> census;
    // Further invariants of the group; returns the broken one, or an empty text.
    std::function<QString()> check;
    // Points of the table worth aiming at now (cards, piles, stock, waste, cells).
    std::function<std::vector<QPoint>()> targets;
    // Moves the rules allow now, as a press point and a release point, foundation
    // moves first; a share of the gestures plays one of them so deals get somewhere.
    std::function<std::vector<std::pair<QPoint, QPoint>>()> moves;
    // The action buttons a player could press now; each entry presses one.
    std::function<std::vector<std::function<void()>>()> buttons;
};

struct TSoakOptions {
    int game = 0;
    std::uint32_t seed = 1;
    int events = 20000;
    // A deal runs for at most this many events (a finished game ends it sooner), so a
    // run visits many deals and all three move modes.
    int eventsPerDeal = 1500;
    // Events sent after a game ended, to see that it stays as it ended.
    int eventsAfterEnd = 40;
};

struct TSoakResult {
    bool ok = true;
    QString failure;  // game, seed, deal, mode, event, broken invariant, last events
    int deals = 0;
    int finishedGames = 0;
    int wonGames = 0;
    int eventsSent = 0;
};

// Events per game: VARDELIN_SOAK_EVENTS when set, else `fallback`.
int EventsFromEnvironment(int fallback);
// The base seed: VARDELIN_SOAK_SEED when set, else `fallback`.
std::uint32_t SeedFromEnvironment(std::uint32_t fallback);

// Runs the soak. Needs Form1 to be a table surface with its table image sized; installs
// and removes its own seams (clock, sleeper), presenter, sound sink and error reporter.
TSoakResult RunSoak(const TSoakOptions& options, const TSoakGame& game);

// The description of the ten games of group 1.
TSoakGame SoakGroup1();

} // namespace soak
