// Painting of the group-5 piles, foundations, reserves, stock and waste, and Busy Aces'
// stock turn. Each painter puts the background back over its own rectangle only.
#include "games/group5/Qyv_Help2_5.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <algorithm>

namespace Group5 {

using namespace GameState;
using CardDrawing::DrawCardBack;
using CardDrawing::DrawCardFace;
using platform::Canvas;
using Scaling::Scaled;

namespace {

// The table's canvas, or null without a window or on the stand-in's empty table.
Canvas* TableCanvas()
{
    auto* table = Kit::TableImage();
    if (!table || StandInTable5)
        return nullptr;
    return &table->canvas();
}

void Clear(Canvas& c, int x, int y, int w, int h) { Kit::RestoreBackground(c, x, y, w, h); }

// Column p from slot 1 up, `step` apart downwards, every filled slot of 1..last.
void DrawColumnCards(Canvas& c, int p, int x, int y, int step, int last)
{
    for (int k = 1; k <= last; ++k)
        if (HoldsCard5(PileCards[p][k]))
            DrawCardFace(x, y + step * (k - 1), PileCards[p][k], c);
}

// Daemon's and 40 Thieves' stock: backs 2 pixels apart to the right, more for more cards.
int StockLayers(int cards)
{
    static constexpr int from[] = {1, 5, 10, 15, 20, 25};
    int layers = 0;
    for (int f : from)
        if (cards >= f)
            ++layers;
    return layers;
}

void DrawLayeredStock(Canvas& c, int clearWidth, const char* emptyMarker)
{
    const int x = AuxPile2X;
    const int y = AuxPile2Y;
    Clear(c, x, y, clearWidth, CardHeight);
    const int layers = StockLayers(StockCount);
    for (int i = 1; i <= layers; ++i)
        DrawCardBack(x + 2 * (i - 1), y, c);
    if (StockCount == 0)
        DrawCardFace(x, y, TCardCode(emptyMarker), c);
}

void DrawHeapedWaste(Canvas& c, int clearWidth)
{
    const int x = AuxPile1X;
    const int y = AuxPile1Y;
    Clear(c, x, y, clearWidth, CardHeight);
    DrawCardFace(x, y, TCardCode("-*"), c);
    for (int s = 1; s <= std::min(WasteCount - 1, 104); ++s)
        if (HoldsCard5(WasteCards[s]))
            DrawCardFace(x, y, WasteCards[s], c);
}

// A stack of up to six layers, one for every 16 cards, each 2 pixels higher; the offset
// of the last layer drawn.
int DrawLayers(Canvas& c, int x, int y, const Cards104& stack, bool faces)
{
    int offset = 0;
    for (int i = 1; i <= 6; ++i) {
        const TCardCode& card = stack[(i - 1) * 16 + 1];
        if (!HoldsCard5(card))
            continue;
        offset = 2 * (i - 1);
        if (faces)
            DrawCardFace(x, y - offset, card, c);
        else
            DrawCardBack(x, y - offset, c);
    }
    return offset;
}

// The number of cards in a counter box above a pile.
void DrawCounter(Canvas& c, int x, int y, int number)
{
    const int w = Scaled(50);
    const int h = Scaled(30);
    Clear(c, x, y, w, h);
    const QImage box = platform::resources::image(QStringLiteral("ImageSm"));
    if (!box.isNull())
        c.stretchDraw(QRect(x, y, w, h), box);
    c.brush.style = platform::BrushStyle::Clear;
    c.font.name = Settings::FontTimesName;
    c.font.height = Scaling::FontHeightFor(Scaled(16), QStringLiteral("times"));
    c.font.italic = false;
    c.font.bold = false;
    c.font.color = 0xFF0000;
    DrawHelpers::TextOutCentered(QString::number(number), x, x + w, y + Scaled(8), c);
}

void DrawBusyAcesDeck(Canvas& c)
{
    const int wx = AuxPile1X;
    const int wy = AuxPile1Y;
    Clear(c, wx, wy - 10, CardWidth, CardHeight + 10);
    DrawCardFace(wx, wy, TCardCode("-*"), c);
    const int offset = DrawLayers(c, wx, wy, WasteCards, true);
    if (WasteCount > 1 && WasteCount <= 105)
        DrawCardFace(wx, wy - offset, WasteCards[WasteCount - 1], c);

    const int sx = AuxPile2X;
    const int sy = AuxPile2Y;
    Clear(c, sx, sy - 10, CardWidth, CardHeight + 10);
    DrawLayers(c, sx, sy, StockCards, false);
    if (StockCount == 0)
        DrawCardFace(sx, sy, TCardCode("-n"), c);

    int waste = 0;
    int stock = 0;
    for (int s = 1; s <= 104; ++s) {
        waste += HoldsCard5(WasteCards[s]) ? 1 : 0;
        stock += HoldsCard5(StockCards[s]) ? 1 : 0;
    }
    DrawCounter(c, wx + Scaled(12), wy - Scaled(45), waste);
    DrawCounter(c, sx + Scaled(12), sy - Scaled(45), stock);
}

} // namespace

void RedrawFoundation5(int Foundation)
{
    Canvas* cp = TableCanvas();
    if (!cp || Foundation < 1 || Foundation > 8)
        return;
    Canvas& c = *cp;
    const int f = Foundation;
    const auto& places = FoundationCards[f];
    const int game = CurrentGameId;
    switch (game) {
    case UnclePelk: RedrawPelkFoundation(f); return;
    case BusyAces:
    case Lucie: {
        const int x = FoundationPosX[f];
        const int y = FoundationPosY[f];
        if (!HoldsCard5(places[1])) {
            DrawCardFace(x, y, TCardCode("-0"), c);
            return;
        }
        // Busy Aces stacks each card 2 pixels higher, Lucie 2 pixels further right.
        for (int i = 1; i <= 49; ++i)
            if (HoldsCard5(places[i]))
                DrawCardFace(game == Lucie ? x + 2 * (i - 1) : x, game == Lucie ? y : y - 2 * (i - 1), places[i], c);
        return;
    }
    case Crescent:
    case OpenCrescent:
        for (int i = 1; i <= 49; ++i)
            if (HoldsCard5(places[i]))
                DrawCardFace(FoundationPosX[f], FoundationPosY[f], places[i], c);
        return;
    case Alzhir:
    case Daemon:
    case Clover:
    case FortyThieves:
    case Miss:
        if (game == Alzhir)
            DrawCardFace(FoundationX[f], FoundationY, TCardCode(f <= 4 ? "-0" : "-x"), c);
        else if (game != Clover)
            DrawCardFace(FoundationX[f], FoundationY, TCardCode("-0"), c);
        for (int i = 1; i <= 49; ++i)
            if (HoldsCard5(places[i]))
                DrawCardFace(FoundationX[f], FoundationY, places[i], c);
        return;
    default: return;
    }
}

void RedrawColumn5(int A, int B)
{
    if (CurrentGameId == UnclePelk) {
        RedrawPelkColumn(A);
        return;
    }
    Canvas* cp = TableCanvas();
    if (!cp)
        return;
    Canvas& c = *cp;
    const int W = CardWidth;
    const int H = CardHeight;
    switch (CurrentGameId) {
    case BusyAces: {
        if (A < 1 || A > 2 || B < 1 || B > 6)
            return;
        const int x = GridX[A][B];
        const int y = GridY[A][B];
        Clear(c, x, y - 24, W + 1, H + 24);
        DrawCardFace(x, y, TCardCode("-*"), c);
        for (int k = 1; k <= 13; ++k)
            if (HoldsCard5(PileCards2[A][B][k]))
                DrawCardFace(x, y - 2 * (k - 1), PileCards2[A][B][k], c);
        return;
    }
    case Lucie: {
        if (A < 1 || A > 4 || B < 1 || B > 5)
            return;
        const int x = GridX[A][B];
        const int y = GridY[A][B];
        Clear(c, x, y, GridX[1][2] - GridX[1][1] - Scaled(2), H);
        for (int k = 1; k <= 15; ++k)
            if (HoldsCard5(PileCards2[A][B][k]))
                DrawCardFace(x + LucieFanSteps[A][B] * (k - 1), y, PileCards2[A][B][k], c);
        return;
    }
    case Crescent:
    case OpenCrescent: {
        if (A < 1 || A > 16)
            return;
        const int p = A;
        const int x = PosX[p];
        const int y = PosY[p];
        const int n = PileCounts[p];
        const int s = ColumnStep[p];
        if (p <= 5)
            Clear(c, x - n * s - 40, y, n * s + W + 40, H);
        else if (p >= 12)
            Clear(c, x, y, n * s + W, H);
        else
            Clear(c, x, y, W, n * s + H);
        for (int k = 1; k <= 96; ++k) {
            if (!HoldsCard5(PileCards[p][k]))
                continue;
            if (p <= 5)
                DrawCardFace(x - s * (k - 1), y, PileCards[p][k], c);
            else if (p >= 12)
                DrawCardFace(x + s * (k - 1), y, PileCards[p][k], c);
            else
                DrawCardFace(x, y + s * (k - 1), PileCards[p][k], c);
        }
        return;
    }
    case Alzhir: {
        if (A >= 1 && A <= 8) {
            const int x = ColumnX[A];
            Clear(c, x, ColumnTop, W + 1, AlzhirReserveY - ColumnTop - Scaled(5));
            DrawCardFace(x, ColumnTop, TCardCode("-*"), c);
            DrawColumnCards(c, A, x, ColumnTop, ColumnStep[A], 104);
        } else if (A >= 11 && A <= 16) {
            const int r = A - 10;
            const int x = AlzhirReserveX[r];
            const int y = AlzhirReserveY;
            Clear(c, x, y, W + 1, H + 1);
            DrawCardFace(x, y, TCardCode("-*"), c);
            for (int k = 1; k <= 16; ++k)
                if (HoldsCard5(AlzhirReserveCards[r][k]))
                    DrawCardFace(x, y, AlzhirReserveCards[r][k], c);
        }
        return;
    }
    case Daemon: {
        if (A < 1 || A > 4)
            return;
        const int x = ColumnX[A];
        Clear(c, x, ColumnTop, W + 1, H + 12 * DemonReserveStep);
        DrawCardFace(x, ColumnTop, TCardCode("-*"), c);
        DrawColumnCards(c, A, x, ColumnTop, DemonReserveStep, 13);
        return;
    }
    case Clover: {
        if (A < 1 || A > 16)
            return;
        const int x = PosX[A];
        const int y = A <= 8 ? PosY[1] : PosY[2];
        Clear(c, x, y, W + 1, Scaled(70) + H + 1);
        DrawCardFace(x, y, TCardCode("-*"), c);
        DrawColumnCards(c, A, x, y, ColumnStep[A], 14);
        return;
    }
    case FortyThieves:
    case Miss: {
        if (A < 1 || A > 10)
            return;
        const int x = PosX[A];
        const int y = PosY[1];
        Clear(c, x, y, W + 1, Scaled(230) + H + 1);
        DrawCardFace(x, y, TCardCode("-*"), c);
        // Every slot a column can reach: 40 Thieves past 14, Miss Milligan past 30.
        DrawColumnCards(c, A, x, y, ColumnStep[A], 104);
        return;
    }
    default: return;
    }
}

void RedrawReserve5(bool ShowTop)
{
    Canvas* cp = TableCanvas();
    if (!cp || CurrentGameId != Daemon)
        return;
    Canvas& c = *cp;
    const int x = DemonReserveX;
    const int y = DemonReserveY[1];
    const int s = DemonReserveStep;
    Clear(c, x, y, CardWidth + 1, CardHeight + 12 * s + 1);
    for (int i = 1; i <= 13; ++i) {
        const TCardCode& card = DemonReserveCards[i];
        if (!HoldsCard5(card))
            continue;
        const bool top = i == 13 || (ShowTop && !HoldsCard5(DemonReserveCards[i + 1]));
        if (top)
            DrawCardFace(x, y + (i - 1) * s, card, c);
        else
            DrawCardBack(x, y + (i - 1) * s, c);
    }
}

void RedrawKoloda5(int Part)
{
    if (CurrentGameId == UnclePelk) {
        RedrawPelkDeck();
        return;
    }
    Canvas* cp = TableCanvas();
    if (!cp)
        return;
    Canvas& c = *cp;
    switch (CurrentGameId) {
    case BusyAces: DrawBusyAcesDeck(c); return;
    case Alzhir: {
        const int x = AuxPile2X;
        const int y = AuxPile2Y;
        Clear(c, x, y, CardWidth + 16, CardHeight);
        DrawCardFace(x, y, TCardCode("-*"), c);
        for (int i = 1; i <= 8; ++i)
            if (HoldsCard5(StockCards[(i - 1) * 10 + 1]))
                DrawCardBack(x + 2 * (i - 1), y, c);
        return;
    }
    case Daemon:
        if (Part == 1)
            DrawLayeredStock(c, CardWidth + 12, PassCount <= 2 ? "-y" : "-n");
        else if (Part == 2)
            DrawHeapedWaste(c, CardWidth + 12);
        return;
    case FortyThieves:
        // The stock stands close left of the waste: its clearing stops where the waste begins.
        if (Part == 1)
            DrawLayeredStock(c, std::min(CardWidth + 12, std::max(0, AuxPile1X - AuxPile2X)), "-n");
        else if (Part == 2)
            DrawHeapedWaste(c, CardWidth + 1);
        return;
    case Miss: DrawLayeredStock(c, CardWidth + 12, "-n"); return;
    default: return;
    }
}

void DealFromKoloda5()
{
    if (CurrentGameId == UnclePelk && !StandInTable5) {
        DealFromKolodaPelk();
        return;
    }
    if (CurrentGameId != BusyAces || StandInTable5 || StockCount < 1 || StockCount > 104 || WasteCount < 1
        || WasteCount > 104)
        return;
    const TCardCode card = StockCards[StockCount];
    const Byte value = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    RedrawKoloda5(0);
    auto* table = Kit::TableImage();
    if (Settings::MoveMode != 0 && table) {
        table->update();
        Sprite::SpriteFly(AuxPile2X, AuxPile2Y, AuxPile1X, AuxPile1Y, FlySpeed, card, 1);
    }
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
    RedrawKoloda5(0);
    // A click selection would frame a card that has just changed: take the frame off.
    const int s = SelectedPile;
    if (s >= 1 && s <= 12 && table) {
        const int row = s <= 6 ? 1 : 2;
        const int place = s <= 6 ? s : s - 6;
        CardDrawing::DrawCardOutline(GridX[row][place], GridY[row][place] - 2 * (BAcesNext[row][place] - 2), 1,
                                     table->canvas());
    }
    if (s >= 1 && s <= 13)
        SelectedPile = 0;
    DrawInfoPanel5();
}

} // namespace Group5
