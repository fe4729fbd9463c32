#pragma once
// The calendar of the menu screen: the table of holidays and anniversaries, the date
// rules that put each of them on a day of the current year, and the selection of the
// entries of one day. The pictures are drawn by MenuDecorations::DrawCalendarPage
// (declared in MenuDecorations.h, defined in Calendar.cpp) from the calendar library.
#include "platform/Array.h"

#include <QDate>
#include <QString>
#include <vector>

namespace platform {
class Canvas;
}

namespace Calendar {

// The add-on library that holds the calendar pictures.
inline const QString LibraryFile = QStringLiteral("QyvCalendar01.dll");

inline constexpr int EntryCount = 86;
// At most six entry pictures fit on the page after the day page and the year's animal.
inline constexpr int MaxEntriesShown = 6;

// One entry of a day, split out of its stored form.
struct TInfoX {
    QString Year;                   // four digits, "0000" when no age is shown
    QString Who;                    // owner code ("ALL", "RUS", "PRA", ...)
    QString Res;                    // name of the entry's picture in the library
    platform::Arr<QString, 10> Str; // Str[language index + 1]
};

// Entry Index (1..86) in its stored form: date field, "#", owner, "#", picture, "#",
// then ten texts (Russian, English, German, ...), each ended by "#". An index outside
// 1..86 gives an empty text.
void CalendarEntry(int Index, QString& Text);

// Day and month of day number N of a year with leap flag L (0 or 1); outside
// 1..365 + L both are left as they were.
void DayOfYearToDate(int N, int L, int& Day, int& Month);

int LeapFlag(int year);
// Day numbers (1 = 1 January) of the Orthodox Easter (Julian computus shifted by the
// 13 days of 1900..2099) and of the Western Easter.
int OrthodoxEasterDay(int year);
int WesternEasterDay(int year);

// The fixed form of one date field on `date`: a fixed date stays; an Easter rule
// sets P (Orthodox) or K (Western) to the Easter day number, which the offset rules
// that follow it read; a weekday rule gives `date` itself or "00.00.0000".
QString ResolveDateField(const QString& field, const QDate& date, int& P, int& K);
// The stored entries of the year with every rule resolved to a fixed date field
// ("dd.mm.0000", or "00.00.0000" for a weekday rule that misses `date`), in table order.
std::vector<QString> ResolvedEntries(const QDate& date);
// The table numbers (1..86) of the entries of `date`, in table order, at most six.
std::vector<int> EntryNumbersOf(const QDate& date);
// The entries of `date` split into records, in table order, at most six.
std::vector<TInfoX> TodaysEntries(const QDate& date);
// Splits a stored entry into its record.
TInfoX SplitEntry(const QString& entry);

// The hint of an entry's picture: its text, with the age and the owner's label in
// brackets where there are any.
QString EntryHint(const TInfoX& entry, int year, int language);

// Zodiac sign 0 (Aries) .. 11 (Pisces) of a day.
int ZodiacSignOf(int day, int month);
// The library picture of the year's animal, and the index of its name in YearAnimalNames.
QString AnimalPictureOf(int year);
int AnimalNameIndexOf(int year);

// Draws Text centred between Left and Right (the spare width halved and truncated) at Y.
void CalendarTextOut(const QString& Text, int Left, int Right, platform::Canvas& Canvas, int Y);

// The local date the pictures were last drawn for (null before the first page).
inline QDate PageDate;
// True when a page has been drawn and today is another day: the page needs a rebuild.
bool PageIsStale();

} // namespace Calendar
