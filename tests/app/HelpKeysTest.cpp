// F1 in each window opens that window's help page, in the interface language.
#include "app/HelpKeys.h"
#include "app/Qyv__Form1.h"
#include "foundation/GameState.h"
#include "foundation/Texts.h"
#include "platform/Help.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPresenter.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString shownPage()
{
    QTextBrowser* browser = platform::helpWindowForTest();
    return browser && browser->window()->isVisible() ? browser->source().toString() : QString();
}

void closeHelp()
{
    if (QTextBrowser* browser = platform::helpWindowForTest())
        browser->window()->close();
}

void pressF1(QWidget& target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
}

} // namespace

TEST(HelpKeys, EveryWindowsPageExistsInEnglishAndRussian)
{
    for (const HelpKeys::WindowPage& p : HelpKeys::WindowPages()) {
        SCOPED_TRACE(p.Window);
        EXPECT_TRUE(platform::helpNamedPagePath(QString::fromLatin1(p.Page), 0).startsWith(":/res/help/en/"));
        EXPECT_TRUE(platform::helpNamedPagePath(QString::fromLatin1(p.Page), 1).startsWith(":/res/help/ru/"));
    }
}

TEST(HelpKeys, F1InADialogOpensItsPageAndLeavesTheOthersToThemselves)
{
    struct Case {
        const char* window;
        int contextProperty;
        const char* pageProperty;
        const char* expected; // empty: F1 is left to the window
    };
    const Case cases[] = {
        {"FormTopTen", 1, nullptr, "qrc:/res/help/ru/help_champions.html"},
        {"FormPassword", 0, nullptr, "qrc:/res/help/ru/help_signin.html"},
        {"FormPapa", 40, nullptr, "qrc:/res/help/ru/help_dedication.html"},
        {"FormAbout", 21, nullptr, "qrc:/res/help/ru/help_111.html"},
        {"FormServerRead", 0, nullptr, "qrc:/res/help/ru/help_worldtopten.html"},
        {"FStat", 0, nullptr, "qrc:/res/help/ru/help_statistics.html"},
        {"SomeNewWindow", 0, "chat", "qrc:/res/help/ru/help_chat.html"},
        {"SomeNewWindow", 12, nullptr, "qrc:/res/help/ru/help_12.html"},
        {"FormCount", 0, nullptr, ""},
        {"FormQuest", 0, nullptr, ""},
    };
    Texts::LanguageIndex = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        QDialog dialog;
        dialog.setObjectName(QString::fromLatin1(c.window));
        if (c.contextProperty)
            dialog.setProperty("HelpContext", c.contextProperty);
        if (c.pageProperty)
            dialog.setProperty("HelpPage", QString::fromLatin1(c.pageProperty));
        QLineEdit* edit = new QLineEdit(&dialog);
        HelpKeys::InstallHelpKey(&dialog);
        closeHelp();
        pressF1(*edit);
        EXPECT_EQ(shownPage(), QString::fromLatin1(c.expected));
        // The filter belongs to the dialog; the next one installs its own.
    }
    Texts::LanguageIndex = 0;
    closeHelp();
}

TEST(HelpKeys, F1InTheMainWindowFollowsItsContext)
{
    QTemporaryDir dir;
    platform::setProgramFolderForTest(dir.path());
    testsupport::ScriptedPresenter presenter;
    GameState::ResetGameState();
    auto* form = new TForm1;
    for (const int context : {1, 12, 51}) {
        SCOPED_TRACE(context);
        form->HelpContext = context;
        closeHelp();
        pressF1(*form->ImageStol);
        EXPECT_EQ(shownPage(), QStringLiteral("qrc:/res/help/en/help_%1.html").arg(context));
    }
    delete form;
    Form1 = nullptr;
    closeHelp();
    platform::setProgramFolderForTest({});
}
