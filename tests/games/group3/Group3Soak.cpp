// The soak driver's description of the group-3 games: a shared deal, buttons,
// no-softlock and end test, and per game its census, its counters checked in their
// convention (the engine's counter table), the points worth aiming at and the legal
// moves. A game joins by adding its line to Lines().
#include "Group3Soak.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/TableSurface.h"
#include "games/group3/Qyv_40_Fig.h"
#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_Help2_3_Garden.h"
#include "games/group3/Qyv_Help2_3_Play.h"
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
    bool drags = false; // every move a drag, also in the click modes
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


// ---- the stock and waste games and the two garden games ----

template <class Cards, class Values>
void Census(std::vector<TPlace>& out, const char* what, int index, int count, const Cards& cards, const Values& values)
{
    for (int s = 1; s <= count; ++s)
        out.push_back({what, index, s, CardKey(cards[s]), values[s]});
}

void StockAndWaste(std::vector<TPlace>& out)
{
    Census(out, "stock", 0, 104, StockCards, StockValues);
    Census(out, "waste", 0, 104, WasteCards, WasteValues);
}

// Slots 1..next-1 hold cards and the slots above up to `limit` are empty.
template <class Cards>
QString NextPile(const char* what, int index, int next, int limit, const Cards& cards)
{
    if (next < 1 || next > limit + 1)
        return QStringLiteral("%1 %2 next slot %3").arg(QLatin1String(what)).arg(index).arg(next);
    for (int s = 1; s <= limit; ++s)
        if (IsCard(cards[s]) != (s < next))
            return QStringLiteral("%1 %2 slot %3 against next slot %4").arg(QLatin1String(what)).arg(index).arg(s).arg(next);
    return {};
}

// `stockSlots`: the slots the deal empties (a one-pack game leaves the rest alone).
QString StockAndWasteCounts(int wasteNext, int stockSlots = 104)
{
    if (QString bad = CountedPile("stock", 0, StockCount, stockSlots, StockCards, StockValues); !bad.isEmpty())
        return bad;
    return NextPile("waste", 0, wasteNext, 104, WasteCards);
}

QPoint StockPoint() { return Middle(Group3::StockTop3().x(), Group3::StockTop3().y()); }

// The stock played as one more move while it can act, so a deal gets through its passes.
// The stock aimed at as often as three other places.
void StockTargets(std::vector<QPoint>& t)
{
    for (int i = 0; i < 3; ++i)
        t.push_back(StockPoint());
}

void StockMove(std::vector<std::pair<QPoint, QPoint>>& m, bool acts)
{
    if (acts)
        m.push_back({StockPoint(), StockPoint()});
}
QPoint WastePoint() { return Middle(Group3::WasteTop3().x(), Group3::WasteTop3().y()); }

TLine SultanLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Sultan, "Sultan", 6000};
    l.census = [](std::vector<TPlace>& out) {
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c)
                Census(out, "grid", 10 * r + c, 13, SultanCards[r][c], SultanValues[r][c]);
        Census(out, "reserve", 0, 6, SultanReserveCards, SultanReserveValues);
        StockAndWaste(out);
    };
    l.counters = []() -> QString {
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c)
                if (QString bad = NextPile("grid", 10 * r + c, SultanNext[r][c], 13, SultanCards[r][c]); !bad.isEmpty())
                    return bad;
        if (PassCount < 1 || PassCount > 3)
            return QStringLiteral("pass %1").arg(PassCount);
        return StockAndWasteCounts(ExtraPileCount);
    };
    l.targets = [] {
        std::vector<QPoint> t{StockPoint(), WastePoint()};
        StockTargets(t);
        for (int d = 1; d <= 6; ++d)
            t.push_back(Middle(SultanReserveX[d], SultanReserveY[d]));
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c)
                t.push_back(Middle(GridX[r][c], GridY[r][c]));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        auto toGrid = [&](QPoint from, const TCardCode& card, int value) {
            for (int r = 1; r <= 3; ++r)
                for (int c = 1; c <= 3; ++c)
                    if (SultanPlaceTakes3(card, value, r, c))
                        m.push_back({from, Middle(GridX[r][c], GridY[r][c])});
        };
        for (int d = 1; d <= 6; ++d)
            if (IsCard(SultanReserveCards[d]))
                toGrid(Middle(SultanReserveX[d], SultanReserveY[d]), SultanReserveCards[d], SultanReserveValues[d]);
        if (ExtraPileCount >= 2) {
            toGrid(WastePoint(), WasteCards[ExtraPileCount - 1], WasteValues[ExtraPileCount - 1]);
            for (int d = 1; d <= 6; ++d)
                if (!IsCard(SultanReserveCards[d]))
                    m.push_back({WastePoint(), Middle(SultanReserveX[d], SultanReserveY[d])});
        }
        StockMove(m, StockCount > 0 || PassCount < 3);
        return m;
    };
    return l;
}

