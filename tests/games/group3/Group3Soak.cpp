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
#include "games/group3/Qyv_33_PG.h"
#include "games/group3/Qyv_34_Desire.h"
#include "games/group3/Qyv_35_20.h"
#include "games/group3/Qyv_36_Calc.h"
#include "games/group3/Qyv_40_Fig.h"
#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_Help2_3_Garden.h"
#include "games/group3/Qyv_Help2_3_Play.h"
#include "games/group3/Qyv_Help2_3.h"

namespace soak {

namespace {

using namespace GameState;
using Scaling::Scaled;

struct TLine {
    TGroup3Game game;
    std::function<void(std::vector<TPlace>&)> census;
    std::function<QString()> counters;
    std::function<std::vector<QPoint>()> targets;
    std::function<std::vector<std::pair<QPoint, QPoint>>()> moves;
    // How play starts after the deal (empty: "To Begin").
    std::function<bool()> start;
    // A stock or reserve still has cards to give: a dry table is no end yet.
    std::function<bool()> canDeal;
    // Which cards may leave the table (a foundation keeping only its top); empty: none.
    std::function<QString(const std::vector<TPlace>&)> leaving;
    // The game keeps codes only: its census counts every card, the hand's too, with 0.
    bool codesOnly = false;
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

// Slots 1..count of a small pile hold cards and the slots above up to `depth` none.
template <class Slots>
QString CountedSlots(const char* what, int index, int count, int depth, const Slots& cells)
{
    if (count < 0 || count > depth)
        return QStringLiteral("%1 %2 counts %3 of at most %4").arg(QLatin1String(what)).arg(index).arg(count).arg(depth);
    for (int s = 1; s <= depth; ++s)
        if (IsCard(cells[s]) != (s <= count))
            return QStringLiteral("%1 %2 slot %3 disagrees with its count %4").arg(QLatin1String(what)).arg(index).arg(s).arg(count);
    return {};
}

TLine PictureGalleryLine()
{
    using namespace Group3;
    TLine l;
    l.game = {PictureGallery, "PictureGallery"};
    l.codesOnly = true;
    // Codes only: every card is counted with value 0.
    l.census = [](std::vector<TPlace>& out) {
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r)
                for (int s = 1; s <= 4; ++s)
                    out.push_back({"gallery", 10 * c + r, s, CardKey(PileCards2[c][r][s]), 0});
        for (int f = 1; f <= 8; ++f)
            out.push_back({"foundation", f, 1, CardKey(FoundationCards[f][1]), 0});
        for (int p = 1; p <= 10; ++p)
            for (int s = 1; s <= 8; ++s)
                out.push_back({"reserve", p, s, CardKey(GalleryCards[p][s]), 0});
        for (int k = std::max(ExtraPileCount, 35); k <= 104; ++k)
            out.push_back({"stock", 0, k, CardKey(DealCards[k]), 0});
    };
    l.counters = []() -> QString {
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r) {
                const int n = PGGalleryCount[c][r];
                if (QString bad = CountedSlots("place", 10 * c + r, n, 4, PileCards2[c][r]); !bad.isEmpty())
                    return bad;
                // A proper run of its row from the base, or one misplaced card.
                for (int s = 2; s <= n; ++s)
                    if (RankIndex3(PileCards2[c][r][s]) != r + 3 * (s - 1) || RankIndex3(PileCards2[c][r][1]) != r
                        || PileCards2[c][r][s].suit() != PileCards2[c][r][1].suit())
                        return QStringLiteral("place %1,%2 holds no run at slot %3").arg(c).arg(r).arg(s);
            }
        for (int p = 1; p <= 10; ++p)
            if (QString bad = CountedSlots("reserve", p, PGReserveCount[p], 8, GalleryCards[p]); !bad.isEmpty())
                return bad;
        for (int f = 1; f <= 8; ++f)
            if (IsCard(FoundationCards[f][1]) && RankIndex3(FoundationCards[f][1]) != 0)
                return QStringLiteral("foundation %1 holds no Ace").arg(f);
        if (ExtraPileCount < 35 || ExtraPileCount > 105 || (ExtraPileCount - 35) % 10 != 0)
            return QStringLiteral("the stock stands at %1").arg(ExtraPileCount);
        return {};
    };
    l.targets = [] {
        std::vector<QPoint> t;
        for (int c = 1; c <= 8; ++c) {
            for (int r = 1; r <= 3; ++r)
                t.push_back(Middle(PGPlaceX(c), PGPlaceY(r)));
            t.push_back(Middle(PGFoundationX(c), TopAreaRect[2]));
        }
        for (int p = 1; p <= 10; ++p)
            t.push_back(Middle(PGReserveX(p), PGReserveY(1)));
        t.push_back(Middle(SideAreaRect[1], PGStockFrontY()));
        t.push_back({SideAreaRect[1] + 5, SideAreaRect[2] + 5});
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        std::vector<std::pair<TCardCode, QPoint>> sources;
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r)
                if (const int n = PGGalleryCount[c][r]; n > 0)
                    sources.push_back({PileCards2[c][r][n], Middle(PGPlaceX(c), PGPlaceY(r))});
        for (int p = 1; p <= 10; ++p)
            if (const int n = PGReserveCount[p]; n > 0)
                sources.push_back({GalleryCards[p][n], Middle(PGReserveX(p), PGReserveY(1))});
        for (const auto& [card, from] : sources)
            if (RankIndex3(card) == 0)
                for (int f = 1; f <= 8; ++f)
                    if (!IsCard(FoundationCards[f][1])) {
                        m.push_back({from, Middle(PGFoundationX(f), TopAreaRect[2])});
                        break;
                    }
        for (const auto& [card, from] : sources)
            for (int c = 1; c <= 8; ++c)
                for (int r = 1; r <= 3; ++r)
                    if (PGPlaceTakes(c, r, card) && from != Middle(PGPlaceX(c), PGPlaceY(r)))
                        m.push_back({from, Middle(PGPlaceX(c), PGPlaceY(r))});
        return m;
    };
    // The choice phase: the first, second or third layout is played.
    l.start = [] {
        static int deals = 0;
        for (int redeals = deals++ % 3; redeals > 0 && RoundPhase == 1; --redeals)
            RoundStart::BitBtn1Click(*Form1);
        if (RoundPhase == 1)
            RoundStart::BitBtn2Click(*Form1);
        return RoundPhase == 2;
    };
    l.canDeal = [] { return ExtraPileCount <= 95; };
    return l;
}

