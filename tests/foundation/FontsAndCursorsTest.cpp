#include "foundation/FontsAndCursors.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"

#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImageWriter>
#include <QLabel>
#include <QTemporaryDir>
#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace FontsAndCursors;

namespace {

class FontsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ClearFontRowsForTest();
        Settings::WindowSize = 1;
        Scaling::Scale = 1.0;
        Settings::FontTimesPercent = Settings::FontSerifPercent = 100;
        Settings::FontCouriPercent = Settings::FontConewPercent = 100;
        Settings::FontSerifName = Settings::FontTimesName = QStringLiteral("Comic Sans MS");
        Settings::FontCouriName = QStringLiteral("Fixedsys");
        Settings::FontConewName = QStringLiteral("Courier New");
    }
};

} // namespace

TEST_F(FontsTest, MainWindowFontsFollowTheWindowSize)
{
    Settings::FontTimesPercent = 100;
    Settings::FontConewPercent = 100;
    struct Case {
        int windowSize;
        double scale;
        const char* clubName;
        int clubHeight;
        bool clubBold;
        int buttonHeight;
    };
    const Case cases[] = {
        {1, 1.0, "Fixedsys", 0, false, 20},     // club list keeps its own height
        {3, 1.3, "Courier New", 21, true, 23},  // 16 x 1.3 = 20.8; 20 x 1.3 x 0.9 = 23.4
        {5, 2.0, "Courier New", 32, true, 36},
        {4, 1.7, "Courier New", 27, true, 31},  // 27.2; 30.6
    };
    for (const Case& c : cases) {
        Settings::WindowSize = c.windowSize;
        Scaling::Scale = c.scale;
        const FontChoice club = ClubListFont();
        EXPECT_EQ(club.name, QString::fromLatin1(c.clubName)) << c.windowSize;
        EXPECT_EQ(club.height, c.clubHeight) << c.windowSize;
        EXPECT_EQ(club.bold, c.clubBold) << c.windowSize;
        const FontChoice button = GameButtonFont();
        EXPECT_EQ(button.name, Settings::FontTimesName);
        EXPECT_EQ(button.height, c.buttonHeight) << c.windowSize;
        EXPECT_TRUE(button.bold);
    }
}

TEST_F(FontsTest, ClubListGoesBackToItsDefaultHeightAtTheSmallWindow)
{
    TTableSurface fresh;
    Form1 = &fresh;
    ApplyFormFonts();
    const QFont small = fresh.Button1->font();

    TTableSurface resized;
    Form1 = &resized;
    for (int size : {5, 3, 1}) {
        Settings::WindowSize = size;
        Scaling::Scale = size == 5 ? 2.0 : size == 3 ? 1.3 : 1.0;
        ApplyFormFonts();
    }
    Form1 = nullptr;
    for (TQyvCardsButton* b : {resized.Panel1, resized.Panel4, resized.Button1, resized.Button5}) {
        EXPECT_EQ(QFontInfo(b->font()).pixelSize(), QFontInfo(small).pixelSize()) << b->objectName().toStdString();
        EXPECT_FALSE(b->font().bold());
    }
}

TEST_F(FontsTest, RegisteredRowsGetTheirRoleFonts)
{
    Settings::FontSerifName = QStringLiteral("Courier New");
    Settings::FontSerifPercent = 50;
    Settings::FontTimesName = QStringLiteral("times");
    auto label = std::make_unique<QLabel>();
    auto keep = std::make_unique<QLabel>();
    QFont own = keep->font();
    own.setPixelSize(17);
    keep->setFont(own);
    platform::PictureControl picture;
    RegisterFontRow(label.get(), QStringLiteral("serif"), 16);
    RegisterFontRow(keep.get(), [] { return FontChoice{QStringLiteral("times"), 0, true}; });
    RegisterFontRow(&picture, QStringLiteral("times"), 20);
    {
        QLabel gone;
        RegisterFontRow(&gone, QStringLiteral("serif"), 16);
    }
    ApplyFormFonts(); // the destroyed control's row is dropped, not touched

    EXPECT_EQ(label->font().pixelSize(), ControlPixelSize(label->font(), 8));
    EXPECT_TRUE(QFontInfo(label->font()).fixedPitch());
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(keep->font().pixelSize(), 17); // height 0 keeps the control's own
    EXPECT_TRUE(keep->font().bold());
    EXPECT_EQ(picture.canvas().font.name, QStringLiteral("times"));
    EXPECT_EQ(picture.canvas().font.height, 20);
}

TEST_F(FontsTest, APositiveHeightIsTheWholeCharacterCell)
{
    QFont mono(platform::resolvedFamily(QStringLiteral("Courier New")));
    for (int height : {12, 32, 60}) {
        QFont f(mono);
        f.setPixelSize(ControlPixelSize(mono, height));
        const QFontMetricsF m(f);
        EXPECT_NEAR(m.ascent() + m.descent(), height, 1.5) << height;
        EXPECT_LT(f.pixelSize(), height) << height;
    }
    EXPECT_EQ(ControlPixelSize(mono, -13), 13); // a negative height is the glyph size itself
}

