// Renders the pictures of the online windows into resources/online/: the six flag lists
// of 14 x 12 pixels (one strip per continent, image n at x = 14 n, image 0 the unknown
// flag), the two 16 x 16 sex icons, and the statistics window's caption, version panel
// and row bars. The flags are simplified designs of our own, drawn from the table below.
// No flag pixel is pure red: the country lists draw pure red as see-through.
#include "tools/common/Generator.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int FlagW = 14;
constexpr int FlagH = 12;

QColor colour(QChar c)
{
    static const QHash<QChar, QColor> palette = {
        {'r', QColor(206, 24, 38)},  {'w', QColor(250, 250, 250)}, {'b', QColor(0, 60, 165)},
        {'n', QColor(10, 36, 100)},  {'g', QColor(0, 135, 70)},    {'y', QColor(250, 205, 0)},
        {'k', QColor(20, 20, 20)},   {'o', QColor(240, 128, 30)},  {'s', QColor(95, 165, 225)},
        {'m', QColor(128, 22, 50)},  {'l', QColor(0, 150, 205)},   {'e', QColor(150, 150, 150)},
    };
    if (!palette.contains(c))
        throw tools::GenError(QStringLiteral("flag colour %1 unknown").arg(c));
    return palette.value(c);
}

// A design: a pattern letter, its colours, and optionally "*" and the colour of a small
// star or badge in the middle (or in the canton or triangle, where there is one).
//   H stripes across   V stripes down   C Nordic cross (ground, cross[, inner cross])
//   P centred cross    D disc (ground, disc)   T triangle at the hoist over stripes
//   K canton over a ground   X diagonal cross   A diagonal halves   U unknown
const char* const Europe[] = {
    "U", "Hwbr", "Vrkr", "Vbyr", "Hrwr", "Hrgr", "Vkyr", "Ab y", "Hwgr", "Hrwb*r", "Hwbr", "Crw", "Hbkw",
    "Cwbr", "Cwb", "Vbwr", "Hkry", "Hwwr*r", "Cbw", "Cwr*y", "Hrwg", "Cbwr", "Vgwo", "Hrrr*y", "Vgwr", "Xwr",
    "Hrwr", "Hbbr*y", "Hygr", "Hrws", "Hryr*y", "Vwr", "Vbyr*o", "Hrw", "Hrwb", "Crwb", "Hwr", "Vgr*y", "Vbyr",
    "Hsw*y", "Hbwr", "Hwbr*r", "Hwbr*b", "Hryr", "Cby", "Prw", "Hby", "Vyw*y", "Xnwr",
};
const char* const Asia[] = {
    "U", "Vkrg", "Hrbo", "Hlrg*w", "Vwr", "Dgr", "Ayo", "Hwwb*n", "Hyw*k", "Hbrb*w", "Hrr*y", "Hww*o", "Tkrr*y",
    "Pwr", "Hrr*w", "Hogw*b", "Hrw", "Hgwr*r", "Hrwk*g", "Hwbw*b", "Dwr", "Tkwgr*w", "Hll*y", "Tgwgr", "Hrr*y",
    "Hrbr*w", "Hrwr*g", "Hgg*w", "Hrwb*y", "Hgg*w", "Vrbr*y", "Hygr*w", "Arb", "Hbrb*r", "Vwrg", "Vwgg*w",
    "Hbrw*y", "Vwm", "Hgg*w", "Hrw*w", "Hwwr*b", "Hrr*y", "Hrwk*g", "Krr*w", "Hrwg*y", "Hrwbwr", "Hrr*w",
    "Vgg*w", "Tgwk", "Hlwg*w", "Hrr*y", "Hrwk",
};
const char* const NorthAmerica[] = {
    "U", "Knb*o", "Hkrw*y", "Hss*y", "Hbkb", "Vbyb", "Hbb*w", "Knr*w", "Knb*g", "Vrwr*r", "Knb*w", "Hbwrwb",
    "Hbwbwb*r", "Hgg*y", "Pbw*r", "Hbwb", "Hwr", "Hrgr*y", "Vsyg*g", "Hbr*w", "Hbwb*b", "Xgy", "Hbb*w", "Vgwr*o",
    "Knb*g", "Hbwb*s", "Hwwr*b", "Tbrwrwb", "Agk*y", "Hss*y", "Hbwr", "Vbyg*g", "Arr*k", "Knb*y", "Knr*w",
    "Hwwy*b",
};
const char* const SouthAmerica[] = {
    "U", "Hsws*y", "Hryg", "Hgyg*b", "Kbr*w", "Hyybr", "Hyybr*w", "Knb*w", "Tyrg", "Hrwb*y", "Vrwr", "Knb*w",
    "Hgwrwg*y", "Hwbw*y", "Hyybr*w",
};
const char* const Oceania[] = {
    "U", "Tnwwb*w", "Knb*w", "Knb*w", "Knl*w", "Hll*r", "Hbb*r", "Hrbw*y", "Ab o", "Hss*w", "Hnyn*w", "Knb*r",
    "Knyy*w", "Knb*g", "Hgwg*g", "Hbb*w", "Hll*y", "Ark*y", "Knb*g", "Krr*w", "Alg*y", "Kwr*r", "Knl*y", "Vrkg*y",
};
const char* const Africa[] = {
    "U", "Vgw*r", "Hrk*y", "Tgyr", "Hlkl", "Hrg*y", "Xrg*w", "Hbbwrb*y", "Hbrbgy*y", "Vbyr", "Hgyb", "Agy*w",
    "Ayr*g", "Als*y", "Hlgw*r", "Hrwk*y", "Tbgw", "Tbgr*y", "Hgyr*y", "Hgyb", "Hrbg", "Hryg*k", "Vryg", "Tryg*k",
    "Vowg", "Hkrg*w", "Hbwg*k", "Hrwrwr*w", "Hrkg*w", "Vwrg", "Hkrg*r", "Vgyr", "Hgg*y", "Hrbyg", "Hrr*g",
    "Tryk*y", "Hbgb*k", "Howg*o", "Vgwg", "Hlly*k", "Hss*y", "Tgyr*k", "Vgyr*g", "Hrr*y", "Hbyrwg", "Hgwb",
    "Hss*w", "Tgyrwb", "Trwgk", "Hbyr*k", "Hbgk*y", "Hgyg*r", "Hrr*w", "Hkyr*y", "Hgykr*y",
};

