#pragma once
// The engine of the group-5 games (Uncle Pelk, Busy Aces, "Labelel Lucie", Crescent, Open Crescent,
// Algerian patience, Daemon, Clover, 40 Thieves, Miss Milligan): card-fit rules, fan
// steps, the move count and the won test, the deal, pile painting, the info panel, the
// action buttons and the result of a deal. Every routine works on the shared table state
// (GameState.h) of GameState::CurrentGameId; the rules are pure functions over it and
// only the painters draw. The game modules keep only their mouse handling.
//
// Counters in this group hold cards + 1 (1 = empty, the top card in slot count - 1):
// PileCounts, FoundationCounts (14 = complete), WasteCount, BAcesNext, LucieFanNext and
// AlzhirReserveCounts. StockCount and DemonReserveCount hold the number of cards.
#include "games/group5/Group5.h"

#include "foundation/CardCode.h"
#include "foundation/GameState.h"

namespace Group5 {

// The game codes of the group.
inline constexpr int UnclePelk = 17;
inline constexpr int BusyAces = 409;
inline constexpr int Lucie = 410;
inline constexpr int Crescent = 415;
inline constexpr int OpenCrescent = 416;
inline constexpr int Alzhir = 422;
inline constexpr int Daemon = 429;
inline constexpr int Clover = 440;
inline constexpr int FortyThieves = 441;
inline constexpr int Miss = 442;

// Set while the current round of a group-5 game is the stand-in's empty table (its
// module has not landed): the engine routines that the main window calls leave it alone.
inline int StandInTable5 = 0;

// True when a slot holds a card (not "##", a marker or nothing).
bool HoldsCard5(const TCardCode& c);

// ---- card-fit rules: may Card lie on Target? ----

// Daemon column: colours differ and Card is one lower. No wrap from King to Ace.
bool DemonFitsTableau(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);
// Clover fan (and 40 Thieves column): same suit and Card one lower.
bool KleverFits(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);
// Miss Milligan column: anything on an empty slot; else colours differ, Card is no Ace
// and Target is the next higher rank (a King only on an empty column).
bool MissFits(const TCardCode& Card, const TCardCode& Target);

// Algerian patience foundation f (1-4 up from the Ace, 5-8 down from the King, each half
// starting a suit once) takes Card.
bool AlzhirFitsFoundation(const TCardCode& Card, int CardValue, int f);
// Algerian patience column: same suit, one higher or lower, King and Ace either way round.
bool AlzhirFollows(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);

// ---- fan steps (pixels between two cards of a pile; counts are cards + 1) ----

// Horizontal step of a Lucie fan of Cards count (cards + 1).
int LucieFanStep(int Cards);
// Vertical steps of Clover fan, 40 Thieves and Miss Milligan column `Pile`.
int KleverFanStep(int Pile);
int FortyThievesFanStep(int Pile);
int MissFanStep(int Pile);

// ---- the judges (nothing changes) ----

// CountMoves5 (Group5.h) counts the moves left; True when stuck: no move and, where the
// game has them, no pass or stock left. Busy Aces and Uncle Pelk: Count untouched, False.
// True when the current game is won (Crescent, Algerian patience, Daemon, Clover, 40
// Thieves, Miss Milligan; False for the others, which decide in their modules).
bool IsGameWon5();

// ---- the deal ----

// Every place of the group's tables emptied ("##" / 99) and every count at empty.
void ClearTable5();
// The dealing part of a new deal: shuffle, fill the table state of the current game
// (every other slot of its piles emptied) and paint it. LayoutTable must have run.
void DealTable5();
// A whole new deal of the current game: the player's round data (unless Redeal; the
// club entry leaves the file before the table is touched), layout, deal, buttons, the
// table locked until "To Begin". False, with the menu back, when the club file failed.
bool DealRound5(bool Redeal);
// True for the codes whose module plays the dealt table; NewDeal5 gives every other
// code the stand-in's empty table.
bool ModuleLanded5(int game);

// ---- painting (on Form1->ImageStol; nothing without a window) ----

void RedrawFoundation5(int Foundation);
// RedrawColumn5(A, B) (Group5.h): A the pile; Busy Aces and Lucie A the row and B the
// place; Algerian patience A 11..16 the reserves.
// Daemon's reserve; ShowTop shows its top card face up.
void RedrawReserve5(bool ShowTop);
// RedrawKoloda5(Part) (Group5.h): stock and waste; Daemon and 40 Thieves Part 1 the
// stock, 2 the waste.
void PlaceActionButtons5();

// ---- Uncle Pelk (17): its working state and its engine steps ----

// Column p builds up from an Ace base (1) or down from its bottom card (0).
inline platform::Arr<GameState::Byte, 8> PelkAceBase{};
// Column p is empty and waits for a new base card.
inline platform::Arr<GameState::Byte, 8> PelkColumnWaiting{};
// Some column waits: the stock does not deal meanwhile.
inline int PelkRefillPending = 0;
// '#' for an empty foundation, else the suit letter of the sequence lying there.
inline platform::Arr<char, 8> PelkFoundationSuits{};

// 0 at the design window size, else 5 (the deck image's margins).
int KolodaMargin();
// Distance between neighbouring columns (and foundations) of Uncle Pelk.
int PelkPitch();
// Top slot of column p (its highest filled slot of 1..13), 0 when empty.
int PelkTopSlot(int p);
// Moves the 13-card column to the foundation of its suit (the first of its suit to 1-4,
// the second to 5-8) with its flight; the column then waits.
void SequenceToFoundation5(int Column);
// The board of this deal's result at the end of a game; sets GameWon when all eight
// sequences are out and NewTotalScore.
void DrawTabloG5();
// The share of the two packs that has left the deck, on the gauge of the current pass
// (Full: all three gauges drawn empty first).
void DrawProgress5(bool Full);
// Sets pixels (X, Y), (X + 1, Y), (X + 2, Y) of the gauge's image.
void ProgressPixels(int X, int Y, platform::TColor Color);
// This deal's points as the TabloG board counts them.
int PelkPoints();
// Game 17's branches of the engine's routines.
void RedrawPelkColumn(int p);
void RedrawPelkFoundation(int f);
void RedrawPelkDeck();
void DealFromKolodaPelk();
bool CountPelk();
void DealPelk();

// ---- moving cards, for the modules ----

// Lays the card on foundation f and repaints it; true when the foundation is complete.
bool LayOnFoundation5(int f, const TCardCode& card, GameState::Byte value);
// The card onto the waste, the waste repainted with RedrawKoloda5(part).
void LayOnWaste5(const TCardCode& card, GameState::Byte value, int part);
// The waste's top card taken off (the waste must hold one).
void TakeWasteTop5(TCardCode& card, GameState::Byte& value);

// ---- counting helpers the modules share ----

// Top slot of pile p (PileCards, count PileCounts), 0 when empty.
int TopSlot5(int p);
// Top slot of foundation f, 0 when empty.
int FoundationTop5(int f);

} // namespace Group5
