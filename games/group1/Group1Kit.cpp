#include "games/group1/Group1Kit.h"

#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group1 {

using namespace GameState;

namespace {


// A real card: a lift buffer that was never cleared beyond SlotCount holds blank
// codes, which must not count as cards.
bool HoldsCard(const TCardCode& c)
{
    return cards::pictureIndex(c) > 0;
}

int LiftSlots()
{
    return std::clamp(SlotCount, 1, 104);
}

bool Within(int X, int Y, int left, int top)
{
    return X >= left && X <= left + CardWidth && Y >= top && Y <= top + CardHeight;
}

} // namespace

// ---- places on the table ----

bool OnStockTop(int X, int Y)
{
    return Within(X, Y, SpecialX[1], StockTopY1());
}

bool OnWasteTop(int X, int Y)
{
    return Within(X, Y, SpecialX[2], WasteTopY1());
}

bool OnStockPlace(int X, int Y)
{
    return Within(X, Y, SpecialX[1], TopRowY);
}

bool OnWastePlace(int X, int Y)
{
    return Within(X, Y, SpecialX[2], TopRowY);
}

int FoundationPlaceX(int f)
{
    const int game = CurrentGameId;
    if (game == FreeCell)
        return FoundationX[f];
    int column = f + 2; // Vardelin-Duo, Spider
    if (game == VardelinSolo || game == YukonSolo)
        column = f + 3;
    else if (game == YukonDuo)
        column = f + 1;
    return SpecialX[column];
}

int FoundationPlaceY()
{
    return CurrentGameId == FreeCell ? FoundationY : TopRowY;
}

int SlotY(int p, int s)
{
    return ColumnsTopY + (s - 1) * PileFanStep[p];
}

// ---- press ----

bool AlternatingRun(const TCardCode& lower, Byte lowerValue, const TCardCode& upper, Byte upperValue)
{
    return cards::isRed(lower) != cards::isRed(upper) && int(lowerValue) == int(upperValue) + 1;
}

bool SameSuitRun(const TCardCode& lower, Byte lowerValue, const TCardCode& upper, Byte upperValue)
{
    return lower.suit() == upper.suit() && int(lowerValue) == int(upperValue) + 1;
}

bool AnyRun(const TCardCode&, Byte, const TCardCode&, Byte)
{
    return true;
}

bool RunLiftable(int p, int s, const RunTest& test)
{
    if (p < 1 || p > LayoutPileCount || s < 1 || s > SlotCount)
        return false;
    if (!HoldsCard(PileCards[p][s]) || PileFaceUp[p][s] != 1)
        return false;
    for (int i = s; i <= SlotCount - 1; ++i) {
        const TCardCode& a = PileCards[p][i];
        const TCardCode& b = PileCards[p][i + 1];
        if (HoldsCard(a) && HoldsCard(b) && !test(a, PileValues[p][i], b, PileValues[p][i + 1]))
            return false;
    }
    return true;
}

Kit::TLiftFrame PileRunFrame(int p, int s)
{
    const int t = std::max(LastCardIndex1(PileCards[p]), s);
    return {SpecialX[p] - CardInset, SlotY(p, s) - CardInset, SpecialX[p] + CardWidth + CardInset,
            SlotY(p, t) + CardHeight + CardInset};
}

Kit::TLiftFrame WasteTopFrame()
{
    return Kit::CardFrame(SpecialX[2], WasteTopY1());
}

int LiftPileRun(int p, int s)
{
    Kit::ClearLiftBuffer(SlotCount);
    int n = 0;
    for (int i = s; i <= LiftSlots(); ++i) {
        if (!HoldsCard(PileCards[p][i]))
            continue;
        ++n;
        LiftedCards[n] = PileCards[p][i];
        LiftedValues[n] = PileValues[p][i];
        PileCards[p][i] = cards::Empty;
        PileValues[p][i] = cards::EmptyValue;
        PileFaceUp[p][i] = 0;
        PileMarks[p][i] = 0;
    }
    PileCardCount[p] = std::max(0, PileCardCount[p] - n);
    LiftedFromPile = p;
    DragRun = TSpr{};
    DragRun.K = std::min(n, 53);
    DragRun.G = 3;
    DragRun.H = PileFanStep[p];
    for (int i = 1; i <= DragRun.K; ++i)
        DragRun.C[i] = LiftedCards[i];
    return n;
}

// ---- move ----

void DragCursor(int X, int Y, bool foundations)
{
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, p, s, kind);
    bool hand = false;
    if (kind == KindPile && top && p >= 1 && s >= 1)
        hand = FitsTableau1(LiftedCards[1], PileCards[p][s]);
    else if (foundations && kind == KindFoundationOrCell && p >= 1 && Kit::LiftedCount(SlotCount) == 1)
        hand = FitsFoundation1(LiftedCards[1], p);
    Kit::SetScreenCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

// ---- release ----

