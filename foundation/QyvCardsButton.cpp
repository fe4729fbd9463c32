#include "foundation/QyvCardsButton.h"

#include "foundation/DrawHelpers.h"
#include "foundation/Scaling.h"
#include "platform/Resources.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>

using platform::TColor;

namespace QyvCardsButton {

namespace {

// num / den rounded to the nearest integer, an exact half to the even neighbour
// (num >= 0, den > 0). Integer arithmetic, so halves such as 0.7 x 5 are exact.
int roundDiv(long long num, long long den)
{
    long long q = num / den;
    const long long r2 = 2 * (num % den);
    if (r2 > den || (r2 == den && (q & 1)))
        ++q;
    return static_cast<int>(q);
}

// c + (255 - c) x L / 100; a lightening past 100 % stops at white.
int lighten(int c, int L)
{
    return std::min(255, roundDiv(100LL * c + static_cast<long long>(255 - c) * L, 100));
}

struct Rgb {
    int r, g, b;
};

Rgb mapScheme(Rgb c, TColorSB scheme)
{
    switch (scheme) {
    case DRed: return c;
    case DGreen: return {c.g, c.r, c.b};
    case DBlue: return {c.b, c.r, c.r};
    case DNavy: return {c.b, c.g, c.r};
    case DYellow: return {c.r, c.r, c.b};
    case DViolet: return {c.r, c.g, c.r};
    case DOrang:
        if (c.r > c.g && c.r > c.b) {
            const int b = roundDiv(7LL * c.b, 10);
            const int g = roundDiv(10LL * b + 4LL * std::abs(c.r - b), 10);
            return {c.r, g, b};
        }
        return c;
    case DCards: return {roundDiv(7LL * c.r, 10), 0, c.r};
    }
    return c;
}

bool nearRed(Rgb c)
{
    const int dr = c.r - 255;
    return dr * dr + c.g * c.g + c.b * c.b < 180 * 180;
}

Rgb recolour(Rgb c, TColorSB scheme, bool ovila, int L)
{
    const bool near = ovila && nearRed(c);
    Rgb out;
    if (ovila && scheme == DCards)
        out = near ? Rgb{roundDiv(6LL * c.r, 10), roundDiv(7LL * c.g, 10), c.r} : c;
    else
        out = mapScheme(c, scheme);
    if (L != 0 && (!ovila || near))
        out = {lighten(out.r, L), lighten(out.g, L), lighten(out.b, L)};
    return out;
}

std::vector<TColor> rows29 = {
    0x000080, 0x000011, 0x5B5B87, 0xADADE8, 0xA3A3DF, 0x9999D7, 0x9191CF, 0x8888C8, 0x7F7FC2, 0x7575BC,
    0x6C6CB8, 0x6363B4, 0x5959B2, 0x5050B0, 0x242498, 0x000088, 0x000090, 0x000099, 0x0000A1, 0x0000AA,
    0x0000B2, 0x0000BB, 0x0000C3, 0x0000CC, 0x0000D4, 0x0000DD, 0x0000E5, 0x0000EE, 0x000080};
std::vector<TColor> rows44 = {
    0x000080, 0x00000B, 0x5D5D84, 0xB4B4EF, 0xAFAFE9, 0xA9A9E3, 0xA2A2DD, 0x9C9CD7, 0x9696D2, 0x9090CE,
    0x8B8BC9, 0x8585C4, 0x7F7FC1, 0x7979BD, 0x7373BA, 0x6D6DB7, 0x6767B5, 0x6161B2, 0x5B5BB2, 0x5555B0,
    0x4F4FB0, 0x4A4AAF, 0x222299, 0x000088, 0x00008D, 0x000093, 0x000099, 0x00009E, 0x0000A4, 0x0000AA,
    0x0000AF, 0x0000B5, 0x0000BB, 0x0000C0, 0x0000C6, 0x0000CC, 0x0000D1, 0x0000D7, 0x0000DD, 0x0000E3,
    0x0000E8, 0x0000EE, 0x0000F4, 0x000080};
std::vector<TColor> rows59 = {
    0x000080, 0x000009, 0x5E5E83, 0xB7B7F3, 0xB2B2ED, 0xAEAEE8, 0xA9A9E4, 0xA5A5E0, 0x9F9FDB, 0x9C9CD6,
    0x9797D2, 0x9393CE, 0x8E8ECA, 0x8A8AC7, 0x8686C4, 0x8181C1, 0x7D7DBE, 0x7878BD, 0x7474B9, 0x6F6FB7,
    0x6B6BB5, 0x6666B4, 0x6161B1, 0x5D5DB0, 0x5959AF, 0x5454AE, 0x5050AD, 0x4B4BAC, 0x4747AC, 0x212196,
    0x000084, 0x000088, 0x00008C, 0x000090, 0x000094, 0x000099, 0x00009D, 0x0000A1, 0x0000A5, 0x0000AA,
    0x0000AE, 0x0000B2, 0x0000B6, 0x0000BB, 0x0000BF, 0x0000C3, 0x0000C8, 0x0000CC, 0x0000D0, 0x0000D4,
    0x0000D9, 0x0000DD, 0x0000E1, 0x0000E5, 0x0000EA, 0x0000EE, 0x0000F2, 0x0000F6, 0x000080};
const std::vector<TColor> noRows;

// The decoded master pictures; they never change while the program runs, so each is
// read once. A missing one is reported once and leaves its part of the face undrawn.
QImage masterPicture(const QString& name)
{
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QImage img = platform::resources::image(name);
    if (img.isNull())
        qWarning("Button picture %s is missing", qPrintable(name));
    else
        img = img.convertToFormat(QImage::Format_ARGB32);
    cache.insert(name, img);
    return img;
}

} // namespace

TColor RecolourColor(TColor Color, TColorSB Scheme, int L)
{
    if (Scheme == DRed && L == 0)
        return Color;
    const Rgb c = recolour({platform::redOf(Color), platform::greenOf(Color), platform::blueOf(Color)}, Scheme,
                           false, L);
    return platform::rgbColor(c.r, c.g, c.b);
}

void RecolourPng(QImage& Png, TColorSB Scheme, bool Ovila, int L)
{
    if (Png.isNull())
        return;
    if (Png.format() != QImage::Format_ARGB32 && Png.format() != QImage::Format_RGB32)
        Png = Png.convertToFormat(Png.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = Png.height() - 1; y >= 0; --y) {
        auto* line = reinterpret_cast<QRgb*>(Png.scanLine(y));
        for (int x = 0; x < Png.width(); ++x) {
            const QRgb p = line[x];
            const Rgb c = recolour({qRed(p), qGreen(p), qBlue(p)}, Scheme, Ovila, L);
            line[x] = qRgba(c.r, c.g, c.b, qAlpha(p));
        }
    }
}

int HeightClassOf(int Height)
{
    switch (Height) {
    case 30: return 1;
    case 45: return 2;
    case 60: return 3;
    default: return 0;
    }
}

int CapWidthFor(int Height)
{
    const int h = std::max(0, Height);
    if (h <= 30)
        return roundDiv(8LL * h, 30);
    if (h <= 45)
        return roundDiv(13LL * h, 45);
    return roundDiv(17LL * h, 60);
}

PictureSet PictureSetFor(int Height, bool Ovila)
{
    const QString series = Ovila ? QStringLiteral("Q") : QStringLiteral("R");
    const QString size = Height <= 30 ? QStringLiteral("29") : Height <= 45 ? QStringLiteral("44") : QStringLiteral("59");
    const QString stem = series + size;
    return {stem + QStringLiteral("_L"), stem + QStringLiteral("_R"), stem + QStringLiteral("_2")};
}

const std::vector<TColor>& ButtonGradient(int Height)
{
    switch (Height) {
    case 30: return rows29;
    case 45: return rows44;
    case 60: return rows59;
    default: return noRows;
    }
}

TColor FocusRingColor(TColorSB Scheme)
{
    switch (Scheme) {
    case DRed: return 0xC8C8FF;
    case DGreen: return 0xFFC8C8;
    case DBlue: return 0xC8FFC8;
    case DNavy: return 0xC8FFC8;
    case DYellow: return 0xC8C8FF;
    case DViolet: return 0xC8FFFF;
    case DOrang: return 0x4080FF;
    case DCards: return 0x32AFC8;
    }
    return 0xC8C8FF;
}

} // namespace QyvCardsButton

