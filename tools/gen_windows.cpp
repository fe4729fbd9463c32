// Renders the pictures of the small windows into resources/windows/: the end-of-game
// window (flag, caption, three result animations, the currency pictures), the champions
// list (icon, caption, trophy animation), the about box (icon, emblem, plaques, the
// portrait of the card king) and the dedication window (night picture and candles).
// Animations are GIFs assembled with ImageMagick.
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"
#include "tools/common/Gif.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QtMath>

namespace {

const QColor kFace(240, 240, 240);
const QColor kGold(212, 175, 55);
const QColor kDarkGold(140, 105, 20);
const QColor kLightGold(255, 236, 150);
const QColor kRed(200, 30, 40);
const QColor kInk(25, 25, 35);

QColor suitColor(int suit)
{
    return cardshapes::isRed(suit) ? kRed : kInk;
}

QFont serif(int px, int weight = QFont::Bold)
{
    return tools::requireFont(QStringLiteral("Noto Serif"), px, weight);
}

QImage canvas(int w, int h)
{
    return tools::newImage(w, h);
}

void star(QPainter& p, QPointF c, double r, const QColor& col)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2) ? r * 0.42 : r;
        const QPointF pt(c.x() + rr * qCos(a), c.y() + rr * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(path);
}

// A gold cup with two handles on a foot, filling roughly `r`.
void trophy(QPainter& p, const QRectF& r, const QColor& body, const QColor& dark)
{
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    QLinearGradient g(x, 0, x + w, 0);
    g.setColorAt(0, dark);
    g.setColorAt(0.35, body.lighter(140));
    g.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), qMax(1.0, w / 60)));
    p.setBrush(Qt::NoBrush);
    // handles
    p.setPen(QPen(dark, qMax(2.0, w / 14)));
    p.drawArc(QRectF(x, y + h * 0.08, w * 0.34, h * 0.36), 90 * 16, 180 * 16);
    p.drawArc(QRectF(x + w * 0.66, y + h * 0.08, w * 0.34, h * 0.36), -90 * 16, 180 * 16);
    p.setPen(QPen(dark.darker(130), qMax(1.0, w / 60)));
    p.setBrush(g);
    QPainterPath cup;
    cup.moveTo(x + w * 0.15, y);
    cup.lineTo(x + w * 0.85, y);
    cup.cubicTo(x + w * 0.85, y + h * 0.45, x + w * 0.62, y + h * 0.58, x + w * 0.55, y + h * 0.62);
    cup.lineTo(x + w * 0.55, y + h * 0.78);
    cup.lineTo(x + w * 0.45, y + h * 0.78);
    cup.lineTo(x + w * 0.45, y + h * 0.62);
    cup.cubicTo(x + w * 0.38, y + h * 0.58, x + w * 0.15, y + h * 0.45, x + w * 0.15, y);
    cup.closeSubpath();
    p.drawPath(cup);
    p.drawRoundedRect(QRectF(x + w * 0.28, y + h * 0.78, w * 0.44, h * 0.1), 2, 2);
    p.setBrush(dark.darker(150));
    p.drawRect(QRectF(x + w * 0.22, y + h * 0.88, w * 0.56, h * 0.12));
}

void divider()
{
    QImage img = canvas(260, 6);
    QPainter p(&img);
    QLinearGradient g(0, 0, 260, 0);
    g.setColorAt(0, QColor(140, 105, 20, 0));
    g.setColorAt(0.15, kDarkGold);
    g.setColorAt(0.5, kLightGold);
    g.setColorAt(0.85, kDarkGold);
    g.setColorAt(1, QColor(140, 105, 20, 0));
    p.fillRect(QRectF(0, 1, 260, 4), g);
    p.fillRect(QRectF(0, 2, 260, 1), QColor(255, 255, 255, 120));
    p.end();
    tools::savePng(img, QStringLiteral("windows/GDivider260"));
}

