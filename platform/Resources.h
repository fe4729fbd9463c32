#pragma once
// Pictures, sounds and other data by name. Built-in resources live in Qt's resource
// system under ":/res/" (any sub-folder, any extension); a name is matched against the
// file's base name without its extension, ignoring case. Add-on libraries are Qt binary
// resource bundles kept under their historical file names.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <memory>

namespace platform::resources {

// The bytes of a built-in resource; empty when there is none of that name.
QByteArray find(const QString& name);
bool exists(const QString& name);
// A built-in picture decoded (PNG, JPEG, BMP, GIF); a null image when missing.
QImage image(const QString& name);
// The resource path (":/res/...") of a name, empty when missing.
QString pathOf(const QString& name);

// By name and type: two resources may share a name when their types differ (the
// sign-in dialog has a PNG marker and a GIF animation both called "GPwR"). The type is
// the file extension ("png", "gif", "jpg", "wav"), matched without case.
QString pathOfType(const QString& name, const QString& type);
QByteArray findOfType(const QString& name, const QString& type);
// Decoded picture; null when missing or not a picture.
QImage imageOfType(const QString& name, const QString& type);

// True when the bytes are a whole, sound binary resource bundle: the header, every node
// of the tree reached once from the root, every name and every data block (and a
// compressed block's stated size) within the bytes. Qt's own reader trusts all of that.
bool IsValidBundle(const QByteArray& bytes);

// An add-on library opened as a resource container for one load and released when
// destroyed. A file that is missing or not a sound resource bundle counts as not open.
class AddOnLibrary {
public:
    explicit AddOnLibrary(const QString& filePath);
    ~AddOnLibrary();
    AddOnLibrary(const AddOnLibrary&) = delete;
    AddOnLibrary& operator=(const AddOnLibrary&) = delete;

    bool isOpen() const { return open_; }
    QByteArray find(const QString& name) const;
    QImage image(const QString& name) const;

private:
    // The checked bytes, registered from memory so the file cannot change in between.
    QByteArray bytes_;
    QString root_;
    bool open_ = false;
    // Base name (lower case) to resource path, built at the first lookup: a card library
    // holds thousands of pictures and a deck asks for dozens of them.
    mutable std::unique_ptr<QHash<QString, QString>> index_;
};

} // namespace platform::resources
