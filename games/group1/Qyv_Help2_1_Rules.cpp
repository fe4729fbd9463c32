// Rules, hit tests and end tests of the group-1 games.
#include "games/group1/Qyv_Help2_1.h"

#include "foundation/Scaling.h"

namespace Group1 {

using namespace GameState;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

// Rank characters from the ace up; "#" (an empty pile) stands above the king.
constexpr char RankLadder[14] = {cards::RankAce, '2', '3', '4', '5', '6', '7', '8', '9',
                                 cards::RankTen, cards::RankJack, cards::RankQueen,
                                 cards::RankKing, '#'};

int LadderIndex(char rank)
{
    for (int i = 0; i < 14; ++i)
        if (RankLadder[i] == rank)
            return i;
    return -1;
}

// Order on a foundation: ace 0 .. king 12, -1 for no card.
int FoundationOrder(char rank)
{
    const int i = LadderIndex(rank);
    return i >= 0 && i <= 12 ? i : -1;
}

bool IsRedSuit(char s) { return s == cards::SuitHearts || s == cards::SuitDiamonds; }
bool IsBlackSuit(char s) { return s == cards::SuitClubs || s == cards::SuitSpades; }

int PileCount(int game)
{
    switch (game) {
    case VardelinDuo: case ScorpionDuo: case SpiderSolo: case SpiderDuo: case SpiderQuartet:
        return 10;
    case YukonDuo:
        return 9;
    case FreeCell:
        return 8;
    default:
        return 7;
    }
}

const TCardCode& TopCard(int pile) { return PileCards[pile][PileCardCount[pile]]; }

// Moves of a face-up card (with everything on it) onto another pile, counted once per
// target pile; a king already at the bottom of its pile does not count for empty piles.
int TableauMoves(int piles)
{
    int count = 0;
    for (int t = 1; t <= piles; ++t) {
        for (int s = 1; s <= piles; ++s) {
            if (s == t)
                continue;
            for (int j = 1; j <= SlotCount; ++j) {
                const TCardCode& c = PileCards[s][j];
                if (!HoldsCard(c) || PileFaceUp[s][j] != 1)
                    continue;
                if (PileCardCount[t] > 0 && FitsTableau1(c, TopCard(t)))
                    ++count;
                else if (c.rank() == cards::RankKing && j > 1 && PileCardCount[t] == 0)
                    ++count;
            }
        }
    }
    return count;
}

int FoundationCount(int game)
{
    return game == VardelinDuo || game == YukonDuo || IsSpider(game) ? 8 : 4;
}

// The first foundation of the game that takes the card, 0 for none.
int AcceptingFoundation(const TCardCode& card)
{
    const int foundations = FoundationCount(CurrentGameId);
    for (int f = 1; f <= foundations; ++f)
        if (FitsFoundation1(card, f))
            return f;
    return 0;
}

int CountFoundations(const TCardCode& card)
{
    // An ace fits every empty foundation; it counts as one move.
    if (card.rank() == cards::RankAce)
        return AcceptingFoundation(card) ? 1 : 0;
    int n = 0;
    for (int f = 1; f <= 4; ++f)
        if (FitsFoundation1(card, f))
            ++n;
    return n;
}

int CardsIn(const Cards104& places, int first, int last)
{
    int n = 0;
    for (int s = first; s <= last; ++s)
        if (HoldsCard(places[s]))
            ++n;
    return n;
}

int LayerTopY(const Cards104& places)
{
    const int n = CardsIn(places, 1, 50);
    const int layers = n == 0 ? 0 : (n - 1) / 10 + 1;
    return TopRowY - 2 * (layers - 1);
}

bool CountMovesVardelin()
{
    const bool duo = CurrentGameId == VardelinDuo;
    const int piles = duo ? 10 : 7;
    bool won = true;
    for (int p = 1; p <= piles; ++p)
        if (LastCardIndex1(PileCards[p]) >= 2 && PileFaceUp[p][1] != 1)
            won = false;
    if (CardsIn(WasteCards, 1, duo ? 104 : 52) > 0)
        won = false;
    GameWon = won;
    return won;
}

bool CountMovesScorpion(int& Count)
{
    const int piles = PileCount(CurrentGameId);
    Count = TableauMoves(piles);
    bool complete = true;
    for (int p = 1; p <= piles && complete; ++p) {
        if (PileCardCount[p] == 0)
            continue;
        for (int j = 1; j <= 13; ++j) {
            if (!HoldsCard(PileCards[p][j]) || PileCards[p][j].suit() != PileCards[p][1].suit()) {
                complete = false;
                break;
            }
            if (j <= 12 && PileValues[p][j] != PileValues[p][j + 1] + 1) {
                complete = false;
                break;
            }
        }
    }
    GameWon = Count == 0 && complete;
    return Count == 0;
}

bool CountMovesYukon(int& Count)
{
    const bool duo = CurrentGameId == YukonDuo;
    const int piles = duo ? 9 : 7;
    const int downRange = duo ? 9 : 7;
    Count = TableauMoves(piles);
    for (int p = 1; p <= piles; ++p)
        if (PileCardCount[p] > 0 && AcceptingFoundation(TopCard(p)) != 0)
            ++Count;

    bool won = true;
    for (int p = 1; p <= piles && won; ++p) {
        for (int s = 1; s <= downRange; ++s)
            if (HoldsCard(PileCards[p][s]) && PileFaceUp[p][s] != 1)
                won = false;
        if (PileCardCount[p] == 0)
            continue;
        for (int s = 2; s <= SlotCount && won; ++s)
            if (HoldsCard(PileCards[p][s]) && HoldsCard(PileCards[p][s - 1])
                && !FitsTableau1(PileCards[p][s], PileCards[p][s - 1]))
                won = false;
    }
    GameWon = won;
    return Count == 0 || won;
}

bool CountMovesSpider()
{
    bool won = true;
    for (int p = 1; p <= 10; ++p)
        if (LastCardIndex1(PileCards[p]) >= 2 && (PileFaceUp[p][1] != 1 || PileMarks[p][1] == 0))
            won = false;
    if (CardsIn(WasteCards, 1, 104) > 0)
        won = false;
    GameWon = won;
    return won;
}

bool CountMovesFreeCell(int& Count)
{
    bool ordered = true;
    for (int p = 1; p <= 8; ++p)
        for (int j = 1; j + 1 <= PileCardCount[p]; ++j)
            if (!FitsTableau1(PileCards[p][j + 1], PileCards[p][j]))
                ordered = false;

    bool stuck = true;
    bool cellEmpty = false;
    for (int c = 1; c <= 4; ++c)
        if (!HoldsCard(FreeCellCards[c]))
            cellEmpty = true;
    if (cellEmpty)
        stuck = false;
    Count = 0;
    bool easyMove = false; // to a cell or to a foundation

    if (cellEmpty)
        for (int p = 1; p <= 8; ++p)
            if (PileCardCount[p] > 0) {
                ++Count;
                easyMove = true;
            }

    for (int c = 1; c <= 4; ++c) {
        const TCardCode& card = FreeCellCards[c];
        if (!HoldsCard(card))
            continue;
        if (const int n = CountFoundations(card); n > 0) {
            Count += n;
            stuck = false;
            easyMove = true;
        }
        for (int q = 1; q <= 8; ++q)
            if (PileCardCount[q] == 0 || FitsTableau1(card, TopCard(q))) {
                ++Count;
                stuck = false;
            }
    }

    for (int p = 1; p <= 8; ++p)
        if (PileCardCount[p] > 0)
            if (const int n = CountFoundations(TopCard(p)); n > 0) {
                Count += n;
                stuck = false;
                easyMove = true;
            }

    for (int p = 1; p <= 8; ++p) {
        if (PileCardCount[p] == 0)
            continue;
        for (int q = 1; q <= 8; ++q)
            if (q != p && (PileCardCount[q] == 0 || FitsTableau1(TopCard(p), TopCard(q)))) {
                ++Count;
                stuck = false;
            }
    }

    GameWon = ordered;
    GiveUpAllowed = !easyMove;
    return ordered || stuck;
}

} // namespace

