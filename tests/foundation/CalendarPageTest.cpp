// The calendar page drawn from a calendar library: which pictures land where, the hints,
// the day number's colour, and the menu's two calendar pictures with and without the
// library.
#include "foundation/Calendar.h"
#include "foundation/MenuDecorations.h"
#include "foundation/Scaling.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Seams.h"
#include "support/ResourceBundle.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using MenuDecorations::TInfoCal;

namespace {

// A distinct solid colour per picture name, so a test can tell which picture it sees.
QColor colourOf(const QString& name)
{
    // Our own hash: Qt's may be seeded per process, which made the colours (and so the
    // ink counts) change from run to run.
    quint32 h = 2166136261u;
    for (const QChar ch : name)
        h = (h ^ ch.unicode()) * 16777619u;
    return QColor(40 + int(h % 180), 40 + int((h / 180) % 180), 40 + int((h / 32400) % 180));
}

// A library of plain pictures under every name the page reads, except `leaveOut`.
bool makeLibrary(const QString& path, const QString& leaveOut = {})
{
    QStringList names{QStringLiteral("R_BASE")};
    for (int s = 1; s <= 12; ++s)
        names << QStringLiteral("R_%1").arg(s, 2, 10, QLatin1Char('0'));
    for (int y = 0; y < 12; ++y)
        names << Calendar::AnimalPictureOf(y);
    for (int i = 1; i <= Calendar::EntryCount; ++i) {
        QString e;
        Calendar::CalendarEntry(i, e);
        names << Calendar::SplitEntry(e).Res;
    }
    names.removeDuplicates();
    std::map<QString, QImage> pictures;
    for (const QString& n : names) {
        if (n == leaveOut)
            continue;
        const bool base = n == QStringLiteral("R_BASE");
        QImage img(base ? 60 : 20, base ? 100 : 20, QImage::Format_ARGB32);
        // The page leaves the top rows clear, so the background shows above it.
        img.fill(colourOf(n));
        if (base)
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 60; ++x)
                    img.setPixel(x, y, qRgba(0, 0, 0, 0));
        pictures[n] = img;
    }
    return testsupport::MakePictureBundle(path, pictures);
}

QColor at(const QImage& img, int x, int y)
{
    return QColor(img.pixel(x, y));
}

struct InkCount {
    int red = 0, dark = 0;
};

// Ink of the day number: strongly red or near-black pixels in its band.
InkCount dayInk(const QImage& page)
{
    InkCount n;
    for (int y = 22; y < 42; ++y)
        for (int x = 0; x < 60; ++x) {
            const QColor c = at(page, x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++n.red;
            if (c.red() < 70 && c.green() < 70 && c.blue() < 70)
                ++n.dark;
        }
    return n;
}

// Width of the month name's ink on the day page (rows below the day number, above the sign).
int monthInkWidth(const QImage& page)
{
    const QColor base = colourOf(QStringLiteral("R_BASE"));
    int left = 60, right = -1;
    for (int y = 45; y < 64; ++y)
        for (int x = 0; x < 60; ++x)
            if (at(page, x, y) != base) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0 : right - left + 1;
}

class CalendarPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        if (!testsupport::RccInstalled())
            GTEST_SKIP() << "Qt's rcc is not installed at " << testsupport::kRccPath;
        QDir(dir.path()).mkpath(QStringLiteral("prog"));
        platform::setProgramFolderForTest(dir.filePath(QStringLiteral("prog")) + QLatin1Char('/'));
        Texts::LanguageIndex = 0;
        Calendar::PageDate = QDate();
    }
    void TearDown() override
    {
        platform::setSeamOverridesForTest({});
        platform::setProgramFolderForTest({});
        Texts::LanguageIndex = 0;
        Calendar::PageDate = QDate();
    }
    void setToday(const QDate& d)
    {
        platform::SeamOverrides o;
        o.currentDateTime = [d] { return QDateTime(d, QTime(12, 0)); };
        platform::setSeamOverridesForTest(o);
    }
    QString inProgramFolder() const { return dir.filePath(QStringLiteral("prog/QyvCalendar01.dll")); }
    QString inFolderAbove() const { return dir.filePath(QStringLiteral("QyvCalendar01.dll")); }
    static TInfoCal freshInfo()
    {
        TInfoCal info;
        for (int i = 1; i <= 8; ++i) {
            QImage img(60, 100, QImage::Format_RGB32);
            img.fill(QColor(0, 128, 0));
            info.TB[i] = img;
            info.Hint[i] = QStringLiteral("old %1").arg(i);
        }
        return info;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CalendarPage, WithoutTheLibraryNothingChanges)
{
    setToday(QDate(2024, 9, 8));
    TInfoCal info = freshInfo();
    const TInfoCal before = info;
    int count = 77;
    EXPECT_FALSE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, info, 0));
    EXPECT_EQ(count, 77);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(info.TB[i], before.TB[i]) << i;
        EXPECT_EQ(info.Hint[i], before.Hint[i]) << i;
    }
    // A file that is no resource bundle counts as missing.
    QFile junk(inProgramFolder());
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("<html>not found</html>");
    junk.close();
    EXPECT_FALSE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, info, 0));
    EXPECT_EQ(count, 77);
}

