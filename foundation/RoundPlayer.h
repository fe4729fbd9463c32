#pragma once
// The current player's side of a round: the round data a deal takes from the club file
// (or the account) and the entry the end of the round writes back, and the values the
// world-top-ten window reads.
#include <QString>

namespace GameState {

// Score a local ten-round series offers to the world top ten, and the place it got
// there (-1 until submitted).
inline int WorldSubmitScore = 0;
inline int WorldSubmitPlace = -1;

// The player's round data as a new deal sets it for PlayerSlot (1..5 club member,
// 6 new player, 7 the account player): name, rounds and score; a member's entry is
// taken out of the club file (a round not finished through "To menu" loses it).
// PlayerRounds ends as the number of the round now starting. False when the club
// file could not be read or written (its message has been shown).
bool TakeRoundPlayer();

// The first step of every new deal (not a redeal): the round's counters cleared and the
// player's entry taken before anything on the table changes, so a file error leaves the
// menu as it was (ReturnToMenu, false).
bool BeginRoundPlayer();

// The 55-character club entry of the finished round.
QString RoundClubEntry();

} // namespace GameState
