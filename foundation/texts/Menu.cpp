// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtNewPlayer = En("New Player");
const TText TxtTopTen = En("Top Ten");
const TText TxtOptions = En("Options");
const TText TxtExit = En("Exit");
const TText TxtHelp = En("Help");
const TText TxtAbout = En("About");
const TText TxtDedication = En("Dedication");
const TText TxtChangeName = En("To change a name");
const TText TxtExitToMenu = En("Exit to menu");
const TText TxtDownload = En("Download");
const TText TxtStatistics = En("Statistics");
const TText TxtOn = En(" on ");
const TText TxtClubMembersTitle = En(" The members of club      Rounds      Score ");
const TText TxtUnknown = En("Unknown");
const TText TxtToBegin = En("To Begin");
const TText TxtToMenu = En("To menu");
const TText TxtThatsAll = En("That`s all");
const TText TxtToReshuffle = En("To reshuffle");
const TText TxtCollectCards = En("Collect cards");
const TText TxtUndo = En("Undo");
const TText TxtInfo = En("Info");
const TText TxtGame = En("Game");
const TText TxtLeaveToMenu = En("You want to leave in the main menu?");
const TText TxtLeaveGame = En("You want to leave from game?");
const TText TxtDataWillBeLost = En("All datas for want of it will be lost!");
const TText TxtWorldTopTenUnavailable = En("World Top Ten Tournament is temporarily unavailable!");
const TText TxtChatUnavailable = En("Chat is temporarily unavailable!");
const TText TxtApkUnavailable = En("in Apk is temporarily unavailable!");
const TText TxtGooglePlayUnavailable = En("Google Play are temporarily unavailable!");
const TText TxtCouldNotConnect = En("Could not connect to server!");
const TText TxtRepeat = En("Repeat?");
const TText TxtCantWriteResult = En("Unable to write the result of the game!");
const TText TxtExcuse = En("Excuse!");
const TText TxtHelpNotTranslated = En("The file of the help is not translated to the English language.");
const TText TxtGameOnRating = En("There is a game on the rating!");
const TText TxtNotLoggedIn = En("You are not logged in to your account!");
const TText TxtLoggedIn = En("You are logged in to your account!");

} // namespace Texts
