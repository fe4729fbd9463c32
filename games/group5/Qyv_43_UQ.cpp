// Uncle Pelk: the clicks on the table and on the deck image. The deal, the painters, the
// deal from the stock, the sequences to the foundations, the boards and the stuck test
// are the group engine's; the take-back of the last deal is the main window's.
#include "games/group5/Qyv_43_UQ.h"

#include "foundation/CardDrawing.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Qyv_FQuest.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "games/group5/Qyv_Help2_5.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <QPoint>
#include <algorithm>

namespace Group5 {

using namespace GameState;
using Scaling::Scaled;

namespace {

constexpr int WasteSelected = 9;
constexpr int StockSelected = 10;

// The column whose bottom card a right press shows until the next release (0: none).
int PeekColumn = 0;

platform::PictureControl* Table() { return Form1 ? Form1->ImageStol : nullptr; }
platform::PictureControl* Deck() { return Form1 ? Form1->ImageKoloda : nullptr; }

bool Flies() { return Settings::MoveMode != 0; }

// Window points of the two images, for flights.
QPoint OnTable(int x, int y) { return {x + MainAreaRect[1], y + MainAreaRect[2]}; }
QPoint OnDeck(int x, int y) { return {x + SideAreaRect[1], y + SideAreaRect[2]}; }

void Fly(QPoint from, QPoint to, const TCardCode& card, int count, platform::PictureControl* refresh)
{
    if (!Flies())
        return;
    if (refresh)
        refresh->repaintNow();
    Sprite::SpriteFly(from.x(), from.y(), to.x(), to.y(), FlySpeed, card, count);
}

void ToggleColumnFrame(int c)
{
    if (auto* t = Table()) {
        CardDrawing::DrawCardOutline(PileTopX[c], PileTopY[c], 1, t);
        t->update();
    }
}

void ToggleDeckFrame(int x, int y)
{
    if (auto* d = Deck()) {
        CardDrawing::DrawCardOutline(x, y, 1, d);
        d->update();
    }
}

bool Downward(int c) { return PelkAceBase[c] == 0; }
bool Waits(int c) { return PelkColumnWaiting[c] != 0; }

void RecountWaiting()
{
    PelkRefillPending = 0;
    for (int c = 1; c <= 8; ++c)
        PelkRefillPending = PelkRefillPending || PelkColumnWaiting[c];
}

void StartWaiting(int c)
{
    PelkColumnWaiting[c] = 1;
    PelkRefillPending = 1;
}

struct TCard {
    TCardCode code;
    Byte value = cards::EmptyValue;
};

// ---- the waste's or the stock's top card as a source ----

bool FromWaste() { return SelectedPile == WasteSelected; }
int SourceCount() { return FromWaste() ? WasteCount - 1 : StockCount; }
TCard SourceTop()
{
    if (FromWaste())
        return {WasteCards[WasteCount - 1], WasteValues[WasteCount - 1]};
    return {StockCards[StockCount], StockValues[StockCount]};
}
QPoint SourcePlace() { return FromWaste() ? OnDeck(AuxPile1X, AuxPile1Y) : OnDeck(AuxPile2X, AuxPile2Y); }
void TakeSourceTop()
{
    if (FromWaste()) {
        WasteCards[WasteCount - 1] = cards::Empty;
        WasteValues[WasteCount - 1] = cards::EmptyValue;
        --WasteCount;
    } else {
        StockCards[StockCount] = cards::Empty;
        StockValues[StockCount] = cards::EmptyValue;
        --StockCount;
    }
}

void MoveDone(const char* sound)
{
    ++MoveCounter;
    if (sound)
        Kit::PlaySound(sound);
    DrawTabloY5(false);
}

// A 13-card column goes out; else the card's sound.
const char* SequenceOut(int c)
{
    if (PelkTopSlot(c) == 13 && HoldsCard5(PileCards[c][13])) {
        SequenceToFoundation5(c);
        return "WavStopka";
    }
    return "WavCardUp";
}

// The source's Ace slid under downward column h: the column's cards go onto the source
// in their order, its top card last, and the Ace becomes the column's base.
void SlideAceUnder(int h)
{
    const TCard ace = SourceTop();
    const QPoint from = SourcePlace();
    TakeSourceTop();
    RedrawKoloda5(0);
    Fly(from, OnTable(PileBaseX[h], PileBaseY[h]), ace.code, 1, Deck());
    const int n = PelkTopSlot(h);
    for (int k = 1; k <= n; ++k) {
        if (FromWaste()) {
            WasteCards[WasteCount] = PileCards[h][k];
            WasteValues[WasteCount] = PileValues[h][k];
            ++WasteCount;
        } else {
            ++StockCount;
            StockCards[StockCount] = PileCards[h][k];
            StockValues[StockCount] = PileValues[h][k];
        }
        PileCards[h][k] = cards::Empty;
        PileValues[h][k] = cards::EmptyValue;
    }
    const QPoint top = OnTable(PileTopX[h], PileTopY[h]);
    const TCard newTop = SourceTop();
    PileCards[h][1] = ace.code;
    PileValues[h][1] = ace.value;
    PelkAceBase[h] = 1;
    RedrawColumn5(h, 0);
    RedrawKoloda5(0);
    Fly(top, FromWaste() ? OnDeck(AuxPile1X, AuxPile1Y) : OnDeck(AuxPile2X, AuxPile2Y), newTop.code, 1, Table());
    SelectedPile = 0;
    MoveDone("WavCardUp");
}

void Refill(int h)
{
    const TCard c = SourceTop();
    const QPoint from = SourcePlace();
    TakeSourceTop();
    RedrawKoloda5(0);
    SelectedPile = 0;
    PileCards[h][1] = c.code;
    PileValues[h][1] = c.value;
    PelkAceBase[h] = c.code.rank() == cards::RankAce ? 1 : 0;
    PelkColumnWaiting[h] = 0;
    RecountWaiting();
    Fly(from, OnTable(PileBaseX[h], PileBaseY[h]), c.code, 1, Deck());
    RedrawColumn5(h, 0);
    MoveDone("WavCardUp");
}

// A downward column that receives its Ace turns over and builds up.
void TurnOver(int h)
{
    const int n = PelkTopSlot(h);
    for (int a = 1, b = n; a < b; ++a, --b) {
        std::swap(PileCards[h][a], PileCards[h][b]);
        std::swap(PileValues[h][a], PileValues[h][b]);
    }
    PelkAceBase[h] = 1;
    RedrawColumn5(h, 0);
}

void Build(int h)
{
    const TCard c = SourceTop();
    const QPoint from = SourcePlace();
    const int n = PelkTopSlot(h);
    TakeSourceTop();
    RedrawKoloda5(0);
    PileCards[h][n + 1] = c.code;
    PileValues[h][n + 1] = c.value;
    Fly(from, OnTable(PileTopX[h], PileTopY[h] - 2), c.code, 1, Deck());
    RedrawColumn5(h, 0);
    SelectedPile = 0;
    if (c.code.rank() == cards::RankAce)
        TurnOver(h);
    MoveDone(SequenceOut(h));
}

bool BuildsOn(int h, const TCard& c)
{
    const int n = PelkTopSlot(h);
    if (n == 0 || PileCards[h][n].suit() != c.code.suit())
        return false;
    return Downward(h) ? c.value + 1 == PileValues[h][n] : c.value == PileValues[h][n] + 1;
}

bool AceSlidesUnder(int h, const TCard& c)
{
    const int n = PelkTopSlot(h);
    return c.code.rank() == cards::RankAce && n > 0 && Downward(h) && PileCards[h][n].suit() == c.code.suit()
           && PileValues[h][n] != 1;
}

// The waste's or the stock's top card clicked onto column h; false when nothing applies.
bool DeckCardTo(int h)
{
    if (SourceCount() < 1)
        return false;
    const TCard c = SourceTop();
    if (AceSlidesUnder(h, c)) {
        SlideAceUnder(h);
        return true;
    }
    if (PelkRefillPending && Waits(h)) {
        Refill(h);
        return true;
    }
    if (BuildsOn(h, c)) {
        Build(h);
        return true;
    }
    return false;
}

// ---- column to column ----

void MoveOneCard(int s, int h, int slot)
{
    const int n = PelkTopSlot(h);
    const TCard c{PileCards[s][slot], PileValues[s][slot]};
    const QPoint from = OnTable(PileTopX[s], PileTopY[s] - 2);
    PileCards[h][n + 1] = c.code;
    PileValues[h][n + 1] = c.value;
    PileCards[s][slot] = cards::Empty;
    PileValues[s][slot] = cards::EmptyValue;
    RedrawColumn5(s, 0);
    Fly(from, OnTable(PileTopX[h], PileTopY[h] - 2), c.code, 1, Table());
    RedrawColumn5(h, 0);
}

// Returns false when the question was cancelled (the selection stays).
bool OntoUpward(int s, int h)
{
    const int m = PelkTopSlot(s);
    int start = m;
    if (m > 1) {
        const int answer = AskMoveQuestion();
        if (Form1)
            for (auto* image : {Form1->ImageKon, Form1->ImageTuzi, Form1->ImageStol, Form1->ImageKoloda})
                if (image)
                    image->update();
        if (answer < 1 || answer > 13)
            return false;
        start = 0;
        if (answer == 13)
            start = 1;
        for (int k = 1; k <= m && start == 0; ++k)
            if (PileValues[s][k] == answer)
                start = k;
        if (start == 0)
            return false;
    }
    for (int i = m; i >= start; --i) {
        MoveOneCard(s, h, i);
        if (!Flies() && m > 1) {
            if (auto* t = Table())
                t->repaintNow();
            platform::sleepMs(10);
        }
    }
    if (start == 1)
        StartWaiting(s);
    SelectedPile = 0;
    MoveDone(SequenceOut(h));
    return true;
}

void OntoDownward(int s, int h)
{
    const int m = PelkTopSlot(s);
    if (m == 1) {
        MoveOneCard(s, h, 1);
    } else {
        const int n = PelkTopSlot(h);
        const QPoint from = OnTable(PileTopX[s], PileTopY[s]);
        const TCardCode top = PileCards[s][m];
        for (int k = 1; k <= m; ++k) {
            PileCards[h][n + k] = PileCards[s][k];
            PileValues[h][n + k] = PileValues[s][k];
            PileCards[s][k] = cards::Empty;
            PileValues[s][k] = cards::EmptyValue;
        }
        RedrawColumn5(s, 0);
        Fly(from, OnTable(PileTopX[h], PileTopY[h] - 2 * m), top, m, Table());
        RedrawColumn5(h, 0);
    }
    StartWaiting(s);
    SelectedPile = 0;
    MoveDone("WavCardUp");
}

// Returns false when the release ends without the end test.
bool ColumnSelected(int s, int h)
{
    if (h == s) {
        Kit::PlaySound("WavCancel");
        ToggleColumnFrame(s);
        SelectedPile = 0;
        return true;
    }
    const int m = PelkTopSlot(s);
    const int n = PelkTopSlot(h);
    if (m > 0 && n > 0 && PileCards[s][m].suit() == PileCards[h][n].suit()) {
        if (!Downward(h) && PileValues[s][m] == PileValues[h][n] + 1) {
            ToggleColumnFrame(s);
            if (OntoUpward(s, h))
                return true;
            ToggleColumnFrame(s);
            return false;
        }
        if (Downward(h) && PileValues[s][1] + 1 == PileValues[h][n]) {
            ToggleColumnFrame(s);
            OntoDownward(s, h);
            return true;
        }
    }
    ToggleColumnFrame(s);
    SelectedPile = 0;
    if (n > 0 && Downward(h)) {
        ToggleColumnFrame(h);
        SelectedPile = h;
    }
    return true;
}

// ---- the end ----

void EndTest()
{
    DrawProgress5(false);
    int count = 0;
    if (!CountMoves5(count))
        return;
    if (Form1 && Form1->Button8)
        Form1->Button8->setEnabled(true);
    DrawTabloG5();
    if (Form1)
        for (auto* image : {Form1->ImageKon, Form1->ImageTuzi, Form1->ImageStol, Form1->ImageKoloda, Form1->ImageTablo2})
            if (image)
                image->repaintNow();
    Kit::PlaySound(GameWon ? "WavKoGood" : "WavKoBads", true);
    if (GameWon)
        Celebration::StartWinBalloons();
    GameOver = 1;
}

void EndPeek()
{
    const int c = PeekColumn;
    PeekColumn = 0;
    if (c == 0)
        return;
    RedrawColumn5(c, 0);
    if (SelectedPile == c) {
        ToggleColumnFrame(c);
        Kit::PlaySound("WavCancel");
    }
}

void TakeBackUndo()
{
    UndoFlag = 0;
    if (Form1 && Form1->Button7)
        Form1->Button7->setEnabled(false);
}

// ---- the deck image ----

void TurnWasteOver()
{
    if (SelectedPile == WasteSelected)
        SelectedPile = 0;
    const int n = WasteCount - 1;
    for (int i = 1; i <= n; ++i) {
        ++StockCount;
        StockCards[StockCount] = WasteCards[WasteCount - i];
        StockValues[StockCount] = WasteValues[WasteCount - i];
    }
    for (int s = 1; s <= 104; ++s) {
        WasteCards[s] = cards::Empty;
        WasteValues[s] = cards::EmptyValue;
    }
    WasteCount = 1;
    ++PassCount;
    DrawProgress5(false);
    DrawTabloY5(false);
    RedrawKoloda5(0);
    Kit::PlaySound("WavStopka");
}

void ClickStock()
{
    if (!PelkRefillPending) {
        if (StockCount > 0) {
            DealFromKoloda5();
            ++MoveCounter;
            DrawTabloY5(false);
            UndoFlag = 1;
            if (Form1 && Form1->Button7)
                Form1->Button7->setEnabled(true);
            int count = 0;
            if (CountMoves5(count)) {
                TakeBackUndo();
                EndTest();
            } else {
                Kit::PlaySound("WavCardUp");
            }
        } else if (PassCount <= 2) {
            TurnWasteOver();
        }
        return;
    }
    if (StockCount == 0)
        return;
    auto* d = Deck();
    if (SelectedPile == 0) {
        Kit::PlaySound("WavDown");
        if (d) {
            CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, StockCards[StockCount], d->canvas());
            ToggleDeckFrame(AuxPile2X, AuxPile2Y);
        }
        SelectedPile = StockSelected;
    } else if (SelectedPile == StockSelected) {
        Kit::PlaySound("WavCancel");
        if (d) {
            CardDrawing::DrawCardBack(AuxPile2X, AuxPile2Y, d->canvas());
            d->update();
        }
        SelectedPile = 0;
    }
}

void ClickWaste()
{
    const int s = SelectedPile;
    if (s == 0 && WasteCount >= 2) {
        Kit::PlaySound("WavDown");
        SelectedPile = WasteSelected;
        ToggleDeckFrame(AuxPile1X, AuxPile1Y);
    } else if (s == WasteSelected) {
        Kit::PlaySound("WavCancel");
        SelectedPile = 0;
        ToggleDeckFrame(AuxPile1X, AuxPile1Y);
    } else if (s >= 1 && s <= 8 && WasteCount >= 2) {
        Kit::PlaySound("WavDown");
        ToggleColumnFrame(s);
        ToggleDeckFrame(AuxPile1X, AuxPile1Y);
        SelectedPile = WasteSelected;
    }
}

bool HandOverColumn(int h)
{
    const int n = PelkTopSlot(h);
    const int s = SelectedPile;
    if (s == WasteSelected || s == StockSelected) {
        if (SourceCount() < 1)
            return false;
        const TCard c = SourceTop();
        return AceSlidesUnder(h, c) || (PelkRefillPending && Waits(h)) || BuildsOn(h, c);
    }
    if (s == 0)
        return n > 0 && Downward(h);
    if (s < 1 || s > 8)
        return false;
    if (h == s)
        return true;
    const int m = PelkTopSlot(s);
    if (m == 0 || n == 0 || PileCards[s][m].suit() != PileCards[h][n].suit())
        return false;
    return Downward(h) ? PileValues[s][1] + 1 == PileValues[h][n] : PileValues[s][m] == PileValues[h][n] + 1;
}

} // namespace

