// Renders the pictures that carry words, once per language, into resources/captions/:
// the fifty game captions, the program's title in two sizes and the language flags.
// The words come from the text tables, so a corrected translation only needs a rerun.
#include "foundation/CaptionNames.h"
#include "foundation/GameTables.h"
#include "foundation/Texts.h"
#include "tools/common/Generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using tools::GenError;

constexpr int Russian = 1, Chinese = 5, Japanese = 8, Korean = 9;

// Display lettering: a serif with some flourish for the alphabets, the serif CJK face
// of the language for Chinese, Japanese and Korean (each has its own glyph forms).
QFont letteringFont(int language, int pixelSize)
{
    QFont f;
    switch (language) {
    case Chinese: f = tools::requireFont(QStringLiteral("Noto Serif CJK SC"), pixelSize, QFont::Bold); break;
    case Japanese: f = tools::requireFont(QStringLiteral("Noto Serif CJK JP"), pixelSize, QFont::Bold); break;
    case Korean: f = tools::requireFont(QStringLiteral("Noto Serif CJK KR"), pixelSize, QFont::Bold); break;
    default:
        f = tools::requireFont(QStringLiteral("Noto Serif Display"), pixelSize, QFont::Bold);
        // Italic Cyrillic changes letter shapes (т, п, и) and reads poorly at the
        // caption's shown size; the Latin italic stays clear.
        f.setItalic(language != Russian);
        break;
    }
    // A missing glyph must fail here, not be borrowed from another face.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

QFont labelFont(int language, int pixelSize)
{
    QFont f;
    switch (language) {
    case Chinese: f = tools::requireFont(QStringLiteral("Noto Sans CJK SC"), pixelSize, QFont::Bold); break;
    case Japanese: f = tools::requireFont(QStringLiteral("Noto Sans CJK JP"), pixelSize, QFont::Bold); break;
    case Korean: f = tools::requireFont(QStringLiteral("Noto Sans CJK KR"), pixelSize, QFont::Bold); break;
    default: f = tools::requireFont(QStringLiteral("Noto Sans"), pixelSize, QFont::Bold); break;
    }
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

// Separable box blur of the alpha channel, three passes (close to a Gaussian).
QImage blurred(const QImage& src, int radius)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width(), h = img.height();
    std::vector<int> a(static_cast<size_t>(w) * h), tmp(a.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[static_cast<size_t>(y) * w + x] = qAlpha(img.pixel(x, y));
    const int n = 2 * radius + 1;
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? h : w, len = horizontal ? w : h;
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) -> int& {
                const int c = std::clamp(i, 0, len - 1);
                return horizontal ? a[static_cast<size_t>(l) * w + c] : a[static_cast<size_t>(c) * w + l];
            };
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += at(i);
            for (int i = 0; i < len; ++i) {
                const size_t out = horizontal ? static_cast<size_t>(l) * w + i : static_cast<size_t>(i) * w + l;
                tmp[out] = sum / n;
                sum += at(i + radius + 1) - at(i - radius);
            }
        }
        a.swap(tmp);
    };
    for (int k = 0; k < 3; ++k) {
        pass(true);
        pass(false);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = a[static_cast<size_t>(y) * w + x];
            out.setPixel(x, y, qRgba(0, 0, 0, v));
        }
    return out;
}

// Gold letters with a dark brown rim and a soft shadow below them, for the green
// table and every background picture.
void drawGoldLettering(QImage& img, const QPainterPath& path, double unit)
{
    QImage shadow = tools::newImage(img.width(), img.height());
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(unit * 1.2, unit * 1.8);
        p.setPen(QPen(Qt::black, unit * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::black);
        p.drawPath(path);
    }
    shadow = blurred(shadow, std::max(1, qRound(unit * 1.2)));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.65);
    p.drawImage(0, 0, shadow);
    p.setOpacity(1.0);
    tools::paintGoldLetters(p, path, unit);

    // A thin light line along the top edges gives the letters some relief.
    p.setClipPath(path);
    p.setPen(QPen(QColor(255, 255, 240, 150), unit * 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(0, unit * 0.7));
}

