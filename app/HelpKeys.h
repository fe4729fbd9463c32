#pragma once
// F1 opens the help page of the window it is pressed in. Most windows are known by name;
// several share a context number with a game's page, so they name their page instead.
#include <QString>
#include <vector>

class QObject;
class QWidget;

namespace HelpKeys {

// The page a window asks for: a named page ("champions" for "help_champions.html"), or
// a context number when Page is empty.
struct HelpTarget {
    QString Page;
    int Context = 0;
};

// The window names with a help page of their own, and that page.
struct WindowPage {
    const char* Window;
    const char* Page;
};
const std::vector<WindowPage>& WindowPages();

// What F1 opens in the window: its named page (the table above, or a "HelpPage" property
// the window sets), else its help context (the main window's HelpContext, or a
// "HelpContext" property). Nothing (both empty) for a window that answers F1 itself.
HelpTarget TargetOf(const QWidget& window);

// Opens the help for the window; False when it asks for nothing.
bool ShowHelpFor(const QWidget& window);

// Installs the F1 key on the whole application (once).
void InstallHelpKey(QObject* owner);

} // namespace HelpKeys
