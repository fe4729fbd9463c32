#pragma once
// The play steps the group-4 removal games share (Pyramid, Diamond, Pairs, Wish and
// Monte Carlo), composed of the play kit's blocks. These games select and
// remove on the release; the press only times itself (and removes Kings in Pyramid).
//
// How a module uses it:
//   press:   if (Kit::PressWhileDragging()) return; Kit::SaveScreenCursor();
//            Kit::StartPressTiming(); ... LiftOneCard4(x, y, card, value, X, Y, empty)
//   release: Kit::RestoreScreenCursor(); if (DragActive) Kit::RemoveDragSprite();
//            t = DropPlace4(X, Y, corners); legal: the removal, AddDiscard4(); else
//            FlyBack4(X, Y, homeX, homeY, Kit::TFlyBack::FromTwenty), put the card back.
//            SelectCard4 / DeselectCard4 for the click modes; EndGame4(won) at the end.
#include "foundation/CardCode.h"
#include "foundation/GameState.h"

#include <QPoint>
#include <functional>
#include <span>

#include "games/kit/KitDrop.h"

namespace Group4 {

// Lifts the one card whose top-left is (x, y) under the drag sprite: "WavDown" when the
// press sounds, TargetCard / TargetValue, DragActive (DragRun's G `spriteG`);
// `takeFromTable` empties and repaints its place. False (nothing lifted) while a drag is
// active.
bool LiftOneCard4(int x, int y, const TCardCode& card, GameState::Byte value, int X, int Y,
                  const std::function<void()>& takeFromTable, int spriteG = 3);
// The place (1-based in `corners`) whose top-left lies within Scaled(30) of the dragged
// card's top-left, the last that does, or 0.
int DropPlace4(int X, int Y, std::span<const QPoint> corners);
// A refused drop: "WavCancel" always; the card flies back from the sprite's corner to
// (homeX, homeY) when `rule` says it is far enough (count 0).
void FlyBack4(int X, int Y, int homeX, int homeY, Kit::TFlyBack rule = Kit::TFlyBack::FromTwenty);
// Click selection on the release: "WavDown" and the frame on, or "WavCancel" and off.
void SelectCard4(int x, int y);
void DeselectCard4(int x, int y);
// TargetCard / TargetValue onto the discard pile (nothing when it is full).
void AddDiscard4();
// The held card flown (count 0) to the discard pile.
void FlyToDiscard4(int fromX, int fromY);
// The held card flown (count 0) off the right edge of the table (Pairs, Wish).
void FlyOffTable4(int fromX, int fromY);
// The table image shown anew.
void RefreshTable4();
// Nothing held, no drag: TargetCard "##", DragSourcePile / DragSourceSlot 0, DragActive 0.
void ClearDrag4();
// The end of a removal game: Button8 "To menu", the sound, balloons when won, the score
// window.
void EndGame4(bool won);
// The end test of the games that end when no pair is left (Pairs, Wish, Monte Carlo):
// stuck while `stockLeft` sounds "WavStopka" and play goes on; stuck otherwise ends
// the game, won when `won` says the table is cleared.
void EndWhenStuck4(bool stockLeft, const std::function<bool()>& won);

} // namespace Group4