TLine DesireLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Desire, "Desire"};
    l.codesOnly = true;
    l.census = [](std::vector<TPlace>& out) {
        for (int f = 1; f <= 8; ++f)
            out.push_back({"foundation", f, 1, CardKey(FoundationCards[f][1]), 0});
        for (int c = 1; c <= 8; ++c)
            for (int s = 1; s <= 12; ++s)
                out.push_back({"column", c, s, CardKey(PileCards[c][s]), 0});
        for (int r = 1; r <= 11; ++r)
            for (int s = 1; s <= 8; ++s)
                out.push_back({"reserve", r, s, CardKey(DesireReserveCards[r][s]), 0});
    };
    l.counters = []() -> QString {
        for (int c = 1; c <= 8; ++c)
            if (QString bad = CountedSlots("column", c, PileCounts[c], 12, PileCards[c]); !bad.isEmpty())
                return bad;
        for (int r = 1; r <= 11; ++r) {
            const int n = DesireReserveCounts[r];
            if (n != 0 && n != 8)
                return QStringLiteral("reserve %1 counts %2").arg(r).arg(n);
            if (QString bad = CountedSlots("reserve", r, n, 8, DesireReserveCards[r]); !bad.isEmpty())
                return bad;
        }
        return {};
    };
    l.targets = [] {
        std::vector<QPoint> t;
        for (int i = 1; i <= 8; ++i) {
            t.push_back(Middle(FoundationPosX[i], FoundationPosY[i]));
            t.push_back(Middle(PosX[i], PosY[i] + 2 * std::max(0, PileCounts[i] - 1)));
        }
        for (int r = 1; r <= 11; ++r)
            t.push_back(Middle(DesireReserveX[r], DesireReserveY[r]));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        for (int c = 1; c <= 8; ++c) {
            const int n = PileCounts[c];
            if (n < 1)
                continue;
            for (int f = 1; f <= 8; ++f)
                if (DesireFits(PileCards[c][n], FoundationCards[f][1])) {
                    m.push_back({Middle(PosX[c], PosY[c] + 2 * (n - 1)), Middle(FoundationPosX[f], FoundationPosY[f])});
                    break;
                }
        }
        return m;
    };
    l.canDeal = [] { return !DesireReservesEmpty(); };
    // A foundation's old top leaves under the card that covers it.
    l.leaving = [](const std::vector<TPlace>& left) -> QString {
        for (const TPlace& p : left)
            if (QString::fromLatin1(p.area) != QLatin1String("foundation"))
                return QStringLiteral("%1 left").arg(p.where());
        return {};
    };
    return l;
}

