// The end-of-game window: what it says, plays and animates for each way a series ends.
#include "ImagePixels.h"

#include "app/Qyv_FEndGame.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/AccountClient.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QMovie>
#include <gtest/gtest.h>

namespace {

struct PlanCase {
    const char* what;
    int place, score, online, reward;
    const char* animation;
    bool loops;
    int stillFrame;
    const char* sound;
    const char* row1;
    const char* row2;
    const char* row3;
    int row2Height;
    platform::TColor color;
    int firstRowY;
    const char* rewardLine; // nullptr: none
};

const PlanCase kPlans[] = {
    {"local best", 1, 1234, 1, 0, "GFiBest", false, 15, "WavFiGood", "CONGRATULATIONS!!!",
     "Your result - the best!", "Result: 1234 ; Place: 1", 24, platform::clPurple, 90, nullptr},
    {"local second", 2, 900, 2, 0, "GFiGood", false, 15, "WavFiGood", "CONGRATULATIONS!!!", "Good result!",
     "Result: 900 ; Place: 2", 24, platform::clMaroon, 90, nullptr},
    {"local tenth", 10, 15, 1, 0, "GFiGood", false, 15, "WavFiGood", "CONGRATULATIONS!!!", "Good result!",
     "Result: 15 ; Place: 10", 24, platform::clMaroon, 90, nullptr},
    {"local not placed", 0, 300, 1, 0, "GFiBads", true, 5, "WavFiBads", "Our regrets...",
     "Your result keeps to wish best", "Result: 300", 16, platform::clNavy, 90, nullptr},
    {"local negative score", 0, -120, 1, 0, "GFiBads", true, 5, "WavFiBads", "Our regrets...",
     "Your result keeps to wish best", "Result: -120", 16, platform::clNavy, 90, nullptr},
    {"rated twelfth", 12, 500, 3, 0, "GFiBads", true, 15, "WavFiBads", "Our regrets...",
     "Your result keeps to wish best", "Result: 500 ; Place: 12", 16, platform::clNavy, 90, nullptr},
    {"rated best paid", 1, 2000, 3, 25, "GFiBest", false, 15, "WavFiGood", "CONGRATULATIONS!!!",
     "Your result - the best!", "Result: 2000 ; Place: 1", 24, platform::clPurple, 50, "You get 25 Qyvs!!!"},
    {"rated tenth paid", 10, 700, 3, 10, "GFiGood", false, 15, "WavFiGood", "CONGRATULATIONS!!!", "Good result!",
     "Result: 700 ; Place: 10", 24, platform::clMaroon, 50, "You get 10 Qyvs!!!"},
    {"rated payment failed", 3, 800, 3, -1, "GFiGood", false, 15, "WavFiGood", "CONGRATULATIONS!!!",
     "Good result!", "Result: 800 ; Place: 3", 24, platform::clMaroon, 90, nullptr},
    {"rated without a place", 0, 100, 3, 0, "GFiBads", true, 5, "WavFiBads", "Our regrets...",
     "Your result keeps to wish best", "Result: 100", 16, platform::clNavy, 90, nullptr},
    {"reward ignored when not rated", 2, 900, 2, 10, "GFiGood", false, 15, "WavFiGood", "CONGRATULATIONS!!!",
     "Good result!", "Result: 900 ; Place: 2", 24, platform::clMaroon, 90, nullptr},
};

TEST(EndGameWindow, PlanForEachEndOfSeries)
{
    Texts::LanguageIndex = 0;
    for (const PlanCase& c : kPlans) {
        SCOPED_TRACE(c.what);
        const EndGame::EndGameView v = EndGame::PlanEndGame(c.place, c.score, c.online, c.reward);
        EXPECT_EQ(v.Animation, QString::fromLatin1(c.animation));
        EXPECT_EQ(v.Loops, c.loops);
        EXPECT_EQ(v.StillFrame, c.stillFrame);
        EXPECT_EQ(v.Sound, QString::fromLatin1(c.sound));
        ASSERT_EQ(v.Rows.size(), c.rewardLine ? 5u : 4u);
        EXPECT_EQ(v.Rows[0].Text, QString::fromUtf8(c.row1));
        EXPECT_EQ(v.Rows[1].Text, QString::fromUtf8(c.row2));
        EXPECT_EQ(v.Rows[2].Text, QString::fromUtf8(c.row3));
        EXPECT_EQ(v.Rows[1].Height, c.row2Height);
        EXPECT_EQ(v.Rows[0].Color, c.color);
        EXPECT_EQ(v.Rows[3].Color, c.color);
        EXPECT_EQ(v.Rows[2].Color, platform::clGreen);
        EXPECT_EQ(v.Rows[2].X1, 20);
        EXPECT_EQ(v.Rows[0].X1, 22);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(v.Rows[i].Y, c.firstRowY + i * (c.firstRowY == 90 ? 60 : 30));
        EXPECT_EQ(v.ShowReward, c.rewardLine != nullptr);
        EXPECT_EQ(v.ShowAccount, c.online == 3);
        if (c.rewardLine) {
            EXPECT_EQ(v.Rows[4].Text, QString::fromLatin1(c.rewardLine));
            EXPECT_EQ(v.Rows[4].Y, 165);
            EXPECT_EQ(v.RewardNumber, QString::number(c.reward));
        }
    }
}

class EndGameWindowShown : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        GameState::CurrentGameId = 71;
        Texts::LanguageIndex = 0;
        savedGif = Settings::GifAnimationOn;
        savedSound = Settings::SoundOn;
        Settings::SoundOn = true;
        Online::OnlineState = 1;
        EndGame::EndGameReward = 0;
    }
    void TearDown() override
    {
        Settings::GifAnimationOn = savedGif;
        Settings::SoundOn = savedSound;
        Online::OnlineState = 1;
        EndGame::EndGameReward = 0;
        ClubFile::EndGamePlace = 0;
        ClubFile::EndGameScore = 0;
    }
    bool savedGif = true, savedSound = true;
};