bool IsVardelin(int game) { return game == VardelinDuo || game == VardelinSolo; }
bool IsYukon(int game) { return game == YukonSolo || game == YukonDuo; }
bool IsScorpion(int game) { return game == ScorpionSolo || game == ScorpionDuo; }
bool IsSpider(int game)
{
    return game == SpiderSolo || game == SpiderDuo || game == SpiderQuartet;
}
bool IsGroup1Game(int game)
{
    return IsVardelin(game) || IsYukon(game) || IsScorpion(game) || IsSpider(game)
        || game == FreeCell;
}

int LastCardIndex1(const Cards104& pile)
{
    int last = 0;
    for (int s = 1; s <= SlotCount; ++s)
        if (HoldsCard(pile[s]))
            last = s;
    return last;
}

int FanStep1(int Pile)
{
    const int n = CardsIn(PileCards[Pile], 1, SlotCount);
    int limit = 11;
    if (IsScorpion(CurrentGameId))
        limit = 16;
    else if (CurrentGameId == FreeCell)
        limit = 10;
    if (n <= limit)
        return Scaling::Scaled(20);
    return static_cast<int>(static_cast<double>(ColumnsHeight - CardHeight) / (n - 1));
}

bool FitsTableau1(const TCardCode& Card, const TCardCode& Target)
{
    const int game = CurrentGameId;
    const char cardRank = Card.rank();
    const char targetRank = Target.rank();
    bool fits = true;

    if (IsVardelin(game) || IsYukon(game) || game == FreeCell) {
        const char a = Card.suit();
        const char b = Target.suit();
        if ((IsRedSuit(a) && IsRedSuit(b)) || (IsBlackSuit(a) && IsBlackSuit(b)))
            fits = false;
    }
    if (IsScorpion(game) && Card.suit() != Target.suit()
        && !(cardRank == cards::RankKing && targetRank == '#'))
        fits = false;
    if (IsVardelin(game) && cardRank == cards::RankAce)
        fits = false;

    const int i = LadderIndex(cardRank);
    if (i < 0 || i > 12 || RankLadder[i + 1] != targetRank)
        fits = false;

    if (IsSpider(game) && targetRank == '#')
        fits = true;
    if (game == FreeCell && Target == cards::Empty)
        fits = true;
    return fits;
}

