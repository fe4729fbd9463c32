#include "foundation/QyvCardsButton.h"

#include "platform/Canvas.h"
#include "platform/Resources.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QIcon>
#include <QPixmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace platform;
using namespace QyvCardsButton;

namespace {

struct ColourCase {
    const char* what;
    TColor in;
    TColorSB scheme;
    int light;
    TColor out;
};

// Background the tests paint the button over: a colour no picture uses.
constexpr QRgb kBack = 0xFF204060;

QImage background(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(kBack);
    return img;
}

TColor at(const QImage& img, int x, int y)
{
    return fromQRgb(img.pixel(x, y));
}

bool hasColour(const QImage& img, TColor c)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (at(img, x, y) == c)
                return true;
    return false;
}

QImage paint(TQyvCardsButton& b, TOwnerDrawState state = 0)
{
    QImage img = background(b.width(), b.height());
    b.DrawButton(img, QRect(0, 0, b.width(), b.height()), state);
    return img;
}

void sendKey(QWidget& w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(&w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QApplication::sendEvent(&w, &release);
}

void sendMouse(QWidget& w, QEvent::Type type)
{
    const QPointF pos(10, 10);
    QMouseEvent e(type, pos, w.mapToGlobal(pos), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void enter(QWidget& w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST(QyvCardsButton, RecolourColorBySchemeAndLightening)
{
    const ColourCase cases[] = {
        {"orange body row", 0x0000EE, DOrang, 0, 0x005FEE},
        {"orange highlight row", 0x5B5B87, DOrang, 0, 0x405C87},
        // 0.7 x 5 = 3.5 and 0.7 x 15 = 10.5 round to the even neighbour
        {"orange half up", 0x0500C8, DOrang, 0, 0x0452C8},
        {"orange half down", 0x0F00C8, DOrang, 0, 0x0A56C8},
        {"orange leaves grey", 0xADADAD, DOrang, 0, 0xADADAD},
        {"orange leaves blue-dominant", 0xEE0000, DOrang, 0, 0xEE0000},
        {"orange lightened", 0x0000EE, DOrang, 50, 0x80AFF6},
        {"green swaps red and green", 0x5B3387, DGreen, 0, 0x5B8733},
        {"blue", 0x5B3387, DBlue, 0, 0x87875B},
        {"navy swaps red and blue", 0x5B3387, DNavy, 0, 0x87335B},
        {"yellow", 0x5B3387, DYellow, 0, 0x5B8787},
        {"violet", 0x5B3387, DViolet, 0, 0x873387},
        {"cards", 0x0000EE, DCards, 0, 0xEE00A7},
        {"cards half", 0x000005, DCards, 0, 0x050004},
        {"red unchanged", 0x5B5B87, DRed, 0, 0x5B5B87},
        {"red keeps a high byte", 0x12345678, DRed, 0, 0x12345678},
        {"other scheme drops the high byte", 0xFF0000EE, DNavy, 0, 0x00EE0000},
        {"black half way", 0x000000, DRed, 50, 0x808080},
        {"white stays", 0xFFFFFF, DRed, 50, 0xFFFFFF},
        // 1 + 254 x 0.25 = 64.5: the half goes to the even 64
        {"quarter on an odd channel", 0x010101, DRed, 25, 0x404040},
        {"full lightening", 0x123456, DViolet, 100, 0xFFFFFF},
        {"past full stops at white", 0x000000, DRed, 200, 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecolourColor(c.in, c.scheme, c.light), c.out) << c.what;
}

TEST(QyvCardsButton, RecolourPngKeepsAlphaAndLimitsOvilaToNearRed)
{
    struct Case {
        const char* what;
        QRgb in;
        TColorSB scheme;
        bool ovila;
        int light;
        QRgb out;
    };
    const Case cases[] = {
        {"plain violet", qRgba(200, 10, 30, 77), DViolet, false, 0, qRgba(200, 10, 200, 77)},
        {"plain lightening", qRgba(0, 0, 0, 5), DRed, false, 50, qRgba(128, 128, 128, 5)},
        {"ovila cards near red", qRgba(255, 0, 0, 255), DCards, true, 0, qRgba(153, 0, 255, 255)},
        {"ovila cards near red with green", qRgba(250, 15, 5, 255), DCards, true, 0, qRgba(150, 10, 250, 255)},
        {"ovila cards far from red", qRgba(0, 0, 255, 128), DCards, true, 0, qRgba(0, 0, 255, 128)},
        // distance 180 is not near; 179 is
        {"ovila edge not near", qRgba(75, 0, 0, 255), DRed, true, 50, qRgba(75, 0, 0, 255)},
        {"ovila edge near", qRgba(76, 0, 0, 255), DRed, true, 50, qRgba(166, 128, 128, 255)},
        {"ovila maps every pixel", qRgba(0, 0, 255, 255), DNavy, true, 50, qRgba(255, 0, 0, 255)},
    };
    for (const auto& c : cases) {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setPixel(0, 0, c.in);
        RecolourPng(img, c.scheme, c.ovila, c.light);
        EXPECT_EQ(img.pixel(0, 0), c.out) << c.what;
    }
}

TEST(QyvCardsButton, HeightClassesCapWidthsAndPictures)
{
    struct Case {
        int height;
        int heightClass;
        int capW;
        const char* left;
    };
    const Case cases[] = {
        {30, 1, 8, "R29_L"}, {45, 2, 13, "R44_L"}, {60, 3, 17, "R59_L"},
        {25, 0, 7, "R29_L"}, {29, 0, 8, "R29_L"}, {31, 0, 9, "R44_L"},
        {46, 0, 13, "R59_L"}, {44, 0, 13, "R44_L"},
        {90, 0, 26, "R59_L"}, // 25.5 goes to the even 26
        {1, 0, 0, "R29_L"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeightClassOf(c.height), c.heightClass) << c.height;
        EXPECT_EQ(CapWidthFor(c.height), c.capW) << c.height;
        EXPECT_EQ(PictureSetFor(c.height, false).Left, QString::fromLatin1(c.left)) << c.height;
    }
    EXPECT_EQ(PictureSetFor(45, true).Middle, QStringLiteral("Q44_2"));
    EXPECT_EQ(ButtonGradient(30).size(), 29u);
    EXPECT_EQ(ButtonGradient(45).size(), 44u);
    EXPECT_EQ(ButtonGradient(60).size(), 59u);
    EXPECT_TRUE(ButtonGradient(31).empty());
}

TEST(QyvCardsButton, StartsAsTheFormsExpect)
{
    TQyvCardsButton b;
    EXPECT_EQ(b.size(), QSize(100, 30));
    EXPECT_EQ(b.ColorSB(), DRed);
    EXPECT_EQ(b.HeightSB(), D30);
    EXPECT_EQ(b.KLightSB(), 0);
    EXPECT_TRUE(b.Kontur());
    EXPECT_TRUE(b.Smooth());
    EXPECT_FALSE(b.Ovila());
    EXPECT_TRUE(b.LightFont()); // every window's buttons light up yellow under the mouse
    EXPECT_FALSE(b.GrayDis());
    EXPECT_EQ(b.ColorMouse(), clYellow);
    EXPECT_EQ(b.focusPolicy(), Qt::StrongFocus);
}

TEST(QyvCardsButton, HeightPresetSetsTheHeight)
{
    TQyvCardsButton b;
    b.resize(200, 30);
    b.SetHeightSB(D45);
    EXPECT_EQ(b.size(), QSize(200, 45));
    EXPECT_EQ(HeightClassOf(b.height()), 2);
    b.SetHeightSB(D60);
    EXPECT_EQ(b.height(), 60);
    // an unchanged preset leaves a height set by hand alone
    b.resize(200, 52);
    b.SetHeightSB(D60);
    EXPECT_EQ(b.height(), 52);
}

// At the exact heights the middle is the row table, recoloured; the last row and the
// last column keep what was behind the button.
TEST(QyvCardsButton, ExactHeightsPaintTheRowTableRecoloured)
{
    struct Case {
        int height;
        TColorSB scheme;
        int light;
    };
    const Case cases[] = {{30, DRed, 0}, {30, DOrang, 0}, {30, DOrang, 50}, {45, DViolet, 0},
                          {60, DNavy, 20}, {45, DRed, 50}};
    for (const auto& c : cases) {
        TQyvCardsButton b;
        b.resize(120, c.height);
        b.SetColorSB(c.scheme);
        b.SetKLightSB(c.light);
        const QImage img = paint(b);
        const auto& rows = ButtonGradient(c.height);
        for (int y = 0; y <= c.height - 2; ++y)
            for (int x : {CapWidthFor(c.height), 60, 120 - CapWidthFor(c.height) - 2})
                ASSERT_EQ(at(img, x, y), RecolourColor(rows[size_t(y)], c.scheme, c.light))
                    << c.height << " scheme " << c.scheme << " row " << y << " x " << x;
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(img.pixel(x, c.height - 1), kBack) << "bottom row x " << x;
        for (int y = 0; y < c.height; ++y)
            ASSERT_EQ(img.pixel(119, y), kBack) << "right column y " << y;
    }
    // the body row of the orange example
    TQyvCardsButton b;
    b.SetColorSB(DOrang);
    EXPECT_EQ(at(paint(b), 50, 27), 0x005FEEu);
}

TEST(QyvCardsButton, CapsAreDrawnAtTheirOwnSizeAtExactHeights)
{
    for (int h : {30, 45, 60}) {
        TQyvCardsButton b;
        b.resize(150, h);
        const QImage img = paint(b);
        const PictureSet set = PictureSetFor(h, false);
        const QImage left = resources::image(set.Left).convertToFormat(QImage::Format_ARGB32);
        const QImage right = resources::image(set.Right).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(left.size(), QSize(CapWidthFor(h), h - 1));
        // Opaque cap pixels land 1:1: the left cap at 0, the right cap one pixel in.
        int checked = 0;
        for (int y = 0; y < left.height(); ++y)
            for (int x = 0; x < left.width(); ++x) {
                if (qAlpha(left.pixel(x, y)) == 255) {
                    ASSERT_EQ(img.pixel(x, y), left.pixel(x, y)) << h << " left " << x << "," << y;
                    ++checked;
                }
                if (qAlpha(right.pixel(x, y)) == 255) {
                    ASSERT_EQ(img.pixel(150 - CapWidthFor(h) - 1 + x, y), right.pixel(x, y))
                        << h << " right " << x << "," << y;
                }
            }
        EXPECT_GT(checked, 0);
        // the transparent corner shows what is behind
        EXPECT_EQ(img.pixel(0, 0), kBack);
    }
}

TEST(QyvCardsButton, FreeHeightUsesTheSmallerSetScaled)
{
    for (bool smooth : {true, false}) {
        TQyvCardsButton b;
        b.resize(100, 25);
        b.SetSmooth(smooth);
        b.SetColorSB(DViolet);
        const QImage img = paint(b);
        // the strip stretched from 29 to 24 rows, cut out from column CapW = 7
        const TColor body = RecolourColor(0x0000EE, DViolet, 0);
        bool found = false;
        for (int y = 0; y < 24; ++y)
            found = found || at(img, 50, y) == body;
        EXPECT_TRUE(found) << smooth;
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(img.pixel(x, 24), kBack) << smooth << " bottom row x " << x;
        // the left cap ends at column 6: it covers the corner rows only partly
        EXPECT_NE(img.pixel(6, 12), kBack) << smooth;
        EXPECT_EQ(img.pixel(99, 12), kBack) << smooth;
    }
}

TEST(QyvCardsButton, PressedShiftsTheFaceByOnePixel)
{
    TQyvCardsButton b;
    b.resize(100, 30);
    b.SetColorSB(DOrang);
    const QImage up = paint(b);
    const QImage down = paint(b, odSelected);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 99; ++x)
            ASSERT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << "," << y;
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(down.pixel(x, 0), kBack);
}

TEST(QyvCardsButton, FocusRingOnlyWithFocusLookFocusBitAndOutline)
{
    struct Case {
        const char* what;
        int height;
        bool isFocused;
        TOwnerDrawState state;
        bool kontur;
        QPoint ring; // a pixel on the top edge of the ring
        bool drawn;
    };
    const Case cases[] = {
        {"class 1", 30, true, odFocused, true, {50, 4}, true},
        {"class 1 pressed", 30, true, odFocused | odSelected, true, {51, 5}, true},
        {"class 2", 45, true, odFocused, true, {50, 5}, true},
        {"class 3", 60, true, odFocused, true, {50, 6}, true},
        {"class 0, height 25", 25, true, odFocused, true, {50, 4}, true},
        {"class 0, height 40", 40, true, odFocused, true, {50, 5}, true},
        {"no focus bit", 30, true, 0, true, {50, 4}, false},
        {"no focus look", 30, false, odFocused, true, {50, 4}, false},
        {"outline off", 30, true, odFocused, false, {50, 4}, false},
    };
    for (const auto& c : cases) {
        TQyvCardsButton b;
        b.resize(100, c.height);
        b.SetColorSB(DOrang);
        b.SetKontur(c.kontur);
        b.SetButtonStyle(c.isFocused);
        const QImage img = paint(b, c.state);
        const TColor ring = FocusRingColor(DOrang);
        EXPECT_EQ(at(img, c.ring.x(), c.ring.y()) == ring, c.drawn) << c.what;
        // the pixel above the ring's top edge is the face, never the ring
        EXPECT_NE(at(img, c.ring.x(), c.ring.y() - 1), ring) << c.what;
    }
}

TEST(QyvCardsButton, CaptionColourFollowsHoverAndDisabledLooks)
{
    struct Case {
        const char* what;
        bool lightFont;
        bool grayDis;
        bool hover;
        bool enabled;
        TColor expected;
    };
    const TColor font = 0xFFFFFF;
    const TColor mouse = clYellow;
    const Case cases[] = {
        {"plain", true, true, false, true, font},
        {"hover", true, true, true, true, mouse},
        {"hover without light font", false, true, true, true, font},
        {"disabled grey even under the mouse", true, true, true, false, clSilver},
        {"disabled without grey", true, false, true, false, font},
    };
    for (const auto& c : cases) {
        TQyvCardsButton b(QStringLiteral("MMMM"));
        b.resize(200, 45);
        QFont f = b.font();
        f.setPixelSize(26);
        f.setBold(true);
        b.setFont(f);
        b.SetColorSB(DNavy);
        b.SetFontColor(font);
        b.SetColorMouse(mouse);
        b.SetLightFont(c.lightFont);
        b.SetGrayDis(c.grayDis);
        b.setEnabled(c.enabled);
        if (c.hover)
            enter(b);
        ASSERT_EQ(b.MouseInPos(), c.hover);
        const QImage img = paint(b, c.enabled ? 0 : odDisabled);
        EXPECT_TRUE(hasColour(img, c.expected)) << c.what;
        for (TColor other : {font, mouse, clSilver})
            if (other != c.expected) {
                EXPECT_FALSE(hasColour(img, other)) << c.what;
            }
    }
}

TEST(QyvCardsButton, ACaptionLightsUpUnderTheMouseWithoutBeingToldTo)
{
    TQyvCardsButton b(QStringLiteral("MMMM"));
    b.resize(200, 30);
    QFont f = b.font();
    f.setPixelSize(22);
    f.setBold(true);
    b.setFont(f);
    b.SetFontColor(clWhite);
    EXPECT_FALSE(hasColour(paint(b), clYellow));
    enter(b);
    EXPECT_TRUE(hasColour(paint(b), clYellow));
}

namespace {

// Columns holding pixels of a caption colour (pure green, which no face has).
std::pair<int, int> captionColumns(const QImage& img)
{
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y) {
            const QRgb p = img.pixel(x, y);
            if (qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
    return {first, last};
}

} // namespace

TEST(QyvCardsButton, ACaptionThatDoesNotFitShrinksBetweenTheCaps)
{
    // Menu captions of the small window (84 px between the caps) and the largest one.
    struct Case {
        const char* caption;
        int width, height, pixels;
    };
    const Case cases[] = {
        {"Настройки", 100, 30, 20}, {"10 лучших", 100, 30, 20}, {"オプション", 100, 30, 20},
        {"Einstellungen", 100, 30, 20}, {"Настройки", 200, 60, 36}, {"Ok", 100, 30, 20},
    };
    for (const Case& c : cases) {
        TQyvCardsButton b(QString::fromUtf8(c.caption));
        b.resize(c.width, c.height);
        QFont f(platform::resolvedFamily(QStringLiteral("Comic Sans MS")));
        f.setPixelSize(c.pixels);
        f.setBold(true);
        b.setFont(f);
        b.SetColorSB(DOrang);
        b.SetFontColor(0x00FF00);
        const int capW = CapWidthFor(c.height);
        const auto [first, last] = captionColumns(paint(b));
        ASSERT_GE(first, 0) << c.caption;
        EXPECT_GE(first, capW) << c.caption;
        EXPECT_LT(last, c.width - capW - 1) << c.caption;
    }
    // A caption that fits keeps its size.
    TQyvCardsButton ok(QStringLiteral("Ok"));
    QFont f = ok.font();
    f.setPixelSize(20);
    ok.setFont(f);
    EXPECT_EQ(ok.CaptionFont(84).pixelSize(), 20);
}

TEST(QyvCardsButton, MouseEnterAndLeaveReportAfterTheirLook)
{
    TQyvCardsButton b;
    QStringList seen;
    b.OnMouseEnter = [&](TQyvCardsButton* s) { seen << (s == &b && s->MouseInPos() ? "enter" : "bad enter"); };
    b.OnMouseLeave = [&](TQyvCardsButton* s) { seen << (s == &b && !s->MouseInPos() ? "leave" : "bad leave"); };
    enter(b);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&b, &leave);
    EXPECT_EQ(seen, QStringList({"enter", "leave"}));
}

TEST(QyvCardsButton, DrawHandlerGetsTheShiftedRectAndACanvas)
{
    TQyvCardsButton b;
    QRect got;
    TOwnerDrawState gotState = 0;
    bool hadCanvas = false;
    b.OnDrawButton = [&](TQyvCardsButton* c, const QRect& r, TOwnerDrawState s) {
        got = r;
        gotState = s;
        hadCanvas = c->Canvas() != nullptr;
    };
    paint(b, odSelected);
    EXPECT_EQ(got, QRect(1, 1, 100, 30));
    EXPECT_EQ(gotState, odSelected);
    EXPECT_TRUE(hadCanvas);
    EXPECT_EQ(b.Canvas(), nullptr);
}

TEST(QyvCardsButton, KeysActivateLikeAClick)
{
    struct Case {
        int key;
        bool enabled;
        int clicks;
    };
    const Case cases[] = {{Qt::Key_Return, true, 1}, {Qt::Key_Enter, true, 1}, {Qt::Key_Space, true, 1},
                          {Qt::Key_A, true, 0},      {Qt::Key_Return, false, 0}, {Qt::Key_Space, false, 0}};
    for (const auto& c : cases) {
        TQyvCardsButton b(QStringLiteral("Ok"));
        b.setEnabled(c.enabled);
        int clicks = 0;
        QObject::connect(&b, &QPushButton::clicked, [&] { ++clicks; });
        sendKey(b, c.key);
        EXPECT_EQ(clicks, c.clicks) << c.key << " enabled " << c.enabled;
    }
}

TEST(QyvCardsButton, DoubleClickCountsAsTwoClicks)
{
    TQyvCardsButton b(QStringLiteral("Deal"));
    int clicks = 0;
    QObject::connect(&b, &QPushButton::clicked, [&] { ++clicks; });
    sendMouse(b, QEvent::MouseButtonPress);
    sendMouse(b, QEvent::MouseButtonRelease);
    sendMouse(b, QEvent::MouseButtonDblClick);
    sendMouse(b, QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks, 2);
}

TEST(QyvCardsButton, CaptionIsTheAccessibleName)
{
    TQyvCardsButton b(QStringLiteral("&Ok"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Ok"));
    EXPECT_EQ(a->role(), QAccessible::PushButton);
}

TEST(QyvCardsButton, PaintsOnScreenThroughTheWidget)
{
    QWidget parent;
    parent.resize(200, 80);
    auto* b = new TQyvCardsButton(QStringLiteral("Ok"), &parent);
    b->move(10, 10);
    b->SetColorSB(DOrang);
    const QImage shot = b->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(100, 30));
    EXPECT_EQ(fromQRgb(shot.pixel(50, 27)), 0x005FEEu);
}

namespace {

// Left-top corner of the pixels of one colour; (-1, -1) when there are none.
QPoint firstOf(const QImage& img, TColor c)
{
    QPoint p(-1, -1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (at(img, x, y) == c) {
                if (p.x() < 0 || x < p.x())
                    p.setX(x);
                if (p.y() < 0 || y < p.y())
                    p.setY(y);
            }
    return p;
}

} // namespace

TEST(QyvCardsButton, GlyphPlacedByLayoutAndHeightClass)
{
    QImage glyph(6, 6, QImage::Format_ARGB32);
    glyph.fill(qRgba(0, 255, 0, 255));
    struct Case {
        int height;
        TButtonLayout layout;
        QPoint at;
    };
    const Case cases[] = {
        {30, blGlyphLeft, {15, 12}}, // (29 - 6) / 2 = 11.5 goes to the even 12
        {45, blGlyphLeft, {18, 19}},
        {60, blGlyphLeft, {20, 26}}, // 26.5 to 26
        {25, blGlyphLeft, {11, 9}},  // CapW 7 x 1.6 = 11.2
        {30, blGlyphRight, {120 - 6 - 15, 12}},
        {45, blGlyphRight, {120 - 6 - 18, 19}},
        {30, blGlyphBottom, {57, 12}},
        {30, blGlyphTop, {-1, -1}},
    };
    for (const auto& c : cases) {
        TQyvCardsButton b;
        b.resize(120, c.height);
        b.SetGlyph(glyph);
        b.SetLayout(c.layout);
        EXPECT_EQ(firstOf(paint(b), clLime), c.at) << c.height << " layout " << c.layout;
    }
    // the button's icon serves when no glyph is set
    {
        TQyvCardsButton b;
        b.resize(120, 30);
        b.setIconSize(QSize(6, 6));
        b.setIcon(QIcon(QPixmap::fromImage(glyph)));
        EXPECT_EQ(firstOf(paint(b), clLime), QPoint(15, 12));
    }
    // a glyph without alpha leaves out the colour of its bottom-left pixel
    QImage keyed(6, 6, QImage::Format_RGB32);
    keyed.fill(qRgb(255, 255, 255));
    keyed.setPixel(2, 2, qRgb(0, 255, 0));
    TQyvCardsButton b;
    b.resize(120, 30);
    b.SetGlyph(keyed);
    const QImage img = paint(b);
    EXPECT_EQ(firstOf(img, clLime), QPoint(17, 14));
    EXPECT_FALSE(hasColour(img, clWhite));
}

TEST(QyvCardsButton, MarginPutsTheCaptionAfterTheGlyph)
{
    QImage glyph(6, 6, QImage::Format_ARGB32);
    glyph.fill(qRgba(0, 0, 0, 0));
    for (int margin : {-1, 0}) {
        TQyvCardsButton b(QStringLiteral("M"));
        b.resize(200, 30);
        QFont f = b.font();
        f.setPixelSize(24);
        f.setBold(true);
        b.setFont(f);
        b.SetFontColor(clWhite);
        b.SetGlyph(glyph);
        b.SetMargin(margin);
        const int left = firstOf(paint(b), clWhite).x();
        if (margin == -1) {
            EXPECT_GT(left, 80) << "centred";
        } else {
            EXPECT_GE(left, 15 + 6 + 10);
            EXPECT_LT(left, 15 + 6 + 10 + 5);
        }
    }
}

TEST(QyvCardsButton, AlternativeSeriesShowsFocusDotsInsteadOfTheRing)
{
    struct Case {
        int height;
        TColorSB scheme;
        TColor dot;
        QPoint left, right; // a pixel inside each dot
    };
    // height 30: d 4, Y 13, K 10; height 45: d 5, Y 20, K 13
    const Case cases[] = {{30, DRed, 0x00FFFF, {11, 14}, {87, 14}}, {45, DNavy, 0x00FF00, {14, 21}, {83, 21}}};
    for (const auto& c : cases) {
        TQyvCardsButton b;
        b.resize(100, c.height);
        b.SetColorSB(c.scheme);
        b.SetOvila(true);
        b.SetButtonStyle(true);
        const QImage img = paint(b, odFocused);
        EXPECT_EQ(at(img, c.left.x(), c.left.y()), c.dot) << c.height;
        EXPECT_EQ(at(img, c.right.x(), c.right.y()), c.dot) << c.height;
        EXPECT_FALSE(hasColour(img, FocusRingColor(c.scheme))) << c.height;
        // the face is painted from the master pictures all the same
        EXPECT_NE(img.pixel(50, c.height - 3), kBack) << c.height;
    }
}
