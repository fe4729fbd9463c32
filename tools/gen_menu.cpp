// Renders the pictures of the intro and the menu screen: the program's logo, the intro
// suit icons, the candelabra and their flame frames, the icon bar, the parchment scroll
// and the two animated menu decorations (GIF, assembled with ImageMagick).
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"
#include "tools/common/Gif.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QTemporaryDir>
#include <QtMath>

namespace {

const QColor kGold(212, 175, 55);
const QColor kDarkGold(140, 105, 20);
const QColor kCream(250, 244, 225);
const QColor kRed(200, 30, 40);
const QColor kInk(25, 25, 35);

QColor suitColor(int suit)
{
    return cardshapes::isRed(suit) ? kRed : kInk;
}

// A small playing card drawn with its suit sign, for the logo and the menu animations.
void drawMiniCard(QPainter& p, const QRectF& r, int suit, const QString& rank)
{
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.width() * 0.1, r.width() * 0.1);
    const double s = r.width() * 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(suitColor(suit));
    p.drawPath(cardshapes::suitPathIn(suit, QRectF(r.center().x() - s / 2, r.center().y() - s / 2 + r.height() * 0.06, s, s)));
    if (!rank.isEmpty()) {
        QFont f = tools::requireFont(QStringLiteral("DejaVu Serif"), qMax(6, int(r.width() * 0.28)), QFont::Bold);
        tools::drawText(p, QRectF(r.x() + r.width() * 0.08, r.y() + 1, r.width() * 0.5, r.height() * 0.3),
                        Qt::AlignLeft | Qt::AlignTop, rank, f, suitColor(suit));
    }
    p.restore();
}

void renderLogo()
{
    QImage img = tools::newImage(64, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(32, 28, 34);
    g.setColorAt(0, QColor(40, 150, 70));
    g.setColorAt(1, QColor(10, 80, 35));
    p.setPen(QPen(kGold, 2.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 2, 60, 60));
    const int suits[3] = {cardshapes::Hearts, cardshapes::Spades, cardshapes::Diamonds};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(32, 50);
        p.rotate(-24 + i * 24);
        drawMiniCard(p, QRectF(-10, -36, 20, 28), suits[i], QString());
        p.restore();
    }
    QFont f = tools::requireFont(QStringLiteral("DejaVu Serif"), 22, QFont::Bold);
    QPainterPath v;
    v.addText(0, 0, f, QStringLiteral("V"));
    const QRectF b = v.boundingRect();
    v.translate(32 - b.center().x(), 54 - b.bottom() + 2);
    p.setPen(QPen(kDarkGold, 1.2));
    p.setBrush(kGold);
    p.drawPath(v);
    p.end();
    tools::savePng(img, QStringLiteral("menu/Logo"));
}

// The four pictures of the intro: a suit sign standing on a gold bar, 60 x 70.
void renderIntroIcons()
{
    for (int i = 0; i < 4; ++i) {
        QImage img = tools::newImage(60, 70);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient bar(0, 56, 0, 68);
        bar.setColorAt(0, QColor(255, 228, 120));
        bar.setColorAt(0.5, kGold);
        bar.setColorAt(1, kDarkGold);
        p.setPen(QPen(kDarkGold, 1));
        p.setBrush(bar);
        p.drawRoundedRect(QRectF(4, 56, 52, 12), 3, 3);
        // Order of the intro: heart, diamond, spade, club.
        const int suit = (i < 2) ? i : (i == 2 ? cardshapes::Spades : cardshapes::Clubs);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
        p.setBrush(suitColor(suit));
        p.drawPath(cardshapes::suitPathIn(suit, QRectF(10, 8, 40, 46)));
        p.end();
        tools::savePng(img, QStringLiteral("menu/Intro%1").arg(i));
    }
}

