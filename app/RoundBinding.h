#pragma once
// Connects the round's controls of the main window: the card table and the deck image,
// the player buttons, the two action buttons, the Picture Gallery buttons and the
// pop-up item "Exit to menu" (found by its object name "Quit").
class TTableSurface;

void BindRoundHandlers(TTableSurface& form);
