#pragma once
// Whole-file writes that never leave a half-written file: the bytes go to a temporary
// file in the same folder, which then replaces the old one in a single rename.
#include <QByteArray>
#include <QString>

namespace platform {

bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Removes what a write to `path` killed between its temporary file and the rename left
// behind: files named like path plus "." and six letters or digits, beside it. Returns
// how many it removed.
int removeAtomicLeftovers(const QString& path);

// Test hook: when set to n >= 0, the next writes stop after n bytes and fail, as a
// crash in the middle of a write would. -1 (the default) writes normally.
void setAtomicWriteFailureForTest(qint64 bytesBeforeFailure);

} // namespace platform
