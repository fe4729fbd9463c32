#include "foundation/Layout.h"

#include "foundation/GameTables.h"
#include "foundation/LayoutCommon.h"

namespace GameState {

using namespace LayoutCommon;

void LayoutTable()
{
    const int group = GameTables::GameGroupOf(CurrentGameId);
    PrepareWindowForRound(GameTables::GameSlotOf(CurrentGameId) + 1);

    // The group's design numbers (design pixels; the engines scale them).
    switch (group) {
    case 1:
        ActionButtonLeft = 575;
        ActionButtonWidth = 180;
        ActionButtonHeight = 30;
        break;
    case 2:
        TableArea[1] = 10;
        TableArea[2] = 10;
        TableArea[3] = 750;
        TableArea[4] = 398;
        ActionButtonLeft = 600;
        ActionButtonWidth = 130;
        ActionButtonHeight = 30;
        break;
    case 3:
        ActionButtonWidth = 84;
        ActionButtonHeight = 30;
        break;
    case 4:
        ActionButtonWidth = 180;
        ActionButtonHeight = 30;
        break;
    case 5:
        ActionButtonWidth = 140;
        ActionButtonHeight = 30;
        break;
    default:
        break;
    }

    PlacePicture(Picture::Stol, 0, 0, Scaling::TableWidth, Scaling::TableHeight);
    CardInset = Scaling::ClassicCardMode == 1 ? 5 : 0;
    const int C = R(Scaling::TableWidth / 2.0);

    switch (group) {
    case 1: LayoutGroup1(C); break;
    case 2: LayoutGroup2(C); break;
    case 3: LayoutGroup3(C); break;
    case 4: LayoutGroup4(C); break;
    case 5: LayoutGroup5(C); break;
    default: break;
    }

    // Larger card pictures fly in bigger steps.
    FlySpeed = Scaling::ClassicCardMode == 2 ? 5 : 2;
}

void ApplyZoomForTest(int tableWidth, int tableHeight, double zoom, bool wideFaces)
{
    Scaling::TableWidth = tableWidth;
    Scaling::TableHeight = tableHeight;
    Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = zoom;
    CardWidth = 71;
    CardHeight = 96;
    Scaling::ClassicCardMode = 1;
    if (zoom >= 1.3) {
        CardWidth = Scaling::Scaled(wideFaces ? 71 : 61);
        CardHeight = Scaling::Scaled(96);
        Scaling::ClassicCardMode = 0;
    }
    if (zoom >= 2.0) {
        CardWidth = wideFaces ? 146 : 126;
        CardHeight = 198;
        Scaling::ClassicCardMode = 2;
    }
}

} // namespace GameState
