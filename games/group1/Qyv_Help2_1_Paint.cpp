// Painting of the group-1 tables, the stock turn, the action buttons and the info panel.
#include "games/group1/Qyv_Help2_1.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "games/kit/KitCursors.h"

#include <algorithm>
#include <QFont>
#include <QVariant>

namespace Group1 {

using namespace GameState;
using Scaling::Scaled;

namespace {


bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }


int FoundationPile(int game, int f)
{
    if (game == VardelinSolo || game == YukonSolo)
        return f + 3;
    if (game == YukonDuo)
        return f + 1;
    return f + 2;
}

int CardsInSlots(const Cards104& places, int last)
{
    int n = 0;
    for (int s = 1; s <= last; ++s)
        if (HoldsCard(places[s]))
            ++n;
    return n;
}

int Layers(int n) { return n == 0 ? 0 : (n - 1) / 10 + 1; }

void DrawStock(platform::Canvas& canvas, const TCardCode& marker)
{
    const int x = SpecialX[1];
    Kit::RestoreBackground(canvas, x, TopRowY - 10, CardWidth, CardHeight + 10);
    CardDrawing::DrawCardFace(x, TopRowY, marker, canvas);
    const int layers = Layers(CardsInSlots(StockCards, 50));
    for (int l = 1; l <= layers; ++l)
        CardDrawing::DrawCardBack(x, TopRowY - 2 * (l - 1), canvas);
}

} // namespace

void RedrawColumn1(int Pile, int /*Flag*/)
{
    auto* table = Kit::TableImage();
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    const int game = CurrentGameId;
    const bool freeCell = game == FreeCell;
    const int x = freeCell ? ColumnX[Pile] : SpecialX[Pile];
    const int top = freeCell ? ColumnTop : ColumnsTopY;
    Kit::RestoreBackground(canvas, x, top, CardWidth, ColumnsHeight);
    const bool anyCard = freeCell || IsSpider(game);
    CardDrawing::DrawCardFace(x, top, TCardCode(anyCard ? "-*" : "-x"), canvas);
    for (int s = 1; s <= SlotCount; ++s) {
        const TCardCode& c = PileCards[Pile][s];
        if (!HoldsCard(c))
            continue;
        const int y = top + (s - 1) * PileFanStep[Pile];
        if (!freeCell && PileFaceUp[Pile][s] == 0)
            CardDrawing::DrawCardBack(x, y, canvas);
        else
            CardDrawing::DrawCardFace(x, y, c, canvas);
    }
}

void RedrawFoundation1(int Foundation)
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table || IsScorpion(game))
        return;
    platform::Canvas& canvas = table->canvas();
    const int x = game == FreeCell ? FoundationX[Foundation] : SpecialX[FoundationPile(game, Foundation)];
    const int y = game == FreeCell ? FoundationY : TopRowY;
    CardDrawing::DrawCardFace(x, y, TCardCode("-0"), canvas);
    for (int s = 1; s <= 13; ++s)
        if (HoldsCard(FoundationCards[Foundation][s]))
            CardDrawing::DrawCardFace(x, y, FoundationCards[Foundation][s], canvas);
}

void RedrawFreeCell1(int Cell)
{
    auto* table = Kit::TableImage();
    if (!table || CurrentGameId != FreeCell)
        return;
    platform::Canvas& canvas = table->canvas();
    if (HoldsCard(FreeCellCards[Cell])) {
        CardDrawing::DrawCardFace(FreeCellX[Cell], FreeCellY, FreeCellCards[Cell], canvas);
    } else {
        Kit::RestoreBackground(canvas, FreeCellX[Cell], FreeCellY, CardWidth, CardHeight);
        CardDrawing::DrawCardFace(FreeCellX[Cell], FreeCellY, TCardCode("-*"), canvas);
    }
}

