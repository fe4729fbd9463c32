#pragma once
// The start of a round from the game menu: the player buttons, the sign-in, the deal
// of the current group, the first action button and the two redeal buttons of
// Picture Gallery.
#include <functional>

class TTableSurface;

namespace RoundStart {

// Stops the menu and deals the current group's game for PlayerSlot; enables the
// round's pop-up items.
void StartDeal(TTableSurface& form);
// Member slot 1..5: the sign-in with the member's name locked, then the deal.
void AskPlayerAndDeal(TTableSurface& form, int Slot);

void Button1Click(TTableSurface& form);
void Button2Click(TTableSurface& form);
void Button3Click(TTableSurface& form);
void Button4Click(TTableSurface& form);
// Fifth member when signed out; the account window and a rated game when signed in.
void Button5Click(TTableSurface& form);
// "New Player".
void Button6Click(TTableSurface& form);
// First action button: "To Begin" unlocks the table, later presses show the score.
void Button7Click(TTableSurface& form);
// Picture Gallery: deal again / play the shown deal.
void BitBtn1Click(TTableSurface& form);
void BitBtn2Click(TTableSurface& form);

// The account window, shown modally when a signed-in player presses Button5; it may
// switch rated play on (OnlineState 3). Binding the handlers opens the account window
// here unless a caller has set its own.
inline std::function<void()> ShowAccountWindow;

// Connects the player buttons, Button7 and the redeal buttons to the above. A handler
// that throws is reported and the program goes on.
void BindRoundStartHandlers(TTableSurface& form);

// Runs a handler and reports an exception instead of letting it into the event loop.
void Guarded(const std::function<void()>& handler);

} // namespace RoundStart
