// The account window and the profile editor against the protocol server: what opening
// reads, the field checks and key filters, sign-up, sign-in, the user file, the tabs'
// values, the currency transfer and the photo upload.
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/MessageBox.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_FAcc2.h"
#include "platform/Cp1251.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/ShellOpen.h"
#include "support/OnlineServerFixture.h"
#include "support/SampleMember.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>
#include <QDir>
#include <gtest/gtest.h>

namespace {

using VardelinServer::Fault;
using VardelinServer::Kind;
using FAcc1::CheckAccountField;

QString T(const char* s) { return QString::fromUtf8(s); }

TEST(AccountFieldCheck, CaseTable)
{
    struct Case {
        const char* text;
        int kind;
        int verdict;
    } cases[] = {
        {"ab", 1, 3},         {"a", 1, 1},          {"", 1, 1},          {"abcdefghijkl", 1, 3},
        {"abcdefghijklm", 1, 1}, {"Вася", 1, 1},     {"Омск", 2, 2},      {"Омск1", 2, 2},
        {"abc", 3, 1},        {"ab12", 3, 3},       {"ab cd", 2, 1},     {"Ом ск", 2, 1},
        {"@ab", 4, 1},        {"ab@", 4, 1},        {"a@b", 4, 3},       {"a@b@", 4, 3},
        {"ab", 4, 1},         {"x", 0, 3},          {"Ж", 0, 2},         {" ", 0, 1},
        {"#", 0, 1},          {"$", 0, 1},          {"~", 0, 1},         {"_", 0, 3},
        {"abcdefghijklmnop", 2, 1}, {"a!(),-.?@_9", 3, 3}, {"a&b", 2, 1}, {"ab!(),-.?_9", 3, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckAccountField(T(c.text), c.kind), c.verdict) << c.text << " kind " << c.kind;
}

TEST(AccountFormats, RatingText)
{
    const struct {
        double x;
        const char* text;
    } cases[] = {{0, "0,000"}, {12, "12,000"}, {12.5, "12,500"}, {45.1234, "45,123"}, {0.0625, "0,062"},
                 {0.1875, "0,188"}, {0.5, "0,500"}, {99.99, "99,990"}};
    for (const auto& c : cases) {
        QString s;
        FAcc1::FormatRatingText(s, c.x);
        EXPECT_EQ(s, QLatin1String(c.text)) << c.x;
    }
}

TEST(AccountFormats, BalanceFontHeights)
{
    const int cases[][3] = {{0, 48, 0}, {9, 48, 0}, {10, 44, 2}, {999, 40, 4}, {9999, 36, 6},
                            {99999, 32, 8}, {999999, 28, 10}, {1000000, 24, 12}};
    for (const auto& c : cases) {
        int h = 0, s = 0;
        FAcc1::BalanceFont(c[0], h, s);
        EXPECT_EQ(h, c[1]) << c[0];
        EXPECT_EQ(s, c[2]) << c[0];
    }
}

TEST(AccountFormats, RegistrationDateHasNoBlank)
{
    const QLocale saved;
    for (const char* name : {"en_US", "de_DE", "cs_CZ", "ru_RU", "fr_FR", "ko_KR"}) {
        QLocale::setDefault(QLocale(QLatin1String(name)));
        EXPECT_FALSE(FAcc1::RegistrationDate().contains(QLatin1Char(' '))) << name;
    }
    QLocale::setDefault(saved);
}

class AccountWindowTest : public testsupport::OnlineServerFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OnlineServerFixture::SetUp());
        Settings::LoadSettings();
        PointAddressesAt(*server);
        Settings::ServerGameCode = QStringLiteral("sol431");
        GameState::CurrentGameId = 431;
        Online::OnlineState = 1;
        Online::AccountUser = Online::TQyvUser{};
        Online::AccountGame = Online::TQyvGame{};
        Online::AccountGameLoaded = false;
        Online::OnlineStartSaved = Online::OnlineGameRunning = false;
        Online::AccountPlayAllowed = false;
        Online::UserFilePresent = false;
        FAcc1::TransferAmount = 0;
        FAcc1::TransferNick.clear();
        presenter.onDialog = recorder();
    }
    // Records the link messages the windows show.
    std::function<int(QDialog&)> recorder()
    {
        return [this](QDialog& d) {
            if (d.objectName() == QLatin1String("FormLink"))
                shown << MessageBox::LinkLine1;
            return int(QDialog::Rejected);
        };
    }
    void TearDown() override
    {
        Online::OnlineState = 1;
        Online::AccountUser = Online::TQyvUser{};
        Online::UserFilePresent = false;
        OnlineServerFixture::TearDown();
    }
    void addMember(const QString& nick, const QString& pw, qint64 balance = 0, const QString& country2 = T("1-001"))
    {
        ASSERT_TRUE(server->store().addMember(testsupport::SampleMember(nick, pw, balance, country2)));
    }
    void signIn(const QString& nick, const QString& pw)
    {
        bool ok = false;
        Online::ServerLogin(account(), nick, pw, ok, Online::AccountUser);
        ASSERT_TRUE(ok);
        Online::OnlineState = 2;
    }
    QList<Kind> kinds() const
    {
        QList<Kind> k;
        for (const auto& e : server->log())
            k << e.kind;
        return k;
    }
    static void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void key(QWidget* w, int k, Qt::KeyboardModifiers mods, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, k, mods, text);
        QApplication::sendEvent(w, &press);
    }
    void fillSignUp(TFAcc1& f, const QString& nick, const QString& pw)
    {
        type(f.Edit1, nick);
        type(f.Edit2, pw);
        type(f.Edit4, T("Oslo"));
        type(f.Edit5, T("me@here.no"));
    }
    qint64 balance(const QString& nick) { return server->store().member(nick)->r04; }

    testsupport::ScriptedPresenter presenter;
    QStringList shown;
};

