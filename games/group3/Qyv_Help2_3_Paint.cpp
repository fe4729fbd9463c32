// Painting of the group-3 piles: each painter puts the table's background back over
// its pile's area and draws the marker and the cards, lowest slot first.
#include "games/group3/Qyv_Help2_3.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/Scaling.h"
#include "platform/PictureControl.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;
using Scaling::Scaled;

namespace {

const TCardCode EmptyPlace("-*");
const TCardCode FoundationBase("-0");
const TCardCode StockMore("-y");
const TCardCode StockLast("-n");

// The table's canvas, or null without a window.
platform::Canvas* Table()
{
    auto* table = Kit::TableImage();
    return table ? &table->canvas() : nullptr;
}

void Face(platform::Canvas& c, int x, int y, const TCardCode& code)
{
    if (HoldsCard3(code) || code.at(1) == '-')
        CardDrawing::DrawCardFace(x, y, code, c);
}

// Background over the area, then the marker (when given).
void Clear(platform::Canvas& c, int x, int y, int w, int h)
{
    Kit::RestoreBackground(c, x, y, w, h);
}

// Backs of a stock growing upward: one per band of its count reached.
void UpwardBacks(platform::Canvas& c, int x, int y, int backs)
{
    for (int i = 1; i <= backs; ++i)
        CardDrawing::DrawCardBack(x, y - 2 * (i - 1), c);
}

// Backs of a stock growing to the right (Carpet and 8 Sages): 1 from one card, then one
// more for every five cards, six at most.
void RightwardStock(platform::Canvas& c, const TCardCode& emptyMarker)
{
    const int x = AuxPile2X;
    const int y = AuxPile2Y;
    Clear(c, x, y, CardWidth + 12, CardHeight);
    if (StockCount == 0) {
        Face(c, x, y, emptyMarker);
        return;
    }
    const int backs = std::min(6, StockCount / 5 + 1);
    for (int i = 1; i <= backs; ++i)
        CardDrawing::DrawCardBack(x + 2 * (i - 1), y, c);
}

void WasteAtOnePlace(platform::Canvas& c)
{
    const int x = AuxPile1X;
    const int y = AuxPile1Y;
    Clear(c, x, y, CardWidth + 12, CardHeight);
    Face(c, x, y, EmptyPlace);
    for (int i = 1; i <= std::min(WasteCount - 1, 104); ++i)
        Face(c, x, y, WasteCards[i]);
}

// Sultan's and Backbone's stock: backs 2 pixels higher for every ten cards.
void TenBandStock(platform::Canvas& c, const TCardCode& marker)
{
    const int x = AuxPile2X;
    const int y = AuxPile2Y;
    Clear(c, x, y - 44, CardWidth, CardHeight + 44);
    Face(c, x, y, marker);
    if (StockCount >= 1)
        UpwardBacks(c, x, y, std::min(10, StockCount / 10 + 1));
}

// Sultan's and Backbone's waste, its cards face up on the ten bands.
void TenBandWaste(platform::Canvas& c, int next)
{
    const int x = AuxPile1X;
    const int y = AuxPile1Y;
    Clear(c, x, y - 44, CardWidth, CardHeight + 44);
    Face(c, x, y, EmptyPlace);
    for (int i = 1; i <= std::min(next, 104); ++i)
        Face(c, x, y - StackEdgeStep3(i), WasteCards[i]);
}

} // namespace