void RedrawStockWaste1(int /*Flag*/)
{
    auto* table = Kit::TableImage();
    const int game = CurrentGameId;
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    if (IsSpider(game)) {
        DrawStock(canvas, TCardCode("-n"));
        return;
    }
    if (!IsVardelin(game))
        return;
    DrawStock(canvas, TCardCode(PassCount <= 2 ? "-y" : "-n"));

    const int x = SpecialX[2];
    Kit::RestoreBackground(canvas, x, TopRowY - 10, CardWidth, CardHeight + 10);
    const int layers = Layers(CardsInSlots(WasteCards, 50));
    // The top `layers` cards of the waste, the lowest at TopRowY.
    for (int l = 1; l <= layers; ++l) {
        const int slot = WasteCount - 1 - (layers - l);
        if (slot >= 1 && HoldsCard(WasteCards[slot]))
            CardDrawing::DrawCardFace(x, TopRowY - 2 * (l - 1), WasteCards[slot], canvas);
    }
}

void DealFromKoloda1()
{
    if (CurrentGameId == ScorpionSolo || StockCount < 1)
        return;
    TCardCode card;
    Byte value = 0;
    TakeStockTop1(card, value);
    RedrawStockWaste1(0);
    if (Settings::MoveMode != 0 && Kit::TableImage()) {
        Kit::TableImage()->update();
        Sprite::SpriteFly(SpecialX[1], StockTopY1(), SpecialX[2], WasteTopY1(), FlySpeed, card, 1);
    }
    WasteCards[WasteCount] = card;
    WasteValues[WasteCount] = value;
    ++WasteCount;
    RedrawStockWaste1(0);
    if (SelectedPile == 9)
        SelectedPile = 0;
    if (auto* table = Kit::TableImage())
        table->setProperty(Kit::StockHintProperty, QString::number(StockCount));
}

void PlaceActionButtons1()
{
    if (!Form1 || !Form1->Button7 || !Form1->Button8)
        return;
    TQyvCardsButton* b7 = Form1->Button7;
    TQyvCardsButton* b8 = Form1->Button8;
    const int height = Scaled(ActionButtonHeight);
    int left, width, top7;
    if (CurrentGameId == FreeCell) {
        left = ColumnX[7];
        width = ColumnX[8] + CardWidth - ColumnX[7];
        top7 = Scaling::TableHeight - 2 * height - Scaled(20);
    } else {
        left = Scaling::ScaledLeft(ActionButtonLeft, ActionButtonWidth);
        width = Scaled(ActionButtonWidth);
        const int bottom = ColumnsTopY + ColumnsHeight;
        const int mid = bottom + Scaling::RoundHalfEven((Scaling::TableHeight - bottom) / 2.0);
        top7 = mid - height;
    }
    const int fontHeight = Scaling::FontHeightFor(Scaled(20), QStringLiteral("times"));
    for (TQyvCardsButton* b : {b7, b8}) {
        QFont f = b->font();
        f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
        f.setPixelSize(std::max(1, fontHeight));
        b->setFont(f);
    }
    b7->setGeometry(left, top7, width, height);
    b8->setGeometry(left, top7 + height, width, height);
}

bool TakeWasteTop1(TCardCode& card, Byte& value)
{
    if (WasteCount < 2)
        return false;
    const int top = WasteCount - 1;
    card = WasteCards[top];
    value = WasteValues[top];
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    --WasteCount;
    return true;
}

bool TakeStockTop1(TCardCode& card, Byte& value)
{
    if (StockCount < 1)
        return false;
    card = StockCards[StockCount];
    value = StockValues[StockCount];
    StockCards[StockCount] = cards::Empty;
    StockValues[StockCount] = cards::EmptyValue;
    --StockCount;
    return true;
}

void DrawShadowText(const QString& Text, int X, int Y, int Pair, bool LeftAligned)
{
    auto* table = Kit::TableImage();
    if (!table)
        return;
    DrawHelpers::DrawShadowText(Text, X, Y, Scaled(54), Scaled(27), Pair == 2 ? 0x800080 : 0x800000,
                                Pair == 2 ? 0xFF96FF : 0xFF9696, LeftAligned, table->canvas());
}

