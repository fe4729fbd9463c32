#include "foundation/GameTables.h"

#include "platform/Canvas.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr TColor kFill = 0x030201;

// The bounding box of the pixels that differ from the fill.
QRect touched(const Canvas& cv)
{
    QRect box;
    for (int y = 0; y < cv.height(); ++y)
        for (int x = 0; x < cv.width(); ++x)
            if (cv.pixel(x, y) != kFill)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool opaque(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

TEST(GameLogo, SizeSelectsUnscaledOrScaledPictures)
{
    const QImage bg = resources::image(QStringLiteral("GLogosBG"));
    if (bg.isNull() || !opaque(bg))
        GTEST_SKIP() << "no opaque logo background";
    struct Case {
        int size, drawn;
    };
    // 170 draws the pictures as they are (175 x 175); 175 scales them to the same size.
    for (const Case& c : {Case{170, 175}, Case{175, 175}, Case{100, 100}, Case{60, 60}}) {
        Canvas cv(300, 300, kFill);
        GameTables::DrawGameLogo(431, 10, 20, true, cv, c.size);
        EXPECT_EQ(touched(cv), QRect(10, 20, c.drawn, c.drawn)) << c.size;
    }
    Canvas none(300, 300, kFill);
    GameTables::DrawGameLogo(431, 10, 20, true, none, 0);
    EXPECT_TRUE(touched(none).isNull());
}

TEST(GameLogo, Size170DrawsThePictureAsItIs)
{
    const GameTables::GameInfo* game = GameTables::GameInfoOf(404);
    ASSERT_NE(game, nullptr);
    const QImage logo = resources::image(QString::fromLatin1(game->logo)).convertToFormat(QImage::Format_ARGB32);
    if (logo.isNull())
        GTEST_SKIP() << "logo " << game->logo << " missing";
    Canvas cv(200, 200, kFill);
    GameTables::DrawGameLogo(404, 5, 6, false, cv, 170);
    int checked = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            if (qAlpha(logo.pixel(x, y)) == 255) {
                ASSERT_EQ(cv.pixel(5 + x, 6 + y), fromQRgb(logo.pixel(x, y))) << x << "," << y;
                ++checked;
            }
    EXPECT_GT(checked, 0);
}

TEST(GameLogo, UnknownGameDrawsOnlyTheBackground)
{
    Canvas withBg(200, 200, kFill);
    GameTables::DrawGameLogo(99, 0, 0, true, withBg, 170);
    Canvas bgOnly(200, 200, kFill);
    if (resources::image(QStringLiteral("GLogosBG")).isNull())
        GTEST_SKIP() << "no logo background";
    bgOnly.draw(0, 0, resources::image(QStringLiteral("GLogosBG")));
    EXPECT_EQ(withBg.image(), bgOnly.image());

    Canvas nothing(50, 50, kFill);
    GameTables::DrawGameLogo(99, 0, 0, false, nothing, 40);
    EXPECT_TRUE(touched(nothing).isNull());
}
