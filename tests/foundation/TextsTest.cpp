// The text tables: every table complete in ten languages, the English entries as the
// program shows them, and no English left standing in a translation.
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <gtest/gtest.h>

using namespace Texts;

namespace {

constexpr int Eng = 0, Rus = 1, Chi = 5, Jap = 8, Kor = 9;
const QChar Grave(0x0060);

const TText* find(const QString& name)
{
    static const std::vector<TextTableEntry> all = AllTextTables();
    for (const auto& e : all)
        if (e.name == name)
            return e.table;
    return nullptr;
}

// Tables whose entries are Russian-only exclamations: every other entry is empty.
const QSet<QString> RussianOnly = {QStringLiteral("TxtCameOut"), QStringLiteral("TxtNotCameOut")};

// Names and codes: an entry may equal the English one.
const QSet<QString> SameAsEnglishAllowed = {
    "ProductNames", "ProductNamesUpper", "TxtQyvs",
    // the maker's label on the intro, a name written alike in every language
    "CreditTexts",
    // "No" is Spanish and Italian too
    "TxtNo",
    // proper names of card faces, games, places and months
    "FaceDeckNames[6]", "FaceDeckNames[15]",
    "FaceDeckNames[16]", "FaceDeckNames[24]", "FaceDeckNames[25]", "FaceDeckNames[33]",
    "FaceDeckNames[38]", "GameNames[1]", "GameNames[2]", "GameNames[3]", "GameNames[4]",
    "GameNames[18]", "GameNames[21]", "GameNames[37]", "GameNames[50]", "BackgroundNames[6]",
    "BackgroundColorNames[6]", "TxtEurope", "TxtAsia", "TxtOceania", "TxtAfrica", "MonthNames[4]",
    "MonthNames[8]", "MonthNames[9]", "MonthNames[11]", "ZodiacNames[0]", "ZodiacNames[3]",
    "ZodiacNames[4]", "ZodiacNames[5]", "ZodiacNames[6]"};

// Entries of Chinese, Japanese and Korean that are written in Latin letters only.
const QSet<QString> LatinInCjkAllowed = {
    "LanguageCodes", "TxtQyvs", "CreditTexts", "FaceDeckNames[24]", "FaceDeckNames[25]", "TxtYourSkype",
    "TxtYourOK", "TxtYourVK", "TxtYourTelegram", "TxtYourFacebook", "TxtYourTwitter",
    "TxtYourInstagram", "TxtYourYouTube"};

bool hasCjk(const QString& s)
{
    for (const char32_t c : s.toUcs4()) {
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
            (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF) ||
            (c >= 0x3130 && c <= 0x318F) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    }
    return false;
}

bool hasCyrillic(const QString& s)
{
    for (const QChar c : s)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    return false;
}

} // namespace

TEST(TextTables, RegistryHoldsEveryTableOnceUnderItsOwnName)
{
    const auto all = AllTextTables();
    QSet<QString> names;
    QSet<const TText*> tables;
    for (const auto& e : all) {
        EXPECT_FALSE(names.contains(e.name)) << e.name.toStdString();
        EXPECT_FALSE(tables.contains(e.table)) << e.name.toStdString();
        names.insert(e.name);
        tables.insert(e.table);
    }
    // The lists with their sizes, and a few single tables of every role.
    for (const char* n : {"GameNames[1]", "GameNames[50]", "FaceDeckNames[47]", "BackDeckNames[12]",
                          "BackgroundNames[9]", "BackgroundColorNames[6]", "WindowSizeNames[4]",
                          "MoveModeNames[2]", "BackModeNames[2]", "FontRoleNames[2]", "MonthNames[1]",
                          "MonthNames[12]", "ZodiacNames[11]", "YearAnimalNames[11]", "OwnerLabels[7]",
                          "TxtCantFindFile", "TxtNewPlayer", "TxtWelcome", "TxtVictory",
                          "TxtCongratulations", "TxtTabGeneral", "AnniversaryWord", "TxtRefill"})
        EXPECT_NE(find(QString::fromLatin1(n)), nullptr) << n;
    EXPECT_EQ(find("GameNames[0]"), nullptr);
    EXPECT_EQ(find("MonthNames[0]"), nullptr);
    EXPECT_EQ(find("FaceDeckNames[48]"), nullptr);
}

