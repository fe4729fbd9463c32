// The soak driver's description of the group-5 games: census, checks, targets, legal
// moves, buttons and the no-softlock test.
#include "Group5Soak.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group5/Qyv_49_40Vorov.h"
#include "games/group5/Qyv_Help2_5.h"

namespace soak {

namespace {

using namespace GameState;

QPoint Centre(int x, int y) { return {x + CardWidth / 2, y + CardHeight / 2}; }

// ---- 40 Thieves ----

std::vector<QPoint> FortyThievesTargets()
{
    std::vector<QPoint> t;
    for (int p = 1; p <= 10; ++p) {
        const int x = Group5::FortyThievesColumnX(p);
        const int y = Group5::FortyThievesTopY(p);
        t.push_back(Centre(x, y));
        t.push_back({x + 3, y + 3});
        t.push_back({x + CardWidth / 2, PosY[1] + 5});
    }
    for (int f = 1; f <= 8; ++f)
        t.push_back(Centre(FoundationX[f], FoundationY));
    // The stock is aimed at often so deals get through it.
    for (int i = 0; i < 6; ++i)
        t.push_back(Centre(AuxPile2X, AuxPile2Y));
    t.push_back(Centre(AuxPile1X, AuxPile1Y));
    t.push_back({AuxPile1X + CardWidth + 4, PosY[1] + 360});
    return t;
}

std::vector<std::pair<QPoint, QPoint>> FortyThievesMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toColumn;
    auto from = [&](const QPoint& press, const TCardCode& card, int value, int source) {
        for (int f = 1; f <= 8; ++f) {
            const int top = Group5::FoundationTop5(f);
            const bool takes = top == 0 ? value == 0
                                        : top < 13 && Group5::FortyThievesFitsUp(card, value, FoundationCards[f][top],
                                                                                 FoundationValues[f][top]);
            if (takes)
                toFoundation.push_back({press, Centre(FoundationX[f], FoundationY)});
        }
        for (int q = 1; q <= 10; ++q) {
            if (q == source)
                continue;
            const int top = Group5::TopSlot5(q);
            if (top == 0 || Group5::FortyThievesFitsDown(card, value, PileCards[q][top], PileValues[q][top]))
                toColumn.push_back({press, Centre(Group5::FortyThievesColumnX(q), Group5::FortyThievesTopY(q))});
        }
    };
    for (int p = 1; p <= 10; ++p) {
        const int top = Group5::TopSlot5(p);
        if (top != 0)
            from(Centre(Group5::FortyThievesColumnX(p), Group5::FortyThievesTopY(p)), PileCards[p][top],
                 PileValues[p][top], p);
    }
    if (WasteCount >= 2)
        from(Centre(AuxPile1X, AuxPile1Y), WasteCards[WasteCount - 1], WasteValues[WasteCount - 1], 0);
    // Foundation moves first, then a stock turn, then the columns.
    if (StockCount > 0) {
        const QPoint stock = Centre(AuxPile2X, AuxPile2Y);
        toFoundation.push_back({stock, stock});
    }
    toFoundation.insert(toFoundation.end(), toColumn.begin(), toColumn.end());
    return toFoundation;
}

// Slots 1..filled hold cards and every other slot of the area none.
template <typename Cards>
bool Exactly(const Cards& a, int size, int filled)
{
    for (int s = 1; s <= size; ++s)
        if (IsCard(a[s]) != (s <= filled))
            return false;
    return true;
}

} // namespace

const std::vector<TGroup5Soak>& Group5SoakGames()
{
    static const std::vector<TGroup5Soak> games = {
        {Group5::FortyThieves, "FortyThieves", 10, Group5::FortyThievesFanStep, 8, false, true, true,
         FortyThievesTargets, FortyThievesMoves},
    };
    return games;
}

