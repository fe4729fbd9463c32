#pragma once
// Play through real mouse events on the offscreen table for the group-5 games: a seeded
// deal started with "To Begin", and the dealt table emptied for a fixture.
#include "Group5TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/Shuffle.h"

namespace g5test {

class Group5Play : public testsupport::PlayTable {
protected:
    // A deal of `game` in move mode `mode` shuffled with `seed`, started with "To Begin".
    void DealSeeded(int game, int mode, std::uint32_t seed, int width = 760, int height = 500, double zoom = 1.0)
    {
        BareTable(mode, width, height, zoom);
        // The group-5 layouts fit the table to the window's client area.
        Form1->FormArea()->resize(width, height);
        GameState::CurrentGameId = game;
        GameState::CurrentGroup = 5;
        GameState::PlayerSlot = 6;
        GameState::SetShuffleSeedForTest(seed);
        Group5::NewDeal5(false);
        RoundStart::Button7Click(*Form1);
        ASSERT_EQ(GameState::RoundPhase, 2);
        Sounds();
        presenter.dialogs.clear();
    }
    void Deal(int game, int mode, std::uint32_t seed = 4270)
    {
        DealSeeded(game, mode, seed + static_cast<std::uint32_t>(mode));
    }
    void DealGame(int game, int mode, int width = 760, int height = 500, double zoom = 1.0)
    {
        DealSeeded(game, mode, static_cast<std::uint32_t>(game * 10 + mode), width, height, zoom);
    }
    // The dealt table emptied (the window, layout and round kept), for a fixture.
    static void Empty()
    {
        Group5::ClearTable5();
        GameState::StockCount = 0;
        GameState::WasteCount = 1;
        GameState::SelectedPile = 0;
        GameState::MoveCounter = 0;
    }
    static QPoint Mid(int x, int y) { return {x + GameState::CardWidth / 2, y + GameState::CardHeight / 2}; }
};

} // namespace g5test