TEST_F(AccountWindowTest, OpeningSignedOutReadsTopTenCountAndChairman)
{
    addMember(T("boss"), T("pass1"));
    server->clearLog();
    TFAcc1 f;
    f.FormShow();
    EXPECT_EQ(kinds(), (QList<Kind>{Kind::TopTen, Kind::MemberCount, Kind::ProfileRead, Kind::Avatar}));
    EXPECT_EQ(Online::AccountUser.Country2, T("1-001"));
    EXPECT_EQ(Online::AccountUser.Country1, T("Russia"));
    EXPECT_EQ(Online::AccountUser.Sex, QLatin1Char('M'));
    EXPECT_EQ(f.Edit6->text(), T("00.00.0000"));
    EXPECT_TRUE(FAcc1::AccountWindowFresh);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(AccountWindowTest, OpeningSignedInReadsTheEightInOrder)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    server->clearLog();
    TFAcc1 f;
    f.FormShow();
    EXPECT_EQ(kinds(), (QList<Kind>{Kind::TopTen, Kind::GameRead, Kind::Place, Kind::MemberCount, Kind::Avatar,
                                    Kind::ProfileRead, Kind::ProfileRead, Kind::Avatar}));
    EXPECT_TRUE(FAcc1::AccountPlayerCountRead);
    EXPECT_EQ(Online::AccountPlayerCount, 1);
    EXPECT_EQ(f.Button2->text(), Texts::Tx(Texts::TxtSignOut));
    EXPECT_FALSE(f.Edit1->isEnabled());
}

TEST_F(AccountWindowTest, NoServerOpensQuietlyAndEveryTabMarksTheMissingData)
{
    server->close();
    TFAcc1 f;
    f.FormShow();
    for (int t = 0; t < 6; ++t)
        f.PageControl1->setCurrentIndex(t);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_FALSE(FAcc1::AccountTopTenRead);
    EXPECT_FALSE(FAcc1::AccountPlayerCountRead);
    EXPECT_FALSE(Online::LeaderPhotoLoaded);
    // "No Connect" is red text over the band: the value cells are not plain gradient.
    const QImage results = f.ImageN[2]->canvas().image();
    bool red = false;
    for (int x = 400; x < 650 && !red; ++x)
        for (int y = 100; y < 125 && !red; ++y)
            red = qRed(results.pixel(x, y)) > 200 && qGreen(results.pixel(x, y)) < 60;
    EXPECT_TRUE(red);
}

