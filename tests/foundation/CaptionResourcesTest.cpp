#include "foundation/CaptionNames.h"
#include "foundation/GameTables.h"
#include "foundation/Texts.h"
#include "platform/Resources.h"

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const char* const Codes[10] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"};

struct StemCase {
    int code;
    const char* stem;
};

// The stems as the menu screen builds the game caption names, group by group.
const StemCase Stems[50] = {
    {431, "Vardelin1"}, {71, "Vardelin2"}, {404, "Yukon1"}, {432, "Yukon2"}, {403, "Scorpion1"},
    {433, "Scorpion2"}, {413, "Spider1"}, {414, "Spider2"}, {421, "Spider4"}, {430, "FreeCell"},
    {19, "Tulip"}, {401, "BlueTulip"}, {402, "Paganini"}, {419, "02"}, {420, "Nap"},
    {424, "Golf01"}, {427, "Golf02"}, {434, "Golf03"}, {435, "Golf04"}, {436, "Golf05"},
    {12, "PG"}, {405, "Desire"}, {406, "20"}, {417, "Calc"}, {418, "Sultan"},
    {425, "Poz"}, {428, "Carpet"}, {443, "15"}, {444, "Sad"}, {445, "8Mud"},
    {18, "Book"}, {407, "Pairs"}, {408, "Wish"}, {411, "Monte1"}, {412, "Monte2"},
    {423, "Pir"}, {426, "Pir2"}, {437, "Pir3"}, {438, "Bri1"}, {439, "Bri2"},
    {17, "UQ"}, {409, "BAces"}, {410, "Lucie"}, {415, "Cres"}, {416, "CresO"},
    {422, "Al"}, {429, "Demon"}, {440, "Klever"}, {441, "40Vorov"}, {442, "Miss"},
};

// Decodes the picture of that name and checks its size and that it holds a drawing
// on a transparent ground that does not run into the picture's edges (clipped words).
void expectPicture(const QString& name, int w, int h, bool transparentGround)
{
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(platform::resources::exists(name));
    const QImage img = platform::resources::image(name);
    ASSERT_FALSE(img.isNull()) << "does not decode";
    EXPECT_EQ(img.width(), w);
    EXPECT_EQ(img.height(), h);
    ASSERT_TRUE(img.hasAlphaChannel());
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, edge = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int alpha = qAlpha(a.pixel(x, y));
            if (alpha > 128)
                ++opaque;
            if (transparentGround && alpha > 40 && (x == 0 || y == 0 || x == w - 1 || y == h - 1))
                ++edge;
        }
    EXPECT_GT(opaque, w * h / 50) << "almost empty";
    if (transparentGround) {
        EXPECT_LT(opaque, w * h * 3 / 4) << "no transparent ground";
    }
    EXPECT_EQ(edge, 0) << "drawing touches the edge";
}

} // namespace

TEST(CaptionResources, NamesBuiltFromStemAndLanguageCode)
{
    QSet<int> codes;
    for (const StemCase& s : Stems) {
        codes.insert(s.code);
        EXPECT_EQ(Captions::GameCaptionStem(s.code), QLatin1String(s.stem));
        for (int lang = 0; lang < 10; ++lang)
            EXPECT_EQ(Captions::GameCaptionName(s.code, lang),
                      QStringLiteral("Cap") + QLatin1String(s.stem) + QLatin1String(Codes[lang]));
    }
    EXPECT_EQ(codes.size(), 50);
    for (const GameTables::GameInfo& g : GameTables::Games)
        EXPECT_TRUE(codes.contains(g.code)) << g.code;
    EXPECT_EQ(Captions::GameCaptionName(413, 0), QStringLiteral("CapSpider1Eng"));
    EXPECT_EQ(Captions::TitleCaptionName(8, false), QStringLiteral("CAPJapVD"));
    EXPECT_EQ(Captions::TitleCaptionName(1, true), QStringLiteral("CAPRusVDB"));
    EXPECT_EQ(Captions::LanguageFlagName(7), QStringLiteral("FFlagCze"));
    struct Bad { int code; int lang; };
    for (const Bad b : {Bad{0, 0}, Bad{99, 1}, Bad{446, 0}, Bad{413, -1}, Bad{413, 10}})
        EXPECT_TRUE(Captions::GameCaptionName(b.code, b.lang).isEmpty()) << b.code << " " << b.lang;
    EXPECT_TRUE(Captions::TitleCaptionName(10, false).isEmpty());
    EXPECT_TRUE(Captions::LanguageFlagName(-1).isEmpty());
}

TEST(CaptionResources, EveryGameCaptionInEveryLanguage)
{
    for (const StemCase& s : Stems)
        for (const char* code : Codes)
            expectPicture(QStringLiteral("Cap") + QLatin1String(s.stem) + QLatin1String(code), 700, 80, true);
}

TEST(CaptionResources, TitleCaptionsInBothSizesAndFlags)
{
    for (const char* code : Codes) {
        expectPicture(QStringLiteral("CAP") + QLatin1String(code) + QStringLiteral("VD"), 450, 80, true);
        expectPicture(QStringLiteral("CAP") + QLatin1String(code) + QStringLiteral("VDB"), 900, 160, true);
        expectPicture(QStringLiteral("FFlag") + QLatin1String(code), 100, 100, true);
    }
}

TEST(CaptionResources, FiveHundredThirtyPicturesAndNoOthers)
{
    int game = 0, title = 0, flag = 0, other = 0;
    QDirIterator it(QStringLiteral(":/res/captions"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString base = QFileInfo(it.next()).completeBaseName();
        if (base.startsWith(QLatin1String("CAP")))
            ++title;
        else if (base.startsWith(QLatin1String("Cap")))
            ++game;
        else if (base.startsWith(QLatin1String("FFlag")))
            ++flag;
        else
            ++other;
    }
    EXPECT_EQ(game, 500);
    EXPECT_EQ(title, 20);
    EXPECT_EQ(flag, 10);
    EXPECT_EQ(other, 0);
}

TEST(CaptionResources, EachLanguageShowsItsOwnNames)
{
    // Where a language names a game differently from English its caption must differ
    // too: catches pictures rendered before a translation changed, or rendered from
    // the wrong language.
    for (const GameTables::GameInfo& g : GameTables::Games) {
        const QByteArray english = platform::resources::find(Captions::GameCaptionName(g.code, 0));
        ASSERT_FALSE(english.isEmpty()) << g.code;
        for (int lang = 1; lang < 10; ++lang) {
            if (Texts::GameNames[g.number][lang] == Texts::GameNames[g.number][0])
                continue;
            const bool differs = platform::resources::find(Captions::GameCaptionName(g.code, lang)) != english;
            EXPECT_TRUE(differs) << Captions::GameCaptionName(g.code, lang).toStdString()
                                 << " shows the English name; render the captions again";
        }
    }
    for (const bool large : {false, true}) {
        const QByteArray english = platform::resources::find(Captions::TitleCaptionName(0, large));
        for (int lang = 1; lang < 10; ++lang) {
            if (Texts::ProductNames[lang] == Texts::ProductNames[0])
                continue;
            const bool differs = platform::resources::find(Captions::TitleCaptionName(lang, large)) != english;
            EXPECT_TRUE(differs) << Captions::TitleCaptionName(lang, large).toStdString()
                                 << " shows the English name; render the captions again";
        }
    }
}
