// Group-3 hit tests, the won test and the stack and fan steps.
#include "games/group3/Qyv_Help2_3.h"

#include "foundation/Scaling.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

bool IsGroup3Game(int game)
{
    switch (game) {
    case PictureGallery: case Desire: case Twenty: case Calculation: case Sultan:
    case Backbone: case Carpet: case Fig: case FlowerGarden: case EightSages:
        return true;
    default:
        return false;
    }
}

bool HoldsCard3(const TCardCode& c)
{
    return !c.empty() && !(c == cards::Empty);
}

int RankIndex3(const TCardCode& c)
{
    const int order = cards::rankOrder(c.rank());
    if (order < 0)
        return -1;
    return order == 12 ? 0 : order + 1;
}

namespace {

// The closed card rectangle at (x, y), both far edges included.
bool OnCard(int X, int Y, int x, int y)
{
    return X >= x && X <= x + CardWidth && Y >= y && Y <= y + CardHeight;
}

int Bx(int row, int slot) { return BackboneX[(row - 1) * 11 + slot]; }
int By(int row, int slot) { return BackboneY[(row - 1) * 11 + slot]; }

} // namespace

bool HitTestFoundation3(int X, int Y, int& Pile)
{
    const int game = CurrentGameId;
    bool hit = false;
    auto test = [&](int i, int x, int y) {
        if (OnCard(X, Y, x, y)) {
            Pile = i;
            hit = true;
        }
    };
    switch (game) {
    case PictureGallery:
        for (int i = 1; i <= 8; ++i)
            test(i, TopAreaRect[1] + GalleryColX[i], TopAreaRect[2]);
        break;
    case Desire: case Twenty: case Backbone:
        for (int i = 1; i <= 8; ++i)
            test(i, FoundationPosX[i], FoundationPosY[i]);
        break;
    case Calculation: case Carpet:
        for (int i = 1; i <= 4; ++i)
            test(i, FoundationPosX[i], FoundationPosY[i]);
        break;
    case Sultan:
        for (int i = 1; i <= 6; ++i)
            test(i, SultanReserveX[i], SultanReserveY[i]);
        break;
    default:
        break;
    }
    return hit;
}

bool HitTestColumn3(int X, int Y, int& Pile, int& Pos)
{
    bool hit = false;
    auto test = [&](int i, int j, int x, int y) {
        if (OnCard(X, Y, x, y)) {
            Pile = i;
            Pos = j;
            hit = true;
        }
    };
    switch (CurrentGameId) {
    case PictureGallery:
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 3; ++j)
                test(i, j, MainAreaRect[1] + GalleryColX[i], MainAreaRect[2] + GalleryRowY[j]);
        break;
    case Desire:
        for (int i = 1; i <= 8; ++i)
            test(i, 0, PosX[i], PosY[i] + 2 * (PileCounts[i] - 1));
        break;
    case Twenty:
        for (int i = 1; i <= 7; ++i)
            for (int j = 1; j <= 3; ++j)
                test(i, j, GridX[i][j], GridY[i][j] + 2 * (TwentyPileNext[i][j] - 1));
        break;
    case Calculation:
        for (int i = 1; i <= 4; ++i)
            test(i, 0, PosX[i], PileCounts[i] <= 1 ? PosY[i] : PosY[i] + PileFanStep[i] * (PileCounts[i] - 2));
        break;
    case Sultan:
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                test(i, j, GridX[i][j], GridY[i][j]);
        break;
    case Backbone:
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 4; ++j)
                test(i, j, GridX[i][j], GridY[i][j]);
        break;
    case Carpet:
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 4; ++j)
                test(i, j, GridX[i][j], GridY[i][j]);
        break;
    default:
        break;
    }
    return hit;
}

