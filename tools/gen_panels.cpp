// Renders the pictures of the card-count panels: the cream panel of the turned cards
// (385 x 85), the small count box the stock and waste counts stand in, and the four
// small suit signs of the panel's lines (0 hearts, 1 diamonds, 2 clubs, 3 spades).
#include "tools/common/Generator.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Cream(251, 246, 226);
const QColor Ink(0x6A, 0x50, 0x40);

QImage Panel()
{
    QImage img = tools::newImage(385, 85, Cream);
    QPainter p(&img);
    p.setPen(QPen(Ink, 1));
    p.drawRect(0, 0, 384, 84);
    p.setPen(QPen(Ink.lighter(160), 1));
    p.drawRect(3, 3, 378, 78);
    return img;
}

QImage CountBox()
{
    QImage img = tools::newImage(50, 30, Cream);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.6, 0.6, 48.8, 28.8), 5, 5);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(5, 2.5), QPointF(45, 2.5));
    return img;
}

// A suit sign filling an 11 x 11 square.
QImage SuitSign(int suit)
{
    QImage img(11, 11, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(suit <= 1 ? QColor(0xD0, 0x10, 0x10) : QColor(0x10, 0x10, 0x10));
    QPainterPath path;
    switch (suit) {
    case 0: // hearts
        path.moveTo(5.5, 10.2);
        path.cubicTo(0.0, 6.0, -0.5, 1.0, 3.0, 1.0);
        path.cubicTo(4.5, 1.0, 5.5, 2.5, 5.5, 3.2);
        path.cubicTo(5.5, 2.5, 6.5, 1.0, 8.0, 1.0);
        path.cubicTo(11.5, 1.0, 11.0, 6.0, 5.5, 10.2);
        break;
    case 1: // diamonds
        path.moveTo(5.5, 0.3);
        path.lineTo(9.6, 5.5);
        path.lineTo(5.5, 10.7);
        path.lineTo(1.4, 5.5);
        path.closeSubpath();
        break;
    case 2: // clubs
        path.addEllipse(QPointF(5.5, 2.9), 2.5, 2.5);
        path.addEllipse(QPointF(2.8, 6.3), 2.5, 2.5);
        path.addEllipse(QPointF(8.2, 6.3), 2.5, 2.5);
        path.addRect(QRectF(4.8, 5.0, 1.4, 4.5));
        path.addRect(QRectF(3.3, 9.3, 4.4, 1.4));
        break;
    default: // spades
        path.moveTo(5.5, 0.3);
        path.cubicTo(8.0, 3.0, 11.0, 4.5, 10.5, 7.0);
        path.cubicTo(10.0, 9.0, 7.0, 9.0, 5.8, 7.5);
        path.lineTo(7.3, 10.7);
        path.lineTo(3.7, 10.7);
        path.lineTo(5.2, 7.5);
        path.cubicTo(4.0, 9.0, 1.0, 9.0, 0.5, 7.0);
        path.cubicTo(0.0, 4.5, 3.0, 3.0, 5.5, 0.3);
        break;
    }
    path.setFillRule(Qt::WindingFill);
    p.drawPath(path);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        tools::savePng(Panel(), "pictures/ImageRamka");
        tools::savePng(CountBox(), "pictures/ImageSm");
        for (int s = 0; s <= 3; ++s)
            tools::savePng(SuitSign(s), QStringLiteral("pictures/ImageList3_%1").arg(s));
    });
}
