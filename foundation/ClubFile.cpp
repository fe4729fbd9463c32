#include "foundation/ClubFile.h"

#include "foundation/GameState.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/Presenter.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>

namespace ClubFile {

namespace {

QString pathOf(const QString& fileName)
{
    return platform::programFolder() + fileName;
}

void showError(const QString& text)
{
    platform::presenter().message(platform::MessageKind::Error, QString(), text, platform::Buttons::Ok);
}

// "<text> "<name>"!"
QString withName(const Texts::TText& t, const QString& fileName)
{
    return Texts::Tx(t) + QStringLiteral(" \"") + fileName + QStringLiteral("\"!");
}

bool inRange(int gameNumber, int entry)
{
    return gameNumber >= 1 && gameNumber <= 50 && entry >= 1 && entry <= ClubEntryCount;
}

// Lines 1-16 of the block starting at index base, joined, summed three ways.
void blockSums(const ClubLines& lines, qsizetype base, qint64 sums[3])
{
    sums[0] = sums[1] = sums[2] = 0;
    qint64 pos = 0;
    for (qsizetype l = base; l < base + 16; ++l) {
        for (char ch : lines[l]) {
            ++pos;
            const qint64 b = static_cast<unsigned char>(ch);
            sums[0] += b;
            if (pos % 2 == 0)
                sums[1] += b;
            if (pos % 3 == 0)
                sums[2] += b;
        }
    }
}

bool sixDigits(const QByteArray& text, qint64& value)
{
    if (text.size() != 6)
        return false;
    value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        value = value * 10 + (ch - '0');
    }
    return true;
}

QByteArray fitted(QByteArray line, int length)
{
    if (line.size() > length)
        line.truncate(length);
    while (line.size() < length)
        line.append(' ');
    return line;
}

bool writeLines(const QString& fileName, const ClubLines& lines)
{
    return TextFileLines::WriteFileBytes(pathOf(fileName), TextFileLines::JoinLines(lines));
}

bool readOnlyAttributes(const QString& path)
{
    // The write-protect attribute of the file itself; who runs the program does not
    // matter (a privileged user could write it anyway).
    const auto p = QFile::permissions(path);
    return !(p & QFileDevice::WriteOwner);
}

} // namespace

QByteArray EmptyClubEntry()
{
    return QByteArray(33, '#') + ' ' + QByteArray(21, '#');
}

bool IsEmptyClubEntry(const QByteArray& line)
{
    return line.size() >= 33 && line[32] == '#';
}

int ClubNumber(const QByteArray& text)
{
    const QByteArray t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return 0;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == '-' || t[0] == '+') {
        negative = t[0] == '-';
        i = 1;
    }
    if (i >= t.size())
        return 0;
    int v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return 0;
        v = v * 10 + (t[i] - '0');
    }
    return negative ? -v : v;
}

