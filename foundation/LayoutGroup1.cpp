// Table layout of Vardelin, Yukon, Scorpion, Spider and Free Cell.
#include "foundation/LayoutCommon.h"

namespace GameState::LayoutCommon {

namespace {

// Piles centred on pile m, which stands on the centre line C; those right of it mirror
// those on its left, `gap` pixels apart.
void centredPiles(int C, int count, int m, int gap)
{
    const int W = CardWidth;
    for (int i = 1; i <= count; ++i) {
        if (i <= m)
            SpecialX[i] = C - R(W / 2.0) + (i - m) * W + (i - m) * gap;
        else
            SpecialX[i] = C + R(W / 2.0) + gap + (i - m - 1) * (W + gap);
    }
}

void layoutFreeCell()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int TW = Scaling::TableWidth;
    for (int i = 1; i <= 8; ++i)
        ColumnX[i] = R(TW / 2.0 + (i - 5) * W + (i - 4.5) * S(15));
    for (int i = 1; i <= 4; ++i) {
        FreeCellX[i] = ColumnX[1] + (i - 1) * W + (i - 1) * S(5);
        FoundationX[i] = ColumnX[8] - (4 - i) * W - (4 - i) * S(5);
    }
    FreeCellY = S(10);
    FoundationY = S(10);
    ColumnTop = H + 2 * S(10);
    ColumnsHeight = Scaling::TableHeight - H - 2 * S(10) - S(80);
}

} // namespace

void LayoutGroup1(int C)
{
    const int id = CurrentGameId;
    if (id == 430) {
        layoutFreeCell();
        return;
    }
    const int W = CardWidth;
    const bool scorpion = id == 403 || id == 433;
    TopRowY = S(7) + 10; // the 10 stays unscaled
    ColumnsTopY = scorpion ? TopRowY : TopRowY + CardHeight + S(4);
    ColumnsHeight = Scaling::TableHeight - ColumnsTopY - S(80);

    switch (id) {
    case 431:
        centredPiles(C, 7, 4, S(10));
        break;
    case 71:
    case 413:
    case 414:
    case 421:
        for (int i = 1; i <= 10; ++i)
            SpecialX[i] = C + (i - 6) * W + (2 * i - 11) * S(1);
        break;
    case 404:
    case 403:
        centredPiles(C, 7, 4, 2 * S(2));
        break;
    case 432:
        centredPiles(C, 9, 5, 2 * S(2));
        break;
    case 433:
        for (int i = 1; i <= 10; ++i) {
            if (i <= 5)
                SpecialX[i] = C - S(1) + (i - 6) * W + (i - 5) * S(2);
            else
                SpecialX[i] = C + S(1) + (i - 6) * (W + S(2));
        }
        break;
    default:
        break;
    }
}

} // namespace GameState::LayoutCommon
