#pragma once
// A small game made only of the play kit, for its tests and its soak: one pile of
// thirteen spades dealt face up in a row, the top card at the right end, and one
// foundation that keeps only its top card. A card goes onto the foundation when it is
// an Ace on the empty foundation or one above the foundation's top; the covered card
// leaves the table. Won when the King lies there; stuck when the pile's top does not
// fit. Even deals come out in order; odd deals have the Five and the Six swapped, so
// they end stuck.
#include "games/kit/KitPlay.h"

#include <QPoint>

namespace KitGame {

inline constexpr int Code = 999;
inline constexpr int PileSpot = 1;
inline constexpr int FoundationSpot = 2;

// The game's places: where pile slot s and the foundation are drawn.
int SlotX(int s);
int PileY();
int FoundationX();
int FoundationY();
// Cards on the pile (PileCounts[1], a card count) and gone to the foundation
// (FoundationCounts[1]).
int PileCount();

// Deals: even `deal` in order, odd with the Five and the Six swapped; paints the table.
void Deal(int deal);
void Paint();
// Binds the game to the table's dispatch under Code and makes it the current game.
void Install();
void Uninstall();

const Kit::TPlayRules& Rules();
// The game's own rules, to change a copy of.
Kit::TPlayRules MakeRules();
// Plays by `rules` instead (null: the game's own) until Uninstall.
void UseRules(const Kit::TPlayRules* rules);
Kit::TSpot FoundationSpotNow();

} // namespace KitGame
