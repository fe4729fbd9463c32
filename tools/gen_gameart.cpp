// Renders the table pictures of game groups 2 and 3 into resources/games/:
//   TulipR01..TulipR13  65 x 75  a tulip in a pot, from a green bud to a red bloom
//   TulipY01, TulipB01,          the full bloom in yellow, blue and violet
//   TulipV01
//   SvetoforG/Y/R       128 x 128  a traffic light with its green, yellow or red lamp lit
// The games draw each picture over the one before without erasing, so every stage covers
// the last: the pot and stem never change, the flower and the leaves only grow about
// fixed anchors (each over a convex cup that contains the smaller stages), and the
// traffic lights share one opaque outline.
#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

struct Bloom {
    QColor light, mid, dark;
};

const Bloom kRed{QColor(0xff, 0x6a, 0x5a), QColor(0xd8, 0x16, 0x20), QColor(0x86, 0x08, 0x10)};
const Bloom kYellow{QColor(0xff, 0xf6, 0x9a), QColor(0xf4, 0xc4, 0x10), QColor(0xa8, 0x74, 0x04)};
const Bloom kBlue{QColor(0x9c, 0xc4, 0xff), QColor(0x24, 0x5c, 0xd8), QColor(0x10, 0x26, 0x78)};
const Bloom kViolet{QColor(0xe0, 0xa8, 0xff), QColor(0x8a, 0x2c, 0xc8), QColor(0x44, 0x0c, 0x6c)};
const Bloom kBud{QColor(0xb8, 0xe0, 0x78), QColor(0x5c, 0xa0, 0x2c), QColor(0x2c, 0x5a, 0x10)};

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

Bloom mix(const Bloom& a, const Bloom& b, double t)
{
    return {mix(a.light, b.light, t), mix(a.mid, b.mid, t), mix(a.dark, b.dark, t)};
}

// The flower's anchor: the top of the stem.
const QPointF kAnchor(32.5, 36);

// A leaf from its base on the stem, `len` long, leaning to `side` (-1 left, 1 right).
void leaf(QPainter& p, QPointF base, double len, int side)
{
    QPainterPath l;
    l.moveTo(base);
    l.cubicTo(base + QPointF(side * len * 0.55, -len * 0.15), base + QPointF(side * len * 0.75, -len * 0.65),
              base + QPointF(side * len * 0.55, -len));
    l.cubicTo(base + QPointF(side * len * 0.25, -len * 0.55), base + QPointF(side * len * 0.05, -len * 0.3), base);
    QLinearGradient g(base, base + QPointF(side * len * 0.6, -len));
    g.setColorAt(0, QColor(0x2c, 0x6a, 0x18));
    g.setColorAt(1, QColor(0x7c, 0xc0, 0x44));
    p.setPen(QPen(QColor(0x1c, 0x44, 0x0c), 0.8));
    p.setBrush(g);
    p.drawPath(l);
}

// The flower at `scale` (1 = full bloom) and `open` 0..1 (closed bud to open cup).
void flower(QPainter& p, double scale, double open, const Bloom& c)
{
    p.save();
    p.translate(kAnchor);
    p.scale(scale, scale);
    // Convex cup behind the petals: it contains every smaller stage's flower.
    QPainterPath cup;
    cup.moveTo(0, 1);
    cup.cubicTo(-11, 0, -14, -10, -13 - 3 * open, -22);
    cup.lineTo(13 + 3 * open, -22);
    cup.cubicTo(14, -10, 11, 0, 0, 1);
    cup.closeSubpath();
    p.setPen(QPen(c.dark.darker(130), 0.9));
    p.setBrush(c.dark);
    p.drawPath(cup);
    // Three front petals with pointed tips, the side ones leaning out as the cup opens.
    for (const int k : {-1, 1, 0}) {
        QPainterPath petal;
        const double lean = k * (4 + 5 * open);
        const double w = k == 0 ? 8.5 : 7.5;
        petal.moveTo(k * 2.5, 0.5);
        petal.cubicTo(k * 2.5 - w, -2, lean - w, -14, lean, -25 - (k == 0 ? 2 : 0));
        petal.cubicTo(lean + w, -14, k * 2.5 + w, -2, k * 2.5, 0.5);
        QLinearGradient g(QPointF(lean - w, -20), QPointF(lean + w, -2));
        g.setColorAt(0, c.light);
        g.setColorAt(0.5, c.mid);
        g.setColorAt(1, c.dark);
        p.setPen(QPen(c.dark.darker(120), 0.8));
        p.setBrush(g);
        p.drawPath(petal);
    }
    p.restore();
}

