// The ten table backgrounds: each is a light pattern (one value per pixel) worked out
// once per size and then tinted in the seven table colours, darker toward the edges so
// the cards stand out.
#include "tools/addons/AddonArt.h"
#include "tools/CardShapes.h"
#include "tools/common/Noise.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace addons {

namespace {

using tools::Lcg;
using tools::ValueNoise;

// A soft motif layer drawn with the painter (0 = none, 1 = full), for the patterns
// made of shapes.
std::vector<float> motifLayer(int number, int w, int h, double s)
{
    QImage img(w, h, QImage::Format_Grayscale8);
    img.fill(0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    const double W = w / s, H = h / s;
    if (number == 5) {
        // Damask: rows of suit signs between little diamonds.
        p.setPen(Qt::NoPen);
        int k = 0;
        for (double y = 30; y < H + 60; y += 60)
            for (double x = (int(y / 60) % 2) * 40 + 20; x < W + 80; x += 80) {
                QColor c(255, 255, 255);
                cardshapes::fillSuit(p, (k++) % 4, QPointF(x, y), 26, false, c);
                p.setBrush(QColor(150, 150, 150));
                QPolygonF d{QPointF(x + 40, y - 6), QPointF(x + 46, y), QPointF(x + 40, y + 6), QPointF(x + 34, y)};
                p.drawPolygon(d);
            }
    } else if (number == 10) {
        // Tiles: bevelled squares.
        const double u = 64;
        for (double y = 0; y < H + u; y += u)
            for (double x = 0; x < W + u; x += u) {
                p.fillRect(QRectF(x + 2, y + 2, u - 4, u - 4), QColor(150, 150, 150));
                p.fillRect(QRectF(x + 2, y + 2, u - 4, 3), QColor(255, 255, 255));
                p.fillRect(QRectF(x + 2, y + 2, 3, u - 4), QColor(230, 230, 230));
            }
    } else if (number == 8) {
        const double u = 70;
        p.setPen(QPen(QColor(255, 255, 255), 2));
        p.setBrush(QColor(120, 120, 120));
        for (double y = -u; y < H + u; y += u / 2)
            for (double x = (int(std::lround(y / (u / 2))) & 1) * u / 2 - u; x < W + u; x += u) {
                QPolygonF d{QPointF(x, y - u / 2), QPointF(x + u / 2, y), QPointF(x, y + u / 2), QPointF(x - u / 2, y)};
                p.drawPolygon(d);
            }
    }
    p.end();
    std::vector<float> out(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const uchar* line = img.constScanLine(y);
        for (int x = 0; x < w; ++x)
            out[size_t(y) * size_t(w) + size_t(x)] = line[x] / 255.0f;
    }
    return out;
}

} // namespace

QImage renderBackground(int number, int colour, int w, int h)
{
    static const QColor bases[7] = {QColor(16, 108, 40),  QColor(124, 24, 28),  QColor(146, 74, 24), QColor(126, 116, 26),
                                    QColor(14, 104, 114), QColor(22, 42, 124), QColor(96, 32, 118)};
    const QColor base = bases[std::clamp(colour, 0, 6)];
    const double s = w / 760.0;
    const ValueNoise coarse(16, std::uint32_t(11 + number * 101)), fine(64, std::uint32_t(23 + number * 37));
    std::vector<float> motif;
    if (number == 5 || number == 8 || number == 10)
        motif = motifLayer(number, w, h, s);
    Lcg grain{std::uint32_t(7 + number)};
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double px = x / s, py = y / s;
            const double g = grain.next() - 0.5;
            double L = 0.5;
            switch (number) {
            case 1: { // linen: crossing threads
                const double warp = 0.5 + 0.5 * std::sin(px * 1.7 + 2 * fine.at(px / 30, py / 30));
                const double weft = 0.5 + 0.5 * std::sin(py * 1.7 + 2 * fine.at(py / 30, px / 30));
                L = 0.35 + 0.18 * warp + 0.18 * weft + 0.2 * coarse.at(px / 150, py / 150) + 0.05 * g;
                break;
            }
            case 2: // baize
                L = 0.5 + 0.18 * (coarse.at(px / 120, py / 120) - 0.5) + 0.1 * (fine.at(px / 9, py / 9) - 0.5) + 0.1 * g;
                break;
            case 3: { // marble veins
                const double t = coarse.fbm(px / 140, py / 140, 5);
                const double v = std::abs(std::sin((px * 0.6 + py * 0.8) / 40 + t * 9));
                L = 0.3 + 0.45 * std::pow(v, 0.35) + 0.15 * fine.at(px / 20, py / 20) + 0.03 * g;
                break;
            }
            case 4: { // wood grain
                const double t = coarse.fbm(px / 300, py / 60, 4);
                const double v = 0.5 + 0.5 * std::sin(py / 6 + t * 14);
                L = 0.35 + 0.3 * v + 0.15 * fine.at(px / 40, py / 3) + 0.04 * g;
                break;
            }
            case 6: { // leather: cells
                const double t = fine.fbm(px / 14, py / 14, 3);
                L = 0.3 + 0.5 * std::pow(t, 1.4) + 0.12 * coarse.at(px / 100, py / 100) + 0.04 * g;
                break;
            }
            case 7: { // flowing waves
                const double t = coarse.fbm(px / 200, py / 200, 3);
                const double v = 0.5 + 0.5 * std::sin(py / 14 + std::sin(px / 60) * 2.5 + t * 5);
                L = 0.38 + 0.26 * v + 0.08 * (fine.at(px / 10, py / 10) - 0.5) + 0.04 * g;
                break;
            }
            case 9: { // starry clouds
                const double t = coarse.fbm(px / 160, py / 160, 5);
                L = 0.1 + 0.8 * t * t + 0.04 * g;
                if (grain.next() > 0.997)
                    L = 1.05;
                break;
            }
            default: { // shape patterns on a soft mottle
                const double m = motif.empty() ? 0 : motif[size_t(y) * size_t(w) + size_t(x)];
                L = 0.36 + 0.1 * (coarse.at(px / 120, py / 120) - 0.5) + (number == 5 ? 0.2 : 0.32) * m + 0.05 * g;
                break;
            }
            }
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const double light = (0.62 + 0.8 * L) * (1.0 - 0.08 * (dx * dx + dy * dy));
            auto ch = [&](int c) { return std::clamp(int(std::nearbyint(c * light)), 0, 255); };
            line[x] = qRgb(ch(base.red()), ch(base.green()), ch(base.blue()));
        }
    }
    return img;
}

} // namespace addons
