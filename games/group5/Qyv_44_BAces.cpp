// Busy Aces: the table's mouse handling on the play kit. The deal, the painters, the
// stock turn and the info panel are the group engine's.
#include "games/group5/Qyv_44_BAces.h"

#include "foundation/CardDrawing.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <QPoint>
#include <algorithm>

namespace Group5 {

using namespace GameState;
using Celebration::Distance;
using Scaling::Scaled;

namespace {

// The waste in SelectedPile and DragSourcePile; piles are 1..12.
constexpr int WasteCode = 13;

// The pile whose bottom card a right press shows until the next release (0: none).
int PeekPile = 0;

int RowOf(int pile) { return pile <= 6 ? 1 : 2; }
int PlaceOf(int pile) { return pile <= 6 ? pile : pile - 6; }
int& NextOf(int pile) { return BAcesNext[RowOf(pile)][PlaceOf(pile)]; }
int PileTop(int pile) { return std::clamp(NextOf(pile) - 1, 0, 13); }
int PileX(int pile) { return GridX[RowOf(pile)][PlaceOf(pile)]; }
int PileY(int pile) { return GridY[RowOf(pile)][PlaceOf(pile)]; }
TCardCode& PileSlot(int pile, int slot) { return PileCards2[RowOf(pile)][PlaceOf(pile)][slot]; }
Byte& PileValue(int pile, int slot) { return PileValues2[RowOf(pile)][PlaceOf(pile)][slot]; }

bool Within(int X, int Y, int left, int top, int right, int bottom)
{
    return X >= left && X <= right && Y >= top && Y <= bottom;
}

bool InPileBlock(int X, int Y, int widen = 0)
{
    return Within(X, Y, GridX[1][1] - widen, GridY[1][1] - 24 - widen, GridX[1][6] + CardWidth,
                  GridY[2][1] + CardHeight);
}

bool InFoundationBlock(int X, int Y, int widen = 0)
{
    return Within(X, Y, FoundationPosX[1] - widen, FoundationPosY[1] - 24 - widen, FoundationPosX[8] + CardWidth,
                  FoundationPosY[1] + CardHeight);
}

int FoundationAt(int X, int Y)
{
    for (int f = 8; f >= 1; --f)
        if (Within(X, Y, FoundationPosX[f], FoundationPosY[f] - 24, FoundationPosX[f] + CardWidth, FoundationPosY[f] + CardHeight))
            return f;
    return 0;
}

bool InWaste(int X, int Y) { return Within(X, Y, AuxPile1X, AuxPile1Y - 10, AuxPile1X + CardWidth, AuxPile1Y + CardHeight); }
bool InStock(int X, int Y) { return Within(X, Y, AuxPile2X, AuxPile2Y - 10, AuxPile2X + CardWidth, AuxPile2Y + CardHeight); }

// The cursor's boxes leave their bounds out.
bool StrictlyIn(int X, int Y, int left, int top, int bottom)
{
    return X > left && X < left + CardWidth && Y > top && Y < bottom;
}

// ---- the rules ----

struct TCard {
    TCardCode code;
    Byte value = cards::EmptyValue;
};

bool PileTakes(int pile, const TCard& c)
{
    const int top = PileTop(pile);
    if (top == 0)
        return true;
    return PileSlot(pile, top).suit() == c.code.suit() && PileValue(pile, top) == c.value + 1;
}

bool FoundationTakes(int f, const TCard& c)
{
    const int top = FoundationTop5(f);
    if (top == 0)
        return c.code.rank() == cards::RankAce;
    return top < 13 && FoundationCards[f][top].suit() == c.code.suit() && FoundationValues[f][top] + 1 == c.value;
}

// ---- taking and laying ----

TCard TopOfPile(int pile) { return {PileSlot(pile, PileTop(pile)), PileValue(pile, PileTop(pile))}; }
TCard TopOfWaste() { return {WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]}; }

TCard TakeFromPile(int pile)
{
    const int top = PileTop(pile);
    const TCard c{PileSlot(pile, top), PileValue(pile, top)};
    PileSlot(pile, top) = cards::Empty;
    PileValue(pile, top) = cards::EmptyValue;
    --NextOf(pile);
    return c;
}

TCard TakeFromWaste()
{
    TCard c;
    TakeWasteTop5(c.code, c.value);
    return c;
}

void LayOnPile(int pile, const TCard& c)
{
    PileSlot(pile, NextOf(pile)) = c.code;
    PileValue(pile, NextOf(pile)) = c.value;
    ++NextOf(pile);
    RedrawColumn5(RowOf(pile), PlaceOf(pile));
}

void LayOnWaste(const TCard& c) { LayOnWaste5(c.code, c.value, 0); }

// Returns whether the foundation is now complete.
bool LayOnFoundation(int f, const TCard& c) { return LayOnFoundation5(f, c.code, c.value); }

void RepaintPile(int pile) { RedrawColumn5(RowOf(pile), PlaceOf(pile)); }

int FoundationTopY(int f) { return FoundationPosY[f] - 2 * std::max(0, FoundationCounts[f] - 2); }

void ToggleFrameOf(int selected)
{
    if (selected == WasteCode)
        Kit::ToggleSelectionFrame(AuxPile1X, BAcesWasteTopY());
    else if (selected >= 1 && selected <= 12)
        Kit::ToggleSelectionFrame(BAcesTopX(selected), BAcesTopY(selected));
}

// The tail of every move: counted, sounded, the panel, and the take-back of the last
// deal gone while the stock still holds cards.
void MoveTail(bool complete)
{
    ++MoveCounter;
    Kit::PlaySound(complete ? "WavStopka" : "WavCardUp");
    DrawInfoPanel5();
    if (StockCount > 0 && Form1 && Form1->Button8)
        Form1->Button8->setEnabled(false);
}

// ---- the release's steps; each returns whether it handled the release ----

bool DealStock()
{
    if (StockCount < 1)
        return false;
    DealFromKoloda5();
    ++MoveCounter;
    Kit::PlaySound("WavCardUp");
    DrawInfoPanel5();
    if (Form1 && Form1->Button8) {
        Form1->Button8->setEnabled(true);
        Form1->Button8->setText(Texts::Tx(StockCount == 0 ? Texts::TxtThatsAll : Texts::TxtUndo));
    }
    return true;
}

void ClickWaste()
{
    ToggleFrameOf(WasteCode);
    if (SelectedPile == 0) {
        Kit::PlaySound("WavDown");
        SelectedPile = WasteCode;
    } else {
        Kit::PlaySound("WavCancel");
        SelectedPile = 0;
    }
}

// The selected card (pile or waste top) to pile `to` or foundation `f` (the other 0).
bool ClickMove(int to, int f)
{
    const int s = SelectedPile;
    const bool fromWaste = s == WasteCode;
    if (fromWaste ? WasteCount < 2 : (s < 1 || s > 12 || PileTop(s) == 0))
        return false;
    const TCard c = fromWaste ? TopOfWaste() : TopOfPile(s);
    if (f != 0 ? !FoundationTakes(f, c) : !PileTakes(to, c))
        return false;
    ToggleFrameOf(s);
    const int fromX = fromWaste ? AuxPile1X : BAcesTopX(s);
    const int fromY = fromWaste ? BAcesWasteTopY() : BAcesTopY(s);
    if (fromWaste) {
        TakeFromWaste();
        RedrawKoloda5(0);
    } else {
        TakeFromPile(s);
        RepaintPile(s);
    }
    bool complete = false;
    if (f != 0) {
        if (Settings::MoveMode == 1)
            Kit::FlyCard(fromX, fromY, FoundationPosX[f], FoundationTopY(f) - 2, c.code);
        complete = LayOnFoundation(f, c);
    } else {
        if (Settings::MoveMode == 1)
            Kit::FlyCard(fromX, fromY, PileX(to), BAcesTopY(to) - 2, c.code);
        LayOnPile(to, c);
    }
    SelectedPile = 0;
    MoveTail(complete);
    return true;
}

void ClickInPileBlock(int hit)
{
    if (hit == 0)
        return;
    if (SelectedPile == 0) {
        if (PileTop(hit) == 0)
            return;
        Kit::PlaySound("WavDown");
        ToggleFrameOf(hit);
        SelectedPile = hit;
    } else if (SelectedPile == hit) {
        Kit::PlaySound("WavCancel");
        ToggleFrameOf(hit);
        SelectedPile = 0;
    } else {
        ClickMove(hit, 0);
    }
}

// The drop of a dragged card; false when no place took it.
bool Drop(int X, int Y, const TCard& c, int source)
{
    const QPoint corner = Kit::SpriteCorner(X, Y);
    const int near = Scaled(30);
    if (InFoundationBlock(X, Y, near)) {
        int f = 0;
        for (int g = 1; g <= 8; ++g)
            if (Distance(FoundationPosX[g], FoundationPosY[g] - 12, corner.x(), corner.y()) <= near)
                f = g;
        if (f != 0 && FoundationTakes(f, c)) {
            const bool complete = LayOnFoundation(f, c);
            MoveTail(complete);
            return true;
        }
    }
    if (InPileBlock(X, Y, near)) {
        int pile = 0;
        for (int p = 1; p <= 12; ++p)
            if (Distance(PileX(p), PileY(p) - 12, corner.x(), corner.y()) <= near)
                pile = p;
        if (pile != 0 && PileTakes(pile, c)) {
            LayOnPile(pile, c);
            if (pile != source) {
                MoveTail(false);
            } else {
                // Laid back where it came from: no move.
                DrawInfoPanel5();
                if (StockCount > 0 && Form1 && Form1->Button8)
                    Form1->Button8->setEnabled(false);
            }
            return true;
        }
    }
    return false;
}

void FlyHome(int X, int Y, const TCard& c, int source)
{
    if (Kit::CancelSounds(Kit::TCancelRule::FromPress, X, Y, 0, 0))
        Kit::PlaySound("WavCancel");
    if (source == WasteCode) {
        Kit::FlyBackIfFar(Kit::TFlyBack::BeyondThirty, X, Y, QPoint(AuxPile1X, AuxPile1Y - 6),
                          QPoint(AuxPile1X, AuxPile1Y), c.code);
        LayOnWaste(c);
    } else if (source >= 1 && source <= 12) {
        const QPoint corner = Kit::SpriteCorner(X, Y);
        Kit::FlyCard(corner.x(), corner.y(), PileX(source), BAcesTopY(source) - 2, c.code, 1, 0);
        LayOnPile(source, c);
    }
}

// A right press's bottom card taken off the stack it covers.
void EndPeek()
{
    const int pile = PeekPile;
    PeekPile = 0;
    if (pile == 0)
        return;
    RepaintPile(pile);
    if (SelectedPile == pile) {
        ToggleFrameOf(pile);
        Kit::PlaySound("WavCancel");
    }
}

void EndTest()
{
    Kit::TEndTest t;
    t.Won = [] { return StockCount == 0 && WasteCount == 1; };
    t.Stuck = [] { return false; };
    t.Caption = &Texts::TxtToMenu;
    t.Panel = [] { DrawInfoPanel5(); };
    t.WonPanel = Kit::TPanelOrder::BeforeScore;
    Kit::RunEndTest(t, true);
}

bool StartDrag(int X, int Y)
{
    int source = 0;
    int x = 0;
    int y = 0;
    if (Within(X, Y, AuxPile1X, AuxPile1Y, AuxPile1X + CardWidth, AuxPile1Y + CardHeight) && WasteCount >= 2) {
        source = WasteCode;
        x = AuxPile1X;
        y = BAcesWasteTopY();
    } else if (const int pile = BAcesPileAt(X, Y); pile != 0 && PileTop(pile) != 0) {
        source = pile;
        x = BAcesTopX(pile);
        y = BAcesTopY(pile);
    } else {
        return false;
    }
    if (!Kit::TakeUpDrag())
        return false;
    const TCard c = source == WasteCode ? TopOfWaste() : TopOfPile(source);
    DragSourcePile = source;
    Kit::HoldOneCard(c.code, c.value);
    Kit::ShowDragSprite(Kit::CardFrame(x, y), X, Y, true, [source] {
        if (source == WasteCode) {
            TakeFromWaste();
            RedrawKoloda5(0);
        } else {
            TakeFromPile(source);
            RepaintPile(source);
        }
    });
    return true;
}

// The card under a double click to the first foundation that takes it.
void SendToFoundation(int X, int Y)
{
    const bool fromWaste = InWaste(X, Y);
    int pile = 0;
    if (fromWaste) {
        if (WasteCount < 2)
            return;
    } else {
        pile = InPileBlock(X, Y) ? BAcesPileAt(X, Y) : 0;
        if (pile == 0 || PileTop(pile) == 0)
            return;
    }
    const TCard c = fromWaste ? TopOfWaste() : TopOfPile(pile);
    const int f = Kit::FittingFoundation(Kit::TFoundationSearch::First, 8, [&c](int g) { return FoundationTakes(g, c); });
    if (f == 0)
        return;
    const int fromX = fromWaste ? AuxPile1X : BAcesTopX(pile);
    const int fromY = fromWaste ? AuxPile1Y - 10 : BAcesTopY(pile);
    if (fromWaste) {
        TakeFromWaste();
        RedrawKoloda5(0);
    } else {
        TakeFromPile(pile);
        RepaintPile(pile);
    }
    Kit::FlyCard(fromX, fromY, FoundationPosX[f], FoundationTopY(f) - 2, c.code);
    MoveTail(LayOnFoundation(f, c));
}

bool HandOver(int X, int Y)
{
    const bool clickMode = Settings::MoveMode <= 1;
    if (StrictlyIn(X, Y, AuxPile1X, AuxPile1Y - 10, AuxPile1Y + CardHeight) && WasteCount >= 2)
        return true;
    if (StrictlyIn(X, Y, AuxPile2X, AuxPile2Y - 10, AuxPile2Y + CardHeight))
        return true;
    TCard sel;
    bool selected = false;
    if (clickMode && SelectedPile == WasteCode && WasteCount >= 2) {
        sel = TopOfWaste();
        selected = true;
    } else if (clickMode && SelectedPile >= 1 && SelectedPile <= 12 && PileTop(SelectedPile) != 0) {
        sel = TopOfPile(SelectedPile);
        selected = true;
    }
    if (selected) {
        const int f = FoundationAt(X, Y);
        if (f != 0 && FoundationTakes(f, sel))
            return true;
    }
    for (int p = 1; p <= 12; ++p) {
        if (PileTop(p) == 0 || !Within(X, Y, PileX(p), BAcesTopY(p), PileX(p) + CardWidth, PileY(p) + CardHeight))
            continue;
        if (!clickMode || SelectedPile == 0)
            return true;
        if (selected && PileSlot(p, PileTop(p)).suit() == sel.code.suit() && PileValue(p, PileTop(p)) == sel.value + 1)
            return true;
    }
    return false;
}

} // namespace