namespace {

using namespace QyvCardsButton;

TColor focusDotColor(TColorSB scheme)
{
    switch (scheme) {
    case DRed: return 0x00FFFF;
    case DGreen:
    case DBlue: return 0xFF0000;
    case DNavy: return 0x00FF00;
    case DYellow: return 0x0000FF;
    case DViolet:
    case DOrang: return 0xFFFFFF;
    case DCards: return 0xFFB4DC;
    }
    return 0xFFFFFF;
}

// Offset of the glyph and the caption from the edge at the exact heights.
int edgeOffset(int heightClass, int capW)
{
    switch (heightClass) {
    case 1: return 15;
    case 2: return 18;
    case 3: return 20;
    default: return capW;
    }
}

// A glyph without alpha is drawn leaving out the colour of its bottom-left pixel.
QImage transparentGlyph(const QImage& glyph)
{
    if (glyph.isNull() || glyph.hasAlphaChannel())
        return glyph;
    QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1) & 0x00FFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == key)
                line[x] = 0;
    }
    return out;
}

} // namespace

TQyvCardsButton::TQyvCardsButton(QWidget* parent)
    : QPushButton(parent)
{
    init();
}

TQyvCardsButton::TQyvCardsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    init();
}

TQyvCardsButton::~TQyvCardsButton() = default;

