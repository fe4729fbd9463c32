// The faces of the add-on decks. Every size is drawn in one design space 198 units
// high whose width follows the card's proportions (146 wide, 126 narrow, 145 classic),
// so a deck keeps its look from the classic bitmap to the largest picture.
#include "tools/addons/AddonArt.h"
#include "tools/CardShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <vector>

namespace addons {

namespace {

using namespace cardshapes;

constexpr double DH = 198.0;

struct Space {
    double dw;   // design width
    bool classic;
};

QString glyphKey(const QString& family, bool italic, QChar c)
{
    return family + (italic ? QStringLiteral("|i|") : QStringLiteral("|r|")) + QString(c);
}

QString rankText(const DeckStyle& s, int rank)
{
    if (rank >= Jack)
        return s.letters[size_t(rank - Jack)];
    return QString::number(rank + 2);
}

// The text's characters, each fitted to `cap` units high, set side by side from the
// centre `cx`, squeezed to `maxW` when wider.
void drawFitted(QPainter& p, const GlyphBank& bank, const QString& family, bool italic, const QString& text,
                double cx, double top, double cap, double maxW, const QBrush& ink)
{
    const double gap = cap * 0.06;
    std::vector<QPainterPath> paths;
    std::vector<double> widths;
    double total = 0;
    for (QChar c : text) {
        paths.push_back(bank.get(glyphKey(family, italic, c)));
        const QRectF b = paths.back().boundingRect();
        widths.push_back(b.width() * cap / std::max(1.0, b.height()));
        total += widths.back();
    }
    const double gaps = gap * double(text.size() - 1);
    const double squeeze = total + gaps > maxW ? (maxW - gaps) / total : 1.0;
    double x = cx - (total * squeeze + gaps) / 2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (size_t i = 0; i < paths.size(); ++i) {
        const QRectF b = paths[i].boundingRect();
        const double w = widths[i] * squeeze;
        QTransform t;
        t.translate(x, top);
        t.scale(w / std::max(1.0, b.width()), cap / std::max(1.0, b.height()));
        p.drawPath(t.map(paths[i]));
        x += w + gap;
    }
    p.restore();
}

void drawPip(QPainter& p, const DeckStyle& s, int suit, QPointF c, double size, bool flip)
{
    const QColor ink = s.ink[size_t(suit)];
    switch (s.pip) {
    case PipLook::Solid:
        fillSuit(p, suit, c, size, flip, ink);
        break;
    case PipLook::Outline: {
        QColor light = ink;
        light.setAlpha(50);
        p.save();
        p.translate(c);
        if (flip)
            p.rotate(180);
        strokeSuit(p, suit, QPointF(0, 0), size, ink, std::max(1.0, size / 11), light);
        p.restore();
        break;
    }
    case PipLook::Gloss: {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(c);
        if (flip)
            p.rotate(180);
        QLinearGradient g(0, -size / 2, 0, size / 2);
        g.setColorAt(0, ink.lighter(170));
        g.setColorAt(0.45, ink);
        g.setColorAt(1, ink.darker(150));
        p.setPen(QPen(ink.darker(170), size / 30));
        p.setBrush(g);
        p.drawPath(suitPathIn(suit, QRectF(-size / 2, -size / 2, size, size)));
        p.restore();
        break;
    }
    case PipLook::Shadow:
        fillSuit(p, suit, c + QPointF(size / 14, size / 12), size, flip, QColor(0, 0, 0, 70));
        fillSuit(p, suit, c, size, flip, ink);
        break;
    case PipLook::Rimmed:
        p.save();
        p.translate(c);
        if (flip)
            p.rotate(180);
        strokeSuit(p, suit, QPointF(0, 0), size, rgb(0xB8902A), std::max(1.2, size / 8), ink);
        p.restore();
        break;
    }
}

// ---------------------------------------------------------------------------- ground

std::uint32_t hashOf(int a, int b, int c)
{
    // Unsigned products: they wrap as the signed ones were meant to, without overflow.
    std::uint32_t x = std::uint32_t(a) * 73856093u ^ std::uint32_t(b) * 19349663u ^ std::uint32_t(c) * 83492791u;
    x ^= x >> 13;
    x *= 0x5bd1e995u;
    return x ^ (x >> 15);
}

void drawMotif(QPainter& p, const DeckStyle& s, const Space& sp, int rank, int suit)
{
    const double W = sp.dw;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = s.motifInk;
    switch (s.motif) {
    case Motif::None:
        break;
    case Motif::Corners:
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(k % 2 ? W : 0, k / 2 ? DH : 0);
            p.scale(k % 2 ? -1 : 1, k / 2 ? -1 : 1);
            p.setPen(QPen(ink, 1.6));
            p.setBrush(Qt::NoBrush);
            QPainterPath curl;
            curl.moveTo(30, 9);
            curl.cubicTo(52, 9, 52, 22, 40, 22);
            curl.cubicTo(32, 22, 34, 14, 40, 15);
            p.drawPath(curl);
            p.restore();
        }
        break;
    case Motif::Grain: {
        std::uint32_t r = hashOf(rank, suit, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = 0; i < 160; ++i) {
            r = r * 1664525u + 1013904223u;
            const double x = (r >> 8) % 1000 / 1000.0 * W;
            r = r * 1664525u + 1013904223u;
            const double y = (r >> 8) % 1000 / 1000.0 * DH;
            p.drawEllipse(QPointF(x, y), 0.7, 0.7);
        }
        break;
    }
    case Motif::Waves:
        p.setPen(QPen(ink, 1.3));
        p.setBrush(Qt::NoBrush);
        for (int band = 0; band < 3; ++band) {
            for (int side = 0; side < 2; ++side) {
                QPainterPath wave;
                const double y0 = side ? DH - 10 - band * 5 : 10 + band * 5;
                for (double x = 4; x <= W - 4; x += 1) {
                    const double y = y0 + 2 * std::sin(x / 6.0 + band);
                    if (x == 4)
                        wave.moveTo(x, y);
                    else
                        wave.lineTo(x, y);
                }
                p.drawPath(wave);
            }
        }
        break;
    case Motif::Leaves:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(k % 2 ? W - 12 : 12, k / 2 ? DH - 14 : 14);
            for (int l = 0; l < 3; ++l) {
                p.save();
                p.rotate((k * 90 + 45) + (l - 1) * 35);
                p.drawEllipse(QRectF(-3, 2, 6, 14));
                p.restore();
            }
            p.restore();
        }
        break;
    case Motif::Roses:
        // A small rose with two leaves in each corner.
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(k % 2 ? W - 13 : 13, k / 2 ? DH - 13 : 13);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x4E, 0x8B, 0x3A, 150));
            p.drawEllipse(QRectF(2, -2, 9, 4));
            p.drawEllipse(QRectF(-11, -2, 9, 4));
            p.setBrush(ink);
            p.drawEllipse(QPointF(0, 0), 5, 5);
            p.setPen(QPen(ink.darker(160), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-3, -3, 6, 6), 30 * 16, 270 * 16);
            p.drawArc(QRectF(-1.5, -1.5, 3, 3), 200 * 16, 270 * 16);
            p.restore();
        }
        break;
    case Motif::Stars:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int i = 0; i < 14; ++i) {
            const std::uint32_t r = hashOf(rank * 31 + i, suit, 3);
            const QPointF c((r % 1000) / 1000.0 * (W - 20) + 10, ((r >> 10) % 1000) / 1000.0 * (DH - 20) + 10);
            p.drawPath(starPath(c, 2.5 + (r >> 20) % 3, 5, 0.45));
        }
        break;
    case Motif::Knots: {
        p.setPen(QPen(ink, 1.2));
        p.setBrush(Qt::NoBrush);
        const double m = 6.5;
        for (double x = m + 4; x < W - m; x += 8) {
            p.drawEllipse(QPointF(x, m), 4.5, 2.6);
            p.drawEllipse(QPointF(x, DH - m), 4.5, 2.6);
        }
        for (double y = m + 4; y < DH - m; y += 8) {
            p.drawEllipse(QPointF(m, y), 2.6, 4.5);
            p.drawEllipse(QPointF(W - m, y), 2.6, 4.5);
        }
        break;
    }
    case Motif::Keys: {
        // A meander along the top and bottom edges.
        QPen pen(ink, 1.4);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        for (int side = 0; side < 2; ++side) {
            QPainterPath key;
            const double y = side ? DH - 13 : 5, u = 8;
            key.moveTo(28, y + u);
            for (double x = 28; x + u <= W - 28; x += u) {
                key.lineTo(x, y);
                key.lineTo(x + u * 0.75, y);
                key.lineTo(x + u * 0.75, y + u * 0.6);
                key.lineTo(x + u * 0.4, y + u * 0.6);
                key.lineTo(x + u * 0.4, y + u * 0.3);
                key.moveTo(x + u, y + u);
            }
            p.drawPath(key);
        }
        break;
    }
    }
    p.restore();
}

