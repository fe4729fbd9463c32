// Renders the built-in deck: the 52 faces in the classic 69 x 94 size (drawn by the
// program inside its own one-pixel frame) and the 146 x 198 size (with their own border
// and rounded corners), the seven weekday backs in both sizes, the suit signs and the
// pile-base markers.
#include "tools/CardShapes.h"
#include "tools/common/Generator.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <vector>

using namespace cardshapes;

namespace {

const std::array<const char*, 4> kSyllable = {"Ch", "Bu", "Kr", "Pi"};
const std::array<const char*, 13> kTag = {"02", "03", "04", "05", "06", "07", "08",
                                          "09", "10", "2J", "3Q", "4K", "5A"};
const std::array<const char*, 13> kIndex = {"2", "3", "4", "5", "6", "7", "8",
                                            "9", "10", "J", "Q", "K", "A"};
enum { Jack = 9, Queen = 10, King = 11, Ace = 12 };

const QString kIndexFont = QStringLiteral("DejaVu Sans");

// Where things sit on a card of one size.
struct Geometry {
    int w, h;
    bool classic;      // classic pictures: no own border, corner pixels black
    double radius;     // corner radius of the own border
    double pip;        // pip box
    double cx, colDx;  // middle column and distance of the side columns
    double rowTop, rowBottom;
    double ace;        // the single pip of an ace
    double idxCx, idxTop; // index column centre, top of the rank
    double idxCap;     // height of the rank
    double idxSuit, idxSuitCy;
    QRectF court;      // frame of a court picture
};

const Geometry kClassic{69, 94, true, 0, 11, 34.5, 14, 15.5, 78.5, 29,
                        7.0, 2.0, 10, 8, 17.0, QRectF(14.5, 8.5, 40, 77)};
const Geometry kLarge{146, 198, false, 8, 23, 73, 30, 33, 165, 62,
                      15.0, 5.0, 19, 16, 36, QRectF(30.5, 20.5, 85, 157)};

QColor rgb(unsigned v) { return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

// The card body: white; the large size carries its own rounded black border on a
// transparent ground, the classic one blackens its four corner pixels so that it rounds
// off the frame the program draws around it.
QImage cardBody(const Geometry& g, const QColor& fill = Qt::white)
{
    QImage img = tools::newImage(g.w, g.h, g.classic ? fill : QColor(Qt::transparent));
    if (g.classic) {
        for (QPoint pt : {QPoint(0, 0), QPoint(g.w - 1, 0), QPoint(0, g.h - 1), QPoint(g.w - 1, g.h - 1)})
            img.setPixelColor(pt, Qt::black);
        return img;
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.4));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.7, 0.7, g.w - 1.4, g.h - 1.4), g.radius, g.radius);
    return img;
}

// Clip path of the card's inside (for patterns that must stay within the border).
QPainterPath bodyPath(const Geometry& g, double inset)
{
    QPainterPath path;
    const double r = g.classic ? 3 : g.radius;
    path.addRoundedRect(QRectF(inset, inset, g.w - 2 * inset, g.h - 2 * inset),
                        std::max(1.0, r - inset / 2), std::max(1.0, r - inset / 2));
    return path;
}

// ---------------------------------------------------------------------------- index

// The outline of one character of the index face, moved to the origin.
QPainterPath glyphPath(QChar c)
{
    // The index face hangs its J below the line; the J of a face that sets it on the
    // line keeps its hook readable once fitted to the index height.
    QFont font = tools::requireFont(c == QLatin1Char('J') ? QStringLiteral("Liberation Sans") : kIndexFont,
                                    200, QFont::Bold);
    tools::requireGlyphs(font, QString(c));
    QPainterPath path;
    path.addText(0, 0, font, QString(c));
    return path.translated(-path.boundingRect().topLeft());
}

// The rank, each character's outline fitted to the index height so that nothing hangs
// below it (a J's hook, a Q's tail) into the suit sign. In the classic size every glyph
// box lands on whole pixels and is filled without smoothing, which keeps it crisp.
void drawRank(QPainter& p, const Geometry& g, const QString& text, const QColor& ink)
{
    const double h = g.idxCap;
    const double gap = g.classic ? 1 : 1.5;
    const double maxW = g.classic ? 12 : 24;
    std::vector<QPainterPath> paths;
    std::vector<double> widths;
    double total = 0;
    for (QChar c : text) {
        paths.push_back(glyphPath(c));
        const QRectF b = paths.back().boundingRect();
        widths.push_back(b.width() * h / b.height());
        total += widths.back();
    }
    total += gap * double(text.size() - 1);
    const double squeeze = total > maxW ? (maxW - gap * double(text.size() - 1)) / (total - gap * double(text.size() - 1)) : 1.0;
    double x = g.idxCx - std::min(total, maxW) / 2;
    if (g.classic)
        x = std::floor(x + 0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, !g.classic);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (size_t i = 0; i < paths.size(); ++i) {
        double w = widths[i] * squeeze;
        if (g.classic)
            w = std::max(2.0, std::floor(w + 0.5));
        const QRectF b = paths[i].boundingRect();
        QTransform t;
        t.translate(x, g.idxTop);
        t.scale(w / b.width(), h / b.height());
        p.drawPath(t.map(paths[i]));
        x += w + gap;
    }
    p.restore();
}

