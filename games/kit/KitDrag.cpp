#include "games/kit/KitDrag.h"

#include "foundation/Celebration.h"
#include "foundation/Scaling.h"
#include "foundation/Sprite.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <algorithm>

namespace Kit {

using namespace GameState;

namespace {

// A real card: a buffer slot that was never cleared holds a blank code, no card.
bool HoldsCard(const TCardCode& c)
{
    return cards::pictureIndex(c) > 0;
}

int BufferSlots(int size)
{
    return std::clamp(size, 1, 104);
}

void RunOfOne(const TCardCode& card)
{
    DragRun = TSpr{};
    DragRun.K = 1;
    DragRun.G = 1;
    DragRun.H = 0;
    DragRun.C[1] = card;
}

} // namespace

TLiftFrame CardFrame(int x, int y)
{
    return {x - CardInset, y - CardInset, x + CardWidth + CardInset, y + CardHeight + CardInset};
}

bool TakeUpDrag()
{
    if (DragActive)
        return false;
    if (PickSoundOn)
        PlaySound("WavDown");
    DragActive = 1;
    return true;
}

namespace {

void ShowSprite(const TLiftFrame& frame, const TCardCode& code, int X, int Y, bool recordPressPoint,
                const std::function<void()>& takeFromTable)
{
    Sprite::CurrentSprite =
        std::make_unique<Sprite::TSprite>(frame.Left, frame.Top, frame.Right, frame.Bottom, code, true, 0, DragRun);
    DragOffsetX = X - frame.Left;
    DragOffsetY = Y - frame.Top;
    if (recordPressPoint) {
        PressX = X;
        PressY = Y;
    }
    if (takeFromTable)
        takeFromTable();
    Sprite::TakeTableForDrag();
    Sprite::SpriteMoveTo(X - DragOffsetX, Y - DragOffsetY, 1);
}

} // namespace

void ShowDragSprite(const TLiftFrame& frame, int X, int Y, bool recordPressPoint,
                    const std::function<void()>& takeFromTable)
{
    ShowSprite(frame, cards::NoPicture, X, Y, recordPressPoint, takeFromTable);
}

void ShowCardDragSprite(const TLiftFrame& frame, const TCardCode& card, int X, int Y, bool recordPressPoint,
                        const std::function<void()>& takeFromTable)
{
    RunOfOne(card);
    ShowSprite(frame, card, X, Y, recordPressPoint, takeFromTable);
}

void RemoveDragSprite()
{
    Sprite::SpriteHide(0, 0, 1);
    Sprite::FreeSprite();
    if (auto* t = TableImage())
        t->update();
}

void HoldOneCard(const TCardCode& card, Byte value)
{
    TargetCard = card;
    TargetValue = value;
    RunOfOne(card);
}

void HoldRun(std::span<const TCardCode> run, std::span<const Byte> values, int step)
{
    ClearHeld();
    const int n = static_cast<int>(std::min({run.size(), values.size(), std::size_t{13}}));
    for (int i = 1; i <= n; ++i) {
        DragCards[i] = run[std::size_t(i - 1)];
        DragValues[i] = values[std::size_t(i - 1)];
        DragRun.C[i] = DragCards[i];
    }
    if (n == 0)
        return;
    TargetCard = DragCards[1];
    TargetValue = DragValues[1];
    DragRun.K = n;
    DragRun.G = 3;
    DragRun.H = step;
}

void ClearHeld()
{
    TargetCard = cards::Empty;
    TargetValue = cards::EmptyValue;
    ClearCards(DragCards, DragValues);
    DragRun = TSpr{};
}

int HeldCount()
{
    int n = 0;
    for (int i = 1; i <= 13; ++i)
        n += HoldsCard(DragCards[i]) ? 1 : 0;
    return n > 0 ? n : (HoldsCard(TargetCard) ? 1 : 0);
}

void ClearLiftBuffer(int size)
{
    for (int i = 1; i <= BufferSlots(size); ++i) {
        LiftedCards[i] = cards::Empty;
        LiftedValues[i] = cards::EmptyValue;
    }
}

int LiftedCount(int size)
{
    int n = 0;
    for (int i = 1; i <= BufferSlots(size); ++i)
        n += HoldsCard(LiftedCards[i]) ? 1 : 0;
    return n;
}

void LiftWasteTop(int size)
{
    ClearLiftBuffer(size);
    if (WasteCount < 2 || WasteCount > 105)
        return;
    const int top = WasteCount - 1;
    LiftedCards[1] = WasteCards[top];
    LiftedValues[1] = WasteValues[top];
    WasteCards[top] = cards::Empty;
    WasteValues[top] = cards::EmptyValue;
    --WasteCount;
    LiftedFromPile = 20;
    RunOfOne(LiftedCards[1]);
}

void ReturnWasteTop(int size)
{
    if (HoldsCard(LiftedCards[1]) && WasteCount >= 1 && WasteCount <= 104) {
        WasteCards[WasteCount] = LiftedCards[1];
        WasteValues[WasteCount] = LiftedValues[1];
        ++WasteCount;
    }
    ClearLiftBuffer(size);
}

void HoldLifted(int count, int step, int direction)
{
    DragRun = TSpr{};
    const int n = std::clamp(count, 0, 53);
    for (int i = 1; i <= n; ++i)
        DragRun.C[i] = LiftedCards[i];
    DragRun.K = n;
    DragRun.H = step;
    DragRun.G = direction;
}

bool FarFromPress(int X, int Y)
{
    return Celebration::Distance(X, Y, PressX, PressY) > Scaling::Scaled(30);
}

bool EndDragOnDoubleClick(const std::function<void()>& putBack)
{
    if (!DragActive)
        return false;
    RemoveDragSprite();
    if (putBack)
        putBack();
    ClearHeld();
    DragActive = 0;
    return true;
}

void EndPendingDrag()
{
    if (!DragActive && !Sprite::CurrentSprite)
        return;
    Sprite::FreeSprite();
    ClearHeld();
    DragActive = 0;
}

} // namespace Kit
