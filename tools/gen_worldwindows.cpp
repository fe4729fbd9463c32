// The pictures of the passport, world top ten, result sender and chat windows: their
// captions, the passport's coloured tabs and frames, the refresh button, the board of
// the world top ten, the chat's line backgrounds and the send glyph.
#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

QString out(const char* name)
{
    return QStringLiteral("online/") + QLatin1String(name);
}

const QColor Red(0xc8, 0x28, 0x28);
const QColor Yellow(0xe0, 0xa8, 0x10);
const QColor Green(0x28, 0x96, 0x3c);
const QColor Blue(0x28, 0x58, 0xb8);

// The coloured tab above a passport field, behind its white label.
void tab(const QColor& colour, const char* name)
{
    const int w = 80, h = 27;
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(0.5, h);
    path.lineTo(0.5, 7);
    path.quadTo(0.5, 0.5, 7, 0.5);
    path.lineTo(w - 7, 0.5);
    path.quadTo(w - 0.5, 0.5, w - 0.5, 7);
    path.lineTo(w - 0.5, h);
    path.closeSubpath();
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(135));
    g.setColorAt(1, colour.darker(110));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(150), 1));
    p.drawPath(path);
    p.end();
    tools::savePng(img, out(name));
}

// The coloured frame around a field: a rounded band with a white inside.
void frame(const QColor& colour, int w, int h, const char* name)
{
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(150), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    p.end();
    tools::savePng(img, out(name));
}

// A round button with two arrows chasing each other.
void refreshButton(const QColor& colour, const char* name)
{
    const int s = 50;
    QImage img = tools::newImage(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(s * 0.4, s * 0.35), s * 0.6);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.7, colour);
    g.setColorAt(1, colour.darker(130));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(170), 1.5));
    p.drawEllipse(QRectF(2, 2, s - 5, s - 5));
    const QPointF c(s / 2.0 - 0.5, s / 2.0 - 0.5);
    const double r = 12;
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int half = 0; half < 2; ++half) {
        const double start = 100 + 180 * half;
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(start * 16), int(130 * 16));
        // The head at the arc's end, pointing along it.
        const double a = qDegreesToRadians(start + 130);
        const QPointF tip(c.x() + r * qCos(a), c.y() - r * qSin(a));
        const QPointF along(-qSin(a), -qCos(a));
        const QPointF out(qCos(a), -qSin(a));
        QPainterPath head;
        head.moveTo(tip + along * 6);
        head.lineTo(tip + out * 5);
        head.lineTo(tip - out * 5);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(head);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
    }
    p.end();
    tools::savePng(img, out(name));
}

// The board of the world top ten: an unrolled scroll across the window.
void scrollBoard()
{
    const int w = 630, h = 500;
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, w, 0);
    paper.setColorAt(0, QColor(0xf0, 0xdf, 0xb4));
    paper.setColorAt(0.08, QColor(0xfa, 0xee, 0xd0));
    paper.setColorAt(0.92, QColor(0xfa, 0xee, 0xd0));
    paper.setColorAt(1, QColor(0xf0, 0xdf, 0xb4));
    p.setBrush(paper);
    p.setPen(QPen(QColor(0xa0, 0x78, 0x3c), 1.5));
    p.drawRect(QRectF(22, 18, w - 44, h - 36));
    // Faint fibres, at fixed places.
    p.setPen(QPen(QColor(0xe0, 0xc8, 0x98), 1));
    for (int i = 0; i < 40; ++i) {
        const int x = 40 + (i * 137) % (w - 120);
        const int y = 35 + (i * 83) % (h - 70);
        p.drawLine(x, y, x + 20 + (i * 7) % 30, y + (i % 3) - 1);
    }
    auto roll = [&](double y) {
        QLinearGradient wood(0, y - 12, 0, y + 12);
        wood.setColorAt(0, QColor(0xe8, 0xc8, 0x88));
        wood.setColorAt(0.5, QColor(0xc8, 0x98, 0x50));
        wood.setColorAt(1, QColor(0x90, 0x62, 0x28));
        p.setBrush(wood);
        p.setPen(QPen(QColor(0x70, 0x48, 0x18), 1.2));
        p.drawRoundedRect(QRectF(8, y - 12, w - 16, 24), 10, 10);
        p.setBrush(QColor(0x8a, 0x5a, 0x22));
        p.drawEllipse(QRectF(1, y - 10, 14, 20));
        p.drawEllipse(QRectF(w - 15, y - 10, 14, 20));
    };
    roll(16);
    roll(h - 17);
    p.end();
    tools::savePng(img, out("SvitokBg"));
}

// A line of the chat: a badge for the message number and a band for its two rows.
void chatLine(const QColor& colour, const char* name)
{
    const int w = 700, h = 46;
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, colour.lighter(185));
    band.setColorAt(1, colour.lighter(160));
    p.setBrush(band);
    p.setPen(QPen(colour.darker(110), 1));
    p.drawRoundedRect(QRectF(30.5, 0.5, w - 31, h - 1), 10, 10);
    QRadialGradient badge(QPointF(24, 12), 34);
    badge.setColorAt(0, colour.lighter(120));
    badge.setColorAt(1, colour.darker(125));
    p.setBrush(badge);
    p.setPen(QPen(colour.darker(160), 1));
    p.drawRoundedRect(QRectF(2.5, 0.5, 54, h - 1), 10, 10);
    p.end();
    tools::savePng(img, out(name));
}

// The send button's glyph: a paper plane.
void sendGlyph()
{
    QImage img = tools::newImage(20, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath plane;
    plane.moveTo(1, 9);
    plane.lineTo(19, 1.5);
    plane.lineTo(13, 18.5);
    plane.lineTo(9.5, 11.5);
    plane.closeSubpath();
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x60, 0x30, 0x08), 1));
    p.drawPath(plane);
    p.drawLine(QPointF(9.5, 11.5), QPointF(19, 1.5));
    p.end();
    tools::savePng(img, out("GChatSend"));
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        tools::savePng(tools::goldCaption(QStringLiteral("Passport"), 205, 48), out("GPassportCap"));
        tools::savePng(tools::goldCaption(QStringLiteral("World Top Ten"), 300, 48), out("GWorldTopTenCap"));
        tools::savePng(tools::goldCaption(QStringLiteral("Chat"), 120, 48), out("GChatCap"));
        tab(Red, "GServerInfoR1");
        tab(Yellow, "GServerInfoY1");
        tab(Green, "GServerInfoG1");
        tab(Blue, "GServerInfoB1");
        frame(Green, 194, 27, "GServerInfoG2");
        frame(Blue, 174, 26, "GServerInfoB2");
        refreshButton(Red, "AdvButR");
        refreshButton(Green, "AdvButG");
        scrollBoard();
        chatLine(Red, "GChatR");
        chatLine(Yellow, "GChatY");
        sendGlyph();
    });
}
