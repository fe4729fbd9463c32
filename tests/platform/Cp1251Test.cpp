#include "platform/Cp1251.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Cp1251, AllBytesRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1251::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(cp1251::canEncode(text));
    EXPECT_EQ(cp1251::fromUnicode(text), all);
}

TEST(Cp1251, KnownLettersAndUnencodableText)
{
    EXPECT_EQ(cp1251::fromUnicode(QStringLiteral("ВДКТчбкп")), QByteArray("\xC2\xC4\xCA\xD2\xF7\xE1\xEA\xEF"));
    EXPECT_EQ(cp1251::toUnicode(QByteArray("\xA8\xB8\x88")), QStringLiteral("Ёё€"));
    EXPECT_FALSE(cp1251::canEncode(QStringLiteral("日本")));
    EXPECT_EQ(cp1251::fromUnicode(QStringLiteral("a日")), QByteArray("a?"));
    EXPECT_EQ(cp1251::byteOf(QChar(0x65E5)), -1);
}
