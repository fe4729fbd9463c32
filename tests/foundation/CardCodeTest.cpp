#include "foundation/CardCode.h"

#include <gtest/gtest.h>

TEST(CardCode, ReadsAndWritesTheCyrillicRanksAndSuits)
{
    const TCardCode aceOfSpades = TCardCode::fromString(QStringLiteral("Тп"));
    EXPECT_EQ(aceOfSpades.rank(), cards::RankAce);
    EXPECT_EQ(aceOfSpades.suit(), cards::SuitSpades);
    EXPECT_EQ(aceOfSpades.toString(), QStringLiteral("Тп"));
    EXPECT_TRUE(cards::isBlack(aceOfSpades));
    EXPECT_TRUE(cards::isRed(TCardCode::fromString(QStringLiteral("Вч"))));
    EXPECT_TRUE(cards::isRed(TCardCode::fromString(QStringLiteral("1б"))));
    EXPECT_EQ(TCardCode::fromString(QStringLiteral("Дчx")).length(), 2);
}

TEST(CardCode, PictureIndexFollowsRankThenSuitOrder)
{
    struct Case { const char* code; int index; };
    const Case cases[] = {
        {"2ч", 1}, {"2п", 4}, {"3ч", 5}, {"1б", 34}, {"Тч", 49}, {"Тп", 52},
        {"##", 0}, {"-*", 0}, {"No", 0}, {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cards::pictureIndex(TCardCode::fromString(QString::fromUtf8(c.code))), c.index)
            << c.code;
}

TEST(CardCode, CharacterAccessBeyondTheCodeIsZero)
{
    const TCardCode marker("-");
    EXPECT_EQ(marker.at(1), '-');
    EXPECT_EQ(marker.at(2), '\0');
    EXPECT_EQ(marker.at(0), '\0');
    EXPECT_FALSE(marker == cards::NoPicture);
}
