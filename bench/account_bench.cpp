// Opening the account window signed in against the local protocol server: the eight
// reads of its creation and the first tab's painting. Target: under 100 ms here.
#include "bench/BenchApplication.h"
#include "foundation/AccountClient.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "online/Qyv_FAcc1.h"
#include "platform/ProgramFolder.h"
#include "server/OnlineServer.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_OpenAccountWindowSignedIn(benchmark::State& state)
{
    bench::ensureApplication();
    QTemporaryDir dir;
    platform::setProgramFolderForTest(dir.path());
    VardelinServer::OnlineServer server;
    if (!server.open(dir.filePath(QStringLiteral("s.sqlite"))) || !server.listen()) {
        state.SkipWithError("no server");
        return;
    }
    namespace P = VardelinServer::Paths;
    const QString saved = Settings::AccountServiceAddress;
    const QString account = server.url(QLatin1String(P::Account));
    Settings::AccountServiceAddress = Scrambler::ScrambleText(account, Scrambler::KeyAccount);
    VardelinServer::Member m;
    m.nick = QStringLiteral("ann");
    m.pw = QStringLiteral("pass1");
    m.city = QStringLiteral("Oslo");
    m.country1 = QStringLiteral("Norway");
    m.country2 = QStringLiteral("1-020");
    m.sex = QStringLiteral("M");
    m.email = QStringLiteral("a@b.c");
    m.dater = QStringLiteral("01.01.2026");
    m.r01 = m.r02 = m.r03 = QStringLiteral("xxx");
    for (int i = 0; i < 14; ++i)
        m.info << QStringLiteral("#");
    server.store().addMember(m);
    Settings::ServerGameCode = QStringLiteral("sol431");
    bool ok = false;
    Online::ServerLogin(account, m.nick, m.pw, ok, Online::AccountUser);
    Online::OnlineState = 2;
    for (auto _ : state) {
        TFAcc1 form;
        form.FormShow();
        benchmark::DoNotOptimize(&form);
    }
    Online::OnlineState = 1;
    Online::AccountUser = {};
    Settings::AccountServiceAddress = saved;
    platform::setProgramFolderForTest({});
}
BENCHMARK(BM_OpenAccountWindowSignedIn)->Unit(benchmark::kMillisecond);

} // namespace
