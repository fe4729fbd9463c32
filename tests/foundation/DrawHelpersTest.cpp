#include "foundation/DrawHelpers.h"
#include "platform/Canvas.h"

#include "support/RecordingSoundSink.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace platform;
using namespace DrawHelpers;

TEST(DrawHelpers, RectOutlineCoversBothCorners)
{
    Canvas cv(6, 6);
    DrawRectOutline(1, 1, 4, 3, cv);
    for (int x = 1; x <= 4; ++x) {
        EXPECT_EQ(cv.pixel(x, 1), clBlack);
        EXPECT_EQ(cv.pixel(x, 3), clBlack);
    }
    EXPECT_EQ(cv.pixel(1, 2), clBlack);
    EXPECT_EQ(cv.pixel(4, 2), clBlack);
    EXPECT_EQ(cv.pixel(2, 2), clWhite);
    EXPECT_EQ(cv.pixel(5, 3), clWhite);
}

TEST(DrawHelpers, LineWithEndPaintsItsEndPixelOnly)
{
    Canvas cv(6, 6);
    DrawLineWithEnd(1, 2, 4, 2, cv);
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(cv.pixel(x, 2), clBlack);
    EXPECT_EQ(cv.pixel(5, 1), clWhite); // the extra step leaves out its own end
    EXPECT_EQ(cv.pixel(5, 2), clWhite);
}

TEST(DrawHelpers, Frame3DIsRaisedOutsideAndSunkenInside)
{
    Canvas cv(50, 40, clGreen);
    DrawFrame3D(0, 0, 40, 30, cv);
    struct Probe {
        int x, y;
        TColor expected;
    };
    const Probe probes[] = {
        {0, 0, clWhite},   {1, 1, clWhite},   {0, 30, clWhite},  {1, 29, clWhite},  // white top-left
        {40, 0, clBlack},  {39, 1, clBlack},  {40, 30, clBlack}, {2, 29, clBlack},  // black bottom-right
        {1, 30, clBlack},  {38, 1, clWhite},                                        // where they meet
        {5, 5, clBlack},   {6, 6, clBlack},   {5, 25, clBlack},  {35, 5, clBlack},  // inner black top-left
        {35, 25, clWhite}, {34, 24, clWhite}, {6, 25, clWhite},  {35, 6, clWhite},  // inner white bottom-right
        {3, 3, clSilver},  {20, 15, clSilver}, {7, 7, clSilver},                    // panel
        {41, 15, clGreen}, {20, 31, clGreen},                                       // outside
    };
    for (const Probe& p : probes)
        EXPECT_EQ(cv.pixel(p.x, p.y), p.expected) << p.x << "," << p.y;
    EXPECT_EQ(cv.pen.color, clWhite);
    EXPECT_EQ(cv.brush.color, clSilver);
}

namespace {

// The left edge of the text cell that textOut filled with the brush on row y.
int cellLeft(const Canvas& cv, int y, TColor brush)
{
    for (int x = 0; x < cv.width(); ++x)
        if (cv.pixel(x, y) == brush)
            return x;
    return -1;
}

} // namespace

TEST(DrawHelpers, TextPlacementCentredAndRight)
{
    const QString text = QStringLiteral("Patience");
    Canvas probe(10, 10);
    probe.font.height = 16;
    const int w = probe.textWidth(text);
    ASSERT_GT(w, 20);

    struct Case {
        int spare; // span width minus text width
        int expectedOffset;
    };
    // The half of the spare width is truncated toward zero, so a text 7 px too wide
    // starts 3 px (not 4) left of the span.
    const Case cases[] = {{-7, -3}, {7, 3}, {0, 0}, {-8, -4}};
    for (const Case& c : cases) {
        Canvas cv(200, 30);
        cv.font.height = 16;
        cv.brush.color = clYellow;
        const int X1 = 50;
        TextOutCentered(text, X1, X1 + w + c.spare, 5, cv);
        EXPECT_EQ(cellLeft(cv, 6, clYellow), X1 + c.expectedOffset) << "spare " << c.spare;
    }

    Canvas cv(200, 30);
    cv.font.height = 16;
    cv.brush.color = clYellow;
    TextOutRight(text, 150, 5, cv);
    EXPECT_EQ(cellLeft(cv, 6, clYellow), 150 - w);
    EXPECT_EQ(cv.pixel(149, 6), clYellow);
    EXPECT_EQ(cv.pixel(150, 6), clWhite);
}

TEST(DrawHelpers, ShadowColourHalvesEachByteHalfToEven)
{
    struct Case {
        TColor color, shadow;
    };
    const Case cases[] = {
        {0xFFFFFF, 0x808080}, // 127.5 -> 128
        {0x0000FF, 0x000080},
        {0x000005, 0x000002}, // 2.5 -> 2
        {0x030201, 0x020100}, // 0.5 -> 0, 1 -> 1, 1.5 -> 2
        {0xFF123456, 0x091A2B}, // the high byte is dropped
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShadowColorOf(c.color), c.shadow) << std::hex << c.color;
}

