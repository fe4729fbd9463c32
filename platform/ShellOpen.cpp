#include "platform/ShellOpen.h"

#include <QDesktopServices>

namespace platform {

namespace {

std::function<bool(const QUrl&)>& testOpener()
{
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

} // namespace

QUrl openableUrl(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c.isSpace())
            return {};
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return {};
    } else if (scheme == QLatin1String("mailto")) {
        if (url.path().isEmpty())
            return {};
    } else {
        return {};
    }
    return url;
}

bool isOpenableUrl(const QString& address)
{
    return openableUrl(address).isValid();
}

bool openUrl(const QString& address)
{
    const QUrl url = openableUrl(address);
    if (!url.isValid())
        return false;
    if (testOpener())
        return testOpener()(url);
    return QDesktopServices::openUrl(url);
}

void setUrlOpenerForTest(std::function<bool(const QUrl&)> opener)
{
    testOpener() = std::move(opener);
}

} // namespace platform
