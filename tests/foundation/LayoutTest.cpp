#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Layout.h"
#include "foundation/Scaling.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace GameState;

namespace {

// Every layout number of the table state, flattened to (name, i, j) -> the int. i and j
// are 0 where the number has fewer indexes.
struct NumberRef {
    std::string name;
    int i;
    int j;
    int* value;
};

template <class F>
void visitArray(const char* name, int& v, F& f, int i = 0, int j = 0)
{
    f(NumberRef{name, i, j, &v});
}
template <class T, int N, class F>
void visitArray(const char* name, platform::Arr<T, N>& a, F& f, int i = 0, int = 0)
{
    for (int k = 1; k <= N; ++k) {
        if (i == 0)
            visitArray(name, a[k], f, k, 0);
        else
            visitArray(name, a[k], f, i, k);
    }
}

std::vector<NumberRef> allLayoutNumbers()
{
    std::vector<NumberRef> all;
    auto add = [&](const NumberRef& r) { all.push_back(r); };
#define V(x) visitArray(#x, x, add)
    V(CardWidth); V(CardHeight); V(CardInset); V(TableArea); V(ActionButtonLeft);
    V(ActionButtonWidth); V(ActionButtonHeight); V(SpecialX); V(TopRowY); V(ColumnsTopY);
    V(ColumnsHeight); V(PileFanStep); V(ColumnX); V(ColumnTop); V(ColumnStep); V(PosX); V(PosY);
    V(GridX); V(GridY); V(FoundationX); V(FoundationY); V(FoundationPosX); V(FoundationPosY);
    V(FreeCellX); V(FreeCellY); V(AuxPile1X); V(AuxPile1Y); V(AuxPile2X); V(AuxPile2Y);
    V(FlySpeed); V(TulipPlaceStep); V(TulipPlaceX); V(TulipRowY); V(BoardRects); V(TopAreaRect);
    V(MainAreaRect); V(BottomAreaRect); V(SideAreaRect); V(ButtonRect1); V(ButtonRect2);
    V(GalleryColX); V(BottomRowX); V(GalleryRowY); V(GalleryRowShift); V(DesireReserveX);
    V(DesireReserveY); V(SultanReserveX); V(SultanReserveY); V(BackboneX); V(BackboneY);
    V(SadReserveX); V(SadReserveY); V(BookBounds); V(BookLeftRects); V(BookRightRects);
    V(BookFoundationRects); V(BookStockRect); V(BookWasteRect); V(BookStockLabelRect);
    V(BookWasteLabelRect); V(BookListRect); V(DiscardX); V(DiscardY); V(LucieFanSteps);
    V(AlzhirReserveX); V(AlzhirReserveY); V(DemonReserveX); V(DemonReserveY); V(DemonReserveStep);
#undef V
    return all;
}

std::string keyOf(const std::string& name, int i, int j)
{
    return name + "[" + std::to_string(i) + "][" + std::to_string(j) + "]";
}

struct Window {
    int width;
    int height;
    double zoom;
};
constexpr Window Zoom10{760, 500, 1.0};
constexpr Window Zoom13{990, 650, 1.3};
constexpr Window Zoom17{1290, 850, 1.7};
constexpr Window Zoom20{1520, 1000, 2.0};

void layOut(int game, Window w = Zoom10, bool wideFaces = true)
{
    ApplyZoomForTest(w.width, w.height, w.zoom, wideFaces);
    CurrentGameId = game;
    CurrentGroup = GameTables::GameGroupOf(game);
    LayoutTable();
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override
    {
        ResetGameState();
        ApplyZoomForTest(760, 500, 1.0, true);
    }
};

struct DesignValue {
    int game;
    const char* name;
    int i;
    int j;
    int expected;
};

// The design values at zoom 1: a 760 x 500 table with 71 x 96 cards. Grids list every
// column at their first and last rows and every row at their first and last columns.
const DesignValue designValues[] = {
    {431, "TopRowY", 0, 0, 17},
    {431, "ColumnsTopY", 0, 0, 117},
    {431, "ColumnsHeight", 0, 0, 303},
    {71, "TopRowY", 0, 0, 17},
    {71, "ColumnsTopY", 0, 0, 117},
    {71, "ColumnsHeight", 0, 0, 303},
    {413, "TopRowY", 0, 0, 17},
    {413, "ColumnsTopY", 0, 0, 117},
    {413, "ColumnsHeight", 0, 0, 303},
    {414, "TopRowY", 0, 0, 17},
    {414, "ColumnsTopY", 0, 0, 117},
    {414, "ColumnsHeight", 0, 0, 303},
    {421, "TopRowY", 0, 0, 17},
    {421, "ColumnsTopY", 0, 0, 117},
    {421, "ColumnsHeight", 0, 0, 303},
    {404, "TopRowY", 0, 0, 17},
    {404, "ColumnsTopY", 0, 0, 117},
    {404, "ColumnsHeight", 0, 0, 303},
    {403, "TopRowY", 0, 0, 17},
    {403, "ColumnsTopY", 0, 0, 17},
    {403, "ColumnsHeight", 0, 0, 403},
    {432, "TopRowY", 0, 0, 17},
    {432, "ColumnsTopY", 0, 0, 117},
    {432, "ColumnsHeight", 0, 0, 303},
    {433, "TopRowY", 0, 0, 17},
    {433, "ColumnsTopY", 0, 0, 17},
    {433, "ColumnsHeight", 0, 0, 403},
    {431, "SpecialX", 1, 0, 101},
    {431, "SpecialX", 2, 0, 182},
    {431, "SpecialX", 3, 0, 263},
    {431, "SpecialX", 4, 0, 344},
    {431, "SpecialX", 5, 0, 426},
    {431, "SpecialX", 6, 0, 507},
    {431, "SpecialX", 7, 0, 588},
    {71, "SpecialX", 1, 0, 16},
    {71, "SpecialX", 2, 0, 89},
    {71, "SpecialX", 3, 0, 162},
    {71, "SpecialX", 4, 0, 235},
    {71, "SpecialX", 5, 0, 308},
    {71, "SpecialX", 6, 0, 381},
    {71, "SpecialX", 7, 0, 454},
    {71, "SpecialX", 8, 0, 527},
    {71, "SpecialX", 9, 0, 600},
    {71, "SpecialX", 10, 0, 673},
    {413, "SpecialX", 1, 0, 16},
    {413, "SpecialX", 2, 0, 89},
    {413, "SpecialX", 3, 0, 162},
    {413, "SpecialX", 4, 0, 235},
    {413, "SpecialX", 5, 0, 308},
    {413, "SpecialX", 6, 0, 381},
    {413, "SpecialX", 7, 0, 454},
    {413, "SpecialX", 8, 0, 527},
    {413, "SpecialX", 9, 0, 600},
    {413, "SpecialX", 10, 0, 673},
    {414, "SpecialX", 1, 0, 16},
    {414, "SpecialX", 2, 0, 89},
    {414, "SpecialX", 3, 0, 162},
    {414, "SpecialX", 4, 0, 235},
    {414, "SpecialX", 5, 0, 308},
    {414, "SpecialX", 6, 0, 381},
    {414, "SpecialX", 7, 0, 454},
    {414, "SpecialX", 8, 0, 527},
    {414, "SpecialX", 9, 0, 600},
    {414, "SpecialX", 10, 0, 673},
    {421, "SpecialX", 1, 0, 16},
    {421, "SpecialX", 2, 0, 89},
    {421, "SpecialX", 3, 0, 162},
    {421, "SpecialX", 4, 0, 235},
    {421, "SpecialX", 5, 0, 308},
    {421, "SpecialX", 6, 0, 381},
    {421, "SpecialX", 7, 0, 454},
    {421, "SpecialX", 8, 0, 527},
    {421, "SpecialX", 9, 0, 600},
    {421, "SpecialX", 10, 0, 673},
    {433, "SpecialX", 1, 0, 16},
    {433, "SpecialX", 2, 0, 89},
    {433, "SpecialX", 3, 0, 162},
    {433, "SpecialX", 4, 0, 235},
    {433, "SpecialX", 5, 0, 308},
    {433, "SpecialX", 6, 0, 381},
    {433, "SpecialX", 7, 0, 454},
    {433, "SpecialX", 8, 0, 527},
    {433, "SpecialX", 9, 0, 600},
    {433, "SpecialX", 10, 0, 673},
    {404, "SpecialX", 1, 0, 119},
    {404, "SpecialX", 2, 0, 194},
    {404, "SpecialX", 3, 0, 269},
    {404, "SpecialX", 4, 0, 344},
    {404, "SpecialX", 5, 0, 420},
    {404, "SpecialX", 6, 0, 495},
    {404, "SpecialX", 7, 0, 570},
    {403, "SpecialX", 1, 0, 119},
    {403, "SpecialX", 2, 0, 194},
    {403, "SpecialX", 3, 0, 269},
    {403, "SpecialX", 4, 0, 344},
    {403, "SpecialX", 5, 0, 420},
    {403, "SpecialX", 6, 0, 495},
    {403, "SpecialX", 7, 0, 570},
    {432, "SpecialX", 1, 0, 44},
    {432, "SpecialX", 2, 0, 119},
    {432, "SpecialX", 3, 0, 194},
    {432, "SpecialX", 4, 0, 269},
    {432, "SpecialX", 5, 0, 344},
    {432, "SpecialX", 6, 0, 420},
    {432, "SpecialX", 7, 0, 495},
    {432, "SpecialX", 8, 0, 570},
    {432, "SpecialX", 9, 0, 645},
    {430, "ColumnX", 1, 0, 44},
    {430, "ColumnX", 2, 0, 130},
    {430, "ColumnX", 3, 0, 216},
    {430, "ColumnX", 4, 0, 302},
    {430, "ColumnX", 5, 0, 388},
    {430, "ColumnX", 6, 0, 474},
    {430, "ColumnX", 7, 0, 560},
    {430, "ColumnX", 8, 0, 646},
    {430, "FreeCellX", 1, 0, 44},
    {430, "FreeCellX", 2, 0, 120},
    {430, "FreeCellX", 3, 0, 196},
    {430, "FreeCellX", 4, 0, 272},
    {430, "FoundationX", 1, 0, 418},
    {430, "FoundationX", 2, 0, 494},
    {430, "FoundationX", 3, 0, 570},
    {430, "FoundationX", 4, 0, 646},
    {430, "FreeCellY", 0, 0, 10},
    {430, "FoundationY", 0, 0, 10},
    {430, "ColumnTop", 0, 0, 116},
    {430, "ColumnsHeight", 0, 0, 304},
    {431, "ActionButtonLeft", 0, 0, 575},
    {431, "ActionButtonWidth", 0, 0, 180},
    {431, "ActionButtonHeight", 0, 0, 30},
    {424, "TableArea", 1, 0, 10},
    {424, "TableArea", 2, 0, 10},
    {424, "TableArea", 3, 0, 750},
    {424, "TableArea", 4, 0, 398},
    {424, "ActionButtonLeft", 0, 0, 600},
    {424, "ActionButtonWidth", 0, 0, 130},
    {424, "ActionButtonHeight", 0, 0, 30},
    {424, "GridX", 1, 1, 79},
    {424, "GridX", 1, 7, 79},
    {424, "GridX", 2, 1, 122},
    {424, "GridX", 2, 7, 122},
    {424, "GridX", 3, 1, 165},
    {424, "GridX", 3, 7, 165},
    {424, "GridX", 4, 1, 208},
    {424, "GridX", 4, 7, 208},
    {424, "GridX", 5, 1, 251},
    {424, "GridX", 5, 7, 251},
    {424, "GridX", 6, 1, 294},
    {424, "GridX", 6, 7, 294},
    {424, "GridX", 7, 1, 337},
    {424, "GridX", 7, 7, 337},
    {424, "GridX", 8, 1, 380},
    {424, "GridX", 8, 7, 380},
    {424, "GridX", 9, 1, 423},
    {424, "GridX", 9, 7, 423},
    {424, "GridX", 10, 1, 466},
    {424, "GridX", 10, 7, 466},
    {424, "GridX", 11, 1, 509},
    {424, "GridX", 11, 7, 509},
    {424, "GridX", 12, 1, 552},
    {424, "GridX", 12, 7, 552},
    {424, "GridX", 13, 1, 595},
    {424, "GridX", 13, 7, 595},
    {424, "GridY", 1, 1, 10},
    {424, "GridY", 13, 1, 10},
    {424, "GridY", 1, 2, 68},
    {424, "GridY", 13, 2, 68},
    {424, "GridY", 1, 3, 126},
    {424, "GridY", 13, 3, 126},
    {424, "GridY", 1, 4, 184},
    {424, "GridY", 13, 4, 184},
    {424, "GridY", 1, 5, 242},
    {424, "GridY", 13, 5, 242},
    {424, "GridY", 1, 6, 300},
    {424, "GridY", 13, 6, 300},
    {424, "GridY", 1, 7, 358},
    {424, "GridY", 13, 7, 358},
    {424, "AuxPile2X", 0, 0, 79},
    {424, "AuxPile2Y", 0, 0, 10},
    {424, "AuxPile1X", 0, 0, 165},
    {424, "AuxPile1Y", 0, 0, 10},
    {427, "GridX", 1, 1, 10},
    {427, "GridX", 1, 4, 10},
    {427, "GridX", 2, 1, 47},
    {427, "GridX", 2, 4, 47},
    {427, "GridX", 3, 1, 84},
    {427, "GridX", 3, 4, 84},
    {427, "GridX", 4, 1, 121},
    {427, "GridX", 4, 4, 121},
    {427, "GridX", 5, 1, 158},
    {427, "GridX", 5, 4, 158},
    {427, "GridX", 6, 1, 195},
    {427, "GridX", 6, 4, 195},
    {427, "GridX", 7, 1, 232},
    {427, "GridX", 7, 4, 232},
    {427, "GridX", 8, 1, 269},
    {427, "GridX", 8, 4, 269},
    {427, "GridX", 9, 1, 306},
    {427, "GridX", 9, 4, 306},
    {427, "GridX", 10, 1, 343},
    {427, "GridX", 10, 4, 343},
    {427, "GridX", 11, 1, 380},
    {427, "GridX", 11, 4, 380},
    {427, "GridX", 12, 1, 417},
    {427, "GridX", 12, 4, 417},
    {427, "GridX", 13, 1, 454},
    {427, "GridX", 13, 4, 454},
    {427, "GridX", 14, 1, 491},
    {427, "GridX", 14, 4, 491},
    {427, "GridX", 15, 1, 528},
    {427, "GridX", 15, 4, 528},
    {427, "GridX", 16, 1, 565},
    {427, "GridX", 16, 4, 565},
    {427, "GridX", 17, 1, 602},
    {427, "GridX", 17, 4, 602},
    {427, "GridX", 18, 1, 639},
    {427, "GridX", 18, 4, 639},
    {427, "GridX", 19, 1, 676},
    {427, "GridX", 19, 4, 676},
    {427, "GridY", 1, 1, 30},
    {427, "GridY", 19, 1, 30},
    {427, "GridY", 1, 2, 88},
    {427, "GridY", 19, 2, 88},
    {427, "GridY", 1, 3, 146},
    {427, "GridY", 19, 3, 146},
    {427, "GridY", 1, 4, 204},
    {427, "GridY", 19, 4, 204},
    {427, "AuxPile2X", 0, 0, 10},
    {427, "AuxPile2Y", 0, 0, 330},
    {427, "AuxPile1X", 0, 0, 121},
    {427, "AuxPile1Y", 0, 0, 330},
    {434, "GridX", 1, 1, 110},
    {434, "GridX", 1, 5, 110},
    {434, "GridX", 2, 1, 188},
    {434, "GridX", 2, 5, 188},
    {434, "GridX", 3, 1, 266},
    {434, "GridX", 3, 5, 266},
    {434, "GridX", 4, 1, 344},
    {434, "GridX", 4, 5, 344},
    {434, "GridX", 5, 1, 422},
    {434, "GridX", 5, 5, 422},
    {434, "GridX", 6, 1, 500},
    {434, "GridX", 6, 5, 500},
    {434, "GridX", 7, 1, 578},
    {434, "GridX", 7, 5, 578},
    {434, "GridY", 1, 1, 116},
    {434, "GridY", 7, 1, 116},
    {434, "GridY", 1, 2, 145},
    {434, "GridY", 7, 2, 145},
    {434, "GridY", 1, 3, 174},
    {434, "GridY", 7, 3, 174},
    {434, "GridY", 1, 4, 203},
    {434, "GridY", 7, 4, 203},
    {434, "GridY", 1, 5, 232},
    {434, "GridY", 7, 5, 232},
    {434, "AuxPile2X", 0, 0, 110},
    {434, "AuxPile2Y", 0, 0, 10},
    {434, "AuxPile1X", 0, 0, 188},
    {434, "AuxPile1Y", 0, 0, 10},
    {435, "GridX", 1, 1, 121},
    {435, "GridX", 1, 7, 121},
    {435, "GridX", 2, 1, 158},
    {435, "GridX", 2, 7, 158},
    {435, "GridX", 3, 1, 195},
    {435, "GridX", 3, 7, 195},
    {435, "GridX", 4, 1, 232},
    {435, "GridX", 4, 7, 232},
    {435, "GridX", 5, 1, 269},
    {435, "GridX", 5, 7, 269},
    {435, "GridX", 6, 1, 306},
    {435, "GridX", 6, 7, 306},
    {435, "GridX", 7, 1, 343},
    {435, "GridX", 7, 7, 343},
    {435, "GridX", 8, 1, 380},
    {435, "GridX", 8, 7, 380},
    {435, "GridX", 9, 1, 417},
    {435, "GridX", 9, 7, 417},
    {435, "GridX", 10, 1, 454},
    {435, "GridX", 10, 7, 454},
    {435, "GridX", 11, 1, 491},
    {435, "GridX", 11, 7, 491},
    {435, "GridX", 12, 1, 528},
    {435, "GridX", 12, 7, 528},
    {435, "GridX", 13, 1, 565},
    {435, "GridX", 13, 7, 565},
    {435, "GridY", 1, 1, 30},
    {435, "GridY", 13, 1, 30},
    {435, "GridY", 1, 2, 83},
    {435, "GridY", 13, 2, 83},
    {435, "GridY", 1, 3, 136},
    {435, "GridY", 13, 3, 136},
    {435, "GridY", 1, 4, 189},
    {435, "GridY", 13, 4, 189},
    {435, "GridY", 1, 5, 242},
    {435, "GridY", 13, 5, 242},
    {435, "GridY", 1, 6, 295},
    {435, "GridY", 13, 6, 295},
    {435, "GridY", 1, 7, 348},
    {435, "GridY", 13, 7, 348},
    {435, "AuxPile2X", 0, 0, 26},
    {435, "AuxPile2Y", 0, 0, 348},
    {435, "AuxPile1X", 0, 0, 109},
    {435, "AuxPile1Y", 0, 0, 348},
    {436, "GridX", 1, 1, 20},
    {436, "GridX", 1, 7, 20},
    {436, "GridX", 2, 1, 60},
    {436, "GridX", 2, 7, 60},
    {436, "GridX", 3, 1, 100},
    {436, "GridX", 3, 7, 100},
    {436, "GridX", 4, 1, 140},
    {436, "GridX", 4, 7, 140},
    {436, "GridX", 5, 1, 180},
    {436, "GridX", 5, 7, 180},
    {436, "GridX", 6, 1, 220},
    {436, "GridX", 6, 7, 220},
    {436, "GridX", 7, 1, 260},
    {436, "GridX", 7, 7, 260},
    {436, "GridX", 8, 1, 300},
    {436, "GridX", 8, 7, 300},
    {436, "GridX", 9, 1, 340},
    {436, "GridX", 9, 7, 340},
    {436, "GridX", 10, 1, 380},
    {436, "GridX", 10, 7, 380},
    {436, "GridX", 11, 1, 420},
    {436, "GridX", 11, 7, 420},
    {436, "GridX", 12, 1, 460},
    {436, "GridX", 12, 7, 460},
    {436, "GridX", 13, 1, 500},
    {436, "GridX", 13, 7, 500},
    {436, "GridX", 14, 1, 540},
    {436, "GridX", 14, 7, 540},
    {436, "GridX", 15, 1, 580},
    {436, "GridX", 15, 7, 580},
    {436, "GridX", 16, 1, 620},
    {436, "GridX", 16, 7, 620},
    {436, "GridX", 17, 1, 660},
    {436, "GridX", 17, 7, 660},
    {436, "GridY", 1, 1, 1},
    {436, "GridY", 17, 1, 1},
    {436, "GridY", 1, 2, 50},
    {436, "GridY", 17, 2, 50},
    {436, "GridY", 1, 3, 99},
    {436, "GridY", 17, 3, 99},
    {436, "GridY", 1, 4, 148},
    {436, "GridY", 17, 4, 148},
    {436, "GridY", 1, 5, 197},
    {436, "GridY", 17, 5, 197},
    {436, "GridY", 1, 6, 246},
    {436, "GridY", 17, 6, 246},
    {436, "GridY", 1, 7, 295},
    {436, "GridY", 17, 7, 295},
    {436, "AuxPile2X", 0, 0, 20},
    {436, "AuxPile2Y", 0, 0, 393},
    {436, "AuxPile1X", 0, 0, 100},
    {436, "AuxPile1Y", 0, 0, 393},
    {19, "TulipRowY", 1, 0, 3},
    {19, "TulipRowY", 2, 0, 102},
    {19, "TulipRowY", 3, 0, 201},
    {19, "TulipRowY", 4, 0, 300},
    {19, "BoardRects", 1, 1, 30},
    {19, "BoardRects", 1, 2, 405},
    {19, "BoardRects", 1, 3, 180},
    {19, "BoardRects", 1, 4, 490},
    {19, "TulipPlaceStep", 0, 0, 51},
    {19, "TulipPlaceX", 1, 0, 10},
    {19, "TulipPlaceX", 2, 0, 61},
    {19, "TulipPlaceX", 3, 0, 112},
    {19, "TulipPlaceX", 4, 0, 163},
    {19, "TulipPlaceX", 5, 0, 214},
    {19, "TulipPlaceX", 6, 0, 265},
    {19, "TulipPlaceX", 7, 0, 316},
    {19, "TulipPlaceX", 8, 0, 367},
    {19, "TulipPlaceX", 9, 0, 418},
    {19, "TulipPlaceX", 10, 0, 469},
    {19, "TulipPlaceX", 11, 0, 520},
    {19, "TulipPlaceX", 12, 0, 571},
    {19, "TulipPlaceX", 13, 0, 622},
    {19, "TulipPlaceX", 14, 0, 673},
    {401, "TulipRowY", 1, 0, 3},
    {401, "TulipRowY", 2, 0, 102},
    {401, "TulipRowY", 3, 0, 201},
    {401, "TulipRowY", 4, 0, 300},
    {401, "BoardRects", 1, 1, 30},
    {401, "BoardRects", 1, 2, 405},
    {401, "BoardRects", 1, 3, 180},
    {401, "BoardRects", 1, 4, 490},
    {401, "TulipPlaceStep", 0, 0, 51},
    {401, "TulipPlaceX", 1, 0, 10},
    {401, "TulipPlaceX", 2, 0, 61},
    {401, "TulipPlaceX", 3, 0, 112},
    {401, "TulipPlaceX", 4, 0, 163},
    {401, "TulipPlaceX", 5, 0, 214},
    {401, "TulipPlaceX", 6, 0, 265},
    {401, "TulipPlaceX", 7, 0, 316},
    {401, "TulipPlaceX", 8, 0, 367},
    {401, "TulipPlaceX", 9, 0, 418},
    {401, "TulipPlaceX", 10, 0, 469},
    {401, "TulipPlaceX", 11, 0, 520},
    {401, "TulipPlaceX", 12, 0, 571},
    {401, "TulipPlaceX", 13, 0, 622},
    {401, "TulipPlaceX", 14, 0, 673},
    {402, "TulipRowY", 1, 0, 3},
    {402, "TulipRowY", 2, 0, 102},
    {402, "TulipRowY", 3, 0, 201},
    {402, "TulipRowY", 4, 0, 300},
    {402, "BoardRects", 1, 1, 30},
    {402, "BoardRects", 1, 2, 405},
    {402, "BoardRects", 1, 3, 180},
    {402, "BoardRects", 1, 4, 490},
    {402, "TulipPlaceStep", 0, 0, 51},
    {402, "TulipPlaceX", 1, 0, 112},
    {402, "TulipPlaceX", 2, 0, 163},
    {402, "TulipPlaceX", 3, 0, 214},
    {402, "TulipPlaceX", 4, 0, 265},
    {402, "TulipPlaceX", 5, 0, 316},
    {402, "TulipPlaceX", 6, 0, 367},
    {402, "TulipPlaceX", 7, 0, 418},
    {402, "TulipPlaceX", 8, 0, 469},
    {402, "TulipPlaceX", 9, 0, 520},
    {402, "TulipPlaceX", 10, 0, 571},
    {402, "TulipPlaceX", 11, 0, 622},
    {402, "TulipPlaceX", 12, 0, 673},
    {402, "TulipPlaceX", 13, 0, 724},
    {402, "TulipPlaceX", 14, 0, 775},
    {419, "PosX", 1, 0, 56},
    {419, "PosX", 2, 0, 152},
    {419, "PosX", 3, 0, 248},
    {419, "PosX", 4, 0, 344},
    {419, "PosX", 5, 0, 440},
    {419, "PosX", 6, 0, 536},
    {419, "PosX", 7, 0, 632},
    {419, "PosY", 1, 0, 20},
    {419, "PosY", 2, 0, 141},
    {419, "PosY", 3, 0, 262},
    {420, "PosX", 1, 0, 142},
    {420, "PosX", 2, 0, 221},
    {420, "PosX", 3, 0, 300},
    {420, "PosX", 4, 0, 379},
    {420, "PosX", 5, 0, 458},
    {420, "PosX", 6, 0, 537},
    {420, "PosY", 1, 0, 18},
    {420, "PosY", 2, 0, 146},
    {420, "PosY", 3, 0, 274},
    {420, "PosY", 4, 0, 402},
    {12, "ActionButtonWidth", 0, 0, 84},
    {12, "ActionButtonHeight", 0, 0, 30},
    {12, "TopAreaRect", 1, 0, 93},
    {12, "TopAreaRect", 2, 0, 1},
    {12, "TopAreaRect", 3, 0, 668},
    {12, "TopAreaRect", 4, 0, 97},
    {12, "MainAreaRect", 1, 0, 93},
    {12, "MainAreaRect", 2, 0, 98},
    {12, "MainAreaRect", 3, 0, 668},
    {12, "MainAreaRect", 4, 0, 388},
    {12, "BottomAreaRect", 1, 0, 21},
    {12, "BottomAreaRect", 2, 0, 389},
    {12, "BottomAreaRect", 3, 0, 740},
    {12, "BottomAreaRect", 4, 0, 485},
    {12, "SideAreaRect", 1, 0, 678},
    {12, "SideAreaRect", 2, 0, 98},
    {12, "SideAreaRect", 3, 0, 749},
    {12, "SideAreaRect", 4, 0, 314},
    {12, "ButtonRect1", 1, 0, 672},
    {12, "ButtonRect1", 2, 0, 321},
    {12, "ButtonRect1", 3, 0, 756},
    {12, "ButtonRect1", 4, 0, 351},
    {12, "ButtonRect2", 1, 0, 672},
    {12, "ButtonRect2", 2, 0, 351},
    {12, "ButtonRect2", 3, 0, 756},
    {12, "ButtonRect2", 4, 0, 381},
    {12, "GalleryColX", 1, 0, 0},
    {12, "GalleryColX", 2, 0, 72},
    {12, "GalleryColX", 3, 0, 144},
    {12, "GalleryColX", 4, 0, 216},
    {12, "GalleryColX", 5, 0, 288},
    {12, "GalleryColX", 6, 0, 360},
    {12, "GalleryColX", 7, 0, 432},
    {12, "GalleryColX", 8, 0, 504},
    {12, "BottomRowX", 1, 0, 0},
    {12, "BottomRowX", 2, 0, 72},
    {12, "BottomRowX", 3, 0, 144},
    {12, "BottomRowX", 4, 0, 216},
    {12, "BottomRowX", 5, 0, 288},
    {12, "BottomRowX", 6, 0, 360},
    {12, "BottomRowX", 7, 0, 432},
    {12, "BottomRowX", 8, 0, 504},
    {12, "BottomRowX", 9, 0, 576},
    {12, "BottomRowX", 10, 0, 648},
    {12, "GalleryRowY", 1, 0, 0},
    {12, "GalleryRowY", 2, 0, 97},
    {12, "GalleryRowY", 3, 0, 194},
    {12, "GalleryRowShift", 1, 0, 14},
    {12, "GalleryRowShift", 2, 0, 12},
    {12, "GalleryRowShift", 3, 0, 10},
    {12, "GalleryRowShift", 4, 0, 8},
    {12, "GalleryRowShift", 5, 0, 6},
    {12, "GalleryRowShift", 6, 0, 4},
    {12, "GalleryRowShift", 7, 0, 2},
    {12, "GalleryRowShift", 8, 0, 0},
    {405, "FoundationPosX", 1, 0, 89},
    {405, "FoundationPosX", 2, 0, 162},
    {405, "FoundationPosX", 3, 0, 235},
    {405, "FoundationPosX", 4, 0, 308},
    {405, "FoundationPosX", 5, 0, 381},
    {405, "FoundationPosX", 6, 0, 454},
    {405, "FoundationPosX", 7, 0, 527},
    {405, "FoundationPosX", 8, 0, 600},
    {405, "PosX", 1, 0, 89},
    {405, "PosX", 2, 0, 162},
    {405, "PosX", 3, 0, 235},
    {405, "PosX", 4, 0, 308},
    {405, "PosX", 5, 0, 381},
    {405, "PosX", 6, 0, 454},
    {405, "PosX", 7, 0, 527},
    {405, "PosX", 8, 0, 600},
    {405, "FoundationPosY", 1, 0, 5},
    {405, "FoundationPosY", 2, 0, 5},
    {405, "FoundationPosY", 3, 0, 5},
    {405, "FoundationPosY", 4, 0, 5},
    {405, "FoundationPosY", 5, 0, 5},
    {405, "FoundationPosY", 6, 0, 5},
    {405, "FoundationPosY", 7, 0, 5},
    {405, "FoundationPosY", 8, 0, 5},
    {405, "PosY", 1, 0, 106},
    {405, "PosY", 2, 0, 106},
    {405, "PosY", 3, 0, 106},
    {405, "PosY", 4, 0, 106},
    {405, "PosY", 5, 0, 106},
    {405, "PosY", 6, 0, 106},
    {405, "PosY", 7, 0, 106},
    {405, "PosY", 8, 0, 106},
    {405, "DesireReserveX", 1, 0, 16},
    {405, "DesireReserveX", 2, 0, 89},
    {405, "DesireReserveX", 3, 0, 162},
    {405, "DesireReserveX", 4, 0, 235},
    {405, "DesireReserveX", 5, 0, 308},
    {405, "DesireReserveX", 6, 0, 381},
    {405, "DesireReserveX", 7, 0, 454},
    {405, "DesireReserveX", 8, 0, 527},
    {405, "DesireReserveX", 9, 0, 600},
    {405, "DesireReserveX", 10, 0, 673},
    {405, "DesireReserveX", 11, 0, 16},
    {405, "DesireReserveY", 1, 0, 383},
    {405, "DesireReserveY", 2, 0, 383},
    {405, "DesireReserveY", 3, 0, 383},
    {405, "DesireReserveY", 4, 0, 383},
    {405, "DesireReserveY", 5, 0, 383},
    {405, "DesireReserveY", 6, 0, 383},
    {405, "DesireReserveY", 7, 0, 383},
    {405, "DesireReserveY", 8, 0, 383},
    {405, "DesireReserveY", 9, 0, 383},
    {405, "DesireReserveY", 10, 0, 383},
    {405, "DesireReserveY", 11, 0, 261},
    {406, "FoundationPosX", 1, 0, 82},
    {406, "FoundationPosX", 2, 0, 157},
    {406, "FoundationPosX", 3, 0, 232},
    {406, "FoundationPosX", 4, 0, 307},
    {406, "FoundationPosX", 5, 0, 382},
    {406, "FoundationPosX", 6, 0, 457},
    {406, "FoundationPosX", 7, 0, 532},
    {406, "FoundationPosX", 8, 0, 607},
    {406, "FoundationPosY", 1, 0, 5},
    {406, "FoundationPosY", 2, 0, 5},
    {406, "FoundationPosY", 3, 0, 5},
    {406, "FoundationPosY", 4, 0, 5},
    {406, "FoundationPosY", 5, 0, 5},
    {406, "FoundationPosY", 6, 0, 5},
    {406, "FoundationPosY", 7, 0, 5},
    {406, "FoundationPosY", 8, 0, 5},
    {406, "GridX", 1, 1, 120},
    {406, "GridX", 1, 3, 120},
    {406, "GridX", 2, 1, 195},
    {406, "GridX", 2, 3, 195},
    {406, "GridX", 3, 1, 270},
    {406, "GridX", 3, 3, 270},
    {406, "GridX", 4, 1, 345},
    {406, "GridX", 4, 3, 345},
    {406, "GridX", 5, 1, 420},
    {406, "GridX", 5, 3, 420},
    {406, "GridX", 6, 1, 495},
    {406, "GridX", 6, 3, 495},
    {406, "GridX", 7, 1, 570},
    {406, "GridX", 7, 3, 570},
    {406, "GridY", 1, 1, 141},
    {406, "GridY", 7, 1, 141},
    {406, "GridY", 1, 2, 249},
    {406, "GridY", 7, 2, 249},
    {406, "GridY", 1, 3, 357},
    {406, "GridY", 7, 3, 357},
    {417, "FoundationPosX", 1, 0, 224},
    {417, "FoundationPosX", 2, 0, 299},
    {417, "FoundationPosX", 3, 0, 374},
    {417, "FoundationPosX", 4, 0, 449},
    {417, "PosX", 1, 0, 224},
    {417, "PosX", 2, 0, 299},
    {417, "PosX", 3, 0, 374},
    {417, "PosX", 4, 0, 449},
    {417, "FoundationPosY", 1, 0, 30},
    {417, "FoundationPosY", 2, 0, 30},
    {417, "FoundationPosY", 3, 0, 30},
    {417, "FoundationPosY", 4, 0, 30},
    {417, "PosY", 1, 0, 166},
    {417, "PosY", 2, 0, 166},
    {417, "PosY", 3, 0, 166},
    {417, "PosY", 4, 0, 166},
    {417, "AuxPile1X", 0, 0, 123},
    {417, "AuxPile1Y", 0, 0, 30},
    {418, "AuxPile2X", 0, 0, 264},
    {418, "AuxPile2Y", 0, 0, 30},
    {418, "AuxPile1X", 0, 0, 426},
    {418, "AuxPile1Y", 0, 0, 30},
    {418, "SultanReserveX", 1, 0, 122},
    {418, "SultanReserveX", 2, 0, 122},
    {418, "SultanReserveX", 3, 0, 122},
    {418, "SultanReserveX", 4, 0, 568},
    {418, "SultanReserveX", 5, 0, 568},
    {418, "SultanReserveX", 6, 0, 568},
    {418, "SultanReserveY", 1, 0, 136},
    {418, "SultanReserveY", 2, 0, 242},
    {418, "SultanReserveY", 3, 0, 348},
    {418, "SultanReserveY", 4, 0, 136},
    {418, "SultanReserveY", 5, 0, 242},
    {418, "SultanReserveY", 6, 0, 348},
    {418, "GridX", 1, 1, 264},
    {418, "GridY", 1, 1, 136},
    {418, "GridX", 1, 2, 344},
    {418, "GridY", 1, 2, 136},
    {418, "GridX", 1, 3, 426},
    {418, "GridY", 1, 3, 136},
    {418, "GridX", 2, 1, 264},
    {418, "GridY", 2, 1, 242},
    {418, "GridX", 2, 2, 344},
    {418, "GridY", 2, 2, 242},
    {418, "GridX", 2, 3, 426},
    {418, "GridY", 2, 3, 242},
    {418, "GridX", 3, 1, 264},
    {418, "GridY", 3, 1, 348},
    {418, "GridX", 3, 2, 344},
    {418, "GridY", 3, 2, 348},
    {418, "GridX", 3, 3, 426},
    {418, "GridY", 3, 3, 348},
    {425, "FoundationPosX", 1, 0, 54},
    {425, "FoundationPosX", 2, 0, 130},
    {425, "FoundationPosX", 3, 0, 54},
    {425, "FoundationPosX", 4, 0, 130},
    {425, "FoundationPosX", 5, 0, 560},
    {425, "FoundationPosX", 6, 0, 636},
    {425, "FoundationPosX", 7, 0, 560},
    {425, "FoundationPosX", 8, 0, 636},
    {425, "FoundationPosY", 1, 0, 10},
    {425, "FoundationPosY", 2, 0, 10},
    {425, "FoundationPosY", 3, 0, 116},
    {425, "FoundationPosY", 4, 0, 116},
    {425, "FoundationPosY", 5, 0, 10},
    {425, "FoundationPosY", 6, 0, 10},
    {425, "FoundationPosY", 7, 0, 116},
    {425, "FoundationPosY", 8, 0, 116},
    {425, "GridX", 1, 1, 230},
    {425, "GridY", 1, 1, 10},
    {425, "GridX", 1, 2, 230},
    {425, "GridY", 1, 2, 116},
    {425, "GridX", 1, 3, 230},
    {425, "GridY", 1, 3, 222},
    {425, "GridX", 1, 4, 230},
    {425, "GridY", 1, 4, 328},
    {425, "GridX", 2, 1, 458},
    {425, "GridY", 2, 1, 10},
    {425, "GridX", 2, 2, 458},
    {425, "GridY", 2, 2, 116},
    {425, "GridX", 2, 3, 458},
    {425, "GridY", 2, 3, 222},
    {425, "GridX", 2, 4, 458},
    {425, "GridY", 2, 4, 328},
    {425, "AuxPile2X", 0, 0, 54},
    {425, "AuxPile2Y", 0, 0, 328},
    {425, "AuxPile1X", 0, 0, 130},
    {425, "AuxPile1Y", 0, 0, 328},
    {425, "BackboneX", 1, 0, 306},
    {425, "BackboneX", 2, 0, 306},
    {425, "BackboneX", 3, 0, 306},
    {425, "BackboneX", 4, 0, 306},
    {425, "BackboneX", 5, 0, 306},
    {425, "BackboneX", 6, 0, 306},
    {425, "BackboneX", 7, 0, 306},
    {425, "BackboneX", 8, 0, 306},
    {425, "BackboneX", 9, 0, 306},
    {425, "BackboneX", 10, 0, 306},
    {425, "BackboneX", 11, 0, 344},
    {425, "BackboneX", 12, 0, 382},
    {425, "BackboneX", 13, 0, 382},
    {425, "BackboneX", 14, 0, 382},
    {425, "BackboneX", 15, 0, 382},
    {425, "BackboneX", 16, 0, 382},
    {425, "BackboneX", 17, 0, 382},
    {425, "BackboneX", 18, 0, 382},
    {425, "BackboneX", 19, 0, 382},
    {425, "BackboneX", 20, 0, 382},
    {425, "BackboneX", 21, 0, 382},
    {425, "BackboneY", 1, 0, 10},
    {425, "BackboneY", 2, 0, 35},
    {425, "BackboneY", 3, 0, 60},
    {425, "BackboneY", 4, 0, 85},
    {425, "BackboneY", 5, 0, 110},
    {425, "BackboneY", 6, 0, 135},
    {425, "BackboneY", 7, 0, 160},
    {425, "BackboneY", 8, 0, 185},
    {425, "BackboneY", 9, 0, 210},
    {425, "BackboneY", 10, 0, 235},
    {425, "BackboneY", 11, 0, 260},
    {425, "BackboneY", 12, 0, 10},
    {425, "BackboneY", 13, 0, 35},
    {425, "BackboneY", 14, 0, 60},
    {425, "BackboneY", 15, 0, 85},
    {425, "BackboneY", 16, 0, 110},
    {425, "BackboneY", 17, 0, 135},
    {425, "BackboneY", 18, 0, 160},
    {425, "BackboneY", 19, 0, 185},
    {425, "BackboneY", 20, 0, 210},
    {425, "BackboneY", 21, 0, 235},
    {428, "GridX", 1, 1, 192},
    {428, "GridX", 1, 4, 192},
    {428, "GridX", 2, 1, 268},
    {428, "GridX", 2, 4, 268},
    {428, "GridX", 3, 1, 344},
    {428, "GridX", 3, 4, 344},
    {428, "GridX", 4, 1, 420},
    {428, "GridX", 4, 4, 420},
    {428, "GridX", 5, 1, 496},
    {428, "GridX", 5, 4, 496},
    {428, "GridY", 1, 1, 10},
    {428, "GridY", 5, 1, 10},
    {428, "GridY", 1, 2, 111},
    {428, "GridY", 5, 2, 111},
    {428, "GridY", 1, 3, 212},
    {428, "GridY", 5, 3, 212},
    {428, "GridY", 1, 4, 313},
    {428, "GridY", 5, 4, 313},
    {428, "FoundationPosX", 1, 0, 116},
    {428, "FoundationPosX", 2, 0, 116},
    {428, "FoundationPosX", 3, 0, 572},
    {428, "FoundationPosX", 4, 0, 572},
    {428, "FoundationPosY", 1, 0, 111},
    {428, "FoundationPosY", 2, 0, 212},
    {428, "FoundationPosY", 3, 0, 111},
    {428, "FoundationPosY", 4, 0, 212},
    {428, "AuxPile2X", 0, 0, 15},
    {428, "AuxPile2Y", 0, 0, 313},
    {428, "AuxPile1X", 0, 0, 106},
    {428, "AuxPile1Y", 0, 0, 313},
    {443, "PosX", 1, 0, 89},
    {443, "PosX", 2, 0, 162},
    {443, "PosX", 3, 0, 235},
    {443, "PosX", 4, 0, 308},
    {443, "PosX", 5, 0, 381},
    {443, "PosX", 6, 0, 454},
    {443, "PosX", 7, 0, 527},
    {443, "PosX", 8, 0, 600},
    {443, "PosX", 9, 0, 124},
    {443, "PosX", 10, 0, 197},
    {443, "PosX", 11, 0, 270},
    {443, "PosX", 12, 0, 343},
    {443, "PosX", 13, 0, 416},
    {443, "PosX", 14, 0, 489},
    {443, "PosX", 15, 0, 562},
    {443, "PosY", 1, 0, 10},
    {443, "PosY", 2, 0, 10},
    {443, "PosY", 3, 0, 10},
    {443, "PosY", 4, 0, 10},
    {443, "PosY", 5, 0, 10},
    {443, "PosY", 6, 0, 10},
    {443, "PosY", 7, 0, 10},
    {443, "PosY", 8, 0, 10},
    {443, "PosY", 9, 0, 206},
    {443, "PosY", 10, 0, 206},
    {443, "PosY", 11, 0, 206},
    {443, "PosY", 12, 0, 206},
    {443, "PosY", 13, 0, 206},
    {443, "PosY", 14, 0, 206},
    {443, "PosY", 15, 0, 206},
    {444, "ColumnX", 1, 0, 162},
    {444, "ColumnX", 2, 0, 235},
    {444, "ColumnX", 3, 0, 308},
    {444, "ColumnX", 4, 0, 381},
    {444, "ColumnX", 5, 0, 454},
    {444, "ColumnX", 6, 0, 527},
    {444, "ColumnTop", 0, 0, 116},
    {444, "FoundationX", 1, 0, 235},
    {444, "FoundationX", 2, 0, 308},
    {444, "FoundationX", 3, 0, 381},
    {444, "FoundationX", 4, 0, 454},
    {444, "FoundationY", 0, 0, 10},
    {444, "SadReserveX", 0, 0, 71},
    {444, "SadReserveY", 1, 0, 10},
    {444, "SadReserveY", 2, 0, 35},
    {444, "SadReserveY", 3, 0, 60},
    {444, "SadReserveY", 4, 0, 85},
    {444, "SadReserveY", 5, 0, 110},
    {444, "SadReserveY", 6, 0, 135},
    {444, "SadReserveY", 7, 0, 160},
    {444, "SadReserveY", 8, 0, 185},
    {444, "SadReserveY", 9, 0, 210},
    {444, "SadReserveY", 10, 0, 235},
    {444, "SadReserveY", 11, 0, 260},
    {444, "SadReserveY", 12, 0, 285},
    {444, "SadReserveY", 13, 0, 310},
    {444, "SadReserveY", 14, 0, 335},
    {444, "SadReserveY", 15, 0, 360},
    {444, "SadReserveY", 16, 0, 385},
    {445, "ColumnX", 1, 0, 149},
    {445, "ColumnX", 2, 0, 222},
    {445, "ColumnX", 3, 0, 295},
    {445, "ColumnX", 4, 0, 368},
    {445, "ColumnX", 5, 0, 441},
    {445, "ColumnX", 6, 0, 514},
    {445, "ColumnX", 7, 0, 587},
    {445, "ColumnX", 8, 0, 660},
    {445, "FoundationX", 1, 0, 149},
    {445, "FoundationX", 2, 0, 222},
    {445, "FoundationX", 3, 0, 295},
    {445, "FoundationX", 4, 0, 368},
    {445, "FoundationX", 5, 0, 441},
    {445, "FoundationX", 6, 0, 514},
    {445, "FoundationX", 7, 0, 587},
    {445, "FoundationX", 8, 0, 660},
    {445, "ColumnTop", 0, 0, 116},
    {445, "FoundationY", 0, 0, 10},
    {445, "AuxPile2X", 0, 0, 29},
    {445, "AuxPile2Y", 0, 0, 10},
    {445, "AuxPile1X", 0, 0, 29},
    {445, "AuxPile1Y", 0, 0, 116},
    {18, "ActionButtonWidth", 0, 0, 180},
    {18, "ActionButtonHeight", 0, 0, 30},
    {18, "MainAreaRect", 1, 0, 0},
    {18, "MainAreaRect", 2, 0, 0},
    {18, "MainAreaRect", 3, 0, 760},
    {18, "MainAreaRect", 4, 0, 500},
    {18, "BookLeftRects", 1, 1, 184},
    {18, "BookLeftRects", 1, 2, 4},
    {18, "BookLeftRects", 1, 3, 255},
    {18, "BookLeftRects", 1, 4, 100},
    {18, "BookRightRects", 1, 1, 405},
    {18, "BookRightRects", 1, 2, 4},
    {18, "BookRightRects", 1, 3, 476},
    {18, "BookRightRects", 1, 4, 100},
    {18, "BookFoundationRects", 1, 1, 257},
    {18, "BookFoundationRects", 1, 2, 4},
    {18, "BookFoundationRects", 1, 3, 328},
    {18, "BookFoundationRects", 1, 4, 100},
    {18, "BookFoundationRects", 2, 1, 332},
    {18, "BookFoundationRects", 2, 2, 4},
    {18, "BookFoundationRects", 2, 3, 403},
    {18, "BookFoundationRects", 2, 4, 100},
    {18, "BookLeftRects", 2, 1, 184},
    {18, "BookLeftRects", 2, 2, 104},
    {18, "BookLeftRects", 2, 3, 255},
    {18, "BookLeftRects", 2, 4, 200},
    {18, "BookRightRects", 2, 1, 405},
    {18, "BookRightRects", 2, 2, 104},
    {18, "BookRightRects", 2, 3, 476},
    {18, "BookRightRects", 2, 4, 200},
    {18, "BookFoundationRects", 3, 1, 257},
    {18, "BookFoundationRects", 3, 2, 104},
    {18, "BookFoundationRects", 3, 3, 328},
    {18, "BookFoundationRects", 3, 4, 200},
    {18, "BookFoundationRects", 4, 1, 332},
    {18, "BookFoundationRects", 4, 2, 104},
    {18, "BookFoundationRects", 4, 3, 403},
    {18, "BookFoundationRects", 4, 4, 200},
    {18, "BookLeftRects", 3, 1, 184},
    {18, "BookLeftRects", 3, 2, 204},
    {18, "BookLeftRects", 3, 3, 255},
    {18, "BookLeftRects", 3, 4, 300},
    {18, "BookRightRects", 3, 1, 405},
    {18, "BookRightRects", 3, 2, 204},
    {18, "BookRightRects", 3, 3, 476},
    {18, "BookRightRects", 3, 4, 300},
    {18, "BookFoundationRects", 5, 1, 257},
    {18, "BookFoundationRects", 5, 2, 204},
    {18, "BookFoundationRects", 5, 3, 328},
    {18, "BookFoundationRects", 5, 4, 300},
    {18, "BookFoundationRects", 6, 1, 332},
    {18, "BookFoundationRects", 6, 2, 204},
    {18, "BookFoundationRects", 6, 3, 403},
    {18, "BookFoundationRects", 6, 4, 300},
    {18, "BookLeftRects", 4, 1, 184},
    {18, "BookLeftRects", 4, 2, 304},
    {18, "BookLeftRects", 4, 3, 255},
    {18, "BookLeftRects", 4, 4, 400},
    {18, "BookRightRects", 4, 1, 405},
    {18, "BookRightRects", 4, 2, 304},
    {18, "BookRightRects", 4, 3, 476},
    {18, "BookRightRects", 4, 4, 400},
    {18, "BookFoundationRects", 7, 1, 257},
    {18, "BookFoundationRects", 7, 2, 304},
    {18, "BookFoundationRects", 7, 3, 328},
    {18, "BookFoundationRects", 7, 4, 400},
    {18, "BookFoundationRects", 8, 1, 332},
    {18, "BookFoundationRects", 8, 2, 304},
    {18, "BookFoundationRects", 8, 3, 403},
    {18, "BookFoundationRects", 8, 4, 400},
    {18, "BookStockRect", 1, 0, 674},
    {18, "BookStockRect", 2, 0, 104},
    {18, "BookStockRect", 3, 0, 745},
    {18, "BookStockRect", 4, 0, 200},
    {18, "BookWasteRect", 1, 0, 674},
    {18, "BookWasteRect", 2, 0, 212},
    {18, "BookWasteRect", 3, 0, 745},
    {18, "BookWasteRect", 4, 0, 308},
    {18, "BookStockLabelRect", 1, 0, 685},
    {18, "BookStockLabelRect", 2, 0, 58},
    {18, "BookStockLabelRect", 3, 0, 735},
    {18, "BookStockLabelRect", 4, 0, 88},
    {18, "BookWasteLabelRect", 1, 0, 685},
    {18, "BookWasteLabelRect", 2, 0, 316},
    {18, "BookWasteLabelRect", 3, 0, 735},
    {18, "BookWasteLabelRect", 4, 0, 346},
    {18, "BookListRect", 1, 0, 138},
    {18, "BookListRect", 2, 0, 408},
    {18, "BookListRect", 3, 0, 523},
    {18, "BookListRect", 4, 0, 493},
    {18, "ButtonRect1", 1, 0, 551},
    {18, "ButtonRect1", 2, 0, 420},
    {18, "ButtonRect1", 3, 0, 731},
    {18, "ButtonRect1", 4, 0, 450},
    {18, "ButtonRect2", 1, 0, 551},
    {18, "ButtonRect2", 2, 0, 450},
    {18, "ButtonRect2", 3, 0, 731},
    {18, "ButtonRect2", 4, 0, 480},
    {18, "BookBounds", 1, 0, 255},
    {18, "BookBounds", 2, 0, 4},
    {18, "BookBounds", 3, 0, 405},
    {18, "BookBounds", 4, 0, 12},
    {18, "BookBounds", 5, 0, 100},
    {407, "PosX", 1, 0, 52},
    {407, "PosX", 2, 0, 127},
    {407, "PosX", 3, 0, 202},
    {407, "PosX", 4, 0, 277},
    {407, "PosX", 5, 0, 352},
    {407, "PosX", 6, 0, 427},
    {407, "PosX", 7, 0, 502},
    {407, "PosX", 8, 0, 577},
    {407, "PosX", 9, 0, 652},
    {407, "PosY", 1, 0, 10},
    {407, "PosY", 2, 0, 10},
    {407, "PosY", 3, 0, 10},
    {407, "PosY", 4, 0, 10},
    {407, "PosY", 5, 0, 10},
    {407, "PosY", 6, 0, 10},
    {407, "PosY", 7, 0, 10},
    {407, "PosY", 8, 0, 10},
    {407, "PosY", 9, 0, 10},
    {408, "PosX", 1, 0, 52},
    {408, "PosX", 2, 0, 127},
    {408, "PosX", 3, 0, 202},
    {408, "PosX", 4, 0, 277},
    {408, "PosX", 5, 0, 352},
    {408, "PosX", 6, 0, 427},
    {408, "PosX", 7, 0, 502},
    {408, "PosX", 8, 0, 577},
    {408, "PosX", 9, 0, 652},
    {408, "PosY", 1, 0, 10},
    {408, "PosY", 2, 0, 10},
    {408, "PosY", 3, 0, 10},
    {408, "PosY", 4, 0, 10},
    {408, "PosY", 5, 0, 10},
    {408, "PosY", 6, 0, 10},
    {408, "PosY", 7, 0, 10},
    {408, "PosY", 8, 0, 10},
    {408, "PosY", 9, 0, 10},
    {407, "AuxPile2X", 0, 0, 52},
    {407, "AuxPile2Y", 0, 0, 394},
    {411, "GridX", 1, 1, 158},
    {411, "GridX", 1, 4, 158},
    {411, "GridX", 2, 1, 233},
    {411, "GridX", 2, 4, 233},
    {411, "GridX", 3, 1, 308},
    {411, "GridX", 3, 4, 308},
    {411, "GridX", 4, 1, 383},
    {411, "GridX", 4, 4, 383},
    {411, "GridX", 5, 1, 458},
    {411, "GridX", 5, 4, 458},
    {411, "GridX", 6, 1, 533},
    {411, "GridX", 6, 4, 533},
    {411, "GridY", 1, 1, 10},
    {411, "GridY", 6, 1, 10},
    {411, "GridY", 1, 2, 108},
    {411, "GridY", 6, 2, 108},
    {411, "GridY", 1, 3, 206},
    {411, "GridY", 6, 3, 206},
    {411, "GridY", 1, 4, 304},
    {411, "GridY", 6, 4, 304},
    {411, "AuxPile2X", 0, 0, 16},
    {411, "AuxPile2Y", 0, 0, 10},
    {411, "AuxPile1X", 0, 0, 675},
    {411, "AuxPile1Y", 0, 0, 10},
    {412, "GridX", 1, 1, 158},
    {412, "GridX", 1, 4, 158},
    {412, "GridX", 2, 1, 233},
    {412, "GridX", 2, 4, 233},
    {412, "GridX", 3, 1, 308},
    {412, "GridX", 3, 4, 308},
    {412, "GridX", 4, 1, 383},
    {412, "GridX", 4, 4, 383},
    {412, "GridX", 5, 1, 458},
    {412, "GridX", 5, 4, 458},
    {412, "GridX", 6, 1, 533},
    {412, "GridX", 6, 4, 533},
    {412, "GridY", 1, 1, 10},
    {412, "GridY", 6, 1, 10},
    {412, "GridY", 1, 2, 108},
    {412, "GridY", 6, 2, 108},
    {412, "GridY", 1, 3, 206},
    {412, "GridY", 6, 3, 206},
    {412, "GridY", 1, 4, 304},
    {412, "GridY", 6, 4, 304},
    {412, "AuxPile2X", 0, 0, 16},
    {412, "AuxPile2Y", 0, 0, 10},
    {412, "AuxPile1X", 0, 0, 675},
    {412, "AuxPile1Y", 0, 0, 10},
    {423, "GridX", 1, 1, 79},
    {423, "GridX", 1, 7, 79},
    {423, "GridX", 2, 1, 122},
    {423, "GridX", 2, 7, 122},
    {423, "GridX", 3, 1, 165},
    {423, "GridX", 3, 7, 165},
    {423, "GridX", 4, 1, 208},
    {423, "GridX", 4, 7, 208},
    {423, "GridX", 5, 1, 251},
    {423, "GridX", 5, 7, 251},
    {423, "GridX", 6, 1, 294},
    {423, "GridX", 6, 7, 294},
    {423, "GridX", 7, 1, 337},
    {423, "GridX", 7, 7, 337},
    {423, "GridX", 8, 1, 380},
    {423, "GridX", 8, 7, 380},
    {423, "GridX", 9, 1, 423},
    {423, "GridX", 9, 7, 423},
    {423, "GridX", 10, 1, 466},
    {423, "GridX", 10, 7, 466},
    {423, "GridX", 11, 1, 509},
    {423, "GridX", 11, 7, 509},
    {423, "GridX", 12, 1, 552},
    {423, "GridX", 12, 7, 552},
    {423, "GridX", 13, 1, 595},
    {423, "GridX", 13, 7, 595},
    {423, "GridY", 1, 1, 10},
    {423, "GridY", 13, 1, 10},
    {423, "GridY", 1, 2, 68},
    {423, "GridY", 13, 2, 68},
    {423, "GridY", 1, 3, 126},
    {423, "GridY", 13, 3, 126},
    {423, "GridY", 1, 4, 184},
    {423, "GridY", 13, 4, 184},
    {423, "GridY", 1, 5, 242},
    {423, "GridY", 13, 5, 242},
    {423, "GridY", 1, 6, 300},
    {423, "GridY", 13, 6, 300},
    {423, "GridY", 1, 7, 358},
    {423, "GridY", 13, 7, 358},
    {423, "AuxPile2X", 0, 0, 79},
    {423, "AuxPile2Y", 0, 0, 10},
    {423, "AuxPile1X", 0, 0, 165},
    {423, "AuxPile1Y", 0, 0, 10},
    {423, "DiscardX", 0, 0, 595},
    {423, "DiscardY", 0, 0, 10},
    {426, "GridX", 1, 1, 79},
    {426, "GridX", 1, 7, 79},
    {426, "GridX", 2, 1, 122},
    {426, "GridX", 2, 7, 122},
    {426, "GridX", 3, 1, 165},
    {426, "GridX", 3, 7, 165},
    {426, "GridX", 4, 1, 208},
    {426, "GridX", 4, 7, 208},
    {426, "GridX", 5, 1, 251},
    {426, "GridX", 5, 7, 251},
    {426, "GridX", 6, 1, 294},
    {426, "GridX", 6, 7, 294},
    {426, "GridX", 7, 1, 337},
    {426, "GridX", 7, 7, 337},
    {426, "GridX", 8, 1, 380},
    {426, "GridX", 8, 7, 380},
    {426, "GridX", 9, 1, 423},
    {426, "GridX", 9, 7, 423},
    {426, "GridX", 10, 1, 466},
    {426, "GridX", 10, 7, 466},
    {426, "GridX", 11, 1, 509},
    {426, "GridX", 11, 7, 509},
    {426, "GridX", 12, 1, 552},
    {426, "GridX", 12, 7, 552},
    {426, "GridX", 13, 1, 595},
    {426, "GridX", 13, 7, 595},
    {426, "GridY", 1, 1, 10},
    {426, "GridY", 13, 1, 10},
    {426, "GridY", 1, 2, 68},
    {426, "GridY", 13, 2, 68},
    {426, "GridY", 1, 3, 126},
    {426, "GridY", 13, 3, 126},
    {426, "GridY", 1, 4, 184},
    {426, "GridY", 13, 4, 184},
    {426, "GridY", 1, 5, 242},
    {426, "GridY", 13, 5, 242},
    {426, "GridY", 1, 6, 300},
    {426, "GridY", 13, 6, 300},
    {426, "GridY", 1, 7, 358},
    {426, "GridY", 13, 7, 358},
    {426, "AuxPile2X", 0, 0, 79},
    {426, "AuxPile2Y", 0, 0, 10},
    {426, "AuxPile1X", 0, 0, 165},
    {426, "AuxPile1Y", 0, 0, 10},
    {426, "DiscardX", 0, 0, 595},
    {426, "DiscardY", 0, 0, 10},
    {437, "GridX", 1, 1, 79},
    {437, "GridX", 1, 7, 79},
    {437, "GridX", 2, 1, 122},
    {437, "GridX", 2, 7, 122},
    {437, "GridX", 3, 1, 165},
    {437, "GridX", 3, 7, 165},
    {437, "GridX", 4, 1, 208},
    {437, "GridX", 4, 7, 208},
    {437, "GridX", 5, 1, 251},
    {437, "GridX", 5, 7, 251},
    {437, "GridX", 6, 1, 294},
    {437, "GridX", 6, 7, 294},
    {437, "GridX", 7, 1, 337},
    {437, "GridX", 7, 7, 337},
    {437, "GridX", 8, 1, 380},
    {437, "GridX", 8, 7, 380},
    {437, "GridX", 9, 1, 423},
    {437, "GridX", 9, 7, 423},
    {437, "GridX", 10, 1, 466},
    {437, "GridX", 10, 7, 466},
    {437, "GridX", 11, 1, 509},
    {437, "GridX", 11, 7, 509},
    {437, "GridX", 12, 1, 552},
    {437, "GridX", 12, 7, 552},
    {437, "GridX", 13, 1, 595},
    {437, "GridX", 13, 7, 595},
    {437, "GridY", 1, 1, 10},
    {437, "GridY", 13, 1, 10},
    {437, "GridY", 1, 2, 68},
    {437, "GridY", 13, 2, 68},
    {437, "GridY", 1, 3, 126},
    {437, "GridY", 13, 3, 126},
    {437, "GridY", 1, 4, 184},
    {437, "GridY", 13, 4, 184},
    {437, "GridY", 1, 5, 242},
    {437, "GridY", 13, 5, 242},
    {437, "GridY", 1, 6, 300},
    {437, "GridY", 13, 6, 300},
    {437, "GridY", 1, 7, 358},
    {437, "GridY", 13, 7, 358},
    {437, "AuxPile2X", 0, 0, 79},
    {437, "AuxPile2Y", 0, 0, 10},
    {437, "AuxPile1X", 0, 0, 165},
    {437, "AuxPile1Y", 0, 0, 10},
    {437, "DiscardX", 0, 0, 595},
    {437, "DiscardY", 0, 0, 10},
    {438, "GridX", 1, 1, 121},
    {438, "GridX", 1, 7, 121},
    {438, "GridX", 2, 1, 158},
    {438, "GridX", 2, 7, 158},
    {438, "GridX", 3, 1, 195},
    {438, "GridX", 3, 7, 195},
    {438, "GridX", 4, 1, 232},
    {438, "GridX", 4, 7, 232},
    {438, "GridX", 5, 1, 269},
    {438, "GridX", 5, 7, 269},
    {438, "GridX", 6, 1, 306},
    {438, "GridX", 6, 7, 306},
    {438, "GridX", 7, 1, 343},
    {438, "GridX", 7, 7, 343},
    {438, "GridX", 8, 1, 380},
    {438, "GridX", 8, 7, 380},
    {438, "GridX", 9, 1, 417},
    {438, "GridX", 9, 7, 417},
    {438, "GridX", 10, 1, 454},
    {438, "GridX", 10, 7, 454},
    {438, "GridX", 11, 1, 491},
    {438, "GridX", 11, 7, 491},
    {438, "GridX", 12, 1, 528},
    {438, "GridX", 12, 7, 528},
    {438, "GridX", 13, 1, 565},
    {438, "GridX", 13, 7, 565},
    {438, "GridY", 1, 1, 30},
    {438, "GridY", 13, 1, 30},
    {438, "GridY", 1, 2, 83},
    {438, "GridY", 13, 2, 83},
    {438, "GridY", 1, 3, 136},
    {438, "GridY", 13, 3, 136},
    {438, "GridY", 1, 4, 189},
    {438, "GridY", 13, 4, 189},
    {438, "GridY", 1, 5, 242},
    {438, "GridY", 13, 5, 242},
    {438, "GridY", 1, 6, 295},
    {438, "GridY", 13, 6, 295},
    {438, "GridY", 1, 7, 348},
    {438, "GridY", 13, 7, 348},
    {438, "AuxPile2X", 0, 0, 26},
    {438, "AuxPile2Y", 0, 0, 348},
    {438, "AuxPile1X", 0, 0, 109},
    {438, "AuxPile1Y", 0, 0, 348},
    {438, "DiscardX", 0, 0, 577},
    {438, "DiscardY", 0, 0, 30},
    {439, "GridX", 1, 1, 121},
    {439, "GridX", 1, 7, 121},
    {439, "GridX", 2, 1, 158},
    {439, "GridX", 2, 7, 158},
    {439, "GridX", 3, 1, 195},
    {439, "GridX", 3, 7, 195},
    {439, "GridX", 4, 1, 232},
    {439, "GridX", 4, 7, 232},
    {439, "GridX", 5, 1, 269},
    {439, "GridX", 5, 7, 269},
    {439, "GridX", 6, 1, 306},
    {439, "GridX", 6, 7, 306},
    {439, "GridX", 7, 1, 343},
    {439, "GridX", 7, 7, 343},
    {439, "GridX", 8, 1, 380},
    {439, "GridX", 8, 7, 380},
    {439, "GridX", 9, 1, 417},
    {439, "GridX", 9, 7, 417},
    {439, "GridX", 10, 1, 454},
    {439, "GridX", 10, 7, 454},
    {439, "GridX", 11, 1, 491},
    {439, "GridX", 11, 7, 491},
    {439, "GridX", 12, 1, 528},
    {439, "GridX", 12, 7, 528},
    {439, "GridX", 13, 1, 565},
    {439, "GridX", 13, 7, 565},
    {439, "GridY", 1, 1, 30},
    {439, "GridY", 13, 1, 30},
    {439, "GridY", 1, 2, 83},
    {439, "GridY", 13, 2, 83},
    {439, "GridY", 1, 3, 136},
    {439, "GridY", 13, 3, 136},
    {439, "GridY", 1, 4, 189},
    {439, "GridY", 13, 4, 189},
    {439, "GridY", 1, 5, 242},
    {439, "GridY", 13, 5, 242},
    {439, "GridY", 1, 6, 295},
    {439, "GridY", 13, 6, 295},
    {439, "GridY", 1, 7, 348},
    {439, "GridY", 13, 7, 348},
    {439, "AuxPile2X", 0, 0, 26},
    {439, "AuxPile2Y", 0, 0, 348},
    {439, "AuxPile1X", 0, 0, 109},
    {439, "AuxPile1Y", 0, 0, 348},
    {439, "DiscardX", 0, 0, 577},
    {439, "DiscardY", 0, 0, 30},
    {17, "ActionButtonWidth", 0, 0, 140},
    {17, "ActionButtonHeight", 0, 0, 30},
    {17, "TopAreaRect", 1, 0, 230},
    {17, "TopAreaRect", 2, 0, 10},
    {17, "TopAreaRect", 3, 0, 532},
    {17, "TopAreaRect", 4, 0, 210},
    {17, "MainAreaRect", 1, 0, 230},
    {17, "MainAreaRect", 2, 0, 210},
    {17, "MainAreaRect", 3, 0, 532},
    {17, "MainAreaRect", 4, 0, 500},
    {17, "BoardRects", 1, 1, 15},
    {17, "BoardRects", 1, 2, 10},
    {17, "BoardRects", 1, 3, 215},
    {17, "BoardRects", 1, 4, 360},
    {17, "BoardRects", 2, 1, 546},
    {17, "BoardRects", 2, 2, 10},
    {17, "BoardRects", 2, 3, 746},
    {17, "BoardRects", 2, 4, 210},
    {17, "SideAreaRect", 1, 0, 571},
    {17, "SideAreaRect", 2, 0, 220},
    {17, "SideAreaRect", 3, 0, 721},
    {17, "SideAreaRect", 4, 0, 370},
    {17, "BoardRects", 3, 1, 15},
    {17, "BoardRects", 3, 2, 362},
    {17, "BoardRects", 3, 3, 215},
    {17, "BoardRects", 3, 4, 498},
    {409, "FoundationPosX", 1, 0, 94},
    {409, "FoundationPosX", 2, 0, 169},
    {409, "FoundationPosX", 3, 0, 244},
    {409, "FoundationPosX", 4, 0, 319},
    {409, "FoundationPosX", 5, 0, 394},
    {409, "FoundationPosX", 6, 0, 469},
    {409, "FoundationPosX", 7, 0, 544},
    {409, "FoundationPosX", 8, 0, 619},
    {409, "FoundationPosY", 1, 0, 36},
    {409, "FoundationPosY", 2, 0, 36},
    {409, "FoundationPosY", 3, 0, 36},
    {409, "FoundationPosY", 4, 0, 36},
    {409, "FoundationPosY", 5, 0, 36},
    {409, "FoundationPosY", 6, 0, 36},
    {409, "FoundationPosY", 7, 0, 36},
    {409, "FoundationPosY", 8, 0, 36},
    {409, "GridX", 1, 1, 94},
    {409, "GridY", 1, 1, 208},
    {409, "GridX", 1, 2, 169},
    {409, "GridY", 1, 2, 208},
    {409, "GridX", 1, 3, 244},
    {409, "GridY", 1, 3, 208},
    {409, "GridX", 1, 4, 319},
    {409, "GridY", 1, 4, 208},
    {409, "GridX", 1, 5, 394},
    {409, "GridY", 1, 5, 208},
    {409, "GridX", 1, 6, 469},
    {409, "GridY", 1, 6, 208},
    {409, "GridX", 2, 1, 94},
    {409, "GridY", 2, 1, 340},
    {409, "GridX", 2, 2, 169},
    {409, "GridY", 2, 2, 340},
    {409, "GridX", 2, 3, 244},
    {409, "GridY", 2, 3, 340},
    {409, "GridX", 2, 4, 319},
    {409, "GridY", 2, 4, 340},
    {409, "GridX", 2, 5, 394},
    {409, "GridY", 2, 5, 340},
    {409, "GridX", 2, 6, 469},
    {409, "GridY", 2, 6, 340},
    {409, "AuxPile1X", 0, 0, 544},
    {409, "AuxPile1Y", 0, 0, 208},
    {409, "AuxPile2X", 0, 0, 619},
    {409, "AuxPile2Y", 0, 0, 208},
    {410, "FoundationPosX", 1, 0, 26},
    {410, "FoundationPosX", 2, 0, 175},
    {410, "FoundationPosX", 3, 0, 324},
    {410, "FoundationPosX", 4, 0, 473},
    {410, "FoundationPosY", 1, 0, 1},
    {410, "FoundationPosY", 2, 0, 1},
    {410, "FoundationPosY", 3, 0, 1},
    {410, "FoundationPosY", 4, 0, 1},
    {410, "GridX", 1, 1, 26},
    {410, "GridY", 1, 1, 98},
    {410, "LucieFanSteps", 1, 1, 13},
    {410, "GridX", 1, 2, 175},
    {410, "GridY", 1, 2, 98},
    {410, "LucieFanSteps", 1, 2, 13},
    {410, "GridX", 1, 3, 324},
    {410, "GridY", 1, 3, 98},
    {410, "LucieFanSteps", 1, 3, 13},
    {410, "GridX", 1, 4, 473},
    {410, "GridY", 1, 4, 98},
    {410, "LucieFanSteps", 1, 4, 13},
    {410, "GridX", 1, 5, 622},
    {410, "GridY", 1, 5, 98},
    {410, "LucieFanSteps", 1, 5, 13},
    {410, "GridX", 2, 1, 26},
    {410, "GridY", 2, 1, 195},
    {410, "LucieFanSteps", 2, 1, 13},
    {410, "GridX", 2, 2, 175},
    {410, "GridY", 2, 2, 195},
    {410, "LucieFanSteps", 2, 2, 13},
    {410, "GridX", 2, 3, 324},
    {410, "GridY", 2, 3, 195},
    {410, "LucieFanSteps", 2, 3, 13},
    {410, "GridX", 2, 4, 473},
    {410, "GridY", 2, 4, 195},
    {410, "LucieFanSteps", 2, 4, 13},
    {410, "GridX", 2, 5, 622},
    {410, "GridY", 2, 5, 195},
    {410, "LucieFanSteps", 2, 5, 13},
    {410, "GridX", 3, 1, 26},
    {410, "GridY", 3, 1, 292},
    {410, "LucieFanSteps", 3, 1, 13},
    {410, "GridX", 3, 2, 175},
    {410, "GridY", 3, 2, 292},
    {410, "LucieFanSteps", 3, 2, 13},
    {410, "GridX", 3, 3, 324},
    {410, "GridY", 3, 3, 292},
    {410, "LucieFanSteps", 3, 3, 13},
    {410, "GridX", 3, 4, 473},
    {410, "GridY", 3, 4, 292},
    {410, "LucieFanSteps", 3, 4, 13},
    {410, "GridX", 3, 5, 622},
    {410, "GridY", 3, 5, 292},
    {410, "LucieFanSteps", 3, 5, 13},
    {410, "GridX", 4, 1, 26},
    {410, "GridY", 4, 1, 389},
    {410, "LucieFanSteps", 4, 1, 13},
    {410, "GridX", 4, 2, 175},
    {410, "GridY", 4, 2, 389},
    {410, "LucieFanSteps", 4, 2, 13},
    {410, "GridX", 4, 3, 324},
    {410, "GridY", 4, 3, 389},
    {410, "LucieFanSteps", 4, 3, 13},
    {410, "GridX", 4, 4, 473},
    {410, "GridY", 4, 4, 389},
    {410, "LucieFanSteps", 4, 4, 13},
    {410, "GridX", 4, 5, 622},
    {410, "GridY", 4, 5, 389},
    {410, "LucieFanSteps", 4, 5, 13},
    {415, "PosX", 1, 0, 89},
    {415, "PosX", 2, 0, 89},
    {415, "PosX", 3, 0, 89},
    {415, "PosX", 4, 0, 89},
    {415, "PosX", 5, 0, 89},
    {415, "PosX", 6, 0, 162},
    {415, "PosX", 7, 0, 235},
    {415, "PosX", 8, 0, 308},
    {415, "PosX", 9, 0, 381},
    {415, "PosX", 10, 0, 454},
    {415, "PosX", 11, 0, 527},
    {415, "PosX", 12, 0, 600},
    {415, "PosX", 13, 0, 600},
    {415, "PosX", 14, 0, 600},
    {415, "PosX", 15, 0, 600},
    {415, "PosX", 16, 0, 600},
    {415, "PosY", 1, 0, 389},
    {415, "PosY", 2, 0, 292},
    {415, "PosY", 3, 0, 195},
    {415, "PosY", 4, 0, 98},
    {415, "PosY", 5, 0, 1},
    {415, "PosY", 6, 0, 1},
    {415, "PosY", 7, 0, 1},
    {415, "PosY", 8, 0, 1},
    {415, "PosY", 9, 0, 1},
    {415, "PosY", 10, 0, 1},
    {415, "PosY", 11, 0, 1},
    {415, "PosY", 12, 0, 1},
    {415, "PosY", 13, 0, 98},
    {415, "PosY", 14, 0, 195},
    {415, "PosY", 15, 0, 292},
    {415, "PosY", 16, 0, 389},
    {415, "FoundationPosX", 1, 0, 235},
    {415, "FoundationPosX", 2, 0, 308},
    {415, "FoundationPosX", 3, 0, 381},
    {415, "FoundationPosX", 4, 0, 454},
    {415, "FoundationPosX", 5, 0, 235},
    {415, "FoundationPosX", 6, 0, 308},
    {415, "FoundationPosX", 7, 0, 381},
    {415, "FoundationPosX", 8, 0, 454},
    {415, "FoundationPosY", 1, 0, 215},
    {415, "FoundationPosY", 2, 0, 215},
    {415, "FoundationPosY", 3, 0, 215},
    {415, "FoundationPosY", 4, 0, 215},
    {415, "FoundationPosY", 5, 0, 313},
    {415, "FoundationPosY", 6, 0, 313},
    {415, "FoundationPosY", 7, 0, 313},
    {415, "FoundationPosY", 8, 0, 313},
    {416, "PosX", 1, 0, 89},
    {416, "PosX", 2, 0, 89},
    {416, "PosX", 3, 0, 89},
    {416, "PosX", 4, 0, 89},
    {416, "PosX", 5, 0, 89},
    {416, "PosX", 6, 0, 162},
    {416, "PosX", 7, 0, 235},
    {416, "PosX", 8, 0, 308},
    {416, "PosX", 9, 0, 381},
    {416, "PosX", 10, 0, 454},
    {416, "PosX", 11, 0, 527},
    {416, "PosX", 12, 0, 600},
    {416, "PosX", 13, 0, 600},
    {416, "PosX", 14, 0, 600},
    {416, "PosX", 15, 0, 600},
    {416, "PosX", 16, 0, 600},
    {416, "PosY", 1, 0, 389},
    {416, "PosY", 2, 0, 292},
    {416, "PosY", 3, 0, 195},
    {416, "PosY", 4, 0, 98},
    {416, "PosY", 5, 0, 1},
    {416, "PosY", 6, 0, 1},
    {416, "PosY", 7, 0, 1},
    {416, "PosY", 8, 0, 1},
    {416, "PosY", 9, 0, 1},
    {416, "PosY", 10, 0, 1},
    {416, "PosY", 11, 0, 1},
    {416, "PosY", 12, 0, 1},
    {416, "PosY", 13, 0, 98},
    {416, "PosY", 14, 0, 195},
    {416, "PosY", 15, 0, 292},
    {416, "PosY", 16, 0, 389},
    {416, "FoundationPosX", 1, 0, 235},
    {416, "FoundationPosX", 2, 0, 308},
    {416, "FoundationPosX", 3, 0, 381},
    {416, "FoundationPosX", 4, 0, 454},
    {416, "FoundationPosX", 5, 0, 235},
    {416, "FoundationPosX", 6, 0, 308},
    {416, "FoundationPosX", 7, 0, 381},
    {416, "FoundationPosX", 8, 0, 454},
    {416, "FoundationPosY", 1, 0, 215},
    {416, "FoundationPosY", 2, 0, 215},
    {416, "FoundationPosY", 3, 0, 215},
    {416, "FoundationPosY", 4, 0, 215},
    {416, "FoundationPosY", 5, 0, 313},
    {416, "FoundationPosY", 6, 0, 313},
    {416, "FoundationPosY", 7, 0, 313},
    {416, "FoundationPosY", 8, 0, 313},
    {422, "ColumnX", 1, 0, 89},
    {422, "ColumnX", 2, 0, 162},
    {422, "ColumnX", 3, 0, 235},
    {422, "ColumnX", 4, 0, 308},
    {422, "ColumnX", 5, 0, 381},
    {422, "ColumnX", 6, 0, 454},
    {422, "ColumnX", 7, 0, 527},
    {422, "ColumnX", 8, 0, 600},
    {422, "FoundationX", 1, 0, 89},
    {422, "FoundationX", 2, 0, 162},
    {422, "FoundationX", 3, 0, 235},
    {422, "FoundationX", 4, 0, 308},
    {422, "FoundationX", 5, 0, 381},
    {422, "FoundationX", 6, 0, 454},
    {422, "FoundationX", 7, 0, 527},
    {422, "FoundationX", 8, 0, 600},
    {422, "ColumnTop", 0, 0, 116},
    {422, "FoundationY", 0, 0, 10},
    {422, "AlzhirReserveX", 1, 0, 162},
    {422, "AlzhirReserveX", 2, 0, 235},
    {422, "AlzhirReserveX", 3, 0, 308},
    {422, "AlzhirReserveX", 4, 0, 381},
    {422, "AlzhirReserveX", 5, 0, 454},
    {422, "AlzhirReserveX", 6, 0, 527},
    {422, "AlzhirReserveY", 0, 0, 344},
    {422, "AuxPile2X", 0, 0, 73},
    {422, "AuxPile2Y", 0, 0, 344},
    {429, "DemonReserveStep", 0, 0, 17},
    {429, "ColumnX", 1, 0, 344},
    {429, "ColumnX", 2, 0, 430},
    {429, "ColumnX", 3, 0, 516},
    {429, "ColumnX", 4, 0, 602},
    {429, "FoundationX", 1, 0, 344},
    {429, "FoundationX", 2, 0, 430},
    {429, "FoundationX", 3, 0, 516},
    {429, "FoundationX", 4, 0, 602},
    {429, "ColumnTop", 0, 0, 116},
    {429, "FoundationY", 0, 0, 10},
    {429, "DemonReserveX", 0, 0, 172},
    {429, "DemonReserveY", 1, 0, 116},
    {429, "DemonReserveY", 2, 0, 133},
    {429, "DemonReserveY", 3, 0, 150},
    {429, "DemonReserveY", 4, 0, 167},
    {429, "DemonReserveY", 5, 0, 184},
    {429, "DemonReserveY", 6, 0, 201},
    {429, "DemonReserveY", 7, 0, 218},
    {429, "DemonReserveY", 8, 0, 235},
    {429, "DemonReserveY", 9, 0, 252},
    {429, "DemonReserveY", 10, 0, 269},
    {429, "DemonReserveY", 11, 0, 286},
    {429, "DemonReserveY", 12, 0, 303},
    {429, "DemonReserveY", 13, 0, 320},
    {429, "AuxPile2X", 0, 0, 86},
    {429, "AuxPile2Y", 0, 0, 10},
    {429, "AuxPile1X", 0, 0, 172},
    {429, "AuxPile1Y", 0, 0, 10},
    {440, "ColumnStep", 1, 0, 17},
    {440, "ColumnStep", 2, 0, 17},
    {440, "ColumnStep", 3, 0, 17},
    {440, "ColumnStep", 4, 0, 17},
    {440, "ColumnStep", 5, 0, 17},
    {440, "ColumnStep", 6, 0, 17},
    {440, "ColumnStep", 7, 0, 17},
    {440, "ColumnStep", 8, 0, 17},
    {440, "ColumnStep", 9, 0, 17},
    {440, "ColumnStep", 10, 0, 17},
    {440, "ColumnStep", 11, 0, 17},
    {440, "ColumnStep", 12, 0, 17},
    {440, "ColumnStep", 13, 0, 17},
    {440, "ColumnStep", 14, 0, 17},
    {440, "ColumnStep", 15, 0, 17},
    {440, "ColumnStep", 16, 0, 17},
    {440, "PosX", 1, 0, 89},
    {440, "PosX", 2, 0, 162},
    {440, "PosX", 3, 0, 235},
    {440, "PosX", 4, 0, 308},
    {440, "PosX", 5, 0, 381},
    {440, "PosX", 6, 0, 454},
    {440, "PosX", 7, 0, 527},
    {440, "PosX", 8, 0, 600},
    {440, "PosX", 9, 0, 89},
    {440, "PosX", 10, 0, 162},
    {440, "PosX", 11, 0, 235},
    {440, "PosX", 12, 0, 308},
    {440, "PosX", 13, 0, 381},
    {440, "PosX", 14, 0, 454},
    {440, "PosX", 15, 0, 527},
    {440, "PosX", 16, 0, 600},
    {440, "PosY", 1, 0, 100},
    {440, "PosY", 2, 0, 266},
    {440, "FoundationX", 1, 0, 235},
    {440, "FoundationX", 2, 0, 308},
    {440, "FoundationX", 3, 0, 381},
    {440, "FoundationX", 4, 0, 454},
    {440, "FoundationY", 0, 0, 2},
    {441, "ColumnStep", 1, 0, 20},
    {441, "ColumnStep", 2, 0, 20},
    {441, "ColumnStep", 3, 0, 20},
    {441, "ColumnStep", 4, 0, 20},
    {441, "ColumnStep", 5, 0, 20},
    {441, "ColumnStep", 6, 0, 20},
    {441, "ColumnStep", 7, 0, 20},
    {441, "ColumnStep", 8, 0, 20},
    {441, "ColumnStep", 9, 0, 20},
    {441, "ColumnStep", 10, 0, 20},
    {441, "PosX", 1, 0, 16},
    {441, "PosX", 2, 0, 89},
    {441, "PosX", 3, 0, 162},
    {441, "PosX", 4, 0, 235},
    {441, "PosX", 5, 0, 308},
    {441, "PosX", 6, 0, 381},
    {441, "PosX", 7, 0, 454},
    {441, "PosX", 8, 0, 527},
    {441, "PosX", 9, 0, 600},
    {441, "PosX", 10, 0, 673},
    {441, "PosY", 1, 0, 100},
    {441, "FoundationX", 1, 0, 162},
    {441, "FoundationX", 2, 0, 235},
    {441, "FoundationX", 3, 0, 308},
    {441, "FoundationX", 4, 0, 381},
    {441, "FoundationX", 5, 0, 454},
    {441, "FoundationX", 6, 0, 527},
    {441, "FoundationX", 7, 0, 600},
    {441, "FoundationX", 8, 0, 673},
    {441, "FoundationY", 0, 0, 2},
    {441, "AuxPile1X", 0, 0, 89},
    {441, "AuxPile1Y", 0, 0, 2},
    {442, "ColumnStep", 1, 0, 25},
    {442, "ColumnStep", 2, 0, 25},
    {442, "ColumnStep", 3, 0, 25},
    {442, "ColumnStep", 4, 0, 25},
    {442, "ColumnStep", 5, 0, 25},
    {442, "ColumnStep", 6, 0, 25},
    {442, "ColumnStep", 7, 0, 25},
    {442, "ColumnStep", 8, 0, 25},
    {442, "ColumnStep", 9, 0, 25},
    {442, "ColumnStep", 10, 0, 25},
    {442, "PosX", 1, 0, 16},
    {442, "PosX", 2, 0, 89},
    {442, "PosX", 3, 0, 162},
    {442, "PosX", 4, 0, 235},
    {442, "PosX", 5, 0, 308},
    {442, "PosX", 6, 0, 381},
    {442, "PosX", 7, 0, 454},
    {442, "PosX", 8, 0, 527},
    {442, "PosX", 9, 0, 600},
    {442, "PosX", 10, 0, 673},
    {442, "PosY", 1, 0, 100},
    {442, "FoundationX", 1, 0, 162},
    {442, "FoundationX", 2, 0, 235},
    {442, "FoundationX", 3, 0, 308},
    {442, "FoundationX", 4, 0, 381},
    {442, "FoundationX", 5, 0, 454},
    {442, "FoundationX", 6, 0, 527},
    {442, "FoundationX", 7, 0, 600},
    {442, "FoundationX", 8, 0, 673},
    {442, "FoundationY", 0, 0, 2},
    {442, "AuxPile1X", 0, 0, 89},
    {442, "AuxPile1Y", 0, 0, 2},
    {441, "AuxPile2X", 0, 0, 8},
    {441, "AuxPile2Y", 0, 0, 2},
    {442, "AuxPile2X", 0, 0, 16},
    {442, "AuxPile2Y", 0, 0, 2},
};

std::map<int, std::vector<DesignValue>> designValuesByGame()
{
    std::map<int, std::vector<DesignValue>> byGame;
    for (const DesignValue& d : designValues)
        byGame[d.game].push_back(d);
    return byGame;
}

} // namespace

