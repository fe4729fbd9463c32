// Table layout of Uncle Pelk, Busy Aces, "Labelel Lucie", the Crescents, Algerian
// patience, Daemon, Clover, 40 Thieves and Miss Milligan.
#include "foundation/FanSteps.h"
#include "foundation/LayoutCommon.h"

#include <algorithm>

namespace GameState::LayoutCommon {

namespace {

// Each area is one picture of the main window; the three boards keep their design size
// at every zoom and are only centred on their scaled places.
void layoutUnclePelk()
{
    const double sx = Scaling::ScaleX;
    const double sy = Scaling::ScaleY;
    const int TW = Scaling::TableWidth;
    const int middleLeft = SL(230, 302);
    const int Rm = middleLeft + S(302);        // right edge of the middle column
    const int N = Rm + R((TW - Rm) / 2.0);     // middle of the strip right of it

    const auto place = [](TRect4& rect, Picture picture, int left, int top, int width, int height) {
        SetRect(rect, left, top, left + width, top + height);
        PlacePicture(picture, left, top, width, height);
    };
    place(TopAreaRect, Picture::Tuzi, middleLeft, ST(10, 200), S(302), S(200));
    place(MainAreaRect, Picture::Stol, middleLeft, ST(210, 290), S(302), S(290));
    PlacePicture(Picture::Stol2, 0, 0, 0, 0);
    const int boardLeft = R(15 * sx) + R((sx - 1) * 200 / 2);
    const int boardTop = R(10 * sy) + R((sy - 1) * 350 / 2);
    place(BoardRects[1], Picture::Kon, boardLeft, boardTop, 200, 350);
    place(BoardRects[2], Picture::Tablo2, N - 100, boardTop, 200, 200);
    place(SideAreaRect, Picture::Koloda, N - R(S(150) / 2.0), ST(220, 150), S(150), S(150));
    place(BoardRects[3], Picture::Help, boardLeft, R(362 * sy) + R((sy - 1) * 136 / 2), 200, 136);
}

void layoutBusyAces(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 8; ++i) {
        FoundationPosX[i] = C - S(2) - 4 * W + (i - 1) * (W + S(4));
        FoundationPosY[i] = S(10) + 26; // the 26 stays unscaled
    }
    // Two rows of six piles under the first six foundations.
    for (int row = 1; row <= 2; ++row) {
        for (int place = 1; place <= 6; ++place) {
            GridX[row][place] = FoundationPosX[place];
            GridY[row][place] = H + S(10) + S(50) + 52 + (row - 1) * (H + S(10) + 26);
        }
    }
    AuxPile1X = C + 2 * W - S(2) + 6 * S(4);
    AuxPile1Y = GridY[1][1];
    AuxPile2X = C + 3 * W - S(2) + 7 * S(4);
    AuxPile2Y = GridY[1][1];
}

void layoutLucie()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int first = R(Scaling::TableWidth / 2.0 - W / 2.0) - 4 * W - S(20) - 2 * S(7);
    for (int i = 1; i <= 4; ++i) {
        FoundationPosX[i] = first + (i - 1) * (2 * W + S(7));
        FoundationPosY[i] = S(1);
    }
    for (int row = 1; row <= 4; ++row) {
        for (int place = 1; place <= 5; ++place) {
            GridX[row][place] = FoundationPosX[1] + (place - 1) * (2 * W + S(7));
            GridY[row][place] = H + 2 * S(1) + (row - 1) * (H + S(1));
            LucieFanSteps[row][place] = S(13);
        }
    }
}

// Four foundations in the middle of the eight places.
int middleFour(int C, int i)
{
    const int W = CardWidth;
    switch (i) {
    case 1: return C - S(1) - 2 * W - S(2);
    case 2: return C - S(1) - W;
    case 3: return C + S(1);
    default: return C + S(1) + W + S(2);
    }
}

void layoutCrescent(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 5; i <= 8; ++i)
        PosX[i] = C - S(1) + (i - 9) * W + (i - 8) * S(2);
    for (int i = 9; i <= 12; ++i)
        PosX[i] = C + S(1) + (i - 9) * (W + S(2));
    for (int i = 1; i <= 4; ++i) {
        PosX[i] = PosX[5];
        PosX[i + 12] = PosX[12];
    }
    for (int i = 1; i <= 5; ++i)
        PosY[i] = S(1) + (5 - i) * (H + S(1));
    for (int i = 6; i <= 11; ++i)
        PosY[i] = S(1);
    for (int i = 12; i <= 16; ++i)
        PosY[i] = S(1) + (i - 12) * (H + S(1));
    for (int i = 1; i <= 4; ++i) {
        FoundationPosX[i] = middleFour(C, i);
        FoundationPosX[i + 4] = FoundationPosX[i];
        FoundationPosY[i] = 2 * H + 3 * S(1) + S(20);
        FoundationPosY[i + 4] = 3 * H + 3 * S(1) + S(2) + S(20);
    }
    // For the pile counts still on the table; the deal computes them again.
    for (int i = 1; i <= 16; ++i)
        ColumnStep[i] = CrescentFanStep(i);
}

