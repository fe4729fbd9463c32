// Random play on each group-5 game whose module has landed: a long stream of plausible
// table events in all three move modes, with the pack, the counters and the end of a
// game checked after every event. VARDELIN_SOAK_EVENTS sets the events per game
// (default 20000), VARDELIN_SOAK_SEED replays a seed a failure printed.
#include "support/SoakTable.h"
#include "Group5Soak.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/kit/KitCursors.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace GameState;

class Group5Soak : public soak::SoakTable<soak::TGroup5Soak> {};

TEST_P(Group5Soak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    const soak::TGroup5Soak& e = GetParam();
    soak::TSoakOptions options;
    options.game = e.game;
    options.seed = soak::SeedFromEnvironment(static_cast<std::uint32_t>(e.game) * 7919u + 17u);
    options.events = soak::EventsFromEnvironment(20000);
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    options.replay = QStringLiteral("bin/test_games_group5 --gtest_filter='*Soak*/%1'").arg(QLatin1String(e.name));
    CurrentGameId = e.game;
    CurrentGroup = 5;

    const soak::TSoakResult r = soak::RunSoak(options, soak::SoakGroup5(e));
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
    }
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

INSTANTIATE_TEST_SUITE_P(Landed, Group5Soak, ::testing::ValuesIn(soak::Group5SoakGames()),
                         [](const ::testing::TestParamInfo<soak::TGroup5Soak>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
