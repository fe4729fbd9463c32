// The soak driver's description of the group-5 games: census, checks, targets, legal
// moves, buttons and the no-softlock test.
#include "Group5Soak.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "foundation/FanSteps.h"
#include "foundation/Qyv_FQuest.h"
#include "games/group5/Qyv_44_BAces.h"
#include "games/group5/Qyv_45_Lucie.h"
#include "games/group5/Qyv_46_Alzhir.h"
#include "foundation/FanSteps.h"
#include "games/group5/Qyv_28_Crescent.h"
#include "games/group5/Qyv_47_Demon.h"
#include "games/group5/Qyv_48_Klever.h"
#include "games/group5/Qyv_49_40Vorov.h"
#include "games/group5/Qyv_50_Miss.h"
#include "games/group5/Qyv_Help2_5.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <algorithm>
#include <memory>
#include <random>

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

// ---- Busy Aces ----

int BusyAcesPileCount(int pile) { return BAcesNext[pile <= 6 ? 1 : 2][pile <= 6 ? pile : pile - 6] - 1; }
const TCardCode& BusyAcesPileTop(int pile)
{
    return PileCards2[pile <= 6 ? 1 : 2][pile <= 6 ? pile : pile - 6][BusyAcesPileCount(pile)];
}
int BusyAcesPileTopValue(int pile)
{
    return PileValues2[pile <= 6 ? 1 : 2][pile <= 6 ? pile : pile - 6][BusyAcesPileCount(pile)];
}
QPoint BusyAcesPile(int pile) { return Centre(Group5::BAcesTopX(pile), Group5::BAcesTopY(pile)); }
QPoint BusyAcesFoundation(int f)
{
    return Centre(FoundationPosX[f], FoundationPosY[f] - 2 * std::max(0, FoundationCounts[f] - 2));
}

std::vector<QPoint> BusyAcesTargets()
{
    std::vector<QPoint> t;
    for (int p = 1; p <= 12; ++p) {
        t.push_back(BusyAcesPile(p));
        t.push_back({Group5::BAcesTopX(p) + 3, Group5::BAcesTopY(p) + 3});
    }
    for (int f = 1; f <= 8; ++f)
        t.push_back(BusyAcesFoundation(f));
    for (int i = 0; i < 6; ++i)
        t.push_back(Centre(AuxPile2X, AuxPile2Y));
    t.push_back(Centre(AuxPile1X, Group5::BAcesWasteTopY()));
    t.push_back({AuxPile1X + CardWidth + 4, AuxPile1Y + CardHeight + 60});
    return t;
}

int BusyAcesFits(int f, const TCardCode& card, int value)
{
    const int top = Group5::FoundationTop5(f);
    if (top == 0)
        return value == 0;
    return top < 13 && FoundationCards[f][top].suit() == card.suit() && FoundationValues[f][top] + 1 == value;
}

std::vector<std::pair<QPoint, QPoint>> BusyAcesMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toPile;
    auto from = [&](const QPoint& press, const TCardCode& card, int value, int source) {
        for (int f = 1; f <= 8; ++f)
            if (BusyAcesFits(f, card, value))
                toFoundation.push_back({press, BusyAcesFoundation(f)});
        for (int q = 1; q <= 12; ++q) {
            if (q == source)
                continue;
            const int n = BusyAcesPileCount(q);
            if (n == 0 || (BusyAcesPileTop(q).suit() == card.suit() && BusyAcesPileTopValue(q) == value + 1))
                toPile.push_back({press, BusyAcesPile(q)});
        }
    };
    for (int p = 1; p <= 12; ++p)
        if (BusyAcesPileCount(p) > 0)
            from(BusyAcesPile(p), BusyAcesPileTop(p), BusyAcesPileTopValue(p), p);
    if (WasteCount >= 2)
        from(Centre(AuxPile1X, Group5::BAcesWasteTopY()), WasteCards[WasteCount - 1], WasteValues[WasteCount - 1], 0);
    if (StockCount > 0) {
        const QPoint stock = Centre(AuxPile2X, AuxPile2Y);
        toFoundation.push_back({stock, stock});
    }
    // Moves onto the piles go round in circles; the foundations and the stock come first.
    toFoundation.insert(toFoundation.end(), toPile.begin(), toPile.end());
    return toFoundation;
}

