// Writes the empty club file the installation ships: fifty blocks with five empty
// entries and an empty top ten each, and correct checksums.
#include "foundation/ClubFile.h"
#include "foundation/TextFileLines.h"

#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: gen_clubfile <resources folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/shipped");
    QDir().mkpath(dir);
    const auto lines = ClubFile::EmptyClubLines("vrd");
    if (!ClubFile::ClubLinesValid(lines)) {
        std::fprintf(stderr, "gen_clubfile: generated lines fail the check\n");
        return 1;
    }
    const QString path = dir + QStringLiteral("/") + ClubFile::ClubFileName;
    if (!TextFileLines::WriteFileBytes(path, TextFileLines::JoinLines(lines))) {
        std::fprintf(stderr, "gen_clubfile: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
