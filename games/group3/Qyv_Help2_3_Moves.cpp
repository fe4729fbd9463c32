// The group-3 move search: the stuck test of every game and the moves its panel shows,
// and Picture Gallery's placement test.
#include "games/group3/Qyv_Help2_3.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include "games/group3/Qyv_41_Sad.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

namespace {

// The code of the card of rank index `rank` in `suit`.
TCardCode CodeOf(int rank, char suit)
{
    return TCardCode(rank == 0 ? cards::RankAce : cards::RankOrder[rank - 1], suit);
}

bool ColoursDiffer(const TCardCode& a, const TCardCode& b)
{
    return (cards::isRed(a) && cards::isBlack(b)) || (cards::isBlack(a) && cards::isRed(b));
}

// Counts moves of one game: `Add` counts one and clears the stuck flag.
struct Tally {
    int count = 0;
    bool stuck = true;
    void Add(int n = 1)
    {
        count += n;
        stuck = false;
    }
};

bool PictureGalleryStuck()
{
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r) {
            const TCardCode& bottom = PileCards2[c][r][1];
            if (!HoldsCard3(bottom) || RankIndex3(bottom) == r) // a 2, 3 or 4 is its row's base
                continue;
            const int n = PGGalleryCount[c][r];
            if (n >= 1 && n <= 4 && PGRowFits(PileCards2[c][r][n]))
                return false;
        }
    for (int i = 1; i <= 10; ++i) {
        const int n = PGReserveCount[i];
        if (HoldsCard3(GalleryCards[i][1]) && n >= 1 && n <= 8 && PGRowFits(GalleryCards[i][n]))
            return false;
    }
    return true;
}

bool DesireStuck()
{
    for (int c = 1; c <= 8; ++c) {
        const int n = PileCounts[c];
        if (n < 1 || n > 104)
            continue;
        const int rank = RankIndex3(PileCards[c][n]);
        for (int f = 1; f <= 8; ++f) {
            const int below = RankIndex3(FoundationCards[f][1]);
            if (rank >= 0 && below >= 0 && rank == (below + 1) % 13)
                return false;
        }
    }
    return true;
}

bool TwentyStuck()
{
    bool emptyPlace = false;
    bool pileOfTwo = false;
    for (int a = 1; a <= 7; ++a)
        for (int b = 1; b <= 3; ++b) {
            if (a == 7 && b == 3)
                continue;
            const int next = TwentyPileNext[a][b];
            if (next >= 3)
                pileOfTwo = true;
            if (!HoldsCard3(PileCards2[a][b][1]))
                emptyPlace = true;
            if (next < 2 || next > 16)
                continue;
            const TCardCode& top = PileCards2[a][b][next - 1];
            const int v = PileValues2[a][b][next - 1];
            for (int f = 1; f <= 8; ++f) {
                const int fn = FoundationCounts[f];
                if (fn < 2 || fn > 14)
                    continue;
                const TCardCode& ftop = FoundationCards[f][fn - 1];
                const int w = FoundationValues[f][fn - 1];
                if (top.suit() == ftop.suit() && v == (f % 2 == 1 ? w + 1 : w - 1))
                    return false;
            }
        }
    // A lone card moved between empty places changes nothing.
    return !(emptyPlace && pileOfTwo);
}

Tally CalculationMoves()
{
    Tally t;
    for (int c = 1; c <= 4; ++c) {
        const int n = PileCounts[c];
        if (n < 2)
            continue;
        const int v = PileValues[c][n - 1];
        for (int k = 1; k <= 4; ++k) {
            const int w = FoundationValues[k][FoundationCounts[k] - 1];
            if (v == w + k || (v == w + k - 13 && w != 12))
                t.Add();
        }
    }
    t.stuck = ExtraPileCount == 0 && t.count == 0;
    return t;
}

bool SultanFits(const TCardCode& card, int v, int r, int c)
{
    const int n = SultanNext[r][c];
    if (n < 2 || n > 14)
        return false;
    const TCardCode& top = SultanCards[r][c][n - 1];
    const int w = SultanValues[r][c][n - 1];
    return card.suit() == top.suit() && (v == w + 1 || (w == 12 && v == 0));
}

