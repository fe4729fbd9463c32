// The menu's animations: the candle flames on the menu timer and the two animated
// pictures. Each keeps its frames and pace, paints only what it changes, and stands
// still while nothing of the window can be seen.
#include "app/Qyv__Form1.h"
#include "app/RoundStart.h"
#include "foundation/CardPictures.h"
#include "foundation/ClubFile.h"
#include "foundation/EmptyTable.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/TextFileLines.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "support/ProgramFolderFixture.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QPoint kFlamePlaces[3] = {{4, 6}, {42, 23}, {81, 6}};

QRect flameRect(int i)
{
    return QRect(kFlamePlaces[i], QSize(15, 35));
}

// Records the regions a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* w) { w->installEventFilter(this); }
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

class MenuAtRest : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::WindowSize = 1;
        ASSERT_TRUE(TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName),
                                                  TextFileLines::JoinLines(ClubFile::EmptyClubLines("ozk"))));
        form = new TForm1;
        form->show();
        form->FormFirstShow();
        Settings::SoundOn = false;
        Settings::GifAnimationOn = true;
        form->Image1Click();
        ASSERT_TRUE(GameState::MenuActive);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        delete form;
        ProgramFolderFixture::TearDown();
    }

    // What a flame at a candle's place shows: the table under it, then the frame.
    QImage expectedFlame(const platform::PictureControl& candle, int i, int frame) const
    {
        QImage flame(15, 35, QImage::Format_RGB32);
        flame.fill(QColor(0, 128, 0));
        QPainter p(&flame);
        const QPoint at = candle.pos() + kFlamePlaces[i];
        if (Settings::BackgroundNo != 0)
            p.drawImage(-at, CardPictures::TableBackground);
        p.drawImage(0, 0, platform::resources::image(QStringLiteral("Fire%1").arg(frame, 2, 10, QLatin1Char('0'))));
        return flame;
    }

    platform::PictureControl* candles() const { return form->ImageSvLeft; }

    testsupport::ScriptedPresenter presenter;
    TForm1* form = nullptr;
};

TEST_F(MenuAtRest, EachTickShowsTheNextFlamesAndChangesNothingElse)
{
    ASSERT_FALSE(CardPictures::TableBackground.isNull());
    platform::PictureControl* const candles[2] = {form->ImageSvLeft, form->ImageSvRight};
    // Blots out the flames, leaving the rest of a candle picture.
    const auto withoutFlames = [](QImage picture) {
        QPainter p(&picture);
        for (int i = 0; i < 3; ++i)
            p.fillRect(flameRect(i), Qt::black);
        return picture;
    };
    for (int background : {Settings::BackgroundNo, 0}) {
        SCOPED_TRACE(background);
        Settings::BackgroundNo = background;
        StartScreen::CandleFrame = 0;
        // Fifteen ticks: all fourteen frames, and back to the first.
        for (int tick = 0; tick < 15; ++tick) {
            const int n = tick % 14;
            QImage before[2];
            for (int c = 0; c < 2; ++c)
                before[c] = candles[c]->canvas().image().copy();
            form->Timer1Timer();
            EXPECT_EQ(StartScreen::CandleFrame, (n + 1) % 14);
            for (int c = 0; c < 2; ++c) {
                const QImage& after = candles[c]->canvas().image();
                for (int i = 0; i < 3; ++i) {
                    // The outer flames show frame n + 1, the middle one the frame seven on.
                    const int frame = i == 1 ? (n + 7) % 14 + 1 : n + 1;
                    EXPECT_EQ(after.copy(flameRect(i)), expectedFlame(*candles[c], i, frame))
                        << "tick " << tick << " candle " << c << " flame " << i;
                }
                EXPECT_EQ(withoutFlames(after), withoutFlames(before[c])) << "tick " << tick;
            }
        }
    }
}

TEST_F(MenuAtRest, ATickRepaintsOnlyTheFlames)
{
    PaintRecorder left(form->ImageSvLeft), area(form->FormArea());
    form->Timer1Timer();
    QApplication::processEvents();
    QRegion flames;
    for (int i = 0; i < 3; ++i)
        flames += flameRect(i);
    ASSERT_FALSE(left.regions.isEmpty());
    for (const QRegion& r : left.regions)
        EXPECT_TRUE((r - flames).isEmpty()) << "painted beyond the flames";
    // The candle picture covers what lies under it.
    const QRect candle = form->ImageSvLeft->geometry();
    for (const QRegion& r : area.regions)
        EXPECT_FALSE(r.intersects(candle));
}

