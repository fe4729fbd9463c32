#pragma once
// Shared helpers for the resource generators (tools/gen_*.cpp). A generator is a small
// program that renders pictures or sounds into the resources folder given as argv[1].
// Every failure throws GenError; runGenerator turns it into a message and exit code 1,
// so a broken generator stops the build instead of leaving half-made resources.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <functional>
#include <stdexcept>

class QPainter;

namespace tools {

struct GenError : std::runtime_error {
    explicit GenError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// Runs `body` inside a GUI application (offscreen when no platform was chosen) with the
// resources folder checked. Returns the process exit code: 0, or 1 after printing why.
int runGenerator(int argc, char** argv, const std::function<void()>& body);

// The resources folder of this run (argv[1], absolute).
QString resourcesDir();
// resourcesDir()/relPath, with its folders created.
QString outputPath(const QString& relPath);

// Writes a picture as PNG at resources/relPath (".png" added when missing).
void savePng(const QImage& img, const QString& relPath);
// Writes raw bytes at resources/relPath.
void saveBytes(const QByteArray& bytes, const QString& relPath);

// A fresh ARGB32 premultiplied picture filled with `fill`.
QImage newImage(int w, int h, const QColor& fill = Qt::transparent);

// A font by exact family name, pixel size and weight. Throws when the family is not
// installed: Qt would silently substitute another font or draw boxes.
QFont requireFont(const QString& family, int pixelSize, int weight = QFont::Normal);
// Throws when the font has no glyph for one of the characters of `text`.
void requireGlyphs(const QFont& font, const QString& text);
// Draws text with the font after checking every glyph exists.
void drawText(QPainter& p, const QRectF& box, int alignFlags, const QString& text,
              const QFont& font, const QColor& color);
// The largest pixel size (<= maxPx, >= minPx) at which `text` fits in `box` on one line.
int fitPixelSize(const QString& family, int weight, const QString& text, const QSizeF& box,
                 int maxPx, int minPx = 6);

// The text as an outline, scaled to the largest size that fits the box on one line
// (never taller than the face's line height allows) and centred in it.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box);

// The dark brown rim and the gold fill of lettering outlined by `path`; `unit` is a
// fortieth of the lettering's height.
void paintGoldLetters(QPainter& p, const QPainterPath& path, double unit);
// A caption picture w x h for the light face of a dialog: `text` in gold letters with a
// light shadow, on a transparent ground.
QImage goldCaption(const QString& text, int w, int h);

} // namespace tools
