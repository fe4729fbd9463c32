#include "foundation/Scaling.h"
#include "foundation/Settings.h"

#include <gtest/gtest.h>

namespace {

// Puts the factors and percents back after each test.
class ScalingTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = 1.0;
        Settings::FontTimesPercent = Settings::FontSerifPercent = 100;
        Settings::FontCouriPercent = Settings::FontConewPercent = 100;
    }
};

} // namespace

TEST_F(ScalingTest, ScaledRoundsHalvesToEven)
{
    struct Case {
        double scale;
        int n, expected;
    };
    const Case cases[] = {
        {1.5, 5, 8},   // 7.5
        {1.5, 7, 10},  // 10.5
        {1.5, 3, 4},   // 4.5
        {1.5, -5, -8}, // -7.5
        {1.3, 71, 92}, // 92.3
        {2.0, 96, 192},
        {1.0, 0, 0},
    };
    for (const Case& c : cases) {
        Scaling::Scale = c.scale;
        EXPECT_EQ(Scaling::Scaled(c.n), c.expected) << c.scale << " x " << c.n;
    }
}

TEST_F(ScalingTest, ScaledLeftAndTopCentreInTheWiderSlot)
{
    struct Case {
        double scale, scaleAxis;
        int position, size, expected;
    };
    const Case cases[] = {
        {1.25, 1.25, 100, 69, 125},
        {1.25, 1.5, 100, 69, 159}, // round(8.625) + round(150) = 9 + 150
        {1.0, 1.0, 0, 71, 0},
        {1.0, 1.5, 1, 1, 2},       // round(0.25) + round(1.5) = 0 + 2
    };
    for (const Case& c : cases) {
        Scaling::Scale = c.scale;
        Scaling::ScaleX = c.scaleAxis;
        Scaling::ScaleY = 1.0;
        EXPECT_EQ(Scaling::ScaledLeft(c.position, c.size), c.expected) << c.scaleAxis;
        Scaling::ScaleX = 1.0;
        Scaling::ScaleY = c.scaleAxis;
        EXPECT_EQ(Scaling::ScaledTop(c.position, c.size), c.expected) << c.scaleAxis;
    }
}

TEST_F(ScalingTest, FontHeightForRoles)
{
    Settings::FontSerifPercent = 50;
    Settings::FontTimesPercent = 150;
    Settings::FontCouriPercent = 70;
    Settings::FontConewPercent = 90;
    struct Case {
        int size;
        const char* role;
        int expected;
    };
    const Case cases[] = {
        {13, "serif", 6},  // 6.5
        {15, "serif", 8},  // 7.5
        {13, "fixed", 0},  // no role
        {13, "Serif", 0},  // roles are lower case
        {13, "", 0},
        {20, "times", 30},
        {10, "couri", 7},
        {16, "conew", 14}, // 14.4
    };
    for (const Case& c : cases)
        EXPECT_EQ(Scaling::FontHeightFor(c.size, QString::fromLatin1(c.role)), c.expected) << c.role << " " << c.size;
}
