// The click sound, the balloons after a win, and the two timing helpers.
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Color.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "support/RecordingSoundSink.h"

#include <gtest/gtest.h>

#include <QTimer>

using namespace Celebration;

namespace {

TEST(TimingHelpers, DistanceAndTimeOfDay)
{
    EXPECT_DOUBLE_EQ(Distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(Distance(3, 4, 0, 0), 5.0);
    EXPECT_DOUBLE_EQ(Distance(-7, 2, -7, 2), 0.0);
    EXPECT_DOUBLE_EQ(Distance(-2147483647, 0, 2147483647, 0), 4294967294.0); // no overflow

    struct Case {
        QTime time;
        int ms;
    } cases[] = {{QTime(0, 0), 0}, {QTime(23, 59, 59, 999), 86399999}, {QTime(1, 2, 3, 4), 3723004}};
    for (const Case& c : cases) {
        platform::SeamOverrides o;
        o.currentDateTime = [&] { return QDateTime(QDate(2026, 3, 29), c.time); };
        platform::setSeamOverridesForTest(o);
        EXPECT_EQ(MsSinceMidnight(), c.ms);
    }
    platform::setSeamOverridesForTest({});
}

TEST(ClickSound, PlaysOnlyWithSoundOnAndNeverOverItself)
{
    if (!platform::resources::exists(QStringLiteral("WavClick")))
        GTEST_SKIP() << "click sound not rendered yet";
    std::uint64_t nanos = 1'000'000'000'000ull;
    platform::SeamOverrides o;
    o.monotonicNanos = [&] { return nanos; };
    platform::setSeamOverridesForTest(o);
    RecordingSoundSink sink;

    PlayClickSound(QStringLiteral("WavClick"), 0, false);
    EXPECT_TRUE(sink.calls.empty());

    PlayClickSound(QStringLiteral("WavClick"), 0, true);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_EQ(sink.calls[0].wav, platform::resources::find(QStringLiteral("WavClick")));
    EXPECT_FALSE(sink.calls[0].wait);

    nanos += 5'000'000; // 5 ms later, still sounding
    PlayClickSound(QStringLiteral("WavClick"), 0, true);
    EXPECT_EQ(sink.calls.size(), 1u);

    nanos += 10'000'000'000ull; // long over
    PlayClickSound(QStringLiteral("WavClick"), 0, true);
    EXPECT_EQ(sink.calls.size(), 2u);
    platform::setSeamOverridesForTest({});
}

class BalloonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scaling::TableWidth = 760;
        Scaling::TableHeight = 500;
        platform::SeamOverrides o;
        o.randomBelow = [this](int n) {
            asked.push_back(n);
            return 0;
        };
        platform::setSeamOverridesForTest(o);
    }
    void TearDown() override
    {
        StopWinBalloons();
        platform::setSeamOverridesForTest({});
    }
    std::vector<int> asked;
};

TEST_F(BalloonsTest, StartPlacesTwentyBalloonsBelowTheTableAndRisesEveryTick)
{
    StartWinBalloons();
    EXPECT_TRUE(WinBalloonsPending);
    PlayWinBalloons();
    EXPECT_FALSE(WinBalloonsPending);
    EXPECT_TRUE(BalloonsActive);
    EXPECT_EQ(Sprite::SpriteBackground.width(), 760);
    EXPECT_EQ(Sprite::SpriteWork.height(), 500);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(BalloonX[i], 5);
        EXPECT_EQ(BalloonY[i], 500 - (i <= 10 ? 2 : 3)) << i; // the start tick rises too
        EXPECT_EQ(BalloonPicture[i], i <= 6 ? i : 1);
    }
    // x from random(TableWidth - 100), y from random(300), the later pictures from random(6).
    ASSERT_GE(asked.size(), 40u);
    EXPECT_EQ(asked[0], 660);
    EXPECT_EQ(asked[1], 300);
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 6), 14);

    // The slowest balloon starts at 500 and leaves sight at -230: 365 ticks in all.
    for (int tick = 2; tick <= 364; ++tick)
        PlayWinBalloons();
    EXPECT_TRUE(BalloonsActive);
    PlayWinBalloons();
    EXPECT_FALSE(BalloonsActive);
    EXPECT_TRUE(Sprite::SpriteWork.isEmpty());
}

TEST_F(BalloonsTest, ABalloonAtMinus229IsStillVisibleAtMinus230ItIsNot)
{
    for (const auto& [start, stillActive] : {std::pair{-227, true}, std::pair{-228, false}}) {
        StartWinBalloons();
        PlayWinBalloons();
        for (int i = 1; i <= 20; ++i)
            BalloonY[i] = -1000;
        BalloonY[1] = start;
        PlayWinBalloons();
        EXPECT_EQ(BalloonY[1], start - 2);
        EXPECT_EQ(BalloonsActive, stillActive) << start;
        StopWinBalloons();
    }
}

TEST_F(BalloonsTest, BalloonsAreDrawnOverTheTablePicture)
{
    if (!platform::resources::exists(QStringLiteral("GBalloon1")))
        GTEST_SKIP() << "balloon pictures not rendered yet";
    StartWinBalloons();
    PlayWinBalloons();
    for (int i = 1; i <= 20; ++i)
        BalloonY[i] = 100 + (i == 1 ? 0 : 1000);
    PlayWinBalloons();
    const QImage balloon = platform::resources::image(QStringLiteral("GBalloon1"));
    ASSERT_FALSE(balloon.isNull());
    const QImage argb = balloon.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) != 255)
                continue;
            ++opaque;
            ASSERT_EQ(Sprite::SpriteWork.pixel(5 + x, 98 + y), platform::fromQRgb(c)) << x << "," << y;
        }
    EXPECT_GT(opaque, argb.width() * argb.height() / 8);
}

TEST_F(BalloonsTest, StopClearsThePendingStart)
{
    StartWinBalloons();
    StopWinBalloons();
    EXPECT_FALSE(WinBalloonsPending);
    PlayWinBalloons();
    EXPECT_FALSE(BalloonsActive);
    EXPECT_TRUE(asked.empty());
}

} // namespace

namespace {

TEST_F(BalloonsTest, Game17CelebratesOverTheWindowOthersOverTheTablePicture)
{
    TTableSurface window;
    Form1 = &window;
    window.show();
    window.FormArea()->setPictureSize(760, 500);
    window.FormCanvas().brush.color = platform::clMaroon;
    window.FormCanvas().fillRect(0, 0, 760, 500);
    window.ImageStol->setPictureSize(760, 500);
    window.ImageStol->canvas().brush.color = platform::clNavy;
    window.ImageStol->canvas().fillRect(0, 0, 760, 500);
    for (const auto& [game, ground] : {std::pair{17, platform::clMaroon}, std::pair{71, platform::clNavy}}) {
        GameState::CurrentGameId = game;
        StartWinBalloons();
        EXPECT_TRUE(window.Timer2->isActive());
        PlayWinBalloons();
        EXPECT_EQ(Sprite::SpriteBackground.pixel(400, 200), ground) << game;
        StopWinBalloons();
        EXPECT_FALSE(window.Timer2->isActive());
    }
    GameState::CurrentGameId = 0;
    Form1 = nullptr;
}

} // namespace
