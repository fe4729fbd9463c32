// The chat against the protocol server: the ten lines of the board, sending with its
// filter, numbering and stamp, the limits of the message line, and failed sends.
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "online/FChat.h"
#include "online/Qyv_UWorldC.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "support/OnlineServerFixture.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

namespace {

using VardelinServer::Fault;
using VardelinServer::Kind;

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

class ChatWindowTest : public testsupport::OnlineServerFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OnlineServerFixture::SetUp());
        // The default passport: Incognito of Moscow, Russia, male.
        Settings::SetDefaultSettings();
        PointAddressesAt(*server);
        Settings::SoundOn = true;
    }
    void TearDown() override
    {
        Settings::SoundOn = false;
        QLocale::setDefault(saved_);
        OnlineServerFixture::TearDown();
    }
    void post(const char* nick, int number, const char* text, const char* stamp = "10:00_01.01.2026_Vardelin")
    {
        bool ok = false;
        Online::SubmitWorldResult(Settings::RatingServiceAddress, T(nick), T("Oslo"), T("1-035"), T("W"), number,
                                  Online::ChatListId, T(stamp), T(text), ok);
        ASSERT_TRUE(ok);
    }
    static void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void enter(QWidget* w)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w, &press);
    }
    QList<QByteArray> submits() const
    {
        QList<QByteArray> out;
        for (const auto& e : server->log())
            if (e.kind == Kind::WorldSubmit)
                out << e.body;
        return out;
    }
    // A field of a submit body.
    static QByteArray field(const QByteArray& body, const char* name)
    {
        for (const QByteArray& pair : body.split('&'))
            if (pair.startsWith(QByteArray(name) + '='))
                return pair.mid(qsizetype(qstrlen(name)) + 1);
        return {};
    }

    testsupport::ScriptedPresenter presenter;
    // The sounds played, by name.
    QStringList played() const
    {
        QStringList names;
        for (const auto& c : sounds.calls)
            for (const char* n : {"WavDown", "WavCancel", "WavClick"})
                if (!c.stop && c.wav == platform::resources::findOfType(QLatin1String(n), QStringLiteral("wav")))
                    names << QLatin1String(n);
        return names;
    }

    RecordingSoundSink sounds;
    QLocale saved_;
};

TEST_F(ChatWindowTest, AnEmptyChatShowsTenYellowLinesAndTheFirstMessageIsNumberOne)
{
    TFormChat f;
    f.FormShow();
    EXPECT_EQ(f.windowTitle(), T("Qyv Games Chat"));
    ASSERT_EQ(f.BoardLines.size(), 10);
    for (const auto& l : f.BoardLines) {
        EXPECT_EQ(l.background, T("GChatY"));
        EXPECT_TRUE(l.header.isEmpty());
    }
    EXPECT_TRUE(f.BoardMessage.isEmpty());
    EXPECT_TRUE(f.Edit1->isEnabled());
    type(f.Edit1, T("Hello, world!"));
    server->clearLog();
    enter(f.Edit1);
    const QList<QByteArray> sent = submits();
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(server->log().first().kind, Kind::WorldTopTen) << "one read before the submit";
    EXPECT_EQ(field(sent[0], "gid"), "100");
    EXPECT_EQ(field(sent[0], "score"), "1");
    EXPECT_EQ(field(sent[0], "nick"), "Incognito");
    EXPECT_EQ(field(sent[0], "country"), "1-001");
    EXPECT_EQ(field(sent[0], "R7"), "M");
    EXPECT_EQ(field(sent[0], "R8"), "4.0");
    EXPECT_TRUE(sent[0].endsWith("&R10=Hello,_world!*"));
    // Shown at the bottom with its blank back.
    const auto& bottom = f.BoardLines[9];
    EXPECT_EQ(bottom.number, T("1"));
    EXPECT_EQ(bottom.text, T("Hello, world!"));
    EXPECT_TRUE(bottom.header.startsWith(T("Moscow : ")));
    EXPECT_TRUE(bottom.header.endsWith(T(" 4.0 : Incognito")));
    EXPECT_TRUE(f.Edit1->text().isEmpty());
    EXPECT_FALSE(f.Edit1->isEnabled());
    EXPECT_TRUE(f.Image3->isHidden());
    EXPECT_EQ(played(), QStringList{T("WavDown")});
    f.Timer1Timer();
    EXPECT_TRUE(f.Edit1->isEnabled());
    EXPECT_FALSE(f.Image3->isHidden());
}

TEST_F(ChatWindowTest, TheFilterSendsEveryOtherCharacterAsUnderscore)
{
    const struct {
        const char* typed;
        const char* sent;
    } cases[] = {{"a#b:c", "a_b_c"},
                 {"Привет, мир!", "Привет,_мир!"},
                 {"x(1)-2.3?@_", "x(1)-2.3?@_"},
                 {"caf\xc3\xa9 $5*", "caf___5_"}};
    for (const auto& c : cases)
        EXPECT_EQ(FChat::ChatFiltered(T(c.typed)), T(c.sent)) << c.typed;
}

