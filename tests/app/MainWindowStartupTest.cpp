// The player's first minute: start-up to the intro, the click that opens the menu, the
// start-up statistics post, and closing the window.
#include "app/Qyv_FOptions.h"
#include "app/Qyv__Form1.h"
#include "foundation/CardPictures.h"
#include "foundation/ClubFile.h"
#include "foundation/GameState.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scrambler.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "support/LoopbackServer.h"
#include "support/ProgramFolderFixture.h"
#include "support/ScriptedPresenter.h"

#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

namespace {

class MainWindowStartup : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::WindowSize = 1;
    }
    void TearDown() override
    {
        delete form;
        ProgramFolderFixture::TearDown();
    }

    void writeClubFile(const QByteArray& label)
    {
        ASSERT_TRUE(TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName),
                                                  TextFileLines::JoinLines(ClubFile::EmptyClubLines(label))));
    }

    // A settings file whose statistics address is the loopback server and whose
    // "start-up post done" flag is clear.
    void writeSettingsPointingAt(const QString& statUrl)
    {
        Settings::SetDefaultSettings();
        Settings::StatServiceAddressCoded = Scrambler::ScrambleText(statUrl, Scrambler::KeySettings);
        Settings::StatServiceAddress = statUrl;
        Settings::StartStatPosted = false;
        Settings::SaveSettings();
    }

    void start()
    {
        form = new TForm1;
        form->show();
        form->FormFirstShow();
    }

    bool settingsFileExists() const { return QFile::exists(dir.filePath(QStringLiteral("Vardelin.ini"))); }

    testsupport::ScriptedPresenter presenter;
    TForm1* form = nullptr;
};

TEST_F(MainWindowStartup, ReachesTheIntroAndAClickOpensTheMenuWithEmptyMembers)
{
    writeClubFile("ozk");
    start();
    EXPECT_TRUE(form->startupDone());
    EXPECT_TRUE(GameState::IntroActive);
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(presenter.messages.empty());
    form->Timer1Timer(); // one intro step must not fail

    form->Image1Click();
    EXPECT_FALSE(GameState::IntroActive);
    EXPECT_TRUE(GameState::MenuActive);
    EXPECT_FALSE(form->Image1->isVisible());
    // The opening picture holds no memory once the menu shows; a new one gets its size.
    EXPECT_TRUE(std::as_const(*form->Image1).canvas().isEmpty());
    StartScreen::ShowSplash(0, QStringLiteral("V"));
    EXPECT_EQ(form->Image1->canvas().image().size(), QSize(760, 500));
    const QString empty = QString(20, '#') + QString(7, ' ') + "###" + QString(7, ' ') + "######";
    for (TQyvCardsButton* b : {form->Button1, form->Button2, form->Button3, form->Button4, form->Button5}) {
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(b->text(), empty);
    }
    EXPECT_EQ(form->Panel4->text(), Texts::Tx(Texts::TxtClubMembersTitle));
    EXPECT_EQ(form->Button6->text(), QStringLiteral("New Player"));
    EXPECT_EQ(form->Timer1->interval(), 20);
    form->Timer1Timer(); // one candle step must not fail
}

TEST_F(MainWindowStartup, TheTimerOffersTheGiveUpOnceVardelinsStockRunsOutInTheThirdPass)
{
    writeClubFile("ozk");
    start();
    form->Image1Click();
    GameState::MenuActive = 0;
    struct Case {
        int game, stock, pass;
        bool roundActive, enabled;
    } cases[] = {
        {431, 0, 3, true, true},  {71, 0, 3, true, true},   {431, 1, 3, true, false},
        {431, 0, 2, true, false}, {431, 0, 3, false, false}, {404, 0, 3, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.game << " stock " << c.stock << " pass " << c.pass);
        GameState::CurrentGameId = c.game;
        GameState::StockCount = c.stock;
        GameState::PassCount = c.pass;
        GameState::RoundActive = c.roundActive;
        form->Button8->setEnabled(false);
        form->Timer1Timer();
        EXPECT_EQ(form->Button8->isEnabled(), c.enabled);
    }
    GameState::RoundActive = false;
}

TEST_F(MainWindowStartup, TheMenuComesBackWithoutTracesOfFlownCards)
{
    writeClubFile("ozk");
    start();
    form->Image1Click();
    const platform::TColor picture = platform::rgbColor(20, 40, 200);
    const QImage savedBackground = CardPictures::TableBackground;
    const int savedNo = Settings::BackgroundNo;
    for (int backgroundNo : {0, 3}) {
        Settings::BackgroundNo = backgroundNo;
        CardPictures::TableBackground = QImage(form->ClientWidth(), form->ClientHeight(), QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(picture));
        // A card that flew on the window's own canvas in the round before.
        platform::Canvas& c = form->FormCanvas();
        c.brush.color = platform::clRed;
        c.pen.color = platform::clRed;
        c.fillRect(300, 20, 371, 116);
        StartScreen::ShowMainMenu(0, 0);
        const platform::TColor expected = backgroundNo == 0 ? platform::rgbColor(0, 128, 0) : picture;
        EXPECT_EQ(c.pixel(330, 60), expected) << backgroundNo;
        EXPECT_EQ(c.pixel(5, 5), expected) << backgroundNo;
    }
    CardPictures::TableBackground = savedBackground;
    Settings::BackgroundNo = savedNo;
}

