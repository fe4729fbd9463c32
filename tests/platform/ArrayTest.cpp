#include "platform/Array.h"

#include <gtest/gtest.h>

using platform::Arr;

TEST(Array, OneBasedIndexingIsCheckedAtBothEnds)
{
    Arr<int, 3> a;
    a[1] = 10;
    a[3] = 30;
    EXPECT_EQ(a[1], 10);
    EXPECT_EQ(a[3], 30);
    EXPECT_THROW(a[0], platform::IndexError);
    EXPECT_THROW(a[4], platform::IndexError);
    EXPECT_THROW(a[-1], platform::IndexError);
}

TEST(Array, OtherBasesAndNestedFill)
{
    Arr<int, 10, 0> lang;
    lang[0] = 1;
    lang[9] = 2;
    EXPECT_THROW(lang[10], platform::IndexError);

    Arr<Arr<int, 4>, 2> grid;
    platform::fillAll(grid, 99);
    EXPECT_EQ(grid[2][4], 99);
    EXPECT_THROW(grid[2][5], platform::IndexError);
}
