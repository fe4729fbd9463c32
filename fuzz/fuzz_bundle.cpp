// Add-on library check: any bytes as a library file. What the check lets through must
// register and read back, every entry, without a crash or a hang.
#include "platform/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!platform::resources::IsValidBundle(bytes))
        return 0;
    const QString root = QStringLiteral("/fuzz");
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(bytes.constData()), root))
        return 0;
    QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            (void)f.readAll();
    }
    QResource::unregisterResource(reinterpret_cast<const uchar*>(bytes.constData()), root);
    return 0;
}
