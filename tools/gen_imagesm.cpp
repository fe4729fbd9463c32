// Renders resources/games/ImageSm.png, 50 x 30: the box stretched under the stock and
// waste counters of Busy Aces and Uncle Pelk, on which the count is written in red. A
// light cream plate with a bevelled brown rim, so a red number reads well on it at any
// stretch.
#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

QImage countBox()
{
    QImage img = tools::newImage(50, 30);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, 49, 29);
    QLinearGradient rim(0, 0, 0, 30);
    rim.setColorAt(0, QColor(0xb0, 0x80, 0x48));
    rim.setColorAt(1, QColor(0x5c, 0x38, 0x14));
    p.setPen(QPen(QColor(0x3a, 0x22, 0x0c), 1));
    p.setBrush(rim);
    p.drawRoundedRect(outer, 5, 5);
    QLinearGradient plate(0, 3, 0, 27);
    plate.setColorAt(0, QColor(0xff, 0xfb, 0xe8));
    plate.setColorAt(1, QColor(0xee, 0xe0, 0xb8));
    p.setPen(QPen(QColor(0x8a, 0x60, 0x30), 1));
    p.setBrush(plate);
    p.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 3, 3);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] { tools::savePng(countBox(), QStringLiteral("games/ImageSm")); });
}