bool HitTestReserve3(int X, int Y, int& Pile)
{
    auto inBand = [&](int x, int top, int bottom) { return X >= x && X <= x + CardWidth && Y >= top && Y <= bottom; };
    switch (CurrentGameId) {
    case PictureGallery:
        // Only the band of the pile's place answers, however high the pile is drawn.
        for (int i = 1; i <= 10; ++i)
            if (inBand(BottomAreaRect[1] + BottomRowX[i], BottomAreaRect[2], BottomAreaRect[2] + CardHeight)) {
                Pile = i;
                return true;
            }
        return false;
    case Desire:
        for (int i = 1; i <= 11; ++i)
            if (OnCard(X, Y, DesireReserveX[i], DesireReserveY[i])) {
                Pile = i;
                return true;
            }
        return false;
    case Calculation:
        if (OnCard(X, Y, AuxPile1X, AuxPile1Y)) {
            Pile = 1;
            return true;
        }
        return false;
    case Sultan: case Backbone:
        if (inBand(AuxPile2X, AuxPile2Y - StackEdgeStep3(StockCount), AuxPile2Y + CardHeight)) {
            Pile = 1;
            return true;
        }
        if (inBand(AuxPile1X, AuxPile1Y - StackEdgeStep3(ExtraPileCount), AuxPile1Y + CardHeight)) {
            Pile = 2;
            return true;
        }
        return false;
    case Carpet:
        if (OnCard(X, Y, AuxPile2X, AuxPile2Y)) {
            Pile = 1;
            return true;
        }
        if (OnCard(X, Y, AuxPile1X, AuxPile1Y)) {
            Pile = 2;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool HitTestBackbone(int X, int Y, int& Row, int& Slot)
{
    if (CurrentGameId != Backbone)
        return false;
    auto answer = [&](int r, int s) {
        Row = r;
        Slot = s;
        return true;
    };
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 9; ++j)
            if (HoldsCard3(BackboneCards[i][j]) && !HoldsCard3(BackboneCards[i][j + 1]) && OnCard(X, Y, Bx(i, j), By(i, j)))
                return answer(i, j);
    const bool tail = HoldsCard3(BackboneCards[1][11]);
    for (int i = 1; i <= 2; ++i)
        if (!tail && HoldsCard3(BackboneCards[i][10]) && OnCard(X, Y, Bx(i, 10), By(i, 10)))
            return answer(i, 10);
    if (tail && OnCard(X, Y, Bx(1, 11), By(1, 11)))
        return answer(1, 11);
    return false;
}

bool DesireReservesEmpty()
{
    for (int i = 1; i <= 11; ++i)
        if (DesireReserveCounts[i] != 0)
            return false;
    return true;
}

namespace {

bool ColoursDiffer(const TCardCode& a, const TCardCode& b)
{
    return (cards::isRed(a) && cards::isBlack(b)) || (cards::isBlack(a) && cards::isRed(b));
}

// A Flower garden column is one run from its bottom card to its top.
bool FlowerColumnIsOneRun(int c)
{
    if (PileCounts[c] < 2)
        return true;
    int start = PileCounts[c] - 1;
    for (int k = 20; k >= 2; --k) {
        const TCardCode& upper = PileCards[c][k];
        const TCardCode& lower = PileCards[c][k - 1];
        if (!HoldsCard3(upper) || !HoldsCard3(lower))
            continue;
        if (!ColoursDiffer(upper, lower) || PileValues[c][k] + 1 != PileValues[c][k - 1])
            break;
        start = k - 1;
    }
    return start < 2;
}

} // namespace

bool IsGameWon3()
{
    switch (CurrentGameId) {
    case PictureGallery: {
        int done = 0;
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r) {
                const char rank = PileCards2[c][r][4].rank();
                if (rank == cards::RankJack || rank == cards::RankQueen || rank == cards::RankKing)
                    ++done;
            }
        for (int i = 1; i <= 8; ++i)
            if (FoundationCards[i][1].rank() == cards::RankAce)
                ++done;
        return done == 32;
    }
    case Desire:
        if (!DesireReservesEmpty())
            return false;
        for (int c = 1; c <= 8; ++c)
            if (PileCounts[c] != 0)
                return false;
        return true;
    case Twenty:
        for (int f = 1; f <= 8; ++f)
            if (FoundationCounts[f] != 14)
                return false;
        return true;
    case Calculation:
        if (ExtraPileCount != 0)
            return false;
        for (int f = 1; f <= 4; ++f)
            if (FoundationCounts[f] != 14)
                return false;
        return true;
    case Sultan:
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                if (r == 2 && c == 2)
                    continue;
                if (SultanNext[r][c] != (r == 1 && c == 2 ? 13 : 14))
                    return false;
            }
        return true;
    case Backbone:
        for (int f = 1; f <= 8; ++f)
            if (BackboneFoundationNext[f] != 14)
                return false;
        return true;
    case Carpet:
        return StockCount == 0 && WasteCount == 1;
    case Fig:
        for (int p = 1; p <= 15; ++p)
            for (int s = 2; s <= 4; ++s)
                if (PileValues[p][s] != PileValues[p][1])
                    return false;
        return true;
    case FlowerGarden:
        for (int i = 1; i <= 16; ++i)
            if (HoldsCard3(SadReserveCards[i]))
                return false;
        for (int c = 1; c <= 6; ++c)
            if (!FlowerColumnIsOneRun(c))
                return false;
        return true;
    case EightSages:
        return WasteCount == 1 && StockCount == 0;
    default:
        return false;
    }
}

int StackEdgeStepOneDeck3(int N)
{
    if (N <= 5)
        return 0;
    return std::min(20, 2 * ((N - 1) / 5));
}

int StackEdgeStep3(int N)
{
    if (N <= 0)
        return 0;
    if (N >= 99)
        return 20;
    return 2 * (N / 10);
}

int FanStep3(int Pile)
{
    const int step = Scaled(20);
    const int n = PileCounts[Pile] - 1;
    const int room = Scaling::TableHeight - PosY[Pile] - Scaled(30) - CardHeight;
    if (n <= 0 || step * n < room)
        return step;
    int squeezed = Scaling::RoundHalfEven(static_cast<double>(room) / n);
    // Rounded up, the step could carry the top card a few pixels into the foot.
    if (n >= 2 && squeezed * (n - 1) > room)
        squeezed = room / (n - 1);
    return std::max(1, squeezed);
}

} // namespace Group3
