#pragma once
// Table set-ups for the group-5 engine tests: an emptied table of one game and piles,
// foundations, stock and waste written card by card (counts hold cards + 1).
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/group5/Qyv_Help2_5.h"

#include <QString>
#include <initializer_list>

namespace g5test {

// "9ч" -> the code page 1251 card code.
inline TCardCode Cd(const char* utf8) { return TCardCode::fromString(QString::fromUtf8(utf8)); }

// Value byte of a card as the shuffles give it: ace 0, two 1 .. king 12.
inline GameState::Byte ValueOf(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank());
    return static_cast<GameState::Byte>(order == 12 ? 0 : order + 1);
}

// Every place of the table emptied for `game`, its counts at "empty", pass 1.
inline void EmptyTable(int game)
{
    using namespace GameState;
    // The card size belongs to the zoom a test has set.
    const int width = CardWidth;
    const int height = CardHeight;
    ResetGameState();
    CardWidth = width;
    CardHeight = height;
    Group5::StandInTable5 = 0;
    CurrentGameId = game;
    Group5::ClearTable5();
    PassCount = 1;
}

// Pile p from the bottom up.
inline void SetPile(int p, std::initializer_list<const char*> list)
{
    using namespace GameState;
    for (int s = 1; s <= 104; ++s) {
        PileCards[p][s] = cards::Empty;
        PileValues[p][s] = cards::EmptyValue;
    }
    int s = 0;
    for (const char* c : list) {
        ++s;
        PileCards[p][s] = Cd(c);
        PileValues[p][s] = ValueOf(PileCards[p][s]);
    }
    PileCounts[p] = s + 1;
}

// Lucie fan (row, place) from the bottom up.
inline void SetFan(int row, int place, std::initializer_list<const char*> list)
{
    using namespace GameState;
    int s = 0;
    for (const char* c : list) {
        ++s;
        PileCards2[row][place][s] = Cd(c);
        PileValues2[row][place][s] = ValueOf(PileCards2[row][place][s]);
    }
    LucieFanNext[row][place] = s + 1;
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
    FoundationCounts[f] = s + 1;
}

// A whole suit from the Ace up (reverse = from the King down) on foundation f.
inline void FillFoundation(int f, char suit, bool kingDown = false)
{
    using namespace GameState;
    for (int s = 1; s <= 13; ++s) {
        // rank orders: "2" 0 .. "К" 11, "Т" 12
        const int order = kingDown ? (s == 13 ? 12 : 12 - s) : (s == 1 ? 12 : s - 2);
        FoundationCards[f][s] = TCardCode(cards::RankOrder[order], suit);
        FoundationValues[f][s] = ValueOf(FoundationCards[f][s]);
    }
    FoundationCounts[f] = 14;
}

// The stock from the bottom up: the last card is on top.
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

inline void SetWaste(std::initializer_list<const char*> list)
{
    using namespace GameState;
    WasteCount = 1;
    for (const char* c : list) {
        WasteCards[WasteCount] = Cd(c);
        WasteValues[WasteCount] = ValueOf(WasteCards[WasteCount]);
        ++WasteCount;
    }
}

} // namespace g5test
