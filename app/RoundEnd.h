#pragma once
// The second action button (the game's own extra actions while a game runs, and the
// end of the round once it is over) and leaving a round through the pop-up menu.
#include "platform/Array.h"

#include <QString>
#include <functional>

class TTableSurface;

namespace RoundEnd {

void Button8Click(TTableSurface& form);
// Finishes a round that is over: club entry, statistics, online result, the windows of
// a finished series, back to the menu.
void FinishRound(TTableSurface& form);
// The pop-up item "Exit to menu": leaves the round after a question; the club entry the
// deal took out is lost and nothing is posted.
void QuitClick(TTableSurface& form);

// The forty values of the per-group statistics table for a finished game other than
// the five group codes: the game's pair gets 1 in its first member when won, in its
// second when lost. All zero for a game not in a group list.
platform::Arr<int, 40> StatTableValues(int gameId, bool won);

// The world-top-ten and currency services and the world result window of a series;
// an empty one acts as an unreachable service (a failed request) or a window that is
// not there yet.
struct SeriesServices {
    // Returns the place; Ok False when no place came back.
    std::function<int(const QString& Address, const QString& Nick, const QString& City, const QString& Country,
                      const QString& Sex, const QString& Score, int GameId, bool& Ok)>
        submitWorldResult;
    std::function<void(const QString& Address, const QString& Nick, int Amount, bool& Ok)> saveBalance;
    std::function<int(const QString& Address, const QString& Nick, bool& Ok)> readBalance;
    std::function<void()> showWorldResultWindow;
};
SeriesServices& Services();

} // namespace RoundEnd
