// Card faces, backs and outlines drawn pixel by pixel, and the choice of the back.
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>
#include <functional>

using platform::Canvas;
using platform::TColor;

namespace {

constexpr TColor Ground = 0x20A040;
constexpr TColor FacePaint = 0x3366CC;
constexpr TColor BackPaint = 0x884422;
constexpr int X = 10;
constexpr int Y = 10;

struct Px {
    int x, y;
    friend bool operator==(const Px&, const Px&) = default;
};
inline size_t qHash(const Px& p, size_t seed = 0) { return ::qHash(p.x * 4096 + p.y, seed); }

QSet<Px> changedPixels(const Canvas& before, const Canvas& after)
{
    QSet<Px> out;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                out.insert({x, y});
    return out;
}

// The twelve corner pixels a classic card leaves untouched, for a card at (X, Y).
QSet<Px> classicCorners()
{
    QSet<Px> s;
    for (const Px& c : {Px{0, 0}, Px{1, 0}, Px{0, 1}})
        for (const bool mx : {false, true})
            for (const bool my : {false, true})
                s.insert({X + (mx ? 70 - c.x : c.x), Y + (my ? 95 - c.y : c.y)});
    return s;
}

QSet<Px> rectPixels(int x1, int y1, int x2, int y2) // inclusive
{
    QSet<Px> s;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            s.insert({x, y});
    return s;
}

QSet<Px> classicFrame()
{
    QSet<Px> s = rectPixels(X + 2, Y, X + 68, Y) + rectPixels(X + 2, Y + 95, X + 68, Y + 95)
        + rectPixels(X, Y + 2, X, Y + 93) + rectPixels(X + 70, Y + 2, X + 70, Y + 93);
    return s;
}

class CardDrawingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scaling::ClassicCardMode = 1;
        Scaling::Scale = 1.0;
        GameState::CardWidth = 71;
        GameState::CardHeight = 96;
        for (auto& f : CardPictures::FaceBitmaps)
            f = Canvas(69, 94, FacePaint);
        for (auto& b : CardPictures::BackBitmaps)
            b = Canvas(69, 94, BackPaint);
        CardDrawing::CurrentBackIndex = 1;
    }
    void TearDown() override
    {
        Scaling::ClassicCardMode = 1;
        GameState::CardWidth = 71;
        GameState::CardHeight = 96;
        Settings::BackModeFlag = true;
        Settings::BackDeckNo = 0;
        platform::setSeamOverridesForTest({});
    }
    Canvas table{100, 120, Ground};
};

TEST_F(CardDrawingTest, ClassicCodesPaintExactlyTheirPixels)
{
    const QSet<Px> card = rectPixels(X, Y, X + 70, Y + 95) - classicCorners();
    const QSet<Px> dots = {{X + 1, Y + 1}, {X + 69, Y + 1}, {X + 1, Y + 94}, {X + 69, Y + 94}};
    struct Case {
        const char* code;
        QSet<Px> painted;
    } cases[] = {
        {"\xD2\xEF", card},        // ace of spades
        {"2\xF7", card},           // two of hearts
        {"##", {}},
        {"No", classicFrame() + dots},
        {"--", classicFrame()},
        {"-?", classicFrame()},    // unknown marker: the frame, no picture
    };
    for (const Case& c : cases) {
        Canvas t = table;
        CardDrawing::DrawCardFace(X, Y, TCardCode(c.code), t);
        EXPECT_EQ(changedPixels(table, t), c.painted) << TCardCode(c.code).toString().toStdString();
        EXPECT_EQ(t.pen.color, platform::clBlack);
    }
}

TEST_F(CardDrawingTest, ClassicFaceShowsItsOwnBitmapInsideABlackFrame)
{
    CardPictures::FaceBitmaps[52] = Canvas(69, 94, 0x010203);
    CardDrawing::DrawCardFace(X, Y, TCardCode("\xD2\xEF"), table);
    EXPECT_EQ(table.pixel(X + 1, Y + 1), 0x010203u);
    EXPECT_EQ(table.pixel(X + 69, Y + 94), 0x010203u);
    EXPECT_EQ(table.pixel(X + 35, Y), platform::clBlack);
    EXPECT_EQ(table.pixel(X + 70, Y + 50), platform::clBlack);
    EXPECT_EQ(table.pixel(X, Y), Ground);
}

