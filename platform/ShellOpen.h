#pragma once
// Opening a web page or a mail link in the user's own program. Only http, https and
// mailto addresses are opened: a link shown to the player may come from a server, and
// nothing it says may start a local file or a script.
#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

// The address as it will be opened, or an invalid QUrl when it is refused: not an
// absolute http, https or mailto address, an http(s) address without a host, or a
// mailto without a recipient. Blanks around the address are ignored.
QUrl openableUrl(const QString& address);
bool isOpenableUrl(const QString& address);

// Opens the address; false when it is refused or the system could not open it.
bool openUrl(const QString& address);

// Test hook: the opener receives every accepted address instead of the system;
// an empty function restores the real one.
void setUrlOpenerForTest(std::function<bool(const QUrl&)> opener);

} // namespace platform
