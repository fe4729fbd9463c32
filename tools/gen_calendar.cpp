// Renders the calendar library "QyvCalendar01.dll": the page, the twelve zodiac signs,
// the twelve animals of the year and one picture for every holiday of the calendar's
// table, packed into a binary resource bundle.
//
//   gen_calendar <resources folder> <library file> <rcc program>
//   gen_calendar <resources folder> --sheet <png>   (all pictures on one sheet, to review)
//
// The library is made by the build beside the program (target calendar_library), so
// a run with the resources folder alone, as generate_resources does, writes nothing.
#include "foundation/Calendar.h"
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QSet>
#include <QTemporaryDir>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

constexpr int kPageW = 60, kPageH = 100;
constexpr int kSignSize = 26;            // the zodiac sign at 17, 65
constexpr int kPicW = 54, kPicH = 70;    // the other pictures at 3, 27

const QColor kGold(218, 170, 40);
const QColor kDarkGold(150, 105, 15);
const QColor kPaper(255, 252, 242);
const QColor kBinding(176, 28, 38);

using Painter = std::function<void(QPainter&)>;

QImage render(int w, int h, const Painter& paint)
{
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    p.end();
    return img;
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double turn = -90)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = qDegreesToRadians(turn + i * 180.0 / points);
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF& r)
{
    return cardshapes::suitPathIn(cardshapes::Hearts, r);
}

// ---------------------------------------------------------------- the page and signs

QImage basePage()
{
    return render(kPageW, kPageH, [](QPainter& p) {
        // Shadow, paper, the red binding strip and two rings.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRoundedRect(QRectF(2.5, 5.5, 57, 94), 4, 4);
        QLinearGradient paper(0, 0, 0, kPageH);
        paper.setColorAt(0, kPaper);
        paper.setColorAt(1, QColor(238, 232, 214));
        p.setBrush(paper);
        p.setPen(QPen(QColor(150, 140, 120), 1));
        p.drawRoundedRect(QRectF(0.5, 3.5, 57, 94), 4, 4);
        QLinearGradient band(0, 4, 0, 19);
        band.setColorAt(0, kBinding.lighter(125));
        band.setColorAt(1, kBinding.darker(120));
        p.setBrush(band);
        p.setPen(Qt::NoPen);
        QPainterPath strip;
        strip.addRoundedRect(QRectF(1, 4, 56, 15), 3.5, 3.5);
        strip.addRect(QRectF(1, 12, 56, 7));
        p.drawPath(strip.simplified());
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.drawLine(QPointF(4, 17.5), QPointF(54, 17.5));
        // The paper's edge again, over the strip's corners.
        p.setPen(QPen(QColor(150, 140, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.5, 3.5, 57, 94), 4, 4);
        for (double x : {15.0, 43.0}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 20, 20));
            p.drawEllipse(QPointF(x, 11), 2.2, 2.2);
            p.setPen(QPen(QColor(120, 120, 130), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(x - 3, 0.5, 6, 12), 0, 180 * 16);
            p.setPen(QPen(QColor(230, 230, 240), 0.8));
            p.drawArc(QRectF(x - 3, 0.5, 6, 12), 60 * 16, 60 * 16);
        }
    });
}

QImage zodiacSign(int sign)
{
    // Fire, earth, air and water in turn from Aries.
    static const QColor element[4] = {QColor(214, 72, 36), QColor(70, 140, 60), QColor(60, 150, 210), QColor(40, 70, 170)};
    const QColor c = element[sign % 4];
    const QString glyph(QChar(0x2648 + sign));
    return render(kSignSize, kSignSize, [&](QPainter& p) {
        QRadialGradient g(QPointF(10, 9), 15);
        g.setColorAt(0, c.lighter(150));
        g.setColorAt(1, c.darker(115));
        p.setBrush(g);
        p.setPen(QPen(kGold, 1.6));
        p.drawEllipse(QRectF(1.5, 1.5, 23, 23));
        const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
        tools::drawText(p, QRectF(0, 0, kSignSize, kSignSize - 1), Qt::AlignCenter, glyph, f, Qt::white);
    });
}

// The animal of the year: a red medallion with the animal's character and a tassel.
QImage yearAnimal(const QString& character)
{
    return render(kPicW, kPicH, [&](QPainter& p) {
        const QPointF c(27, 27);
        p.setPen(QPen(kDarkGold, 1.2));
        p.drawLine(QPointF(27, 0), QPointF(27, 3));
        p.drawLine(QPointF(27, 51), QPointF(27, 56));
        // Tassel.
        QPainterPath tassel;
        tassel.moveTo(24, 56);
        tassel.lineTo(30, 56);
        tassel.lineTo(33, 69);
        tassel.lineTo(21, 69);
        tassel.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawPath(tassel);
        p.setPen(QPen(QColor(150, 15, 15), 0.8));
        for (double x = 23; x <= 31; x += 2)
            p.drawLine(QPointF(x + (x - 27) * 0.2, 58), QPointF(x + (x - 27) * 0.5, 69));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawRoundedRect(QRectF(23, 53.5, 8, 4), 1.5, 1.5);
        // Medallion.
        QRadialGradient g(QPointF(21, 20), 30);
        g.setColorAt(0, QColor(236, 60, 50));
        g.setColorAt(1, QColor(150, 12, 18));
        p.setBrush(g);
        p.setPen(QPen(kGold, 2.4));
        p.drawEllipse(c, 24, 24);
        p.setPen(QPen(kGold, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 20, 20);
        for (int i = 0; i < 8; ++i) {
            const double a = qDegreesToRadians(i * 45.0 + 22.5);
            p.setBrush(kGold);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(c.x() + 22 * std::cos(a), c.y() + 22 * std::sin(a)), 0.9, 0.9);
        }
        const QFont f = tools::requireFont(QStringLiteral("Noto Sans CJK SC"), 26, QFont::Bold);
        tools::requireGlyphs(f, character);
        QPainterPath text = tools::fittedText(character, f, QRectF(12, 12, 30, 30));
        p.setPen(QPen(kDarkGold.darker(140), 1.2));
        p.setBrush(QColor(255, 214, 90));
        p.drawPath(text);
    });
}

// ---------------------------------------------------------------- flags