// Pot, soil and stem: the same in every stage.
void potAndStem(QPainter& p)
{
    p.setPen(QPen(QColor(0x2c, 0x5a, 0x10), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kAnchor + QPointF(0, -2), QPointF(32.5, 62));
    QPainterPath pot;
    pot.moveTo(19, 60);
    pot.lineTo(46, 60);
    pot.lineTo(42.5, 74);
    pot.lineTo(22.5, 74);
    pot.closeSubpath();
    QLinearGradient clay(19, 0, 46, 0);
    clay.setColorAt(0, QColor(0xa0, 0x48, 0x1c));
    clay.setColorAt(0.4, QColor(0xe0, 0x80, 0x40));
    clay.setColorAt(1, QColor(0x80, 0x34, 0x10));
    p.setPen(QPen(QColor(0x5a, 0x22, 0x08), 1));
    p.setBrush(clay);
    p.drawPath(pot);
    p.drawRoundedRect(QRectF(17, 57, 31, 5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x2c, 0x14));
    p.drawEllipse(QRectF(20, 56, 25, 3));
}

QImage tulip(int stage, const Bloom* finalColour)
{
    // stage 0..12 grows; a final colour draws the full bloom of stage 12 in that colour.
    QImage img = tools::newImage(65, 75);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    potAndStem(p);
    const double t = stage / 12.0;
    leaf(p, QPointF(32, 58), 10 + 12 * t, -1);
    leaf(p, QPointF(33, 56), 8 + 12 * t, 1);
    const double scale = 0.38 + 0.62 * t;
    const double open = std::clamp((stage - 6) / 6.0, 0.0, 1.0);
    const Bloom colour = finalColour ? *finalColour : mix(kBud, kRed, std::clamp(stage / 7.0, 0.0, 1.0));
    flower(p, finalColour ? 1.03 : scale, finalColour ? 1.0 : open, colour);
    p.end();
    return img;
}

void renderTulips()
{
    for (int stage = 0; stage <= 12; ++stage)
        tools::savePng(tulip(stage, nullptr), QStringLiteral("games/TulipR%1").arg(stage + 1, 2, 10, QLatin1Char('0')));
    tools::savePng(tulip(12, &kYellow), QStringLiteral("games/TulipY01"));
    tools::savePng(tulip(12, &kBlue), QStringLiteral("games/TulipB01"));
    tools::savePng(tulip(12, &kViolet), QStringLiteral("games/TulipV01"));
}

// A traffic light: black housing with visors, three lamps, the lit one glowing.
QImage trafficLight(int lit) // 0 red (top), 1 yellow, 2 green (bottom)
{
    QImage img = tools::newImage(128, 128);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor lampOn[3] = {QColor(0xff, 0x30, 0x24), QColor(0xff, 0xc8, 0x10), QColor(0x2c, 0xe8, 0x48)};
    const QColor lampOff[3] = {QColor(0x4a, 0x10, 0x0c), QColor(0x4a, 0x3a, 0x06), QColor(0x0c, 0x3a, 0x14)};
    // Housing (one outline in all three pictures, fully opaque inside).
    QLinearGradient body(40, 0, 88, 0);
    body.setColorAt(0, QColor(0x3a, 0x3c, 0x40));
    body.setColorAt(0.45, QColor(0x6a, 0x6e, 0x74));
    body.setColorAt(1, QColor(0x22, 0x24, 0x28));
    p.setPen(QPen(QColor(0x10, 0x10, 0x12), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(40, 4, 48, 120), 12, 12);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(64, 25 + i * 39);
        // Visor above the lamp.
        QPainterPath visor;
        visor.moveTo(c + QPointF(-19, -4));
        visor.quadTo(c + QPointF(0, -24), c + QPointF(19, -4));
        visor.lineTo(c + QPointF(16, -4));
        visor.quadTo(c + QPointF(0, -19), c + QPointF(-16, -4));
        visor.closeSubpath();
        p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1));
        p.setBrush(QColor(0x1a, 0x1a, 0x1e));
        p.drawPath(visor);
        const bool on = i == lit;
        QRadialGradient g(c - QPointF(4, 5), 16);
        g.setColorAt(0, on ? lampOn[i].lighter(170) : lampOff[i].lighter(140));
        g.setColorAt(0.6, on ? lampOn[i] : lampOff[i]);
        g.setColorAt(1, on ? lampOn[i].darker(130) : lampOff[i].darker(140));
        p.setPen(QPen(QColor(0x0a, 0x0a, 0x0c), 1.5));
        p.setBrush(g);
        p.drawEllipse(c, 13.5, 13.5);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawEllipse(c + QPointF(-5, -6), 4, 2.6);
        }
    }
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        renderTulips();
        tools::savePng(trafficLight(0), QStringLiteral("games/SvetoforR"));
        tools::savePng(trafficLight(1), QStringLiteral("games/SvetoforY"));
        tools::savePng(trafficLight(2), QStringLiteral("games/SvetoforG"));
    });
}