void RedrawFoundation3(int N)
{
    platform::Canvas* c = Table();
    if (!c)
        return;
    const int x = FoundationPosX[std::clamp(N, 1, 8)];
    const int y = FoundationPosY[std::clamp(N, 1, 8)];
    switch (CurrentGameId) {
    case Desire:
        Clear(*c, x, y, CardWidth, CardHeight);
        Face(*c, x, y, FoundationCards[N][1]);
        break;
    case Twenty:
        Clear(*c, x, y, CardWidth, CardHeight + 26);
        for (int i = 1; i <= 13; ++i)
            Face(*c, x, y + 2 * (i - 1), FoundationCards[N][i]);
        break;
    case Calculation:
        Clear(*c, x, y, CardWidth, CardHeight + 26);
        if (FoundationCounts[N] >= 2)
            Face(*c, x, y, FoundationCards[N][FoundationCounts[N] - 1]);
        break;
    case Sultan:
        Clear(*c, SultanReserveX[N], SultanReserveY[N], CardWidth, CardHeight);
        Face(*c, SultanReserveX[N], SultanReserveY[N], EmptyPlace);
        Face(*c, SultanReserveX[N], SultanReserveY[N], SultanReserveCards[N]);
        break;
    case Backbone:
    case Carpet:
        Clear(*c, x, y, CardWidth, CardHeight);
        if (CurrentGameId == Backbone)
            Face(*c, x, y, FoundationBase);
        for (int i = 1; i <= 13; ++i)
            Face(*c, x, y, FoundationCards[N][i]);
        break;
    case FlowerGarden:
    case EightSages:
        Clear(*c, FoundationX[N], FoundationY, CardWidth, CardHeight);
        Face(*c, FoundationX[N], FoundationY, FoundationBase);
        for (int i = 1; i <= 13; ++i)
            Face(*c, FoundationX[N], FoundationY, FoundationCards[N][i]);
        break;
    default:
        break;
    }
}

void RedrawColumn3(int A, int B)
{
    platform::Canvas* c = Table();
    if (!c)
        return;
    switch (CurrentGameId) {
    case Desire:
        Clear(*c, PosX[A], PosY[A], CardWidth, CardHeight + 24);
        Face(*c, PosX[A], PosY[A], EmptyPlace);
        for (int i = 1; i <= 12; ++i)
            Face(*c, PosX[A], PosY[A] + 2 * (i - 1), PileCards[A][i]);
        break;
    case Twenty: {
        if (A == 7 && B == 3)
            break; // the stock's place
        const int x = GridX[A][B];
        const int y = GridY[A][B];
        Clear(*c, x, y, CardWidth, CardHeight + 10);
        Face(*c, x, y, EmptyPlace);
        for (int i = 1; i <= 5; ++i)
            Face(*c, x, y + 2 * (i - 1), PileCards2[A][B][i]);
        break;
    }
    case Calculation: {
        const int step = PileFanStep[A];
        Clear(*c, PosX[A], PosY[A], CardWidth, PileCounts[A] * step + CardHeight);
        Face(*c, PosX[A], PosY[A], EmptyPlace);
        for (int i = 1; i <= std::min(PileCounts[A] - 1, 104); ++i)
            Face(*c, PosX[A], PosY[A] + step * (i - 1), PileCards[A][i]);
        break;
    }
    case Sultan:
    case Backbone: {
        const int x = GridX[A][B];
        const int y = GridY[A][B];
        Clear(*c, x, y, CardWidth, CardHeight);
        Face(*c, x, y, EmptyPlace);
        if (CurrentGameId == Sultan) {
            for (int i = 1; i <= std::min(SultanNext[A][B] - 1, 13); ++i)
                Face(*c, x, y, SultanCards[A][B][i]);
        } else {
            for (int i = 1; i <= std::min(BackboneColumnNext[A][B] - 1, 15); ++i)
                Face(*c, x, y, PileCards2[A][B][i]);
        }
        break;
    }
    case Carpet:
        Clear(*c, GridX[A][B], GridY[A][B], CardWidth, CardHeight);
        Face(*c, GridX[A][B], GridY[A][B], EmptyPlace);
        Face(*c, GridX[A][B], GridY[A][B], PileCards[A][B]);
        break;
    case Fig: {
        const int step = Scaled(30);
        Clear(*c, PosX[A], PosY[A], CardWidth, 3 * step + CardHeight);
        Face(*c, PosX[A], PosY[A], EmptyPlace);
        for (int i = 1; i <= 4; ++i)
            Face(*c, PosX[A], PosY[A] + step * (i - 1), PileCards[A][i]);
        break;
    }
    case FlowerGarden:
    case EightSages: {
        // The whole band a squeezed column can reach.
        Clear(*c, ColumnX[A], ColumnTop, CardWidth, Scaled(280) + Scaled(10));
        Face(*c, ColumnX[A], ColumnTop, EmptyPlace);
        const int depth = CurrentGameId == FlowerGarden ? 20 : 13;
        for (int i = 1; i <= depth; ++i)
            Face(*c, ColumnX[A], ColumnTop + ColumnStep[A] * (i - 1), PileCards[A][i]);
        break;
    }
    default:
        break;
    }
}