TEST(TextTables, NoEntryIsEmptyExceptTheRussianOnlyExclamations)
{
    for (const auto& e : AllTextTables()) {
        const std::string name = e.name.toStdString();
        for (int lang = 0; lang < LanguageCount; ++lang) {
            const QString& s = (*e.table)[lang];
            if (RussianOnly.contains(e.name))
                EXPECT_EQ(s.isEmpty(), lang != Rus) << name << " language " << lang;
            else
                EXPECT_FALSE(s.trimmed().isEmpty()) << name << " language " << lang;
        }
    }
}

TEST(TextTables, EnglishEntriesAreTheProgramsOwnTexts)
{
    const QString g = Grave;
    const std::vector<std::pair<const char*, QString>> cases = {
        // files and messages
        {"TxtCantFindFile", "Can" + g + "t find the file"},
        {"TxtCantReadFile", "Can" + g + "t read the file"},
        {"TxtCantMakeChanges", "Can" + g + "t make changes on the disk!"},
        {"TxtCantSaveOptions", "Can" + g + "t save options!"},
        {"TxtIncorrectFile", "The incorrect file"},
        {"TxtDiskWriteError", "Error of disk writing!"},
        {"TxtHasIncorrectAttributes", "has incorrect attributes!"},
        {"TxtWorkWillBeIncorrect", "The work of the program will be incorrect!"},
        // product
        {"ProductNames", "Vardelin"},
        {"ProductNamesUpper", "VARDELIN"},
        {"ReleaseDateTexts", "March 15, 2024"},
        // main window and menu screen
        {"TxtThatsAll", "That" + g + "s all"},
        {"TxtClubMembersTitle", " The members of club      Rounds      Score "},
        {"TxtNewPlayer", "New Player"},
        {"TxtTopTen", "Top Ten"},
        {"TxtOptions", "Options"},
        {"TxtExit", "Exit"},
        {"TxtChangeName", "To change a name"},
        {"TxtOn", " on "},
        {"TxtToBegin", "To Begin"},
        {"TxtToMenu", "To menu"},
        {"TxtExitToMenu", "Exit to menu"},
        {"TxtToReshuffle", "To reshuffle"},
        {"TxtGame", "Game"},
        {"TxtDataWillBeLost", "All datas for want of it will be lost!"},
        {"TxtApkUnavailable", "in Apk is temporarily unavailable!"},
        {"TxtGooglePlayUnavailable", "Google Play are temporarily unavailable!"},
        {"TxtGameOnRating", "There is a game on the rating!"},
        // sign-in and move question
        {"TxtEnterName", "Enter Your name:"},
        {"TxtPasswordAgain", "And once again for check..."},
        {"TxtPasswordsDiffer", "The passwords do not coincide!"},
        {"TxtWhatCardsToShift", "What cards to shift?"},
        // score window
        {"TxtRound", "Round: "},
        {"TxtBullet", "Bullet:"},
        {"TxtLCards", "L-Cards:"},
        {"TxtLPacks", "L-Packs:"},
        {"TxtVictory", "Victory!!!"},
        {"TxtLose", "Lose!"},
        {"TxtIsUnfinished", "is unfinished..."},
        // end of game
        {"TxtCongratulations", "CONGRATULATIONS!!!"},
        {"TxtBestResult", "Your result - the best!"},
        {"TxtInTopTen", "You have hitted in top ten players!"},
        {"TxtWishBetter", "Your result keeps to wish best"},
        {"TxtResult", "Result: "},
        {"TxtPlace", "Place: "},
        {"TxtQyvs", "Qyvs"},
        // options dialog
        {"TxtTabBG", "BG"},
        {"TxtGifAnimation", "Gif-animation"},
        {"TxtScalePercent", "Scale, %"},
        {"TxtFontsAttention", "Attention!\n\rThese installations(aims) are recommended to be changed "
                              "only in case of incorrect map of fonts!"},
        {"MoveModeNames[0]", "Click and \"No Fly\""},
        {"MoveModeNames[1]", "Click and \"Fly Card\""},
        {"WindowSizeNames[2]", "Average window 1"},
        {"FaceDeckNames[0]", "Classical-1"},
        {"FaceDeckNames[17]", "Four Reigns of English History"},
        {"FaceDeckNames[28]", "Plastic"},
        {"FaceDeckNames[29]", "Skat - German suits"},
        {"FaceDeckNames[39]", "Bast"},
        {"FaceDeckNames[47]", "Czech"},
        {"BackDeckNames[12]", "Russian"},
        {"FontRoleNames[2]", "Special font"},
        {"BackgroundNames[9]", "Ornament"},
        {"BackgroundColorNames[2]", "Orang"},
        // calendar
        {"MonthNames[9]", "September"},
        {"ZodiacNames[11]", "Pisces"},
        {"YearAnimalNames[4]", "Year Of The Dragon"},
        {"OwnerLabels[5]", "Holiday United States"},
        {"AnniversaryWord", "-th anniversary"},
        // online services
        {"TxtClubMembers", "Club members: "},
        {"TxtNickTaken", "The club already has a player with the same Nick!"},
        {"TxtPaymentCredit", "In case of payment, Qyvs will be credited to the account within 24 hours."},
        {"TxtTransferQuestion", "Do you really want to transfer to a club member"},
        {"TxtEmptyTransfer", "I can not make an empty transfer!"},
        {"TxtPhotoFormat", "The photo must be in jpg format 200x250 pixels in size!"},
        {"TxtStatisticsSince", "This statistic is maintained since version 1.8"},
        {"TxtYourYouTube", "Your YouTube"},
        {"TxtSolitaireNotConverged", "Solitaire has not converged"},
    };
    for (const auto& [name, english] : cases) {
        const TText* t = find(QString::fromLatin1(name));
        ASSERT_NE(t, nullptr) << name;
        EXPECT_EQ((*t)[Eng], english) << name;
    }
}

