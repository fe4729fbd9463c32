// The soak driver's description of the group-3 games: a shared deal, buttons,
// no-softlock and end test, and per game its census, its counters checked in their
// convention (the engine's counter table), the points worth aiming at and the legal
// moves. A game joins by adding its line to Lines().
#include "Group3Soak.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group3/Qyv_40_Fig.h"
#include "games/group3/Qyv_Help2_3.h"

namespace soak {

namespace {

using namespace GameState;

struct TLine {
    TGroup3Game game;
    std::function<void(std::vector<TPlace>&)> census;
    std::function<QString()> counters;
    std::function<std::vector<QPoint>()> targets;
    std::function<std::vector<std::pair<QPoint, QPoint>>()> moves;
};

QPoint Middle(int x, int y)
{
    return {x + CardWidth / 2, y + CardHeight / 2};
}

// Slots 1..count hold cards, the slots above are empty, those up to `limit` with value
// 99 (a "count" counter: the top card at the count).
QString CountedPile(const char* what, int index, int count, int limit, const Cards104& cards, const Values104& values)
{
    if (count < 0 || count > limit)
        return QStringLiteral("%1 %2 counts %3 of at most %4").arg(QLatin1String(what)).arg(index).arg(count).arg(limit);
    for (int s = 1; s <= 104; ++s) {
        const bool card = IsCard(cards[s]);
        if (card != (s <= count))
            return QStringLiteral("%1 %2 slot %3 %4 its count %5")
                .arg(QLatin1String(what)).arg(index).arg(s)
                .arg(card ? QStringLiteral("holds a card above") : QStringLiteral("is empty below"))
                .arg(count);
        if (!card && s <= limit && values[s] != cards::EmptyValue)
            return QStringLiteral("%1 %2 slot %3 is empty with value %4").arg(QLatin1String(what)).arg(index).arg(s).arg(values[s]);
    }
    return {};
}

TLine FigLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Fig, "Fig"};
    l.census = [](std::vector<TPlace>& out) {
        for (int p = 1; p <= 15; ++p)
            for (int s = 1; s <= 104; ++s)
                out.push_back({"pile", p, s, CardKey(PileCards[p][s]), PileValues[p][s]});
    };
    l.counters = []() -> QString {
        for (int p = 1; p <= 15; ++p)
            if (QString bad = CountedPile("pile", p, PileCounts[p], 4, PileCards[p], PileValues[p]); !bad.isEmpty())
                return bad;
        if (DragActive && (DragSourcePile < 1 || DragSourcePile > 15))
            return QStringLiteral("a drag from pile %1").arg(DragSourcePile);
        return {};
    };
    l.targets = [] {
        std::vector<QPoint> t;
        for (int p = 1; p <= 15; ++p)
            t.push_back(Middle(FigPileX(p), FigTopY(p)));
        t.push_back({PosX[8] + CardWidth + 3, PosY[8] + 5});
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        for (int a = 1; a <= 15; ++a) {
            if (PileCounts[a] < 1)
                continue;
            for (int b = 1; b <= 15; ++b)
                if (b != a && FigTakes(b, PileValues[a][PileCounts[a]]))
                    m.push_back({Middle(FigPileX(a), FigTopY(a)), Middle(FigPileX(b), FigTopY(b))});
        }
        return m;
    };
    return l;
}

const std::vector<TLine>& Lines()
{
    static const std::vector<TLine> lines = {FigLine()};
    return lines;
}

const TLine* Current()
{
    for (const TLine& l : Lines())
        if (l.game.code == CurrentGameId)
            return &l;
    return nullptr;
}

} // namespace

std::vector<TGroup3Game> Group3SoakGames()
{
    std::vector<TGroup3Game> out;
    for (const TLine& l : Lines())
        out.push_back(l.game);
    return out;
}

TSoakGame SoakGroup3()
{
    TSoakGame g;
    g.deal = [] {
        PlayerSlot = 6;
        if (!Group3::NewDeal3(false))
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };
    g.census = [] {
        std::vector<TPlace> out;
        if (const TLine* l = Current())
            l->census(out);
        if (DragActive)
            out.push_back({"hand", 0, 0, CardKey(TargetCard), TargetValue});
        return out;
    };
    g.check = []() -> QString {
        const TLine* l = Current();
        if (!l)
            return QStringLiteral("game %1 has no soak line").arg(CurrentGameId);
        if (!DragActive && IsCard(TargetCard))
            return QStringLiteral("a card is held without a drag");
        return l->counters();
    };
    g.targets = [] { return Current()->targets(); };
    g.moves = [] { return Current()->moves(); };
    g.buttons = [] {
        std::vector<std::function<void()>> b;
        if (DragActive)
            return b;
        if (Form1->Button8->isEnabled() && !GameOver)
            b.push_back([] { RoundEnd::Button8Click(*Form1); });
        return b;
    };
    g.softlock = [moves = g.moves]() -> QString {
        int found = 0;
        if (!Group3::CountMoves3(found) || !moves().empty() || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no move, no stock and no give-up");
    };
    g.endTestHolds = [] {
        int found = 0;
        return Group3::IsGameWon3() || Group3::CountMoves3(found);
    };
    return g;
}

} // namespace soak