bool FitsFoundation1(const TCardCode& Card, int Foundation)
{
    const auto& f = FoundationCards[Foundation];
    int last = 0;
    for (int s = 1; s <= 13; ++s)
        if (HoldsCard(f[s]))
            last = s;
    const int order = FoundationOrder(Card.rank());
    if (order < 0 || order != last)
        return false;
    return last == 0 || f[1].suit() == Card.suit();
}

bool HitTest1(int X, int Y, int& Pile, int& Card, int& Kind)
{
    Pile = 0;
    Card = 0;
    Kind = KindNothing;
    bool hit = false;
    const int game = CurrentGameId;
    const bool freeCell = game == FreeCell;
    const int piles = LayoutPileCount;

    auto pileX = [&](int p) { return freeCell ? ColumnX[p] : SpecialX[p]; };
    const int top = freeCell ? ColumnTop : ColumnsTopY;

    for (int p = 1; p <= piles; ++p) {
        const int x = pileX(p);
        if (!(x < X && X < x + CardWidth))
            continue;
        for (int s = 1; s <= SlotCount - 1; ++s) {
            const int t = top + (s - 1) * PileFanStep[p];
            if (!(t < Y && Y < t + CardHeight))
                continue;
            const bool holds = HoldsCard(PileCards[p][s]);
            if ((!holds && s == 1) || (holds && !HoldsCard(PileCards[p][s + 1]))) {
                Pile = p;
                Card = s;
                Kind = KindPile;
                hit = true;
            }
        }
    }

    if (freeCell) {
        for (int c = 1; c <= 4; ++c)
            if (FreeCellX[c] < X && X < FreeCellX[c] + CardWidth && FreeCellY < Y
                && Y < FreeCellY + CardHeight) {
                Pile = c;
                Card = 0;
                Kind = KindFoundationOrCell;
                hit = true;
            }
        for (int f = 1; f <= 4; ++f)
            if (FoundationX[f] < X && X < FoundationX[f] + CardWidth && FoundationY < Y
                && Y < FoundationY + CardHeight) {
                Pile = f;
                Card = 0;
                Kind = KindWasteOrFoundation;
                hit = true;
            }
        return hit;
    }

    if (!hit) {
        for (int p = 1; p <= piles; ++p) {
            const int x = SpecialX[p];
            if (!(x < X && X < x + CardWidth))
                continue;
            for (int s = 1; s <= SlotCount - 1; ++s) {
                const int t = ColumnsTopY + (s - 1) * PileFanStep[p];
                if (t < Y && Y < t + PileFanStep[p] && HoldsCard(PileCards[p][s])) {
                    Pile = p;
                    Card = s;
                    Kind = KindPile;
                }
            }
        }
    }

    // Foundations stand over piles k+1 .. k+count of the top row. Spider-Quartet gets the
    // same top-row areas as its two sisters.
    int k = -1;
    int foundations = 0;
    if (game == VardelinDuo || IsSpider(game)) {
        k = 2;
        foundations = 8;
    } else if (game == VardelinSolo || game == YukonSolo) {
        k = 3;
        foundations = 4;
    } else if (game == YukonDuo) {
        k = 1;
        foundations = 8;
    }
    if (foundations > 0) {
        const int first = SpecialX[k + 1];
        const int last = SpecialX[k + foundations] + CardWidth;
        if (first < X && X < last && TopRowY < Y && Y < TopRowY + CardHeight) {
            for (int f = 1; f <= foundations; ++f) {
                const int q = f + k;
                if (SpecialX[q] < X && X < SpecialX[q] + CardWidth && TopRowY <= Y
                    && Y <= TopRowY + CardHeight) {
                    Pile = f;
                    Card = 0;
                    Kind = KindFoundationOrCell;
                    hit = true;
                }
            }
        }
    }

    if (IsVardelin(game) || IsSpider(game)) {
        const int wy = WasteTopY1();
        if (SpecialX[2] <= X && X <= SpecialX[2] + CardWidth && wy <= Y && Y <= wy + CardHeight) {
            Pile = 0;
            Card = 0;
            Kind = KindWasteOrFoundation;
            hit = true;
        }
    }
    return hit;
}