TEST(TextTables, EnglishWritesTheApostropheAsAGraveAccent)
{
    for (const auto& e : AllTextTables())
        EXPECT_FALSE((*e.table)[Eng].contains(QLatin1Char('\''))) << e.name.toStdString();
    for (const TText* t : {&TxtCantFindFile, &TxtCantReadFile, &TxtCantMakeChanges, &TxtCantSaveOptions,
                           &TxtThatsAll})
        EXPECT_EQ((*t)[Eng].count(Grave), 1);
}

TEST(TextTables, GameNamesFollowTheGameNumbers)
{
    for (const auto& g : GameTables::Games)
        EXPECT_EQ(GameNames[g.number][Eng], QString::fromUtf8(g.name)) << g.number;
}

TEST(TextTables, TheLanguageCodesNameTheResources)
{
    const char* codes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"};
    for (int i = 0; i < LanguageCount; ++i)
        EXPECT_EQ(LanguageCodes[i], QString::fromLatin1(codes[i]));
}

TEST(TextTables, TranslationsAreNotEnglishLeftInTheGaps)
{
    for (const auto& e : AllTextTables()) {
        if (SameAsEnglishAllowed.contains(e.name) || RussianOnly.contains(e.name))
            continue;
        for (int lang = 1; lang < LanguageCount; ++lang)
            EXPECT_NE((*e.table)[lang], (*e.table)[Eng]) << e.name.toStdString() << " language " << lang;
    }
}

// The allow-list holds only entries that really need it.
TEST(TextTables, EveryAllowedSameAsEnglishEntryIsOne)
{
    for (const QString& name : SameAsEnglishAllowed) {
        const TText* t = find(name);
        ASSERT_NE(t, nullptr) << name.toStdString();
        bool same = false;
        for (int lang = 1; lang < LanguageCount; ++lang)
            same = same || (*t)[lang] == (*t)[Eng];
        EXPECT_TRUE(same) << name.toStdString();
    }
    for (const QString& name : LatinInCjkAllowed) {
        const TText* t = find(name);
        ASSERT_NE(t, nullptr) << name.toStdString();
        EXPECT_FALSE(hasCjk((*t)[Chi]) && hasCjk((*t)[Jap]) && hasCjk((*t)[Kor])) << name.toStdString();
    }
}

TEST(TextTables, RussianAndCjkEntriesAreWrittenInTheirOwnScripts)
{
    for (const auto& e : AllTextTables()) {
        const std::string name = e.name.toStdString();
        if (!RussianOnly.contains(e.name) && !SameAsEnglishAllowed.contains(e.name) &&
            e.name != QLatin1String("LanguageCodes")) {
            EXPECT_TRUE(hasCyrillic((*e.table)[Rus])) << name;
        }
        if (LatinInCjkAllowed.contains(e.name) || RussianOnly.contains(e.name))
            continue;
        for (int lang : {Chi, Jap, Kor})
            EXPECT_TRUE(hasCjk((*e.table)[lang])) << name << " language " << lang;
    }
}

