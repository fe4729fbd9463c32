// Twenty: its places, its foundation rule, the stock's rounds and the refill of an
// emptied place, and its mouse handling on the play kit.
#include "games/group3/Qyv_35_20.h"

#include "games/group3/Qyv_Help2_3.h"

#include "foundation/Settings.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Group3 {

using namespace GameState;

namespace {

bool IsStockPlace(int c, int r)
{
    return c == 7 && r == 3;
}

int Next(int c, int r)
{
    return std::clamp(TwentyPileNext[c][r], 1, 6);
}

bool Holds(int c, int r)
{
    return !IsStockPlace(c, r) && HoldsCard3(PileCards2[c][r][1]);
}

// A place answers with its column and row; a foundation with row 0.
Kit::TSpot PlaceTop(int c, int r)
{
    const int n = Next(c, r);
    return {c, r, GridX[c][r], GridY[c][r] + 2 * std::max(0, n - 2), n >= 2 ? PileCards2[c][r][n - 1] : cards::Empty,
            n >= 2 ? PileValues2[c][r][n - 1] : cards::EmptyValue};
}

Kit::TSpot Foundation(int f)
{
    const int n = std::clamp(FoundationCounts[f], 1, 14);
    return {f, 0, FoundationPosX[f], FoundationPosY[f] + 2 * (n - 1), cards::Empty, cards::EmptyValue};
}

bool PlaceAt(int X, int Y, int& c, int& r)
{
    return HitTestColumn3(X, Y, c, r) && r >= 1;
}

// The backs shown for the stock: one for every twenty cards begun.
void StockDown()
{
    const int n = StockCount;
    StockCards[n] = cards::Empty;
    StockValues[n] = cards::EmptyValue;
    StockCount = n - 1;
    ExtraPileCount = std::min(4, (StockCount + 19) / 20);
    RedrawReserve3(0);
}

// The stock's top card onto place [c, r]'s next slot, flown in modes 1 and 2.
void StockCardTo(int c, int r)
{
    const int n = Next(c, r);
    const TCardCode card = StockCards[StockCount];
    PileCards2[c][r][n] = card;
    PileValues2[c][r][n] = StockValues[StockCount];
    TwentyPileNext[c][r] = n + 1;
    StockDown();
    if (Settings::MoveMode != 0)
        Kit::FlyCard(GridX[7][3], GridY[7][3] + 2 * (ExtraPileCount - 1), GridX[c][r], GridY[c][r] + 2 * (n - 1), card,
                     1, 0);
    RedrawColumn3(c, r);
}

bool SelectedTakes(const Kit::TSpot& t)
{
    return t.Pos == 0 && TwentyFoundationTakes(t.Pile, Kit::PlaySource.Card, Kit::PlaySource.Value);
}

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.OwnPress = [](int X, int Y) {
        int c = 0, row = 0;
        if (!PlaceAt(X, Y, c, row) || !IsStockPlace(c, row) || ExtraPileCount == 0)
            return false;
        TwentyDealStock();
        return true;
    };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        int c = 0, row = 0;
        if (!PlaceAt(X, Y, c, row) || !Holds(c, row))
            return false;
        s = PlaceTop(c, row);
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        const int n = Next(s.Pile, s.Pos) - 1;
        Kit::HoldOneCard(PileCards2[s.Pile][s.Pos][n], PileValues2[s.Pile][s.Pos][n]);
        PileCards2[s.Pile][s.Pos][n] = cards::Empty;
        PileValues2[s.Pile][s.Pos][n] = cards::EmptyValue;
        TwentyPileNext[s.Pile][s.Pos] = n;
        RedrawColumn3(s.Pile, s.Pos);
    };
    r.PutBack = [](const Kit::TSpot& s) {
        const int n = Next(s.Pile, s.Pos);
        PileCards2[s.Pile][s.Pos][n] = TargetCard;
        PileValues2[s.Pile][s.Pos][n] = Byte(TargetValue);
        TwentyPileNext[s.Pile][s.Pos] = n + 1;
        RedrawColumn3(s.Pile, s.Pos);
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int f = 0, c = 0, row = 0;
        if (HitTestFoundation3(X, Y, f)) {
            t = Foundation(f);
            return true;
        }
        if (!PlaceAt(X, Y, c, row))
            return false;
        t = PlaceTop(c, row);
        t.Y = GridY[c][row];
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte value) {
        if (t.Pos == 0)
            return TwentyFoundationTakes(t.Pile, card, value);
        return StockCount == 0 && !IsStockPlace(t.Pile, t.Pos) && !Holds(t.Pile, t.Pos) && !t.SamePlace(Kit::PlaySource);
    };
    r.Put = [](const Kit::TSpot& t) {
        if (t.Pos == 0) {
            const int n = std::clamp(FoundationCounts[t.Pile], 1, 13);
            FoundationCards[t.Pile][n] = TargetCard;
            FoundationValues[t.Pile][n] = Byte(TargetValue);
            FoundationCounts[t.Pile] = n + 1;
            RedrawFoundation3(t.Pile);
        } else {
            PileCards2[t.Pile][t.Pos][1] = TargetCard;
            PileValues2[t.Pile][t.Pos][1] = Byte(TargetValue);
            TwentyPileNext[t.Pile][t.Pos] = 2;
            RedrawColumn3(t.Pile, t.Pos);
        }
    };
    // While the stock lasts no place stays empty.
    r.AfterMove = [](const Kit::TSpot& t) {
        const Kit::TSpot& s = Kit::PlaySource;
        if (t.Pos == 0 && StockCount > 0 && s.Pos >= 1 && !Holds(s.Pile, s.Pos))
            StockCardTo(s.Pile, s.Pos);
    };
    r.CountMoves = false;
    r.Foundations = [] {
        std::vector<Kit::TSpot> fs;
        for (int f = 1; f <= 8; ++f)
            fs.push_back(Foundation(f));
        return fs;
    };
    r.End.Won = [] { return IsGameWon3(); };
    r.End.Stuck = NoMoveLeft3;
    r.End.StuckOnlyWhen = [] { return StockCount == 0; };
    r.End.StopkaWhenDry = true;
    r.DryAfterAnyAction = true;
    return r;
}

} // namespace