TEST(DrawHelpers, TextOutShadowModes)
{
    auto countColour = [](const Canvas& cv, TColor c) {
        int n = 0;
        for (int y = 0; y < cv.height(); ++y)
            for (int x = 0; x < cv.width(); ++x)
                n += cv.pixel(x, y) == c;
        return n;
    };
    for (char mode : {'l', 'c', 'r'}) {
        Canvas cv(200, 60, clBlack);
        cv.brush.style = BrushStyle::Clear;
        cv.font.height = 30;
        cv.font.bold = true;
        TextOutShadow(QStringLiteral("HM"), 20, 180, 10, cv, clWhite, mode);
        EXPECT_GT(countColour(cv, 0x808080), 0) << mode;
        EXPECT_GT(countColour(cv, clWhite), 0) << mode;
        EXPECT_EQ(cv.font.color, clWhite) << mode;
    }
    // The modes are lower-case letters: anything else draws nothing.
    for (char mode : {'L', 'C', 'x', '\0'}) {
        Canvas cv(200, 60, clBlack);
        cv.font.color = clRed;
        TextOutShadow(QStringLiteral("HM"), 20, 180, 10, cv, clWhite, mode);
        EXPECT_EQ(countColour(cv, clBlack), 200 * 60) << mode;
        EXPECT_EQ(cv.font.color, clRed) << mode;
    }
}

TEST(DrawHelpers, ResizePngSmoothTwoByTwoToFourByFour)
{
    // Red runs 0 -> 255 and green 0 -> 1 across, blue 0 -> 255 and alpha 255 -> 254
    // down. SX = SY = 4 / (2 - 1), so target column or row k samples at k / 4.
    QImage png(2, 2, QImage::Format_ARGB32);
    png.setPixel(0, 0, qRgba(0, 0, 0, 255));
    png.setPixel(1, 0, qRgba(255, 1, 0, 255));
    png.setPixel(0, 1, qRgba(0, 0, 255, 254));
    png.setPixel(1, 1, qRgba(255, 1, 255, 254));
    ResizePngSmooth(png, 4, 4);
    ASSERT_EQ(png.size(), QSize(4, 4));
    ASSERT_EQ(png.format(), QImage::Format_ARGB32);
    // 255 x 0.25 = 63.75 -> 64, x 0.5 = 127.5 -> 128 (even), x 0.75 = 191.25 -> 191.
    const int across255[] = {0, 64, 128, 191};
    // 1 x 0.5 = 0.5 -> 0 (even), 1 x 0.75 -> 1.
    const int across1[] = {0, 0, 0, 1};
    // 255 - 0.25 -> 255, 254.5 -> 254 (even), 254.25 -> 254.
    const int alphaDown[] = {255, 255, 254, 254};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const QRgb p = png.pixel(x, y);
            EXPECT_EQ(qRed(p), across255[x]) << x << "," << y;
            EXPECT_EQ(qGreen(p), across1[x]) << x << "," << y;
            EXPECT_EQ(qBlue(p), across255[y]) << x << "," << y;
            EXPECT_EQ(qAlpha(p), alphaDown[y]) << x << "," << y;
        }
}

TEST(DrawHelpers, ResizePngSmoothWithoutAlphaIsOpaque)
{
    QImage png(2, 2, QImage::Format_RGB32);
    png.fill(qRgb(10, 20, 30));
    png.setPixel(1, 1, qRgb(210, 220, 230));
    ResizePngSmooth(png, 3, 5);
    ASSERT_EQ(png.size(), QSize(3, 5));
    EXPECT_FALSE(png.hasAlphaChannel());
    EXPECT_EQ(png.pixel(0, 0), qRgb(10, 20, 30));
    // Last sample at (2/3, 4/5): weight of the far pixel 8/15 -> 10 + 200 x 0.5333 = 116.67 -> 117.
    EXPECT_EQ(qRed(png.pixel(2, 4)), 117);
}

TEST(DrawHelpers, ResizePngSmoothReadsOtherColourLayouts)
{
    struct Case {
        QImage::Format format;
        QImage::Format result;
    };
    const Case cases[] = {
        {QImage::Format_RGB888, QImage::Format_RGB32},
        {QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32},
        {QImage::Format_RGBA64, QImage::Format_ARGB32},
    };
    for (const Case& c : cases) {
        QImage png(2, 2, QImage::Format_ARGB32);
        png.fill(qRgba(0, 0, 0, 255));
        png.setPixel(1, 0, qRgba(255, 255, 255, 255));
        png.setPixel(1, 1, qRgba(255, 255, 255, 255));
        png = png.convertToFormat(c.format);
        ResizePngSmooth(png, 4, 4);
        EXPECT_EQ(png.format(), c.result) << c.format;
        EXPECT_EQ(qRed(png.pixel(2, 1)), 128) << c.format; // 127.5 -> 128
        EXPECT_EQ(qAlpha(png.pixel(2, 1)), 255) << c.format;
    }
}

