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
