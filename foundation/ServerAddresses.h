#pragma once
// The status page (news, download and store links) and the configuration page (the
// current addresses of the server scripts and two pause switches), read with plain
// GETs at start. A value follows its key after one separator character of the
// server's choice and ends before the next "#"; only the first occurrence of a key
// counts. No failure reaches the caller.
#include <QString>
#include <QStringList>

namespace ServerAddresses {

// The port on 127.0.0.1 at which the local protocol server (server/) answers every
// built-in address.
inline constexpr int LocalServerPort = 17071;

// Addresses kept scrambled; the shipped ones point at the local protocol server, so
// without it running every request fails at once.
// Key 42967:
inline QString StatusPageAddress = QStringLiteral("PrCc3/rwwm+8sk6UVVyYj1yrn6jS/sG/HRnpYLrbcUCp");
inline QString ConfigPageAddress = QStringLiteral("PrCc3/rwwm+8sk6UVVyYj1yrn6jS/sG7A/3VXSqK2Bpm");
inline const QString BuiltInRatingAddressCoded = QStringLiteral("PrCc3/rwwm+8sk6UVVyYj1yrn6jS/sG+9g7BIOWx/OP");
inline const QString BuiltInStatAddressCoded = QStringLiteral("PrCc3/rwwm+8sk6UVVyYj1yrn6jS/sG/HRnpDCSozC");
// Key 24591:
inline const QString BuiltInAccountAddressCoded =
    QStringLiteral("IEO8piPH/osCIddciTWpwF2SKNA2iX5jzgu/jUYt");

// How long a page request may take before it counts as failed.
inline int PageTimeoutMs = 10000;

// Keys of the status page.
inline const QString NewsKey = QStringLiteral("NewsVardelin2.1");
inline const QString DownloadKey = QStringLiteral("DownLoad_Link_Vardelin");
inline const QString StoreKey = QStringLiteral("Google_Play_Link_Vardelin");

struct TStatusNews {
    QString Line1;
    QString Line2;
    QString Link;
};

// 0 when the page was read, 1 when the request failed. The links are cleared in
// either case; the news changes only when the page was read.
int FetchStatusPage(const QString& address, const QString& newsKey, const QString& downloadKey,
                    const QString& storeKey, QString& storeLink, QString& downloadLink, bool& newsPresent,
                    TStatusNews& statusNews);

// Variant 1 reads "WTGamesPath", variant 2 "WTGamesPatt". Path is the scrambled
// address, "pause" or "old" (also when the request failed; ChatOn is then True).
void FetchRatingPath(const QString& address, int variant, bool& chatOn, QString& path);
// The "StatPath" / "AccPath" value, or empty.
void FetchStatPath(const QString& address, QString& path);
void FetchAccPath(const QString& address, QString& path);

// --- the page rules alone, over a page already read ---

// The first value after key; false when the key does not occur.
bool FindPageValue(const QString& page, const QString& key, QString& value);
// count successive "#"-ended values after key (missing ones empty); false when the key
// does not occur.
bool FindPageValues(const QString& page, const QString& key, int count, QStringList& values);
void ParseStatusPage(const QString& page, const QString& newsKey, const QString& downloadKey,
                     const QString& storeKey, QString& storeLink, QString& downloadLink, bool& newsPresent,
                     TStatusNews& statusNews);
void ParseRatingPath(const QString& page, int variant, bool& chatOn, QString& path);
// The reply bytes as the page's text: lines joined with CR LF, decoded as UTF-8.
QString PageText(const QByteArray& body);

} // namespace ServerAddresses
