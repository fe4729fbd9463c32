// Where the piles, foundations, stock and waste of Fun Deuces and Napoleon Square lie,
// and which of them a table point hits.
#include "games/group2/Qyv_Help2_2.h"

namespace Group2 {

using namespace GameState;

namespace {

// The piles run up the left side, along the top and down the right side of the frame:
// (column, row) of each pile on the PosX / PosY grid.
constexpr int DeucesPiles[10][2] = {{1, 3}, {1, 2}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {6, 2}, {6, 3}};
constexpr int NapPiles[12][2] = {{1, 4}, {1, 3}, {1, 2}, {1, 1}, {2, 1}, {3, 1},
                                 {4, 1}, {5, 1}, {6, 1}, {6, 2}, {6, 3}, {6, 4}};

// Both edges of the card rectangle count.
bool InCard(int X, int Y, int x, int y)
{
    return X >= x && X <= x + CardWidth && Y >= y && Y <= y + CardHeight;
}

// The card rectangle at (x, y) with its upper edge raised by `raise`.
bool InStack(int X, int Y, int x, int y, int raise)
{
    return X >= x && X <= x + CardWidth && Y >= y - raise && Y <= y + CardHeight;
}

void FoundationPos(int Foundation, int& X, int& Y)
{
    if (Foundation < 1 || Foundation > 8)
        return;
    X = PosX[(Foundation - 1) % 4 + 2];
    Y = PosY[Foundation <= 4 ? 2 : 3];
}

} // namespace

int StackEdgeStep(int Count)
{
    if (Count >= 99)
        return 20;
    return Count <= 0 ? 0 : 2 * (Count / 10);
}

void FunDeucesPilePos(int Pile, int& X, int& Y)
{
    if (Pile < 1 || Pile > 10)
        return;
    X = PosX[DeucesPiles[Pile - 1][0]];
    Y = PosY[DeucesPiles[Pile - 1][1]];
}

void NapPilePos(int Pile, int& X, int& Y)
{
    if (Pile < 1 || Pile > 12)
        return;
    X = PosX[NapPiles[Pile - 1][0]];
    Y = PosY[NapPiles[Pile - 1][1]];
}

void FunDeucesFoundationPos(int Foundation, int& X, int& Y) { FoundationPos(Foundation, X, Y); }

void NapFoundationPos(int Foundation, int& X, int& Y) { FoundationPos(Foundation, X, Y); }

int SquarePileCount2()
{
    switch (CurrentGameId) {
    case FunDeuces: return 10;
    case NapoleonSquare: return 12;
    default: return 0;
    }
}

void SquarePilePos2(int Pile, int& X, int& Y)
{
    if (CurrentGameId == FunDeuces)
        FunDeucesPilePos(Pile, X, Y);
    else if (CurrentGameId == NapoleonSquare)
        NapPilePos(Pile, X, Y);
}

void SquareStockPos2(int& X, int& Y)
{
    if (CurrentGameId == FunDeuces) {
        X = PosX[7];
        Y = PosY[3];
    } else if (CurrentGameId == NapoleonSquare) {
        X = PosX[3];
        Y = PosY[4];
    }
}

void SquareWastePos2(int& X, int& Y)
{
    if (CurrentGameId == FunDeuces) {
        X = PosX[7];
        Y = PosY[1];
    } else if (CurrentGameId == NapoleonSquare) {
        X = PosX[4];
        Y = PosY[4];
    }
}

bool HitTestFoundation2(int X, int Y, int& Foundation)
{
    if (!IsDeucesOrNap(CurrentGameId))
        return false;
    bool hit = false;
    for (int f = 1; f <= 8; ++f) {
        int x = 0, y = 0;
        FoundationPos(f, x, y);
        if (InCard(X, Y, x, y)) {
            Foundation = f;
            hit = true;
        }
    }
    return hit;
}

bool HitTestColumn2(int X, int Y, int& Pile, int& Slot)
{
    Slot = 0;
    bool hit = false;
    for (int p = 1; p <= SquarePileCount2(); ++p) {
        int x = 0, y = 0;
        SquarePilePos2(p, x, y);
        const int n = PileTopSlot2(p);
        if (InCard(X, Y, x, n > 0 ? y - 2 * (n - 1) : y)) {
            Pile = p;
            hit = true;
        }
    }
    return hit;
}

bool HitTestStockWaste2(int X, int Y, int& Kind)
{
    if (!IsDeucesOrNap(CurrentGameId))
        return false;
    int x = 0, y = 0;
    SquareStockPos2(x, y);
    if (InStack(X, Y, x, y, StackEdgeStep(StockCount))) {
        Kind = 2;
        return true;
    }
    SquareWastePos2(x, y);
    if (InStack(X, Y, x, y, StackEdgeStep(ExtraPileCount))) {
        Kind = 1;
        return true;
    }
    return false;
}

} // namespace Group2