void drawIndex(QPainter& p, const Geometry& g, int rank, int suit)
{
    const QColor ink = suitInk(suit);
    const QString text = QString::fromLatin1(kIndex[rank]);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(g.w, g.h);
            p.rotate(180);
        }
        drawRank(p, g, text, ink);
        fillSuit(p, suit, QPointF(g.idxCx + (int(g.idxSuit) % 2 ? 0.5 : 0), g.idxSuitCy), g.idxSuit, false, ink);
        p.restore();
    }
}

// ---------------------------------------------------------------------------- pips

void drawPips(QPainter& p, const Geometry& g, int count, int suit)
{
    for (const Pip& pip : pipLayout(count)) {
        const double x = g.cx + pip.col * g.colDx;
        const double y = g.rowTop + pip.t * (g.rowBottom - g.rowTop);
        fillSuit(p, suit, QPointF(x, y), g.pip, pip.t > 0.5, suitInk(suit));
    }
}

void drawAce(QPainter& p, const Geometry& g, int suit)
{
    const QPointF c(g.cx, g.h / 2.0);
    if (suit == Spades) {
        // The ace of spades gets the traditional flourish: a larger pip in a ring.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        const double r = g.ace * 0.78;
        p.setPen(QPen(QColor(0x9A, 0x7B, 0x2E), g.classic ? 1.0 : 2.0));
        p.setBrush(QColor(0xFF, 0xF6, 0xDC));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(0x9A, 0x7B, 0x2E), g.classic ? 0.6 : 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r - (g.classic ? 2.0 : 4.0), r - (g.classic ? 2.0 : 4.0));
        p.restore();
        fillSuit(p, suit, c, g.ace * 1.05, false, suitInk(suit));
        return;
    }
    fillSuit(p, suit, c, g.ace, false, suitInk(suit));
}

// ---------------------------------------------------------------------------- courts

struct CourtColours {
    QColor robe, band, trim, hair;
};

CourtColours courtColours(int rank, int suit)
{
    CourtColours c;
    switch (suit) {
    case Hearts: c = {rgb(0xC62828), rgb(0x1E4FA0), rgb(0xF2B632), {}}; break;
    case Diamonds: c = {rgb(0xE59410), rgb(0x1E4FA0), rgb(0xC62828), {}}; break;
    case Clubs: c = {rgb(0x2E7D32), rgb(0xC62828), rgb(0xF2B632), {}}; break;
    default: c = {rgb(0x1F3A93), rgb(0xC62828), rgb(0xF2B632), {}}; break;
    }
    c.hair = rank == King ? rgb(0xE8E4DA) : rank == Queen ? rgb(0xE0A526) : rgb(0x6B3E1E);
    return c;
}

