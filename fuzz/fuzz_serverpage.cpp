// Status and configuration page parser: any reply body.
#include "foundation/ServerAddresses.h"

#include <cstdlib>

using namespace ServerAddresses;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString page = PageText(body);

    QString store, download;
    bool present = false;
    TStatusNews news;
    ParseStatusPage(page, NewsKey, DownloadKey, StoreKey, store, download, present, news);
    for (const QString* v : {&store, &download, &news.Line1, &news.Line2, &news.Link})
        if (v->contains(QLatin1Char('#')))
            std::abort();

    for (int variant : {1, 2}) {
        bool chat = false;
        QString path;
        ParseRatingPath(page, variant, chat, path);
        if (path.contains(QLatin1Char('#')))
            std::abort();
    }
    QString value;
    (void)FindPageValue(page, QStringLiteral("StatPath"), value);
    (void)FindPageValue(page, QStringLiteral("AccPath"), value);
    if (value.contains(QLatin1Char('#')))
        std::abort();
    return 0;
}
