#include "foundation/Calendar.h"

#include "foundation/MenuDecorations.h"
#include "foundation/Texts.h"
#include "platform/Canvas.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <cmath>
#include <memory>

namespace Calendar {

namespace {

// The owner codes that carry a label, in the order of Texts::OwnerLabels.
const char* const kLabelledOwners[8] = {"ENG", "RUS", "DEU", "FRA", "ISP", "USA", "PRA", "KAT"};

const char* const kAnimalPictures[12] = {"R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0",
                                         "R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                         "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA"};

// Weekday numbering of the rules: 1 = Sunday .. 7 = Saturday.
int ruleWeekday(const QDate& d)
{
    return d.dayOfWeek() % 7 + 1;
}

QString fixedField(int day, int month)
{
    return QStringLiteral("%1.%2.0000").arg(day, 2, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

QString fieldOfDayNumber(int n, int leap)
{
    // A day number outside the year matches no day.
    int day = 0, month = 0;
    DayOfYearToDate(n, leap, day, month);
    return fixedField(day, month);
}

// A signed offset of three characters ("+39", "-07"); 0 when it is not one.
int signedOffset(const QString& s)
{
    if (s.size() != 3 || (s[0] != QLatin1Char('+') && s[0] != QLatin1Char('-')))
        return 0;
    bool ok = false;
    const int v = s.mid(1).toInt(&ok);
    if (!ok)
        return 0;
    return s[0] == QLatin1Char('-') ? -v : v;
}

int digitAt(const QString& s, int pos1)
{
    return pos1 <= s.size() && s[pos1 - 1].isDigit() ? s[pos1 - 1].digitValue() : -1;
}

int lastWeekStart(int month, int leap)
{
    switch (month) {
    case 4: case 6: case 9: case 11: return 24;
    case 2: return 22 + leap;
    default: return 25;
    }
}

} // namespace

void DayOfYearToDate(int N, int L, int& Day, int& Month)
{
    if (N < 1 || N > 365 + L)
        return;
    const int starts[12] = {1, 32, 60 + L, 91 + L, 121 + L, 152 + L, 182 + L, 213 + L, 244 + L, 274 + L, 305 + L, 335 + L};
    int m = 12;
    while (N < starts[m - 1])
        --m;
    Month = m;
    Day = N - starts[m - 1] + 1;
}

int LeapFlag(int year)
{
    return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

int OrthodoxEasterDay(int year)
{
    const int L = LeapFlag(year);
    const int a = year % 19, b = year % 4, c = year % 7;
    const int d = (19 * a + 15) % 30;
    const int e = (2 * b + 4 * c + 6 * d + 6) % 7;
    const int julian = (d + e <= 9) ? 59 + L + 22 + d + e : 90 + L + d + e - 9;
    return julian + 13;
}

int WesternEasterDay(int year)
{
    const int L = LeapFlag(year);
    const int G = year % 19 + 1;
    const int C = year / 100 + 1;
    const int X = (3 * C) / 4 - 12;
    const int Z = (8 * C + 5) / 25 - 5;
    const int E2 = (5 * year) / 4 - X - 10;
    int E = ((11 * G + 20 + Z - X) % 30 + 30) % 30;
    if ((E == 25 && G > 11) || E == 24)
        ++E;
    int N = 44 - E;
    if (N < 21)
        N += 30;
    N = N + 7 - ((E2 + N) % 7);
    return 59 + L + N;
}

QString ResolveDateField(const QString& field, const QDate& date, int& P, int& K)
{
    const QChar first = field.isEmpty() ? QChar() : field[0];
    if (first == QLatin1Char('0') || first == QLatin1Char('1') || first == QLatin1Char('2') || first == QLatin1Char('3'))
        return field;
    const int Y = date.year(), M = date.month(), D = date.day();
    const int L = LeapFlag(Y);
    if (field.startsWith(QLatin1String("pasha.p000"))) {
        P = OrthodoxEasterDay(Y);
        return fieldOfDayNumber(P, L);
    }
    if (field.startsWith(QLatin1String("pasha.p")))
        return fieldOfDayNumber(P + signedOffset(field.mid(7, 3)), L);
    if (field.startsWith(QLatin1String("pasha.k000"))) {
        K = WesternEasterDay(Y);
        return fieldOfDayNumber(K, L);
    }
    if (field.startsWith(QLatin1String("pasha.k")))
        return fieldOfDayNumber(K + signedOffset(field.mid(7, 3)), L);
    if (field.startsWith(QLatin1String("****"))) {
        const bool last = field.size() > 4 && field[4] == QLatin1Char('l');
        const int w = digitAt(field, 7);
        const int mm = field.mid(8, 2).toInt();
        const bool weekHits = last ? D >= lastWeekStart(M, L) : (D - 1) / 7 + 1 == digitAt(field, 5);
        return (weekHits && ruleWeekday(date) == w && M == mm) ? fixedField(D, M) : QStringLiteral("00.00.0000");
    }
    return field; // not a rule form
}

std::vector<QString> ResolvedEntries(const QDate& date)
{
    std::vector<QString> list(EntryCount);
    for (int i = 1; i <= EntryCount; ++i)
        CalendarEntry(i, list[i - 1]);
    int P = 0, K = 0;
    for (QString& e : list)
        e.replace(0, 10, ResolveDateField(e.left(10), date, P, K));

    // The programmer's day is the 256th day of the year: one day earlier in leap years.
    if (LeapFlag(date.year()) == 1) {
        for (QString& e : list) {
            if (e.mid(25, 17) == QStringLiteral("День программиста"))
                e.replace(0, 10, QStringLiteral("12.09.0000"));
        }
    }
    return list;
}

std::vector<int> EntryNumbersOf(const QDate& date)
{
    const std::vector<QString> list = ResolvedEntries(date);
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(list.size()) && static_cast<int>(out.size()) < MaxEntriesShown; ++i) {
        bool okD = false, okM = false;
        const int d = list[i].mid(0, 2).toInt(&okD);
        const int m = list[i].mid(3, 2).toInt(&okM);
        if (okD && okM && d == date.day() && m == date.month())
            out.push_back(i + 1);
    }
    return out;
}

TInfoX SplitEntry(const QString& entry)
{
    TInfoX x;
    x.Year = entry.mid(6, 4);
    x.Who = entry.mid(11, 3);
    x.Res = entry.mid(15, 9);
    // Russian is stored first and English second; the slots follow the language index.
    static const int slotOfText[10] = {2, 1, 3, 4, 5, 6, 7, 8, 9, 10};
    int text = 0;
    qsizetype start = 25;
    for (qsizetype i = 25; i < entry.size() && text < 10; ++i) {
        if (entry[i] == QLatin1Char('#')) {
            x.Str[slotOfText[text]] = entry.mid(start, i - start);
            ++text;
            start = i + 1;
        }
    }
    return x;
}

std::vector<TInfoX> TodaysEntries(const QDate& date)
{
    const std::vector<QString> list = ResolvedEntries(date);
    std::vector<TInfoX> out;
    for (int n : EntryNumbersOf(date))
        out.push_back(SplitEntry(list[n - 1]));
    return out;
}

QString EntryHint(const TInfoX& entry, int year, int language)
{
    const int lang = language >= 0 && language <= 9 ? language : 0;
    QString hint = entry.Str[lang + 1];
    QString age;
    if (entry.Year != QLatin1String("0000")) {
        bool ok = false;
        const int born = entry.Year.toInt(&ok);
        if (ok)
            age = QString::number(year - born) + Texts::AnniversaryWord[lang];
    }
    QString label;
    for (int i = 0; i < 8; ++i) {
        if (entry.Who == QLatin1String(kLabelledOwners[i]))
            label = Texts::OwnerLabels[i][lang];
    }
    if (!age.isEmpty() && !label.isEmpty())
        hint += QStringLiteral(" (") + age + QStringLiteral(", ") + label + QLatin1Char(')');
    else if (!age.isEmpty() || !label.isEmpty())
        hint += QStringLiteral(" (") + age + label + QLatin1Char(')');
    return hint;
}

int ZodiacSignOf(int day, int month)
{
    // First day of each sign, from Aries (0) to Pisces (11).
    static const int starts[12][2] = {{21, 3}, {21, 4}, {21, 5}, {22, 6}, {23, 7}, {24, 8},
                                      {24, 9}, {24, 10}, {23, 11}, {22, 12}, {21, 1}, {21, 2}};
    const int key = month * 100 + day;
    int best = -1, bestKey = -1;
    for (int s = 0; s < 12; ++s) {
        const int k = starts[s][1] * 100 + starts[s][0];
        if (k <= key && k > bestKey) {
            best = s;
            bestKey = k;
        }
    }
    return best < 0 ? 9 : best; // before 21 January: Capricorn, begun in December
}

QString AnimalPictureOf(int year)
{
    return QString::fromLatin1(kAnimalPictures[((year % 12) + 12) % 12]);
}

int AnimalNameIndexOf(int year)
{
    return (((year - 4) % 12) + 12) % 12;
}

void CalendarTextOut(const QString& Text, int Left, int Right, platform::Canvas& Canvas, int Y)
{
    Canvas.textOut(Left + (Right - Left - Canvas.textWidth(Text)) / 2, Y, Text);
}

bool PageIsStale()
{
    return PageDate.isValid() && PageDate != platform::currentDate();
}

} // namespace Calendar

namespace MenuDecorations {

namespace {

// Font sizes are in points; the canvas measures fonts in pixels at 96 dots per inch.
int pointsToPixels(int points)
{
    return static_cast<int>(std::nearbyint(points * 96.0 / 72.0));
}

} // namespace

bool DrawCalendarPage(const QString& FontName, int DaySize, int MonthSize, int& PageCount, TInfoCal& Info,
                      int Language)
{
    using platform::resources::AddOnLibrary;
    std::unique_ptr<AddOnLibrary> lib;
    for (const QString& path : platform::libraryPaths(Calendar::LibraryFile)) {
        lib = std::make_unique<AddOnLibrary>(path);
        if (lib->isOpen())
            break;
    }
    if (!lib || !lib->isOpen())
        return false;

    const int lang = Language >= 0 && Language <= 9 ? Language : 0;
    const QDate today = platform::currentDate();
    const int Y = today.year(), M = today.month(), D = today.day();
    const std::vector<Calendar::TInfoX> entries = Calendar::TodaysEntries(today);
    const QImage base = lib->image(QStringLiteral("R_BASE"));
    // A picture the library lacks stays blank.
    auto drawPicture = [](platform::Canvas& c, int x, int y, const QImage& picture) {
        if (!picture.isNull())
            c.draw(x, y, picture);
    };

    {
        platform::Canvas c(Info.TB[1]);
        drawPicture(c, 0, 0, base);
        c.brush.style = platform::BrushStyle::Clear;
        c.font.name = FontName;
        c.font.bold = false;
        c.font.color = today.dayOfWeek() == 7 ? platform::clRed : platform::clBlack;
        c.font.height = pointsToPixels(DaySize != 0 ? DaySize : 12);
        Calendar::CalendarTextOut(QString::number(D), 0, 60, c, 22);
        const QString month = Texts::MonthNames[M][lang];
        int monthPoints = MonthSize != 0 ? MonthSize : 8;
        if (month.size() > 8)
            --monthPoints;
        c.font.height = pointsToPixels(monthPoints);
        Calendar::CalendarTextOut(month, 0, 60, c, 42);
        const int sign = Calendar::ZodiacSignOf(D, M);
        drawPicture(c, 17, 65, lib->image(QStringLiteral("R_%1").arg(sign + 1, 2, 10, QLatin1Char('0'))));
        Info.TB[1] = c.image();
        Info.Hint[1] = Texts::ZodiacNames[sign][lang];
    }
    {
        platform::Canvas c(Info.TB[2]);
        drawPicture(c, 0, 0, base);
        drawPicture(c, 3, 27, lib->image(Calendar::AnimalPictureOf(Y)));
        Info.TB[2] = c.image();
        Info.Hint[2] = Texts::YearAnimalNames[Calendar::AnimalNameIndexOf(Y)][lang];
    }
    int page = 3;
    for (const Calendar::TInfoX& e : entries) {
        platform::Canvas c(Info.TB[page]);
        drawPicture(c, 0, 0, base);
        drawPicture(c, 3, 27, lib->image(e.Res));
        Info.TB[page] = c.image();
        Info.Hint[page] = Calendar::EntryHint(e, Y, lang);
        ++page;
    }
    PageCount = 2 + static_cast<int>(entries.size());
    Calendar::PageDate = today;
    return true;
}

} // namespace MenuDecorations
