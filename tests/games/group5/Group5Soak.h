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
