// Renders the pictures of the sign-in dialog, the score window and the move question
// into resources/dialogs/: the header icons, the caption words (the same in every
// language), the round markers and the name box's frame of the sign-in and the two
// score boards. The divider and the password boxes' frame are shared with other
// windows and rendered with them.
#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

namespace {

using tools::GenError;

QString out(const QString& name)
{
    return QStringLiteral("dialogs/") + name;
}

void renderCaption(const QString& name, const QString& text, int w, int h)
{
    tools::savePng(tools::goldCaption(text, w, h), out(name));
}

// A round badge in a colour, with a light rim and a gloss.
void badge(QPainter& p, const QRectF& r, const QColor& colour)
{
    QRadialGradient g(r.center() - QPointF(r.width() * 0.18, r.height() * 0.22), r.width() * 0.7);
    g.setColorAt(0.0, colour.lighter(160));
    g.setColorAt(0.55, colour);
    g.setColorAt(1.0, colour.darker(160));
    p.setPen(QPen(colour.darker(220), std::max(1.0, r.width() / 24.0)));
    p.setBrush(g);
    p.drawEllipse(r);
}

// The sign-in's icon: a pennant on a pole.
void renderFlag()
{
    QImage img = tools::newImage(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x14), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 4), QPointF(10, 45));
    p.setBrush(QColor(0x6b, 0x45, 0x18));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(10, 4), 3, 3);
    QPainterPath cloth;
    cloth.moveTo(11.5, 6);
    cloth.cubicTo(22, 2, 30, 12, 43, 7);
    cloth.lineTo(43, 27);
    cloth.cubicTo(30, 32, 22, 22, 11.5, 26);
    cloth.closeSubpath();
    QLinearGradient g(11, 6, 43, 27);
    g.setColorAt(0, QColor(0xe0, 0x20, 0x28));
    g.setColorAt(1, QColor(0x8c, 0x08, 0x10));
    p.setPen(QPen(QColor(0x50, 0x05, 0x08), 1.2));
    p.setBrush(g);
    p.drawPath(cloth);
    // A white heart on the cloth.
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 100);
    const QPainterPath heart = tools::fittedText(QString(QChar(0x2665)), f, QRectF(20, 8, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf6, 0xe8));
    p.drawPath(heart);
    tools::savePng(img, out(QStringLiteral("FlagS")));
}

// The score window's icon: a small scoreboard with two figures.
void renderScoreIcon()
{
    QImage img = tools::newImage(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3b, 0x22, 0x08), 2));
    QLinearGradient wood(0, 6, 0, 42);
    wood.setColorAt(0, QColor(0xc8, 0x8a, 0x3c));
    wood.setColorAt(1, QColor(0x7a, 0x4a, 0x16));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(3, 8, 42, 32), 5, 5);
    p.setBrush(QColor(0x10, 0x3a, 0x1c));
    p.setPen(QPen(QColor(0xe8, 0xd0, 0x90), 1));
    p.drawRoundedRect(QRectF(7, 12, 34, 24), 3, 3);
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 100, QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x60));
    p.drawPath(tools::fittedText(QStringLiteral("21"), f, QRectF(9, 14, 30, 20)));
    // Two posts the board stands on.
    p.setBrush(QColor(0x5a, 0x3a, 0x14));
    p.drawRect(QRectF(11, 40, 4, 6));
    p.drawRect(QRectF(33, 40, 4, 6));
    tools::savePng(img, out(QStringLiteral("Score")));
}

// The move question's icon: a question mark on a blue badge.
void renderQuestIcon()
{
    QImage img = tools::newImage(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    badge(p, QRectF(3, 3, 42, 42), QColor(0x1c, 0x5c, 0xc8));
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Serif"), 100, QFont::Bold);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(tools::fittedText(QStringLiteral("?"), f, QRectF(12, 9, 24, 30)));
    tools::savePng(img, out(QStringLiteral("Quest")));
}

// The numbered step markers before the sign-in's labels (the digit is drawn by the
// dialog): the marker's centre falls on the digit's.
void renderMarker(const QString& name, const QColor& colour)
{
    QImage img = tools::newImage(33, 36);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    badge(p, QRectF(1.5, 3, 30, 30), colour);
    tools::savePng(img, out(name));
}

// The frame behind an edit box: the box sits 2 pixels inside it.
void renderEditFrame(const QString& name, int w, int h, const QColor& colour)
{
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1));
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    tools::savePng(img, out(name));
}

// A score board: a parchment panel in a wooden frame with the card-table green or a
// warm yellow, the texts being drawn on it by the window.
void renderBoard(const QString& name, int w, int h, const QColor& top, const QColor& bottom)
{
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 0, w, h);
    wood.setColorAt(0, QColor(0xb8, 0x7a, 0x34));
    wood.setColorAt(0.5, QColor(0x8a, 0x56, 0x1c));
    wood.setColorAt(1, QColor(0x6a, 0x3e, 0x10));
    p.setPen(QPen(QColor(0x3b, 0x22, 0x08), 1.5));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 12, 12);
    QLinearGradient face(0, 0, 0, h);
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(QColor(0xe8, 0xd0, 0x90), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(10, 10, w - 20, h - 20), 8, 8);
    // Nails in the frame's corners.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xd0, 0x90));
    for (const QPointF c : {QPointF(5.5, 5.5), QPointF(w - 5.5, 5.5), QPointF(5.5, h - 5.5), QPointF(w - 5.5, h - 5.5)})
        p.drawEllipse(c, 2, 2);
    tools::savePng(img, out(name));
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        renderFlag();
        renderScoreIcon();
        renderQuestIcon();
        renderCaption(QStringLiteral("GWelcomeCap"), QStringLiteral("Welcome!"), 200, 48);
        renderCaption(QStringLiteral("GInfoCap"), QStringLiteral("Info"), 100, 48);
        renderCaption(QStringLiteral("GChoiceCap"), QStringLiteral("Choice"), 150, 48);
        renderMarker(QStringLiteral("GPwR"), QColor(0xd0, 0x18, 0x20));
        renderMarker(QStringLiteral("GPwY"), QColor(0xe8, 0xa8, 0x10));
        renderEditFrame(QStringLiteral("GServerInfoR2"), 194, 27, QColor(0xd0, 0x30, 0x30));
        renderBoard(QStringLiteral("TabloY"), 200, 350, QColor(0xff, 0xf6, 0xc8), QColor(0xf4, 0xdc, 0x8c));
        renderBoard(QStringLiteral("TabloG"), 200, 200, QColor(0xe4, 0xf6, 0xd8), QColor(0xb8, 0xe0, 0xa0));
    });
}
