// Country tables, flags, the sex icon and the passport text check.
#include "online/Countries.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

TEST(Countries, TableSizesAndNames)
{
    const int sizes[] = {49, 52, 36, 15, 24, 55};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(Online::CountryCount(c), sizes[c - 1]) << c;
    struct Case {
        void (*table)(int, QString&, QString&);
        int number;
        const char* name;
        const char* shortName;
    };
    const Case cases[] = {
        {Online::CountryNameEurope, 1, "Russia", "Russia"},
        {Online::CountryNameEurope, 48, "United Kingdom", "United_Kingdom"},
        {Online::CountryNameEurope, 49, "Unknown", "Unknown"},
        {Online::CountryNameEurope, 0, "Unknown", "Unknown"},
        {Online::CountryNameAsia, 29, "Maledives", "Maledives"},
        {Online::CountryNameAsia, 48, "United Arab Emirates", "UAE"},
        {Online::CountryNameNorthAmerica, 35, "Virgin Islands", "Virgin_Islands"},
        {Online::CountryNameSouthAmerica, 6, "Equador", "Equador"},
        {Online::CountryNameSouthAmerica, 9, "Paraquay", "Paraquay"},
        {Online::CountryNameSouthAmerica, 13, "Uruquay", "Uruquay"},
        {Online::CountryNameOceania, 23, "Wallis and Futuna", "Wallis-Futuna"},
        {Online::CountryNameAfrica, 12, "Congo Republic", ""},
        {Online::CountryNameAfrica, 32, "Mauretania", "Mauretania"},
        {Online::CountryNameAfrica, 54, "Zimbabwe", "Zimbabwe"},
        {Online::CountryNameAfrica, 255, "Unknown", "Unknown"},
        {Online::CountryNameAfrica, -1, "Unknown", "Unknown"},
    };
    for (const Case& c : cases) {
        QString name = QStringLiteral("x");
        QString shortName = QStringLiteral("x");
        c.table(c.number, name, shortName);
        EXPECT_EQ(name, T(c.name)) << c.name;
        EXPECT_EQ(shortName, T(c.shortName)) << c.name;
    }
}

TEST(Countries, PassportTextCheck)
{
    struct Case {
        const char* text;
        int kind;
        int expected;
    };
    const Case cases[] = {
        {"Bob", 1, 3},          {"Боб", 1, 2},          {"Bob Smith", 1, 1},   {"B", 1, 1},
        {"B", 0, 3},            {" ", 0, 1},            {"", 0, 1},            {"", 1, 1},
        {"", 2, 1},             {"Abcdefghijklm", 1, 1}, {"Abcdefghijklm", 2, 3}, {"Moscow-3", 2, 3},
        {"Ёлки", 2, 2},         {"Bob#", 1, 1},         {"Ann_Lee-1", 1, 3},   {"Abcdefghijklmnop", 2, 1},
        {"Bob€", 1, 1},         {"Zoë", 1, 1},          {"(a)!?,.@", 1, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Online::CheckPassportText(T(c.text), c.kind), c.expected) << c.text << " kind " << c.kind;
}

// The canvas is drawn only where a flag lands: compare with the list's own image.
TEST(Countries, FlagsByCode)
{
    struct Case {
        const char* code;
        int continent;
        int number;   // -1: nothing drawn
    };
    const Case cases[] = {{"1-001", 1, 1}, {"6-054", 6, 54}, {"4-000", 4, 0},   {"7-001", 0, -1},
                          {"1-0", 0, -1},  {"1-999", 0, -1}, {"1-049", 0, -1}, {"x-001", 0, -1}, {"1+001", 0, -1}};
    for (const Case& c : cases) {
        platform::Canvas canvas(30, 20, platform::clWhite);
        Online::DrawCountryFlag(T(c.code), 3, 4, canvas);
        const QImage drawn = canvas.image().copy(3, 4, Online::FlagWidth, Online::FlagHeight);
        if (c.number < 0) {
            EXPECT_EQ(canvas.image(), platform::Canvas(30, 20, platform::clWhite).image()) << c.code;
            continue;
        }
        const QImage flag = Online::CountryFlag(c.continent, c.number);
        ASSERT_FALSE(flag.isNull()) << c.code;
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32), flag.convertToFormat(QImage::Format_RGB32)) << c.code;
    }
}

TEST(Countries, GeneratedListsHoldFlagsWithNoPureRed)
{
    for (int c = 1; c <= 6; ++c) {
        const QImage strip = platform::resources::image(Online::FlagListName(c));
        ASSERT_FALSE(strip.isNull()) << c;
        EXPECT_EQ(strip.width(), Online::FlagWidth * Online::CountryCount(c));
        EXPECT_EQ(strip.height(), Online::FlagHeight);
        const QImage rgb = strip.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x)
                ASSERT_NE(rgb.pixel(x, y) & 0xFFFFFF, 0xFF0000u) << c << " at " << x << "," << y;
        EXPECT_TRUE(Online::CountryFlag(c, Online::CountryCount(c)).isNull());
    }
}

TEST(Countries, SexIconAndCountryList)
{
    const QImage man = platform::resources::image(QStringLiteral("FaceMan16"));
    const QImage woman = platform::resources::image(QStringLiteral("FaceWoman16"));
    ASSERT_FALSE(man.isNull());
    ASSERT_NE(man, woman);
    for (const char* sex : {"M", "W", "m", "#"}) {
        platform::Canvas canvas(16, 16, platform::clWhite);
        Online::DrawSexIcon(T(sex), 0, 0, canvas);
        platform::Canvas expected(16, 16, platform::clWhite);
        expected.draw(0, 0, QString::fromLatin1(sex) == QLatin1String("M") ? man : woman);
        EXPECT_EQ(canvas.image(), expected.image()) << sex;
    }
    QComboBox list;
    Online::FillCountryList(list, 4, 0, 1);
    ASSERT_EQ(list.count(), 15);
    EXPECT_EQ(list.itemText(0), QStringLiteral("Unknown"));
    EXPECT_EQ(list.itemText(14), QStringLiteral("Venezuela"));
}

} // namespace
