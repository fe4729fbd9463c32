// The soak driver's description of the five Golf games: the census of grid, block layers,
// stock and waste, the counters and the covering rule, the targets, the legal clicks and
// the no-softlock test.
#include "Group2Soak.h"

#include "GolfTestSupport.h"

#include "app/RoundStart.h"
#include "foundation/GameState.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Golf2.h"
#include "games/group2/Qyv_Help2_2.h"

namespace soak {

namespace {

using namespace GameState;
using namespace Group2;

QPoint Center(int x, int y) { return {x + CardWidth / 2, y + CardHeight / 2}; }

template <class Slots>
QString Contiguous(const char* area, const Slots& cards, int filled)
{
    for (int s = 1; s <= 104; ++s)
        if (IsCard(cards[s]) != (s <= filled))
            return QStringLiteral("%1 slot %2 does not match its counter %3").arg(QLatin1String(area)).arg(s).arg(filled);
    return {};
}

} // namespace

TSoakGame SoakGroup2()
{
    TSoakGame g;

    g.deal = [] {
        PlayerSlot = 6;
        if (!DealRound2(false))
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };
    if (IsDeucesOrNap(CurrentGameId))
        return SoakSquare2(std::move(g));

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(19 * 7 + 17 * 7 * 4 + 2 * 104);
        for (int p = 1; p <= 19; ++p)
            for (int k = 1; k <= 7; ++k)
                out.push_back({"grid", p, k, CardKey(PileCards[p][k]), PileValues[p][k]});
        for (int p = 1; p <= 17; ++p)
            for (int k = 1; k <= 7; ++k)
                for (int l = 1; l <= 4; ++l)
                    out.push_back({"layers", p * 10 + k, l, CardKey(PileCards2[p][k][l]), PileValues2[p][k][l]});
        for (int s = 1; s <= 104; ++s)
            out.push_back({"stock", 0, s, CardKey(StockCards[s]), StockValues[s]});
        for (int s = 1; s <= 104; ++s)
            out.push_back({"waste", 0, s, CardKey(WasteCards[s]), WasteValues[s]});
        return out;
    };

    g.check = []() -> QString {
        if (MoveCounter != 0)
            return QStringLiteral("the move counter is %1").arg(MoveCounter);
        if (QString e = Contiguous("stock", StockCards, StockCount); !e.isEmpty())
            return e;
        if (QString e = Contiguous("waste", WasteCards, WasteCount - 1); !e.isEmpty())
            return e;
        for (int l = 1; l <= GolfLayers2(); ++l)
            for (int k = 1; k <= GolfRows2(); ++k)
                for (int p = 1; p <= GolfColumns2(); ++p)
                    if (GolfHolds2(p, k, l) && (GolfFaceUp2(p, k, l) != 0) == GolfCovered2(p, k, l))
                        return QStringLiteral("place %1,%2 layer %3 has face flag %4 against the covering rule")
                            .arg(p).arg(k).arg(l).arg(GolfFaceUp2(p, k, l));
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        for (int k = 1; k <= GolfRows2(); ++k)
            for (int p = 1; p <= GolfColumns2(); ++p)
                t.push_back(Center(GridX[p][k], GridY[p][k]));
        t.push_back(Center(AuxPile2X, AuxPile2Y));
        t.push_back(Center(AuxPile1X, AuxPile1Y));
        return t;
    };

    // A card played is a click on it; the release after it lands on the waste.
    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        const QPoint waste = Center(AuxPile1X, AuxPile1Y);
        for (int l = 1; l <= GolfLayers2(); ++l)
            for (int k = 1; k <= GolfRows2(); ++k)
                for (int p = 1; p <= GolfColumns2(); ++p) {
                    QPoint at;
                    if (GolfPlayable2({p, k, l}) && group2_test::HitPoint({p, k, l}, at))
                        m.push_back({at, waste});
                }
        if (StockCount > 0)
            m.push_back({Center(AuxPile2X, AuxPile2Y), waste});
        return m;
    };

    g.softlock = []() -> QString {
        int count = 0;
        CountMoves2(count);
        if (StockCount > 0 || count > 0)
            return {};
        return QStringLiteral("the stock is empty and no card can be played, but the game goes on");
    };

    g.endTestHolds = [] {
        int count = 0;
        return IsGameWon2() || CountMoves2(count);
    };
    return g;
}

} // namespace soak
