// The soak driver's description of Fun Deuces and Napoleon Square: the census of piles,
// foundations, stock, waste and the hand, the counters, the suit runs, the targets, the
// legal moves, the give-up button and the no-softlock test.
#include "Group2Soak.h"

#include "SquareTestSupport.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group2/Qyv_Help2_2.h"
#include "games/group2/Qyv_Square2.h"

#include <array>
#include <memory>

namespace soak {

namespace {

using namespace GameState;
using namespace Group2;

// Slots looked at beyond the ones a place can hold, so an overrun shows in the census.
constexpr int PileSlots = 20;
constexpr int FoundationSlots = 15;

QPoint Middle(const Kit::TSpot& s) { return {s.X + CardWidth / 2, s.Y + CardHeight / 2}; }

QPoint StockMiddle()
{
    int x = 0, y = 0;
    SquareStockPos2(x, y);
    return {x + CardWidth / 2, y + CardHeight / 2};
}

template <class Slots>
QString Contiguous(const QString& area, const Slots& cards, int filled, int size)
{
    for (int s = 1; s <= size; ++s)
        if (IsCard(cards[s]) != (s <= filled))
            return QStringLiteral("%1 slot %2 does not match its counter (%3 cards)").arg(area).arg(s).arg(filled);
    return {};
}

// Card c lies legally on card t of a pile: one lower in suit (Fun Deuces also the King
// on the Ace).
bool Descends(const TCardCode& t, Byte tv, const TCardCode& c, Byte cv)
{
    if (t.suit() != c.suit())
        return false;
    return cv + 1 == tv || (CurrentGameId == FunDeuces && tv == 0 && cv == 12);
}

// The rank value foundation slot s must hold: Fun Deuces Two .. King then the Ace,
// Napoleon Square Ace .. King.
Byte FoundationValueAt(int s)
{
    if (CurrentGameId == NapoleonSquare)
        return Byte(s - 1);
    return Byte(s == 13 ? 0 : s);
}

} // namespace

TSoakGame SoakSquare2(TSoakGame g)
{
    // The dealt piles (Napoleon Square deals four cards a pile in no order): a slot still
    // holding its dealt card needs no run below it.
    auto dealt = std::make_shared<std::array<std::array<int, 5>, 13>>();
    g.deal = [deal = g.deal, dealt] {
        if (!deal())
            return false;
        for (int p = 1; p <= 12; ++p)
            for (int s = 1; s <= 4; ++s)
                (*dealt)[p][s] = CardKey(PileCards[p][s]);
        return true;
    };

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(12 * PileSlots + 8 * FoundationSlots + 2 * 104 + 1);
        for (int p = 1; p <= 12; ++p)
            for (int s = 1; s <= PileSlots; ++s)
                out.push_back({"pile", p, s, CardKey(PileCards[p][s]), PileValues[p][s]});
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= FoundationSlots; ++s)
                out.push_back({"foundation", f, s, CardKey(FoundationCards[f][s]), FoundationValues[f][s]});
        for (int s = 1; s <= 104; ++s)
            out.push_back({"stock", 0, s, CardKey(StockCards[s]), StockValues[s]});
        for (int s = 1; s <= 104; ++s)
            out.push_back({"waste", 0, s, CardKey(WasteCards[s]), WasteValues[s]});
        out.push_back({"hand", 0, 0, CardKey(TargetCard), TargetValue});
        return out;
    };

    g.check = [dealt]() -> QString {
        const bool nap = CurrentGameId == NapoleonSquare;
        const int piles = SquarePileCount2();
        if (QString e = Contiguous(QStringLiteral("stock"), StockCards, StockCount, 104); !e.isEmpty())
            return e;
        if (QString e = Contiguous(QStringLiteral("waste"), WasteCards, ExtraPileCount - 1, 104); !e.isEmpty())
            return e;
        for (int p = 1; p <= 12; ++p) {
            const int n = p <= piles ? PileCounts[p] - 1 : 0;
            if (n > (nap ? 16 : 13))
                return QStringLiteral("pile %1 holds %2 cards").arg(p).arg(n);
            if (QString e = Contiguous(QStringLiteral("pile %1").arg(p), PileCards[p], n, PileSlots); !e.isEmpty())
                return e;
            for (int s = 2; s <= n; ++s)
                if (!Descends(PileCards[p][s - 1], PileValues[p][s - 1], PileCards[p][s], PileValues[p][s])
                    && !(nap && s <= 4 && (*dealt)[p][s] == CardKey(PileCards[p][s])))
                    return QStringLiteral("pile %1 slot %2 does not descend in suit").arg(p).arg(s);
        }
        for (int f = 1; f <= 8; ++f) {
            const int n = FoundationCounts[f] - 1;
            if (n < (nap ? 0 : 1) || n > 13)
                return QStringLiteral("foundation %1 counts %2 cards").arg(f).arg(n);
            const QString area = QStringLiteral("foundation %1").arg(f);
            if (QString e = Contiguous(area, FoundationCards[f], n, FoundationSlots); !e.isEmpty())
                return e;
            for (int s = 1; s <= n; ++s)
                if (FoundationValues[f][s] != FoundationValueAt(s) || FoundationCards[f][s].suit() != FoundationCards[f][1].suit())
                    return QStringLiteral("%1 slot %2 breaks its suit run").arg(area).arg(s);
        }
        if (!DragActive && IsCard(TargetCard))
            return QStringLiteral("a card is in the hand without a drag");
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        for (int p = 1; p <= SquarePileCount2(); ++p) {
            t.push_back(Middle(SquarePileSpot2(p, false)));
            t.push_back(group2_test::OnPile(p));
        }
        for (int f = 1; f <= 8; ++f)
            t.push_back(Middle(SquareFoundationSpot2(f)));
        t.push_back(StockMiddle());
        t.push_back(Middle(SquareWasteSpot2()));
        t.push_back(group2_test::OnWaste());
        return t;
    };

    // Foundation moves first, then a stock turn (so the stock runs out within a deal),
    // then the moves onto piles.
    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m;
        const Kit::TPlayRules& rules = SquareRules2();
        std::vector<Kit::TSpot> sources;
        if (!WasteEmpty2())
            sources.push_back(SquareWasteSpot2());
        for (int p = 1; p <= SquarePileCount2(); ++p)
            if (!PileEmpty2(p))
                sources.push_back(SquarePileSpot2(p, false));
        for (const Kit::TSpot& s : sources)
            for (int f = 1; f <= 8; ++f)
                if (rules.Takes(SquareFoundationSpot2(f), s.Card, s.Value))
                    m.push_back({Middle(s), Middle(SquareFoundationSpot2(f))});
        if (!StockEmpty2())
            m.push_back({StockMiddle(), StockMiddle()});
        for (const Kit::TSpot& s : sources)
            for (int p = 1; p <= SquarePileCount2(); ++p)
                if (p != s.Pile && rules.Takes(SquarePileSpot2(p, true), s.Card, s.Value))
                    m.push_back({Middle(s), group2_test::OnPile(p)});
        return m;
    };

    g.buttons = ActionButtonPresses;

    // Napoleon Square's empty stock gives the game up at a click, so it is never stuck;
    // Fun Deuces' way out is Button8 once the stock is spent.
    g.softlock = []() -> QString {
        if (CurrentGameId == NapoleonSquare || !StockEmpty2() || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("the Fun Deuces stock is empty and the give-up button is off");
    };

    g.endTestHolds = [] {
        int count = 0;
        return IsGameWon2() || CountMoves2(count);
    };
    return g;
}

} // namespace soak