void finishFlag()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 3));
    p.drawLine(QPointF(8, 4), QPointF(8, 46));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) {
            const double wave = 2 * qSin(col * 0.9);
            p.fillRect(QRectF(10 + col * 6, 5 + row * 6 + wave, 6, 6), ((row + col) % 2) ? Qt::white : Qt::black);
        }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 5, 36, 26));
    p.end();
    tools::savePng(img, QStringLiteral("windows/FlagF"));
}

// A word plate: gold letters with a dark outline, centred.
void wordPicture(const QString& text, int w, int h, const QString& rel)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int px = tools::fitPixelSize(QStringLiteral("Noto Serif Display"), QFont::Bold, text, QSizeF(w - 8, h - 6), 40);
    QFont f = tools::requireFont(QStringLiteral("Noto Serif Display"), px, QFont::Bold);
    f.setItalic(true);
    tools::requireGlyphs(f, text);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    path.translate((w - b.width()) / 2 - b.x(), (h - b.height()) / 2 - b.y());
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, kLightGold);
    g.setColorAt(0.55, kGold);
    g.setColorAt(1, kDarkGold);
    p.setPen(QPen(QColor(80, 40, 10), 1.6));
    p.setBrush(g);
    p.drawPath(path);
    p.end();
    tools::savePng(img, rel);
}

// The three result animations, 120 x 150, 24 frames: frame 15 is where a placed
// result comes to rest, so it is a complete picture.
void resultAnimations()
{
    const int n = 24;
    QList<QImage> best, good, bads;
    for (int i = 0; i < n; ++i) {
        const double t = double(qMin(i, 15)) / 15.0; // rises until frame 15, then holds
        {
            QImage img = canvas(120, 150);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const double s = 0.55 + 0.45 * t;
            trophy(p, QRectF(60 - 45 * s, 140 - 120 * s, 90 * s, 120 * s), kGold, kDarkGold);
            for (int k = 0; k < 6; ++k) {
                const double a = k * M_PI / 3 + i * 0.35;
                const double r = 30 + 22 * t;
                star(p, QPointF(60 + r * qCos(a), 62 + r * 0.8 * qSin(a)), 4 + 3 * t, kLightGold);
            }
            p.setPen(QPen(kRed, 1));
            QFont f = serif(int(10 + 16 * t));
            tools::drawText(p, QRectF(0, 140 - 120 * s + 6 * s, 120, 40 * s), Qt::AlignCenter, QStringLiteral("1"), f, kRed.darker(120));
            p.end();
            best << tools::toGifFrame(img, kFace);
        }
        {
            QImage img = canvas(120, 150);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const double drop = (1 - t) * 60;
            const double swing = (1 - t) * 18 * qSin(i * 0.9);
            // ribbon
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 70, 170));
            QPolygonF ribbon;
            ribbon << QPointF(42 + swing / 3, 0) << QPointF(56 + swing / 3, 0) << QPointF(60 + swing, 70 - drop / 2)
                   << QPointF(48 + swing, 70 - drop / 2);
            p.drawPolygon(ribbon);
            p.setBrush(QColor(200, 40, 40));
            QPolygonF ribbon2;
            ribbon2 << QPointF(64 - swing / 3, 0) << QPointF(78 - swing / 3, 0) << QPointF(72 + swing, 70 - drop / 2)
                    << QPointF(60 + swing, 70 - drop / 2);
            p.drawPolygon(ribbon2);
            QRadialGradient g(QPointF(52 + swing, 95 - drop / 2), 40);
            g.setColorAt(0, QColor(250, 250, 255));
            g.setColorAt(0.7, QColor(175, 180, 190));
            g.setColorAt(1, QColor(110, 115, 125));
            p.setPen(QPen(QColor(90, 90, 100), 2));
            p.setBrush(g);
            p.drawEllipse(QPointF(60 + swing, 100 - drop / 2), 36, 36);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(120, 120, 130), 1.5));
            p.drawEllipse(QPointF(60 + swing, 100 - drop / 2), 28, 28);
            star(p, QPointF(60 + swing, 100 - drop / 2), 20, QColor(140, 145, 155));
            if (i >= 15)
                star(p, QPointF(30 + (i - 15) * 7, 50 + 10 * qSin(i)), 5, kLightGold);
            p.end();
            good << tools::toGifFrame(img, kFace);
        }
        {
            // A rain cloud over a lone card: it rains in every frame.
            QImage img = canvas(120, 150);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.save();
            p.translate(60, 118);
            p.rotate(-8);
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(-22, -30, 44, 60), 4, 4);
            p.setPen(Qt::NoPen);
            p.setBrush(suitColor(3));
            p.drawPath(cardshapes::suitPathIn(3, QRectF(-12, -12, 24, 24)));
            p.restore();
            p.setPen(QPen(QColor(70, 110, 200), 2, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 7; ++k) {
                const double x = 24 + k * 12;
                const double y = 52 + std::fmod(i * 6.0 + k * 13.0, 36.0);
                p.drawLine(QPointF(x, y), QPointF(x - 2, y + 7));
            }
            p.setPen(QPen(QColor(90, 95, 110), 1.5));
            p.setBrush(QColor(150, 155, 170));
            const double dx = 3 * qSin(i * M_PI / 12);
            p.drawEllipse(QRectF(14 + dx, 22, 44, 30));
            p.drawEllipse(QRectF(38 + dx, 10, 48, 40));
            p.drawEllipse(QRectF(66 + dx, 24, 40, 28));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(30 + dx, 34, 60, 17));
            p.end();
            bads << tools::toGifFrame(img, kFace);
        }
    }
    tools::saveGif(best, 8, QStringLiteral("windows/GFiBest"));
    tools::saveGif(good, 8, QStringLiteral("windows/GFiGood"));
    tools::saveGif(bads, 10, QStringLiteral("windows/GFiBads"));
}

