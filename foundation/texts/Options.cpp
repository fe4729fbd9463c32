// Placeholder entries: English in every language until the translations land.
#include "foundation/Texts.h"

namespace Texts {

namespace {
TText En(const char* e) { return Ten(e, e, e, e, e, e, e, e, e, e); }
} // namespace

const TText TxtTabGeneral = En("General");
const TText TxtTabCards = En("Cards");
const TText TxtDecks = En("Decks");
const TText TxtTabFonts = En("Fonts");
const TText TxtTabBG = En("BG");
const TText TxtMultimedia = En("Multimedia");
const TText TxtControl = En("Control");
const TText TxtSound = En("Sound");
const TText TxtGifAnimation = En("Gif-animation");
const TText TxtYellowCursor = En("Yellow cursor");
const TText TxtScalePercent = En("Scale, %");
const TText TxtDefault = En("Default");
const TText TxtFontsAttention = En("Attention!\n\rThese installations(aims) are recommended to be changed only in case of incorrect map of fonts!");
const TText TxtBackground = En("Background");
const TTextList<3> MoveModeNames = List(
    En("Click and \"No Fly\""),
    En("Click and \"Fly Card\""),
    En("Drag and Drop"));
const TTextList<3> BackModeNames = List(
    En("To change decks"),
    En("Always one"),
    En("Random"));
const TTextList<5> WindowSizeNames = List(
    En("Small window"),
    En("Full screen"),
    En("Average window 1"),
    En("Average window 2"),
    En("Large window"));
const TTextList<48> FaceDeckNames = List(
    En("Classical-1"),
    En("Medieval-1"),
    En("Modern"),
    En("Ancient Egypt"),
    En("Baronesse"),
    En("Celtic"),
    En("Corona"),
    En("Crown"),
    En("English Pattern"),
    En("Frankfurt"),
    En("Historical costumes"),
    En("Native Americans"),
    En("Old Garden Roses"),
    En("Parrots"),
    En("Royal"),
    En("Shakespeare"),
    En("Big Ben"),
    En("Four Reigns of English History"),
    En("Large Print London"),
    En("Classical-2"),
    En("Hearts"),
    En("Seasons"),
    En("Rhine Style"),
    En("Medieval-2"),
    En("Doods"),
    En("Playboy"),
    En("Epic"),
    En("USSR"),
    En("Plastic"),
    En("Skat - German suits"),
    En("Skat - Tournament suits"),
    En("Skat - French suits"),
    En("White palekh"),
    En("Diana"),
    En("Princely"),
    En("For solitaires"),
    En("Satin"),
    En("Slavic"),
    En("Maya"),
    En("Bast"),
    En("French"),
    En("Spanish 1"),
    En("Spanish 2"),
    En("Spanish 3"),
    En("Spanish 4"),
    En("Chinese"),
    En("Italian"),
    En("Czech"));
const TTextList<13> BackDeckNames = List(
    En("Classical-1"),
    En("Medieval-1"),
    En("Medieval-2"),
    En("Carpet"),
    En("Cross"),
    En("Chess"),
    En("Diamond"),
    En("Knightly"),
    En("Animals"),
    En("Flowers"),
    En("Places"),
    En("Other"),
    En("Russian"));
const TTextList<3> FontRoleNames = List(
    En("Large font"),
    En("Small font"),
    En("Special font"));
const TTextList<10> BackgroundNames = List(
    En("Sun"),
    En("Felt"),
    En("Gradient"),
    En("Cloth"),
    En("Carpet"),
    En("Tree"),
    En("Casino"),
    En("Pattern"),
    En("Silk"),
    En("Ornament"));
const TTextList<7> BackgroundColorNames = List(
    En("Green"),
    En("Red"),
    En("Orang"),
    En("Yellow"),
    En("Light-Blue"),
    En("Dark Blue"),
    En("Violet"));

} // namespace Texts