TSoakGame SoakGroup5(const TGroup5Soak& e)
{
    TSoakGame g;

    g.deal = [] {
        PlayerSlot = 6;
        Group5::NewDeal5(false);
        if (RoundPhase != 1)
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(16 * 104 + 4 * 6 * 15 + 8 * 49 + 2 * 104 + 6 * 16 + 13 + 14);
        auto add = [&](const char* area, int index, int slot, const TCardCode& c, int value) {
            out.push_back({area, index, slot, CardKey(c), value});
        };
        for (int p = 1; p <= 16; ++p)
            for (int s = 1; s <= 104; ++s)
                add("pile", p, s, PileCards[p][s], PileValues[p][s]);
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 6; ++p)
                for (int s = 1; s <= 15; ++s)
                    add("fan", r * 10 + p, s, PileCards2[r][p][s], PileValues2[r][p][s]);
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 49; ++s)
                add("foundation", f, s, FoundationCards[f][s], FoundationValues[f][s]);
        for (int s = 1; s <= 104; ++s)
            add("stock", 0, s, StockCards[s], StockValues[s]);
        for (int s = 1; s <= 104; ++s)
            add("waste", 0, s, WasteCards[s], WasteValues[s]);
        for (int r = 1; r <= 6; ++r)
            for (int s = 1; s <= 16; ++s)
                add("reserve", r, s, AlzhirReserveCards[r][s], AlzhirReserveValues[r][s]);
        for (int s = 1; s <= 13; ++s)
            add("daemon reserve", 0, s, DemonReserveCards[s], DemonReserveValues[s]);
        // The hand: a lifted run in the run buffer, a single dragged card in TargetCard.
        if (DragActive) {
            bool run = false;
            for (int s = 1; s <= 13; ++s)
                run = run || IsCard(DragCards[s]);
            if (run)
                for (int s = 1; s <= 13; ++s)
                    add("run", 0, s, DragCards[s], DragValues[s]);
            else
                add("hand", 0, 0, TargetCard, TargetValue);
        }
        return out;
    };

    g.check = [e]() -> QString {
        for (int p = 1; p <= 16; ++p) {
            const int n = p <= e.columns ? PileCounts[p] - 1 : 0;
            if (n < 0 || n > 104 || !Exactly(PileCards[p], 104, n))
                return p <= e.columns ? QStringLiteral("column %1 does not hold exactly its %2 cards (count %3)")
                                            .arg(p)
                                            .arg(n)
                                            .arg(PileCounts[p])
                                      : QStringLiteral("column %1, which the game does not have, holds a card").arg(p);
            if (e.fanStep && p <= e.columns && !DragActive && ColumnStep[p] != e.fanStep(p))
                return QStringLiteral("column %1 has step %2, its fan step is %3").arg(p).arg(ColumnStep[p]).arg(e.fanStep(p));
        }
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 6; ++p)
                if (!Exactly(PileCards2[r][p], 15, 0))
                    return QStringLiteral("fan %1/%2, which the game does not have, holds a card").arg(r).arg(p);
        for (int f = 1; f <= 8; ++f) {
            const int n = f <= e.foundations ? FoundationCounts[f] - 1 : 0;
            if (n < 0 || n > 13 || !Exactly(FoundationCards[f], 49, n))
                return f <= e.foundations ? QStringLiteral("foundation %1 does not hold exactly its %2 cards").arg(f).arg(n)
                                          : QStringLiteral("foundation %1, which the game does not have, holds a card").arg(f);
            const int first = e.foundationsDown ? 12 : 0;
            if (n >= 1 && FoundationValues[f][1] != first)
                return QStringLiteral("foundation %1 starts with value %2").arg(f).arg(FoundationValues[f][1]);
            for (int s = 2; s <= n; ++s)
                if (FoundationCards[f][s].suit() != FoundationCards[f][1].suit()
                    || int(FoundationValues[f][s]) - int(FoundationValues[f][s - 1]) != (e.foundationsDown ? -1 : 1))
                    return QStringLiteral("foundation %1 is out of suit order at slot %2").arg(f).arg(s);
        }
        // The stock counts its cards, the waste cards + 1.
        const int stock = e.stock ? StockCount : 0;
        if (stock < 0 || stock > 104 || !Exactly(StockCards, 104, stock))
            return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
        const int waste = e.waste ? WasteCount - 1 : 0;
        if (waste < 0 || waste > 104 || !Exactly(WasteCards, 104, waste))
            return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
        for (int r = 1; r <= 6; ++r)
            if (!Exactly(AlzhirReserveCards[r], 16, 0))
                return QStringLiteral("reserve %1, which the game does not have, holds a card").arg(r);
        if (!Exactly(DemonReserveCards, 13, 0))
            return QStringLiteral("the Daemon reserve holds a card in a game without it");
        if (DragActive && !IsCard(TargetCard))
            return QStringLiteral("a drag is active with no card in the hand");
        return {};
    };

    g.targets = e.targets;
    g.moves = e.moves;
    g.buttons = [] {
        std::vector<std::function<void()>> b;
        if (DragActive)
            return b;
        if (Form1->Button8->isEnabled() && !GameOver)
            b.push_back([] { RoundEnd::Button8Click(*Form1); });
        if (Form1->Button7->isEnabled() && RoundPhase == 2)
            b.push_back([] { RoundStart::Button7Click(*Form1); });
        return b;
    };
    g.softlock = [moves = e.moves]() -> QString {
        // A click selection is taken back by clicking it again, which frees the give-up.
        if (!moves().empty() || StockCount > 0 || Form1->Button8->isEnabled() || SelectedPile != 0)
            return {};
        return QStringLiteral("no move, no stock and no action button");
    };
    g.endTestHolds = [] {
        int count = 0;
        return Group5::IsGameWon5() || Group5::CountMoves5(count);
    };
    return g;
}

} // namespace soak