int BusyAcesFanCards(int row, int place) { return row <= 2 && place <= 6 ? BAcesNext[row][place] - 1 : 0; }

bool BusyAcesEnds() { return StockCount == 0 && WasteCount == 1; }

// ---- Lucie ----

QPoint LucieFan(int code) { return Centre(Group5::LucieTopX(code), Group5::LucieFanY(code)); }
QPoint LucieFoundation(int f)
{
    return Centre(FoundationPosX[f] + 2 * std::max(0, FoundationCounts[f] - 2), FoundationPosY[f]);
}
int LucieCards(int code) { return LucieFanNext[(code - 1) / 5 + 1][(code - 1) % 5 + 1] - 1; }
const TCardCode& LucieTop(int code) { return PileCards2[(code - 1) / 5 + 1][(code - 1) % 5 + 1][LucieCards(code)]; }
int LucieTopValue(int code) { return PileValues2[(code - 1) / 5 + 1][(code - 1) % 5 + 1][LucieCards(code)]; }

std::vector<QPoint> LucieTargets()
{
    std::vector<QPoint> t;
    for (int code = 1; code <= 18; ++code) {
        t.push_back(LucieFan(code));
        t.push_back({GridX[(code - 1) / 5 + 1][(code - 1) % 5 + 1] + 3, Group5::LucieFanY(code) + 3});
    }
    for (int f = 1; f <= 4; ++f)
        t.push_back(LucieFoundation(f));
    t.push_back({GridX[4][5] + CardWidth, GridY[4][5] + 10});
    return t;
}

std::vector<std::pair<QPoint, QPoint>> LucieMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toFan;
    for (int code = 1; code <= 20; ++code) {
        if (LucieCards(code) <= 0)
            continue;
        const TCardCode& card = LucieTop(code);
        const int value = LucieTopValue(code);
        for (int f = 1; f <= 4; ++f) {
            const int top = Group5::FoundationTop5(f);
            if (top == 0 ? value == 0
                         : top < 13 && FoundationCards[f][top].suit() == card.suit() && FoundationValues[f][top] + 1 == value)
                toFoundation.push_back({LucieFan(code), LucieFoundation(f)});
        }
        for (int q = 1; q <= 20; ++q)
            if (q != code && LucieCards(q) > 0 && LucieTop(q).suit() == card.suit() && LucieTopValue(q) == value + 1)
                toFan.push_back({LucieFan(code), LucieFan(q)});
    }
    toFoundation.insert(toFoundation.end(), toFan.begin(), toFan.end());
    return toFoundation;
}

int LucieFanCards(int row, int place) { return place <= 5 ? LucieFanNext[row][place] - 1 : 0; }

// Stuck in the first two passes locks the table for the reshuffle; only the third ends.
bool LucieEnds()
{
    int count = 0;
    if (!Group5::CountMoves5(count))
        return false;
    for (int f = 1; f <= 4; ++f)
        if (FoundationCounts[f] != 14)
            return PassCount >= 3;
    return true;
}

// ---- Algerian patience ----

int AlzhirCards(int pile)
{
    return pile <= 8 ? PileCounts[pile] - 1 : AlzhirReserveCounts[pile - 10] - 1;
}
QPoint AlzhirTop(int pile)
{
    return pile <= 8 ? Centre(Group5::AlzhirColumnX(pile), Group5::AlzhirTopY(pile))
                     : Centre(AlzhirReserveX[pile - 10], AlzhirReserveY);
}

std::vector<QPoint> AlzhirTargets()
{
    std::vector<QPoint> t;
    for (int p = 1; p <= 8; ++p) {
        t.push_back(AlzhirTop(p));
        t.push_back({Group5::AlzhirColumnX(p) + 3, Group5::AlzhirTopY(p) + 3});
    }
    for (int r = 11; r <= 16; ++r)
        t.push_back(AlzhirTop(r));
    for (int f = 1; f <= 8; ++f)
        t.push_back(Centre(FoundationX[f], FoundationY));
    for (int i = 0; i < 3; ++i)
        t.push_back(Centre(AuxPile2X + 8, AuxPile2Y));
    t.push_back({FoundationX[8] + CardWidth + 8, FoundationY + 5});
    return t;
}

