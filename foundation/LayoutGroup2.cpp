// Table layout of the Golf games, the Tulip family, Fun Deuces and Napoleon Square.
#include "foundation/LayoutCommon.h"

#include <algorithm>

namespace GameState::LayoutCommon {

namespace {

void layoutGolf(int id, int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    FitTableToWindow();
    switch (id) {
    case 424: { // Peak
        const int dx = R(0.6 * W);
        const int dy = R(0.6 * H);
        SetGrid(13, 7, [&](int c) { return C + (c - 8) * dx; },
                [&](int r) { return S(10) + (r - 1) * dy; });
        AuxPile2X = C - 7 * dx;
        AuxPile2Y = S(10);
        AuxPile1X = C - 5 * dx;
        AuxPile1Y = S(10);
        break;
    }
    case 427: { // Three Peaks
        const int dx = R(0.52 * W);
        const int dy = R(0.6 * H);
        SetGrid(19, 4, [&](int c) { return C + (c - 11) * dx; },
                [&](int r) { return S(30) + (r - 1) * dy; });
        AuxPile2X = C - 10 * dx;
        AuxPile2Y = H + 3 * dy + 2 * S(30);
        AuxPile1X = C - 7 * dx;
        AuxPile1Y = AuxPile2Y;
        break;
    }
    case 434: { // Rug
        const int dy = R(0.3 * H);
        SetGrid(7, 5, [&](int c) { return C - R(W / 2.0) + (c - 4) * W + (c - 4) * S(7); },
                [&](int r) { return H + 2 * S(10) + (r - 1) * dy; });
        AuxPile2X = GridX[1][1];
        AuxPile2Y = S(10);
        AuxPile1X = GridX[2][1];
        AuxPile1Y = S(10);
        break;
    }
    case 435: { // Diamond
        const int dx = R(0.52 * W);
        const int dy = R(0.55 * H);
        SetGrid(13, 7, [&](int c) { return C + (c - 8) * dx; },
                [&](int r) { return S(30) + (r - 1) * dy; });
        AuxPile2X = C - W - 7 * dx - 2 * S(12);
        AuxPile2Y = 6 * dy + S(30);
        AuxPile1X = C - 7 * dx - S(12);
        AuxPile1Y = AuxPile2Y;
        break;
    }
    case 436: { // Block
        const int dx = R(0.56 * W);
        const int dy = R(0.51 * H);
        SetGrid(17, 7, [&](int c) { return C + (c - 10) * dx; },
                [&](int r) { return S(1) + (r - 1) * dy; });
        AuxPile2X = C - 9 * dx;
        // With the tallest card pictures the formula would put the stock and the waste
        // 8 pixels below the table's bottom edge; they stop at the edge instead.
        AuxPile2Y = std::min(H + 6 * dy + S(1) + S(2), Scaling::TableHeight - H);
        AuxPile1X = C - 7 * dx;
        AuxPile1Y = AuxPile2Y;
        break;
    }
    default:
        break;
    }
}

void layoutTulip(int id)
{
    const int W = CardWidth;
    const int H = CardHeight;
    if (id != 402)
        PlacePicture(Picture::Help, 200, 400, 360, 90); // keeps its design size
    for (int i = 1; i <= 4; ++i)
        TulipRowY[i] = S(3) + (i - 1) * (H + S(3));
    const int left = SL(30, 150);
    const int top = ST(405, 85);
    SetRect(BoardRects[1], left, top, left + S(150), top + S(85));
    TulipPlaceStep = R((Scaling::TableWidth - W - 2 * S(10)) / 13.0);
    // Paganini's ten places start at the third position of the others.
    const int first = id == 402 ? 2 : 0;
    for (int i = 1; i <= 14; ++i)
        TulipPlaceX[i] = S(10) + (i - 1 + first) * TulipPlaceStep;
}

} // namespace

void LayoutGroup2(int C)
{
    const int id = CurrentGameId;
    const int W = CardWidth;
    const int H = CardHeight;
    const double half = Scaling::TableWidth / 2.0;
    switch (id) {
    case 424:
    case 427:
    case 434:
    case 435:
    case 436:
        layoutGolf(id, C);
        break;
    case 19:
    case 401:
    case 402:
        layoutTulip(id);
        break;
    case 419: // Fun Deuces
        for (int i = 1; i <= 7; ++i)
            PosX[i] = R(half - 3.5 * W - 3 * S(25)) + (i - 1) * (W + S(25));
        for (int i = 1; i <= 3; ++i)
            PosY[i] = S(20) + (i - 1) * (H + S(25));
        break;
    case 420: { // Napoleon Square
        for (int i = 1; i <= 6; ++i)
            PosX[i] = R(half - 3 * W - 2.5 * S(10)) + (i - 1) * (W + S(8));
        const int gap = Scaling::Scale <= 1 ? 32 : R(0.9 * Scaling::Scale * 30);
        for (int i = 1; i <= 4; ++i)
            PosY[i] = S(18) + (i - 1) * (H + gap);
        break;
    }
    default:
        break;
    }
}

} // namespace GameState::LayoutCommon
