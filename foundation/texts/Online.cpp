// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtCantSendMessage = En("Unable to send a message!");
const TText TxtSend = En("Send");
const TText TxtClose = En("Close");
const TText TxtYourScore = En("Your score");
const TText TxtYourPlace = En("Your place");
const TText TxtNumberOfGames = En("Number of games");
const TText TxtPassport = En("Passport");
const TText TxtNick = En("Nick");
const TText TxtCountry = En("Country");
const TText TxtCity = En("City");
const TText TxtSex = En("Sex");
const TText TxtEurope = En("Europe");
const TText TxtAsia = En("Asia");
const TText TxtNorthAmerica = En("North America");
const TText TxtSouthAmerica = En("South America");
const TText TxtOceania = En("Oceania");
const TText TxtAfrica = En("Africa");
const TText TxtMale = En("Male");
const TText TxtFemale = En("Female");
const TText TxtChatTitle = En("Qyv Games Chat");
const TText TxtLastMessageAtBottom = En("Last message at the bottom");
const TText TxtOpenOnNewMessage = En("Open this window when a new message");
const TText TxtNumberOfStarts = En("Number of starts");
const TText TxtNumberOfUniqueStarts = En("Number of unique starts");
const TText TxtLikes = En("Likes");
const TText TxtLastLike = En("Last Like");
const TText TxtILikeThisGame = En("I like this game!");
const TText TxtMyAccount = En("My account");
const TText TxtMyResults = En("My results");
const TText TxtLoginToAccount = En("Login to account");
const TText TxtSignOut = En("Sign out");
const TText TxtAccountInformation = En("Your account information");
const TText TxtPassword = En("Password");
const TText TxtRegistration = En("Registration");
const TText TxtHidePassword = En("Hide password");
const TText TxtPlayGlobalRating = En("Play global rating");
const TText TxtClubMembers = En("Club members: ");
const TText TxtAccountCreated = En("Your account has been successfully created!");
const TText TxtNickTaken = En("The club already has a player with the same Nick!");
const TText TxtCouldNotCreateAccount = En("Could not create account!");
const TText TxtLoginFailed = En("Login failed!");
const TText TxtGamesInformation = En("Information about your games");
const TText TxtRating = En("Rating");
const TText TxtPlaceWord = En("Place");
const TText TxtPlayedGames = En("Played games");
const TText TxtMyBestScore = En("My best score");
const TText TxtTopTenRated = En("Top 10 best rated players");
const TText TxtCreateAccount = En("Create an account");
const TText TxtSave = En("Save");
const TText TxtDelete = En("Delete");
const TText TxtPlayedCycles = En("Played cycles");
const TText TxtCurrentDeal = En("Current Deal");
const TText TxtCurrentScore = En("Current Score");
const TText TxtRefill = En("Refill");
const TText TxtPaymentCredit = En("In case of payment, Qyvs will be credited to the account within 24 hours.");
const TText TxtPaymentComment = En("Add a comment when you pay, simply by inserting it from the clipboard!");
const TText TxtTransferQuestion = En("Do you really want to transfer to a club member");
const TText TxtTransferDone = En("Transfer is successful!");
const TText TxtNotEnoughQyvs = En("You do not have enough Qyvs to transfer!");
const TText TxtEmptyTransfer = En("I can not make an empty transfer!");
const TText TxtNoSuchMember = En("There is no club member with that nick!");
const TText TxtAboutMe = En("About me");
const TText TxtTheChairman = En("The chairman");
const TText TxtRefresh = En("Refresh");
const TText TxtCopiedToClipboard = En("Copied to clipboard!");
const TText TxtYourName = En("Your name");
const TText TxtYourLastName = En("Your last name");
const TText TxtBriefInfo = En("Brief information about you");
const TText TxtYourPhone = En("Your phone number");
const TText TxtYourEMail = En("Your e-mail");
const TText TxtYourWebSite = En("Your web site");
const TText TxtYourSkype = En("Your skype");
const TText TxtYourOK = En("Your OK");
const TText TxtYourVK = En("Your VK");
const TText TxtYourTelegram = En("Your Telegram");
const TText TxtYourFacebook = En("Your Facebook");
const TText TxtYourTwitter = En("Your Twitter");
const TText TxtYourInstagram = En("Your Instagram");
const TText TxtYourYouTube = En("Your YouTube");
const TText TxtPhotoFormat = En("The photo must be in jpg format 200x250 pixels in size!");
const TText TxtPhotoUploadFailed = En("Failed to upload photo to server!");
const TText TxtInfoVisible = En("This information may be visible to other club members.");
const TText TxtUpdateInfo = En("Update info");
const TText TxtRefreshPhoto = En("Refresh photo");
const TText TxtSolitaireConverged = En("Solitaire converged");
const TText TxtSolitaireNotConverged = En("Solitaire has not converged");
const TText TxtStatisticsSince = En("This statistic is maintained since version 1.8");
const TText TxtOnlineClubHeading = En("Qyv Games Online Club");
const TText TxtOnlineClubChairman = En("Chairman of the Qyv Games Online Club");

} // namespace Texts