// One half of a double-headed court picture in a unit-wide box, the figure's head up;
// the half ends at v = hh, where the mirrored half begins.
void drawCourtHalf(QPainter& p, double hh, int rank, int suit, double px)
{
    const CourtColours cc = courtColours(rank, suit);
    const QColor line(0x22, 0x1A, 0x14);
    const QColor skin(0xF6, 0xCF, 0xA8);
    const QColor gold(0xF2, 0xB6, 0x32);
    QPen outline(line, 0.9 * px);
    outline.setJoinStyle(Qt::RoundJoin);
    outline.setCapStyle(Qt::RoundCap);
    p.setPen(outline);

    const double headY = hh * 0.40, headRx = 0.165, headRy = 0.195;
    const double neckY = headY + headRy * 0.8, shoulderY = headY + headRy + 0.05;

    // Queen's hair falls behind the shoulders.
    if (rank == Queen) {
        QPainterPath hair;
        hair.moveTo(0.5 - 0.24, headY + 0.36);
        hair.cubicTo(0.5 - 0.29, headY + 0.05, 0.5 - 0.25, headY - 0.27, 0.5, headY - 0.25);
        hair.cubicTo(0.5 + 0.25, headY - 0.27, 0.5 + 0.29, headY + 0.05, 0.5 + 0.24, headY + 0.36);
        hair.closeSubpath();
        p.setBrush(cc.hair);
        p.drawPath(hair);
    }

    // Held object on the figure's left: a sceptre, a flower or a halberd.
    const double handX = rank == Queen ? 0.78 : 0.2;
    const double handY = hh * 0.86;
    if (rank == King) {
        p.setPen(QPen(line, 3.0 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(handX, hh + 0.05), QPointF(handX, hh * 0.30));
        p.setPen(QPen(gold, 1.8 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(handX, hh + 0.05), QPointF(handX, hh * 0.30));
        p.setPen(outline);
        p.setBrush(gold);
        p.drawEllipse(QPointF(handX, hh * 0.26), 0.055, 0.055);
        p.setBrush(cc.band);
        p.drawEllipse(QPointF(handX, hh * 0.26), 0.022, 0.022);
    } else if (rank == Queen) {
        p.setPen(QPen(rgb(0x2E7D32), 1.6 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(handX, handY), QPointF(handX + 0.04, hh * 0.38));
        p.setPen(outline);
        p.setBrush(rgb(0x43A047));
        QPainterPath leaf;
        leaf.moveTo(handX + 0.02, hh * 0.62);
        leaf.quadTo(handX + 0.14, hh * 0.55, handX + 0.15, hh * 0.46);
        leaf.quadTo(handX + 0.05, hh * 0.50, handX + 0.02, hh * 0.62);
        p.drawPath(leaf);
        const QColor petal = isRed(suit) ? rgb(0x1E4FA0) : rgb(0xD81B60);
        p.setBrush(petal);
        const QPointF fc(handX + 0.04, hh * 0.30);
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            p.drawEllipse(fc + QPointF(std::cos(a) * 0.045, std::sin(a) * 0.045), 0.04, 0.04);
        }
        p.setBrush(gold);
        p.drawEllipse(fc, 0.028, 0.028);
    } else {
        p.setPen(QPen(line, 2.6 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(handX, hh + 0.05), QPointF(handX, hh * 0.18));
        p.setPen(QPen(rgb(0x8D5A2B), 1.4 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(handX, hh + 0.05), QPointF(handX, hh * 0.18));
        p.setPen(outline);
        p.setBrush(rgb(0xC9CED6));
        QPainterPath head;
        head.moveTo(handX, hh * 0.02);
        head.lineTo(handX + 0.045, hh * 0.2);
        head.lineTo(handX - 0.045, hh * 0.2);
        head.closeSubpath();
        head.moveTo(handX, hh * 0.24);
        head.quadTo(handX + 0.11, hh * 0.24, handX + 0.12, hh * 0.34);
        head.quadTo(handX + 0.06, hh * 0.30, handX, hh * 0.32);
        head.closeSubpath();
        p.drawPath(head);
    }

    // Robe: shoulders down to the middle line.
    QPainterPath robe;
    robe.moveTo(0.1, hh + 0.02);
    robe.cubicTo(0.1, shoulderY + 0.12, 0.14, shoulderY, 0.34, shoulderY - 0.02);
    robe.lineTo(0.66, shoulderY - 0.02);
    robe.cubicTo(0.86, shoulderY, 0.9, shoulderY + 0.12, 0.9, hh + 0.02);
    robe.closeSubpath();
    p.setBrush(cc.robe);
    p.drawPath(robe);
    // A patterned front panel in the second colour, edged with the trim.
    QPainterPath panel;
    panel.moveTo(0.43, shoulderY);
    panel.lineTo(0.57, shoulderY);
    panel.lineTo(0.62, hh + 0.02);
    panel.lineTo(0.38, hh + 0.02);
    panel.closeSubpath();
    p.setBrush(cc.band);
    p.drawPath(panel);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(cc.trim);
    for (double y = shoulderY + 0.2; y < hh; y += 0.07)
        p.drawEllipse(QPointF(0.5, y), 0.018, 0.018);
    p.restore();
    // Sleeve stripes.
    p.save();
    p.setPen(QPen(cc.trim, 2.0 * px, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0.22, shoulderY + 0.05), QPointF(0.27, hh + 0.02));
    p.drawLine(QPointF(0.78, shoulderY + 0.05), QPointF(0.73, hh + 0.02));
    p.restore();
    // The arm raised to the held object: an outlined sleeve with a cuff, then the hand.
    {
        const double side = handX < 0.5 ? -1 : 1;
        QPainterPath arm;
        arm.moveTo(0.5 + side * 0.2, shoulderY + 0.05);
        arm.quadTo(handX + side * 0.05, shoulderY + 0.08, handX, handY - 0.05);
        const double sleeve = 0.12;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(line, sleeve + 1.8 * px, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(QPen(cc.robe.lighter(112), sleeve, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(QPen(cc.trim, 0.035, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(handX - 0.055, handY - 0.05), QPointF(handX + 0.055, handY - 0.05));
        p.setPen(outline);
    }
    p.setBrush(skin);
    p.drawEllipse(QPointF(handX, handY), 0.05, 0.045);
    // Collar: ermine for the king, a necklace for the queen, a ruff for the jack.
    QPainterPath collar;
    collar.moveTo(0.32, shoulderY - 0.03);
    collar.quadTo(0.5, shoulderY + 0.14, 0.68, shoulderY - 0.03);
    collar.quadTo(0.5, shoulderY + 0.03, 0.32, shoulderY - 0.03);
    collar.closeSubpath();
    p.setBrush(rank == King ? QColor(0xFA, 0xFA, 0xF5) : rank == Queen ? gold : QColor(0xFA, 0xFA, 0xF5));
    p.drawPath(collar);
    if (rank == King) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(line);
        for (double x : {0.42, 0.5, 0.58})
            p.drawEllipse(QPointF(x, shoulderY + 0.02 + (x == 0.5 ? 0.025 : 0)), 0.012, 0.015);
        p.restore();
    }

    // Suit sign on the chest.
    const QPointF chest(0.5, std::min(hh - 0.09, shoulderY + 0.17));
    fillSuit(p, suit, chest, 0.15, false, Qt::white);
    fillSuit(p, suit, chest, 0.11, false, suitInk(suit));

    // Neck and head.
    p.setPen(outline);
    p.setBrush(skin);
    p.drawRect(QRectF(0.45, neckY - 0.02, 0.1, shoulderY - neckY + 0.02));
    if (rank == Jack) {
        QPainterPath hair;
        hair.moveTo(0.5 - headRx - 0.015, headY + 0.07);
        hair.cubicTo(0.5 - headRx - 0.03, headY - 0.1, 0.5 + headRx + 0.03, headY - 0.1,
                     0.5 + headRx + 0.015, headY + 0.07);
        hair.closeSubpath();
        p.setBrush(cc.hair);
        p.drawPath(hair);
    }
    p.setBrush(skin);
    p.drawEllipse(QPointF(0.5, headY), headRx, headRy);
    if (rank == King) {
        // Beard and moustache.
        QPainterPath beard;
        beard.moveTo(0.5 - headRx + 0.01, headY + 0.01);
        beard.cubicTo(0.5 - headRx + 0.02, headY + 0.26, 0.5 + headRx - 0.02, headY + 0.26,
                      0.5 + headRx - 0.01, headY + 0.01);
        beard.quadTo(0.5, headY + 0.08, 0.5 - headRx + 0.01, headY + 0.01);
        beard.closeSubpath();
        p.setBrush(cc.hair);
        p.drawPath(beard);
    }
    if (rank == Queen) {
        // Fringe framing the face.
        QPainterPath fringe;
        fringe.moveTo(0.5 - headRx, headY + 0.02);
        fringe.cubicTo(0.5 - headRx, headY - 0.17, 0.5 + headRx, headY - 0.17, 0.5 + headRx, headY + 0.02);
        fringe.quadTo(0.5 + 0.06, headY - 0.1, 0.5, headY - 0.09);
        fringe.quadTo(0.5 - 0.06, headY - 0.1, 0.5 - headRx, headY + 0.02);
        fringe.closeSubpath();
        p.setBrush(cc.hair);
        p.drawPath(fringe);
    }
    // Face.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    const double eyeY = headY - 0.01;
    p.drawEllipse(QPointF(0.5 - 0.06, eyeY), 0.019, 0.021);
    p.drawEllipse(QPointF(0.5 + 0.06, eyeY), 0.019, 0.021);
    p.setBrush(QColor(0xC0, 0x30, 0x30));
    p.drawEllipse(QPointF(0.5, headY + (rank == King ? 0.115 : 0.1)), 0.035, 0.014);
    p.restore();
    if (rank == King) {
        QPainterPath mous;
        mous.moveTo(0.5, headY + 0.07);
        mous.quadTo(0.43, headY + 0.06, 0.39, headY + 0.11);
        mous.quadTo(0.45, headY + 0.09, 0.5, headY + 0.095);
        mous.quadTo(0.55, headY + 0.09, 0.61, headY + 0.11);
        mous.quadTo(0.57, headY + 0.06, 0.5, headY + 0.07);
        p.setBrush(cc.hair);
        p.drawPath(mous);
    }

    // Headwear.
    const double top = headY - headRy;
    if (rank == King) {
        QPainterPath crown;
        crown.moveTo(0.34, top + 0.06);
        crown.lineTo(0.32, top - 0.12);
        crown.lineTo(0.4, top - 0.04);
        crown.lineTo(0.5, top - 0.16);
        crown.lineTo(0.6, top - 0.04);
        crown.lineTo(0.68, top - 0.12);
        crown.lineTo(0.66, top + 0.06);
        crown.closeSubpath();
        p.setBrush(gold);
        p.drawPath(crown);
        p.setBrush(cc.band);
        p.drawEllipse(QPointF(0.5, top - 0.005), 0.03, 0.03);
        p.setBrush(cc.robe);
        p.drawEllipse(QPointF(0.4, top + 0.015), 0.02, 0.02);
        p.drawEllipse(QPointF(0.6, top + 0.015), 0.02, 0.02);
        p.setBrush(gold);
        for (double x : {0.32, 0.5, 0.68})
            p.drawEllipse(QPointF(x, x == 0.5 ? top - 0.16 : top - 0.12), 0.022, 0.022);
    } else if (rank == Queen) {
        QPainterPath tiara;
        tiara.moveTo(0.39, top + 0.05);
        tiara.quadTo(0.5, top - 0.02, 0.61, top + 0.05);
        tiara.lineTo(0.6, top + 0.01);
        tiara.lineTo(0.55, top - 0.03);
        tiara.lineTo(0.5, top - 0.1);
        tiara.lineTo(0.45, top - 0.03);
        tiara.lineTo(0.4, top + 0.01);
        tiara.closeSubpath();
        p.setBrush(gold);
        p.drawPath(tiara);
        p.setBrush(cc.band);
        p.drawEllipse(QPointF(0.5, top - 0.02), 0.022, 0.026);
    } else {
        // A beret tilted to one side with a long feather.
        QPainterPath feather;
        feather.moveTo(0.6, top + 0.02);
        feather.cubicTo(0.72, top - 0.12, 0.86, top - 0.06, 0.92, top + 0.1);
        feather.cubicTo(0.84, top + 0.0, 0.74, top - 0.02, 0.62, top + 0.06);
        feather.closeSubpath();
        p.setBrush(cc.trim == rgb(0xF2B632) ? QColor(0xFA, 0xFA, 0xF0) : rgb(0xF2B632));
        p.drawPath(feather);
        QPainterPath cap;
        cap.moveTo(0.33, top + 0.07);
        cap.cubicTo(0.3, top - 0.08, 0.66, top - 0.12, 0.7, top + 0.04);
        cap.closeSubpath();
        p.setBrush(cc.band);
        p.drawPath(cap);
        p.setBrush(cc.trim);
        p.drawRect(QRectF(0.35, top + 0.035, 0.31, 0.04));
    }
}

void drawCourt(QPainter& p, const Geometry& g, int rank, int suit)
{
    const QRectF f = g.court;
    const double px = 1.0 / f.width(); // one pixel in unit coordinates
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFD, 0xF5, 0xE2));
    p.drawRect(f);
    const double hh = f.height() / f.width() / 2;
    paintBothHalves(p, f, [&] { drawCourtHalf(p, hh, rank, suit, px); });
    // Middle line and frame in the suit's ink.
    const QColor ink = suitInk(suit);
    p.setRenderHint(QPainter::Antialiasing, !g.classic);
    p.setPen(QPen(ink, g.classic ? 1.0 : 1.6));
    p.setBrush(Qt::NoBrush);
    if (g.classic) {
        p.drawLine(QPointF(f.left(), std::floor(f.center().y()) + 0.5),
                   QPointF(f.right(), std::floor(f.center().y()) + 0.5));
        p.drawRect(f);
    } else {
        p.drawLine(QPointF(f.left(), f.center().y()), QPointF(f.right(), f.center().y()));
        p.drawRect(f);
    }
    p.restore();
    // Small suit signs in two corners of the frame.
    const double s = g.classic ? 7 : 14;
    const double o = g.classic ? 5 : 10;
    fillSuit(p, suit, QPointF(f.right() - o, f.top() + o + 0.5), s, false, ink);
    fillSuit(p, suit, QPointF(f.left() + o, f.bottom() - o - 0.5), s, true, ink);
}

// ---------------------------------------------------------------------------- faces

QImage renderFace(const Geometry& g, int rank, int suit)
{
    QImage img = cardBody(g);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (rank >= Jack && rank <= King)
        drawCourt(p, g, rank, suit);
    else if (rank == Ace)
        drawAce(p, g, suit);
    else
        drawPips(p, g, rank + 2, suit);
    drawIndex(p, g, rank, suit);
    p.end();
    return img;
}

// ---------------------------------------------------------------------------- backs

void patternLattice(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x1B3F8B));
    p.setPen(QPen(rgb(0x8FB4F0), 0.9 * u / 7));
    const double step = u;
    for (double x = r.left() - r.height(); x < r.right() + r.height(); x += step) {
        p.drawLine(QPointF(x, r.top()), QPointF(x + r.height(), r.bottom()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xF2D16B));
    const QPointF c = r.center();
    for (double y = c.y() - 20 * step; y < r.bottom() + step; y += step / 2)
        for (double x = c.x() - 20 * step; x < r.right() + step; x += step) {
            const double off = std::fmod(std::abs((y - c.y()) / (step / 2)), 2.0) > 0.5 ? step / 2 : 0;
            p.drawEllipse(QPointF(x + off, y), u / 9, u / 9);
        }
}

void patternHarlequin(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x8E1B1B));
    const QPointF c = r.center();
    const double w = u, h = u * 1.4;
    for (int j = -20; j <= 20; ++j)
        for (int i = -20; i <= 20; ++i) {
            const QPointF m(c.x() + i * w + (j % 2 ? w / 2 : 0), c.y() + j * h / 2);
            if (m.x() < r.left() - w || m.x() > r.right() + w || m.y() < r.top() - h || m.y() > r.bottom() + h)
                continue;
            QPolygonF d{QPointF(m.x(), m.y() - h / 2), QPointF(m.x() + w / 2, m.y()),
                        QPointF(m.x(), m.y() + h / 2), QPointF(m.x() - w / 2, m.y())};
            p.setPen(QPen(rgb(0xF0C35A), u / 10));
            p.setBrush(((i + j) & 1) ? rgb(0xC62828) : rgb(0xA31F1F));
            p.drawPolygon(d);
        }
}

void patternWaves(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x00695C));
    const QPointF c = r.center();
    const QColor cols[2] = {rgb(0x4DB6AC), rgb(0xE0F2F1)};
    for (int j = -30; j <= 30; ++j) {
        const double y0 = c.y() + j * u * 0.55;
        if (y0 < r.top() - u || y0 > r.bottom() + u)
            continue;
        QPainterPath path;
        const double amp = u * 0.18;
        bool first = true;
        for (double x = r.left() - u; x <= r.right() + u; x += u / 16) {
            const double y = y0 + amp * std::sin((x - c.x()) / u * 2 * M_PI);
            if (first)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
            first = false;
        }
        p.setPen(QPen(cols[(j % 2 + 2) % 2], u / 7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void patternStars(QPainter& p, QRectF r, double u)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, rgb(0x0D1B4C));
    sky.setColorAt(0.5, rgb(0x1A2D6E));
    sky.setColorAt(1, rgb(0x0D1B4C));
    p.fillRect(r, sky);
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    for (int j = -20; j <= 20; ++j)
        for (int i = -20; i <= 20; ++i) {
            const QPointF m(c.x() + i * u + ((j & 1) ? u / 2 : 0), c.y() + j * u * 0.8);
            if (!r.adjusted(-u, -u, u, u).contains(m))
                continue;
            p.setBrush(((i + j) & 1) ? rgb(0xFFD54F) : rgb(0xFFF3C4));
            p.drawPath(starPath(m, u * 0.3, 5, 0.42));
        }
}

void patternTartan(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x1B5E20));
    const QPointF c = r.center();
    auto stripes = [&](bool vertical) {
        for (int k = -20; k <= 20; ++k) {
            const double m = (vertical ? c.x() : c.y()) + k * u;
            auto band = [&](double off, double width, QColor col) {
                QRectF b = vertical ? QRectF(m + off - width / 2, r.top(), width, r.height())
                                    : QRectF(r.left(), m + off - width / 2, r.width(), width);
                p.fillRect(b.intersected(r), col);
            };
            band(0, u * 0.36, QColor(0x0D, 0x2B, 0x5E, 150));
            band(0, u * 0.08, QColor(0xF4, 0xD0, 0x3F, 210));
            band(u / 2, u * 0.05, QColor(0xC6, 0x28, 0x28, 200));
        }
    };
    stripes(true);
    stripes(false);
}