// A flag of 44 x 28 drawn by `field`, waved and hung on a pole.
QImage flagOnPole(const Painter& field)
{
    const int fw = 44, fh = 28;
    QImage flat = render(fw, fh, field);
    return render(kPicW, kPicH, [&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // Pole with a golden knob.
        QLinearGradient pole(5, 0, 9, 0);
        pole.setColorAt(0, QColor(120, 90, 60));
        pole.setColorAt(1, QColor(70, 45, 25));
        p.setPen(Qt::NoPen);
        p.setBrush(pole);
        p.drawRect(QRectF(5.5, 6, 3, 63));
        QRadialGradient knob(QPointF(6, 3), 4);
        knob.setColorAt(0, QColor(255, 240, 160));
        knob.setColorAt(1, kDarkGold);
        p.setBrush(knob);
        p.drawEllipse(QPointF(7, 4.5), 3.2, 3.2);
        // The cloth, one column at a time on a gentle wave, shaded along the folds.
        for (int x = 0; x < fw; ++x) {
            const double phase = x / double(fw) * 2.2 * M_PI;
            const double dy = 2.2 * std::sin(phase) * (x / double(fw));
            p.drawImage(QRectF(9 + x, 8 + dy, 1, fh), flat, QRectF(x, 0, 1, fh));
            const double shade = std::cos(phase);
            p.fillRect(QRectF(9 + x, 8 + dy, 1, fh), shade > 0 ? QColor(255, 255, 255, int(45 * shade)) : QColor(0, 0, 0, int(-50 * shade)));
        }
    });
}

void stripesH(QPainter& p, int w, int h, const QList<QColor>& colors, const QList<double>& weights = {})
{
    double total = 0;
    for (int i = 0; i < colors.size(); ++i)
        total += weights.isEmpty() ? 1 : weights[i];
    double y = 0;
    for (int i = 0; i < colors.size(); ++i) {
        const double hh = h * (weights.isEmpty() ? 1 : weights[i]) / total;
        p.fillRect(QRectF(0, y, w, hh + 0.5), colors[i]);
        y += hh;
    }
}

QImage flagRussia()
{
    return flagOnPole([](QPainter& p) { stripesH(p, 44, 28, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)}); });
}

QImage flagGermany()
{
    return flagOnPole([](QPainter& p) { stripesH(p, 44, 28, {QColor(20, 20, 20), QColor(221, 0, 0), QColor(255, 206, 0)}); });
}

QImage flagSpain()
{
    return flagOnPole([](QPainter& p) {
        stripesH(p, 44, 28, {QColor(198, 11, 30), QColor(255, 196, 0), QColor(198, 11, 30)}, {1, 2, 1});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 21, 27));
        p.drawRoundedRect(QRectF(11, 10, 6, 8), 1.5, 1.5);
    });
}

QImage flagFrance()
{
    return flagOnPole([](QPainter& p) {
        p.fillRect(QRectF(0, 0, 15, 28), QColor(0, 35, 149));
        p.fillRect(QRectF(15, 0, 14, 28), Qt::white);
        p.fillRect(QRectF(29, 0, 15, 28), QColor(237, 41, 57));
    });
}

QImage flagUsa()
{
    return flagOnPole([](QPainter& p) {
        const double sh = 28.0 / 13;
        for (int i = 0; i < 13; ++i)
            p.fillRect(QRectF(0, i * sh, 44, sh + 0.3), i % 2 == 0 ? QColor(178, 34, 52) : Qt::white);
        p.fillRect(QRectF(0, 0, 19, 7 * sh), QColor(60, 59, 110));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 5 - r % 2; ++c)
                p.drawEllipse(QPointF(2.2 + c * 3.6 + (r % 2) * 1.8, 2.0 + r * 3.5), 0.8, 0.8);
    });
}

QImage flagUk()
{
    return flagOnPole([](QPainter& p) {
        p.fillRect(QRectF(0, 0, 44, 28), QColor(1, 33, 105));
        p.setPen(QPen(Qt::white, 6));
        p.drawLine(QPointF(0, 0), QPointF(44, 28));
        p.drawLine(QPointF(44, 0), QPointF(0, 28));
        p.setPen(QPen(QColor(200, 16, 46), 2));
        p.drawLine(QPointF(0, 0), QPointF(44, 28));
        p.drawLine(QPointF(44, 0), QPointF(0, 28));
        p.fillRect(QRectF(18, 0, 8, 28), Qt::white);
        p.fillRect(QRectF(0, 10, 44, 8), Qt::white);
        p.fillRect(QRectF(19.5, 0, 5, 28), QColor(200, 16, 46));
        p.fillRect(QRectF(0, 11.5, 44, 5), QColor(200, 16, 46));
    });
}

// ---------------------------------------------------------------- holiday pictures

QImage newYearTree()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 70, 40));
        p.drawRect(QRectF(24, 58, 6, 9));
        const QColor greens[3] = {QColor(30, 120, 60), QColor(36, 138, 70), QColor(44, 156, 80)};
        const double tiers[3][3] = {{60, 24, 26}, {44, 19, 20}, {30, 14, 15}}; // base y, half width, height
        for (int i = 0; i < 3; ++i) {
            QPainterPath t;
            t.moveTo(27, tiers[i][0] - tiers[i][2]);
            t.lineTo(27 + tiers[i][1], tiers[i][0]);
            t.quadTo(27, tiers[i][0] - 4, 27 - tiers[i][1], tiers[i][0]);
            t.closeSubpath();
            p.setBrush(greens[i]);
            p.drawPath(t);
        }
        const QColor balls[4] = {QColor(230, 40, 40), QColor(250, 200, 40), QColor(60, 120, 230), QColor(230, 80, 200)};
        const QPointF at[7] = {{20, 53}, {34, 50}, {27, 40}, {18, 38}, {36, 36}, {24, 27}, {31, 23}};
        for (int i = 0; i < 7; ++i) {
            QRadialGradient g(at[i] - QPointF(0.8, 0.8), 2.8);
            g.setColorAt(0, Qt::white);
            g.setColorAt(0.3, balls[i % 4]);
            g.setColorAt(1, balls[i % 4].darker(140));
            p.setBrush(g);
            p.drawEllipse(at[i], 2.4, 2.4);
        }
        p.setBrush(QColor(255, 215, 0));
        p.setPen(QPen(kDarkGold, 0.8));
        p.drawPath(starPath(QPointF(27, 8), 7, 3, 5));
    });
}

