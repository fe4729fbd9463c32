#include "KitGame.h"

#include "app/TableDispatch.h"
#include "foundation/CardDrawing.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Texts.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitTable.h"

namespace KitGame {

using namespace GameState;
using Scaling::Scaled;

namespace {

TCardCode Spade(int value)
{
    static constexpr char ranks[13] = {cards::RankAce, '2', '3', '4', '5', '6', '7', '8', '9', '1',
                                       cards::RankJack, cards::RankQueen, cards::RankKing};
    return TCardCode(ranks[value], cards::SuitSpades);
}

void PaintPile()
{
    auto* t = Kit::TableImage();
    if (!t)
        return;
    Kit::RestoreBackground(t->canvas(), SlotX(1), PileY(), SlotX(13) + CardWidth - SlotX(1) + 1, CardHeight + 1);
    for (int s = 1; s <= PileCount(); ++s)
        CardDrawing::DrawCardFace(SlotX(s), PileY(), PileCards[1][s], t);
}

void PaintFoundation()
{
    auto* t = Kit::TableImage();
    if (!t)
        return;
    Kit::RestoreBackground(t->canvas(), FoundationX(), FoundationY(), CardWidth + 1, CardHeight + 1);
    CardDrawing::DrawCardFace(FoundationX(), FoundationY(),
                              FoundationCounts[1] > 0 ? FoundationCards[1][1] : TCardCode("-0"), t);
}

Kit::TSpot PileTop()
{
    const int n = PileCount();
    return {PileSpot, n, SlotX(n), PileY(), PileCards[1][n], PileValues[1][n]};
}

Kit::TSpot Foundation()
{
    return {FoundationSpot, 1, FoundationX(), FoundationY(), FoundationCards[1][1], FoundationValues[1][1]};
}

bool Within(int X, int Y, int x, int y)
{
    return X >= x && X <= x + CardWidth && Y >= y && Y <= y + CardHeight;
}

bool FitsFoundation(GameState::Byte value)
{
    return int(value) == FoundationCounts[1];
}

const Kit::TPlayRules* g_rules = nullptr;

} // namespace

Kit::TPlayRules MakeRules()
{
    Kit::TPlayRules r;
    r.SaveCursor = true;
    r.SourceAt = [](int X, int Y, Kit::TSpot& s) {
        if (PileCount() == 0 || !Within(X, Y, SlotX(PileCount()), PileY()))
            return false;
        s = PileTop();
        return true;
    };
    r.Take = [](const Kit::TSpot& s) {
        Kit::HoldOneCard(PileCards[1][s.Pos], PileValues[1][s.Pos]);
        PileCards[1][s.Pos] = cards::Empty;
        PileValues[1][s.Pos] = cards::EmptyValue;
        PileCounts[1] = s.Pos - 1;
        PaintPile();
    };
    r.PutBack = [](const Kit::TSpot& s) {
        PileCards[1][s.Pos] = TargetCard;
        PileValues[1][s.Pos] = Byte(TargetValue);
        PileCounts[1] = s.Pos;
        PaintPile();
    };
    r.TargetAt = [](int X, int Y, Kit::TSpot& t) {
        if (!Within(X, Y, FoundationX(), FoundationY()))
            return false;
        t = Foundation();
        return true;
    };
    r.Takes = [](const Kit::TSpot& t, const TCardCode&, Byte value) {
        return t.Pile == FoundationSpot && FitsFoundation(value);
    };
    r.Put = [](const Kit::TSpot&) {
        FoundationCards[1][1] = TargetCard;
        FoundationValues[1][1] = Byte(TargetValue);
        ++FoundationCounts[1];
        PaintFoundation();
    };
    r.Complete = [](const Kit::TSpot&) { return FoundationCounts[1] == 13; };
    r.Foundations = [] { return std::vector<Kit::TSpot>{Foundation()}; };
    r.DoubleClickAllModes = true;
    r.End.Won = [] { return FoundationCounts[1] == 13; };
    r.End.Stuck = [] { return PileCount() > 0 && !FitsFoundation(PileValues[1][PileCount()]); };
    r.End.Caption = &Texts::TxtToMenu;
    return r;
}

namespace {

TableDispatch::TDispatchTable g_table;

} // namespace

int SlotX(int s)
{
    return Scaled(20) + (s - 1) * Scaled(30);
}
int PileY()
{
    return Scaled(300);
}
int FoundationX()
{
    return Scaled(560);
}
int FoundationY()
{
    return Scaled(60);
}
int PileCount()
{
    return std::clamp(PileCounts[1], 0, 13);
}

void Deal(int deal)
{
    Kit::EndPendingDrag();
    ClearCards(PileCards, PileValues);
    ClearCards(FoundationCards, FoundationValues);
    // Slot 1 at the bottom holds the King, the Ace lies on top.
    for (int s = 1; s <= 13; ++s) {
        const int value = 13 - s;
        PileCards[1][s] = Spade(value);
        PileValues[1][s] = Byte(value);
    }
    if (deal % 2 == 1) {
        std::swap(PileCards[1][8], PileCards[1][9]);
        std::swap(PileValues[1][8], PileValues[1][9]);
    }
    PileCounts[1] = 13;
    FoundationCounts[1] = 0;
    SourceSelected = 0;
    MoveCounter = 0;
    GameOver = 0;
    GameWon = 0;
    RoundPhase = 2;
    Paint();
}

void Paint()
{
    if (auto* t = Kit::TableImage())
        Kit::RestoreBackground(t->canvas(), 0, 0, t->canvas().width(), t->canvas().height());
    PaintPile();
    PaintFoundation();
}

const Kit::TPlayRules& Rules()
{
    static const Kit::TPlayRules r = MakeRules();
    return g_rules ? *g_rules : r;
}

void UseRules(const Kit::TPlayRules* rules)
{
    g_rules = rules;
}

Kit::TSpot FoundationSpotNow()
{
    return Foundation();
}

void Install()
{
    g_table = {};
    g_table[0].Code = Code;
    g_table[0].Module = {"KitGame",
                         [](platform::MouseButton b, platform::ShiftState, int x, int y) { Kit::PlayPress(Rules(), b, x, y); },
                         [](platform::ShiftState, int x, int y) { Kit::PlayMove(Rules(), x, y); },
                         [](platform::MouseButton b, platform::ShiftState, int x, int y) { Kit::PlayRelease(Rules(), b, x, y); },
                         [] { Kit::PlayDoubleClick(Rules()); }};
    TableDispatch::SetDispatchTableForTest(&g_table);
    CurrentGameId = Code;
}

void Uninstall()
{
    g_rules = nullptr;
    TableDispatch::SetDispatchTableForTest(nullptr);
}

} // namespace KitGame
