// The built-in card art: every picture the card drawing, the celebration and the button
// ask for by name is there, in the size the drawing code assumes, and looks the way the
// drawing relies on (opaque classic faces with dark corner pixels, transparent corners
// on the large pictures, red and black suits apart, red button masters).
#include "platform/Resources.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const char* const kSyllables[] = {"Ch", "Bu", "Kr", "Pi"};
const char* const kTags[] = {"02", "03", "04", "05", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const char* const kBacks[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr", "Ob06Su", "Ob07Su"};
const char* const kSigns[] = {"Cher", "Bubi", "Kres", "Piki"};
const char* const kMarkers[] = {"All0", "A000", "A001", "A002", "A003", "A004", "K000",
                                "K001", "K002", "K003", "K004", "N000", "Y000"};
const char* const kLargeMarkers[] = {"All0B", "A000B", "A001B", "A002B", "A003B", "A004B", "K000B",
                                     "K001B", "K002B", "K003B", "K004B", "N0000", "Y0000"};

QStringList faceNames(const QString& suffix)
{
    QStringList names;
    for (const char* tag : kTags)
        for (const char* syl : kSyllables)
            names << QString::fromLatin1(syl) + QString::fromLatin1(tag) + suffix;
    return names;
}

QImage load(const QString& name)
{
    return platform::resources::image(name).convertToFormat(QImage::Format_ARGB32);
}

// Pixels of clear red ink in a rectangle: the index of a red suit is full of them, a
// black suit's has none.
int redInk(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++n;
        }
    return n;
}

int darkInk(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() < 70 && c.green() < 70 && c.blue() < 70)
                ++n;
        }
    return n;
}

} // namespace

TEST(CardArtResources, EveryNamedPictureExistsInItsSize)
{
    struct Group { QStringList names; int w; int h; };
    QStringList backs, largeBacks, signs, largeSigns, markers, largeMarkers, balloons, buttons;
    for (const char* b : kBacks) {
        backs << QString::fromLatin1(b);
        largeBacks << QString::fromLatin1(b) + "B";
    }
    for (const char* s : kSigns) {
        signs << QString::fromLatin1(s);
        largeSigns << QString::fromLatin1(s) + "B";
    }
    for (const char* m : kMarkers)
        markers << QString::fromLatin1(m);
    for (const char* m : kLargeMarkers)
        largeMarkers << QString::fromLatin1(m);
    for (int i = 1; i <= 6; ++i)
        balloons << QStringLiteral("GBalloon%1").arg(i);
    const Group groups[] = {
        {faceNames(""), 69, 94},      {faceNames("B"), 146, 198},
        {backs, 69, 94},              {largeBacks, 146, 198},
        {signs, 20, 20},              {largeSigns, 40, 40},
        {markers, 69, 94},            {largeMarkers, 146, 198},
        {{"FonG"}, 760, 500},         {{"FonGB"}, 1920, 922},
        {balloons, 90, 230},
        {{"R29_L", "R29_R"}, 8, 29},  {{"R29_2"}, 2, 29},
        {{"R44_L", "R44_R"}, 13, 44}, {{"R44_2"}, 2, 44},
        {{"R59_L", "R59_R"}, 17, 59}, {{"R59_2"}, 2, 59},
    };
    int count = 0;
    for (const Group& g : groups)
        for (const QString& name : g.names) {
            SCOPED_TRACE(name.toStdString());
            const QImage img = platform::resources::image(name);
            ASSERT_FALSE(img.isNull());
            EXPECT_EQ(img.width(), g.w);
            EXPECT_EQ(img.height(), g.h);
            // The lookup ignores case: a lower-case request finds the same picture.
            EXPECT_EQ(platform::resources::pathOf(name.toLower()), platform::resources::pathOf(name));
            ++count;
        }
    EXPECT_EQ(count, 52 * 2 + 7 * 2 + 4 * 2 + 13 * 2 + 2 + 6 + 9);
}

TEST(CardArtResources, ClassicPicturesAreOpaqueWithDarkCornerPixels)
{
    // The program draws a one-pixel frame around these and leaves three pixels out at
    // each corner; the picture's own corner pixel closes the rounding, and nothing of
    // the table may show through a face or a back.
    QStringList names = faceNames("");
    for (const char* b : kBacks)
        names << QString::fromLatin1(b);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage img = load(name);
        ASSERT_EQ(img.size(), QSize(69, 94));
        for (QPoint c : {QPoint(0, 0), QPoint(68, 0), QPoint(0, 93), QPoint(68, 93)})
            EXPECT_EQ(img.pixel(c), qRgb(0, 0, 0));
        int seeThrough = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                seeThrough += qAlpha(img.pixel(x, y)) != 255;
        EXPECT_EQ(seeThrough, 0);
        // The edge next to the frame is the card's white, so the frame reads as a border.
        EXPECT_EQ(img.pixel(34, 0), qRgb(255, 255, 255));
    }
}