TEST_F(LayoutTest, DesignValuesOfAllFiftyGamesAtZoomOne)
{
    const auto byGame = designValuesByGame();
    ASSERT_EQ(byGame.size(), static_cast<size_t>(GameTables::GameCount));
    for (const auto& [game, values] : byGame) {
        ResetGameState();
        layOut(game);
        std::map<std::string, int*> numbers;
        for (const NumberRef& n : allLayoutNumbers())
            numbers[keyOf(n.name, n.i, n.j)] = n.value;
        for (const DesignValue& d : values) {
            const std::string key = keyOf(d.name, d.i, d.j);
            ASSERT_TRUE(numbers.count(key)) << key;
            EXPECT_EQ(*numbers[key], d.expected) << "game " << game << " " << key;
        }
        EXPECT_EQ(CardInset, 5) << game;
        EXPECT_EQ(FlySpeed, 2) << game;
    }
}

// A game sets only the numbers it uses; all others keep what an earlier layout left.
TEST_F(LayoutTest, EachGameWritesOnlyItsOwnNumbers)
{
    const auto byGame = designValuesByGame();
    // Numbers every layout sets, and those its group's design numbers set.
    const std::set<std::string> frame = {"CardInset", "FlySpeed", "CardWidth", "CardHeight"};
    const std::map<int, std::set<std::string>> groupNumbers = {
        {1, {"ActionButtonLeft", "ActionButtonWidth", "ActionButtonHeight"}},
        {2, {"TableArea", "ActionButtonLeft", "ActionButtonWidth", "ActionButtonHeight"}},
        {3, {"ActionButtonWidth", "ActionButtonHeight"}},
        {4, {"ActionButtonWidth", "ActionButtonHeight"}},
        {5, {"ActionButtonWidth", "ActionButtonHeight"}},
    };
    constexpr int untouched = -7777;
    for (const auto& [game, values] : byGame) {
        ResetGameState();
        ApplyZoomForTest(760, 500, 1.0, true);
        for (const NumberRef& n : allLayoutNumbers()) {
            if (n.name != "CardWidth" && n.name != "CardHeight")
                *n.value = untouched;
        }
        CurrentGameId = game;
        LayoutTable();
        std::set<std::string> allowed = frame;
        for (const DesignValue& d : values)
            allowed.insert(d.name);
        for (const std::string& name : groupNumbers.at(GameTables::GameGroupOf(game)))
            allowed.insert(name);
        if (game == 415 || game == 416 || game == 422)
            allowed.insert("ColumnStep");
        for (const NumberRef& n : allLayoutNumbers()) {
            if (*n.value != untouched) {
                EXPECT_TRUE(allowed.count(n.name))
                    << "game " << game << " wrote " << keyOf(n.name, n.i, n.j);
            }
        }
    }
}

