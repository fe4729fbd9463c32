#include "games/kit/KitCursors.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "games/kit/KitTable.h"

#include <QGuiApplication>
#include <QVariant>

namespace Kit {

namespace {

int g_screenShape = CursorDefault;
bool g_overrideOn = false;

} // namespace

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
    GameState::SavedCursor = g_screenShape;
}

void RestoreScreenCursor()
{
    SetScreenCursor(GameState::SavedCursor);
}

void SetTableCursor(int shape)
{
    if (auto* t = TableImage())
        t->setCursor(CursorOf(shape == CursorHand ? CursorHand : CursorArrow));
}

void ShowMoveCursor(const std::function<bool()>& heldFits, const std::function<bool()>& handOver)
{
    if (GameState::DragActive)
        SetScreenCursor(heldFits() ? CursorHand : CursorArrow);
    else
        SetTableCursor(handOver() ? CursorHand : CursorArrow);
}

void SetStockHint(bool shown)
{
    if (auto* t = TableImage())
        SetTableHint(shown ? t->property(StockHintProperty).toString() : QString());
}

void SetTableHint(const QString& text)
{
    if (auto* t = TableImage())
        t->setToolTip(text);
}

void TableHintOff()
{
    SetTableHint(QString());
}

} // namespace Kit
