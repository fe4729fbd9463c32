#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString g_override;
QString g_installOverride;

QString withSlash(QString f)
{
    if (!f.endsWith('/'))
        f += '/';
    return f;
}

bool folderIsWritable(const QString& folder)
{
    QFile probe(folder + ".vardelin-write-probe");
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

// Files the program expects beside itself; copied once into the user folder.
const char* const kShippedFiles[] = {"Vardelin.clb"};

QString resolveFolder()
{
    const QString exeDir = withSlash(QCoreApplication::applicationDirPath());
    if (folderIsWritable(exeDir))
        return exeDir;
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty())
        return exeDir;
    QDir().mkpath(user);
    user = withSlash(user);
    for (const char* name : kShippedFiles) {
        const QString target = user + QString::fromLatin1(name);
        if (!QFileInfo::exists(target) && QFileInfo::exists(exeDir + QString::fromLatin1(name)))
            QFile::copy(exeDir + QString::fromLatin1(name), target);
    }
    return user;
}

} // namespace

QString programFolder()
{
    if (!g_override.isEmpty())
        return g_override;
    static const QString folder = resolveFolder();
    return folder;
}

void setProgramFolderForTest(const QString& folder)
{
    g_override = folder.isEmpty() ? QString() : withSlash(folder);
}

void setInstallFolderForTest(const QString& folder)
{
    g_installOverride = folder.isEmpty() ? QString() : withSlash(folder);
}

QStringList libraryPaths(const QString& fileName)
{
    QStringList folders;
    if (!g_installOverride.isEmpty()) {
        folders << g_installOverride;
    } else if (g_override.isEmpty()) {
        const QString exeDir = withSlash(QCoreApplication::applicationDirPath());
        if (exeDir != programFolder())
            folders << exeDir;
    }
    folders << programFolder();
    QStringList paths;
    for (const QString& folder : folders)
        paths << folder + fileName << QDir::cleanPath(folder + QStringLiteral("../") + fileName);
    return paths;
}

QString existingLibraryPath(const QString& fileName)
{
    for (const QString& path : libraryPaths(fileName))
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

} // namespace platform
