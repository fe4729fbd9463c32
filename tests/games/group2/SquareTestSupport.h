#pragma once
// A dealt Fun Deuces or Napoleon Square table on the bare play surface (as the Golf
// tables are dealt), and points on its places.
#include "GolfTestSupport.h"

#include "games/group2/Qyv_Square2.h"

namespace group2_test {

// A point inside a spot's card, a few pixels in from its top-left corner.
inline QPoint On(const Kit::TSpot& s) { return {s.X + 10, s.Y + 6}; }
inline QPoint OnPile(int p) { return On(Group2::SquarePileSpot2(p, false)); }
inline QPoint OnWaste() { return On(Group2::SquareWasteSpot2()); }
inline QPoint OnFoundation(int f) { return On(Group2::SquareFoundationSpot2(f)); }
inline QPoint OnStock()
{
    int x = 0, y = 0;
    Group2::SquareStockPos2(x, y);
    return {x + 10, y + 10};
}

class SquareTable : public GolfTable {
protected:
    // `game` dealt as GolfTable::Deal deals, Button8 disabled as the round's deal leaves it.
    void Deal(int game, int mode = 0, std::uint32_t seed = 7, int width = 760, int height = 500, double zoom = 1.0)
    {
        GolfTable::Deal(game, mode, seed, width, height, zoom);
        Form1->Button8->setEnabled(false);
    }

    // The eight deuces of a Fun Deuces deal on foundations 1..8.
    static void DealtDeuces()
    {
        static const char* const deuces[] = {"2ч", "2б", "2к", "2п"};
        for (int f = 1; f <= 8; ++f)
            SetFoundation(f, {deuces[(f - 1) % 4]});
    }

    // Every pile, foundation, the stock and the waste emptied (a fixture is laid next);
    // Fun Deuces keeps no deuces either.
    static void ClearSquare()
    {
        using namespace GameState;
        for (int p = 1; p <= 12; ++p)
            SetPile(p, {});
        ClearCards(FoundationCards, FoundationValues);
        for (int f = 1; f <= 8; ++f)
            FoundationCounts[f] = 1;
        SetStockCount(0);
        SetWaste({});
    }

    // Every place repainted from the state, as the deal paints it.
    static void Repaint()
    {
        for (int f = 1; f <= 8; ++f)
            Group2::RedrawFoundation2(f);
        for (int p = 1; p <= Group2::SquarePileCount2(); ++p)
            Group2::RedrawColumn2(p, 0);
        Group2::RedrawStockWaste2(1);
        Group2::RedrawStockWaste2(2);
    }

    // The cards of the pack on the table and in the hand.
    static int CardsOnTable()
    {
        using namespace GameState;
        int n = 0;
        auto add = [&n](const TCardCode& c) { n += cards::pictureIndex(c) > 0 ? 1 : 0; };
        for (int p = 1; p <= 12; ++p)
            for (int s = 1; s <= 16; ++s)
                add(PileCards[p][s]);
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 13; ++s)
                add(FoundationCards[f][s]);
        for (int s = 1; s <= 104; ++s) {
            add(StockCards[s]);
            add(WasteCards[s]);
        }
        add(TargetCard);
        return n;
    }
};

} // namespace group2_test
