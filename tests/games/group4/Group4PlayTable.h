#pragma once
// Scripted group-4 rounds through the mouse: the play table with an emptied table of one
// game, its round running, and the grid games' stock written card by card.
#include "Group4TestSupport.h"

#include "support/PlayTable.h"

#include <initializer_list>

namespace g4test {

class Group4Play : public testsupport::PlayTable {
protected:
    // An empty table of `game` in move mode `mode`, the round being played, the give-up
    // off.
    void LayRound(int game, int mode)
    {
        BareTable(mode);
        EmptyTable(game);
        GameState::RoundActive = 1;
        GameState::RoundPhase = 2;
        Form1->Button8->setEnabled(false);
    }
    // StockCards[1..] and StockCount, the last card on top.
    static void Stock(std::initializer_list<const char*> list)
    {
        using namespace GameState;
        int k = 0;
        for (const char* c : list) {
            ++k;
            StockCards[k] = Cd(c);
            StockValues[k] = ValueOf(StockCards[k]);
        }
        StockCount = k;
    }
};

} // namespace g4test
