#pragma once
// Built-in resources by name and type. Two resources may share a name when their types
// differ (the sign-in dialog has a PNG marker and a GIF animation both called "GPwR");
// the type is the file extension ("png", "gif", "jpg", "wav"), matched without case.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform::resources {

// The resource path (":/res/...") of name.type, empty when there is none.
QString pathOfType(const QString& name, const QString& type);
QByteArray findOfType(const QString& name, const QString& type);
// Decoded picture; null when missing or not a picture.
QImage imageOfType(const QString& name, const QString& type);

} // namespace platform::resources
