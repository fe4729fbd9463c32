#pragma once
// Fetching the add-on libraries (card decks, backs, backgrounds, calendar) from the
// download server into the folder above the program's folder, where the loaders look.
#include <QString>

namespace AddOnDownloads {

// Path on the download server; the file name follows it.
inline const QString DownloadPath = QStringLiteral("/downloads/varor/cards/");

// Scheme, host and port of the download server, without a trailing slash.
QString DownloadHost();
void SetDownloadHost(const QString& host);

// File name of download number 1 (decks A), 2 (decks B and backs), 3 (backgrounds),
// 4 (calendar) or 8 (decks C); empty for any other number.
QString LibraryFileOf(int which);
// The address a library is fetched from.
QString DownloadUrlOf(int which);
// A library counts as present when a file of its name is in the folder above the
// program's folder or in the program's folder itself.
bool LibraryPresent(const QString& fileName);

// Fetches a library, plays "WavKoGood" or "WavKoBads" (when sound is on) and then
// updates the dialog's download buttons. True when the library was stored. A reply
// that is no resource bundle is refused, and a broken transfer leaves no file behind.
bool DownloadAddOnLibrary(int which);
// Enables exactly the download buttons of the options dialog whose library is absent;
// a disabled button is drawn half faded.
void UpdateDownloadButtons();

} // namespace AddOnDownloads
