// The group-2 counters' accessors, the Golf grids, the fit tests, the move count and the
// won test: pure functions over the table state.
#include "games/group2/Qyv_Help2_2.h"

namespace Group2 {

using namespace GameState;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

bool SameSuit(const TCardCode& a, const TCardCode& b) { return a.suit() == b.suit(); }

constexpr Byte AceValue = 0;
constexpr Byte KingValue = 12;

int PileCount(int game) { return game == FunDeuces ? 10 : 12; }

// The slot below a next-free counter, 0 for an empty place (or a counter out of range).
int TopBelow(int next, int size) { return next >= 2 && next - 1 <= size ? next - 1 : 0; }

} // namespace

bool IsGolf(int game)
{
    return game == GolfPeak || game == GolfThreePeaks || game == GolfRug || game == GolfDiamond ||
           game == GolfBlock;
}

bool IsTulipFamily(int game) { return game == Tulip || game == BlueTulip || game == Paganini; }

bool IsDeucesOrNap(int game) { return game == FunDeuces || game == NapoleonSquare; }

bool IsGroup2Game(int game) { return IsGolf(game) || IsTulipFamily(game) || IsDeucesOrNap(game); }

int PileTopSlot2(int Pile) { return TopBelow(PileCounts[Pile], 104); }
bool PileEmpty2(int Pile) { return PileTopSlot2(Pile) == 0; }
int FoundationTopSlot2(int Foundation) { return TopBelow(FoundationCounts[Foundation], 49); }
bool FoundationEmpty2(int Foundation) { return FoundationTopSlot2(Foundation) == 0; }

int WasteTopSlot2()
{
    return TopBelow(IsGolf(CurrentGameId) ? WasteCount : ExtraPileCount, 104);
}
bool WasteEmpty2() { return WasteTopSlot2() == 0; }
int StockTopSlot2() { return StockCount >= 1 && StockCount <= 104 ? StockCount : 0; }
bool StockEmpty2() { return StockTopSlot2() == 0; }

int GolfColumns2()
{
    switch (CurrentGameId) {
    case GolfPeak:
    case GolfDiamond: return 13;
    case GolfThreePeaks: return 19;
    case GolfRug: return 7;
    case GolfBlock: return 17;
    default: return 0;
    }
}

int GolfRows2()
{
    switch (CurrentGameId) {
    case GolfPeak:
    case GolfDiamond:
    case GolfBlock: return 7;
    case GolfThreePeaks: return 4;
    case GolfRug: return 5;
    default: return 0;
    }
}

int GolfLayers2()
{
    if (CurrentGameId == GolfBlock)
        return 4;
    return IsGolf(CurrentGameId) ? 1 : 0;
}

TCardCode& GolfCard2(int p, int k, int l)
{
    return CurrentGameId == GolfBlock ? PileCards2[p][k][l] : PileCards[p][k];
}

Byte& GolfValue2(int p, int k, int l)
{
    return CurrentGameId == GolfBlock ? PileValues2[p][k][l] : PileValues[p][k];
}

Byte& GolfFaceUp2(int p, int k, int l)
{
    return CurrentGameId == GolfBlock ? PileMarks2[p][k][l] : PileFaceUp[p][k];
}

int GolfCardsLeft2()
{
    int n = 0;
    for (int l = 1; l <= GolfLayers2(); ++l)
        for (int k = 1; k <= GolfRows2(); ++k)
            for (int p = 1; p <= GolfColumns2(); ++p)
                if (HoldsCard(GolfCard2(p, k, l)))
                    ++n;
    return n;
}

bool GolfFits2(Byte value)
{
    const int top = WasteTopSlot2();
    if (top == 0 || value == cards::EmptyValue)
        return false;
    const int d = value > WasteValues[top] ? value - WasteValues[top] : WasteValues[top] - value;
    return d == 1 || d == 12;
}

bool FitsPile2(const TCardCode& c, Byte v, int Pile)
{
    const int top = PileTopSlot2(Pile);
    if (top == 0)
        return true;
    const TCardCode& t = PileCards[Pile][top];
    const Byte tv = PileValues[Pile][top];
    if (!SameSuit(c, t))
        return false;
    if (v + 1 == tv)
        return true;
    return CurrentGameId == FunDeuces && tv == AceValue && v == KingValue;
}