QImage openBook()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // A school bell above an open book.
        QPainterPath bell;
        bell.moveTo(21, 28);
        bell.cubicTo(21, 14, 24, 8, 27, 8);
        bell.cubicTo(30, 8, 33, 14, 33, 28);
        bell.lineTo(35, 31);
        bell.lineTo(19, 31);
        bell.closeSubpath();
        QLinearGradient g(19, 0, 35, 0);
        g.setColorAt(0, QColor(255, 230, 120));
        g.setColorAt(0.5, kGold);
        g.setColorAt(1, kDarkGold);
        p.setBrush(g);
        p.setPen(QPen(kDarkGold.darker(130), 0.8));
        p.drawPath(bell);
        p.drawEllipse(QPointF(27, 32.5), 2, 2);
        p.setBrush(QColor(200, 30, 40));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(25.5, 3, 3, 5));
        p.drawEllipse(QPointF(27, 4), 4, 2.2);
        // Book.
        for (int side : {-1, 1}) {
            QPainterPath page;
            page.moveTo(27, 44);
            page.quadTo(27 + side * 12, 38, 27 + side * 25, 42);
            page.lineTo(27 + side * 25, 64);
            page.quadTo(27 + side * 12, 60, 27, 66);
            page.closeSubpath();
            p.setBrush(QColor(40, 80, 160));
            p.setPen(Qt::NoPen);
            p.drawPath(page.translated(0, 2));
            p.setBrush(QColor(252, 250, 240));
            p.setPen(QPen(QColor(120, 120, 120), 0.8));
            p.drawPath(page);
            p.setPen(QPen(QColor(150, 150, 170), 0.7));
            for (int i = 0; i < 5; ++i) {
                const double y = 47 + i * 3.6;
                p.drawLine(QPointF(27 + side * 4, y + 0.5), QPointF(27 + side * 21, y - 1.5 + i * 0.1));
            }
        }
    });
}

QImage orderStar()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // A ribbon block above a red star with a golden rim and rays.
        QPainterPath ribbon;
        ribbon.addRect(QRectF(15, 2, 24, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 40));
        p.drawPath(ribbon);
        p.fillRect(QRectF(22, 2, 10, 16), QColor(240, 240, 240));
        p.fillRect(QRectF(25, 2, 4, 16), QColor(200, 30, 40));
        p.setPen(QPen(kDarkGold, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(15, 2, 24, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawRect(QRectF(25, 18, 4, 6));
        const QPointF c(27, 44);
        for (int i = 0; i < 40; ++i) {
            const double a = qDegreesToRadians(i * 9.0);
            const double r = i % 2 == 0 ? 23 : 19;
            QPainterPath ray;
            ray.moveTo(c);
            ray.lineTo(c.x() + r * std::cos(a - 0.05), c.y() + r * std::sin(a - 0.05));
            ray.lineTo(c.x() + r * std::cos(a + 0.05), c.y() + r * std::sin(a + 0.05));
            ray.closeSubpath();
            p.setBrush(i % 2 == 0 ? QColor(230, 230, 235) : QColor(180, 180, 190));
            p.drawPath(ray);
        }
        p.setBrush(kGold);
        p.setPen(QPen(kDarkGold, 1));
        p.drawPath(starPath(c, 19, 8, 5));
        QRadialGradient g(c - QPointF(3, 4), 16);
        g.setColorAt(0, QColor(255, 90, 80));
        g.setColorAt(1, QColor(170, 10, 20));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawPath(starPath(c, 16, 6.5, 5));
        p.setBrush(kGold);
        p.drawEllipse(c, 4, 4);
    });
}

QImage stGeorgeRibbon()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // A looped ribbon; its stripes run along it, so the path is stroked from wide to narrow.
        QPainterPath path;
        path.moveTo(12, 66);
        path.cubicTo(22, 48, 36, 30, 38, 18);
        path.cubicTo(40, 6, 24, 2, 20, 12);
        path.cubicTo(16, 22, 30, 40, 43, 66);
        const QColor orange(240, 140, 0), black(25, 20, 20);
        const double widths[5] = {13, 10.4, 7.8, 5.2, 2.6};
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(i % 2 == 0 ? black : orange, widths[i], Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
            p.drawPath(path);
        }
    });
}

QImage heartPicture()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        QRadialGradient g(QPointF(19, 24), 30);
        g.setColorAt(0, QColor(255, 110, 130));
        g.setColorAt(1, QColor(190, 10, 40));
        p.setBrush(g);
        p.setPen(QPen(QColor(140, 0, 30), 1));
        p.drawPath(heartPath(QRectF(4, 14, 46, 44)));
        p.setBrush(QColor(255, 160, 180));
        p.setPen(QPen(QColor(200, 40, 80), 0.8));
        p.drawPath(heartPath(QRectF(36, 4, 15, 14)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(15, 24), 4, 3);
        // An arrow through the heart.
        p.setPen(QPen(QColor(120, 80, 30), 1.8));
        p.drawLine(QPointF(2, 52), QPointF(50, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 80, 30));
        QPainterPath tip;
        tip.moveTo(52, 21);
        tip.lineTo(45, 22);
        tip.lineTo(49, 27);
        tip.closeSubpath();
        p.drawPath(tip);
    });
}

QImage womensDay()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // A large eight with a sprig of yellow blossom.
        const QFont f = tools::requireFont(QStringLiteral("DejaVu Serif"), 56, QFont::Bold);
        QPainterPath eight = tools::fittedText(QStringLiteral("8"), f, QRectF(2, 6, 38, 62));
        QLinearGradient g(0, 6, 0, 68);
        g.setColorAt(0, QColor(240, 80, 170));
        g.setColorAt(1, QColor(160, 20, 110));
        p.setBrush(g);
        p.setPen(QPen(QColor(110, 0, 70), 1));
        p.drawPath(eight);
        p.setPen(QPen(QColor(60, 130, 50), 1.6));
        p.drawLine(QPointF(36, 68), QPointF(46, 22));
        p.drawLine(QPointF(41, 46), QPointF(50, 38));
        p.setPen(Qt::NoPen);
        const QPointF blossoms[] = {{46, 20}, {49, 24}, {43, 24}, {47, 28}, {51, 36}, {48, 40}, {52, 41}, {44, 30}};
        for (const QPointF& b : blossoms) {
            p.setBrush(QColor(255, 220, 40));
            p.drawEllipse(b, 2.6, 2.6);
            p.setBrush(QColor(255, 245, 150));
            p.drawEllipse(b - QPointF(0.6, 0.6), 1, 1);
        }
    });
}

