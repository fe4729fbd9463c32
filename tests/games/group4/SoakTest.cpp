// Random play on the group-4 games with their module: a long stream of plausible table
// events in all three move modes, with the pack, the counters and the end of a game
// checked after every event. VARDELIN_SOAK_EVENTS sets the events per game (default
// 20000), VARDELIN_SOAK_SEED replays a seed a failure printed.
#include "Group4Soak.h"
#include "support/SoakTable.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_Help2_4.h"
#include "games/kit/KitCursors.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace GameState;

struct SoakCase {
    int game;
    const char* name;
    soak::TSoakGame (*describe)() = soak::SoakGroup4;
};

// A game joins the soak with its line here once its module is ready.
const SoakCase kGames[] = {
    {Group4::Pyramid, "Pyramid"},
    {Group4::PyramidInfinity, "PyramidInfinity"},
    {Group4::OpenPyramid, "OpenPyramid"},
    {Group4::Pairs, "Pairs", soak::SoakPairs4},
    {Group4::Wish, "Wish", soak::SoakPairs4},
    {Group4::MonteCarlo, "MonteCarlo", soak::SoakMonte4},
    {Group4::MonteCarloBySuit, "MonteCarloBySuit", soak::SoakMonte4},
    {Group4::DiamondInfinity, "DiamondInfinity"},
    {Group4::OpenDiamond, "OpenDiamond"},
};

class Group4Soak : public soak::SoakTable<SoakCase> {};

TEST_P(Group4Soak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    const SoakCase c = GetParam();
    soak::TSoakOptions options;
    options.game = c.game;
    options.seed = soak::SeedFromEnvironment(static_cast<std::uint32_t>(c.game) * 7919u + 17u);
    options.events = soak::EventsFromEnvironment(20000);
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    options.replay = QStringLiteral("bin/test_games_group4 --gtest_filter='*Soak*/%1'").arg(QLatin1String(c.name));
    CurrentGameId = c.game;
    CurrentGroup = 4;

    const soak::TSoakResult r = soak::RunSoak(options, c.describe());
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
    }
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

INSTANTIATE_TEST_SUITE_P(AllGames, Group4Soak, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<SoakCase>& info) { return std::string(info.param.name); });

} // namespace
