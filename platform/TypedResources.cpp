#include "platform/TypedResources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace platform::resources {

namespace {

// "name.type" in lower case -> resource path; the first of equal keys wins, as for names.
const QHash<QString, QString>& typedIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> h;
        QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QFileInfo info(path);
            const QString key = (info.completeBaseName() + QLatin1Char('.') + info.suffix()).toLower();
            if (!h.contains(key))
                h.insert(key, path);
        }
        return h;
    }();
    return index;
}

} // namespace

QString pathOfType(const QString& name, const QString& type)
{
    if (name.isEmpty() || type.isEmpty())
        return {};
    return typedIndex().value((name + QLatin1Char('.') + type).toLower());
}

QByteArray findOfType(const QString& name, const QString& type)
{
    const QString path = pathOfType(name, type);
    if (path.isEmpty())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage imageOfType(const QString& name, const QString& type)
{
    QImage img;
    const QByteArray bytes = findOfType(name, type);
    if (!bytes.isEmpty())
        img.loadFromData(bytes);
    return img;
}

} // namespace platform::resources
