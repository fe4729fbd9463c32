// Painting of the group-4 tables and the places of the two action buttons.
#include "games/group4/Qyv_Help2_4.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/DrawHelpers.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QFont>
#include <algorithm>

namespace Group4 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

platform::Canvas* TableCanvas()
{
    auto* table = Kit::TableImage();
    return table ? &table->canvas() : nullptr;
}

// The y offset of a stack drawn with one visible edge per 16 cards: S(2) per layer whose
// first slot holds a card, up to six layers.
int LayerLift(const Cards104& pile)
{
    int d = 0;
    for (int layer = 1; layer <= 6; ++layer)
        if (HoldsCard(pile[16 * (layer - 1) + 1]))
            d = Scaled(2) * (layer - 1);
    return d;
}

void DrawBookStack(platform::Canvas& canvas, const TRect4& place, const Cards104& pile, bool faces)
{
    const int left = place[1];
    const int top = place[2];
    Kit::RestoreBackground(canvas, left, top - Scaled(10), CardWidth, CardHeight + Scaled(10));
    for (int layer = 1; layer <= 6; ++layer) {
        const TCardCode& c = pile[16 * (layer - 1) + 1];
        if (!HoldsCard(c))
            continue;
        const int y = top - Scaled(2) * (layer - 1);
        if (faces)
            CardDrawing::DrawCardFace(left, y, c, canvas);
        else
            CardDrawing::DrawCardBack(left, y, canvas);
    }
}

// The picture of a count box; a plain framed box while no picture is loaded.
QImage CountBoxPicture()
{
    QImage box = platform::resources::image(QStringLiteral("ImageSm"));
    if (!box.isNull())
        return box;
    platform::Canvas c(50, 30, 0xE2F6FB);
    c.pen.color = 0x40506A;
    c.brush.style = platform::BrushStyle::Clear;
    c.rectangle(0, 0, 50, 30);
    return c.image();
}

void DrawCountBox(platform::Canvas& canvas, const TRect4& r, int count)
{
    canvas.stretchDraw(platform::rectLTRB(r[1], r[2], r[3], r[4]), CountBoxPicture());
    canvas.brush.style = platform::BrushStyle::Clear;
    canvas.font.color = 0xFF0000;
    DrawHelpers::TextOutCentered(QString::number(count), r[1], r[3], r[2] + Scaled(6), canvas);
}

void RedrawBookStockWaste(platform::Canvas& canvas)
{
    DrawBookStack(canvas, BookWasteRect, WasteCards, true);
    const int wasteLift = LayerLift(WasteCards);
    if (WasteCount > 1)
        CardDrawing::DrawCardFace(BookWasteRect[1], BookWasteRect[2] - wasteLift, WasteCards[WasteCount - 1], canvas);
    AuxPile1X = BookWasteRect[1];
    AuxPile1Y = BookWasteRect[2] - wasteLift;

    DrawBookStack(canvas, BookStockRect, StockCards, false);
    AuxPile2X = BookStockRect[1];
    AuxPile2Y = BookStockRect[2] - LayerLift(StockCards);
    if (StockCount == 0)
        CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode("-n"), canvas);

    canvas.font.name = Settings::FontTimesName;
    canvas.font.height = Scaling::FontHeightFor(Scaled(18), QStringLiteral("times"));
    canvas.font.bold = true;
    canvas.font.italic = false;
    DrawCountBox(canvas, BookWasteLabelRect, WasteCount - 1);
    DrawCountBox(canvas, BookStockLabelRect, StockCount);
    canvas.font.bold = false;
}

// Backs spaced two pixels apart from the stock's place.
void DrawBacks(platform::Canvas& canvas, int n)
{
    for (int k = 1; k <= n; ++k)
        CardDrawing::DrawCardBack(AuxPile2X + 2 * (k - 1), AuxPile2Y, canvas);
}

void DrawGrid(platform::Canvas& canvas, int right, int bottom)
{
    const int left = GridX[1][1];
    const int top = GridY[1][1];
    Kit::RestoreBackground(canvas, left, top, right - left, bottom - top);
    const bool open = IsOpenGrid(CurrentGameId);
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 13; ++c) {
            const TCardCode& code = PileCards[c][r];
            if (!HoldsCard(code))
                continue;
            if (open || PileFaceUp[c][r] == 1)
                CardDrawing::DrawCardFace(GridX[c][r], GridY[c][r], code, canvas);
            else
                CardDrawing::DrawCardBack(GridX[c][r], GridY[c][r], canvas);
        }
}

} // namespace

