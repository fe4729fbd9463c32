// Miss Milligan: the table's mouse handling on the play kit. The deal, the painters, the
// move count and the won test are the group engine's.
#include "games/group5/Qyv_50_Miss.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/group5/Qyv_Help2_5_Play.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <algorithm>
#include <vector>

namespace Group5 {

using namespace GameState;

namespace {

// A column holds at most this many cards after a drop (the stock may deal past it).
constexpr int MaxColumn = 30;

int SlotY(int c, int slot) { return PosY[1] + ColumnStep[c] * (slot - 1); }

// Card k + 1 lies on card k as an ordered run has it: the other colour, one lower.
bool Falls(int c, int k)
{
    return DemonFitsTableau(PileCards[c][k + 1], PileValues[c][k + 1], PileCards[c][k], PileValues[c][k]);
}

bool RunOrdered(int c, int row)
{
    const int top = TopSlot5(c);
    if (row < 1 || row > top || top - row + 1 > 13)
        return false;
    for (int k = row; k < top; ++k)
        if (!Falls(c, k))
            return false;
    return true;
}

const TCardCode& TopCode(int c)
{
    static const TCardCode none = cards::Empty;
    const int top = TopSlot5(c);
    return top == 0 ? none : PileCards[c][top];
}

void Refit(int c)
{
    ColumnStep[c] = MissFanStep(c);
    RedrawColumn5(c, 0);
}

bool StockHolds() { return StockCount >= 1 && StockCount <= 104; }

void EndTest()
{
    if (!DragActive && !GameOver)
        EndTest5(Kit::TPanelOrder::AfterScore, Kit::TPanelOrder::BeforeScore);
}

// One card onto every column in turn while the stock lasts; no move is counted.
void DealStock()
{
    for (int c = 1; c <= 10 && StockHolds(); ++c) {
        const TCard5 card{StockCards[StockCount], StockValues[StockCount]};
        StockCards[StockCount] = cards::Empty;
        StockValues[StockCount] = cards::EmptyValue;
        --StockCount;
        RedrawKoloda5(1);
        if (Settings::MoveMode >= 1)
            Kit::FlyCard(AuxPile2X, AuxPile2Y, PosX[c], SlotY(c, PileCounts[c]), card.code);
        LayOnPile5(c, card);
        RedrawColumn5(c, 0);
        Kit::PlaySound("WavCardUp");
    }
    for (int c = 1; c <= 10; ++c)
        Refit(c);
    DrawInfoPanel5();
    if (StockCount == 0 && Form1 && Form1->Button8)
        Form1->Button8->setEnabled(true);
}

void Lift(int c, int row, int X, int Y)
{
    if (!Kit::TakeUpDrag())
        return;
    const int top = TopSlot5(c);
    std::vector<TCardCode> run;
    std::vector<Byte> values;
    for (int k = row; k <= top; ++k) {
        run.push_back(PileCards[c][k]);
        values.push_back(PileValues[c][k]);
    }
    Kit::HoldRun(run, values, ColumnStep[c]);
    DragSourcePile = c;
    Kit::TLiftFrame frame = Kit::CardFrame(PosX[c], SlotY(c, row));
    frame.Bottom = SlotY(c, top) + CardHeight + CardInset;
    // The column keeps its step while the run is away.
    Kit::ShowDragSprite(frame, X, Y, true, [c, row, top] {
        for (int k = row; k <= top; ++k) {
            PileCards[c][k] = cards::Empty;
            PileValues[c][k] = cards::EmptyValue;
        }
        PileCounts[c] = row;
        RedrawColumn5(c, 0);
    });
}

// The run in the hand onto column c; the hand emptied.
void HandOntoColumn(int c)
{
    for (int i = 1; i <= 13; ++i)
        if (HoldsCard5(DragCards[i]))
            LayOnPile5(c, {DragCards[i], DragValues[i]});
    Kit::ClearHeld();
}

void PutBack(int src)
{
    if (src < 1 || src > 10)
        return;
    HandOntoColumn(src);
    RedrawColumn5(src, 0);
}

void Drop(int X, int Y, int pile, int kind)
{
    const int n = Kit::HeldCount();
    const int src = DragSourcePile;
    const QPoint corner = Kit::SpriteCorner(X, Y);
    if (kind == MissColumn && MissFits(DragCards[1], TopCode(pile)) && PileCounts[pile] - 1 + n <= MaxColumn) {
        MissEndDrag(corner.x(), corner.y());
        HandOntoColumn(pile);
        Refit(pile);
        if (src != pile && src >= 1 && src <= 10)
            Refit(src);
        Kit::PlaySound("WavCardUp");
        if (pile != src)
            ++MoveCounter;
        DrawInfoPanel5();
    } else if (kind == MissFoundation && n == 1 && MissFitsFoundation(DragCards[1], pile)) {
        MissEndDrag(corner.x(), corner.y());
        LayOnFoundation5(pile, {DragCards[1], DragValues[1]});
        Kit::ClearHeld();
        if (src >= 1 && src <= 10)
            Refit(src);
        Kit::PlaySound("WavCardUp");
        ++MoveCounter;
        DrawInfoPanel5();
    } else {
        MissEndDrag(corner.x(), corner.y());
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        PutBack(src);
    }
    Kit::ClearHeld();
    DragSourcePile = 0;
    DragActive = 0;
    LastUpX = X;
    LastUpY = Y;
}

// The double click's top card to the first foundation that takes it; true when it moved.
bool SendToFoundation()
{
    int c = 0, row = 0, kind = 0;
    MissHitTest(LastUpX, LastUpY, c, row, kind);
    if (kind != MissColumn || row == 0 || row != TopSlot5(c))
        return false;
    const TCard5 card{PileCards[c][row], PileValues[c][row]};
    const bool ace = card.code.rank() == cards::RankAce;
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 8, [&](int g) {
        return (ace || card.code.suit() == FoundationCards[g][1].suit()) && card.value + 1 == FoundationCounts[g];
    });
    if (f == 0)
        return false;
    const int fromY = SlotY(c, row);
    TakePileTop5(c);
    Refit(c);
    if (Settings::MoveMode >= 1)
        Kit::FlyCard(PosX[c], fromY, FoundationX[f], FoundationY, card.code);
    LayOnFoundation5(f, card);
    ++MoveCounter;
    DrawInfoPanel5();
    return true;
}

} // namespace

