// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText LanguageCodes = Ten("Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor");
const TText LanguageNames = Ten("English", "Русский", "Deutsch", "Français", "Español", "中文", "Italiano", "Čeština", "日本語", "한국어");
const TText ProductNames = En("Vardelin");
const TText ProductNamesUpper = En("VARDELIN");
const TText ReleaseDateTexts = En("March 15, 2024");
const TText CreditTexts = En("Made by the Vardelin team");

} // namespace Texts
