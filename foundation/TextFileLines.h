#pragma once
// The program's own text files (club file, settings file): one-byte lines ended by
// CR LF, read whole and written whole.
#include <QByteArray>
#include <QList>
#include <QString>

namespace TextFileLines {

// Splits at CR LF, LF or a lone CR; a line end at the very end starts no further line.
// With maxLines >= 0 splitting stops after that many lines.
QList<QByteArray> SplitLines(const QByteArray& bytes, qsizetype maxLines = -1);
// Every line followed by CR LF.
QByteArray JoinLines(const QList<QByteArray>& lines);

// Reads the whole file; a failed open is tried once more before giving up.
bool ReadFileBytes(const QString& path, QByteArray& bytes);
// Writes the whole file through a temporary file and a rename; a failure is tried once
// more. The old file stays as it was when both attempts fail.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

} // namespace TextFileLines
