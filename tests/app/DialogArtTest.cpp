// The sign-in dialog and the score window show their animations and the cursor set of
// the settings. The DISABLED_ test is a picture driver, run by hand with
// --gtest_also_run_disabled_tests: it saves both windows in English and Russian and a
// sheet of the program's cursors under the temporary folder.
#include "SignInClub.h"

#include "app/Qyv_FPassword.h"
#include "foundation/ClubFile.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedPresenter.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using FontsAndCursors::CursorKind;

class DialogArtTest : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::SoundOn = false;
        keepAnimation = Settings::GifAnimationOn;
        keepCursor = Settings::YellowCursor;
        const GameTables::GameInfo& game = GameTables::Games[6];
        GameState::CurrentGameId = game.code;
        GameState::CurrentGroup = game.group;
        ASSERT_NO_FATAL_FAILURE(WriteClubWithAnna(dir.path(), game));
    }
    void TearDown() override
    {
        Settings::GifAnimationOn = keepAnimation;
        Settings::YellowCursor = keepCursor;
        ProgramFolderFixture::TearDown();
    }

    // Opens the sign-in for a slot, lets `look` see it, then cancels it.
    void withSignIn(int slot, const std::function<void(TFormPassword&)>& look)
    {
        testsupport::ScriptedPresenter presenter;
        presenter.onDialog = [&](QDialog& d) {
            auto& form = dynamic_cast<TFormPassword&>(d);
            look(form);
            form.Button2->click();
            return form.result();
        };
        AskPlayerPassword(slot, QStringLiteral("Anna                "));
    }

    void withScoreWindow(const std::function<void(TFormCount&)>& look)
    {
        testsupport::ScriptedPresenter presenter;
        presenter.onDialog = [&](QDialog& d) {
            auto& form = dynamic_cast<TFormCount&>(d);
            look(form);
            form.Button1->click();
            return form.result();
        };
        ShowScoreWindow();
    }

    bool keepAnimation = true;
    bool keepCursor = false;
};

// The movie a control plays, its frame size and whether it runs.
struct Shown {
    bool present = false;
    QSize size;
    bool running = false;
    int frame = -1;
};

Shown shownBy(const QLabel* label)
{
    Shown s;
    const QMovie* m = label->movie();
    if (!m || !m->isValid())
        return s;
    s.present = true;
    s.size = m->currentImage().size();
    s.running = m->state() == QMovie::Running;
    s.frame = m->currentFrameNumber();
    return s;
}

TEST_F(DialogArtTest, SignInAnimationsPlayOrRestOnTheirFirstFrame)
{
    for (const bool animate : {true, false}) {
        SCOPED_TRACE(animate ? "animated" : "still");
        Settings::GifAnimationOn = animate;
        withSignIn(6, [&](TFormPassword& f) {
            const struct {
                const QLabel* control;
                QSize size;
            } cases[] = {{f.RxGIFAn1, {124, 36}}, {f.RxGIFAnL, {30, 68}}, {f.RxGIFAnR, {30, 68}}};
            for (const auto& c : cases) {
                SCOPED_TRACE(c.control->objectName().toStdString() + " at " + std::to_string(c.control->x()));
                const Shown s = shownBy(c.control);
                ASSERT_TRUE(s.present);
                // The right one shares its name with the round marker: it must be the
                // animation, not the marker's picture.
                EXPECT_EQ(s.size, c.size);
                EXPECT_EQ(s.running, animate);
                if (!animate) {
                    EXPECT_EQ(s.frame, 0);
                }
            }
        });
    }
}

TEST_F(DialogArtTest, ScoreWindowAnimationPlaysOrRests)
{
    for (const bool animate : {true, false}) {
        Settings::GifAnimationOn = animate;
        withScoreWindow([&](TFormCount& f) {
            const Shown s = shownBy(f.RxGIFAn1);
            ASSERT_TRUE(s.present);
            EXPECT_EQ(s.size, QSize(130, 80));
            EXPECT_EQ(s.running, animate);
        });
    }
}

