#include "SignInClub.h"

#include "app/Qyv_FPassword.h"
#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ProgramFolderFixture.h"
#include "tests/support/ScriptedPresenter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QValidator>
#include <gtest/gtest.h>

namespace {

// What the player does in the open dialog.
struct Input {
    QString name; // new player only
    QString password;
    QString again;
};

class SignInTest : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::SoundOn = false;
        game = &GameTables::Games[6];
        GameState::CurrentGameId = game->code;
        ASSERT_NO_FATAL_FAILURE(WriteClubWithAnna(dir.path(), *game));
    }

    // Opens the sign-in for a slot, types, presses OK; returns the dialog's verdict
    // and leaves the error line in `error` (empty when hidden).
    bool signIn(int slot, const Input& in, std::function<void(TFormPassword&)> press = {})
    {
        testsupport::ScriptedPresenter presenter;
        presenter.onDialog = [&](QDialog& d) {
            auto& form = dynamic_cast<TFormPassword&>(d);
            if (slot == 6)
                form.Edit1->setText(in.name);
            form.Edit2->setText(in.password);
            form.Edit3->setText(in.again);
            if (press)
                press(form);
            else
                form.Button1->click();
            error = form.Label4->isVisibleTo(&form) ? form.Label4->text() : QString();
            return form.result();
        };
        const bool accepted = AskPlayerPassword(slot, QStringLiteral("Anna                "));
        EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormPassword")});
        return accepted;
    }

    const GameTables::GameInfo* game = nullptr;
    QString error;
};

TEST_F(SignInTest, MemberPasswordIsComparedExactlyAfterPaddingToFive)
{
    struct Case {
        const char* typed;
        const char* again; // never compared for a member
        bool accepted;
    };
    const Case cases[] = {
        {"ab", "zz", true},     // stored "ab   ": trailing blanks need not be typed
        {"ab ", "", true},
        {"ab   ", "x", true},
        {"AB", "AB", false},    // case counts
        {" ab", " ab", false},  // leading blank counts
        {"", "", false},
        {"abc", "abc", false},
    };
    for (const Case& c : cases) {
        const bool ok = signIn(1, {{}, QString::fromLatin1(c.typed), QString::fromLatin1(c.again)});
        EXPECT_EQ(ok, c.accepted) << c.typed;
        EXPECT_EQ(GameState::PasswordAccepted != 0, c.accepted) << c.typed;
        EXPECT_EQ(error, c.accepted ? QString() : QStringLiteral("The incorrect password!")) << c.typed;
    }
}

TEST_F(SignInTest, AcceptedMemberGetsTheEntrysFields)
{
    ASSERT_TRUE(signIn(1, {{}, QStringLiteral("ab"), {}}));
    EXPECT_EQ(ClubPlayer::CurrentPlayerName, QStringLiteral("Anna                "));
    EXPECT_EQ(ClubPlayer::ClubPassword, QStringLiteral("ab   "));
    EXPECT_EQ(ClubPlayer::ClubPasswordCoded, ClubFile::EncodeClubField(QStringLiteral("ab")));
    EXPECT_EQ(ClubPlayer::ClubRoundsText, QStringLiteral("  7"));
    EXPECT_EQ(ClubPlayer::ClubScoreText, QStringLiteral("  1234"));
    EXPECT_EQ(Settings::LocalPlayerName, QStringLiteral("Anna                "));
}

TEST_F(SignInTest, MemberIsRefusedWhenTheClubFileCannotBeRead)
{
    QFile::remove(dir.filePath(ClubFile::ClubFileName));
    // The unreadable field reads as five blanks; an empty box must still not pass.
    EXPECT_FALSE(signIn(1, {{}, QString(), QString()}));
    EXPECT_EQ(error, QStringLiteral("The incorrect password!"));
}