TEST_F(CardDrawingTest, ClassicMarkerIsWashedOverTheTableInTheFrame)
{
    if (!platform::resources::exists(QStringLiteral("N000")))
        GTEST_SKIP() << "marker pictures not rendered yet";
    CardDrawing::DrawCardFace(X, Y, TCardCode("-n"), table);
    const QImage marker = platform::resources::image(QStringLiteral("N000"));
    ASSERT_EQ(marker.size(), QSize(69, 94));
    Canvas over(69, 94, Ground);
    over.draw(0, 0, marker);
    for (const Px& p : {Px{34, 47}, Px{10, 60}, Px{60, 10}, Px{0, 0}})
        EXPECT_EQ(table.pixel(X + 1 + p.x, Y + 1 + p.y), over.pixel(p.x, p.y));
    EXPECT_EQ(table.pixel(X + 35, Y), platform::clBlack);
}

TEST_F(CardDrawingTest, ClassicBackIsTheChosenBitmapInTheFrame)
{
    CardPictures::BackBitmaps[3] = Canvas(69, 94, 0x445566);
    CardDrawing::CurrentBackIndex = 3;
    Canvas t = table;
    CardDrawing::DrawCardBack(X, Y, t);
    EXPECT_EQ(changedPixels(table, t), rectPixels(X, Y, X + 70, Y + 95) - classicCorners());
    EXPECT_EQ(t.pixel(X + 30, Y + 30), 0x445566u);
}

TEST_F(CardDrawingTest, ClassicInversionTouchesTheCardOnlyAndUndoesItself)
{
    CardDrawing::DrawCardFace(X, Y, TCardCode("\xC4\xE1"), table); // queen of diamonds
    const Canvas drawn = table;
    CardDrawing::DrawCardOutline(X, Y, 1, table, 2);
    EXPECT_EQ(changedPixels(drawn, table), rectPixels(X, Y, X + 70, Y + 95) - classicCorners());
    EXPECT_EQ(table.pixel(X + 30, Y + 30), ~FacePaint & 0xFFFFFFu);
    EXPECT_EQ(table.pen.mode, platform::PenMode::Copy);
    CardDrawing::DrawCardOutline(X, Y, 1, table, 1);
    EXPECT_EQ(table.image(), drawn.image());
}

TEST_F(CardDrawingTest, ScaledDoubleInversionRestoresTheBodyAndBlackensTheCorners)
{
    Scaling::ClassicCardMode = 0;
    Scaling::Scale = 1.3;
    GameState::CardWidth = 60;
    GameState::CardHeight = 80;
    Canvas t(100, 120, Ground);
    const Canvas before = t;
    CardDrawing::DrawCardOutline(X, Y, 1, t);
    EXPECT_EQ(t.pixel(X, Y), platform::clBlack);          // outside the rounding
    EXPECT_EQ(t.pixel(X + 30, Y + 40), ~Ground & 0xFFFFFFu);
    EXPECT_EQ(t.pixel(X + 60, Y + 40), Ground);           // beyond the card
    CardDrawing::DrawCardOutline(X, Y, 1, t);
    EXPECT_EQ(t.pixel(X + 30, Y + 40), Ground);
    EXPECT_EQ(t.pixel(X + 59, Y + 79), platform::clBlack);
    EXPECT_EQ(t.pixel(X + 30, Y), Ground);                // middle of the top edge
    // Only corner pixels differ from the original after the pair.
    for (const Px& p : changedPixels(before, t)) {
        EXPECT_TRUE((p.x < X + 5 || p.x > X + 54) && (p.y < Y + 5 || p.y > Y + 74)) << p.x << "," << p.y;
        EXPECT_EQ(t.pixel(p.x, p.y), platform::clBlack);
    }
}