void patternScales(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x4A148C));
    const QPointF c = r.center();
    const double rad = u / 2;
    for (int j = -30; j <= 30; ++j)
        for (int i = -20; i <= 20; ++i) {
            const QPointF m(c.x() + i * u + ((j & 1) ? u / 2 : 0), c.y() + j * rad);
            if (!r.adjusted(-u, -u, u, u).contains(m))
                continue;
            QRadialGradient gr(m + QPointF(0, -rad * 0.3), rad);
            gr.setColorAt(0, rgb(0xB388FF));
            gr.setColorAt(1, rgb(0x6A1B9A));
            p.setBrush(gr);
            p.setPen(QPen(rgb(0xE1BEE7), u / 12));
            p.drawEllipse(m, rad, rad);
        }
}

void patternRosette(QPainter& p, QRectF r, double u)
{
    p.fillRect(r, rgb(0x7B1E2B));
    const QPointF c = r.center();
    const double R = std::hypot(r.width(), r.height());
    // Sunburst rays.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 48; ++i) {
        if (i & 1)
            continue;
        const double a0 = i * M_PI / 24, a1 = (i + 1) * M_PI / 24;
        QPolygonF ray{c, c + QPointF(R * std::cos(a0), R * std::sin(a0)),
                      c + QPointF(R * std::cos(a1), R * std::sin(a1))};
        p.setBrush(rgb(0x9C2A3A));
        p.drawPolygon(ray);
    }
    // Rings and a central medallion.
    p.setBrush(Qt::NoBrush);
    for (double k = 1.2; k < 12; k += 1.2) {
        p.setPen(QPen(QColor(0xF0, 0xC3, 0x5A, 170), u / 14));
        p.drawEllipse(c, k * u, k * u);
    }
    p.setPen(QPen(rgb(0xF0C35A), u / 8));
    p.setBrush(rgb(0x5A1420));
    p.drawEllipse(c, u * 1.15, u * 1.15);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xF0C35A));
    p.drawPath(starPath(c, u * 0.95, 8, 0.5));
    p.setBrush(rgb(0x7B1E2B));
    p.drawEllipse(c, u * 0.25, u * 0.25);
}

