#pragma once
// A dealt Golf table on the bare play surface: real mouse events through the dispatch,
// instant flights, recorded sounds.
#include "support/PlayTable.h"

#include "Group2TestSupport.h"

#include "foundation/Shuffle.h"
#include "games/group2/Qyv_Golf2.h"

#include <optional>

namespace group2_test {

// A point of place `at` that the hit test gives to its card; false when none does.
inline bool HitPoint(const Group2::TGolfPlace& at, QPoint& out)
{
    using namespace GameState;
    for (int dy : {CardHeight - 3, CardHeight / 2, 3})
        for (int dx : {3, CardWidth / 2, CardWidth - 3}) {
            const QPoint pt(GridX[at.p][at.k] + dx, GridY[at.p][at.k] + dy);
            Group2::TGolfPlace hit;
            if (Group2::GolfHitTest2(pt.x(), pt.y(), hit) && hit.p == at.p && hit.k == at.k && hit.l == at.l) {
                out = pt;
                return true;
            }
        }
    return false;
}

class GolfTable : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        GameState::SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }

    // `game` dealt with `seed` in move mode `mode` at width x height, "To Begin" pressed.
    void Deal(int game, int mode = 0, std::uint32_t seed = 7, int width = 760, int height = 500, double zoom = 1.0)
    {
        using namespace GameState;
        BareTable(mode, width, height, zoom);
        CurrentGameId = game;
        CurrentGroup = 2;
        SetShuffleSeedForTest(seed);
        Form1->SetClientSize(width, height);
        LayoutTable();
        Group2::DealTable2();
        RoundPhase = 2;
        Sounds();
    }

    // A point inside the card at place `at` that the hit test gives to it.
    static QPoint PointOn(const Group2::TGolfPlace& at)
    {
        QPoint pt;
        if (!HitPoint(at, pt))
            ADD_FAILURE() << "no point hits place " << at.p << "," << at.k << "," << at.l;
        return pt;
    }
    static QPoint Stock() { return {GameState::AuxPile2X + 5, GameState::AuxPile2Y + 5}; }

    // Every grid place emptied (before a hand-made fixture).
    static void ClearGrid()
    {
        for (int l = 1; l <= Group2::GolfLayers2(); ++l)
            for (int k = 1; k <= Group2::GolfRows2(); ++k)
                for (int p = 1; p <= Group2::GolfColumns2(); ++p) {
                    Group2::GolfCard2(p, k, l) = cards::Empty;
                    Group2::GolfValue2(p, k, l) = cards::EmptyValue;
                    Group2::GolfFaceUp2(p, k, l) = 0;
                }
    }

    // The covering table of the rules, written out apart from the module's: a place
    // outside the grid or without a card covers nothing.
    static bool TableCovered(int p, int k, int l)
    {
        using namespace Group2;
        auto holds = [](int q, int m, int n) {
            return q >= 1 && q <= GolfColumns2() && m >= 1 && m <= GolfRows2() && n >= 1 && n <= GolfLayers2() &&
                   !(GolfCard2(q, m, n) == cards::Empty);
        };
        switch (GameState::CurrentGameId) {
        case GolfRug: return holds(p, k + 1, l);
        case GolfBlock:
            return holds(p - 1, k - 1, l + 1) || holds(p + 1, k - 1, l + 1) || holds(p - 1, k + 1, l + 1) ||
                   holds(p + 1, k + 1, l + 1);
        default: return holds(p - 1, k + 1, l) || holds(p + 1, k + 1, l);
        }
    }

    // The face flag of every place holding a card agrees with the covering rule; the
    // first place where it does not, or an empty text.
    static std::string FlagsDisagree()
    {
        for (int l = 1; l <= Group2::GolfLayers2(); ++l)
            for (int k = 1; k <= Group2::GolfRows2(); ++k)
                for (int p = 1; p <= Group2::GolfColumns2(); ++p)
                    if (Group2::GolfHolds2(p, k, l) &&
                        (Group2::GolfFaceUp2(p, k, l) != 0) == TableCovered(p, k, l))
                        return std::to_string(p) + "," + std::to_string(k) + "," + std::to_string(l);
        return {};
    }
};

} // namespace group2_test
