// The group-5 rules: card fits, fan steps, the move count and the won test.
#include "games/group5/Qyv_Help2_5.h"

#include "foundation/Scaling.h"

#include <algorithm>

namespace Group5 {

using namespace GameState;
using Scaling::RoundHalfEven;
using Scaling::Scaled;

namespace {

bool SameSuit(const TCardCode& a, const TCardCode& b) { return a.suit() == b.suit(); }

bool ColoursDiffer(const TCardCode& a, const TCardCode& b)
{
    return (cards::isRed(a) && cards::isBlack(b)) || (cards::isBlack(a) && cards::isRed(b));
}

bool IsAce(const TCardCode& c) { return c.rank() == cards::RankAce; }
bool IsKing(const TCardCode& c) { return c.rank() == cards::RankKing; }

int Clamp(int slot, int last) { return std::clamp(slot, 0, last); }

int LucieTop(int r, int p) { return Clamp(LucieFanNext[r][p] - 1, 15); }

// May the pile top `card` go onto foundation f, which starts with an Ace and builds up
// in the suit of its base card (Daemon, 40 Thieves, Miss Milligan, Clover)?
bool FitsUpFoundation(const TCardCode& card, int value, int f)
{
    const int top = FoundationTop5(f);
    if (top == 0)
        return IsAce(card);
    return SameSuit(card, FoundationCards[f][1]) && value == FoundationValues[f][top] + 1;
}

// Is every pile p of 1..piles one same-suit run falling by one from slot 1 up?
bool EverySuitRunFalls(int piles)
{
    for (int p = 1; p <= piles; ++p) {
        const int top = TopSlot5(p);
        for (int s = 1; s < top; ++s) {
            const TCardCode& lower = PileCards[p][s];
            const TCardCode& upper = PileCards[p][s + 1];
            if (!SameSuit(lower, upper) || PileValues[p][s + 1] + 1 != PileValues[p][s])
                return false;
        }
    }
    return true;
}

// Lowest slot of the alternating-colour run falling by one that ends at column p's top;
// 0 for an empty column.
int MissRunStart(int p)
{
    int s = TopSlot5(p);
    while (s >= 2 && ColoursDiffer(PileCards[p][s], PileCards[p][s - 1])
           && PileValues[p][s - 1] == PileValues[p][s] + 1)
        --s;
    return s;
}

bool CountLucie(int& count)
{
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 5; ++p) {
            const int top = LucieTop(r, p);
            if (top == 0)
                continue;
            const TCardCode& card = PileCards2[r][p][top];
            const int value = PileValues2[r][p][top];
            for (int f = 1; f <= 4; ++f) {
                if (IsAce(card))
                    ++count; // once for every foundation, as the info panel has always shown it
                const int ft = FoundationTop5(f);
                if (ft > 0 && SameSuit(card, FoundationCards[f][ft]) && value == FoundationValues[f][ft] + 1)
                    ++count;
            }
        }
    for (int r1 = 1; r1 <= 4; ++r1)
        for (int p1 = 1; p1 <= 5; ++p1)
            for (int r2 = 1; r2 <= 4; ++r2)
                for (int p2 = 1; p2 <= 5; ++p2) {
                    const int t1 = LucieTop(r1, p1);
                    const int t2 = LucieTop(r2, p2);
                    if (t1 == 0 || t2 == 0)
                        continue;
                    if (SameSuit(PileCards2[r1][p1][t1], PileCards2[r2][p2][t2])
                        && PileValues2[r1][p1][t1] == PileValues2[r2][p2][t2] + 1)
                        ++count;
                }
    return count == 0;
}

bool CountCrescent(int& count)
{
    for (int p = 1; p <= 16; ++p) {
        const int top = TopSlot5(p);
        if (top == 0)
            continue;
        const TCardCode& card = PileCards[p][top];
        const int value = PileValues[p][top];
        for (int f = 1; f <= 8; ++f) {
            const int ft = FoundationTop5(f);
            if (ft == 0 || !SameSuit(card, FoundationCards[f][ft]))
                continue;
            const int step = f <= 4 ? -1 : 1; // Kings build down, Aces up
            if (value == FoundationValues[f][ft] + step)
                ++count;
        }
        for (int q = 1; q <= 16; ++q) {
            const int qt = TopSlot5(q);
            if (q == p || qt == 0)
                continue;
            if (SameSuit(card, PileCards[q][qt]) && std::abs(value - PileValues[q][qt]) == 1)
                ++count;
        }
    }
    return count == 0 && PassCount >= 5;
}

} // namespace

