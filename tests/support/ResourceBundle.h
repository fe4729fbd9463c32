#pragma once
// Binary resource bundles made on the fly with Qt's resource compiler, as the add-on
// libraries the program opens are made.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <map>

namespace testsupport {

// Where the resource compiler of this Qt installation is looked for.
inline constexpr const char* kRccPath = "/usr/lib/qt6/libexec/rcc";

bool RccInstalled();

// Saves every picture as <name>.<format in lower case> at the bundle's root and compiles
// them into a binary bundle at `bundlePath`. False on any failure.
bool MakePictureBundle(const QString& bundlePath, const std::map<QString, QImage>& pictures,
                       const char* format = "PNG");

// A bundle holding one small picture, "Dummy.png": enough for a library to count as there.
bool MakeDummyBundle(const QString& bundlePath);

// The bytes of such a bundle, as a download server would hand it out; empty on failure.
QByteArray DummyBundleBytes();

} // namespace testsupport