TEST_F(AccountWindowTest, KeyFiltersPerField)
{
    TFAcc1 f;
    f.FormShow();
    type(f.Edit1, T("a b"));
    EXPECT_EQ(f.Edit1->text(), T("ab")) << "blank refused in the nick";
    type(f.Edit1, T("Ж"));
    EXPECT_EQ(f.Edit1->text(), T("abЖ")) << "a Russian letter passes the nick's filter";
    EXPECT_EQ(CheckAccountField(f.Edit1->text(), 1), 1);
    type(f.Edit2, T("pw Ж1"));
    EXPECT_EQ(f.Edit2->text(), T("pw1"));
    type(f.Edit4, T("Ом ск"));
    EXPECT_EQ(f.Edit4->text(), T("Омск"));
    type(f.Edit5, T("a b#@Жc"));
    EXPECT_EQ(f.Edit5->text(), T("ab@c"));
    key(f.Edit1, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
    EXPECT_EQ(f.Edit1->text(), T("ab"));
    QApplication::clipboard()->setText(T("xyz"));
    key(f.Edit1, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    EXPECT_EQ(f.Edit1->text(), T("ab")) << "no paste";
    key(f.Edit1, Qt::Key_Tab, Qt::NoModifier, QString(QChar(9)));
    EXPECT_EQ(f.Edit1->text(), T("ab"));
}

TEST_F(AccountWindowTest, LampsAtTheirPlacesAndButtonStates)
{
    TFAcc1 f;
    f.FormShow();
    const QImage green = platform::resources::image(T("LampG24"));
    const QImage red = platform::resources::image(T("LampR24"));
    const QImage yellow = platform::resources::image(T("LampY24"));
    ASSERT_FALSE(green.isNull());
    auto lampAt = [&](int x, int y, const QImage& lamp) {
        const QImage img = f.ImageN[1]->canvas().image();
        const int cx = lamp.width() / 2, cy = lamp.height() / 2;
        return img.pixel(x + cx, y + cy) == lamp.pixel(cx, cy);
    };
    EXPECT_TRUE(lampAt(180, 91, red));
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    type(f.Edit1, T("ann"));
    EXPECT_TRUE(lampAt(180, 91, green));
    type(f.Edit2, T("pass1"));
    EXPECT_TRUE(lampAt(180, 165, green));
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_TRUE(f.Button2->isEnabled());
    type(f.Edit4, T("Омск"));
    EXPECT_TRUE(lampAt(410, 91, yellow));
    type(f.Edit5, T("a@"));
    EXPECT_TRUE(lampAt(410, 165, red));
    EXPECT_FALSE(f.Button1->isEnabled());
    type(f.Edit5, T("b"));
    EXPECT_TRUE(lampAt(410, 165, green));
    EXPECT_TRUE(f.Button1->isEnabled()) << "a Russian city still registers";
    type(f.Edit1, T("Ж"));
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_FALSE(f.Button3->isEnabled()) << "the window is fresh until the mouse moves over the tab";
}

TEST_F(AccountWindowTest, RegistrationOutcomes)
{
    addMember(T("taken"), T("pass1"));
    {
        TFAcc1 f;
        f.FormShow();
        fillSignUp(f, T("taken"), T("pass2"));
        f.Button1->click();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0], Texts::Tx(Texts::TxtNickTaken));
        EXPECT_EQ(Online::OnlineState, 1);
        EXPECT_EQ(Online::AccountUser.DateR, T("00.00.0000"));
    }
    shown.clear();
    Online::AccountUser = Online::TQyvUser{};
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        TFAcc1 f;
        f.FormShow();
        f.ComboBox1->setCurrentIndex(5);
        f.ComboBox1Change();
        f.ComboBox2->setCurrentIndex(12);
        f.ComboBox2Change();
        EXPECT_EQ(Online::AccountUser.Country2, T("6-012"));
        fillSignUp(f, T("newbie"), T("pass2"));
        server->clearLog();
        f.Button1->click();
        QLocale::setDefault(QLocale::c());
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0], Texts::Tx(Texts::TxtAccountCreated));
        EXPECT_EQ(Online::OnlineState, 2);
        EXPECT_EQ(kinds(), (QList<Kind>{Kind::Register, Kind::MemberCount, Kind::Login, Kind::GameRead, Kind::Place,
                                        Kind::ProfileRead}));
        EXPECT_EQ(Online::AccountUser.Country2, T("6-012"));
        EXPECT_FALSE(Online::AccountUser.Country1.contains(QLatin1Char(' ')));
    }
    // The member logs in again later.
    bool ok = false;
    Online::TQyvUser again;
    Online::ServerLogin(account(), T("newbie"), T("pass2"), ok, again);
    EXPECT_TRUE(ok);
    EXPECT_EQ(again.Country2, T("6-012"));

    shown.clear();
    Online::OnlineState = 1;
    Online::AccountUser = Online::TQyvUser{};
    {
        TFAcc1 f;
        f.FormShow();
        fillSignUp(f, T("third"), T("pass3"));
        server->addFault(Kind::Register, {Fault::Drop, 0, 0, {}});
        f.Button1->click();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0], Texts::Tx(Texts::TxtCouldNotCreateAccount));
        EXPECT_EQ(Online::OnlineState, 1);
    }
}

