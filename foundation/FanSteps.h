#pragma once
// Card steps of the fanned piles of Crescent, Open Crescent and Algerian patience. They
// read only the table state, so the table layout can ask for them as well as the games.
namespace GameState {

// Distance in pixels between the fanned cards of Crescent pile `Pile` (1..16), from its
// count (cards + 1) and the pile positions of the current layout. Crescent (415) keeps
// its fans closed; Open Crescent (416) spreads them as far as the room beside or above
// the piles allows. Defined for those two games only.
int CrescentFanStep(int Pile);

// Vertical card step of Algerian patience column `Pile` (1..8), shrinking as the column
// grows; never below one pixel, so long columns stay readable and hit-testable.
int AlzhirFanStep(int Pile);

} // namespace GameState
