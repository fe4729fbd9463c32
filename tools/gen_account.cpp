// Renders the pictures of the account window and the profile editor into
// resources/account/: background, captions, the star lamps and the currency animation,
// the photo frame and the pictures for a missing photo, the desktop-list picture, the
// refresh glyph and the fourteen profile field icons (plain symbols).
#include "tools/common/Generator.h"
#include "tools/common/Gif.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor kGold(212, 175, 55);
const QColor kDarkGold(140, 105, 20);
const QColor kUnder(120, 240, 255);   // the light cyan the tab gradients end in

void background()
{
    QImage img(720, 605, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 720, 605);
    g.setColorAt(0, QColor(28, 40, 92));
    g.setColorAt(1, QColor(60, 22, 80));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = -605; x < 720; x += 24)
        p.drawLine(x, 0, x + 605, 605);
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 88);
    tools::saveBytes(jpeg, QStringLiteral("account/BGAccount.jpg"));
}

QPainterPath starPath(QPointF c, double r, double turn)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + turn + i * M_PI / 5;
        const double rr = (i % 2) ? r * 0.45 : r;
        const QPointF pt(c.x() + rr * qCos(a), c.y() + rr * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void stars()
{
    const struct {
        const char* name;
        QColor light, dark;
    } kinds[3] = {{"StarR0", QColor(255, 140, 140), QColor(190, 0, 0)},
                  {"StarY0", QColor(255, 250, 150), QColor(200, 150, 0)},
                  {"StarG0", QColor(160, 255, 160), QColor(0, 140, 0)}};
    for (const auto& k : kinds) {
        QList<QImage> frames;
        for (int f = 0; f < 12; ++f) {
            QImage img = tools::newImage(48, 48);
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            const double pulse = 20 + 2.5 * qSin(f * M_PI / 6);
            QRadialGradient g(QPointF(20, 18), pulse);
            g.setColorAt(0, k.light);
            g.setColorAt(1, k.dark);
            p.setBrush(g);
            p.setPen(QPen(k.dark.darker(140), 1.2));
            p.drawPath(starPath(QPointF(24, 25), pulse, f * M_PI / 30));
            p.end();
            frames << tools::toGifFrame(img, kUnder);
        }
        tools::saveGif(frames, 8, QStringLiteral("account/") + QLatin1String(k.name));
    }
}

void coinAnimation()
{
    QList<QImage> frames;
    for (int f = 0; f < 16; ++f) {
        QImage img = tools::newImage(100, 80);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = qMax(4.0, 34 * qAbs(qCos(f * M_PI / 16)));
        QRadialGradient g(QPointF(46, 34), 40);
        g.setColorAt(0, QColor(255, 240, 160));
        g.setColorAt(1, kGold);
        p.setBrush(g);
        p.setPen(QPen(kDarkGold, 2));
        p.drawEllipse(QPointF(50, 40), w, 34);
        if (w > 16) {
            p.setPen(QPen(kDarkGold, 3));
            p.setFont(tools::requireFont(QStringLiteral("Noto Serif"), 36, QFont::Bold));
            p.drawText(QRectF(50 - w, 6, 2 * w, 68), Qt::AlignCenter, QStringLiteral("Q"));
        }
        p.end();
        frames << tools::toGifFrame(img, kUnder);
    }
    tools::saveGif(frames, 6, QStringLiteral("account/GQyvsGIF"));
}

void frames()
{
    // The ring around the state star.
    QImage ring = tools::newImage(76, 62);
    {
        QPainter p(&ring);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kGold, 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, 70, 56), 12, 12);
        p.setPen(QPen(kDarkGold, 1.5));
        p.drawRoundedRect(QRectF(7, 7, 62, 48), 9, 9);
    }
    tools::savePng(ring, QStringLiteral("account/RamkaAc"));

    // The photo frame: 240 x 290 with the 200 x 250 photo showing at 20, 20.
    QImage frame = tools::newImage(240, 290);
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 240, 290);
        g.setColorAt(0, QColor(255, 236, 150));
        g.setColorAt(0.5, kGold);
        g.setColorAt(1, kDarkGold);
        QPainterPath outer;
        outer.addRoundedRect(QRectF(1, 1, 238, 288), 14, 14);
        QPainterPath inner;
        inner.addRect(QRectF(20, 20, 200, 250));
        p.fillPath(outer.subtracted(inner), g);
        p.setPen(QPen(kDarkGold, 2));
        p.drawRect(QRectF(19, 19, 202, 252));
    }
    tools::savePng(frame, QStringLiteral("account/GAcFrame"));
}