TEST_F(LayoutTest, AnUnknownGameCodeSetsOnlyTheFrameNumbers)
{
    ApplyZoomForTest(1520, 1000, 2.0, true);
    SpecialX[1] = -1;
    GridX[19][7] = -2;
    CurrentGameId = 99;
    LayoutTable();
    EXPECT_EQ(SpecialX[1], -1);
    EXPECT_EQ(GridX[19][7], -2);
    EXPECT_EQ(CardInset, 0);
    EXPECT_EQ(FlySpeed, 5);
}

TEST_F(LayoutTest, WishLeavesTheStockPlaceOfPairsAlone)
{
    layOut(407);
    ASSERT_EQ(AuxPile2Y, 394);
    AuxPile2X = 1;
    AuxPile2Y = 2;
    layOut(408);
    EXPECT_EQ(AuxPile2X, 1);
    EXPECT_EQ(AuxPile2Y, 2);
}

TEST_F(LayoutTest, TopRowKeepsItsUnscaledTenPixels)
{
    const struct {
        Window window;
        int topRowY;
    } cases[] = {{Zoom10, 17}, {Zoom13, 19}, {Zoom17, 22}, {Zoom20, 24}};
    for (const auto& c : cases) {
        layOut(431, c.window);
        EXPECT_EQ(TopRowY, c.topRowY) << c.window.zoom;
        EXPECT_EQ(ColumnsTopY, TopRowY + CardHeight + Scaling::Scaled(4)) << c.window.zoom;
    }
}

