// Random play on Book: a long stream of plausible table events in all three move modes,
// with the pack, the counters, the second button and the end of a game checked after
// every event. VARDELIN_SOAK_EVENTS sets the events (default 20000), VARDELIN_SOAK_SEED
// replays a seed a failure printed.
#include "support/SoakTable.h"
#include "BookTestSupport.h"
#include "support/SoakDriver.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group4/Qyv_Help2_4.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace GameState;
using soak::IsCard;
using soak::TPlace;
using namespace booktest;

// What the checks remember from one event to the next.
struct TWatch {
    int button8Mode = 0;
    int moveCounter = 0;
    int undo = 0;
};
TWatch watch;

bool Liftable(int r, int s)
{
    const int last = Group4::LastCardIndex4(PileCards[r]);
    for (int k = s + 1; k <= last; ++k)
        if (cards::isRed(PileCards[r][k]) == cards::isRed(PileCards[r][k - 1])
            || int(PileValues[r][k]) + 1 != int(PileValues[r][k - 1]))
            return false;
    return s >= 1 && s <= last;
}

soak::TSoakGame SoakBook()
{
    soak::TSoakGame g;
    g.deal = [] {
        PlayerSlot = 6;
        Group4::NewDeal4(false);
        if (RoundPhase != 1)
            return false;
        RoundStart::Button7Click(*Form1);
        watch = {Button8Mode, MoveCounter, UndoFlag};
        return RoundPhase == 2;
    };

    g.census = [] {
        std::vector<TPlace> out;
        auto add = [&](const char* area, int index, int slot, const TCardCode& c, int value) {
            out.push_back({area, index, slot, soak::CardKey(c), value});
        };
        // Rows scanned past slot 16, so a card written beyond it still counts.
        for (int r = 1; r <= 8; ++r)
            for (int s = 1; s <= 104; ++s)
                add("row", r, s, PileCards[r][s], PileValues[r][s]);
        for (int f = 1; f <= 8; ++f)
            for (int s = 1; s <= 49; ++s)
                add("foundation", f, s, FoundationCards[f][s], FoundationValues[f][s]);
        for (int s = 1; s <= 104; ++s)
            add("stock", 0, s, StockCards[s], StockValues[s]);
        for (int s = 1; s <= 104; ++s)
            add("waste", 0, s, WasteCards[s], WasteValues[s]);
        if (DragActive)
            for (int s = 1; s <= 104; ++s)
                add("lift buffer", 0, s, LiftedCards[s], LiftedValues[s]);
        return out;
    };

    g.check = []() -> QString {
        for (int r = 1; r <= 8; ++r) {
            const int last = Group4::LastCardIndex4(PileCards[r]);
            for (int s = 1; s <= 104; ++s) {
                if (s > 16 && IsCard(PileCards[r][s]))
                    return QStringLiteral("row %1 holds a card in slot %2").arg(r).arg(s);
                if (s <= 16 && IsCard(PileCards[r][s]) != (s <= last))
                    return QStringLiteral("row %1 has a gap at slot %2").arg(r).arg(s);
            }
        }
        for (int f = 1; f <= 8; ++f) {
            const int n = FoundationNextSlot[f] - 1;
            if (n < 0 || n > 13)
                return QStringLiteral("foundation %1's next slot is %2").arg(f).arg(FoundationNextSlot[f]);
            for (int s = 1; s <= 49; ++s) {
                const TCardCode& c = FoundationCards[f][s];
                if (IsCard(c) != (s <= n))
                    return QStringLiteral("foundation %1 does not hold exactly its %2 cards").arg(f).arg(n);
                if (s <= n && (c.suit() != cards::SuitOrder[(f - 1) / 2] || cards::rankOrder(c.rank()) != (s + 11) % 13))
                    return QStringLiteral("foundation %1 has %2 in slot %3").arg(f).arg(c.toString()).arg(s);
            }
        }
        auto contiguous = [](const Cards104& a, int n) {
            for (int s = 1; s <= 104; ++s)
                if (IsCard(a[s]) != (s <= n))
                    return false;
            return true;
        };
        if (StockCount < 0 || StockCount > 104 || !contiguous(StockCards, StockCount))
            return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
        if (WasteCount < 1 || WasteCount > 105 || !contiguous(WasteCards, WasteCount - 1))
            return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
        if (Button8Mode < watch.button8Mode)
            return QStringLiteral("Button8Mode fell from %1 to %2").arg(watch.button8Mode).arg(Button8Mode);
        if (UndoFlag && !watch.undo && MoveCounter <= watch.moveCounter)
            return QStringLiteral("UndoFlag set without a stock turn");
        if (StockCount == 0 && !GameOver && !DragActive
            && (Button8Mode != 2 || !Form1->Button8->isEnabled() || Form1->Button8->text() != Texts::Tx(Texts::TxtThatsAll)))
            return QStringLiteral("the stock is empty but the give-up is not offered");
        if (GameOver && GameWon
            && (Group4::BookUnorderedRows() != 0 || StockCount != 0 || WasteCount != 1 || Button8Mode != 3))
            return QStringLiteral("the game is won with the table unfinished");
        if (DragActive && Kit::LiftedCount(104) == 0)
            return QStringLiteral("a drag is active with nothing lifted");
        watch = {Button8Mode, MoveCounter, UndoFlag};
        return {};
    };

    g.targets = [] {
        std::vector<QPoint> t;
        for (int r = 1; r <= 8; ++r) {
            const int last = std::max(1, Group4::LastCardIndex4(PileCards[r]));
            for (int s = 1; s <= last; ++s)
                t.push_back(SlotPoint(r, s, last));
        }
        for (int f = 1; f <= 8; ++f)
            t.push_back(FoundationPoint(f));
        t.push_back(StockPoint());
        t.push_back(WastePoint());
        t.push_back({(BookBounds[1] + BookBounds[3]) / 2, BookBounds[2] - 5});
        return t;
    };

    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> up, runs, waste;
        const bool click = Settings::MoveMode != 2;
        const TCardCode top = WasteCount > 1 ? WasteCards[WasteCount - 1] : cards::Empty;
        // In the click modes the waste card is selected first, then sent by a click.
        auto wasteTo = [&](QPoint to) {
            if (click && SelectedPile == 0)
                waste.push_back({WastePoint(), WastePoint()});
            else
                waste.push_back({WastePoint(), to});
        };
        for (int r = 1; r <= 8; ++r) {
            const int last = Group4::LastCardIndex4(PileCards[r]);
            for (int s = 1; s <= last; ++s) {
                if (!Liftable(r, s))
                    continue;
                if (s == last)
                    for (int f = 1; f <= 8; ++f)
                        if (Group4::BookFitsFoundation(PileCards[r][s], f))
                            up.push_back({SlotPoint(r, s, last), FoundationPoint(f)});
                for (int q = 1; q <= 8; ++q) {
                    const int qt = Group4::LastCardIndex4(PileCards[q]);
                    if (q == r || (qt == 0 && s == 1))
                        continue;
                    if (Group4::BookFitsTableau(PileCards[r][s], qt == 0 ? cards::Empty : PileCards[q][qt]))
                        runs.push_back({SlotPoint(r, s, last), SlotPoint(q, std::max(qt, 1), std::max(qt, 1))});
                }
            }
        }
        if (IsCard(top)) {
            for (int f = 1; f <= 8; ++f)
                if (Group4::BookFitsFoundation(top, f))
                    wasteTo(FoundationPoint(f));
            for (int q = 1; q <= 8; ++q) {
                const int qt = Group4::LastCardIndex4(PileCards[q]);
                if (Group4::BookFitsTableau(top, qt == 0 ? cards::Empty : PileCards[q][qt]))
                    wasteTo(SlotPoint(q, std::max(qt, 1), std::max(qt, 1)));
            }
        }
        up.insert(up.end(), runs.begin(), runs.end());
        up.insert(up.end(), waste.begin(), waste.end());
        if (StockCount > 0)
            up.push_back({StockPoint(), StockPoint()});
        return up;
    };
    g.dragsInEveryMode = true;

    g.buttons = soak::ActionButtonPresses;
    g.softlock = [moves = g.moves]() -> QString {
        if (!moves().empty() || StockCount > 0 || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no move, no stock and no give-up");
    };
    g.endTestHolds = [] {
        const int won = GameWon;
        int count = 0;
        const bool ends = StockCount == 0 && Group4::CountMoves4(count);
        GameWon = won;
        return ends;
    };
    return g;
}

class BookSoak : public soak::SoakTableOn<> {};

TEST_F(BookSoak, RandomPlayKeepsThePackWholeAndTheTableConsistent)
{
    soak::TSoakOptions options;
    options.game = Group4::Book;
    options.seed = soak::SeedFromEnvironment(18u * 7919u + 17u);
    options.events = soak::EventsFromEnvironment(20000);
    options.eventsPerDeal = std::max(50, std::min(options.eventsPerDeal, options.events / 3));
    options.replay = QStringLiteral("bin/test_games_group4 --gtest_filter='BookSoak.*'");
    CurrentGameId = Group4::Book;
    CurrentGroup = 4;

    const soak::TSoakResult r = soak::RunSoak(options, SoakBook());
    ASSERT_TRUE(r.ok) << r.failure.toStdString();
    EXPECT_EQ(r.eventsSent, options.events);
    if (options.events >= 150) {
        EXPECT_GE(r.deals, 3) << "deals " << r.deals;
    }
    RecordProperty("deals", r.deals);
    RecordProperty("finished", r.finishedGames);
    RecordProperty("won", r.wonGames);
}

} // namespace
