#include "foundation/Texts.h"
#include "foundation/TextsGames.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

using namespace Texts;

namespace {

enum Lang { En, Ru, De, Fr, Es, Zh, It, Cs, Ja, Ko };

const char* const EnglishOrders[5] = {
    nullptr,
    "A,2,3,4,5,6,7,8,9,10,J,Q,K",
    "2,4,6,8,10,Q,A,3,5,7,9,J,K",
    "3,6,9,Q,2,5,8,J,A,4,7,10,K",
    "4,8,Q,3,7,J,2,6,10,A,5,9,K",
};

// The building order of foundation f: the values (Ace 0 .. King 12) in the order the
// foundation takes them, each next card f higher modulo 13.
QList<int> expectedValues(int f)
{
    QList<int> v;
    for (int k = 1; k <= 13; ++k)
        v << (k * f + 12) % 13;
    return v;
}

} // namespace

TEST(TextsGames, RegistryHoldsTheFourCalculationOrders)
{
    const auto tables = GameTextTables();
    ASSERT_EQ(tables.size(), 4u);
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(tables[f - 1].name, QStringLiteral("CalcBuildingOrders[%1]").arg(f));
        EXPECT_EQ(tables[f - 1].table, &CalcBuildingOrders[f]);
        EXPECT_EQ(CalcBuildingOrders[f][En], QLatin1String(EnglishOrders[f])) << f;
    }
}

TEST(TextsGames, EveryLanguageWritesTheSameOrderWithItsOwnLetters)
{
    // Per language, each rank has one letter or number in all four orders, no two
    // ranks share one, and every order lists the thirteen ranks in the order the
    // foundation builds: a typo in one translated order fails here.
    for (int lang = En; lang <= Ko; ++lang) {
        QMap<QString, int> valueOf;
        QMap<int, QString> labelOf;
        for (int f = 1; f <= 4; ++f) {
            const QStringList items = CalcBuildingOrders[f][lang].split(QLatin1Char(','));
            ASSERT_EQ(items.size(), 13) << "foundation " << f << " language " << lang;
            const QList<int> values = expectedValues(f);
            for (int k = 0; k < 13; ++k) {
                const QString& item = items[k];
                ASSERT_FALSE(item.isEmpty());
                EXPECT_EQ(item, item.trimmed());
                if (labelOf.contains(values[k])) {
                    EXPECT_EQ(labelOf[values[k]], item) << "foundation " << f << " language " << lang;
                }
                if (valueOf.contains(item)) {
                    EXPECT_EQ(valueOf[item], values[k]) << "foundation " << f << " language " << lang;
                }
                labelOf[values[k]] = item;
                valueOf[item] = values[k];
            }
        }
        EXPECT_EQ(labelOf.size(), 13) << lang;
        for (int v = 1; v <= 9; ++v)
            EXPECT_EQ(labelOf.value(v), QString::number(v + 1)) << "language " << lang;
    }
}

TEST(TextsGames, LettersFollowTheLanguageWhereItsCardsDiffer)
{
    // Languages whose card faces name the court cards differently; the others keep
    // the indices A, J, Q, K, the same on their cards as on English ones.
    struct Case { int lang; const char* ace; const char* jack; const char* queen; const char* king; };
    const Case cases[] = {
        {En, "A", "J", "Q", "K"}, {Ru, "Т", "В", "Д", "К"}, {De, "A", "B", "D", "K"},
        {Fr, "A", "V", "D", "R"}, {Es, "A", "J", "Q", "K"}, {Zh, "A", "J", "Q", "K"},
        {It, "A", "J", "Q", "K"}, {Cs, "A", "J", "Q", "K"}, {Ja, "A", "J", "Q", "K"},
        {Ko, "A", "J", "Q", "K"},
    };
    for (const Case& c : cases) {
        const QStringList one = CalcBuildingOrders[1][c.lang].split(QLatin1Char(','));
        ASSERT_EQ(one.size(), 13);
        EXPECT_EQ(one[0], QString::fromUtf8(c.ace)) << c.lang;
        EXPECT_EQ(one[10], QString::fromUtf8(c.jack)) << c.lang;
        EXPECT_EQ(one[11], QString::fromUtf8(c.queen)) << c.lang;
        EXPECT_EQ(one[12], QString::fromUtf8(c.king)) << c.lang;
    }
}

TEST(TextsGames, NoTableRepeatsOneOfTheGeneralTables)
{
    QSet<QString> generalNames;
    for (const TextTableEntry& t : AllTextTables())
        generalNames.insert(t.name);
    for (const TextTableEntry& t : GameTextTables())
        EXPECT_FALSE(generalNames.contains(t.name)) << t.name.toStdString();
}