TEST_F(EndGameWindowShown, SecondPlacePlaysGoodSoundOnceAndRestsOnFrame15)
{
    Settings::GifAnimationOn = true;
    ClubFile::EndGamePlace = 2;
    ClubFile::EndGameScore = 900;
    RecordingSoundSink sink;
    testsupport::ScriptedPresenter presenter;
    bool checked = false;
    presenter.onDialog = [&](QDialog& d) {
        auto& f = static_cast<TFormEndGame&>(d);
        EXPECT_TRUE(f.windowTitle().startsWith(QStringLiteral("The completion of game - ")));
        EXPECT_EQ(f.RxGIFAn1->Resource(), QStringLiteral("GFiGood"));
        EXPECT_TRUE(f.RxGIFAn1->Running());
        // The row of the score is green; the reward line is not drawn.
        EXPECT_GT(PixelsOf(f, platform::clGreen, 210, 240), 0);
        EXPECT_EQ(PixelsOf(f, platform::clGreen, 160, 190), 0);
        f.RxGIFAn1FrameChanged(14);
        EXPECT_TRUE(f.RxGIFAn1->Running());
        f.RxGIFAn1FrameChanged(15);
        EXPECT_FALSE(f.RxGIFAn1->Running());
        f.Button1Click();
        EXPECT_EQ(f.RxGIFAn1->Movie(), nullptr);
        checked = true;
        return f.result();
    };
    EXPECT_EQ(ShowFormEndGame(nullptr), QDialog::Accepted);
    EXPECT_TRUE(checked);
    ASSERT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormEndGame")});
    const QByteArray good = platform::resources::find(QStringLiteral("WavFiGood"));
    ASSERT_FALSE(good.isEmpty());
    int goodCount = 0;
    for (const auto& call : sink.calls)
        goodCount += !call.stop && call.wav == good;
    EXPECT_EQ(goodCount, 1);
}