TEST_F(AccountWindowTest, AsiaAndItsFifthCountry)
{
    TFAcc1 f;
    f.FormShow();
    f.ComboBox1->setCurrentIndex(1);
    f.ComboBox1Change();
    EXPECT_EQ(Online::AccountUser.Country2, T("2-000"));
    f.ComboBox2->setCurrentIndex(4);
    f.ComboBox2Change();
    EXPECT_EQ(Online::AccountUser.Country2, T("2-004"));
    EXPECT_EQ(Online::AccountUser.Country1, T("Bahrain"));
}

TEST_F(AccountWindowTest, CountryCodePastTheTableShowsUnknownAndKeepsTheCode)
{
    addMember(T("far"), T("pass1"), 0, T("1-099"));
    signIn(T("far"), T("pass1"));
    TFAcc1 f;
    f.FormShow();
    EXPECT_EQ(f.ComboBox2->currentIndex(), 0);
    EXPECT_EQ(Online::AccountUser.Country2, T("1-099"));
}

TEST_F(AccountWindowTest, LoginFailureSignInAndSignOut)
{
    addMember(T("ann"), T("pass1"), 7);
    TFAcc1 f;
    f.FormShow();
    type(f.Edit1, T("ann"));
    type(f.Edit2, T("wrong"));
    f.Button2->click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], Texts::Tx(Texts::TxtLoginFailed));
    EXPECT_EQ(Online::OnlineState, 1);
    f.Edit2->clear();
    f.EditChange(1);
    type(f.Edit2, T("pass1"));
    f.Button2->click();
    EXPECT_EQ(Online::OnlineState, 2);
    EXPECT_EQ(Online::AccountUser.R04, 7);
    EXPECT_FALSE(f.CheckBox2->isEnabled()) << "rated play only from the play button";
    f.Button2->click();
    EXPECT_EQ(Online::OnlineState, 1);
    EXPECT_EQ(Online::AccountUser.R04, 0);
    EXPECT_EQ(f.Edit1->text(), T("ann"));
}

TEST_F(AccountWindowTest, RatedPlayOnlyFromThePlayButtonAndNeverDuringARatedGame)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    Online::AccountPlayAllowed = true;
    {
        TFAcc1 f;
        f.FormShow();
        ASSERT_TRUE(f.CheckBox2->isEnabled());
        f.CheckBox2->click();
        EXPECT_EQ(Online::OnlineState, 3);
        f.CheckBox2->click();
        EXPECT_EQ(Online::OnlineState, 2);
    }
    Online::OnlineGameRunning = true;
    TFAcc1 f;
    f.FormShow();
    EXPECT_FALSE(f.CheckBox2->isEnabled());
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_FALSE(f.Button4->isEnabled());
}