int SultanFoundationsTaking(const TCardCode& card, int v)
{
    int n = 0;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            if (!(r == 2 && c == 2) && SultanFits(card, v, r, c))
                ++n;
    return n;
}

Tally SultanMoves()
{
    Tally t;
    for (int s = 1; s <= 6; ++s)
        if (HoldsCard3(SultanReserveCards[s]))
            if (const int n = SultanFoundationsTaking(SultanReserveCards[s], SultanReserveValues[s]))
                t.Add(n);
    if (ExtraPileCount >= 2) {
        const int top = ExtraPileCount - 1;
        if (const int n = SultanFoundationsTaking(WasteCards[top], WasteValues[top]))
            t.Add(n);
        for (int s = 1; s <= 6; ++s)
            if (!HoldsCard3(SultanReserveCards[s])) {
                t.Add();
                break;
            }
    }
    if (t.stuck)
        t.stuck = StockCount == 0 && PassCount >= 3;
    return t;
}

bool BackboneFitsFoundation(const TCardCode& card, int v, int f)
{
    const int n = BackboneFoundationNext[f];
    if (n == 1)
        return v == 0;
    return n >= 2 && n <= 14 && card.suit() == FoundationCards[f][n - 1].suit() && v == FoundationValues[f][n - 1] + 1;
}

bool BackboneFitsAnyFoundation(const TCardCode& card, int v)
{
    for (int f = 1; f <= 8; ++f)
        if (BackboneFitsFoundation(card, v, f))
            return true;
    return false;
}

bool BackboneFitsColumn(const TCardCode& card, int v, int s, int k)
{
    const int n = BackboneColumnNext[s][k];
    if (n == 1)
        return true;
    return n >= 2 && n <= 14 && card.suit() == PileCards2[s][k][n - 1].suit() && v == PileValues2[s][k][n - 1] - 1;
}

struct Loose {
    TCardCode card;
    int value;
};

// The backbone cards a move may take: the tail while it lies there, then the free end
// of each row.
int BackboneFreeEnds(Loose (&out)[2], bool& tail)
{
    tail = HoldsCard3(BackboneCards[1][11]);
    if (tail) {
        out[0] = {BackboneCards[1][11], BackboneValues[1][11]};
        return 1;
    }
    int n = 0;
    for (int r = 1; r <= 2; ++r)
        for (int i = 10; i >= 1; --i)
            if (HoldsCard3(BackboneCards[r][i])) {
                out[n++] = {BackboneCards[r][i], BackboneValues[r][i]};
                break;
            }
    return n;
}

Tally BackboneMoves()
{
    Tally t;
    int empty = 0;
    int filled = 0;
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= 4; ++k)
            (BackboneColumnNext[s][k] == 1 ? empty : filled) += 1;
    auto columnTop = [](int s, int k) {
        const int n = BackboneColumnNext[s][k];
        return Loose{PileCards2[s][k][n - 1], PileValues2[s][k][n - 1]};
    };

    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= 4; ++k)
            if (BackboneColumnNext[s][k] >= 2) {
                const Loose top = columnTop(s, k);
                if (BackboneFitsAnyFoundation(top.card, top.value))
                    t.Add();
            }
    Loose ends[2];
    bool tail = false;
    const int endCount = BackboneFreeEnds(ends, tail);
    for (int e = 0; e < endCount; ++e)
        if (BackboneFitsAnyFoundation(ends[e].card, ends[e].value))
            t.Add();
    if (ExtraPileCount >= 2) {
        const Loose waste{WasteCards[ExtraPileCount - 1], WasteValues[ExtraPileCount - 1]};
        if (BackboneFitsAnyFoundation(waste.card, waste.value))
            t.Add();
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                if (BackboneFitsColumn(waste.card, waste.value, s, k))
                    t.Add();
        if (empty >= 2)
            t.count -= empty - 1;
    }
    // Every empty column is one target, not as many as there are.
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= 4; ++k) {
            if (BackboneColumnNext[s][k] < 2)
                continue;
            const Loose top = columnTop(s, k);
            for (int s2 = 1; s2 <= 2; ++s2)
                for (int k2 = 1; k2 <= 4; ++k2)
                    if (!(s2 == s && k2 == k) && BackboneFitsColumn(top.card, top.value, s2, k2))
                        t.Add();
        }
    if (empty >= 2)
        t.count -= (empty - 1) * filled;
    for (int e = 0; e < endCount; ++e)
        for (int s = 1; s <= 2; ++s)
            for (int k = 1; k <= 4; ++k)
                if (BackboneFitsColumn(ends[e].card, ends[e].value, s, k))
                    t.Add();
    if (empty >= 2)
        t.count -= (empty - 1) * endCount;
    // With stock and waste both empty the passes are over, whichever pass runs.
    if (t.stuck)
        t.stuck = StockCount == 0 && (PassCount >= 2 || ExtraPileCount <= 1);
    return t;
}