// Algerian patience: foundations 1-4 climb from the Ace, 5-8 fall from the King; on the
// columns a card goes on its suit one higher or one lower, King and Ace following each
// other either way round.
bool AlzhirFitsFoundation(const TCardCode& card, int value, int f)
{
    const int ft = FoundationTop5(f);
    if (ft == 0) {
        const bool lowHalf = f <= 4;
        if (!(lowHalf ? IsAce(card) : IsKing(card)))
            return false;
        for (int g = lowHalf ? 1 : 5; g <= (lowHalf ? 4 : 8); ++g)
            if (FoundationCards[g][1] == card)
                return false; // each half starts a suit once
        return true;
    }
    return SameSuit(card, FoundationCards[f][ft]) && value == FoundationValues[f][ft] + (f <= 4 ? 1 : -1);
}

bool AlzhirFollows(const TCardCode& card, int value, const TCardCode& target, int targetValue)
{
    if (!SameSuit(card, target))
        return false;
    const int d = std::abs(value - targetValue);
    return d == 1 || d == 12;
}

namespace {

// One kind of source (columns, then reserves) against the foundations: once a half has
// a fitting foundation, that half is not looked at again for this kind.
void AlzhirToFoundations(const TCardCode& card, int value, bool& upDone, bool& downDone, int& count)
{
    for (int f = 1; f <= 8; ++f) {
        bool& done = f <= 4 ? upDone : downDone;
        if (!done && AlzhirFitsFoundation(card, value, f)) {
            ++count;
            done = true;
        }
    }
}

bool CountAlzhir(int& count)
{
    bool upDone = false, downDone = false;
    for (int p = 1; p <= 8; ++p) {
        const int top = TopSlot5(p);
        if (top > 0)
            AlzhirToFoundations(PileCards[p][top], PileValues[p][top], upDone, downDone, count);
    }
    upDone = downDone = false;
    for (int r = 1; r <= 6; ++r) {
        const int top = Clamp(AlzhirReserveCounts[r] - 1, 16);
        if (top > 0)
            AlzhirToFoundations(AlzhirReserveCards[r][top], AlzhirReserveValues[r][top], upDone, downDone, count);
    }
    // Onto the columns. An empty target counts for every source, empty or not: with all
    // eight columns empty that makes 104, which is shown as 0.
    const auto ontoColumns = [&count](const TCardCode& card, int value, int except) {
        for (int q = 1; q <= 8; ++q) {
            if (q == except)
                continue;
            const int qt = TopSlot5(q);
            if (qt == 0 || AlzhirFollows(card, value, PileCards[q][qt], PileValues[q][qt]))
                ++count;
        }
    };
    for (int p = 1; p <= 8; ++p) {
        const int top = TopSlot5(p);
        ontoColumns(top > 0 ? PileCards[p][top] : cards::Empty, top > 0 ? PileValues[p][top] : cards::EmptyValue, p);
    }
    for (int r = 1; r <= 6; ++r) {
        const int top = Clamp(AlzhirReserveCounts[r] - 1, 16);
        ontoColumns(top > 0 ? AlzhirReserveCards[r][top] : cards::Empty,
                    top > 0 ? AlzhirReserveValues[r][top] : cards::EmptyValue, 0);
    }
    const bool stuck = count == 0 && StockCount == 0;
    if (count == 104)
        count = 0;
    return stuck;
}

bool CountDaemon(int& count)
{
    const auto toFoundation = [](const TCardCode& card, int value) {
        for (int f = 1; f <= 4; ++f)
            if (FitsUpFoundation(card, value, f))
                return true;
        return false;
    };
    const auto toColumn = [](const TCardCode& card, int value) {
        for (int q = 1; q <= 4; ++q) {
            const int qt = TopSlot5(q);
            if (qt == 0 || DemonFitsTableau(card, value, PileCards[q][qt], PileValues[q][qt]))
                return true;
        }
        return false;
    };
    for (int p = 1; p <= 4; ++p) {
        const int top = TopSlot5(p);
        if (top > 0 && toFoundation(PileCards[p][top], PileValues[p][top]))
            ++count;
    }
    const int wt = Clamp(WasteCount - 1, 104);
    if (wt > 0) {
        if (toFoundation(WasteCards[wt], WasteValues[wt]))
            ++count;
        if (toColumn(WasteCards[wt], WasteValues[wt]))
            ++count;
    }
    const int rt = Clamp(DemonReserveCount, 13);
    if (rt > 0 && toColumn(DemonReserveCards[rt], DemonReserveValues[rt]))
        ++count;
    for (int p = 1; p <= 4; ++p) {
        if (TopSlot5(p) == 0)
            continue;
        for (int q = 1; q <= 4; ++q) {
            const int qt = TopSlot5(q);
            if (q != p && qt > 0 && DemonFitsTableau(PileCards[p][1], PileValues[p][1], PileCards[q][qt], PileValues[q][qt])) {
                ++count;
                break;
            }
        }
    }
    return PassCount >= 3 && count == 0 && StockCount == 0;
}

bool CountClover(int& count)
{
    for (int p = 1; p <= 16; ++p) {
        const int top = TopSlot5(p);
        if (top == 0)
            continue;
        const TCardCode& card = PileCards[p][top];
        const int value = PileValues[p][top];
        for (int f = 1; f <= 4; ++f) {
            const int ft = FoundationTop5(f);
            if (ft > 0 && SameSuit(card, FoundationCards[f][1]) && value == FoundationValues[f][ft] + 1) {
                ++count;
                break;
            }
        }
        for (int q = 1; q <= 16; ++q) {
            const int qt = TopSlot5(q);
            if (q != p && qt > 0 && KleverFits(card, value, PileCards[q][qt], PileValues[q][qt])) {
                ++count;
                break;
            }
        }
    }
    return PassCount >= 3 && count == 0;
}

bool AnyFoundationTakes(const TCardCode& card, int value)
{
    for (int f = 1; f <= 8; ++f)
        if (FitsUpFoundation(card, value, f))
            return true;
    return false;
}

bool CountFortyThieves(int& count)
{
    for (int p = 1; p <= 10; ++p) {
        const int top = TopSlot5(p);
        if (top == 0)
            continue;
        const TCardCode& card = PileCards[p][top];
        const int value = PileValues[p][top];
        if (AnyFoundationTakes(card, value))
            ++count;
        for (int q = 1; q <= 10; ++q) {
            if (q == p)
                continue;
            const int qt = TopSlot5(q);
            if (qt == 0) {
                ++count;
                break;
            }
            // A card moved onto the very card it already lies on changes nothing.
            const bool same = top >= 2 && PileCards[p][top - 1] == PileCards[q][qt];
            if (!same && KleverFits(card, value, PileCards[q][qt], PileValues[q][qt])) {
                ++count;
                break;
            }
        }
    }
    const int wt = Clamp(WasteCount - 1, 104);
    if (wt > 0) {
        const TCardCode& card = WasteCards[wt];
        const int value = WasteValues[wt];
        if (AnyFoundationTakes(card, value))
            ++count;
        for (int q = 1; q <= 10; ++q) {
            const int qt = TopSlot5(q);
            if (qt > 0 && KleverFits(card, value, PileCards[q][qt], PileValues[q][qt])) {
                ++count;
                break;
            }
        }
        for (int q = 1; q <= 10; ++q)
            if (TopSlot5(q) == 0) {
                ++count;
                break;
            }
    }
    return count == 0 && StockCount == 0;
}

bool CountMiss(int& count)
{
    for (int p = 1; p <= 10; ++p) {
        const int top = TopSlot5(p);
        if (top > 0 && AnyFoundationTakes(PileCards[p][top], PileValues[p][top]))
            ++count;
    }
    for (int c = 1; c <= 10; ++c) {
        const int top = TopSlot5(c);
        if (top == 0)
            continue;
        const int start = MissRunStart(c);
        for (int d = 1; d <= 10; ++d) {
            if (d == c)
                continue;
            const int dt = TopSlot5(d);
            if (dt == 0) {
                ++count;
                continue;
            }
            const TCardCode& target = PileCards[d][dt];
            for (int s = start; s <= top; ++s) {
                const bool same = s >= 2 && PileCards[c][s - 1] == target;
                if (!same && MissFits(PileCards[c][s], target)) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count == 0 && StockCount == 0;
}

} // namespace

bool HoldsCard5(const TCardCode& c) { return cards::pictureIndex(c) != 0; }

int TopSlot5(int p) { return Clamp(PileCounts[p] - 1, 104); }

int FoundationTop5(int f) { return Clamp(FoundationCounts[f] - 1, 49); }

bool DemonFitsTableau(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue)
{
    return ColoursDiffer(Card, Target) && CardValue + 1 == TargetValue;
}

bool KleverFits(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue)
{
    return SameSuit(Card, Target) && CardValue + 1 == TargetValue;
}

bool MissFits(const TCardCode& Card, const TCardCode& Target)
{
    if (Target.rank() == '#')
        return true;
    if (!ColoursDiffer(Card, Target) || IsAce(Card))
        return false;
    const int card = cards::rankOrder(Card.rank());
    const int target = cards::rankOrder(Target.rank());
    // rankOrder puts the Ace above the King; the King is the highest rank here.
    return card >= 0 && target == card + 1 && !IsAce(Target);
}

int LucieFanStep(int Cards)
{
    if (Cards <= 5)
        return Scaled(13);
    return (GridX[1][2] - GridX[1][1] - CardWidth - Scaled(8)) / (Cards - 1) - Scaled(2);
}

int KleverFanStep(int Pile)
{
    const int n = PileCounts[Pile];
    if (n <= 5)
        return Scaled(17);
    return RoundHalfEven(static_cast<double>(PosY[2] - PosY[1] - CardHeight - Scaled(5)) / (n - 2));
}

int FortyThievesFanStep(int Pile)
{
    const int n = PileCounts[Pile];
    return n <= 7 ? Scaled(20) : Scaled(20) - Scaled(n - 7);
}

int MissFanStep(int Pile)
{
    const int n = PileCounts[Pile];
    if (n <= 8)
        return Scaled(25);
    return RoundHalfEven(static_cast<double>(Scaled(230) - Scaled(20)) / (n - 1));
}

bool CountMoves5(int& Count)
{
    const int game = CurrentGameId;
    if (game == UnclePelk)
        return CountPelk();
    if (game == BusyAces)
        return false;
    Count = 0;
    switch (game) {
    case Lucie: return CountLucie(Count);
    case Crescent:
    case OpenCrescent: return CountCrescent(Count);
    case Alzhir: return CountAlzhir(Count);
    case Daemon: return CountDaemon(Count);
    case Clover: return CountClover(Count);
    case FortyThieves: return CountFortyThieves(Count);
    case Miss: return CountMiss(Count);
    default: return false;
    }
}

bool IsGameWon5()
{
    switch (CurrentGameId) {
    case Crescent:
    case OpenCrescent:
    case Alzhir:
        for (int f = 1; f <= 8; ++f)
            if (FoundationCounts[f] != 14)
                return false;
        return true;
    case Daemon: return WasteCount == 1 && StockCount == 0 && DemonReserveCount == 0;
    case Clover: return EverySuitRunFalls(16);
    case FortyThieves: return EverySuitRunFalls(10) && WasteCount == 1 && StockCount == 0;
    case Miss:
        for (int p = 1; p <= 10; ++p)
            if (MissRunStart(p) > 1)
                return false;
        return StockCount == 0;
    default: return false;
    }
}

} // namespace Group5