void noPhoto(bool man, const QString& name)
{
    QImage img(200, 250, QImage::Format_ARGB32);
    img.fill(man ? QColor(190, 210, 235) : QColor(240, 205, 220));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor shape = man ? QColor(90, 115, 160) : QColor(170, 90, 125);
    p.setPen(Qt::NoPen);
    p.setBrush(shape);
    p.drawEllipse(QPointF(100, 95), 42, 50);
    if (!man)
        p.drawRoundedRect(QRectF(54, 80, 92, 95), 40, 40);
    p.drawEllipse(QRectF(25, 160, 150, 170));
    p.end();
    tools::savePng(img, QStringLiteral("account/") + name);
}

void desktopPicture()
{
    QImage img = tools::newImage(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 50), 2));
    p.setBrush(QColor(60, 140, 220));
    p.drawRoundedRect(QRectF(4, 6, 40, 28), 3, 3);
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(20, 34, 8, 6));
    p.drawRoundedRect(QRectF(12, 40, 24, 4), 2, 2);
    p.end();
    tools::savePng(img, QStringLiteral("account/Windows"));
}

void refreshGlyph()
{
    QImage img = tools::newImage(24, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(13, 1), QPointF(21, 5), QPointF(13, 10)}));
    p.end();
    tools::savePng(img, QStringLiteral("account/GRefresh24"));
}

// One plain symbol per profile field on a coloured disc.
void fieldIcons()
{
    const struct {
        const char* name;
        QColor colour;
        const char* symbol;
    } icons[14] = {
        {"GAcName1", QColor(70, 130, 200), "\u263A"},    {"GAcName2", QColor(90, 90, 170), "\u263B"},
        {"GAcAbout", QColor(60, 160, 90), "i"},          {"GAcTelephone", QColor(40, 150, 60), "\u260E"},
        {"GAcEMail", QColor(200, 120, 30), "\u2709"},    {"GAcWebSite", QColor(30, 110, 170), "www"},
        {"GAcSkype", QColor(20, 150, 200), "\u2026"},    {"GAcOK", QColor(220, 130, 20), "\u2605"},
        {"GAcVK", QColor(60, 100, 150), "\u2261"},       {"GAcTelegram", QColor(40, 160, 210), "\u27A4"},
        {"GAcFaceBook", QColor(50, 80, 150), "\u2302"},  {"GAcTwitter", QColor(30, 160, 230), "#"},
        {"GAcInstagramm", QColor(180, 60, 140), "\u25CE"}, {"GAcYouTube", QColor(200, 30, 30), "\u25B6"},
    };
    for (const auto& icon : icons) {
        QImage img = tools::newImage(32, 32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(icon.colour.darker(150), 1.5));
        p.setBrush(icon.colour);
        p.drawEllipse(QRectF(1, 1, 30, 30));
        const QString symbol = QString::fromUtf8(icon.symbol);
        QFont f = tools::requireFont(QStringLiteral("DejaVu Sans"), symbol.size() > 1 ? 10 : 18, QFont::Bold);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, symbol);
        p.end();
        tools::savePng(img, QStringLiteral("account/") + QLatin1String(icon.name));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        background();
        tools::savePng(tools::goldCaption(QStringLiteral("Online Club"), 520, 48), QStringLiteral("account/GClubOfCap"));
        tools::savePng(tools::goldCaption(QStringLiteral("My account"), 260, 48),
                       QStringLiteral("account/GMyAccountCap"));
        stars();
        coinAnimation();
        frames();
        noPhoto(true, QStringLiteral("GAcNoM"));
        noPhoto(false, QStringLiteral("GAcNoF"));
        desktopPicture();
        refreshGlyph();
        fieldIcons();
    });
}