TEST_F(LayoutTest, NapoleonSquareRowsSpreadWithTheZoom)
{
    // H + 32 at zoom 1, H + Round(27 x zoom) above it.
    const struct {
        Window window;
        int rowStep;
    } cases[] = {{Zoom10, 96 + 32}, {Zoom13, 125 + 35}, {Zoom17, 163 + 46}, {Zoom20, 198 + 54}};
    for (const auto& c : cases) {
        layOut(420, c.window);
        for (int i = 2; i <= 4; ++i)
            EXPECT_EQ(PosY[i] - PosY[i - 1], c.rowStep) << c.window.zoom << " row " << i;
    }
    layOut(420, {990, 650, 990.0 / 760}); // the average window's exact factor
    EXPECT_EQ(PosY[2] - PosY[1], 125 + 35);
}

TEST_F(LayoutTest, PictureGalleryButtonsGrowInThreeStepsAndMeetInTheMiddle)
{
    const struct {
        Window window;
        bool wide;
        int buttonHeight;
    } cases[] = {{Zoom10, true, 30}, {Zoom13, true, 30}, {Zoom13, false, 30}, {{1200, 790, 1.59}, true, 30},
                 {{1216, 800, 1.6}, true, 45}, {Zoom17, false, 45}, {Zoom20, true, 60}, {Zoom20, false, 60}};
    for (const auto& c : cases) {
        layOut(12, c.window, c.wide);
        EXPECT_EQ(ButtonRect1[4] - ButtonRect1[2], c.buttonHeight) << c.window.zoom;
        EXPECT_EQ(ButtonRect2[4] - ButtonRect2[2], c.buttonHeight) << c.window.zoom;
        EXPECT_EQ(ButtonRect1[4], ButtonRect2[2]) << c.window.zoom;
        EXPECT_EQ(ButtonRect1[3] - ButtonRect1[1], Scaling::Scaled(84)) << c.window.zoom;
        // One-pixel gaps between the gallery's cards at every zoom.
        EXPECT_EQ(GalleryColX[2] - GalleryColX[1], CardWidth + 1) << c.window.zoom;
        EXPECT_EQ(GalleryRowY[3] - GalleryRowY[2], CardHeight + 1) << c.window.zoom;
        EXPECT_EQ(MainAreaRect[2] - TopAreaRect[4], 1) << c.window.zoom;
    }
}