void coin(QPainter& p, const QRectF& r)
{
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.4);
    g.setColorAt(0, kLightGold);
    g.setColorAt(0.6, kGold);
    g.setColorAt(1, kDarkGold);
    p.setPen(QPen(QColor(110, 80, 10), 1.5));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.drawEllipse(r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12));
}

void currencyPictures()
{
    {
        // A heap of coins in the lower left; the medallion is laid over its right side.
        QImage img = canvas(128, 128);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < 7; ++k)
            coin(p, QRectF(6 + k * 3, 104 - k * 9, 52, 18));
        for (int k = 0; k < 4; ++k)
            coin(p, QRectF(30 + k * 2, 108 - k * 9, 52, 18));
        coin(p, QRectF(0, 110, 40, 14));
        p.end();
        tools::savePng(img, QStringLiteral("windows/GQyvs128"));
    }
    {
        QImage img = canvas(128, 128);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        coin(p, QRectF(4, 4, 120, 120));
        p.setPen(Qt::NoPen);
        for (int s = 0; s < 4; ++s) {
            const double a = -M_PI / 2 + s * M_PI / 2;
            p.setBrush(QColor(150, 110, 20, 150));
            p.drawPath(cardshapes::suitPathIn(s, QRectF(64 + 46 * qCos(a) - 7, 64 + 46 * qSin(a) - 7, 14, 14)));
        }
        p.end();
        tools::savePng(img, QStringLiteral("windows/GQyvsT128"));
    }
}

