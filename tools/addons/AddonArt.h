#pragma once
// Drawing of the add-on libraries' pictures: the face decks (each in its own style),
// the back sets and the table backgrounds. Everything here only paints into QImages
// from ready-made outlines, so it can run on worker threads; fonts are turned into
// outlines beforehand on the main thread (GlyphBank).
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <array>

#include "tools/CardShapes.h"

namespace addons {

enum Rank { Jack = 9, Queen = 10, King = 11, Ace = 12 };

// Outlines of short texts, each moved so its ink box starts at (0, 0). Filled on the
// main thread before any drawing starts; read-only afterwards.
class GlyphBank {
public:
    // Adds the outline of `text` in `family` (bold, italic as asked) under `key`.
    void add(const QString& key, const QString& family, const QString& text, int weight, bool italic);
    const QPainterPath& get(const QString& key) const;
    bool has(const QString& key) const { return paths_.contains(key); }

private:
    QHash<QString, QPainterPath> paths_;
};

enum class Border { None, Line, Double, Flourish, Dots, Band };
enum class PipLook { Solid, Outline, Gloss, Shadow, Rimmed };
enum class Numbers { Pips, BigNumeral, NumeralAndPips };
enum class AceLook { Plain, Ring, Burst, Wreath, Huge };
enum class CourtLook { Figure, Emblem, Monogram, Silhouette };
enum class Motif { None, Corners, Grain, Waves, Leaves, Stars, Knots, Keys, Roses };

// How one deck looks.
struct DeckStyle {
    QColor paper = Qt::white;
    QColor paper2 = Qt::white;      // bottom of a vertical gradient (same as paper: flat)
    Border border = Border::None;
    QColor borderInk = QColor(0x30, 0x30, 0x30);
    std::array<QColor, 4> ink{};    // hearts, diamonds, clubs, spades
    PipLook pip = PipLook::Solid;
    double pipScale = 1.0;
    QString indexFont = QStringLiteral("DejaVu Sans");
    bool indexItalic = false;
    double indexScale = 1.0;        // 1 normal; larger for the big-index decks
    std::array<QString, 4> letters{QStringLiteral("J"), QStringLiteral("Q"), QStringLiteral("K"),
                                   QStringLiteral("A")};
    Numbers numbers = Numbers::Pips;
    AceLook ace = AceLook::Plain;
    CourtLook court = CourtLook::Figure;
    std::array<QColor, 3> courtColours{}; // robe, panel, trim
    bool robeFollowsSuit = true;
    QColor courtGround = Qt::transparent; // fill inside the court frame
    Motif motif = Motif::None;
    QColor motifInk = QColor(0, 0, 0, 40);
    QString monogramFont = QStringLiteral("Noto Serif Display");
};

// The glyph keys a style needs, added to the bank.
void addGlyphs(GlyphBank& bank, const DeckStyle& s);

// One face (rank 0 = "2" ... 12 = ace, suit 0 hearts ... 3 spades) at w x h. The classic
// size (69 x 94) is opaque with black corner pixels; larger ones carry their own
// rounded border on a transparent ground.
QImage renderFace(const DeckStyle& s, const GlyphBank& bank, int w, int h, int rank, int suit);
// A suit sign of `size` pixels for the deck (transparent ground).
QImage renderSign(const DeckStyle& s, int size, int suit);

// Back `i` (1..10) of back set `set` (0..12) at w x h.
QImage renderBack(const GlyphBank& bank, int set, int i, int w, int h);
// Glyphs the backs need.
void addBackGlyphs(GlyphBank& bank);

// Table background `number` (1..10) in colour `colour` (0..6) at w x h.
QImage renderBackground(int number, int colour, int w, int h);

// Shared drawing helpers.
QColor rgb(unsigned v);
QImage cardBody(int w, int h, const QColor& top, const QColor& bottom);
QPainterPath insidePath(int w, int h, double inset);
using cardshapes::starPath;

} // namespace addons
