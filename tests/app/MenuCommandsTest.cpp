// The icon bar, the menu screen's buttons and the pop-up menu of the main window, driven
// through the controls the player clicks.
#include "app/MenuCommands.h"
#include "app/Qyv__Form1.h"
#include "app/RoundEnd.h"
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/MenuDecorations.h"
#include "foundation/MessageBox.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Help.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Seams.h"
#include "platform/ShellOpen.h"
#include "support/LoopbackServer.h"
#include "support/PendingQuit.h"
#include "support/ProgramFolderFixture.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>
#include <functional>
#include <thread>
#include <gtest/gtest.h>

namespace {

class MenuCommandsTest : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::SoundOn = true;
        saved = {Settings::ChatOn, Settings::WorldTopTenOn, Online::OnlineState, Online::AccountUser.Nick};
        platform::SeamOverrides o;
        o.randomBelow = [this](int) { return chance; };
        platform::setSeamOverridesForTest(o);
        platform::setUrlOpenerForTest([this](const QUrl& url) {
            opened << url.toString();
            return true;
        });
        form = new TForm1;
        // The status page was not reachable while the window was created.
        MenuDecorations::StoreLink.clear();
        MenuDecorations::DownloadLink.clear();
        sound.calls.clear();
    }
    void TearDown() override
    {
        delete form;
        Form1 = nullptr;
        if (QTextBrowser* b = platform::helpWindowForTest())
            b->window()->close();
        platform::setUrlOpenerForTest({});
        platform::setSeamOverridesForTest({});
        Settings::ChatOn = saved.chatOn;
        Settings::WorldTopTenOn = saved.worldOn;
        Online::OnlineState = saved.state;
        Online::AccountUser.Nick = saved.nick;
        MenuDecorations::StoreLink.clear();
        MenuDecorations::DownloadLink.clear();
        ProgramFolderFixture::TearDown();
    }

    int clicks() const
    {
        int n = 0;
        for (const RecordingSoundSink::Call& c : sound.calls)
            n += !c.stop;
        return n;
    }
    bool settingsWritten() const { return QFile::exists(dir.filePath(Settings::SettingsFileName)); }

    struct Saved {
        bool chatOn;
        bool worldOn;
        int state;
        QString nick;
    } saved{};
    testsupport::ScriptedPresenter presenter;
    RecordingSoundSink sound;
    // A click still sounding is not started again: a command that is to click waits
    // until the one before has sounded out.
    static void waitOutClick() { std::this_thread::sleep_for(std::chrono::milliseconds(40)); }
    int chance = 0;
    QStringList opened;
    TForm1* form = nullptr;
};

TEST_F(MenuCommandsTest, UnavailableServicesSayTheirMessageAndChangeNothing)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<void(TForm1&)> press;
        QString message;
    };
    const QString chatOff = QStringLiteral("Chat is temporarily unavailable!");
    const QString worldOff = QStringLiteral("World Top Ten Tournament is temporarily unavailable!");
    const QString noServer = QStringLiteral("Could not connect to server!");
    const QString apkOff = QStringLiteral("\"Vardelin\" in Apk is temporarily unavailable!");
    const Case cases[] = {
        {"package without a link", [] {}, [](TForm1& f) { f.ImAn->onClick(); }, apkOff},
        {"package link to a local file", [] { MenuDecorations::DownloadLink = QStringLiteral("file:///etc/passwd"); },
         [](TForm1& f) { f.ImAn->onClick(); }, apkOff},
        {"store without a link", [] {}, [](TForm1& f) { f.ImGP->onClick(); },
         QStringLiteral("\"Vardelin\" on Google Play are temporarily unavailable!")},
        {"chat paused", [] { Settings::ChatOn = false; }, [](TForm1& f) { f.ImCh->onClick(); }, chatOff},
        {"world top ten paused", [] { Settings::WorldTopTenOn = false; }, [](TForm1& f) { f.ImWT->onClick(); },
         worldOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        presenter.dialogs.clear();
        sound.calls.clear();
        MenuDecorations::DownloadLink.clear();
        c.prepare();
        const int state = Online::OnlineState;
        c.press(*form);
        EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormLink")});
        EXPECT_EQ(MessageBox::LinkLine1, c.message);
        EXPECT_TRUE(MessageBox::LinkLine2.isEmpty());
        EXPECT_TRUE(MessageBox::LinkLine3.isEmpty());
        EXPECT_EQ(Online::OnlineState, state);
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_FALSE(settingsWritten());
    }
    // The icons click.
    sound.calls.clear();
    waitOutClick();
    form->ImCh->onClick();
    EXPECT_EQ(clicks(), 1);

    Texts::LanguageIndex = 1;
    form->ImAn->onClick();
    EXPECT_EQ(MessageBox::LinkLine1, QStringLiteral("\"") + Texts::ProductNames[1] + QStringLiteral("\" ") +
                                         Texts::TxtApkUnavailable[1]);
}