TEST_F(CalendarPage, DrawsTheDayTheYearAndTheEntriesWithTheirHints)
{
    ASSERT_TRUE(makeLibrary(inFolderAbove())); // found in the folder above the program's
    setToday(QDate(2024, 9, 8));               // a Sunday with two entries
    TInfoCal info = freshInfo();
    int count = 0;
    ASSERT_TRUE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, info, 0));
    EXPECT_EQ(count, 4);

    EXPECT_EQ(info.Hint[1], QStringLiteral("Virgo"));
    EXPECT_EQ(info.Hint[2], QStringLiteral("Year Of The Dragon"));
    EXPECT_EQ(info.Hint[3], QStringLiteral("Borodino day (212-th anniversary, Russian Festival)"));
    EXPECT_EQ(info.Hint[4], QStringLiteral("Nativity of the Blessed Virgin Mary (Catholic feast)"));
    // Pages above the count keep what they had.
    EXPECT_EQ(info.Hint[5], QStringLiteral("old 5"));
    EXPECT_EQ(at(info.TB[5], 30, 50), QColor(0, 128, 0));

    const struct {
        int page, x, y;
        const char* picture;
    } placed[] = {
        {1, 17, 65, "R_06"},      {1, 36, 84, "R_06"},      {1, 16, 64, "R_BASE"},    {2, 3, 27, "R_VOSDRAG"},
        {2, 22, 46, "R_VOSDRAG"}, {2, 2, 27, "R_BASE"},     {3, 3, 27, "R_RUSGEOR"},  {4, 10, 40, "R_KATKRES"},
        {4, 23, 47, "R_BASE"},    {3, 59, 99, "R_BASE"},
    };
    for (const auto& p : placed)
        EXPECT_EQ(at(info.TB[p.page], p.x, p.y), colourOf(QString::fromLatin1(p.picture)))
            << "page " << p.page << " at " << p.x << "," << p.y;
    // The page is drawn over the background that was already there.
    EXPECT_EQ(at(info.TB[3], 30, 1), QColor(0, 128, 0));

    const InkCount sunday = dayInk(info.TB[1]);
    EXPECT_GT(sunday.red, 5);
    EXPECT_EQ(sunday.dark, 0);
    EXPECT_EQ(Calendar::PageDate, QDate(2024, 9, 8));
}

TEST_F(CalendarPage, WeekdayNumbersAreBlackAndHintsSpeakTheLanguage)
{
    ASSERT_TRUE(makeLibrary(inProgramFolder()));
    setToday(QDate(2024, 9, 9)); // Monday, no entries
    TInfoCal info = freshInfo();
    int count = 0;
    ASSERT_TRUE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, info, 1));
    EXPECT_EQ(count, 2);
    const InkCount monday = dayInk(info.TB[1]);
    EXPECT_EQ(monday.red, 0);
    EXPECT_GT(monday.dark, 5);
    EXPECT_EQ(info.Hint[1], Texts::ZodiacNames[5][1]);
    EXPECT_EQ(info.Hint[2], Texts::YearAnimalNames[4][1]);
    EXPECT_EQ(info.Hint[3], QStringLiteral("old 3"));
}

