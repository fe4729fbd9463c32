#pragma once
// The engine of the ten card games of group 4 (Book, Pairs, Wish, the Monte Carlo,
// Pyramid and Diamond games): painting, Book's rules, the move count, the info panel,
// the result of a round and the new deal. Every routine works on the shared table state
// (GameState.h) of the current game (GameState::CurrentGameId) and keeps no state of its
// own; the game modules hold only their mouse handlers and call these.
//
// Where the games keep their cards:
// - Book: rows 1..8 in PileCards[r][1..16] (slot 1 innermost), foundations 1..8 in
//   FoundationCards[f][1..13] with FoundationNextSlot, stock and waste.
// - Pairs, Wish: piles 1..9 in PileCards[i][slot], PileCounts[i] = cards + 1.
// - Monte Carlo: cell (column i 1..6, row j 1..4) in PileCards[i][j]; the cards still to
//   deal are StockCards[1..ExtraPileCount] (next one on top).
// - Pyramid, Diamond: place (column c 1..13, row r 1..7) in PileCards[c][r] with its free
//   flag in PileFaceUp[c][r]; stock, waste (WasteCount = cards + 1), discard pile
//   DiscardCards[1..ExtraPileCount - 1].
#include "games/group4/Group4.h"

#include "foundation/CardCode.h"
#include "foundation/GameState.h"

#include <span>

namespace Group4 {

// The game codes of the group.
inline constexpr int Book = 18;
inline constexpr int Pairs = 407;
inline constexpr int Wish = 408;
inline constexpr int MonteCarlo = 411;
inline constexpr int MonteCarloBySuit = 412;
inline constexpr int Pyramid = 423;
inline constexpr int PyramidInfinity = 426;
inline constexpr int OpenPyramid = 437;
inline constexpr int DiamondInfinity = 438;
inline constexpr int OpenDiamond = 439;

bool IsMonteCarlo(int game);
bool IsPyramid(int game);
bool IsDiamond(int game);
// Pyramid or Diamond: the removal games on a 13 x 7 grid with stock, waste and discard.
bool IsGridGame(int game);
// The open variants show every grid card face up.
bool IsOpenGrid(int game);

// Passes through the stock of a grid game that turns back: 1 dealt, 19 turn-backs.
inline constexpr int LastPass = 20;

// ---- the grid of the Pyramid and Diamond games ----

struct GridPlace {
    int col;
    int row;
};
// The places of the game's pyramid or diamond in the order of the deal (row by row,
// left to right); empty for other games.
std::span<const GridPlace> GridPlaces4(int game);
// Does (col, row) belong to the game's pyramid or diamond?
bool IsGridPlace4(int game, int col, int row);
// Cards now in the 13 x 7 grid.
int GridCards4();

// ---- painting (on Form1->ImageStol; nothing without a window) ----

// Book: foundation N; Pyramid and Diamond: the discard pile (N ignored).
void RedrawFoundation4(int N);
// Book row Pile, Pairs or Wish pile Pile, Monte Carlo cell (Pile, Slot), or the whole
// pyramid or diamond (both ignored). The grid's repaint also clears the stock, waste and
// discard places that lie in its rectangle: RepaintGrid4 repaints all of them.
void RedrawColumn4(int Pile, int Slot);
// Pyramid and Diamond: grid, stock, waste and discard pile.
void RepaintGrid4();
// Backs the stock of the current game shows for its count (Pairs, Monte Carlo,
// Pyramid, Diamond).
int StockBacks4();
// The marker an empty grid-game stock shows: "-y" while a turn-back is left, else "-n".
TCardCode EmptyStockMarker4();
void PlaceActionButtons4();
// Two-tone text of the info panels; Kind 1 navy / light blue, 2 purple / pink,
// 3 grey / yellow, any other the current font colour twice. The background under the
// whole text is put back first, so a redraw never thickens it or leaves digits behind.
void DrawOutlinedText(const QString& Text, int X, int Y, int Kind, bool LeftAligned);

// ---- Book ----

// Highest slot 1..16 of the row that holds a card, 0 for none.
int LastCardIndex4(const GameState::Cards104& Row);
// May Card go onto Target in a row? Target "##" is an empty row (Kings only).
bool BookFitsTableau(const TCardCode& Card, const TCardCode& Target);
// May Card go onto foundation F (1, 2 hearts; 3, 4 diamonds; 5, 6 clubs; 7, 8 spades)?
bool BookFitsFoundation(const TCardCode& Card, int F);
// Hit areas of the Book table.
enum BookArea : int { AreaNothing = 0, AreaRow = 1, AreaFoundation = 2, AreaWaste = 3 };
// What lies under (X, Y): a row card (Slot, Row, AreaRow; True on the last card or an
// empty row, False on the visible strip of a covered card), a foundation (Slot = its
// number, AreaFoundation, False) or the waste (AreaWaste, True). The stock is not part
// of it.
bool BookHitTest(int X, int Y, int& Slot, int& Row, int& Area);
// Top-left of entry n (1..64) of the turned-cards panel.
void BookCardListPos(int n, int& X, int& Y);
// Where a card flown to a foundation or to the end of a row lands.
void BookCardPos(bool ToFoundation, int Foundation, int Row, int& X, int& Y);
// Rows of two or more cards in which some card does not fit on the one before it.
int BookUnorderedRows();
// Cards in Book's stock and waste.
int BookCardsLeft4();
// The running score of the Book deal: 200 won, else 100 - cards left - 5 x rows out of
// sequence (100 becomes 200).
int ComputeScore4();

// ---- counts ----

// Cards on piles 1..9 (Pairs, Wish).
int PileCardsLeft4();
// Cards in the Monte Carlo layout and its stock.
int MonteCardsLeft4();

// ---- new deal ----

// The new deal of the current game as NewDeal4 makes it: the player's entry is taken out of the club file before the table is touched (False
// and the menu back when that fails), then the table is laid out, dealt, painted and
// locked until "To Begin".
bool DealRound4(bool Redeal);
// The dealing part alone: shuffle, fill the table state of the current game and paint
// it (when the main window exists). Wish and Monte Carlo deal again until a move exists,
// at most until the shuffle repeats the pack. LayoutTable must have run.
void DealTable4();

} // namespace Group4