TEST(CardArtResources, LargePicturesHaveTransparentCornersAndADarkBorder)
{
    QStringList names = faceNames("B");
    for (const char* b : kBacks)
        names << QString::fromLatin1(b) + "B";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage img = load(name);
        ASSERT_EQ(img.size(), QSize(146, 198));
        for (QPoint c : {QPoint(0, 0), QPoint(145, 0), QPoint(0, 197), QPoint(145, 197)})
            EXPECT_EQ(qAlpha(img.pixel(c)), 0);
        // Middle of each edge: an opaque dark border line.
        for (QPoint e : {QPoint(73, 0), QPoint(73, 197), QPoint(0, 99), QPoint(145, 99)}) {
            const QColor c = img.pixelColor(e);
            EXPECT_GT(c.alpha(), 200);
            EXPECT_LT(c.value(), 100);
        }
        EXPECT_EQ(qAlpha(img.pixel(73, 99)), 255);
    }
}

TEST(CardArtResources, RedAndBlackSuitsAreInkedApart)
{
    struct Size { const char* suffix; QRect index; };
    const Size sizes[] = {{"", QRect(1, 1, 13, 22)}, {"B", QRect(3, 3, 26, 44)}};
    for (const Size& s : sizes)
        for (const char* tag : kTags)
            for (int suit = 0; suit < 4; ++suit) {
                const QString name = QString::fromLatin1(kSyllables[suit]) + QString::fromLatin1(tag) +
                                     QString::fromLatin1(s.suffix);
                SCOPED_TRACE(name.toStdString());
                const QImage img = load(name);
                const bool red = suit < 2;
                EXPECT_EQ(redInk(img, s.index) > 20, red);
                EXPECT_EQ(darkInk(img, s.index) > 20, !red);
                // The index is repeated upside down in the opposite corner.
                const QRect opposite(img.width() - 1 - s.index.right(), img.height() - 1 - s.index.bottom(),
                                     s.index.width(), s.index.height());
                EXPECT_EQ(redInk(img, opposite) > 20, red);
            }
}

TEST(CardArtResources, NoTwoCardsOrMarkersShareAPicture)
{
    // A slip in the naming would show one card, back or marker in place of another.
    struct Set { QStringList names; };
    QStringList backs, largeBacks, markers, largeMarkers;
    for (const char* b : kBacks) {
        backs << QString::fromLatin1(b);
        largeBacks << QString::fromLatin1(b) + "B";
    }
    for (const char* m : kMarkers)
        markers << QString::fromLatin1(m);
    for (const char* m : kLargeMarkers)
        largeMarkers << QString::fromLatin1(m);
    for (const QStringList& set : {faceNames(""), faceNames("B"), backs, largeBacks, markers, largeMarkers}) {
        QSet<QByteArray> seen;
        for (const QString& name : set) {
            const QImage img = load(name);
            const QByteArray bits(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
            EXPECT_FALSE(seen.contains(bits)) << name.toStdString() << " repeats another picture";
            seen.insert(bits);
        }
    }
}

TEST(CardArtResources, ButtonMastersAreRedSoEverySchemeRecoloursThem)
{
    // The orange scheme changes only pixels whose red exceeds green and blue, the others
    // map channels; a master pixel that is not red-dominant would keep its colour in some
    // schemes. The strips are the row colours the button paints at its exact heights.
    for (const char* name : {"R29_L", "R29_R", "R29_2", "R44_L", "R44_R", "R44_2", "R59_L", "R59_R", "R59_2"}) {
        SCOPED_TRACE(name);
        const QImage img = load(QString::fromLatin1(name));
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() < 16)
                    continue;
                ++opaque;
                EXPECT_GT(c.red(), c.green()) << x << "," << y;
                EXPECT_GT(c.red(), c.blue()) << x << "," << y;
            }
        EXPECT_GT(opaque, img.width() * img.height() / 2);
    }
    // Top and bottom rows are the maroon edge.
    const QImage strip = load("R29_2");
    EXPECT_EQ(strip.pixel(0, 0), qRgb(0x80, 0, 0));
    EXPECT_EQ(strip.pixel(1, 28), qRgb(0x80, 0, 0));
    EXPECT_EQ(strip.pixel(0, 27), qRgb(0xEE, 0, 0));
}

TEST(CardArtResources, BalloonsFloatFreeOfTheirBox)
{
    // Drawn over the table every frame: the box around a balloon must not show.
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const QImage img = load(QStringLiteral("GBalloon%1").arg(i));
        for (QPoint c : {QPoint(0, 0), QPoint(img.width() - 1, 0), QPoint(0, img.height() - 1),
                         QPoint(img.width() - 1, img.height() - 1)})
            EXPECT_EQ(qAlpha(img.pixel(c)), 0);
        EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, 50)), 255);
    }
}