void topTenPictures()
{
    {
        QImage img = canvas(48, 48);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        trophy(p, QRectF(6, 3, 36, 42), kGold, kDarkGold);
        tools::drawText(p, QRectF(6, 5, 36, 18), Qt::AlignCenter, QStringLiteral("10"), serif(12), QColor(120, 20, 20));
        p.end();
        tools::savePng(img, QStringLiteral("windows/Top10"));
    }
    // A trophy between two laurel branches with sparkles circling it.
    QList<QImage> frames;
    const int n = 24;
    for (int i = 0; i < n; ++i) {
        QImage img = canvas(270, 120);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int side = -1; side <= 1; side += 2) {
            p.setPen(QPen(QColor(40, 110, 40), 2));
            p.setBrush(QColor(60, 150, 60));
            for (int k = 0; k < 7; ++k) {
                const double a = M_PI * (0.55 + k * 0.09);
                const QPointF c(135 + side * (30 + 40 * qSin(a)), 105 + 60 * qCos(a));
                p.save();
                p.translate(c);
                p.rotate(side * (k * 14 - 20));
                p.drawEllipse(QRectF(-5, -11, 10, 22));
                p.restore();
            }
        }
        trophy(p, QRectF(105, 10, 60, 100), kGold, kDarkGold);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5 + i * 2 * M_PI / n;
            const double r = 8 * (0.5 + 0.5 * qSin(i * 0.7 + k));
            star(p, QPointF(135 + 95 * qCos(a), 58 + 40 * qSin(a)), 3 + r / 2, kLightGold.darker(105));
        }
        p.end();
        frames << tools::toGifFrame(img, kFace);
    }
    tools::saveGif(frames, 8, QStringLiteral("windows/GTopTen"));
}

// A program icon: a fan of three cards on a green round tile.
void programIcon()
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(20, 18), 34);
    g.setColorAt(0, QColor(40, 150, 70));
    g.setColorAt(1, QColor(10, 80, 30));
    p.setPen(QPen(kDarkGold, 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(24, 40);
        p.rotate((k - 1) * 18);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-9, -32, 18, 26), 2, 2);
        p.setPen(Qt::NoPen);
        const int suit = k == 1 ? 0 : (k == 0 ? 3 : 1);
        p.setBrush(suitColor(suit));
        p.drawPath(cardshapes::suitPathIn(suit, QRectF(-5, -25, 10, 10)));
        p.restore();
    }
    p.end();
    tools::savePng(img, QStringLiteral("windows/GICON"));
}

// The emblem behind the logo in the about box: a gold-rimmed shield, 90 x 90.
void emblem()
{
    QImage img = canvas(90, 90);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(6, 4);
    shield.lineTo(84, 4);
    shield.lineTo(84, 46);
    shield.cubicTo(84, 66, 62, 80, 45, 88);
    shield.cubicTo(28, 80, 6, 66, 6, 46);
    shield.closeSubpath();
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, QColor(30, 60, 140));
    g.setColorAt(1, QColor(10, 25, 70));
    p.setPen(QPen(kGold, 3));
    p.setBrush(g);
    p.drawPath(shield);
    p.end();
    tools::savePng(img, QStringLiteral("windows/GForQyv"));
}

// Rounded plaques in a colour, with a lighter top and a thin gold rim.
void plaque(const QColor& c, int w, int h, const QString& rel)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(140));
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 3.0, h / 3.0);
    p.end();
    tools::savePng(img, rel);
}

void aboutPlaques()
{
    const QColor red(150, 30, 30), yellow(170, 130, 20), blue(30, 60, 150), green(30, 110, 50);
    // Dark text stands on these: pale shades of the colours.
    plaque(QColor(236, 160, 160), 154, 26, QStringLiteral("windows/GAbout1R"));
    plaque(QColor(240, 215, 120), 154, 26, QStringLiteral("windows/GAbout1Y"));
    plaque(QColor(160, 185, 240), 154, 26, QStringLiteral("windows/GAbout1B"));
    // Behind a heading (white) and its line (dark): the top half carries the colour,
    // the bottom half fades to a pale field the dark line reads on.
    auto two = [](const QColor& c, const QString& rel) {
        const int w = 344, h = 54;
        QImage img = canvas(w, h);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, c.lighter(140));
        g.setColorAt(0.5, c);
        g.setColorAt(0.56, QColor(250, 244, 225));
        g.setColorAt(1, QColor(235, 225, 195));
        p.setPen(QPen(kGold, 1.5));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 10, 10);
        p.end();
        tools::savePng(img, rel);
    };
    two(red, QStringLiteral("windows/GAbout2R"));
    two(yellow, QStringLiteral("windows/GAbout2Y"));
    two(green, QStringLiteral("windows/GAbout2G"));
    two(blue, QStringLiteral("windows/GAbout2B"));
    plaque(QColor(200, 160, 40), 256, 126, QStringLiteral("windows/GServerInfoY2"));
}

