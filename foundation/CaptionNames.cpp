#include "foundation/CaptionNames.h"

#include "foundation/Texts.h"

namespace Captions {

namespace {

struct Stem {
    int code;
    const char* stem;
};

constexpr Stem Stems[] = {
    {431, "Vardelin1"}, {71, "Vardelin2"}, {404, "Yukon1"}, {432, "Yukon2"},
    {403, "Scorpion1"}, {433, "Scorpion2"}, {413, "Spider1"}, {414, "Spider2"},
    {421, "Spider4"}, {430, "FreeCell"},
    {19, "Tulip"}, {401, "BlueTulip"}, {402, "Paganini"}, {419, "02"}, {420, "Nap"},
    {424, "Golf01"}, {427, "Golf02"}, {434, "Golf03"}, {435, "Golf04"}, {436, "Golf05"},
    {12, "PG"}, {405, "Desire"}, {406, "20"}, {417, "Calc"}, {418, "Sultan"},
    {425, "Poz"}, {428, "Carpet"}, {443, "15"}, {444, "Sad"}, {445, "8Mud"},
    {18, "Book"}, {407, "Pairs"}, {408, "Wish"}, {411, "Monte1"}, {412, "Monte2"},
    {423, "Pir"}, {426, "Pir2"}, {437, "Pir3"}, {438, "Bri1"}, {439, "Bri2"},
    {17, "UQ"}, {409, "BAces"}, {410, "Lucie"}, {415, "Cres"}, {416, "CresO"},
    {422, "Al"}, {429, "Demon"}, {440, "Klever"}, {441, "40Vorov"}, {442, "Miss"},
};

QString code(int language)
{
    if (language < 0 || language >= Texts::LanguageCount)
        return {};
    return Texts::LanguageCodes[language];
}

} // namespace

QString GameCaptionStem(int gameCode)
{
    for (const Stem& s : Stems)
        if (s.code == gameCode)
            return QString::fromLatin1(s.stem);
    return {};
}

QString GameCaptionName(int gameCode, int language)
{
    const QString stem = GameCaptionStem(gameCode);
    const QString lang = code(language);
    if (stem.isEmpty() || lang.isEmpty())
        return {};
    return QStringLiteral("Cap") + stem + lang;
}

QString TitleCaptionName(int language, bool large)
{
    const QString lang = code(language);
    if (lang.isEmpty())
        return {};
    return QStringLiteral("CAP") + lang + (large ? QStringLiteral("VDB") : QStringLiteral("VD"));
}

QString LanguageFlagName(int language)
{
    const QString lang = code(language);
    if (lang.isEmpty())
        return {};
    return QStringLiteral("FFlag") + lang;
}

} // namespace Captions
