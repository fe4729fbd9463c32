// Renders the options dialog's pictures into resources/options/: the header icon
// "Options" (a gear before two cards), the caption word "GOptionsCap" (the same in every
// language, in the gold lettering of the other dialogs' captions) and the animation
// "GOptions" (a hand of four cards fanning open and closed around a turning gear; it
// stands still on frame 26 when animations are off, so that frame shows the open fan).
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"
#include "tools/common/Gif.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

using namespace cardshapes;

const QColor kFace(240, 240, 240); // the dialog's face colour the GIF stands on

QPainterPath gearPath(QPointF c, double outer, double inner, int teeth, double turn)
{
    QPainterPath g;
    for (int k = 0; k < teeth * 4; ++k) {
        const double a = turn + k * M_PI / (teeth * 2);
        const double r = (k % 4 == 0 || k % 4 == 1) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (k == 0)
            g.moveTo(pt);
        else
            g.lineTo(pt);
    }
    g.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, inner * 0.38, inner * 0.38);
    return g.subtracted(hole);
}

void drawGear(QPainter& p, QPointF c, double outer, double turn)
{
    const QPainterPath g = gearPath(c, outer, outer * 0.78, 10, turn);
    QRadialGradient shade(c - QPointF(outer * 0.3, outer * 0.35), outer * 1.4);
    shade.setColorAt(0, QColor(0xff, 0xf1, 0xb8));
    shade.setColorAt(0.5, QColor(0xe2, 0xb0, 0x34));
    shade.setColorAt(1, QColor(0x8a, 0x5c, 0x0c));
    p.setPen(QPen(QColor(0x4a, 0x30, 0x08), std::max(1.0, outer / 14)));
    p.setBrush(shade);
    p.drawPath(g);
}

// A small card with a corner index and a large sign.
void drawCard(QPainter& p, QRectF r, const QString& rank, int suit, const QFont& font)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    QLinearGradient paper(r.topLeft(), r.bottomLeft());
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xf2, 0xee, 0xe4));
    p.setBrush(paper);
    p.drawRoundedRect(r, r.width() * 0.1, r.width() * 0.1);
    const QColor ink = suitInk(suit);
    tools::drawText(p, QRectF(r.left() + 2, r.top() + 2, r.width() * 0.3, r.height() * 0.2), Qt::AlignCenter, rank,
                    font, ink);
    fillSuit(p, suit, QPointF(r.left() + 2 + r.width() * 0.15, r.top() + r.height() * 0.3), r.width() * 0.17, false, ink);
    fillSuit(p, suit, r.center() + QPointF(0, r.height() * 0.06), r.width() * 0.5, false, ink);
}

void renderIcon()
{
    QImage img = tools::newImage(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 7, QFont::Bold);
    p.save();
    p.translate(20, 26);
    p.rotate(-14);
    drawCard(p, QRectF(-14, -19, 24, 34), QStringLiteral("K"), Spades, f);
    p.restore();
    p.save();
    p.translate(27, 24);
    p.rotate(9);
    drawCard(p, QRectF(-11, -19, 24, 34), QStringLiteral("A"), Hearts, f);
    p.restore();
    drawGear(p, QPointF(33, 33), 13, 0.2);
    p.end();
    tools::savePng(img, QStringLiteral("options/Options"));
}

void renderCaption()
{
    tools::savePng(tools::goldCaption(QStringLiteral("Options"), 180, 48), QStringLiteral("options/GOptionsCap"));
}

void renderAnimation()
{
    const int w = 140, h = 200, n = 40;
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
    const QString ranks[4] = {QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"), QStringLiteral("A")};
    const int suits[4] = {Hearts, Diamonds, Clubs, Spades};
    QList<QImage> frames;
    for (int i = 0; i < n; ++i) {
        // Closed at frame 6, fully open from frame 18 to 32, then closing again.
        double open;
        if (i < 6)
            open = 0;
        else if (i < 18)
            open = 0.5 - 0.5 * std::cos((i - 6) / 12.0 * M_PI);
        else if (i <= 32)
            open = 1;
        else
            open = 0.5 + 0.5 * std::cos((i - 32) / 8.0 * M_PI);
        QImage img = tools::newImage(w, h);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF pivot(70, 142);
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(pivot);
            p.rotate((k - 1.5) * 17 * open);
            drawCard(p, QRectF(-26, -100, 52, 74), ranks[k], suits[k], f);
            p.restore();
        }
        drawGear(p, QPointF(70, 146), 27, i * 2 * M_PI / n / 2.5);
        p.end();
        frames << tools::toGifFrame(img, kFace);
    }
    tools::saveGif(frames, 8, QStringLiteral("options/GOptions"), true);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        renderIcon();
        renderCaption();
        renderAnimation();
    });
}
