#pragma once
// The press-to-release play of a one-card game module (groups 2 and 3): a press lifts a
// card into the drag sprite (drag mode) or selects it (click modes), a release or a
// second click moves it where the rules allow and otherwise puts it back, a double
// click sends it to a foundation, and every completed move ends with the end test.
// It is one client of the kit's blocks (KitPress, KitDrag, KitDrop, KitFlight, KitEnd);
// a game that plays differently composes those blocks itself.
//
// How a module uses it: it describes its places once and hands every mouse event on.
//   const Kit::TPlayRules& Rules() {
//       static const Kit::TPlayRules r = [] {
//           Kit::TPlayRules r;
//           r.SourceAt = [](int X, int Y, Kit::TSpot& s) { ... hit test, s.Card = ... };
//           r.Take = [](const Kit::TSpot& s) { Kit::HoldOneCard(card, value); empty the
//                                             place; count down; repaint };
//           r.PutBack = [](const Kit::TSpot& s) { TargetCard back; count up; repaint };
//           r.TargetAt = ...; r.Takes = ...; r.Put = ...;   // the game's rules
//           r.Foundations = ...;                            // for the double click
//           r.End.Won = ...; r.End.Stuck = ...;
//           return r;
//       }();
//       return r;
//   }
//   press:   Kit::PlayPress(Rules(), Button, X, Y);
//   move:    Kit::PlayMove(Rules(), X, Y);
//   release: Kit::PlayRelease(Rules(), Button, X, Y);
//   double:  Kit::PlayDoubleClick(Rules());
#include "foundation/CardCode.h"
#include "foundation/GameState.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitEnd.h"
#include "platform/PictureControl.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace Kit {

// A place of the game: its pile and position as the module numbers them (HitPile,
// HitPos, DragSourcePile take them), where its card is drawn, and its card.
struct TSpot {
    int Pile = 0;
    int Pos = 0;
    int X = 0;
    int Y = 0;
    TCardCode Card = cards::Empty;
    GameState::Byte Value = cards::EmptyValue;
    bool SamePlace(const TSpot& o) const { return Pile == o.Pile && Pos == o.Pos; }
};

struct TPlayRules {
    // ---- the press ----
    bool SaveCursor = false;       // the screen cursor saved before the button test
    bool AnyButton = false;        // the right and middle buttons play too
    // The right and middle buttons play nothing but are timed, and in the click modes
    // their press runs the end test (Fig.).
    bool TimeEveryButton = false;
    bool RecordPressPoint = true;  // PressX, PressY := the press point
    // The game's own attempts before a card is taken (a stock deal, ...); true when
    // one handled the press.
    std::function<bool(int X, int Y)> OwnPress;
    // Where one of those attempts would act (a stock with cards): the hand while no
    // card is dragged.
    std::function<bool(int X, int Y)> OwnHand;
    // A card at (X, Y) that may be lifted or selected.
    std::function<bool(int X, int Y, TSpot& source)> SourceAt;
    // The card of `source` into the hand (HoldOneCard), its place emptied, its count
    // down, the place repainted.
    std::function<void(const TSpot& source)> Take;
    // The hand back onto `source`, its count up, the place repainted.
    std::function<void(const TSpot& source)> PutBack;

    // ---- targets ----
    // The place under (X, Y); with TargetsByCorner, Places() lists every place and the
    // target is the one under the sprite's corner.
    std::function<bool(int X, int Y, TSpot& target)> TargetAt;
    bool TargetsByCorner = false;
    std::function<std::vector<TSpot>()> Places;
    // A drop counts only with the release point inside this area (empty: anywhere).
    std::function<bool(int X, int Y)> DropArea;
    // The drag cursor shows the hand over a TargetAt place that takes the card, not
    // over the drop the release would find.
    bool DragCursorAtPointer = false;
    // Whether `target` takes the card (its rules).
    std::function<bool(const TSpot& target, const TCardCode& card, GameState::Byte value)> Takes;
    // The hand onto `target`, its count up, repainted.
    std::function<void(const TSpot& target)> Put;
    // `target` is complete after the card went there ("WavStopka" instead of "WavCardUp").
    std::function<bool(const TSpot& target)> Complete;
    // A drop back onto the card's own place restores it without sound or count.
    bool SilentHomeDrop = false;
    bool CountMoves = true;
    std::function<void()> Panel; // the info panel after a move
    // What the game does of itself after a completed move and its sound (a refill).
    std::function<void(const TSpot& target)> AfterMove;

    // ---- a refused drop ----
    TCancelRule Cancel = TCancelRule::FromPress;
    TFlyBack FlyBack = TFlyBack::FromTwenty;
    // The point, after the lift, that the cancel and fly-back distances of a refused
    // card are measured from (empty: the card's place). The card always flies home.
    std::function<QPoint(const TSpot& source)> ReturnFrom;

    // ---- the pointer ----
    // A hint for the place under (X, Y), empty for none.
    std::function<QString(int X, int Y)> Hint;
    bool HintOff = true; // false: the pointer leaves the table's hint alone
    // Further places that show the hand while no card is dragged (a stock, a reserve).
    std::function<bool(int X, int Y)> HandOver;

    // ---- the double click ----
    bool DoubleClick = true;
    bool DoubleClickAllModes = false; // else drag mode only
    std::function<std::vector<TSpot>()> Foundations;
    TFoundationSearch Search = TFoundationSearch::First;
    bool DoubleClickEndTest = false;

    // ---- the end ----
    TEndTest End;
    // The end test of a release, when it differs from the press's (its panel order).
    std::optional<TEndTest> EndOnRelease;
    // "WavStopka" of a dry table follows any action, not only a move: a selection, a
    // deselection or the game's own press, and the release of every dragged card.
    bool DryAfterAnyAction = false;
};

// The place of the card lifted or selected last.
inline TSpot PlaySource;

void PlayPress(const TPlayRules& rules, platform::MouseButton Button, int X, int Y);
void PlayMove(const TPlayRules& rules, int X, int Y);
void PlayRelease(const TPlayRules& rules, platform::MouseButton Button, int X, int Y);
void PlayDoubleClick(const TPlayRules& rules);
// No card selected any more (SourceSelected, HitPile, HitPos, DragSourcePile cleared);
// the caller has taken the mark off or repainted it away.
void ClearSelection();

} // namespace Kit