std::vector<std::pair<QPoint, QPoint>> AlzhirMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toColumn;
    for (int pile : {1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16}) {
        const int n = AlzhirCards(pile);
        if (n <= 0)
            continue;
        const TCardCode& card = pile <= 8 ? PileCards[pile][n] : AlzhirReserveCards[pile - 10][n];
        const int value = pile <= 8 ? PileValues[pile][n] : AlzhirReserveValues[pile - 10][n];
        for (int f = 1; f <= 8; ++f)
            if (Group5::AlzhirFitsFoundation(card, value, f))
                toFoundation.push_back({AlzhirTop(pile), Centre(FoundationX[f], FoundationY)});
        for (int q = 1; q <= 8; ++q) {
            if (q == pile)
                continue;
            const int top = PileCounts[q] - 1;
            // A lone card to an empty column goes round in circles: left to chance.
            if ((top == 0 && n > 1) || (top > 0 && Group5::AlzhirFollows(card, value, PileCards[q][top], PileValues[q][top])))
                toColumn.push_back({AlzhirTop(pile), AlzhirTop(q)});
        }
    }
    if (StockCount > 0) {
        const QPoint stock = Centre(AuxPile2X + 8, AuxPile2Y);
        toFoundation.push_back({stock, stock});
    }
    toFoundation.insert(toFoundation.end(), toColumn.begin(), toColumn.end());
    return toFoundation;
}



// ---- Uncle Pelk ----

// Points on the deck image are given this far right of the table's.
constexpr int DeckImageX = 10000;

QPoint PelkColumn(int p) { return Centre(PileBaseX[p], PileBaseY[p]); }
QPoint PelkStock() { return Centre(AuxPile2X + DeckImageX, AuxPile2Y); }
QPoint PelkWaste() { return Centre(AuxPile1X + DeckImageX, AuxPile1Y); }

std::vector<QPoint> PelkTargets()
{
    std::vector<QPoint> t;
    for (int p = 1; p <= 8; ++p) {
        t.push_back(PelkColumn(p));
        t.push_back({PileBaseX[p] + 2, PileBaseY[p] - 20});
    }
    for (int i = 0; i < 4; ++i)
        t.push_back(PelkStock());
    t.push_back(PelkWaste());
    t.push_back({DeckImageX + 5, 5});
    t.push_back({PileBaseX[1], PileBaseY[1] + CardHeight + 12});
    return t;
}

bool PelkBuilds(int h, const TCardCode& card, int value)
{
    const int n = Group5::PelkTopSlot(h);
    if (n == 0 || PileCards[h][n].suit() != card.suit())
        return false;
    return Group5::PelkAceBase[h] ? value == PileValues[h][n] + 1 : value + 1 == PileValues[h][n];
}

bool PelkAceUnder(int h, const TCardCode& card)
{
    const int n = Group5::PelkTopSlot(h);
    return card.rank() == cards::RankAce && n > 0 && !Group5::PelkAceBase[h] && PileCards[h][n].suit() == card.suit()
           && PileValues[h][n] != 1;
}

std::vector<std::pair<QPoint, QPoint>> PelkMoves()
{
    std::vector<std::pair<QPoint, QPoint>> out;
    auto fromDeck = [&](const QPoint& press, const TCardCode& card, int value) {
        for (int h = 1; h <= 8; ++h)
            if (PelkAceUnder(h, card) || (Group5::PelkRefillPending && Group5::PelkColumnWaiting[h])
                || PelkBuilds(h, card, value))
                out.push_back({press, PelkColumn(h)});
    };
    if (WasteCount >= 2)
        fromDeck(PelkWaste(), WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]);
    if (Group5::PelkRefillPending && StockCount > 0)
        fromDeck(PelkStock(), StockCards[StockCount], StockValues[StockCount]);
    for (int s = 1; s <= 8; ++s) {
        const int m = Group5::PelkTopSlot(s);
        if (m == 0 || Group5::PelkAceBase[s])
            continue;
        for (int h = 1; h <= 8; ++h) {
            const int n = Group5::PelkTopSlot(h);
            if (h == s || n == 0 || PileCards[s][m].suit() != PileCards[h][n].suit())
                continue;
            if (Group5::PelkAceBase[h] ? PileValues[s][m] == PileValues[h][n] + 1
                                       : PileValues[s][1] + 1 == PileValues[h][n])
                out.push_back({PelkColumn(s), PelkColumn(h)});
        }
    }
    if (!Group5::PelkRefillPending && (StockCount > 0 || PassCount <= 2))
        out.push_back({PelkStock(), PelkStock()});
    return out;
}

