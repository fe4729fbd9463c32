#pragma once
// Points of the Book table that a player aims at: a row's card, a foundation, the stock
// and the waste.
#include "games/group4/Qyv_Help2_4.h"

#include <QPoint>
#include <algorithm>

namespace booktest {

inline int RowTop(int r)
{
    using namespace GameState;
    return BookBounds[2] + ((r - 1) % 4) * BookBounds[5];
}

// A point on the visible part of slot s of row r (on the whole card for its last one,
// `last`; an empty row's place for s = 1 and last 0).
inline QPoint SlotPoint(int r, int s, int last)
{
    using namespace GameState;
    const int step = BookBounds[4];
    const int y = RowTop(r) + std::min(CardHeight, BookBounds[5]) / 2;
    const bool whole = s >= last;
    if (r <= 4) {
        const int right = BookBounds[1] - (s - 1) * step;
        return {whole ? right - CardWidth / 2 : right - step / 2, y};
    }
    const int left = BookBounds[3] + (s - 1) * step;
    return {whole ? left + CardWidth / 2 : left + step / 2, y};
}
// The last card of row r (its empty place when it has none).
inline QPoint RowEnd(int r)
{
    const int last = std::max(1, Group4::LastCardIndex4(GameState::PileCards[r]));
    return SlotPoint(r, last, last);
}

inline QPoint Centre(const GameState::TRect4& r) { return {(r[1] + r[3]) / 2, (r[2] + r[4]) / 2}; }
inline QPoint FoundationPoint(int f) { return Centre(GameState::BookFoundationRects[f]); }
inline QPoint StockPoint() { return Centre(GameState::BookStockRect); }
inline QPoint WastePoint()
{
    using namespace GameState;
    const int top = std::max(Group4::WasteTopY4(), BookWasteRect[2]) + 5;
    return {(BookWasteRect[1] + BookWasteRect[3]) / 2, top};
}

} // namespace booktest
