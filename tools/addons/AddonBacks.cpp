// The back sets of the add-on library: each set has a theme, each back of the set its
// own colours (and, in the sets of ten, its own motif). Drawn in a design space 198
// units high, like the faces.
#include "tools/addons/AddonArt.h"
#include "tools/CardShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace addons {

namespace {

using namespace cardshapes;

constexpr double DH = 198.0;

struct Palette {
    QColor bg, fg, accent;
};

Palette paletteOf(int i)
{
    static const Palette p[10] = {
        {rgb(0xB71C1C), rgb(0xF8D7D7), rgb(0xF2C230)}, {rgb(0x1A3F8F), rgb(0xC8D8F8), rgb(0xF2C230)},
        {rgb(0x1B5E20), rgb(0xC8E6C9), rgb(0xF2C230)}, {rgb(0x4A148C), rgb(0xE1BEE7), rgb(0xF2C230)},
        {rgb(0x00695C), rgb(0xB2DFDB), rgb(0xFFE082)}, {rgb(0xBF5B04), rgb(0xFFE0B2), rgb(0x4E342E)},
        {rgb(0x212121), rgb(0xA0A0A0), rgb(0xD4AF37)}, {rgb(0x6D1B2E), rgb(0xF3C6D0), rgb(0xF2C230)},
        {rgb(0x0D1B4C), rgb(0x90A4D4), rgb(0xFFD54F)}, {rgb(0x556B2F), rgb(0xDCE8C0), rgb(0xF5E6A8)}};
    return p[(i - 1) % 10];
}

// Calls f for every cell centre of a grid of pitch (dx, dy) covering r, odd rows shifted
// by `shift` x dx; the grid is centred on r.
void grid(const QRectF& r, double dx, double dy, double shift, const std::function<void(QPointF, int, int)>& f)
{
    const QPointF c = r.center();
    const int nx = int(r.width() / dx) / 2 + 2, ny = int(r.height() / dy) / 2 + 2;
    for (int j = -ny; j <= ny; ++j)
        for (int i = -nx; i <= nx; ++i)
            f(QPointF(c.x() + (i + ((j & 1) ? shift : 0)) * dx, c.y() + j * dy), i, j);
}

QPainterPath crownPath(QPointF c, double w)
{
    const double h = w * 0.7;
    QPainterPath p;
    const double l = c.x() - w / 2, t = c.y() - h / 2;
    p.moveTo(l, t + h);
    p.lineTo(l, t + h * 0.2);
    p.lineTo(l + w * 0.25, t + h * 0.55);
    p.lineTo(l + w * 0.5, t);
    p.lineTo(l + w * 0.75, t + h * 0.55);
    p.lineTo(l + w, t + h * 0.2);
    p.lineTo(l + w, t + h);
    p.closeSubpath();
    return p;
}

void medallion(QPainter& p, QPointF c, double rx, double ry, const Palette& pal)
{
    p.setPen(QPen(pal.accent, 2.2));
    p.setBrush(pal.bg.darker(115));
    p.drawEllipse(c, rx, ry);
    p.setPen(QPen(pal.fg, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, rx - 4, ry - 4);
}

// ---------------------------------------------------------------------------- animals

QPainterPath animal(int which, QPointF c, double s)
{
    QPainterPath a;
    a.setFillRule(Qt::WindingFill);
    auto E = [&](double x, double y, double rx, double ry) { a.addEllipse(QPointF(c.x() + x * s, c.y() + y * s), rx * s, ry * s); };
    auto T = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
        QPolygonF t{QPointF(c.x() + x1 * s, c.y() + y1 * s), QPointF(c.x() + x2 * s, c.y() + y2 * s),
                    QPointF(c.x() + x3 * s, c.y() + y3 * s)};
        a.addPolygon(t);
        a.closeSubpath();
    };
    switch (which % 10) {
    case 0: // fish
        E(-0.05, 0, 0.32, 0.2);
        T(0.22, 0, 0.48, -0.2, 0.48, 0.2);
        break;
    case 1: // bird
        E(0, 0.05, 0.22, 0.16);
        E(-0.2, -0.1, 0.11, 0.11);
        T(-0.3, -0.12, -0.42, -0.08, -0.3, -0.05);
        T(0.05, 0.0, 0.45, -0.3, 0.25, 0.1);
        break;
    case 2: // cat
        E(0, 0.1, 0.3, 0.26);
        T(-0.28, -0.02, -0.22, -0.38, -0.05, -0.12);
        T(0.28, -0.02, 0.22, -0.38, 0.05, -0.12);
        break;
    case 3: // butterfly
        E(-0.2, -0.12, 0.2, 0.16);
        E(0.2, -0.12, 0.2, 0.16);
        E(-0.15, 0.16, 0.14, 0.12);
        E(0.15, 0.16, 0.14, 0.12);
        E(0, 0.02, 0.04, 0.26);
        break;
    case 4: // turtle
        E(0, 0, 0.3, 0.22);
        E(0.36, -0.04, 0.1, 0.08);
        E(-0.2, 0.2, 0.07, 0.06);
        E(0.2, 0.2, 0.07, 0.06);
        E(-0.2, -0.2, 0.07, 0.06);
        E(0.2, -0.2, 0.07, 0.06);
        break;
    case 5: // snail
        E(0.08, -0.05, 0.24, 0.24);
        E(-0.1, 0.2, 0.38, 0.07);
        T(-0.4, 0.16, -0.44, -0.1, -0.36, 0.16);
        break;
    case 6: // owl
        E(0, 0.05, 0.26, 0.34);
        T(-0.24, -0.2, -0.2, -0.42, -0.06, -0.26);
        T(0.24, -0.2, 0.2, -0.42, 0.06, -0.26);
        break;
    case 7: // rabbit
        E(0, 0.18, 0.24, 0.22);
        E(0, -0.1, 0.15, 0.13);
        E(-0.08, -0.35, 0.05, 0.16);
        E(0.08, -0.35, 0.05, 0.16);
        break;
    case 8: // whale
        E(-0.05, 0.05, 0.36, 0.2);
        T(0.25, 0.0, 0.48, -0.2, 0.42, 0.05);
        E(-0.12, -0.24, 0.03, 0.07);
        break;
    default: // bee
        E(0, 0.05, 0.26, 0.17);
        E(-0.08, -0.18, 0.14, 0.1);
        E(0.1, -0.18, 0.14, 0.1);
        break;
    }
    return a.simplified();
}

// ---------------------------------------------------------------------------- themes

void themeLattice(QPainter& p, const QRectF& r, const Palette& pal, double u)
{
    p.fillRect(r, pal.bg);
    p.setPen(QPen(pal.fg, 0.9));
    for (double x = r.left() - r.height(); x < r.right() + r.height(); x += u) {
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pal.accent);
    grid(r, u, u / 2, 0.5, [&](QPointF m, int, int) { p.drawEllipse(m, u / 9, u / 9); });
}

void themeClassic1(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    p.setPen(QPen(pal.fg, 0.6));
    const double u = 6;
    for (double x = r.left() - r.height(); x < r.right() + r.height(); x += u) {
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    const QPointF c = r.center();
    medallion(p, c, r.width() * 0.3, r.height() * 0.22, pal);
    for (int s = 0; s < 4; ++s)
        fillSuit(p, s, c + QPointF((s % 2 ? 1 : -1) * 10, (s / 2 ? 1 : -1) * 11), 16, false, pal.fg);
}

void themeClassic2(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.fg);
    grid(r, 8, 8, 0, [&](QPointF m, int i, int j) {
        if ((i + j) & 1)
            p.drawRect(QRectF(m.x() - 4, m.y() - 4, 8, 8));
    });
    const QRectF in = r.adjusted(12, 12, -12, -12);
    p.setBrush(pal.bg);
    p.setPen(QPen(pal.accent, 2));
    p.drawRoundedRect(in, 6, 6);
    p.setPen(QPen(pal.fg, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(in.adjusted(4, 4, -4, -4), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.accent);
    p.drawPath(starPath(in.center(), in.width() * 0.3, 8, 0.45));
}

void themeSuits(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    grid(r, 18, 16, 0.5, [&](QPointF m, int i, int j) {
        const int s = ((i + 2 * j) % 4 + 4) % 4;
        fillSuit(p, s, m, 11, false, (s < 2) ? pal.fg : pal.accent);
    });
}

void themeCrowns(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    p.setPen(Qt::NoPen);
    QColor faint = pal.fg;
    faint.setAlpha(110);
    p.setBrush(faint);
    grid(r, 20, 18, 0.5, [&](QPointF m, int, int) { p.drawPath(crownPath(m, 11)); });
    medallion(p, r.center(), r.width() * 0.32, r.width() * 0.32, pal);
    p.setPen(QPen(pal.bg.darker(160), 1.2));
    p.setBrush(pal.accent);
    p.drawPath(crownPath(r.center(), r.width() * 0.38));
}

void themeChess(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.fg);
    const double u = r.width() / 6;
    for (int j = 0; j * u < r.height(); ++j)
        for (int i = 0; i < 6; ++i)
            if ((i + j) & 1)
                p.drawRect(QRectF(r.left() + i * u, r.top() + j * u, u, u));
}

void themeHarlequin(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, pal.bg);
    const double w = 16, h = 24;
    grid(r, w, h / 2, 0.5, [&](QPointF m, int i, int j) {
        QPolygonF d{QPointF(m.x(), m.y() - h / 2), QPointF(m.x() + w / 2, m.y()), QPointF(m.x(), m.y() + h / 2),
                    QPointF(m.x() - w / 2, m.y())};
        p.setPen(QPen(pal.accent, 1.2));
        p.setBrush(((i + j) & 1) ? pal.bg.lighter(130) : pal.bg.darker(115));
        p.drawPolygon(d);
    });
}

void themeKnight(QPainter& p, const QRectF& r, const Palette& pal, const GlyphBank& bank)
{
    themeChess(p, r, Palette{pal.bg, pal.bg.lighter(125), pal.accent});
    const QPointF c = r.center();
    medallion(p, c, r.width() * 0.36, r.width() * 0.42, pal);
    const QPainterPath& k = bank.get(QStringLiteral("back|knight"));
    const QRectF b = k.boundingRect();
    const double hgt = r.width() * 0.56;
    QTransform t;
    t.translate(c.x() - b.width() * hgt / b.height() / 2, c.y() - hgt / 2);
    t.scale(hgt / b.height(), hgt / b.height());
    p.setPen(QPen(pal.bg.darker(170), 1.0));
    p.setBrush(pal.accent);
    p.drawPath(t.map(k));
}

void themeAnimals(QPainter& p, const QRectF& r, const Palette& pal, int i)
{
    p.fillRect(r, pal.bg);
    p.setPen(Qt::NoPen);
    QColor dot = pal.fg;
    dot.setAlpha(80);
    p.setBrush(dot);
    grid(r, 10, 10, 0.5, [&](QPointF m, int, int) { p.drawEllipse(m, 1.4, 1.4); });
    QColor small = pal.fg;
    small.setAlpha(120);
    p.setBrush(small);
    grid(r, 40, 44, 0.5, [&](QPointF m, int a, int b) {
        if (std::abs(m.y() - r.center().y()) > 45)
            p.drawPath(animal(i - 1 + ((a + b) & 1) * 0, m, 22));
    });
    const QPointF c = r.center();
    medallion(p, c, r.width() * 0.36, r.width() * 0.36, pal);
    p.setPen(QPen(pal.bg.darker(170), 1.0));
    p.setBrush(pal.accent);
    p.drawPath(animal(i - 1, c, r.width() * 0.6));
}

void flower(QPainter& p, QPointF c, double rad, int petals, const QColor& petal, const QColor& heart, double shape)
{
    p.setPen(QPen(petal.darker(150), std::max(0.6, rad / 25)));
    p.setBrush(petal);
    for (int k = 0; k < petals; ++k) {
        p.save();
        p.translate(c);
        p.rotate(360.0 * k / petals);
        p.drawEllipse(QRectF(-rad * shape / 2, -rad, rad * shape, rad * 0.95));
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(c, rad * 0.28, rad * 0.28);
}

void themeFlowers(QPainter& p, const QRectF& r, const Palette& pal, int i)
{
    p.fillRect(r, pal.bg);
    const int petals = 4 + (i % 5) + (i > 5 ? 1 : 0);
    const double shape = 0.35 + 0.06 * (i % 4);
    grid(r, 22, 20, 0.5, [&](QPointF m, int, int) {
        QColor f = pal.fg;
        f.setAlpha(150);
        flower(p, m, 6, petals, f, pal.accent, shape);
    });
    const QPointF c = r.center();
    medallion(p, c, r.width() * 0.36, r.width() * 0.36, pal);
    flower(p, c, r.width() * 0.26, petals, pal.fg, pal.accent, shape);
}

void themePlanet(QPainter& p, const QRectF& r, const Palette& pal, int i)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, pal.bg.darker(200));
    sky.setColorAt(1, pal.bg.darker(120));
    p.fillRect(r, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    grid(r, 13, 11, 0.5, [&](QPointF m, int a, int b) {
        const double jx = ((a * 7 + b * 13 + i * 3) % 9 - 4) * 1.1, jy = ((a * 5 + b * 11 + i) % 7 - 3) * 1.1;
        p.drawEllipse(m + QPointF(jx, jy), 0.6 + ((a + b + i) % 3) * 0.35, 0.6 + ((a + b + i) % 3) * 0.35);
    });
    const QPointF c = r.center() + QPointF(0, (i % 3 - 1) * 12);
    const double R = r.width() * (0.22 + 0.02 * (i % 3));
    QRadialGradient g(c - QPointF(R * 0.4, R * 0.4), R * 1.5);
    g.setColorAt(0, pal.fg);
    g.setColorAt(0.6, pal.bg.lighter(130));
    g.setColorAt(1, pal.bg.darker(150));
    if (i % 2) {
        p.setPen(QPen(pal.accent, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, R * 1.7, R * 0.45);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, R, R);
    if (i % 2) {
        // The front half of the ring passes before the planet.
        p.save();
        p.setClipRect(QRectF(c.x() - R * 2, c.y(), R * 4, R * 2));
        p.setPen(QPen(pal.accent, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, R * 1.7, R * 0.45);
        p.restore();
    } else {
        p.setBrush(pal.accent);
        p.drawEllipse(c + QPointF(R * 1.45, -R * 1.1), R * 0.22, R * 0.22);
    }
}

void themeOther(QPainter& p, const QRectF& r, const Palette& pal, int i)
{
    p.fillRect(r, pal.bg);
    p.setRenderHint(QPainter::Antialiasing);
    switch ((i - 1) % 10) {
    case 0: // stripes
        p.setPen(QPen(pal.fg, 3));
        for (double x = r.left() - r.height(); x < r.right(); x += 9)
            p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
        break;
    case 1: // chevrons
        p.setPen(QPen(pal.fg, 2.5));
        p.setBrush(Qt::NoBrush);
        for (double y = r.top() - 10; y < r.bottom() + 10; y += 10) {
            QPainterPath z;
            z.moveTo(r.left(), y);
            for (double x = r.left(); x < r.right() + 12; x += 12) {
                z.lineTo(x + 6, y + 6);
                z.lineTo(x + 12, y);
            }
            p.drawPath(z);
        }
        break;
    case 2: // rings
        p.setBrush(Qt::NoBrush);
        grid(r, 16, 16, 0.5, [&](QPointF m, int, int) {
            p.setPen(QPen(pal.fg, 1.4));
            p.drawEllipse(m, 6.5, 6.5);
            p.setPen(QPen(pal.accent, 1.2));
            p.drawEllipse(m, 3, 3);
        });
        break;
    case 3: // waves
        p.setBrush(Qt::NoBrush);
        for (double y = r.top(); y < r.bottom() + 8; y += 8) {
            QPainterPath w;
            for (double x = r.left(); x <= r.right(); x += 1)
                if (x == r.left())
                    w.moveTo(x, y + 3 * std::sin(x / 5));
                else
                    w.lineTo(x, y + 3 * std::sin(x / 5));
            p.setPen(QPen(int(y) % 16 < 8 ? pal.fg : pal.accent, 1.8));
            p.drawPath(w);
        }
        break;
    case 4: // hexagons
        p.setPen(QPen(pal.fg, 1.2));
        p.setBrush(pal.bg.lighter(115));
        grid(r, 15, 13, 0.5, [&](QPointF m, int, int) {
            QPolygonF h;
            for (int k = 0; k < 6; ++k)
                h << m + QPointF(7.5 * std::cos(k * M_PI / 3 + M_PI / 6), 7.5 * std::sin(k * M_PI / 3 + M_PI / 6));
            p.drawPolygon(h);
        });
        break;
    case 5: // zigzag bands
        p.setPen(Qt::NoPen);
        for (int k = 0; k * 14 < r.height() + 14; ++k) {
            QPainterPath z;
            const double y = r.top() + k * 14;
            z.moveTo(r.left(), y);
            for (double x = r.left(); x < r.right() + 10; x += 10) {
                z.lineTo(x + 5, y + 7);
                z.lineTo(x + 10, y);
            }
            z.lineTo(r.right() + 10, y + 14);
            z.lineTo(r.left(), y + 14);
            z.closeSubpath();
            p.setBrush(k % 2 ? pal.fg : pal.bg.darker(120));
            p.drawPath(z);
        }
        break;
    case 6: // plaid
        for (int k = -20; k <= 20; ++k) {
            const double x = r.center().x() + k * 14, y = r.center().y() + k * 14;
            p.fillRect(QRectF(x - 3, r.top(), 6, r.height()), QColor(pal.fg.red(), pal.fg.green(), pal.fg.blue(), 110));
            p.fillRect(QRectF(r.left(), y - 3, r.width(), 6), QColor(pal.fg.red(), pal.fg.green(), pal.fg.blue(), 110));
            p.fillRect(QRectF(x + 6, r.top(), 1.2, r.height()), pal.accent);
            p.fillRect(QRectF(r.left(), y + 6, r.width(), 1.2), pal.accent);
        }
        break;
    case 7: { // sunburst
        const QPointF c = r.center();
        p.setPen(Qt::NoPen);
        p.setBrush(pal.fg);
        const double R = r.height();
        for (int k = 0; k < 36; k += 2) {
            QPolygonF ray{c, c + QPointF(R * std::cos(k * M_PI / 18), R * std::sin(k * M_PI / 18)),
                          c + QPointF(R * std::cos((k + 1) * M_PI / 18), R * std::sin((k + 1) * M_PI / 18))};
            p.drawPolygon(ray);
        }
        p.setBrush(pal.accent);
        p.drawEllipse(c, 14, 14);
        break;
    }
    case 8: // scales
        grid(r, 14, 7, 0.5, [&](QPointF m, int, int) {
            p.setPen(QPen(pal.fg, 1.1));
            p.setBrush(pal.bg.lighter(120));
            p.drawEllipse(m, 7, 7);
        });
        break;
    default: // polka dots
        p.setPen(Qt::NoPen);
        grid(r, 14, 12, 0.5, [&](QPointF m, int a, int b) {
            p.setBrush(((a + b) & 1) ? pal.fg : pal.accent);
            p.drawEllipse(m, 3.6, 3.6);
        });
        break;
    }
}

// Cross-stitch ornament: stepped diamonds made of small squares on linen.
void themeFolk(QPainter& p, const QRectF& r, const Palette& pal)
{
    p.fillRect(r, rgb(0xFBF6EA));
    const double u = 3.2;
    p.setPen(Qt::NoPen);
    grid(r, 13 * u, 13 * u, 0.5, [&](QPointF m, int, int) {
        for (int y = -5; y <= 5; ++y)
            for (int x = -5; x <= 5; ++x) {
                const int d = std::abs(x) + std::abs(y);
                if (d == 5 || d == 2 || (d == 0)) {
                    p.setBrush(d == 2 ? rgb(0x1A1A1A) : pal.bg);
                    p.drawRect(QRectF(m.x() + x * u - u / 2, m.y() + y * u - u / 2, u * 0.9, u * 0.9));
                }
            }
    });
}

} // namespace

void addBackGlyphs(GlyphBank& bank)
{
    bank.add(QStringLiteral("back|knight"), QStringLiteral("DejaVu Sans"), QString(QChar(0x265E)), QFont::Normal, false);
}

QImage renderBack(const GlyphBank& bank, int set, int i, int w, int h)
{
    QImage img = cardBody(w, h, Qt::white, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double dw = DH * w / h;
    p.scale(double(w) / dw, double(h) / DH);
    const double margin = 7;
    QPainterPath inner;
    inner.addRoundedRect(QRectF(margin, margin, dw - 2 * margin, DH - 2 * margin), 5, 5);
    p.save();
    p.setClipPath(inner);
    const QRectF r = inner.boundingRect();
    const Palette pal = paletteOf(i);
    switch (set) {
    case 1: themeClassic1(p, r, pal); break;
    case 2: themeClassic2(p, r, pal); break;
    case 3: themeSuits(p, r, pal); break;
    case 4: themeCrowns(p, r, pal); break;
    case 5: themeChess(p, r, pal); break;
    case 6: themeHarlequin(p, r, pal); break;
    case 7: themeKnight(p, r, pal, bank); break;
    case 8: themeAnimals(p, r, pal, i); break;
    case 9: themeFlowers(p, r, pal, i); break;
    case 10: themePlanet(p, r, pal, i); break;
    case 11: themeOther(p, r, pal, i); break;
    case 12: themeFolk(p, r, pal); break;
    default: themeLattice(p, r, pal, 12); break;
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1.4));
    p.drawPath(inner);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    QPainterPath rule;
    rule.addRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
    p.drawPath(rule);
    p.end();
    if (w < 100)
        for (QPoint pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            img.setPixelColor(pt, Qt::black);
    return img;
}

} // namespace addons