TEST_F(CalendarPage, APictureTheLibraryLacksStaysBlank)
{
    ASSERT_TRUE(makeLibrary(inProgramFolder(), QStringLiteral("R_ALLPROG")));
    setToday(QDate(2025, 9, 13));
    TInfoCal info = freshInfo();
    int count = 0;
    ASSERT_TRUE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, info, 0));
    ASSERT_EQ(count, 3);
    EXPECT_EQ(info.Hint[3], QStringLiteral("Programmer`s day"));
    EXPECT_EQ(at(info.TB[3], 10, 40), colourOf(QStringLiteral("R_BASE")));
}

TEST_F(CalendarPage, MenuShowsBothPicturesOnlyWithTheLibrary)
{
    TTableSurface surface;
    Form1 = &surface;
    Scaling::ScaleX = Scaling::ScaleY = 1.0;
    setToday(QDate(2024, 9, 8));
    surface.TimerCal->start(5000);

    EXPECT_FALSE(MenuDecorations::LayoutCalendarImages());
    EXPECT_TRUE(surface.ImCalL->isHidden());
    EXPECT_TRUE(surface.ImCalR->isHidden());
    EXPECT_FALSE(surface.TimerCal->isActive());

    ASSERT_TRUE(makeLibrary(inProgramFolder()));
    EXPECT_TRUE(MenuDecorations::LayoutCalendarImages());
    EXPECT_FALSE(surface.ImCalL->isHidden());
    EXPECT_FALSE(surface.ImCalR->isHidden());
    EXPECT_EQ(surface.ImCalL->geometry(), QRect(150, 95, 60, 100));
    EXPECT_EQ(surface.ImCalR->geometry(), QRect(550, 95, 60, 100));
    EXPECT_TRUE(surface.TimerCal->isActive());
    EXPECT_EQ(surface.TimerCal->interval(), 10000);
    EXPECT_EQ(MenuDecorations::CalendarPicCount, 4);
    EXPECT_EQ(MenuDecorations::CalendarPicIndex, 3);
    EXPECT_EQ(surface.ImCalL->toolTip(), QStringLiteral("Virgo"));
    EXPECT_EQ(surface.ImCalR->toolTip(), QStringLiteral("Year Of The Dragon"));

    // A day without entries keeps the animal on the right.
    setToday(QDate(2024, 9, 9));
    EXPECT_TRUE(Calendar::PageIsStale());
    EXPECT_TRUE(MenuDecorations::LayoutCalendarImages());
    EXPECT_EQ(MenuDecorations::CalendarPicCount, 2);
    EXPECT_EQ(MenuDecorations::CalendarPicIndex, 2);
    EXPECT_FALSE(Calendar::PageIsStale());
    Form1 = nullptr;
}

TEST_F(CalendarPage, ALongMonthNameIsDrawnOnePointSmaller)
{
    ASSERT_TRUE(makeLibrary(inProgramFolder()));
    auto onPage = [&](const QDate& day, int monthSize) {
        setToday(day);
        TInfoCal info = freshInfo();
        int count = 0;
        EXPECT_TRUE(MenuDecorations::DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, monthSize, count, info, 0));
        return monthInkWidth(info.TB[1]);
    };
    // The same word written on its own at a size in points (96 pixels per inch).
    auto alone = [](const QString& word, int points) {
        platform::Canvas c(60, 40, platform::clWhite);
        c.brush.style = platform::BrushStyle::Clear;
        c.font.name = QStringLiteral("Comic Sans MS");
        c.font.height = static_cast<int>(std::nearbyint(points * 96.0 / 72.0));
        c.textOut(0, 0, word);
        int left = 60, right = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                if (c.pixel(x, y) != platform::clWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return right - left + 1;
    };
    const QDate september(2024, 9, 9), october(2024, 10, 7); // both Mondays
    const QString sep = QStringLiteral("September"), oct = QStringLiteral("October");
    ASSERT_LT(alone(sep, 6), alone(sep, 9));
    const struct {
        QDate day;
        int monthSize;
        QString word;
        int points;
    } cases[] = {
        {october, 0, oct, 8}, {october, 9, oct, 9}, {september, 0, sep, 7}, {september, 9, sep, 8}, {september, 7, sep, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(onPage(c.day, c.monthSize), alone(c.word, c.points)) << c.word.toStdString() << " " << c.monthSize;
}