void drawBorder(QPainter& p, const DeckStyle& s, const Space& sp)
{
    const double W = sp.dw;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    auto frame = [&](double inset, double pen, Qt::PenStyle style = Qt::SolidLine) {
        QPen pe(s.borderInk, pen, style);
        p.setPen(pe);
        p.drawRoundedRect(QRectF(inset, inset, W - 2 * inset, DH - 2 * inset), 6, 6);
    };
    switch (s.border) {
    case Border::None:
        break;
    case Border::Line:
        frame(4.5, 1.2);
        break;
    case Border::Double:
        frame(4, 1.0);
        frame(7, 1.8);
        break;
    case Border::Flourish:
        frame(5, 1.0);
        p.setPen(QPen(s.borderInk, 1.2));
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(k % 2 ? W : 0, k / 2 ? DH : 0);
            p.scale(k % 2 ? -1 : 1, k / 2 ? -1 : 1);
            p.drawArc(QRectF(8, 8, 12, 12), 90 * 16, 180 * 16);
            p.drawEllipse(QPointF(11, 11), 1.8, 1.8);
            p.restore();
        }
        break;
    case Border::Dots:
        frame(5, 1.6, Qt::DotLine);
        break;
    case Border::Band: {
        QColor band = s.borderInk;
        band.setAlpha(200);
        p.setPen(QPen(band, 3.2));
        p.drawRoundedRect(QRectF(4.5, 4.5, W - 9, DH - 9), 6, 6);
        break;
    }
    }
    p.restore();
}