void PelkAdapt(TSoakGame& g)
{
    g.otherImageX = DeckImageX;
    g.otherImage = [] { return static_cast<QWidget*>(Form1->ImageKoloda); };
    // The game shows its result on its own board.
    g.endWindow.clear();
    // The rank question: a rank of the selected column, all of it, or cancel.
    g.onDialog = [rng = std::make_shared<std::mt19937>(17u)](QDialog&) {
        std::vector<int> answers{0, 13};
        if (SelectedPile >= 1 && SelectedPile <= 8)
            for (int s = 1; s <= 13; ++s)
                if (IsCard(PileCards[SelectedPile][s]) && PileValues[SelectedPile][s] >= 1)
                    answers.push_back(PileValues[SelectedPile][s]);
        FQuest::QuestAnswer = answers[std::uniform_int_distribution<std::size_t>(0, answers.size() - 1)(*rng)];
        return 1;
    };
    // A sequence on a foundation is its thirteen cards.
    g.census = [census = g.census] {
        std::vector<TPlace> out = census();
        for (int f = 1; f <= 8; ++f) {
            const char suit = Group5::PelkFoundationSuits[f];
            if (suit == '#')
                continue;
            for (int v = 0; v <= 12; ++v)
                out.push_back({"sequence", f, v + 1,
                               CardKey(TCardCode(cards::RankOrder[v == 0 ? 12 : v - 1], suit)), v});
        }
        return out;
    };
}

int PelkColumnCards(int p) { return Group5::PelkTopSlot(p); }

// ---- Daemon ----

int DemonSlotY(int row) { return ColumnTop + (row - 1) * DemonReserveStep; }

bool DemonOrdered(int c, int row)
{
    for (int k = row + 1; k <= Group5::TopSlot5(c); ++k)
        if (!Group5::DemonFitsTableau(PileCards[c][k], PileValues[c][k], PileCards[c][k - 1], PileValues[c][k - 1]))
            return false;
    return true;
}

bool DemonFoundationTakes(int f, const TCardCode& card, int value)
{
    const int top = Group5::FoundationTop5(f);
    if (top == 0)
        return value == 0 && IsCard(card);
    return top < 13 && Group5::DemonFitsFoundation(card, value, FoundationCards[f][top], FoundationValues[f][top]);
}

bool DemonColumnTakes(int c, const TCardCode& card, int value)
{
    const int top = Group5::TopSlot5(c);
    return top == 0 || Group5::DemonFitsTableau(card, value, PileCards[c][top], PileValues[c][top]);
}

QPoint DemonColumnPoint(int c)
{
    const int top = Group5::TopSlot5(c);
    return Centre(ColumnX[c], DemonSlotY(std::max(1, top)));
}

std::vector<QPoint> DemonTargets()
{
    std::vector<QPoint> t;
    for (int c = 1; c <= 4; ++c) {
        t.push_back(DemonColumnPoint(c));
        for (int row = 1; row < Group5::TopSlot5(c); ++row)
            t.push_back({ColumnX[c] + CardWidth / 2, DemonSlotY(row) + DemonReserveStep / 2});
        t.push_back(Centre(FoundationX[c], FoundationY));
    }
    for (int i = 0; i < 5; ++i)
        t.push_back(Centre(AuxPile2X, AuxPile2Y));
    t.push_back(Centre(AuxPile1X, AuxPile1Y));
    if (DemonReserveCount >= 1 && DemonReserveCount <= 13)
        t.push_back(Centre(DemonReserveX, DemonReserveY[DemonReserveCount]));
    return t;
}