TEST(TextTables, LineBreaksAreKeptAsStoredAndShownAsOne)
{
    for (int lang = 0; lang < LanguageCount; ++lang)
        EXPECT_EQ(TxtFontsAttention[lang].count(QStringLiteral("\n\r")), 1) << lang;
    const std::vector<std::pair<QString, QString>> cases = {
        {"a\n\rb", "a\nb"},
        {"a\r\nb", "a\nb"},
        {"a\n\r\n\rb", "a\n\nb"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(Shown(stored), shown) << stored.toStdString();
}

TEST(TextTables, LookupFollowsTheLanguageAndFallsBackToEnglish)
{
    const int saved = LanguageIndex;
    const std::vector<std::pair<int, QString>> cases = {
        {0, "To Begin"}, {1, TxtToBegin[1]}, {9, TxtToBegin[9]}, {-1, "To Begin"}, {10, "To Begin"}};
    for (const auto& [lang, expected] : cases) {
        LanguageIndex = lang;
        EXPECT_EQ(Tx(TxtToBegin), expected) << lang;
    }
    LanguageIndex = saved;
}

TEST(TextTables, GameNameOfNamesTheCurrentGameInTheCurrentLanguage)
{
    const int savedGame = GameState::CurrentGameId;
    const int savedLang = LanguageIndex;
    struct Case {
        int code, lang;
        QString name;
    };
    const std::vector<Case> cases = {
        {415, 0, "Crescent"},     {419, 0, "Fun Deuces"},          {71, 0, "Vardelin-Duo"},
        {442, 0, "Miss Milligan"}, {413, 1, GameNames[7][1]},       {430, 8, GameNames[10][8]},
        {0, 0, ""},               {99, 3, ""},
    };
    for (const auto& c : cases) {
        GameState::CurrentGameId = c.code;
        LanguageIndex = c.lang;
        QString name = "stale";
        GameTables::GameNameOf(name);
        EXPECT_EQ(name, c.name) << c.code << " " << c.lang;
    }
    GameState::CurrentGameId = savedGame;
    LanguageIndex = savedLang;
}

// The running program shows CJK texts: a CJK font is installed and holds every
// character of every Chinese, Japanese and Korean entry.
TEST(TextTables, CjkEntriesHaveGlyphsInTheInstalledFont)
{
    const std::vector<std::pair<int, QString>> fonts = {
        {Chi, "Noto Sans CJK SC"}, {Jap, "Noto Sans CJK JP"}, {Kor, "Noto Sans CJK KR"}};
    for (const auto& [lang, family] : fonts) {
        ASSERT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
        QFont font(family);
        font.setPixelSize(20);
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid()) << family.toStdString();
        for (const auto& e : AllTextTables())
            for (const char32_t c : Shown((*e.table)[lang]).toUcs4())
                if (c >= 0x20) {
                    EXPECT_TRUE(raw.supportsCharacter(c))
                        << e.name.toStdString() << " U+" << std::hex << static_cast<unsigned>(c);
                }
    }
}

// Button captions have to fit their buttons. The round's two action buttons share
// one width sized for the longest English caption; the others have fixed widths
// (less the card-styled button's two caps of 8 pixels).
TEST(TextTables, ButtonCaptionsFitTheirButtons)
{
    QFont font;
    font.setBold(true);
    const QFontMetrics fm(font);
    const std::vector<const TText*> round = {&TxtToBegin, &TxtToMenu,       &TxtExitToMenu, &TxtThatsAll,
                                             &TxtUndo,    &TxtInfo,         &TxtCollectCards, &TxtToReshuffle};
    int longestEnglish = 0;
    for (const TText* t : round)
        longestEnglish = std::max(longestEnglish, fm.horizontalAdvance((*t)[Eng]));
    struct Group {
        const char* what;
        std::vector<const TText*> tables;
        int limit;
    };
    const std::vector<Group> groups = {
        {"round buttons", round, longestEnglish * 110 / 100},
        {"menu buttons, 100 wide", {&TxtTopTen, &TxtOptions, &TxtExit}, 100 - 16},
        {"new player, 200 wide", {&TxtNewPlayer}, 200 - 16},
        {"move question, 90 wide", {&TxtAll, &TxtCancel}, 90 - 16},
        {"gallery button, 70 wide", {&TxtGame}, 70 - 8},
    };
    for (const auto& g : groups)
        for (const TText* t : g.tables)
            for (int lang = 0; lang < LanguageCount; ++lang)
                EXPECT_LE(fm.horizontalAdvance((*t)[lang]), g.limit)
                    << g.what << ": " << (*t)[lang].toStdString() << " language " << lang;
}