QImage shamrock()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        const QPointF c(27, 32);
        p.setPen(QPen(QColor(30, 110, 40), 3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath stem;
        stem.moveTo(c);
        stem.quadTo(30, 52, 38, 66);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 120.0);
            QRadialGradient g(QPointF(0, -12), 14);
            g.setColorAt(0, QColor(110, 200, 90));
            g.setColorAt(1, QColor(20, 120, 40));
            p.setBrush(g);
            p.setPen(QPen(QColor(10, 80, 25), 0.8));
            // A heart with its point at the centre.
            QTransform t;
            t.rotate(180);
            p.drawPath(t.map(heartPath(QRectF(-10, 1, 20, 20))));
            p.restore();
        }
    });
}

QImage laughingFace()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        const QPointF c(27, 42);
        // Jester's cap.
        const QColor capColors[2] = {QColor(200, 30, 60), QColor(40, 90, 200)};
        for (int i = 0; i < 2; ++i) {
            QPainterPath cap;
            const double side = i == 0 ? -1 : 1;
            cap.moveTo(c.x(), 24);
            cap.quadTo(c.x() + side * 8, 8, c.x() + side * 24, 10);
            cap.quadTo(c.x() + side * 14, 16, c.x() + side * 18, 28);
            cap.closeSubpath();
            p.setBrush(capColors[i]);
            p.setPen(QPen(capColors[i].darker(150), 0.8));
            p.drawPath(cap);
            p.setBrush(QColor(255, 215, 0));
            p.drawEllipse(QPointF(c.x() + side * 24, 10), 2.6, 2.6);
        }
        QRadialGradient g(c - QPointF(5, 6), 24);
        g.setColorAt(0, QColor(255, 240, 120));
        g.setColorAt(1, QColor(240, 180, 20));
        p.setBrush(g);
        p.setPen(QPen(QColor(180, 120, 0), 1));
        p.drawEllipse(c, 19, 19);
        p.setPen(QPen(QColor(60, 40, 10), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(16, 34, 8, 7), 20 * 16, 140 * 16);   // squinting eye
        p.drawLine(QPointF(31, 37), QPointF(37, 36));          // winking eye
        p.setBrush(QColor(140, 30, 30));
        QPainterPath mouth;
        mouth.moveTo(17, 45);
        mouth.quadTo(27, 47, 37, 45);
        mouth.quadTo(27, 62, 17, 45);
        p.setPen(QPen(QColor(60, 40, 10), 1));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 100, 110));
        p.drawEllipse(QPointF(27, 53), 4, 2.5);
    });
}

QImage tulips()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        const struct {
            double x, top;
            QColor c;
        } flowers[] = {{14, 24, QColor(230, 40, 50)}, {27, 14, QColor(250, 200, 30)}, {40, 22, QColor(240, 110, 170)}};
        for (const auto& f : flowers) {
            p.setPen(QPen(QColor(40, 130, 50), 2));
            p.drawLine(QPointF(f.x, f.top + 12), QPointF(27, 68));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 150, 60));
        QPainterPath leaf;
        leaf.moveTo(27, 68);
        leaf.quadTo(12, 56, 8, 40);
        leaf.quadTo(20, 52, 27, 62);
        p.drawPath(leaf);
        p.drawPath(QTransform(-1, 0, 0, 1, 54, 0).map(leaf));
        for (const auto& f : flowers) {
            QPainterPath cup;
            cup.moveTo(f.x - 7, f.top);
            cup.lineTo(f.x - 3.5, f.top + 4);
            cup.lineTo(f.x, f.top - 1);
            cup.lineTo(f.x + 3.5, f.top + 4);
            cup.lineTo(f.x + 7, f.top);
            cup.quadTo(f.x + 8, f.top + 13, f.x, f.top + 14);
            cup.quadTo(f.x - 8, f.top + 13, f.x - 7, f.top);
            QLinearGradient g(f.x - 7, 0, f.x + 7, 0);
            g.setColorAt(0, f.c.lighter(130));
            g.setColorAt(1, f.c.darker(130));
            p.setBrush(g);
            p.setPen(QPen(f.c.darker(160), 0.7));
            p.drawPath(cup);
        }
    });
}

QImage balloonsAndSun()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // Sun with rays.
        p.setPen(QPen(QColor(250, 170, 0), 1.8, Qt::SolidLine, Qt::RoundCap));
        const QPointF sun(15, 14);
        for (int i = 0; i < 12; ++i) {
            const double a = qDegreesToRadians(i * 30.0);
            p.drawLine(sun + QPointF(11 * std::cos(a), 11 * std::sin(a)), sun + QPointF(14 * std::cos(a), 14 * std::sin(a)));
        }
        QRadialGradient s(sun - QPointF(2, 2), 10);
        s.setColorAt(0, QColor(255, 250, 160));
        s.setColorAt(1, QColor(255, 190, 0));
        p.setBrush(s);
        p.setPen(Qt::NoPen);
        p.drawEllipse(sun, 8.5, 8.5);
        p.setBrush(QColor(120, 70, 0));
        p.drawEllipse(QPointF(12, 12), 1.1, 1.1);
        p.drawEllipse(QPointF(18, 12), 1.1, 1.1);
        p.setPen(QPen(QColor(120, 70, 0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(11, 12, 8, 6), 200 * 16, 140 * 16);
        // Balloons on strings.
        const struct {
            QPointF c;
            QColor col;
        } balloons[] = {{{36, 20}, QColor(230, 40, 50)}, {{45, 32}, QColor(40, 110, 230)}, {{28, 36}, QColor(60, 180, 70)}};
        for (const auto& b : balloons) {
            p.setPen(QPen(QColor(90, 90, 90), 0.8));
            QPainterPath str;
            str.moveTo(b.c + QPointF(0, 10));
            str.cubicTo(b.c + QPointF(-3, 18), b.c + QPointF(3, 24), QPointF(33, 68));
            p.drawPath(str);
            QRadialGradient g(b.c - QPointF(3, 3), 10);
            g.setColorAt(0, b.col.lighter(160));
            g.setColorAt(1, b.col.darker(120));
            p.setBrush(g);
            p.setPen(Qt::NoPen);
            p.drawEllipse(b.c, 7.5, 9.5);
            QPainterPath knot;
            knot.moveTo(b.c + QPointF(-1.5, 11));
            knot.lineTo(b.c + QPointF(1.5, 11));
            knot.lineTo(b.c + QPointF(0, 9));
            p.setBrush(b.col.darker(120));
            p.drawPath(knot);
            p.setBrush(QColor(255, 255, 255, 140));
            p.drawEllipse(b.c - QPointF(3, 4), 1.6, 2.4);
        }
    });
}