TEST_F(SignInTest, NewPlayerInputIsCheckedInOrder)
{
    const QString twenty = QStringLiteral("Abcdefghij Klmnopqrs");
    struct Case {
        Input in;
        QString error; // empty: accepted
        QString name, password;
    };
    const Case cases[] = {
        {{QStringLiteral("Bob"), QStringLiteral("x"), QStringLiteral("x")}, {},
         QStringLiteral("Bob                 "), QStringLiteral("x    ")},
        {{QStringLiteral("Bob"), {}, {}}, {}, QStringLiteral("Bob                 "), QStringLiteral("     ")},
        {{twenty, QStringLiteral("12345"), QStringLiteral("12345")}, {}, twenty, QStringLiteral("12345")},
        {{QStringLiteral("Иван"), QStringLiteral("п"), QStringLiteral("п")}, {},
         QStringLiteral("Иван                "), QStringLiteral("п    ")},
        {{QStringLiteral("Bob"), QStringLiteral("abc"), QStringLiteral("abd")}, QStringLiteral("The passwords do not coincide!"), {}, {}},
        {{QStringLiteral("Bob"), QStringLiteral("abc"), {}}, QStringLiteral("The passwords do not coincide!"), {}, {}},
        {{{}, QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("Incorrect name!"), {}, {}},
        {{QStringLiteral("   "), {}, {}}, QStringLiteral("Incorrect name!"), {}, {}},
        {{QStringLiteral("王"), {}, {}}, Texts::Tx(Texts::TxtNameCharsNotAllowed), {}, {}},
        {{QStringLiteral("Ζήνων"), {}, {}}, Texts::Tx(Texts::TxtNameCharsNotAllowed), {}, {}},
    };
    for (const Case& c : cases) {
        ClubPlayer::CurrentPlayerName.clear();
        const bool ok = signIn(6, c.in);
        EXPECT_EQ(ok, c.error.isEmpty()) << c.in.name.toStdString();
        EXPECT_EQ(error, c.error) << c.in.name.toStdString();
        if (ok) {
            EXPECT_EQ(ClubPlayer::CurrentPlayerName, c.name);
            EXPECT_EQ(ClubPlayer::ClubPassword, c.password);
            EXPECT_EQ(ClubPlayer::ClubPasswordCoded, ClubFile::EncodeClubField(c.password));
            EXPECT_EQ(ClubPlayer::ClubRoundsText, QStringLiteral("  0"));
            EXPECT_EQ(ClubPlayer::ClubScoreText, QStringLiteral("     0"));
            EXPECT_EQ(Settings::LocalPlayerName, c.in.name);
        } else {
            EXPECT_TRUE(ClubPlayer::CurrentPlayerName.isEmpty());
        }
    }
}

TEST_F(SignInTest, EnterInAnyEditActsAsOkAndCancelOrEscapeRefuse)
{
    for (int which = 1; which <= 3; ++which) {
        const bool ok = signIn(6, {QStringLiteral("Bob"), QStringLiteral("q"), QStringLiteral("q")},
                               [which](TFormPassword& f) {
                                   QLineEdit* edits[] = {f.Edit1, f.Edit2, f.Edit3};
                                   QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                                   QCoreApplication::sendEvent(edits[which - 1], &enter);
                               });
        EXPECT_TRUE(ok) << which;
    }
    EXPECT_FALSE(signIn(6, {QStringLiteral("Bob"), {}, {}}, [](TFormPassword& f) { f.Button2->click(); }));
    EXPECT_FALSE(signIn(6, {QStringLiteral("Bob"), {}, {}}, [](TFormPassword& f) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &esc);
    }));
    EXPECT_EQ(GameState::PasswordAccepted, 0);
}

TEST_F(SignInTest, OpenerPreparesTheDialogForMemberOrNewPlayer)
{
    Settings::LocalPlayerName = QStringLiteral("  Kim  ");
    testsupport::ScriptedPresenter presenter;
    presenter.onDialog = [](QDialog& d) {
        auto& f = dynamic_cast<TFormPassword&>(d);
        const bool member = GameState::PlayerSlot != 6;
        EXPECT_EQ(f.Edit1->isEnabled(), !member);
        EXPECT_EQ(f.Edit3->isEnabled(), !member);
        EXPECT_EQ(f.Label1->isEnabled(), !member);
        EXPECT_EQ(f.Label3->isEnabled(), !member);
        EXPECT_EQ(f.Edit1->text(), member ? QStringLiteral("Anna") : QStringLiteral("Kim"));
        EXPECT_TRUE(f.Edit2->text().isEmpty());
        EXPECT_TRUE(f.Edit3->text().isEmpty());
        EXPECT_FALSE(f.Label4->isVisibleTo(&f));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Welcome!"));
        // Leave something typed and an error shown for the next opening.
        f.Edit2->setText(QStringLiteral("zz"));
        f.Edit3->setText(QStringLiteral("yy"));
        f.Button1->click();
        return f.result();
    };
    GameState::PasswordAccepted = 1;
    EXPECT_FALSE(AskPlayerPassword(3, QStringLiteral("Anna")));
    EXPECT_FALSE(AskPlayerPassword(6));
    EXPECT_EQ(Settings::LocalPlayerName, QStringLiteral("Kim"));
    // The rename item: a new player's dialog and no deal.
    GameState::PlayerSlot = 2;
    N2Click();
    EXPECT_EQ(GameState::PlayerSlot, 6);
}

TEST_F(SignInTest, PasswordBoxesTakeOnlyWhatTheClubFileCanStore)
{
    const QValidator* v = FormPassword().Edit2->validator();
    ASSERT_NE(v, nullptr);
    const std::pair<QString, bool> cases[] = {
        {QStringLiteral("ab1#"), true}, {QStringLiteral("пароль"), true},
        {QStringLiteral("a王"), false}, {QStringLiteral("a\tb"), false},
    };
    for (auto [text, ok] : cases) {
        int pos = 0;
        EXPECT_EQ(v->validate(text, pos) == QValidator::Acceptable, ok) << text.toStdString();
    }
    EXPECT_EQ(FormPassword().Edit2->maxLength(), 5);
    EXPECT_EQ(FormPassword().Edit3->maxLength(), 5);
    EXPECT_EQ(FormPassword().Edit1->maxLength(), 20);
}

} // namespace
