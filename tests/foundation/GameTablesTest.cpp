#include "foundation/GameTables.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace GameTables;

TEST(GameTables, LookupsByCode)
{
    struct Case { int code; int group; int number; };
    const Case cases[] = {
        {431, 1, 1}, {71, 1, 2}, {430, 1, 10}, {424, 2, 11}, {402, 2, 18}, {407, 4, 19},
        {415, 5, 28}, {416, 5, 29}, {419, 2, 30}, {420, 2, 31}, {18, 4, 32}, {12, 3, 33},
        {445, 3, 42}, {17, 5, 43}, {442, 5, 50},
        {0, 0, 0}, {99, 0, 0}, {400, 0, 0}, {446, 0, 0}, {-431, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GameGroupOf(c.code), c.group) << c.code;
        EXPECT_EQ(GameSlotOf(c.code), c.number) << c.code;
    }
}

TEST(GameTables, FiftyDistinctGamesTenPerGroupInNumberOrder)
{
    QSet<int> codes;
    QSet<QString> logos;
    int perGroup[6] = {};
    for (int i = 0; i < GameCount; ++i) {
        EXPECT_EQ(Games[i].number, i + 1);
        codes.insert(Games[i].code);
        logos.insert(QString::fromLatin1(Games[i].logo));
        ASSERT_GE(Games[i].group, 1);
        ASSERT_LE(Games[i].group, 5);
        ++perGroup[Games[i].group];
        EXPECT_TRUE(QString::fromLatin1(Games[i].logo).startsWith(
            QStringLiteral("GLogos") + GroupCode(Games[i].group)))
            << Games[i].logo;
    }
    EXPECT_EQ(codes.size(), 50);
    EXPECT_EQ(logos.size(), 50);
    for (int g = 1; g <= 5; ++g)
        EXPECT_EQ(perGroup[g], 10) << g;
}
