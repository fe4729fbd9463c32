// The pictures and sounds the program asks for by name are all built in and readable.
#include "foundation/GameTables.h"
#include "platform/Resources.h"
#include "platform/Sound.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace platform;

TEST(GameResources, EveryGameLogoIsA175SquarePicture)
{
    QStringList names;
    for (const GameTables::GameInfo& g : GameTables::Games)
        names << QString::fromLatin1(g.logo);
    names << "GLogosBG";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage img = resources::image(name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(175, 175));
    }
    // Fifty different pictures: a name mixed up in the table would show a wrong logo.
    names.removeDuplicates();
    EXPECT_EQ(names.size(), GameTables::GameCount + 1);
}

TEST(GameResources, ResizeTemplateIsTransparentWhite)
{
    const QImage img = resources::image("GFree").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), QSize(10, 10));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(img.pixel(x, y), 0x00FFFFFFu) << x << "," << y;
}

TEST(GameResources, EverySoundIsAPlayableWav)
{
    struct Case {
        const char* name;
        bool playedWhileWaiting;  // the table takes no input until it ends
    };
    const Case cases[] = {
        {"WavClick", false},  {"WavDown", false},   {"WavCardUp", true},
        {"WavCancel", false}, {"WavStopka", false}, {"WavKoGood", true},
        {"WavKoBads", true},  {"WavFiGood", false}, {"WavFiBads", false},
        {"WavIntro", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = resources::find(c.name);
        ASSERT_GE(bytes.size(), 44);
        EXPECT_EQ(bytes.left(4), QByteArray("RIFF"));
        EXPECT_EQ(bytes.mid(8, 4), QByteArray("WAVE"));
        sound::PcmWave w;
        ASSERT_TRUE(sound::parseWav(bytes, w));
        EXPECT_GT(w.durationMs(), 0);
        if (c.playedWhileWaiting) {
            EXPECT_LE(w.durationMs(), 2000) << "a long sound holds up play";
        }
    }
}
