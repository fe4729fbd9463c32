// Renders the fifty game logos, their background and the transparent "GFree" template.
// Each logo is a miniature of the game's table: the cards stand where the game lays them
// out on a 760 x 500 table with 71 x 96 cards, scaled down onto green felt, with the
// game's name below.
#include "foundation/GameTables.h"
#include "tools/common/Generator.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr double W = 71;  // card size of the table the positions are given for
constexpr double H = 96;
constexpr int kLogo = 175;

enum class Suit { Hearts, Diamonds, Clubs, Spades };

struct Item {
    enum Kind { Up, Down, Slot, Panel, Flower, Infinity } kind;
    QRectF r;
    Suit suit = Suit::Spades;
    QColor color;  // Panel fill, Flower petals
};

// A table scene in table coordinates.
class Scene {
public:
    explicit Scene(unsigned seed) : rnd_(seed * 2654435761u + 12345u) {}

    // Suits the scene draws when none is asked for.
    void useSuits(std::vector<Suit> suits) { suits_ = std::move(suits); }

    void up(double x, double y) { items_.push_back({Item::Up, {x, y, W, H}, nextSuit(), {}}); }
    void up(double x, double y, Suit s) { items_.push_back({Item::Up, {x, y, W, H}, s, {}}); }
    void down(double x, double y) { items_.push_back({Item::Down, {x, y, W, H}, Suit::Spades, {}}); }
    void slot(double x, double y) { items_.push_back({Item::Slot, {x, y, W, H}, Suit::Spades, {}}); }
    // A stock: n backs, each a little higher and further right.
    void stock(double x, double y, int n = 4, double step = 2.5)
    {
        for (int i = 0; i < n; ++i)
            down(x + step * i, y - step * i);
    }
    // A column fanned downwards: nDown backs, then nUp faces.
    void column(double x, double y, int nDown, int nUp, double stepDown = 9, double stepUp = 20)
    {
        for (int i = 0; i < nDown; ++i, y += stepDown)
            down(x, y);
        for (int i = 0; i < nUp; ++i, y += stepUp)
            up(x, y);
    }
    // A row fanned sideways (dx < 0 fans to the left).
    void fanX(double x, double y, int n, double dx)
    {
        for (int i = 0; i < n; ++i)
            up(x + i * dx, y);
    }
    void panel(const QRectF& r, const QColor& c) { items_.push_back({Item::Panel, r, Suit::Spades, c}); }
    void flower(const QRectF& r, const QColor& c) { items_.push_back({Item::Flower, r, Suit::Spades, c}); }
    void infinity(const QRectF& r) { items_.push_back({Item::Infinity, r, Suit::Spades, {}}); }

    const std::vector<Item>& items() const { return items_; }

private:
    Suit nextSuit()
    {
        rnd_ = rnd_ * 1103515245u + 12345u;
        return suits_[(rnd_ >> 16) % suits_.size()];
    }

    std::vector<Item> items_;
    unsigned rnd_;
    std::vector<Suit> suits_ = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};
};

// ---- drawing -----------------------------------------------------------------------

QPainterPath suitPath(Suit s)
{
    // In a unit box; the shapes are built from circles and triangles so they stay
    // legible at a few pixels.
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    auto circle = [&p](double cx, double cy, double r) { p.addEllipse(QPointF(cx, cy), r, r); };
    auto tri = [&p](QPointF a, QPointF b, QPointF c) { p.addPolygon(QPolygonF({a, b, c, a})); };
    switch (s) {
    case Suit::Diamonds:
        p.addPolygon(QPolygonF({{0.5, 0.0}, {0.92, 0.5}, {0.5, 1.0}, {0.08, 0.5}, {0.5, 0.0}}));
        break;
    case Suit::Hearts:
        circle(0.28, 0.3, 0.25);
        circle(0.72, 0.3, 0.25);
        tri({0.04, 0.38}, {0.96, 0.38}, {0.5, 0.98});
        break;
    case Suit::Spades:
        tri({0.5, 0.0}, {0.96, 0.58}, {0.04, 0.58});
        circle(0.28, 0.6, 0.23);
        circle(0.72, 0.6, 0.23);
        tri({0.5, 0.6}, {0.7, 1.0}, {0.3, 1.0});
        break;
    case Suit::Clubs:
        circle(0.5, 0.26, 0.23);
        circle(0.25, 0.6, 0.23);
        circle(0.75, 0.6, 0.23);
        tri({0.5, 0.45}, {0.7, 1.0}, {0.3, 1.0});
        break;
    }
    return p;
}