TLine BackboneLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Backbone, "Backbone", 6000};
    l.census = [](std::vector<TPlace>& out) {
        for (int f = 1; f <= 8; ++f)
            Census(out, "foundation", f, 13, FoundationCards[f], FoundationValues[f]);
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                Census(out, "column", 10 * s + k, 15, PileCards2[s][k], PileValues2[s][k]);
        for (int r = 1; r <= 2; ++r)
            Census(out, "backbone", r, 11, BackboneCards[r], BackboneValues[r]);
        StockAndWaste(out);
    };
    l.counters = []() -> QString {
        for (int f = 1; f <= 8; ++f)
            if (QString bad = NextPile("foundation", f, BackboneFoundationNext[f], 13, FoundationCards[f]); !bad.isEmpty())
                return bad;
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                if (QString bad = NextPile("column", 10 * s + k, BackboneColumnNext[s][k], 14, PileCards2[s][k]); !bad.isEmpty())
                    return bad;
        if (WasteCount != ExtraPileCount)
            return QStringLiteral("waste counts %1 and %2").arg(WasteCount).arg(ExtraPileCount);
        return StockAndWasteCounts(WasteCount);
    };
    l.targets = [] {
        std::vector<QPoint> t{StockPoint(), WastePoint()};
        StockTargets(t);
        for (int f = 1; f <= 8; ++f)
            t.push_back(Middle(FoundationPosX[f], FoundationPosY[f]));
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                t.push_back(Middle(GridX[s][k], GridY[s][k]));
        for (int i = 1; i <= 22; ++i)
            t.push_back(Middle(BackboneX[i], BackboneY[i]));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        auto from = [&](QPoint p, const TCardCode& card, int value) {
            for (int f = 1; f <= 8; ++f)
                if (BackboneFoundationTakes3(card, value, f))
                    m.push_back({p, Middle(FoundationPosX[f], FoundationPosY[f])});
            for (int s = 1; s <= 2; ++s)
                for (int k = 1; k <= 4; ++k)
                    if (BackboneColumnTakes3(card, value, s, k) && Middle(GridX[s][k], GridY[s][k]) != p)
                        m.push_back({p, Middle(GridX[s][k], GridY[s][k])});
        };
        if (WasteCount >= 2)
            from(WastePoint(), WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]);
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                if (const int n = BackboneColumnNext[s][k]; n >= 2)
                    from(Middle(GridX[s][k], GridY[s][k]), PileCards2[s][k][n - 1], PileValues2[s][k][n - 1]);
        for (int i = 1; i <= 22; ++i) {
            int r = 0;
            int slot = 0;
            const QPoint p = Middle(BackboneX[i], BackboneY[i]);
            if (HitTestBackbone(BackboneX[i] + 2, BackboneY[i] + CardHeight - 2, r, slot) && (r - 1) * 11 + slot == i)
                from(p + QPoint(0, CardHeight / 2 - 2), BackboneCards[r][slot], BackboneValues[r][slot]);
        }
        StockMove(m, StockCount > 0 || (PassCount == 1 && WasteCount > 1));
        return m;
    };
    return l;
}

