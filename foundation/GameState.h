#pragma once
// The table state that all fifty games share: piles, cards in motion, round flags,
// player bookkeeping and the layout numbers of the current table. Every engine and game
// module reads and writes these globals by name; there is one user-interface thread.
//
// Conventions: arrays are 1-based and checked; slot 1 is the bottom card of a pile;
// "##" with value 99 marks an empty slot. Byte-sized per-slot values are kept as bytes;
// counters and flags are ints so arithmetic on them can never wrap silently.
#include "foundation/CardCode.h"
#include "platform/Array.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace GameState {

using platform::Arr;
using Byte = std::uint8_t;

// The record of a dragged or flown run of cards.
struct TSpr {
    int K = 0;                 // number of cards, 1..53
    Arr<TCardCode, 53> C;      // C[1] first, C[K] on top
    int H = 0;                 // pixel step between two cards
    int G = 0;                 // fan direction: 1 right, 2 left, 3 down
    friend bool operator==(const TSpr&, const TSpr&) = default;
};

// Four integers Left, Top, Right, Bottom.
using TRect4 = Arr<int, 4>;

using Cards104 = Arr<TCardCode, 104>;
using Values104 = Arr<Byte, 104>;

// X(type, name): every variable of the module, declared once here so that the reset to
// the program-start state cannot miss one.
#define VARDELIN_GAMESTATE_VARS(X)                                                          \
    /* shuffled pack */                                                                    \
    X(Cards104, DealCards) X(Values104, DealValues)                                        \
    /* stock and waste */                                                                  \
    X(Cards104, StockCards) X(Values104, StockValues) X(int, StockCount)                   \
    X(Cards104, WasteCards) X(Values104, WasteValues) X(int, WasteCount)                   \
    /* tableau: [pile 1..19, slot 1..104] */                                               \
    X(SINGLE_ARG(Arr<Cards104, 19>), PileCards) X(SINGLE_ARG(Arr<Values104, 19>), PileValues) \
    X(SINGLE_ARG(Arr<Values104, 19>), PileFaceUp) X(SINGLE_ARG(Arr<Values104, 19>), PileMarks) \
    /* second pile area: [column 1..17, row 1..7, depth 1..15] */                          \
    X(SINGLE_ARG(Arr<Arr<Arr<TCardCode, 15>, 7>, 17>), PileCards2)                         \
    X(SINGLE_ARG(Arr<Arr<Arr<Byte, 15>, 7>, 17>), PileValues2)                             \
    X(SINGLE_ARG(Arr<Arr<Arr<Byte, 15>, 7>, 17>), PileMarks2)                              \
    /* foundations and free cells */                                                       \
    X(SINGLE_ARG(Arr<Arr<TCardCode, 49>, 8>), FoundationCards)                             \
    X(SINGLE_ARG(Arr<Arr<Byte, 49>, 8>), FoundationValues)                                 \
    X(SINGLE_ARG(Arr<int, 8>), FoundationNextSlot) X(SINGLE_ARG(Arr<int, 8>), FoundationCounts) \
    X(SINGLE_ARG(Arr<TCardCode, 4>), FreeCellCards) X(SINGLE_ARG(Arr<Byte, 4>), FreeCellValues) \
    /* pile counters */                                                                    \
    X(SINGLE_ARG(Arr<int, 10>), PileCardCount) X(SINGLE_ARG(Arr<int, 16>), PileCounts)     \
    X(int, ExtraPileCount) X(int, SlotCount) X(int, LayoutPileCount)                       \
    X(int, LayoutFoundationCount)                                                          \
    /* cards in motion */                                                                  \
    X(Cards104, LiftedCards) X(Values104, LiftedValues) X(int, LiftedFromPile)             \
    X(SINGLE_ARG(Arr<TCardCode, 13>), DragCards) X(SINGLE_ARG(Arr<Byte, 13>), DragValues)  \
    X(int, DragSourcePile) X(int, DragSourceSlot) X(TCardCode, TargetCard) X(int, TargetValue) X(TSpr, DragRun)   \
    /* pointer and selection */                                                            \
    X(int, HitPile) X(int, HitPos) X(int, SelectedPile) X(int, SelectedSlot) X(int, SourceSelected)             \
    X(int, DragOffsetX) X(int, DragOffsetY) X(int, LastUpX) X(int, LastUpY)                \
    X(int, PressX) X(int, PressY) X(std::int64_t, PressTime) X(std::int64_t, PressTime2)   \
    X(int, DragActive) X(int, FlightActive) X(int, SavedCursor)                            \
    /* round flags and counters */                                                         \
    X(int, CurrentGameId) X(int, CurrentGroup) X(int, RoundActive) X(int, RoundPhase)      \
    X(int, GameOver) X(int, GameWon) X(int, MoveCounter) X(int, PassCount)                 \
    X(int, UndoFlag) X(int, SelectionFlag) X(int, Button8Mode) X(int, GiveUpAllowed)       \
    X(int, TulipPhase) X(int, IntroActive) X(int, MenuActive)                              \
    /* player bookkeeping */                                                               \
    X(int, PlayerSlot) X(int, PlayerRounds) X(int, PlayerScore) X(int, NewTotalScore)      \
    X(int, WorldPlace) X(int, ClubResultPending) X(int, PasswordAccepted)                  \
    X(SINGLE_ARG(Arr<QString, 9>), PlayerLines) X(SINGLE_ARG(Arr<QString, 9>), PlayerLines2) \
    X(int, ValErrorPos) X(QString, ScratchText)                                            \
    /* layout numbers */                                                                   \
    X(int, CardWidth) X(int, CardHeight) X(int, CardInset) X(TRect4, TableArea)            \
    X(int, ActionButtonLeft) X(int, ActionButtonWidth) X(int, ActionButtonHeight)          \
    X(SINGLE_ARG(Arr<int, 10>), SpecialX) X(int, TopRowY) X(int, ColumnsTopY)              \
    X(int, ColumnsHeight) X(SINGLE_ARG(Arr<int, 10>), PileFanStep)                         \
    X(SINGLE_ARG(Arr<int, 10>), ColumnX) X(int, ColumnTop) X(SINGLE_ARG(Arr<int, 16>), ColumnStep) \
    X(SINGLE_ARG(Arr<int, 16>), PosX) X(SINGLE_ARG(Arr<int, 16>), PosY)                    \
    X(SINGLE_ARG(Arr<Arr<int, 7>, 19>), GridX) X(SINGLE_ARG(Arr<Arr<int, 7>, 19>), GridY)  \
    X(SINGLE_ARG(Arr<int, 8>), FoundationX) X(int, FoundationY)                            \
    X(SINGLE_ARG(Arr<int, 8>), FoundationPosX) X(SINGLE_ARG(Arr<int, 8>), FoundationPosY)  \
    X(SINGLE_ARG(Arr<int, 4>), FreeCellX) X(int, FreeCellY)                                \
    X(int, AuxPile1X) X(int, AuxPile1Y) X(int, AuxPile2X) X(int, AuxPile2Y) X(int, FlySpeed) \
    /* per-game layout numbers */                                                          \
    X(int, TulipPlaceStep) X(SINGLE_ARG(Arr<int, 14>), TulipPlaceX)                        \
    X(SINGLE_ARG(Arr<int, 4>), TulipRowY) X(SINGLE_ARG(Arr<TRect4, 3>), BoardRects)        \
    X(TRect4, TopAreaRect) X(TRect4, MainAreaRect) X(TRect4, BottomAreaRect)               \
    X(TRect4, SideAreaRect) X(TRect4, ButtonRect1) X(TRect4, ButtonRect2)                  \
    X(SINGLE_ARG(Arr<int, 8>), GalleryColX) X(SINGLE_ARG(Arr<int, 11>), BottomRowX)        \
    X(SINGLE_ARG(Arr<int, 4>), GalleryRowY) X(SINGLE_ARG(Arr<int, 9>), GalleryRowShift)    \
    X(SINGLE_ARG(Arr<int, 11>), DesireReserveX) X(SINGLE_ARG(Arr<int, 11>), DesireReserveY) \
    X(SINGLE_ARG(Arr<int, 6>), SultanReserveX) X(SINGLE_ARG(Arr<int, 6>), SultanReserveY)  \
    X(SINGLE_ARG(Arr<int, 22>), BackboneX) X(SINGLE_ARG(Arr<int, 22>), BackboneY)          \
    X(int, SadReserveX) X(SINGLE_ARG(Arr<int, 16>), SadReserveY)                           \
    X(SINGLE_ARG(Arr<int, 5>), BookBounds) X(SINGLE_ARG(Arr<TRect4, 4>), BookLeftRects)    \
    X(SINGLE_ARG(Arr<TRect4, 4>), BookRightRects) X(SINGLE_ARG(Arr<TRect4, 8>), BookFoundationRects) \
    X(TRect4, BookStockRect) X(TRect4, BookWasteRect) X(TRect4, BookStockLabelRect)        \
    X(TRect4, BookWasteLabelRect) X(TRect4, BookListRect) X(int, DiscardX) X(int, DiscardY) \
    X(SINGLE_ARG(Arr<Arr<int, 6>, 4>), LucieFanSteps) X(SINGLE_ARG(Arr<int, 6>), AlzhirReserveX) \
    X(int, AlzhirReserveY) X(int, DemonReserveX) X(SINGLE_ARG(Arr<int, 13>), DemonReserveY) \
    X(int, DemonReserveStep)                                                               \
    /* game-specific working state */                                                      \
    X(TCardCode, TulipHandCard) X(int, TulipHandValue) X(SINGLE_ARG(Arr<TCardCode, 52>), TulipKept) \
    X(SINGLE_ARG(Arr<Byte, 4>), TulipRefillFrom)                                           \
    X(SINGLE_ARG(Arr<TCardCode, 52>), DiscardCards) X(SINGLE_ARG(Arr<Byte, 52>), DiscardValues) \
    X(int, WasteKingTaken) X(int, GalleryClickStage)    \
    X(int, GalleryRedealCount) X(SINGLE_ARG(Arr<Arr<TCardCode, 8>, 10>), GalleryCards)     \
    X(SINGLE_ARG(Arr<Arr<int, 3>, 8>), PGGalleryCount) X(SINGLE_ARG(Arr<int, 10>), PGReserveCount) \
    X(SINGLE_ARG(Arr<TCardCode, 8>), GalleryCards2) X(SINGLE_ARG(Arr<Byte, 8>), GalleryFlags) \
    X(SINGLE_ARG(Arr<Arr<TCardCode, 8>, 11>), DesireReserveCards)                          \
    X(SINGLE_ARG(Arr<int, 11>), DesireReserveCounts) X(SINGLE_ARG(Arr<TCardCode, 7>), TwentyCards) \
    X(SINGLE_ARG(Arr<Arr<int, 3>, 7>), TwentyPileNext)                                     \
    X(SINGLE_ARG(Arr<Arr<Arr<TCardCode, 13>, 3>, 3>), SultanCards)                         \
    X(SINGLE_ARG(Arr<Arr<Arr<Byte, 13>, 3>, 3>), SultanValues)                             \
    X(SINGLE_ARG(Arr<Arr<int, 3>, 3>), SultanNext)                                         \
    X(SINGLE_ARG(Arr<TCardCode, 6>), SultanReserveCards) X(SINGLE_ARG(Arr<Byte, 6>), SultanReserveValues) \
    X(SINGLE_ARG(Arr<Arr<TCardCode, 11>, 2>), BackboneCards)                               \
    X(SINGLE_ARG(Arr<Arr<Byte, 11>, 2>), BackboneValues) X(SINGLE_ARG(Arr<int, 2>), BackboneCounts) \
    X(SINGLE_ARG(Arr<int, 8>), BackboneFoundationNext) X(SINGLE_ARG(Arr<Arr<int, 4>, 2>), BackboneColumnNext) \
    X(SINGLE_ARG(Arr<TCardCode, 16>), SadReserveCards) X(SINGLE_ARG(Arr<Byte, 16>), SadReserveValues) \
    X(SINGLE_ARG(Arr<int, 8>), PileTopX) X(SINGLE_ARG(Arr<int, 8>), PileTopY)              \
    X(SINGLE_ARG(Arr<int, 8>), PileBaseX) X(SINGLE_ARG(Arr<int, 8>), PileBaseY)            \
    X(SINGLE_ARG(Arr<QImage, 3>), TabloBitmaps)                                            \
    /* group 5 counts hold cards + 1, FoundationCounts and AlzhirReserveCounts too */     \
    X(SINGLE_ARG(Arr<Arr<int, 6>, 2>), BAcesNext) X(SINGLE_ARG(Arr<Arr<int, 5>, 4>), LucieFanNext) \
    X(SINGLE_ARG(Arr<Arr<TCardCode, 16>, 6>), AlzhirReserveCards)                          \
    X(SINGLE_ARG(Arr<Arr<Byte, 16>, 6>), AlzhirReserveValues) X(SINGLE_ARG(Arr<int, 6>), AlzhirReserveCounts) \
    X(SINGLE_ARG(Arr<TCardCode, 13>), DemonReserveCards) X(SINGLE_ARG(Arr<Byte, 13>), DemonReserveValues) \
    X(int, DemonReserveCount)

#define SINGLE_ARG(...) __VA_ARGS__
#define VARDELIN_DECLARE_GAMESTATE(type, name) inline type name{};
VARDELIN_GAMESTATE_VARS(VARDELIN_DECLARE_GAMESTATE)
#undef VARDELIN_DECLARE_GAMESTATE

// Puts every variable back to its program-start state: zeros, empty strings and zero
// counts (no "##" yet; the deals write the empty markers).
void ResetGameState();

// Clears a card array and its value array to "##" / 99 (any nesting depth).
template <class CardsT, class ValuesT>
void ClearCards(CardsT& cards, ValuesT& values)
{
    platform::fillAll(cards, cards::Empty);
    platform::fillAll(values, cards::EmptyValue);
}

} // namespace GameState
