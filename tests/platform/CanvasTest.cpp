#include "platform/Canvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <set>
#include <utility>

using namespace platform;

namespace {

using Pixels = std::set<std::pair<int, int>>;

// Every pixel of the canvas that is not white.
Pixels painted(const Canvas& c)
{
    Pixels p;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.pixel(x, y) != clWhite)
                p.insert({x, y});
    return p;
}

} // namespace

TEST(Canvas, LineLeavesOutItsEndPixel)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    };
    const Case cases[] = {
        {1, 1, 5, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {5, 1, 1, 1, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {2, 6, 2, 3, {{2, 6}, {2, 5}, {2, 4}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}}, // half-way steps: a line and
        {4, 2, 0, 0, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}}, // its reverse share their pixels
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {2, 4, 0, 0, {{2, 4}, {1, 3}, {1, 2}, {0, 1}}},
        {6, 0, 0, 3, {{6, 0}, {5, 0}, {4, 1}, {3, 1}, {2, 2}, {1, 2}}},
        {3, 3, 3, 3, {}},
        {4, 4, 5, 3, {{4, 4}}}, // the one-pixel step that paints a line's end
    };
    for (const Case& c : cases) {
        Canvas cv(8, 8);
        cv.moveTo(c.x1, c.y1);
        cv.lineTo(c.x2, c.y2);
        EXPECT_EQ(painted(cv), c.expected) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_EQ(cv.penPos(), QPoint(c.x2, c.y2));
    }
}