TLine CarpetLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Carpet, "Carpet"};
    l.census = [](std::vector<TPlace>& out) {
        for (int f = 1; f <= 4; ++f)
            Census(out, "foundation", f, 13, FoundationCards[f], FoundationValues[f]);
        for (int i = 1; i <= 5; ++i)
            Census(out, "carpet", i, 4, PileCards[i], PileValues[i]);
        StockAndWaste(out);
    };
    l.counters = []() -> QString {
        for (int f = 1; f <= 4; ++f)
            if (QString bad = NextPile("foundation", f, FoundationCounts[f], 13, FoundationCards[f]); !bad.isEmpty())
                return bad;
        if (WasteCount != ExtraPileCount)
            return QStringLiteral("waste counts %1 and %2").arg(WasteCount).arg(ExtraPileCount);
        return StockAndWasteCounts(WasteCount, 52);
    };
    l.targets = [] {
        std::vector<QPoint> t{StockPoint(), WastePoint()};
        for (int f = 1; f <= 4; ++f)
            t.push_back(Middle(FoundationPosX[f], FoundationPosY[f]));
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 4; ++j)
                t.push_back(Middle(GridX[i][j], GridY[i][j]));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        auto from = [&](QPoint p, const TCardCode& card, int value) {
            for (int f = 1; f <= 4; ++f)
                if (CarpetFoundationTakes3(card, value, f))
                    m.push_back({p, Middle(FoundationPosX[f], FoundationPosY[f])});
            for (int i = 1; i <= 5; ++i)
                for (int j = 1; j <= 4; ++j)
                    if (!IsCard(PileCards[i][j]))
                        m.push_back({p, Middle(GridX[i][j], GridY[i][j])});
        };
        if (WasteCount >= 2)
            from(WastePoint(), WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]);
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 4; ++j)
                if (IsCard(PileCards[i][j]))
                    from(Middle(GridX[i][j], GridY[i][j]), PileCards[i][j], PileValues[i][j]);
        StockMove(m, StockCount > 0);
        return m;
    };
    return l;
}

// Flower garden and 8 Sages: columns, foundations, and the hand (a run in DragCards).
void GardenCensus(std::vector<TPlace>& out, int columns, int depth, int foundations)
{
    for (int c = 1; c <= columns; ++c)
        Census(out, "column", c, depth, PileCards[c], PileValues[c]);
    for (int f = 1; f <= foundations; ++f)
        Census(out, "foundation", f, 13, FoundationCards[f], FoundationValues[f]);
    if (DragActive)
        for (int i = 2; i <= 13; ++i)
            out.push_back({"hand", 0, i, CardKey(DragCards[i]), DragValues[i]});
}

QString GardenCounts(int columns, int depth, int foundations)
{
    for (int c = 1; c <= columns; ++c)
        if (QString bad = NextPile("column", c, PileCounts[c], depth, PileCards[c]); !bad.isEmpty())
            return bad;
    for (int f = 1; f <= foundations; ++f)
        if (QString bad = NextPile("foundation", f, FoundationCounts[f], 13, FoundationCards[f]); !bad.isEmpty())
            return bad;
    // A column stays inside its painted band.
    for (int c = 1; c <= columns; ++c)
        if (PileCounts[c] >= 2 && !DragActive && Group3::GardenTopY3(c) + CardHeight > ColumnTop + Scaling::Scaled(290))
            return QStringLiteral("column %1 of %2 cards reaches below its band").arg(c).arg(PileCounts[c] - 1);
    return {};
}

void GardenTargets(std::vector<QPoint>& t, int columns, int foundations)
{
    for (int f = 1; f <= foundations; ++f)
        t.push_back(Middle(FoundationX[f], FoundationY));
    for (int c = 1; c <= columns; ++c) {
        t.push_back(Middle(ColumnX[c], Group3::GardenTopY3(c)));
        if (PileCounts[c] >= 3)
            t.push_back({ColumnX[c] + CardWidth / 2, Group3::GardenCardAt3(c, 1).y() + 2});
    }
}

