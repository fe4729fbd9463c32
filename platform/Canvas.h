#pragma once
// A drawing surface over a 32-bit RGB picture with a pen, a brush and a font, and the
// operations the table and the windows draw with. Coordinates follow the classic
// raster conventions the game code was laid out for: a line leaves out its end pixel,
// a rectangle (x1, y1, x2, y2) covers x1..x2-1 and y1..y2-1. Pixels outside the
// picture are ignored, never an error.
#include "platform/Color.h"

#include <QFontDatabase>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>

class QFont;

namespace platform {

// A rectangle from its left, top, right and bottom edges, right and bottom exclusive.
inline QRect rectLTRB(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

enum class PenMode {
    Copy,   // the pen colour
    Not,    // every pixel drawn is inverted (a second pass restores it)
    Xor,    // the pen colour XOR the pixel
};

enum class BrushStyle { Solid, Clear };

enum class RasterOp {
    SrcCopy,   // source
    SrcAnd,    // source AND destination
    SrcPaint,  // source OR destination
    SrcInvert, // source XOR destination
    DstInvert, // NOT destination (the source is not read)
};

enum class FloodFillMode {
    Surface, // fill the connected area that has the given colour
    Border,  // fill the connected area bounded by the given colour
};

struct Pen {
    TColor color = clBlack;
    int width = 1;
    PenMode mode = PenMode::Copy;
};

struct Brush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

struct Font {
    // The stored name is kept as it is; a family the system lacks is substituted only
    // when drawing.
    QString name = QStringLiteral("Tahoma");
    int height = 11; // pixels
    TColor color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The Qt font that draws `f` (with a substitute family when the named one is missing).
QFont qFontFor(const Font& f);
// The family actually used for a stored font name.
QString resolvedFamily(const QString& name);
// Where the interface's script comes from (Latin when unset). A family that lacks the
// script's letters is replaced by one that has them, so a caption never mixes two
// typefaces glyph by glyph (and never grows wider than its button for that reason).
void setWritingSystemSource(std::function<QFontDatabase::WritingSystem()> source);

inline constexpr TColor invalidColor = 0xFFFFFFFF;

class Canvas {
public:
    Canvas() = default;
    // A new picture is white.
    Canvas(int width, int height, TColor fill = clWhite);
    // Takes a copy of the picture, converted to 32-bit RGB; a picture with alpha is
    // laid on white.
    explicit Canvas(const QImage& picture);
    // Copies picture and drawing state; the change listener stays with each canvas.
    Canvas(const Canvas& other);
    Canvas& operator=(const Canvas& other);

    Pen pen;
    Brush brush;
    Font font;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isEmpty() const { return image_.isNull() || image_.width() == 0 || image_.height() == 0; }
    // Changes the size; the overlapping part is kept, new parts are white.
    void setSize(int width, int height);
    // Replaces the picture (converted as by the constructor).
    void assign(const QImage& picture);
    const QImage& image() const { return image_; }
    // Direct access for bulk pixel work; call notifyChanged() afterwards.
    QImage& image() { return image_; }
    void notifyChanged();
    // Called after every drawing operation (a picture control repaints on it).
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // --- lines and shapes (pen mode applies) ---
    QPoint penPos() const { return penPos_; }
    void moveTo(int x, int y);
    // Line from the pen position to (x, y) without its end pixel; the pen moves there.
    void lineTo(int x, int y);
    // Outline with the pen, inside with the brush (unless clear).
    void rectangle(int x1, int y1, int x2, int y2);
    // Rectangle with corners rounded by an ellipse of ew x eh.
    void roundRect(int x1, int y1, int x2, int y2, int ew, int eh);
    void ellipse(int x1, int y1, int x2, int y2);
    void polygon(const QList<QPoint>& points);

    // --- brush fills (always copy) ---
    void fillRect(int x1, int y1, int x2, int y2);
    // One-pixel frame in the brush colour.
    void frameRect(int x1, int y1, int x2, int y2);
    void fillRegion(const QRegion& region);
    // The pixels that roundRect(x1, y1, x2 - 1, y2 - 1, ew, eh) covers: like the
    // system's region, one pixel short of the drawn shape on the right and bottom.
    static QRegion roundRectRegion(int x1, int y1, int x2, int y2, int ew, int eh);

    // --- pixels ---
    // Outside the picture: invalidColor.
    TColor pixel(int x, int y) const;
    void setPixel(int x, int y, TColor c);
    void floodFill(int x, int y, TColor color, FloodFillMode mode);

    // --- text (font colour; the background is filled with a solid brush) ---
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;
    // Text in a rectangle aligned by Qt::Alignment flags: one line, no background.
    void textRect(const QRect& r, const QString& text, int alignment);

    // --- pictures ---
    // Draws a picture at (x, y), blending by its alpha channel.
    void draw(int x, int y, const QImage& picture);
    void draw(int x, int y, const Canvas& picture);
    // Draws a picture stretched smoothly into `dest`, blending by its alpha.
    void stretchDraw(const QRect& dest, const QImage& picture);
    // Copies `srcRect` of `src` into `dest`, stretching (nearest pixel) when the sizes differ.
    void copyRect(const QRect& dest, const Canvas& src, const QRect& srcRect);
    void bitBlt(int dx, int dy, int w, int h, const Canvas& src, int sx, int sy, RasterOp op);
    // Draws a picture leaving out every pixel of the key colour.
    void drawTransparent(int x, int y, const QImage& picture, TColor key);
    void drawTransparent(int x, int y, const Canvas& picture, TColor key);

private:
    void plot(int x, int y, TColor c, PenMode mode);
    void span(int y, int x1, int x2, TColor c, PenMode mode); // x1..x2-1
    void stampPen(int x, int y);
    void changed();
    // Fills a shape given as per-row spans, outlining it with the pen.
    void shape(int top, const QList<QPair<int, int>>& spans);

    QImage image_;
    QPoint penPos_;
    std::function<void()> listener_;
};

} // namespace platform