// The portrait of the about box: the king of hearts of the program's own deck, an
// invented figure, 170 x 210.
void portrait()
{
    QImage img = canvas(170, 210);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(252, 250, 242));
    p.drawRoundedRect(QRectF(8, 6, 154, 198), 10, 10);
    // robe
    QPainterPath robe;
    robe.moveTo(30, 200);
    robe.cubicTo(30, 150, 55, 132, 85, 130);
    robe.cubicTo(115, 132, 140, 150, 140, 200);
    robe.closeSubpath();
    p.setPen(QPen(QColor(90, 20, 20), 1.5));
    p.setBrush(QColor(170, 30, 40));
    p.drawPath(robe);
    p.setBrush(QColor(240, 230, 200));
    p.drawRect(QRectF(78, 132, 14, 68));
    // face and beard
    p.setBrush(QColor(245, 205, 170));
    p.setPen(QPen(QColor(120, 80, 50), 1.2));
    p.drawEllipse(QRectF(60, 62, 50, 58));
    p.setBrush(QColor(230, 225, 215));
    QPainterPath beard;
    beard.moveTo(60, 95);
    beard.cubicTo(62, 140, 108, 140, 110, 95);
    beard.cubicTo(100, 108, 70, 108, 60, 95);
    p.drawPath(beard);
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(76, 86), 2.5, 2.5);
    p.drawEllipse(QPointF(94, 86), 2.5, 2.5);
    // crown
    QLinearGradient g(0, 30, 0, 68);
    g.setColorAt(0, kLightGold);
    g.setColorAt(1, kDarkGold);
    QPainterPath crown;
    crown.moveTo(58, 68);
    crown.lineTo(56, 38);
    crown.lineTo(70, 52);
    crown.lineTo(85, 30);
    crown.lineTo(100, 52);
    crown.lineTo(114, 38);
    crown.lineTo(112, 68);
    crown.closeSubpath();
    p.setPen(QPen(QColor(110, 80, 10), 1.2));
    p.setBrush(g);
    p.drawPath(crown);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(85, 58), 4, 4);
    // corner indices
    QFont f = serif(20);
    for (int c = 0; c < 2; ++c) {
        p.save();
        if (c == 1) {
            p.translate(170, 210);
            p.rotate(180);
        }
        tools::drawText(p, QRectF(14, 10, 30, 24), Qt::AlignCenter, QStringLiteral("K"), f, kRed);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawPath(cardshapes::suitPathIn(0, QRectF(19, 34, 20, 20)));
        p.restore();
    }
    p.end();
    tools::savePng(img, QStringLiteral("windows/Pelk"));
}

// The dedication window's picture: an evening sky over a table with a fanned hand of
// cards, room below for the text and a row of candles in the middle.
void dedicationPicture()
{
    QImage img(360, 500, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 360);
    sky.setColorAt(0, QColor(14, 20, 60));
    sky.setColorAt(0.6, QColor(60, 50, 110));
    sky.setColorAt(1, QColor(190, 120, 90));
    p.fillRect(QRectF(0, 0, 360, 360), sky);
    for (int k = 0; k < 40; ++k) {
        const double x = std::fmod(k * 97.3, 360.0), y = std::fmod(k * 53.7, 190.0);
        star(p, QPointF(x, y), 1 + (k % 3), QColor(255, 250, 220, 200));
    }
    QPainterPath moon, bite;
    moon.addEllipse(QPointF(292, 62), 26, 26);
    bite.addEllipse(QPointF(280, 54), 24, 24);
    p.setBrush(QColor(255, 248, 220));
    p.setPen(Qt::NoPen);
    p.drawPath(moon.subtracted(bite));
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.translate(180, 205);
        p.rotate((k - 2) * 14);
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-26, -110, 52, 74), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(suitColor(k % 4));
        p.drawPath(cardshapes::suitPathIn(k % 4, QRectF(-12, -86, 24, 24)));
        p.restore();
    }
    // table edge and the cream field of the text
    QLinearGradient wood(0, 340, 0, 400);
    wood.setColorAt(0, QColor(120, 70, 30));
    wood.setColorAt(1, QColor(70, 40, 15));
    p.fillRect(QRectF(0, 340, 360, 60), wood);
    p.fillRect(QRectF(0, 400, 360, 100), QColor(250, 244, 225));
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 404, 354, 92), 8, 8);
    p.end();
    tools::savePng(img, QStringLiteral("windows/GPapaPicture"));
}

