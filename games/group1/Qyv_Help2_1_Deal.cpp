// The new deal of the group-1 games.
#include "games/group1/Qyv_Help2_1.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "games/kit/KitCursors.h"

#include <QTimer>
#include <QVariant>
#include <vector>

namespace Group1 {

using namespace GameState;

namespace {

struct DealShape {
    int packSize = 52;
    std::vector<int> base;           // cards per pile in the first round of the deal
    std::vector<int> extraPiles;     // piles that get one more card at the end, in order
    int places = 22;
    int foundations = 4;
};

DealShape ShapeOf(int game)
{
    DealShape d;
    switch (game) {
    case VardelinDuo:
        d.packSize = 104;
        for (int p = 1; p <= 10; ++p)
            d.base.push_back(p);
        d.foundations = 8;
        break;
    case VardelinSolo:
        for (int p = 1; p <= 7; ++p)
            d.base.push_back(p);
        break;
    case ScorpionSolo:
        d.base.assign(7, 7);
        d.extraPiles = {1, 2, 3};
        d.places = 52;
        d.foundations = 1;
        break;
    case ScorpionDuo:
        d.packSize = 104;
        d.base.assign(10, 10);
        d.extraPiles = {1, 2, 3, 4};
        d.places = 104;
        d.foundations = 1;
        break;
    case YukonSolo:
        d.base = {1, 6, 7, 8, 9, 10, 11};
        d.places = 52;
        break;
    case YukonDuo:
        d.packSize = 104;
        d.base = {1, 9, 10, 11, 12, 13, 14, 15, 16};
        d.extraPiles = {7, 8, 9};
        d.places = 104;
        d.foundations = 8;
        break;
    case SpiderSolo:
    case SpiderDuo:
    case SpiderQuartet:
        d.packSize = 104;
        d.base.assign(10, 5);
        d.extraPiles = {1, 2, 3, 4};
        d.places = 52;
        d.foundations = 8;
        break;
    case FreeCell:
    default:
        d.base.assign(8, 6);
        d.extraPiles = {1, 2, 3, 4};
        d.places = 19;
        break;
    }
    return d;
}

bool FaceDown(int game, int pile, int slot, int pileCount)
{
    switch (game) {
    case VardelinDuo: case VardelinSolo: case SpiderSolo: case SpiderDuo: case SpiderQuartet:
        return slot < pileCount;
    case ScorpionSolo:
        return pile >= 4 && slot <= 2;
    case ScorpionDuo:
        return pile <= 4 && slot <= 4;
    case YukonSolo: case YukonDuo:
        return slot <= pile - 1;
    default:
        return false;
    }
}

bool HasStock(int game) { return IsVardelin(game) || IsSpider(game); }

// Spider-Solo plays with spades only, Spider-Duo with spades and hearts.
void RecolourSpiderPack(int game)
{
    for (int i = 1; i <= 104; ++i) {
        TCardCode& c = DealCards[i];
        if (game == SpiderSolo)
            c = TCardCode(c.rank(), cards::SuitSpades);
        else if (game == SpiderDuo && c.suit() == cards::SuitClubs)
            c = TCardCode(c.rank(), cards::SuitSpades);
        else if (game == SpiderDuo && c.suit() == cards::SuitDiamonds)
            c = TCardCode(c.rank(), cards::SuitHearts);
    }
}

void EmptyPlaces(int game)
{
    // Every foundation, so no card of an earlier eight-foundation game stays behind.
    for (int f = 1; f <= 8; ++f)
        for (int s = 1; s <= 13; ++s) {
            FoundationCards[f][s] = cards::Empty;
            FoundationValues[f][s] = cards::EmptyValue;
        }
    for (int p = 1; p <= LayoutPileCount; ++p)
        for (int s = 1; s <= SlotCount; ++s) {
            PileCards[p][s] = cards::Empty;
            PileValues[p][s] = cards::EmptyValue;
            if (game != FreeCell) {
                PileFaceUp[p][s] = 0;
                PileMarks[p][s] = 0;
            }
        }
    if (HasStock(game)) {
        const int last = game == VardelinSolo ? 52 : 104;
        for (int s = 1; s <= last; ++s) {
            WasteCards[s] = cards::Empty;
            WasteValues[s] = cards::EmptyValue;
            StockCards[s] = cards::Empty;
            StockValues[s] = cards::EmptyValue;
        }
    }
    if (game == FreeCell)
        ClearCards(FreeCellCards, FreeCellValues);
}

void PutCard(int pile, int slot, int packIndex)
{
    PileCards[pile][slot] = DealCards[packIndex];
    PileValues[pile][slot] = DealValues[packIndex];
}

void SetHint(bool hasStock)
{
    if (!Form1 || !Form1->ImageStol)
        return;
    Form1->ImageStol->setToolTip(QString());
    if (hasStock)
        Form1->ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
}

// One pass of the deal: shuffle, fill the table state, paint. Returns the end test's
// move count for the games that deal again until two moves are open.
void DealOnce()
{
    const int game = CurrentGameId;
    const DealShape shape = ShapeOf(game);
    if (shape.packSize == 104)
        ShuffleDeck104();
    else
        ShuffleDeck52();
    if (IsSpider(game) && game != SpiderQuartet)
        RecolourSpiderPack(game);

    SlotCount = shape.places;
    LayoutPileCount = static_cast<int>(shape.base.size());
    LayoutFoundationCount = shape.foundations;
    EmptyPlaces(game);

    int next = 1;
    for (int p = 1; p <= LayoutPileCount; ++p) {
        for (int s = 1; s <= shape.base[p - 1]; ++s)
            PutCard(p, s, next++);
        PileCardCount[p] = shape.base[p - 1];
    }
    for (int p : shape.extraPiles) {
        PutCard(p, ++PileCardCount[p], next++);
    }
    if (game != FreeCell)
        for (int p = 1; p <= LayoutPileCount; ++p)
            for (int s = 1; s <= PileCardCount[p]; ++s) {
                const int up = FaceDown(game, p, s, PileCardCount[p]) ? 0 : 1;
                PileFaceUp[p][s] = static_cast<Byte>(up);
                PileMarks[p][s] = static_cast<Byte>(up);
            }

    if (HasStock(game)) {
        StockCount = 0;
        while (next <= shape.packSize) {
            ++StockCount;
            StockCards[StockCount] = DealCards[next];
            StockValues[StockCount] = DealValues[next];
            ++next;
        }
        WasteCount = 1;
    }

    for (int p = 1; p <= LayoutPileCount; ++p)
        PileFanStep[p] = game == YukonDuo ? FanStep1(p) : Scaling::Scaled(20);
    if (!IsScorpion(game))
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            FoundationNextSlot[f] = 1;

    if (!IsScorpion(game))
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            RedrawFoundation1(f);
    for (int p = 1; p <= LayoutPileCount; ++p)
        RedrawColumn1(p, 0);
    if (HasStock(game))
        RedrawStockWaste1(0);
    if (game == FreeCell)
        for (int c = 1; c <= 4; ++c)
            RedrawFreeCell1(c);

    SelectedPile = 0;
    Button8Mode = 1;
    for (int s = 1; s <= SlotCount; ++s) {
        LiftedCards[s] = cards::Empty;
        LiftedValues[s] = cards::EmptyValue;
    }
    if (Form1 && Form1->Button8)
        Form1->Button8->setText(Texts::Tx(HasStock(game) ? Texts::TxtUndo : Texts::TxtThatsAll));
    if (game == FreeCell)
        GiveUpAllowed = 0;
    if (HasStock(game) || game == FreeCell)
        SetHint(HasStock(game));
}

} // namespace

void DealTable1()
{
    const int game = CurrentGameId;
    const bool untilTwoMoves = IsScorpion(game) || IsYukon(game);
    Cards104 previous;
    for (;;) {
        DealOnce();
        if (!untilTwoMoves)
            break;
        int count = 0;
        CountMoves1(count);
        if (count >= 2)
            break;
        // A shuffle pinned to one seed would give this deal forever.
        if (DealCards == previous)
            break;
        previous = DealCards;
        if (GameState::BeforeRedealHookForTest)
            GameState::BeforeRedealHookForTest();
    }
}

} // namespace Group1
