#include "games/group2/Qyv_Square2.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group2/Qyv_Help2_2.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <QString>
#include <algorithm>

namespace Group2 {

namespace {

using namespace GameState;

constexpr int WastePile = 20;

// Where the two games part ways; the move rules themselves are the engine's
// (FitsPile2, FitsFoundation2), which know the game.
struct TSquareGame {
    int game;
    const Texts::TText* endCaption;   // Button8's caption at a won or stuck end (null: kept)
    bool thatsAllWhenStockOut;        // the last stock card offers the give-up on Button8
    bool giveUpOnEmptyStock;          // a press on the empty stock gives the game up
    bool handOverEmptyStock;          // the hand shows over the stock also when it is empty
};

const TSquareGame kGames[] = {
    {FunDeuces, &Texts::TxtToMenu, true, false, false},
    {NapoleonSquare, nullptr, false, true, true},
};

const TSquareGame& Game()
{
    for (const TSquareGame& g : kGames)
        if (g.game == CurrentGameId)
            return g;
    return kGames[0];
}

void Show()
{
    if (auto* t = Kit::TableImage())
        t->update();
}

bool IsFoundation(const Kit::TSpot& s) { return s.Pile > WastePile; }

bool OnStock(int X, int Y)
{
    int kind = 0;
    return HitTestStockWaste2(X, Y, kind) && kind == 2;
}

// The hand onto pile p.
void PutOnPile(int p)
{
    const int slot = PileTopSlot2(p) + 1;
    PileCards[p][slot] = TargetCard;
    PileValues[p][slot] = Byte(TargetValue);
    PileCounts[p] = slot + 1;
    RedrawColumn2(p, 0);
}

void Take(const Kit::TSpot& s)
{
    if (s.Pile == WastePile) {
        const int top = WasteTopSlot2();
        if (top == 0)
            return;
        Kit::HoldOneCard(WasteCards[top], WasteValues[top]);
        WasteCards[top] = cards::Empty;
        WasteValues[top] = cards::EmptyValue;
        ExtraPileCount = top;
        RedrawStockWaste2(1);
    } else {
        const int top = PileTopSlot2(s.Pile);
        if (top == 0)
            return;
        Kit::HoldOneCard(PileCards[s.Pile][top], PileValues[s.Pile][top]);
        PileCards[s.Pile][top] = cards::Empty;
        PileValues[s.Pile][top] = cards::EmptyValue;
        PileCounts[s.Pile] = top;
        RedrawColumn2(s.Pile, 0);
    }
    Show();
}

void PutBack(const Kit::TSpot& s)
{
    if (s.Pile == WastePile) {
        const int slot = WasteTopSlot2() + 1;
        WasteCards[slot] = TargetCard;
        WasteValues[slot] = Byte(TargetValue);
        ExtraPileCount = slot + 1;
        RedrawStockWaste2(1);
    } else {
        PutOnPile(s.Pile);
    }
    Show();
}

void Put(const Kit::TSpot& t)
{
    if (!IsFoundation(t)) {
        PutOnPile(t.Pile);
        Show();
        return;
    }
    const int f = t.Pile - WastePile;
    const int slot = FoundationTopSlot2(f) + 1;
    FoundationCards[f][slot] = TargetCard;
    FoundationValues[f][slot] = Byte(TargetValue);
    FoundationCounts[f] = slot + 1;
    RedrawFoundation2(f);
    Show();
}

// The stock's top card onto the waste. Not a move: the counter stays.
void TurnStock()
{
    const int n = StockCount;
    const TCardCode card = StockCards[n];
    const Byte value = StockValues[n];
    StockCards[n] = cards::Empty;
    StockValues[n] = cards::EmptyValue;
    StockCount = n - 1;
    RedrawStockWaste2(2);
    const int slot = WasteTopSlot2() + 1;
    if (Settings::MoveMode >= 1) {
        int sx = 0, sy = 0, wx = 0, wy = 0;
        SquareStockPos2(sx, sy);
        SquareWastePos2(wx, wy);
        Kit::FlyCard(sx, sy - StackEdgeStep(StockCount), wx, wy - StackEdgeStep(slot), card, 1, 0);
    }
    WasteCards[slot] = card;
    WasteValues[slot] = value;
    ExtraPileCount = slot + 1;
    RedrawStockWaste2(1);
    Show();
    SourceSelected = 0;
    Kit::PlaySound("WavCardUp");
    HitPile = 0;
    HitPos = 0;
    DrawInfoPanel2();
    // Once the stock is out the give-up stays on offer until the game ends.
    if (StockCount == 0 && Game().thatsAllWhenStockOut && Form1 && Form1->Button8) {
        Form1->Button8->setEnabled(true);
        Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
    }
}

Kit::TPlayRules MakeRules(const TSquareGame& g)
{
    Kit::TPlayRules r;
    r.OwnPress = [](int X, int Y) {
        if (SourceSelected || StockEmpty2() || !OnStock(X, Y))
            return false;
        TurnStock();
        return true;
    };
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        int kind = 0;
        if (HitTestStockWaste2(X, Y, kind)) {
            if (kind != 1 || WasteEmpty2())
                return false;
            s = SquareWasteSpot2();
            return true;
        }
        int p = 0, slot = 0;
        if (!HitTestColumn2(X, Y, p, slot) || PileEmpty2(p))
            return false;
        s = SquarePileSpot2(p, false);
        return true;
    };
    r.Take = Take;
    r.PutBack = PutBack;
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        int f = 0, p = 0, slot = 0;
        if (HitTestFoundation2(X, Y, f)) {
            t = SquareFoundationSpot2(f);
            return true;
        }
        if (HitTestColumn2(X, Y, p, slot)) {
            t = SquarePileSpot2(p, true);
            return true;
        }
        return false;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode& card, Byte value) {
        return IsFoundation(t) ? FitsFoundation2(card, value, t.Pile - WastePile) : FitsPile2(card, value, t.Pile);
    };
    r.Put = Put;
    r.Complete = [](const Kit::TSpot& t) { return IsFoundation(t) && FoundationCounts[t.Pile - WastePile] == 14; };
    r.SilentHomeDrop = true;
    r.Panel = [] { DrawInfoPanel2(); };
    r.Hint = [](int X, int Y) {
        int kind = 0;
        if (!HitTestStockWaste2(X, Y, kind))
            return QString();
        return QString::number(kind == 2 ? StockTopSlot2() : WasteTopSlot2());
    };
    r.Foundations = [] {
        std::vector<Kit::TSpot> fs;
        for (int f = 1; f <= 8; ++f)
            fs.push_back(SquareFoundationSpot2(f));
        return fs;
    };
    r.Search = Kit::TFoundationSearch::Last;
    r.DoubleClickEndTest = true;
    r.End.Won = [] { return IsGameWon2(); };
    r.End.Stuck = [] {
        int count = 0;
        return CountMoves2(count);
    };
    r.End.Caption = g.endCaption;
    return r;
}

} // namespace