TEST_F(DialogArtTest, WindowsTakeTheCursorSetOfTheSettings)
{
    // Set 1 is the program's own cursors (told apart by their hot spots), set 0 the
    // system's shapes.
    const QPoint arrowHot = FontsAndCursors::CursorOf(CursorKind::Arrow, 1).Frames.front().hotSpot();
    const QPoint handHot = FontsAndCursors::CursorOf(CursorKind::Hand, 1).Frames.front().hotSpot();
    const QPoint beamHot = FontsAndCursors::CursorOf(CursorKind::IBeam, 1).Frames.front().hotSpot();
    ASSERT_TRUE(FontsAndCursors::CursorOf(CursorKind::Hand, 1).Loaded);
    ASSERT_NE(handHot, beamHot);

    Settings::YellowCursor = true;
    withSignIn(1, [&](TFormPassword& f) {
        EXPECT_EQ(f.cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(f.cursor().hotSpot(), arrowHot);
        EXPECT_EQ(f.Button1->cursor().hotSpot(), handHot);
        EXPECT_EQ(f.Button2->cursor().hotSpot(), handHot);
        for (const QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3})
            EXPECT_EQ(e->cursor().hotSpot(), beamHot);
    });
    withScoreWindow([&](TFormCount& f) {
        EXPECT_EQ(f.cursor().hotSpot(), arrowHot);
        EXPECT_EQ(f.Button1->cursor().hotSpot(), handHot);
    });

    // Switching back gives the system's shapes again at the next showing.
    Settings::YellowCursor = false;
    withSignIn(6, [&](TFormPassword& f) {
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(f.Button1->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(f.Edit2->cursor().shape(), Qt::IBeamCursor);
    });
    withScoreWindow([&](TFormCount& f) {
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(f.Button1->cursor().shape(), Qt::PointingHandCursor);
    });
}

TEST_F(DialogArtTest, DISABLED_SavePicturesOfTheWindowsAndCursors)
{
    const QString out = QDir::temp().filePath(QStringLiteral("vardelin-dialog-shots"));
    QDir().mkpath(out);
    Settings::GifAnimationOn = true;
    GameState::CurrentGroup = 0; // the boards show the values below, no result routine
    FCount::CountLayout = 2;
    FCount::CountPlayerName = QStringLiteral("Anna");
    FCount::CountRound = 3;
    FCount::CountScoreBefore = 1234;
    FCount::CountPasses = 1;
    FCount::CountGameScore = 57;
    FCount::CountCardsLeft = 11;
    FCount::CountExtra = 2;
    for (const int language : {0, 1}) {
        Texts::LanguageIndex = language;
        const QString tag = language == 0 ? QStringLiteral("en") : QStringLiteral("ru");
        withSignIn(6, [&](TFormPassword& f) {
            f.Edit2->setText(QStringLiteral("ab"));
            f.Edit3->setText(QStringLiteral("ab"));
            f.grab().save(out + QStringLiteral("/signin-new-") + tag + QStringLiteral(".png"));
        });
        withSignIn(1, [&](TFormPassword& f) {
            f.Button1->click(); // wrong password: the error line shows
            f.grab().save(out + QStringLiteral("/signin-member-") + tag + QStringLiteral(".png"));
        });
        withScoreWindow([&](TFormCount& f) {
            f.grab().save(out + QStringLiteral("/score-") + tag + QStringLiteral(".png"));
        });
    }

    // The cursors at four times their size, every frame, on the dialog face and on the
    // table green; the hot spot marked by a red dot beside each row.
    const CursorKind kinds[] = {CursorKind::Arrow, CursorKind::Hand, CursorKind::IBeam};
    const int zoom = 4, cell = 32 * zoom + 8;
    QImage sheet(12 * cell * 2 + 8, 3 * cell, QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int row = 0; row < 3; ++row) {
        const FontsAndCursors::AnimatedCursor& c = FontsAndCursors::CursorOf(kinds[row], 1);
        for (int i = 0; i < c.Frames.size(); ++i) {
            for (int ground = 0; ground < 2; ++ground) {
                const QRect r((ground * 12 + i) * cell + ground * 8, row * cell, 32 * zoom, 32 * zoom);
                p.fillRect(r, ground == 0 ? QColor(240, 240, 240) : QColor(0, 128, 0));
                p.drawImage(r, c.Frames[i].pixmap().toImage());
                const QPoint hot = c.Frames[i].hotSpot() * zoom + r.topLeft();
                p.fillRect(QRect(hot, QSize(zoom, zoom)), QColor(255, 0, 0, 140));
            }
        }
    }
    p.end();
    sheet.save(out + QStringLiteral("/cursors.png"));
    std::printf("pictures in %s\n", qPrintable(out));
}

} // namespace