std::vector<std::pair<QPoint, QPoint>> DemonMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toColumn;
    for (int c = 1; c <= 4; ++c) {
        const int top = Group5::TopSlot5(c);
        for (int row = 1; row <= top; ++row) {
            if (!DemonOrdered(c, row))
                continue;
            const QPoint press = row == top ? DemonColumnPoint(c)
                                            : QPoint(ColumnX[c] + CardWidth / 2, DemonSlotY(row) + DemonReserveStep / 2);
            if (row == top)
                for (int f = 1; f <= 4; ++f)
                    if (DemonFoundationTakes(f, PileCards[c][row], PileValues[c][row]))
                        toFoundation.push_back({press, Centre(FoundationX[f], FoundationY)});
            // A whole column onto an empty one changes nothing worth playing.
            for (int q = 1; q <= 4; ++q)
                if (q != c && !(row == 1 && Group5::TopSlot5(q) == 0)
                    && DemonColumnTakes(q, PileCards[c][row], PileValues[c][row]))
                    toColumn.push_back({press, DemonColumnPoint(q)});
        }
    }
    if (WasteCount >= 2) {
        const TCardCode& card = WasteCards[WasteCount - 1];
        const int value = WasteValues[WasteCount - 1];
        const QPoint press = Centre(AuxPile1X, AuxPile1Y);
        for (int f = 1; f <= 4; ++f)
            if (DemonFoundationTakes(f, card, value))
                toFoundation.push_back({press, Centre(FoundationX[f], FoundationY)});
        for (int q = 1; q <= 4; ++q)
            if (DemonColumnTakes(q, card, value))
                toColumn.push_back({press, DemonColumnPoint(q)});
    }
    if (DemonReserveCount >= 1 && DemonReserveCount <= 13) {
        const QPoint press = Centre(DemonReserveX, DemonReserveY[DemonReserveCount]);
        for (int q = 1; q <= 4; ++q)
            if (DemonColumnTakes(q, DemonReserveCards[DemonReserveCount], DemonReserveValues[DemonReserveCount]))
                toColumn.push_back({press, DemonColumnPoint(q)});
    }
    if (StockCount > 0 || PassCount <= 2) {
        const QPoint stock = Centre(AuxPile2X, AuxPile2Y);
        toFoundation.push_back({stock, stock});
    }
    toFoundation.insert(toFoundation.end(), toColumn.begin(), toColumn.end());
    return toFoundation;
}

// Column runs are carried by drag in every mode; waste and reserve go by two clicks.
bool DemonDragsFrom(const QPoint& press)
{
    int pile = 0, row = 0, kind = 0;
    Group5::DemonHitTest(press.x(), press.y(), pile, row, kind);
    return kind == Group5::DemonColumn;
}

// ---- Clover ----

bool CloverFoundationTakes(int f, const TCardCode& card, int value)
{
    const int top = Group5::FoundationTop5(f);
    return top > 0 && top < 13 && card.suit() == FoundationCards[f][top].suit() && value - 1 == FoundationValues[f][top];
}

std::vector<QPoint> CloverTargets()
{
    std::vector<QPoint> t;
    for (int n = 1; n <= 16; ++n) {
        t.push_back(Centre(Group5::KleverPileX(n), Group5::KleverTopY(n)));
        t.push_back({Group5::KleverPileX(n) + 4, (n <= 8 ? PosY[1] : PosY[2]) + 4});
    }
    for (int f = 1; f <= 4; ++f)
        t.push_back(Centre(FoundationX[f], FoundationY));
    return t;
}

std::vector<std::pair<QPoint, QPoint>> CloverMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toFan;
    for (int n = 1; n <= 16; ++n) {
        const int top = Group5::TopSlot5(n);
        if (top == 0)
            continue;
        const QPoint press = Centre(Group5::KleverPileX(n), Group5::KleverTopY(n));
        for (int f = 1; f <= 4; ++f)
            if (CloverFoundationTakes(f, PileCards[n][top], PileValues[n][top]))
                toFoundation.push_back({press, Centre(FoundationX[f], FoundationY)});
        for (int q = 1; q <= 16; ++q) {
            const int qt = Group5::TopSlot5(q);
            if (q != n && qt > 0
                && Group5::KleverFits(PileCards[n][top], PileValues[n][top], PileCards[q][qt], PileValues[q][qt]))
                toFan.push_back({press, Centre(Group5::KleverPileX(q), Group5::KleverTopY(q))});
        }
    }
    toFoundation.insert(toFoundation.end(), toFan.begin(), toFan.end());
    return toFoundation;
}