int UnclePelkColumnAt(int X, int Y)
{
    const int W = PelkPitch();
    int row = 0;
    if (Y >= 0 && Y <= Scaled(26) + CardHeight)
        row = 1;
    else if (Y >= Scaled(26) + CardHeight + 25 && Y <= Scaled(300))
        row = 2;
    if (row == 0)
        return 0;
    for (int j = 1; j <= 4; ++j) {
        const int left = j == 1 ? 0 : W * (j - 1) + 3;
        if (X >= left && X <= W * j + 2)
            return row == 1 ? j : j + 4;
    }
    return 0;
}

bool UnclePelkInStock(int X, int Y) { return X > CardWidth + Scaled(1) && Y > Scaled(40); }
bool UnclePelkInWaste(int X, int Y) { return X < CardWidth + Scaled(1) && Y > Scaled(40); }

void UnclePelkKolodaMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    bool hand = false;
    if (UnclePelkInStock(X, Y)) {
        if (!PelkRefillPending)
            hand = StockCount > 0 || PassCount <= 2;
        else
            hand = StockCount > 0 && (SelectedPile == 0 || SelectedPile == StockSelected);
    } else if (UnclePelkInWaste(X, Y)) {
        hand = (SelectedPile == 0 && WasteCount >= 2) || SelectedPile == WasteSelected
               || (SelectedPile >= 1 && SelectedPile <= 8);
    }
    if (hand)
        if (auto* d = Deck())
            d->setCursor(Kit::CursorOf(Kit::CursorHand));
}

