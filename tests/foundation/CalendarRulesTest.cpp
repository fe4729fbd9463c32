// The calendar's date rules and its table: Easter by both computations, the days counted
// from them, weekday rules, the leap-year shift, and the entries of a day with their hints.
#include "foundation/Calendar.h"
#include "foundation/Texts.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace Calendar;

namespace {

QDate dateOfDayNumber(int year, int n)
{
    return QDate(year, 1, 1).addDays(n - 1);
}

// Easter by other well-known computations, to check the table's rules against.
QDate westernEasterByMeeus(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, month, day);
}

QDate orthodoxEasterByMeeus(int y)
{
    const int a = y % 4, b = y % 7, c = y % 19, d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
    return QDate(y, month, day).addDays(13); // Julian to Gregorian, 1900..2099
}

bool fallsOn(int entry, const QDate& d)
{
    for (int n : EntryNumbersOf(d))
        if (n == entry)
            return true;
    return false;
}

} // namespace

TEST(CalendarRules, EasterOfKnownYears)
{
    const struct {
        int year;
        QDate orthodox, western;
    } cases[] = {
        {2010, {2010, 4, 4}, {2010, 4, 4}},   {2024, {2024, 5, 5}, {2024, 3, 31}},
        {2026, {2026, 4, 12}, {2026, 4, 5}},  {2025, {2025, 4, 20}, {2025, 4, 20}},
        {2000, {2000, 4, 30}, {2000, 4, 23}}, {2008, {2008, 4, 27}, {2008, 3, 23}},
        {2038, {2038, 4, 25}, {2038, 4, 25}}, {2016, {2016, 5, 1}, {2016, 3, 27}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateOfDayNumber(c.year, OrthodoxEasterDay(c.year)), c.orthodox) << c.year;
        EXPECT_EQ(dateOfDayNumber(c.year, WesternEasterDay(c.year)), c.western) << c.year;
    }
}

TEST(CalendarRules, EasterAgreesWithAnotherComputationOverTheWholeRange)
{
    for (int y = 1900; y <= 2099; ++y) {
        const QDate western = dateOfDayNumber(y, WesternEasterDay(y));
        const QDate orthodox = dateOfDayNumber(y, OrthodoxEasterDay(y));
        ASSERT_EQ(western, westernEasterByMeeus(y)) << y;
        ASSERT_EQ(orthodox, orthodoxEasterByMeeus(y)) << y;
        ASSERT_EQ(western.dayOfWeek(), 7) << y;
        ASSERT_EQ(orthodox.dayOfWeek(), 7) << y;
    }
}