bool FitsFoundation2(const TCardCode& c, Byte v, int Foundation)
{
    const int top = FoundationTopSlot2(Foundation);
    if (top == 0)
        return CurrentGameId == NapoleonSquare && v == AceValue;
    if (top >= 13)
        return false;
    const TCardCode& t = FoundationCards[Foundation][top];
    const Byte tv = FoundationValues[Foundation][top];
    if (!SameSuit(c, t))
        return false;
    if (v == tv + 1)
        return true;
    return CurrentGameId == FunDeuces && tv == KingValue && v == AceValue;
}

bool CountMoves2(int& Count)
{
    const int game = CurrentGameId;
    Count = 0;
    bool stuck = StockCount == 0;

    if (IsGolf(game)) {
        for (int l = 1; l <= GolfLayers2(); ++l)
            for (int k = 1; k <= GolfRows2(); ++k)
                for (int p = 1; p <= GolfColumns2(); ++p)
                    if (GolfFaceUp2(p, k, l) != 0 && GolfFits2(GolfValue2(p, k, l)))
                        ++Count;
        return stuck && Count == 0;
    }
    if (!IsDeucesOrNap(game))
        return stuck;

    const bool nap = game == NapoleonSquare;
    const int piles = PileCount(game);
    int emptyPiles = 0;
    for (int p = 1; p <= piles; ++p)
        if (PileEmpty2(p))
            ++emptyPiles;
    int emptyFoundations = 0;
    for (int f = 1; f <= 8; ++f)
        if (FoundationEmpty2(f))
            ++emptyFoundations;
    // However many empty places would take the same card, they are one move.
    const int sameCardExtra = nap && emptyFoundations >= 2 ? emptyFoundations - 1 : 0;

    if (const int w = WasteTopSlot2()) {
        const TCardCode& c = WasteCards[w];
        const Byte v = WasteValues[w];
        for (int p = 1; p <= piles; ++p)
            if (FitsPile2(c, v, p))
                ++Count;
        if (emptyPiles >= 2)
            Count -= emptyPiles - 1;
        for (int f = 1; f <= 8; ++f)
            if (FitsFoundation2(c, v, f))
                ++Count;
        if (v == AceValue)
            Count -= sameCardExtra;
    }

    if (emptyPiles > 0)
        stuck = false;
    for (int i = 1; i <= piles; ++i) {
        const int si = PileTopSlot2(i);
        // Fun Deuces moves only a pile's last card onto another pile.
        if (si == 0 || (!nap && si != 1))
            continue;
        for (int j = 1; j <= piles; ++j)
            if (j != i && !PileEmpty2(j) && FitsPile2(PileCards[i][si], PileValues[i][si], j))
                ++Count;
    }

    for (int p = 1; p <= piles; ++p) {
        const int s = PileTopSlot2(p);
        if (s == 0)
            continue;
        for (int f = 1; f <= 8; ++f)
            if (FitsFoundation2(PileCards[p][s], PileValues[p][s], f))
                ++Count;
        if (PileValues[p][s] == AceValue)
            Count -= sameCardExtra;
    }

    if (Count > 0)
        stuck = false;
    return stuck;
}

bool IsGameWon2()
{
    const int game = CurrentGameId;
    auto emptyAt = [](int p, int k) { return !HoldsCard(GolfCard2(p, k)); };
    switch (game) {
    case FunDeuces:
    case NapoleonSquare:
        for (int f = 1; f <= 8; ++f)
            if (FoundationCounts[f] != 14)
                return false;
        return true;
    case GolfPeak: return emptyAt(7, 1);
    case GolfThreePeaks: return emptyAt(4, 1) && emptyAt(10, 1) && emptyAt(16, 1);
    case GolfRug:
        for (int p = 1; p <= 7; ++p)
            if (!emptyAt(p, 1))
                return false;
        return true;
    case GolfDiamond: return emptyAt(4, 1) && emptyAt(6, 1) && emptyAt(8, 1) && emptyAt(10, 1);
    case GolfBlock:
        for (int p = 1; p <= 17; ++p)
            for (int k = 1; k <= 7; ++k)
                if (HoldsCard(PileCards2[p][k][1]))
                    return false;
        return true;
    default: return false;
    }
}

} // namespace Group2
