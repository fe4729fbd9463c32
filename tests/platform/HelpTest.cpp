#include "platform/Help.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

// Every context the program can ask for: the main window and the dialogs that share its
// page (1), the game pages (game number + 1), the about box and the options dialog.
std::vector<int> askedContexts()
{
    std::vector<int> contexts{1, 6, 21, 22, 40, 45, 111, 112};
    for (int game = 1; game <= 50; ++game)
        contexts.push_back(game + 1);
    return contexts;
}

// Windows whose context number is also a game's, or who share the main window's, open
// their page by name.
const char* const namedPages[] = {"score",   "endgame",     "dedication",  "menu", "signin",
                                  "movequestion", "champions", "account", "profile", "passport",
                                  "worldtopten",  "worldresult", "chat",  "statistics"};

// Parses the page as XML and collects its title and links; the error text is empty
// for a well-formed page.
struct ParsedPage {
    QString error;
    QString title;
    QStringList links;
    int paragraphs = 0;
};

ParsedPage parse(const QString& html)
{
    ParsedPage page;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("title"))
            page.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (xml.name() == QLatin1String("a"))
            page.links << xml.attributes().value(QLatin1String("href")).toString();
        else if (xml.name() == QLatin1String("p") || xml.name() == QLatin1String("li"))
            ++page.paragraphs;
    }
    if (xml.hasError())
        page.error = xml.errorString() + QStringLiteral(" at line ") + QString::number(xml.lineNumber());
    return page;
}

void checkPage(const QString& path, const char* language)
{
    SCOPED_TRACE(path.toStdString());
    ASSERT_FALSE(path.isEmpty());
    ASSERT_TRUE(path.contains(QStringLiteral("/") + QLatin1String(language) + QStringLiteral("/")))
        << "fell back to another language";
    const QString html = helpPageHtml(path);
    ASSERT_FALSE(html.trimmed().isEmpty());
    const ParsedPage page = parse(html);
    EXPECT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_FALSE(page.title.isEmpty());
    EXPECT_GE(page.paragraphs, 2);
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    if (QLatin1String(language) == QLatin1String("ru"))
        EXPECT_TRUE(page.title.contains(cyrillic)) << "Russian page with an untranslated title";
    else
        EXPECT_FALSE(html.contains(cyrillic)) << "English page with Russian text";
    // Links stay inside the help: relative, to a page that exists, never to the web.
    const QUrl base(QStringLiteral("qrc") + path);
    for (const QString& link : page.links) {
        SCOPED_TRACE(link.toStdString());
        const QUrl target = base.resolved(QUrl(link));
        EXPECT_EQ(target.scheme(), QStringLiteral("qrc"));
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path()));
    }
}

} // namespace

TEST(Help, EveryAskedContextHasAWellFormedPageInEnglishAndRussian)
{
    for (const int context : askedContexts()) {
        SCOPED_TRACE(context);
        checkPage(helpPagePath(context, 0), "en");
        checkPage(helpPagePath(context, 1), "ru");
    }
    checkPage(helpContentsPath(0), "en");
    checkPage(helpContentsPath(1), "ru");
    for (const char* name : namedPages) {
        checkPage(helpNamedPagePath(QString::fromLatin1(name), 0), "en");
        checkPage(helpNamedPagePath(QString::fromLatin1(name), 1), "ru");
    }
}

TEST(Help, RussianPagesAreTranslationsNotCopies)
{
    for (const int context : askedContexts()) {
        SCOPED_TRACE(context);
        EXPECT_NE(helpPageHtml(helpPagePath(context, 0)), helpPageHtml(helpPagePath(context, 1)));
        EXPECT_NE(parse(helpPageHtml(helpPagePath(context, 0))).title,
                  parse(helpPageHtml(helpPagePath(context, 1))).title);
    }
    for (const char* name : namedPages) {
        SCOPED_TRACE(name);
        const QString en = helpPageHtml(helpNamedPagePath(QString::fromLatin1(name), 0));
        const QString ru = helpPageHtml(helpNamedPagePath(QString::fromLatin1(name), 1));
        EXPECT_NE(en, ru);
        EXPECT_NE(parse(en).title, parse(ru).title);
    }
}

TEST(Help, GamePagesAreDistinct)
{
    // A page copied over another game's would still pass the walk above.
    QStringList titles;
    for (int game = 1; game <= 50; ++game)
        titles << parse(helpPageHtml(helpPagePath(game + 1, 0))).title;
    titles.removeDuplicates();
    EXPECT_EQ(titles.size(), 50);
}

