#include "foundation/ServerAddresses.h"

#include "foundation/Scrambler.h"
#include "foundation/TextFileLines.h"
#include "platform/Http.h"

namespace ServerAddresses {

namespace {

// GET with the client's own settings: the pages get no marker of the program's.
bool requestPage(const QString& address, QString& page)
{
    page.clear();
    const QString url = Scrambler::UnscrambleText(address, Scrambler::KeySettings);
    platform::HttpOptions options;
    options.userAgent.clear();
    options.timeoutMs = PageTimeoutMs;
    const platform::HttpResult r = platform::httpGet(url, options);
    if (!r.ok)
        return false;
    page = PageText(r.body);
    return true;
}

// The text from pos up to the next "#" (or the end); pos moves past the "#".
QString valueAt(const QString& page, qsizetype& pos)
{
    if (pos >= page.size()) {
        pos = page.size();
        return QString();
    }
    const qsizetype end = page.indexOf(QLatin1Char('#'), pos);
    QString v = page.mid(pos, end < 0 ? -1 : end - pos);
    pos = end < 0 ? page.size() : end + 1;
    return v;
}

} // namespace

QString PageText(const QByteArray& body)
{
    const QList<QByteArray> lines = TextFileLines::SplitLines(body);
    QByteArray joined;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += "\r\n";
        joined += lines[i];
    }
    return QString::fromUtf8(joined);
}

bool FindPageValues(const QString& page, const QString& key, int count, QStringList& values)
{
    values.clear();
    const qsizetype at = key.isEmpty() ? -1 : page.indexOf(key);
    if (at < 0)
        return false;
    qsizetype pos = at + key.size() + 1;   // the key and its separator
    for (int i = 0; i < count; ++i)
        values.append(valueAt(page, pos));
    return true;
}

bool FindPageValue(const QString& page, const QString& key, QString& value)
{
    QStringList v;
    const bool found = FindPageValues(page, key, 1, v);
    value = v.value(0);
    return found;
}

void ParseStatusPage(const QString& page, const QString& newsKey, const QString& downloadKey,
                     const QString& storeKey, QString& storeLink, QString& downloadLink, bool& newsPresent,
                     TStatusNews& statusNews)
{
    FindPageValue(page, storeKey, storeLink);
    FindPageValue(page, downloadKey, downloadLink);
    QStringList news;
    if (!FindPageValues(page, newsKey, 4, news)) {
        newsPresent = false;
        statusNews = {};
        return;
    }
    newsPresent = news[0] == QLatin1String("Y");
    statusNews.Line1 = news[1];
    statusNews.Line2 = news[2];
    statusNews.Link = news[3];
}

int FetchStatusPage(const QString& address, const QString& newsKey, const QString& downloadKey,
                    const QString& storeKey, QString& storeLink, QString& downloadLink, bool& newsPresent,
                    TStatusNews& statusNews)
{
    QString page;
    const bool ok = requestPage(address, page);
    storeLink.clear();
    downloadLink.clear();
    if (!ok)
        return 1;
    ParseStatusPage(page, newsKey, downloadKey, storeKey, storeLink, downloadLink, newsPresent, statusNews);
    return 0;
}

void ParseRatingPath(const QString& page, int variant, bool& chatOn, QString& path)
{
    chatOn = !page.contains(QLatin1String("CTGamesPause"));
    if (page.contains(QLatin1String("WTGamesPause"))) {
        path = QStringLiteral("pause");
        return;
    }
    const QString key = variant == 1 ? QStringLiteral("WTGamesPath") : QStringLiteral("WTGamesPatt");
    if (!FindPageValue(page, key, path))
        path = QStringLiteral("old");
}

void FetchRatingPath(const QString& address, int variant, bool& chatOn, QString& path)
{
    path.clear();
    QString page;
    if (!requestPage(address, page)) {
        path = QStringLiteral("old");
        chatOn = true;
        return;
    }
    ParseRatingPath(page, variant, chatOn, path);
}

void FetchStatPath(const QString& address, QString& path)
{
    path.clear();
    QString page;
    if (requestPage(address, page))
        FindPageValue(page, QStringLiteral("StatPath"), path);
}

void FetchAccPath(const QString& address, QString& path)
{
    path.clear();
    QString page;
    if (requestPage(address, page))
        FindPageValue(page, QStringLiteral("AccPath"), path);
}

} // namespace ServerAddresses
