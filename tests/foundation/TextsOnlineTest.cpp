#include "foundation/Texts.h"
#include "foundation/TextsOnline.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

using namespace Texts;

namespace {

enum Lang { En, Ru, De, Fr, Es, Zh, It, Cs, Ja, Ko };

bool hasScript(const QString& s, char32_t lo, char32_t hi)
{
    for (char32_t c : s.toUcs4())
        if (c >= lo && c <= hi)
            return true;
    return false;
}

// A translation that is really the English text, or text of another script, slips in
// easily when tables are copied from each other.
void expectWrittenInItsLanguage(const QString& table, int lang, const QString& text)
{
    switch (lang) {
    case Ru: EXPECT_TRUE(hasScript(text, 0x0400, 0x04FF)) << table.toStdString() << " Russian"; break;
    case Zh: EXPECT_TRUE(hasScript(text, 0x4E00, 0x9FFF)) << table.toStdString() << " Chinese"; break;
    case Ja:
        EXPECT_TRUE(hasScript(text, 0x3040, 0x30FF) || hasScript(text, 0x4E00, 0x9FFF))
            << table.toStdString() << " Japanese";
        break;
    case Ko: EXPECT_TRUE(hasScript(text, 0xAC00, 0xD7A3)) << table.toStdString() << " Korean"; break;
    default:
        EXPECT_FALSE(hasScript(text, 0x0400, 0x04FF) || hasScript(text, 0x3040, 0xD7A3))
            << table.toStdString() << " language " << lang;
        break;
    }
}

} // namespace

TEST(TextsOnline, EnglishEntriesAsTheWindowsShowThem)
{
    const QMap<QString, QString> english = {
        {"TxtAttention", "Attention"},
        {"TxtAccountEMail", "E-Mail:"},
        {"TxtAddQyvs", "Add Qyvs to Your account"},
        {"TxtTransferQyvs", "Transfer Qyvs"},
        {"TxtTransferHeading", "Transfer"},
        {"TxtTransferAmount", "Transfer amount"},
        {"TxtTransferToNick", "Nick of the club member you want to transfer to"},
    };
    const auto tables = OnlineTextTables();
    ASSERT_EQ(static_cast<int>(tables.size()), english.size());
    for (const TextTableEntry& t : tables) {
        ASSERT_TRUE(english.contains(t.name)) << t.name.toStdString();
        EXPECT_EQ((*t.table)[En], english[t.name]) << t.name.toStdString();
    }
}

TEST(TextsOnline, EveryLanguageHasItsOwnNonEmptyEntry)
{
    for (const TextTableEntry& t : OnlineTextTables()) {
        const TText& tx = *t.table;
        for (int lang = En; lang <= Ko; ++lang) {
            EXPECT_FALSE(tx[lang].trimmed().isEmpty()) << t.name.toStdString() << " language " << lang;
            EXPECT_EQ(tx[lang], tx[lang].trimmed()) << t.name.toStdString() << " language " << lang;
            if (lang == En)
                continue;
            EXPECT_NE(tx[lang], tx[En]) << t.name.toStdString() << " language " << lang << " is English";
            expectWrittenInItsLanguage(t.name, lang, tx[lang]);
        }
    }
}

TEST(TextsOnline, CurrencyKeepsItsNameInEveryLanguage)
{
    // The account window's tab says "Qyvs" in every language; its buttons must name
    // the same thing.
    for (const TText* t : {&TxtAddQyvs, &TxtTransferQyvs})
        for (int lang = En; lang <= Ko; ++lang)
            EXPECT_TRUE((*t)[lang].contains(QLatin1String("Qyvs"))) << (*t)[lang].toStdString();
}

TEST(TextsOnline, NoTableRepeatsOneOfTheGeneralTables)
{
    // One table per text: a text that the general tables already hold must be used
    // from there, not copied under a second name.
    QSet<QString> generalNames, generalEnglish;
    for (const TextTableEntry& t : AllTextTables()) {
        generalNames.insert(t.name);
        generalEnglish.insert((*t.table)[En]);
    }
    for (const TextTableEntry& t : OnlineTextTables()) {
        EXPECT_FALSE(generalNames.contains(t.name)) << t.name.toStdString();
        EXPECT_FALSE(generalEnglish.contains((*t.table)[En])) << t.name.toStdString();
    }
}
