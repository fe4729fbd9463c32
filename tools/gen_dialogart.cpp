// Renders the animations of the sign-in dialog and the score window, and the program's
// own cursor set:
//   dialogs/GPw1.gif     124 x 36  five password boxes filling with "#", one by one
//   dialogs/GPwL.gif,    30 x 68   a candle on each side of the password boxes, their
//   dialogs/GPwR.gif               flames flickering out of step
//   dialogs/GGenCount.gif 130 x 80 a fan of the four aces opening and closing
//   dialogs/GAboutL.gif, 40 x 80   an ace turning over and back under a sparkle, for
//   dialogs/GAboutR.gif            the about box's lower corners, out of step
//   cursors/CURARROW.png 32 x 32   yellow arrow (one frame)
//   cursors/CURHAND.png  32 x 32   yellow pointing hand, a gleam runs over it
//   cursors/CUREDIT.png  32 x 32   yellow text beam, glowing softly
// Frame 0 of every animation is a complete picture: it is what a stopped animation
// shows. A cursor is a strip of square frames with the text keys "HotSpot" and "Delay",
// the form the cursor loader reads.
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"
#include "tools/common/Gif.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The dialogs' face colour: GIF edges are blended with it.
const QColor kFace(240, 240, 240);
const QColor kInk(0x2a, 0x1a, 0x06);
const QColor kYellow(0xff, 0xd8, 0x1c);
const QColor kYellowLight(0xff, 0xf4, 0xa8);
const QColor kYellowDeep(0xe8, 0xa8, 0x10);

// --- sign-in: password boxes --------------------------------------------------------

// One box of the password row; `fill` 0..1 fades the "#" in, `glow` 0..1 lights the
// frame as the row is complete.
void passwordBox(QPainter& p, const QRectF& r, double fill, double glow)
{
    QLinearGradient frame(r.topLeft(), r.bottomLeft());
    const QColor base = kYellowDeep;
    frame.setColorAt(0, base.lighter(int(130 + 40 * glow)));
    frame.setColorAt(1, base.darker(int(115 - 10 * glow)));
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(frame);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const QRectF inner = r.adjusted(3, 3, -3, -3);
    QLinearGradient white(inner.topLeft(), inner.bottomLeft());
    white.setColorAt(0, QColor(0xf2, 0xf2, 0xf2));
    white.setColorAt(0.3, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawRect(inner);
    if (fill <= 0)
        return;
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 100, QFont::Bold);
    QColor ink(0x20, 0x30, 0x90);
    ink.setAlphaF(std::clamp(fill, 0.0, 1.0));
    p.setBrush(ink);
    const double s = 0.6 + 0.4 * std::min(1.0, fill);
    const QRectF glyph(inner.center().x() - inner.width() * s / 2, inner.center().y() - inner.height() * s / 2,
                       inner.width() * s, inner.height() * s);
    p.drawPath(tools::fittedText(QStringLiteral("#"), f, glyph.adjusted(1, 1, -1, -1)));
}

// A small gold key beside the row, turning a little as the row completes.
void key(QPainter& p, QPointF at, double turnDeg)
{
    p.save();
    p.translate(at);
    p.rotate(turnDeg);
    QLinearGradient g(-8, -6, 8, 6);
    g.setColorAt(0, QColor(0xff, 0xf0, 0x9a));
    g.setColorAt(0.5, QColor(0xe0, 0xb0, 0x30));
    g.setColorAt(1, QColor(0x9a, 0x6a, 0x0c));
    QPainterPath shape;
    shape.addEllipse(QPointF(0, 0), 5.5, 5.5);
    QPainterPath shaft;
    shaft.addRect(QRectF(4, -1.6, 11, 3.2));
    shaft.addRect(QRectF(11, 1.4, 2, 3.5));
    shaft.addRect(QRectF(14, 1.4, 1.8, 2.5));
    shape = shape.united(shaft);
    QPainterPath hole;
    hole.addEllipse(QPointF(-1, 0), 2, 2);
    shape = shape.subtracted(hole);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x08), 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
}

