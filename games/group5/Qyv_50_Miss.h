#pragma once
// Miss Milligan (442): ten columns built down in alternating colours, ordered runs
// carried by drag and drop in every move mode, eight foundations built up by suit, and
// a stock that deals one card onto every column. The table handlers are in Group5.h.
#include "foundation/CardCode.h"

namespace Group5 {

enum TMissKind : int { MissNone = 0, MissStock = 1, MissFoundation = 2, MissColumn = 3 };

// The area under (X, Y): Kind, with Pile the foundation or the column and Row the
// column's slot (its top slot, 1 for an empty column, or a covered card's slot).
void MissHitTest(int X, int Y, int& Pile, int& Row, int& Kind);
// Card may go on foundation f: an Ace on an empty one, else the next rank of its suit.
bool MissFitsFoundation(const TCardCode& Card, int f);
// SpriteHide at (X, Y) and the sprite freed with its two pictures.
void MissEndDrag(int X, int Y);

} // namespace Group5
