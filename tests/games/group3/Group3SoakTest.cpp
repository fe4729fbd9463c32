// Random play on each group-3 game with a soak line: a long stream of plausible table
// events in all three move modes, with the pack, the counters and the end of a game
// checked after every event. VARDELIN_SOAK_EVENTS sets the events per game (default
// 20000), VARDELIN_SOAK_SEED replays a seed a failure printed.
#include "Group3Soak.h"

#include "support/PlayTable.h"

#include "foundation/Shuffle.h"

#include <algorithm>

namespace {

using namespace GameState;

class Group3Soak : public testsupport::PlayTable, public ::testing::WithParamInterface<soak::TGroup3Game> {};

TEST_P(Group3Soak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    const soak::TGroup3Game g = GetParam();
    BareTable(2);
    CurrentGameId = g.code;
    CurrentGroup = 3;
    soak::TSoakOptions options;
    options.game = g.code;
    options.seed = soak::SeedFromEnvironment(static_cast<std::uint32_t>(g.code) * 7919u + 3u);
    options.events = soak::EventsFromEnvironment(20000);
    if (g.eventsPerDeal > 0)
        options.eventsPerDeal = g.eventsPerDeal;
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    options.replay = QStringLiteral("bin/test_games_group3 --gtest_filter='*Soak*/%1'").arg(QLatin1String(g.name));
    const soak::TSoakResult r = soak::RunSoak(options, soak::SoakGroup3());
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
    }
    EXPECT_GT(r.finishedGames, 0);
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

INSTANTIATE_TEST_SUITE_P(Games, Group3Soak, ::testing::ValuesIn(soak::Group3SoakGames()),
                         [](const ::testing::TestParamInfo<soak::TGroup3Game>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