void renderPasswordRow()
{
    // 36 frames: the filled row (frame 0 and a short hold), the boxes cleared, then one
    // "#" after another, the row lighting up when the fifth has come.
    const int n = 36;
    QList<QImage> frames;
    for (int i = 0; i < n; ++i) {
        QImage img = tools::newImage(124, 36);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        double glow = 0;
        std::array<double, 5> fill{};
        if (i < 8) {
            fill.fill(1.0);
            glow = 0.5 + 0.5 * std::cos(i * M_PI / 4); // bright at 0, dims, brightens
        } else {
            const int t = i - 8; // 0..27: four frames per box, then a rest
            for (int b = 0; b < 5; ++b)
                fill[b] = std::clamp((t - 2 - 4.0 * b) / 2.0, 0.0, 1.0);
            if (t >= 22)
                glow = (t - 22) / 5.0;
        }
        for (int b = 0; b < 5; ++b)
            passwordBox(p, QRectF(26 + b * 19, 7, 17, 22), fill[b], glow);
        key(p, QPointF(8, 18), -30 + 30 * glow);
        p.end();
        frames << tools::toGifFrame(img, kFace);
    }
    tools::saveGif(frames, 9, QStringLiteral("dialogs/GPw1"));
}

// --- sign-in: candles ---------------------------------------------------------------

// A candle on a brass holder in a 30 x 68 picture; the flame leans by `sway` and its
// height varies by `stretch` (about 1).
QImage candle(double sway, double stretch, double glow)
{
    QImage img = tools::newImage(30, 68);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Halo around the flame.
    QRadialGradient halo(QPointF(15, 13), 13);
    halo.setColorAt(0, QColor(255, 230, 120, int(110 + 60 * glow)));
    halo.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(15, 13), 13, 13);

    // Flame: an outer orange drop and a bright core.
    const double tipY = 18 - 14 * stretch;
    QPainterPath flame;
    flame.moveTo(15 + sway, tipY);
    flame.cubicTo(17.5 + sway * 0.6, tipY + 6, 19.5, 13, 18.6, 17);
    flame.cubicTo(18, 19.6, 12, 19.6, 11.4, 17);
    flame.cubicTo(10.5, 13, 12.5 + sway * 0.6, tipY + 6, 15 + sway, tipY);
    QLinearGradient fg(0, tipY, 0, 19.5);
    fg.setColorAt(0, QColor(0xff, 0x9a, 0x10));
    fg.setColorAt(0.6, QColor(0xff, 0xc8, 0x30));
    fg.setColorAt(1, QColor(0xff, 0x70, 0x10));
    p.setBrush(fg);
    p.drawPath(flame);
    QPainterPath core;
    const double coreTip = tipY + (19 - tipY) * 0.4;
    core.moveTo(15 + sway * 0.5, coreTip);
    core.cubicTo(17 + sway * 0.3, coreTip + 3, 17.2, 15.5, 16.6, 17.4);
    core.cubicTo(16, 18.6, 14, 18.6, 13.4, 17.4);
    core.cubicTo(12.8, 15.5, 13 + sway * 0.3, coreTip + 3, 15 + sway * 0.5, coreTip);
    p.setBrush(QColor(0xff, 0xfb, 0xe0));
    p.drawPath(core);
    // Wick.
    p.setPen(QPen(QColor(0x30, 0x20, 0x10), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 18.5), QPointF(15, 21));

    // Wax body with a drip, lit from the flame.
    QLinearGradient wax(9, 0, 21, 0);
    wax.setColorAt(0, QColor(0xd8, 0xd0, 0xbc));
    wax.setColorAt(0.35, QColor(0xff, 0xfd, 0xf2));
    wax.setColorAt(1, QColor(0xc4, 0xba, 0xa2));
    p.setPen(QPen(QColor(0x9a, 0x8e, 0x72), 1));
    p.setBrush(wax);
    QPainterPath body;
    body.moveTo(9.5, 22.5);
    body.quadTo(15, 20, 20.5, 22.5);
    body.lineTo(20.5, 52);
    body.lineTo(9.5, 52);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfd, 0xf2));
    p.drawRoundedRect(QRectF(17.2, 22.5, 2.2, 9), 1.1, 1.1);

    // Brass holder: a cup and a round foot.
    QLinearGradient brass(0, 50, 0, 66);
    brass.setColorAt(0, QColor(0xf6, 0xd8, 0x6a));
    brass.setColorAt(0.5, QColor(0xc8, 0x96, 0x28));
    brass.setColorAt(1, QColor(0x7a, 0x54, 0x0c));
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x08), 1));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(6.5, 51.5, 17, 5), 2, 2);
    p.drawRect(QRectF(12.5, 56.5, 5, 5));
    p.drawEllipse(QRectF(3.5, 60.5, 23, 6.5));
    p.end();
    return img;
}

