#pragma once
// Localized texts: every visible text is a table of ten strings, one per language, in
// the order of LanguageIndex (English, Russian, German, French, Spanish, Chinese,
// Italian, Czech, Japanese, Korean).
#include "platform/Array.h"

#include <QString>

namespace Texts {

using TText = platform::Arr<QString, 10, 0>;

// The current language, 0..9.
inline int LanguageIndex = 0;

// The entry of the current language.
inline const QString& Tx(const TText& t)
{
    return t[LanguageIndex >= 0 && LanguageIndex <= 9 ? LanguageIndex : 0];
}

} // namespace Texts