QImage musicNotes()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // Two beamed notes and a single one in the colours of the French flag.
        auto head = [&](QPointF c, const QColor& col) {
            p.save();
            p.translate(c);
            p.rotate(-22);
            p.setBrush(col);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(0, 0), 6, 4.3);
            p.restore();
        };
        const QColor blue(0, 35, 149), red(237, 41, 57);
        p.setPen(QPen(blue, 2.2));
        p.drawLine(QPointF(18.5, 58), QPointF(18.5, 22));
        p.drawLine(QPointF(42.5, 52), QPointF(42.5, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        QPainterPath beam;
        beam.moveTo(17.4, 22);
        beam.lineTo(43.6, 16);
        beam.lineTo(43.6, 22);
        beam.lineTo(17.4, 28);
        beam.closeSubpath();
        p.drawPath(beam);
        head(QPointF(13.5, 59), blue);
        head(QPointF(37.5, 53), blue);
        // The single note, red, with a flag.
        p.setPen(QPen(red, 2));
        p.drawLine(QPointF(31, 66), QPointF(31, 38));
        p.setBrush(Qt::NoBrush);
        QPainterPath flag;
        flag.moveTo(31, 38);
        flag.cubicTo(35, 42, 40, 44, 37, 52);
        p.drawPath(flag);
        head(QPointF(26.5, 66), red);
        p.setPen(QPen(QColor(180, 180, 190), 1));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(2, 4 + i * 3), QPointF(14, 4 + i * 3));
    });
}

// The whole picture as a night sky, darkest at the top, leaving the pen off.
void nightSky(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient sky(0, 0, 0, kPicH);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, kPicW, kPicH), 5, 5);
}

QImage fireworks()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        nightSky(p, QColor(10, 20, 60), QColor(40, 50, 110));
        const struct {
            QPointF c;
            double r;
            QColor col;
            int rays;
        } bursts[] = {{{18, 20}, 13, QColor(255, 70, 70), 14}, {{38, 34}, 12, QColor(240, 240, 255), 12},
                      {{20, 50}, 10, QColor(90, 160, 255), 12}, {{42, 12}, 7, QColor(255, 210, 60), 10}};
        for (const auto& b : bursts) {
            for (int i = 0; i < b.rays; ++i) {
                const double a = qDegreesToRadians(i * 360.0 / b.rays);
                const QPointF dir(std::cos(a), std::sin(a));
                QLinearGradient g(b.c, b.c + dir * b.r);
                g.setColorAt(0, QColor(b.col.red(), b.col.green(), b.col.blue(), 40));
                g.setColorAt(1, b.col);
                p.setPen(QPen(QBrush(g), 1.3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(b.c + dir * (b.r * 0.25), b.c + dir * b.r);
                p.setPen(Qt::NoPen);
                p.setBrush(b.col.lighter(130));
                p.drawEllipse(b.c + dir * (b.r + 1.5), 0.9, 0.9);
            }
        }
        // The rising trail of the last rocket.
        p.setPen(QPen(QColor(255, 220, 120, 200), 1, Qt::DotLine));
        p.drawLine(QPointF(42, 68), QPointF(42, 20));
    });
}

QImage poppy()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        p.setPen(QPen(QColor(40, 120, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem;
        stem.moveTo(27, 36);
        stem.quadTo(24, 54, 30, 68);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 140, 50));
        QPainterPath leaf;
        leaf.moveTo(27, 58);
        leaf.quadTo(38, 48, 48, 52);
        leaf.quadTo(38, 60, 27, 60);
        p.drawPath(leaf);
        const QPointF c(27, 26);
        for (int i = 0; i < 4; ++i) {
            const double a = qDegreesToRadians(45.0 + i * 90);
            const QPointF pc = c + QPointF(9 * std::cos(a), 9 * std::sin(a));
            QRadialGradient g(pc, 14);
            g.setColorAt(0, QColor(255, 60, 40));
            g.setColorAt(1, QColor(180, 10, 10));
            p.setBrush(g);
            p.drawEllipse(pc, 12, 12);
        }
        p.setBrush(QColor(25, 20, 20));
        p.drawEllipse(c, 5.5, 5.5);
        p.setBrush(QColor(90, 110, 60));
        p.drawEllipse(c, 2.2, 2.2);
    });
}

QImage computer()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // Monitor, stand and keyboard.
        p.setPen(QPen(QColor(60, 60, 70), 1));
        QLinearGradient body(0, 10, 0, 46);
        body.setColorAt(0, QColor(200, 200, 210));
        body.setColorAt(1, QColor(140, 140, 155));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(2, 8, 50, 38), 3, 3);
        p.setBrush(QColor(12, 30, 20));
        p.drawRect(QRectF(5.5, 11.5, 43, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 150, 160));
        p.drawRect(QRectF(23, 46, 8, 6));
        p.drawRoundedRect(QRectF(15, 51, 24, 3), 1.5, 1.5);
        p.setBrush(QColor(225, 225, 232));
        p.setPen(QPen(QColor(90, 90, 100), 0.8));
        QPainterPath kb;
        kb.moveTo(6, 58);
        kb.lineTo(48, 58);
        kb.lineTo(52, 68);
        kb.lineTo(2, 68);
        kb.closeSubpath();
        p.drawPath(kb);
        p.setPen(QPen(QColor(150, 150, 160), 0.7));
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 9; ++k)
                p.drawRect(QRectF(6 + k * 4.7 - r * 1.2 + 0.2, 59.5 + r * 2.8, 3.2, 1.8));
        // Code on the screen.
        const QFont mono = tools::requireFont(QStringLiteral("DejaVu Sans Mono"), 9, QFont::Bold);
        tools::drawText(p, QRectF(7, 12, 40, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("</>"), mono, QColor(90, 255, 120));
        tools::drawText(p, QRectF(7, 25, 40, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("256_"), mono, QColor(90, 255, 120));
    });
}

