#pragma once
// What the icon bar, the menu screen's buttons and the pop-up menu do. Each handler plays
// the click first. Unavailable services say so in the message box and change nothing.
#include <QString>

class QWidget;
class TForm1;

namespace MenuCommands {

// The two web sites that carry the product's page; the page path and its fragment are
// fixed, the hosts (scheme, host and port, no trailing slash) are ours to point.
inline QString MakerSiteHost = QStringLiteral("http://127.0.0.1");
inline QString SecondSiteHost = QStringLiteral("http://localhost");
inline const QString MakerSitePage = QStringLiteral("/varor/solitaires.php#Label_Vardelin");
inline const QString SecondSitePage = QStringLiteral("/varor/solitaires.html#Label_Vardelin");

// Icon bar.
// Offers the program package of the status page's download link for saving and fetches
// it into the chosen file. Without a link (or with one that is not http or https) the
// message box says the package is unavailable.
void ImAnClick(QWidget* owner);
// Opens the store page, or says it is unavailable.
void ImGPClick();
// The chat window while the chat is on, else the message.
void ImChClick(QWidget* owner);
// The world-top-ten window while the tournament is on, else the message.
void ImWTClick(QWidget* owner);
void ImStClick(QWidget* owner);
// Opens the product's page on one of the two sites, chosen at random.
void ImHpClick();
// The account window (without rated play on offer); then the account icon shows the
// online state, and the menu is rebuilt when the state or the nick changed.
void ImAcClick(QWidget* owner);

// Menu screen buttons and pop-up menu items.
void Button9Click(QWidget* owner);  // the champions list
void Button10Click();               // the options dialog
void AboutClick(QWidget* owner);
// The contents of the help. In a language whose help pages are not written yet (the
// English ones stand in), an information box first says so.
void HelpClick();
void N1Click(QWidget* owner);       // the dedication

// The file name and extension proposed for a download link: the part after the last
// "/" and the part of that after the last ".".
QString DownloadFileName(const QString& link);
QString DownloadExtension(const QString& link);

// Binds every icon, button and menu item above (and Help) to its control of the window.
void BindMenuCommands(TForm1& form);

} // namespace MenuCommands