void MissHitTest(int X, int Y, int& Pile, int& Row, int& Kind)
{
    Pile = Row = Kind = 0;
    if (X >= AuxPile2X && X <= AuxPile2X + CardWidth + 12 && Y >= AuxPile2Y && Y <= AuxPile2Y + CardHeight) {
        Kind = MissStock;
        return;
    }
    for (int f = 1; f <= 8; ++f)
        if (OnCard5(X, Y, FoundationX[f], FoundationY)) {
            Kind = MissFoundation;
            Pile = f;
            return;
        }
    for (int c = 1; c <= 10; ++c)
        if (OnCard5(X, Y, PosX[c], PosY[1] + ColumnStep[c] * (PileCounts[c] - 2))) {
            Kind = MissColumn;
            Pile = c;
            Row = std::max(1, TopSlot5(c));
            return;
        }
    // A covered card answers on the strip of it that shows, whatever the column's length.
    for (int c = 1; c <= 10; ++c) {
        if (X < PosX[c] || X > PosX[c] + CardWidth)
            continue;
        const int top = TopSlot5(c);
        for (int j = 1; j < top; ++j)
            if (Y > SlotY(c, j) && Y < SlotY(c, j + 1) && HoldsCard5(PileCards[c][j])) {
                Kind = MissColumn;
                Pile = c;
                Row = j;
                return;
            }
    }
}

bool MissFitsFoundation(const TCardCode& Card, int f)
{
    if (!HoldsCard5(Card) || f < 1 || f > 8)
        return false;
    const int order = cards::rankOrder(Card.rank());
    const int index = order == 12 ? 0 : order + 1;
    const int onIt = FoundationTop5(f);
    if (index != onIt)
        return false;
    return onIt == 0 ? Card.rank() == cards::RankAce : Card.suit() == FoundationCards[f][1].suit();
}

void MissEndDrag(int /*X*/, int /*Y*/) { Kit::RemoveDragSprite(); }

void MissMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    int c = 0, row = 0, kind = 0;
    MissHitTest(X, Y, c, row, kind);
    if (kind == MissColumn && HoldsCard5(PileCards[c][row]) && RunOrdered(c, row))
        Lift(c, row, X, Y);
}

void MissMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    if (RoundPhase == 1 || GameOver)
        return;
    if (OnCard5(X, Y, AuxPile2X, AuxPile2Y))
        Kit::SetTableHint(QString::number(StockCount));
    else
        Kit::TableHintOff();
    int c = 0, row = 0, kind = 0;
    MissHitTest(X, Y, c, row, kind);
    if (DragActive) {
        const bool takes = (kind == MissColumn && MissFits(DragCards[1], TopCode(c)))
                           || (kind == MissFoundation && Kit::HeldCount() == 1 && MissFitsFoundation(DragCards[1], c));
        Kit::SetScreenCursor(takes ? Kit::CursorHand : Kit::CursorArrow);
        return;
    }
    const bool hand = (kind == MissStock && StockHolds())
                      || (kind == MissColumn && HoldsCard5(PileCards[c][row]) && RunOrdered(c, row));
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void MissMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    int pile = 0, row = 0, kind = 0;
    MissHitTest(X, Y, pile, row, kind);
    if (kind == MissStock && !DragActive && StockHolds()) {
        DealStock();
        return;
    }
    if (DragActive)
        Drop(X, Y, pile, kind);
    DrawInfoPanel5();
    EndTest();
}

void MissDblClick()
{
    const int src = DragSourcePile;
    Kit::EndDragOnDoubleClick([src] {
        PutBack(src);
        DragSourcePile = 0;
    });
    if (!SendToFoundation())
        EndTest();
}

} // namespace Group5