int SpiderVariants1()
{
    int count = 0;
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 52; ++j) {
            if (!HoldsCard(PileCards[i][j]) || PileFaceUp[i][j] != 1 || PileMarks[i][j] == 0)
                continue;
            for (int k = 1; k <= 10; ++k) {
                if (k == i)
                    continue;
                bool startsRun = j == 1 || PileMarks[i][j - 1] == 0 || PileFaceUp[i][j - 1] == 0;
                if (j >= 2 && PileCardCount[k] > 0 && PileCards[i][j - 1] == PileCards[k][PileCardCount[k]])
                    startsRun = false;
                if (!startsRun)
                    continue;
                const TCardCode target = PileCardCount[k] > 0 ? PileCards[k][PileCardCount[k]] : cards::Empty;
                if (FitsTableau1(PileCards[i][j], target))
                    ++count;
            }
        }
    return count;
}

int CardsLeftOnTable1()
{
    const int game = CurrentGameId;
    if (game == YukonSolo) {
        int onFoundations = 0;
        for (int f = 1; f <= 4; ++f)
            for (int s = 1; s <= 13; ++s)
                if (HoldsCard(FoundationCards[f][s]))
                    ++onFoundations;
        return 52 - onFoundations;
    }
    if (game == YukonDuo) {
        int n = 0;
        for (int p = 1; p <= 9; ++p)
            n += CardsInSlots(PileCards[p], 52);
        return n;
    }
    return 0;
}

void DrawInfoPanel1()
{
    auto* table = Kit::TableImage();
    if (!table)
        return;
    platform::Canvas& canvas = table->canvas();
    const int game = CurrentGameId;
    canvas.font.height = Scaling::FontHeightFor(Scaled(26), QStringLiteral("times"));
    canvas.font.name = Settings::FontTimesName;
    canvas.font.italic = true;
    canvas.font.bold = false;

    int row1, row2, labelX, valueX;
    if (game == FreeCell) {
        row1 = Scaling::TableHeight - 2 * Scaled(ActionButtonHeight) - Scaled(20);
        row2 = row1 + Scaled(30);
        labelX = ColumnX[1];
        valueX = ColumnX[3];
    } else {
        const int bottom = ColumnsTopY + ColumnsHeight;
        const int base = bottom + Scaling::RoundHalfEven((Scaling::TableHeight - bottom) / 2.0);
        row1 = base - Scaled(22);
        row2 = base + Scaled(8);
        labelX = Scaled(12);
        valueX = Scaled(IsVardelin(game) ? 128 : 168);
    }

    QString label1, label2;
    int value1 = 0, value2 = 0;
    const QString variants = Texts::Tx(Texts::TxtVariants) + QLatin1Char(':');
    int count = 0;
    if (IsVardelin(game)) {
        label1 = Texts::Tx(Texts::TxtBullet);
        value1 = PassCount;
        label2 = Texts::Tx(Texts::TxtScore) + QLatin1Char(':');
        value2 = ComputeScore1();
    } else if (IsYukon(game)) {
        label1 = Texts::Tx(Texts::TxtLCards);
        value1 = CardsLeftOnTable1();
        label2 = variants;
        CountMoves1(count);
        value2 = count;
    } else if (IsSpider(game)) {
        label1 = Texts::Tx(Texts::TxtMoves);
        value1 = MoveCounter;
        label2 = variants;
        value2 = SpiderVariants1();
    } else {
        label1 = Texts::Tx(Texts::TxtMoves);
        value1 = MoveCounter;
        label2 = variants;
        CountMoves1(count);
        value2 = count;
    }
    // A value's box must not cover the end of a long label (German, Russian): it moves
    // right until it starts after the longer label.
    const int labelEnd = labelX + std::max(canvas.textWidth(label1), canvas.textWidth(label2)) + 1;
    valueX = std::max(valueX, labelEnd + Scaled(54) + 1);
    DrawShadowText(label1, labelX, row1, 1, true);
    DrawShadowText(QString::number(value1), valueX, row1, 1, false);
    DrawShadowText(label2, labelX, row2, 2, true);
    DrawShadowText(QString::number(value2), valueX, row2, 2, false);
}

} // namespace Group1