TEST_F(FontsTest, TextColoursMatchTheirComponents)
{
    TextColor1 = TextColor2 = TextColor3 = TextColor4 = TextColor5 = 0;
    ApplyFormFonts();
    struct Case {
        platform::TColor color;
        int r, g, b;
    };
    const Case cases[] = {
        {TextColor1, 153, 13, 31}, {TextColor2, 246, 95, 42}, {TextColor3, 110, 132, 62},
        {TextColor4, 96, 116, 134}, {TextColor5, 0, 72, 181},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::redOf(c.color), c.r);
        EXPECT_EQ(platform::greenOf(c.color), c.g);
        EXPECT_EQ(platform::blueOf(c.color), c.b);
    }
}

TEST(Folders, ProgramFolderEndsWithOneSlash)
{
    for (const char* f : {"/tmp/vardelin-pf", "/tmp/vardelin-pf/"}) {
        platform::setProgramFolderForTest(QString::fromLatin1(f));
        QString folder;
        ProgramFolder(folder);
        EXPECT_EQ(folder, QStringLiteral("/tmp/vardelin-pf/"));
    }
    platform::setProgramFolderForTest(QString());
}

TEST(Folders, SaveResourceToFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("out.bin"));
    EXPECT_FALSE(SaveResourceToFile(QStringLiteral("NoSuchResource"), QStringLiteral("RCDATA"), target));
    EXPECT_FALSE(QFileInfo::exists(target));

    QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        GTEST_SKIP() << "no built-in resource";
    const QString name = QFileInfo(it.next()).completeBaseName();
    ASSERT_TRUE(SaveResourceToFile(name, QStringLiteral("RCDATA"), target));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), platform::resources::find(name));
    EXPECT_FALSE(SaveResourceToFile(name, QStringLiteral("RCDATA"), dir.filePath(QStringLiteral("no/such/dir/x"))));
}

namespace {

QByteArray pngStrip(int frames, int size, const QString& hotSpot, const QString& delay)
{
    QImage strip(frames * size, size, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    for (int i = 0; i < frames && size > 0; ++i)
        strip.setPixel(i * size + i, 0, qRgba(255, 255, 0, 255));
    if (!hotSpot.isEmpty())
        strip.setText(QStringLiteral("HotSpot"), hotSpot);
    if (!delay.isEmpty())
        strip.setText(QStringLiteral("Delay"), delay);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    strip.save(&buf, "PNG");
    return bytes;
}

} // namespace

TEST(Cursors, AnimatedCursorFromAPngStrip)
{
    const AnimatedCursor c = AnimatedCursorFromBytes(pngStrip(3, 32, QStringLiteral("5,7"), QStringLiteral("80")));
    ASSERT_TRUE(c.Loaded);
    ASSERT_EQ(c.Frames.size(), 3);
    EXPECT_EQ(c.FrameMs, 80);
    EXPECT_EQ(c.Frames[0].hotSpot(), QPoint(5, 7));
    EXPECT_EQ(c.Frames[0].pixmap().size(), QSize(32, 32));
    struct Case {
        qint64 ms;
        int frame;
    };
    for (const Case& k : {Case{0, 0}, Case{79, 0}, Case{80, 1}, Case{239, 2}, Case{240, 0}, Case{-5, 0}})
        EXPECT_EQ(c.FrameAt(k.ms).pixmap().toImage(), c.Frames[k.frame].pixmap().toImage()) << k.ms;

    // A hot spot outside the frame is pulled inside; a bad delay keeps the default.
    const AnimatedCursor odd = AnimatedCursorFromBytes(pngStrip(1, 16, QStringLiteral("99,-4"), QStringLiteral("x")));
    ASSERT_TRUE(odd.Loaded);
    EXPECT_EQ(odd.Frames[0].hotSpot(), QPoint(15, 0));
    EXPECT_EQ(odd.FrameMs, 100);
}

TEST(Cursors, UnloadableCursorFallsBackToTheArrow)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("not a picture"), pngStrip(1, 0, {}, {})}) {
        const AnimatedCursor c = AnimatedCursorFromBytes(bytes);
        EXPECT_FALSE(c.Loaded);
        ASSERT_EQ(c.Frames.size(), 1);
        EXPECT_EQ(c.Frames[0].shape(), Qt::ArrowCursor);
    }
    const AnimatedCursor missing = LoadAnimatedCursor(QStringLiteral("NoSuchCursor"));
    EXPECT_FALSE(missing.Loaded);
    EXPECT_EQ(missing.FrameAt(1000).shape(), Qt::ArrowCursor);

    QLabel w;
    SetAnimatedCursor(&w, missing);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST(Cursors, RegisteredControlsFollowTheChosenSet)
{
    const bool keep = Settings::YellowCursor;
    Settings::YellowCursor = false;
    QWidget window;
    auto* button = new QWidget(&window);
    {
        QWidget gone;
        UseCursor(&gone, CursorKind::Hand); // a destroyed control must be dropped, not touched
    }
    UseCursor(&window, CursorKind::Arrow);
    UseCursor(button, CursorKind::Arrow);
    UseCursor(button, CursorKind::Hand); // registered again: the new kind holds
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);

    Settings::YellowCursor = true;
    ApplyRegisteredCursors();
    ASSERT_TRUE(CursorOf(CursorKind::Hand, 1).Loaded);
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.cursor().hotSpot(), CursorOf(CursorKind::Arrow, 1).Frames.front().hotSpot());
    EXPECT_EQ(button->cursor().hotSpot(), CursorOf(CursorKind::Hand, 1).Frames.front().hotSpot());

    Settings::YellowCursor = false;
    ApplyRegisteredCursors();
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    Settings::YellowCursor = keep;
}
