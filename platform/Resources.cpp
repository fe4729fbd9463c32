#include "platform/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QResource>
#include <atomic>

namespace platform::resources {

namespace {

// Lower-case base name (with ".type" when `typed`) -> resource path, for every file
// below `root`; the first of equal keys wins.
QHash<QString, QString> indexFolder(const QString& root, bool typed = false)
{
    QHash<QString, QString> index;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString key =
            (typed ? info.completeBaseName() + QLatin1Char('.') + info.suffix() : info.completeBaseName()).toLower();
        if (!index.contains(key))
            index.insert(key, path);
    }
    return index;
}

const QHash<QString, QString>& builtInIndex()
{
    static const QHash<QString, QString> index = indexFolder(QStringLiteral(":/res"));
    return index;
}

QByteArray readAll(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage decode(const QByteArray& bytes)
{
    QImage img;
    if (!bytes.isEmpty())
        img.loadFromData(bytes);
    return img;
}

} // namespace

QString pathOf(const QString& name)
{
    return builtInIndex().value(name.toLower());
}

QByteArray find(const QString& name)
{
    return readAll(pathOf(name));
}

bool exists(const QString& name)
{
    return builtInIndex().contains(name.toLower());
}

QImage image(const QString& name)
{
    return decode(find(name));
}

QString pathOfType(const QString& name, const QString& type)
{
    static const QHash<QString, QString> index = indexFolder(QStringLiteral(":/res"), true);
    if (name.isEmpty() || type.isEmpty())
        return {};
    return index.value((name + QLatin1Char('.') + type).toLower());
}

QByteArray findOfType(const QString& name, const QString& type)
{
    return readAll(pathOfType(name, type));
}

QImage imageOfType(const QString& name, const QString& type)
{
    return decode(findOfType(name, type));
}

AddOnLibrary::AddOnLibrary(const QString& filePath) : file_(filePath)
{
    static std::atomic<int> counter{0};
    if (!QFileInfo::exists(filePath))
        return;
    root_ = QStringLiteral("/addon%1").arg(++counter);
    open_ = QResource::registerResource(filePath, root_);
}

AddOnLibrary::~AddOnLibrary()
{
    if (open_)
        QResource::unregisterResource(file_, root_);
}

QByteArray AddOnLibrary::find(const QString& name) const
{
    if (!open_)
        return {};
    if (!index_)
        index_ = std::make_unique<QHash<QString, QString>>(indexFolder(QLatin1Char(':') + root_));
    return readAll(index_->value(name.toLower()));
}

QImage AddOnLibrary::image(const QString& name) const
{
    return decode(find(name));
}

} // namespace platform::resources
