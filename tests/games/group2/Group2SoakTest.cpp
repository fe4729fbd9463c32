// Random play on each playable group-2 game: a long stream of plausible table events in all three
// move modes, with the pack, the counters, the face flags and the end of a game checked
// after every event. VARDELIN_SOAK_EVENTS sets the events per game (default 20000),
// VARDELIN_SOAK_SEED replays a seed a failure printed.
#include "support/SoakTable.h"
#include "Group2Soak.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
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
    int eventsPerDeal = 0; // 0: the driver's own
};

const SoakCase kGames[] = {
    {Group2::GolfPeak, "GolfPeak"},       {Group2::GolfThreePeaks, "GolfThreePeaks"}, {Group2::GolfRug, "GolfRug"},
    {Group2::GolfDiamond, "GolfDiamond"}, {Group2::GolfBlock, "GolfBlock"},
    {Group2::Tulip, "Tulip"}, {Group2::BlueTulip, "BlueTulip"}, {Group2::Paganini, "Paganini"},
};

// Fun Deuces ends by itself only once its 86-card stock is spent: its deals run longer.
const SoakCase kSquareGames[] = {{Group2::FunDeuces, "FunDeuces", 5000}, {Group2::NapoleonSquare, "NapoleonSquare"}};

class Group2Soak : public soak::SoakTable<SoakCase> {};

TEST_P(Group2Soak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    const SoakCase c = GetParam();
    soak::TSoakOptions options;
    options.game = c.game;
    options.seed = soak::SeedFromEnvironment(static_cast<std::uint32_t>(c.game) * 7919u + 17u);
    options.events = soak::EventsFromEnvironment(20000);
    if (c.eventsPerDeal > 0)
        options.eventsPerDeal = c.eventsPerDeal;
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    // A Tulip round runs through up to five passes, each waiting for two button presses.
    if (Group2::IsTulipFamily(c.game))
        options.eventsPerDeal = std::max(50, options.events / 3);
    options.replay = QStringLiteral("bin/test_games_group2 --gtest_filter='*Soak*/%1'").arg(QLatin1String(c.name));
    CurrentGameId = c.game;
    CurrentGroup = 2;

    const soak::TSoakResult r =
        soak::RunSoak(options, Group2::IsTulipFamily(c.game) ? soak::SoakTulip2() : soak::SoakGroup2());
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
        EXPECT_GE(r.finishedGames, 1);
    }
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

INSTANTIATE_TEST_SUITE_P(Group2, Group2Soak, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<SoakCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Square, Group2Soak, ::testing::ValuesIn(kSquareGames),
                         [](const ::testing::TestParamInfo<SoakCase>& info) { return std::string(info.param.name); });

} // namespace
