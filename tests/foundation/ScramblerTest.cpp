#include "foundation/Scrambler.h"

#include <gtest/gtest.h>

#include <random>

using namespace Scrambler;

TEST(ScramblerTest, Base64VariantPutsTheLowBitsFirstAndAddsNoFill)
{
    struct Case {
        QByteArray bytes;
        QByteArray text;
    };
    const Case cases[] = {
        {"", ""},
        {"a", "hB"},
        {"ab", "hJG"},
        {"abc", "hJ2Y"},
        {"abcd", "hJ2YkB"},
        {QByteArray("\0\0\0", 3), "AAAA"},
        {QByteArray("\xFF\xFF\xFF", 3), "////"},
        {QByteArray("\xFF", 1), "/D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeBase64Variant(c.bytes), c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(DecodeBase64Variant(c.text), c.bytes) << c.text.toStdString();
    }
}

TEST(ScramblerTest, DecodeToleratesForeignCharactersAndALoneLastCharacter)
{
    // Outside the alphabet counts as 0; a lone final character carries no whole byte.
    EXPECT_EQ(DecodeBase64Variant("h!"), QByteArray(1, '\x21'));
    EXPECT_EQ(DecodeBase64Variant("hJ2Yk"), "abc");
    EXPECT_EQ(DecodeBase64Variant("h"), "");
}

TEST(ScramblerTest, KeyStreamStartsWithTheHighByteAndChainsTheCipherByte)
{
    // First byte: plain XOR high byte of the key.
    for (std::uint16_t key : {KeySettings, KeyAccount, KeyStatTable, std::uint16_t(0), std::uint16_t(65535)}) {
        const QByteArray c = EncipherBytes("Q", key);
        EXPECT_EQ(static_cast<unsigned char>(c[0]), static_cast<unsigned char>('Q' ^ (key >> 8)));
    }
    // Second byte by hand for key 42967 (0xA7D7): c1 = 'h' ^ 0xA7 = 0xCF;
    // K = (0xCF + 42967) * 63563 + 75348 mod 65536 = 0x5B23 -> c2 = 't' ^ 0x5B.
    const QByteArray c = EncipherBytes("ht", KeySettings);
    EXPECT_EQ(static_cast<unsigned char>(c[0]), 0xCF);
    const std::uint32_t k = ((0xCFu + 42967u) * 63563u + 75348u) & 0xFFFFu;
    EXPECT_EQ(static_cast<unsigned char>(c[1]), static_cast<unsigned char>('t' ^ (k >> 8)));
}

TEST(ScramblerTest, UnscrambleInvertsScrambleForAllKeysAndLengths)
{
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint16_t key : {KeySettings, KeyAccount, KeyStatTable}) {
        for (int len : {0, 1, 2, 3, 4, 5, 6, 7, 31, 64, 1000, 65535, 70000}) {
            QByteArray plain(len, '\0');
            for (auto& ch : plain)
                ch = static_cast<char>(byte(gen));
            const QByteArray text = ScrambleText(plain, key);
            EXPECT_EQ(text.size(), len + (len + 2) / 3);
            EXPECT_EQ(UnscrambleText(text, key), plain) << "key " << key << " len " << len;
            if (len > 0) {
                EXPECT_NE(UnscrambleText(text, static_cast<std::uint16_t>(key ^ 0x8000)), plain);
            }
        }
    }
}

TEST(ScramblerTest, TextOverloadsKeepCodePage1251Characters)
{
    const QString plain = QString::fromUtf8("http://127.0.0.1:9/Ёжик?x=1");
    const QString text = ScrambleText(plain, KeyAccount);
    for (QChar ch : text)
        EXPECT_TRUE(ch.isLetterOrNumber() || ch == '+' || ch == '/');
    EXPECT_EQ(UnscrambleText(text, KeyAccount), plain);
    EXPECT_EQ(ScrambleText(QString(), KeySettings), QString());
}
