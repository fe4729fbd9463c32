// Table layout of Picture Gallery, Desire, Twenty, Calculation, Sultan, Backbone, Carpet,
// Fig., Flower garden and 8 Sages.
#include "foundation/LayoutCommon.h"

namespace GameState::LayoutCommon {

namespace {

// Only the card size scales here: the gaps stay one pixel at every zoom.
void layoutPictureGallery(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int TW = Scaling::TableWidth;
    SetRect(TopAreaRect, C - 4 * W - 3, 1, C + 4 * W + 4, H + 1);
    SetRect(MainAreaRect, C - 4 * W - 3, H + 2, C + 4 * W + 4, 4 * H + 4);
    SetRect(BottomAreaRect, C - 5 * W - 4, 4 * H + 5, C + 5 * W + 5, 5 * H + 5);
    // M: the middle of the strip right of the gallery.
    const int M = TopAreaRect[3] + R((TW - TopAreaRect[3]) / 2.0);
    const int sideLeft = M - R(W / 2.0);
    SetRect(SideAreaRect, sideLeft, H + 2, sideLeft + W, 2 * H + 6 * S(20) + 2);
    // D: between the side area and the bottom of the gallery, where the buttons meet.
    const int D = SideAreaRect[4] + R((4 * (H + 1) - SideAreaRect[4]) / 2.0);
    const double scale = Scaling::Scale;
    const int K = scale < 1.6 ? 30 : (scale < 2 ? 45 : 60);
    const int buttonLeft = M - R(S(84) / 2.0);
    SetRect(ButtonRect1, buttonLeft, D - K, buttonLeft + S(84), D);
    SetRect(ButtonRect2, buttonLeft, D, buttonLeft + S(84), D + K);
    for (int i = 1; i <= 8; ++i)
        GalleryColX[i] = (i - 1) * (W + 1);
    for (int i = 1; i <= 10; ++i)
        BottomRowX[i] = (i - 1) * (W + 1);
    for (int i = 1; i <= 3; ++i)
        GalleryRowY[i] = (i - 1) * (H + 1);
    for (int i = 1; i <= 8; ++i)
        GalleryRowShift[i] = 16 - 2 * i;
}

void layoutDesire(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    const int TH = Scaling::TableHeight;
    for (int i = 1; i <= 8; ++i) {
        FoundationPosX[i] = C - S(1) + (i - 5) * W + (i - 4) * S(2);
        PosX[i] = FoundationPosX[i];
        FoundationPosY[i] = S(5);
        PosY[i] = H + 2 * S(5);
    }
    for (int i = 1; i <= 10; ++i) {
        DesireReserveX[i] = C - S(1) + (i - 6) * W + (i - 5) * S(2);
        DesireReserveY[i] = TH - H - S(5) - 16; // the 16 stays unscaled
    }
    DesireReserveX[11] = DesireReserveX[1];
    DesireReserveY[11] = TH - 2 * H - S(10) - S(5) - 32;
}

void layoutTwenty(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 8; ++i) {
        FoundationPosX[i] = C - S(2) + (i - 5) * W + (i - 4) * S(4);
        FoundationPosY[i] = S(5);
    }
    SetGrid(7, 3, [&](int c) { return C + R(W / 2.0) + (c - 5) * W + (c - 4) * S(4); },
            [&](int r) { return H + S(40) + S(5) + (r - 1) * (H + S(12)); });
}

void layoutCalculation(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 4; ++i) {
        FoundationPosX[i] = C - S(2) + (i - 3) * W + (i - 4) * S(4);
        PosX[i] = FoundationPosX[i];
        FoundationPosY[i] = S(30);
        PosY[i] = H + S(30) + S(40);
    }
    AuxPile1X = C - 3 * W - S(2) - S(30) - 3 * S(4);
    AuxPile1Y = S(30);
}

// The grid of the 3 x 3 square is indexed [row, column].
void layoutSultan()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const double half = Scaling::TableWidth / 2.0;
    const int left = R(half - 1.5 * W - S(10));
    const int middle = R(half - 0.5 * W);
    const int right = R(half + 0.5 * W + S(10));
    AuxPile2X = left;
    AuxPile2Y = S(30);
    AuxPile1X = right;
    AuxPile1Y = S(30);
    for (int i = 1; i <= 6; ++i) {
        SultanReserveX[i] = i <= 3 ? R(half - 3.5 * W - S(10)) : R(half + 2.5 * W + S(10));
        SultanReserveY[i] = S(30) + ((i - 1) % 3 + 1) * (H + S(10));
    }
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 3; ++column) {
            GridX[row][column] = column == 1 ? left : (column == 2 ? middle : right);
            GridY[row][column] = S(30) + row * (H + S(10));
        }
    }
}

