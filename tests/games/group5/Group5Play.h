#pragma once
// A seeded group-5 round on the offscreen table, started with "To Begin", for the play
// tests of the modules that carry their own table handling.
#include "Group5TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/Shuffle.h"

namespace g5test {

class Group5Play : public testsupport::PlayTable {
protected:
    // A seeded deal of `game` in move mode `mode`, started with "To Begin".
    void Deal(int game, int mode, std::uint32_t seed = 4270)
    {
        using namespace GameState;
        BareTable(mode);
        // The group-5 layouts fit the table to the window's client area.
        Form1->FormArea()->resize(760, 500);
        CurrentGameId = game;
        CurrentGroup = 5;
        PlayerSlot = 6;
        SetShuffleSeedForTest(seed + static_cast<std::uint32_t>(mode));
        Group5::NewDeal5(false);
        RoundStart::Button7Click(*Form1);
        ASSERT_EQ(RoundPhase, 2);
        Sounds();
        presenter.dialogs.clear();
    }
    // The dealt table emptied (the window, layout and round kept), for a fixture.
    static void Empty()
    {
        Group5::ClearTable5();
        GameState::StockCount = 0;
        GameState::WasteCount = 1;
    }
    static QPoint Mid(int x, int y) { return {x + GameState::CardWidth / 2, y + GameState::CardHeight / 2}; }
};

} // namespace g5test
