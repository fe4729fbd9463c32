#include "foundation/GameState.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace StartScreen;

namespace {

struct IntroScreen : ::testing::Test {
    void SetUp() override { Form1 = &surface; }
    void TearDown() override { Form1 = nullptr; }
    TTableSurface surface;
};

// The colours found in a band of the intro picture.
QSet<platform::TColor> coloursIn(const platform::Canvas& c, int x1, int x2, int y1, int y2)
{
    QSet<platform::TColor> found;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            found.insert(c.pixel(x, y));
    return found;
}

} // namespace

TEST_F(IntroScreen, TitleLettersTakeTheirColoursAndRotateOnTheTwelfthStep)
{
    ShowSplash(0, QStringLiteral("VARDELIN"));
    const auto start = SplashColors;
    ShowSplash(1, QStringLiteral("VARDELIN"));
    // Eight letters: drawn in SplashColors[9] down to [2]; [1] and [10] stay unused.
    const auto band = coloursIn(surface.Image1->canvas(), 230, 530, 175, 230);
    for (int i = 2; i <= 9; ++i)
        EXPECT_TRUE(band.contains(start[i])) << i;
    EXPECT_FALSE(band.contains(start[1]));
    EXPECT_FALSE(band.contains(start[10]));

    for (int step = 2; step <= 11; ++step)
        ShowSplash(1, QStringLiteral("VARDELIN"));
    EXPECT_EQ(SplashColors[1], start[1]); // eleven steps: nothing rotated yet
    ShowSplash(1, QStringLiteral("VARDELIN"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(SplashColors[i], start[i + 1]) << i;
    EXPECT_EQ(SplashColors[10], start[1]);
}

TEST_F(IntroScreen, IconsCircleTheInnerFrame)
{
    ShowSplash(0, QStringLiteral("V"));
    for (int step = 1; step <= 394; ++step)
        ShowSplash(1, QStringLiteral("V"));
    EXPECT_EQ(SplashIconPos[4], QPoint(156, 362));
    ShowSplash(1, QStringLiteral("V"));
    // The 395th step reaches x 155 and, in the same step, moves up.
    EXPECT_EQ(SplashIconPos[4], QPoint(155, 361));
    // The first icon walked the top edge to the corner and turned down in the same step.
    EXPECT_EQ(SplashIconPos[1], QPoint(550, 69));
}

TEST(StartScreen, MemberTextsOfTheClubLines)
{
    const QString empty = QStringLiteral("################################# #####################");
    EXPECT_EQ(MemberText(empty), QString(20, '#') + QString(7, ' ') + "###" + QString(7, ' ') + "######");
    const QString member = QStringLiteral("Anna                ########## 12   3456123045067089101");
    EXPECT_EQ(MemberText(member), QStringLiteral("Anna                ") + QString(7, ' ') + " 12" +
                                      QString(7, ' ') + "  3456");
    EXPECT_EQ(MemberText(QString()), QString(20 + 7 + 3 + 7 + 6, ' ')); // an unreadable file shows blanks
}