TEST(DrawHelpers, ResizePngSmoothLeavesTinySizesAndRefusesOtherFormats)
{
    QImage png(3, 3, QImage::Format_ARGB32);
    png.fill(qRgba(1, 2, 3, 4));
    const QImage before = png;
    for (auto [w, h] : {std::pair{1, 10}, {10, 1}, {0, 0}, {-5, 5}}) {
        ResizePngSmooth(png, w, h);
        EXPECT_EQ(png, before) << w << "x" << h;
    }
    QImage line(1, 5, QImage::Format_ARGB32);
    line.fill(Qt::red);
    ResizePngSmooth(line, 10, 10);
    EXPECT_EQ(line.size(), QSize(1, 5));

    for (QImage::Format f : {QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_Grayscale16,
                             QImage::Format_Mono}) {
        QImage other(4, 4, f);
        try {
            ResizePngSmooth(other, 8, 8);
            ADD_FAILURE() << "format " << f << " accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Only COLOR_RGBALPHA and COLOR_RGB formats are supported");
        }
    }
    // The size check comes first: an indexed picture to width 1 is no error.
    QImage indexed(4, 4, QImage::Format_Indexed8);
    EXPECT_NO_THROW(ResizePngSmooth(indexed, 1, 8));
}

namespace {

// Some built-in resource, whatever its kind: the sound routine does not look inside.
QString anyBuiltInResource()
{
    QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
    return it.hasNext() ? QFileInfo(it.next()).completeBaseName() : QString();
}

} // namespace

TEST(DrawHelpers, PlayWavResourceForwardsToTheSink)
{
    RecordingSoundSink sink;
    PlayWavResource(QStringLiteral("WavCardUp"), true, false);
    PlayWavResource(QStringLiteral("NoSuchSound"), false, false);
    EXPECT_TRUE(sink.calls.empty()) << "disabled sound touched the sink";

    PlayWavResource(QStringLiteral("NoSuchSound"), false, true);
    ASSERT_EQ(sink.calls.size(), 1u);
    EXPECT_TRUE(sink.calls[0].stop);

    const QString name = anyBuiltInResource();
    if (name.isEmpty())
        GTEST_SKIP() << "no built-in resource to play";
    for (bool wait : {true, false}) {
        sink.calls.clear();
        PlayWavResource(name.toUpper(), wait, true);
        ASSERT_EQ(sink.calls.size(), 1u);
        EXPECT_FALSE(sink.calls[0].stop);
        EXPECT_EQ(sink.calls[0].wav, resources::find(name));
        EXPECT_EQ(sink.calls[0].wait, wait);
    }
}

TEST(DrawHelpers, LoadJpegResourceMissingLeavesNullImage)
{
    QImage jpeg(5, 5, QImage::Format_RGB32);
    EXPECT_FALSE(LoadJpegResource(nullptr, QStringLiteral("NoSuchPicture"), jpeg));
    EXPECT_TRUE(jpeg.isNull());
}

TEST(DrawHelpers, ExeDirEndsWithOneSlash)
{
    struct Case {
        const char* folder;
        const char* expected;
    };
    const Case cases[] = {{"/tmp/vardelin-exe", "/tmp/vardelin-exe/"}, {"/tmp/vardelin-exe/", "/tmp/vardelin-exe/"}, {"/", "/"}};
    for (const Case& c : cases) {
        setProgramFolderForTest(QString::fromLatin1(c.folder));
        QString dir;
        ExeDir(dir);
        EXPECT_EQ(dir, QString::fromLatin1(c.expected));
    }
    setProgramFolderForTest(QString());
}

TEST(DrawHelpers, ShrinkFontToFitStopsWhereTheTextFitsOrAtTheFloor)
{
    platform::Canvas c(400, 60);
    c.font.name = QStringLiteral("DejaVu Sans");
    const QString text = QString::fromUtf8("この統計はバージョン1.8から記録しています (3.6)");
    c.font.height = 20;
    const int wide = c.textWidth(text);
    ASSERT_GT(wide, 300);

    DrawHelpers::ShrinkFontToFit(text, 300, 8, c);
    EXPECT_LE(c.textWidth(text), 300);
    EXPECT_LT(c.font.height, 20);
    const int fitted = c.font.height;
    ++c.font.height; // one pixel more would not fit: it went down no further than needed
    EXPECT_GT(c.textWidth(text), 300);

    c.font.height = 20;
    DrawHelpers::ShrinkFontToFit(text, 5, 8, c); // never below the floor
    EXPECT_EQ(c.font.height, 8);
    c.font.height = 20;
    DrawHelpers::ShrinkFontToFit(text, wide, 8, c); // a text that fits keeps its height
    EXPECT_EQ(c.font.height, 20);
    EXPECT_GT(fitted, 8);
}