bool CarpetFitsFoundation(const TCardCode& card, int v, int f)
{
    const int n = FoundationCounts[f];
    return n >= 2 && n <= 14 && card.suit() == FoundationCards[f][n - 1].suit() && v == FoundationValues[f][n - 1] + 1;
}

Tally CarpetMoves()
{
    Tally t;
    bool emptyPlace = false;
    for (int f = 1; f <= 4; ++f)
        for (int a = 1; a <= 5; ++a)
            for (int b = 1; b <= 4; ++b)
                if (HoldsCard3(PileCards[a][b]) && CarpetFitsFoundation(PileCards[a][b], PileValues[a][b], f))
                    t.Add();
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= 4; ++b)
            if (!HoldsCard3(PileCards[a][b]))
                emptyPlace = true;
    if (ExtraPileCount >= 2) {
        const int top = ExtraPileCount - 1;
        for (int f = 1; f <= 4; ++f)
            if (CarpetFitsFoundation(WasteCards[top], WasteValues[top], f)) {
                t.Add();
                break;
            }
        if (emptyPlace)
            t.Add();
    }
    if (t.stuck)
        t.stuck = StockCount == 0;
    return t;
}

Tally FigMoves()
{
    Tally t;
    for (int a = 1; a <= 15; ++a) {
        const int na = PileCounts[a];
        if (na < 1 || na > 104)
            continue;
        for (int b = 1; b <= 15; ++b) {
            const int nb = PileCounts[b];
            if (b == a)
                continue;
            if (nb == 0 || (nb >= 1 && nb <= 3 && PileValues[b][nb] == PileValues[a][na]))
                t.Add();
        }
    }
    return t;
}

// Flower garden and 8 Sages: an Ace on an empty foundation, or the next card of the
// foundation's suit.
bool FitsSuitFoundation(const TCardCode& card, int v, int f)
{
    const int n = FoundationCounts[f];
    if (n == 1)
        return v == 0;
    return n >= 2 && n <= 14 && card.suit() == FoundationCards[f][1].suit() && v == FoundationValues[f][n - 1] + 1;
}

bool FitsAnySuitFoundation(const TCardCode& card, int v, int foundations)
{
    for (int f = 1; f <= foundations; ++f)
        if (FitsSuitFoundation(card, v, f))
            return true;
    return false;
}

// The lowest position of the movable run of column c (0 for an empty column).
int RunStart(int c)
{
    const int top = std::min(PileCounts[c] - 1, 20);
    if (top < 1)
        return 0;
    int r = top;
    while (r >= 2 && ColoursDiffer(PileCards[c][r - 1], PileCards[c][r]) && PileValues[c][r - 1] == PileValues[c][r] + 1)
        --r;
    return r;
}

Tally FlowerGardenMoves()
{
    Tally t;
    auto top = [](int c) { return PileCounts[c] >= 2 ? PileCards[c][PileCounts[c] - 1] : cards::Empty; };
    for (int c = 1; c <= 6; ++c)
        if (PileCounts[c] >= 2 && FitsAnySuitFoundation(top(c), PileValues[c][PileCounts[c] - 1], 4))
            t.Add();
    for (int i = 1; i <= 16; ++i)
        if (HoldsCard3(SadReserveCards[i])
            && (SadReserveValues[i] == 0 || FitsAnySuitFoundation(SadReserveCards[i], SadReserveValues[i], 4)))
            t.Add();
    for (int c1 = 1; c1 <= 6; ++c1) {
        const int start = RunStart(c1);
        if (start == 0)
            continue;
        const int last = std::min(PileCounts[c1] - 1, 20);
        for (int c2 = 1; c2 <= 6; ++c2) {
            if (c2 == c1)
                continue;
            for (int p = start; p <= last; ++p)
                if (SadFitsTableau(PileCards[c1][p], top(c2))) {
                    t.Add();
                    break;
                }
        }
    }
    for (int i = 1; i <= 16; ++i) {
        if (!HoldsCard3(SadReserveCards[i]))
            continue;
        for (int c = 1; c <= 6; ++c)
            if (SadFitsTableau(SadReserveCards[i], top(c))) {
                t.Add();
                break;
            }
    }
    return t;
}