TEST_F(EndGameWindowShown, NotPlacedLoopsBadsAndNeverStops)
{
    Settings::GifAnimationOn = true;
    ClubFile::EndGamePlace = 0;
    ClubFile::EndGameScore = 300;
    RecordingSoundSink sink;
    TFormEndGame f;
    f.FormActivate();
    EXPECT_EQ(f.RxGIFAn1->Resource(), QStringLiteral("GFiBads"));
    f.RxGIFAn1FrameChanged(15);
    EXPECT_TRUE(f.RxGIFAn1->Running());
    const QByteArray bads = platform::resources::find(QStringLiteral("WavFiBads"));
    ASSERT_FALSE(sink.calls.empty());
    EXPECT_EQ(sink.calls.back().wav, bads);
}

TEST_F(EndGameWindowShown, RatedTwelfthLoopsBadsPastFrame15)
{
    Settings::GifAnimationOn = true;
    Online::OnlineState = 3;
    ClubFile::EndGamePlace = 12;
    TFormEndGame f;
    f.FormActivate();
    EXPECT_EQ(f.RxGIFAn1->Resource(), QStringLiteral("GFiBads"));
    f.RxGIFAn1FrameChanged(15);
    EXPECT_TRUE(f.RxGIFAn1->Running());
}

TEST_F(EndGameWindowShown, AnimationsOffStandStill)
{
    Settings::GifAnimationOn = false;
    struct {
        int place, online, frame;
        const char* gif;
    } cases[] = {{1, 1, 15, "GFiBest"}, {4, 1, 15, "GFiGood"}, {0, 1, 5, "GFiBads"}, {12, 3, 15, "GFiBads"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        Online::OnlineState = c.online;
        ClubFile::EndGamePlace = c.place;
        TFormEndGame f;
        f.FormActivate();
        EXPECT_EQ(f.RxGIFAn1->Resource(), QString::fromLatin1(c.gif));
        EXPECT_FALSE(f.RxGIFAn1->Running());
        EXPECT_EQ(f.RxGIFAn1->Frame(), c.frame);
    }
}

TEST_F(EndGameWindowShown, RatedRewardDrawsTheMedallionNumberInYellow)
{
    Settings::GifAnimationOn = false;
    Online::OnlineState = 3;
    ClubFile::EndGamePlace = 1;
    ClubFile::EndGameScore = 2000;
    EndGame::EndGameReward = 25;
    TFormEndGame f;
    f.FormActivate();
    EXPECT_GT(PixelsOf(f, platform::clGreen, 160, 190), 0);   // "You get 25 Qyvs!!!"
    EXPECT_GT(PixelsOf(f, platform::clYellow, 225, 275), 0);  // the big number
    EndGame::EndGameReward = -1;
    TFormEndGame g;
    g.FormActivate();
    EXPECT_EQ(PixelsOf(g, platform::clYellow, 225, 275), 0);
}

} // namespace

namespace {

TEST(EndGameWindow, LongRowsShrinkToStayOnTheScroll)
{
    platform::Canvas c(300, 375);
    c.font.name = QStringLiteral("Noto Sans");
    const struct {
        const char* text;
        int height;
        bool shrinks;
    } cases[] = {{"Good result!", 24, false}, {"Ваш результат — лучший из всех возможных!", 24, true},
                 {"CONGRATULATIONS!!! CONGRATULATIONS!!!", 28, true}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        EndGame::TextRow row{QString::fromUtf8(k.text), 22, 280, 90, k.height, platform::clNavy};
        const int h = EndGame::FittingHeight(row, c);
        EXPECT_EQ(h < k.height, k.shrinks);
        c.font.height = h;
        EXPECT_LE(c.textWidth(row.Text), 258);
        if (h < k.height) {
            c.font.height = h + 1;
            EXPECT_GT(c.textWidth(row.Text), 258);
        }
    }
}

} // namespace
