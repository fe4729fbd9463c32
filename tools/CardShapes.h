#pragma once
// Suit outlines shared by the card, marker and table generators. Each shape fills the
// box [-0.5, 0.5] x [-0.5, 0.5] around the origin, point up.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <vector>

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

// Where the pips of a number card stand: col -1 left, 0 middle, 1 right; t 0 top .. 1
// bottom of the pip area. `count` is 2..10.
struct Pip {
    double col;
    double t;
};

inline std::vector<Pip> pipLayout(int count)
{
    const double a = 1.0 / 3, b = 2.0 / 3;
    switch (count) {
    case 2: return {{0, 0}, {0, 1}};
    case 3: return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4: return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5: return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6: return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 8: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}};
    case 9: return {{-1, 0}, {1, 0}, {-1, a}, {1, a}, {0, 0.5}, {-1, b}, {1, b}, {-1, 1}, {1, 1}};
    default:
        return {{-1, 0}, {1, 0}, {0, 1.0 / 6}, {-1, a}, {1, a}, {-1, b}, {1, b}, {0, 5.0 / 6},
                {-1, 1}, {1, 1}};
    }
}

// Paints a double-ended court picture in the frame `f`: `paintHalf` draws the top half
// with the frame's top left at the origin and its width as the unit; it runs again
// turned half a circle for the bottom half. Each half is clipped to its own side.
template <class PaintHalf>
void paintBothHalves(QPainter& p, const QRectF& f, PaintHalf&& paintHalf)
{
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.setClipRect(half == 0 ? QRectF(f.left(), f.top(), f.width(), f.height() / 2)
                                : QRectF(f.left(), f.center().y(), f.width(), f.height() / 2));
        if (half == 1) {
            p.translate(f.center());
            p.rotate(180);
            p.translate(-f.center());
        }
        p.translate(f.topLeft());
        p.scale(f.width(), f.width());
        paintHalf();
        p.restore();
    }
}

// A star of `points` points of radius `r` around `c`, first point up; the notches lie
// at `inner` times the radius.
inline QPainterPath starPath(QPointF c, double r, int points, double inner)
{
    QPainterPath s;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double rr = (i % 2) ? r * inner : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

} // namespace cardshapes