Kit::TSpot SquareWasteSpot2()
{
    Kit::TSpot s;
    s.Pile = WastePile;
    SquareWastePos2(s.X, s.Y);
    const int n = WasteTopSlot2();
    s.Y -= StackEdgeStep(n);
    if (n > 0) {
        s.Card = WasteCards[n];
        s.Value = WasteValues[n];
    }
    return s;
}

Kit::TSpot SquarePileSpot2(int Pile, bool landing)
{
    Kit::TSpot s;
    s.Pile = Pile;
    SquarePilePos2(Pile, s.X, s.Y);
    const int n = PileTopSlot2(Pile);
    s.Y -= 2 * (landing ? n : std::max(0, n - 1));
    if (n > 0) {
        s.Card = PileCards[Pile][n];
        s.Value = PileValues[Pile][n];
    }
    return s;
}

Kit::TSpot SquareFoundationSpot2(int Foundation)
{
    Kit::TSpot s;
    s.Pile = WastePile + Foundation;
    if (CurrentGameId == NapoleonSquare)
        NapFoundationPos(Foundation, s.X, s.Y);
    else
        FunDeucesFoundationPos(Foundation, s.X, s.Y);
    if (const int n = FoundationTopSlot2(Foundation)) {
        s.Card = FoundationCards[Foundation][n];
        s.Value = FoundationValues[Foundation][n];
    }
    return s;
}

const Kit::TPlayRules& SquareRules2()
{
    static const Kit::TPlayRules deuces = MakeRules(kGames[0]);
    static const Kit::TPlayRules nap = MakeRules(kGames[1]);
    return CurrentGameId == NapoleonSquare ? nap : deuces;
}

void SquareMouseDown(platform::MouseButton Button, int X, int Y)
{
    const TSquareGame& g = Game();
    if (g.giveUpOnEmptyStock && Button == platform::mbLeft && !Kit::PressWhileDragging() && !SourceSelected &&
        StockEmpty2() && OnStock(X, Y)) {
        Kit::StartPressTiming();
        Kit::EndGame(false, {g.endCaption, {}, Kit::TPanelOrder::None});
        return;
    }
    Kit::PlayPress(SquareRules2(), Button, X, Y);
}

void SquareMouseMove(int X, int Y)
{
    Kit::PlayMove(SquareRules2(), X, Y);
    if (DragActive || SourceSelected || !OnStock(X, Y))
        return;
    if (!StockEmpty2() || Game().handOverEmptyStock)
        Kit::SetTableCursor(Kit::CursorHand);
}

void SquareMouseUp(platform::MouseButton Button, int X, int Y) { Kit::PlayRelease(SquareRules2(), Button, X, Y); }

void SquareDblClick() { Kit::PlayDoubleClick(SquareRules2()); }

} // namespace Group2
