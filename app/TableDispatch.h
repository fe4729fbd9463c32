#pragma once
// The card table hands every mouse event to the module of the current game. The table
// is locked after a deal until the first action button (RoundPhase 1) and after the
// end of a game; mouse moves still carry a running drag sprite.
#include "platform/PictureControl.h"

#include <array>
#include <functional>

class TTableSurface;

namespace TableDispatch {

// The four table operations of a game module; a module without a double click leaves
// DblClick empty.
struct TTableModule {
    const char* Name = "";
    std::function<void(platform::MouseButton, platform::ShiftState, int, int)> MouseDown;
    std::function<void(platform::ShiftState, int, int)> MouseMove;
    std::function<void(platform::MouseButton, platform::ShiftState, int, int)> MouseUp;
    std::function<void()> DblClick;
};

struct TDispatchEntry {
    int Code = 0;
    TTableModule Module;
};

using TDispatchTable = std::array<TDispatchEntry, 50>;

// The fifty games in the order they are tested, each with its module.
const TDispatchTable& DispatchTable();
// Test hook: dispatch through another table; nullptr returns to the real one. The
// caller keeps ownership.
void SetDispatchTableForTest(const TDispatchTable* table);

// The pop-up menu opens on the table only while this is set; the module of game 17
// clears it while it uses the right button, any other move sets it again.
inline bool PopupAutoPopup = true;

void ImageStolMouseDown(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void ImageStolMouseMove(TTableSurface& form, platform::ShiftState Shift, int X, int Y);
void ImageStolMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
void ImageStolDblClick();
void ImageStolContextPopup();
void ImageKolodaMouseMove(TTableSurface& form, platform::ShiftState Shift, int X, int Y);
void ImageKolodaMouseUp(platform::MouseButton Button, platform::ShiftState Shift, int X, int Y);
// X and Y in window coordinates.
void FormMouseMove(TTableSurface& form, platform::ShiftState Shift, int X, int Y);
void Panel1Click();

// Binds the table's and the deck image's mouse handlers to the above.
void BindTableHandlers(TTableSurface& form);

} // namespace TableDispatch