void layoutBackbone()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const double half = Scaling::TableWidth / 2.0;
    const int x13 = R(half - 4 * W - S(30) - 2.5 * S(5));
    const int x24 = R(half - 3 * W - S(30) - 1.5 * S(5));
    const int x57 = R(half + 2 * W + S(30) + 1.5 * S(5));
    const int x68 = R(half + 3 * W + S(30) + 2.5 * S(5));
    const int xs[9] = {0, x13, x24, x13, x24, x57, x68, x57, x68};
    for (int i = 1; i <= 8; ++i) {
        FoundationPosX[i] = xs[i];
        const bool upper = i == 1 || i == 2 || i == 5 || i == 6;
        FoundationPosY[i] = upper ? S(10) : H + 2 * S(10);
    }
    SetGrid(2, 4, [&](int c) { return c == 1 ? R(half - 2 * W - 1.5 * S(5)) : R(half + W + 1.5 * S(5)); },
            [&](int r) { return S(10) + (r - 1) * (H + S(10)); });
    AuxPile2X = FoundationPosX[1];
    AuxPile2Y = 3 * H + 4 * S(10);
    AuxPile1X = FoundationPosX[2];
    AuxPile1Y = 3 * H + 4 * S(10);
    for (int i = 1; i <= 21; ++i) {
        if (i <= 10)
            BackboneX[i] = R(half - W - 0.5 * S(5));
        else if (i == 11)
            BackboneX[i] = R(half - 0.5 * W);
        else
            BackboneX[i] = R(half + 0.5 * S(5));
        BackboneY[i] = i <= 11 ? S(10) + (i - 1) * S(25) : S(10) + (i - 12) * S(25);
    }
}

void layoutCarpet()
{
    const int W = CardWidth;
    const int H = CardHeight;
    const double half = Scaling::TableWidth / 2.0;
    SetGrid(5, 4, [&](int c) { return R(half + (c - 3.5) * W + (c - 3) * S(5)); },
            [&](int r) { return S(10) + (r - 1) * (H + S(5)); });
    for (int i = 1; i <= 4; ++i) {
        FoundationPosX[i] = i <= 2 ? R(half - 3.5 * W - 3 * S(5)) : R(half + 2.5 * W + 3 * S(5));
        FoundationPosY[i] = i % 2 == 1 ? H + S(10) + S(5) : 2 * H + S(10) + 2 * S(5);
    }
    // The 10s stay unscaled.
    AuxPile2X = R(GridX[1][1] / 2.0) - W - 10;
    AuxPile2Y = 3 * H + S(10) + 3 * S(5);
    AuxPile1X = R(GridX[1][1] / 2.0) + 10;
    AuxPile1Y = AuxPile2Y;
}

void layoutFig(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 8; ++i) {
        PosX[i] = EightAboutCentre(C, i);
        PosY[i] = S(10);
    }
    for (int i = 9; i <= 15; ++i) {
        PosX[i] = C - S(1) - R(W / 2.0) + (i - 12) * (W + S(2));
        PosY[i] = H + 2 * S(10) + 3 * S(30);
    }
}

void layoutFlowerGarden(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 6; ++i) {
        if (i <= 3)
            ColumnX[i] = C - S(1) + (i - 4) * W + (i - 3) * S(2);
        else
            ColumnX[i] = C + S(1) + (i - 4) * (W + S(2));
    }
    ColumnTop = H + 2 * S(10);
    for (int i = 1; i <= 4; ++i)
        FoundationX[i] = ColumnX[i + 1];
    FoundationY = S(10);
    SadReserveX = C - 4 * W - S(1) - 2 * S(2) - S(20);
    for (int i = 1; i <= 16; ++i)
        SadReserveY[i] = S(10) + (i - 1) * S(25);
}

void layoutEightSages(int C)
{
    const int W = CardWidth;
    const int H = CardHeight;
    for (int i = 1; i <= 8; ++i) {
        ColumnX[i] = S(60) + EightAboutCentre(C, i);
        FoundationX[i] = ColumnX[i];
    }
    ColumnTop = H + 2 * S(10);
    FoundationY = S(10);
    AuxPile2X = Scaling::TableWidth - C - 4 * W - S(1) - 3 * S(2) - S(60);
    AuxPile2Y = S(10);
    AuxPile1X = AuxPile2X;
    AuxPile1Y = H + 2 * S(10);
}

} // namespace

void LayoutGroup3(int C)
{
    switch (CurrentGameId) {
    case 12: layoutPictureGallery(C); break;
    case 405: layoutDesire(C); break;
    case 406: layoutTwenty(C); break;
    case 417: layoutCalculation(C); break;
    case 418: layoutSultan(); break;
    case 425: layoutBackbone(); break;
    case 428: layoutCarpet(); break;
    case 443: layoutFig(C); break;
    case 444: layoutFlowerGarden(C); break;
    case 445: layoutEightSages(C); break;
    default: break;
    }
}

} // namespace GameState::LayoutCommon