// ---------------------------------------------------------------------------- index

struct IndexBox {
    double cx, top, cap, suitSize, suitCy, maxW;
};

IndexBox indexBox(const DeckStyle& s, const Space& sp)
{
    const double k = s.indexScale;
    IndexBox b;
    b.cap = 19 * k;
    b.maxW = 23 * k;
    b.cx = 4 + b.maxW / 2 + (sp.classic ? 1 : 0);
    b.top = 6;
    b.suitSize = 15 * std::sqrt(k);
    b.suitCy = b.top + b.cap + 4 + b.suitSize / 2;
    return b;
}

void drawIndex(QPainter& p, const DeckStyle& s, const GlyphBank& bank, const Space& sp, int rank, int suit)
{
    const IndexBox b = indexBox(s, sp);
    const QColor ink = s.ink[size_t(suit)];
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(sp.dw, DH);
            p.rotate(180);
        }
        drawFitted(p, bank, s.indexFont, s.indexItalic, rankText(s, rank), b.cx, b.top, b.cap, b.maxW, ink);
        fillSuit(p, suit, QPointF(b.cx, b.suitCy), b.suitSize, false, ink);
        p.restore();
    }
}

// ---------------------------------------------------------------------------- numbers

void drawNumber(QPainter& p, const DeckStyle& s, const GlyphBank& bank, const Space& sp, int rank, int suit)
{
    const int count = rank + 2;
    const double W = sp.dw;
    const IndexBox ib = indexBox(s, sp);
    const double left = ib.cx + ib.maxW / 2 + 2, right = W - left;
    const double cx = W / 2;
    if (s.numbers == Numbers::BigNumeral) {
        // The value large in the middle, one sign under it.
        const double cap = 62;
        drawFitted(p, bank, s.indexFont, s.indexItalic, QString::number(count), cx, 48, cap, right - left - 6,
                   s.ink[size_t(suit)]);
        drawPip(p, s, suit, QPointF(cx, 138), 30 * s.pipScale, false);
        return;
    }
    double top = 36, bottom = DH - 36;
    if (s.numbers == Numbers::NumeralAndPips) {
        // A pale numeral behind the pips.
        QColor pale = s.ink[size_t(suit)];
        pale.setAlpha(38);
        drawFitted(p, bank, s.indexFont, s.indexItalic, QString::number(count), cx, 50, 98, right - left, pale);
    }
    const double size = std::min(23.0, (right - left) / 3.3) * s.pipScale;
    const double colDx = std::min(31.0, (right - left - size) / 2);
    for (const Pip& pip : pipLayout(count)) {
        const QPointF c(cx + pip.col * colDx, top + pip.t * (bottom - top));
        drawPip(p, s, suit, c, size, pip.t > 0.5);
    }
}