TEST_F(MenuCommandsTest, OpenServicesOpenTheirWindows)
{
    // Nothing listens there: every request fails at once.
    const QString savedAddress = Settings::RatingServiceAddress;
    Settings::RatingServiceAddress = QStringLiteral("http://127.0.0.1:1/world.php");
    Settings::PassportNick = QStringLiteral("Incognito");
    Settings::PassportCity = QStringLiteral("Moscow");
    const struct {
        const char* what;
        std::function<void()> open;
        QStringList dialogs;
    } cases[] = {
        {"chat", [this] { Settings::ChatOn = true; form->ImCh->onClick(); }, {QStringLiteral("FormChat")}},
        {"world top ten", [this] { Settings::WorldTopTenOn = true; form->ImWT->onClick(); },
         {QStringLiteral("FormServerRead")}},
        // The main window puts the result sender behind the end of a series; for the
        // default nick it opens the passport first.
        {"result of a series",
         [] {
             ASSERT_TRUE(RoundEnd::Services().showWorldResultWindow);
             RoundEnd::Services().showWorldResultWindow();
         },
         {QStringLiteral("FormServerInfo"), QStringLiteral("FormServerWrite")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        presenter.dialogs.clear();
        c.open();
        EXPECT_EQ(presenter.dialogs, c.dialogs);
        EXPECT_TRUE(opened.isEmpty());
    }
    Settings::RatingServiceAddress = savedAddress;
}

TEST_F(MenuCommandsTest, StoreAndProductPagesOpenInTheBrowser)
{
    MenuDecorations::StoreLink = QStringLiteral("https://store.example/app?id=vardelin");
    waitOutClick();
    form->ImGP->onClick();
    chance = 0;
    waitOutClick();
    form->ImHp->onClick();
    chance = 1;
    waitOutClick();
    form->ImHp->onClick();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("https://store.example/app?id=vardelin"),
                                   MenuCommands::MakerSiteHost + QStringLiteral("/varor/solitaires.php#Label_Vardelin"),
                                   MenuCommands::SecondSiteHost +
                                       QStringLiteral("/varor/solitaires.html#Label_Vardelin")}));
    EXPECT_EQ(clicks(), 3);
    EXPECT_TRUE(presenter.dialogs.isEmpty());

    // A store link that is no web address is refused by the shell and not reported.
    opened.clear();
    MenuDecorations::StoreLink = QStringLiteral("file:///C:/Windows/notepad.exe");
    form->ImGP->onClick();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(presenter.dialogs.isEmpty());
}

