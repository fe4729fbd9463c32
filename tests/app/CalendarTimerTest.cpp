// The calendar timer of the main window: it steps the right calendar picture through
// today's pictures and rebuilds the page when the date has changed.
#include "app/Qyv__Form1.h"
#include "foundation/Calendar.h"
#include "foundation/GameState.h"
#include "foundation/MenuDecorations.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CalendarTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The library the build makes beside the programs.
        const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/QyvCalendar01.dll");
        if (!QFile::exists(built))
            GTEST_SKIP() << "the calendar library has not been built";
        ASSERT_TRUE(QFile::copy(built, dir.filePath(QStringLiteral("QyvCalendar01.dll"))));
        platform::setProgramFolderForTest(dir.path() + QLatin1Char('/'));
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        setToday(QDate(2024, 9, 8));
        form = new TForm1;
        GameState::MenuActive = true;
        GameState::IntroActive = false;
    }
    void TearDown() override
    {
        delete form;
        Form1 = nullptr;
        platform::setSeamOverridesForTest({});
        platform::setProgramFolderForTest({});
        Calendar::PageDate = QDate();
    }
    void setToday(const QDate& d)
    {
        platform::SeamOverrides o;
        o.currentDateTime = [d] { return QDateTime(d, QTime(0, 0, 45)); };
        platform::setSeamOverridesForTest(o);
    }

    QTemporaryDir dir;
    TForm1* form = nullptr;
};

} // namespace

TEST_F(CalendarTimer, CyclesTodaysPicturesAndRebuildsOnANewDay)
{
    ASSERT_TRUE(MenuDecorations::LayoutCalendarImages());
    ASSERT_EQ(MenuDecorations::CalendarPicCount, 4);
    const QString dragon = QStringLiteral("Year Of The Dragon");
    const QString borodino = QStringLiteral("Borodino day (212-th anniversary, Russian Festival)");
    const QString nativity = QStringLiteral("Nativity of the Blessed Virgin Mary (Catholic feast)");
    EXPECT_EQ(form->ImCalR->toolTip(), dragon);

    const std::pair<int, QString> steps[] = {{3, borodino}, {4, nativity}, {2, dragon}, {3, borodino}};
    for (const auto& [page, hint] : steps) {
        form->TimerCalTimer();
        EXPECT_EQ(form->ImCalR->toolTip(), hint);
        EXPECT_EQ(form->ImCalR->canvas().image(), MenuDecorations::CalendarInfo.TB[page]) << page;
    }

    // Past midnight (however late the tick) the page is drawn for the new day, which
    // has no entries: the animal stays on the right.
    setToday(QDate(2024, 9, 9));
    form->TimerCalTimer();
    EXPECT_EQ(MenuDecorations::CalendarPicCount, 2);
    EXPECT_EQ(Calendar::PageDate, QDate(2024, 9, 9));
    for (int i = 0; i < 3; ++i) {
        form->TimerCalTimer();
        EXPECT_EQ(form->ImCalR->toolTip(), dragon);
    }

    // Away from the menu the pictures are hidden.
    GameState::MenuActive = false;
    form->TimerCalTimer();
    EXPECT_TRUE(form->ImCalL->isHidden());
    EXPECT_TRUE(form->ImCalR->isHidden());
}

TEST_F(CalendarTimer, TheBuiltLibraryHoldsEveryPictureThePageReads)
{
    platform::resources::AddOnLibrary lib(dir.filePath(QStringLiteral("QyvCalendar01.dll")));
    ASSERT_TRUE(lib.isOpen());
    EXPECT_EQ(lib.image(QStringLiteral("R_BASE")).size(), QSize(60, 100));
    QStringList signs, others;
    for (int s = 1; s <= 12; ++s)
        signs << QStringLiteral("R_%1").arg(s, 2, 10, QLatin1Char('0'));
    for (int y = 0; y < 12; ++y)
        others << Calendar::AnimalPictureOf(y);
    for (int i = 1; i <= Calendar::EntryCount; ++i) {
        QString e;
        Calendar::CalendarEntry(i, e);
        others << Calendar::SplitEntry(e).Res;
    }
    // The sign stands at 17, 65 and the other pictures at 3, 27 on a 60 x 100 page.
    for (const QString& n : signs) {
        const QImage img = lib.image(n);
        ASSERT_FALSE(img.isNull()) << n.toStdString();
        EXPECT_LE(img.width(), 60 - 17) << n.toStdString();
        EXPECT_LE(img.height(), 100 - 65) << n.toStdString();
    }
    for (const QString& n : others) {
        const QImage img = lib.image(n);
        ASSERT_FALSE(img.isNull()) << n.toStdString();
        EXPECT_LE(img.width(), 60 - 3) << n.toStdString();
        EXPECT_LE(img.height(), 100 - 27) << n.toStdString();
        EXPECT_TRUE(img.hasAlphaChannel()) << n.toStdString();
    }
}