QString gameName(int number, int language)
{
    const QString name = Texts::GameNames[number][language];
    if (name.trimmed().isEmpty())
        throw GenError(QStringLiteral("game %1 has no name in language %2").arg(number).arg(language));
    return name;
}

void renderGameCaption(int gameCode, int number, int language)
{
    const int w = Captions::GameCaptionWidth, h = Captions::GameCaptionHeight;
    QImage img = tools::newImage(w, h);
    const QString text = gameName(number, language);
    const QFont font = letteringFont(language, 100);
    const double unit = h / 40.0;
    const QRectF box(14, 8, w - 28, h - 16);
    drawGoldLettering(img, tools::fittedText(text, font, box), unit);
    tools::savePng(img, QStringLiteral("captions/") + Captions::GameCaptionName(gameCode, language));
}

// A card suit sign for the title's ends: red heart on the left, black spade on the
// right, each with a cream rim so that it stands out on dark backgrounds too.
void drawSuit(QPainter& p, QChar suit, const QRectF& box, const QColor& fill, double unit)
{
    const QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), 100, QFont::Normal);
    QPainterPath path = tools::fittedText(QString(suit), f, box);
    p.setPen(QPen(QColor(0xff, 0xf3, 0xc4), unit * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void renderTitle(int language, bool large)
{
    const int w = large ? Captions::LargeTitleWidth : Captions::TitleWidth;
    const int h = large ? Captions::LargeTitleHeight : Captions::TitleHeight;
    QImage img = tools::newImage(w, h);
    const QString text = Texts::ProductNames[language];
    if (text.trimmed().isEmpty())
        throw GenError(QStringLiteral("no product name in language %1").arg(language));
    const double unit = h / 40.0;
    const double suitSize = h * 0.5, suitGap = h * 0.22;
    const QRectF box(suitSize + 2 * suitGap, h * 0.06, w - 2 * (suitSize + 2 * suitGap), h * 0.88);
    const QPainterPath name = tools::fittedText(text, letteringFont(language, 100), box);
    drawGoldLettering(img, name, unit);
    {
        // The suits stand close to the name, whatever its length.
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF ink = name.boundingRect();
        const double y = (h - suitSize) / 2;
        drawSuit(p, QChar(0x2665), QRectF(ink.left() - suitGap - suitSize, y, suitSize, suitSize),
                 QColor(0xc8, 0x10, 0x1e), unit);
        drawSuit(p, QChar(0x2660), QRectF(ink.right() + suitGap, y, suitSize, suitSize), QColor(0x14, 0x14, 0x14),
                 unit);
    }
    tools::savePng(img, QStringLiteral("captions/") + Captions::TitleCaptionName(language, large));
}

// ---- flags: the flag of each language's main country, drawn on a w x h field ----

void stripes(QPainter& p, const QRectF& r, const std::vector<QColor>& colors, bool vertical,
             const std::vector<double>& weights = {})
{
    double total = 0;
    for (size_t i = 0; i < colors.size(); ++i)
        total += weights.empty() ? 1.0 : weights[i];
    double at = 0;
    for (size_t i = 0; i < colors.size(); ++i) {
        const double part = (weights.empty() ? 1.0 : weights[i]) / total;
        const QRectF s = vertical ? QRectF(r.left() + at * r.width(), r.top(), part * r.width(), r.height())
                                  : QRectF(r.left(), r.top() + at * r.height(), r.width(), part * r.height());
        p.fillRect(s.adjusted(0, 0, vertical ? 0.5 : 0, vertical ? 0 : 0.5), colors[i]);
        at += part;
    }
}

QPolygonF star(QPointF c, double outer, double rotationDeg)
{
    QPolygonF poly;
    const double inner = outer * 0.382;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(rotationDeg - 90.0 + i * 36.0);
        const double r = (i % 2 == 0) ? outer : inner;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return poly;
}

void unionFlag(QPainter& p, const QRectF& r)
{
    const QColor blue(0x01, 0x21, 0x69), red(0xc8, 0x10, 0x2e);
    p.fillRect(r, blue);
    p.save();
    p.setClipRect(r);
    p.translate(r.topLeft());
    p.scale(r.width() / 60.0, r.height() / 30.0);
    // Saltires: white, then the red ones offset against the direction of rotation.
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 0), QPointF(60, 30));
    p.drawLine(QPointF(60, 0), QPointF(0, 30));
    p.setPen(QPen(red, 2, Qt::SolidLine, Qt::FlatCap));
    p.save();
    p.setClipRect(QRectF(0, 0, 30, 15));
    p.drawLine(QPointF(0, 1), QPointF(30, 16));
    p.setClipRect(QRectF(30, 15, 30, 15));
    p.drawLine(QPointF(30, 14), QPointF(60, 29));
    p.setClipRect(QRectF(30, 0, 30, 15));
    p.drawLine(QPointF(61, 0), QPointF(31, 15));
    p.setClipRect(QRectF(0, 15, 30, 15));
    p.drawLine(QPointF(29, 15), QPointF(-1, 30));
    p.restore();
    p.fillRect(QRectF(25, 0, 10, 30), Qt::white);
    p.fillRect(QRectF(0, 10, 60, 10), Qt::white);
    p.fillRect(QRectF(27, 0, 6, 30), red);
    p.fillRect(QRectF(0, 12, 60, 6), red);
    p.restore();
}