// ---- Miss Milligan ----

int MissSlotY(int c, int slot) { return PosY[1] + ColumnStep[c] * (slot - 1); }

QPoint MissTopPoint(int c) { return Centre(PosX[c], PosY[1] + ColumnStep[c] * (PileCounts[c] - 2)); }

bool MissOrdered(int c, int row)
{
    const int top = Group5::TopSlot5(c);
    if (top - row + 1 > 13)
        return false;
    for (int k = row; k < top; ++k)
        if (!Group5::DemonFitsTableau(PileCards[c][k + 1], PileValues[c][k + 1], PileCards[c][k], PileValues[c][k]))
            return false;
    return true;
}

std::vector<QPoint> MissTargets()
{
    std::vector<QPoint> t;
    for (int c = 1; c <= 10; ++c) {
        t.push_back(MissTopPoint(c));
        for (int row = 1; row < Group5::TopSlot5(c); ++row)
            t.push_back({PosX[c] + CardWidth / 2, MissSlotY(c, row) + ColumnStep[c] / 2});
    }
    for (int f = 1; f <= 8; ++f)
        t.push_back(Centre(FoundationX[f], FoundationY));
    for (int i = 0; i < 3; ++i)
        t.push_back(Centre(AuxPile2X, AuxPile2Y));
    return t;
}

std::vector<std::pair<QPoint, QPoint>> MissMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toColumn;
    for (int c = 1; c <= 10; ++c) {
        const int top = Group5::TopSlot5(c);
        for (int row = 1; row <= top; ++row) {
            if (!MissOrdered(c, row))
                continue;
            const QPoint press = row == top ? MissTopPoint(c)
                                            : QPoint(PosX[c] + CardWidth / 2, MissSlotY(c, row) + ColumnStep[c] / 2);
            if (row == top)
                for (int f = 1; f <= 8; ++f)
                    if (Group5::MissFitsFoundation(PileCards[c][row], f))
                        toFoundation.push_back({press, Centre(FoundationX[f], FoundationY)});
            for (int d = 1; d <= 10; ++d) {
                const int dt = Group5::TopSlot5(d);
                const int n = top - row + 1;
                if (d == c || (row == 1 && dt == 0) || dt + n > 30)
                    continue;
                if (Group5::MissFits(PileCards[c][row], dt == 0 ? cards::Empty : PileCards[d][dt]))
                    toColumn.push_back({press, MissTopPoint(d)});
            }
        }
    }
    if (StockCount > 0) {
        const QPoint stock = Centre(AuxPile2X, AuxPile2Y);
        toFoundation.push_back({stock, stock});
    }
    toFoundation.insert(toFoundation.end(), toColumn.begin(), toColumn.end());
    return toFoundation;
}

// ---- Crescent and Open Crescent ----

bool CrescentFoundationTakes(int f, const TCardCode& card, int value)
{
    const int top = Group5::FoundationTop5(f);
    return top > 0 && top < 13 && card.suit() == FoundationCards[f][top].suit()
        && value + (f <= 4 ? 1 : -1) == FoundationValues[f][top];
}

QPoint CrescentTop(int p) { return Centre(Group5::CrescentTopX(p), Group5::CrescentTopY(p)); }

std::vector<QPoint> CrescentTargets()
{
    std::vector<QPoint> t;
    for (int p = 1; p <= 16; ++p) {
        t.push_back(CrescentTop(p));
        t.push_back({Group5::CrescentTopX(p) + 3, Group5::CrescentTopY(p) + 3});
    }
    for (int f = 1; f <= 8; ++f)
        t.push_back(Centre(FoundationPosX[f], FoundationPosY[f]));
    return t;
}

