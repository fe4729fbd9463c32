// Renders the built-in table felt in its two sizes and the six balloons of the win
// celebration.
#include "tools/common/Generator.h"
#include "tools/common/Noise.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using tools::Lcg;
using tools::ValueNoise;

// Green baize: a calm base near the window's own green, soft mottling, a fine grain and
// a slight darkening toward the edges, so the cards stand out from it.
QImage renderFelt(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    const ValueNoise coarse(16, 11), medium(64, 23);
    Lcg grain{7};
    const double scale = w / 760.0; // the pattern keeps its look at every size
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double px = x / scale, py = y / scale;
            const double m = coarse.at(px / 120.0, py / 120.0) - 0.5;
            const double f = medium.at(px / 9.0, py / 9.0) - 0.5;
            const double g = grain.next() - 0.5;
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double vignette = 1.0 - 0.14 * (dx * dx + dy * dy) / 2.0;
            const double light = (1.0 + 0.09 * m + 0.05 * f + 0.05 * g) * vignette;
            auto ch = [&](double base) { return std::clamp(int(std::nearbyint(base * light)), 0, 255); };
            line[x] = qRgb(ch(14), ch(112), ch(38));
        }
    }
    return img;
}

void saveJpeg(const QImage& img, const QString& rel)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, "JPEG", 90))
        throw tools::GenError(QStringLiteral("cannot encode %1").arg(rel));
    tools::saveBytes(bytes, rel + ".jpg");
}

// A rubber balloon on a string, 90 x 230: the celebration moves it up until it is 230
// pixels above the table.
QImage renderBalloon(const QColor& base)
{
    const int w = 90, h = 230;
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(45, 54);
    const double rx = 38, ry = 47;
    // The string, swaying a little.
    QPainterPath string;
    string.moveTo(45, c.y() + ry + 7);
    for (double y = c.y() + ry + 7; y <= h - 2; y += 2)
        string.lineTo(45 + 5 * std::sin((y - c.y() - ry) / 22.0) * (y - c.y() - ry) / 120.0, y);
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    // The knot.
    QPainterPath knot;
    knot.moveTo(45, c.y() + ry - 2);
    knot.lineTo(39, c.y() + ry + 8);
    knot.quadTo(45, c.y() + ry + 5, 51, c.y() + ry + 8);
    knot.closeSubpath();
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(base.darker(125));
    p.drawPath(knot);
    // The body: an egg shape, lit from the upper left.
    QPainterPath body;
    body.moveTo(c.x(), c.y() - ry);
    body.cubicTo(c.x() + rx * 1.1, c.y() - ry, c.x() + rx * 1.05, c.y() + ry * 0.55, c.x(), c.y() + ry);
    body.cubicTo(c.x() - rx * 1.05, c.y() + ry * 0.55, c.x() - rx * 1.1, c.y() - ry, c.x(), c.y() - ry);
    QRadialGradient shade(c + QPointF(-12, -18), rx * 1.6, c + QPointF(-14, -22));
    shade.setColorAt(0, base.lighter(160));
    shade.setColorAt(0.35, base);
    shade.setColorAt(1, base.darker(170));
    p.setPen(QPen(base.darker(180), 1));
    p.setBrush(shade);
    p.drawPath(body);
    // A soft highlight.
    QRadialGradient shine(c + QPointF(-15, -24), 14);
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c + QPointF(-15, -24), 14, 18);
    p.end();
    return img;
}

void renderAll()
{
    saveJpeg(renderFelt(760, 500), "table/FonG");
    saveJpeg(renderFelt(1920, 922), "table/FonGB");
    const std::array<QColor, 6> colours = {QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00),
                                           QColor(0xFD, 0xD8, 0x35), QColor(0xEC, 0x40, 0x7A),
                                           QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA)};
    for (int i = 0; i < 6; ++i)
        tools::savePng(renderBalloon(colours[size_t(i)]), QStringLiteral("table/GBalloon%1").arg(i + 1));
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, renderAll);
}