TEST(Help, LanguageWithoutPagesFallsBackToEnglishAndUnknownContextsHaveNone)
{
    struct Case {
        int context;
        int language;
        const char* expected;
    };
    const Case cases[] = {
        {2, 2, ":/res/help/en/help_2.html"},      // German: no own pages
        {2, 9, ":/res/help/en/help_2.html"},      // last language index
        {2, 10, ":/res/help/en/help_2.html"},     // out of range counts as English
        {2, -1, ":/res/help/en/help_2.html"},
        {51, 1, ":/res/help/ru/help_51.html"},
        {0, 0, ""},
        {-3, 1, ""},
        {52, 0, ""},
        {9999, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        EXPECT_EQ(helpPagePath(c.context, c.language), QLatin1String(c.expected));
    }
    EXPECT_EQ(helpContentsPath(4), QStringLiteral(":/res/help/en/help_contents.html"));
    EXPECT_EQ(helpNamedPagePath(QStringLiteral("score"), 1), QStringLiteral(":/res/help/ru/help_score.html"));
    EXPECT_EQ(helpNamedPagePath(QStringLiteral("score"), 7), QStringLiteral(":/res/help/en/help_score.html"));
    for (const char* refused : {"", "nothing", "../en/help_1", "score.html", "/score"})
        EXPECT_TRUE(helpNamedPagePath(QString::fromLatin1(refused), 0).isEmpty()) << refused;
    EXPECT_TRUE(helpPageHtml(QString()).isEmpty());
}

TEST(Help, WindowShowsTheContextPageAndIsReused)
{
    ASSERT_TRUE(showHelp(12, 1));
    QTextBrowser* browser = helpWindowForTest();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/ru/help_12.html")));
    EXPECT_TRUE(browser->window()->isVisible());
    EXPECT_FALSE(browser->window()->isModal());
    EXPECT_FALSE(browser->toPlainText().trimmed().isEmpty());

    // A context with no page of its own opens the contents, in the same window.
    ASSERT_TRUE(showHelp(500, 0));
    EXPECT_EQ(helpWindowForTest(), browser);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/en/help_contents.html")));

    ASSERT_TRUE(showHelpContents(1));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/ru/help_contents.html")));

    ASSERT_TRUE(showHelpPage(QStringLiteral("score"), 0));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/en/help_score.html")));
    ASSERT_TRUE(showHelpPage(QStringLiteral("../secret"), 1));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/ru/help_contents.html")));
    browser->window()->close();
}

TEST(Help, WindowFollowsOnlyLinksBetweenHelpPages)
{
    ASSERT_TRUE(showHelp(1, 0));
    QTextBrowser* browser = helpWindowForTest();
    ASSERT_NE(browser, nullptr);
    const QUrl start = browser->source();
    for (const char* refused : {"https://example.org/", "file:///etc/passwd", "mailto:a@b.c",
                                "missing-page.html"}) {
        SCOPED_TRACE(refused);
        emit browser->anchorClicked(QUrl(QString::fromLatin1(refused)));
        EXPECT_EQ(browser->source(), start);
    }
    emit browser->anchorClicked(QUrl(QStringLiteral("help_111.html")));
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/res/help/en/help_111.html")));
    browser->window()->close();
}

TEST(Help, HelpAskedForFromAModalDialogIsUsableWhileItIsOpen)
{
    QDialog dialog;
    QWidget* parentWhileOpen = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        ASSERT_TRUE(showHelp(1, 0));
        parentWhileOpen = helpWindowForTest()->window()->parentWidget();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(parentWhileOpen, &dialog);

    // Without a modal window it stands on its own again.
    ASSERT_TRUE(showHelp(1, 0));
    QTextBrowser* browser = helpWindowForTest();
    EXPECT_EQ(browser->window()->parentWidget(), nullptr);
    EXPECT_TRUE(browser->window()->isWindow());
    browser->window()->close();
}

TEST(Help, WindowOpensOverTheProgramAndEscClosesIt)
{
    QWidget program;
    program.setGeometry(600, 300, 760, 500);
    program.show();
    ASSERT_TRUE(showHelp(1, 0));
    QWidget* help = helpWindowForTest()->window();
    EXPECT_LE(std::abs(help->frameGeometry().center().x() - program.frameGeometry().center().x()), 2);
    EXPECT_LE(std::abs(help->frameGeometry().center().y() - program.frameGeometry().center().y()), 2);

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(help, &esc);
    EXPECT_FALSE(help->isVisible());
}