void star(QPainter& p, QPointF c, double r, const QColor& col)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2) ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * qCos(a), c.y() + rr * qSin(a));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(path);
}

void stripes(QPainter& p, const QString& cs, const QRectF& box, bool across)
{
    const int n = int(cs.size());
    for (int i = 0; i < n; ++i) {
        const double a = (across ? box.height() : box.width()) * i / n;
        const double b = (across ? box.height() : box.width()) * (i + 1) / n;
        const QRectF r = across ? QRectF(box.left(), box.top() + a, box.width(), b - a)
                                : QRectF(box.left() + a, box.top(), b - a, box.height());
        p.fillRect(r, colour(cs[i]));
    }
}

QImage flag(const QString& design)
{
    QImage img = tools::newImage(FlagW, FlagH, colour('e'));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qsizetype starAt = design.indexOf(QLatin1Char('*'));
    const QString body = starAt < 0 ? design : design.left(starAt);
    const QChar kind = body.isEmpty() ? QLatin1Char('U') : body[0];
    const QString cs = body.mid(1);
    const QRectF all(0, 0, FlagW, FlagH);
    QPointF badge(FlagW / 2.0, FlagH / 2.0);
    double badgeR = 3.0;
    auto need = [&](int n) {
        if (cs.size() < n)
            throw tools::GenError(QStringLiteral("flag design %1 needs %2 colours").arg(design).arg(n));
    };
    switch (kind.toLatin1()) {
    case 'H': need(1); stripes(p, cs, all, true); break;
    case 'V': need(1); stripes(p, cs, all, false); break;
    case 'C':
        need(2);
        p.fillRect(all, colour(cs[0]));
        p.fillRect(QRectF(3, 0, 3, FlagH), colour(cs[1]));
        p.fillRect(QRectF(0, 4.5, FlagW, 3), colour(cs[1]));
        if (cs.size() > 2) {
            p.fillRect(QRectF(4, 0, 1, FlagH), colour(cs[2]));
            p.fillRect(QRectF(0, 5.5, FlagW, 1), colour(cs[2]));
        }
        badge = QPointF(4.5, 6);
        break;
    case 'P':
        need(2);
        p.fillRect(all, colour(cs[0]));
        p.fillRect(QRectF(5.5, 2, 3, 8), colour(cs[1]));
        p.fillRect(QRectF(3, 4.5, 8, 3), colour(cs[1]));
        break;
    case 'D':
        need(2);
        p.fillRect(all, colour(cs[0]));
        p.setPen(Qt::NoPen);
        p.setBrush(colour(cs[1]));
        p.drawEllipse(QPointF(FlagW / 2.0, FlagH / 2.0), 3.2, 3.2);
        break;
    case 'T': {
        need(2);
        stripes(p, cs.mid(1), all, true);
        QPainterPath tri;
        tri.moveTo(0, 0);
        tri.lineTo(6.5, FlagH / 2.0);
        tri.lineTo(0, FlagH);
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour(cs[0]));
        p.drawPath(tri);
        badge = QPointF(2.3, FlagH / 2.0);
        badgeR = 1.9;
        break;
    }
    case 'K':
        need(2);
        p.fillRect(all, colour(cs[1]));
        p.fillRect(QRectF(0, 0, 7, 6), colour(cs[0]));
        p.setPen(QPen(colour('w'), 1));
        p.drawLine(QPointF(0, 0), QPointF(7, 6));
        p.drawLine(QPointF(7, 0), QPointF(0, 6));
        badge = QPointF(10.5, 8.5);
        badgeR = 2.2;
        break;
    case 'X':
        need(2);
        p.fillRect(all, colour(cs[0]));
        p.setPen(QPen(colour(cs[1]), 2.2));
        p.drawLine(QPointF(0, 0), QPointF(FlagW, FlagH));
        p.drawLine(QPointF(FlagW, 0), QPointF(0, FlagH));
        if (cs.size() > 2) {
            p.setPen(QPen(colour(cs[2]), 2.2));
            p.drawLine(QPointF(FlagW / 2.0, 0), QPointF(FlagW / 2.0, FlagH));
            p.drawLine(QPointF(0, FlagH / 2.0), QPointF(FlagW, FlagH / 2.0));
        }
        break;
    case 'A': {
        need(2);
        p.fillRect(all, colour(cs[1] == QLatin1Char(' ') ? QLatin1Char('w') : cs[1]));
        QPainterPath half;
        half.moveTo(0, 0);
        half.lineTo(FlagW, 0);
        half.lineTo(0, FlagH);
        half.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour(cs[0]));
        p.drawPath(half);
        if (cs.size() > 2)
            p.setPen(QPen(colour(cs[2]), 1.5)), p.drawLine(QPointF(FlagW, 0), QPointF(0, FlagH));
        break;
    }
    case 'U':
    default: {
        p.fillRect(all, QColor(205, 205, 205));
        p.setPen(QPen(QColor(110, 110, 110), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4.5, 1.5, 5, 5), 180 * 16, -270 * 16);
        p.drawLine(QPointF(7, 6.5), QPointF(7, 8));
        p.fillRect(QRectF(6.3, 9, 1.4, 1.4), QColor(110, 110, 110));
        break;
    }
    }
    if (starAt >= 0 && starAt + 1 < design.size())
        star(p, badge, badgeR, colour(design[starAt + 1]));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, FlagW - 1, FlagH - 1));
    p.end();
    // See-through pure red in the lists: never let a blend land on it.
    img = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < FlagH; ++y)
        for (int x = 0; x < FlagW; ++x)
            if (img.pixel(x, y) == qRgb(255, 0, 0))
                img.setPixel(x, y, qRgb(250, 0, 0));
    return img;
}