// Three candle sizes (26 x 70, 39 x 100, 52 x 130) whose flames flicker.
void candles()
{
    const QColor under(120, 70, 30);
    struct Size {
        int w, h;
        const char* name;
    };
    for (const Size s : {Size{26, 70, "GifMama070"}, Size{39, 100, "GifMama100"}, Size{52, 130, "GifMama130"}}) {
        QList<QImage> frames;
        for (int i = 0; i < 12; ++i) {
            QImage img = canvas(s.w, s.h);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const double w = s.w, h = s.h;
            const double flameH = h * 0.26 * (0.85 + 0.15 * qSin(i * M_PI / 3));
            const double sway = w * 0.06 * qSin(i * M_PI / 6 * 2 + 1);
            const double top = h * 0.34;
            QRadialGradient glow(QPointF(w / 2, top - flameH * 0.4), w * 0.5);
            glow.setColorAt(0, QColor(255, 230, 150, 160));
            glow.setColorAt(1, QColor(255, 230, 150, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(QPointF(w / 2, top - flameH * 0.4), w * 0.5, w * 0.5);
            QLinearGradient wax(0, 0, w, 0);
            wax.setColorAt(0, QColor(220, 210, 190));
            wax.setColorAt(0.4, QColor(255, 252, 240));
            wax.setColorAt(1, QColor(200, 190, 170));
            p.setPen(QPen(QColor(150, 140, 120), 1));
            p.setBrush(wax);
            p.drawRoundedRect(QRectF(w * 0.22, top, w * 0.56, h - top - 1), 2, 2);
            p.setPen(QPen(QColor(40, 30, 20), qMax(1.0, w / 26)));
            p.drawLine(QPointF(w / 2, top), QPointF(w / 2, top - h * 0.03));
            QPainterPath flame;
            const double fb = top - h * 0.02;
            flame.moveTo(w / 2, fb);
            flame.cubicTo(w * 0.22, fb - flameH * 0.3, w / 2 + sway, fb - flameH * 0.7, w / 2 + sway, fb - flameH);
            flame.cubicTo(w / 2 + sway, fb - flameH * 0.7, w * 0.78, fb - flameH * 0.3, w / 2, fb);
            QRadialGradient fg(QPointF(w / 2, fb - flameH * 0.3), flameH * 0.7);
            fg.setColorAt(0, QColor(255, 255, 220));
            fg.setColorAt(0.5, QColor(255, 200, 60));
            fg.setColorAt(1, QColor(230, 90, 20));
            p.setPen(Qt::NoPen);
            p.setBrush(fg);
            p.drawPath(flame);
            p.end();
            frames << tools::toGifFrame(img, under);
        }
        tools::saveGif(frames, 10, QStringLiteral("windows/") + QLatin1String(s.name));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        divider();
        finishFlag();
        wordPicture(QStringLiteral("Game Over"), 241, 48, QStringLiteral("windows/GGameOverCap"));
        wordPicture(QStringLiteral("Top Ten"), 159, 48, QStringLiteral("windows/GTopTenCap"));
        resultAnimations();
        currencyPictures();
        topTenPictures();
        programIcon();
        emblem();
        aboutPlaques();
        portrait();
        dedicationPicture();
        candles();
    });
}