TEST_F(MenuCommandsTest, WindowsOfTheMenuOpenModallyAfterTheClick)
{
    struct Case {
        const char* window;
        std::function<void(TForm1&)> press;
    };
    const Case cases[] = {
        {"FormTopTen", [](TForm1& f) { f.Button9->click(); }},
        {"FormOptions", [](TForm1& f) { f.Button10->click(); }},
        {"FormAbout", [](TForm1& f) { f.About->trigger(); }},
        {"FormPapa", [](TForm1& f) { f.N1->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        presenter.dialogs.clear();
        sound.calls.clear();
        // The presenter runs every modal window; a window shown any other way is not seen.
        waitOutClick();
        c.press(*form);
        EXPECT_EQ(presenter.dialogs, QStringList{QString::fromLatin1(c.window)});
        EXPECT_EQ(clicks(), 1);
        EXPECT_TRUE(presenter.messages.empty());
    }
}

TEST_F(MenuCommandsTest, HelpItemOpensTheContentsAndApologisesWhereTheyAreNotTranslated)
{
    struct Case {
        int language;
        const char* contents;
        bool apology;
    };
    const Case cases[] = {
        {0, "qrc:/res/help/en/help_contents.html", false},
        {1, "qrc:/res/help/ru/help_contents.html", false},
        {2, "qrc:/res/help/en/help_contents.html", true}, // German: the English pages stand in
        {9, "qrc:/res/help/en/help_contents.html", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Texts::LanguageIndex = c.language;
        presenter.messages.clear();
        sound.calls.clear();
        waitOutClick();
        form->Help->trigger();
        EXPECT_EQ(clicks(), 1);
        if (c.apology) {
            ASSERT_EQ(presenter.messages.size(), 1u);
            EXPECT_EQ(presenter.messages[0].kind, platform::MessageKind::Information);
            EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::Ok);
            EXPECT_EQ(presenter.messages[0].text, Texts::TxtExcuse[c.language] + QStringLiteral("\n") +
                                                      Texts::TxtHelpNotTranslated[c.language]);
        } else {
            EXPECT_TRUE(presenter.messages.empty());
        }
        QTextBrowser* browser = platform::helpWindowForTest();
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->source(), QUrl(QString::fromLatin1(c.contents)));
    }
}

TEST_F(MenuCommandsTest, AccountIconTakesRatedPlayOffAndFollowsTheState)
{
    Online::AccountPlayAllowed = true;
    Online::OnlineState = 2;
    Online::AccountUser.Nick = QStringLiteral("Ann");
    form->ImAc->onClick();
    EXPECT_FALSE(Online::AccountPlayAllowed);
    EXPECT_EQ(form->ImAc->toolTip(), Texts::Tx(Texts::TxtLoggedIn));
    EXPECT_TRUE(form->Button9->isHidden()) << "nothing changed: the menu is not rebuilt";

    // A window that signs the player out and in as another: the lamp and the menu follow.
    struct Change {
        int state;
        const char* nick;
        QString hint;
    };
    for (const Change& c : {Change{1, "Ann", Texts::Tx(Texts::TxtNotLoggedIn)},
                            Change{1, "Bob", Texts::Tx(Texts::TxtNotLoggedIn)},
                            Change{3, "Bob", Texts::Tx(Texts::TxtGameOnRating)}}) {
        SCOPED_TRACE(c.nick);
        form->Button9->hide();
        presenter.onDialog = [&c](QDialog&) {
            Online::OnlineState = c.state;
            Online::AccountUser.Nick = QString::fromLatin1(c.nick);
            return int(QDialog::Rejected);
        };
        form->ImAc->onClick();
        EXPECT_EQ(form->ImAc->toolTip(), c.hint);
        EXPECT_FALSE(form->Button9->isHidden()) << "the menu is rebuilt";
    }
}

TEST_F(MenuCommandsTest, QuitDuringARoundAsksFirstAndNoKeepsTheRound)
{
    GameState::IntroActive = 0;
    GameState::MenuActive = 0;
    GameState::RoundActive = 1;
    form->Quit->setEnabled(true);
    presenter.answers = {platform::Answer::No, platform::Answer::Yes};
    form->Quit->trigger();
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(presenter.messages[0].text.contains(Texts::Tx(Texts::TxtLeaveToMenu)));
    EXPECT_EQ(GameState::RoundActive, 1);
    EXPECT_EQ(GameState::MenuActive, 0);

    form->Quit->trigger();
    EXPECT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(GameState::RoundActive, 0);
    EXPECT_EQ(GameState::MenuActive, 1);

    // In the menu there is no round to lose: nothing is asked.
    form->Quit->trigger();
    EXPECT_EQ(presenter.messages.size(), 2u);
}

class PackageDownload : public MenuCommandsTest {
protected:
    void SetUp() override
    {
        MenuCommandsTest::SetUp();
        testsupport::ClearPendingQuit();
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Downloads")));
        target = dir.filePath(QStringLiteral("Downloads/Vardelin-new.apk"));
    }

    // Plays the player in the save dialog: notes what it proposes, then chooses target.
    void chooseTarget(bool confirm)
    {
        presenter.onDialog = [this, confirm](QDialog& d) {
            auto* save = qobject_cast<QFileDialog*>(&d);
            if (!save)
                return int(QDialog::Rejected);
            proposedName = QFileInfo(save->selectedFiles().value(0)).fileName();
            proposedFolder = save->directory().absolutePath();
            filter = save->nameFilters().value(0);
            saving = save->acceptMode() == QFileDialog::AcceptSave;
            save->selectFile(target);
            return int(confirm ? QDialog::Accepted : QDialog::Rejected);
        };
    }

    testsupport::LoopbackServer server;
    QString target;
    QString proposedName;
    QString proposedFolder;
    QString filter;
    bool saving = false;
};

TEST_F(PackageDownload, ProposesTheLinksFileAndStoresThePackageWhereChosen)
{
    static const char bytes[] = "PK\x03\x04 package bytes\x00\xff";
    const QByteArray package(bytes, sizeof bytes - 1);
    server.setPage("/files/Vardelin.apk", package, "application/octet-stream");
    MenuDecorations::DownloadLink = server.url(QStringLiteral("/files/Vardelin.apk"));
    chooseTarget(true);
    waitOutClick();
    form->ImAn->onClick();
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("SaveDialog1")});
    EXPECT_TRUE(saving);
    EXPECT_EQ(proposedName, QStringLiteral("Vardelin.apk"));
    EXPECT_EQ(proposedFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(filter, QStringLiteral("apk (*.apk)"));
    QFile stored(target);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), package);
    EXPECT_EQ(clicks(), 1);
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(PackageDownload, CancelFetchesNothingAndAFailedTransferLeavesTheFileAlone)
{
    server.setPage("/files/Vardelin.apk", "new");
    MenuDecorations::DownloadLink = server.url(QStringLiteral("/files/Vardelin.apk"));
    chooseTarget(false);
    form->ImAn->onClick();
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(QFile::exists(target));

    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old package");
    }
    chooseTarget(true);
    for (const auto failure : {testsupport::LoopbackServer::Failure::ServerError,
                               testsupport::LoopbackServer::Failure::CloseConnection}) {
        server.setFailure("/files/Vardelin.apk", failure);
        form->ImAn->onClick();
        QFile kept(target);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("old package"));
    }
    EXPECT_GE(server.requests().size(), 2) << "both transfers were tried";
    EXPECT_TRUE(presenter.messages.empty()) << "a failed download is not reported";
}

TEST(DownloadNames, FileNameAndExtensionOfALink)
{
    struct Case {
        const char* link;
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"http://h.example/files/Vardelin.apk", "Vardelin.apk", "apk"},
        {"https://h.example/a/b/Setup.2.1.exe?from=menu#top", "Setup.2.1.exe", "exe"},
        {"http://h.example/get/package", "package", ""},
        {"http://h.example.org/", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        EXPECT_EQ(MenuCommands::DownloadFileName(QString::fromLatin1(c.link)), QLatin1String(c.name));
        EXPECT_EQ(MenuCommands::DownloadExtension(QString::fromLatin1(c.link)), QLatin1String(c.extension));
    }
}

} // namespace
