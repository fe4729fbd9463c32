// The soak driver's description of the ten group-1 games: their census, checks, targets,
// legal moves, buttons and the no-softlock test.
#include "Group1Soak.h"

#include "app/RoundStart.h"
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"

#include <algorithm>

namespace soak {

namespace {

using namespace GameState;

} // namespace

TSoakGame SoakGroup1()
{
    TSoakGame g;

    g.deal = [] {
        PlayerSlot = 6;
        if (!Group1::NewDeal1(false))
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };

    g.census = [] {
        std::vector<TPlace> out;
        out.reserve(19 * 104 + 2 * 104 + 8 * 49 + 4 + 104);
        auto add = [&](const char* area, int index, int slot, const TCardCode& c, int value) {
            out.push_back({area, index, slot, CardKey(c), value});
        };
        for (int p = 1; p <= 19; ++p)
            for (int s = 1; s <= 104; ++s)
                add("pile", p, s, PileCards[p][s], PileValues[p][s]);
        for (int s = 1; s <= 104; ++s)
            add("stock", 0, s, StockCards[s], StockValues[s]);
        for (int s = 1; s <= 104; ++s)
            add("waste", 0, s, WasteCards[s], WasteValues[s]);
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 49; ++s)
                add("foundation", f, s, FoundationCards[f][s], FoundationValues[f][s]);
        for (int c = 1; c <= 4; ++c)
            add("free cell", c, 0, FreeCellCards[c], FreeCellValues[c]);
        // The lift buffer holds cards only while they are lifted; afterwards whatever
        // stayed in it is no card of the table.
        if (DragActive)
            for (int s = 1; s <= 104; ++s)
                add("lift buffer", 0, s, LiftedCards[s], LiftedValues[s]);
        return out;
    };