void drawAce(QPainter& p, const DeckStyle& s, const Space& sp, int suit)
{
    const QPointF c(sp.dw / 2, DH / 2);
    const QColor ink = s.ink[size_t(suit)];
    double size = 58 * s.pipScale;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (s.ace) {
    case AceLook::Plain:
        break;
    case AceLook::Huge:
        size = std::min(sp.dw - 40, 96.0);
        break;
    case AceLook::Ring: {
        const QColor gold = rgb(0xA8842C);
        p.setPen(QPen(gold, 2.2));
        p.setBrush(rgb(0xFFF6DC));
        p.drawEllipse(c, size * 0.8, size * 0.8);
        p.setPen(QPen(gold, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, size * 0.8 - 4, size * 0.8 - 4);
        size *= 0.9;
        break;
    }
    case AceLook::Burst: {
        QColor ray = ink;
        ray.setAlpha(45);
        p.setPen(Qt::NoPen);
        p.setBrush(ray);
        const double R = size * 1.05;
        for (int i = 0; i < 24; i += 2) {
            const double a0 = i * M_PI / 12, a1 = (i + 1) * M_PI / 12;
            QPolygonF tri{c, c + QPointF(R * std::cos(a0), R * std::sin(a0)), c + QPointF(R * std::cos(a1), R * std::sin(a1))};
            p.drawPolygon(tri);
        }
        break;
    }
    case AceLook::Wreath: {
        const QColor leaf = rgb(0x4E7D32);
        p.setPen(QPen(leaf.darker(140), 0.8));
        p.setBrush(leaf);
        const double R = size * 0.82;
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 9; ++k) {
                const double a = M_PI / 2 + side * (0.35 + k * 0.28);
                const QPointF at = c + QPointF(R * std::cos(a), R * std::sin(a));
                p.save();
                p.translate(at);
                p.rotate(a * 180 / M_PI + (side > 0 ? 60 : 120));
                p.drawEllipse(QRectF(-2.6, -6, 5.2, 12));
                p.restore();
            }
        size *= 0.85;
        break;
    }
    }
    p.restore();
    drawPip(p, s, suit, c, size, false);
}

// ---------------------------------------------------------------------------- courts

