#include "platform/AtomicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace platform {

namespace {
qint64 g_failAfter = -1;
}

void setAtomicWriteFailureForTest(qint64 bytesBeforeFailure)
{
    g_failAfter = bytesBeforeFailure;
}

int removeAtomicLeftovers(const QString& path)
{
    const QFileInfo target(path);
    QDir folder = target.absoluteDir();
    const QRegularExpression pattern(QStringLiteral("^") + QRegularExpression::escape(target.fileName())
                                     + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (pattern.match(name).hasMatch() && folder.remove(name))
            ++removed;
    return removed;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (g_failAfter >= 0) {
        file.write(bytes.left(g_failAfter));
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace platform
