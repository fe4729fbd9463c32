// The soak driver's description of Pairs, Wish and the Monte Carlo games: the deal and
// the buttons of the grid games, with their own census, removal judge, invariants,
// targets, legal moves and end.
#include "Group4Soak.h"

#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_19_Pairs.h"
#include "games/group4/Qyv_21_Monte.h"
#include "games/group4/Qyv_Help2_4.h"

namespace soak {

namespace {

using namespace GameState;
using namespace Group4;

bool Stuck()
{
    int count = 0;
    return CountMoves4(count);
}

// ---- Pairs and Wish ----

int TopY(int i) { return PairsSlotY(i, PileCounts[i] - 1); }
QPoint TopPoint(int i) { return {PosX[i] + CardWidth / 2, TopY(i) + CardHeight / 2}; }
QPoint StockPoint() { return {AuxPile2X + CardWidth / 2, AuxPile2Y + CardHeight / 2}; }

std::vector<std::pair<QPoint, QPoint>> PairsMoves()
{
    std::vector<std::pair<QPoint, QPoint>> out;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            if (PairsMatch(a, b))
                out.push_back({TopPoint(a), TopPoint(b)});
    return out;
}

QString PairsCheck()
{
    const bool pairs = CurrentGameId == Pairs;
    const int most = pairs ? 12 : 4;
    for (int i = 1; i <= 9; ++i) {
        const int n = PileCounts[i] - 1;
        if (n < 0 || n > most)
            return QStringLiteral("pile %1 counts %2 cards").arg(i).arg(n);
        for (int k = 1; k <= 104; ++k)
            if (IsCard(PileCards[i][k]) != (k <= n))
                return QStringLiteral("pile %1 counts %2 cards but slot %3 %4")
                    .arg(i)
                    .arg(n)
                    .arg(k)
                    .arg(k <= n ? "is empty" : "holds one");
    }
    if (StockCount < 0 || StockCount > (pairs ? 59 : 0))
        return QStringLiteral("the stock counts %1").arg(StockCount);
    for (int k = 1; k <= 104; ++k)
        if (IsCard(StockCards[k]) != (k <= StockCount))
            return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
    if (SelectedPile != 0 && !PairsPileHolds(SelectedPile))
        return QStringLiteral("the selection %1 holds no card").arg(SelectedPile);
    if (MoveCounter != 0)
        return QStringLiteral("the move counter is %1").arg(MoveCounter);
    if (DragActive && !IsCard(TargetCard))
        return QStringLiteral("a drag is active with nothing held");
    if (GameOver && (GameWon != 0) != (PileCardsLeft4() == 0))
        return QStringLiteral("the game ended with GameWon %1 and %2 cards on the piles")
            .arg(GameWon)
            .arg(PileCardsLeft4());
    return {};
}

// ---- Monte Carlo ----

QPoint PlacePoint(int p, int s) { return {GridX[p][s] + CardWidth / 2, GridY[p][s] + CardHeight / 2}; }
bool Holds(int p, int s) { return IsCard(PileCards[p][s]); }

std::vector<std::pair<QPoint, QPoint>> MonteMoves()
{
    std::vector<std::pair<QPoint, QPoint>> out;
    for (int p = 1; p <= 6; ++p)
        for (int s = 1; s <= 4; ++s)
            for (int q = 1; q <= 6; ++q)
                for (int t = 1; t <= 4; ++t)
                    if (Holds(p, s) && Holds(q, t) && MonteNeighbours(p, s, q, t)
                        && MonteMatch(PileCards[p][s], PileValues[p][s], PileCards[q][t], PileValues[q][t]))
                        out.push_back({PlacePoint(p, s), PlacePoint(q, t)});
    return out;
}

QString MonteCheck()
{
    const int most = CurrentGameId == MonteCarlo ? 28 : 24;
    if (ExtraPileCount < 0 || ExtraPileCount > most)
        return QStringLiteral("the stock counts %1").arg(ExtraPileCount);
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r)
            if ((c > 6 || r > 4) && IsCard(PileCards[c][r]))
                return QStringLiteral("(%1, %2) lies outside the grid but holds a card").arg(c).arg(r);
    if (!DragActive) {
        bool cardSeen = false;
        for (int k = 1; k <= 24; ++k) {
            const int p = (k - 1) % 6 + 1;
            const int s = (k - 1) / 6 + 1;
            if (Holds(p, s)) {
                cardSeen = true;
                continue;
            }
            if (ExtraPileCount > 0)
                return QStringLiteral("(%1, %2) is empty while the stock holds %3").arg(p).arg(s).arg(ExtraPileCount);
            if (cardSeen)
                return QStringLiteral("(%1, %2) is empty after a card").arg(p).arg(s);
        }
    }
    if (SelectedPile != 0
        && (SelectedPile > 6 || SelectedSlot < 1 || SelectedSlot > 4 || !Holds(SelectedPile, SelectedSlot)))
        return QStringLiteral("the selection (%1, %2) holds no card").arg(SelectedPile).arg(SelectedSlot);
    if (MoveCounter != 0)
        return QStringLiteral("the move counter is %1").arg(MoveCounter);
    if (DragActive && !IsCard(TargetCard))
        return QStringLiteral("a drag is active with nothing held");
    if (GameOver && (GameWon != 0) != !Holds(6, 4))
        return QStringLiteral("the game ended with GameWon %1 and place (6, 4) %2")
            .arg(GameWon)
            .arg(Holds(6, 4) ? "holding a card" : "empty");
    return {};
}

QString TwoLeft(const std::vector<TPlace>& left)
{
    if (left.size() != 2)
        return QStringLiteral("%1 cards left at once").arg(left.size());
    for (const TPlace& p : left) {
        const QString area = QString::fromLatin1(p.area);
        if (area != QLatin1String("pile") && area != QLatin1String("grid") && area != QLatin1String("hand"))
            return QStringLiteral("a card left from %1").arg(p.where());
    }
    return {};
}

} // namespace