// A crown, tiara or cap in the box r (width-based), drawn upright.
void drawHeadwear(QPainter& p, int rank, QRectF r, const QColor& main, const QColor& jewel, double px)
{
    const QColor line(0x2A, 0x20, 0x14);
    p.setPen(QPen(line, 0.9 * px));
    if (rank == King) {
        QPainterPath crown;
        crown.moveTo(r.left(), r.bottom());
        crown.lineTo(r.left(), r.top() + r.height() * 0.25);
        crown.lineTo(r.left() + r.width() * 0.25, r.top() + r.height() * 0.6);
        crown.lineTo(r.center().x(), r.top());
        crown.lineTo(r.right() - r.width() * 0.25, r.top() + r.height() * 0.6);
        crown.lineTo(r.right(), r.top() + r.height() * 0.25);
        crown.lineTo(r.right(), r.bottom());
        crown.closeSubpath();
        p.setBrush(main);
        p.drawPath(crown);
        p.setBrush(jewel);
        const double d = r.width() * 0.07;
        for (double f : {0.25, 0.5, 0.75})
            p.drawEllipse(QPointF(r.left() + r.width() * f, r.bottom() - r.height() * 0.22), d, d);
        p.drawEllipse(QPointF(r.center().x(), r.top()), d * 0.9, d * 0.9);
    } else if (rank == Queen) {
        QPainterPath tiara;
        tiara.moveTo(r.left(), r.bottom());
        tiara.quadTo(r.center().x(), r.top() - r.height() * 0.25, r.right(), r.bottom());
        tiara.quadTo(r.center().x(), r.top() + r.height() * 0.55, r.left(), r.bottom());
        tiara.closeSubpath();
        p.setBrush(main);
        p.drawPath(tiara);
        p.setBrush(jewel);
        const double d = r.width() * 0.06;
        for (int k = 0; k < 5; ++k) {
            const double t = 0.15 + k * 0.175;
            const double x = r.left() + r.width() * t;
            const double y = r.bottom() - (r.height() * 0.95) * (1 - std::pow((t - 0.5) * 2, 2)) - d * 0.5;
            p.drawEllipse(QPointF(x, y), d, d);
        }
    } else {
        // A soft cap with a feather.
        QPainterPath cap;
        cap.moveTo(r.left(), r.bottom());
        cap.cubicTo(r.left(), r.top(), r.right(), r.top(), r.right(), r.bottom());
        cap.closeSubpath();
        p.setBrush(main);
        p.drawPath(cap);
        p.setBrush(jewel);
        p.drawRect(QRectF(r.left(), r.bottom() - r.height() * 0.22, r.width(), r.height() * 0.22));
        QPainterPath feather;
        feather.moveTo(r.right() - r.width() * 0.2, r.top() + r.height() * 0.35);
        feather.cubicTo(r.right() + r.width() * 0.1, r.top() - r.height() * 0.4, r.right() + r.width() * 0.3,
                        r.top() - r.height() * 0.2, r.right() + r.width() * 0.05, r.top() + r.height() * 0.5);
        feather.closeSubpath();
        p.setBrush(QColor(0xFA, 0xF6, 0xEA));
        p.drawPath(feather);
    }
}

QColor robeOf(const DeckStyle& s, int suit)
{
    if (!s.robeFollowsSuit)
        return s.courtColours[0];
    // The suit's ink softened a little, so the figure is not one flat colour block.
    const QColor ink = s.ink[size_t(suit)];
    return QColor::fromHslF(ink.hslHueF() < 0 ? 0 : ink.hslHueF(), std::min(1.0, ink.hslSaturationF() * 0.85),
                            std::clamp(ink.lightnessF() * 1.05 + 0.06, 0.15, 0.6));
}