void RedrawReserve3(int N)
{
    platform::Canvas* c = Table();
    if (!c)
        return;
    switch (CurrentGameId) {
    case Desire: {
        const int x = DesireReserveX[N];
        const int y = DesireReserveY[N];
        Clear(*c, x, y - 16, CardWidth, CardHeight + 16);
        Face(*c, x, y, EmptyPlace);
        for (int i = 1; i <= 8; ++i)
            if (HoldsCard3(DesireReserveCards[N][i]))
                CardDrawing::DrawCardBack(x, y - 2 * (i - 1), *c);
        break;
    }
    case Twenty: {
        const int x = GridX[7][3];
        const int y = GridY[7][3];
        Clear(*c, x, y, CardWidth, CardHeight + 10);
        Face(*c, x, y, EmptyPlace);
        for (int i = 1; i <= std::min(ExtraPileCount, 6); ++i)
            CardDrawing::DrawCardBack(x, y + 2 * (i - 1), *c);
        break;
    }
    case Calculation: {
        const int x = AuxPile1X;
        const int y = AuxPile1Y;
        Clear(*c, x, y - 44, CardWidth, CardHeight + 44);
        Face(*c, x, y, EmptyPlace);
        const int n = ExtraPileCount;
        if (n >= 1) {
            UpwardBacks(*c, x, y, std::min(10, (n - 1) / 5 + 1));
            Face(*c, x, y - StackEdgeStepOneDeck3(n), WasteCards[std::min(n, 104)]);
        }
        break;
    }
    case Sultan:
        if (N == 1)
            TenBandStock(*c, PassCount <= 2 ? StockMore : StockLast);
        else if (N == 2)
            TenBandWaste(*c, ExtraPileCount);
        break;
    case Backbone:
        if (N == 1)
            TenBandStock(*c, PassCount <= 1 ? StockMore : StockLast);
        else if (N == 2)
            TenBandWaste(*c, WasteCount);
        break;
    case Carpet:
        if (N == 1)
            RightwardStock(*c, StockLast);
        else if (N == 2)
            WasteAtOnePlace(*c);
        break;
    case EightSages:
        if (N == 1)
            RightwardStock(*c, PassCount == 1 ? StockMore : StockLast);
        else if (N == 2)
            WasteAtOnePlace(*c);
        break;
    default:
        break;
    }
}

void RedrawBackbone()
{
    platform::Canvas* c = Table();
    if (!c || CurrentGameId != Backbone)
        return;
    const int row2 = 12;
    const int tail = 11;
    Clear(*c, BackboneX[1], BackboneY[1], BackboneX[row2] + CardWidth - BackboneX[1],
          BackboneY[tail] + CardHeight - BackboneY[1]);
    for (int r = 1; r <= 2; ++r)
        for (int i = 1; i <= 10; ++i)
            Face(*c, BackboneX[(r - 1) * 11 + i], BackboneY[(r - 1) * 11 + i], BackboneCards[r][i]);
    Face(*c, BackboneX[tail], BackboneY[tail], BackboneCards[1][11]);
}

void SadRedrawReserve()
{
    platform::Canvas* c = Table();
    if (!c || CurrentGameId != FlowerGarden)
        return;
    Clear(*c, SadReserveX, SadReserveY[1], CardWidth + 1, SadReserveY[16] + CardHeight + 1 - SadReserveY[1]);
    for (int i = 1; i <= 16; ++i)
        Face(*c, SadReserveX, SadReserveY[i], SadReserveCards[i]);
}

} // namespace Group3