void RedrawFoundation4(int N)
{
    platform::Canvas* canvas = TableCanvas();
    if (!canvas)
        return;
    const int game = CurrentGameId;
    if (game == Book) {
        if (N < 1 || N > 8)
            return;
        const int x = BookFoundationRects[N][1];
        const int y = BookFoundationRects[N][2];
        const char marker[3] = {'-', static_cast<char>('1' + (N - 1) / 2), 0};
        CardDrawing::DrawCardFace(x, y, TCardCode(marker), *canvas);
        for (int k = 1; k <= 13; ++k)
            if (HoldsCard(FoundationCards[N][k]))
                CardDrawing::DrawCardFace(x, y, FoundationCards[N][k], *canvas);
    } else if (IsGridGame(game)) {
        Kit::RestoreBackground(*canvas, DiscardX, DiscardY, CardWidth, CardHeight);
        const bool empty = ExtraPileCount <= 1 || ExtraPileCount > 53;
        CardDrawing::DrawCardFace(DiscardX, DiscardY, empty ? TCardCode("-*") : DiscardCards[ExtraPileCount - 1],
                                  *canvas);
    }
}

void RedrawColumn4(int Pile, int Slot)
{
    platform::Canvas* canvas = TableCanvas();
    if (!canvas)
        return;
    const int game = CurrentGameId;
    const int W = CardWidth;
    const int H = CardHeight;
    if (game == Book) {
        if (Pile < 1 || Pile > 8)
            return;
        const bool left = Pile <= 4;
        const int x = left ? BookLeftRects[1][1] : BookRightRects[1][1];
        const int y = left ? BookLeftRects[Pile][2] : BookRightRects[Pile - 4][2];
        if (left)
            Kit::RestoreBackground(*canvas, x - Scaled(260), y, Scaled(260) + W, H);
        else
            Kit::RestoreBackground(*canvas, x, y, Scaled(260), H);
        CardDrawing::DrawCardFace(x, y, TCardCode("-x"), *canvas);
        const int step = left ? -Scaled(12) : Scaled(12);
        for (int k = 1; k <= 16; ++k)
            if (HoldsCard(PileCards[Pile][k]))
                CardDrawing::DrawCardFace(x + (k - 1) * step, y, PileCards[Pile][k], *canvas);
    } else if (game == Pairs || game == Wish) {
        if (Pile < 1 || Pile > 9)
            return;
        const bool pairs = game == Pairs;
        const int step = pairs ? ColumnStep[Pile] : 2;
        const int slotCount = pairs ? 12 : 4;
        Kit::RestoreBackground(*canvas, PosX[Pile], PosY[Pile], W, H + (pairs ? 11 * step : 8));
        CardDrawing::DrawCardFace(PosX[Pile], PosY[Pile], TCardCode("-*"), *canvas);
        for (int k = 1; k <= slotCount; ++k)
            if (HoldsCard(PileCards[Pile][k]))
                CardDrawing::DrawCardFace(PosX[Pile], PosY[Pile] + (k - 1) * step, PileCards[Pile][k], *canvas);
    } else if (IsMonteCarlo(game)) {
        if (Pile < 1 || Pile > 6 || Slot < 1 || Slot > 4)
            return;
        Kit::RestoreBackground(*canvas, GridX[Pile][Slot], GridY[Pile][Slot], W, H);
        if (HoldsCard(PileCards[Pile][Slot]))
            CardDrawing::DrawCardFace(GridX[Pile][Slot], GridY[Pile][Slot], PileCards[Pile][Slot], *canvas);
    } else if (IsPyramid(game)) {
        DrawGrid(*canvas, GridX[13][7] + W + 1, GridY[13][7] + H + 1);
    } else if (IsDiamond(game)) {
        DrawGrid(*canvas, GridX[13][1] + W + 1, GridY[13][7] + H + 1);
    }
}

int StockBacks4()
{
    const int game = CurrentGameId;
    if (game == Pairs)
        return StockCount == 0 ? 0 : StockCount / 9 + 1;
    if (IsMonteCarlo(game)) {
        const int n = ExtraPileCount;
        return n <= 0 ? 0 : n < 10 ? 1 : n < 20 ? 2 : 3;
    }
    if (IsGridGame(game)) {
        const int n = StockCount;
        return n <= 0 ? 0 : n < 6 ? 1 : std::min(6, n / 6 + 1);
    }
    return 0;
}

TCardCode EmptyStockMarker4()
{
    const bool turnBack = CurrentGameId != Pyramid && WasteCount > 1 && PassCount < LastPass;
    return TCardCode(turnBack ? "-y" : "-n");
}