QImage renderBack(const Geometry& g, int day)
{
    QImage img = cardBody(g);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = g.classic ? 3 : 6;
    const QPainterPath inner = bodyPath(g, margin);
    p.setClipPath(inner);
    const QRectF r = inner.boundingRect();
    const double u = g.classic ? 9 : 19; // pattern unit
    switch (day) {
    case 1: patternLattice(p, r, u); break;
    case 2: patternHarlequin(p, r, u); break;
    case 3: patternWaves(p, r, u); break;
    case 4: patternStars(p, r, u); break;
    case 5: patternTartan(p, r, u * 1.3); break;
    case 6: patternScales(p, r, u); break;
    default: patternRosette(p, r, u); break;
    }
    p.setClipping(false);
    // A thin light rule inside the coloured panel and a dark edge around it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 140), g.classic ? 1.0 : 1.4));
    p.drawPath(inner);
    p.setPen(QPen(QColor(255, 255, 255, 190), g.classic ? 1.0 : 1.6));
    p.drawPath(bodyPath(g, margin + (g.classic ? 2.5 : 5)));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------- suit signs

QImage renderSuitSign(int size, int suit)
{
    QImage img = tools::newImage(size, size);
    QPainter p(&img);
    const double s = size;
    // A light halo keeps the black signs readable on dark windows.
    strokeSuit(p, suit, QPointF(s / 2, s / 2), s * 0.86, QColor(255, 255, 255, 230), s / 10,
               QColor(255, 255, 255, 230));
    fillSuit(p, suit, QPointF(s / 2, s / 2), s * 0.86, false, suitInk(suit));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------- markers

// What an empty pile accepts, drawn faintly so the place reads as empty.
QImage renderMarker(const Geometry& g, QChar which)
{
    QImage img = tools::newImage(g.w, g.h, Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wash(255, 255, 255, 34);
    const QColor faint(255, 255, 255, 150);
    if (g.classic) {
        p.fillRect(img.rect(), wash);
        for (QPoint pt : {QPoint(0, 0), QPoint(g.w - 1, 0), QPoint(0, g.h - 1), QPoint(g.w - 1, g.h - 1)})
            img.setPixelColor(pt, Qt::black);
    } else {
        p.setPen(QPen(QColor(0x10, 0x10, 0x10, 230), 1.4));
        p.setBrush(wash);
        p.drawRoundedRect(QRectF(0.7, 0.7, g.w - 1.4, g.h - 1.4), g.radius, g.radius);
    }
    const double k = g.w / 69.0;
    // Inner rule.
    p.setPen(QPen(QColor(255, 255, 255, 70), k));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bodyPath(g, 3.5 * k));

    const QPointF c(g.w / 2.0, g.h / 2.0);
    auto letter = [&](const QString& text, QPointF at, double px) {
        QFont f = tools::requireFont(QStringLiteral("Liberation Serif"), int(px), QFont::Bold);
        tools::requireGlyphs(f, text);
        QPainterPath t;
        t.addText(0, 0, f, text);
        const QRectF b = t.boundingRect();
        t.translate(at - b.center());
        p.setPen(QPen(faint, 1.1 * k));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPath(t);
    };
    auto sign = [&](int suit, QPointF at, double size) {
        strokeSuit(p, suit, at, size, faint, 1.0 * k, QColor(255, 255, 255, 55));
    };
    const char ch = which.toLatin1();
    if (ch == '*') {
        const double d = 13 * k, s = 18 * k;
        sign(Hearts, c + QPointF(-d, -d), s);
        sign(Spades, c + QPointF(d, -d), s);
        sign(Clubs, c + QPointF(-d, d), s);
        sign(Diamonds, c + QPointF(d, d), s);
    } else if (ch == 'n') {
        p.setPen(QPen(QColor(0xE5, 0x39, 0x35, 220), 5.5 * k, Qt::SolidLine, Qt::RoundCap));
        const double d = 15 * k;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    } else if (ch == 'y') {
        QPen pen(QColor(0x43, 0xC0, 0x4A, 230), 6 * k, Qt::SolidLine, Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        QPainterPath tick;
        tick.moveTo(c + QPointF(-15 * k, 1 * k));
        tick.lineTo(c + QPointF(-5 * k, 11 * k));
        tick.lineTo(c + QPointF(16 * k, -13 * k));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        const bool ace = (ch >= '0' && ch <= '4');
        const int suit = ace ? ch - '1' : (ch == 'x' ? -1 : ch - 'a'); // -1: any suit
        letter(QString(ace ? QChar('A') : QChar('K')), c + QPointF(0, -12 * k), 30 * k);
        if (suit < 0) {
            const double s = 10 * k;
            for (int i = 0; i < 4; ++i)
                sign(i, c + QPointF((i - 1.5) * 12 * k, 19 * k), s);
        } else {
            sign(suit, c + QPointF(0, 19 * k), 20 * k);
        }
    }
    p.end();
    return img;
}

void renderAll()
{
    for (int rank = 0; rank < 13; ++rank)
        for (int suit = 0; suit < 4; ++suit) {
            const QString name = QString::fromLatin1(kSyllable[suit]) + QString::fromLatin1(kTag[rank]);
            tools::savePng(renderFace(kClassic, rank, suit), "cards/faces/" + name);
            tools::savePng(renderFace(kLarge, rank, suit), "cards/faces/" + name + "B");
        }
    const std::array<const char*, 7> backs = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                              "Ob05Fr", "Ob06Su", "Ob07Su"};
    for (int i = 0; i < 7; ++i) {
        const QString name = QString::fromLatin1(backs[i]);
        tools::savePng(renderBack(kClassic, i + 1), "cards/backs/" + name);
        tools::savePng(renderBack(kLarge, i + 1), "cards/backs/" + name + "B");
    }
    const std::array<const char*, 4> signs = {"Cher", "Bubi", "Kres", "Piki"};
    for (int s = 0; s < 4; ++s) {
        tools::savePng(renderSuitSign(20, s), "cards/signs/" + QString::fromLatin1(signs[s]));
        tools::savePng(renderSuitSign(40, s), "cards/signs/" + QString::fromLatin1(signs[s]) + "B");
    }
    struct Marker { char ch; const char* classic; const char* large; };
    const Marker markers[] = {{'*', "All0", "All0B"}, {'0', "A000", "A000B"}, {'1', "A001", "A001B"},
                              {'2', "A002", "A002B"}, {'3', "A003", "A003B"}, {'4', "A004", "A004B"},
                              {'x', "K000", "K000B"}, {'a', "K001", "K001B"}, {'b', "K002", "K002B"},
                              {'c', "K003", "K003B"}, {'d', "K004", "K004B"}, {'n', "N000", "N0000"},
                              {'y', "Y000", "Y0000"}};
    for (const Marker& m : markers) {
        tools::savePng(renderMarker(kClassic, QChar(m.ch)), "cards/markers/" + QString::fromLatin1(m.classic));
        tools::savePng(renderMarker(kLarge, QChar(m.ch)), "cards/markers/" + QString::fromLatin1(m.large));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, renderAll);
}