TLine TwentyLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Twenty, "Twenty"};
    l.census = [](std::vector<TPlace>& out) {
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r)
                for (int s = 1; s <= 15; ++s)
                    out.push_back({"place", 10 * c + r, s, CardKey(PileCards2[c][r][s]), PileValues2[c][r][s]});
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 13; ++s)
                out.push_back({"foundation", f, s, CardKey(FoundationCards[f][s]), FoundationValues[f][s]});
        for (int s = 1; s <= 104; ++s)
            out.push_back({"stock", 0, s, CardKey(StockCards[s]), StockValues[s]});
    };
    l.counters = []() -> QString {
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r)
                if (QString bad = CountedSlots("place", 10 * c + r, TwentyPileNext[c][r] - 1, 5, PileCards2[c][r]);
                    !bad.isEmpty())
                    return bad;
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 13; ++s)
                if (IsCard(FoundationCards[f][s]) != (s < FoundationCounts[f]))
                    return QStringLiteral("foundation %1 slot %2 disagrees with its count %3").arg(f).arg(s).arg(FoundationCounts[f]);
        if (QString bad = CountedPile("stock", 0, StockCount, 76, StockCards, StockValues); !bad.isEmpty())
            return bad;
        if (ExtraPileCount != std::min(4, (StockCount + 19) / 20))
            return QStringLiteral("%1 backs for %2 stock cards").arg(ExtraPileCount).arg(StockCount);
        if (StockCount > 0)
            for (int c = 1; c <= 7; ++c)
                for (int r = 1; r <= 3; ++r)
                    if (!(c == 7 && r == 3) && !IsCard(PileCards2[c][r][1]) && !DragActive)
                        return QStringLiteral("place %1,%2 stays empty while the stock holds cards").arg(c).arg(r);
        return {};
    };
    l.targets = [] {
        std::vector<QPoint> t;
        for (int f = 1; f <= 8; ++f)
            t.push_back(Middle(FoundationPosX[f], FoundationPosY[f] + 2 * (FoundationCounts[f] - 1)));
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r)
                t.push_back(Middle(GridX[c][r], GridY[c][r] + 2 * std::max(0, TwentyPileNext[c][r] - 2)));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        auto top = [](int c, int r) { return Middle(GridX[c][r], GridY[c][r] + 2 * std::max(0, TwentyPileNext[c][r] - 2)); };
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r) {
                const int n = TwentyPileNext[c][r];
                if ((c == 7 && r == 3) || n < 2)
                    continue;
                for (int f = 1; f <= 8; ++f)
                    if (TwentyFoundationTakes(f, PileCards2[c][r][n - 1], PileValues2[c][r][n - 1])) {
                        m.push_back({top(c, r), Middle(FoundationPosX[f], FoundationPosY[f])});
                        break;
                    }
            }
        if (StockCount == 0)
            for (int c = 1; c <= 7; ++c)
                for (int r = 1; r <= 3; ++r)
                    if (TwentyPileNext[c][r] >= 3)
                        for (int c2 = 1; c2 <= 7; ++c2)
                            for (int r2 = 1; r2 <= 3; ++r2)
                                if (!(c2 == 7 && r2 == 3) && !IsCard(PileCards2[c2][r2][1]))
                                    m.push_back({top(c, r), top(c2, r2)});
        return m;
    };
    l.canDeal = [] { return StockCount > 0; };
    return l;
}

