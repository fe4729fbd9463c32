#pragma once
// The current player's club fields, prepared by the sign-in and read by the new deals
// and the end of a round.
#include <QString>

namespace ClubPlayer {

// Name padded with blanks to 20 characters.
inline QString CurrentPlayerName;
// Password padded with blanks to 5 characters.
inline QString ClubPassword;
// The password as fifteen digits (ClubFile::EncodeClubField).
inline QString ClubPasswordCoded;
// Rounds of the series so far, 3 characters ("  0" for a new player).
inline QString ClubRoundsText;
// Score of the series so far, 6 characters ("     0" for a new player).
inline QString ClubScoreText;

} // namespace ClubPlayer
