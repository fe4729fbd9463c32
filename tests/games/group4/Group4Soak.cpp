// The soak driver's description of the group-4 grid games: census, removal judge,
// invariants, targets, legal moves, buttons and the no-softlock test.
#include "Group4Soak.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "games/group4/Qyv_23_Pyramid.h"
#include "games/group4/Qyv_Help2_4.h"

namespace soak {

namespace {

using namespace GameState;
using namespace Group4;

QPoint CardPoint(int c, int r) { return {GridX[c][r] + CardWidth / 2, GridY[c][r] + CardHeight - 8}; }
QPoint WastePoint() { return {AuxPile1X + CardWidth / 2, AuxPile1Y + CardHeight / 2}; }
QPoint StockPoint() { return {AuxPile2X + CardWidth / 2, AuxPile2Y + CardHeight / 2}; }

bool Lifted(int c, int r) { return DragActive && DragSourcePile == c && DragSourceSlot == r; }

bool FreeCard(int c, int r) { return IsCard(PileCards[c][r]) && PileFaceUp[c][r] == 1; }

bool CanTurnBack()
{
    return CurrentGameId != Pyramid && StockCount == 0 && WasteCount > 1 && PassCount < LastPass;
}

bool IsKing(const TCardCode& c) { return c.rank() == cards::RankKing; }

std::vector<std::pair<QPoint, QPoint>> GridMoves()
{
    std::vector<std::pair<QPoint, QPoint>> out;
    std::vector<GridPlace> free;
    for (const GridPlace& p : GridPlaces4(CurrentGameId))
        if (FreeCard(p.col, p.row))
            free.push_back(p);
    const bool waste = WasteCount > 1;
    if (waste && IsKing(WasteCards[WasteCount - 1]))
        out.push_back({WastePoint(), WastePoint()});
    for (const GridPlace& a : free) {
        const QPoint pa = CardPoint(a.col, a.row);
        if (IsKing(PileCards[a.col][a.row]))
            out.push_back({pa, pa});
        if (waste && GridPair(WasteValues[WasteCount - 1], PileValues[a.col][a.row]))
            out.push_back({WastePoint(), pa});
        for (const GridPlace& b : free)
            if (GridPair(PileValues[a.col][a.row], PileValues[b.col][b.row]))
                out.push_back({pa, CardPoint(b.col, b.row)});
    }
    return out;
}

QString GridCheck()
{
    const int game = CurrentGameId;
    auto contiguous = [](auto& a, int n, int size) {
        for (int s = 1; s <= size; ++s)
            if (IsCard(a[s]) != (s <= n))
                return false;
        return true;
    };
    if (StockCount < 0 || StockCount > 52 || !contiguous(StockCards, StockCount, 104))
        return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
    if (WasteCount < 1 || WasteCount > 53 || !contiguous(WasteCards, WasteCount - 1, 104))
        return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
    if (ExtraPileCount < 1 || ExtraPileCount > 53 || !contiguous(DiscardCards, ExtraPileCount - 1, 52))
        return QStringLiteral("the discard pile does not hold exactly its %1 cards").arg(ExtraPileCount - 1);
    for (int c = 1; c <= 13; ++c)
        for (int r = 1; r <= 7; ++r) {
            if (!IsCard(PileCards[c][r])) {
                if (PileValues[c][r] != cards::EmptyValue)
                    return QStringLiteral("empty place (%1, %2) has value %3").arg(c).arg(r).arg(PileValues[c][r]);
                continue;
            }
            if (!IsGridPlace4(game, c, r))
                return QStringLiteral("(%1, %2) is no place of the game but holds a card").arg(c).arg(r);
            auto covers = [](int x, int y) {
                return x >= 1 && x <= 13 && y <= 7 && (IsCard(PileCards[x][y]) || Lifted(x, y));
            };
            const bool covered = r < 7 && (covers(c - 1, r + 1) || covers(c + 1, r + 1));
            if ((PileFaceUp[c][r] == 1) == covered)
                return QStringLiteral("(%1, %2) is %3 but its free flag says %4")
                    .arg(c)
                    .arg(r)
                    .arg(covered ? "covered" : "free")
                    .arg(PileFaceUp[c][r]);
        }
    if (PassCount < 1 || PassCount > LastPass)
        return QStringLiteral("pass %1").arg(PassCount);
    if (MoveCounter != 0)
        return QStringLiteral("the move counter is %1").arg(MoveCounter);
    if (SelectedPile == 20 && WasteCount <= 1)
        return QStringLiteral("the empty waste is selected");
    if (SelectedPile >= 1 && SelectedPile <= 13
        && (SelectedSlot < 1 || SelectedSlot > 7 || !IsCard(PileCards[SelectedPile][SelectedSlot])))
        return QStringLiteral("the selection (%1, %2) holds no card").arg(SelectedPile).arg(SelectedSlot);
    if (SelectedPile != 0 && SelectedPile != 20 && (SelectedPile < 1 || SelectedPile > 13))
        return QStringLiteral("selection %1").arg(SelectedPile);
    if (DragActive && !IsCard(TargetCard))
        return QStringLiteral("a drag is active with nothing held");
    if (GameOver) {
        int count = 0;
        const int won = GameWon;
        CountMoves4(count);
        const int tableWon = GameWon;
        GameWon = won;
        if (won != tableWon)
            return QStringLiteral("the game ended with GameWon %1 but the table says %2").arg(won).arg(tableWon);
    }
    return {};
}

} // namespace

TSoakGame SoakGroup4()
{
    TSoakGame g;

    g.deal = [] {
        PlayerSlot = 6;
        NewDeal4(false);
        if (RoundActive != 1)
            return false;
        RoundStart::Button7Click(*Form1);
        return RoundPhase == 2;
    };

    g.census = [] {
        std::vector<TPlace> out;
        auto add = [&](const char* area, int index, int slot, const TCardCode& c, int value) {
            out.push_back({area, index, slot, CardKey(c), value});
        };
        for (int c = 1; c <= 13; ++c)
            for (int r = 1; r <= 7; ++r)
                add("grid", c, r, PileCards[c][r], PileValues[c][r]);
        for (int s = 1; s <= std::min(StockCount, 104); ++s)
            add("stock", 0, s, StockCards[s], StockValues[s]);
        for (int s = 1; s <= std::min(WasteCount - 1, 104); ++s)
            add("waste", 0, s, WasteCards[s], WasteValues[s]);
        for (int s = 1; s <= std::min(ExtraPileCount - 1, 52); ++s)
            add("discard", 0, s, DiscardCards[s], DiscardValues[s]);
        if (DragActive)
            add("hand", 0, 0, TargetCard, TargetValue);
        return out;
    };

    // A pair leaves one card on the discard pile; its partner leaves the table, and it
    // came from the grid (the waste's card, the selected and the lifted card are the
    // ones that go to the discard pile).
    g.judgeLeaving = [](const std::vector<TPlace>& left) -> QString {
        if (left.size() != 1)
            return QStringLiteral("%1 cards left at once").arg(left.size());
        const TPlace& p = left.front();
        if (QString::fromLatin1(p.area) != QLatin1String("grid"))
            return QStringLiteral("a card left from %1").arg(p.where());
        if (ExtraPileCount < 2 || ExtraPileCount > 53)
            return QStringLiteral("a card left but the discard pile is empty");
        if (!GridPair(DiscardValues[ExtraPileCount - 1], p.value))
            return QStringLiteral("%1 left with %2 on the discard pile: ranks do not add to 13")
                .arg(p.where())
                .arg(DiscardCards[ExtraPileCount - 1].toString());
        return {};
    };

    g.check = [] { return GridCheck(); };

    g.targets = [] {
        std::vector<QPoint> t;
        for (const GridPlace& p : GridPlaces4(CurrentGameId)) {
            t.push_back(CardPoint(p.col, p.row));
            t.push_back({GridX[p.col][p.row] + 3, GridY[p.col][p.row] + 3});
        }
        t.push_back(WastePoint());
        t.push_back(StockPoint());
        t.push_back({AuxPile2X + CardWidth + 6, AuxPile2Y + 4});
        t.push_back({DiscardX + CardWidth / 2, DiscardY + CardHeight / 2});
        return t;
    };

    g.moves = [] {
        std::vector<std::pair<QPoint, QPoint>> m = GridMoves();
        if (StockCount > 0 || CanTurnBack())
            m.push_back({StockPoint(), StockPoint()});
        return m;
    };

    g.buttons = soak::ActionButtonPresses;

    g.softlock = []() -> QString {
        if (!GridMoves().empty() || StockCount > 0 || CanTurnBack() || Form1->Button8->isEnabled())
            return {};
        return QStringLiteral("no move, no stock turn or turn-back and no give-up");
    };

    g.endTestHolds = [] {
        const int won = GameWon;
        int count = 0;
        const bool stuck = CountMoves4(count);
        const bool ends = CurrentGameId == Pyramid ? stuck : GameWon != 0;
        GameWon = won;
        return ends;
    };
    return g;
}

} // namespace soak
