#pragma once
// The play kit's end of a game: the end test after every completed move, and the end
// itself (sound, balloons, the give-up button turned into the way out, the score
// window).
//
// How a module uses it:
//   press (click modes) and release (every mode), after the move:
//            Kit::TEndTest t;
//            t.Won = [] { return IsGameWon3(); };
//            t.Stuck = [] { return CountMoves3(); };        // true: no move left
//            t.StuckOnlyWhen = [] { return StockCount == 0; };  // when the game says so
//            t.StopkaWhenDry = true;                           // Twenty
//            t.Caption = &Texts::TxtToMenu;                    // or none
//            t.Panel = [] { DrawInfoPanel3(); }; t.WonPanel = Kit::TPanelOrder::AfterScore;
//            Kit::RunEndTest(t, moved);
//   a game that ends by its own test (group 1): Kit::EndGame(won, {&Texts::TxtToMenu}).
//   move, double: nothing (the release that follows a double click runs the end test).
#include "foundation/Texts.h"

#include <functional>

namespace Kit {

enum class TEnd {
    GoesOn, // nothing ended
    Won,
    Lost,
    RanDry  // stuck while the game still has cards to give: "WavStopka", play goes on
};

// When the module's info panel is drawn around the score window.
enum class TPanelOrder { None, BeforeScore, AfterScore };

struct TEndGame {
    // Button8's caption at the end ("To menu", "Exit to menu"); null keeps its caption.
    const Texts::TText* Caption = nullptr;
    std::function<void()> Panel;
    TPanelOrder PanelOrder = TPanelOrder::None;
};

// Ends the game: GameWon := won, GameOver set, Button8 enabled (with the caption), the
// table refreshed, "WavKoGood" with the balloons or "WavKoBads", the panel and the
// score window (modal) in the asked order. Returns Won or Lost.
TEnd EndGame(bool won, const TEndGame& how = {});

struct TEndTest {
    std::function<bool()> Won;
    // The move search: true when no move is left.
    std::function<bool()> Stuck;
    // Empty: stuck ends the game. Else stuck ends it only while this holds (the stock
    // is used up, the last pass is over).
    std::function<bool()> StuckOnlyWhen;
    // Stuck, but StuckOnlyWhen does not hold yet, after a move: "WavStopka".
    bool StopkaWhenDry = false;
    const Texts::TText* Caption = nullptr;
    std::function<void()> Panel;
    TPanelOrder WonPanel = TPanelOrder::None;
    TPanelOrder LostPanel = TPanelOrder::None;
};

// The end test after a press or release; `moved` says whether it made a move.
TEnd RunEndTest(const TEndTest& test, bool moved);

} // namespace Kit
