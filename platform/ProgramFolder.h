#pragma once
// The folder the program keeps its files in (club file, settings file, add-on
// libraries): the executable's folder when it can be written, otherwise the per-user
// data folder, into which the shipped files are copied on first use.
#include <QString>

namespace platform {

// Absolute path with a trailing '/'.
QString programFolder();

// Test hook: an empty string returns to the real folder.
void setProgramFolderForTest(const QString& folder);

} // namespace platform