TEST_F(MenuAtRest, EveryFrameOfTheMenuPicturesShowsAsTheGifHasIt)
{
    for (auto [gif, name] : {std::pair{form->RxGIFAnL, "GMenuL"}, std::pair{form->RxGIFAnR, "GMenuR"}}) {
        SCOPED_TRACE(name);
        gif->stop();
        QBuffer data;
        data.setData(platform::resources::find(QLatin1String(name)));
        data.open(QIODevice::ReadOnly);
        QImageReader reader(&data);
        QList<QImage> frames;
        for (QImage f = reader.read(); !f.isNull(); f = reader.read())
            frames.push_back(f.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        ASSERT_GT(frames.size(), 1);
        ASSERT_EQ(gif->frameCount(), frames.size());
        gif->jumpToFrame(0);
        // Two rounds: the way from the last frame back to the first is a step like any other.
        for (int k = 1; k <= 2 * frames.size(); ++k) {
            const QImage before = gif->picture().copy();
            const QRect painted = gif->step();
            const int n = k % frames.size();
            ASSERT_EQ(gif->currentFrame(), n);
            ASSERT_EQ(gif->picture(), frames[n]) << "frame " << n;
            // Nothing changed outside the rectangle the step repainted.
            QImage outside = gif->picture().copy(), outsideBefore = before;
            QPainter p(&outside), q(&outsideBefore);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            q.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(painted, Qt::transparent);
            q.fillRect(painted, Qt::transparent);
            p.end();
            q.end();
            EXPECT_EQ(outside, outsideBefore) << "frame " << n;
            EXPECT_LT(painted.width() * painted.height(), frames[n].width() * frames[n].height()) << "frame " << n;
        }
        gif->jumpToFrame(5);
        EXPECT_EQ(gif->picture(), frames[5]);
        gif->jumpToFrame(0);
        EXPECT_EQ(gif->picture(), frames[0]);
    }
}

TEST_F(MenuAtRest, ThePicturesShowANewFrameOnEveryFourthMenuTick)
{
    // The menu timer ticks every 20 ms and the pictures' frames last 80 ms each.
    ASSERT_EQ(form->Timer1->interval(), 20);
    for (platform::AnimatedPicture* gif : {form->RxGIFAnL, form->RxGIFAnR})
        gif->jumpToFrame(0);
    QList<int> framesAtTick;
    QEventLoop loop;
    QObject::connect(form->Timer1, &QTimer::timeout, &loop, [&] {
        framesAtTick.push_back(form->RxGIFAnL->currentFrame() * 100 + form->RxGIFAnR->currentFrame());
        if (framesAtTick.size() == 12)
            loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(framesAtTick.size(), 12);
    for (int tick = 1; tick <= 12; ++tick) {
        const int frame = tick / 4;
        EXPECT_EQ(framesAtTick[tick - 1], frame * 100 + frame) << "tick " << tick;
    }
}

TEST_F(MenuAtRest, AHiddenOrMinimisedWindowAnimatesNothingUntilItShowsAgain)
{
    const auto allRunning = [this] {
        EXPECT_TRUE(form->Timer1->isActive());
        EXPECT_TRUE(form->TimerCal->isActive() || !form->ImCalL->isVisible());
        for (platform::AnimatedPicture* gif : {form->RxGIFAnL, form->RxGIFAnR}) {
            EXPECT_TRUE(gif->running());
            EXPECT_FALSE(gif->resting());
        }
    };
    allRunning();
    const bool calendar = form->TimerCal->isActive();
    for (int how = 0; how < 2; ++how) {
        SCOPED_TRACE(how == 0 ? "hidden" : "minimised");
        if (how == 0)
            form->hide();
        else
            form->setWindowState(Qt::WindowMinimized);
        EXPECT_FALSE(form->Timer1->isActive());
        EXPECT_FALSE(form->TimerCal->isActive());
        for (platform::AnimatedPicture* gif : {form->RxGIFAnL, form->RxGIFAnR})
            EXPECT_TRUE(gif->resting());

        // A tick that comes anyway paints nothing and keeps the flames where they were.
        const int frame = StartScreen::CandleFrame;
        const QImage before = candles()->canvas().image().copy();
        form->Timer1Timer();
        EXPECT_EQ(StartScreen::CandleFrame, frame);
        EXPECT_EQ(candles()->canvas().image(), before);

        if (how == 0)
            form->show();
        else
            form->setWindowState(Qt::WindowNoState);
        allRunning();
        EXPECT_EQ(form->TimerCal->isActive(), calendar);
        form->Timer1Timer();
        EXPECT_EQ(StartScreen::CandleFrame, (frame + 1) % 14);
    }
}

TEST_F(MenuAtRest, AClosedWindowsMovieRestsAndGoesOnWhenItOpensAgain)
{
    QWidget window;
    auto* label = new QLabel(&window);
    QBuffer data;
    data.setData(platform::resources::find(QStringLiteral("GMenuL")));
    data.open(QIODevice::ReadOnly);
    QMovie movie(&data);
    label->setMovie(&movie);
    platform::restMovieWhileHidden(*label);
    window.show();
    movie.start();
    ASSERT_EQ(movie.state(), QMovie::Running);
    window.hide();
    EXPECT_EQ(movie.state(), QMovie::Paused);
    window.show();
    EXPECT_EQ(movie.state(), QMovie::Running);

    // A movie its window had stopped stays stopped.
    movie.setPaused(true);
    window.hide();
    window.show();
    EXPECT_EQ(movie.state(), QMovie::Paused);
}

TEST_F(MenuAtRest, TheMenuPicturesRestOnTheTableAndGoOnBackAtTheMenu)
{
    GameState::PlayerSlot = 6;
    RoundStart::StartDeal(*form);
    ASSERT_TRUE(GameState::RoundActive);
    for (platform::AnimatedPicture* gif : {form->RxGIFAnL, form->RxGIFAnR}) {
        EXPECT_FALSE(gif->isVisible());
        EXPECT_TRUE(gif->resting());
    }
    GameState::ReturnToMenu();
    for (platform::AnimatedPicture* gif : {form->RxGIFAnL, form->RxGIFAnR}) {
        EXPECT_TRUE(gif->isVisible());
        EXPECT_TRUE(gif->running());
        EXPECT_FALSE(gif->resting());
        EXPECT_EQ(gif->currentFrame(), 0);
    }
}

} // namespace
