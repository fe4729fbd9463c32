#include "games/group1/Qyv_07_Spider.h"
#include "games/kit/KitTable.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"

#include <QVariant>

namespace Group1 {

using namespace GameState;

namespace {

constexpr int Piles = 10;
constexpr int Foundations = 8;
// The highest slot a complete suit can end at.
constexpr int LastRunSlot = 52;

// King down to Ace, as a complete suit lies on a pile from its bottom card up.
constexpr char KingToAce[13] = {cards::RankKing, cards::RankQueen, cards::RankJack, cards::RankTen,
                                '9', '8', '7', '6', '5', '4', '3', '2', cards::RankAce};

bool HoldsCard(const TCardCode& c)
{
    return !(c == cards::Empty);
}

bool Flying()
{
    return Settings::MoveMode == 1 || Settings::MoveMode == 2;
}

// Slots z - 12 .. z of pile p hold one suit from the King down to the Ace.
bool CompleteSuitEndsAt(int p, int z)
{
    const TCardCode& king = PileCards[p][z - 12];
    if (!HoldsCard(king))
        return false;
    for (int i = 0; i < 13; ++i) {
        const TCardCode& c = PileCards[p][z - 12 + i];
        if (!HoldsCard(c) || c.rank() != KingToAce[i] || c.suit() != king.suit())
            return false;
    }
    return true;
}

// The whole lift buffer emptied: the kit's drop takes every slot that holds a card,
// and slots above SlotCount are never emptied by the deal.
void EmptyWholeLiftBuffer()
{
    ClearCards(LiftedCards, LiftedValues);
}

// One card from the stock onto pile p.
void DealOneCard(int p)
{
    TCardCode card;
    Byte value = 0;
    TakeStockTop1(card, value);
    RedrawStockWaste1(0);

    const int s = LastCardIndex1(PileCards[p]) + 1;
    if (Flying())
        Kit::FlyCard(SpecialX[1], StockTopY1(), SpecialX[p], SlotY(p, s), card);
    PileCards[p][s] = card;
    PileValues[p][s] = value;
    PileFaceUp[p][s] = 1;
    PileMarks[p][s] = 1;
    if (s >= 2) {
        const bool continuesRun =
            PileCards[p][s - 1].suit() == card.suit() && int(PileValues[p][s - 1]) == int(value) + 1;
        if (!continuesRun)
            for (int i = 1; i <= s - 1; ++i)
                PileMarks[p][i] = 0;
    }
    ++PileCardCount[p];
    PileFanStep[p] = FanStep1(p);
    RedrawColumn1(p, 0);

    if (StockCount == 0 && Form1 && Form1->Button8)
        Form1->Button8->setEnabled(true);
    if (Form1 && Form1->ImageStol)
        Form1->ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
    Kit::PlaySound("WavCardUp");
    DrawInfoPanel1();
}

// A click on the stock deals a card onto every pile, empty ones included.
void DealRow()
{
    for (int p = 1; p <= Piles && StockCount > 0; ++p)
        DealOneCard(p);
    SpiderCollectAll();
    DrawInfoPanel1();
}

} // namespace

void SpiderMarkMovable(int Pile)
{
    const int n = LastCardIndex1(PileCards[Pile]);
    for (int s = 1; s <= n; ++s)
        PileMarks[Pile][s] = 0;
    if (n == 0)
        return;
    int first = 1;
    for (int i = n; i >= 2; --i) {
        const bool breaks = PileCards[Pile][i - 1].suit() != PileCards[Pile][i].suit()
            || int(PileValues[Pile][i - 1]) != int(PileValues[Pile][i]) + 1 || PileFaceUp[Pile][i - 1] == 0;
        if (breaks) {
            first = i;
            break;
        }
    }
    for (int s = first; s <= n; ++s)
        PileMarks[Pile][s] = 1;
}

void SpiderCollectSuit(int Pile)
{
    int target = 0;
    for (int f = 1; f <= Foundations && target == 0; ++f)
        if (!HoldsCard(FoundationCards[f][1]))
            target = f;
    if (target == 0)
        return;
    int z = 0;
    for (int j = LastRunSlot; j >= 13 && z == 0; --j)
        if (CompleteSuitEndsAt(Pile, j))
            z = j;
    if (z == 0)
        return;

    for (int j = z; j >= z - 12; --j) {
        const TCardCode card = PileCards[Pile][j];
        const Byte value = PileValues[Pile][j];
        PileCards[Pile][j] = cards::Empty;
        PileValues[Pile][j] = cards::EmptyValue;
        PileFaceUp[Pile][j] = 0;
        PileMarks[Pile][j] = 0;
        if (j == z - 12 && j > 1) {
            PileFaceUp[Pile][j - 1] = 1;
            PileMarks[Pile][j - 1] = 1;
        }
        RedrawColumn1(Pile, 0);
        if (Flying())
            Kit::FlyCard(SpecialX[Pile], SlotY(Pile, j), SpecialX[target + 2], TopRowY, card);
        FoundationCards[target][z - j + 1] = card;
        FoundationValues[target][z - j + 1] = value;
        RedrawFoundation1(target);
        Kit::PlaySound("WavCardUp");
    }
    // Kept true for the shared table state, though Spider itself never reads it.
    FoundationNextSlot[target] = 14;
    DrawInfoPanel1();
    PileCardCount[Pile] -= 13;
    // The run now on top may reach further down than the marks say (a dealt card had
    // cleared them); the end test reads them.
    SpiderMarkMovable(Pile);
    PileFanStep[Pile] = FanStep1(Pile);
    RedrawColumn1(Pile, 0);
}

void SpiderCollectAll()
{
    for (int p = 1; p <= Piles; ++p)
        SpiderCollectSuit(p);
}

void SpiderMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    if (kind != KindPile || !RunLiftable(p, s, SameSuitRun))
        return;
    const Kit::TLiftFrame frame = PileRunFrame(p, s);
    if (!Kit::TakeUpDrag())
        return;
    EmptyWholeLiftBuffer();
    LiftPileRun(p, s);
    Kit::ShowDragSprite(frame, X, Y, false, [p] { RedrawColumn1(p, 0); });
}

void SpiderMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::SetStockHint(OnStockTop(X, Y));
    if (DragActive) {
        DragCursor(X, Y, false);
        return;
    }
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    const bool onStock = OnStockTop(X, Y) && StockCount > 0 && !FlightActive;
    const bool onMovable = kind == KindPile && p >= 1 && s >= 1 && PileFaceUp[p][s] == 1 && PileMarks[p][s] == 1;
    Kit::SetTableCursor(onStock || onMovable ? Kit::CursorHand : Kit::CursorArrow);
}

void SpiderMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    if (OnStockPlace(X, Y) && !DragActive && !FlightActive) {
        UndoFlag = 0;
        if (StockCount > 0)
            DealRow();
        return;
    }
    UndoFlag = 0;
    if (DragActive) {
        const int src = LiftedFromPile;
        TDropOptions o;
        o.Foundations = false;
        o.CancelAlways = true;
        o.SoundOnSourcePile = true;
        o.CountPileDrop = true;
        o.AfterPileDrop = [](int target, int source) {
            SpiderMarkMovable(target);
            DrawInfoPanel1();
            SpiderCollectAll();
            DrawInfoPanel1();
            PileFanStep[source] = FanStep1(source);
            RedrawColumn1(source, 0);
        };
        ReleaseDrag(X, Y, o);
        // ReleaseDrag has turned up a face-down card left on top of the source.
        if (const int top = LastCardIndex1(PileCards[src]); top >= 1) {
            PileMarks[src][top] = 1;
            SpiderMarkMovable(src);
            PileFanStep[src] = FanStep1(src);
            RedrawColumn1(src, 0);
            DrawInfoPanel1();
        }
    }
    DrawInfoPanel1();
    int count = 0;
    if (StockCount == 0 && CountMoves1(count))
        Kit::EndGame(true, {&Texts::TxtToMenu, {}, Kit::TPanelOrder::None});
}

void SpiderDblClick() {}

} // namespace Group1