TEST_F(AccountWindowTest, UserFileWrittenWholeAndDeleted)
{
    TFAcc1 f;
    f.FormShow();
    f.ImageN[1]->onMouseMove({}, 5, 5);
    type(f.Edit1, T("ann"));
    type(f.Edit2, T("pass1"));
    ASSERT_TRUE(f.Button3->isEnabled());
    f.Button3->click();
    QFile file(Online::UserFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Qyv User File\r\nann\r\n" +
                                  platform::cp1251::fromUnicode(Scrambler::ScrambleText(T("pass1"), Scrambler::KeyAccount)) +
                                  "\r\n");
    file.close();
    EXPECT_TRUE(Online::UserFilePresent);
    EXPECT_FALSE(f.Button3->isEnabled());
    EXPECT_TRUE(f.Button4->isEnabled());
    Online::TQyvUser read;
    QString pwc;
    EXPECT_TRUE(Online::ReadUserFile(read, pwc));
    EXPECT_EQ(read.Nick, T("ann"));
    f.Button4->click();
    EXPECT_FALSE(QFile::exists(Online::UserFilePath()));
    EXPECT_TRUE(f.Button3->isEnabled());
    EXPECT_FALSE(f.Button4->isEnabled());
}

TEST_F(AccountWindowTest, TopTenOfFourAndChairmanClicks)
{
    for (const char* n : {"aa", "bb", "cc", "dd"}) {
        addMember(T(n), T("pass1"));
        VardelinServer::GameRecord g;
        g.rating = 10 + n[0] - 'a';
        ASSERT_TRUE(server->store().saveGame(T(n), T("sol431"), g));
    }
    auto boss = *server->store().member(T("dd"));
    boss.info[3] = T("+47-123");
    boss.info[5] = T("file:///etc/passwd");
    ASSERT_TRUE(server->store().saveMember(boss));
    TFAcc1 f;
    f.FormShow();
    ASSERT_TRUE(FAcc1::AccountTopTenRead);
    EXPECT_EQ(Online::AccountTopTen[1].Nick, T("dd"));
    EXPECT_EQ(Online::AccountTopTen[4].Nick, T("aa"));
    EXPECT_TRUE(Online::AccountTopTen[5].Nick.isEmpty());
    f.PageControl1->setCurrentIndex(5);
    EXPECT_EQ(Online::AccountInfo.Telephone, T("+47-123"));
    QApplication::clipboard()->clear();
    f.ImageN6MouseUp(300, 71);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_TRUE(presenter.messages.empty());
    f.ImageN6MouseUp(300, 72);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(QApplication::clipboard()->text(), T("+47-123"));
    QStringList opened;
    platform::setUrlOpenerForTest([&](const QUrl& u) {
        opened << u.toString();
        return true;
    });
    f.ImageN6MouseUp(300, 40 + 31 * 3 + 5);   // the web-site row holds a file address
    platform::setUrlOpenerForTest({});
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(AccountWindowTest, TransferMovesBalancesAndUndoesAFailedDebit)
{
    addMember(T("ann"), T("pass1"), 20);
    addMember(T("bob"), T("pass1"), 3);
    signIn(T("ann"), T("pass1"));
    TFAcc1 f;
    f.FormShow();
    f.PageControl1->setCurrentIndex(3);
    EXPECT_EQ(f.SpinQyvsAddUs->maximum(), 20);
    f.EditQyvsAddUs->setText(T("ann"));
    f.SpinQyvsAddUs->setValue(5);
    EXPECT_FALSE(f.ButtonQyvsAddUs->isEnabled()) << "own nick";
    f.EditQyvsAddUs->setText(T("ANN"));
    EXPECT_TRUE(f.ButtonQyvsAddUs->isEnabled()) << "other letter case";
    f.EditQyvsAddUs->setText(T("bob"));
    presenter.answers = {platform::Answer::Yes};
    f.ButtonQyvsAddUs->click();
    EXPECT_EQ(balance(T("ann")), 15);
    EXPECT_EQ(balance(T("bob")), 8);
    EXPECT_EQ(Online::AccountUser.R04, 15);
    EXPECT_EQ(shown.back(), Texts::Tx(Texts::TxtTransferDone));

    f.EditQyvsAddUs->setText(T("nobody"));
    presenter.answers = {platform::Answer::Yes};
    f.ButtonQyvsAddUs->click();
    EXPECT_EQ(shown.back(), Texts::Tx(Texts::TxtNoSuchMember));
    EXPECT_EQ(balance(T("ann")), 15);

    // The second change is the debit.
    f.EditQyvsAddUs->setText(T("bob"));
    server->clearFaults();
    server->addFault(Kind::BalanceChange, {Fault::Error500, 2, 0, {}});
    presenter.answers = {platform::Answer::Yes};
    f.ButtonQyvsAddUs->click();
    EXPECT_EQ(shown.back(), T("No Connect!"));
    EXPECT_EQ(balance(T("ann")), 15);
    EXPECT_EQ(balance(T("bob")), 8);
}

TEST_F(AccountWindowTest, TransferStopsWhenTheReadBalanceIsTooLow)
{
    addMember(T("ann"), T("pass1"), 20);
    addMember(T("bob"), T("pass1"), 0);
    signIn(T("ann"), T("pass1"));
    TFAcc1 f;
    f.FormShow();
    f.PageControl1->setCurrentIndex(3);
    f.SpinQyvsAddUs->setValue(10);
    f.EditQyvsAddUs->setText(T("bob"));
    auto m = *server->store().member(T("ann"));
    m.r04 = 4;
    ASSERT_TRUE(server->store().saveMember(m));
    presenter.answers = {platform::Answer::Yes};
    f.ButtonQyvsAddUs->click();
    EXPECT_EQ(shown.back(), Texts::Tx(Texts::TxtNotEnoughQyvs));
    EXPECT_EQ(balance(T("bob")), 0);
    EXPECT_EQ(balance(T("ann")), 4);
}

TEST_F(AccountWindowTest, BalanceHeightsOnTheTab)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    TFAcc1 f;
    f.FormShow();
    for (const auto& c : {std::pair{9, 48}, std::pair{10, 44}, std::pair{999999, 28}, std::pair{1000000, 24}}) {
        Online::AccountUser.R04 = c.first;
        f.PaintQyvsTab();
        EXPECT_EQ(f.BalanceFontHeight, c.second) << c.first;
    }
}