// One flame frame, 15 x 35: a flickering teardrop whose tip sways with the frame.
void renderFlames()
{
    for (int n = 0; n < 14; ++n) {
        QImage img = tools::newImage(15, 35);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const double phase = n * 2 * M_PI / 14;
        const double sway = 2.2 * qSin(phase);
        const double height = 24 + 3 * qSin(phase * 2 + 1);
        const double baseY = 34;
        auto flame = [&](double scale, const QColor& c) {
            QPainterPath f;
            const double h = height * scale, w = 6.5 * scale;
            f.moveTo(7.5 + sway * scale, baseY - h);
            f.cubicTo(7.5 + w, baseY - h * 0.45, 7.5 + w, baseY - 2, 7.5, baseY - 1);
            f.cubicTo(7.5 - w, baseY - 2, 7.5 - w, baseY - h * 0.45, 7.5 + sway * scale, baseY - h);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPath(f);
        };
        flame(1.0, QColor(255, 120, 20, 210));
        flame(0.72, QColor(255, 200, 40, 235));
        flame(0.42, QColor(255, 250, 200, 255));
        p.end();
        tools::savePng(img, QStringLiteral("menu/Fire%1").arg(n + 1, 2, 10, QLatin1Char('0')));
    }
}

// A brass candelabrum with three white candles, 100 x 200. The wicks sit under the flame
// places (4, 6), (42, 23) and (81, 6) of a 15 x 35 flame.
void renderCandles()
{
    QImage img = tools::newImage(100, 200);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient brass(0, 0, 100, 0);
    brass.setColorAt(0, kDarkGold);
    brass.setColorAt(0.45, QColor(255, 225, 130));
    brass.setColorAt(1, kDarkGold);
    p.setPen(QPen(QColor(110, 80, 15), 1));
    p.setBrush(brass);
    // Base, stem and arms.
    p.drawRoundedRect(QRectF(28, 186, 44, 10), 4, 4);
    p.drawRect(QRectF(46, 110, 8, 78));
    p.drawEllipse(QRectF(40, 140, 20, 12));
    QPainterPath arms;
    arms.moveTo(11.5, 96);
    arms.cubicTo(11.5, 130, 45, 128, 50, 118);
    arms.cubicTo(55, 128, 88.5, 130, 88.5, 96);
    QPen armPen(brass, 5, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(arms, armPen);
    // Candle cups and candles.
    const double wickX[3] = {11.5, 49.5, 88.5};
    const double topY[3] = {41, 58, 41};
    for (int i = 0; i < 3; ++i) {
        const double cupY = (i == 1) ? 112 : 92;
        p.setBrush(brass);
        p.drawRoundedRect(QRectF(wickX[i] - 10, cupY, 20, 7), 3, 3);
        QLinearGradient wax(wickX[i] - 6, 0, wickX[i] + 6, 0);
        wax.setColorAt(0, QColor(225, 220, 205));
        wax.setColorAt(0.4, QColor(255, 253, 245));
        wax.setColorAt(1, QColor(200, 195, 180));
        p.setPen(QPen(QColor(170, 165, 150), 0.8));
        p.setBrush(wax);
        p.drawRoundedRect(QRectF(wickX[i] - 6, topY[i] + 1, 12, cupY - topY[i] - 1), 2, 2);
        p.setPen(QPen(QColor(40, 30, 20), 1.2));
        p.drawLine(QPointF(wickX[i], topY[i] + 1), QPointF(wickX[i], topY[i] - 2));
        p.setPen(QPen(QColor(110, 80, 15), 1));
    }
    p.end();
    tools::savePng(img, QStringLiteral("menu/Candles"));
}

QImage iconCanvas(int size = 48)
{
    return tools::newImage(size, size);
}

void roundBadge(QPainter& p, const QColor& c1, const QColor& c2)
{
    QRadialGradient g(20, 16, 30);
    g.setColorAt(0, c1);
    g.setColorAt(1, c2);
    p.setPen(QPen(QColor(255, 255, 255, 220), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 42, 42));
}

void renderIcons()
{
    {   // Download of the phone edition: a phone with a downward arrow.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(120, 200, 120), QColor(30, 110, 50));
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(20, 60, 30));
        p.drawRoundedRect(QRectF(16, 10, 16, 28), 3, 3);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(24, 15), QPointF(24, 30));
        p.drawLine(QPointF(19, 25), QPointF(24, 30));
        p.drawLine(QPointF(29, 25), QPointF(24, 30));
        p.end();
        tools::savePng(img, QStringLiteral("menu/Android"));
    }
    {   // Account: a head and shoulders.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(150, 180, 240), QColor(40, 70, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(QRectF(17, 11, 14, 14));
        QPainterPath body;
        body.moveTo(11, 40);
        body.cubicTo(11, 26, 37, 26, 37, 40);
        body.closeSubpath();
        p.drawPath(body);
        p.end();
        tools::savePng(img, QStringLiteral("menu/Account48"));
    }
    {   // Help: a question mark.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(255, 220, 120), QColor(190, 120, 10));
        tools::drawText(p, QRectF(3, 3, 42, 42), Qt::AlignCenter, QStringLiteral("?"),
                        tools::requireFont(QStringLiteral("DejaVu Serif"), 30, QFont::Bold), Qt::white);
        p.end();
        tools::savePng(img, QStringLiteral("menu/Help48"));
    }
    {   // Store link: a shopping bag with a card on it.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(240, 160, 200), QColor(150, 40, 90));
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(18, 9, 12, 12), 0, 180 * 16);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawRoundedRect(QRectF(12, 16, 24, 22), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawPath(cardshapes::suitPathIn(cardshapes::Hearts, QRectF(18, 21, 12, 12)));
        p.end();
        tools::savePng(img, QStringLiteral("menu/GPlay"));
    }
    {   // Statistics: a bar chart.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(170, 230, 230), QColor(20, 120, 130));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const double h[4] = {10, 18, 14, 24};
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(12 + i * 6.5, 36 - h[i], 5, h[i]));
        p.end();
        tools::savePng(img, QStringLiteral("menu/Stat48"));
    }
    {   // Chat: two speech bubbles.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        roundBadge(p, QColor(250, 200, 150), QColor(200, 90, 20));
        p.setPen(QPen(QColor(120, 50, 10), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(9, 11, 22, 15), 6, 6);
        p.setBrush(QColor(255, 240, 200));
        p.drawRoundedRect(QRectF(18, 22, 22, 15), 6, 6);
        p.end();
        tools::savePng(img, QStringLiteral("menu/GChat048"));
    }
    {   // World top ten: a globe.
        QImage img = iconCanvas();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sea(19, 17, 28);
        sea.setColorAt(0, QColor(120, 190, 255));
        sea.setColorAt(1, QColor(20, 70, 170));
        p.setPen(QPen(QColor(255, 255, 255, 220), 2));
        p.setBrush(sea);
        p.drawEllipse(QRectF(3, 3, 42, 42));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 170, 80));
        QPainterPath land;
        land.moveTo(12, 14);
        land.cubicTo(20, 8, 26, 14, 22, 20);
        land.cubicTo(18, 26, 24, 30, 20, 38);
        land.cubicTo(12, 34, 8, 22, 12, 14);
        land.moveTo(28, 12);
        land.cubicTo(36, 12, 42, 20, 38, 28);
        land.cubicTo(34, 24, 30, 22, 28, 12);
        p.drawPath(land);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(14, 3, 20, 42));
        p.drawLine(QPointF(4, 24), QPointF(44, 24));
        p.end();
        tools::savePng(img, QStringLiteral("menu/Earth48"));
    }
    const struct { const char* name; QColor light, dark; } lamps[] = {
        {"LampR24", QColor(255, 150, 150), QColor(190, 0, 0)},
        {"LampY24", QColor(255, 250, 170), QColor(220, 170, 0)},
        {"LampG24", QColor(170, 255, 170), QColor(0, 150, 30)},
    };
    for (const auto& l : lamps) {
        QImage img = iconCanvas(24);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(9, 8, 13);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.3, l.light);
        g.setColorAt(1, l.dark);
        p.setPen(QPen(QColor(40, 40, 40), 1.2));
        p.setBrush(g);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.end();
        tools::savePng(img, QStringLiteral("menu/%1").arg(QLatin1String(l.name)));
    }
}

