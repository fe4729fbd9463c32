// The product's name, the release date, the language codes and the intro's credit line.
// Ten entries per table, one per line, in the language order of the comments.
#include "foundation/Texts.h"

namespace Texts {

// the codes that resource names append
const TText LanguageCodes = Ten(
    "Eng",                                         // Eng
    "Rus",                                         // Rus
    "Deu",                                         // Deu
    "Fra",                                         // Fra
    "Spa",                                         // Spa
    "Chi",                                         // Chi
    "Ita",                                         // Ita
    "Cze",                                         // Cze
    "Jap",                                         // Jap
    "Kor");                                         // Kor

// the language list of the options dialog; the same ten entries in every language
const TText LanguageNames = Ten(
    "English",                                     // Eng
    "Русский",                                     // Rus
    "Deutsche",                                    // Deu
    "Français",                                    // Fra
    "Español",                                     // Spa
    "中文",                                        // Chi
    "Italiano",                                    // Ita
    "Čeština",                                     // Cze
    "日本",                                        // Jap
    "한국인");                                      // Kor

const TText ProductNames = Ten(
    "Vardelin",                                    // Eng
    "Варделин",                                    // Rus
    "Vardelin",                                    // Deu
    "Vardelin",                                    // Fra
    "Vardelin",                                    // Spa
    "瓦尔德林",                                    // Chi
    "Vardelin",                                    // Ita
    "Vardelin",                                    // Cze
    "ヴァルデリン",                                // Jap
    "바르델린");                                    // Kor

const TText ProductNamesUpper = Ten(
    "VARDELIN",                                    // Eng
    "ВАРДЕЛИН",                                    // Rus
    "VARDELIN",                                    // Deu
    "VARDELIN",                                    // Fra
    "VARDELIN",                                    // Spa
    "瓦尔德林",                                    // Chi
    "VARDELIN",                                    // Ita
    "VARDELIN",                                    // Cze
    "ヴァルデリン",                                // Jap
    "바르델린");                                    // Kor

const TText ReleaseDateTexts = Ten(
    "March 15, 2024",                              // Eng
    "15 Марта, 2024",                              // Rus
    "15. März 2024",                               // Deu
    "15 mars 2024",                                // Fra
    "15 de marzo de 2024",                         // Spa
    "2024年3月15日",                               // Chi
    "15 marzo 2024",                               // Ita
    "15. března 2024",                             // Cze
    "2024年3月15日",                               // Jap
    "2024년 3월 15일");                             // Kor

// the intro's credit line: the maker's label, a name written alike in every language
const TText CreditTexts = Ten(
    "Qyv Games",                                   // Eng
    "Qyv Games",                                   // Rus
    "Qyv Games",                                   // Deu
    "Qyv Games",                                   // Fra
    "Qyv Games",                                   // Spa
    "Qyv Games",                                   // Chi
    "Qyv Games",                                   // Ita
    "Qyv Games",                                   // Cze
    "Qyv Games",                                   // Jap
    "Qyv Games");                                  // Kor

} // namespace Texts