TEST_F(LayoutTest, UnclePelkBoardsKeepTheirDesignSize)
{
    const Window windows[] = {Zoom10, Zoom13, Zoom17, Zoom20};
    for (const Window& w : windows) {
        layOut(17, w);
        const struct {
            int board;
            int height;
        } boards[] = {{1, 350}, {2, 200}, {3, 136}};
        for (const auto& b : boards) {
            EXPECT_EQ(BoardRects[b.board][3] - BoardRects[b.board][1], 200) << w.zoom << " board " << b.board;
            EXPECT_EQ(BoardRects[b.board][4] - BoardRects[b.board][2], b.height) << w.zoom << " board " << b.board;
        }
        EXPECT_EQ(MainAreaRect[3] - MainAreaRect[1], Scaling::Scaled(302)) << w.zoom;
        EXPECT_EQ(SideAreaRect[3] - SideAreaRect[1], Scaling::Scaled(150)) << w.zoom;
    }
    // Centred on their scaled places: at zoom 2 the TabloY board's 200-pixel-wide slot
    // is 400 wide.
    layOut(17, Zoom20);
    EXPECT_EQ(BoardRects[1][1], 30 + 100);
    EXPECT_EQ(BoardRects[1][2], 20 + 175);
    EXPECT_EQ(BoardRects[3][2], 724 + 68);
}

