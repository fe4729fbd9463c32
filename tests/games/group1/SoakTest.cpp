// Random play on each of the ten group-1 games: a long stream of plausible table events
// in all three move modes, with the pack, the counters and the end of a game checked
// after every event. VARDELIN_SOAK_EVENTS sets the events per game (default 20000),
// VARDELIN_SOAK_SEED replays a seed a failure printed.
#include "Group1Soak.h"
#include "support/SoakTable.h"

#include "app/TableDispatch.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "platform/PictureControl.h"
#include "games/kit/KitCursors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace GameState;

struct SoakCase {
    int game;
    const char* name;
};

const SoakCase kGames[] = {
    {Group1::VardelinSolo, "VardelinSolo"}, {Group1::VardelinDuo, "VardelinDuo"},
    {Group1::YukonSolo, "YukonSolo"},       {Group1::YukonDuo, "YukonDuo"},
    {Group1::ScorpionSolo, "ScorpionSolo"}, {Group1::ScorpionDuo, "ScorpionDuo"},
    {Group1::SpiderSolo, "SpiderSolo"},     {Group1::SpiderDuo, "SpiderDuo"},
    {Group1::SpiderQuartet, "SpiderQuartet"}, {Group1::FreeCell, "FreeCell"},
};

// The module the table hands this game's events to has its handlers.
bool ModulePresent(int game)
{
    for (const TableDispatch::TDispatchEntry& e : TableDispatch::DispatchTable())
        if (e.Code == game)
            return static_cast<bool>(e.Module.MouseDown) && static_cast<bool>(e.Module.MouseUp);
    return false;
}

class Group1Soak : public soak::SoakTable<SoakCase> {};

TEST_P(Group1Soak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    const SoakCase c = GetParam();
    if (!ModulePresent(c.game))
        GTEST_SKIP() << c.name << ": its game module is not in the dispatch table yet";

    soak::TSoakOptions options;
    options.game = c.game;
    options.seed = soak::SeedFromEnvironment(static_cast<std::uint32_t>(c.game) * 7919u + 17u);
    options.events = soak::EventsFromEnvironment(20000);
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    options.replay = QStringLiteral("bin/test_games_group1 --gtest_filter='*Soak*/%1'").arg(QLatin1String(c.name));
    CurrentGameId = c.game;
    CurrentGroup = 1;

    const soak::TSoakResult r = soak::RunSoak(options, soak::SoakGroup1());
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    // Enough deals to have played every move mode.
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
    }
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

INSTANTIATE_TEST_SUITE_P(AllGames, Group1Soak, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<SoakCase>& info) { return std::string(info.param.name); });

} // namespace