void chinaFlag(QPainter& p, const QRectF& r)
{
    p.fillRect(r, QColor(0xee, 0x1c, 0x25));
    const double u = r.width() / 30.0; // the flag's 30 x 20 grid
    auto at = [&](double gx, double gy) { return QPointF(r.left() + gx * u, r.top() + gy * u); };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xde, 0x00));
    const QPointF big = at(5, 5);
    p.drawPolygon(star(big, 3 * u, 0));
    const QPointF small[] = {at(10, 2), at(12, 4), at(12, 7), at(10, 9)};
    for (const QPointF& c : small) {
        // Each small star points one tip at the centre of the large one.
        const double toBig = qRadiansToDegrees(std::atan2(big.y() - c.y(), big.x() - c.x()));
        p.drawPolygon(star(c, 1 * u, toBig + 90.0));
    }
}

void czechFlag(QPainter& p, const QRectF& r)
{
    stripes(p, r, {Qt::white, QColor(0xd7, 0x14, 0x1a)}, false);
    QPolygonF tri;
    tri << r.topLeft() << QPointF(r.left() + r.width() / 2, r.center().y()) << r.bottomLeft();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x11, 0x45, 0x7e));
    p.drawPolygon(tri);
}

void japanFlag(QPainter& p, const QRectF& r)
{
    p.fillRect(r, Qt::white);
    const double d = r.height() * 0.6;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xbc, 0x00, 0x2d));
    p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
}

// The trigram bars: `pattern` lists, from the centre outwards, whether a bar is whole.
void trigram(QPainter& p, QPointF centre, double angleDeg, double dist, double unit, const bool (&whole)[3])
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    const double barW = unit, gap = unit * 0.5, len = unit * 6.0, split = unit * 0.5;
    for (int i = 0; i < 3; ++i) {
        const double x = dist + i * (barW + gap);
        if (whole[i]) {
            p.fillRect(QRectF(x, -len / 2, barW, len), Qt::black);
        } else {
            p.fillRect(QRectF(x, -len / 2, barW, len / 2 - split / 2), Qt::black);
            p.fillRect(QRectF(x, split / 2, barW, len / 2 - split / 2), Qt::black);
        }
    }
    p.restore();
}

