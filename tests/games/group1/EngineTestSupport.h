#pragma once
// Table set-ups for the group-1 engine tests: an emptied table of one game and piles
// written card by card.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/group1/Qyv_Help2_1.h"

#include <QString>
#include <initializer_list>

namespace engine_test {

// "9ч" -> the code page 1251 card code.
inline TCardCode Cd(const char* utf8) { return TCardCode::fromString(QString::fromUtf8(utf8)); }

// Value byte of a card as the shuffles give it: ace 0, two 1 .. king 12.
inline GameState::Byte ValueOf(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank()); // "2" = 0 .. "К" = 11, "Т" = 12
    return static_cast<GameState::Byte>(order == 12 ? 0 : order + 1);
}

// Every place of the table emptied, the game's slot count set.
inline void EmptyTable(int game)
{
    using namespace GameState;
    ResetGameState();
    CurrentGameId = game;
    SlotCount = game == Group1::FreeCell ? 19
        : Group1::IsVardelin(game)        ? 22
        : Group1::IsSpider(game)          ? 52
        : (game == Group1::YukonDuo || game == Group1::ScorpionDuo) ? 104
                                                                    : 52;
    ClearCards(PileCards, PileValues);
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    ClearCards(FreeCellCards, FreeCellValues);
    StockCount = 0;
    WasteCount = 1;
}

// Pile p from the bottom up; the lowest `faceDown` cards face down, the rest face up
// and marked.
inline void SetPile(int p, std::initializer_list<const char*> cardsUp, int faceDown = 0)
{
    using namespace GameState;
    for (int s = 1; s <= 104; ++s) {
        PileCards[p][s] = cards::Empty;
        PileValues[p][s] = cards::EmptyValue;
        PileFaceUp[p][s] = 0;
        PileMarks[p][s] = 0;
    }
    int s = 0;
    for (const char* c : cardsUp) {
        ++s;
        PileCards[p][s] = Cd(c);
        PileValues[p][s] = ValueOf(PileCards[p][s]);
        PileFaceUp[p][s] = s > faceDown ? 1 : 0;
        PileMarks[p][s] = PileFaceUp[p][s];
    }
    PileCardCount[p] = s;
}

inline void SetFoundation(int f, std::initializer_list<const char*> list)
{
    using namespace GameState;
    int s = 0;
    for (const char* c : list) {
        ++s;
        FoundationCards[f][s] = Cd(c);
        FoundationValues[f][s] = ValueOf(FoundationCards[f][s]);
    }
    FoundationNextSlot[f] = s + 1;
}

// The stock from the bottom up: the last card is on top, turned first.
inline void SetStock(std::initializer_list<const char*> list)
{
    using namespace GameState;
    StockCount = 0;
    for (const char* c : list) {
        ++StockCount;
        StockCards[StockCount] = Cd(c);
        StockValues[StockCount] = ValueOf(StockCards[StockCount]);
    }
}

// A complete suit from the king down to the ace, as Scorpion finishes it.
inline void SetKingToAce(int p, const char* suitUtf8)
{
    static const char* ranks[13] = {"К", "Д", "В", "1", "9", "8", "7", "6", "5", "4", "3", "2", "Т"};
    using namespace GameState;
    SetPile(p, {});
    for (int s = 1; s <= 13; ++s) {
        PileCards[p][s] = Cd((QByteArray(ranks[s - 1]) + suitUtf8).constData());
        PileValues[p][s] = ValueOf(PileCards[p][s]);
        PileFaceUp[p][s] = 1;
        PileMarks[p][s] = 1;
    }
    PileCardCount[p] = 13;
}

} // namespace engine_test
