#pragma once
// The folder the program keeps its files in (club file, settings file, add-on
// libraries): the executable's folder when it can be written, otherwise the per-user
// data folder, into which the shipped files are copied on first use.
#include <QString>
#include <QStringList>

namespace platform {

// Absolute path with a trailing '/'.
QString programFolder();

// Test hook: an empty string returns to the real folder.
void setProgramFolderForTest(const QString& folder);

// Where an add-on library may lie, in the order to try: beside the executable when the
// program folder had to move to the per-user folder (a read-only installation keeps its
// libraries there), then the program folder; each folder itself, then the one above it.
QStringList libraryPaths(const QString& fileName);
// The first of libraryPaths that exists; empty when none does.
QString existingLibraryPath(const QString& fileName);

// Test hook: a read-only installation folder consulted before the program folder; an
// empty string returns to the real one.
void setInstallFolderForTest(const QString& folder);

} // namespace platform
