#include "foundation/TextFileLines.h"

#include "platform/AtomicFile.h"

#include <QFile>

namespace TextFileLines {

QList<QByteArray> SplitLines(const QByteArray& bytes, qsizetype maxLines)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n && (maxLines < 0 || lines.size() < maxLines)) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        lines.append(bytes.mid(start, i - start));
        if (i < n && bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            start = i + 2;
        else
            start = i + 1;
    }
    return lines;
}

QByteArray JoinLines(const QList<QByteArray>& lines)
{
    QByteArray out;
    qsizetype size = 0;
    for (const auto& l : lines)
        size += l.size() + 2;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool ReadFileBytes(const QString& path, QByteArray& bytes)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            bytes = f.readAll();
            if (f.error() == QFileDevice::NoError)
                return true;
        }
    }
    bytes.clear();
    return false;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    return platform::writeFileAtomically(path, bytes) || platform::writeFileAtomically(path, bytes);
}

} // namespace TextFileLines
