// Painting of the group-2 piles, foundations, Golf grids, stock and waste, and the
// places of the two action buttons.
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <QFont>
#include <QRect>
#include <algorithm>

namespace Group2 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

struct Place {
    int x = 0;
    int y = 0;
};

Place FoundationPlace(int f)
{
    Place at;
    FunDeucesFoundationPos(f, at.x, at.y);
    return at;
}

Place PilePlace(int p)
{
    Place at;
    SquarePilePos2(p, at.x, at.y);
    return at;
}

// The card of a place drawn onto a canvas whose origin lies at table point (dx, dy).
void DrawGolfPlace(int p, int k, int l, platform::Canvas& canvas, int dx = 0, int dy = 0)
{
    const TCardCode& c = GolfCard2(p, k, l);
    if (!HoldsCard(c))
        return;
    if (GolfFaceUp2(p, k, l) != 0)
        CardDrawing::DrawCardFace(GridX[p][k] - dx, GridY[p][k] - dy, c, canvas);
    else
        CardDrawing::DrawCardBack(GridX[p][k] - dx, GridY[p][k] - dy, canvas);
}

void RedrawGolfGrid(platform::Canvas& canvas)
{
    const int P = GolfColumns2();
    const int K = GolfRows2();
    Kit::RestoreBackground(canvas, GridX[1][1], GridY[1][1], GridX[P][1] - GridX[1][1] + CardWidth + 1,
                           GridY[1][K] - GridY[1][1] + CardHeight + 1);
    for (int l = 1; l <= GolfLayers2(); ++l)
        for (int k = 1; k <= K; ++k)
            for (int p = 1; p <= P; ++p)
                DrawGolfPlace(p, k, l, canvas);
}

// Backs of a Golf stock: one per six cards begun, from one card on; six at most.
int GolfStockBacks(int n) { return n <= 0 ? 0 : std::min(6, n / 6 + 1); }

void RedrawGolfStockWaste(platform::Canvas& canvas)
{
    Kit::RestoreBackground(canvas, AuxPile2X, AuxPile2Y, CardWidth + 12, CardHeight);
    const int backs = GolfStockBacks(StockCount);
    if (backs == 0)
        CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode("-n"), canvas);
    for (int i = 1; i <= backs; ++i)
        CardDrawing::DrawCardBack(AuxPile2X + 2 * (i - 1), AuxPile2Y, canvas);

    Kit::RestoreBackground(canvas, AuxPile1X, AuxPile1Y, CardWidth + 12, CardHeight);
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, TCardCode("-*"), canvas);
    for (int i = 1; i <= WasteTopSlot2(); ++i)
        if (HoldsCard(WasteCards[i]))
            CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, WasteCards[i], canvas);
}

} // namespace

void RedrawFoundation2(int Foundation)
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table || !IsDeucesOrNap(game) || Foundation < 1 || Foundation > 8)
        return;
    platform::Canvas& canvas = table->canvas();
    const Place at = FoundationPlace(Foundation);
    Kit::RestoreBackground(canvas, at.x, at.y, CardWidth, CardHeight);
    if (game == NapoleonSquare)
        CardDrawing::DrawCardFace(at.x, at.y, TCardCode("-0"), canvas);
    for (int s = 1; s <= 13; ++s)
        if (HoldsCard(FoundationCards[Foundation][s]))
            CardDrawing::DrawCardFace(at.x, at.y, FoundationCards[Foundation][s], canvas);
}

void RedrawGolfPlaces2(int p, int k)
{
    auto* table = Kit::TableImage();
    const QImage& ground = CardPictures::TableBackground;
    if (!table || !IsGolf(CurrentGameId))
        return;
    if (ground.isNull()) {
        RedrawGolfGrid(table->canvas());
        return;
    }
    const int p1 = std::max(1, p - 1), p2 = std::min(GolfColumns2(), p + 1);
    const int k1 = std::max(1, k - 1), k2 = std::min(GolfRows2(), k + 1);
    const QRect box(GridX[p1][k1], GridY[p1][k1], GridX[p2][k1] - GridX[p1][k1] + CardWidth + 1,
                    GridY[p1][k2] - GridY[p1][k1] + CardHeight + 1);
    // Drawn on a piece of the background of the box's size, so the cards reaching out of
    // the box are cut at its edges, as they would be under the whole grid's repaint.
    platform::Canvas piece(ground.copy(box));
    for (int l = 1; l <= GolfLayers2(); ++l)
        for (int m = 1; m <= GolfRows2(); ++m)
            for (int q = 1; q <= GolfColumns2(); ++q)
                if (box.intersects(QRect(GridX[q][m], GridY[q][m], CardWidth + 1, CardHeight + 1)))
                    DrawGolfPlace(q, m, l, piece, box.x(), box.y());
    table->canvas().draw(box.x(), box.y(), piece);
}

