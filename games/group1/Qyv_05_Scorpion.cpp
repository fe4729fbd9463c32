#include "games/group1/Qyv_05_Scorpion.h"

#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_03_Yukon.h"
#include "games/group1/Qyv_Help2_1.h"
#include "games/kit/KitCursors.h"

namespace Group1 {

using namespace GameState;

void ScorpionMouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)
{
    LiftFaceUpRun(Button, X, Y, false);
}

void ScorpionMouseMove(platform::ShiftState, int X, int Y)
{
    // There is no stock whose count the hint could show; a count left on the table
    // image by an earlier game must not appear.
    Kit::SetStockHint(false);
    if (!DragActive || Settings::MoveMode != 2)
        FaceUpCardCursor(X, Y);
    if (DragActive)
        DragCursor(X, Y, false);
}

void ScorpionMouseUp(platform::MouseButton, platform::ShiftState, int X, int Y)
{
    Kit::RestoreScreenCursor();
    UndoFlag = 0;
    if (CurrentGameId == ScorpionSolo && Form1 && Form1->Button8)
        Form1->Button8->setEnabled(false);
    if (DragActive) {
        TDropOptions options;
        options.Foundations = false;
        options.CancelAlways = true;
        options.SoundOnSourcePile = false;
        options.CountPileDrop = true;
        ReleaseDrag(X, Y, options);
    }
    EndTestAfterMove();
}

void ScorpionDblClick() {}

} // namespace Group1
