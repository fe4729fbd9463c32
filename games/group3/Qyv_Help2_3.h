#pragma once
// The engine of the ten card games of group 3 (Picture Gallery, Desire, Twenty,
// Calculation, Sultan, Backbone, Carpet, Fig., Flower garden, 8 Sages): the new deal,
// hit tests, the won test, the move search, painting, the info panel and the score
// record. Every routine works on the shared table state (GameState.h) of the current
// game (GameState::CurrentGameId) and keeps no state of its own; the game modules hold
// their mouse handlers and their own rules and call these.
//
// Counters: each game keeps each counter in one of two conventions, "count" (the number
// of cards, 0 = empty, the top card at the count) or "next" (the next free slot, cards
// + 1, 1 = empty, the top card at the count - 1). Mixing them up is the group's main
// off-by-one trap:
//
//   game             counter                           convention
//   12 Gallery       PGGalleryCount, PGReserveCount    count
//                    ExtraPileCount                    pack index of the next stock card (35 after the deal)
//   405 Desire       PileCounts, DesireReserveCounts   count
//                    FoundationCounts                  1 always (the current card stays in slot 1)
//   406 Twenty       TwentyPileNext, FoundationCounts  next
//                    StockCount                        count
//                    ExtraPileCount                    backs shown for the deals still to come (4 after the deal)
//   417 Calculation  PileCounts, FoundationCounts      next
//                    ExtraPileCount                    count of the stock held in WasteCards
//   418 Sultan       SultanNext                        next
//                    StockCount                        count
//                    ExtraPileCount                    next (the waste)
//   425 Backbone     BackboneFoundationNext            next
//                    BackboneColumnNext                next
//                    StockCount                        count
//                    WasteCount = ExtraPileCount       next (the waste)
//   428 Carpet       FoundationCounts                  next
//                    StockCount                        count
//                    WasteCount = ExtraPileCount       next (the waste)
//   443 Fig.         PileCounts                        count
//   444 Flower gdn.  PileCounts, FoundationCounts      next
//   445 8 Sages      PileCounts, FoundationCounts      next
//                    StockCount                        count
//                    WasteCount                        next
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/group3/Group3.h"

#include <QString>

namespace Group3 {

// The game codes of the group.
inline constexpr int PictureGallery = 12;
inline constexpr int Desire = 405;
inline constexpr int Twenty = 406;
inline constexpr int Calculation = 417;
inline constexpr int Sultan = 418;
inline constexpr int Backbone = 425;
inline constexpr int Carpet = 428;
inline constexpr int Fig = 443;
inline constexpr int FlowerGarden = 444;
inline constexpr int EightSages = 445;

bool IsGroup3Game(int game);

// A slot that holds a card (not "##" and not a never-written slot).
bool HoldsCard3(const TCardCode& c);
// Rank index of a code's rank character: Ace 0, "2".."9" 1..8, ten 9, Jack 10, Queen
// 11, King 12; -1 for none.
int RankIndex3(const TCardCode& c);

// ---- new deal ----

// Fills the table state of the current game from a fresh shuffle (no painting).
// LayoutTable must have run.
void DealTable3();
// Paints every pile of the current game after a deal (Picture Gallery's own paint
// included, its light excepted).
void PaintTable3();
void PlaceActionButtons3();

// Game codes whose module is built: NewDeal3 deals their real table.
bool ModuleBuilt3(int game);
// Tests deal the real table of every game.
inline bool DealAllGamesForTest = false;

// ---- hit tests and the won test (closed card rectangles) ----

bool HitTestFoundation3(int X, int Y, int& Pile);
bool HitTestColumn3(int X, int Y, int& Pile, int& Pos);
bool HitTestReserve3(int X, int Y, int& Pile);
bool HitTestBackbone(int X, int Y, int& Row, int& Slot);
bool IsGameWon3();
bool DesireReservesEmpty();
// Upward offset of a stack's top card: one pack / two packs.
int StackEdgeStepOneDeck3(int N);
int StackEdgeStep3(int N);
// Vertical step of Calculation's waste pile Pile: Scaled(20) while the pile fits above
// the lowest Scaled(30) of the table, squeezed below that; never below 1.
int FanStep3(int Pile);

// ---- painting (on the table image; nothing without a window) ----

void RedrawFoundation3(int N);
void RedrawColumn3(int A, int B);
void RedrawReserve3(int N);
void RedrawBackbone();
void SadRedrawReserve();

// ---- move search ----

// Whether a Picture Gallery card has a place now.
bool PGRowFits(const TCardCode& Card);
// Whether gallery place [Column, Row] takes Card now: its own row only, onto the card of
// its suit three ranks lower in the slot below its own, a 2, 3 or 4 into an empty place.
bool PGPlaceTakes(int Column, int Row, const TCardCode& Card);
// True when the current game has no move left; MoveCount = the moves found (0 in
// Picture Gallery, Desire and Twenty).
bool CountMoves3(int& MoveCount);
// CountMoves3's answer alone, for the end tests.
bool NoMoveLeft3();

} // namespace Group3