void PutLiftedOnPile(int p)
{
    int slot = LastCardIndex1(PileCards[p]);
    int n = 0;
    for (int i = 1; i <= LiftSlots() && slot < 104; ++i) {
        if (!HoldsCard(LiftedCards[i]))
            continue;
        ++slot;
        ++n;
        PileCards[p][slot] = LiftedCards[i];
        PileValues[p][slot] = LiftedValues[i];
        PileFaceUp[p][slot] = 1;
        PileMarks[p][slot] = 1;
        LiftedCards[i] = cards::Empty;
        LiftedValues[i] = cards::EmptyValue;
    }
    PileCardCount[p] += n;
    PileFanStep[p] = FanStep1(p);
    RedrawColumn1(p, 0);
}

void PutLiftedOnFoundation(int f)
{
    const int slot = FoundationNextSlot[f];
    FoundationCards[f][slot] = LiftedCards[1];
    FoundationValues[f][slot] = LiftedValues[1];
    ++FoundationNextSlot[f];
    LiftedCards[1] = cards::Empty;
    LiftedValues[1] = cards::EmptyValue;
    RedrawFoundation1(f);
}

void ReturnLifted()
{
    const int src = LiftedFromPile;
    if (src >= 1 && src <= 19) {
        PutLiftedOnPile(src);
    } else if (src == 20) {
        if (HoldsCard(LiftedCards[1])) {
            WasteCards[WasteCount] = LiftedCards[1];
            WasteValues[WasteCount] = LiftedValues[1];
            ++WasteCount;
        }
        Kit::ClearLiftBuffer(SlotCount);
        RedrawStockWaste1(0);
    }
}

bool TurnUpTop(int p)
{
    const int t = LastCardIndex1(PileCards[p]);
    if (t < 1 || PileFaceUp[p][t] == 1)
        return false;
    PileFaceUp[p][t] = 1;
    PileMarks[p][t] = 1;
    PileFanStep[p] = FanStep1(p);
    RedrawColumn1(p, 0);
    return true;
}

DropResult ReleaseDrag(int X, int Y, const TDropOptions& o)
{
    Kit::RemoveDragSprite();
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, p, s, kind);
    const int src = LiftedFromPile;
    const bool fromPile = src >= 1 && src <= 19;
    DropResult result = DropResult::Returned;

    if (kind == KindPile && top && p >= 1 && s >= 1 && FitsTableau1(LiftedCards[1], PileCards[p][s])) {
        PutLiftedOnPile(p);
        if (fromPile && src != p) {
            PileFanStep[src] = FanStep1(src);
            RedrawColumn1(src, 0);
        }
        if (o.CountPileDrop && src != p)
            ++MoveCounter;
        if (o.AfterPileDrop)
            o.AfterPileDrop(p, src);
        if (src != p || o.SoundOnSourcePile)
            Kit::PlaySound("WavCardUp");
        result = DropResult::OnPile;
    } else if (o.Foundations && kind == KindFoundationOrCell && p >= 1 && Kit::LiftedCount(SlotCount) == 1
               && FitsFoundation1(LiftedCards[1], p)) {
        PutLiftedOnFoundation(p);
        if (fromPile) {
            PileFanStep[src] = FanStep1(src);
            RedrawColumn1(src, 0);
        }
        Kit::PlaySound("WavCardUp");
        result = DropResult::OnFoundation;
    } else {
        if (o.CancelAlways || Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        ReturnLifted();
    }

    DragActive = 0;
    LastUpX = X;
    LastUpY = Y;
    DrawInfoPanel1();
    if (fromPile)
        TurnUpTop(src);
    return result;
}

// ---- the double click ----

int FoundationForCard(const TCardCode& card, Byte value)
{
    const bool ace = card.rank() == cards::RankAce;
    for (int f = 1; f <= std::min(LayoutFoundationCount, 8); ++f) {
        const int next = FoundationNextSlot[f];
        const bool suitFits = ace || (next >= 2 && FoundationCards[f][1].suit() == card.suit());
        if (suitFits && int(value) + 1 == next)
            return f;
    }
    return 0;
}

int SendPileTopToFoundation(int p, const TSendOptions& o)
{
    const int s = LastCardIndex1(PileCards[p]);
    if (s < 1)
        return 0;
    const TCardCode card = PileCards[p][s];
    const Byte value = PileValues[p][s];
    const int f = FoundationForCard(card, value);
    if (f == 0)
        return 0;
    FoundationCards[f][FoundationNextSlot[f]] = card;
    FoundationValues[f][FoundationNextSlot[f]] = value;
    ++FoundationNextSlot[f];
    PileCards[p][s] = cards::Empty;
    PileValues[p][s] = cards::EmptyValue;
    PileFaceUp[p][s] = 0;
    PileMarks[p][s] = 0;
    if (s > 1) {
        PileFaceUp[p][s - 1] = 1;
        PileMarks[p][s - 1] = 1;
    }
    PileCardCount[p] = std::max(0, PileCardCount[p] - 1);
    PileFanStep[p] = FanStep1(p);
    RedrawColumn1(p, 0);
    if (o.Fly)
        Kit::FlyCard(SpecialX[p], SlotY(p, s), FoundationPlaceX(f), FoundationPlaceY(), card);
    RedrawFoundation1(f);
    if (o.Count)
        ++MoveCounter;
    Kit::PlaySound(o.StopkaOnComplete && FoundationNextSlot[f] == 14 ? "WavStopka" : "WavCardUp");
    return f;
}

} // namespace Group1
