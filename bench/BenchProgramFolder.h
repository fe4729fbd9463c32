#pragma once
// A temporary program folder with an empty club file, for benchmarks that start the
// main window. The override ends with the object.
#include "foundation/ClubFile.h"
#include "foundation/TextFileLines.h"
#include "platform/ProgramFolder.h"

#include <QTemporaryDir>

namespace bench {

struct ProgramFolder {
    ProgramFolder()
    {
        platform::setProgramFolderForTest(dir.path());
        TextFileLines::WriteFileBytes(dir.filePath(ClubFile::ClubFileName),
                                      TextFileLines::JoinLines(ClubFile::EmptyClubLines("ozk")));
    }
    ~ProgramFolder() { platform::setProgramFolderForTest({}); }
    QTemporaryDir dir;
};

} // namespace bench