// A parchment scroll, 300 x 375, on which dialogs write their texts.
void renderScroll()
{
    QImage img = tools::newImage(300, 375);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 300, 0);
    paper.setColorAt(0, QColor(226, 204, 160));
    paper.setColorAt(0.15, QColor(246, 232, 200));
    paper.setColorAt(0.85, QColor(246, 232, 200));
    paper.setColorAt(1, QColor(226, 204, 160));
    p.setPen(QPen(QColor(150, 115, 60), 1.5));
    p.setBrush(paper);
    p.drawRect(QRectF(22, 24, 256, 327));
    // Faint fibres so the paper does not look flat.
    p.setPen(QPen(QColor(200, 170, 120, 60), 1));
    for (int i = 0; i < 40; ++i) {
        const double y = 30 + (i * 37) % 315;
        const double x = 30 + (i * 53) % 200;
        p.drawLine(QPointF(x, y), QPointF(x + 20 + (i % 5) * 6, y + (i % 3) - 1));
    }
    auto roll = [&](double y) {
        QLinearGradient r(0, y - 14, 0, y + 14);
        r.setColorAt(0, QColor(205, 175, 120));
        r.setColorAt(0.45, QColor(252, 240, 210));
        r.setColorAt(1, QColor(170, 135, 80));
        p.setPen(QPen(QColor(130, 95, 45), 1.5));
        p.setBrush(r);
        p.drawRoundedRect(QRectF(8, y - 14, 284, 28), 13, 13);
        p.setBrush(QColor(150, 110, 50));
        p.drawEllipse(QRectF(2, y - 9, 14, 18));
        p.drawEllipse(QRectF(284, y - 9, 14, 18));
    };
    roll(22);
    roll(353);
    p.end();
    tools::savePng(img, QStringLiteral("menu/Svitok"));
}