// Moves of one card or run at `from` whose lowest card is `card`, `k` cards long.
void GardenMovesOf(std::vector<std::pair<QPoint, QPoint>>& m, QPoint from, const TCardCode& card, int k, int columns,
                   int foundations, int depth, int exceptColumn)
{
    if (k == 1)
        for (int f = 1; f <= foundations; ++f)
            if (Group3::SadFitsFoundation(card, f))
                m.push_back({from, Middle(FoundationX[f], FoundationY)});
    for (int c = 1; c <= columns; ++c) {
        const TCardCode top = PileCounts[c] >= 2 ? PileCards[c][PileCounts[c] - 1] : cards::Empty;
        if (c != exceptColumn && Group3::SadFitsTableau(card, top) && PileCounts[c] - 1 + k <= depth)
            m.push_back({from, Middle(ColumnX[c], Group3::GardenTopY3(c))});
    }
}

TLine FlowerGardenLine()
{
    using namespace Group3;
    TLine l;
    l.game = {FlowerGarden, "FlowerGarden"};
    l.drags = true;
    l.census = [](std::vector<TPlace>& out) {
        GardenCensus(out, 6, 20, 4);
        Census(out, "bouquet", 0, 16, SadReserveCards, SadReserveValues);
    };
    l.counters = [] { return GardenCounts(6, 20, 4); };
    l.targets = [] {
        std::vector<QPoint> t;
        GardenTargets(t, 6, 4);
        for (int r = 1; r <= 16; ++r)
            t.push_back({SadReserveX + CardWidth / 2, SadReserveY[r] + (r == 16 ? CardHeight / 2 : 3)});
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        for (int r = 1; r <= 16; ++r)
            if (IsCard(SadReserveCards[r]))
                GardenMovesOf(m, {SadReserveX + CardWidth / 2, SadReserveY[r] + (r == 16 ? CardHeight / 2 : 3)},
                              SadReserveCards[r], 1, 6, 4, 20, 0);
        for (int c = 1; c <= 6; ++c) {
            const int start = ColumnRunStart3(c);
            const int top = PileCounts[c] - 1;
            for (int p = start; p >= 1 && p <= top; ++p) {
                const int y = GardenCardAt3(c, p).y() + (p == top ? CardHeight / 2 : 2);
                GardenMovesOf(m, {ColumnX[c] + CardWidth / 2, y}, PileCards[c][p], top - p + 1, 6, 4, 20, c);
            }
        }
        return m;
    };
    return l;
}

TLine EightSagesLine()
{
    using namespace Group3;
    TLine l;
    l.game = {EightSages, "EightSages", 6000};
    l.census = [](std::vector<TPlace>& out) {
        GardenCensus(out, 8, 13, 8);
        StockAndWaste(out);
    };
    l.counters = []() -> QString {
        if (QString bad = GardenCounts(8, 13, 8); !bad.isEmpty())
            return bad;
        return StockAndWasteCounts(WasteCount);
    };
    l.targets = [] {
        std::vector<QPoint> t{StockPoint(), WastePoint(), {AuxPile2X + CardWidth + 8, AuxPile2Y + 10}};
        StockTargets(t);
        GardenTargets(t, 8, 8);
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        if (WasteCount >= 2)
            GardenMovesOf(m, WastePoint(), WasteCards[WasteCount - 1], 1, 8, 8, 13, 0);
        for (int c = 1; c <= 8; ++c)
            if (PileCounts[c] >= 2)
                GardenMovesOf(m, Middle(ColumnX[c], GardenTopY3(c)), PileCards[c][PileCounts[c] - 1], 1, 0, 8, 13, c);
        StockMove(m, StockCount > 0 || PassCount == 1);
        return m;
    };
    return l;
}

const std::vector<TLine>& Lines()
{
    static const std::vector<TLine> lines = {FigLine(), SultanLine(), BackboneLine(), CarpetLine(), FlowerGardenLine(),
                                             EightSagesLine()};
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
    if (const TLine* l = Current())
        g.dragsInEveryMode = l->drags;
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
