// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TTextList<50, 1> GameNames = List<1>(
    En("Vardelin-Solo"),
    En("Vardelin-Duo"),
    En("Yukon-Solo"),
    En("Yukon-Duo"),
    En("Scorpion-Solo"),
    En("Scorpion-Duo"),
    En("Spider-Solo"),
    En("Spider-Duo"),
    En("Spider-Quartet"),
    En("Free Cell"),
    En("Golf - Peak"),
    En("Golf - Three Peaks"),
    En("Golf - Rug"),
    En("Golf - Diamond"),
    En("Golf - Block"),
    En("Tulip"),
    En("Blue Tulip"),
    En("Paganini"),
    En("Pairs"),
    En("Wish"),
    En("Monte Carlo"),
    En("Monte Carlo by Suit"),
    En("Pyramid"),
    En("Pyramid-Infinity"),
    En("Open Pyramid"),
    En("Diamond Infinity"),
    En("Open Diamond"),
    En("Crescent"),
    En("Open Crescent"),
    En("Fun Deuces"),
    En("Napoleon Square"),
    En("Book"),
    En("Picture Gallery"),
    En("Desire"),
    En("Twenty"),
    En("Calculation"),
    En("Sultan"),
    En("Backbone"),
    En("Carpet"),
    En("Fig."),
    En("Flower garden"),
    En("8 Sages"),
    En("Uncle Pelk"),
    En("Busy Aces"),
    En("Labelel Lucie"),
    En("Algerian patience"),
    En("Daemon"),
    En("Clover"),
    En("40 Thieves"),
    En("Miss Milligan"));

} // namespace Texts
