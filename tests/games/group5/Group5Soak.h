#pragma once
// The soak driver's description of the group-5 games. The checks are the group's (every
// counter in its own convention, foundations in suit order, fan steps); what differs
// between the games is one TGroup5Soak entry each, listed in Group5Soak.cpp.
#include "support/SoakDriver.h"

#include <QPoint>
#include <utility>
#include <vector>

namespace soak {

struct TGroup5Soak {
    int game = 0;
    const char* name = "";
    // Columns 1..columns of PileCounts (cards + 1) that the game uses.
    int columns = 0;
    // The expected ColumnStep of column p while nothing is lifted.
    int (*fanStep)(int p) = nullptr;
    // Foundations 1..foundations, built up (or down) in suit.
    int foundations = 0;
    bool foundationsDown = false;
    bool stock = false;
    bool waste = false;
    // Points worth aiming at and the legal moves (press point, release point).
    std::vector<QPoint> (*targets)() = nullptr;
    std::vector<std::pair<QPoint, QPoint>> (*moves)() = nullptr;
    // Cards fan (row, place) of PileCards2 holds (nullptr: the game has no fans).
    int (*fanCards)(int row, int place) = nullptr;
    // Reserves 1..reserves of AlzhirReserveCards, counted cards + 1.
    int reserves = 0;
    // The first foundation built down (0: none; Algerian patience builds 5-8 down).
    int firstFoundationDown = 0;
    // The game's own end test, when it differs from IsGameWon5 || CountMoves5.
    bool (*endTest)() = nullptr;
    // Cards column p holds when the game keeps no PileCounts (Uncle Pelk).
    int (*columnCards)(int p) = nullptr;
    // What else differs in the driver's description (another picture, a question).
    void (*adapt)(TSoakGame& g) = nullptr;
    // Foundations 1..downFoundations build down from the King, the others up (Crescent).
    int downFoundations = 0;
    // Daemon's reserve of 13 is in play.
    bool demonReserve = false;
    // A release that deals the stock runs no end test (Miss Milligan).
    bool stockDealSkipsEndTest = false;
    // How the driver sends legal moves in the click modes (TSoakGame).
    bool dragsInEveryMode = false;
    bool (*dragsFrom)(const QPoint& press) = nullptr;
    bool buttonWhenNoMove = false;
};

// The games in the soak so far.
const std::vector<TGroup5Soak>& Group5SoakGames();
// The driver's description for the entry of the current game.
TSoakGame SoakGroup5(const TGroup5Soak& entry);

} // namespace soak