TEST(CalendarRules, EntriesFallOnTheirDays)
{
    const struct {
        int entry;
        QDate day;
    } cases[] = {
        {61, {2024, 5, 5}},   {79, {2024, 3, 31}},  {62, {2024, 4, 28}}, {63, {2024, 6, 13}},
        {64, {2024, 6, 23}},  {6, {2024, 1, 15}},   {54, {2024, 11, 28}}, {43, {2024, 9, 12}},
        {43, {2025, 9, 13}},  {61, {2026, 4, 12}},  {79, {2026, 4, 5}},  {6, {2025, 1, 20}},
        {54, {2025, 11, 27}}, {1, {2024, 1, 1}},    {86, {2025, 12, 25}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(fallsOn(c.entry, c.day)) << c.entry << " on " << c.day.toString(Qt::ISODate).toStdString();
        EXPECT_FALSE(fallsOn(c.entry, c.day.addDays(1))) << c.entry;
        EXPECT_FALSE(fallsOn(c.entry, c.day.addDays(-1))) << c.entry;
    }
    // The weekdays the rules promise.
    EXPECT_EQ(QDate(2024, 6, 13).dayOfWeek(), 4);
    EXPECT_EQ(QDate(2024, 6, 23).dayOfWeek(), 7);
}

TEST(CalendarRules, ThirdMondayOfJanuaryHitsOnlyItsWeek)
{
    for (int y : {2023, 2024, 2025, 2026}) {
        for (int d = 1; d <= 31; ++d) {
            const QDate day(y, 1, d);
            const bool expected = day.dayOfWeek() == 1 && d >= 15 && d <= 21;
            EXPECT_EQ(fallsOn(6, day), expected) << day.toString(Qt::ISODate).toStdString();
        }
        // The same rule never reaches February.
        for (int d = 1; d <= 28; ++d)
            EXPECT_FALSE(fallsOn(6, QDate(y, 2, d)));
    }
}

TEST(CalendarRules, LastWeekdayFormHitsTheLastSevenDaysOnly)
{
    // Last Thursday of November, and last Monday of February in a leap and a common year.
    const struct {
        const char* field;
        int year, month, expectedDay;
    } cases[] = {
        {"****l.5.11", 2024, 11, 28}, {"****l.5.11", 2023, 11, 30},
        {"****l.2.02", 2024, 2, 26},  {"****l.2.02", 2021, 2, 22},
    };
    for (const auto& c : cases) {
        const QDate first(c.year, c.month, 1);
        for (int d = 1; d <= first.daysInMonth(); ++d) {
            int P = 0, K = 0;
            const QString got = ResolveDateField(QString::fromLatin1(c.field), QDate(c.year, c.month, d), P, K);
            const QString expected = d == c.expectedDay ? QStringLiteral("%1.%2.0000").arg(d, 2, 10, QLatin1Char('0')).arg(c.month, 2, 10, QLatin1Char('0'))
                                                        : QStringLiteral("00.00.0000");
            EXPECT_EQ(got, expected) << c.field << " " << c.year << "-" << c.month << "-" << d;
        }
        int P = 0, K = 0;
        EXPECT_EQ(ResolveDateField(QString::fromLatin1(c.field), QDate(c.year, c.month == 11 ? 10 : 3, c.expectedDay), P, K),
                  QStringLiteral("00.00.0000"));
    }
}

TEST(CalendarRules, OffsetsUseThisYearsEasterAcrossMonths)
{
    int P = 0, K = 0;
    const QDate day(2024, 6, 1);
    EXPECT_EQ(ResolveDateField(QStringLiteral("pasha.p000"), day, P, K), QStringLiteral("05.05.0000"));
    EXPECT_EQ(P, 126);
    EXPECT_EQ(ResolveDateField(QStringLiteral("pasha.p-07"), day, P, K), QStringLiteral("28.04.0000"));
    EXPECT_EQ(ResolveDateField(QStringLiteral("pasha.k000"), day, P, K), QStringLiteral("31.03.0000"));
    EXPECT_EQ(ResolveDateField(QStringLiteral("pasha.k+01"), day, P, K), QStringLiteral("01.04.0000"));
    EXPECT_EQ(ResolveDateField(QStringLiteral("pasha.k-31"), day, P, K), QStringLiteral("29.02.0000"));
    // A fixed date is left as stored.
    EXPECT_EQ(ResolveDateField(QStringLiteral("28.07.0988"), day, P, K), QStringLiteral("28.07.0988"));
}

TEST(CalendarRules, ProgrammersDayMovesInLeapYears)
{
    const struct {
        QDate day;
        bool selected;
    } cases[] = {
        {{2024, 9, 12}, true}, {{2024, 9, 13}, false}, {{2025, 9, 12}, false}, {{2025, 9, 13}, true},
        {{2000, 9, 12}, true}, {{1900, 9, 13}, true},  {{1900, 9, 12}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fallsOn(43, c.day), c.selected) << c.day.toString(Qt::ISODate).toStdString();
}

TEST(CalendarRules, DayOfYearToDate)
{
    const struct {
        int n, leap, day, month;
    } cases[] = {
        {1, 0, 1, 1},    {31, 0, 31, 1},  {32, 0, 1, 2},   {59, 0, 28, 2},  {60, 0, 1, 3},
        {60, 1, 29, 2},  {61, 1, 1, 3},   {256, 0, 13, 9}, {256, 1, 12, 9}, {365, 0, 31, 12},
        {366, 1, 31, 12}, {336, 1, 1, 12}, {335, 1, 30, 11},
    };
    for (const auto& c : cases) {
        int d = -1, m = -1;
        DayOfYearToDate(c.n, c.leap, d, m);
        EXPECT_EQ(d, c.day) << c.n << "/" << c.leap;
        EXPECT_EQ(m, c.month) << c.n << "/" << c.leap;
    }
    for (const auto& [n, leap] : {std::pair{0, 0}, {366, 0}, {367, 1}, {-5, 1}}) {
        int d = 7, m = 8;
        DayOfYearToDate(n, leap, d, m);
        EXPECT_EQ(d, 7) << n;
        EXPECT_EQ(m, 8) << n;
    }
}

TEST(CalendarRules, EntriesOfADayInTableOrder)
{
    const struct {
        QDate day;
        std::vector<int> entries;
    } cases[] = {
        {{2024, 9, 8}, {42, 83}},  {{2024, 9, 21}, {45, 75}}, {{2024, 5, 1}, {17, 18}},
        {{2024, 2, 2}, {7, 80}},   {{2024, 1, 1}, {1}},       {{2024, 9, 13}, {}},
        {{2024, 5, 5}, {61}},      {{2024, 12, 25}, {86}},    {{2026, 4, 12}, {15, 61}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntryNumbersOf(c.day), c.entries) << c.day.toString(Qt::ISODate).toStdString();
}

TEST(CalendarRules, HintsOfTheEighthOfSeptember2024)
{
    const std::vector<TInfoX> today = TodaysEntries(QDate(2024, 9, 8));
    ASSERT_EQ(today.size(), 2u);
    EXPECT_EQ(today[0].Year, QStringLiteral("1812"));
    EXPECT_EQ(today[0].Who, QStringLiteral("RUS"));
    EXPECT_EQ(today[0].Res, QStringLiteral("R_RUSGEOR"));
    EXPECT_EQ(EntryHint(today[0], 2024, 0), QStringLiteral("Borodino day (212-th anniversary, Russian Festival)"));
    EXPECT_EQ(EntryHint(today[0], 2024, 1),
              QStringLiteral("День Бородинского сражения (212-я годовщина, Праздник России)"));
    EXPECT_EQ(EntryHint(today[1], 2024, 0), QStringLiteral("Nativity of the Blessed Virgin Mary (Catholic feast)"));
    EXPECT_EQ(today[1].Res, QStringLiteral("R_KATKRES"));
}

TEST(CalendarRules, HintAppendsOnlyWhatThereIs)
{
    TInfoX x;
    for (int i = 1; i <= 10; ++i)
        x.Str[i] = QStringLiteral("Text%1").arg(i);
    const struct {
        const char* year;
        const char* who;
        int language;
        const char* expected;
    } cases[] = {
        {"0000", "ALL", 0, "Text1"},
        {"0000", "RU-", 0, "Text1"},
        {"0988", "RU-", 0, "Text1 (1036-th anniversary)"},
        {"0000", "PRA", 0, "Text1 (The Orthodox holiday)"},
        {"0988", "RUS", 1, "Text2 (1036-я годовщина, Праздник России)"},
        {"1945", "USA", 0, "Text1 (79-th anniversary, Holiday United States)"},
    };
    for (const auto& c : cases) {
        x.Year = QString::fromLatin1(c.year);
        x.Who = QString::fromLatin1(c.who);
        EXPECT_EQ(EntryHint(x, 2024, c.language), QString::fromUtf8(c.expected)) << c.year << c.who;
    }
}

TEST(CalendarRules, EveryEntryIsWellFormed)
{
    const QRegularExpression dateField(QStringLiteral(
        "^(\\d\\d\\.\\d\\d\\.\\d{4}|pasha\\.[pk](000|[+-]\\d\\d)|\\*{4}[1-5l]\\.[1-7]\\.\\d\\d)$"));
    int programmers = 0;
    for (int i = 1; i <= EntryCount; ++i) {
        QString e;
        CalendarEntry(i, e);
        ASSERT_GE(e.size(), 26) << i;
        EXPECT_TRUE(dateField.match(e.left(10)).hasMatch()) << i << " " << e.left(10).toStdString();
        EXPECT_EQ(e[10], QLatin1Char('#')) << i;
        EXPECT_EQ(e[14], QLatin1Char('#')) << i;
        EXPECT_EQ(e[24], QLatin1Char('#')) << i;
        EXPECT_TRUE(e.mid(15, 9).startsWith(QLatin1String("R_"))) << i;
        EXPECT_EQ(e.mid(25).count(QLatin1Char('#')), 10) << i;
        const TInfoX x = SplitEntry(e);
        for (int s = 1; s <= 10; ++s)
            EXPECT_FALSE(x.Str[s].trimmed().isEmpty()) << i << " text " << s;
        EXPECT_FALSE(x.Str[1].contains(QLatin1Char('\''))) << i << ": English apostrophes are grave accents";
        if (e.mid(25, 17) == QStringLiteral("День программиста"))
            ++programmers;
    }
    EXPECT_EQ(programmers, 1);
    QString outside;
    CalendarEntry(0, outside);
    EXPECT_TRUE(outside.isEmpty());
    CalendarEntry(87, outside);
    EXPECT_TRUE(outside.isEmpty());
}

TEST(CalendarRules, TellingRowsCarryTheirEnglishNames)
{
    const std::pair<int, const char*> rows[] = {
        {1, "New Year"},   {3, "Inauguration day"}, {15, "Day of cosmonautics"}, {42, "Borodino day"},
        {43, "Programmer`s day"}, {51, "Halloween"}, {54, "Thanksgiving"}, {61, "Easter"}, {79, "Easter"},
        {62, "The entry into Jerusalem"}, {63, "Ascension Of Our Lord"}, {64, "Trinity Sunday"}, {86, "Christmas"},
    };
    for (const auto& [n, english] : rows) {
        QString e;
        CalendarEntry(n, e);
        EXPECT_EQ(SplitEntry(e).Str[1], QString::fromLatin1(english)) << n;
    }
}

TEST(CalendarRules, NoDayHoldsMoreThanThreeEntries)
{
    for (int y = 2020; y <= 2040; ++y)
        for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1))
            ASSERT_LE(EntryNumbersOf(d).size(), 3u) << d.toString(Qt::ISODate).toStdString();
}

TEST(CalendarRules, ZodiacAndAnimalOfTheYear)
{
    const struct {
        int day, month, sign;
    } signs[] = {
        {21, 3, 0}, {20, 3, 11}, {21, 6, 2}, {22, 6, 3}, {1, 1, 9},  {20, 1, 9},  {21, 1, 10},
        {21, 12, 8}, {22, 12, 9}, {31, 12, 9}, {23, 8, 4}, {24, 8, 5}, {23, 9, 5}, {24, 9, 6},
    };
    for (const auto& s : signs)
        EXPECT_EQ(ZodiacSignOf(s.day, s.month), s.sign) << s.day << "." << s.month;

    EXPECT_EQ(AnimalPictureOf(2024), QStringLiteral("R_VOSDRAG"));
    EXPECT_EQ(Texts::YearAnimalNames[AnimalNameIndexOf(2024)][0], QStringLiteral("Year Of The Dragon"));
    EXPECT_EQ(AnimalPictureOf(2020), QStringLiteral("R_VOSKRIS"));
    EXPECT_EQ(Texts::YearAnimalNames[AnimalNameIndexOf(2020)][0], QStringLiteral("Year Of The Rat"));
    EXPECT_EQ(AnimalPictureOf(2021), QStringLiteral("R_VOSBULL"));
    EXPECT_EQ(Texts::YearAnimalNames[AnimalNameIndexOf(2021)][0], QStringLiteral("Year Of The Ox"));
}
