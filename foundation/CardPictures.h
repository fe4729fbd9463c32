#pragma once
// The card faces, backs, suit signs and the table background: loaded from the program's
// own resources or from an add-on library (a resource bundle opened for one load), held
// in shared picture stores, and drawn scaled to the card size.
//
// Classic drawing keeps opaque 69 x 94 bitmaps; the scaled drawing keeps pictures with
// their own transparent corners, drawn at CardWidth x CardHeight.
#include "foundation/CardCode.h"
#include "platform/Array.h"
#include "platform/Canvas.h"
#include "platform/Color.h"

#include <QImage>
#include <QString>
#include <functional>

namespace CardPictures {

// Classic face bitmaps 69 x 94, numbered 4 x rank + suit + 1.
inline platform::Arr<platform::Canvas, 52> FaceBitmaps;
// Face pictures of the scaled drawing (premultiplied ARGB).
inline platform::Arr<QImage, 52> FaceImages;
// Backs: classic bitmaps 69 x 94 and pictures of the scaled drawing; 7 or 10 in use.
inline platform::Arr<platform::Canvas, 10> BackBitmaps;
inline platform::Arr<QImage, 10> BackImages;
// Small suit signs 20 x 20 (1 hearts, 2 diamonds, 3 clubs, 4 spades) with a transparent
// ground, and the larger signs as PNG pictures and as drawable pictures.
inline platform::Arr<QImage, 4> ExtraBitmaps;
inline platform::Arr<QImage, 4> SuitPngs;
inline platform::Arr<QImage, 4> SuitImages;
// The table background at the table's size (null until one is loaded).
inline QImage TableBackground;

// The face deck has design width 71 (true) rather than 61.
inline bool WideCardFaces = true;
// Design pixels of padding beside narrow cards (group-5 stock painter): 0 or 5.
inline int NarrowCardPad = 0;
// The main window's colour, as set by SetTableColor.
inline platform::TColor TableColor = platform::clGreen;

// Fill the stores for FaceDeckNo (and then the backs); false when the deck's library was
// missing or the number was out of range and the built-in deck was loaded instead.
bool LoadCardFaces();
// The start's step: what LoadCardFaces does (libraries opened and checked, settings
// put right, sizes and suit signs set) without decoding faces and backs, which wait for
// EnsureCardPictures or the next LoadCardFaces.
bool PrepareCardPictures();
// Loads the faces and backs when PrepareCardPictures left them for later.
void EnsureCardPictures();
// True from PrepareCardPictures until faces and backs are loaded.
bool CardPicturesPending();
// Fill the backs for BackDeckNo; false when the library was missing.
bool LoadCardBacks();
// Fill TableBackground for BackgroundNo / BackgroundColorIndex; false when the
// background library was missing.
bool LoadTableBackground();
// Sets TableColor (and the main window's colour when there is one).
void SetTableColor();
// Reloads the faces and scales faces and backs to CardWidth x CardHeight, so that
// drawing during play copies without scaling.
void RescaleCardPictures();

// The stored picture of a face code (cut to two characters); an empty picture for a
// code that is no face.
const platform::Canvas& FaceBitmapOf(const TCardCode& code);
const QImage& FaceImageOf(const TCardCode& code);

// Draws `picture` with its top-left corner at (x, y) in width x height; a picture that
// already has that size is drawn as it is, any other is scaled smoothly first.
void DrawImageScaled(int x, int y, const QImage& picture, platform::Canvas& canvas, int width,
                     int height);

// --- numbering and resource names ---

// Library file names.
inline const QString LibraryA = QStringLiteral("QyvCards07A.dll");
inline const QString LibraryB = QStringLiteral("QyvCards07B.dll");
inline const QString LibraryC = QStringLiteral("QyvCards07C.dll");
inline const QString LibraryBackgrounds = QStringLiteral("QyvBackG03.dll");

// The library that holds face deck `deck` (empty for the built-in deck 0 and for
// numbers outside 0..47).
QString FaceLibraryOf(int deck);
// Three-letter stems of a face deck: its own (court cards), of its number cards, of its
// aces, and of its suit signs. Empty for deck 0.
QString FaceDeckStem(int deck);
QString NumberCardStem(int deck);
QString AceStem(int deck);
QString SuitSignStem(int deck);
bool IsWideDeck(int deck);
// Resource name of face picture `index` (1..52) of `deck`; scaled adds "B".
QString FaceResourceName(int index, int deck, bool scaled);
// Resource name of suit sign 1..4 ("Cher" ...) of `deck`; large adds "B".
QString SuitSignResourceName(int sign, int deck, bool large);
// Stem of back set 0..12 and the number of backs in it (7 or 10).
QString BackSetStem(int backDeck);
int BackCount(int backDeck);
// Resource name of back 1..10 of `backDeck`: classic without suffix, scaled with "B"
// for wide and "U" for narrow faces.
QString BackResourceName(int i, int backDeck, bool scaled, bool wideFaces);
// Resource name of a background, empty when number or colour lie outside the tables.
QString BackgroundResourceName(int number, int colour, int windowSize);
// Colour of the main window by background colour index (green outside 0..6).
platform::TColor TableColorOf(int colourIndex);

// Test hook: called with (library file name, resource name) for every picture a load
// reads; the library is empty for the program's own resources. Nullptr removes it.
void SetResourceRequestListenerForTest(std::function<void(const QString&, const QString&)> f);

} // namespace CardPictures