int BAcesPileAt(int X, int Y)
{
    for (int p = 12; p >= 1; --p)
        if (Within(X, Y, PileX(p), PileY(p) - 24, PileX(p) + CardWidth, PileY(p) + CardHeight))
            return p;
    return 0;
}

int BAcesTopX(int pile) { return PileX(pile); }

int BAcesTopY(int pile) { return PileY(pile) - 2 * std::max(0, NextOf(pile) - 2); }

int BAcesWasteTopY()
{
    int layers = 0;
    for (int i = 1; i <= 6; ++i)
        if (HoldsCard5(WasteCards[(i - 1) * 16 + 1]))
            layers = i;
    return AuxPile1Y - 2 * std::max(0, layers - 1);
}

void BAcesMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (Kit::PressWhileDragging())
        return;
    Kit::StartPressTiming();
    if (Button == platform::mbRight) {
        const int pile = BAcesPileAt(X, Y);
        if (pile == 0 || PileTop(pile) == 0 || PeekPile != 0)
            return;
        Kit::PlaySound("WavDown");
        if (SelectedPile == pile)
            ToggleFrameOf(pile);
        auto* table = Kit::TableImage();
        if (!table)
            return;
        CardDrawing::DrawCardFace(PileX(pile), PileY(pile), PileSlot(pile, 1), table->canvas());
        CardDrawing::DrawCardOutline(PileX(pile), PileY(pile), 1, table->canvas());
        table->update();
        PeekPile = pile;
        return;
    }
    if (Settings::MoveMode == 2 && Button == platform::mbLeft)
        StartDrag(X, Y);
}

void BAcesMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::SetTableMenu(!InPileBlock(X, Y));
    if (RoundPhase == 1 || GameOver)
        return;
    Kit::SetTableCursor(HandOver(X, Y) ? Kit::CursorHand : Kit::CursorArrow);
}

void BAcesMouseUp(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    UndoFlag = 0;
    const bool dragging = DragActive != 0;
    const bool peeked = PeekPile != 0;
    EndPeek();
    if (dragging) {
        Kit::RemoveDragSprite();
        const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
        const int source = DragSourcePile;
        if (!Drop(X, Y, c, source))
            FlyHome(X, Y, c, source);
        Kit::ClearHeld();
        DragSourcePile = 0;
    } else if (Button == platform::mbRight && (peeked || BAcesPileAt(X, Y) != 0)) {
        // The right button only peeks.
    } else if (InStock(X, Y) && StockCount > 0) {
        DealStock();
    } else if (Settings::MoveMode <= 1) {
        if (InWaste(X, Y) && WasteCount >= 2 && (SelectedPile == 0 || SelectedPile == WasteCode))
            ClickWaste();
        else if (InPileBlock(X, Y))
            ClickInPileBlock(BAcesPileAt(X, Y));
        else if (InFoundationBlock(X, Y) && SelectedPile != 0)
            if (const int f = FoundationAt(X, Y); f != 0)
                ClickMove(0, f);
    }
    DragActive = 0;
    if (!GameOver)
        EndTest();
}

void BAcesDblClick()
{
    const int source = DragSourcePile;
    Kit::EndDragOnDoubleClick([source] {
        const TCard c{TargetCard, static_cast<Byte>(TargetValue)};
        if (source == WasteCode)
            LayOnWaste(c);
        else if (source >= 1 && source <= 12)
            LayOnPile(source, c);
        DragSourcePile = 0;
    });
    if (Settings::MoveMode == 2)
        SendToFoundation(LastUpX, LastUpY);
    if (!GameOver)
        EndTest();
}

} // namespace Group5
