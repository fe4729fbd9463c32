// Renders the red master pictures of the push button: a left cap, a right cap and a
// two-pixel middle strip for each of the three heights. The button recolours them into
// its colour schemes at paint time, and at the exact heights paints the middle from the
// same row colours, so caps and middle must share them row for row.
#include "tools/common/Generator.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace {

// Row colours, $BBGGRR, top row first: a maroon edge, a near-black line, a highlight
// fading from light to mid red, a dark separator, a red body brightening downward and a
// maroon edge.
const std::vector<unsigned> kRows29 = {
    0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7, 0x9191CF, 0x8888C8, 0x7F7FC2, 0x7575BC,
    0x6C6CB8, 0x6363B4, 0x5959B2, 0x5050B0, 0x242498, 0x000088, 0x000090, 0x000099, 0x0000A1, 0x0000AA,
    0x0000B2, 0x0000BB, 0x0000C3, 0x0000CC, 0x0000D4, 0x0000DD, 0x0000E5, 0x0000EE, 0x000080};
const std::vector<unsigned> kRows44 = {
    0x000080, 0x00000B, 0x5D5D84, 0xB4B4EF, 0xAFAFE9, 0xA9A9E3, 0xA2A2DD, 0x9C9CD7, 0x9696D2, 0x9090CE,
    0x8B8BC9, 0x8585C4, 0x7F7FC1, 0x7979BD, 0x7373BA, 0x6D6DB7, 0x6767B5, 0x6161B2, 0x5B5BB2, 0x5555B0,
    0x4F4FB0, 0x4A4AAF, 0x222299, 0x000088, 0x00008D, 0x000093, 0x000099, 0x00009E, 0x0000A4, 0x0000AA,
    0x0000AF, 0x0000B5, 0x0000BB, 0x0000C0, 0x0000C6, 0x0000CC, 0x0000D1, 0x0000D7, 0x0000DD, 0x0000E3,
    0x0000E8, 0x0000EE, 0x0000F4, 0x000080};
const std::vector<unsigned> kRows59 = {
    0x000080, 0x000009, 0x5E5E83, 0xB7B7F3, 0xB2B2ED, 0xAEAEE8, 0xA9A9E4, 0xA5A5E0, 0x9F9FDB, 0x9C9CD6,
    0x9797D2, 0x9393CE, 0x8E8ECA, 0x8A8AC7, 0x8686C4, 0x8181C1, 0x7D7DBE, 0x7878BD, 0x7474B9, 0x6F6FB7,
    0x6B6BB5, 0x6666B4, 0x6161B1, 0x5D5DB0, 0x5959AF, 0x5454AE, 0x5050AD, 0x4B4BAC, 0x4747AC, 0x212196,
    0x000084, 0x000088, 0x00008C, 0x000090, 0x000094, 0x000099, 0x00009D, 0x0000A1, 0x0000A5, 0x0000AA,
    0x0000AE, 0x0000B2, 0x0000B6, 0x0000BB, 0x0000BF, 0x0000C3, 0x0000C8, 0x0000CC, 0x0000D0, 0x0000D4,
    0x0000D9, 0x0000DD, 0x0000E1, 0x0000E5, 0x0000EA, 0x0000EE, 0x0000F2, 0x0000F6, 0x000080};

QColor bgr(unsigned v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

void renderSet(const QString& prefix, const std::vector<unsigned>& rows, int capW)
{
    const int h = int(rows.size());
    const int w = 2 * capW + 2;
    QImage fill = tools::newImage(w, h, Qt::black);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            fill.setPixelColor(x, y, bgr(rows[size_t(y)]));

    // The whole button once, so that both caps are cut from one rounded shape.
    QImage whole = tools::newImage(w, h);
    {
        QPainter p(&whole);
        p.setRenderHint(QPainter::Antialiasing);
        const double r = capW - 0.5;
        QPainterPath shape;
        shape.addRoundedRect(QRectF(0, 0, w, h), r, std::min(r, h / 2.0));
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(fill));
        p.drawPath(shape);
        QPainterPath edge;
        edge.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), r - 0.5, std::min(r, h / 2.0) - 0.5);
        p.setPen(QPen(bgr(rows.front()), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(edge);
    }
    // The strip is the row colours exactly.
    tools::savePng(fill.copy(0, 0, 2, h), "buttons/" + prefix + "_2");
    tools::savePng(whole.copy(0, 0, capW, h), "buttons/" + prefix + "_L");
    tools::savePng(whole.copy(w - capW, 0, capW, h), "buttons/" + prefix + "_R");
}

void renderAll()
{
    renderSet(QStringLiteral("R29"), kRows29, 8);
    renderSet(QStringLiteral("R44"), kRows44, 13);
    renderSet(QStringLiteral("R59"), kRows59, 17);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, renderAll);
}