bool TwentyFoundationTakes(int F, const TCardCode& Card, int Value)
{
    const int n = FoundationCounts[F];
    if (n < 2 || n > 13 || !HoldsCard3(Card))
        return false;
    const TCardCode& top = FoundationCards[F][n - 1];
    const int w = FoundationValues[F][n - 1];
    return Card.suit() == top.suit() && Value == (F % 2 == 1 ? w + 1 : w - 1);
}

void TwentyDealStock()
{
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 3; ++r) {
            if (IsStockPlace(c, r) || StockCount == 0)
                continue;
            StockCardTo(c, r);
            Kit::PlaySound("WavCardUp", true);
        }
    // A short last round leaves some places unpainted: no mark may stay on them.
    if (SourceSelected && HitPos >= 1)
        RedrawColumn3(HitPile, HitPos);
    Kit::ClearSelection();
    if (auto* t = Kit::TableImage())
        t->update();
}

const Kit::TPlayRules& TwentyRules()
{
    static const Kit::TPlayRules r = MakeRules();
    return r;
}

void TwentyMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayPress(TwentyRules(), Button, X, Y);
}

// No drop hint while a card is dragged; the hand only over what a press would take or
// over a foundation for the selected card.
void TwentyMouseMove(platform::ShiftState, int X, int Y)
{
    Kit::TableHintOff();
    if (DragActive) {
        Kit::SetScreenCursor(Kit::CursorArrow);
        return;
    }
    bool hand = false;
    Kit::TSpot s;
    const Kit::TPlayRules& r = TwentyRules();
    if (Settings::MoveMode == 2 || !SourceSelected)
        hand = r.SourceAt(X, Y, s);
    else if (r.SourceAt(X, Y, s) && s.SamePlace(Kit::PlaySource))
        hand = true;
    else if (int f = 0; HitTestFoundation3(X, Y, f))
        hand = SelectedTakes(Foundation(f));
    Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
}

void TwentyMouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    Kit::PlayRelease(TwentyRules(), Button, X, Y);
}

void TwentyDblClick()
{
    Kit::PlayDoubleClick(TwentyRules());
}

} // namespace Group3
