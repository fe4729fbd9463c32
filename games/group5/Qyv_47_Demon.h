#pragma once
// Daemon (429): four columns built down in alternating colours, four foundations built
// up by suit from the Ace, a stock turned one card at a time in three passes, and a
// reserve of 13 whose top card feeds itself to the foundations and empty columns.
// The table handlers and DemonAutoFill are declared in Group5.h.
#include "foundation/CardCode.h"

namespace Group5 {

// Areas of the table under a point.
enum TDemonKind : int { DemonNone = 0, DemonStock = 1, DemonWaste = 2, DemonFoundation = 3, DemonReserve = 4, DemonColumn = 5 };

// The area under (X, Y): Kind, with Pile the foundation, the reserve's top slot or the
// column, and Row the column's slot (1 for an empty column).
void DemonHitTest(int X, int Y, int& Pile, int& Row, int& Kind);
// Card may go on the foundation whose top is Target: same suit, one higher.
bool DemonFitsFoundation(const TCardCode& Card, int CardValue, const TCardCode& Target, int TargetValue);
// SpriteHide at (X, Y) and the sprite freed with its two pictures.
void DemonEndDrag(int X, int Y);

// Where the lifted cards came from (DemonStock.. DemonColumn) and the column of a run.
inline int DemonDragKind = 0;
inline int DemonDragColumn = 0;

} // namespace Group5