void RedrawStockWaste4()
{
    platform::Canvas* canvas = TableCanvas();
    if (!canvas)
        return;
    const int game = CurrentGameId;
    const int W = CardWidth;
    const int H = CardHeight;
    if (game == Book) {
        RedrawBookStockWaste(*canvas);
    } else if (game == Pairs) {
        Kit::RestoreBackground(*canvas, AuxPile2X, AuxPile2Y, W + 118, H);
        const int n = StockBacks4();
        for (int k = 1; k <= n; ++k)
            if (HoldsCard(StockCards[k]))
                CardDrawing::DrawCardBack(AuxPile2X + 2 * (k - 1), AuxPile2Y, *canvas);
        if (StockCount == 0)
            CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode("-n"), *canvas);
    } else if (IsMonteCarlo(game)) {
        Kit::RestoreBackground(*canvas, AuxPile2X, AuxPile2Y, W + 4, H);
        DrawBacks(*canvas, StockBacks4());
        if (ExtraPileCount == 0)
            CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode("-n"), *canvas);
    } else if (IsGridGame(game)) {
        Kit::RestoreBackground(*canvas, AuxPile2X, AuxPile2Y, W + 12, H);
        DrawBacks(*canvas, StockBacks4());
        if (StockCount == 0)
            CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, EmptyStockMarker4(), *canvas);
        Kit::RestoreBackground(*canvas, AuxPile1X, AuxPile1Y, W + 12, H);
        CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, TCardCode("-*"), *canvas);
        if (WasteCount > 1)
            CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, WasteCards[WasteCount - 1], *canvas);
    }
}

void RepaintGrid4()
{
    if (!IsGridGame(CurrentGameId))
        return;
    RedrawColumn4(0, 0);
    RedrawStockWaste4();
    RedrawFoundation4(0);
}

int WasteTopY4()
{
    return BookWasteRect[2] - LayerLift(WasteCards);
}

void PlaceActionButtons4()
{
    if (!Form1 || !Form1->Button7 || !Form1->Button8)
        return;
    const int game = CurrentGameId;
    const int W = CardWidth;
    const int h = Scaled(ActionButtonHeight);
    int left = 0, top = 0, width = 0;
    if (game == Book) {
        left = ButtonRect1[1];
        top = ButtonRect1[2];
        width = ButtonRect1[3] - ButtonRect1[1];
    } else if (game == Pairs || game == Wish) {
        left = PosX[8];
        top = game == Pairs ? AuxPile2Y : Scaling::TableHeight - Scaled(100);
        width = PosX[9] + W - PosX[8];
    } else if (IsMonteCarlo(game)) {
        left = GridX[6][1] + W;
        top = GridY[6][4] + CardHeight + Scaled(10);
        width = 2 * W;
    } else if (IsPyramid(game)) {
        left = GridX[10][4] + W + Scaled(45);
        top = GridY[10][4];
        width = 2 * W;
    } else if (IsDiamond(game)) {
        left = GridX[13][1] + Scaled(12);
        top = GridY[13][7];
        width = 2 * W + Scaled(12);
    } else {
        return;
    }
    const int fontHeight = Scaling::FontHeightFor(Scaled(20), QStringLiteral("times"));
    for (TQyvCardsButton* b : {Form1->Button7, Form1->Button8}) {
        QFont f = b->font();
        f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
        f.setPixelSize(std::max(1, fontHeight));
        b->setFont(f);
    }
    Form1->Button7->setGeometry(left, top, width, h);
    if (game == Book)
        Form1->Button8->setGeometry(ButtonRect2[1], ButtonRect2[2], ButtonRect2[3] - ButtonRect2[1],
                                    ButtonRect2[4] - ButtonRect2[2]);
    else
        Form1->Button8->setGeometry(left, top + h, width, h);
}

void DrawOutlinedText(const QString& Text, int X, int Y, int Kind, bool LeftAligned)
{
    platform::Canvas* canvas = TableCanvas();
    if (!canvas)
        return;
    platform::TColor dark = canvas->font.color;
    platform::TColor light = dark;
    switch (Kind) {
    case 1: dark = 0x800000; light = 0xFF9696; break;
    case 2: dark = 0x800080; light = 0xFF96FF; break;
    case 3: dark = 0x808080; light = 0x00FFFF; break;
    default: break;
    }
    // A number's box takes three digits, so a shorter number clears a longer one, and
    // reaches S(5) past its right end, where an italic digit leans.
    if (!LeftAligned)
        Kit::RestoreBackground(*canvas, X - 1, Y - 1, Scaled(5) + 1, Scaled(27));
    const int box = LeftAligned ? Scaled(42) : std::max(Scaled(42), canvas->textWidth(QStringLiteral("888")) + 2);
    DrawHelpers::DrawShadowText(Text, X, Y, box, Scaled(27), dark, light, LeftAligned, *canvas);
}

} // namespace Group4
