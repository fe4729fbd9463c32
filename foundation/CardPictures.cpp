#include "foundation/CardPictures.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Presenter.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QPainter>
#include <array>
#include <memory>

namespace CardPictures {

namespace {

const std::array<const char*, 48> kDeckStems = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

const std::array<const char*, 13> kBackStems = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                                "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};

const std::array<const char*, 10> kBackNames = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                                "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

const std::array<const char*, 4> kSyllables = {"Ch", "Bu", "Kr", "Pi"};
const std::array<const char*, 13> kRankTags = {"02", "03", "04", "05", "06", "07", "08",
                                               "09", "10", "2J", "3Q", "4K", "5A"};
const std::array<const char*, 4> kSignNames = {"Cher", "Bubi", "Kres", "Piki"};
const std::array<const char*, 7> kColourCodes = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};
const std::array<platform::TColor, 7> kTableColours = {0x008000, 0x000080, 0x004080, 0x008080,
                                                       0x808000, 0x800000, 0x800080};

constexpr int ClassicW = 69;
constexpr int ClassicH = 94;

std::function<void(const QString&, const QString&)> g_requestListener;
// Set while the start checks the decks: their libraries are opened and the settings
// put right, but faces and backs wait for the first table or preview that shows them.
bool g_checkOnly = false;
bool g_picturesPending = false;

bool classicDrawing()
{
    return Scaling::ClassicCardMode == 1;
}

// The module a load reads from: the program itself, or an add-on library that stays
// open for the load.
struct Module {
    QString file; // empty: the program's own resources
    std::unique_ptr<platform::resources::AddOnLibrary> lib;