int StockTopY1() { return LayerTopY(StockCards); }
int WasteTopY1() { return LayerTopY(WasteCards); }

bool CountMoves1(int& Count)
{
    const int game = CurrentGameId;
    if (IsVardelin(game))
        return CountMovesVardelin();
    if (IsScorpion(game))
        return CountMovesScorpion(Count);
    if (IsYukon(game))
        return CountMovesYukon(Count);
    if (IsSpider(game))
        return CountMovesSpider();
    if (game == FreeCell)
        return CountMovesFreeCell(Count);
    return false;
}

int VardelinWasteCards()
{
    return CardsIn(WasteCards, 1, CurrentGameId == VardelinDuo ? 104 : 52);
}

int VardelinFaceDownCards()
{
    const int piles = CurrentGameId == VardelinDuo ? 10 : 7;
    int n = 0;
    for (int p = 1; p <= piles; ++p)
        for (int s = 1; s <= 22; ++s)
            if (HoldsCard(PileCards[p][s]) && PileFaceUp[p][s] == 0)
                ++n;
    return n;
}

int ComputeScore1()
{
    const int bonus = GameWon ? (4 - PassCount) * 100 : 0;
    return 300 + bonus - 2 * VardelinWasteCards() - VardelinFaceDownCards() - MoveCounter
        - 5 * CountCoveredPiles1();
}

int CountCoveredPiles1()
{
    const int piles = CurrentGameId == VardelinDuo ? 10 : 7;
    int n = 0;
    for (int p = 1; p <= piles; ++p)
        if (LastCardIndex1(PileCards[p]) >= 2 && PileFaceUp[p][1] == 0)
            ++n;
    return n;
}

} // namespace Group1
