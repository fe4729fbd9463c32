#pragma once
// Clover (440): sixteen fans of three, one card at a time onto its suit one higher or to
// the foundations built up from the four Aces; two redeals of the fans when stuck.
// The table handlers and KleverRedeal are declared in Group5.h.
namespace Group5 {

int KleverPileX(int n);
// Top of fan n's top card (its first place when the fan is empty).
int KleverTopY(int n);
// The highest fan 1..16 whose top card (or empty place) contains (X, Y); 0 for none.
int KleverHitTest(int X, int Y);

} // namespace Group5
