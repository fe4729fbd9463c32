// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtCompletionOfGame = En("The completion of game");
const TText TxtCongratulations = En("CONGRATULATIONS!!!");
const TText TxtBestResult = En("Your result - the best!");
const TText TxtBecomeChairman = En("You become the chairman of club!");
const TText TxtGoodResult = En("Good result!");
const TText TxtInTopTen = En("You have hitted in top ten players!");
const TText TxtOurRegrets = En("Our regrets...");
const TText TxtWishBetter = En("Your result keeps to wish best");
const TText TxtNotInTopTen = En("You have not hitted in ten best players...");
const TText TxtResult = En("Result: ");
const TText TxtPlace = En("Place: ");
const TText TxtYouGet = En("You get");
const TText TxtQyvs = En("Qyvs");
const TText DedicationTexts = En("To everyone who deals one more game before bed.");
const TText TxtAboutPlace = En("Planet Earth");
const TText TxtAuthorsHeading = En("Authors:");
const TText TxtAuthorsLine = En("The Vardelin team");
const TText TxtAuthorOfIdea = En("The author of idea:");
const TText TxtProgrammingPhp = En("Programming php:");
const TText TxtProgrammingPhpLine = En("The Vardelin server team");
const TText TxtSeparateThanks = En("Separate thank you:");
const TText TxtForResourceAuthors = En("For resource authors");
const TText TxtMoreInHelp = En("More in detail in the help");
const TText TxtOfficialSite = En("Official site:");
const TText TxtEMail = En("E-mail:");
const TText TxtAutoMethodFailed = En("Auto method failed.");

} // namespace Texts
