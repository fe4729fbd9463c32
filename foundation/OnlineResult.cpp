#include "foundation/OnlineResult.h"

#include "foundation/GameState.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Presenter.h"

#include <algorithm>

namespace Online {

namespace {

const AccountRequests* requestsOverride = nullptr;

} // namespace

void ReadAccountGame(const QString& address, bool& ok, TQyvGame& game)
{
    const TQyvUser& u = AccountUser;
    if (requestsOverride && requestsOverride->readGame)
        requestsOverride->readGame(address, u.Nick, u.Pw, Settings::ServerGameCode, ok, game);
    else
        ServerReadGame(address, u.Nick, u.Pw, Settings::ServerGameCode, ok, game);
}

bool SaveAccountGame(const QString& address, const TQyvGame& game)
{
    const TQyvUser& u = AccountUser;
    if (requestsOverride && requestsOverride->saveGame)
        return requestsOverride->saveGame(address, u.Nick, u.Pw, Settings::ServerGameCode, game);
    return ServerSaveGame(address, u.Nick, u.Pw, Settings::ServerGameCode, game);
}

double RatingOnGameStart(int N, int B, int C, int D, double X)
{
    const double nb = static_cast<double>(N) - B;
    return (nb * (X - nb / D) - C) / N + static_cast<double>(N) / D;
}

double RatingOnGameEnd(int K, int S, int C, int D, double R)
{
    const double k = K;
    return k / D + (C + k * (R - k / D) + S) / k;
}

void SetAccountRequestsForTest(const AccountRequests* requests)
{
    requestsOverride = requests;
}

void SendOnlineResult(int roundScore, int seriesTotal)
{
    if (OnlineState == 3) {
        for (;;) {
            const int konL = AccountGame.KonL;
            const QString address = Scrambler::UnscrambleText(Settings::AccountServiceAddress, Scrambler::KeyAccount);
            // A failed read leaves the record in memory as it was.
            TQyvGame read = AccountGame;
            bool loaded = false;
            ReadAccountGame(address, loaded, read);
            AccountGameLoaded = loaded;
            bool saved = false;
            if (loaded) {
                AccountGame = read;
                const TQyvGame copy = AccountGame;
                TQyvGame& g = AccountGame;
                // A record with no games yet cannot divide by its count.
                if (g.Kon > 0)
                    g.Rating = RatingOnGameEnd(g.Kon, roundScore, 0, 10, g.Rating);
                if (GameState::PlayerRounds >= 10) {
                    g.Best = std::max(g.Best, seriesTotal);
                    ++g.Sessions;
                    g.KonL = 0;
                    g.Score = 0;
                } else {
                    g.KonL = GameState::PlayerRounds;
                    g.Score = seriesTotal;
                }
                saved = SaveAccountGame(address, g);
                if (!saved) {
                    AccountGame = copy;
                    AccountGame.KonL = konL;
                }
            }
            if (saved)
                break;
            const QString text = Texts::Tx(Texts::TxtCouldNotConnect) + QStringLiteral("\n\r") + Texts::Tx(Texts::TxtRepeat);
            if (platform::presenter().message(platform::MessageKind::Confirmation, Texts::Tx(Texts::ProductNames),
                                              Texts::Shown(text), platform::Buttons::YesNo) != platform::Answer::Yes)
                break;
            AccountGame.KonL = konL;
        }
        OnlineStartSaved = false;
    }
    OnlineGameRunning = false;
}

} // namespace Online
