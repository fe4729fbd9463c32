#pragma once
// The engine of the ten card games of group 2 (the five Golf tables, Tulip, Blue Tulip,
// Paganini, Fun Deuces and Napoleon Square): the deal, the counters' accessors, the
// rules' fit tests and move count, the won test, the painters, the Tulip rows and
// flowers, the info panel and the result of a round. Every routine works on the shared
// table state (GameState.h) of the current game (GameState::CurrentGameId) and keeps no
// state of its own; the game modules hold only their mouse handlers and call these.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"

namespace Group2 {

// The game codes of the group.
inline constexpr int Tulip = 19;
inline constexpr int BlueTulip = 401;
inline constexpr int Paganini = 402;
inline constexpr int FunDeuces = 419;
inline constexpr int NapoleonSquare = 420;
inline constexpr int GolfPeak = 424;
inline constexpr int GolfThreePeaks = 427;
inline constexpr int GolfRug = 434;
inline constexpr int GolfDiamond = 435;
inline constexpr int GolfBlock = 436;

bool IsGolf(int game);
bool IsTulipFamily(int game);
bool IsDeucesOrNap(int game); // Fun Deuces and Napoleon Square
bool IsGroup2Game(int game);

// ---- counters: where the top card is and whether a place is empty ----
// Piles, foundations and the waste count their next free slot (1 = empty); the stock
// counts its cards. Each TopSlot is the slot of the top card, 0 when empty.

int PileTopSlot2(int Pile); // PileCounts
bool PileEmpty2(int Pile);
int FoundationTopSlot2(int Foundation); // FoundationCounts
bool FoundationEmpty2(int Foundation);
// The waste's counter of the current game: ExtraPileCount in Fun Deuces and Napoleon
// Square, WasteCount in the Golf games.
int WasteTopSlot2();
bool WasteEmpty2();
int StockTopSlot2(); // StockCount
bool StockEmpty2();

// ---- Golf grids ----

// Columns, rows and layers of the current Golf grid (0 outside the Golf games).
int GolfColumns2();
int GolfRows2();
int GolfLayers2();
// Place (p, k) in layer l of the current Golf grid (l is 1 except in Golf - Block): its
// card, value and face flag (PileCards / PileValues / PileFaceUp, or the PileCards2 areas
// in Golf - Block).
TCardCode& GolfCard2(int p, int k, int l = 1);
GameState::Byte& GolfValue2(int p, int k, int l = 1);
GameState::Byte& GolfFaceUp2(int p, int k, int l = 1);
// Grid places holding a card.
int GolfCardsLeft2();
// May the face-up grid card of value `value` go on the waste? One rank up or down from
// the waste's top, King and Ace next to each other; never while the waste is empty.
bool GolfFits2(GameState::Byte value);

// ---- Fun Deuces and Napoleon Square rules ----

// May card (c, v) go on pile `Pile`? An empty pile takes any card; else one lower in
// the top's suit (Fun Deuces also the King on the Ace of its suit).
bool FitsPile2(const TCardCode& c, GameState::Byte v, int Pile);
// May card (c, v) go on foundation `Foundation`? One higher in the top's suit (Fun
// Deuces also the Ace on the King); an empty foundation (Napoleon Square) takes an Ace.
bool FitsFoundation2(const TCardCode& c, GameState::Byte v, int Foundation);

// ---- Fun Deuces and Napoleon Square places and hit tests ----
// Piles, foundations, stock and waste of the two square tables; positions are the
// top-left corners of the bases in table pixels. Each routine acts only in its game.

// The raise in pixels (never scaled) of the picture of a stack of Count cards: 2 per
// full ten, 18 for 90..98 and 20 from 99 on.
int StackEdgeStep(int Count);
// The base of pile 1..10 (Fun Deuces) or 1..12 (Napoleon Square); another number
// leaves X and Y as they were.
void FunDeucesPilePos(int Pile, int& X, int& Y);
void NapPilePos(int Pile, int& X, int& Y);
// Foundation 1..8: columns 2..5 of rows 2 and 3 in both games.
void FunDeucesFoundationPos(int Foundation, int& X, int& Y);
void NapFoundationPos(int Foundation, int& X, int& Y);
// The same for the current game (nothing outside the two games).
int SquarePileCount2(); // 10, 12, else 0
void SquarePilePos2(int Pile, int& X, int& Y);
void SquareStockPos2(int& X, int& Y);
void SquareWastePos2(int& X, int& Y);
// The foundation whose card rectangle holds (X, Y), the last one when several do.
bool HitTestFoundation2(int X, int Y, int& Foundation);
// The pile whose drawn top card (its base when empty) holds (X, Y), the last one when
// several do; Slot is always 0.
bool HitTestColumn2(int X, int Y, int& Pile, int& Slot);
// The stock (Kind 2, tested first) or the waste (Kind 1): the card rectangle at the
// base, its upper edge raised by StackEdgeStep of the stock's count or of the waste's
// next free slot. Empty ones answer too.
bool HitTestStockWaste2(int X, int Y, int& Kind);

// ---- move count and won test ----

// Count = the open moves of the current game (Fun Deuces, Napoleon Square, Golf);
// True when the game is stuck: no move open and the stock empty.
bool CountMoves2(int& Count);
// True when the deal is won (False in the Tulip family, which has its own end test).
bool IsGameWon2();

// ---- Tulip rows and flowers ----

// Cards of row `Row` outside its leading run, and the length of that run.
int TulipRowRest(int Row);
int TulipRowRun(int Row);
// The flower of suit 1..4 at stage 0..13 under the rows (the table image; nothing
// without a window).
void DrawTulipFlower(int Suit, int Stage, bool ShowIcon);

// ---- Tulip play ----

// Places per row: 14, Paganini 10.
int TulipPlaceCount();
// Redeal passes of a round: 3 in Tulip, 5 in Blue Tulip, 1 in Paganini (no redeal).
int TulipPassLimit();
// The place and row under (X, Y); out-parameters written only on a hit. An empty place's
// strip that its left neighbour's card covers belongs to that neighbour while nothing is
// selected or lifted, and then only when the neighbour is the selected card's own place.
bool TulipHitTest(int X, int Y, int& Place, int& Row);
// May card (c, v) go to place `Place` of row `Row`? The place empty, and the left rule
// (one lower in its suit to the left), the Ace rule (place 1), or with `rightRule` the
// Paganini rule (one higher in its suit to the right).
bool TulipTakes(int Place, int Row, const TCardCode& c, GameState::Byte v, bool rightRule);
// The same with the current game's rules (the right rule in Paganini only).
bool TulipTakes(int Place, int Row, const TCardCode& c, GameState::Byte v);
// Empty places that no card can ever fill: those in a run of up to four gaps behind a King.
int TulipDeadGaps();
// Every row holds one suit from Ace to King from place 1 on.
bool TulipWon();
// Paganini with four dead gaps: some gap among places 1..8 has a card other than a
// Six to its right (a card the right rule may still lead to).
bool PaganiniGapBeforeNonSix();
// Flower suit number 1..4 of a card (hearts, diamonds, clubs, spades), 0 for none.
int TulipSuitOf(const TCardCode& c);

// Painting of the rows (on Form1->ImageStol; nothing without a window).
// The background over place 1 of the row.
void ClearTulipRowHead(int Row);
// The row whole: background, the marker of an empty place 1, every card face up, and
// the selection mark on place `MarkedPlace` (0: none) under its right-hand neighbours.
// A whole row is repainted, not a part: card edges blend with what lies under them.
void RedrawTulipRow(int Row, int MarkedPlace = 0);
// The four flowers: each suit at the run length of the row it starts (the last such row),
// stage 0 for a suit that starts none.
void DrawTulipFlowers();

// ---- painting (on Form1->ImageStol; nothing without a window) ----

void RedrawFoundation2(int Foundation);
void RedrawColumn2(int Pile, int Flag);
// The part of the Golf grid that a play at place (p, k) can change (the places one column
// and one row around it, every layer), drawn as the whole grid's repaint draws it.
void RedrawGolfPlaces2(int p, int k);
void RedrawStockWaste2(int Kind);
void PlaceActionButtons2();
void DrawInfoPanel2();

// ---- new deal and result ----

// A whole new round of the current game: the player's round data (unless Redeal), the
// table laid out, dealt and painted, the buttons, the table locked until "To Begin".
// The player's club entry is taken out before the table is touched; when that fails
// (the message has been shown) the menu comes back and the result is False.
bool DealRound2(bool Redeal);
// The dealing part alone: shuffle, clear every area the group uses, lay the pack out
// for the current game, paint it and caption Button8. LayoutTable must have run.
void DealTable2();

// Fills the score window's board fields and NewTotalScore for the current deal.
void GameResult2();

} // namespace Group2
