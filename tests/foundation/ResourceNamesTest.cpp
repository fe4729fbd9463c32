// Every picture, animation and cursor that the windows ask for by name is built in, in
// the type the caller reads. Game logos, captions, card art and sounds have their own
// tests (BuiltInResourcesTest, CaptionResourcesTest, CardArtResourcesTest); the add-on
// libraries and the calendar pictures are not built in.
#include "foundation/FontsAndCursors.h"
#include "platform/Resources.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct Named {
    const char* name;
    const char* type;   // file type the caller reads: "png", "gif", "jpg"
    int width, height;  // 0: the caller takes any size
};

// The names the code passes as literals (or as a literal pattern with a number), with
// the size where a control or a drawing position depends on it.
const Named kNamed[] = {
    // sign-in dialog
    {"FlagS", "png", 48, 48},
    {"GWelcomeCap", "png", 0, 0},
    {"GDivider260", "png", 0, 0},
    {"GPwR", "png", 0, 0},
    {"GPwY", "png", 0, 0},
    {"GServerInfoR2", "png", 0, 0},
    {"GServerInfoY2", "png", 0, 0},
    {"GPw1", "gif", 124, 36},
    {"GPwL", "gif", 30, 68},
    {"GPwR", "gif", 30, 68},
    // score window and move question
    {"Score", "png", 48, 48},
    {"GInfoCap", "png", 0, 0},
    {"TabloY", "png", 200, 350},
    {"TabloG", "png", 200, 200},
    {"GGenCount", "gif", 130, 80},
    {"GAboutL", "gif", 40, 80},
    {"GAboutR", "gif", 40, 80},
    {"Quest", "png", 48, 48},
    {"GChoiceCap", "png", 0, 0},
    // options dialog
    {"Options", "png", 48, 48},
    {"GOptionsCap", "png", 0, 0},
    {"GOptions", "gif", 140, 200},
    // end-of-game window, champions list, about box, dedication window
    {"FlagF", "png", 0, 0},
    {"GGameOverCap", "png", 0, 0},
    {"GFiBest", "gif", 0, 0},
    {"GFiGood", "gif", 0, 0},
    {"GFiBads", "gif", 0, 0},
    {"GQyvs128", "png", 0, 0},
    {"GQyvsT128", "png", 0, 0},
    {"Top10", "png", 0, 0},
    {"GTopTenCap", "png", 0, 0},
    {"GTopTen", "gif", 0, 0},
    {"GAbout1R", "png", 0, 0},
    {"GAbout1Y", "png", 0, 0},
    {"GAbout1B", "png", 0, 0},
    {"GAbout2R", "png", 0, 0},
    {"GAbout2Y", "png", 0, 0},
    {"GAbout2G", "png", 0, 0},
    {"GAbout2B", "png", 0, 0},
    {"GForQyv", "png", 0, 0},
    {"Pelk", "png", 0, 0},
    {"GICON", "png", 0, 0},
    {"GPapaPicture", "png", 0, 0},
    {"GifMama070", "gif", 0, 0},
    {"GifMama100", "gif", 0, 0},
    {"GifMama130", "gif", 0, 0},
    // intro, menu screen and its icon bar
    {"Logo", "png", 0, 0},
    {"Intro0", "png", 0, 0},
    {"Intro1", "png", 0, 0},
    {"Intro2", "png", 0, 0},
    {"Intro3", "png", 0, 0},
    {"GMenuL", "gif", 0, 0},
    {"GMenuR", "gif", 0, 0},
    {"Svitok", "png", 0, 0},
    {"Candles", "png", 0, 0},
    {"Android", "png", 0, 0},
    {"Help48", "png", 0, 0},
    {"GPlay", "png", 0, 0},
    {"Stat48", "png", 0, 0},
    {"GChat048", "png", 0, 0},
    {"Earth48", "png", 0, 0},
    {"Account48", "png", 0, 0},
    {"LampG24", "png", 0, 0},
    {"LampY24", "png", 0, 0},
    {"LampR24", "png", 0, 0},
    // passport, world top ten, result sender and chat
    {"GPassportCap", "png", 0, 0},
    {"GServerInfoR1", "png", 0, 0},
    {"GServerInfoY1", "png", 0, 0},
    {"GServerInfoG1", "png", 0, 0},
    {"GServerInfoG2", "png", 0, 0},
    {"GServerInfoB1", "png", 0, 0},
    {"GServerInfoB2", "png", 0, 0},
    {"GWorldTopTenCap", "png", 0, 0},
    {"SvitokBg", "png", 630, 500},
    {"Windows", "png", 0, 0},
    {"AdvButR", "png", 50, 50},
    {"AdvButG", "png", 50, 50},
    {"GChatCap", "png", 0, 0},
    {"GChatR", "png", 700, 46},
    {"GChatY", "png", 700, 46},
    {"GChatSend", "png", 0, 0},
    // table
    {"FonG", "jpg", 760, 500},
    {"FonGB", "jpg", 1920, 922},
    {"GFree", "png", 10, 10},
};

QString where(const Named& n)
{
    return QStringLiteral("%1.%2").arg(QLatin1String(n.name), QLatin1String(n.type));
}

} // namespace

TEST(ResourceNames, EveryNamedPictureIsBuiltInInItsTypeAndSize)
{
    for (const Named& n : kNamed) {
        SCOPED_TRACE(where(n).toStdString());
        const QString path = resources::pathOfType(n.name, n.type);
        ASSERT_FALSE(path.isEmpty());
        QImageReader reader(path);
        const QImage first = reader.read();
        ASSERT_FALSE(first.isNull()) << reader.errorString().toStdString();
        if (n.width > 0) {
            EXPECT_EQ(first.size(), QSize(n.width, n.height));
        }
        if (QLatin1String(n.type) == QLatin1String("gif")) {
            // An animated control shows a still picture when the file has one frame.
            QImageReader frames(path);
            EXPECT_GT(frames.imageCount(), 1);
        }
    }
}