void layoutAlzhir(int C)
{
    const int H = CardHeight;
    const int TH = Scaling::TableHeight;
    for (int i = 1; i <= 8; ++i) {
        ColumnX[i] = EightAboutCentre(C, i);
        FoundationX[i] = ColumnX[i];
    }
    ColumnTop = H + 2 * S(10);
    FoundationY = S(10);
    for (int i = 1; i <= 6; ++i)
        AlzhirReserveX[i] = ColumnX[i + 1];
    AlzhirReserveY = TH - H - S(60);
    AuxPile2X = ColumnX[1] - 16; // unscaled
    AuxPile2Y = TH - H - S(60);
    for (int i = 1; i <= 8; ++i)
        ColumnStep[i] = AlzhirFanStep(i);
}

void layoutDaemon()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const double half = Scaling::TableWidth / 2.0;
    DemonReserveStep = S(17);
    for (int i = 1; i <= 4; ++i) {
        ColumnX[i] = R(half + (i - 1.5) * W + (i - 1) * S(15));
        FoundationX[i] = ColumnX[i];
    }
    ColumnTop = H + 2 * S(10);
    FoundationY = S(10);
    DemonReserveX = R(half - 2.5 * W - 2 * S(15));
    for (int i = 1; i <= 13; ++i)
        DemonReserveY[i] = H + 2 * S(10) + (i - 1) * S(17);
    AuxPile2X = R(half - 3.5 * W - 3 * S(15));
    AuxPile2Y = S(10);
    AuxPile1X = DemonReserveX;
    AuxPile1Y = S(10);
}

void layoutClover(int C)
{
    const int H = CardHeight;
    for (int i = 1; i <= 16; ++i)
        ColumnStep[i] = S(17);
    for (int i = 1; i <= 8; ++i) {
        PosX[i] = EightAboutCentre(C, i);
        PosX[i + 8] = PosX[i];
    }
    PosY[1] = H + 2 * S(2);
    PosY[2] = 2 * H + 2 * S(2) + S(70);
    for (int i = 1; i <= 4; ++i)
        FoundationX[i] = middleFour(C, i);
    FoundationY = S(2);
}

void layoutTenColumns(int id, int C)
{
    const int W = CardWidth;
    for (int i = 1; i <= 10; ++i) {
        ColumnStep[i] = id == 441 ? S(20) : S(25);
        if (i <= 5)
            PosX[i] = C - S(1) + (i - 6) * W + (i - 5) * S(2);
        else
            PosX[i] = C + S(1) + (i - 6) * (W + S(2));
    }
    PosY[1] = CardHeight + 2 * S(2);
    for (int i = 1; i <= 8; ++i)
        FoundationX[i] = PosX[i + 2];
    FoundationY = S(2);
    AuxPile1X = PosX[2];
    AuxPile1Y = S(2);
    // 40 Thieves sets its stock a little left of the first column; with the widest
    // card pictures that would start left of the table, so it stops at the edge.
    AuxPile2X = id == 441 ? std::max(0, PosX[1] - S(8)) : PosX[1];
    AuxPile2Y = S(2);
}

} // namespace

void LayoutGroup5(int C)
{
    const int id = CurrentGameId;
    if (id == 17) {
        layoutUnclePelk();
        return;
    }
    switch (id) {
    case 409: case 410: case 415: case 416: case 422:
    case 429: case 440: case 441: case 442:
        FitTableToWindow();
        break;
    default:
        return;
    }
    switch (id) {
    case 409: layoutBusyAces(C); break;
    case 410: layoutLucie(); break;
    case 415:
    case 416: layoutCrescent(C); break;
    case 422: layoutAlzhir(C); break;
    case 429: layoutDaemon(); break;
    case 440: layoutClover(C); break;
    case 441:
    case 442: layoutTenColumns(id, C); break;
    default: break;
    }
}

} // namespace GameState::LayoutCommon