bool ClubNameAcceptable(const QString& name)
{
    if (!platform::cp1251::canEncode(name))
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

QString EncodeClubField(const QString& field)
{
    QString coded;
    for (int i = 0; i < 5; ++i) {
        int code = ' ';
        if (i < field.size()) {
            code = platform::cp1251::byteOf(field[i]);
            if (code < 0)
                code = '?';
        }
        coded += QStringLiteral("%1").arg(code + 234, 3, 10, QLatin1Char('0'));
    }
    return coded;
}

QString ComposeClubEntry(const QString& name, int rounds, int score, const QString& passwordCoded)
{
    QString n = name.left(ClubNameLength);
    for (QChar& c : n)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    n = n.leftJustified(ClubNameLength, QLatin1Char(' '));
    const int r = qBound(0, rounds, ClubRoundsMax);
    const int s = qBound(ClubScoreMin, score, ClubScoreMax);
    QString pw = passwordCoded.left(15).leftJustified(15, QLatin1Char('0'));
    return n + QStringLiteral("##########") + QStringLiteral("%1").arg(r, 3) + QLatin1Char(' ') +
           QStringLiteral("%1").arg(s, 6) + pw;
}

void UpdateClubChecksums(ClubLines& lines)
{
    for (qsizetype base = 0; base + ClubBlockLines <= lines.size(); base += ClubBlockLines) {
        qint64 sums[3];
        blockSums(lines, base, sums);
        QByteArray& mark = lines[base + 16];
        mark = fitted(mark.left(10), 10);
        for (qint64 s : sums)
            mark += QByteArray::number(s).rightJustified(6, '0');
    }
}

bool ClubLinesValid(const ClubLines& lines)
{
    if (lines.size() < ClubLineCount)
        return false;
    for (int b = 0; b < 50; ++b) {
        const qsizetype base = qsizetype(b) * ClubBlockLines;
        for (int l = 0; l < 5; ++l)
            if (lines[base + l].size() != ClubEntryLength)
                return false;
        for (int l = 5; l < 15; ++l)
            if (lines[base + l].size() != ClubTopLength)
                return false;
        if (lines[base + 15].size() != ClubMarkLength || lines[base + 16].size() != ClubMarkLength)
            return false;
        qint64 sums[3];
        blockSums(lines, base, sums);
        for (int i = 0; i < 3; ++i) {
            qint64 stored = 0;
            if (!sixDigits(lines[base + 16].mid(10 + 6 * i, 6), stored) || stored != sums[i])
                return false;
        }
    }
    const QByteArray& marker = lines[15];
    return static_cast<unsigned char>(marker[0]) == 0xAB && static_cast<unsigned char>(marker[1]) == 0x78;
}

bool ReadClubLines(const QString& fileName, ClubLines& lines)
{
    QByteArray bytes;
    if (!TextFileLines::ReadFileBytes(pathOf(fileName), bytes))
        return false;
    lines = TextFileLines::SplitLines(bytes, ClubLineCount);
    return lines.size() == ClubLineCount;
}

bool ReadClubLinesOrReport(const QString& fileName, ClubLines& lines)
{
    if (ReadClubLines(fileName, lines))
        return true;
    showError(withName(Texts::TxtCantReadFile, fileName));
    return false;
}

bool OpenClubFile(const QString& fileName)
{
    const QString path = pathOf(fileName);
    if (!QFileInfo(path).isFile()) {
        showError(withName(Texts::TxtCantFindFile, fileName));
        return false;
    }
    QByteArray bytes;
    if (!TextFileLines::ReadFileBytes(path, bytes)) {
        showError(withName(Texts::TxtCantReadFile, fileName));
        return false;
    }
    const ClubLines lines = TextFileLines::SplitLines(bytes, ClubLineCount);
    if (!ClubLinesValid(lines)) {
        showError(withName(Texts::TxtIncorrectFile, fileName));
        return false;
    }
    ClubLabel = platform::cp1251::toUnicode(lines[16].mid(6, 3));
    if (readOnlyAttributes(path)) {
        ClubFileReadOnly = true;
        showError(Texts::Tx(Texts::TxtTheFile) + QStringLiteral(" \"Vardelin.clb**\" ") +
                  Texts::Tx(Texts::TxtHasIncorrectAttributes) + QStringLiteral("\n\r") +
                  Texts::Tx(Texts::TxtWorkWillBeIncorrect));
        return true;
    }
    ClubFileReadOnly = false;
    if (!writeLines(fileName, lines))
        showError(Texts::Tx(Texts::TxtDiskWriteError));
    return true;
}

bool ReadClubField(int gameNumber, int entry, const QString& fileName, QString& field)
{
    field = QStringLiteral("     ");
    if (!inRange(gameNumber, entry))
        return false;
    QByteArray bytes;
    if (!TextFileLines::ReadFileBytes(pathOf(fileName), bytes))
        return false;
    const int lineNo = (gameNumber - 1) * ClubBlockLines + entry;
    const ClubLines lines = TextFileLines::SplitLines(bytes, lineNo);
    if (lines.size() < lineNo)
        return false;
    const QByteArray coded = lines[lineNo - 1].mid(40, 15);
    for (int i = 0; i < 5; ++i) {
        const int code = ClubNumber(coded.mid(3 * i, 3)) - 234;
        if (code >= 0 && code <= 255)
            field[i] = platform::cp1251::toUnicode(static_cast<unsigned char>(code));
    }
    return true;
}

void DeleteClubEntryInLines(ClubLines& lines, int entry, int gameNumber)
{
    if (!inRange(gameNumber, entry) || lines.size() < gameNumber * ClubBlockLines)
        return;
    const qsizetype base = qsizetype(gameNumber - 1) * ClubBlockLines;
    for (int k = entry; k <= 4; ++k)
        lines[base + k - 1] = lines[base + k];
    lines[base + 4] = EmptyClubEntry();
}

int InsertClubEntryInLines(ClubLines& lines, const QByteArray& entryLine, int gameNumber, bool topTen)
{
    if (gameNumber < 1 || gameNumber > 50 || lines.size() < gameNumber * ClubBlockLines)
        return 0;
    const qsizetype base = qsizetype(gameNumber - 1) * ClubBlockLines;
    QByteArray entry = fitted(entryLine, ClubEntryLength);
    // A line end inside the entry would shift every later line of the file.
    entry.replace('\r', ' ').replace('\n', ' ');
    const int newScore = ClubNumber(entry.mid(34, 6));

    if (!topTen) {
        int k = 1;
        for (; k < 5; ++k) {
            const QByteArray& line = lines[base + k - 1];
            const QByteArray scoreText = line.mid(34, 6);
            const int score = scoreText.startsWith('#') ? 0 : ClubNumber(scoreText);
            if (newScore >= score || IsEmptyClubEntry(line))
                break;
        }
        for (int m = 5; m > k; --m)
            lines[base + m - 1] = lines[base + m - 2];
        lines[base + k - 1] = entry;
        return 0;
    }

    EndGameScore = newScore;
    for (int k = 6; k <= 15; ++k) {
        if (ClubNumber(lines[base + k - 1].mid(20, 6)) <= newScore) {
            for (int m = 15; m > k; --m)
                lines[base + m - 1] = lines[base + m - 2];
            lines[base + k - 1] = entry.left(ClubNameLength) + entry.mid(34, 6);
            return k - 5;
        }
    }
    return 0;
}

bool DeleteClubEntry(const QString& fileName, int entry, int gameNumber)
{
    if (!inRange(gameNumber, entry))
        return false;
    ClubLines lines;
    if (!ReadClubLinesOrReport(fileName, lines))
        return false;
    DeleteClubEntryInLines(lines, entry, gameNumber);
    UpdateClubChecksums(lines);
    if (ClubFileReadOnly)
        return true;
    if (!writeLines(fileName, lines)) {
        showError(Texts::Tx(Texts::TxtCantMakeChanges));
        return false;
    }
    return true;
}

bool InsertClubEntry(const QString& entryLine, const QString& fileName, int gameNumber)
{
    if (gameNumber < 1 || gameNumber > 50)
        return false;
    ClubLines lines;
    if (!ReadClubLinesOrReport(fileName, lines))
        return false;
    const bool topTen = GameState::ClubResultPending != 0;
    const int place = InsertClubEntryInLines(lines, platform::cp1251::fromUnicode(entryLine), gameNumber, topTen);
    if (topTen)
        EndGamePlace = place;
    UpdateClubChecksums(lines);
    if (ClubFileReadOnly)
        return true;
    if (!writeLines(fileName, lines)) {
        showError(Texts::Tx(Texts::TxtDiskWriteError));
        return false;
    }
    return true;
}

ClubLines EmptyClubLines(const QByteArray& label)
{
    ClubLines lines;
    for (int b = 1; b <= 50; ++b) {
        for (int i = 0; i < 5; ++i)
            lines.append(EmptyClubEntry());
        for (int i = 0; i < 10; ++i)
            lines.append(QByteArray(ClubNameLength, ' ') + QByteArray("     0"));
        QByteArray number = QByteArray::number(b).rightJustified(3, '0');
        QByteArray l16 = (b == 1 ? QByteArray("\xAB\x78", 2) : QByteArray("##")) + number + QByteArray(23, '#');
        lines.append(l16);
        QByteArray l17(10, '#');
        if (b == 1)
            l17.replace(6, 3, fitted(label, 3));
        lines.append(l17);
        lines.append(QByteArray(ClubMarkLength, '-'));
    }
    UpdateClubChecksums(lines);
    return lines;
}

} // namespace ClubFile
