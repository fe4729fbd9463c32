#pragma once
// The help window: HTML pages built into the program, one per help context and
// language, shown in one non-modal window that later requests reuse.
//
// Pages live under ":/res/help/<language>/help_<context>.html"; the contents page is
// "help_contents.html" in the same folder. A language without its own page falls back to
// English.
#include <QString>

class QTextBrowser;

namespace platform {

// The folder code of a language index in the program's language order ("en", "ru",
// "de", ...); "en" for an index outside 0..9.
QString helpLanguageCode(int languageIndex);

// The resource path of the page shown for a context in a language: the page of that
// language when it exists, else the English one; empty when neither exists.
QString helpPagePath(int context, int languageIndex);
// The same for the contents page.
QString helpContentsPath(int languageIndex);

// The page's text (UTF-8 decoded); empty when there is no page.
QString helpPageHtml(const QString& path);

// Opens (or brings forward) the help window on the page of the context; when the
// context has no page, on the contents. False when not even the contents exist.
bool showHelp(int context, int languageIndex);
// Opens the help window on the contents page.
bool showHelpContents(int languageIndex);
// A page by name ("score" for "help_score.html"): for windows whose context number is
// also a game's, so that they can still show their own page. Falls back like showHelp.
QString helpNamedPagePath(const QString& name, int languageIndex);
bool showHelpPage(const QString& name, int languageIndex);

// The help window when it has been created, for tests; nullptr before.
QTextBrowser* helpWindowForTest();

} // namespace platform