std::vector<std::pair<QPoint, QPoint>> CrescentMoves()
{
    std::vector<std::pair<QPoint, QPoint>> toFoundation;
    std::vector<std::pair<QPoint, QPoint>> toPile;
    for (int p = 1; p <= 16; ++p) {
        const int top = Group5::TopSlot5(p);
        if (top == 0)
            continue;
        const TCardCode& card = PileCards[p][top];
        const int value = PileValues[p][top];
        for (int f = 1; f <= 8; ++f)
            if (CrescentFoundationTakes(f, card, value))
                toFoundation.push_back({CrescentTop(p), Centre(FoundationPosX[f], FoundationPosY[f])});
        for (int q = 1; q <= 16; ++q) {
            const int qt = Group5::TopSlot5(q);
            if (q != p && qt > 0 && card.suit() == PileCards[q][qt].suit() && std::abs(value - PileValues[q][qt]) == 1)
                toPile.push_back({CrescentTop(p), CrescentTop(q)});
        }
    }
    toFoundation.insert(toFoundation.end(), toPile.begin(), toPile.end());
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
        [] {
            TGroup5Soak e{Group5::Daemon, "Daemon", 4, nullptr, 4, false, true, true, DemonTargets, DemonMoves};
            e.demonReserve = true;
            e.dragsFrom = DemonDragsFrom;
            return e;
        }(),
        [] {
            TGroup5Soak e{Group5::Clover, "Clover", 16, Group5::KleverFanStep, 4, false, false, false,
                          CloverTargets, CloverMoves};
            e.buttonWhenNoMove = true;
            return e;
        }(),
        [] {
            TGroup5Soak e{Group5::Miss, "MissMilligan", 10, Group5::MissFanStep, 8, false, true, false,
                          MissTargets, MissMoves};
            e.stockDealSkipsEndTest = true;
            e.dragsInEveryMode = true;
            return e;
        }(),
        [] {
            TGroup5Soak e{Group5::Crescent, "Crescent", 16, GameState::CrescentFanStep, 8, false, false, false,
                          CrescentTargets, CrescentMoves};
            e.downFoundations = 4;
            e.buttonWhenNoMove = true;
            return e;
        }(),
        [] {
            TGroup5Soak e{Group5::OpenCrescent, "OpenCrescent", 16, GameState::CrescentFanStep, 8, false, false, false,
                          CrescentTargets, CrescentMoves};
            e.downFoundations = 4;
            e.buttonWhenNoMove = true;
            return e;
        }(),
        {Group5::BusyAces, "BusyAces", 0, nullptr, 8, false, true, true, BusyAcesTargets, BusyAcesMoves,
         BusyAcesFanCards, 0, 0, BusyAcesEnds},
        {Group5::Lucie, "Lucie", 0, nullptr, 4, false, false, false, LucieTargets, LucieMoves, LucieFanCards, 0, 0,
         LucieEnds},
        {Group5::UnclePelk, "UnclePelk", 8, nullptr, 0, false, true, true, PelkTargets, PelkMoves, nullptr, 0, 0,
         nullptr, PelkColumnCards, PelkAdapt},
        {Group5::Alzhir, "Alzhir", 8, GameState::AlzhirFanStep, 8, false, true, false, AlzhirTargets, AlzhirMoves, nullptr, 6, 5,
         nullptr},
    };
    return games;
}

