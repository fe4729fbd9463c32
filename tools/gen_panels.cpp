// Renders the pictures of the card-count panels: the cream panel of the turned cards
// (385 x 85), the small count box the stock and waste counts stand in, the four small
// suit signs of the panel's lines (0 hearts, 1 diamonds, 2 clubs, 3 spades), and Uncle
// Pelk's marks: the empty progress gauge (31 x 111 on the key colour $C0C0C0), its level
// mark and frame, and the two 10 x 20 marks under a column (0 builds down, 1 builds up).
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

// The gauge's empty tube on the key colour, which the program leaves out.
QImage Gauge()
{
    QImage img = tools::newImage(31, 111, QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x28, 0x24, 0x38));
    p.drawRect(1, 0, 29, 111);
    p.setBrush(QColor(0x38, 0x34, 0x4C));
    p.drawRect(3, 0, 25, 111);
    return img;
}

QImage GaugeFrame()
{
    QImage img(31, 111, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(QPen(QColor(0xE8, 0xD0, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 30, 110);
    p.setPen(QPen(QColor(0x80, 0x68, 0x20), 1));
    p.drawRect(1, 1, 28, 108);
    for (int y = 11; y < 110; y += 11)
        p.drawLine(1, y, 4, y);
    return img;
}

// The level: a bar with a point at each end, 31 x 5.
QImage GaugeLevel()
{
    QImage img(31, 5, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawRect(2, 1, 27, 3);
    p.drawPolygon(QPolygon({QPoint(0, 2), QPoint(3, 0), QPoint(3, 4)}));
    p.drawPolygon(QPolygon({QPoint(30, 2), QPoint(27, 0), QPoint(27, 4)}));
    return img;
}

// An arrow in a 10 x 20 box, pointing up or down.
QImage ColumnMark(bool up)
{
    QImage img(10, 20, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(up ? QColor(0xF0, 0xD0, 0x30) : QColor(0xE0, 0xE0, 0xE0));
    p.drawRect(QRectF(3.5, up ? 7 : 1, 3, 12));
    const qreal tip = up ? 0.5 : 19.5;
    const qreal base = up ? 8 : 12;
    p.drawPolygon(QPolygonF({QPointF(5, tip), QPointF(0.5, base), QPointF(9.5, base)}));
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
        tools::savePng(Gauge(), "pictures/ImageGisto");
        tools::savePng(GaugeLevel(), "pictures/ImageListG_0");
        tools::savePng(GaugeFrame(), "pictures/ImageListG_1");
        tools::savePng(ColumnMark(false), "pictures/ImageList4_0");
        tools::savePng(ColumnMark(true), "pictures/ImageList4_1");
    });
}
