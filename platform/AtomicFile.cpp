#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace platform {

namespace {
qint64 g_failAfter = -1;
}

void setAtomicWriteFailureForTest(qint64 bytesBeforeFailure)
{
    g_failAfter = bytesBeforeFailure;
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
