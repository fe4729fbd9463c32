#include "tools/common/Generator.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>
#include <algorithm>
#include <cstdio>

namespace tools {

namespace {
QString g_resources;
}

int runGenerator(int argc, char** argv, const std::function<void()>& body)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const char* name = argc > 0 ? argv[0] : "generator";
    try {
        if (argc < 2)
            throw GenError(QStringLiteral("usage: %1 <resources folder>").arg(QString::fromLocal8Bit(name)));
        const QFileInfo dir(QString::fromLocal8Bit(argv[1]));
        if (!dir.isDir())
            throw GenError(QStringLiteral("resources folder not found: %1").arg(dir.filePath()));
        g_resources = dir.absoluteFilePath();
        body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: error: %s\n", name, e.what());
        return 1;
    }
    return 0;
}

QString resourcesDir()
{
    if (g_resources.isEmpty())
        throw GenError(QStringLiteral("resources folder not set (call through runGenerator)"));
    return g_resources;
}

QString outputPath(const QString& relPath)
{
    const QString path = QDir(resourcesDir()).filePath(relPath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw GenError(QStringLiteral("cannot create folder for %1").arg(path));
    return path;
}

void saveBytes(const QByteArray& bytes, const QString& relPath)
{
    QSaveFile f(outputPath(relPath));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw GenError(QStringLiteral("cannot write %1").arg(f.fileName()));
}

void savePng(const QImage& img, const QString& relPath)
{
    if (img.isNull())
        throw GenError(QStringLiteral("empty picture for %1").arg(relPath));
    QString rel = relPath;
    if (!rel.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        rel += QLatin1String(".png");
    QSaveFile f(outputPath(rel));
    if (!f.open(QIODevice::WriteOnly) || !img.save(&f, "PNG") || !f.commit())
        throw GenError(QStringLiteral("cannot write %1").arg(f.fileName()));
}

QImage newImage(int w, int h, const QColor& fill)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull())
        throw GenError(QStringLiteral("cannot make a %1 x %2 picture").arg(w).arg(h));
    img.fill(fill);
    return img;
}

QFont requireFont(const QString& family, int pixelSize, int weight)
{
    const QStringList families = QFontDatabase::families();
    if (!families.contains(family, Qt::CaseInsensitive))
        throw GenError(QStringLiteral("font family \"%1\" is not installed").arg(family));
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    // Fontconfig may still resolve the request to another family; refuse that too.
    const QFontInfo info(f);
    if (info.family().compare(family, Qt::CaseInsensitive) != 0)
        throw GenError(QStringLiteral("font family \"%1\" resolves to \"%2\"").arg(family, info.family()));
    return f;
}

void requireGlyphs(const QFont& font, const QString& text)
{
    const QFontMetricsF fm(font);
    const auto ucs = text.toUcs4();
    for (char32_t c : ucs) {
        if (c == U' ' || c == U'\n' || c == U'\t')
            continue;
        if (!fm.inFontUcs4(c))
            throw GenError(QStringLiteral("font \"%1\" has no glyph for U+%2 in \"%3\"")
                               .arg(font.family())
                               .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                               .arg(text));
    }
}

void drawText(QPainter& p, const QRectF& box, int alignFlags, const QString& text,
              const QFont& font, const QColor& color)
{
    requireGlyphs(font, text);
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, alignFlags, text);
    p.restore();
}

int fitPixelSize(const QString& family, int weight, const QString& text, const QSizeF& box,
                 int maxPx, int minPx)
{
    for (int px = maxPx; px > minPx; --px) {
        const QFontMetricsF fm(requireFont(family, px, weight));
        if (fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height())
            return px;
    }
    return minPx;
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box)
{
    requireGlyphs(font, text);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty())
        throw GenError(QStringLiteral("nothing to draw for \"%1\"").arg(text));
    const QFontMetricsF fm(font);
    double s = std::min(box.width() / ink.width(), box.height() / fm.height());
    s = std::min(s, box.height() / ink.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

void paintGoldLetters(QPainter& p, const QPainterPath& path, double unit)
{
    const QRectF ink = path.boundingRect();
    p.setPen(QPen(QColor(0x3b, 0x22, 0x08), unit * 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);

    QLinearGradient gold(ink.topLeft(), ink.bottomLeft());
    gold.setColorAt(0.00, QColor(0xff, 0xf8, 0xdc));
    gold.setColorAt(0.40, QColor(0xf7, 0xd7, 0x6a));
    gold.setColorAt(0.55, QColor(0xd9, 0xa4, 0x1c));
    gold.setColorAt(1.00, QColor(0x9a, 0x6b, 0x0c));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(path);
}

QImage goldCaption(const QString& text, int w, int h)
{
    QFont font = requireFont(QStringLiteral("Noto Serif Display"), 100, QFont::Bold);
    font.setItalic(true);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    const QPainterPath path = fittedText(text, font, QRectF(4, 4, w - 10, h - 10));
    const double unit = h / 40.0;
    QImage img = newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(path.translated(unit * 1.2, unit * 1.6));
    paintGoldLetters(p, path, unit);
    p.end();
    return img;
}

} // namespace tools
