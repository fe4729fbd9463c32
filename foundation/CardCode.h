#pragma once
// A card code: at most two one-byte characters in code page 1251, rank then suit.
// Ranks "2".."9", "1" (ten), "В" jack, "Д" queen, "К" king, "Т" ace; suits "ч" hearts,
// "б" diamonds, "к" clubs, "п" spades. "##" is an empty slot; codes beginning with "-",
// and "No" and "--", are pile-base markers and empty-place pictures.
#include <QString>
#include <cstdint>
#include <string_view>

namespace cards {

// The code page 1251 bytes of the rank and suit characters.
inline constexpr char RankTen = '1';
inline constexpr char RankJack = '\xC2';  // В
inline constexpr char RankQueen = '\xC4'; // Д
inline constexpr char RankKing = '\xCA';  // К
inline constexpr char RankAce = '\xD2';   // Т
inline constexpr char SuitHearts = '\xF7';   // ч
inline constexpr char SuitDiamonds = '\xE1'; // б
inline constexpr char SuitClubs = '\xEA';    // к
inline constexpr char SuitSpades = '\xEF';   // п

// Rank characters in order "2".."9", "1", "В", "Д", "К", "Т" and suits in order "ч",
// "б", "к", "п": the order of the 52 card pictures (4 x rank + suit + 1).
inline constexpr char RankOrder[13] = {'2', '3', '4', '5', '6', '7', '8', '9', RankTen,
                                       RankJack, RankQueen, RankKing, RankAce};
inline constexpr char SuitOrder[4] = {SuitHearts, SuitDiamonds, SuitClubs, SuitSpades};

} // namespace cards

struct TCardCode {
    char ch[2] = {0, 0};
    std::uint8_t len = 0;

    constexpr TCardCode() = default;
    // From code page 1251 bytes, at most two of them are kept.
    constexpr TCardCode(const char* cp1251)
    {
        while (len < 2 && cp1251 && cp1251[len] != 0) {
            ch[len] = cp1251[len];
            ++len;
        }
    }
    constexpr TCardCode(char rank, char suit) : ch{rank, suit}, len(2) {}

    constexpr bool empty() const { return len == 0; }
    constexpr int length() const { return len; }
    // 1-based character access as the rules use it; 0 beyond the length.
    constexpr char at(int i) const { return (i >= 1 && i <= len) ? ch[i - 1] : '\0'; }
    constexpr char rank() const { return at(1); }
    constexpr char suit() const { return at(2); }
    constexpr std::string_view bytes() const { return {ch, len}; }

    // Readable form, e.g. "Тп" for the ace of spades.
    QString toString() const;
    static TCardCode fromString(const QString& text);

    friend constexpr bool operator==(const TCardCode& a, const TCardCode& b)
    {
        return a.bytes() == b.bytes();
    }
};

namespace cards {
inline constexpr TCardCode Empty{"##"};
inline constexpr std::uint8_t EmptyValue = 99;
inline constexpr TCardCode NoCard{"No"};
inline constexpr TCardCode NoPicture{"--"};

inline constexpr bool isRed(const TCardCode& c)
{
    return c.suit() == SuitHearts || c.suit() == SuitDiamonds;
}
inline constexpr bool isBlack(const TCardCode& c)
{
    return c.suit() == SuitClubs || c.suit() == SuitSpades;
}
// Order 0..12 of a rank character ("2" = 0 .. "Т" = 12), -1 for none.
inline constexpr int rankOrder(char r)
{
    for (int i = 0; i < 13; ++i)
        if (RankOrder[i] == r)
            return i;
    return -1;
}
// Order 0..3 of a suit character, -1 for none.
inline constexpr int suitOrder(char s)
{
    for (int i = 0; i < 4; ++i)
        if (SuitOrder[i] == s)
            return i;
    return -1;
}
// Picture number 1..52 of a face code (4 x rank + suit + 1), 0 when the code is no face.
inline constexpr int pictureIndex(const TCardCode& c)
{
    const int r = rankOrder(c.rank());
    const int s = suitOrder(c.suit());
    return (c.len == 2 && r >= 0 && s >= 0) ? 4 * r + s + 1 : 0;
}
} // namespace cards