Tally EightSagesMoves()
{
    Tally t;
    for (int c = 1; c <= 8; ++c) {
        const int n = PileCounts[c];
        if (n >= 2 && FitsAnySuitFoundation(PileCards[c][n - 1], PileValues[c][n - 1], 8))
            t.Add();
    }
    if (WasteCount >= 2) {
        const TCardCode& card = WasteCards[WasteCount - 1];
        const int v = WasteValues[WasteCount - 1];
        if (v == 0 || FitsAnySuitFoundation(card, v, 8))
            t.Add();
        for (int c = 1; c <= 8; ++c) {
            const int n = PileCounts[c];
            if (n <= 1) {
                t.Add();
                break;
            }
            if (ColoursDiffer(card, PileCards[c][n - 1]) && PileValues[c][n - 1] == v + 1)
                t.Add();
        }
    }
    if (t.stuck)
        t.stuck = PassCount >= 2 && StockCount == 0;
    return t;
}

} // namespace

bool PGPlaceTakes(int Column, int Row, const TCardCode& Card)
{
    const int rank = RankIndex3(Card);
    if (rank < 1 || cards::suitOrder(Card.suit()) < 0 || Row != (rank - 1) % 3 + 1)
        return false;
    const int slot = (rank - 1) / 3 + 1;
    if (slot == 1)
        return !HoldsCard3(PileCards2[Column][Row][1]);
    return PileCards2[Column][Row][slot - 1] == CodeOf(rank - 3, Card.suit())
           && !HoldsCard3(PileCards2[Column][Row][slot]);
}

bool PGRowFits(const TCardCode& Card)
{
    const int rank = RankIndex3(Card);
    if (rank == 0)
        return true;
    if (rank < 1)
        return false;
    const int row = (rank - 1) % 3 + 1;
    for (int c = 1; c <= 8; ++c)
        if (PGPlaceTakes(c, row, Card))
            return true;
    return false;
}

bool SultanPlaceTakes3(const TCardCode& card, int value, int r, int c)
{
    return r >= 1 && r <= 3 && c >= 1 && c <= 3 && !(r == 2 && c == 2) && SultanNext[r][c] <= 13
           && SultanFits(card, value, r, c);
}

bool BackboneFoundationTakes3(const TCardCode& card, int value, int f)
{
    return f >= 1 && f <= 8 && BackboneFitsFoundation(card, value, f);
}

bool BackboneColumnTakes3(const TCardCode& card, int value, int s, int k)
{
    return s >= 1 && s <= 2 && k >= 1 && k <= 4 && BackboneFitsColumn(card, value, s, k);
}

bool CarpetFoundationTakes3(const TCardCode& card, int value, int f)
{
    return f >= 1 && f <= 4 && CarpetFitsFoundation(card, value, f);
}

int ColumnRunStart3(int c)
{
    return RunStart(c);
}

bool CountMoves3(int& MoveCount)
{
    MoveCount = 0;
    Tally t;
    switch (CurrentGameId) {
    case PictureGallery: return PictureGalleryStuck();
    case Desire: return DesireStuck();
    case Twenty: return TwentyStuck();
    case Calculation: t = CalculationMoves(); break;
    case Sultan: t = SultanMoves(); break;
    case Backbone: t = BackboneMoves(); break;
    case Carpet: t = CarpetMoves(); break;
    case Fig: t = FigMoves(); break;
    case FlowerGarden: t = FlowerGardenMoves(); break;
    case EightSages: t = EightSagesMoves(); break;
    default: return false;
    }
    MoveCount = t.count;
    return t.stuck;
}

bool NoMoveLeft3()
{
    int moves = 0;
    return CountMoves3(moves);
}

} // namespace Group3
