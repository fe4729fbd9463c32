#include "games/group1/Group1Kit.h"
#include "games/kit/KitTable.h"

#include "foundation/Celebration.h"
#include "foundation/CardDrawing.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group1/Qyv_Help2_1.h"
#include "platform/Seams.h"

#include <QGuiApplication>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cstdlib>

namespace Group1 {

using namespace GameState;
using Scaling::Scaled;

namespace {


int g_screenShape = CursorDefault;
bool g_overrideOn = false;

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

// ---- cursors and the stock hint ----

QCursor CursorOf(int shape)
{
    using FontsAndCursors::CursorKind;
    const int set = Settings::YellowCursor ? 1 : 0;
    if (shape == CursorHand)
        return HandCursorSet ? HandCursorSet(set) : FontsAndCursors::CursorOf(CursorKind::Hand, set).FrameAt(0);
    return ArrowCursorSet ? ArrowCursorSet(set) : FontsAndCursors::CursorOf(CursorKind::Arrow, set).FrameAt(0);
}

void SetScreenCursor(int shape)
{
    if (shape != CursorArrow && shape != CursorHand)
        shape = CursorDefault;
    g_screenShape = shape;
    if (shape == CursorDefault) {
        if (g_overrideOn)
            QGuiApplication::restoreOverrideCursor();
        g_overrideOn = false;
        return;
    }
    if (g_overrideOn)
        QGuiApplication::changeOverrideCursor(CursorOf(shape));
    else
        QGuiApplication::setOverrideCursor(CursorOf(shape));
    g_overrideOn = true;
}

int ScreenCursor()
{
    return g_screenShape;
}

void SaveScreenCursor()
{
    SavedCursor = g_screenShape;
}

void RestoreScreenCursor()
{
    SetScreenCursor(SavedCursor);
}

void SetTableCursor(int shape)
{
    if (auto* t = Kit::TableImage())
        t->setCursor(CursorOf(shape == CursorHand ? CursorHand : CursorArrow));
}

void SetStockHint(bool shown)
{
    if (auto* t = Kit::TableImage())
        t->setToolTip(shown ? t->property(StockHintProperty).toString() : QString());
}

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

bool BeginPress(platform::MouseButton Button)
{
    SaveScreenCursor();
    return Button == platform::mbLeft;
}

void StartPressTiming()
{
    PressTime = platform::monotonicMillis();
    PickSoundOn = std::llabs(PressTime - PressTime2) > 1000;
    PressTime2 = PressTime;
}

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

TLiftFrame PileRunFrame(int p, int s)
{
    const int t = std::max(LastCardIndex1(PileCards[p]), s);
    return {SpecialX[p] - CardInset, SlotY(p, s) - CardInset, SpecialX[p] + CardWidth + CardInset,
            SlotY(p, t) + CardHeight + CardInset};
}

TLiftFrame WasteTopFrame()
{
    return CardFrame(SpecialX[2], WasteTopY1());
}

TLiftFrame CardFrame(int x, int y)
{
    return {x - CardInset, y - CardInset, x + CardWidth + CardInset, y + CardHeight + CardInset};
}

bool TakeUpDrag()
{
    if (DragActive)
        return false;
    if (PickSoundOn)
        Kit::PlaySound("WavDown");
    DragActive = 1;
    return true;
}

void ClearLiftBuffer()
{
    for (int i = 1; i <= LiftSlots(); ++i) {
        LiftedCards[i] = cards::Empty;
        LiftedValues[i] = cards::EmptyValue;
    }
}

int LiftPileRun(int p, int s)
{
    ClearLiftBuffer();
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

void LiftWasteTop()
{
    ClearLiftBuffer();
    if (WasteCount < 2)
        return;
    const int top = WasteCount - 1;
    LiftedCards[1] = WasteCards[top];
    LiftedValues[1] = WasteValues[top];
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    --WasteCount;
    LiftedFromPile = 20;
    DragRun = TSpr{};
    DragRun.K = 1;
    DragRun.G = 1;
    DragRun.H = 0;
    DragRun.C[1] = LiftedCards[1];
}

void ShowDragSprite(const TLiftFrame& frame, int X, int Y, bool recordPressPoint,
                    const std::function<void()>& redrawSource)
{
    // The sprite takes its picture from the table while the cards are still drawn.
    Sprite::CurrentSprite = std::make_unique<Sprite::TSprite>(frame.Left, frame.Top, frame.Right, frame.Bottom,
                                                              cards::NoPicture, true, 0, DragRun);
    DragOffsetX = X - frame.Left;
    DragOffsetY = Y - frame.Top;
    if (recordPressPoint) {
        PressX = X;
        PressY = Y;
    }
    if (redrawSource)
        redrawSource();
    Sprite::TakeTableForSprite();
    Sprite::SpriteMoveTo(X - DragOffsetX, Y - DragOffsetY, 1);
}

// ---- move ----

void DragCursor(int X, int Y, bool foundations)
{
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(X, Y, p, s, kind);
    bool hand = false;
    if (kind == KindPile && top && p >= 1 && s >= 1)
        hand = FitsTableau1(LiftedCards[1], PileCards[p][s]);
    else if (foundations && kind == KindFoundationOrCell && p >= 1 && LiftedCount() == 1)
        hand = FitsFoundation1(LiftedCards[1], p);
    SetScreenCursor(hand ? CursorHand : CursorArrow);
}

// ---- release ----

void RemoveDragSprite()
{
    Sprite::SpriteHide(0, 0, 1);
    Sprite::FreeSprite();
    if (auto* t = Kit::TableImage())
        t->update();
}

int LiftedCount()
{
    int n = 0;
    for (int i = 1; i <= LiftSlots(); ++i)
        if (HoldsCard(LiftedCards[i]))
            ++n;
    return n;
}

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
        ClearLiftBuffer();
        RedrawStockWaste1(0);
    }
}

bool FarFromPress(int X, int Y)
{
    return Celebration::Distance(X, Y, PressX, PressY) > Scaled(30);
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
    RemoveDragSprite();
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
    } else if (o.Foundations && kind == KindFoundationOrCell && p >= 1 && LiftedCount() == 1
               && FitsFoundation1(LiftedCards[1], p)) {
        PutLiftedOnFoundation(p);
        if (fromPile) {
            PileFanStep[src] = FanStep1(src);
            RedrawColumn1(src, 0);
        }
        Kit::PlaySound("WavCardUp");
        result = DropResult::OnFoundation;
    } else {
        if (o.CancelAlways || FarFromPress(X, Y))
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

// ---- flights, selection and the double click ----

void FlyCard(int x1, int y1, int x2, int y2, const TCardCode& card, int speedFactor)
{
    if (auto* t = Kit::TableImage())
        t->repaintNow();
    Sprite::SpriteFly(x1, y1, x2, y2, FlySpeed * speedFactor, card, 1);
}

void ToggleSelectionFrame(int x, int y)
{
    if (auto* t = Kit::TableImage())
        CardDrawing::DrawCardOutline(x, y, 1, t);
}

bool EndDragOnDoubleClick()
{
    if (!DragActive)
        return false;
    RemoveDragSprite();
    ReturnLifted();
    DragActive = 0;
    return true;
}

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
        FlyCard(SpecialX[p], SlotY(p, s), FoundationPlaceX(f), FoundationPlaceY(), card);
    RedrawFoundation1(f);
    if (o.Count)
        ++MoveCounter;
    Kit::PlaySound(o.StopkaOnComplete && FoundationNextSlot[f] == 14 ? "WavStopka" : "WavCardUp");
    return f;
}

// ---- the end of a game ----

void EndGame(bool won)
{
    if (Form1 && Form1->Button8) {
        Form1->Button8->setEnabled(true);
        Form1->Button8->setText(Texts::Tx(Texts::TxtToMenu));
    }
    if (auto* t = Kit::TableImage())
        t->repaintNow();
    Kit::PlaySound(won ? "WavKoGood" : "WavKoBads");
    GameOver = 1;
    if (won)
        Celebration::StartWinBalloons();
    ShowScoreWindow();
}

} // namespace Group1
