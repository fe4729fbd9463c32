#include "ResourceBundle.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace testsupport {

bool RccInstalled()
{
    return QFile::exists(QString::fromLatin1(kRccPath));
}

bool MakePictureBundle(const QString& bundlePath, const std::map<QString, QImage>& pictures, const char* format)
{
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    QString qrc = QStringLiteral("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource prefix=\"/\">\n");
    const QString ext = QString::fromLatin1(format).toLower();
    for (const auto& [name, img] : pictures) {
        const QString file = name + QLatin1Char('.') + ext;
        if (!img.save(work.filePath(file), format))
            return false;
        qrc += QStringLiteral("<file>%1</file>\n").arg(file);
    }
    qrc += QStringLiteral("</qresource></RCC>\n");
    QFile f(work.filePath(QStringLiteral("bundle.qrc")));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(qrc.toUtf8());
    f.close();
    QProcess rcc;
    rcc.setWorkingDirectory(work.path());
    rcc.start(QString::fromLatin1(kRccPath),
              {QStringLiteral("-binary"), QStringLiteral("bundle.qrc"), QStringLiteral("-o"), bundlePath});
    return rcc.waitForFinished(30000) && rcc.exitCode() == 0 && QFile::exists(bundlePath);
}

bool MakeDummyBundle(const QString& bundlePath)
{
    QImage img(2, 2, QImage::Format_ARGB32);
    img.fill(Qt::red);
    return MakePictureBundle(bundlePath, {{QStringLiteral("Dummy"), img}});
}

QByteArray DummyBundleBytes()
{
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("b.rcc"));
    if (!work.isValid() || !MakeDummyBundle(path))
        return {};
    QFile out(path);
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
}

} // namespace testsupport
