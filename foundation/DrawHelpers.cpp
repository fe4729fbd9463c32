#include "foundation/DrawHelpers.h"

#include <QFontMetrics>

#include "foundation/CardPictures.h"

#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "platform/Sound.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

using platform::Canvas;
using platform::TColor;

namespace DrawHelpers {

void DrawRectOutline(int X1, int Y1, int X2, int Y2, Canvas& Canvas)
{
    Canvas.moveTo(X1, Y1);
    Canvas.lineTo(X2, Y1);
    Canvas.lineTo(X2, Y2);
    Canvas.lineTo(X1, Y2);
    Canvas.lineTo(X1, Y1);
}

void DrawLineWithEnd(int X1, int Y1, int X2, int Y2, Canvas& Canvas)
{
    Canvas.moveTo(X1, Y1);
    Canvas.lineTo(X2, Y2);
    Canvas.lineTo(X2 + 1, Y2 - 1);
}

void DrawFrame3D(int X1, int Y1, int X2, int Y2, Canvas& Canvas)
{
    Canvas.brush.color = platform::clSilver;
    Canvas.brush.style = platform::BrushStyle::Solid;
    Canvas.rectangle(X1, Y1, X2, Y2);

    Canvas.pen.color = platform::clWhite;
    DrawRectOutline(X1, Y1, X2, Y2, Canvas);
    DrawRectOutline(X1 + 1, Y1 + 1, X2 - 1, Y2 - 1, Canvas);

    Canvas.pen.color = platform::clBlack;
    DrawLineWithEnd(X1 + 1, Y2, X2, Y2, Canvas);
    DrawLineWithEnd(X1 + 2, Y2 - 1, X2, Y2 - 1, Canvas);
    DrawLineWithEnd(X2, Y1, X2, Y2, Canvas);
    DrawLineWithEnd(X2 - 1, Y1 + 1, X2 - 1, Y2, Canvas);

    DrawRectOutline(X1 + 5, Y1 + 5, X2 - 5, Y2 - 5, Canvas);
    DrawRectOutline(X1 + 6, Y1 + 6, X2 - 6, Y2 - 6, Canvas);

    Canvas.pen.color = platform::clWhite;
    DrawLineWithEnd(X1 + 6, Y2 - 5, X2 - 5, Y2 - 5, Canvas);
    DrawLineWithEnd(X1 + 7, Y2 - 6, X2 - 5, Y2 - 6, Canvas);
    DrawLineWithEnd(X2 - 5, Y1 + 6, X2 - 5, Y2 - 6, Canvas);
    DrawLineWithEnd(X2 - 6, Y1 + 7, X2 - 6, Y2 - 6, Canvas);
}

void ShrinkFontToFit(const QString& Text, int Width, int MinHeight, platform::Canvas& Canvas)
{
    while (Canvas.font.height > MinHeight && Canvas.textWidth(Text) > Width)
        --Canvas.font.height;
}

void TextOutCentered(const QString& Text, int X1, int X2, int Y, Canvas& Canvas)
{
    // C++ division truncates toward zero, as the layout expects for texts wider than the span.
    Canvas.textOut(X1 + (X2 - X1 - Canvas.textWidth(Text)) / 2, Y, Text);
}

void TextOutRight(const QString& Text, int XRight, int Y, Canvas& Canvas)
{
    Canvas.textOut(XRight - Canvas.textWidth(Text), Y, Text);
}

TColor ShadowColorOf(TColor Color)
{
    auto half = [](int byte) { return static_cast<int>(std::nearbyint(byte / 2.0)); };
    return platform::rgbColor(half(platform::redOf(Color)), half(platform::greenOf(Color)),
                              half(platform::blueOf(Color)));
}

void TextOutShadow(const QString& Text, int XLeft, int XRight, int Y, Canvas& Canvas, TColor Color, char Mode)
{
    if (Mode != 'l' && Mode != 'c' && Mode != 'r')
        return;
    const TColor shadow = ShadowColorOf(Color);
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass == 0 ? 1 : 0;
        Canvas.font.color = pass == 0 ? shadow : Color;
        if (Mode == 'l')
            Canvas.textOut(XLeft + d, Y + d, Text);
        else if (Mode == 'c')
            TextOutCentered(Text, XLeft + d, XRight + d, Y + d, Canvas);
        else
            TextOutRight(Text, XRight + d, Y + d, Canvas);
    }
}

