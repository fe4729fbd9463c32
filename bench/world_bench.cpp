// One drawing of the world top ten against the local protocol server: its three
// requests (rows, count, own rows) and the board. Target: under 50 ms here.
#include "bench/BenchApplication.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "online/FServerRead.h"
#include "online/Qyv_UWorldC.h"
#include "platform/ProgramFolder.h"
#include "server/OnlineServer.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_DrawWorldTopTen(benchmark::State& state)
{
    bench::ensureApplication();
    QTemporaryDir dir;
    platform::setProgramFolderForTest(dir.path());
    VardelinServer::OnlineServer server;
    if (!server.open(dir.filePath(QStringLiteral("s.sqlite"))) || !server.listen()) {
        state.SkipWithError("no server");
        return;
    }
    const QString saved = Settings::RatingServiceAddress;
    Settings::RatingServiceAddress = server.url(QLatin1String(VardelinServer::Paths::World));
    Settings::PassportNick = QStringLiteral("Incognito");
    Settings::PassportCity = QStringLiteral("Moscow");
    GameState::CurrentGameId = 431;
    Online::WorldListKind = 1;
    for (int i = 0; i < 30; ++i) {
        bool ok = false;
        Online::SubmitWorldResult(Settings::RatingServiceAddress, i % 3 ? QStringLiteral("Player%1").arg(i)
                                                                        : QStringLiteral("Incognito"),
                                  QStringLiteral("Moscow"), QStringLiteral("1-001"), QStringLiteral("M"), 100 * i,
                                  431, QStringLiteral("#"), QStringLiteral("#"), ok);
    }
    TFormServerRead form;
    form.FormShow();
    for (auto _ : state) {
        FServerRead::DrawWorldTopTen(form);
        benchmark::DoNotOptimize(&form);
    }
    Settings::RatingServiceAddress = saved;
    platform::setProgramFolderForTest({});
}
BENCHMARK(BM_DrawWorldTopTen)->Unit(benchmark::kMillisecond);

} // namespace
