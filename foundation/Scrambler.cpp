#include "foundation/Scrambler.h"

#include "platform/Cp1251.h"

#include <array>

namespace Scrambler {

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::uint8_t, 256> makeReverse()
{
    std::array<std::uint8_t, 256> r{};
    for (int i = 0; i < 64; ++i)
        r[static_cast<unsigned char>(Alphabet[i])] = static_cast<std::uint8_t>(i);
    return r;
}
constexpr auto Reverse = makeReverse();

// Both directions feed the enciphered byte into the next key.
inline std::uint16_t nextKey(std::uint16_t k, unsigned char c)
{
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(c) + k) * 63563u + 75348u);
}

} // namespace

QByteArray EncipherBytes(const QByteArray& plain, std::uint16_t key)
{
    QByteArray out(plain.size(), '\0');
    std::uint16_t k = key;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ (k >> 8));
        out[i] = static_cast<char>(c);
        k = nextKey(k, c);
    }
    return out;
}

QByteArray DecipherBytes(const QByteArray& cipher, std::uint16_t key)
{
    QByteArray out(cipher.size(), '\0');
    std::uint16_t k = key;
    for (qsizetype i = 0; i < cipher.size(); ++i) {
        const auto c = static_cast<unsigned char>(cipher[i]);
        out[i] = static_cast<char>(c ^ (k >> 8));
        k = nextKey(k, c);
    }
    return out;
}

QByteArray EncodeBase64Variant(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + (bytes.size() + 2) / 3);
    for (qsizetype i = 0; i < bytes.size(); i += 3) {
        const qsizetype n = qMin<qsizetype>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (qsizetype j = 0; j < n; ++j)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + j])) << (8 * j);
        for (qsizetype j = 0; j <= n; ++j)
            out.append(Alphabet[(v >> (6 * j)) & 63]);
    }
    return out;
}

QByteArray DecodeBase64Variant(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() * 3 / 4 + 1);
    for (qsizetype i = 0; i < text.size(); i += 4) {
        const qsizetype m = qMin<qsizetype>(4, text.size() - i);
        std::uint32_t v = 0;
        for (qsizetype j = 0; j < m; ++j)
            v |= static_cast<std::uint32_t>(Reverse[static_cast<unsigned char>(text[i + j])]) << (6 * j);
        for (qsizetype j = 0; j < m - 1; ++j)
            out.append(static_cast<char>((v >> (8 * j)) & 0xFF));
    }
    return out;
}

QByteArray ScrambleText(const QByteArray& plain, std::uint16_t key)
{
    return EncodeBase64Variant(EncipherBytes(plain, key));
}

QByteArray UnscrambleText(const QByteArray& text, std::uint16_t key)
{
    return DecipherBytes(DecodeBase64Variant(text), key);
}

QString ScrambleText(const QString& plain, std::uint16_t key)
{
    return QString::fromLatin1(ScrambleText(platform::cp1251::fromUnicode(plain), key));
}

QString UnscrambleText(const QString& text, std::uint16_t key)
{
    return platform::cp1251::toUnicode(UnscrambleText(platform::cp1251::fromUnicode(text), key));
}

} // namespace Scrambler