TEST_F(LayoutTest, FlySpeedAndCardInsetFollowTheCardPictureClass)
{
    const struct {
        Window window;
        bool wide;
        int classicMode;
        int flySpeed;
        int cardInset;
    } cases[] = {
        {Zoom10, true, 1, 2, 5},  {Zoom10, false, 1, 2, 5}, {Zoom13, true, 0, 2, 0},
        {Zoom17, false, 0, 2, 0}, {Zoom20, true, 2, 5, 0},  {Zoom20, false, 2, 5, 0},
    };
    const int games[] = {431, 424, 12, 18, 17};
    for (const auto& c : cases) {
        for (int game : games) {
            layOut(game, c.window, c.wide);
            ASSERT_EQ(Scaling::ClassicCardMode, c.classicMode);
            EXPECT_EQ(FlySpeed, c.flySpeed) << c.window.zoom << " game " << game;
            EXPECT_EQ(CardInset, c.cardInset) << c.window.zoom << " game " << game;
        }
    }
}

TEST_F(LayoutTest, CardSizeFollowsTheWindowAndTheFaceWidth)
{
    const struct {
        Window window;
        bool wide;
        int width;
        int height;
    } cases[] = {{Zoom10, false, 71, 96}, {Zoom13, true, 92, 125}, {Zoom13, false, 79, 125},
                 {Zoom17, true, 121, 163}, {Zoom17, false, 104, 163}, {Zoom20, true, 146, 198},
                 {Zoom20, false, 126, 198}};
    for (const auto& c : cases) {
        ApplyZoomForTest(c.window.width, c.window.height, c.window.zoom, c.wide);
        EXPECT_EQ(CardWidth, c.width) << c.window.zoom << c.wide;
        EXPECT_EQ(CardHeight, c.height) << c.window.zoom << c.wide;
    }
}

