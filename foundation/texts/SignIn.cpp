// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtWelcome = En("Welcome!");
const TText TxtEnterName = En("Enter Your name:");
const TText TxtEnterPassword = En("Enter Your password:");
const TText TxtPasswordAgain = En("And once again for check...");
const TText TxtCancel = En("Cancel");
const TText TxtIncorrectName = En("Incorrect name!");
const TText TxtNameCharsNotAllowed = En("Use only Latin or Cyrillic letters, digits and signs in the name!");
const TText TxtPasswordsDiffer = En("The passwords do not coincide!");
const TText TxtIncorrectPassword = En("The incorrect password!");
const TText TxtWhatCardsToShift = En("What cards to shift?");
const TText TxtAll = En("All");

} // namespace Texts
