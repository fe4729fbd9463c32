#pragma once
// The help as the menus and windows ask for it: the pages of the interface language,
// English where a language has none of its own.
namespace HelpCommand {

// The pop-up menu's "Help": the click sound, then the contents of the help. The help is
// written in English, so no "not translated" notice precedes it.
void HelpClick();

// The page of a help context (a window's number, or a game's number + 1), in the
// interface language; the contents when the context has no page.
void ShowContextHelp(int context);

} // namespace HelpCommand
