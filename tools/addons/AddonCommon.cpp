#include "tools/addons/AddonArt.h"

#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace addons {

void GlyphBank::add(const QString& key, const QString& family, const QString& text, int weight, bool italic)
{
    if (paths_.contains(key))
        return;
    QFont font = tools::requireFont(family, 200, weight);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    tools::requireGlyphs(font, text);
    QPainterPath path;
    path.addText(0, 0, font, text);
    path = path.simplified();
    paths_.insert(key, path.translated(-path.boundingRect().topLeft()));
}

const QPainterPath& GlyphBank::get(const QString& key) const
{
    const auto it = paths_.constFind(key);
    if (it == paths_.constEnd())
        throw tools::GenError(QStringLiteral("no outline prepared for %1").arg(key));
    return *it;
}

QColor rgb(unsigned v)
{
    return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

// The classic size is opaque with black corner pixels (it rounds off the frame the
// program draws around it); larger sizes have their own rounded border.
QImage cardBody(int w, int h, const QColor& top, const QColor& bottom)
{
    const bool classic = w < 100;
    QImage img = tools::newImage(w, h, classic ? top : QColor(Qt::transparent));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    if (classic) {
        p.fillRect(img.rect(), g);
        p.end();
        for (QPoint pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            img.setPixelColor(pt, Qt::black);
        return img;
    }
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.7, 0.7, w - 1.4, h - 1.4), 8, 8);
    return img;
}

QPainterPath insidePath(int w, int h, double inset)
{
    QPainterPath path;
    const double r = (w < 100 ? 3.0 : 8.0) - inset / 2;
    path.addRoundedRect(QRectF(inset, inset, w - 2 * inset, h - 2 * inset), std::max(1.0, r), std::max(1.0, r));
    return path;
}

} // namespace addons
