#pragma once
// A random-play soak: deals a game with a seed on a bare table surface and sends a long
// stream of random but plausible table events (clicks, drags, double clicks, stray moves
// and releases, the action buttons) through the real dispatch, checking the table's
// invariants after every event. A failure names the game, the seed, the deal, the move
// mode and the event number, with the last events, so the run can be replayed.
//
// A game takes part through a TSoakGame: how to deal it, where its cards can lie and
// which points of the table are worth clicking, which moves are legal, whether cards may
// leave and how the player could go on. Each group keeps its description in its own
// tests (group 1: tests/games/group1/Group1Soak.h).
#include "foundation/CardCode.h"

#include <QDialog>
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

// A card's census key (its two code bytes as one number), 0 for no card.
bool IsCard(const TCardCode& c);
int CardKey(const TCardCode& c);

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
    // Cards that may leave the table (removals; a foundation that keeps only its top
    // card): called with the places the cards that left held before the event; returns
    // why that was no legal removal, or an empty text. Without a judge no card may leave.
    std::function<QString(const std::vector<TPlace>& left)> judgeLeaving;
    // No softlock: while the game runs and nothing is lifted, an empty text when the
    // player can still change the game (a move the engine's search counts, a stock or
    // reserve action, an enabled give-up), else what is missing.
    std::function<QString()> softlock;
    // Whether the game's won or stuck test holds now: after a release it must have
    // ended the game.
    std::function<bool()> endTestHolds;
    // The modules lift by pressing in every move mode (group 1), so a legal move is sent
    // as a drag in the click modes too, not as a click on the source and one on the target.
    bool dragsInEveryMode = false;
    // In the click modes a legal move whose press point this accepts is sent as a drag
    // too (a game that carries runs by drag and single cards by two clicks).
    std::function<bool(const QPoint& press)> dragsFrom;
    // With no legal move left, a share of the gestures presses the first action button
    // instead (a redeal or a rotation on offer).
    bool buttonWhenNoMove = false;
    // Points at or right of this x (0: none) lie on another picture of the window (Uncle
    // Pelk's deck image): their events go there, this much further left.
    int otherImageX = 0;
    std::function<QWidget*()> otherImage;
    // The modal window a finished game shows (empty: the game shows its own board).
    QString endWindow = QStringLiteral("FormCount");
    // Plays the user in a modal window the game opens during play (a question).
    std::function<int(QDialog&)> onDialog;
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
    // How to run the failing test alone (program and filter); a failure prints it after
    // the seed and event count it needs.
    QString replay;
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

// The action buttons a player could press now, for TSoakGame::buttons: Button8 while the
// game runs (undo, give up; once the game is over it would end the round, which is not
// table play) and Button7 in play; none in the middle of a drag, while the table holds
// the mouse.
std::vector<std::function<void()>> ActionButtonPresses();

// Runs the soak. Needs Form1 to be a table surface with its table image sized; installs
// and removes its own seams (clock, sleeper), presenter, sound sink and error reporter.
TSoakResult RunSoak(const TSoakOptions& options, const TSoakGame& game);

} // namespace soak