TEST(Canvas, LinesOutsideThePictureAreCut)
{
    Canvas cv(4, 4);
    cv.moveTo(-10, 2);
    cv.lineTo(10, 2);
    EXPECT_EQ(painted(cv), (Pixels{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
}

TEST(Canvas, InvertingPenRestoresOnSecondPass)
{
    Canvas cv(6, 3);
    cv.setPixel(1, 1, 0x123456);
    cv.pen.mode = PenMode::Not;
    cv.moveTo(0, 1);
    cv.lineTo(6, 1);
    EXPECT_EQ(cv.pixel(0, 1), clBlack);
    EXPECT_EQ(cv.pixel(1, 1), 0xEDCBA9u);
    EXPECT_EQ(cv.pixel(0, 0), clWhite);
    cv.moveTo(0, 1);
    cv.lineTo(6, 1);
    EXPECT_EQ(cv.pixel(0, 1), clWhite);
    EXPECT_EQ(cv.pixel(1, 1), 0x123456u);
}

TEST(Canvas, WideInvertingLineInvertsEachPixelOnce)
{
    Canvas cv(10, 10);
    cv.pen.mode = PenMode::Not;
    cv.pen.width = 3;
    cv.moveTo(2, 5);
    cv.lineTo(8, 5);
    // Overlapping stamps must not invert a pixel back.
    for (int x = 1; x <= 8; ++x)
        for (int y = 4; y <= 6; ++y)
            EXPECT_EQ(cv.pixel(x, y), clBlack) << x << "," << y;
}

TEST(Canvas, RectangleRightAndBottomExclusive)
{
    Canvas cv(8, 8);
    cv.pen.color = clRed;
    cv.brush.color = clBlue;
    cv.rectangle(1, 1, 5, 4);
    struct Probe {
        int x, y;
        TColor expected;
    };
    const Probe probes[] = {
        {1, 1, clRed}, {4, 1, clRed}, {4, 3, clRed}, {1, 3, clRed}, // corners
        {2, 2, clBlue}, {3, 2, clBlue},                             // inside
        {5, 1, clWhite}, {1, 4, clWhite}, {0, 0, clWhite},          // outside
    };
    for (const Probe& p : probes)
        EXPECT_EQ(cv.pixel(p.x, p.y), p.expected) << p.x << "," << p.y;

    Canvas clear(8, 8);
    clear.brush.style = BrushStyle::Clear;
    clear.rectangle(1, 1, 5, 4);
    EXPECT_EQ(clear.pixel(2, 2), clWhite);
    EXPECT_EQ(clear.pixel(4, 3), clBlack);
}

TEST(Canvas, FillAndFrameRect)
{
    Canvas cv(6, 6);
    cv.brush.color = clGreen;
    cv.fillRect(1, 1, 3, 3);
    EXPECT_EQ(painted(cv), (Pixels{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));

    Canvas fr(6, 6);
    fr.brush.color = clGreen;
    fr.frameRect(0, 0, 4, 3);
    EXPECT_EQ(painted(fr), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}}));
}

TEST(Canvas, BlitsCombineTheRgbBytes)
{
    struct Case {
        RasterOp op;
        TColor dst, src, expected;
    };
    const Case cases[] = {
        {RasterOp::SrcCopy, 0x123456, 0xABCDEF, 0xABCDEF},
        {RasterOp::SrcAnd, 0xF0F0F0, 0x3C3C3C, 0x303030},
        {RasterOp::SrcAnd, 0xFFFFFF, 0x000000, 0x000000}, // black mask clears
        {RasterOp::SrcAnd, 0x445566, 0xFFFFFF, 0x445566}, // white mask keeps
        {RasterOp::SrcPaint, 0x0F000F, 0x30F000, 0x3FF00F},
        {RasterOp::SrcPaint, 0x000000, 0x123456, 0x123456},
        {RasterOp::SrcInvert, 0xFF00FF, 0x0F0F0F, 0xF00FF0},
        {RasterOp::DstInvert, 0x123456, 0x000000, 0xEDCBA9},
    };
    for (const Case& c : cases) {
        Canvas dst(3, 3, c.dst);
        Canvas src(3, 3, c.src);
        dst.bitBlt(1, 1, 1, 1, src, 0, 0, c.op);
        EXPECT_EQ(dst.pixel(1, 1), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(dst.pixel(0, 0), c.dst) << "outside the blit";
    }
}

TEST(Canvas, BlitIsClippedOnBothSides)
{
    Canvas src(4, 4, clRed);
    src.setPixel(0, 0, clBlue);
    Canvas dst(4, 4);
    dst.bitBlt(-1, 2, 10, 10, src, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(dst.pixel(0, 2), clRed); // source column 1
    EXPECT_EQ(dst.pixel(2, 3), clRed);
    EXPECT_EQ(dst.pixel(0, 1), clWhite);
    dst.bitBlt(0, 0, 2, 2, src, -1, -1, RasterOp::SrcCopy);
    EXPECT_EQ(dst.pixel(0, 0), clWhite); // no source there
    EXPECT_EQ(dst.pixel(1, 1), clBlue);
}

TEST(Canvas, BlitWithinOneCanvasReadsTheOriginal)
{
    Canvas cv(4, 1);
    cv.setPixel(0, 0, clRed);
    cv.setPixel(1, 0, clBlue);
    cv.bitBlt(1, 0, 3, 1, cv, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(cv.pixel(1, 0), clRed);
    EXPECT_EQ(cv.pixel(2, 0), clBlue);
    EXPECT_EQ(cv.pixel(3, 0), clWhite);
}

TEST(Canvas, ColourKeyDrawingSkipsTheKey)
{
    const TColor key = 0x030201;
    Canvas sprite(3, 1, key);
    sprite.setPixel(1, 0, clRed);
    sprite.setPixel(2, 0, 0x030202); // one step from the key is drawn
    Canvas table(4, 1, clGreen);
    table.drawTransparent(1, 0, sprite, key);
    EXPECT_EQ(table.pixel(0, 0), clGreen);
    EXPECT_EQ(table.pixel(1, 0), clGreen);
    EXPECT_EQ(table.pixel(2, 0), clRed);
    EXPECT_EQ(table.pixel(3, 0), 0x030202u);
}

TEST(Canvas, DrawHonoursAlpha)
{
    QImage pic(2, 1, QImage::Format_ARGB32);
    pic.setPixel(0, 0, qRgba(255, 0, 0, 0));
    pic.setPixel(1, 0, qRgba(0, 0, 255, 255));
    Canvas cv(3, 1, clGreen);
    cv.draw(1, 0, pic);
    EXPECT_EQ(cv.pixel(1, 0), clGreen);
    EXPECT_EQ(cv.pixel(2, 0), clBlue);
}

TEST(Canvas, CopyRectStretchesByNearestPixel)
{
    Canvas src(2, 1);
    src.setPixel(0, 0, clRed);
    src.setPixel(1, 0, clBlue);
    Canvas dst(4, 2);
    dst.copyRect(rectLTRB(0, 0, 4, 2), src, rectLTRB(0, 0, 2, 1));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(dst.pixel(0, y), clRed);
        EXPECT_EQ(dst.pixel(1, y), clRed);
        EXPECT_EQ(dst.pixel(2, y), clBlue);
        EXPECT_EQ(dst.pixel(3, y), clBlue);
    }
}

TEST(Canvas, FloodFillSurfaceAndBorder)
{
    // A black ring around a white hole, on white.
    auto ring = [] {
        Canvas cv(7, 7);
        cv.brush.style = BrushStyle::Clear;
        cv.rectangle(1, 1, 6, 6);
        return cv;
    };
    Canvas surface = ring();
    surface.brush.color = clRed;
    surface.floodFill(3, 3, clWhite, FloodFillMode::Surface);
    EXPECT_EQ(surface.pixel(3, 3), clRed);
    EXPECT_EQ(surface.pixel(2, 4), clRed);
    EXPECT_EQ(surface.pixel(1, 1), clBlack);
    EXPECT_EQ(surface.pixel(0, 0), clWhite); // outside the ring

    Canvas border = ring();
    border.brush.color = clRed;
    border.floodFill(0, 0, clBlack, FloodFillMode::Border);
    EXPECT_EQ(border.pixel(0, 0), clRed);
    EXPECT_EQ(border.pixel(6, 6), clRed);
    EXPECT_EQ(border.pixel(3, 3), clWhite); // inside the ring

    // Filling a surface with its own colour ends.
    Canvas same = ring();
    same.brush.color = clWhite;
    same.floodFill(3, 3, clWhite, FloodFillMode::Surface);
    EXPECT_EQ(same.pixel(3, 3), clWhite);
}

TEST(Canvas, RoundRectangleCornersAreSymmetric)
{
    Canvas cv(20, 14);
    cv.brush.color = clRed;
    cv.roundRect(0, 0, 20, 14, 8, 8);
    EXPECT_EQ(cv.pixel(0, 0), clWhite);
    EXPECT_EQ(cv.pixel(10, 0), clBlack);
    EXPECT_EQ(cv.pixel(0, 7), clBlack);
    EXPECT_EQ(cv.pixel(10, 7), clRed);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(cv.pixel(x, y), cv.pixel(19 - x, y)) << x << "," << y;
            EXPECT_EQ(cv.pixel(x, y), cv.pixel(x, 13 - y)) << x << "," << y;
        }

    // The region of (0, 0, W + 1, H + 1) covers what roundRect(0, 0, W, H) draws.
    const QRegion region = Canvas::roundRectRegion(0, 0, 21, 15, 8, 8);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(region.contains(QPoint(x, y)), cv.pixel(x, y) != clWhite) << x << "," << y;

    // Rectangle less the rounded one: the four corners only.
    Canvas corners(20, 14);
    corners.brush.color = clBlack;
    corners.fillRegion(QRegion(0, 0, 20, 14) - region);
    EXPECT_EQ(corners.pixel(0, 0), clBlack);
    EXPECT_EQ(corners.pixel(19, 13), clBlack);
    EXPECT_EQ(corners.pixel(10, 0), clWhite);
    EXPECT_EQ(corners.pixel(10, 7), clWhite);
}

TEST(Canvas, TextPaintsWithFontAndBrush)
{
    Canvas cv(120, 40);
    cv.font.height = 20;
    cv.font.color = clBlack;
    cv.brush.color = clYellow;
    const int w = cv.textWidth(QStringLiteral("Hello"));
    const int h = cv.textHeight(QStringLiteral("Hello"));
    ASSERT_GT(w, 10);
    ASSERT_GE(h, 20);
    cv.textOut(5, 5, QStringLiteral("Hello"));
    // Solid brush: the text cell is filled, nothing outside it.
    EXPECT_EQ(cv.pixel(5, 5), clYellow);
    EXPECT_EQ(cv.pixel(5 + w - 1, 5 + h - 1), clYellow);
    EXPECT_EQ(cv.pixel(5 + w, 5), clWhite);
    EXPECT_EQ(cv.pixel(4, 5), clWhite);
    bool ink = false;
    for (int y = 5; y < 5 + h; ++y)
        for (int x = 5; x < 5 + w; ++x)
            ink = ink || cv.pixel(x, y) == clBlack;
    EXPECT_TRUE(ink);

    Canvas clear(120, 40);
    clear.brush.style = BrushStyle::Clear;
    clear.font.height = 20;
    clear.textOut(5, 5, QStringLiteral("Hello"));
    EXPECT_EQ(clear.pixel(5, 5), clWhite);
}

TEST(Canvas, MissingFontFamiliesAreSubstituted)
{
    enum Kind { Mono, Serif, Sans, Any };
    struct Case {
        const char* stored;
        Kind kind;
    };
    const Case cases[] = {
        {"Courier New", Mono}, {"Fixedsys", Mono}, {"times", Serif}, {"Times New Roman", Serif},
        {"MS Sans Serif", Sans}, {"Arial", Sans}, {"Comic Sans MS", Any},
    };
    const QString serif = resolvedFamily(QStringLiteral("times"));
    const QString sans = resolvedFamily(QStringLiteral("Arial"));
    ASSERT_NE(serif, sans);
    for (const Case& c : cases) {
        Font f;
        f.name = QString::fromLatin1(c.stored);
        f.height = 16;
        const QString family = resolvedFamily(f.name);
        ASSERT_FALSE(family.isEmpty()) << c.stored;
        EXPECT_EQ(QFontInfo(qFontFor(f)).fixedPitch(), c.kind == Mono) << c.stored << " -> " << family.toStdString();
        if (c.kind == Serif) {
            EXPECT_EQ(family, serif) << c.stored;
        }
        if (c.kind == Sans) {
            EXPECT_EQ(family, sans) << c.stored;
        }
        EXPECT_EQ(f.name, QString::fromLatin1(c.stored)); // the stored name stays
    }
}

TEST(Canvas, FontFamilyFollowsTheInterfaceScript)
{
    // A family without the script's letters would be mixed glyph by glyph with another.
    struct Case {
        QFontDatabase::WritingSystem script;
        const char* stored;
    };
    const Case cases[] = {
        {QFontDatabase::Cyrillic, "Comic Sans MS"}, {QFontDatabase::Cyrillic, "Times New Roman"},
        {QFontDatabase::Cyrillic, "Courier New"},   {QFontDatabase::Japanese, "Comic Sans MS"},
        {QFontDatabase::Korean, "Arial"},           {QFontDatabase::SimplifiedChinese, "Tahoma"},
    };
    const QString latinComic = resolvedFamily(QStringLiteral("Comic Sans MS"));
    for (const Case& c : cases) {
        setWritingSystemSource([&c] { return c.script; });
        const QString family = resolvedFamily(QString::fromLatin1(c.stored));
        EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(c.script))
            << c.stored << " -> " << family.toStdString();
    }
    setWritingSystemSource([] { return QFontDatabase::Cyrillic; });
    EXPECT_TRUE(QFontInfo(QFont(resolvedFamily(QStringLiteral("Courier New")))).fixedPitch());
    setWritingSystemSource({});
    EXPECT_EQ(resolvedFamily(QStringLiteral("Comic Sans MS")), latinComic);
}

TEST(Canvas, CjkTextHasGlyphs)
{
    const QString text = QString::fromUtf8("\u7EB8\u724C\uD328\u30AB\u30FC\u30C9");
    for (const char* name : {"Comic Sans MS", "SimSun", "MS Gothic", "Gulim"}) {
        Font f;
        f.name = QString::fromLatin1(name);
        f.height = 24;
        QTextLayout layout(text, qFontFor(f));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 g : run.glyphIndexes()) {
                EXPECT_NE(g, 0u) << name << ": a character without a glyph";
                ++glyphs;
            }
        EXPECT_EQ(glyphs, text.size()) << name;

        Canvas cv(200, 40);
        cv.font = f;
        cv.brush.style = BrushStyle::Clear;
        cv.textOut(2, 2, text);
        EXPECT_FALSE(painted(cv).empty()) << name;
    }
}

TEST(Canvas, ResizeKeepsTheOverlapAndWhitensTheRest)
{
    Canvas cv(2, 2, clRed);
    cv.setSize(3, 1);
    EXPECT_EQ(cv.width(), 3);
    EXPECT_EQ(cv.height(), 1);
    EXPECT_EQ(cv.pixel(1, 0), clRed);
    EXPECT_EQ(cv.pixel(2, 0), clWhite);
    EXPECT_EQ(cv.pixel(0, 1), invalidColor);
}

TEST(Canvas, PictureWithAlphaIsLaidOnWhite)
{
    QImage pic(3, 1, QImage::Format_ARGB32);
    pic.setPixel(0, 0, qRgba(0, 0, 0, 0));
    pic.setPixel(1, 0, qRgba(255, 0, 0, 255));
    pic.setPixel(2, 0, qRgba(0, 0, 0, 128));
    const Canvas cv(pic);
    EXPECT_EQ(cv.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(cv.pixel(0, 0), clWhite);
    EXPECT_EQ(cv.pixel(1, 0), clRed);
    EXPECT_NEAR(redOf(cv.pixel(2, 0)), 127, 1);
}
