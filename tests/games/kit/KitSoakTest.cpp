// The soak driver on the kit-only game: cards leave the table through a judged removal
// (the foundation keeps only its top card), and a broken judge or census is caught and
// reported with its replay line.
#include "KitGame.h"

#include "support/PlayTable.h"
#include "support/SoakDriver.h"

#include "foundation/Layout.h"

using namespace GameState;

namespace {

soak::TSoakGame KitSoakGame()
{
    soak::TSoakGame g;
    static int deals = 0;
    g.deal = [] {
        KitGame::Deal(deals++);
        return true;
    };
    g.census = [] {
        std::vector<soak::TPlace> out;
        for (int s = 1; s <= 13; ++s)
            out.push_back({"pile", 1, s, soak::CardKey(PileCards[1][s]), PileValues[1][s]});
        out.push_back({"foundation", 1, 1, soak::CardKey(FoundationCards[1][1]), FoundationValues[1][1]});
        if (DragActive)
            out.push_back({"hand", 0, 0, soak::CardKey(TargetCard), TargetValue});
        return out;
    };
    // Only the foundation's old top may leave, covered by the card one above it.
    g.judgeLeaving = [](const std::vector<soak::TPlace>& left) -> QString {
        for (const soak::TPlace& p : left)
            if (QString::fromLatin1(p.area) != QLatin1String("foundation") || p.value + 1 != FoundationValues[1][1])
                return QStringLiteral("%1 left with value %2").arg(p.where()).arg(p.value);
        return {};
    };
    g.targets = [] {
        std::vector<QPoint> t;
        for (int s = 1; s <= 13; ++s)
            t.push_back({KitGame::SlotX(s) + CardWidth / 2, KitGame::PileY() + CardHeight / 2});
        t.push_back({KitGame::FoundationX() + CardWidth / 2, KitGame::FoundationY() + CardHeight / 2});
        return t;
    };
    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        const int n = KitGame::PileCount();
        if (n > 0 && PileValues[1][n] == FoundationCounts[1])
            m.push_back({{KitGame::SlotX(n) + CardWidth / 2, KitGame::PileY() + CardHeight / 2},
                         {KitGame::FoundationX() + CardWidth / 2, KitGame::FoundationY() + CardHeight / 2}});
        return m;
    };
    g.softlock = [moves = g.moves]() -> QString {
        return moves().empty() ? QStringLiteral("no move left and the game goes on") : QString();
    };
    g.endTestHolds = [] { return KitGame::Rules().End.Won() || KitGame::Rules().End.Stuck(); };
    return g;
}

class KitSoak : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        KitGame::Uninstall();
        PlayTable::TearDown();
    }
    soak::TSoakResult Run(const soak::TSoakGame& g, int events)
    {
        BareTable(2);
        KitGame::Install();
        soak::TSoakOptions o;
        o.game = KitGame::Code;
        o.seed = soak::SeedFromEnvironment(4711);
        o.events = events;
        o.eventsPerDeal = 400;
        o.replay = QStringLiteral("bin/test_games_kit --gtest_filter='KitSoak.*'");
        return soak::RunSoak(o, g);
    }
};

TEST_F(KitSoak, RandomPlayKeepsThePackAndJudgesEveryRemoval)
{
    const soak::TSoakResult r = Run(KitSoakGame(), soak::EventsFromEnvironment(20000));
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_GT(r.wonGames, 0);
    EXPECT_GT(r.finishedGames, r.wonGames) << "the odd deals end stuck";
}

TEST_F(KitSoak, BrokenJudgeOrCensusIsCaughtWithItsReplayLine)
{
    soak::TSoakGame noJudge = KitSoakGame();
    noJudge.judgeLeaving = nullptr;
    soak::TSoakGame strictJudge = KitSoakGame();
    strictJudge.judgeLeaving = [](const std::vector<soak::TPlace>& left) {
        return QStringLiteral("%1 may not leave").arg(left.front().where());
    };
    soak::TSoakGame blindCensus = KitSoakGame();
    blindCensus.census = [full = blindCensus.census] {
        auto places = full();
        if (DragActive)
            places.pop_back(); // forgets the card in the hand
        return places;
    };
    struct Case {
        const char* what;
        soak::TSoakGame game;
        const char* expected;
    } cases[] = {{"no judge", noJudge, "the pack is not whole"},
                 {"a judge that refuses", strictJudge, "left the table illegally"},
                 {"a census that forgets the hand", blindCensus, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const soak::TSoakResult r = Run(c.game, 3000);
        ASSERT_FALSE(r.ok);
        EXPECT_TRUE(r.failure.contains(QLatin1String(c.expected))) << r.failure.toStdString();
        EXPECT_TRUE(r.failure.contains(QStringLiteral("replay: VARDELIN_SOAK_SEED=4711 VARDELIN_SOAK_EVENTS=3000 "
                                                      "bin/test_games_kit")))
            << r.failure.toStdString();
    }
}

} // namespace
