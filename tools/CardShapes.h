#pragma once
// Suit outlines shared by the card, marker and table generators. Each shape fills the
// box [-0.5, 0.5] x [-0.5, 0.5] around the origin, point up.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace cardshapes {

enum Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

inline QPainterPath suitPath(int suit)
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Hearts:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.12, 0.33, -0.5, 0.12, -0.5, -0.19);
        p.cubicTo(-0.5, -0.39, -0.37, -0.5, -0.25, -0.5);
        p.cubicTo(-0.12, -0.5, -0.03, -0.42, 0, -0.3);
        p.cubicTo(0.03, -0.42, 0.12, -0.5, 0.25, -0.5);
        p.cubicTo(0.37, -0.5, 0.5, -0.39, 0.5, -0.19);
        p.cubicTo(0.5, 0.12, 0.12, 0.33, 0, 0.5);
        p.closeSubpath();
        break;
    case Diamonds:
        p.moveTo(0, -0.5);
        p.quadTo(0.17, -0.2, 0.41, 0);
        p.quadTo(0.17, 0.2, 0, 0.5);
        p.quadTo(-0.17, 0.2, -0.41, 0);
        p.quadTo(-0.17, -0.2, 0, -0.5);
        p.closeSubpath();
        break;
    case Clubs:
        p.addEllipse(QPointF(0, -0.255), 0.235, 0.235);
        p.addEllipse(QPointF(-0.265, 0.075), 0.235, 0.235);
        p.addEllipse(QPointF(0.265, 0.075), 0.235, 0.235);
        p.addEllipse(QPointF(0, 0.0), 0.14, 0.14);
        {
            QPainterPath stem;
            stem.moveTo(-0.045, 0.02);
            stem.lineTo(0.045, 0.02);
            stem.quadTo(0.06, 0.42, 0.19, 0.5);
            stem.lineTo(-0.19, 0.5);
            stem.quadTo(-0.06, 0.42, -0.045, 0.02);
            stem.closeSubpath();
            p.addPath(stem);
        }
        break;
    default: // spades
        p.moveTo(0, -0.5);
        p.cubicTo(0.1, -0.35, 0.5, -0.15, 0.5, 0.11);
        p.cubicTo(0.5, 0.29, 0.38, 0.37, 0.26, 0.37);
        p.cubicTo(0.15, 0.37, 0.07, 0.32, 0.04, 0.25);
        p.quadTo(0.06, 0.43, 0.19, 0.5);
        p.lineTo(-0.19, 0.5);
        p.quadTo(-0.06, 0.43, -0.04, 0.25);
        p.cubicTo(-0.07, 0.32, -0.15, 0.37, -0.26, 0.37);
        p.cubicTo(-0.38, 0.37, -0.5, 0.29, -0.5, 0.11);
        p.cubicTo(-0.5, -0.15, -0.1, -0.35, 0, -0.5);
        p.closeSubpath();
        break;
    }
    return p;
}

// The suit outline stretched to fill the box `r`.
inline QPainterPath suitPathIn(int suit, const QRectF& r)
{
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(r.width(), r.height());
    return t.map(suitPath(suit));
}

inline bool isRed(int suit) { return suit == Hearts || suit == Diamonds; }

// The ink of a suit on white: a clear red and an almost-black.
inline QColor suitInk(int suit)
{
    return isRed(suit) ? QColor(0xD0, 0x10, 0x1E) : QColor(0x14, 0x14, 0x18);
}

// Fills a suit sign of `size` pixels centred on `c`, turned upside down when `flip`.
inline void fillSuit(QPainter& p, int suit, QPointF c, double size, bool flip, const QColor& col)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(c);
    if (flip)
        p.rotate(180);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(suitPath(suit));
    p.restore();
}

// Strokes the outline of a suit sign with a pen `penPx` pixels wide.
inline void strokeSuit(QPainter& p, int suit, QPointF c, double size, const QColor& col, double penPx,
                       const QColor& fill = Qt::transparent)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(c);
    p.scale(size, size);
    QPen pen(col, penPx / size);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(fill);
    p.drawPath(suitPath(suit).simplified());
    p.restore();
}

} // namespace cardshapes