void TQyvCardsButton::init()
{
    resize(100, 30);
    setFocusPolicy(Qt::StrongFocus);
    // The face is drawn whole each time; what is behind the rounded corners shows
    // through, so no background is filled.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_Hover, true);
}

void TQyvCardsButton::SetColorSB(TColorSB value)
{
    FColorSB = value;
    update();
}

void TQyvCardsButton::SetKLightSB(int value)
{
    FKLightSB = std::clamp(value, 0, 255);
    update();
}

void TQyvCardsButton::SetHeightSB(THeightSB value)
{
    if (value == FHeightSB)
        return;
    FHeightSB = value;
    resize(width(), value == D30 ? 30 : value == D45 ? 45 : 60);
    update();
}

TColor TQyvCardsButton::FontColor() const
{
    return platform::fromQColor(palette().color(QPalette::Active, QPalette::ButtonText));
}

void TQyvCardsButton::SetFontColor(TColor value)
{
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, platform::toQColor(value));
    setPalette(p);
    update();
}

void TQyvCardsButton::SetGlyph(const QImage& value)
{
    FGlyph = value;
    update();
}

QImage TQyvCardsButton::GlyphPicture() const
{
    if (!FGlyph.isNull() || icon().isNull())
        return FGlyph;
    // An icon is drawn as it is: it never has a colour keyed out.
    return icon().pixmap(iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
}

void TQyvCardsButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    update();
}

void TQyvCardsButton::SetMargin(int value)
{
    FMargin = value;
    update();
}

void TQyvCardsButton::SetButtonStyle(bool ADefault)
{
    if (ADefault == FIsFocused)
        return;
    FIsFocused = ADefault;
    update();
}

TOwnerDrawState TQyvCardsButton::CurrentState() const
{
    TOwnerDrawState s = 0;
    if (isDown())
        s |= odSelected;
    if (hasFocus())
        s |= odFocused;
    if (!isEnabled())
        s |= odDisabled;
    return s;
}

