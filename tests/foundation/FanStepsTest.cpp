#include "foundation/FanSteps.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"

#include <gtest/gtest.h>

using namespace GameState;

namespace {

class FanStepsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override
    {
        ResetGameState();
        ApplyZoomForTest(760, 500, 1.0, true);
    }
    // Lays out `game` at the given size with every pile holding `count` (cards + 1).
    static void layOut(int game, int width, int height, double zoom, int count = 0)
    {
        ApplyZoomForTest(width, height, zoom, true);
        for (int p = 1; p <= 16; ++p)
            PileCounts[p] = count;
        CurrentGameId = game;
        LayoutTable();
    }
};

} // namespace

TEST_F(FanStepsTest, CrescentFansStayClosedWhateverTheirSize)
{
    layOut(415, 760, 500, 1.0);
    for (int count : {0, 1, 7, 20, 97}) {
        for (int pile : {1, 5, 6, 11, 12, 16}) {
            PileCounts[pile] = count;
            EXPECT_EQ(CrescentFanStep(pile), 2) << pile << " count " << count;
        }
    }
}

TEST_F(FanStepsTest, OpenCrescentFansShrinkToTheRoomBesideAndAboveThePiles)
{
    // Zoom 1: the side fans have the 89 pixels left of the first pile, the top fans
    // the room above the third-lowest left pile (y 195).
    const struct {
        int pile;
        int count;
        int step;
    } cases[] = {
        {1, 0, 20},  {1, 1, 20},  {16, 2, 20}, {3, 5, 20},  // fits: 10 + (n - 2) x 20 <= 89
        {3, 6, 18},  {12, 6, 18}, {1, 7, 15},  {16, 13, 7}, // Round(89 / (n - 1))
        {6, 4, 20},  {11, 4, 20},                           // fits: 10 + (n - 2) x 20 + 96 <= 155
        {6, 5, 24},  {8, 7, 16},  {11, 12, 9},              // Round(94 / (n - 1)), 23.5 -> 24
    };
    layOut(416, 760, 500, 1.0);
    ASSERT_EQ(PosX[1], 89);
    ASSERT_EQ(PosY[3], 195);
    for (const auto& c : cases) {
        PileCounts[c.pile] = c.count;
        EXPECT_EQ(CrescentFanStep(c.pile), c.step) << "pile " << c.pile << " count " << c.count;
    }
}

TEST_F(FanStepsTest, AlgerianColumnsShrinkButNeverBelowOnePixel)
{
    const struct {
        double zoom;
        int count;
        int step;
    } cases[] = {
        {1.0, 0, 16}, {1.0, 8, 16}, {1.0, 9, 15}, {1.0, 20, 4}, {1.0, 23, 1},
        {1.0, 24, 1}, {1.0, 53, 1}, {2.0, 8, 32}, {2.0, 9, 30}, {2.0, 23, 2},
        {2.0, 24, 1}, {1.3, 10, 18},
    };
    for (const auto& c : cases) {
        layOut(422, 1520, 1000, c.zoom);
        PileCounts[4] = c.count;
        EXPECT_EQ(AlzhirFanStep(4), c.step) << c.zoom << " count " << c.count;
    }
}

TEST_F(FanStepsTest, LayoutStoresTheStepsForThePileCountsStillOnTheTable)
{
    layOut(416, 760, 500, 1.0, 7);
    for (int p = 1; p <= 16; ++p)
        EXPECT_EQ(ColumnStep[p], (p <= 5 || p >= 12) ? 15 : 16) << p;
    layOut(415, 760, 500, 1.0, 7);
    for (int p = 1; p <= 16; ++p)
        EXPECT_EQ(ColumnStep[p], 2) << p;
    layOut(422, 760, 500, 1.0, 12);
    for (int p = 1; p <= 8; ++p)
        EXPECT_EQ(ColumnStep[p], 12) << p;
}
