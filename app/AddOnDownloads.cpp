#include "app/AddOnDownloads.h"

#include "app/Qyv_FOptions.h"
#include "foundation/DrawHelpers.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "platform/Http.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

namespace AddOnDownloads {

namespace {

QString g_host = QStringLiteral("http://127.0.0.1:8080");


bool storeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString DownloadHost()
{
    return g_host;
}

void SetDownloadHost(const QString& host)
{
    g_host = host;
    while (g_host.endsWith(QLatin1Char('/')))
        g_host.chop(1);
}

QString LibraryFileOf(int which)
{
    switch (which) {
    case 1: return QStringLiteral("QyvCards07A.dll");
    case 2: return QStringLiteral("QyvCards07B.dll");
    case 3: return QStringLiteral("QyvBackG03.dll");
    case 4: return QStringLiteral("QyvCalendar01.dll");
    case 8: return QStringLiteral("QyvCards07C.dll");
    default: return {};
    }
}

QString DownloadUrlOf(int which)
{
    const QString file = LibraryFileOf(which);
    return file.isEmpty() ? QString() : g_host + DownloadPath + file;
}

bool LibraryPresent(const QString& fileName)
{
    return !platform::existingLibraryPath(fileName).isEmpty();
}

bool DownloadAddOnLibrary(int which)
{
    const QString file = LibraryFileOf(which);
    if (file.isEmpty())
        return false;
    QGuiApplication::setOverrideCursor(Options::WaitCursors(Settings::YellowCursor ? 1 : 0));

    bool stored = false;
    const platform::HttpResult reply = platform::httpGet(DownloadUrlOf(which), platform::HttpOptions{{}, platform::HttpDefaultTimeoutMs});
    if (reply.ok && platform::resources::IsValidBundle(reply.body)) {
        // The folder above the program's folder first, as the loaders look there; a
        // folder that cannot be written leaves the program's own folder.
        const QString folder = platform::programFolder();
        stored = storeAtomically(QDir::cleanPath(folder + QStringLiteral("../") + file), reply.body)
                 || storeAtomically(folder + file, reply.body);
    }
    DrawHelpers::PlayWavResource(stored ? QStringLiteral("WavKoGood") : QStringLiteral("WavKoBads"), false,
                                 Settings::SoundOn);

    QGuiApplication::restoreOverrideCursor();
    UpdateDownloadButtons();
    return stored;
}

void UpdateDownloadButtons()
{
    if (!FormOptions)
        return;
    static const int numbers[] = {1, 2, 8, 2, 3, 4};
    const auto buttons = FormOptions->DownloadButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool present = LibraryPresent(LibraryFileOf(numbers[i]));
        buttons[i]->setEnabled(!present);
        buttons[i]->SetKLightSB(present ? 50 : 0);
    }
}

} // namespace AddOnDownloads
