#include "tools/common/Gif.h"

#include "tools/common/Generator.h"

#include <QProcess>
#include <QTemporaryDir>

namespace tools {

QImage toGifFrame(const QImage& frame, const QColor& under)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a < 96) {
                row[x] = 0;
                continue;
            }
            const double k = a / 255.0;
            row[x] = qRgb(int(qRed(row[x]) * k + under.red() * (1 - k)), int(qGreen(row[x]) * k + under.green() * (1 - k)),
                          int(qBlue(row[x]) * k + under.blue() * (1 - k)));
        }
    }
    return out;
}

void saveGif(const QList<QImage>& frames, int delayCs, const QString& relPath, bool optimizeLayers)
{
    QTemporaryDir tmp;
    if (!tmp.isValid())
        throw GenError(QStringLiteral("no temporary folder"));
    QStringList args{QStringLiteral("-background"), QStringLiteral("none"), QStringLiteral("-dispose"),
                     QStringLiteral("Background"), QStringLiteral("-delay"), QString::number(delayCs),
                     QStringLiteral("-loop"), QStringLiteral("0")};
    for (int i = 0; i < frames.size(); ++i) {
        const QString f = tmp.filePath(QStringLiteral("f%1.png").arg(i, 3, 10, QLatin1Char('0')));
        if (!frames[i].save(f))
            throw GenError(QStringLiteral("cannot write ") + f);
        args << f;
    }
    if (optimizeLayers)
        args << QStringLiteral("-layers") << QStringLiteral("Optimize");
    args << outputPath(relPath + QStringLiteral(".gif"));
    QProcess convert;
    convert.start(QStringLiteral("convert"), args);
    if (!convert.waitForFinished(120000) || convert.exitStatus() != QProcess::NormalExit || convert.exitCode() != 0)
        throw GenError(QStringLiteral("ImageMagick convert failed: ") +
                       QString::fromLocal8Bit(convert.readAllStandardError()));
}

} // namespace tools