    QByteArray find(const QString& name) const
    {
        if (g_requestListener)
            g_requestListener(file, name);
        return lib ? lib->find(name) : platform::resources::find(name);
    }
    QImage image(const QString& name) const
    {
        QImage img;
        const QByteArray bytes = find(name);
        if (!bytes.isEmpty())
            img.loadFromData(bytes);
        return img;
    }
};

void showMessageFor(const QString& file)
{
    platform::presenter().message(platform::MessageKind::Warning, Texts::Tx(Texts::ProductNames),
                                  Texts::Tx(Texts::TxtCantFindFile) + QLatin1Char(' ') + file,
                                  platform::Buttons::Ok);
}

// Opens a library from the first of its places that holds a sound one; a library found
// nowhere is reported once here. Null when missing.
std::unique_ptr<platform::resources::AddOnLibrary> openLibrary(const QString& file)
{
    for (const QString& path : platform::libraryPaths(file)) {
        auto lib = std::make_unique<platform::resources::AddOnLibrary>(path);
        if (lib->isOpen())
            return lib;
    }
    showMessageFor(file);
    return nullptr;
}

// A picture for the classic drawing: opaque 69 x 94 on white, as a bitmap holds it.
platform::Canvas classicBitmap(const QImage& picture)
{
    platform::Canvas c(ClassicW, ClassicH, platform::clWhite);
    if (!picture.isNull()) {
        QPainter p(&c.image());
        p.drawImage(0, 0, picture);
    }
    return c;
}

QImage drawable(const QImage& picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_ARGB32_Premultiplied)
        return picture;
    return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Small sign on the transparent colour $C0C0C0, which then becomes see-through.
QImage smallSign(const QImage& png, bool fillDiamondGround)
{
    platform::Canvas c(20, 20, platform::clSilver);
    if (!png.isNull()) {
        QPainter p(&c.image());
        p.drawImage(0, 0, png);
    }
    if (fillDiamondGround && c.pixel(0, 0) == 0xC3C3C3)
        c.floodFill(0, 0, platform::clSilver, platform::FloodFillMode::Surface);
    QImage out = c.image().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = platform::toQRgb(platform::clSilver);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return out;
}

QImage scaledTo(const QImage& picture, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return picture;
    if (picture.width() == width && picture.height() == height)
        return picture;
    return drawable(picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace

// ----------------------------------------------------------------------------- names

QString FaceLibraryOf(int deck)
{
    if (deck >= 1 && deck <= 31)
        return LibraryA;
    if (deck >= 32 && deck <= 39)
        return LibraryB;
    if (deck >= 40 && deck <= 47)
        return LibraryC;
    return {};
}

QString FaceDeckStem(int deck)
{
    if (deck < 0 || deck > 47)
        return {};
    return QString::fromLatin1(kDeckStems[static_cast<std::size_t>(deck)]);
}

QString NumberCardStem(int deck)
{
    switch (deck) {
    case 6: case 7: case 10: case 13: return QStringLiteral("Mod");
    case 19: case 20: return QStringLiteral("Sea");
    case 25: return QStringLiteral("Rhi");
    case 27: return QStringLiteral("Big");
    default: return FaceDeckStem(deck);
    }
}

QString AceStem(int deck)
{
    switch (deck) {
    case 7: case 10: case 13: return QStringLiteral("Mod");
    case 19: case 20: return QStringLiteral("Sea");
    default: return FaceDeckStem(deck);
    }
}

QString SuitSignStem(int deck)
{
    return deck == 11 ? QStringLiteral("Mod") : NumberCardStem(deck);
}

bool IsWideDeck(int deck)
{
    return (deck >= 0 && deck <= 27) || deck == 40 || deck == 45;
}

QString FaceResourceName(int index, int deck, bool scaled)
{
    if (index < 1 || index > 52)
        return {};
    const int rank = (index - 1) / 4;
    const int suit = (index - 1) % 4;
    QString stem;
    if (rank <= 8)
        stem = NumberCardStem(deck);
    else if (rank == 12)
        stem = AceStem(deck);
    else
        stem = FaceDeckStem(deck);
    return QString::fromLatin1(kSyllables[static_cast<std::size_t>(suit)])
        + QString::fromLatin1(kRankTags[static_cast<std::size_t>(rank)]) + stem
        + (scaled ? QStringLiteral("B") : QString());
}

QString SuitSignResourceName(int sign, int deck, bool large)
{
    if (sign < 1 || sign > 4)
        return {};
    return QString::fromLatin1(kSignNames[static_cast<std::size_t>(sign - 1)]) + SuitSignStem(deck)
        + (large ? QStringLiteral("B") : QString());
}

QString BackSetStem(int backDeck)
{
    if (backDeck < 0 || backDeck > 12)
        return {};
    return QString::fromLatin1(kBackStems[static_cast<std::size_t>(backDeck)]);
}

int BackCount(int backDeck)
{
    return (backDeck >= 8 && backDeck <= 11) ? 10 : 7;
}

QString BackResourceName(int i, int backDeck, bool scaled, bool wideFaces)
{
    if (i < 1 || i > 10)
        return {};
    QString suffix;
    if (scaled)
        suffix = wideFaces ? QStringLiteral("B") : QStringLiteral("U");
    return QString::fromLatin1(kBackNames[static_cast<std::size_t>(i - 1)]) + BackSetStem(backDeck) + suffix;
}

QString BackgroundResourceName(int number, int colour, int windowSize)
{
    if (number < 1 || number > 10 || colour < 0 || colour > 6)
        return {};
    const QString suffix = windowSize == 1 ? QString() : QStringLiteral("B");
    if (number == 2 && colour == 0)
        return QStringLiteral("FonG") + suffix;
    return QStringLiteral("Fon%1").arg(number, 2, 10, QLatin1Char('0'))
        + QString::fromLatin1(kColourCodes[static_cast<std::size_t>(colour)]) + suffix;
}

platform::TColor TableColorOf(int colourIndex)
{
    if (colourIndex < 0 || colourIndex > 6)
        return platform::clGreen;
    return kTableColours[static_cast<std::size_t>(colourIndex)];
}

void SetResourceRequestListenerForTest(std::function<void(const QString&, const QString&)> f)
{
    g_requestListener = std::move(f);
}

// ----------------------------------------------------------------------------- loads

bool LoadCardFaces()
{
    bool result = true;
    Module module;
    int deck = Settings::FaceDeckNo;
    if (deck < 0 || deck > 47) {
        result = false;
        deck = 0;
    } else if (deck != 0) {
        module.lib = openLibrary(FaceLibraryOf(deck));
        if (module.lib) {
            module.file = FaceLibraryOf(deck);
        } else {
            result = false;
            deck = 0;
        }
    }
    Settings::FaceDeckNo = deck;
    const bool classic = classicDrawing();

    for (int index = 1; index <= 52 && !g_checkOnly; ++index) {
        QImage picture = module.image(FaceResourceName(index, deck, !classic));
        if (picture.isNull() && module.lib) {
            // A library that lacks a picture: the built-in card of the same place.
            Module own;
            picture = own.image(FaceResourceName(index, 0, !classic));
        }
        if (classic)
            FaceBitmaps[index] = classicBitmap(picture);
        else
            FaceImages[index] = drawable(picture);
    }

    for (int sign = 1; sign <= 4; ++sign) {
        QImage small = module.image(SuitSignResourceName(sign, deck, false));
        QImage large = module.image(SuitSignResourceName(sign, deck, true));
        if (module.lib && (small.isNull() || large.isNull())) {
            Module own;
            if (small.isNull())
                small = own.image(SuitSignResourceName(sign, 0, false));
            if (large.isNull())
                large = own.image(SuitSignResourceName(sign, 0, true));
        }
        ExtraBitmaps[sign] = smallSign(small, deck == 26 && sign == 2);
        SuitPngs[sign] = large;
        SuitImages[sign] = drawable(large);
    }
    module.lib.reset();

    WideCardFaces = IsWideDeck(deck);
    NarrowCardPad = (WideCardFaces || Settings::WindowSize == 1) ? 0 : 5;
    GameState::CardWidth = 71;
    if (Scaling::Scale >= 1.3)
        GameState::CardWidth = Scaling::Scaled(WideCardFaces ? 71 : 61);
    if (Scaling::Scale >= 2.0)
        GameState::CardWidth = WideCardFaces ? 146 : 126;

    LoadCardBacks();
    if (!g_checkOnly)
        g_picturesPending = false;
    return result;
}

bool PrepareCardPictures()
{
    g_checkOnly = true;
    const bool faces = LoadCardFaces();
    g_checkOnly = false;
    g_picturesPending = true;
    return faces;
}

void EnsureCardPictures()
{
    if (g_picturesPending)
        LoadCardFaces();
}

bool CardPicturesPending()
{
    return g_picturesPending;
}

bool LoadCardBacks()
{
    bool result = true;
    const bool classic = classicDrawing();
    int set = Settings::BackDeckNo;
    Module module;
    if (set < 0 || set > 12) {
        result = false;
        set = 0;
        Settings::BackDeckNo = 0;
    }
    const bool builtIn = set == 0 && (WideCardFaces || classic);
    if (!builtIn) {
        module.lib = openLibrary(LibraryB);
        if (module.lib) {
            module.file = LibraryB;
        } else {
            result = false;
            if (set == 0) {
                // Narrow faces need narrow backs that only the library has: go back to
                // the built-in deck, which reloads the built-in backs too.
                Settings::FaceDeckNo = 0;
                LoadCardFaces();
            }
            set = 0;
            Settings::BackDeckNo = 0;
        }
    }

    // Without the library, narrow faces of another library keep their deck and get the
    // built-in wide backs, scaled to their width when drawn.
    const bool wideNames = WideCardFaces || !module.lib;
    const int count = BackCount(set);
    for (int i = 1; i <= count && !g_checkOnly; ++i) {
        QImage picture = module.image(BackResourceName(i, set, !classic, wideNames));
        if (picture.isNull() && module.lib && i <= 7) {
            Module own;
            picture = own.image(BackResourceName(i, 0, !classic, true));
        }
        if (classic)
            BackBitmaps[i] = classicBitmap(picture);
        else
            BackImages[i] = drawable(picture);
    }
    return result;
}

bool LoadTableBackground()
{
    int number = Settings::BackgroundNo;
    int colour = Settings::BackgroundColorIndex;
    if (number == 0)
        return true;
    bool result = true;
    Module module;
    if (BackgroundResourceName(number, colour, Settings::WindowSize).isEmpty())
        return result; // outside the tables: the previous picture stays
    if (!(number == 2 && colour == 0)) {
        module.lib = openLibrary(LibraryBackgrounds);
        if (module.lib) {
            module.file = LibraryBackgrounds;
        } else {
            result = false;
            number = 2;
            colour = 0;
            Settings::BackgroundNo = 2;
            Settings::BackgroundColorIndex = 0;
        }
    }
    QImage picture = module.image(BackgroundResourceName(number, colour, Settings::WindowSize));
    module.lib.reset();
    if (!picture.isNull())
        TableBackground = picture.convertToFormat(QImage::Format_RGB32);
    if (Settings::WindowSize != 1 && !TableBackground.isNull() && Scaling::TableWidth > 0
        && Scaling::TableHeight > 0
        && TableBackground.size() != QSize(Scaling::TableWidth, Scaling::TableHeight))
        TableBackground = TableBackground.scaled(Scaling::TableWidth, Scaling::TableHeight,
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return result;
}

void SetTableColor()
{
    TableColor = TableColorOf(Settings::BackgroundColorIndex);
    if (Settings::BackgroundNo == 0)
        TableColor = platform::clGreen;
    if (Form1) {
        QPalette pal = Form1->palette();
        pal.setColor(QPalette::Window, platform::toQColor(TableColor));
        Form1->setPalette(pal);
        Form1->setAutoFillBackground(true);
    }
}

void RescaleCardPictures()
{
    LoadCardFaces();
    const int w = GameState::CardWidth;
    const int h = GameState::CardHeight;
    for (QImage& face : FaceImages)
        face = scaledTo(face, w, h);
    const int backs = BackCount(Settings::BackDeckNo);
    for (int i = 1; i <= backs; ++i)
        BackImages[i] = scaledTo(BackImages[i], w, h);
}

// ----------------------------------------------------------------------------- lookups

const platform::Canvas& FaceBitmapOf(const TCardCode& code)
{
    static const platform::Canvas none;
    const int index = cards::pictureIndex(code);
    return index == 0 ? none : FaceBitmaps[index];
}

const QImage& FaceImageOf(const TCardCode& code)
{
    static const QImage none;
    const int index = cards::pictureIndex(code);
    return index == 0 ? none : FaceImages[index];
}

void DrawImageScaled(int x, int y, const QImage& picture, platform::Canvas& canvas, int width,
                     int height)
{
    if (picture.isNull() || canvas.isEmpty() || width <= 0 || height <= 0)
        return;
    if (picture.width() == width && picture.height() == height) {
        canvas.draw(x, y, picture);
        return;
    }
    canvas.draw(x, y, scaledTo(picture, width, height));
}

} // namespace CardPictures
