// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText AnniversaryWord = En("-th anniversary");
const TTextList<12, 1> MonthNames = List<1>(
    En("January"),
    En("February"),
    En("March"),
    En("April"),
    En("May"),
    En("June"),
    En("July"),
    En("August"),
    En("September"),
    En("October"),
    En("November"),
    En("December"));
const TTextList<12> ZodiacNames = List(
    En("Aries"),
    En("Taurus"),
    En("Gemini"),
    En("Cancer"),
    En("Leo"),
    En("Virgo"),
    En("Libra"),
    En("Scorpio"),
    En("Sagittarius"),
    En("Capricorn"),
    En("Aquarius"),
    En("Pisces"));
const TTextList<12> YearAnimalNames = List(
    En("Year Of The Rat"),
    En("Year Of The Ox"),
    En("Year Of The Tiger"),
    En("Year Of The Rabbit"),
    En("Year Of The Dragon"),
    En("Year Of The Snake"),
    En("Year Of The Horse"),
    En("Year Of The Goat"),
    En("Year Of The Monkey"),
    En("Year Of The Rooster"),
    En("Year Of The Dog"),
    En("Year Of The Pig"));
const TTextList<8> OwnerLabels = List(
    En("Holiday UK"),
    En("Russian Festival"),
    En("German holiday"),
    En("French holiday"),
    En("Spanish holiday"),
    En("Holiday United States"),
    En("The Orthodox holiday"),
    En("Catholic feast"));

} // namespace Texts