void koreaFlag(QPainter& p, const QRectF& r)
{
    p.fillRect(r, Qt::white);
    const QColor red(0xcd, 0x2e, 0x3a), blue(0x00, 0x47, 0xa0);
    const double unit = r.height() / 24.0; // the emblem's diameter is half the height
    const double rad = 6 * unit;
    const double tilt = qRadiansToDegrees(std::atan2(r.height(), r.width()));
    const QPointF c = r.center();
    p.save();
    p.translate(c);
    p.rotate(tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(QPointF(0, 0), rad, rad);
    p.setBrush(red);
    p.drawPie(QRectF(-rad, -rad, 2 * rad, 2 * rad), 0, 180 * 16);
    p.drawEllipse(QPointF(-rad / 2, 0), rad / 2, rad / 2);
    p.setBrush(blue);
    p.drawEllipse(QPointF(rad / 2, 0), rad / 2, rad / 2);
    p.restore();
    // Heaven upper left, earth lower right, water upper right, fire lower left.
    const double dist = rad + 3 * unit;
    const bool heaven[3] = {true, true, true}, earth[3] = {false, false, false};
    const bool water[3] = {false, true, false}, fire[3] = {true, false, true};
    trigram(p, c, 180.0 + tilt, dist, unit, heaven);
    trigram(p, c, tilt, dist, unit, earth);
    trigram(p, c, -tilt, dist, unit, water);
    trigram(p, c, 180.0 - tilt, dist, unit, fire);
}

void drawFlag(QPainter& p, int language, const QRectF& r)
{
    switch (language) {
    case 0: unionFlag(p, r); break;
    case 1: stripes(p, r, {Qt::white, QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)}, false); break;
    case 2: stripes(p, r, {Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)}, false); break;
    case 3: stripes(p, r, {QColor(0x00, 0x55, 0xa4), Qt::white, QColor(0xef, 0x41, 0x35)}, true); break;
    case 4:
        stripes(p, r, {QColor(0xaa, 0x15, 0x1b), QColor(0xf1, 0xbf, 0x00), QColor(0xaa, 0x15, 0x1b)}, false,
                {1, 2, 1});
        break;
    case 5: chinaFlag(p, r); break;
    case 6: stripes(p, r, {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xce, 0x2b, 0x37)}, true); break;
    case 7: czechFlag(p, r); break;
    case 8: japanFlag(p, r); break;
    case 9: koreaFlag(p, r); break;
    default: throw GenError(QStringLiteral("no flag for language %1").arg(language));
    }
}

// The flag of the language with the language's own name under it.
void renderFlag(int language)
{
    const int w = Captions::FlagWidth, h = Captions::FlagHeight;
    QImage img = tools::newImage(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF flag(5, 5, 90, 60);
    p.fillRect(flag.translated(2, 2), QColor(0, 0, 0, 70));
    p.save();
    p.setClipRect(flag);
    drawFlag(p, language, flag);
    p.restore();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag.adjusted(-0.5, -0.5, 0.5, 0.5));

    // Each language by its own name, the same in every interface language.
    static const char* const OwnNames[Texts::LanguageCount] = {
        "English", "Русский", "Deutsch", "Français", "Español", "中文", "Italiano", "Čeština", "日本語", "한국어",
    };
    const QString name = QString::fromUtf8(OwnNames[language]);
    const QRectF nameBox(2, 70, w - 4, 26);
    const QPainterPath text = tools::fittedText(name, labelFont(language, 100), nameBox.adjusted(0, 3, 0, -3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x2a, 0x4a));
    p.drawPath(text);
    p.end();
    tools::savePng(img, QStringLiteral("captions/") + Captions::LanguageFlagName(language));
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        for (int lang = 0; lang < Texts::LanguageCount; ++lang) {
            for (const GameTables::GameInfo& g : GameTables::Games)
                renderGameCaption(g.code, g.number, lang);
            renderTitle(lang, false);
            renderTitle(lang, true);
            renderFlag(lang);
        }
    });
}