QImage teaCup()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // A cup of tea with steam and an autumn leaf: a quiet day for the elderly.
        p.setPen(QPen(QColor(180, 180, 190, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            QPainterPath s;
            const double x = 17 + i * 8;
            s.moveTo(x, 34);
            s.cubicTo(x - 4, 28, x + 4, 24, x, 16);
            p.drawPath(s);
        }
        p.setPen(QPen(QColor(150, 60, 40), 1));
        QLinearGradient g(0, 0, 54, 0);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(215, 210, 220));
        p.setBrush(QColor(230, 230, 236));
        p.drawEllipse(QRectF(4, 58, 46, 9));
        p.setBrush(g);
        QPainterPath cup;
        cup.moveTo(9, 38);
        cup.lineTo(43, 38);
        cup.quadTo(42, 60, 26, 62);
        cup.quadTo(10, 60, 9, 38);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(150, 60, 40), 2.2));
        p.drawArc(QRectF(38, 41, 11, 11), -90 * 16, 180 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 30));
        p.drawEllipse(QRectF(10, 36, 32, 5));
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(9.5, 44, 33, 2.5));
        // Maple leaf as a five-pointed star with rounded tips.
        p.setBrush(QColor(230, 110, 20));
        p.setPen(QPen(QColor(170, 60, 10), 0.6));
        p.drawPath(starPath(QPointF(43, 14), 9, 4, 5));
        p.drawLine(QPointF(43, 14), QPointF(44, 25));
    });
}

QImage blackboard()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        p.setPen(QPen(QColor(120, 75, 35), 3));
        p.setBrush(QColor(30, 75, 50));
        p.drawRect(QRectF(3.5, 6.5, 47, 36));
        p.setPen(QPen(QColor(120, 75, 35), 2));
        p.drawLine(QPointF(12, 44), QPointF(8, 62));
        p.drawLine(QPointF(42, 44), QPointF(46, 62));
        const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold);
        tools::drawText(p, QRectF(6, 9, 42, 14), Qt::AlignCenter, QStringLiteral("A B C"), f, QColor(240, 240, 230));
        tools::drawText(p, QRectF(6, 23, 42, 16), Qt::AlignCenter, QStringLiteral("2+2=4"), f, QColor(250, 240, 160));
        // An apple for the teacher.
        QRadialGradient a(QPointF(34, 56), 10);
        a.setColorAt(0, QColor(255, 110, 90));
        a.setColorAt(1, QColor(180, 10, 20));
        p.setBrush(a);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(32, 60), 7, 6.5);
        p.drawEllipse(QPointF(38, 60), 7, 6.5);
        p.setPen(QPen(QColor(90, 60, 20), 1.3));
        p.drawLine(QPointF(35, 54), QPointF(36, 50));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 160, 60));
        p.drawEllipse(QPointF(39.5, 51), 3, 1.5);
    });
}

QImage jackOLantern()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        const QPointF c(27, 42);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 110, 30));
        p.drawRoundedRect(QRectF(25, 18, 5, 9), 1.5, 1.5);
        for (int i = -2; i <= 2; ++i) {
            QRadialGradient g(c + QPointF(i * 6 - 3, -6), 20);
            g.setColorAt(0, QColor(255, 170, 40));
            g.setColorAt(1, QColor(210, 90, 0));
            p.setBrush(g);
            p.setPen(QPen(QColor(160, 70, 0), 0.8));
            const double w = 26 - std::abs(i) * 5;
            p.drawEllipse(QPointF(c.x() + i * 6.5, c.y()), w / 2, 17);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 90));
        QPainterPath eyes;
        eyes.moveTo(15, 39);
        eyes.lineTo(23, 39);
        eyes.lineTo(19, 32);
        eyes.closeSubpath();
        eyes.moveTo(31, 39);
        eyes.lineTo(39, 39);
        eyes.lineTo(35, 32);
        eyes.closeSubpath();
        eyes.moveTo(25, 44);
        eyes.lineTo(29, 44);
        eyes.lineTo(27, 41);
        eyes.closeSubpath();
        p.drawPath(eyes);
        QPainterPath mouth;
        mouth.moveTo(13, 47);
        const double xs[] = {17, 20, 23, 27, 31, 34, 37, 41};
        for (int i = 0; i < 8; ++i)
            mouth.lineTo(xs[i], i % 2 == 0 ? 51 : 47);
        mouth.quadTo(27, 60, 13, 47);
        p.drawPath(mouth);
    });
}

QImage turkey()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        const QPointF c(27, 44);
        const QColor feathers[] = {QColor(200, 50, 30), QColor(240, 150, 30), QColor(250, 210, 60), QColor(150, 90, 40)};
        for (int i = 0; i < 9; ++i) {
            p.save();
            p.translate(c);
            p.rotate(-80 + i * 20);
            p.setBrush(feathers[i % 4]);
            p.setPen(QPen(feathers[i % 4].darker(140), 0.7));
            p.drawEllipse(QPointF(0, -17), 5.5, 14);
            p.restore();
        }
        QRadialGradient body(c - QPointF(3, 3), 16);
        body.setColorAt(0, QColor(170, 110, 60));
        body.setColorAt(1, QColor(100, 55, 25));
        p.setBrush(body);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(27, 50), 12, 13);
        p.setBrush(QColor(130, 80, 40));
        p.drawEllipse(QPointF(27, 32), 6.5, 7);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(25, 30), 2, 2);
        p.drawEllipse(QPointF(30, 30), 2, 2);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(25.3, 30.3), 0.9, 0.9);
        p.drawEllipse(QPointF(29.7, 30.3), 0.9, 0.9);
        p.setBrush(QColor(250, 180, 30));
        QPainterPath beak;
        beak.moveTo(25.5, 33);
        beak.lineTo(29.5, 33);
        beak.lineTo(27.5, 36.5);
        beak.closeSubpath();
        p.drawPath(beak);
        p.setBrush(QColor(220, 30, 40));
        p.drawEllipse(QPointF(29.5, 38), 1.6, 3);
        p.setPen(QPen(QColor(240, 150, 30), 1.5));
        p.drawLine(QPointF(23, 62), QPointF(22, 68));
        p.drawLine(QPointF(31, 62), QPointF(32, 68));
    });
}

