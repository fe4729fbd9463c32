#include "foundation/HelpCommand.h"

#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Help.h"
#include "platform/Seams.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct HelpCommandTest : ::testing::Test {
    void SetUp() override
    {
        // A click is not started over one still sounding: each command here comes long
        // after the one before.
        platform::SeamOverrides o;
        o.monotonicNanos = [this] { return nanos += 60'000'000'000ull; };
        platform::setSeamOverridesForTest(o);
    }
    void TearDown() override
    {
        platform::setSeamOverridesForTest({});
        Texts::LanguageIndex = 0;
        Settings::SoundOn = true;
        if (QTextBrowser* b = platform::helpWindowForTest())
            b->window()->close();
    }
    std::uint64_t nanos = 4'000'000'000'000'000'000ull;
    testsupport::ScriptedPresenter presenter;
    RecordingSoundSink sound;
};

} // namespace

TEST_F(HelpCommandTest, MenuHelpClicksAndOpensTheContentsWithoutANotice)
{
    struct Case {
        int language;
        const char* page;
    };
    const Case cases[] = {
        {0, "qrc:/res/help/en/help_contents.html"},
        {1, "qrc:/res/help/ru/help_contents.html"},
        {3, "qrc:/res/help/en/help_contents.html"}, // no French pages
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        Texts::LanguageIndex = c.language;
        sound.calls.clear();
        HelpCommand::HelpClick();
        EXPECT_TRUE(presenter.messages.empty()) << "the help needs no apology";
        ASSERT_EQ(sound.calls.size(), 1u);
        QTextBrowser* browser = platform::helpWindowForTest();
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->source(), QUrl(QString::fromLatin1(c.page)));
    }
}

TEST_F(HelpCommandTest, MenuHelpIsSilentWithTheSoundOff)
{
    Settings::SoundOn = false;
    HelpCommand::HelpClick();
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(HelpCommandTest, ContextHelpOpensTheGamePageInTheInterfaceLanguage)
{
    Texts::LanguageIndex = 1;
    HelpCommand::ShowContextHelp(11); // Free Cell: game number 10 + 1
    QTextBrowser* browser = platform::helpWindowForTest();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/ru/help_11.html")));
    EXPECT_TRUE(browser->documentTitle().contains(QStringLiteral("Свободная ячейка")));
}