// One half of a double-headed figure in a unit-wide box, head up; the half ends at hh.
void drawFigureHalf(QPainter& p, const DeckStyle& s, int rank, int suit, double hh, double px)
{
    const QColor line(0x24, 0x1A, 0x12);
    const QColor skin(0xF4, 0xCC, 0xA4);
    const QColor robe = robeOf(s, suit), panel = s.courtColours[1], trim = s.courtColours[2];
    QPen outline(line, 0.9 * px);
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    const double headY = hh * 0.42, rx = 0.15, ry = 0.18;
    const double shoulderY = headY + ry + 0.04;

    if (rank == Queen) {
        p.setBrush(rgb(0x8A5A2A));
        p.drawEllipse(QPointF(0.5, headY + 0.05), rx * 1.55, ry * 1.45);
    }
    // Robe from the shoulders to the middle line.
    QPainterPath body;
    body.moveTo(0.06, hh + 0.02);
    body.cubicTo(0.08, shoulderY + 0.1, 0.16, shoulderY, 0.36, shoulderY - 0.02);
    body.lineTo(0.64, shoulderY - 0.02);
    body.cubicTo(0.84, shoulderY, 0.92, shoulderY + 0.1, 0.94, hh + 0.02);
    body.closeSubpath();
    p.setBrush(robe);
    p.drawPath(body);
    QPainterPath front;
    front.moveTo(0.42, shoulderY);
    front.lineTo(0.58, shoulderY);
    front.lineTo(0.66, hh + 0.02);
    front.lineTo(0.34, hh + 0.02);
    front.closeSubpath();
    p.setBrush(panel);
    p.drawPath(front);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(trim);
    for (double y = shoulderY + 0.08; y < hh; y += 0.065)
        p.drawEllipse(QPointF(0.5, y), 0.02, 0.02);
    p.restore();
    // Collar.
    QPainterPath collar;
    collar.moveTo(0.33, shoulderY - 0.03);
    collar.quadTo(0.5, shoulderY + 0.13, 0.67, shoulderY - 0.03);
    collar.quadTo(0.5, shoulderY + 0.03, 0.33, shoulderY - 0.03);
    p.setBrush(rank == Queen ? trim : QColor(0xFA, 0xFA, 0xF4));
    p.drawPath(collar);
    // Held object.
    const double hx = rank == Queen ? 0.8 : 0.2;
    p.setPen(QPen(line, 2.2 * px, Qt::SolidLine, Qt::RoundCap));
    if (rank == Queen) {
        p.drawLine(QPointF(hx, hh - 0.02), QPointF(hx, hh * 0.45));
        p.setPen(outline);
        p.setBrush(panel.lighter(130));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            p.drawEllipse(QPointF(hx + 0.04 * std::cos(a), hh * 0.42 + 0.04 * std::sin(a)), 0.035, 0.035);
        }
        p.setBrush(trim);
        p.drawEllipse(QPointF(hx, hh * 0.42), 0.025, 0.025);
    } else {
        p.drawLine(QPointF(hx, hh + 0.02), QPointF(hx, hh * (rank == King ? 0.32 : 0.12)));
        p.setPen(QPen(rank == King ? trim : rgb(0x8D5A2B), 1.2 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(hx, hh + 0.02), QPointF(hx, hh * (rank == King ? 0.32 : 0.12)));
        p.setPen(outline);
        if (rank == King) {
            p.setBrush(trim);
            p.drawEllipse(QPointF(hx, hh * 0.28), 0.05, 0.05);
        } else {
            p.setBrush(rgb(0xC9CED6));
            QPolygonF blade{QPointF(hx, 0.0), QPointF(hx + 0.05, hh * 0.14), QPointF(hx - 0.05, hh * 0.14)};
            p.drawPolygon(blade);
        }
    }
    p.setBrush(skin);
    p.drawEllipse(QPointF(hx, hh * 0.86), 0.05, 0.045);
    // Head.
    p.setBrush(skin);
    p.drawEllipse(QPointF(0.5, headY), rx, ry);
    if (rank == King) {
        QPainterPath beard;
        beard.moveTo(0.5 - rx * 0.95, headY + 0.02);
        beard.quadTo(0.5, headY + ry * 2.0, 0.5 + rx * 0.95, headY + 0.02);
        beard.quadTo(0.5, headY + ry * 0.9, 0.5 - rx * 0.95, headY + 0.02);
        p.setBrush(QColor(0xE6, 0xE1, 0xD6));
        p.drawPath(beard);
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(0.5 - rx * 0.4, headY - ry * 0.1), 0.016, 0.02);
    p.drawEllipse(QPointF(0.5 + rx * 0.4, headY - ry * 0.1), 0.016, 0.02);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0xA0403A), 0.9 * px, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(0.5 - 0.04, headY + ry * 0.25, 0.08, 0.05), 200 * 16, 140 * 16);
    p.setPen(outline);
    drawHeadwear(p, rank, QRectF(0.5 - rx * 1.1, headY - ry - 0.14, rx * 2.2, 0.16), trim, panel, px);
    // The suit on the chest.
    fillSuit(p, suit, QPointF(0.5, hh - 0.1), 0.1, false, s.ink[size_t(suit)]);
}