class ProfileEditorTest : public AccountWindowTest {
protected:
    QString writeJpeg(int w, int h, const char* format = "JPG")
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::blue);
        const QString path = dir.filePath(QStringLiteral("photo%1x%2.%3").arg(w).arg(h).arg(QLatin1String(format)));
        img.save(path, format);
        return path;
    }
    void choose(TFAcc2& e, const QString& path)
    {
        const auto record = recorder();
        presenter.onDialog = [path, record](QDialog& d) {
            auto* fd = qobject_cast<QFileDialog*>(&d);
            if (!fd)
                return record(d);
            fd->selectFile(path);
            return int(QDialog::Accepted);
        };
        e.Image1Click();
        presenter.onDialog = record;
    }
};

TEST_F(ProfileEditorTest, FramingCharactersReachTheServerAsBlanks)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    TFAcc2 e;
    e.FormPaintFirst();
    EXPECT_FALSE(e.ButtonOkI->isEnabled());
    e.Edits[2]->setText(T("a$b~c"));
    emit e.Edits[2]->textEdited(e.Edits[2]->text());
    EXPECT_TRUE(e.ButtonOkI->isEnabled());
    e.ButtonOkI->click();
    EXPECT_EQ(server->store().member(T("ann"))->info.value(2), T("a b c"));
    EXPECT_EQ(Online::AccountUser.Info.About, T("a b c"));
}

