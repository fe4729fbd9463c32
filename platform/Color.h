#pragma once
// Colours as the program stores them: a 32-bit value $00BBGGRR (red in the low byte,
// blue in the third). Stored settings and colour tables keep that form, so it is
// converted to Qt's colour types only at the drawing surface.
#include <QColor>
#include <QRgb>
#include <cstdint>

namespace platform {

using TColor = std::uint32_t;

constexpr int redOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

// Components are taken modulo 256, so callers may pass any int that fits a byte.
constexpr TColor rgbColor(int r, int g, int b)
{
    return static_cast<TColor>(r & 0xFF) | (static_cast<TColor>(g & 0xFF) << 8)
        | (static_cast<TColor>(b & 0xFF) << 16);
}

// The high byte is dropped: it carries no colour.
constexpr QRgb toQRgb(TColor c) { return 0xFF000000u | (static_cast<QRgb>(redOf(c)) << 16) | (static_cast<QRgb>(greenOf(c)) << 8) | static_cast<QRgb>(blueOf(c)); }
constexpr TColor fromQRgb(QRgb c) { return rgbColor(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)); }
inline QColor toQColor(TColor c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline TColor fromQColor(const QColor& c) { return rgbColor(c.red(), c.green(), c.blue()); }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

} // namespace platform