void drawSilhouetteHalf(QPainter& p, const DeckStyle& s, int rank, int suit, double hh)
{
    const QColor ink = s.ink[size_t(suit)];
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double headY = hh * 0.46;
    QPainterPath bust;
    bust.moveTo(0.1, hh + 0.02);
    bust.cubicTo(0.1, headY + 0.28, 0.3, headY + 0.2, 0.42, headY + 0.16);
    bust.lineTo(0.58, headY + 0.16);
    bust.cubicTo(0.7, headY + 0.2, 0.9, headY + 0.28, 0.9, hh + 0.02);
    bust.closeSubpath();
    bust.addEllipse(QPointF(0.5, headY), 0.14, 0.17);
    if (rank == Queen)
        bust.addEllipse(QPointF(0.5, headY + 0.06), 0.19, 0.16);
    p.drawPath(bust.simplified());
    drawHeadwear(p, rank, QRectF(0.34, headY - 0.3, 0.32, 0.15), ink, s.courtColours[2], 0.01);
    fillSuit(p, suit, QPointF(0.5, hh - 0.12), 0.12, false, s.paper);
}

void drawEmblemHalf(QPainter& p, const DeckStyle& s, int rank, int suit, double hh)
{
    const QColor ink = s.ink[size_t(suit)];
    drawHeadwear(p, rank, QRectF(0.2, hh * 0.2, 0.6, hh * 0.36), s.courtColours[2], ink, 0.012);
    fillSuit(p, suit, QPointF(0.5, hh * 0.78), 0.26, false, ink);
}