void renderCandles()
{
    // Two flickers of different rhythm; the right candle runs half a cycle behind.
    const int n = 16;
    QList<QImage> left, right;
    const auto at = [](int i, double phase) {
        const double a = 2 * M_PI * (i / double(n)) + phase;
        const double sway = 1.3 * std::sin(a) + 0.5 * std::sin(3 * a + 0.7);
        const double stretch = 1.0 + 0.08 * std::sin(2 * a + 1.1) + 0.04 * std::cos(5 * a);
        const double glow = 0.5 + 0.5 * std::sin(2 * a);
        return candle(sway, stretch, glow);
    };
    for (int i = 0; i < n; ++i) {
        left << tools::toGifFrame(at(i, 0), kFace);
        QImage r = at(i, M_PI);
        right << tools::toGifFrame(r.mirrored(true, false), kFace);
    }
    tools::saveGif(left, 7, QStringLiteral("dialogs/GPwL"));
    tools::saveGif(right, 7, QStringLiteral("dialogs/GPwR"));
}

// --- score window: a fan of aces ------------------------------------------------------

void aceCard(QPainter& p, int suit, double angleDeg, QPointF pivot)
{
    p.save();
    p.translate(pivot);
    p.rotate(angleDeg);
    const QRectF card(-15, -56, 30, 42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(card.translated(1.2, 1.2), 3, 3);
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3, 3);
    const QColor ink = cardshapes::suitInk(suit);
    cardshapes::fillSuit(p, suit, card.center() + QPointF(0, 2), 15, false, ink);
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Serif"), 100, QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(tools::fittedText(QStringLiteral("A"), f, QRectF(card.left() + 1.5, card.top() + 1.5, 8, 9)));
    cardshapes::fillSuit(p, suit, QPointF(card.left() + 5.5, card.top() + 14.5), 5, false, ink);
    p.restore();
}

