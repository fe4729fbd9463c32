#pragma once
// The account service's requests of the account window and the profile editor:
// registration, top ten, place and member count, currency balance, contact profile and
// the member photos. Login, game record read and save live with the online state in
// foundation/AccountClient.h. Every request takes the plain (deciphered) service
// address first, never throws and shows nothing.
#include "foundation/AccountClient.h"
#include "platform/Array.h"

#include <QString>

namespace Online {

// The avatar folder and the photo upload script, kept scrambled with the account key; a
// photo is <folder><nick>.jpg. Both at the local protocol server.
inline QString AvatarFolderAddressCoded = QStringLiteral("IEO8piPH/osCIddciTWpwF2SKNA2iX5jmEpb");
inline QString UploadScriptAddressCoded = QStringLiteral("IEO8piPH/osCIddciTWpwF2SKNA2iX5mDe41KkbshFzO");
// The currency top-up page, kept scrambled with the settings key.
inline QString TopUpPageAddressCoded = QStringLiteral("PrCc3/rwwm+8sk6UVVyYj1yrn6jS/s2+Utj6I/XLvtg/");

// 0 created, 1 the nick exists, 2 any failure.
int ServerRegister(const QString& Address, const TQyvUser& User);
// Ok once a reply has come; rows the reply leaves out stay empty with sex "M" and
// rating 0. A rating that is not a number ends the reading with Ok False.
void ServerTopTen(const QString& Address, const QString& GameCode, bool& Ok, platform::Arr<TQyvTop10, 10>& Rows);
// The place a rating reaches in the game's list; -1 when not read.
int ServerPlaceForRating(const QString& Address, const QString& GameCode, double Rating, bool& Ok);
// The number of members; -1 when not read.
int ServerPlayerCount(const QString& Address, bool& Ok);
// The member's currency balance, valid only when Ok.
int ServerReadBalance(const QString& Address, const QString& Nick, bool& Ok);
// Adds a signed amount to the member's balance.
bool ServerSaveBalance(const QString& Address, const QString& Nick, int Amount, bool& Ok);
// The member's contact profile. On a refusal or a failed request Info keeps what the
// caller had and Ok is False.
void ServerReadInfo(const QString& Address, const QString& Nick, bool& Ok, TInfo14& Info);
// Stores the profile. "~" and "$" in a value become "-": the service hands the profile
// back framed and separated by them.
bool ServerSaveInfo(const QString& Address, const QString& Nick, const TInfo14& Info, bool& Ok);
// The game record read right after a registration; the same as ServerReadGame.
void ServerReadGame2(const QString& Address, const QString& Nick, const QString& Pw, const QString& GameCode,
                     bool& Ok, TQyvGame& Game);

// Loads the photo of Name into AccountPhoto (slot 1) or LeaderPhoto (slot 2); other
// slots load nothing. False when the download or the picture fails.
bool DownloadAvatar(const QString& Name, int Slot);

} // namespace Online
