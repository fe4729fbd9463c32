#include "app/WindowSize.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"

#include <QSize>
#include <gtest/gtest.h>

using namespace WindowSize;

TEST(WindowSize, AStoredSizeTooLargeForTheScreenFallsBackToTheLargestThatFits)
{
    struct Case { int stored, screenW, screenH, expected; };
    const Case cases[] = {
        {5, 1600, 900, 4},
        {5, 1920, 1200, 5},
        {4, 1280, 1024, 3},
        {3, 1024, 600, 1},
        {1, 800, 600, 1},
        {2, 640, 480, 2},    // full screen always fits
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittingWindowSize(c.stored, c.screenW, c.screenH), c.expected)
            << c.stored << " on " << c.screenW << "x" << c.screenH;
}

TEST(WindowSize, ZoomAndCardSizeFollowTheWindowSize)
{
    struct Case { int size; int tw, th; double scale; bool wide; int cw, ch, mode; };
    const Case cases[] = {
        {1, 760, 500, 1.0, true, 71, 96, 1},
        {3, 990, 650, 1.3, true, 92, 125, 0},   // Scaled(71) = 92.3, Scaled(96) = 124.8
        {3, 990, 650, 1.3, false, 79, 125, 0},  // Scaled(61) = 79.3
        {4, 1290, 850, 1.7, true, 121, 163, 0},
        {5, 1520, 1000, 2.0, true, 146, 198, 2},
        {5, 1520, 1000, 2.0, false, 126, 198, 2},
    };
    for (const Case& c : cases) {
        SetZoomFor(c.size, 0, 0);
        EXPECT_EQ(Scaling::TableWidth, c.tw);
        EXPECT_EQ(Scaling::TableHeight, c.th);
        EXPECT_DOUBLE_EQ(Scaling::Scale, c.scale);
        CardPictures::WideCardFaces = c.wide;
        SetCardSize();
        EXPECT_EQ(GameState::CardWidth, c.cw) << c.size;
        EXPECT_EQ(GameState::CardHeight, c.ch) << c.size;
        EXPECT_EQ(Scaling::ClassicCardMode, c.mode) << c.size;
    }
    CardPictures::WideCardFaces = true;
}

TEST(WindowSize, FullScreenTakesTheSmallerOfTheTwoFactors)
{
    SetZoomFor(2, 1920, 1080);
    EXPECT_EQ(Scaling::TableWidth, 1920);
    EXPECT_DOUBLE_EQ(Scaling::ScaleX, 1920 / 760.0);
    EXPECT_DOUBLE_EQ(Scaling::ScaleY, 1080 / 500.0);
    EXPECT_DOUBLE_EQ(Scaling::Scale, 1080 / 500.0);
    SetZoomFor(1, 0, 0);
}

TEST(WindowSize, FullScreenLeavesRoomForTheWindowFrame)
{
    struct Case {
        QSize work, frame, client;
    };
    const Case cases[] = {
        {{1920, 1040}, {0, 0}, {1920, 1040}},   // no frame: the whole work area
        {{1920, 1040}, {2, 25}, {1918, 1015}},  // borders and a title bar
        {{800, 600}, {8, 31}, {792, 569}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FullScreenClientSize(c.work, c.frame), c.client) << c.frame.height();
}