    g.check = []() -> QString {
        const int game = CurrentGameId;
        const int piles = std::min(LayoutPileCount, 10);
        for (int p = 1; p <= piles; ++p) {
            int count = 0;
            int last = 0;
            bool faceUpSeen = false;
            for (int s = 1; s <= 104; ++s) {
                const TCardCode& c = PileCards[p][s];
                if (!IsCard(c)) {
                    if (s <= SlotCount && PileValues[p][s] != cards::EmptyValue)
                        return QStringLiteral("pile %1 slot %2 is empty but has value %3").arg(p).arg(s).arg(PileValues[p][s]);
                    continue;
                }
                ++count;
                last = s;
                if (game != Group1::FreeCell) {
                    if (PileFaceUp[p][s] == 1)
                        faceUpSeen = true;
                    else if (faceUpSeen)
                        return QStringLiteral("pile %1 has a face-down card in slot %2 above a face-up one").arg(p).arg(s);
                }
            }
            if (count != PileCardCount[p])
                return QStringLiteral("pile %1 holds %2 cards, its count says %3").arg(p).arg(count).arg(PileCardCount[p]);
            if (last != count)
                return QStringLiteral("pile %1 has a gap below slot %2").arg(p).arg(last);
            if (game != Group1::FreeCell && !DragActive && count > 0 && PileFaceUp[p][last] != 1)
                return QStringLiteral("pile %1's top card %2 is face down after the move").arg(p).arg(PileCards[p][last].toString());
        }
        for (int p = piles + 1; p <= 19; ++p)
            for (int s = 1; s <= 104; ++s)
                if (IsCard(PileCards[p][s]))
                    return QStringLiteral("pile %1, which the game does not have, holds a card").arg(p);

        auto contiguous = [](const GameState::Cards104& a, int n) {
            for (int s = 1; s <= 104; ++s)
                if (IsCard(a[s]) != (s <= n))
                    return false;
            return true;
        };
        if (Group1::IsVardelin(game) || Group1::IsSpider(game)) {
            if (StockCount < 0 || StockCount > 104 || !contiguous(StockCards, StockCount))
                return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
            if (WasteCount < 1 || WasteCount > 105 || !contiguous(WasteCards, WasteCount - 1))
                return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
        } else if (!contiguous(StockCards, 0) || !contiguous(WasteCards, 0)) {
            return QStringLiteral("a game without stock has cards in the stock or the waste");
        }

        for (int f = 1; f <= 8; ++f) {
            const bool used = f <= LayoutFoundationCount;
            // A next slot of 0 is a foundation no card has reached since start-up.
            const int n = used ? std::max(FoundationNextSlot[f], 1) - 1 : 0;
            if (n < 0 || n > 13)
                return QStringLiteral("foundation %1's next slot is %2").arg(f).arg(FoundationNextSlot[f]);
            for (int s = 1; s <= 49; ++s)
                if (IsCard(FoundationCards[f][s]) != (s <= n))
                    return used ? QStringLiteral("foundation %1 does not hold exactly its %2 cards").arg(f).arg(n)
                                : QStringLiteral("foundation %1, which the game does not have, holds a card").arg(f);
            for (int s = 2; s <= n; ++s) {
                const int step = int(FoundationValues[f][s]) - int(FoundationValues[f][s - 1]);
                if (FoundationCards[f][s].suit() != FoundationCards[f][1].suit() || (step != 1 && step != -1))
                    return QStringLiteral("foundation %1 is out of order at slot %2").arg(f).arg(s);
            }
        }
        if (DragActive) {
            int lifted = 0;
            for (int s = 1; s <= 104; ++s)
                lifted += IsCard(LiftedCards[s]) ? 1 : 0;
            if (lifted == 0)
                return QStringLiteral("a drag is active with nothing lifted (the run shows %1 cards from pile %2)")
                    .arg(DragRun.K)
                    .arg(LiftedFromPile);
            if (lifted != DragRun.K && lifted <= 53)
                return QStringLiteral("%1 cards are lifted but the drag run shows %2").arg(lifted).arg(DragRun.K);
        }
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        auto around = [&](int x, int y, int w, int h) {
            t.push_back({x + w / 2, y + h / 2});
            t.push_back({x + 3, y + 3});
            t.push_back({x + w - 2, y + h - 2});
            t.push_back({x - 2, y + h / 3});
        };
        const int piles = std::min(LayoutPileCount, 10);
        for (int p = 1; p <= piles; ++p) {
            around(SpecialX[p], TopRowY, CardWidth, CardHeight);
            const int top = std::max(1, Group1::LastCardIndex1(PileCards[p]));
            for (int s = 1; s <= top; ++s) {
                const int y = ColumnsTopY + (s - 1) * PileFanStep[p];
                const int h = s == top ? CardHeight : std::max(1, PileFanStep[p]);
                t.push_back({SpecialX[p] + CardWidth / 2, y + h / 2});
                if (s == top)
                    around(SpecialX[p], y, CardWidth, CardHeight);
            }
        }
        if (CurrentGameId == Group1::FreeCell) {
            for (int c = 1; c <= 4; ++c)
                around(FreeCellX[c], FreeCellY, CardWidth, CardHeight);
            for (int f = 1; f <= 4; ++f)
                around(FoundationX[f], FoundationY, CardWidth, CardHeight);
        }
        return t;
    };

    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> toFoundation;
        std::vector<std::pair<QPoint, QPoint>> toPile;
        const int piles = std::min(LayoutPileCount, 10);
        auto slotPoint = [](int p, int s, int top) {
            const int y = ColumnsTopY + (s - 1) * PileFanStep[p];
            const int h = s == top ? CardHeight : std::max(1, std::min(PileFanStep[p], CardHeight));
            return QPoint(SpecialX[p] + CardWidth / 2, y + h / 2);
        };
        for (int p = 1; p <= piles; ++p) {
            const int top = Group1::LastCardIndex1(PileCards[p]);
            for (int s = 1; s <= top; ++s) {
                if (PileFaceUp[p][s] != 1 && CurrentGameId != Group1::FreeCell)
                    continue;
                const TCardCode& card = PileCards[p][s];
                if (s == top)
                    for (int f = 1; f <= std::min(LayoutFoundationCount, 8); ++f)
                        if (Group1::FitsFoundation1(card, f))
                            toFoundation.push_back({slotPoint(p, s, top),
                                                    {Group1::FoundationPlaceX(f) + CardWidth / 2,
                                                     Group1::FoundationPlaceY() + CardHeight / 2}});
                for (int q = 1; q <= piles; ++q) {
                    if (q == p)
                        continue;
                    const int qt = Group1::LastCardIndex1(PileCards[q]);
                    if (qt == 0 && s == 1)
                        continue; // a whole pile onto an empty one gets nowhere
                    if (Group1::FitsTableau1(card, qt == 0 ? cards::Empty : PileCards[q][qt]))
                        toPile.push_back({slotPoint(p, s, top), slotPoint(q, std::max(qt, 1), std::max(qt, 1))});
                }
            }
        }
        toFoundation.insert(toFoundation.end(), toPile.begin(), toPile.end());
        return toFoundation;
    };

    g.buttons = soak::ActionButtonPresses;
    g.dragsInEveryMode = true;
    g.softlock = [moves = g.moves]() -> QString {
        if (!moves().empty() || StockCount > 0 || (Form1->Button8->isEnabled()))
            return {};
        if (Group1::IsVardelin(CurrentGameId) && WasteCount > 1)
            return {};
        return QStringLiteral("no move, no stock and no give-up");
    };
    g.endTestHolds = [] {
        // The end test writes GameWon and GiveUpAllowed; looking must not change them.
        const int won = GameWon;
        const int giveUp = GiveUpAllowed;
        int count = 0;
        bool ends = Group1::CountMoves1(count);
        GameWon = won;
        GiveUpAllowed = giveUp;
        if (Group1::IsVardelin(CurrentGameId))
            ends = ends && StockCount == 0;
        return ends;
    };
    return g;
}

} // namespace soak