TSoakGame SoakPairs4()
{
    TSoakGame g = SoakGroup4();
    g.census = [] {
        std::vector<TPlace> out;
        for (int i = 1; i <= 9; ++i)
            for (int k = 1; k <= 104; ++k)
                out.push_back({"pile", i, k, CardKey(PileCards[i][k]), PileValues[i][k]});
        // The hand before the stock: a card that leaves is looked for in this order.
        if (DragActive)
            out.push_back({"hand", 0, 0, CardKey(TargetCard), TargetValue});
        for (int s = 1; s <= std::min(StockCount, 104); ++s)
            out.push_back({"stock", 0, s, CardKey(StockCards[s]), StockValues[s]});
        return out;
    };
    // Two packs hold each card twice, so the census may name the other copy's pile:
    // the judge asks for two cards of one rank off the piles or out of the hand.
    g.judgeLeaving = [](const std::vector<TPlace>& left) -> QString {
        if (QString bad = TwoLeft(left); !bad.isEmpty())
            return bad;
        if (left[0].value != left[1].value)
            return QStringLiteral("%1 and %2 left: ranks differ").arg(left[0].where(), left[1].where());
        return {};
    };
    g.check = [] { return PairsCheck(); };
    g.targets = [] {
        std::vector<QPoint> t;
        for (int i = 1; i <= 9; ++i) {
            t.push_back(TopPoint(i));
            t.push_back({PosX[i] + CardWidth / 2, PosY[i] + 1});
            t.push_back({PosX[i] + CardWidth + 2, PosY[i] + CardHeight / 2});
        }
        t.push_back(StockPoint());
        t.push_back({AuxPile2X + CardWidth + 100, AuxPile2Y + 4});
        return t;
    };
    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m = PairsMoves();
        if (CurrentGameId == Pairs && StockCount > 0)
            m.push_back({StockPoint(), StockPoint()});
        return m;
    };
    g.softlock = []() -> QString {
        if (!PairsMoves().empty() || (CurrentGameId == Pairs && StockCount > 0) || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no pair, no stock and no way out");
    };
    g.endTestHolds = [] { return Stuck() && (CurrentGameId != Pairs || StockCount == 0); };
    return g;
}

TSoakGame SoakMonte4()
{
    TSoakGame g = SoakGroup4();
    g.census = [] {
        std::vector<TPlace> out;
        for (int p = 1; p <= 13; ++p)
            for (int s = 1; s <= 7; ++s)
                out.push_back({"grid", p, s, CardKey(PileCards[p][s]), PileValues[p][s]});
        // Slots above the count keep stale copies of dealt cards.
        for (int k = 1; k <= std::min(ExtraPileCount, 104); ++k)
            out.push_back({"stock", 0, k, CardKey(StockCards[k]), StockValues[k]});
        if (DragActive)
            out.push_back({"hand", 0, 0, CardKey(TargetCard), TargetValue});
        return out;
    };
    g.judgeLeaving = [](const std::vector<TPlace>& left) -> QString {
        if (QString bad = TwoLeft(left); !bad.isEmpty())
            return bad;
        const TPlace& a = left[0];
        const TPlace& b = left[1];
        const bool bySuit = CurrentGameId == MonteCarloBySuit;
        // The key's second byte is the suit.
        const bool match = bySuit ? (a.card & 0xFF) == (b.card & 0xFF) : a.value == b.value;
        if (!match)
            return QStringLiteral("%1 and %2 left without equal %3")
                .arg(a.where(), b.where(), bySuit ? QStringLiteral("suits") : QStringLiteral("ranks"));
        const bool bothOnGrid = QString::fromLatin1(a.area) == QLatin1String("grid")
            && QString::fromLatin1(b.area) == QLatin1String("grid");
        if (bothOnGrid && !MonteNeighbours(a.index, a.slot, b.index, b.slot))
            return QStringLiteral("%1 and %2 left but are no neighbours").arg(a.where(), b.where());
        return {};
    };
    g.check = [] { return MonteCheck(); };
    g.targets = [] {
        std::vector<QPoint> t;
        for (int p = 1; p <= 6; ++p)
            for (int s = 1; s <= 4; ++s) {
                t.push_back(PlacePoint(p, s));
                t.push_back({GridX[p][s] + CardWidth + 2, GridY[p][s] + CardHeight + 1});
            }
        t.push_back(StockPoint());
        t.push_back({AuxPile1X + CardWidth / 2, AuxPile1Y + CardHeight / 2});
        return t;
    };
    g.moves = [] { return MonteMoves(); };
    g.softlock = []() -> QString {
        if (!MonteMoves().empty() || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no neighbouring pair and no way out");
    };
    g.endTestHolds = [] { return Stuck(); };
    return g;
}

} // namespace soak