template <size_t N>
void flagList(const char* const (&designs)[N], int expected, const QString& name)
{
    if (int(N) != expected)
        throw tools::GenError(QStringLiteral("%1 holds %2 flags, not %3").arg(name).arg(N).arg(expected));
    QImage strip(FlagW * int(N), FlagH, QImage::Format_RGB32);
    QPainter p(&strip);
    for (size_t i = 0; i < N; ++i)
        p.drawImage(int(i) * FlagW, 0, flag(QString::fromLatin1(designs[i])));
    p.end();
    tools::savePng(strip, QStringLiteral("online/") + name);
}

void face(bool man, const QString& name)
{
    QImage img = tools::newImage(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = man ? QColor(40, 90, 190) : QColor(200, 50, 130);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    if (man) {
        p.drawRoundedRect(QRectF(3, 9.5, 10, 6.5), 3, 3);
    } else {
        QPainterPath dress;
        dress.moveTo(8, 8.5);
        dress.lineTo(13.5, 16);
        dress.lineTo(2.5, 16);
        dress.closeSubpath();
        p.drawPath(dress);
    }
    p.setBrush(QColor(245, 205, 170));
    p.setPen(QPen(body.darker(140), 0.8));
    p.drawEllipse(QPointF(8, 5), 3.4, 3.6);
    p.end();
    tools::savePng(img, QStringLiteral("online/") + name);
}

void statisticsPictures()
{
    tools::savePng(tools::goldCaption(QStringLiteral("Statistics"), 250, 50), QStringLiteral("online/GWorldStatsCap"));

    {   // The version note's panel: a soft band with rounded ends.
        QImage img = tools::newImage(420, 70);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 70);
        g.setColorAt(0, QColor(255, 248, 225));
        g.setColorAt(1, QColor(240, 222, 170));
        p.setBrush(g);
        p.setPen(QPen(QColor(190, 160, 90), 1.5));
        p.drawRoundedRect(QRectF(2, 8, 416, 54), 14, 14);
        p.end();
        tools::savePng(img, QStringLiteral("online/GStatV"));
    }
    const struct {
        const char* name;
        QColor colour;
    } bars[] = {{"GStatR", QColor(190, 40, 40)}, {"GStatG", QColor(30, 140, 60)}, {"GStatB", QColor(40, 80, 180)}};
    for (const auto& b : bars) {
        // A row: a badge for its number at the left, a bar pale under its label and dark
        // under its white value.
        QImage img = tools::newImage(420, 34);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 420, 0);
        g.setColorAt(0, b.colour.lighter(180));
        g.setColorAt(0.7, b.colour.lighter(165));
        g.setColorAt(0.85, b.colour);
        g.setColorAt(1, b.colour.darker(115));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(10, 4, 408, 26), 13, 13);
        QRadialGradient r(QPointF(13, 13), 15);
        r.setColorAt(0, b.colour.lighter(140));
        r.setColorAt(1, b.colour.darker(120));
        p.setBrush(r);
        p.setPen(QPen(b.colour.darker(160), 1));
        p.drawEllipse(QPointF(16, 17), 13, 13);
        p.end();
        tools::savePng(img, QStringLiteral("online/") + QLatin1String(b.name));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        flagList(Europe, 49, QStringLiteral("ILEuro"));
        flagList(Asia, 52, QStringLiteral("ILAsia"));
        flagList(NorthAmerica, 36, QStringLiteral("ILNAme"));
        flagList(SouthAmerica, 15, QStringLiteral("ILSAme"));
        flagList(Oceania, 24, QStringLiteral("ILOcea"));
        flagList(Africa, 55, QStringLiteral("ILAfri"));
        face(true, QStringLiteral("FaceMan16"));
        face(false, QStringLiteral("FaceWoman16"));
        statisticsPictures();
    });
}
