// Book's table handlers: runs dragged between the eight rows and single cards onto the
// foundations in every move mode, the waste's top card dragged (mode 2) or selected and
// clicked onto its target (modes 0 and 1), the one-pass stock and the double click.
#include "games/group4/Qyv_Help2_4.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitFlight.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

namespace Group4 {

using namespace GameState;

namespace {

constexpr int WasteSelected = 9;
constexpr int FromWaste = 20;
// The lift buffer holds a whole row.
constexpr int RowSlots = 16;

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }
bool ClickMode() { return Settings::MoveMode == 0 || Settings::MoveMode == 1; }
int FanStep() { return BookBounds[4]; }

void Button8Enabled(bool on)
{
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(on);
}

// Every release ends the chance to undo the last stock turn.
void EndUndo()
{
    UndoFlag = 0;
    if (Button8Mode == 1)
        Button8Enabled(false);
}

void Refresh()
{
    if (auto* t = Kit::TableImage())
        t->repaintNow();
}

bool OtherColour(const TCardCode& a, const TCardCode& b) { return cards::isRed(a) != cards::isRed(b); }

// May slots Slot..last of the row be lifted: each card the other colour of the one
// below it and exactly one lower.
bool RunLiftable(int Row, int Slot)
{
    if (Row < 1 || Row > 8 || Slot < 1 || Slot > RowSlots)
        return false;
    const Cards104& row = PileCards[Row];
    const int last = LastCardIndex4(row);
    if (Slot > last)
        return false;
    for (int k = Slot + 1; k <= last; ++k)
        if (!OtherColour(row[k], row[k - 1]) || int(PileValues[Row][k]) + 1 != int(PileValues[Row][k - 1]))
            return false;
    return true;
}

bool RunUnder(int X, int Y, int& Row, int& Slot)
{
    int area = 0;
    BookHitTest(X, Y, Slot, Row, area);
    return area == AreaRow && RunLiftable(Row, Slot);
}

int RowTop(int Row) { return BookBounds[2] + ((Row - 1) % 4) * BookBounds[5]; }

// Left edge of the card in slot Slot of the row.
int SlotX(int Row, int Slot)
{
    return Row <= 4 ? BookBounds[1] - (Slot - 1) * FanStep() - CardWidth : BookBounds[3] + (Slot - 1) * FanStep();
}

Kit::TLiftFrame RunFrame(int Row, int Slot, int Last)
{
    const int i = CardInset;
    Kit::TLiftFrame f;
    f.Top = RowTop(Row) - i;
    f.Bottom = RowTop(Row) + BookBounds[5] - 4 + i;
    if (Row <= 4) {
        f.Left = BookBounds[1] - (Last - 1) * FanStep() - CardWidth - i;
        f.Right = BookBounds[1] - (Slot - 1) * FanStep() + i;
    } else {
        f.Left = BookBounds[3] + (Slot - 1) * FanStep() - i;
        f.Right = BookBounds[3] + (Last - 1) * FanStep() + CardWidth + i;
    }
    return f;
}

void LiftRun(int Row, int Slot)
{
    Kit::ClearLiftBuffer(RowSlots);
    int n = 0;
    for (int s = Slot; s <= RowSlots; ++s) {
        if (!HoldsCard(PileCards[Row][s]))
            continue;
        ++n;
        LiftedCards[n] = PileCards[Row][s];
        LiftedValues[n] = PileValues[Row][s];
        PileCards[Row][s] = cards::Empty;
        PileValues[Row][s] = cards::EmptyValue;
    }
    LiftedFromPile = Row;
    Kit::HoldLifted(n, FanStep(), Row <= 4 ? 2 : 1);
}

// Appends the lifted cards after the row's last card; false (nothing moved) when the
// row has no room for all of them.
bool AppendLifted(int Row)
{
    const int count = Kit::LiftedCount(RowSlots);
    const int last = LastCardIndex4(PileCards[Row]);
    if (last + count > RowSlots)
        return false;
    for (int k = 1; k <= count; ++k) {
        PileCards[Row][last + k] = LiftedCards[k];
        PileValues[Row][last + k] = LiftedValues[k];
    }
    Kit::ClearLiftBuffer(RowSlots);
    RedrawColumn4(Row, 0);
    return true;
}

// The lifted cards back where they came from.
void ReturnLifted()
{
    if (LiftedFromPile >= 1 && LiftedFromPile <= 8) {
        AppendLifted(LiftedFromPile);
    } else if (LiftedFromPile == FromWaste) {
        Kit::ReturnWasteTop(RowSlots);
        RedrawStockWaste4();
    }
}

void OntoFoundation(int F, const TCardCode& card, Byte value)
{
    const int next = FoundationNextSlot[F];
    if (next < 1 || next > 13)
        return;
    FoundationCards[F][next] = card;
    FoundationValues[F][next] = value;
    ++FoundationNextSlot[F];
}

TCardCode WasteTop() { return WasteCount >= 2 && WasteCount <= 105 ? WasteCards[WasteCount - 1] : cards::Empty; }

bool InStockColumn(int X) { return BookStockRect[1] <= X && X <= BookStockRect[3]; }
bool OnStock(int X, int Y) { return InStockColumn(X) && BookStockRect[2] < Y && Y < BookStockRect[4]; }
bool OnWaste(int X, int Y)
{
    return BookWasteRect[1] <= X && X <= BookWasteRect[3] && BookWasteRect[2] < Y && Y < BookWasteRect[4];
}

void StockClick()
{
    if (StockCount > 0) {
        DealFromKoloda4();
        BookCardListPanel(false);
        ++MoveCounter;
        UndoFlag = 1;
        Button8Enabled(true);
        if (StockCount == 0) {
            if (Form1 && Form1->Button8)
                Form1->Button8->setText(Texts::Tx(Texts::TxtThatsAll));
            Button8Mode = 2;
        }
        Kit::PlaySound("WavCardUp");
    }
    DrawInfoPanel4();
}

// The drag ends at (X, Y): the run onto a row or, single, onto a foundation, else back.
void DropLifted(int X, int Y)
{
    int slot = 0, row = 0, area = 0;
    const bool top = BookHitTest(X, Y, slot, row, area);
    const int count = Kit::LiftedCount(RowSlots);
    bool placed = false;
    if (area == AreaRow && top && BookFitsTableau(LiftedCards[1], PileCards[row][slot])) {
        placed = AppendLifted(row);
    } else if (area == AreaFoundation && count == 1 && BookFitsFoundation(LiftedCards[1], slot)) {
        OntoFoundation(slot, LiftedCards[1], LiftedValues[1]);
        Kit::ClearLiftBuffer(RowSlots);
        RedrawFoundation4(slot);
        placed = true;
    }
    if (placed) {
        Kit::PlaySound("WavCardUp");
    } else {
        if (Kit::FarFromPress(X, Y))
            Kit::PlaySound("WavCancel");
        ReturnLifted();
    }
    Kit::ClearHeld();
    DragActive = 0;
    LastUpX = X;
    LastUpY = Y;
    DrawInfoPanel4();
}

// The selected waste card clicked at (X, Y): moved there, or the selection dropped.
void PlaySelectedWaste(int X, int Y)
{
    int slot = 0, row = 0, area = 0;
    const bool top = BookHitTest(X, Y, slot, row, area);
    const TCardCode c = WasteTop();
    const Byte value = WasteCount >= 2 ? WasteValues[WasteCount - 1] : cards::EmptyValue;
    const bool toRow = area == AreaRow && top && HoldsCard(c) && BookFitsTableau(c, PileCards[row][slot])
        && LastCardIndex4(PileCards[row]) < RowSlots;
    const bool toFoundation = area == AreaFoundation && HoldsCard(c) && BookFitsFoundation(c, slot);
    SelectedPile = 0;
    if (!toRow && !toFoundation) {
        Kit::ToggleSelectionFrame(AuxPile1X, AuxPile1Y);
        return;
    }
    const int fromX = AuxPile1X;
    const int fromY = AuxPile1Y;
    int toX = 0, toY = 0;
    BookCardPos(toFoundation, slot, row, toX, toY);
    WasteCards[WasteCount - 1] = cards::Empty;
    WasteValues[WasteCount - 1] = cards::EmptyValue;
    --WasteCount;
    RedrawStockWaste4();
    Refresh();
    if (toRow) {
        Kit::ClearLiftBuffer(RowSlots);
        LiftedCards[1] = c;
        LiftedValues[1] = value;
        if (Settings::MoveMode == 1)
            Kit::FlyCard(fromX, fromY, toX, toY, c, 1, 0);
        AppendLifted(row);
    } else {
        if (Settings::MoveMode == 1)
            Kit::FlyCard(fromX, fromY, toX, toY, c, 1, 0);
        OntoFoundation(slot, c, value);
        RedrawFoundation4(slot);
    }
    Kit::PlaySound("WavCardUp");
}

void EndTest()
{
    int count = 0;
    if (StockCount != 0 || !CountMoves4(count))
        return;
    Kit::EndGame(true, {&Texts::TxtExitToMenu, {}, Kit::TPanelOrder::None});
    Button8Mode = 3;
}

} // namespace

void BookMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (!Kit::BeginPress(Button) || SelectedPile == WasteSelected)
        return;
    Kit::StartPressTiming();
    int row = 0, slot = 0;
    int area = 0, hitSlot = 0, hitRow = 0;
    BookHitTest(X, Y, hitSlot, hitRow, area);
    const bool fromRow = RunUnder(X, Y, row, slot);
    const bool fromWaste = !fromRow && area == AreaWaste && Settings::MoveMode == 2 && WasteCount > 1;
    if (!fromRow && !fromWaste)
        return;
    const Kit::TLiftFrame frame = fromRow
        ? RunFrame(row, slot, LastCardIndex4(PileCards[row]))
        : Kit::TLiftFrame{BookWasteRect[1] - CardInset, WasteTopY4() - CardInset, BookWasteRect[3] + CardInset,
                          WasteTopY4() + CardHeight + CardInset};
    if (!Kit::TakeUpDrag())
        return;
    // The cards leave the table state first; the sprite takes its picture from the
    // table, where they are still drawn, before their place is repainted.
    if (fromRow) {
        LiftRun(row, slot);
        Kit::ShowDragSprite(frame, X, Y, true, [row] { RedrawColumn4(row, 0); });
    } else {
        Kit::LiftWasteTop(RowSlots);
        Kit::ShowDragSprite(frame, X, Y, true, [] { RedrawStockWaste4(); });
    }
}

void BookMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    int slot = 0, row = 0, area = 0;
    const bool top = BookHitTest(X, Y, slot, row, area);
    const bool idle = !DragActive && !FlightActive;
    if ((!DragActive && Settings::MoveMode == 2) || (ClickMode() && SelectedPile == 0)) {
        int r = 0, s = 0;
        const bool hand = (idle && OnStock(X, Y) && StockCount > 0) || (idle && OnWaste(X, Y) && WasteCount > 1)
            || RunUnder(X, Y, r, s) || (Settings::MoveMode == 2 && area == AreaWaste);
        Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
    } else if (ClickMode() && SelectedPile != 0) {
        const TCardCode c = WasteTop();
        const bool hand = HoldsCard(c)
            && ((area == AreaRow && top && BookFitsTableau(c, PileCards[row][slot]))
                || (area == AreaFoundation && BookFitsFoundation(c, slot)));
        Kit::SetTableCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
    }
    if (DragActive) {
        const bool hand = (area == AreaRow && top && BookFitsTableau(LiftedCards[1], PileCards[row][slot]))
            || (area == AreaFoundation && Kit::LiftedCount(RowSlots) == 1 && BookFitsFoundation(LiftedCards[1], slot));
        Kit::SetScreenCursor(hand ? Kit::CursorHand : Kit::CursorArrow);
    }
}

void BookMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::RestoreScreenCursor();
    const bool idle = !DragActive && !FlightActive;
    if (idle && InStockColumn(X) && BookStockRect[2] <= Y && Y <= BookWasteRect[4]) {
        EndUndo();
        if (OnStock(X, Y)) {
            StockClick();
        } else if (OnWaste(X, Y) && ClickMode() && WasteCount > 1) {
            SelectedPile = SelectedPile == WasteSelected ? 0 : WasteSelected;
            Kit::ToggleSelectionFrame(AuxPile1X, AuxPile1Y);
            DrawInfoPanel4();
        }
        return;
    }
    EndUndo();
    if (DragActive) {
        Kit::RemoveDragSprite();
        DropLifted(X, Y);
    } else if (SelectedPile != 0) {
        PlaySelectedWaste(X, Y);
    }
    BookCardListPanel(false);
    DrawInfoPanel4();
    EndTest();
}

void BookDblClick()
{
    Kit::EndDragOnDoubleClick([] {
        ReturnLifted();
        Kit::ClearLiftBuffer(RowSlots);
    });
    int slot = 0, row = 0, area = 0;
    const bool top = BookHitTest(LastUpX, LastUpY, slot, row, area);
    if (area != AreaRow || !top || row < 1 || row > 8 || slot < 1 || slot > RowSlots)
        return;
    const TCardCode card = PileCards[row][slot];
    const int value = PileValues[row][slot];
    const int suit = cards::suitOrder(card.suit());
    if (!HoldsCard(card) || suit < 0)
        return;
    int target = 2 * suit + 1;
    if (value + 1 != FoundationNextSlot[target]) {
        ++target;
        if (value + 1 != FoundationNextSlot[target])
            return;
    }
    OntoFoundation(target, card, Byte(value));
    PileCards[row][slot] = cards::Empty;
    PileValues[row][slot] = cards::EmptyValue;
    RedrawColumn4(row, 0);
    if (Settings::MoveMode != 0) {
        int toX = 0, toY = 0;
        BookCardPos(true, target, 0, toX, toY);
        Kit::FlyCard(SlotX(row, slot), RowTop(row), toX, toY, card, 1, 0);
    }
    RedrawFoundation4(target);
    Kit::PlaySound("WavCardUp");
}

} // namespace Group4
