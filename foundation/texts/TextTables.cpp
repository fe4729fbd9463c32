#include "foundation/Texts.h"

namespace Texts {

TText Ten(const char* english, const char* russian, const char* german, const char* french,
          const char* spanish, const char* chinese, const char* italian, const char* czech,
          const char* japanese, const char* korean)
{
    const char* entries[LanguageCount] = {english, russian, german, french, spanish,
                                          chinese, italian, czech, japanese, korean};
    TText t;
    for (int i = 0; i < LanguageCount; ++i)
        t[i] = QString::fromUtf8(entries[i]);
    return t;
}

QString Shown(const QString& text)
{
    QString s = text;
    s.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

namespace {

template <int N, int Base>
void addList(std::vector<TextTableEntry>& out, const char* name, const TTextList<N, Base>& list)
{
    for (int i = Base; i < Base + N; ++i)
        out.push_back({QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(i), &list[i]});
}

} // namespace

std::vector<TextTableEntry> AllTextTables()
{
    std::vector<TextTableEntry> out;
#define VARDELIN_REGISTER_TEXT(name) out.push_back({QStringLiteral(#name), &name});
    VARDELIN_TEXTS_ALL(VARDELIN_REGISTER_TEXT)
#undef VARDELIN_REGISTER_TEXT
    addList(out, "GameNames", GameNames);
    addList(out, "MoveModeNames", MoveModeNames);
    addList(out, "BackModeNames", BackModeNames);
    addList(out, "WindowSizeNames", WindowSizeNames);
    addList(out, "FaceDeckNames", FaceDeckNames);
    addList(out, "BackDeckNames", BackDeckNames);
    addList(out, "FontRoleNames", FontRoleNames);
    addList(out, "BackgroundNames", BackgroundNames);
    addList(out, "BackgroundColorNames", BackgroundColorNames);
    addList(out, "MonthNames", MonthNames);
    addList(out, "ZodiacNames", ZodiacNames);
    addList(out, "YearAnimalNames", YearAnimalNames);
    addList(out, "OwnerLabels", OwnerLabels);
    return out;
}

} // namespace Texts