TLine CalculationLine()
{
    using namespace Group3;
    TLine l;
    l.game = {Calculation, "Calculation"};
    l.census = [](std::vector<TPlace>& out) {
        for (int f = 1; f <= 4; ++f)
            for (int s = 1; s <= 13; ++s)
                out.push_back({"foundation", f, s, CardKey(FoundationCards[f][s]), FoundationValues[f][s]});
        for (int p = 1; p <= 4; ++p)
            for (int s = 1; s <= 104; ++s)
                out.push_back({"waste", p, s, CardKey(PileCards[p][s]), PileValues[p][s]});
        for (int s = 1; s <= 52; ++s)
            out.push_back({"stock", 0, s, CardKey(WasteCards[s]), WasteValues[s]});
    };
    l.counters = []() -> QString {
        for (int p = 1; p <= 4; ++p)
            if (QString bad = CountedPile("waste pile", p, PileCounts[p] - 1, 48, PileCards[p], PileValues[p]); !bad.isEmpty())
                return bad;
        if (QString bad = CountedPile("stock", 0, ExtraPileCount, 48, WasteCards, WasteValues); !bad.isEmpty())
            return bad;
        for (int f = 1; f <= 4; ++f)
            for (int s = 1; s <= 13; ++s)
                if (IsCard(FoundationCards[f][s]) != (s < FoundationCounts[f]))
                    return QStringLiteral("foundation %1 slot %2 disagrees with its count %3").arg(f).arg(s).arg(FoundationCounts[f]);
        for (int p = 1; p <= 4; ++p)
            if (PileCounts[p] >= 2 && PosY[p] + PileFanStep[p] * (PileCounts[p] - 2) + CardHeight > Scaling::TableHeight - Scaled(30))
                return QStringLiteral("waste pile %1 reaches into the table's foot").arg(p);
        return {};
    };
    l.targets = [] {
        std::vector<QPoint> t;
        for (int f = 1; f <= 4; ++f)
            t.push_back(Middle(FoundationPosX[f], FoundationPosY[f]));
        for (int p = 1; p <= 4; ++p)
            t.push_back(Middle(PosX[p], PosY[p] + PileFanStep[p] * std::max(0, PileCounts[p] - 2)));
        t.push_back(Middle(AuxPile1X, AuxPile1Y));
        return t;
    };
    l.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        const QPoint stock = Middle(AuxPile1X, AuxPile1Y);
        auto top = [](int p) { return Middle(PosX[p], PosY[p] + PileFanStep[p] * std::max(0, PileCounts[p] - 2)); };
        auto toFoundation = [&](QPoint from, int value) {
            for (int f = 1; f <= 4; ++f)
                if (CalcFits(f, FoundationValues[f][FoundationCounts[f] - 1], value)) {
                    m.push_back({from, Middle(FoundationPosX[f], FoundationPosY[f])});
                    return;
                }
        };
        if (ExtraPileCount > 0)
            toFoundation(stock, WasteValues[ExtraPileCount]);
        for (int p = 1; p <= 4; ++p)
            if (PileCounts[p] >= 2)
                toFoundation(top(p), PileValues[p][PileCounts[p] - 1]);
        if (ExtraPileCount > 0)
            for (int p = 1; p <= 4; ++p)
                m.push_back({stock, top(p)});
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
    static const std::vector<TLine> lines = {PictureGalleryLine(), DesireLine(),  TwentyLine(),       CalculationLine(),
                                             FigLine(),            SultanLine(),  BackboneLine(),     CarpetLine(),
                                             FlowerGardenLine(),   EightSagesLine()};
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
        if (const TLine* l = Current(); l && l->start)
            return l->start();
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };
    g.census = [] {
        std::vector<TPlace> out;
        if (const TLine* l = Current())
            l->census(out);
        if (DragActive)
            out.push_back({"hand", 0, 0, CardKey(TargetCard), Current() && Current()->codesOnly ? 0 : TargetValue});
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
    g.judgeLeaving = [](const std::vector<TPlace>& left) -> QString {
        const TLine* l = Current();
        return l && l->leaving ? l->leaving(left) : QStringLiteral("%1 left the table").arg(left.front().where());
    };
    g.softlock = [moves = g.moves]() -> QString {
        int found = 0;
        if (const TLine* l = Current(); l && l->canDeal && l->canDeal())
            return {};
        if (!Group3::CountMoves3(found) || !moves().empty() || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no move, no stock and no give-up");
    };
    g.endTestHolds = [] {
        int found = 0;
        const TLine* l = Current();
        return Group3::IsGameWon3() || (Group3::CountMoves3(found) && !(l && l->canDeal && l->canDeal()));
    };
    return g;
}

} // namespace soak
