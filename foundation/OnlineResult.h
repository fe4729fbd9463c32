#pragma once
// The result of a rated online round sent to the account service: the player's record
// of the game is read, brought up to date and written back; a failed exchange can be
// repeated at the player's request.
#include "foundation/AccountClient.h"

#include <functional>

namespace Online {

// Rating when a game starts: ((N - B) x (X - (N - B) / D) - C) / N + N / D.
double RatingOnGameStart(int N, int B, int C, int D, double X);
// Rating after a round of S points in the K-th game: K / D + (C + K x (R - K / D) + S) / K.
double RatingOnGameEnd(int K, int S, int C, int D, double R);

// Acts only in rated play (OnlineState 3); clears OnlineGameRunning in every case.
void SendOnlineResult(int roundScore, int seriesTotal);

// The two requests SendOnlineResult makes; tests put a scripted service here.
struct AccountRequests {
    std::function<void(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                       bool& Ok, TQyvGame& Game)>
        readGame;
    std::function<bool(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                       const TQyvGame& Game)>
        saveGame;
};
// nullptr returns to the account client.
void SetAccountRequestsForTest(const AccountRequests* requests);

// The signed-in player's record of the current game (ServerGameCode), through the
// requests above.
void ReadAccountGame(const QString& Address, bool& Ok, TQyvGame& Game);
bool SaveAccountGame(const QString& Address, const TQyvGame& Game);

} // namespace Online