TEST_F(ProfileEditorTest, FailingReadAfterSaveKeepsTheFields)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    TFAcc2 e;
    e.FormPaintFirst();
    e.Edits[0]->setText(T("Ann"));
    emit e.Edits[0]->textEdited(e.Edits[0]->text());
    server->addFault(Kind::ProfileRead, {Fault::Drop, 0, 0, {}});
    e.ButtonOkI->click();
    EXPECT_EQ(Online::AccountUser.Info.Name1, T("Ann"));
}

TEST_F(ProfileEditorTest, PhotoOfExactSizeUploadsAndComesBack)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    TFAcc2 e;
    e.FormPaintFirst();
    choose(e, writeJpeg(200, 251));
    EXPECT_EQ(shown.back(), Texts::Tx(Texts::TxtPhotoFormat));
    EXPECT_FALSE(e.ButtonOKF->isEnabled());
    choose(e, writeJpeg(200, 250, "PNG"));
    EXPECT_EQ(shown.size(), 2);
    EXPECT_FALSE(e.ButtonOKF->isEnabled());
    choose(e, writeJpeg(200, 250));
    ASSERT_TRUE(e.ButtonOKF->isEnabled());
    server->clearLog();
    e.ButtonOKF->click();
    ASSERT_FALSE(server->log().isEmpty());
    const auto& up = server->log().first();
    EXPECT_EQ(up.kind, Kind::Upload);
    EXPECT_TRUE(up.body.contains("name=\"file\""));
    EXPECT_TRUE(up.body.contains("filename=\"ann.jpg\""));
    EXPECT_TRUE(up.body.contains("image/jpeg"));
    EXPECT_TRUE(Online::AccountPhotoLoaded);
    EXPECT_EQ(Online::AccountPhoto.size(), QSize(200, 250));
    EXPECT_FALSE(e.ButtonOKF->isEnabled());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Ava/ann.jpg"))));
}

TEST_F(ProfileEditorTest, RefusedOrDroppedUploadShowsTheFailure)
{
    addMember(T("ann"), T("pass1"));
    signIn(T("ann"), T("pass1"));
    TFAcc2 e;
    e.FormPaintFirst();
    choose(e, writeJpeg(200, 250));
    for (Fault::Action a : {Fault::Drop, Fault::Replace}) {
        Fault fault{a, 0, 0, {}};
        fault.body = "refused";
        server->clearFaults();
        server->addFault(Kind::Upload, fault);
        shown.clear();
        e.ButtonOKF->click();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0], Texts::Tx(Texts::TxtPhotoUploadFailed));
        EXPECT_TRUE(e.ButtonOKF->isEnabled());
    }
}

// A picture driver, run by hand:
//   test_online --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_SavePictures*'
// writes the six tabs signed in and the profile editor in English, Russian and Japanese
// into the temporary folder's "vardelin-account-shots".
TEST_F(AccountWindowTest, DISABLED_SavePicturesOfTheTabsAndTheEditor)
{
    const QString out = QDir::temp().filePath(QStringLiteral("vardelin-account-shots"));
    QDir().mkpath(out);
    addMember(T("boss"), T("pass1"), 1200);
    addMember(T("ann"), T("pass1"), 75);
    signIn(T("ann"), T("pass1"));
    const int keep = Texts::LanguageIndex;
    for (const auto& [language, tag] : {std::pair{0, "en"}, std::pair{1, "ru"}, std::pair{8, "ja"}}) {
        Texts::LanguageIndex = language;
        TFAcc1 f;
        f.FormShow();
        f.show();
        for (int tab = 0; tab < f.PageControl1->count(); ++tab) {
            f.PageControl1->setCurrentIndex(tab);
            f.grab().save(out + QStringLiteral("/account-%1-tab%2.png").arg(QLatin1String(tag)).arg(tab));
        }
        TFAcc2 e;
        e.FormPaintFirst();
        e.show();
        e.grab().save(out + QStringLiteral("/editor-%1.png").arg(QLatin1String(tag)));
    }
    Texts::LanguageIndex = keep;
}

} // namespace