void sparkle(QPainter& p, QPointF c, double r, double alpha)
{
    if (alpha <= 0 || r <= 0)
        return;
    QColor gold(0xff, 0xd8, 0x40);
    gold.setAlphaF(std::clamp(alpha, 0.0, 1.0));
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c.x(), c.y(), c.x() + r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
    s.quadTo(c.x(), c.y(), c.x() - r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
    p.setPen(QPen(QColor(0xb0, 0x80, 0x10, int(200 * alpha)), 0.6));
    p.setBrush(gold);
    p.drawPath(s);
}

void renderScoreFan()
{
    // Frame 0: the fan wide open. It closes to a stack and opens again; sparkles come
    // out while it is open.
    const int n = 28;
    QList<QImage> frames;
    const QPointF pivot(65, 76);
    const int order[4] = {cardshapes::Spades, cardshapes::Hearts, cardshapes::Clubs, cardshapes::Diamonds};
    for (int i = 0; i < n; ++i) {
        QImage img = tools::newImage(130, 80);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const double open = 0.5 + 0.5 * std::cos(2 * M_PI * i / n); // 1 at frame 0
        const double ease = open * open * (3 - 2 * open);
        const double spread = 6 + 20 * ease; // degrees between neighbours
        for (int k = 0; k < 4; ++k)
            aceCard(p, order[k], (k - 1.5) * spread, pivot);
        const QPointF spots[5] = {{14, 14}, {116, 12}, {24, 48}, {108, 44}, {65, 6}};
        for (int k = 0; k < 5; ++k) {
            const double tw = 0.5 + 0.5 * std::sin(2 * M_PI * (i / double(n)) * 2 + k * 1.3);
            sparkle(p, spots[k], 2.5 + 3.5 * tw * ease, ease * (0.4 + 0.6 * tw));
        }
        p.end();
        frames << tools::toGifFrame(img, kFace);
    }
    tools::saveGif(frames, 7, QStringLiteral("dialogs/GGenCount"));
}

// --- about box: turning aces ---------------------------------------------------------

// The ace seen edge-on by `turn` (1 face on, -1 its back on, 0 edge on).
void turningAce(QPainter& p, int suit, double turn, QPointF centre)
{
    p.save();
    p.translate(centre);
    p.scale(std::max(std::abs(turn), 0.04), 1.0);
    if (turn >= 0) {
        aceCard(p, suit, 0, QPointF(0, 35));
    } else {
        const QRectF card(-15, -21, 30, 42);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(card.translated(1.2, 1.2), 3, 3);
        p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
        p.setBrush(QColor(0x1c, 0x3c, 0x8c));
        p.drawRoundedRect(card, 3, 3);
        p.setPen(QPen(QColor(0xff, 0xd8, 0x40, 180), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 2, 2);
        cardshapes::fillSuit(p, suit, card.center(), 10, false, QColor(0xff, 0xd8, 0x40));
    }
    p.restore();
}

void renderAboutAces()
{
    // Frame 0 shows the ace face on; the right one turns half a turn behind the left.
    const int n = 32;
    const struct {
        int suit;
        double phase;
        const char* name;
    } sides[2] = {{cardshapes::Hearts, 0.0, "dialogs/GAboutL"}, {cardshapes::Spades, 0.5, "dialogs/GAboutR"}};
    for (const auto& side : sides) {
        QList<QImage> frames;
        for (int i = 0; i < n; ++i) {
            const double t = i / double(n);
            // Rests face on for half the loop, then turns over and back.
            const double turnT = t < 0.5 ? 0.0 : (t - 0.5) * 2;
            QImage img = tools::newImage(40, 80);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            turningAce(p, side.suit, std::cos(2 * M_PI * turnT), QPointF(20, 46));
            const double tw = 0.5 + 0.5 * std::sin(2 * M_PI * (t + side.phase) * 2);
            sparkle(p, QPointF(20, 12), 2.5 + 4.5 * tw, 0.3 + 0.7 * tw);
            p.end();
            frames << tools::toGifFrame(img, kFace);
        }
        tools::saveGif(frames, 6, QString::fromLatin1(side.name));
    }
}

// --- cursors ---------------------------------------------------------------------------

void saveCursor(const QList<QImage>& frames, QPoint hotSpot, int delayMs, const QString& rel)
{
    const int size = frames.front().height();
    QImage strip = tools::newImage(size * int(frames.size()), size);
    QPainter p(&strip);
    for (int i = 0; i < frames.size(); ++i) {
        if (frames[i].size() != QSize(size, size))
            throw tools::GenError(rel + QStringLiteral(": frames must be square and of one size"));
        p.drawImage(i * size, 0, frames[i]);
    }
    p.end();
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    strip.setText(QStringLiteral("HotSpot"), QStringLiteral("%1,%2").arg(hotSpot.x()).arg(hotSpot.y()));
    strip.setText(QStringLiteral("Delay"), QString::number(delayMs));
    tools::savePng(strip, rel);
}

// A soft shadow of a shape, one pixel right and down.
void shadow(QPainter& p, const QPainterPath& shape)
{
    p.setPen(QPen(QColor(0, 0, 0, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(shape.translated(1.5, 1.5));
}

// Fills a cursor shape in yellow with a dark rim; `gleam` in [0, 1] moves a light band
// from the top-left to the bottom-right (negative: none).
void yellowShape(QPainter& p, const QPainterPath& shape, const QRectF& span, double gleam, double warmth = 0)
{
    QLinearGradient body(span.topLeft(), span.bottomRight());
    body.setColorAt(0, kYellowLight);
    body.setColorAt(0.45, kYellow);
    body.setColorAt(1, kYellowDeep.darker(100 + int(10 * warmth)));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shape);
    if (gleam >= 0) {
        const QPointF a = span.topLeft() + (span.bottomRight() - span.topLeft()) * (gleam * 1.4 - 0.2);
        QLinearGradient band(a - QPointF(5, 5), a + QPointF(5, 5));
        band.setColorAt(0, QColor(255, 255, 255, 0));
        band.setColorAt(0.5, QColor(255, 255, 255, 210));
        band.setColorAt(1, QColor(255, 255, 255, 0));
        p.save();
        p.setClipPath(shape);
        p.fillRect(span.adjusted(-2, -2, 2, 2), band);
        p.restore();
    }
    p.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

QPainterPath arrowShape()
{
    // Vertices on pixel centres so the rim falls on whole pixels; the tip is pixel (1, 1).
    QPainterPath a;
    a.moveTo(1.5, 1.5);
    a.lineTo(1.5, 22.5);
    a.lineTo(6.5, 17.5);
    a.lineTo(10.5, 26.5);
    a.lineTo(14.5, 24.5);
    a.lineTo(10.5, 16.5);
    a.lineTo(17.5, 16.5);
    a.closeSubpath();
    return a;
}

void renderArrowCursor()
{
    QImage img = tools::newImage(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath a = arrowShape();
    shadow(p, a);
    yellowShape(p, a, QRectF(1, 1, 17, 26), -1);
    p.end();
    saveCursor({img}, QPoint(1, 1), 100, QStringLiteral("cursors/CURARROW"));
}

QPainterPath handShape()
{
    // A pointing hand: the index finger up (tip at pixel (10, 1)), three folded fingers,
    // the thumb on the left and the wrist cuff below.
    QPainterPath finger;
    finger.addRoundedRect(QRectF(8.5, 1.5, 5, 16), 2.5, 2.5);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(13.5, 9.5, 4, 9), 2, 2);
    knuckles.addRoundedRect(QRectF(17.5, 10.5, 4, 9), 2, 2);
    knuckles.addRoundedRect(QRectF(21.5, 11.5, 4, 9), 2, 2);
    QPainterPath palm;
    palm.moveTo(8.5, 14.5);
    palm.lineTo(25.5, 15.5);
    palm.lineTo(25.5, 21.5);
    palm.quadTo(25.5, 26.5, 21.5, 27.5);
    palm.lineTo(11.5, 27.5);
    palm.quadTo(8.5, 26, 7.5, 23.5);
    palm.closeSubpath();
    QPainterPath thumb;
    thumb.moveTo(9, 23.5);
    thumb.lineTo(3, 17.5);
    thumb.quadTo(1.5, 14, 5, 13.5);
    thumb.lineTo(9.5, 16.5);
    thumb.closeSubpath();
    QPainterPath hand = finger.united(knuckles).united(palm).united(thumb);
    return hand.simplified();
}

void renderHandCursor()
{
    // 12 frames at 90 ms: the gleam crosses in the first seven, then the hand rests.
    const QPainterPath hand = handShape();
    QList<QImage> frames;
    for (int i = 0; i < 12; ++i) {
        QImage img = tools::newImage(32, 32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        shadow(p, hand);
        yellowShape(p, hand, QRectF(2, 1, 24, 27), i < 7 ? i / 6.0 : -1);
        // Creases between the folded fingers and the cuff line.
        p.setPen(QPen(QColor(0x8a, 0x60, 0x08), 1));
        p.drawLine(QPointF(17.5, 12.5), QPointF(17.5, 15));
        p.drawLine(QPointF(21.5, 13.5), QPointF(21.5, 16));
        p.drawLine(QPointF(13.5, 12.5), QPointF(13.5, 15));
        p.end();
        frames << img;
    }
    saveCursor(frames, QPoint(10, 1), 90, QStringLiteral("cursors/CURHAND"));
}

void renderEditCursor()
{
    // A text beam drawn on whole pixels: dark rim, yellow core; eight frames of a slow
    // glow around it. Hot spot in the middle of the stem.
    QList<QImage> frames;
    const int n = 8;
    for (int i = 0; i < n; ++i) {
        const double glow = 0.5 - 0.5 * std::cos(2 * M_PI * i / n); // 0 at frame 0
        QImage img = tools::newImage(32, 32);
        QPainter p(&img);
        QColor halo = kYellow;
        halo.setAlpha(int(90 * glow));
        const auto beam = [&](QPainter& q, int grow, const QColor& c) {
            q.fillRect(QRect(10 - grow, 3 - grow, 5 + 2 * grow, 2 + 2 * grow), c);  // top left serif
            q.fillRect(QRect(17 - grow, 3 - grow, 5 + 2 * grow, 2 + 2 * grow), c);  // top right serif
            q.fillRect(QRect(14 - grow, 4 - grow, 4 + 2 * grow, 2 + 2 * grow), c);  // top joint
            q.fillRect(QRect(15 - grow, 5 - grow, 2 + 2 * grow, 22 + 2 * grow), c); // stem
            q.fillRect(QRect(14 - grow, 26 - grow, 4 + 2 * grow, 2 + 2 * grow), c); // bottom joint
            q.fillRect(QRect(10 - grow, 27 - grow, 5 + 2 * grow, 2 + 2 * grow), c); // bottom serifs
            q.fillRect(QRect(17 - grow, 27 - grow, 5 + 2 * grow, 2 + 2 * grow), c);
        };
        if (halo.alpha() > 0) {
            // Source mode: overlapping parts of the halo keep one alpha.
            p.setCompositionMode(QPainter::CompositionMode_Source);
            beam(p, 2, halo);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        beam(p, 1, kInk);
        const auto mix = [glow](int a, int b) { return int(a + (b - a) * glow); };
        beam(p, 0, QColor(mix(kYellow.red(), kYellowLight.red()), mix(kYellow.green(), kYellowLight.green()),
                          mix(kYellow.blue(), kYellowLight.blue())));
        p.end();
        frames << img;
    }
    saveCursor(frames, QPoint(15, 15), 110, QStringLiteral("cursors/CUREDIT"));
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        renderPasswordRow();
        renderCandles();
        renderScoreFan();
        renderAboutAces();
        renderArrowCursor();
        renderHandCursor();
        renderEditCursor();
    });
}