void UnclePelkKolodaMouseUp(platform::MouseButton /*Button*/, platform::ShiftState /*Shift*/, int X, int Y)
{
    TakeBackUndo();
    EndPeek();
    auto* d = Deck();
    if (!d || X <= 0 || Y <= 0 || X >= d->width() || Y >= d->height())
        return;
    if (UnclePelkInStock(X, Y))
        ClickStock();
    else if (UnclePelkInWaste(X, Y))
        ClickWaste();
}

void UnclePelkMouseDown(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    if (Button != platform::mbRight || Kit::PressWhileDragging() || PeekColumn != 0)
        return;
    const int c = UnclePelkColumnAt(X, Y);
    if (c == 0 || PelkTopSlot(c) < 2 || !Downward(c))
        return;
    auto* t = Table();
    if (!t)
        return;
    CardDrawing::DrawCardFace(PileBaseX[c], PileBaseY[c], PileCards[c][1], t->canvas());
    CardDrawing::DrawCardOutline(PileBaseX[c], PileBaseY[c], 1, t);
    t->update();
    PeekColumn = c;
}

void UnclePelkMouseMove(platform::ShiftState /*Shift*/, int X, int Y)
{
    Kit::SetTableMenu(false);
    if (RoundPhase == 1 || GameOver)
        return;
    const int h = UnclePelkColumnAt(X, Y);
    Kit::SetTableCursor(h != 0 && HandOverColumn(h) ? Kit::CursorHand : Kit::CursorArrow);
}

void UnclePelkMouseUp(platform::MouseButton Button, platform::ShiftState /*Shift*/, int X, int Y)
{
    TakeBackUndo();
    EndPeek();
    const int h = UnclePelkColumnAt(X, Y);
    if (h == 0)
        return;
    if (Button == platform::mbRight) {
        // The right button only peeks; a peek was taken back above.
        EndTest();
        return;
    }
    const int s = SelectedPile;
    if (s == WasteSelected || s == StockSelected) {
        if (!DeckCardTo(h)) {
            if (s == StockSelected)
                return EndTest();
            ToggleDeckFrame(AuxPile1X, AuxPile1Y);
            SelectedPile = 0;
            if (PelkTopSlot(h) > 0 && Downward(h)) {
                ToggleColumnFrame(h);
                SelectedPile = h;
            }
        }
    } else if (s == 0) {
        if (!Downward(h) || Waits(h) || PelkTopSlot(h) == 0)
            return;
        Kit::PlaySound("WavDown");
        ToggleColumnFrame(h);
        SelectedPile = h;
    } else if (s >= 1 && s <= 8) {
        if (!ColumnSelected(s, h))
            return;
    }
    EndTest();
}

} // namespace Group5
