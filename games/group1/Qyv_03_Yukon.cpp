#include "games/group1/Qyv_03_Yukon.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"

namespace Group1 {

using namespace GameState;

void LiftFaceUpRun(platform::MouseButton Button, int X, int Y, bool RecordPressPoint)
{
    if (!BeginPress(Button))
        return;
    StartPressTiming();
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    if (kind != KindPile || !RunLiftable(p, s, AnyRun))
        return;
    const TLiftFrame frame = PileRunFrame(p, s);
    if (!TakeUpDrag())
        return;
    LiftPileRun(p, s);
    ShowDragSprite(frame, X, Y, RecordPressPoint, [p] { RedrawColumn1(p, 0); });
}

void FaceUpCardCursor(int X, int Y)
{
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    const bool onFaceUp = kind == KindPile && p >= 1 && s >= 1 && PileFaceUp[p][s] == 1;
    SetTableCursor(onFaceUp ? CursorHand : CursorArrow);
}

void EndTestAfterMove()
{
    DrawInfoPanel1();
    int count = 0;
    if (CountMoves1(count))
        EndGame(GameWon != 0);
}

void YukonMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    LiftFaceUpRun(Button, X, Y, true);
}

void YukonMouseMove(platform::ShiftState, int X, int Y)
{
    SetStockHint(false);
    if (DragActive)
        DragCursor(X, Y, true);
    else
        FaceUpCardCursor(X, Y);
}

void YukonMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    RestoreScreenCursor();
    if (DragActive) {
        TDropOptions options;
        options.SoundOnSourcePile = false;
        options.CountPileDrop = true;
        ReleaseDrag(X, Y, options);
    }
    EndTestAfterMove();
}

void YukonDblClick()
{
    EndDragOnDoubleClick();
    int p = 0, s = 0, kind = 0;
    const bool top = HitTest1(LastUpX, LastUpY, p, s, kind);
    if (kind == KindPile && top && p >= 1 && !DragActive) {
        TSendOptions options;
        options.Fly = Settings::MoveMode != 0;
        options.Count = true;
        options.StopkaOnComplete = false;
        SendPileTopToFoundation(p, options);
    }
    EndTestAfterMove();
}

} // namespace Group1