void TQyvCardsButton::DrawButton(QImage& Canvas, const QRect& Rect, TOwnerDrawState State)
{
    const int W = Rect.width();
    const int H = Rect.height();
    if (W <= 0 || H <= 0 || Canvas.isNull())
        return;
    const bool pressed = (State & odSelected) != 0;
    const bool focused = (State & odFocused) != 0;
    const bool disabled = (State & odDisabled) != 0;
    const int heightClass = HeightClassOf(H);
    const int capW = CapWidthFor(H);
    const bool recoloured = FColorSB != DRed || FKLightSB != 0;
    const QImage glyphPicture = GlyphPicture();

    // What shows behind the button, so the rounded corners keep it.
    QImage work = Canvas.copy(0, 0, W, H).convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const PictureSet names = PictureSetFor(H, FOvila);
    const PictureSet fallback = PictureSetFor(H, false);
    auto picture = [&](const QString& name, const QString& standIn) {
        QImage img = masterPicture(name);
        // The alternative series is optional; without it the masters serve.
        if (img.isNull() && name != standIn)
            img = masterPicture(standIn);
        if (!img.isNull() && recoloured)
            RecolourPng(img, FColorSB, FOvila, FKLightSB);
        return img;
    };

    {
        QPainter p(&work);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const bool smoothCaps = heightClass == 0 && FSmooth && capW > 1 && H - 1 > 1;
        auto drawCap = [&](QImage cap, int left) {
            if (cap.isNull() || capW <= 0 || H <= 1)
                return;
            if (smoothCaps) {
                DrawHelpers::ResizePngSmooth(cap, capW, H - 1);
                p.drawImage(left, 0, cap);
            } else {
                p.drawImage(QRect(left, 0, capW, H - 1), cap);
            }
        };
        drawCap(picture(names.Left, fallback.Left), 0);
        drawCap(picture(names.Right, fallback.Right), W - capW - 1);

        if (heightClass == 0 || FColorSB == DCards || FOvila) {
            const QImage strip = picture(names.Middle, fallback.Middle);
            if (!strip.isNull() && W - 2 * capW > 0 && H > 1)
                p.drawImage(QRect(capW, 0, W - 2 * capW, H - 1), strip);
        } else {
            const auto& rows = ButtonGradient(H);
            const int lineW = W - capW - 1 - capW;
            if (lineW > 0)
                for (int y = 0; y <= H - 2; ++y)
                    p.fillRect(QRect(capW, y, lineW, 1),
                               platform::toQColor(RecolourColor(rows[static_cast<size_t>(y)], FColorSB, FKLightSB)));
        }

        if (!glyphPicture.isNull() && FLayout != blGlyphTop) {
            const QImage glyph = transparentGlyph(glyphPicture);
            const int gy = Scaling::RoundHalfEven((H - 1 - glyph.height()) / 2.0);
            const int offset = heightClass == 0 ? Scaling::RoundHalfEven(capW * 1.6) : edgeOffset(heightClass, capW);
            int gx = offset;
            if (FLayout == blGlyphRight)
                gx = W - glyph.width() - offset;
            else if (FLayout == blGlyphBottom)
                gx = Scaling::RoundHalfEven((W - glyph.width()) / 2.0);
            p.drawImage(gx, gy, glyph);
        }
    }

    if (Canvas.format() != QImage::Format_ARGB32_Premultiplied && Canvas.format() != QImage::Format_RGB32
        && Canvas.format() != QImage::Format_ARGB32)
        Canvas = Canvas.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&Canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(pressed ? 1 : 0, pressed ? 1 : 0, work);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Caption.
    QRect textRect = Rect;
    if (pressed)
        textRect.translate(1, 1);
    if (FOvila)
        textRect.adjust(0, -1, 0, -1);
    TColor color = FontColor();
    if (disabled) {
        if (FGrayDis)
            color = platform::clSilver;
    } else if (FLightFont && FMouseInPos) {
        color = FColorMouse;
    }
    int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignCenter;
    if (FMargin != -1) {
        flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter | Qt::AlignLeft;
        const int shift = edgeOffset(heightClass, capW) + glyphPicture.width() + 10;
        if (FLayout == blGlyphLeft)
            textRect.setLeft(textRect.left() + shift);
        else if (FLayout == blGlyphRight)
            textRect.setRight(textRect.right() - shift);
    }
    QRect room = textRect;
    if (FMargin == -1)
        room.adjust(capW, 0, -capW, 0);
    else if (FLayout == blGlyphLeft)
        room.setRight(room.right() - capW);
    else
        room.setLeft(room.left() + capW);
    p.setFont(CaptionFont(room.width()));
    p.setPen(platform::toQColor(color));
    p.drawText(textRect, flags, text());

    if (OnDrawButton) {
        FCanvas = &p;
        OnDrawButton(this, Rect.translated(pressed ? 1 : 0, pressed ? 1 : 0), State);
        FCanvas = nullptr;
    }

    if (!(FIsFocused && focused && FKontur))
        return;
    const int O = pressed ? 1 : 0;
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!FOvila) {
        // A rounded outline over (x1, y1)..(x2 - 1, y2 - 1) with corner ellipses ew x eh.
        auto ring = [&](int x1, int y1, int x2, int y2, int ew, int eh) {
            if (x2 - x1 < 2 || y2 - y1 < 2)
                return;
            p.drawRoundedRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), ew / 2.0, eh / 2.0, Qt::AbsoluteSize);
        };
        p.setPen(QPen(platform::toQColor(FocusRingColor(FColorSB)), 1));
        p.setBrush(Qt::NoBrush);
        switch (heightClass) {
        case 1: ring(7 + O, 4 + O, W - 7 + O, H - 4 + O, 7, 7); break;
        case 2: ring(9 + O, 5 + O, W - 9 + O, H - 5 + O, 9, 9); break;
        case 3: ring(11 + O, 6 + O, W - 11 + O, H - 6 + O, 11, 11); break;
        default: {
            const int r = H <= 20 ? 3 : H <= 30 ? 4 : H <= 60 ? 5 : 6;
            const int C = Scaling::RoundHalfEven(capW * 0.8);
            ring(C + O, r + O, W - C + O, H - r + O, 2 * r, 2 * r);
            break;
        }
        }
    } else {
        const int d = H <= 20 ? 3 : H <= 30 ? 4 : H <= 45 ? 5 : H <= 60 ? 6 : 7;
        const int Y = Scaling::RoundHalfEven((H - d) / 2.0);
        const int K = heightClass == 1 ? 10 : heightClass == 2 ? 13 : heightClass == 3 ? 15 : capW;
        const QColor c = platform::toQColor(focusDotColor(FColorSB));
        p.setPen(QPen(c, 1));
        p.setBrush(c);
        p.drawEllipse(QRect(K + O, Y + O, d - 1, d - 1));
        p.drawEllipse(QRect(W - K + O - d, Y + O, d - 1, d - 1));
    }
}

