#pragma once
// What the modules of Sultan, Backbone, Carpet, Flower garden and 8 Sages ask of the
// engine: the places that take a card (the move search's own rules), and the stock and
// waste of Sultan, Backbone, Carpet and 8 Sages: turning a card, turning the waste back,
// and where the waste's top card lies. Each keeps the waste's next free
// slot in its own counter (the engine's counter table): Sultan in ExtraPileCount, 8 Sages
// in WasteCount, Backbone and Carpet in both, kept equal.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitPlay.h"

#include <QPoint>
#include <optional>

namespace Group3 {

// ---- what takes a card ----

// Sultan's grid place [r, c] (the centre takes nothing).
bool SultanPlaceTakes3(const TCardCode& card, int value, int r, int c);
// Backbone's foundation f and column [s, k].
bool BackboneFoundationTakes3(const TCardCode& card, int value, int f);
bool BackboneColumnTakes3(const TCardCode& card, int value, int s, int k);
// Carpet's foundation f.
bool CarpetFoundationTakes3(const TCardCode& card, int value, int f);
// The lowest position of column c's run that may be lifted (Flower garden: built down in
// alternating colours); 0 for an empty column.
int ColumnRunStart3(int c);

// ---- the table and the end ----

// The table image shown again after a module changed it.
void RefreshTable3();
// The end test of a group-3 module: won by IsGameWon3, stuck by CountMoves3, Button8
// "To menu" either way.
Kit::TEndTest EndTest3();

// ---- stock and waste ----

// The waste's next free slot in the current game's counter.
int WasteNext3();
// Sets the waste's next free slot (both counters where the game keeps two).
void SetWasteNext3(int next);
// Where the stock's and the waste's top cards are drawn (raised in Sultan and Backbone;
// the waste's top by the stack edge of its own slot, as the painter draws it).
QPoint StockTop3();
QPoint WasteTop3();
// 1 for the stock, 2 for the waste under (X, Y) (the engine's hit test); 0 for neither.
int StockOrWasteAt3(int X, int Y);
// A press source on the stock or the waste: none when (X, Y) is on neither; else whether
// the waste holds a card there, put into `s` as pile `pile`, position `pos`.
std::optional<bool> WasteSourceAt3(int X, int Y, int pile, int pos, Kit::TSpot& s);
// The stock's top card onto the waste: the stock repainted, the card flown in move
// modes 1 and 2, the waste repainted. False with an empty stock or a full waste.
bool TurnStockCard3();
// A press on the stock: its top card turned ("WavCardUp"), or, with the stock empty and
// PassCount below `passes`, the waste turned back for the next pass ("WavStopka"); the
// table refreshed and the info panel drawn. False when the stock can do nothing.
bool PlayStock3(int passes);
// Every waste card back into the stock, the waste's top at the stock's bottom, so the
// first card turned is on top again; stock and waste repainted. Returns the cards moved.
int TurnWasteBack3();

// The waste's top card and value taken off (its slot "##" / 99, the count down) and put
// back on; the waste repainted.
struct TTaken3 {
    TCardCode Card = cards::Empty;
    GameState::Byte Value = cards::EmptyValue;
};
TTaken3 TakeWasteTop3();
void PutOnWaste3(const TCardCode& card, GameState::Byte value);

} // namespace Group3

// The rules accessor `Name`Rules() of a module that the kit plays by MakeRules(), and its
// four table handlers. Used inside namespace Group3.
#define GROUP3_KIT_MODULE(Name)                                                                   \
    const Kit::TPlayRules& Name##Rules()                                                          \
    {                                                                                             \
        static const Kit::TPlayRules r = MakeRules();                                             \
        return r;                                                                                 \
    }                                                                                             \
    void Name##MouseDown(platform::MouseButton Button, platform::ShiftState, int X, int Y)        \
    {                                                                                             \
        Kit::PlayPress(Name##Rules(), Button, X, Y);                                              \
    }                                                                                             \
    void Name##MouseMove(platform::ShiftState, int X, int Y) { Kit::PlayMove(Name##Rules(), X, Y); } \
    void Name##MouseUp(platform::MouseButton Button, platform::ShiftState, int X, int Y)          \
    {                                                                                             \
        Kit::PlayRelease(Name##Rules(), Button, X, Y);                                            \
    }
