#include "online/Countries.h"

#include "platform/Canvas.h"
#include "platform/Cp1251.h"
#include "platform/Resources.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>
#include <QPainter>
#include <QStringList>
#include <QStyledItemDelegate>

namespace Online {

namespace {

// "Name" or "Name|Short name", from number 1 on.
const char* const Europe[] = {
    "Russia", "Albania", "Andorra", "Austria", "Belarus", "Belgium", "Bosnia & Herzegovina|Bosnia_Herz.",
    "Bulgaria", "Croatia", "Czech Republic|Czech_Republic", "Denmark", "Estonia", "Faroe Islands|Faroe_Islands",
    "Finland", "France", "Germany", "Gibraltar", "Greece", "Guernsey", "Hungary", "Iceland", "Ireland",
    "Isle of Man|Isle_of_Man", "Italy", "Jersey", "Latvia", "Liechtenstein", "Lithuania", "Luxembourg",
    "Macedonia", "Malta", "Moldova", "Monaco", "Netherlands", "Norway", "Poland", "Portugal", "Romania",
    "San Marino|San_Marino", "Serbia-Montenegro|Serbia-Mont.", "Slovakia", "Slovenia", "Spain", "Sweden",
    "Switzerland", "Ukraine", "Vatican City|Vatican_City", "United Kingdom|United_Kingdom",
};
const char* const Asia[] = {
    "Afghanistan", "Armenia", "Azerbaijan", "Bahrain", "Bangladesh", "Bhutan",
    "British Indian Ocean Territory|B.I.O.T.", "Brunei", "Cambodia", "China", "Cyprus", "East Timor|East_Timor",
    "Georgia", "Hong Kong|Hong_Kong", "India", "Indonesia", "Iran", "Iraq", "Israel", "Japan", "Jordan",
    "Kazakhstan", "Kuwait", "Kyrgyzstan", "Laos", "Lebanon", "Macau", "Malaysia", "Maledives", "Mongolia",
    "Myanmar", "Nepal", "North Korea|North_Korea", "Oman", "Pakistan", "Philippines", "Qatar",
    "Saudi Arabia|Saudi_Arabia", "Singapore", "South Korea|South_Korea", "Sri-Lanka", "Syria", "Taiwan",
    "Tajikistan", "Thailand", "Turkey", "Turkmenistan", "United Arab Emirates|UAE", "Uzbekistan", "Vietnam",
    "Yemen",
};
const char* const NorthAmerica[] = {
    "Anguilla", "Antigua and Barbuda|Antigua-Barbuda", "Aruba", "Bahamas", "Barbados", "Belize", "Bermuda",
    "British Virgin Islands|BVI", "Canada", "Cayman Islands|Cayman_Islands", "Costa Rica|Costa_Rica", "Cuba",
    "Dominica", "Dominican Republic|Dominican_Rep.", "El Salvador|El_Salvador", "Greenland", "Grenada",
    "Guatemala", "Haiti", "Honduras", "Jamaica", "Martinique", "Mexico", "Montserrat", "Nicaragua", "Panama",
    "Puerto Rico|Puerto_Rico", "Saint Kitts and Nevis|Saint_Kitts_N.", "Saint Lucia|Saint_Lucia",
    "Saint Pierre and Miquelon|Saint_Pierre_M.", "Saint Vincent and the Grenadines|S.V._Grenadines",
    "Trinidad and Tobago|Trinidad_Tobago", "Turks and Caicos Islands|Turks_Caicos_I.", "USA",
    "Virgin Islands|Virgin_Islands",
};
const char* const SouthAmerica[] = {
    "Argentina", "Bolivia", "Brazil", "Chile", "Colombia", "Equador", "Falkland Islands|Falkland_Isl.", "Guyana",
    "Paraquay", "Peru", "South Georgia|South_Georgia", "Suriname", "Uruquay", "Venezuela",
};
const char* const Oceania[] = {
    "American Samoa|American_Samoa", "Australia", "Cook Islands|Cook_Islands", "Fiji",
    "French Polynesia|Fr._Polynesia", "Guam", "Kiribati", "Marshall Islands|Marshall_Isl.", "Micronesia", "Nauru",
    "New Zealand|New_Zealand", "Niue", "Norfolk Island|Norfolk_Island", "Northern Mariana Islands|N._Mariana_Isl.",
    "Palau", "Papua New Guinea|Papua_New_G.", "Pitcairn Islands|Pitcairn_Isl.", "Samoa",
    "Solomon Islands|Solomon_Islands", "Tonga", "Tuvalu", "Vanuatu", "Wallis and Futuna|Wallis-Futuna",
};
const char* const Africa[] = {
    "Algeria", "Angola", "Benin", "Botswana", "Burkina Faso|Burkina_Faso", "Burundi", "Cameroon",
    "Cape Verde|Cape_Verde", "Central African Republic|CAR", "Chad", "Comoros", "Congo Republic|",
    "Congo Democratic Republic|Congo_DR", "Djibouti", "Egypt", "Equatorial Guinea|Eq._Guinea", "Eritrea",
    "Ethiopia", "Gabon", "Gambia", "Ghana", "Guinea", "Guinea-Bissau", "Ivory Coast (Cote Divoire)|Cote_Divoire",
    "Kenya", "Lesotho", "Liberia", "Libya", "Madagascar", "Malawi", "Mali", "Mauretania", "Mauritius", "Morocco",
    "Mozambique", "Namibia", "Niger", "Nigeria", "Rwanda", "Saint Helena|Saint_Helena",
    "Sao Tome and Principe|Sao_Tome_Pr.", "Senegal", "Seychelles", "Sierra Leone|Sierra_Leone", "Somalia",
    "South Africa|South_Africa", "Sudan", "Swaziland", "Tanzania", "Togo", "Tunisia", "Uganda", "Zambia",
    "Zimbabwe",
};

struct Table {
    const char* const* names;
    int count;   // without "Unknown"
};

template <size_t N>
constexpr Table table(const char* const (&names)[N])
{
    return Table{names, int(N)};
}

const Table tables[6] = {table(Europe), table(Asia), table(NorthAmerica), table(SouthAmerica), table(Oceania),
                         table(Africa)};

void lookup(int continent, int number, QString& name, QString& shortName)
{
    name = QStringLiteral("Unknown");
    shortName = name;
    if (continent < 1 || continent > 6)
        return;
    const Table& t = tables[continent - 1];
    if (number < 1 || number > t.count)
        return;
    const QString entry = QString::fromLatin1(t.names[number - 1]);
    const qsizetype bar = entry.indexOf(QLatin1Char('|'));
    name = bar < 0 ? entry : entry.left(bar);
    shortName = bar < 0 ? entry : entry.mid(bar + 1);
}

// The flag with pure red taking `background`.
QImage flagOn(const QImage& flag, const QColor& background)
{
    QImage out = flag.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if ((out.pixel(x, y) & 0xFFFFFF) == 0xFF0000)
                out.setPixel(x, y, background.rgba());
    return out;
}

class CountryItemDelegate : public QStyledItemDelegate {
public:
    CountryItemDelegate(int continent, int flagX, int flagY, QObject* parent)
        : QStyledItemDelegate(parent), continent_(continent), flagX_(flagX), flagY_(flagY)
    {
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QColor background = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
        p->fillRect(option.rect, background);
        const QImage flag = CountryFlag(continent_, index.row());
        if (!flag.isNull())
            p->drawImage(option.rect.topLeft() + QPoint(flagX_, flagY_), flagOn(flag, background));
        p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect text = option.rect.adjusted(flagX_ + FlagWidth + 8, 0, 0, 0);
        p->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(qMax(s.height(), flagY_ + FlagHeight + 2));
        s.setWidth(s.width() + flagX_ + FlagWidth + 8);
        return s;
    }

private:
    int continent_;
    int flagX_;
    int flagY_;
};

} // namespace

void CountryNameEurope(int Number, QString& Name, QString& ShortName) { lookup(1, Number, Name, ShortName); }
void CountryNameAsia(int Number, QString& Name, QString& ShortName) { lookup(2, Number, Name, ShortName); }
void CountryNameNorthAmerica(int Number, QString& Name, QString& ShortName) { lookup(3, Number, Name, ShortName); }
void CountryNameSouthAmerica(int Number, QString& Name, QString& ShortName) { lookup(4, Number, Name, ShortName); }
void CountryNameOceania(int Number, QString& Name, QString& ShortName) { lookup(5, Number, Name, ShortName); }
void CountryNameAfrica(int Number, QString& Name, QString& ShortName) { lookup(6, Number, Name, ShortName); }

void CountryName(int Continent, int Number, QString& Name, QString& ShortName)
{
    lookup(Continent, Number, Name, ShortName);
}

int CountryCount(int Continent)
{
    return Continent >= 1 && Continent <= 6 ? tables[Continent - 1].count + 1 : 0;
}

QString FlagListName(int Continent)
{
    static const char* const names[6] = {"ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri"};
    return Continent >= 1 && Continent <= 6 ? QString::fromLatin1(names[Continent - 1]) : QString();
}

QImage CountryFlag(int Continent, int Number)
{
    if (Continent < 1 || Continent > 6 || Number < 0)
        return QImage();
    const QImage strip = platform::resources::image(FlagListName(Continent));
    if (strip.isNull() || (Number + 1) * FlagWidth > strip.width() || strip.height() < FlagHeight)
        return QImage();
    return strip.copy(Number * FlagWidth, 0, FlagWidth, FlagHeight);
}

bool ParseCountryCode(const QString& Code, int& Continent, int& Number)
{
    if (Code.size() != 5 || Code[1] != QLatin1Char('-'))
        return false;
    for (int i : {0, 2, 3, 4})
        if (Code[i] < QLatin1Char('0') || Code[i] > QLatin1Char('9'))
            return false;
    Continent = Code[0].digitValue();
    Number = Code.mid(2).toInt();
    return true;
}

PassportChar PassportCharClass(QChar c)
{
    const ushort u = c.unicode();
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z'))
        return PassportChar::Latin;
    // А..я and Ё, ё: the Cyrillic letters code page 1251 holds for Russian.
    if ((u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451)
        return PassportChar::Cyrillic;
    if ((u >= '0' && u <= '9') || QStringLiteral("!(),-.?@_").contains(c))
        return PassportChar::Sign;
    return PassportChar::Other;
}

int CheckPassportText(const QString& Text, int Kind)
{
    if (Text.isEmpty())
        return 1;
    if ((Kind == 1 && Text.size() > 12) || (Kind == 2 && Text.size() > 15))
        return 1;
    if (Kind != 0 && Text.size() == 1)
        return 1;
    int result = 3;
    for (const QChar c : Text) {
        const PassportChar k = PassportCharClass(c);
        if (k == PassportChar::Other)
            return 1;
        if (k == PassportChar::Cyrillic)
            result = 2;
    }
    return result;
}

void DrawCountryFlag(const QString& Code, int X, int Y, platform::Canvas& Canvas)
{
    int continent = 0;
    int number = 0;
    if (!ParseCountryCode(Code, continent, number))
        return;
    const QImage flag = CountryFlag(continent, number);
    if (!flag.isNull())
        Canvas.draw(X, Y, flag);
}

void DrawSexIcon(const QString& Sex, int X, int Y, platform::Canvas& Canvas)
{
    const QImage icon = platform::resources::image(Sex == QLatin1String("M") ? QStringLiteral("FaceMan16")
                                                                               : QStringLiteral("FaceWoman16"));
    if (!icon.isNull())
        Canvas.draw(X, Y, icon);
}

void FillCountryList(QComboBox& List, int Continent, int FlagX, int FlagY)
{
    List.clear();
    for (int n = 0; n < CountryCount(Continent); ++n) {
        QString name;
        QString shortName;
        CountryName(Continent, n, name, shortName);
        // The icon is what the closed list shows beside the chosen name.
        const QImage flag = CountryFlag(Continent, n);
        if (flag.isNull())
            List.addItem(name);
        else
            List.addItem(QIcon(QPixmap::fromImage(flagOn(flag, List.palette().color(QPalette::Base)))), name);
    }
    List.setItemDelegate(new CountryItemDelegate(Continent, FlagX, FlagY, &List));
}

} // namespace Online
