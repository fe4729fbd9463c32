#pragma once
// Table set-ups for the group-3 engine tests: an emptied table of one game laid out at
// 760 x 500, and piles written card by card.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "games/group3/Qyv_Help2_3.h"

#include <QString>
#include <initializer_list>

namespace g3test {

// "9ч" -> the code page 1251 card code.
inline TCardCode Cd(const char* utf8) { return TCardCode::fromString(QString::fromUtf8(utf8)); }

// Value byte of a card: ace 0, two 1 .. king 12.
inline GameState::Byte ValueOf(const TCardCode& c)
{
    return static_cast<GameState::Byte>(Group3::RankIndex3(c));
}

// Every card area emptied ("##" / 99), the game laid out at zoom 1.
inline void EmptyTable(int game)
{
    using namespace GameState;
    ResetGameState();
    CurrentGameId = game;
    CurrentGroup = 3;
    ApplyZoomForTest(760, 500, 1.0, true);
    LayoutTable();
    ClearCards(PileCards, PileValues);
    ClearCards(PileCards2, PileValues2);
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    ClearCards(SultanCards, SultanValues);
    ClearCards(SultanReserveCards, SultanReserveValues);
    ClearCards(BackboneCards, BackboneValues);
    ClearCards(SadReserveCards, SadReserveValues);
    platform::fillAll(GalleryCards, cards::Empty);
    platform::fillAll(DesireReserveCards, cards::Empty);
}

// Writes codes and values into consecutive slots from slot 1; returns the count.
template <class Cards, class Values>
int Fill(Cards& cards, Values& values, std::initializer_list<const char*> list)
{
    int s = 0;
    for (const char* c : list) {
        ++s;
        cards[s] = Cd(c);
        values[s] = ValueOf(cards[s]);
    }
    return s;
}

// Pile p from slot 1 up; PileCounts in the game's convention (next free slot when
// `next`, else the number of cards).
inline void SetPile(int p, std::initializer_list<const char*> list, bool next)
{
    using namespace GameState;
    for (int s = 1; s <= 104; ++s) {
        PileCards[p][s] = cards::Empty;
        PileValues[p][s] = cards::EmptyValue;
    }
    const int n = Fill(PileCards[p], PileValues[p], list);
    PileCounts[p] = next ? n + 1 : n;
}

inline void SetFoundation(int f, std::initializer_list<const char*> list)
{
    using namespace GameState;
    FoundationCounts[f] = Fill(FoundationCards[f], FoundationValues[f], list) + 1;
}

} // namespace g3test