TEST_F(MainWindowStartup, ALanguageSwitchRedrawsTheTitlePicture)
{
    writeClubFile("ozk");
    start();
    form->Image1Click();
    const QImage english = form->ImageCaption->canvas().image();
    Language::SetLanguage(1);
    const QImage switched = form->ImageCaption->canvas().image();
    StartScreen::DrawGameCaption(0, StartScreen::GameCaptionSize);
    EXPECT_NE(switched, english);
    EXPECT_EQ(switched, form->ImageCaption->canvas().image());
    Language::SetLanguage(0);
}

TEST_F(MainWindowStartup, TheOptionsAreMadeFilledAtTheirFirstOpeningWhichLeavesTheAnimations)
{
    writeClubFile("ozk");
    start();
    // Nothing of the dialog is held until it is asked for.
    EXPECT_EQ(FormOptions, nullptr);
    form->Image1Click();
    platform::AnimatedPicture* gifs[2] = {form->RxGIFAnL, form->RxGIFAnR};
    int frames[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(gifs[i]->isLoaded());
        gifs[i]->step();
        gifs[i]->step();
        frames[i] = gifs[i]->currentFrame();
        ASSERT_GT(frames[i], 0);
    }
    Options::ShowOptionsDialog();
    EXPECT_EQ(presenter.dialogs.size(), 1);
    ASSERT_NE(FormOptions, nullptr);
    EXPECT_EQ(FormOptions->CheckBox3->isChecked(), Settings::GifAnimationOn);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(gifs[i]->currentFrame(), frames[i]);
}

TEST_F(MainWindowStartup, AStartRemovesTheCopiesAKilledWriteLeft)
{
    writeClubFile("ozk");
    const QString stray = dir.filePath(QStringLiteral("Vardelin.clb.Qw3rT9"));
    ASSERT_TRUE(QFile::copy(dir.filePath(ClubFile::ClubFileName), stray));
    start();
    EXPECT_FALSE(QFile::exists(stray));
    EXPECT_TRUE(QFile::exists(dir.filePath(ClubFile::ClubFileName)));
}

TEST_F(MainWindowStartup, LabelOzkSendsNoStatisticsPost)
{
    testsupport::LoopbackServer server;
    server.setPage("/stat", "$ok#");
    writeSettingsPointingAt(server.url("/stat"));
    writeClubFile("ozk");
    start();
    for (const auto& r : server.requests())
        EXPECT_NE(r.path, QByteArray("/stat"));
    EXPECT_FALSE(Settings::StartStatPosted);
}

TEST_F(MainWindowStartup, AnotherLabelPostsAStartAndAUniqueStartOnce)
{
    testsupport::LoopbackServer server;
    server.setPage("/stat", "$ok#");
    writeSettingsPointingAt(server.url("/stat"));
    writeClubFile("vrd");
    start();
    int posts = 0;
    for (const auto& r : server.requests()) {
        if (r.path != QByteArray("/stat"))
            continue;
        ++posts;
        EXPECT_EQ(r.body, QByteArray("gid=71&R1=0&R2=0&R3=1&R4=1&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"));
        EXPECT_EQ(r.header("user-agent"), QByteArray("QyvOpenRelays"));
    }
    EXPECT_EQ(posts, 1);
    EXPECT_TRUE(Settings::StartStatPosted);
}

TEST_F(MainWindowStartup, MissingClubFileIsReportedAndTheWindowCloses)
{
    start();
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_TRUE(presenter.messages[0].text.contains(Texts::Tx(Texts::TxtCantFindFile)));
    EXPECT_TRUE(presenter.messages[0].text.contains(QStringLiteral("Vardelin.clb")));
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(form->startupFailed());
    EXPECT_TRUE(settingsFileExists()); // the ordinary close keeps the settings
}

TEST_F(MainWindowStartup, ClosingFromTheMenuAsksNothingAndSavesTheSettings)
{
    writeClubFile("ozk");
    start();
    form->Image1Click();
    ASSERT_FALSE(settingsFileExists());
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_TRUE(settingsFileExists());
}

TEST_F(MainWindowStartup, ClosingDuringARoundAsksAndNoKeepsTheWindow)
{
    writeClubFile("ozk");
    start();
    form->Image1Click();
    GameState::MenuActive = 0; // a round is on the table
    GameState::RoundActive = 1;
    presenter.answers.push_back(platform::Answer::No);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(settingsFileExists());

    presenter.answers.push_back(platform::Answer::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(settingsFileExists());
}

} // namespace
