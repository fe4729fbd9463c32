#pragma once
// The engine of the ten card games of group 1 (Vardelin, Yukon, Scorpion, Spider, Free
// Cell in their variants): rules, hit tests, the end test, the new deal, painting, the
// info panel and the result of a round. Every routine works on the shared table state
// (GameState.h) of the current game (GameState::CurrentGameId) and keeps no state of its
// own; the game modules hold only their mouse handlers and call these.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"

#include <QString>
#include <functional>

namespace platform {
class PictureControl;
}

namespace Group1 {

// The game codes of the group.
inline constexpr int VardelinDuo = 71;
inline constexpr int VardelinSolo = 431;
inline constexpr int YukonSolo = 404;
inline constexpr int YukonDuo = 432;
inline constexpr int ScorpionSolo = 403;
inline constexpr int ScorpionDuo = 433;
inline constexpr int SpiderSolo = 413;
inline constexpr int SpiderDuo = 414;
inline constexpr int SpiderQuartet = 421;
inline constexpr int FreeCell = 430;

bool IsVardelin(int game);
bool IsYukon(int game);
bool IsScorpion(int game);
bool IsSpider(int game);
bool IsGroup1Game(int game);

// Hit kinds of HitTest1.
enum HitKind : int {
    KindNothing = 0,
    KindPile = 1,
    KindFoundationOrCell = 2, // foundation; in Free Cell a free cell
    KindWasteOrFoundation = 3 // the waste; in Free Cell a foundation
};

// ---- rules and hit tests ----

// Highest slot 1..SlotCount of the pile that holds a card, 0 for an empty pile. Gaps do
// not stop the scan.
int LastCardIndex1(const GameState::Cards104& pile);

// Vertical step between the cards of pile `Pile`: Scaled(20) up to the game's limit,
// above it squeezed so the pile fits into ColumnsHeight.
int FanStep1(int Pile);

// May `Card` be laid on `Target` in the tableau? Target "##" is an empty pile.
bool FitsTableau1(const TCardCode& Card, const TCardCode& Target);

// May `Card` be laid on foundation `Foundation` (1..8)? Ace up to King in one suit.
bool FitsFoundation1(const TCardCode& Card, int Foundation);

// What lies under (X, Y) of the table image. True on a top card, the first slot of an
// empty pile, a foundation, a free cell or the waste; False on nothing and on the
// visible strip of a covered card, whose pile and slot are reported all the same.
bool HitTest1(int X, int Y, int& Pile, int& Card, int& Kind);

// The y of the top card of the stock and of the waste: 2 pixels higher for every ten
// cards in slots 1..50 (five layers at most); TopRowY + 2 when empty.
int StockTopY1();
int WasteTopY1();

// The end test of the current game. Sets GameWon (and GiveUpAllowed in Free Cell).
// Vardelin and Spider: result = won, Count left alone. Scorpion: Count = tableau moves,
// result Count == 0. Yukon: Count = tableau and foundation moves, result Count == 0 or
// won. Free Cell: Count = all moves, result = won or stuck.
bool CountMoves1(int& Count);

// ---- new deal ----

// Starts a round of the current game: the player's round data (unless Redeal), the
// table laid out, shuffled, dealt and painted, the action buttons placed and the table
// locked until the first action button. The player's club entry is taken out before
// the table is touched; when that fails (the message has been shown) the menu comes
// back and the result is False.
bool NewDeal1(bool Redeal);

// The dealing part of NewDeal1 alone: shuffle, fill the table state of the current
// game, paint (when the main window exists). Scorpion and Yukon deal again until the
// end test finds at least two moves. LayoutTable must have run.
void DealTable1();

// ---- painting and the info panel (on Form1->ImageStol; nothing without a window) ----

// Takes the top card off the waste / the stock: its slot emptied, the counter one down.
// False (nothing taken) when the waste or the stock is empty.
bool TakeWasteTop1(TCardCode& card, GameState::Byte& value);
bool TakeStockTop1(TCardCode& card, GameState::Byte& value);

void RedrawColumn1(int Pile, int Flag);
void RedrawFoundation1(int Foundation);
void RedrawFreeCell1(int Cell);
void RedrawStockWaste1(int Flag);
// Turns the stock's top card onto the waste (flown in move modes 1 and 2). Does
// nothing when the stock is empty.
void DealFromKoloda1();
void PlaceActionButtons1();
// Text with a one-pixel shadow in colour pair 1 (navy / light blue) or 2 (purple /
// light magenta), starting at X or, right-aligned, ending at X.
void DrawShadowText(const QString& Text, int X, int Y, int Pair, bool LeftAligned);
void DrawInfoPanel1();
// Spider: the moves of whole movable runs onto other piles (the info panel's count).
int SpiderVariants1();
// Yukon's cards left: Yukon-Solo 52 minus the foundations' cards, Yukon-Duo the cards in
// slots 1..52 of piles 1..9; 0 in the other games.
int CardsLeftOnTable1();

// ---- score and result ----

// Vardelin: tableau piles of two or more cards whose bottom card is still face down.
int CountCoveredPiles1();
// Vardelin: cards in the waste, and face-down cards in slots 1..22 of the piles.
int VardelinWasteCards();
int VardelinFaceDownCards();
// Vardelin: the running score of the round (may be negative).
int ComputeScore1();

// Fills the score window's board fields and NewTotalScore for the round just ended.
void GameResult1();

} // namespace Group1
