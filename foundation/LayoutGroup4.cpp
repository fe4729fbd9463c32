// Table layout of Book, Pairs, Wish, the Monte Carlo, Pyramid and Diamond games.
#include "foundation/LayoutCommon.h"

namespace GameState::LayoutCommon {

namespace {

// The book stands about a centre line scaled horizontally only.
void layoutBook()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int TW = Scaling::TableWidth;
    const int TH = Scaling::TableHeight;
    const int M = R(330 * Scaling::ScaleX);
    const int B = 4 * H + 4 * S(4);           // bottom of the rows
    const int Q = 2 * M + R((TW - 2 * M) / 2.0); // middle of the strip right of the book
    SetRect(MainAreaRect, 0, 0, TW, TH);
    for (int k = 1; k <= 4; ++k) {
        const int top = S(4) + (k - 1) * (H + S(4));
        SetRect(BookLeftRects[k], M - 2 * W - 2 * S(2), top, M - W - 2 * S(2), top + H);
        SetRect(BookRightRects[k], M + W + 2 * S(2), top, M + 2 * W + 2 * S(2), top + H);
        SetRect(BookFoundationRects[2 * k - 1], M - W - S(2), top, M - S(2), top + H);
        SetRect(BookFoundationRects[2 * k], M + S(2), top, M + W + S(2), top + H);
    }
    const int pileLeft = Q - R(W / 2.0);
    SetRect(BookStockRect, pileLeft, H + 2 * S(4), pileLeft + W, 2 * H + 2 * S(4));
    SetRect(BookWasteRect, pileLeft, 2 * H + 2 * S(2) + 2 * S(4) + S(8), pileLeft + W,
            3 * H + 2 * S(2) + 2 * S(4) + S(8));
    SetRect(BookStockLabelRect, Q - S(25), H - S(16) - S(30) + 2 * S(4), Q - S(25) + S(50),
            H - S(16) + 2 * S(4));
    const int wasteLabelTop = 3 * H + S(16) + 2 * S(2) + 2 * S(4);
    SetRect(BookWasteLabelRect, Q - S(25), wasteLabelTop, Q - S(25) + S(50), wasteLabelTop + S(30));
    const int below = B + R((TH - B) / 2.0); // middle of the strip below the rows
    const int listLeft = M - R(S(385) / 2.0);
    const int listTop = below - R(S(85) / 2.0);
    SetRect(BookListRect, listLeft, listTop, listLeft + S(385), listTop + S(85));
    const int P = BookListRect[3] + R((TW - BookListRect[3]) / 2.0);
    const int buttonLeft = P - R(S(180) / 2.0);
    SetRect(ButtonRect1, buttonLeft, below - S(30), buttonLeft + S(180), below);
    SetRect(ButtonRect2, buttonLeft, below, buttonLeft + S(180), below + S(30));
    BookBounds[1] = M - W - 2 * S(2);
    BookBounds[2] = S(4);
    BookBounds[3] = M + W + 2 * S(2);
    BookBounds[4] = S(12);
    BookBounds[5] = H + S(4);
}

void layoutRowOfNine(int id)
{
    const int W = CardWidth;
    const int first = R(Scaling::TableWidth / 2.0 - W / 2.0) - 4 * W - 4 * S(2);
    for (int i = 1; i <= 9; ++i) {
        PosX[i] = first + (i - 1) * (W + S(4));
        PosY[i] = S(10);
    }
    if (id == 407) {
        AuxPile2X = PosX[1];
        AuxPile2Y = Scaling::TableHeight - CardHeight - S(10);
    }
}

void layoutMonteCarlo(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    SetGrid(6, 4, [&](int c) { return C - S(1) - 3 * W - 2 * S(4) + (c - 1) * (W + S(4)); },
            [&](int r) { return S(10) + (r - 1) * (H + S(2)); });
    AuxPile2X = C - 5 * W - S(1) - 2 * S(4);
    AuxPile2Y = S(10);
    AuxPile1X = C + 4 * W - S(1) + 3 * S(4);
    AuxPile1Y = S(10);
}

void layoutPyramid(int C)
{
    const int dx = R(0.6 * CardWidth);
    const int dy = R(0.6 * CardHeight);
    SetGrid(13, 7, [&](int c) { return C + (c - 8) * dx; },
            [&](int r) { return S(10) + (r - 1) * dy; });
    AuxPile2X = C - 7 * dx;
    AuxPile2Y = S(10);
    AuxPile1X = C - 5 * dx;
    AuxPile1Y = S(10);
    DiscardX = C + 5 * dx;
    DiscardY = S(10);
}

void layoutDiamond(int C)
{
    const int W = CardWidth;
    const int dx = R(0.52 * W);
    const int dy = R(0.55 * CardHeight);
    SetGrid(13, 7, [&](int c) { return C + (c - 8) * dx; },
            [&](int r) { return S(30) + (r - 1) * dy; });
    AuxPile2X = C - W - 7 * dx - 2 * S(12);
    AuxPile2Y = 6 * dy + S(30);
    AuxPile1X = C - 7 * dx - S(12);
    AuxPile1Y = AuxPile2Y;
    DiscardX = C + 5 * dx + S(12);
    DiscardY = S(30);
}

} // namespace

void LayoutGroup4(int C)
{
    const int id = CurrentGameId;
    if (id == 18) {
        layoutBook(); // keeps the table picture the frame gave it
        return;
    }
    switch (id) {
    case 407:
    case 408:
    case 411:
    case 412:
    case 423:
    case 426:
    case 437:
    case 438:
    case 439:
        FitTableToWindow();
        break;
    default:
        return;
    }
    switch (id) {
    case 407:
    case 408: layoutRowOfNine(id); break;
    case 411:
    case 412: layoutMonteCarlo(C); break;
    case 423:
    case 426:
    case 437: layoutPyramid(C); break;
    case 438:
    case 439: layoutDiamond(C); break;
    default: break;
    }
}

} // namespace GameState::LayoutCommon