TEST_F(CardDrawingTest, TargetFrameIsTwoOrangePixelsWideWithCutCorners)
{
    for (const int mode : {1, 0}) {
        Scaling::ClassicCardMode = mode;
        for (const QSize size : {QSize(71, 96), QSize(92, 125)}) {
            GameState::CardWidth = size.width();
            GameState::CardHeight = size.height();
            const int w = size.width() - 1;
            const int h = size.height() - 1;
            Canvas t(120, 150, Ground);
            const Canvas before = t;
            CardDrawing::DrawCardOutline(X, Y, 0, t);
            const QSet<Px> outer = rectPixels(X + 2, Y, X + w - 2, Y) + rectPixels(X + 2, Y + h, X + w - 2, Y + h)
                + rectPixels(X, Y + 2, X, Y + h - 2) + rectPixels(X + w, Y + 2, X + w, Y + h - 2);
            const QSet<Px> inner = rectPixels(X + 1, Y + 1, X + w - 1, Y + h - 1)
                - rectPixels(X + 2, Y + 2, X + w - 2, Y + h - 2);
            EXPECT_EQ(changedPixels(before, t), outer + inner) << mode << " " << w;
            EXPECT_EQ(t.pixel(X + 1, Y + 1), CardDrawing::TargetFrameColor);
            EXPECT_EQ(t.pen.color, CardDrawing::TargetFrameColor);
        }
    }
}

TEST_F(CardDrawingTest, ScaledCodesWithoutPictureDrawNothing)
{
    Scaling::ClassicCardMode = 0;
    GameState::CardWidth = 92;
    GameState::CardHeight = 125;
    Canvas t(120, 150, Ground);
    for (const char* code : {"##", "No", "--", "-?"}) {
        Canvas c = t;
        CardDrawing::DrawCardFace(X, Y, TCardCode(code), c);
        EXPECT_TRUE(changedPixels(t, c).isEmpty()) << code;
    }
}

TEST_F(CardDrawingTest, ScaledFaceOfTheCardSizeIsCopiedAsItIs)
{
    Scaling::ClassicCardMode = 2;
    GameState::CardWidth = 146;
    GameState::CardHeight = 198;
    QImage face(146, 198, QImage::Format_ARGB32_Premultiplied);
    face.fill(QColor(10, 20, 30));
    face.setPixelColor(5, 7, QColor(200, 100, 50));
    CardPictures::FaceImages[1] = face;
    Canvas t(200, 220, Ground);
    CardDrawing::DrawCardFace(3, 4, TCardCode("2\xF7"), t);
    EXPECT_EQ(t.pixel(3 + 5, 4 + 7), platform::rgbColor(200, 100, 50));
    EXPECT_EQ(t.pixel(3 + 145, 4 + 197), platform::rgbColor(10, 20, 30));
    EXPECT_EQ(t.pixel(3 + 146, 4 + 197), Ground);
}

TEST_F(CardDrawingTest, ChooseCardBackByWeekdayModeAndSet)
{
    struct Case {
        QDate date;
        bool byDay;
        int set;
        int random; // what the random source returns
        int expected;
    } cases[] = {
        {QDate(2026, 12, 13), true, 0, 0, 7},   // Sunday
        {QDate(2026, 12, 7), true, 0, 0, 1},    // Monday
        {QDate(2026, 12, 9), true, 3, 0, 3},    // Wednesday
        {QDate(2026, 12, 12), true, 12, 0, 6},  // Saturday, a seven-back set
        {QDate(2026, 12, 7), false, 0, 0, 7},   // one back always
        {QDate(2026, 12, 7), true, 9, 9, 10},   // ten backs: random, whatever the day
        {QDate(2026, 12, 13), false, 8, 0, 1},
        {QDate(2026, 12, 10), true, 11, 4, 5},
    };
    for (const Case& c : cases) {
        int asked = -1;
        platform::SeamOverrides o;
        o.currentDateTime = [&] { return QDateTime(c.date, QTime(12, 0)); };
        o.randomBelow = [&](int n) { asked = n; return c.random; };
        platform::setSeamOverridesForTest(o);
        Settings::BackModeFlag = c.byDay;
        Settings::BackDeckNo = c.set;
        CardDrawing::ChooseCardBack();
        EXPECT_EQ(CardDrawing::CurrentBackIndex, c.expected) << c.date.toString().toStdString() << " set " << c.set;
        EXPECT_EQ(asked, (c.set >= 8 && c.set <= 11) ? 10 : -1);
    }
}

} // namespace