TEST_F(LayoutTest, FullScreenCentresScaledElementsInTheirWiderSlots)
{
    // A 1920 x 1040 client: ScaleX 2.526, ScaleY and Scale 2.08.
    ApplyZoomForTest(1920, 1040, 2.08, true);
    Scaling::ScaleX = 1920.0 / 760;
    Scaling::ScaleY = 1040.0 / 500;
    CurrentGameId = 19;
    LayoutTable();
    // Info panel of the Tulip family: SL(30, 150) = Round(0.446 x 75) + Round(75.79).
    EXPECT_EQ(BoardRects[1][1], 33 + 76);
    EXPECT_EQ(BoardRects[1][3] - BoardRects[1][1], Scaling::Scaled(150));
    CurrentGameId = 18;
    LayoutTable();
    // The book's centre line is scaled horizontally only.
    EXPECT_EQ(BookBounds[1], 834 - 146 - 2 * 4);
}

namespace {

struct Place {
    std::string what;
    int left;
    int top;
    int right;
    int bottom;
};

// Where the game shows cards (or, for the games laid out by areas, its areas), from the
// layout numbers it sets.
std::vector<Place> placesOf(int game)
{
    const int W = CardWidth;
    const int H = CardHeight;
    std::vector<Place> places;
    auto card = [&](const std::string& what, int x, int y) { places.push_back({what, x, y, x + W, y + H}); };
    auto rect = [&](const std::string& what, const TRect4& r) { places.push_back({what, r[1], r[2], r[3], r[4]}); };
    auto grid = [&](int columns, int rows) {
        for (int c = 1; c <= columns; ++c)
            for (int r = 1; r <= rows; ++r)
                card("grid " + std::to_string(c) + "," + std::to_string(r), GridX[c][r], GridY[c][r]);
    };
    auto aux = [&](int which) {
        if (which & 1)
            card("waste", AuxPile1X, AuxPile1Y);
        if (which & 2)
            card("stock", AuxPile2X, AuxPile2Y);
    };
    auto foundationPos = [&](int n) {
        for (int i = 1; i <= n; ++i)
            card("foundation " + std::to_string(i), FoundationPosX[i], FoundationPosY[i]);
    };
    auto foundationRow = [&](int n) {
        for (int i = 1; i <= n; ++i)
            card("foundation " + std::to_string(i), FoundationX[i], FoundationY);
    };
    auto columns = [&](int n) {
        for (int i = 1; i <= n; ++i)
            card("column " + std::to_string(i), ColumnX[i], ColumnTop);
    };
    switch (game) {
    case 431: case 71: case 413: case 414: case 421: case 404: case 403: case 432: case 433: {
        const int piles = (game == 431 || game == 404 || game == 403) ? 7 : (game == 432 ? 9 : 10);
        for (int i = 1; i <= piles; ++i) {
            card("top row " + std::to_string(i), SpecialX[i], TopRowY);
            card("pile " + std::to_string(i), SpecialX[i], ColumnsTopY);
        }
        break;
    }
    case 430:
        columns(8);
        foundationRow(4);
        for (int i = 1; i <= 4; ++i)
            card("free cell " + std::to_string(i), FreeCellX[i], FreeCellY);
        break;
    case 424: grid(13, 7); aux(3); break;
    case 427: grid(19, 4); aux(3); break;
    case 434: grid(7, 5); aux(3); break;
    case 435: grid(13, 7); aux(3); break;
    case 436: grid(17, 7); aux(3); break;
    case 19: case 401: case 402: {
        // Paganini uses its first ten places only; the others reach past the edge.
        const int used = game == 402 ? 10 : 14;
        for (int i = 1; i <= used; ++i)
            for (int r = 1; r <= 4; ++r)
                card("place " + std::to_string(i) + "," + std::to_string(r), TulipPlaceX[i], TulipRowY[r]);
        rect("info panel", BoardRects[1]);
        break;
    }
    case 419:
        for (int i = 1; i <= 7; ++i)
            for (int r = 1; r <= 3; ++r)
                card("pile " + std::to_string(i) + "," + std::to_string(r), PosX[i], PosY[r]);
        break;
    case 420:
        for (int i = 1; i <= 6; ++i)
            for (int r = 1; r <= 4; ++r)
                card("pile " + std::to_string(i) + "," + std::to_string(r), PosX[i], PosY[r]);
        break;
    case 12:
        rect("aces", TopAreaRect);
        rect("gallery", MainAreaRect);
        rect("bottom row", BottomAreaRect);
        rect("side", SideAreaRect);
        rect("button 1", ButtonRect1);
        rect("button 2", ButtonRect2);
        break;
    case 405:
        foundationPos(8);
        for (int i = 1; i <= 8; ++i)
            card("pile " + std::to_string(i), PosX[i], PosY[i]);
        for (int i = 1; i <= 11; ++i)
            card("reserve " + std::to_string(i), DesireReserveX[i], DesireReserveY[i]);
        break;
    case 406: foundationPos(8); grid(7, 3); break;
    case 417:
        foundationPos(4);
        for (int i = 1; i <= 4; ++i)
            card("waste " + std::to_string(i), PosX[i], PosY[i]);
        aux(1);
        break;
    case 418:
        aux(3);
        grid(3, 3);
        for (int i = 1; i <= 6; ++i)
            card("reserve " + std::to_string(i), SultanReserveX[i], SultanReserveY[i]);
        break;
    case 425:
        foundationPos(8);
        grid(2, 4);
        aux(3);
        for (int i = 1; i <= 21; ++i)
            card("backbone " + std::to_string(i), BackboneX[i], BackboneY[i]);
        break;
    case 428: grid(5, 4); foundationPos(4); aux(3); break;
    case 443:
        for (int i = 1; i <= 15; ++i)
            card("pile " + std::to_string(i), PosX[i], PosY[i]);
        break;
    case 444:
        columns(6);
        foundationRow(4);
        for (int i = 1; i <= 16; ++i)
            card("reserve " + std::to_string(i), SadReserveX, SadReserveY[i]);
        break;
    case 445: columns(8); foundationRow(8); aux(3); break;
    case 18:
        for (int k = 1; k <= 4; ++k) {
            rect("left row", BookLeftRects[k]);
            rect("right row", BookRightRects[k]);
        }
        for (int k = 1; k <= 8; ++k)
            rect("foundation", BookFoundationRects[k]);
        rect("stock", BookStockRect);
        rect("waste", BookWasteRect);
        rect("stock label", BookStockLabelRect);
        rect("waste label", BookWasteLabelRect);
        rect("list", BookListRect);
        rect("button 1", ButtonRect1);
        rect("button 2", ButtonRect2);
        break;
    case 407: case 408:
        for (int i = 1; i <= 9; ++i)
            card("pile " + std::to_string(i), PosX[i], PosY[i]);
        if (game == 407)
            aux(2);
        break;
    case 411: case 412: grid(6, 4); aux(3); break;
    case 423: case 426: case 437: case 438: case 439:
        grid(13, 7);
        aux(3);
        card("discard", DiscardX, DiscardY);
        break;
    case 17:
        rect("foundations", TopAreaRect);
        rect("table", MainAreaRect);
        rect("side", SideAreaRect);
        for (int k = 1; k <= 3; ++k)
            rect("board " + std::to_string(k), BoardRects[k]);
        break;
    case 409: foundationPos(8); grid(2, 6); aux(3); break;
    case 410: foundationPos(4); grid(4, 5); break;
    case 415: case 416:
        foundationPos(8);
        for (int i = 1; i <= 16; ++i)
            card("pile " + std::to_string(i), PosX[i], PosY[i]);
        break;
    case 422:
        columns(8);
        foundationRow(8);
        aux(2);
        for (int i = 1; i <= 6; ++i)
            card("reserve " + std::to_string(i), AlzhirReserveX[i], AlzhirReserveY);
        break;
    case 429:
        columns(4);
        foundationRow(4);
        aux(3);
        for (int i = 1; i <= 13; ++i)
            card("reserve " + std::to_string(i), DemonReserveX, DemonReserveY[i]);
        break;
    case 440:
        foundationRow(4);
        for (int i = 1; i <= 16; ++i)
            card("fan " + std::to_string(i), PosX[i], PosY[i <= 8 ? 1 : 2]);
        break;
    case 441: case 442:
        foundationRow(8);
        aux(3);
        for (int i = 1; i <= 10; ++i)
            card("column " + std::to_string(i), PosX[i], PosY[1]);
        break;
    default:
        break;
    }
    return places;
}

} // namespace

