// The look of each add-on deck. A deck that takes its number cards or aces from another
// deck shares that deck's paper, border and index face, so the borrowed cards sit well
// beside its own court cards.
#include "tools/addons/AddonDecks.h"

namespace addons {

namespace {

const QColor kRed = rgb(0xD0101E), kBlack = rgb(0x141418);

std::array<QColor, 4> standardInk(QColor red = kRed, QColor black = kBlack)
{
    return {red, red, black, black};
}

const std::array<QString, 4> kRussian{QStringLiteral("\u0412"), QStringLiteral("\u0414"), QStringLiteral("\u041A"),
                                      QStringLiteral("\u0422")};
const std::array<QString, 4> kGerman{QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("K"), QStringLiteral("A")};

DeckStyle base()
{
    DeckStyle s;
    s.ink = standardInk();
    s.courtColours = {rgb(0x1F3A93), rgb(0x1E4FA0), rgb(0xE8B830)};
    return s;
}

// The decks that lend their number cards (and sometimes aces) to others.
DeckStyle modern()
{
    DeckStyle s = base();
    s.indexFont = QStringLiteral("Liberation Sans");
    s.ink = standardInk(rgb(0xE53935), rgb(0x212121));
    return s;
}

DeckStyle seaSide()
{
    DeckStyle s = base();
    s.paper = rgb(0xF1F8FC);
    s.paper2 = rgb(0xD9EAF5);
    s.motif = Motif::Waves;
    s.motifInk = QColor(0x2A, 0x6F, 0xA8, 70);
    s.indexFont = QStringLiteral("Noto Sans");
    s.ink = {rgb(0xC62828), rgb(0xD84315), rgb(0x0D2B45), rgb(0x0D2B45)};
    return s;
}

DeckStyle rhine()
{
    DeckStyle s = base();
    s.paper = rgb(0xFBF7EE);
    s.paper2 = rgb(0xF3ECDA);
    s.border = Border::Flourish;
    s.borderInk = rgb(0x2E5E3A);
    s.indexFont = QStringLiteral("Noto Serif");
    s.pip = PipLook::Outline;
    s.ink = standardInk(rgb(0xB71C1C), rgb(0x1A2A1E));
    return s;
}

DeckStyle bigIndex()
{
    DeckStyle s = base();
    s.indexFont = QStringLiteral("DejaVu Sans");
    s.indexScale = 1.45;
    s.pipScale = 0.85;
    return s;
}

DeckStyle russian(DeckStyle s)
{
    s.letters = kRussian;
    return s;
}

} // namespace

DeckStyle deckStyle(int deck)
{
    DeckStyle s = base();
    switch (deck) {
    case 1: // Medieval: parchment, double frame, wreathed aces.
        s.paper = rgb(0xF6EBD0);
        s.paper2 = rgb(0xE8D6AC);
        s.border = Border::Double;
        s.borderInk = rgb(0x6B4A22);
        s.indexFont = QStringLiteral("Noto Serif");
        s.ink = standardInk(rgb(0x9A1B1B), rgb(0x2A2018));
        s.motif = Motif::Grain;
        s.motifInk = QColor(0x6B, 0x4A, 0x22, 60);
        s.ace = AceLook::Wreath;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x7A2E2E), rgb(0x2E5A8A), rgb(0xC9A13A)};
        break;
    case 2: // Modern: clean sans, monogram courts.
        s = modern();
        s.court = CourtLook::Monogram;
        s.courtColours = {rgb(0x424242), rgb(0x9E9E9E), rgb(0xBDBDBD)};
        s.monogramFont = QStringLiteral("Noto Sans Display");
        break;
    case 3: // Ancient: terracotta with a meander.
        s.paper = rgb(0xF4E0C8);
        s.paper2 = rgb(0xE6C6A2);
        s.motif = Motif::Keys;
        s.motifInk = QColor(0x8A, 0x3A, 0x1A, 150);
        s.indexFont = QStringLiteral("DejaVu Serif");
        s.ink = standardInk(rgb(0xB5421E), rgb(0x1E1A16));
        s.court = CourtLook::Silhouette;
        s.courtColours = {rgb(0x1E1A16), rgb(0xB5421E), rgb(0xE0B060)};
        s.ace = AceLook::Ring;
        break;
    case 4: // Baroque: gold flourishes, glossy pips, italic index.
        s.paper = rgb(0xFFF8E7);
        s.paper2 = rgb(0xF8EBCB);
        s.border = Border::Flourish;
        s.borderInk = rgb(0xA88430);
        s.indexFont = QStringLiteral("Noto Serif Display");
        s.indexItalic = true;
        s.pip = PipLook::Gloss;
        s.ace = AceLook::Burst;
        s.courtColours = {rgb(0x6A1B9A), rgb(0x6A1B9A), rgb(0xE0B040)};
        break;
    case 5: // Celtic: knotwork edge, wreaths, silhouettes.
        s.paper = rgb(0xF3F8EE);
        s.paper2 = rgb(0xE4EFDA);
        s.motif = Motif::Knots;
        s.motifInk = QColor(0x2E, 0x7D, 0x32, 140);
        s.indexFont = QStringLiteral("Noto Sans");
        s.ink = standardInk(rgb(0xC62828), rgb(0x16301E));
        s.ace = AceLook::Wreath;
        s.court = CourtLook::Silhouette;
        s.courtColours = {rgb(0x16301E), rgb(0x2E7D32), rgb(0xD4AF37)};
        break;
    case 6: // Coronation: modern number cards, ringed aces, purple and gold courts.
        s = modern();
        s.ace = AceLook::Ring;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x5E2A84), rgb(0xC62828), rgb(0xE8B830)};
        break;
    case 7: // Crowns: modern number cards and aces, crown emblems.
        s = modern();
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0x5E2A84), rgb(0x1E4FA0), rgb(0xE8B830)};
        s.courtGround = rgb(0xFFF5D6);
        break;
    case 8: // English: the traditional look.
        s.indexFont = QStringLiteral("DejaVu Serif");
        s.ace = AceLook::Ring;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xC62828), rgb(0x1E4FA0), rgb(0xF2B632)};
        break;
    case 9: // French portraits in blue.
        s.paper = rgb(0xFFFDF7);
        s.paper2 = rgb(0xFFFDF7);
        s.border = Border::Line;
        s.borderInk = rgb(0x2A4D9B);
        s.indexFont = QStringLiteral("Liberation Serif");
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x2A4D9B), rgb(0xC62828), rgb(0xF2C230)};
        s.ace = AceLook::Plain;
        break;
    case 10: // Historic: modern number cards, sepia portraits.
        s = modern();
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x7B5B3A), rgb(0x4E3B2A), rgb(0xD8B878)};
        s.courtGround = rgb(0xF3E6CC);
        break;
    case 11: // Nature: leaves in the corners, wreaths.
        s.paper = rgb(0xF6FBF0);
        s.paper2 = rgb(0xEAF4DE);
        s.motif = Motif::Leaves;
        s.motifInk = QColor(0x55, 0x8B, 0x2F, 110);
        s.indexFont = QStringLiteral("Noto Sans");
        s.ink = {rgb(0xC2185B), rgb(0xE65100), rgb(0x1B3A1B), rgb(0x1B3A1B)};
        s.ace = AceLook::Wreath;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x4E7D32), rgb(0x8D6E3A), rgb(0xF0C84A)};
        break;
    case 12: // Old garden roses: aged paper, roses in the corners, faded ink.
        s.paper = rgb(0xF3E8CC);
        s.paper2 = rgb(0xE4D2A8);
        s.border = Border::Double;
        s.borderInk = rgb(0x7A6242);
        s.motif = Motif::Roses;
        s.motifInk = QColor(0xC2, 0x41, 0x6B, 190);
        s.indexFont = QStringLiteral("Liberation Serif");
        s.ink = standardInk(rgb(0xA33A2A), rgb(0x2B2622));
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x8B5A3C), rgb(0x5A6B7A), rgb(0xC8A860)};
        s.ace = AceLook::Ring;
        break;
    case 13: // Parrots: modern number cards, courts in parrot green, red and yellow.
        s = modern();
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x2E9D3A), rgb(0xE53935), rgb(0xFDD835)};
        s.courtGround = rgb(0xE3F6FD);
        break;
    case 14: // Royal: purple band, gold-rimmed pips.
        s.border = Border::Band;
        s.borderInk = rgb(0x5E2A84);
        s.pip = PipLook::Rimmed;
        s.indexFont = QStringLiteral("Noto Serif");
        s.ace = AceLook::Burst;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x5E2A84), rgb(0x8E24AA), rgb(0xE8B830)};
        break;
    case 15: // Shadow: pips with a drop shadow, huge aces.
        s.paper = rgb(0xFAFAFA);
        s.paper2 = rgb(0xE9E9E9);
        s.pip = PipLook::Shadow;
        s.ace = AceLook::Huge;
        s.court = CourtLook::Silhouette;
        s.courtColours = {rgb(0x212121), rgb(0x616161), rgb(0xBDBDBD)};
        break;
    case 16: // Big: a large index for reading from afar.
        s = bigIndex();
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0x1F3A93), rgb(0x1E4FA0), rgb(0xF2B632)};
        break;
    case 17: // Four colours: diamonds blue, clubs green.
        s.indexFont = QStringLiteral("Liberation Sans");
        s.indexScale = 1.2;
        s.ink = {rgb(0xD0101E), rgb(0x1565C0), rgb(0x1B7A34), rgb(0x141418)};
        s.border = Border::Line;
        s.borderInk = rgb(0x9E9E9E);
        break;
    case 18: // Large print London: a large index, dotted frame, roundel courts,
             // numerals behind the pips.
        s.border = Border::Dots;
        s.borderInk = rgb(0xB71C1C);
        s.indexFont = QStringLiteral("Liberation Sans Narrow");
        s.indexScale = 1.5;
        s.pipScale = 0.85;
        s.numbers = Numbers::NumeralAndPips;
        s.court = CourtLook::Monogram;
        s.courtColours = {rgb(0x0D47A1), rgb(0x0D47A1), rgb(0x0D47A1)};
        s.monogramFont = QStringLiteral("Liberation Sans");
        break;
    case 19: // Classic 2: sea number cards and aces, classic portraits.
        s = seaSide();
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xC62828), rgb(0x1E4FA0), rgb(0xF2B632)};
        break;
    case 20: // Hearts: sea number cards and aces, monogram courts in rose.
        s = seaSide();
        s.court = CourtLook::Monogram;
        s.courtColours = {rgb(0xD81B60), rgb(0xD81B60), rgb(0xF48FB1)};
        break;
    case 21: // Sea: waves at the edges, blue portraits.
        s = seaSide();
        s.ace = AceLook::Burst;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x1565C0), rgb(0x0D2B45), rgb(0xF5F5F5)};
        break;
    case 22: // Rhine: green flourishes, outlined pips.
        s = rhine();
        s.ace = AceLook::Wreath;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x2E5E3A), rgb(0x8D6E3A), rgb(0xE8C060)};
        break;
    case 23: // Medieval 2: knotwork, crown emblems, a dark red band.
        s.paper = rgb(0xF1E4C6);
        s.paper2 = rgb(0xE6D2A6);
        s.motif = Motif::Knots;
        s.motifInk = QColor(0x6B, 0x4A, 0x22, 110);
        s.border = Border::Band;
        s.borderInk = rgb(0x7A1F1F);
        s.indexFont = QStringLiteral("Noto Serif Display");
        s.ink = standardInk(rgb(0x9A1B1B), rgb(0x2A2018));
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0x7A1F1F), rgb(0x7A1F1F), rgb(0xC9A13A)};
        s.ace = AceLook::Ring;
        break;
    case 24: // Doodle: hand-lettered index, outlined pips, a sprinkle of stars.
        s.paper = rgb(0xFFFFF4);
        s.paper2 = rgb(0xFFFBE0);
        s.indexFont = QStringLiteral("Comic Neue");
        s.pip = PipLook::Outline;
        s.motif = Motif::Stars;
        s.motifInk = QColor(0xF9, 0xA8, 0x25, 90);
        s.ace = AceLook::Burst;
        s.courtColours = {rgb(0xFF7043), rgb(0x26A69A), rgb(0xFFCA28)};
        s.monogramFont = QStringLiteral("Comic Neue");
        break;
    case 25: // Boy: Rhine number cards; young portraits and huge aces.
        s = rhine();
        s.ace = AceLook::Huge;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x00897B), rgb(0xEF6C00), rgb(0xFFD54F)};
        break;
    case 26: // Epic: dark blue cards with light ink.
        s.paper = rgb(0x1E2A4A);
        s.paper2 = rgb(0x121A30);
        s.border = Border::Line;
        s.borderInk = rgb(0xD4AF37);
        s.indexFont = QStringLiteral("Noto Serif Display");
        s.ink = {rgb(0xFF6B6B), rgb(0xFFB347), rgb(0xEDEFF7), rgb(0xEDEFF7)};
        s.pip = PipLook::Gloss;
        s.ace = AceLook::Burst;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x3949AB), rgb(0xB71C1C), rgb(0xD4AF37)};
        break;
    case 27: // Big number cards, bold red silhouettes.
        s = bigIndex();
        s.court = CourtLook::Silhouette;
        s.ace = AceLook::Burst;
        s.courtColours = {rgb(0xB71C1C), rgb(0xB71C1C), rgb(0xF2C230)};
        s.courtGround = rgb(0xFFF3E0);
        break;
    case 28: // Plain: one numeral and one sign, monograms.
        s.indexFont = QStringLiteral("Liberation Sans");
        s.numbers = Numbers::BigNumeral;
        s.court = CourtLook::Monogram;
        s.courtColours = {rgb(0x757575), rgb(0x757575), rgb(0xBDBDBD)};
        s.monogramFont = QStringLiteral("Liberation Sans");
        s.ace = AceLook::Huge;
        break;
    case 29: // German index.
        s.letters = kGerman;
        s.indexFont = QStringLiteral("DejaVu Sans");
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xC62828), rgb(0x2E7D32), rgb(0xF2B632)};
        break;
    case 30: // German tournament colours: diamonds orange, spades green.
        s.letters = kGerman;
        s.indexFont = QStringLiteral("Liberation Sans");
        s.ink = {rgb(0xD0101E), rgb(0xE08A00), rgb(0x141418), rgb(0x1B7A34)};
        s.border = Border::Line;
        s.borderInk = rgb(0x9E9E9E);
        break;
    case 31: // German index, French portraits as silhouettes, double frame.
        s.letters = kGerman;
        s.indexFont = QStringLiteral("Liberation Serif");
        s.border = Border::Double;
        s.borderInk = rgb(0x37474F);
        s.court = CourtLook::Silhouette;
        s.courtColours = {rgb(0x37474F), rgb(0x37474F), rgb(0xF2B632)};
        s.ace = AceLook::Ring;
        break;
    case 32: // Russian index: white and blue.
        s = russian(s);
        s.indexFont = QStringLiteral("DejaVu Serif");
        s.border = Border::Line;
        s.borderInk = rgb(0x1E4FA0);
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x1E4FA0), rgb(0xF5F5F5), rgb(0xC62828)};
        break;
    case 33: // Diamonds: glossy pips, emblems.
        s = russian(s);
        s.indexFont = QStringLiteral("Noto Sans");
        s.pip = PipLook::Gloss;
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0x00838F), rgb(0x00838F), rgb(0x80DEEA)};
        s.courtGround = rgb(0xEFFAFB);
        s.ace = AceLook::Burst;
        break;
    case 34: // Prince: cream paper, flourishes, red and gold.
        s = russian(s);
        s.paper = rgb(0xFFF9EA);
        s.paper2 = rgb(0xF6EACB);
        s.border = Border::Flourish;
        s.borderInk = rgb(0x8D1B1B);
        s.indexFont = QStringLiteral("Noto Serif");
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x8D1B1B), rgb(0x1B5E20), rgb(0xE8B830)};
        s.ace = AceLook::Ring;
        break;
    case 35: // Patience: plain monograms, numerals behind the pips.
        s = russian(s);
        s.indexFont = QStringLiteral("Liberation Sans");
        s.numbers = Numbers::NumeralAndPips;
        s.court = CourtLook::Monogram;
        s.courtColours = {rgb(0x455A64), rgb(0x455A64), rgb(0x90A4AE)};
        break;
    case 36: // Russian: folk red and green, knotwork.
        s = russian(s);
        s.paper = rgb(0xFFFDF5);
        s.paper2 = rgb(0xFFF6E0);
        s.motif = Motif::Knots;
        s.motifInk = QColor(0xC6, 0x28, 0x28, 110);
        s.indexFont = QStringLiteral("DejaVu Serif");
        s.ace = AceLook::Wreath;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xC62828), rgb(0x2E7D32), rgb(0xF2B632)};
        break;
    case 37: // Slavic: ornament bands, silhouettes.
        s = russian(s);
        s.paper = rgb(0xF7F1E2);
        s.paper2 = rgb(0xEDE3CC);
        s.motif = Motif::Keys;
        s.motifInk = QColor(0xB7, 0x1C, 0x1C, 150);
        s.indexFont = QStringLiteral("DejaVu Serif");
        s.court = CourtLook::Silhouette;
        s.courtColours = {rgb(0x3E2723), rgb(0x3E2723), rgb(0xE0B060)};
        break;
    case 38: // May: spring leaves, pink and green.
        s = russian(s);
        s.paper = rgb(0xFBFFF6);
        s.paper2 = rgb(0xEEF8E4);
        s.motif = Motif::Leaves;
        s.motifInk = QColor(0x7C, 0xB3, 0x42, 120);
        s.indexFont = QStringLiteral("Noto Sans");
        s.ace = AceLook::Wreath;
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xEC407A), rgb(0x66BB6A), rgb(0xFFEE58)};
        break;
    case 39: // Folk print: a red band, gold-rimmed pips.
        s = russian(s);
        s.paper = rgb(0xFFFBEA);
        s.paper2 = rgb(0xFFF1C4);
        s.border = Border::Band;
        s.borderInk = rgb(0xD32F2F);
        s.pip = PipLook::Rimmed;
        s.indexFont = QStringLiteral("Noto Serif Display");
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xFBC02D), rgb(0xD32F2F), rgb(0x1E88E5)};
        s.ace = AceLook::Burst;
        break;
    case 40: // French index.
        s.letters = {QStringLiteral("V"), QStringLiteral("D"), QStringLiteral("R"), QStringLiteral("A")};
        s.indexFont = QStringLiteral("Liberation Serif");
        s.border = Border::Line;
        s.borderInk = rgb(0x1E4FA0);
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x1E4FA0), rgb(0xC62828), rgb(0xF2C230)};
        s.ace = AceLook::Ring;
        break;
    case 41: // Spanish index: emblems.
        s.letters = {QStringLiteral("S"), QStringLiteral("C"), QStringLiteral("R"), QStringLiteral("A")};
        s.indexFont = QStringLiteral("Noto Sans");
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0xC62828), rgb(0xC62828), rgb(0xF2B632)};
        s.courtGround = rgb(0xFFF8E1);
        s.ace = AceLook::Ring;
        break;
    case 42: // Bridge size 1: larger index.
        s.indexFont = QStringLiteral("DejaVu Sans");
        s.indexScale = 1.3;
        s.pipScale = 0.9;
        break;
    case 43: // Bridge size 2: four colours.
        s.indexFont = QStringLiteral("DejaVu Sans");
        s.indexScale = 1.3;
        s.pipScale = 0.9;
        s.ink = {rgb(0xD0101E), rgb(0x1565C0), rgb(0x1B7A34), rgb(0x141418)};
        s.court = CourtLook::Silhouette;
        break;
    case 44: // Bridge size 3: jumbo index, plain monograms.
        s.indexFont = QStringLiteral("Liberation Sans");
        s.indexScale = 1.6;
        s.pipScale = 0.8;
        s.court = CourtLook::Monogram;
        s.monogramFont = QStringLiteral("Liberation Sans");
        s.courtColours = {rgb(0x616161), rgb(0x616161), rgb(0x9E9E9E)};
        break;
    case 45: // Chinese: red band, gold stars, red and gold portraits.
        s.paper = rgb(0xFFF8E1);
        s.paper2 = rgb(0xFFECB3);
        s.border = Border::Band;
        s.borderInk = rgb(0xC62828);
        s.motif = Motif::Stars;
        s.motifInk = QColor(0xE0, 0xA0, 0x00, 80);
        s.indexFont = QStringLiteral("Noto Sans CJK SC");
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0xC62828), rgb(0xF9A825), rgb(0xFFD54F)};
        s.ace = AceLook::Burst;
        break;
    case 46: // Italian index.
        s.letters = {QStringLiteral("F"), QStringLiteral("C"), QStringLiteral("R"), QStringLiteral("A")};
        s.indexFont = QStringLiteral("Noto Serif");
        s.border = Border::Line;
        s.borderInk = rgb(0x2E7D32);
        s.robeFollowsSuit = false;
        s.courtColours = {rgb(0x2E7D32), rgb(0xC62828), rgb(0xF5F5F5)};
        break;
    case 47: // Czech: lilac paper, dotted frame, glossy pips.
        s.paper = rgb(0xFAF7FF);
        s.paper2 = rgb(0xEEE7FA);
        s.border = Border::Dots;
        s.borderInk = rgb(0x5E35B1);
        s.indexFont = QStringLiteral("Noto Sans");
        s.pip = PipLook::Gloss;
        s.court = CourtLook::Emblem;
        s.courtColours = {rgb(0x5E35B1), rgb(0x5E35B1), rgb(0xB39DDB)};
        break;
    default:
        break;
    }
    return s;
}

} // namespace addons