void drawCourt(QPainter& p, const DeckStyle& s, const GlyphBank& bank, const Space& sp, int rank, int suit)
{
    const IndexBox ib = indexBox(s, sp);
    const double left = ib.cx + ib.maxW / 2 + 3;
    const QRectF f(left, 15, sp.dw - 2 * left, DH - 30);
    const QColor ink = s.ink[size_t(suit)];
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (s.courtGround.alpha() > 0)
        p.fillRect(f, s.courtGround);

    if (s.court == CourtLook::Monogram) {
        // Beside a large index the court column is narrow: the roundel takes the band
        // between the two indexes across the whole card instead.
        const QRectF m = s.indexScale > 1.2 ? QRectF(8, ib.suitCy + ib.suitSize / 2 + 4, sp.dw - 16,
                                                     DH - 2 * (ib.suitCy + ib.suitSize / 2 + 4))
                                            : f;
        const QString letter = s.letters[size_t(rank - Jack)];
        p.setPen(QPen(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        const double r = std::min(m.width(), m.height()) * 0.46;
        p.drawEllipse(m.center(), r, r);
        p.setPen(QPen(s.courtColours[2], 1.0));
        p.drawEllipse(m.center(), r - 4, r - 4);
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 2 + M_PI / 4;
            fillSuit(p, suit, m.center() + QPointF(r * 1.02 * std::cos(a), r * 1.02 * std::sin(a)), 10, false, ink);
        }
        drawFitted(p, bank, s.monogramFont, true, letter, m.center().x(), m.center().y() - r * 0.55, r * 1.1,
                   r * 1.3, ink);
        if (s.indexScale <= 1.2) {
            fillSuit(p, suit, QPointF(m.center().x(), m.top() + 16), 14, false, ink);
            fillSuit(p, suit, QPointF(m.center().x(), m.bottom() - 16), 14, true, ink);
        }
        p.restore();
        return;
    }

    const double px = 1.0 / f.width();
    const double hh = f.height() / 2 / f.width();
    paintBothHalves(p, f, [&] {
        switch (s.court) {
        case CourtLook::Figure: drawFigureHalf(p, s, rank, suit, hh, px); break;
        case CourtLook::Silhouette: drawSilhouetteHalf(p, s, rank, suit, hh); break;
        default: drawEmblemHalf(p, s, rank, suit, hh); break;
        }
    });
    p.setPen(QPen(ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(f.left(), f.center().y()), QPointF(f.right(), f.center().y()));
    p.drawRect(f);
    if (s.court == CourtLook::Emblem) {
        // The letter large beside the emblem, in each half.
        const QString letter = s.letters[size_t(rank - Jack)];
        QColor pale = ink;
        pale.setAlpha(200);
        for (int half = 0; half < 2; ++half) {
            p.save();
            if (half == 1) {
                p.translate(f.center());
                p.rotate(180);
                p.translate(-f.center());
            }
            drawFitted(p, bank, s.monogramFont, true, letter, f.left() + 11, f.top() + 4, 18, 16, pale);
            p.restore();
        }
    }
    p.restore();
}

} // namespace

void addGlyphs(GlyphBank& bank, const DeckStyle& s)
{
    QString chars = QStringLiteral("0123456789");
    for (const QString& l : s.letters)
        chars += l;
    for (QChar c : chars)
        bank.add(glyphKey(s.indexFont, s.indexItalic, c), s.indexFont, QString(c), QFont::Bold, s.indexItalic);
    for (const QString& l : s.letters)
        for (QChar c : l)
            bank.add(glyphKey(s.monogramFont, true, c), s.monogramFont, QString(c), QFont::Bold, true);
}

QImage renderFace(const DeckStyle& s, const GlyphBank& bank, int w, int h, int rank, int suit)
{
    QImage img = cardBody(w, h, s.paper, s.paper2);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Space sp{DH * w / h, w < 100};
    p.scale(double(w) / sp.dw, double(h) / DH);
    if (!sp.classic)
        p.setClipPath(insidePath(int(std::lround(sp.dw)), int(DH), 1.2));
    drawMotif(p, s, sp, rank, suit);
    drawBorder(p, s, sp);
    if (rank >= Jack && rank <= King)
        drawCourt(p, s, bank, sp, rank, suit);
    else if (rank == Ace)
        drawAce(p, s, sp, suit);
    else
        drawNumber(p, s, bank, sp, rank, suit);
    drawIndex(p, s, bank, sp, rank, suit);
    p.end();
    if (sp.classic)
        for (QPoint pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            img.setPixelColor(pt, Qt::black);
    return img;
}

QImage renderSign(const DeckStyle& s, int size, int suit)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const double d = size;
    strokeSuit(p, suit, QPointF(d / 2, d / 2), d * 0.84, QColor(255, 255, 255, 230), d / 10,
               QColor(255, 255, 255, 230));
    fillSuit(p, suit, QPointF(d / 2, d / 2), d * 0.84, false, s.ink[size_t(suit)]);
    return img;
}

} // namespace addons