void RedrawColumn2(int Pile, int /*Flag*/)
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    if (IsDeucesOrNap(game)) {
        const bool nap = game == NapoleonSquare;
        if (Pile < 1 || Pile > (nap ? 12 : 10))
            return;
        const Place at = PilePlace(Pile);
        const int rise = nap ? 32 : 26;
        Kit::RestoreBackground(canvas, at.x, at.y - rise, CardWidth, CardHeight + rise);
        CardDrawing::DrawCardFace(at.x, at.y, TCardCode("-*"), canvas);
        for (int i = 1; i <= (nap ? 16 : 13); ++i)
            if (HoldsCard(PileCards[Pile][i]))
                CardDrawing::DrawCardFace(at.x, at.y - 2 * (i - 1), PileCards[Pile][i], canvas);
        return;
    }
    if (game == GolfRug) {
        if (Pile < 1 || Pile > 7)
            return;
        Kit::RestoreBackground(canvas, GridX[Pile][1], GridY[Pile][1], CardWidth + 1,
                               GridY[Pile][5] - GridY[Pile][1] + CardHeight + 1);
        for (int k = 1; k <= 5; ++k)
            DrawGolfPlace(Pile, k, 1, canvas);
        return;
    }
    if (IsGolf(game))
        RedrawGolfGrid(canvas);
}

void RedrawStockWaste2(int Kind)
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    if (IsGolf(game)) {
        RedrawGolfStockWaste(canvas);
        return;
    }
    if (!IsDeucesOrNap(game))
        return;
    const bool nap = game == NapoleonSquare;
    if (Kind == 1) {
        int x = 0, y = 0;
        SquareWastePos2(x, y);
        const int rise = nap ? 20 : 44;
        Kit::RestoreBackground(canvas, x, y - rise, CardWidth, CardHeight + rise);
        CardDrawing::DrawCardFace(x, y, TCardCode("-*"), canvas);
        for (int i = 1; i <= WasteTopSlot2(); ++i)
            if (HoldsCard(WasteCards[i]))
                CardDrawing::DrawCardFace(x, y - 2 * (i / 10), WasteCards[i], canvas);
    } else if (Kind == 2) {
        int x = 0, y = 0;
        SquareStockPos2(x, y);
        Kit::RestoreBackground(canvas, x, y - 20, CardWidth, CardHeight + 20);
        CardDrawing::DrawCardFace(x, y, TCardCode("-n"), canvas);
        if (StockCount >= 1)
            CardDrawing::DrawCardBack(x, y, canvas);
        for (int t = 1; StockCount >= 10 * t; ++t)
            CardDrawing::DrawCardBack(x, y - 2 * t, canvas);
    }
}

void PlaceActionButtons2()
{
    if (!Form1 || !Form1->Button7 || !Form1->Button8)
        return;
    const int game = CurrentGameId;
    const int W = CardWidth;
    const int H = CardHeight;
    int left = 0, top7 = 0, width = 0;
    switch (game) {
    case FunDeuces:
        left = PosX[6];
        top7 = PosY[3] + H + Scaled(30);
        width = PosX[7] + W - PosX[6];
        break;
    case NapoleonSquare:
        left = PosX[6] + W + Scaled(10);
        top7 = PosY[4] + Scaled(20);
        width = Scaling::TableWidth - left - Scaled(10);
        break;
    case GolfPeak:
        left = GridX[10][4] + W + Scaled(45);
        top7 = GridY[10][4];
        width = 2 * W;
        break;
    case GolfThreePeaks:
        left = GridX[16][4];
        top7 = GridY[16][4] + H + Scaled(30);
        width = Scaling::RoundHalfEven(2.5 * W);
        break;
    case GolfRug:
        left = GridX[6][1];
        top7 = GridY[6][5] + H + Scaled(30);
        width = GridX[7][1] + W - GridX[6][1];
        break;
    case GolfDiamond:
        left = GridX[13][1] + Scaled(12);
        top7 = GridY[13][7];
        width = 2 * W + Scaled(12);
        break;
    case GolfBlock:
        left = GridX[15][1];
        top7 = GridY[15][7] + H + Scaled(2);
        width = GridX[17][1] + W - GridX[15][1];
        break;
    default: { // the Tulip family: centred in the strip under the fourth row
        left = Scaling::ScaledLeft(ActionButtonLeft, ActionButtonWidth);
        width = Scaled(ActionButtonWidth);
        const int y = TulipRowY[4] + H;
        const int mid = y + Scaling::RoundHalfEven((Scaling::TableHeight - y) / 2.0);
        top7 = mid - Scaled(30);
        break;
    }
    }
    const int height = Scaled(ActionButtonHeight);
    const int fontHeight = Scaling::FontHeightFor(Scaled(20), QStringLiteral("times"));
    for (TQyvCardsButton* b : {Form1->Button7, Form1->Button8}) {
        QFont f = b->font();
        f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
        f.setPixelSize(std::max(1, fontHeight));
        b->setFont(f);
    }
    Form1->Button7->setGeometry(left, top7, width, height);
    Form1->Button8->setGeometry(left, top7 + Scaled(30), width, height);
}

} // namespace Group2