QColor suitColor(Suit s)
{
    return (s == Suit::Hearts || s == Suit::Diamonds) ? QColor(205, 20, 30) : QColor(25, 25, 30);
}

void drawSuit(QPainter& p, Suit s, const QRectF& box)
{
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width(), box.height());
    p.fillPath(t.map(suitPath(s)), suitColor(s));
}

void drawCard(QPainter& p, const Item& it)
{
    const QRectF r = it.r;
    const double rad = r.width() * 0.12;
    const double line = std::max(0.6, r.width() * 0.045);
    if (it.kind == Item::Slot) {
        p.setPen(QPen(QColor(255, 255, 255, 110), line));
        p.setBrush(QColor(0, 0, 0, 35));
        p.drawRoundedRect(r, rad, rad);
        return;
    }
    if (it.kind == Item::Down) {
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(40, 80, 185));
        g.setColorAt(1, QColor(20, 45, 125));
        p.setPen(QPen(QColor(15, 25, 60), line));
        p.setBrush(g);
        p.drawRoundedRect(r, rad, rad);
        const double in = r.width() * 0.14;
        p.setPen(QPen(QColor(235, 235, 255, 200), line * 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(in, in, -in, -in), rad * 0.6, rad * 0.6);
        return;
    }
    p.setPen(QPen(QColor(70, 70, 70), line));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(r, rad, rad);
    // A corner sign shows in a fanned column; the centre one on the top card.
    const double cs = r.width() * 0.3;
    drawSuit(p, it.suit, QRectF(r.left() + r.width() * 0.1, r.top() + r.width() * 0.1, cs, cs));
    const double big = r.width() * 0.5;
    drawSuit(p, it.suit, QRectF(r.center().x() - big / 2, r.center().y() - big / 2 + r.height() * 0.06, big, big));
}