void DrawShadowText(const QString& Text, int X, int Y, int MinBoxWidth, int BoxHeight, TColor Face, TColor Light,
                    bool LeftAligned, Canvas& Canvas)
{
    Canvas.brush.style = platform::BrushStyle::Clear;
    // The box holds the whole text with its shadow (an italic glyph leans a pixel left of
    // X): a label drawn over its own remains thickens with every repaint.
    const int width = std::max(MinBoxWidth, Canvas.textWidth(Text) + 2);
    const QImage& bg = CardPictures::TableBackground;
    int bx = LeftAligned ? X - 1 : X - width - 1;
    const int by = LeftAligned ? Y : Y - 1;
    int bw = LeftAligned ? width + 1 : width + 3;
    {
        // Large italic digits lean past their advance: the box also takes in the ink of
        // this text and of any digit at the edge (both passes, a pixel of smoothing), or a
        // value leaves a stroke of the one it replaces beside it.
        const QFontMetrics fm(platform::qFontFor(Canvas.font));
        const QRect ink = fm.boundingRect(Text).united(fm.tightBoundingRect(Text));
        int digitLean = 0;
        for (char d = '0'; d <= '9'; ++d)
            digitLean = std::max({digitLean, -fm.rightBearing(QLatin1Char(d)), -fm.leftBearing(QLatin1Char(d))});
        const int advance = Canvas.textWidth(Text);
        const int origin = LeftAligned ? X : X - 1 - advance;
        const int inkLeft = std::min(origin + ink.left(), origin - digitLean) - 1;
        const int inkRight = std::max(origin + ink.right(), origin + advance + digitLean) + 2;
        if (inkLeft < bx) {
            bw += bx - inkLeft;
            bx = inkLeft;
        }
        bw = std::max(bw, inkRight - bx + 1);
    }
    if (!bg.isNull() && bw > 0 && BoxHeight > 0)
        Canvas.draw(bx, by, bg.copy(bx, by, bw, BoxHeight));
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass;
        Canvas.font.color = pass == 0 ? Face : Light;
        if (LeftAligned)
            Canvas.textOut(X + d, Y + d, Text);
        else
            TextOutRight(Text, X - 1 + d, Y + d, Canvas);
    }
}

bool LoadJpegResource(const platform::resources::AddOnLibrary* Module, const QString& Name, QImage& Jpeg)
{
    const QByteArray bytes = Module ? Module->find(Name) : platform::resources::find(Name);
    Jpeg = QImage();
    if (bytes.isEmpty())
        return false;
    return Jpeg.loadFromData(bytes);
}

void ResizePngSmooth(QImage& Png, int NewWidth, int NewHeight)
{
    const int w = Png.width();
    const int h = Png.height();
    if (w <= 1 || h <= 1 || NewWidth <= 1 || NewHeight <= 1)
        return;
    switch (Png.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Alpha8:
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        throw std::runtime_error("Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
    default:
        break;
    }
    // Any other layout of colour (with or without alpha) is read as 8-bit straight RGB(A).
    const bool alpha = Png.hasAlphaChannel();
    const QImage::Format work = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage source = Png.format() == work ? Png : Png.convertToFormat(work);

    // The target starts fully transparent white; every pixel is overwritten below, so
    // only an opaque result for a picture without alpha differs from it.
    QImage target(NewWidth, NewHeight, work);
    target.fill(alpha ? qRgba(255, 255, 255, 0) : qRgb(255, 255, 255));

    const float SX = static_cast<float>(NewWidth) / static_cast<float>(w - 1);
    const float SY = static_cast<float>(NewHeight) / static_cast<float>(h - 1);
    auto byteOf = [](float v) { return std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255); };

    for (int y = 0; y < NewHeight; ++y) {
        const float FY = static_cast<float>(y) / SY;
        // Rounding of the quotient must never take a sample past the last source row.
        const int IY = std::min(static_cast<int>(FY), h - 2);
        const float DY = FY - static_cast<float>(IY);
        const QRgb* row0 = reinterpret_cast<const QRgb*>(source.constScanLine(IY));
        const QRgb* row1 = reinterpret_cast<const QRgb*>(source.constScanLine(IY + 1));
        QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < NewWidth; ++x) {
            const float FX = static_cast<float>(x) / SX;
            const int IX = std::min(static_cast<int>(FX), w - 2);
            const float DX = FX - static_cast<float>(IX);
            const float w00 = (1.0f - DX) * (1.0f - DY);
            const float w10 = DX * (1.0f - DY);
            const float w01 = (1.0f - DX) * DY;
            const float w11 = DX * DY;
            const QRgb p00 = row0[IX], p10 = row0[IX + 1], p01 = row1[IX], p11 = row1[IX + 1];
            auto mix = [&](int (*channel)(QRgb)) {
                return byteOf(static_cast<float>(channel(p00)) * w00 + static_cast<float>(channel(p10)) * w10
                              + static_cast<float>(channel(p01)) * w01 + static_cast<float>(channel(p11)) * w11);
            };
            const int r = mix([](QRgb c) { return qRed(c); });
            const int g = mix([](QRgb c) { return qGreen(c); });
            const int b = mix([](QRgb c) { return qBlue(c); });
            const int a = alpha ? mix([](QRgb c) { return qAlpha(c); }) : 255;
            out[x] = qRgba(r, g, b, a);
        }
    }
    Png = target;
}

void PlayWavResource(const QString& Name, bool Wait, bool Enabled)
{
    if (!Enabled)
        return;
    const QByteArray wav = platform::resources::find(Name);
    if (wav.isEmpty()) {
        platform::sound::sink().stop();
        return;
    }
    platform::sound::sink().play(wav, Wait);
}

void ExeDir(QString& Dir)
{
    Dir = platform::programFolder();
    if (!Dir.endsWith(QLatin1Char('/')))
        Dir += QLatin1Char('/');
}

} // namespace DrawHelpers