QImage easterEggs()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        // Grass, a red egg with a golden band and a blue one with a white zigzag.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 170, 60));
        QPainterPath grass;
        grass.moveTo(0, 68);
        for (int i = 0; i <= 18; ++i)
            grass.lineTo(i * 3.0, i % 2 == 0 ? 56 : 62);
        grass.lineTo(54, 68);
        grass.closeSubpath();
        p.drawPath(grass);
        auto egg = [&](QPointF c, double w, double h, const QColor& col, double tilt, bool zigzag) {
            p.save();
            p.translate(c);
            p.rotate(tilt);
            QPainterPath shape;
            shape.moveTo(0, -h);
            shape.cubicTo(w, -h, w, h * 0.9, 0, h * 0.9);
            shape.cubicTo(-w, h * 0.9, -w, -h, 0, -h);
            QRadialGradient g(QPointF(-w * 0.3, -h * 0.4), h * 1.4);
            g.setColorAt(0, col.lighter(160));
            g.setColorAt(1, col.darker(130));
            p.setBrush(g);
            p.setPen(QPen(col.darker(170), 0.7));
            p.drawPath(shape);
            p.setClipPath(shape);
            if (zigzag) {
                p.setPen(QPen(Qt::white, 1.6));
                QPainterPath z;
                z.moveTo(-w, 0);
                for (int i = 1; i <= 8; ++i)
                    z.lineTo(-w + i * w / 4, i % 2 == 0 ? 0 : -4);
                p.setBrush(Qt::NoBrush);
                p.drawPath(z);
                p.drawPath(z.translated(0, 7));
            } else {
                p.fillRect(QRectF(-w, -2.5, 2 * w, 5), kGold);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                for (int i = -2; i <= 2; ++i)
                    p.drawEllipse(QPointF(i * 4.5, -9), 1.2, 1.2);
            }
            p.restore();
        };
        egg(QPointF(36, 40), 14, 17, QColor(40, 100, 210), 14, true);
        egg(QPointF(19, 46), 14, 17, QColor(210, 30, 30), -12, false);
    });
}

void goldCrossBrush(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kDarkGold);
    p.setBrush(g);
    p.setPen(QPen(kDarkGold.darker(130), 0.8));
}

void halo(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 240, 170, 200));
    g.setColorAt(1, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

QImage orthodoxCross()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        halo(p, QPointF(27, 26), 24);
        QPainterPath cross;
        cross.addRect(QRectF(24.5, 4, 5, 62));
        cross.addRect(QRectF(18, 11, 18, 4));
        cross.addRect(QRectF(11, 21, 32, 5));
        // The slanted foot bar.
        QPainterPath foot;
        foot.moveTo(16, 47);
        foot.lineTo(38, 41);
        foot.lineTo(38, 45.5);
        foot.lineTo(16, 51.5);
        foot.closeSubpath();
        cross.addPath(foot);
        goldCrossBrush(p, QRectF(11, 4, 32, 62));
        p.drawPath(cross.simplified());
    });
}

QImage latinCross()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        halo(p, QPointF(27, 24), 25);
        p.setPen(QPen(QColor(255, 220, 120, 160), 1));
        for (int i = 0; i < 16; ++i) {
            const double a = qDegreesToRadians(i * 22.5);
            p.drawLine(QPointF(27 + 14 * std::cos(a), 24 + 14 * std::sin(a)), QPointF(27 + 25 * std::cos(a), 24 + 25 * std::sin(a)));
        }
        QPainterPath cross;
        cross.addRect(QRectF(24, 6, 6, 60));
        cross.addRect(QRectF(12, 19, 30, 6));
        goldCrossBrush(p, QRectF(12, 6, 30, 60));
        p.drawPath(cross.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(27, 22), 2.2, 2.2);
    });
}

QImage christmasStar()
{
    return render(kPicW, kPicH, [](QPainter& p) {
        nightSky(p, QColor(12, 22, 70), QColor(50, 60, 130));
        // Snowy hill with a small church.
        p.setBrush(QColor(235, 240, 250));
        QPainterPath hill;
        hill.moveTo(0, 60);
        hill.quadTo(27, 50, 54, 60);
        hill.lineTo(54, 65);
        hill.quadTo(54, 70, 49, 70);
        hill.lineTo(5, 70);
        hill.quadTo(0, 70, 0, 65);
        hill.closeSubpath();
        p.drawPath(hill);
        p.setBrush(QColor(120, 70, 50));
        p.drawRect(QRectF(34, 48, 10, 9));
        QPainterPath roof;
        roof.moveTo(32.5, 48.5);
        roof.lineTo(39, 42);
        roof.lineTo(45.5, 48.5);
        roof.closeSubpath();
        p.setBrush(QColor(240, 245, 255));
        p.drawPath(roof);
        p.setBrush(QColor(255, 220, 100));
        p.drawRect(QRectF(37.5, 51, 3, 4));
        // Small stars.
        p.setBrush(QColor(255, 255, 230));
        const QPointF small[] = {{8, 8}, {46, 10}, {12, 40}, {48, 30}, {6, 24}, {40, 4}};
        for (const QPointF& s : small)
            p.drawEllipse(s, 0.9, 0.9);
        // The star with its long lower ray.
        const QPointF c(22, 20);
        halo(p, c, 16);
        QPainterPath star = starPath(c, 10, 2.6, 4, -90);
        QPainterPath tail;
        tail.moveTo(c.x() - 2, c.y());
        tail.lineTo(c.x(), c.y() + 30);
        tail.lineTo(c.x() + 2, c.y());
        tail.closeSubpath();
        p.setBrush(QColor(255, 240, 160));
        p.setPen(QPen(QColor(255, 200, 60), 0.6));
        p.drawPath(star.united(tail));
        p.drawPath(starPath(c, 6, 2, 4, -45));
    });
}

// ---------------------------------------------------------------- the bundle

