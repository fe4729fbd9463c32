// The start of a group-2 round: the player's round data, the table, the buttons, and
// the deal of each of the ten games with its first paint.
#include "games/group2/Group2.h"
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/EmptyTable.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QTimer>

namespace Group2 {

using namespace GameState;

namespace {

void PutCard(TCardCode& code, Byte& value, int packIndex)
{
    code = DealCards[packIndex];
    value = DealValues[packIndex];
}

// The pack from card `from` on into the stock, slot 1 upward.
void RestToStock(int from, int packSize)
{
    StockCount = 0;
    for (int i = from; i <= packSize; ++i) {
        ++StockCount;
        PutCard(StockCards[StockCount], StockValues[StockCount], i);
    }
}

// Every area a group-2 game uses, emptied: no card of an earlier round may remain.
void ClearTable()
{
    ClearCards(PileCards, PileValues);
    platform::fillAll(PileFaceUp, Byte{0});
    ClearCards(PileCards2, PileValues2);
    platform::fillAll(PileMarks2, Byte{0});
    ClearCards(FoundationCards, FoundationValues);
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    platform::fillAll(PileCounts, 0);
    platform::fillAll(FoundationCounts, 0);
    platform::fillAll(TulipRefillFrom, Byte{0});
    TulipHandCard = cards::Empty;
    TulipHandValue = cards::EmptyValue;
    StockCount = 0;
    WasteCount = 1;
    ExtraPileCount = 1;
}

void CaptionButton8(const Texts::TText& caption)
{
    if (Form1 && Form1->Button8)
        Form1->Button8->setText(Texts::Tx(caption));
}

void DealTulip(int game)
{
    const bool paganini = game == Paganini;
    if (paganini)
        ShuffleDeck36();
    else
        ShuffleDeck52();
    const int perRow = paganini ? 9 : 13;
    const int firstPlace = game == BlueTulip ? 1 : 2;
    for (int r = 1; r <= 4; ++r)
        for (int i = 1; i <= perRow; ++i)
            PutCard(PileCards[firstPlace + i - 1][r], PileValues[firstPlace + i - 1][r], (r - 1) * perRow + i);

    if (Kit::TableImage()) {
        // Painted as play repaints the rows, so a row looks the same before and after.
        for (int r = 1; r <= 4; ++r)
            RedrawTulipRow(r);
        for (int n = 1; n <= 4; ++n)
            DrawTulipFlower(n, 0, true);
    }
    CaptionButton8(Texts::TxtCollectCards);
}

void DealFunDeuces()
{
    ShuffleDeck104();
    for (int f = 1; f <= 8; ++f) {
        FoundationCards[f][1] = TCardCode('2', cards::SuitOrder[(f - 1) % 4]);
        FoundationValues[f][1] = 1;
        FoundationCounts[f] = 2;
    }
    // The pack's own deuces are left out: the foundations hold theirs from the start.
    int pile = 0;
    for (int i = 1; i <= 104; ++i) {
        if (DealCards[i].rank() == '2')
            continue;
        if (pile < 10) {
            ++pile;
            PutCard(PileCards[pile][1], PileValues[pile][1], i);
            PileCounts[pile] = 2;
        } else {
            ++StockCount;
            PutCard(StockCards[StockCount], StockValues[StockCount], i);
        }
    }
}

void DealNapoleonSquare()
{
    ShuffleDeck104();
    for (int k = 1; k <= 4; ++k)
        for (int p = 1; p <= 12; ++p)
            PutCard(PileCards[p][k], PileValues[p][k], (k - 1) * 12 + p);
    for (int p = 1; p <= 12; ++p)
        PileCounts[p] = 5;
    for (int f = 1; f <= 8; ++f)
        FoundationCounts[f] = 1;
    RestToStock(49, 104);
}

void PaintDeucesOrNap(int piles)
{
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation2(f);
    for (int p = 1; p <= piles; ++p)
        RedrawColumn2(p, 0);
    RedrawStockWaste2(1);
    RedrawStockWaste2(2);
    CaptionButton8(Texts::TxtExitToMenu);
}

// Places of a Golf grid in laying order, and whether the place is dealt face up.
struct GolfPlace {
    int p, k, l;
    bool up;
};

QList<GolfPlace> GolfLayout(int game)
{
    QList<GolfPlace> places;
    auto row = [&](int k, int from, int to, int step, bool up) {
        for (int p = from; p <= to; p += step)
            places.append({p, k, 1, up});
    };
    switch (game) {
    case GolfPeak:
        for (int r = 1; r <= 7; ++r)
            row(r, 8 - r, 6 + r, 2, r == 7);
        break;
    case GolfThreePeaks:
        for (int p : {4, 10, 16})
            places.append({p, 1, 1, false});
        for (int p : {3, 5, 9, 11, 15, 17})
            places.append({p, 2, 1, false});
        row(3, 2, 18, 2, false);
        row(4, 1, 19, 2, true);
        break;
    case GolfRug:
        for (int p = 1; p <= 7; ++p)
            for (int k = 1; k <= 5; ++k)
                places.append({p, k, 1, k == 5});
        break;
    case GolfDiamond: {
        static constexpr int from[7] = {4, 3, 2, 1, 2, 3, 4};
        for (int r = 1; r <= 7; ++r)
            row(r, from[r - 1], 14 - from[r - 1], 2, r == 7);
        break;
    }
    case GolfBlock: {
        // Layer by layer, column by column from the left, each column from the top down.
        auto layer = [&](int l, int firstCol, int lastCol, std::initializer_list<int> rows) {
            for (int p = firstCol; p <= lastCol; p += 2)
                for (int k : rows)
                    places.append({p, k, l, l == 4});
        };
        layer(1, 1, 17, {1, 3, 5, 7});
        layer(2, 2, 16, {2, 4, 6});
        layer(3, 3, 15, {3, 5});
        layer(4, 4, 14, {4});
        break;
    }
    default:
        break;
    }
    return places;
}

void DealGolf(int game)
{
    const int packSize = game == GolfBlock ? 104 : 52;
    if (packSize == 104)
        ShuffleDeck104();
    else
        ShuffleDeck52();
    const QList<GolfPlace> places = GolfLayout(game);
    int i = 0;
    for (const GolfPlace& g : places) {
        ++i;
        PutCard(GolfCard2(g.p, g.k, g.l), GolfValue2(g.p, g.k, g.l), i);
        GolfFaceUp2(g.p, g.k, g.l) = g.up ? 1 : 0;
    }
    RestToStock(i + 1, packSize);

    if (game == GolfRug) {
        for (int p = 1; p <= 7; ++p)
            RedrawColumn2(p, 0);
    } else {
        RedrawColumn2(0, 0);
    }
    RedrawStockWaste2(0);
    RedrawFoundation2(0);
    CaptionButton8(Texts::TxtExitToMenu);
}

} // namespace

void DealTable2()
{
    const int game = CurrentGameId;
    ClearTable();
    if (IsTulipFamily(game)) {
        DealTulip(game);
    } else if (game == FunDeuces) {
        DealFunDeuces();
        PaintDeucesOrNap(10);
    } else if (game == NapoleonSquare) {
        DealNapoleonSquare();
        PaintDeucesOrNap(12);
    } else if (IsGolf(game)) {
        DealGolf(game);
    }
}

bool DealRound2(bool Redeal)
{
    if (!Redeal && !BeginRoundPlayer())
        return false;

    CardDrawing::ChooseCardBack();
    LayoutTable();
    CardPictures::RescaleCardPictures();
    if (Form1 && Form1->ImageStol) {
        Form1->ImageStol->setVisible(true);
        if (!CardPictures::TableBackground.isNull())
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    }

    GameOver = 0;
    ClubResultPending = 0;
    PlaceActionButtons2();
    TulipPhase = 1;
    PassCount = 1;
    Kit::ShowStartButtons(true);
    MoveCounter = 0;
    if (Form1)
        Form1->update();
    RoundPhase = 1;
    UndoFlag = 0;
    if (Form1 && Form1->Timer1) {
        Form1->Timer1->setInterval(200);
        Form1->Timer1->start();
    }
    SelectionFlag = 1;
    GameWon = 0;
    SourceSelected = 0;
    RoundActive = 1;

    DealTable2();
    DrawInfoPanel2();
    return true;
}

bool HasGameModule2(int game)
{
    return IsGolf(game) || IsTulipFamily(game) || IsDeucesOrNap(game);
}

void NewDeal2(bool Redeal)
{
    // The menu offers only tables that can be played to their end.
    if (HasGameModule2(CurrentGameId))
        DealRound2(Redeal);
    else
        DealEmptyTable(Redeal, true);
}

} // namespace Group2
