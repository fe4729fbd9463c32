#include "games/group1/Qyv_03_Yukon.h"

#include "foundation/GameState.h"
#include "foundation/Settings.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitPress.h"

namespace Group1 {

using namespace GameState;

void LiftFaceUpRun(platform::MouseButton Button, int X, int Y, bool RecordPressPoint)
{
    if (!Kit::BeginPress(Button))
        return;
    Kit::StartPressTiming();
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    if (kind != KindPile || !RunLiftable(p, s, AnyRun))
        return;
    const Kit::TLiftFrame frame = PileRunFrame(p, s);
    if (!Kit::TakeUpDrag())
        return;
    LiftPileRun(p, s);
    Kit::ShowDragSprite(frame, X, Y, RecordPressPoint, [p] { RedrawColumn1(p, 0); });
}

void FaceUpCardCursor(int X, int Y)
{
    int p = 0, s = 0, kind = 0;
    HitTest1(X, Y, p, s, kind);
    const bool onFaceUp = kind == KindPile && p >= 1 && s >= 1 && PileFaceUp[p][s] == 1;
    Kit::SetTableCursor(onFaceUp ? Kit::CursorHand : Kit::CursorArrow);
}

void EndTestAfterMove()
{
    DrawInfoPanel1();
    int count = 0;
    if (CountMoves1(count))
        Kit::EndGame(GameWon != 0, {&Texts::TxtToMenu, {}, Kit::TPanelOrder::None});
}

void YukonMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    LiftFaceUpRun(Button, X, Y, true);
}

void YukonMouseMove(platform::ShiftState, int X, int Y)
{
    Kit::SetStockHint(false);
    if (DragActive)
        DragCursor(X, Y, true);
    else
        FaceUpCardCursor(X, Y);
}

void YukonMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    Kit::RestoreScreenCursor();
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
    Kit::EndDragOnDoubleClick(ReturnLifted);
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