TSoakGame SoakGroup5(const TGroup5Soak& e)
{
    TSoakGame g;
    // The stock before the last event, and whether that event dealt from it.
    auto stockSeen = std::make_shared<std::pair<int, bool>>(0, false);

    g.deal = [stockSeen] {
        PlayerSlot = 6;
        Group5::NewDeal5(false);
        if (RoundPhase != 1)
            return false;
        RoundStart::Button7Click(*Form1);
        *stockSeen = {StockCount, false};
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

    g.check = [e, stockSeen]() -> QString {
        stockSeen->second = StockCount < stockSeen->first;
        stockSeen->first = StockCount;
        for (int p = 1; p <= 16; ++p) {
            const int n = p > e.columns ? 0 : e.columnCards ? e.columnCards(p) : PileCounts[p] - 1;
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
            for (int p = 1; p <= 6; ++p) {
                const int n = e.fanCards ? e.fanCards(r, p) : 0;
                if (n < 0 || n > 15 || !Exactly(PileCards2[r][p], 15, n))
                    return e.fanCards ? QStringLiteral("fan %1/%2 does not hold exactly its %3 cards").arg(r).arg(p).arg(n)
                                      : QStringLiteral("fan %1/%2, which the game does not have, holds a card").arg(r).arg(p);
            }
        for (int f = 1; f <= 8; ++f) {
            const int n = f <= e.foundations ? FoundationCounts[f] - 1 : 0;
            if (n < 0 || n > 13 || !Exactly(FoundationCards[f], 49, n))
                return f <= e.foundations ? QStringLiteral("foundation %1 does not hold exactly its %2 cards").arg(f).arg(n)
                                          : QStringLiteral("foundation %1, which the game does not have, holds a card").arg(f);
            const bool down = e.foundationsDown || f <= e.downFoundations
                || (e.firstFoundationDown != 0 && f >= e.firstFoundationDown);
            const int first = down ? 12 : 0;
            if (n >= 1 && FoundationValues[f][1] != first)
                return QStringLiteral("foundation %1 starts with value %2").arg(f).arg(FoundationValues[f][1]);
            for (int s = 2; s <= n; ++s)
                if (FoundationCards[f][s].suit() != FoundationCards[f][1].suit()
                    || int(FoundationValues[f][s]) - int(FoundationValues[f][s - 1]) != (down ? -1 : 1))
                    return QStringLiteral("foundation %1 is out of suit order at slot %2").arg(f).arg(s);
        }
        // The stock counts its cards, the waste cards + 1.
        const int stock = e.stock ? StockCount : 0;
        if (stock < 0 || stock > 104 || !Exactly(StockCards, 104, stock))
            return QStringLiteral("the stock does not hold exactly its %1 cards").arg(StockCount);
        const int waste = e.waste ? WasteCount - 1 : 0;
        if (waste < 0 || waste > 104 || !Exactly(WasteCards, 104, waste))
            return QStringLiteral("the waste does not hold exactly its %1 cards").arg(WasteCount - 1);
        for (int r = 1; r <= 6; ++r) {
            const int n = r <= e.reserves ? AlzhirReserveCounts[r] - 1 : 0;
            if (n < 0 || n > 16 || !Exactly(AlzhirReserveCards[r], 16, n))
                return r <= e.reserves ? QStringLiteral("reserve %1 does not hold exactly its %2 cards").arg(r).arg(n)
                                       : QStringLiteral("reserve %1, which the game does not have, holds a card").arg(r);
        }
        const int reserve = e.demonReserve ? DemonReserveCount : 0;
        if (reserve < 0 || reserve > 13 || !Exactly(DemonReserveCards, 13, reserve))
            return e.demonReserve ? QStringLiteral("the Daemon reserve does not hold exactly its %1 cards").arg(reserve)
                                  : QStringLiteral("the Daemon reserve holds a card in a game without it");
        if (DragActive && !IsCard(TargetCard))
            return QStringLiteral("a drag is active with no card in the hand");
        return {};
    };

    g.targets = e.targets;
    g.moves = e.moves;
    g.buttons = soak::ActionButtonPresses;
    g.softlock = [moves = e.moves]() -> QString {
        // A click selection is taken back by clicking it again, which frees the give-up.
        if (!moves().empty() || StockCount > 0 || Form1->Button8->isEnabled() || SelectedPile != 0)
            return {};
        return QStringLiteral("no move, no stock and no action button");
    };
    g.dragsInEveryMode = e.dragsInEveryMode;
    if (e.dragsFrom)
        g.dragsFrom = e.dragsFrom;
    g.buttonWhenNoMove = e.buttonWhenNoMove;
    g.endTestHolds = [endTest = e.endTest, skipAfterDeal = e.stockDealSkipsEndTest, stockSeen] {
        if (skipAfterDeal && stockSeen->second)
            return false;
        if (endTest)
            return endTest();
        int count = 0;
        return Group5::IsGameWon5() || Group5::CountMoves5(count);
    };
    if (e.adapt)
        e.adapt(g);
    return g;
}

} // namespace soak
