#pragma once
// Scripted play on a bare table surface for any group's tests: real mouse events on the
// table image through the real dispatch, instant flights, a controlled clock for press
// timing, recorded sounds, scripted modal windows, and picture comparison.
//
//   class MyTest : public testsupport::PlayTable {};
//   TEST_F(MyTest, X) {
//       BareTable(2);                        // move mode 2 at 760 x 500, zoom 1
//       ... lay out and paint the game ...
//       Drag({100, 100}, {300, 100});        // press, moves, release
//       EXPECT_EQ(Sounds(), "WavDown WavCardUp");
//   }
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include "app/TableDispatch.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/kit/KitCursors.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QStringList>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace testsupport {

class PlayTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = {Settings::MoveMode, Settings::SoundOn, Settings::FaceDeckNo, Settings::BackDeckNo};
        Settings::SoundOn = true;
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        platform::SeamOverrides o;
        o.sleepMs = [this](int) { ++sleeps; };
        o.monotonicNanos = [this] { return static_cast<std::uint64_t>(clockMs) * 1000000ull; };
        platform::setSeamOverridesForTest(o);
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        TableDispatch::BindTableHandlers(*window);
        Sprite::SetFlightStepListenerForTest([this](int x, int y) {
            flightEnd = QPoint(x, y);
            ++flightSteps;
        });
    }

    void TearDown() override
    {
        Sprite::SetFlightStepListenerForTest(nullptr);
        Sprite::FreeSprite();
        Kit::SetScreenCursor(Kit::CursorDefault);
        Celebration::StopWinBalloons();
        Form1 = nullptr;
        window.reset();
        platform::setSeamOverridesForTest({});
        GameState::ApplyZoomForTest(760, 500, 1.0, true);
        GameState::ResetGameState();
        Settings::MoveMode = saved.moveMode;
        Settings::SoundOn = saved.soundOn;
        Settings::FaceDeckNo = saved.faces;
        Settings::BackDeckNo = saved.backs;
    }

    // An empty table of width x height at `zoom` in move mode `mode`: the card pictures
    // loaded, a plain green background, the table image sized and shown, the round
    // being played (RoundPhase 2).
    void BareTable(int mode = 2, int width = 760, int height = 500, double zoom = 1.0)
    {
        using namespace GameState;
        ResetGameState();
        Settings::MoveMode = mode;
        ApplyZoomForTest(width, height, zoom, true);
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        CardPictures::TableBackground = QImage(width, height, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(QColor(0x50, 0xA0, 0x30));
        window->resize(width, height);
        Form1->ImageStol->setGeometry(0, 0, width, height);
        Form1->ImageStol->setPictureSize(width, height);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        RoundActive = 1;
        RoundPhase = 2;
        GameOver = 0;
        GameWon = 0;
        Form1->ImageStol->show();
    }

    // ---- mouse ----

    // Every press comes `msSincePress` after the one before (PickSoundOn needs > 1000).
    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton, int msSincePress = 1500)
    {
        clockMs += msSincePress;
        send(QEvent::MouseButtonPress, p, b, b);
    }
    void Move(QPoint p, Qt::MouseButtons held = Qt::LeftButton) { send(QEvent::MouseMove, p, Qt::NoButton, held); }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { send(QEvent::MouseButtonRelease, p, b, Qt::NoButton); }
    void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        Press(p, b);
        Release(p, b);
    }
    // Press at `from`, a few moves on the way and the release at `to`.
    void Drag(QPoint from, QPoint to)
    {
        Press(from);
        for (int i = 1; i <= 4; ++i)
            Move(from + (to - from) * i / 4);
        Release(to);
    }
    // What the window system sends: press, release, double click (with the second
    // press 200 ms after the first), release.
    void DoubleClick(QPoint p)
    {
        Press(p);
        Release(p);
        clockMs += 200;
        DoubleClickOnly(p);
        Release(p);
    }
    // The double-click event alone (as it arrives in the middle of a drag).
    void DoubleClickOnly(QPoint p) { send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton); }

    // ---- what happened ----

    // The names of the sounds played since the last call, in order, blank-separated.
    QString Sounds()
    {
        static const char* names[] = {"WavClick", "WavDown",  "WavCardUp", "WavCancel", "WavStopka",
                                      "WavKoGood", "WavKoBads", "WavFiGood", "WavFiBads", "WavIntro"};
        QStringList out;
        for (const auto& c : sound.calls) {
            QString name = c.stop ? QStringLiteral("stop") : QStringLiteral("?");
            for (const char* n : names)
                if (!c.stop && c.wav == platform::resources::find(QString::fromLatin1(n)))
                    name = QString::fromLatin1(n);
            out << name;
        }
        sound.calls.clear();
        return out.join(' ');
    }
    // Times the score window was shown.
    int ScoreWindows() const { return int(presenter.dialogs.count(QStringLiteral("FormCount"))); }
    // The round has just ended, won or stuck: its sound, balloons only for a win, one
    // score window, and the give-up button turned into the way out with `caption` (null:
    // its caption is not looked at).
    void ExpectRoundEnded(bool won, const Texts::TText* caption = &Texts::TxtToMenu)
    {
        EXPECT_TRUE(GameState::GameOver);
        EXPECT_EQ(GameState::GameWon != 0, won);
        EXPECT_TRUE(Sounds().endsWith(won ? "WavKoGood" : "WavKoBads"));
        EXPECT_EQ(Celebration::WinBalloonsPending, won);
        EXPECT_EQ(ScoreWindows(), 1);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        if (caption) {
            EXPECT_EQ(Form1->Button8->text(), Texts::Tx(*caption));
        }
    }
    const QImage& Shown() const { return Form1->ImageStol->canvas().image(); }
    // The smallest rectangle holding every pixel in which two pictures differ (empty
    // when they are alike), and its text.
    static std::string Text(const QRect& r)
    {
        return r.isEmpty() ? std::string("none")
                           : QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    }
    static QRect Difference(const QImage& a, const QImage& b)
    {
        QRect r;
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        const QImage y = b.convertToFormat(QImage::Format_RGB32);
        if (x.size() != y.size())
            return QRect(QPoint(0, 0), x.size());
        for (int j = 0; j < x.height(); ++j)
            for (int i = 0; i < x.width(); ++i)
                if (x.pixel(i, j) != y.pixel(i, j))
                    r |= QRect(i, j, 1, 1);
        return r;
    }

    std::unique_ptr<TTableSurface> window;
    RecordingSoundSink sound;
    ScriptedPresenter presenter;
    std::int64_t clockMs = 100000;
    int sleeps = 0;
    int flightSteps = 0;
    QPoint flightEnd;

private:
    void send(QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held)
    {
        QWidget* w = Form1->ImageStol;
        QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), b, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    struct Saved {
        int moveMode;
        bool soundOn;
        int faces;
        int backs;
    } saved{};
};

} // namespace testsupport