QFont TQyvCardsButton::CaptionFont(int Room) const
{
    QString caption = text();
    caption.remove(QLatin1Char('&'));
    QFont f = font();
    // Measured with the fallback faces Qt picks for the script (the casual face has no
    // Cyrillic), so the smaller size is the one that really fits.
    while (QFontMetrics(f).horizontalAdvance(caption) > Room) {
        if (f.pixelSize() > 1)
            f.setPixelSize(f.pixelSize() - 1);
        else if (f.pixelSize() < 0 && f.pointSizeF() > 1)
            f.setPointSizeF(f.pointSizeF() - 1);
        else
            break;
    }
    return f;
}

void TQyvCardsButton::paintEvent(QPaintEvent*)
{
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    DrawButton(face, rect(), CurrentState());
    QPainter p(this);
    p.drawImage(0, 0, face);
}

QSize TQyvCardsButton::sizeHint() const
{
    const int h = FHeightSB == D30 ? 30 : FHeightSB == D45 ? 45 : 60;
    const QFontMetrics fm(font());
    QString caption = text();
    caption.remove(QLatin1Char('&'));
    const QImage glyph = GlyphPicture();
    const int w = fm.horizontalAdvance(caption) + 2 * CapWidthFor(h) + 20 + (glyph.isNull() ? 0 : glyph.width() + 10);
    return {std::max(w, 75), h};
}

QSize TQyvCardsButton::minimumSizeHint() const
{
    return sizeHint();
}

void TQyvCardsButton::enterEvent(QEnterEvent* e)
{
    QPushButton::enterEvent(e);
    FMouseInPos = true;
    repaint();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TQyvCardsButton::leaveEvent(QEvent* e)
{
    QPushButton::leaveEvent(e);
    FMouseInPos = false;
    repaint();
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TQyvCardsButton::changeEvent(QEvent* e)
{
    QPushButton::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
}

void TQyvCardsButton::focusInEvent(QFocusEvent* e)
{
    QPushButton::focusInEvent(e);
    SetButtonStyle(true);
}

void TQyvCardsButton::focusOutEvent(QFocusEvent* e)
{
    QPushButton::focusOutEvent(e);
    SetButtonStyle(false);
}

void TQyvCardsButton::keyPressEvent(QKeyEvent* e)
{
    // A focused button is the one Enter presses, wherever it sits.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (isEnabled())
            click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void TQyvCardsButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second click of a quick pair counts as a click of its own.
    mousePressEvent(e);
}
