#pragma once
// Scripted rounds of the group-1 games through real mouse events on the table image of
// a bare table surface, with the real dispatch, instant flights, a controlled clock
// for press timing, recorded sounds and scripted modal windows.
//
//   class MyTest : public play_test::PlayTable {};
//   TEST_F(MyTest, X) {
//       Table(Group1::YukonSolo);            // emptied table of the game, laid out
//       SetPile(1, {"Кп", "Дч"}, 1);        // from EngineTestSupport.h
//       Paint();                            // every pile, foundation, stock and waste
//       Drag(TopCard(1), TopCard(2));       // press, moves, release
//       EXPECT_EQ(Sounds(), (QStringList{"WavDown", "WavCardUp"}));
//   }
#include "EngineTestSupport.h"

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
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitPress.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace play_test {

using engine_test::Cd;
using engine_test::SetFoundation;
using engine_test::SetPile;

// One action on a table that it cannot end: the moves it counts, the sounds it plays
// (blank-separated) and what else must hold afterwards.
struct MoveCase {
    const char* what;
    std::function<void()> act;
    int moves;
    QString sounds;
    std::function<void()> verify;
};

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
        Sprite::SetFlightStepListenerForTest([this](int x, int y) { flightEnd = QPoint(x, y); ++flightSteps; });
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

    // An emptied table of `game` laid out at width x height and `zoom`, the round being
    // played (RoundPhase 2) in move mode `mode`.
    void Table(int game, int mode = 2, int width = 760, int height = 500, double zoom = 1.0)
    {
        using namespace GameState;
        ResetGameState();
        CurrentGameId = game;
        Settings::MoveMode = mode;
        ApplyZoomForTest(width, height, zoom, true);
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        CardPictures::TableBackground = QImage(width, height, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(QColor(0x50, 0xA0, 0x30));
        LayoutTable();
        window->resize(width, height);
        Form1->ImageStol->setGeometry(0, 0, width, height);
        Form1->ImageStol->setPictureSize(width, height);
        // A real deal sets the game's pile, slot and foundation counts; then every
        // place is emptied for the test to fill.
        Group1::DealTable1();
        ClearCards(PileCards, PileValues);
        platform::fillAll(PileFaceUp, Byte(0));
        platform::fillAll(PileMarks, Byte(0));
        ClearCards(FoundationCards, FoundationValues);
        ClearCards(StockCards, StockValues);
        ClearCards(WasteCards, WasteValues);
        ClearCards(FreeCellCards, FreeCellValues);
        platform::fillAll(PileCardCount, 0);
        for (int f = 1; f <= 8; ++f)
            FoundationNextSlot[f] = 1;
        StockCount = 0;
        WasteCount = 1;
        MoveCounter = 0;
        SelectedPile = 0;
        UndoFlag = 0;
        Button8Mode = 0;
        PassCount = 1;
        RoundActive = 1;
        RoundPhase = 2;
        GameOver = 0;
        GameWon = 0;
        Form1->ImageStol->show();
    }

    // Fan steps set and everything drawn on the background.
    void Paint()
    {
        using namespace GameState;
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        for (int p = 1; p <= LayoutPileCount; ++p) {
            PileFanStep[p] = Group1::FanStep1(p);
            Group1::RedrawColumn1(p, 0);
        }
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            Group1::RedrawFoundation1(f);
        if (Group1::IsVardelin(CurrentGameId) || Group1::IsSpider(CurrentGameId))
            Group1::RedrawStockWaste1(0);
        Group1::DrawInfoPanel1();
        Form1->ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
    }

    // ---- points ----

    // The middle of slot s of pile p (its visible strip for a covered card).
    QPoint Slot(int p, int s) const
    {
        using namespace GameState;
        const int top = Group1::LastCardIndex1(PileCards[p]);
        const int y = Group1::SlotY(p, s);
        const int h = s < top ? PileFanStep[p] : CardHeight;
        return {SpecialX[p] + CardWidth / 2, y + h / 2};
    }
    // The middle of the top card of pile p, or of its first slot when empty.
    QPoint TopCard(int p) const { return Slot(p, std::max(1, Group1::LastCardIndex1(GameState::PileCards[p]))); }
    QPoint Foundation(int f) const
    {
        return {Group1::FoundationPlaceX(f) + GameState::CardWidth / 2,
                Group1::FoundationPlaceY() + GameState::CardHeight / 2};
    }
    QPoint Stock() const { return {GameState::SpecialX[1] + GameState::CardWidth / 2, Group1::StockTopY1() + 10}; }
    QPoint Waste() const { return {GameState::SpecialX[2] + GameState::CardWidth / 2, Group1::WasteTopY1() + 10}; }

    // ---- mouse ----

    // Every press comes `msSincePress` after the one before (Kit::PickSoundOn needs > 1000).
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
        send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        Release(p);
    }

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
    // Runs c.act on the table as it stands and checks its count and sounds; the drag is
    // over and the round goes on.
    void CheckMove(const MoveCase& c)
    {
        c.act();
        EXPECT_EQ(GameState::MoveCounter, c.moves);
        EXPECT_EQ(Sounds(), c.sounds);
        EXPECT_FALSE(GameState::DragActive);
        EXPECT_FALSE(GameState::GameOver);
        c.verify();
    }
    // The round has just ended, won or stuck: its sound, balloons only for a win, one
    // score window, and the give-up button turned into the way back to the menu.
    void ExpectRoundEnded(bool won)
    {
        EXPECT_TRUE(GameState::GameOver);
        EXPECT_EQ(GameState::GameWon != 0, won);
        EXPECT_TRUE(Sounds().endsWith(won ? "WavKoGood" : "WavKoBads"));
        EXPECT_EQ(Celebration::WinBalloonsPending, won);
        EXPECT_EQ(ScoreWindows(), 1);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToMenu));
    }
    const QImage& Shown() const { return Form1->ImageStol->canvas().image(); }
    // The table above the info panel (whose text is redrawn over itself).
    QImage Cards() const
    {
        return Shown().copy(0, 0, Scaling::TableWidth, GameState::ColumnsTopY + GameState::ColumnsHeight);
    }
    // The smallest rectangle holding every pixel in which two pictures differ (empty
    // when they are alike).
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
    testsupport::ScriptedPresenter presenter;
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

} // namespace play_test