namespace {

// Draws the whole deck, the backs and the markers as a player sees them at zoom 1 and
// zoom 2 and writes the pictures to the temporary folder, for looking at by eye:
//   test_foundation --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_WriteDeckPictures*'
TEST(CardDrawingLook, DISABLED_WriteDeckPictures)
{
    struct Size {
        double scale;
        int mode, w, h, windowSize;
        const char* file;
    } sizes[] = {{1.0, 1, 71, 96, 1, "vardelin-deck-zoom1.png"}, {2.0, 2, 146, 198, 5, "vardelin-deck-zoom2.png"}};
    for (const Size& s : sizes) {
        Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = s.scale;
        Scaling::ClassicCardMode = s.mode;
        Scaling::TableWidth = Scaling::RoundHalfEven(760 * s.scale);
        Scaling::TableHeight = Scaling::RoundHalfEven(500 * s.scale);
        Settings::WindowSize = s.windowSize;
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        GameState::CardHeight = s.h;
        CardPictures::LoadCardFaces();
        CardPictures::LoadTableBackground();
        const int stepX = s.w + Scaling::Scaled(4);
        const int stepY = s.h + Scaling::Scaled(6);
        Canvas table(13 * stepX + 20, 7 * stepY + 20, 0x008000);
        if (!CardPictures::TableBackground.isNull())
            table.draw(0, 0, CardPictures::TableBackground);
        for (int r = 0; r < 13; ++r)
            for (int su = 0; su < 4; ++su)
                CardDrawing::DrawCardFace(10 + r * stepX, 10 + su * stepY,
                                          TCardCode(cards::RankOrder[r], cards::SuitOrder[su]), table);
        for (int b = 1; b <= 7; ++b) {
            CardDrawing::CurrentBackIndex = b;
            CardDrawing::DrawCardBack(10 + (b - 1) * stepX, 10 + 4 * stepY, table);
        }
        const char* markers = "*01234xabcdny";
        for (int m = 0; m < 13; ++m) {
            const char code[3] = {'-', markers[m], 0};
            CardDrawing::DrawCardFace(10 + m * stepX, 10 + 5 * stepY, TCardCode(code), table);
        }
        const char* specials[] = {"No", "--", "##"};
        for (int i = 0; i < 3; ++i)
            CardDrawing::DrawCardFace(10 + i * stepX, 10 + 6 * stepY, TCardCode(specials[i]), table);
        // A selected card and a target frame.
        CardDrawing::DrawCardFace(10 + 4 * stepX, 10 + 6 * stepY, TCardCode("\xC4\xF7"), table);
        CardDrawing::DrawCardOutline(10 + 4 * stepX, 10 + 6 * stepY, 1, table);
        CardDrawing::DrawCardFace(10 + 5 * stepX, 10 + 6 * stepY, TCardCode("\xCA\xEF"), table);
        GameState::CardWidth = s.w;
        CardDrawing::DrawCardOutline(10 + 5 * stepX, 10 + 6 * stepY, 0, table);
        ASSERT_TRUE(table.image().save(QDir::temp().filePath(QString::fromLatin1(s.file))));
    }
    Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = 1.0;
    Scaling::ClassicCardMode = 1;
    Scaling::TableWidth = 760;
    Scaling::TableHeight = 500;
    Settings::WindowSize = 1;
    GameState::CardWidth = 71;
    GameState::CardHeight = 96;
}

} // namespace