TEST_F(ChatWindowTest, NumbersFollowTheNewestAndShowModuloTenThousand)
{
    post("Ann", 10002, "older");
    post("Bob", 10003, "newest");
    TFormChat f;
    f.FormShow();
    EXPECT_EQ(f.BoardLines[9].number, T("3"));
    EXPECT_EQ(f.BoardLines[9].text, T("newest"));
    EXPECT_EQ(f.BoardLines[8].number, T("2"));
    EXPECT_TRUE(f.BoardLines[7].header.isEmpty());
    EXPECT_EQ(f.BoardLines[9].header, T("Oslo : 10:00 01.01.2026 Vardelin 4.0 : Bob"));
    type(f.Edit1, T("next"));
    server->clearLog();
    f.Button3->click();
    ASSERT_EQ(submits().size(), 1);
    EXPECT_EQ(field(submits()[0], "score"), "10004");
}

TEST_F(ChatWindowTest, TheAdministratorsRowStandsOut)
{
    post("Ann", 1, "hi");
    post(FChat::AdministratorNick.toLatin1().constData(), 2, "welcome");
    TFormChat f;
    f.FormShow();
    EXPECT_EQ(f.BoardLines[9].background, T("GChatR"));
    EXPECT_EQ(f.BoardLines[8].background, T("GChatY"));
    EXPECT_EQ(f.BoardLines[0].background, T("GChatY"));
}

TEST_F(ChatWindowTest, TheLineTakesEightyCharactersAndEnterOnEmptySendsNothing)
{
    TFormChat f;
    f.FormShow();
    server->clearLog();
    enter(f.Edit1);
    EXPECT_TRUE(server->log().isEmpty());
    type(f.Edit1, QString(81, QLatin1Char('x')));
    EXPECT_EQ(f.Edit1->text(), QString(80, QLatin1Char('x')));
}

TEST_F(ChatWindowTest, AFailedSendKeepsTheText)
{
    TFormChat f;
    f.FormShow();
    server->addFault(Kind::WorldSubmit, Fault{Fault::Drop, 0, 0, {}});
    type(f.Edit1, T("lost?"));
    enter(f.Edit1);
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, T("Unable to send a message!"));
    EXPECT_EQ(played(), QStringList{T("WavCancel")});
    EXPECT_EQ(f.Edit1->text(), T("lost?"));
    EXPECT_TRUE(f.Edit1->isEnabled());
}

TEST_F(ChatWindowTest, TheLastNumberThatCannotGrowSendsNothing)
{
    post("Ann", std::numeric_limits<int>::max(), "full");
    TFormChat f;
    f.FormShow();
    type(f.Edit1, T("more"));
    server->clearLog();
    enter(f.Edit1);
    EXPECT_TRUE(submits().isEmpty());
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, T("Unable to send a message!"));
    EXPECT_EQ(f.Edit1->text(), T("more"));
}

TEST_F(ChatWindowTest, AStampUnderABlankTimeFormatCarriesNoBlank)
{
    for (const char* name : {"en_US", "ko_KR", "ru_RU", "ja_JP"}) {
        QLocale::setDefault(QLocale(QLatin1String(name)));
        const QString stamp = FChat::ChatTimeStamp();
        for (const QChar c : stamp)
            EXPECT_FALSE(c.isSpace()) << name << " " << stamp.toStdString();
        EXPECT_TRUE(stamp.endsWith(T("_Vardelin"))) << name;
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    TFormChat f;
    f.FormShow();
    type(f.Edit1, T("stamped"));
    enter(f.Edit1);
    ASSERT_EQ(submits().size(), 1);
    const QByteArray stamp = field(submits()[0], "R9");
    EXPECT_FALSE(stamp.contains(' '));
    EXPECT_FALSE(stamp.contains('+'));
    EXPECT_TRUE(stamp.endsWith("_Vardelin"));
    // "1:05 PM" style: the day-half marker comes through joined by "_".
    EXPECT_TRUE(stamp.contains("AM") || stamp.contains("PM"));
}

TEST_F(ChatWindowTest, APassportThatFailsKeepsTheLineDisabled)
{
    Settings::PassportNick = T("x");
    TFormChat f;
    f.FormShow();
    EXPECT_FALSE(f.Edit1->isEnabled());
    f.Timer1Timer();
    EXPECT_FALSE(f.Edit1->isEnabled());
    presenter.onDialog = [](QDialog&) {
        Settings::PassportNick = T("Fixed");
        return int(QDialog::Accepted);
    };
    f.Button2->click();
    EXPECT_EQ(presenter.dialogs, QStringList{T("FormServerInfo")});
    EXPECT_TRUE(f.Edit1->isEnabled());
}

TEST_F(ChatWindowTest, NoServerShowsNoConnectOverTheLines)
{
    server->close();
    TFormChat f;
    f.FormShow();
    EXPECT_EQ(f.BoardMessage, T("No Connect"));
    EXPECT_EQ(f.BoardLines.size(), 10);
    EXPECT_EQ(f.BoardLines[0].background, T("GChatY"));
}

} // namespace