void drawFlower(QPainter& p, const QRectF& r, const QColor& c)
{
    // A tulip: stem, two leaves and a three-petal cup.
    const double cx = r.center().x();
    const double u = r.height() / 10.0;
    p.setPen(QPen(QColor(40, 150, 40), u * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, r.top() + 4 * u), QPointF(cx, r.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    QPainterPath leaf;
    leaf.moveTo(cx, r.bottom());
    leaf.quadTo(cx - 3.5 * u, r.top() + 7 * u, cx - 2.5 * u, r.top() + 5 * u);
    leaf.quadTo(cx - 1 * u, r.top() + 7.5 * u, cx, r.bottom());
    p.drawPath(leaf);
    p.drawPath(QTransform().translate(2 * cx, 0).scale(-1, 1).map(leaf));
    QPainterPath cup;
    cup.moveTo(cx - 2.2 * u, r.top() + 0.5 * u);
    cup.lineTo(cx - 1.1 * u, r.top() + 2 * u);
    cup.lineTo(cx, r.top());
    cup.lineTo(cx + 1.1 * u, r.top() + 2 * u);
    cup.lineTo(cx + 2.2 * u, r.top() + 0.5 * u);
    cup.quadTo(cx + 2.6 * u, r.top() + 4.5 * u, cx, r.top() + 4.6 * u);
    cup.quadTo(cx - 2.6 * u, r.top() + 4.5 * u, cx - 2.2 * u, r.top() + 0.5 * u);
    QLinearGradient g(QPointF(cx, r.top()), QPointF(cx, r.top() + 4.6 * u));
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(1, c.darker(115));
    p.setBrush(g);
    p.drawPath(cup);
}

void drawInfinity(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    const double cx = r.center().x(), cy = r.center().y();
    const double a = r.width() / 2;
    for (int i = 0; i <= 64; ++i) {
        // Lemniscate of Bernoulli.
        const double t = i * 2 * M_PI / 64;
        const double d = 1 + std::sin(t) * std::sin(t);
        const QPointF pt(cx + a * std::cos(t) / d, cy + a * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 215, 90), r.height() * 0.22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QRectF boundsOf(const std::vector<Item>& items)
{
    QRectF b;
    for (const Item& it : items)
        b = b.isNull() ? it.r : b.united(it.r);
    return b;
}

void drawScene(QPainter& p, const Scene& scene, const QRectF& area)
{
    const QRectF b = boundsOf(scene.items()).adjusted(-6, -6, 6, 6);
    const double s = std::min(area.width() / b.width(), area.height() / b.height());
    p.save();
    p.translate(area.center());
    p.scale(s, s);
    p.translate(-b.center());
    for (const Item& it : scene.items()) {
        switch (it.kind) {
        case Item::Panel: {
            p.setPen(QPen(QColor(255, 255, 255, 90), 2));
            p.setBrush(it.color);
            p.drawRoundedRect(it.r, 8, 8);
            break;
        }
        case Item::Flower: drawFlower(p, it.r, it.color); break;
        case Item::Infinity: drawInfinity(p, it.r); break;
        default: drawCard(p, it); break;
        }
    }
    p.restore();
}

QImage felt(int size)
{
    QImage img = tools::newImage(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2.5, 2.5, size - 5, size - 5);
    QRadialGradient g(r.center(), size * 0.75);
    g.setColorAt(0, QColor(0, 150, 20));
    g.setColorAt(1, QColor(0, 95, 10));
    p.setPen(QPen(QColor(220, 190, 90), 2.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 14, 14);
    return img;
}

// The name in up to two lines, as large as fits.
void drawCaption(QPainter& p, const QRectF& box, const QString& name)
{
    const QString family = QStringLiteral("DejaVu Sans");
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont font = tools::requireFont(family, 17, QFont::Bold);
    for (int px = 17; px >= 9; --px) {
        font = tools::requireFont(family, px, QFont::Bold);
        const QRectF need = QFontMetricsF(font).boundingRect(box, flags, name);
        const int lines = static_cast<int>(std::lround(need.height() / QFontMetricsF(font).lineSpacing()));
        if (need.width() <= box.width() && need.height() <= box.height() && lines <= 2)
            break;
    }
    tools::drawText(p, box.translated(1, 1), flags, name, font, QColor(0, 0, 0, 170));
    tools::drawText(p, box, flags, name, font, QColor(255, 250, 225));
}

// ---- the games ------------------------------------------------------------------------

using Builder = std::function<void(Scene&)>;

// x of pile i (1-based) when piles stand `step` apart from `x0`.
double at(double x0, double step, int i) { return x0 + step * (i - 1); }

void klondike(Scene& s, int piles, double x0, double step, int stepDown)
{
    s.stock(at(x0, step, 1), 17);
    s.up(at(x0, step, 2), 17);
    for (int i = 4 - (piles == 10 ? 1 : 0); i <= piles; ++i) {
        if (i == piles - 1)
            s.up(at(x0, step, i), 17);
        else
            s.slot(at(x0, step, i), 17);
    }
    for (int i = 1; i <= piles; ++i)
        s.column(at(x0, step, i), 117, i - 1, i == piles ? 2 : 1, stepDown);
}

void yukon(Scene& s, int piles, double x0)
{
    for (int i = piles - (piles == 9 ? 7 : 3); i <= piles; ++i)
        s.slot(at(x0, 75, i), 17);
    for (int i = 1; i <= piles; ++i)
        s.column(at(x0, 75, i), 117, i - 1, i == 1 ? 1 : 5, piles == 9 ? 6 : 7, piles == 9 ? 15 : 18);
}

void scorpion(Scene& s, int piles, double x0, double step)
{
    const int half = piles == 7 ? 4 : 5;
    for (int i = 1; i <= piles; ++i)
        s.column(at(x0, step, i), 17, i <= half ? 3 : 0, i <= half ? 4 : 7, 10, 24);
}

void spider(Scene& s, int suits)
{
    if (suits == 1)
        s.useSuits({Suit::Spades});
    else if (suits == 2)
        s.useSuits({Suit::Spades, Suit::Hearts});
    s.stock(16, 17, 5);
    for (int i = 3; i <= 10; ++i) {
        if (i == 10)
            s.up(at(16, 73, i), 17, Suit::Spades);
        else
            s.slot(at(16, 73, i), 17);
    }
    for (int i = 1; i <= 10; ++i)
        s.column(at(16, 73, i), 117, i <= 4 ? 5 : 4, 1 + (i * 7) % 3, 9, 20);
}

// Places (column, row) of the golf and pyramid grids.
void peakRows(Scene& s, double x0, double dx, double y0, double dy, bool allUp)
{
    for (int r = 1; r <= 7; ++r)
        for (int c = 8 - r; c <= 6 + r; c += 2) {
            if (r == 7 || allUp)
                s.up(at(x0, dx, c), at(y0, dy, r));
            else
                s.down(at(x0, dx, c), at(y0, dy, r));
        }
}

void diamondRows(Scene& s, double x0, double dx, double y0, double dy, bool allUp)
{
    const int first[] = {4, 3, 2, 1, 2, 3, 4};
    for (int r = 1; r <= 7; ++r)
        for (int c = first[r - 1]; c <= 14 - first[r - 1]; c += 2) {
            if (r == 7 || allUp)
                s.up(at(x0, dx, c), at(y0, dy, r));
            else
                s.down(at(x0, dx, c), at(y0, dy, r));
        }
}

void tulip(Scene& s, double x0, int places, int empty, const QColor& flower)
{
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= places; ++p) {
            const double x = at(x0, 51, p), y = at(3, 99, r);
            if (p == empty)
                s.slot(x, y);
            else
                s.up(x, y);
        }
    s.flower({330, 398, 100, 100}, flower);
}

void squareFrame(Scene& s, const std::vector<double>& xs, const std::vector<double>& ys, bool nap)
{
    const int cols = nap ? 6 : 6;
    const int rows = nap ? 4 : 3;
    // Piles round the left, top and right of the frame, two pixels per card of a stack.
    auto pile = [&](int c, int r, int n) {
        for (int k = 0; k < n; ++k)
            s.up(xs[c - 1], ys[r - 1] - 2 * k);
    };
    for (int r = rows; r >= 1; --r)
        pile(1, r, 3);
    for (int c = 2; c <= cols - 1; ++c)
        pile(c, 1, 3);
    for (int r = 1; r <= rows; ++r)
        pile(cols, r, 3);
    for (int c = 2; c <= 5; ++c) {
        s.up(xs[c - 1], ys[1], nap ? Suit::Spades : static_cast<Suit>((c + 1) % 4));
        s.up(xs[c - 1], ys[2], nap ? Suit::Hearts : static_cast<Suit>(c % 4));
    }
    if (nap) {
        s.stock(xs[2], ys[3], 4);
        s.up(xs[3], ys[3]);
    } else {
        s.stock(xs[6], ys[2], 4);
        s.up(xs[6], ys[0]);
    }
}

void monteCarlo(Scene& s, bool bySuit)
{
    s.stock(16, 10, 4);
    s.slot(675, 10);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 6; ++c) {
            const double x = at(158, 75, c), y = at(10, 98, r);
            if (bySuit)
                s.up(x, y, static_cast<Suit>((r + c) % 4));
            else
                s.up(x, y);
        }
}

void crescent(Scene& s, bool open)
{
    const double xs[] = {89, 89, 89, 89, 89, 162, 235, 308, 381, 454, 527, 600, 600, 600, 600, 600};
    const double ys[] = {389, 292, 195, 98, 1, 1, 1, 1, 1, 1, 1, 1, 98, 195, 292, 389};
    for (int i = 0; i < 16; ++i) {
        const bool left = i < 4, right = i > 11;
        for (int k = 0; k < 4; ++k) {
            double x = xs[i], y = ys[i];
            if (left)
                x -= 16 * (3 - k);
            else if (right)
                x += 16 * (3 - k);
            else
                y += 14 * k;
            if (!open && k < 2)
                s.down(x, y);
            else
                s.up(x, y);
        }
    }
    const double fx[] = {235, 308, 381, 454};
    const Suit order[] = {Suit::Hearts, Suit::Spades, Suit::Diamonds, Suit::Clubs};
    for (int i = 0; i < 4; ++i) {
        s.up(fx[i], 215, order[i]);
        s.up(fx[i], 313, order[(i + 1) % 4]);
    }
}

QHash<QString, Builder> builders()
{
    QHash<QString, Builder> b;
    // Group 1
    b["GLogosVD08Vardelin1"] = [](Scene& s) { klondike(s, 7, 101, 81.2, 10); };
    b["GLogosVD01Vardelin2"] = [](Scene& s) { klondike(s, 10, 16, 73, 8); };
    b["GLogosVD03Yukon1"] = [](Scene& s) { yukon(s, 7, 119); };
    b["GLogosVD09Yukon2"] = [](Scene& s) { yukon(s, 9, 44); };
    b["GLogosVD02Scorpion1"] = [](Scene& s) { scorpion(s, 7, 119, 75.2); };
    b["GLogosVD10Scorpion2"] = [](Scene& s) { scorpion(s, 10, 16, 73); };
    b["GLogosVD04Spider1"] = [](Scene& s) { spider(s, 1); };
    b["GLogosVD05Spider2"] = [](Scene& s) { spider(s, 2); };
    b["GLogosVD06Spider4"] = [](Scene& s) { spider(s, 4); };
    b["GLogosVD07FreeCell"] = [](Scene& s) {
        for (int i = 1; i <= 4; ++i)
            i == 2 ? s.up(at(44, 76, i), 10) : s.slot(at(44, 76, i), 10);
        for (int i = 1; i <= 4; ++i)
            i == 1 ? s.up(at(418, 76, i), 10, Suit::Hearts) : s.slot(at(418, 76, i), 10);
        for (int i = 1; i <= 8; ++i)
            s.column(at(44, 86, i), 116, 0, i <= 4 ? 7 : 6, 0, 17);
    };
    // Group 2
    b["GLogosTU06Golf1"] = [](Scene& s) {
        s.stock(79, 10);
        s.up(165, 10);
        peakRows(s, 79, 43, 10, 58, false);
    };
    b["GLogosTU07Golf2"] = [](Scene& s) {
        const std::vector<std::vector<int>> rows = {
            {4, 10, 16}, {3, 5, 9, 11, 15, 17}, {2, 4, 6, 8, 10, 12, 14, 16, 18},
            {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}};
        for (int r = 1; r <= 4; ++r)
            for (int c : rows[r - 1])
                r == 4 ? s.up(at(10, 37, c), at(30, 58, r)) : s.down(at(10, 37, c), at(30, 58, r));
        s.stock(10, 330);
        s.up(121, 330);
    };
    b["GLogosTU08Golf3"] = [](Scene& s) {
        s.stock(110, 10);
        s.up(188, 10);
        for (int c = 1; c <= 7; ++c)
            s.column(at(110, 78, c), 116, 4, 1, 29, 29);
    };
    b["GLogosTU09Golf4"] = [](Scene& s) {
        diamondRows(s, 121, 37, 30, 53, false);
        s.stock(26, 348);
        s.up(109, 348);
    };
    b["GLogosTU10Golf5"] = [](Scene& s) {
        // Four layers, each raised a little so the block reads as a heap.
        const int rowsOf[4][4] = {{1, 3, 5, 7}, {2, 4, 6, 0}, {3, 5, 0, 0}, {4, 0, 0, 0}};
        const int colFrom[4] = {1, 2, 3, 4}, colTo[4] = {17, 16, 15, 14};
        for (int l = 0; l < 4; ++l)
            for (int r : rowsOf[l])
                if (r)
                    for (int c = colFrom[l]; c <= colTo[l]; c += 2) {
                        const double x = at(20, 40, c) - 3 * l, y = at(1, 49, r) - 3 * l;
                        l == 3 ? s.up(x, y) : s.down(x, y);
                    }
        s.stock(20, 393);
        s.up(100, 393);
    };
    b["GLogosTU01Tulip"] = [](Scene& s) { tulip(s, 10, 14, 1, QColor(250, 200, 20)); };
    b["GLogosTU02TulipB"] = [](Scene& s) { tulip(s, 10, 14, 14, QColor(60, 110, 235)); };
    b["GLogosTU03Paganini"] = [](Scene& s) { tulip(s, 112, 10, 1, QColor(150, 60, 200)); };
    b["GLogosTU0402"] = [](Scene& s) {
        squareFrame(s, {56, 152, 248, 344, 440, 536, 632}, {20, 141, 262}, false);
    };
    b["GLogosTU05Nap"] = [](Scene& s) {
        squareFrame(s, {142, 221, 300, 379, 458, 537}, {18, 146, 274, 402}, true);
    };
    // Group 3
    b["GLogosPG01PG"] = [](Scene& s) {
        for (int i = 0; i < 8; ++i)
            i < 3 ? s.up(94 + 72 * i, 1) : s.slot(94 + 72 * i, 1);
        for (int r = 0; r < 3; ++r)
            for (int i = 0; i < 8; ++i)
                s.up(94 + 72 * i, 98 + 97 * r);
        for (int i = 0; i < 10; ++i)
            s.up(22 + 72 * i, 389);
        s.stock(678, 98);
        s.panel({672, 321, 84, 60}, QColor(200, 200, 200));
    };
    b["GLogosPG02Desire"] = [](Scene& s) {
        for (int i = 1; i <= 8; ++i) {
            i <= 2 ? s.up(at(89, 73, i), 5) : s.slot(at(89, 73, i), 5);
            s.column(at(89, 73, i), 106, 0, 1 + i % 3, 0, 20);
        }
        s.stock(16, 261, 3);
        for (int i = 1; i <= 10; ++i)
            s.up(at(16, 73, i), 383);
    };
    b["GLogosPG0320"] = [](Scene& s) {
        for (int i = 1; i <= 8; ++i)
            i % 3 == 1 ? s.up(at(82, 75, i), 5) : s.slot(at(82, 75, i), 5);
        for (int r = 0; r < 3; ++r)
            for (int c = 1; c <= 7; ++c)
                s.up(at(120, 75, c), 141 + 108 * r);
    };
    b["GLogosPG04Calc"] = [](Scene& s) {
        s.stock(30, 30, 4);
        s.up(123, 30);
        const Suit fs[] = {Suit::Hearts, Suit::Clubs, Suit::Diamonds, Suit::Spades};
        for (int i = 1; i <= 4; ++i) {
            s.up(at(224, 75, i), 30, fs[i - 1]);
            s.column(at(224, 75, i), 166, 0, 5 - i, 0, 24);
        }
    };
    b["GLogosPG05Sultan"] = [](Scene& s) {
        s.stock(264, 30);
        s.up(426, 30);
        for (double y : {136.0, 242.0, 348.0}) {
            s.up(122, y);
            s.up(568, y);
            for (double x : {264.0, 344.0, 426.0})
                s.up(x, y, (x == 344.0 && y == 242.0) ? Suit::Hearts : Suit::Spades);
        }
    };
    b["GLogosPG06Poz"] = [](Scene& s) {
        for (double y : {10.0, 116.0})
            for (double x : {54.0, 130.0, 560.0, 636.0})
                y == 10.0 ? s.up(x, y) : s.slot(x, y);
        for (int r = 0; r < 4; ++r) {
            s.up(230, 10 + 106 * r);
            s.up(458, 10 + 106 * r);
        }
        for (int i = 0; i < 10; ++i) {
            s.up(306, 10 + 25 * i);
            s.up(382, 10 + 25 * i);
        }
        s.up(344, 260);
        s.stock(54, 328);
        s.up(130, 328);
    };
    b["GLogosPG07Carpet"] = [](Scene& s) {
        for (int r = 0; r < 4; ++r)
            for (int c = 1; c <= 5; ++c)
                s.up(at(192, 76, c), 10 + 101 * r);
        s.up(116, 111, Suit::Hearts);
        s.up(116, 212, Suit::Spades);
        s.up(572, 111, Suit::Diamonds);
        s.slot(572, 212);
        s.stock(15, 313);
        s.up(106, 313);
    };
    b["GLogosPG0815"] = [](Scene& s) {
        for (int i = 1; i <= 8; ++i)
            i <= 3 ? s.up(at(89, 73, i), 10) : s.slot(at(89, 73, i), 10);
        for (int i = 1; i <= 7; ++i)
            s.column(at(124, 73, i), 206, 0, 2 + (i * 5) % 4, 0, 22);
    };
    b["GLogosPG09Sad"] = [](Scene& s) {
        for (int i = 0; i < 4; ++i)
            i == 0 ? s.up(235, 10, Suit::Hearts) : s.slot(235 + 73 * i, 10);
        for (double x : {162.0, 235.0, 308.0, 381.0, 454.0, 527.0})
            s.column(x, 116, 0, 6, 0, 20);
        for (int i = 0; i < 16; ++i)
            s.up(71, 10 + 25 * i);
    };
    b["GLogosPG10Mud"] = [](Scene& s) {
        const double xs[] = {149, 222, 295, 368, 441, 514, 587, 660};
        for (int i = 0; i < 8; ++i) {
            i < 2 ? s.up(xs[i], 10) : s.slot(xs[i], 10);
            s.column(xs[i], 116, 0, 4 + i % 3, 0, 20);
        }
        s.stock(29, 10);
        s.up(29, 116);
    };
    // Group 4
    b["GLogosBO01Book"] = [](Scene& s) {
        for (int k = 0; k < 4; ++k) {
            const double y = 4 + 100 * k;
            s.fanX(184, y, 3, -24);
            s.fanX(405, y, 3, 24);
            s.up(257, y);
            s.up(332, y);
        }
        s.stock(674, 104);
        s.up(674, 212);
        s.panel({138, 408, 385, 85}, QColor(30, 60, 40, 200));
    };
    b["GLogosBO02Pairs"] = [](Scene& s) {
        for (int i = 1; i <= 9; ++i) {
            s.stock(at(52, 75, i), 34, 4, 6);
            s.up(at(52, 75, i) + 24, 10);
        }
        s.stock(52, 394, 5);
    };
    b["GLogosBO03Wish"] = [](Scene& s) {
        for (int i = 1; i <= 9; ++i) {
            s.stock(at(52, 75, i), 28, 3, 6);
            s.up(at(52, 75, i) + 18, 10);
        }
    };
    b["GLogosBO04Monte1"] = [](Scene& s) { monteCarlo(s, false); };
    b["GLogosBO05Monte2"] = [](Scene& s) { monteCarlo(s, true); };
    b["GLogosBO06Pi1"] = [](Scene& s) {
        s.stock(79, 10);
        s.up(165, 10);
        s.slot(595, 10);
        peakRows(s, 79, 43, 10, 58, false);
    };
    b["GLogosBO07Pi2"] = [](Scene& s) {
        s.stock(79, 10);
        s.up(165, 10);
        s.infinity({560, 30, 140, 60});
        peakRows(s, 79, 43, 10, 58, false);
    };
    b["GLogosBO08Pi3"] = [](Scene& s) {
        s.stock(79, 10);
        s.up(165, 10);
        s.slot(595, 10);
        peakRows(s, 79, 43, 10, 58, true);
    };
    b["GLogosBO09Br1"] = [](Scene& s) {
        diamondRows(s, 121, 37, 30, 53, false);
        s.stock(26, 348);
        s.up(109, 348);
        s.infinity({560, 370, 140, 60});
    };
    b["GLogosBO10Br2"] = [](Scene& s) {
        diamondRows(s, 121, 37, 30, 53, true);
        s.stock(26, 348);
        s.up(109, 348);
        s.slot(577, 30);
    };
    // Group 5
    b["GLogosUQ04P"] = [](Scene& s) { crescent(s, false); };
    b["GLogosUQ05PO"] = [](Scene& s) { crescent(s, true); };
    b["GLogosUQ01UQ"] = [](Scene& s) {
        s.panel({15, 10, 200, 350}, QColor(235, 225, 190));
        s.panel({546, 10, 200, 200}, QColor(235, 225, 190));
        s.panel({15, 362, 200, 136}, QColor(40, 40, 60));
        s.panel({230, 10, 302, 200}, QColor(0, 70, 10, 160));
        s.panel({230, 210, 302, 290}, QColor(0, 70, 10, 160));
        for (int i = 0; i < 4; ++i) {
            s.up(240 + 72 * i, 20, static_cast<Suit>(i));
            s.up(240 + 72 * i, 108, static_cast<Suit>(3 - i));
        }
        for (int c = 0; c < 4; ++c)
            s.column(240 + 72 * c, 222, 0, 2 + c % 2, 0, 40);
        s.stock(600, 250, 6);
        for (int r = 0; r < 6; ++r)
            s.panel({35, 30.0 + 54 * r, 160, 40}, QColor(190, 175, 130));
        s.panel({35, 400, 110, 40}, QColor(240, 190, 40));
        s.panel({566, 30, 160, 160}, QColor(200, 185, 140));
    };
    b["GLogosUQ02BAces"] = [](Scene& s) {
        for (int i = 1; i <= 8; ++i)
            i <= 3 ? s.up(at(94, 75, i), 36, static_cast<Suit>(i % 4)) : s.slot(at(94, 75, i), 36);
        for (int c = 1; c <= 6; ++c) {
            s.up(at(94, 75, c), 208);
            s.up(at(94, 75, c), 340);
        }
        s.up(544, 208);
        s.stock(619, 208);
    };
    b["GLogosUQ03Luci"] = [](Scene& s) {
        for (int i = 0; i < 4; ++i)
            i < 2 ? s.up(26 + 149 * i, 1, static_cast<Suit>(i)) : s.slot(26 + 149 * i, 1);
        int n = 0;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5; ++c)
                if (n++ < 18)
                    s.fanX(26 + 149 * c, 98 + 97 * r, 3, 26);
    };
    b["GLogosUQ06AT"] = [](Scene& s) {
        const double xs[] = {89, 162, 235, 308, 381, 454, 527, 600};
        for (int i = 0; i < 8; ++i) {
            i % 3 == 0 ? s.up(xs[i], 10) : s.slot(xs[i], 10);
            s.column(xs[i], 116, 0, 2 + (i * 3) % 4, 0, 22);
        }
        for (int i = 1; i <= 6; ++i)
            s.up(xs[i], 344);
        s.stock(73, 344);
    };
    b["GLogosUQ07Demon"] = [](Scene& s) {
        const double xs[] = {344, 430, 516, 602};
        for (int i = 0; i < 4; ++i) {
            i == 0 ? s.up(xs[i], 10, Suit::Spades) : s.slot(xs[i], 10);
            s.column(xs[i], 116, 0, 1 + i % 3, 0, 22);
        }
        s.column(172, 116, 12, 1, 17);
        s.stock(86, 10);
        s.up(172, 10);
    };
    b["GLogosUQ08Klever"] = [](Scene& s) {
        const double xs[] = {89, 162, 235, 308, 381, 454, 527, 600};
        for (int i = 0; i < 4; ++i)
            i < 2 ? s.up(235 + 73 * i, 2, static_cast<Suit>(i)) : s.slot(235 + 73 * i, 2);
        for (int i = 0; i < 8; ++i) {
            s.column(xs[i], 100, 0, 3, 0, 17);
            s.column(xs[i], 266, 0, 3, 0, 17);
        }
    };
    b["GLogosUQ0940Vorov"] = [](Scene& s) {
        for (int i = 1; i <= 10; ++i) {
            if (i >= 3)
                i <= 4 ? s.up(at(16, 73, i), 2) : s.slot(at(16, 73, i), 2);
            s.column(at(16, 73, i), 100, 0, 4, 0, 20);
        }
        s.stock(8, 2);
        s.up(89, 2);
    };
    b["GLogosUQ10Miss"] = [](Scene& s) {
        for (int i = 1; i <= 10; ++i) {
            if (i >= 3)
                i == 5 ? s.up(at(16, 73, i), 2) : s.slot(at(16, 73, i), 2);
            if (i <= 8)
                s.column(at(16, 73, i), 100, 0, 1 + (i * 7) % 5, 0, 25);
        }
        s.stock(16, 2);
    };
    return b;
}

QImage logoOf(const GameTables::GameInfo& g, const Builder& build)
{
    QImage img = felt(kLogo);
    Scene scene(static_cast<unsigned>(g.number));
    build(scene);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawScene(p, scene, QRectF(9, 9, kLogo - 18, 112));
    drawCaption(p, QRectF(8, 124, kLogo - 16, 44), QString::fromUtf8(g.name));
    return img;
}

QImage background()
{
    // Shows round the logo's rounded corners and wherever a caller scales the logo down.
    QImage img = tools::newImage(kLogo, kLogo, QColor(20, 30, 22));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(kLogo / 2.0, kLogo / 2.0), kLogo * 0.72);
    g.setColorAt(0, QColor(70, 60, 35));
    g.setColorAt(1, QColor(25, 20, 12));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(200, 170, 80, 120), 1));
    for (int i = -kLogo; i < kLogo; i += 9)
        p.drawLine(QPointF(i, 0), QPointF(i + kLogo, kLogo));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        const QHash<QString, Builder> all = builders();
        for (const GameTables::GameInfo& g : GameTables::Games) {
            const QString name = QString::fromLatin1(g.logo);
            if (!all.contains(name))
                throw tools::GenError(QStringLiteral("no drawing for %1").arg(name));
            tools::savePng(logoOf(g, all.value(name)), QStringLiteral("logos/") + name);
        }
        if (all.size() != GameTables::GameCount)
            throw tools::GenError(QStringLiteral("drawings for games that are not in the table"));
        tools::savePng(background(), QStringLiteral("logos/GLogosBG"));

        // The transparent template that smooth resizing starts from.
        QImage free(10, 10, QImage::Format_ARGB32);
        free.fill(QColor(255, 255, 255, 0));
        tools::savePng(free, QStringLiteral("pictures/GFree"));
    });
}