TEST_F(LayoutTest, EveryPlaceLiesOnTheTableAtEveryZoomAndFaceWidth)
{
    const Window windows[] = {Zoom10, Zoom13, Zoom17, Zoom20};
    for (const Window& w : windows) {
        for (bool wide : {true, false}) {
            for (const GameTables::GameInfo& g : GameTables::Games) {
                layOut(g.code, w, wide);
                const std::vector<Place> places = placesOf(g.code);
                ASSERT_FALSE(places.empty()) << g.code;
                for (const Place& p : places) {
                    const bool inside = p.left >= 0 && p.top >= 0 && p.right <= Scaling::TableWidth &&
                                        p.bottom <= Scaling::TableHeight && p.left <= p.right && p.top <= p.bottom;
                    EXPECT_TRUE(inside) << "game " << g.code << " zoom " << w.zoom << (wide ? " wide " : " narrow ")
                                        << p.what << ": " << p.left << "," << p.top << " - " << p.right << ","
                                        << p.bottom;
                }
            }
        }
    }
}

TEST_F(LayoutTest, PaganiniPlacesBeyondTheTenthMayReachPastTheRightEdge)
{
    layOut(402);
    EXPECT_LE(TulipPlaceX[10] + CardWidth, Scaling::TableWidth);
    EXPECT_GT(TulipPlaceX[13] + CardWidth, Scaling::TableWidth);
    EXPECT_EQ(TulipPlaceX[14], 775);
}

TEST_F(LayoutTest, StockPlacesThatWouldLeaveTheTableStopAtItsEdge)
{
    // The largest, wide card pictures: 146 x 198 on 1520 x 1000.
    layOut(436, Zoom20, true);
    EXPECT_EQ(AuxPile2Y, 1000 - 198);
    EXPECT_EQ(AuxPile1Y, AuxPile2Y);
    EXPECT_EQ(GridY[1][7], 2 + 6 * 101); // the grid itself keeps its formula
    layOut(441, Zoom20, true);
    EXPECT_EQ(AuxPile2X, 0);
    // Narrow faces leave room for the formula.
    layOut(441, Zoom20, false);
    EXPECT_EQ(AuxPile2X, PosX[1] - 16);
    EXPECT_GE(AuxPile2X, 0);
}