QMap<QString, QImage> allPictures()
{
    QMap<QString, QImage> pics;
    pics.insert(QStringLiteral("R_BASE"), basePage());
    for (int s = 0; s < 12; ++s)
        pics.insert(QStringLiteral("R_%1").arg(s + 1, 2, 10, QLatin1Char('0')), zodiacSign(s));
    // The animal of each year remainder, with its character.
    const QString animals = QStringLiteral("猴鸡狗猪鼠牛虎兔龙蛇马羊");
    for (int r = 0; r < 12; ++r)
        pics.insert(Calendar::AnimalPictureOf(r), yearAnimal(animals.mid(r, 1)));

    pics.insert(QStringLiteral("R_RUSFLAG"), flagRussia());
    pics.insert(QStringLiteral("R_USAFLAG"), flagUsa());
    pics.insert(QStringLiteral("R_ISPFLAG"), flagSpain());
    pics.insert(QStringLiteral("R_FRAFLAG"), flagFrance());
    pics.insert(QStringLiteral("R_DEUFLAG"), flagGermany());
    pics.insert(QStringLiteral("R_ENGFLAG"), flagUk());
    pics.insert(QStringLiteral("R_NEWYEAR"), newYearTree());
    pics.insert(QStringLiteral("R_RUSZNAN"), openBook());
    pics.insert(QStringLiteral("R_RUSORDN"), orderStar());
    pics.insert(QStringLiteral("R_RUSGEOR"), stGeorgeRibbon());
    pics.insert(QStringLiteral("R_LOVE000"), heartPicture());
    pics.insert(QStringLiteral("R_8MARCH0"), womensDay());
    pics.insert(QStringLiteral("R_USAPATR"), shamrock());
    pics.insert(QStringLiteral("R_1April0"), laughingFace());
    pics.insert(QStringLiteral("R_1May000"), tulips());
    pics.insert(QStringLiteral("R_BABY000"), balloonsAndSun());
    pics.insert(QStringLiteral("R_FRAMUS0"), musicNotes());
    pics.insert(QStringLiteral("R_USA4JUL"), fireworks());
    pics.insert(QStringLiteral("R_WAR0000"), poppy());
    pics.insert(QStringLiteral("R_ALLPROG"), computer());
    pics.insert(QStringLiteral("R_OLD0000"), teaCup());
    pics.insert(QStringLiteral("R_TEACHER"), blackboard());
    pics.insert(QStringLiteral("R_HALLO00"), jackOLantern());
    pics.insert(QStringLiteral("R_USABLAG"), turkey());
    pics.insert(QStringLiteral("R_PASHA00"), easterEggs());
    pics.insert(QStringLiteral("R_PRAKRES"), orthodoxCross());
    pics.insert(QStringLiteral("R_KATKRES"), latinCross());
    pics.insert(QStringLiteral("R_ROGDEST"), christmasStar());
    return pics;
}

// Every picture the calendar page asks for must be in the library.
void checkComplete(const QMap<QString, QImage>& pics)
{
    QSet<QString> needed{QStringLiteral("R_BASE")};
    for (int s = 1; s <= 12; ++s)
        needed << QStringLiteral("R_%1").arg(s, 2, 10, QLatin1Char('0'));
    for (int y = 0; y < 12; ++y)
        needed << Calendar::AnimalPictureOf(y);
    for (int i = 1; i <= Calendar::EntryCount; ++i) {
        QString e;
        Calendar::CalendarEntry(i, e);
        needed << Calendar::SplitEntry(e).Res;
    }
    for (const QString& n : needed)
        if (!pics.contains(n))
            throw tools::GenError(QStringLiteral("no picture drawn for %1").arg(n));
}

void writeLibrary(const QString& libraryPath, const QString& rcc)
{
    const QMap<QString, QImage> pics = allPictures();
    checkComplete(pics);
    QTemporaryDir work;
    if (!work.isValid())
        throw tools::GenError(QStringLiteral("cannot make a temporary folder"));
    QString qrc = QStringLiteral("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource prefix=\"/\">\n");
    for (auto it = pics.cbegin(); it != pics.cend(); ++it) {
        const QString file = it.key() + QStringLiteral(".png");
        if (!it.value().save(work.filePath(file), "PNG"))
            throw tools::GenError(QStringLiteral("cannot write %1").arg(file));
        qrc += QStringLiteral("<file>%1</file>\n").arg(file);
    }
    qrc += QStringLiteral("</qresource></RCC>\n");
    QFile q(work.filePath(QStringLiteral("calendar.qrc")));
    if (!q.open(QIODevice::WriteOnly) || q.write(qrc.toUtf8()) < 0)
        throw tools::GenError(QStringLiteral("cannot write the resource list"));
    q.close();

    // Written beside the target and renamed, so a failed run never leaves half a library.
    const QString partial = libraryPath + QStringLiteral(".part");
    QProcess p;
    p.setWorkingDirectory(work.path());
    p.start(rcc, {QStringLiteral("-binary"), QStringLiteral("calendar.qrc"), QStringLiteral("-o"), partial});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw tools::GenError(QStringLiteral("rcc failed: %1").arg(QString::fromLocal8Bit(p.readAllStandardError())));
    QFile::remove(libraryPath);
    if (!QFile::rename(partial, libraryPath))
        throw tools::GenError(QStringLiteral("cannot write %1").arg(libraryPath));
}

// A sheet of every picture on its page, scaled up, for looking the artwork over.
void writeSheet(const QString& path)
{
    const QMap<QString, QImage> pics = allPictures();
    const QImage base = pics.value(QStringLiteral("R_BASE"));
    const int cols = 12, scale = 2;
    const int rows = int((pics.size() + cols - 1) / cols);
    QImage sheet = tools::newImage(cols * (kPageW + 6) * scale, rows * (kPageH + 6) * scale, QColor(0, 110, 0));
    QPainter p(&sheet);
    p.scale(scale, scale);
    int i = 0;
    for (auto it = pics.cbegin(); it != pics.cend(); ++it, ++i) {
        const QPoint at((i % cols) * (kPageW + 6) + 3, (i / cols) * (kPageH + 6) + 3);
        p.drawImage(at, base);
        if (it.key() == QStringLiteral("R_BASE"))
            continue;
        const bool sign = it.key().size() == 4;
        p.drawImage(at + (sign ? QPoint(17, 65) : QPoint(3, 27)), it.value());
    }
    p.end();
    sheet.save(path);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [argc, argv] {
        if (argc == 4 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--sheet")) {
            writeSheet(QString::fromLocal8Bit(argv[3]));
            return;
        }
        if (argc < 4) {
            std::printf("gen_calendar: the calendar library is made by the build (target calendar_library)\n");
            return;
        }
        writeLibrary(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    });
}