// Left decoration: a fan of four aces opening and closing. Right: a card turning over
// to show each suit in turn. Both 160 x 200, transparent around the cards.
void renderMenuAnimations()
{
    const QColor table(Qt::transparent);
    const QColor felt(14, 107, 36);
    QList<QImage> left, right;
    const int frames = 24;
    for (int n = 0; n < frames; ++n) {
        QImage img(160, 200, QImage::Format_ARGB32);
        img.fill(table);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const double open = 0.5 - 0.5 * qCos(n * 2 * M_PI / frames);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(80, 170);
            p.rotate((i - 1.5) * (5 + 11 * open));
            drawMiniCard(p, QRectF(-30, -130, 60, 84), i, QStringLiteral("A"));
            p.restore();
        }
        p.end();
        left << tools::toGifFrame(img, felt);
    }
    for (int n = 0; n < frames; ++n) {
        QImage img(160, 200, QImage::Format_ARGB32);
        img.fill(table);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const int perSuit = frames / 4;
        const int suit = n / perSuit;
        const double t = double(n % perSuit) / perSuit;   // 0..1 one turn
        const double w = qAbs(qCos(t * M_PI)) * 84;
        const QRectF card(80 - w / 2, 40, qMax(2.0, w), 120);
        if (t < 0.5) {
            drawMiniCard(p, card, suit, w > 30 ? QStringLiteral("A") : QString());
        } else {
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(30, 60, 150));
            p.drawRoundedRect(card, 6, 6);
            p.setPen(QPen(QColor(200, 210, 255), 1));
            p.drawRoundedRect(card.adjusted(4, 4, -4, -4), 4, 4);
        }
        p.end();
        right << tools::toGifFrame(img, felt);
    }
    tools::saveGif(left, 8, QStringLiteral("menu/GMenuL"), true);
    tools::saveGif(right, 8, QStringLiteral("menu/GMenuR"), true);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        renderLogo();
        renderIntroIcons();
        renderFlames();
        renderCandles();
        renderIcons();
        renderScroll();
        renderMenuAnimations();
    });
}
