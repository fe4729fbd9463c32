// The online windows and requests against the local protocol server:
// - opening the account window signed in (the eight reads of its creation and the first
//   tab's painting), target under 100 ms here;
// - the statistics window's six reads, target under 50 ms here;
// - a login with its game read and place.
#include "bench/BenchApplication.h"
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_FStat.h"
#include "online/Qyv_UAccC.h"
#include "online/Qyv_UStatC.h"
#include "platform/ProgramFolder.h"
#include "server/OnlineServer.h"
#include "tests/support/SampleMember.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A local server on a temporary database with one member, every address the program
// keeps pointed at it for the benchmark's time.
struct LocalServer {
    QTemporaryDir dir;
    VardelinServer::OnlineServer server;
    VardelinServer::Member member;
    QString account;
    QString savedAccount, savedStat, savedTable;
    bool ready = false;

    LocalServer()
    {
        bench::ensureApplication();
        platform::setProgramFolderForTest(dir.path());
        if (!server.open(dir.filePath(QStringLiteral("s.sqlite"))) || !server.listen())
            return;
        namespace P = VardelinServer::Paths;
        savedAccount = Settings::AccountServiceAddress;
        savedStat = Settings::StatServiceAddress;
        savedTable = Online::StatTableAddressCoded;
        account = server.url(QLatin1String(P::Account));
        Settings::AccountServiceAddress = Scrambler::ScrambleText(account, Scrambler::KeyAccount);
        Settings::StatServiceAddress = server.url(QLatin1String(P::Stat));
        Online::StatTableAddressCoded = Scrambler::ScrambleText(server.url(QLatin1String(P::Table)), Scrambler::KeyStatTable);
        member = testsupport::SampleMember(QStringLiteral("ann"), QStringLiteral("pass1"));
        server.store().addMember(member);
        Settings::ServerGameCode = QStringLiteral("sol431");
        ready = true;
    }
    ~LocalServer()
    {
        Online::OnlineState = 1;
        Online::AccountUser = {};
        Settings::AccountServiceAddress = savedAccount;
        Settings::StatServiceAddress = savedStat;
        Online::StatTableAddressCoded = savedTable;
        platform::setProgramFolderForTest({});
    }
};

void BM_OpenAccountWindowSignedIn(benchmark::State& state)
{
    LocalServer local;
    if (!local.ready) {
        state.SkipWithError("no server");
        return;
    }
    bool ok = false;
    Online::ServerLogin(local.account, local.member.nick, local.member.pw, ok, Online::AccountUser);
    Online::OnlineState = 2;
    for (auto _ : state) {
        TFAcc1 form;
        form.FormShow();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_OpenAccountWindowSignedIn)->Unit(benchmark::kMillisecond);

// The statistics window of a game outside the five group records: five record reads
// and its group's table.
void BM_StatWindowSixReads(benchmark::State& state)
{
    LocalServer local;
    if (!local.ready) {
        state.SkipWithError("no server");
        return;
    }
    GameState::CurrentGameId = 422;
    GameState::CurrentGroup = GameTables::GameGroupOf(422);
    for (auto _ : state) {
        TFStat form;
        form.FormShow();
        if (form.Values.size() != 6)
            state.SkipWithError("the window read nothing");
    }
}
BENCHMARK(BM_StatWindowSixReads)->Unit(benchmark::kMillisecond);

// A login, the game record of the current game and the place of its rating.
void BM_LoginWithGameReadAndPlace(benchmark::State& state)
{
    LocalServer local;
    if (!local.ready) {
        state.SkipWithError("no server");
        return;
    }
    for (auto _ : state) {
        bool ok = false;
        Online::TQyvUser user;
        Online::ServerLogin(local.account, local.member.nick, local.member.pw, ok, user);
        Online::TQyvGame game;
        Online::ServerReadGame(local.account, local.member.nick, local.member.pw, Settings::ServerGameCode, ok, game);
        const int place = Online::ServerPlaceForRating(local.account, Settings::ServerGameCode, game.Rating, ok);
        if (!ok)
            state.SkipWithError("a request failed");
        benchmark::DoNotOptimize(place);
    }
}
BENCHMARK(BM_LoginWithGameReadAndPlace)->Unit(benchmark::kMillisecond);

} // namespace
