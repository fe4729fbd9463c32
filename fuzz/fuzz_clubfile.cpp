// Club file parser: any bytes as a club file, then the entry moves over the result.
#include "foundation/ClubFile.h"
#include "foundation/TextFileLines.h"

#include <cstdlib>

using namespace ClubFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ClubLines lines = TextFileLines::SplitLines(bytes, ClubLineCount);
    const bool valid = ClubLinesValid(lines);
    if (valid && TextFileLines::SplitLines(TextFileLines::JoinLines(lines)) != lines)
        std::abort();

    // With renewed checksums, validity depends on the shape alone.
    if (lines.size() == ClubLineCount) {
        ClubLines renewed = lines;
        UpdateClubChecksums(renewed);
        const QByteArray& mark = renewed[15];
        bool shape = mark.size() >= 2 && static_cast<unsigned char>(mark[0]) == 0xAB && mark[1] == 0x78;
        for (int i = 0; i < ClubLineCount && shape; ++i) {
            const int row = i % ClubBlockLines;
            const int want = row < 5 ? ClubEntryLength : row < 15 ? ClubTopLength : row < 17 ? ClubMarkLength : -1;
            shape = want < 0 || renewed[i].size() == want;
        }
        if (ClubLinesValid(renewed) != shape)
            std::abort();
    }

    // The first bytes choose the operation; a slice of the input is the entry line.
    const int g = size > 0 ? data[0] % 52 : 1;
    const int e = size > 1 ? data[1] % 7 : 1;
    const QByteArray entry = bytes.mid(2, 55);
    ClubLines work = lines;
    DeleteClubEntryInLines(work, e, g);
    (void)InsertClubEntryInLines(work, entry, g, size > 2 && (data[2] & 1));
    UpdateClubChecksums(work);
    // Moving entries and renewing the sums never breaks a valid file, as long as the
    // moved-in entry has the right shape.
    if (valid && entry.size() == ClubEntryLength && !entry.contains('\r') && !entry.contains('\n') &&
        !ClubLinesValid(work))
        std::abort();
    for (const auto& l : work)
        (void)ClubNumber(l.mid(34, 6));
    return 0;
}