TEST(ResourceNames, FramesNumberedByTheCodeAllExist)
{
    // StartScreen asks for "Fire01".."Fire14" by a two-digit pattern and the celebration
    // for "GBalloon1".."GBalloon6".
    for (int i = 1; i <= 14; ++i) {
        const QString name = QStringLiteral("Fire%1").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_FALSE(resources::imageOfType(name, "png").isNull()) << name.toStdString();
    }
    for (int i = 1; i <= 6; ++i) {
        const QString name = QStringLiteral("GBalloon%1").arg(i);
        EXPECT_FALSE(resources::imageOfType(name, "png").isNull()) << name.toStdString();
    }
    EXPECT_TRUE(resources::imageOfType(QStringLiteral("Fire15"), "png").isNull());
}

TEST(ResourceNames, OnlyTheSignInMarkerSharesItsNameWithAnAnimation)
{
    // A name lookup without a type takes whichever file it meets first, so two files of
    // one name are only safe where the caller asks by type. The help pages are read by
    // path per language and are left out.
    QHash<QString, QStringList> byName;
    QDirIterator it(QStringLiteral(":/res"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(QLatin1String(":/res/help/")))
            continue;
        byName[QFileInfo(path).completeBaseName().toLower()] << QFileInfo(path).suffix().toLower();
    }
    QStringList shared;
    for (auto i = byName.cbegin(); i != byName.cend(); ++i)
        if (i.value().size() > 1)
            shared << i.key() + QLatin1Char(':') + i.value().join(QLatin1Char(','));
    shared.sort();
    ASSERT_EQ(shared.size(), 1) << shared.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(shared.front() == QLatin1String("gpwr:png,gif") || shared.front() == QLatin1String("gpwr:gif,png"))
        << shared.front().toStdString();

    // Typed lookups tell the two apart; an unknown type or name finds nothing.
    EXPECT_EQ(resources::imageOfType("gpwr", "PNG").size(), QSize(33, 36));
    EXPECT_EQ(resources::imageOfType("GPwR", "gif").size(), QSize(30, 68));
    EXPECT_TRUE(resources::pathOfType("GPwR", "jpg").isEmpty());
    EXPECT_TRUE(resources::pathOfType("GPwR", "").isEmpty());
    EXPECT_TRUE(resources::findOfType("NoSuchPicture", "png").isEmpty());
}

TEST(ResourceNames, ProgramCursorsLoadWithTheirHotSpotOnTheirPoint)
{
    struct Case {
        const char* name;
        QPoint hotSpot;
        bool animated;
    };
    const Case cases[] = {
        {"CURARROW", {1, 1}, false}, // tip of the arrow
        {"CURHAND", {10, 1}, true},  // tip of the pointing finger
        {"CUREDIT", {15, 15}, true}, // middle of the text beam
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(resources::pathOfType(c.name, "png").isEmpty());
        const FontsAndCursors::AnimatedCursor cur = FontsAndCursors::LoadAnimatedCursor(c.name);
        ASSERT_TRUE(cur.Loaded);
        if (c.animated) {
            EXPECT_GT(cur.Frames.size(), 1);
            EXPECT_GE(cur.FrameMs, 50);
            EXPECT_LE(cur.FrameMs, 250);
        } else {
            EXPECT_EQ(cur.Frames.size(), 1);
        }
        for (int i = 0; i < cur.Frames.size(); ++i) {
            SCOPED_TRACE(i);
            const QCursor& f = cur.Frames[i];
            EXPECT_EQ(f.hotSpot(), c.hotSpot);
            const QImage img = f.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(img.size(), QSize(32, 32));
            // The point the cursor acts at is drawn, not a transparent pixel beside it.
            EXPECT_GE(qAlpha(img.pixel(c.hotSpot)), 128);
            // Nothing is drawn at the far corner: the shape keeps clear of the edges.
            EXPECT_EQ(qAlpha(img.pixel(31, 31)), 0);
        }
    }
}

TEST(ResourceNames, CursorSetOneIsTheProgramsOwnAnyOtherTheSystems)
{
    using FontsAndCursors::CursorKind;
    const struct {
        CursorKind kind;
        const char* own;
        Qt::CursorShape system;
    } cases[] = {{CursorKind::Arrow, "CURARROW", Qt::ArrowCursor},
                 {CursorKind::Hand, "CURHAND", Qt::PointingHandCursor},
                 {CursorKind::IBeam, "CUREDIT", Qt::IBeamCursor}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.own);
        const FontsAndCursors::AnimatedCursor own = FontsAndCursors::LoadAnimatedCursor(c.own);
        const FontsAndCursors::AnimatedCursor& one = FontsAndCursors::CursorOf(c.kind, 1);
        ASSERT_EQ(one.Frames.size(), own.Frames.size());
        EXPECT_EQ(one.Frames.front().hotSpot(), own.Frames.front().hotSpot());
        EXPECT_EQ(one.Frames.front().shape(), Qt::BitmapCursor);
        for (const int set : {0, 2, -1}) {
            const FontsAndCursors::AnimatedCursor& sys = FontsAndCursors::CursorOf(c.kind, set);
            ASSERT_EQ(sys.Frames.size(), 1) << set;
            EXPECT_EQ(sys.Frames.front().shape(), c.system) << set;
        }
    }
}
