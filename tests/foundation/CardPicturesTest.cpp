// Loading the card pictures: resource names by deck, back set and background, the add-on
// bundles looked for in two folders, and the fall-backs to the built-in pictures.
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "support/ResourceBundle.h"
#include "support/ScriptedPresenter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <set>

namespace {

using namespace CardPictures;

QImage solid(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// A distinct colour per picture number.
QRgb colourOf(int i)
{
    return qRgb(i * 4, 255 - i * 4, 100);
}

struct Request {
    QString library, name;
    friend bool operator<(const Request& a, const Request& b)
    {
        return std::tie(a.library, a.name) < std::tie(b.library, b.name);
    }
};

class CardPicturesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("prog")));
        platform::setProgramFolderForTest(root.filePath(QStringLiteral("prog")) + QLatin1Char('/'));
        SetResourceRequestListenerForTest([this](const QString& lib, const QString& name) {
            requests.push_back({lib, name});
        });
        defaultChoices();
    }
    void TearDown() override
    {
        SetResourceRequestListenerForTest(nullptr);
        platform::setProgramFolderForTest(QString());
        defaultChoices();
    }
    // The picture choices every test starts from and leaves behind.
    static void defaultChoices()
    {
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        Settings::WindowSize = 1;
        Settings::BackgroundNo = 2;
        Settings::BackgroundColorIndex = 0;
        setZoom(1.0);
    }
    // What the window-size code sets before a load.
    static void setZoom(double scale)
    {
        Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = scale;
        Scaling::TableWidth = Scaling::RoundHalfEven(760 * scale);
        Scaling::TableHeight = Scaling::RoundHalfEven(500 * scale);
        Scaling::ClassicCardMode = scale >= 2.0 ? 2 : (scale >= 1.3 ? 0 : 1);
        GameState::CardHeight = scale >= 2.0 ? 198 : Scaling::Scaled(96);
    }
    QString inProgram(const QString& file) const { return root.filePath(QStringLiteral("prog/") + file); }
    QString above(const QString& file) const { return root.filePath(file); }
    std::set<QString> requestedFrom(const QString& lib) const
    {
        std::set<QString> s;
        for (const Request& r : requests)
            if (r.library == lib)
                s.insert(r.name);
        return s;
    }

    QTemporaryDir root;
    testsupport::ScriptedPresenter presenter;
    std::vector<Request> requests;
};

TEST(CardPictureNames, FacesTakeNumberCardsAndAcesFromTheirBorrowedStems)
{
    struct Case {
        int deck, index;
        bool scaled;
        const char* name;
    } cases[] = {
        {0, 52, false, "Pi5A"}, {0, 52, true, "Pi5AB"}, {0, 1, false, "Ch02"},
        {1, 37, true, "Ch2JMedB"},                                    // jack of hearts
        {25, 1, true, "Ch02RhiB"}, {25, 33, true, "Ch10RhiB"},       // number cards borrowed
        {25, 38, true, "Bu2JBoyB"}, {25, 51, false, "Kr5ABoy"},      // court and ace own
        {7, 2, false, "Bu02Mod"}, {7, 52, false, "Pi5AMod"}, {7, 48, false, "Pi4KCro"},
        {6, 8, true, "Pi03ModB"}, {6, 49, true, "Ch5ACorB"},
        {10, 50, true, "Bu5AModB"}, {13, 43, true, "Kr3QParB"},
        {19, 5, true, "Ch03SeaB"}, {20, 52, true, "Pi5ASeaB"}, {20, 44, true, "Pi3QHeaB"},
        {27, 36, true, "Pi10BigB"}, {27, 49, true, "Ch5AUSRB"},
        {9, 1, true, "Ch02FraB"}, {40, 1, true, "Ch02FraB"}, {47, 47, true, "Kr4KCzeB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FaceResourceName(c.index, c.deck, c.scaled), QString::fromLatin1(c.name))
            << c.deck << " " << c.index;
}

TEST(CardPictureNames, SignsBacksBackgroundsLibrariesAndWidths)
{
    EXPECT_EQ(SuitSignResourceName(1, 0, false), "Cher");
    EXPECT_EQ(SuitSignResourceName(4, 0, true), "PikiB");
    EXPECT_EQ(SuitSignResourceName(2, 11, false), "BubiMod"); // deck 11 signs from "Mod"
    EXPECT_EQ(SuitSignResourceName(3, 25, true), "KresRhiB");   // number-card stem
    EXPECT_EQ(SuitSignResourceName(1, 3, false), "CherAnc");

    EXPECT_EQ(BackResourceName(1, 0, false, true), "Ob01Mo");
    EXPECT_EQ(BackResourceName(7, 0, true, true), "Ob07SuB");
    EXPECT_EQ(BackResourceName(6, 0, true, false), "Ob06SuU");
    EXPECT_EQ(BackResourceName(10, 9, true, true), "Ob10XXFloB");
    EXPECT_EQ(BackResourceName(8, 11, false, true), "Ob08XXOth");
    for (int set = 0; set <= 12; ++set)
        EXPECT_EQ(BackCount(set), set >= 8 && set <= 11 ? 10 : 7) << set;

    EXPECT_EQ(BackgroundResourceName(2, 0, 1), "FonG");
    EXPECT_EQ(BackgroundResourceName(2, 0, 5), "FonGB");
    EXPECT_EQ(BackgroundResourceName(2, 1, 1), "Fon02Re");
    EXPECT_EQ(BackgroundResourceName(2, 1, 3), "Fon02ReB");
    EXPECT_EQ(BackgroundResourceName(10, 6, 2), "Fon10FiB");
    EXPECT_EQ(BackgroundResourceName(1, 4, 1), "Fon01B1");
    EXPECT_EQ(BackgroundResourceName(11, 0, 1), "");
    EXPECT_EQ(BackgroundResourceName(3, 7, 1), "");

    const std::pair<int, const char*> libs[] = {{0, ""}, {1, "QyvCards07A.dll"}, {31, "QyvCards07A.dll"},
                                                {32, "QyvCards07B.dll"}, {39, "QyvCards07B.dll"},
                                                {40, "QyvCards07C.dll"}, {47, "QyvCards07C.dll"}, {48, ""}};
    for (const auto& [deck, lib] : libs)
        EXPECT_EQ(FaceLibraryOf(deck), QString::fromLatin1(lib)) << deck;
    for (int deck = 0; deck <= 47; ++deck)
        EXPECT_EQ(IsWideDeck(deck), deck <= 27 || deck == 40 || deck == 45) << deck;
}

TEST_F(CardPicturesTest, TableColourFollowsTheColourIndexUnlessThereIsNoBackground)
{
    struct Case {
        int background, colour;
        platform::TColor expected;
    } cases[] = {{2, 0, 0x008000}, {2, 1, 0x000080}, {3, 2, 0x004080}, {1, 3, 0x008080},
                 {1, 4, 0x808000}, {1, 5, 0x800000}, {1, 6, 0x800080}, {0, 5, 0x008000}};
    for (const Case& c : cases) {
        Settings::BackgroundNo = c.background;
        Settings::BackgroundColorIndex = c.colour;
        SetTableColor();
        EXPECT_EQ(TableColor, c.expected) << c.background << " " << c.colour;
    }
}

TEST_F(CardPicturesTest, MissingLibraryShowsOneMessageAndFallsBackToTheBuiltInDeck)
{
    Settings::FaceDeckNo = 35;
    EXPECT_FALSE(LoadCardFaces());
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, QStringLiteral("Can`t find the file QyvCards07B.dll"));
    EXPECT_EQ(presenter.messages[0].buttons, platform::Buttons::Ok);
    EXPECT_EQ(Settings::FaceDeckNo, 0);
    EXPECT_TRUE(WideCardFaces);
    EXPECT_EQ(GameState::CardWidth, 71);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Pi5A")), 1u);
    EXPECT_TRUE(requestedFrom(LibraryB).empty());
}

TEST_F(CardPicturesTest, MissingLibraryWithAnotherBackSetReportsTwiceAndResetsBoth)
{
    Settings::FaceDeckNo = 35;
    Settings::BackDeckNo = 3;
    EXPECT_FALSE(LoadCardFaces());
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(presenter.messages[1].text, QStringLiteral("Can`t find the file QyvCards07B.dll"));
    EXPECT_EQ(Settings::FaceDeckNo, 0);
    EXPECT_EQ(Settings::BackDeckNo, 0);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Ob07Su")), 1u);
}

TEST_F(CardPicturesTest, TheStartChecksTheDecksAndLeavesFacesAndBacksForTheirFirstShowing)
{
    // The start says what a full load would say and puts the settings right the same way,
    // but reads no face or back until one is to be shown.
    Settings::FaceDeckNo = 35;
    Settings::BackDeckNo = 3;
    for (QImage& face : FaceImages)
        face = QImage();
    for (platform::Canvas& face : FaceBitmaps)
        face = platform::Canvas();
    EXPECT_FALSE(PrepareCardPictures());
    ASSERT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(Settings::FaceDeckNo, 0);
    EXPECT_EQ(Settings::BackDeckNo, 0);
    EXPECT_EQ(GameState::CardWidth, 71);
    EXPECT_FALSE(SuitPngs[4].isNull());
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Pi5A")), 0u);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Ob07Su")), 0u);
    EXPECT_TRUE(FaceBitmaps[52].image().isNull());

    EnsureCardPictures();
    EXPECT_EQ(presenter.messages.size(), 2u);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Pi5A")), 1u);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Ob07Su")), 1u);
    EXPECT_FALSE(FaceBitmaps[52].image().isNull());
    // Once shown, they stay: a second call reads nothing.
    requests.clear();
    EnsureCardPictures();
    EXPECT_TRUE(requests.empty());
}

TEST_F(CardPicturesTest, DeckNumberAboveTheTablesLoadsTheBuiltInDeckSilently)
{
    Settings::FaceDeckNo = 48;
    EXPECT_FALSE(LoadCardFaces());
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(Settings::FaceDeckNo, 0);
}

TEST_F(CardPicturesTest, BundleInTheFolderAboveServesABorrowedStemDeck)
{
    // Deck 25: number cards from "Rhi", court cards and aces from its own "Boy".
    std::map<QString, QImage> pictures;
    const char* syll[] = {"Ch", "Bu", "Kr", "Pi"};
    const char* tags[] = {"02", "03", "04", "05", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
    for (int r = 0; r < 13; ++r)
        for (int s = 0; s < 4; ++s)
            pictures[QString::fromLatin1(syll[s]) + tags[r] + (r <= 8 ? "Rhi" : "Boy") + "B"] =
                solid(146, 198, colourOf(4 * r + s + 1));
    for (const char* sign : {"Cher", "Bubi", "Kres", "Piki"}) {
        pictures[QString::fromLatin1(sign) + "Rhi"] = solid(20, 20, qRgb(1, 2, 3));
        pictures[QString::fromLatin1(sign) + "RhiB"] = solid(40, 40, qRgb(4, 5, 6));
    }
    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    ASSERT_TRUE(testsupport::MakePictureBundle(above(LibraryA), pictures));
    // A file of another format in the program folder counts as missing.
    QFile junk(inProgram(LibraryA));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("MZ not a bundle");
    junk.close();

    setZoom(1.5);
    Settings::WindowSize = 3;
    Settings::FaceDeckNo = 25;
    EXPECT_TRUE(LoadCardFaces());
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_EQ(Settings::FaceDeckNo, 25);
    for (int i = 1; i <= 52; ++i) {
        ASSERT_EQ(FaceImages[i].size(), QSize(146, 198)) << i;
        EXPECT_EQ(FaceImages[i].pixel(70, 90), colourOf(i)) << i;
    }
    EXPECT_EQ(SuitPngs[3].size(), QSize(40, 40));
    EXPECT_EQ(ExtraBitmaps[3].pixel(5, 5), qRgb(1, 2, 3));
    std::set<QString> expected;
    for (const auto& [name, img] : pictures)
        expected.insert(name);
    EXPECT_EQ(requestedFrom(LibraryA), expected);
    EXPECT_EQ(GameState::CardWidth, 106); // 71 x 1.5 = 106.5, halves to even
    EXPECT_TRUE(WideCardFaces);
    EXPECT_EQ(NarrowCardPad, 0);
}

TEST_F(CardPicturesTest, CardWidthFollowsZoomAndDeckWidth)
{
    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    ASSERT_TRUE(testsupport::MakePictureBundle(inProgram(LibraryA), {{QStringLiteral("Dummy"), solid(2, 2, 0)}}));
    ASSERT_TRUE(testsupport::MakePictureBundle(inProgram(LibraryB), {{QStringLiteral("Dummy"), solid(2, 2, 0)}}));
    struct Case {
        double scale;
        int windowSize, deck, width, pad;
    } cases[] = {
        {1.0, 1, 3, 71, 0},  {1.0, 1, 33, 71, 0},  {1.5, 3, 3, 106, 0}, {1.5, 3, 33, 92, 5},
        {1.7, 4, 0, 121, 0}, {1.7, 4, 33, 104, 5}, {2.0, 5, 3, 146, 0}, {2.08, 2, 33, 126, 5},
    };
    for (const Case& c : cases) {
        setZoom(c.scale);
        Settings::WindowSize = c.windowSize;
        Settings::FaceDeckNo = c.deck;
        Settings::BackDeckNo = 0;
        LoadCardFaces();
        EXPECT_EQ(GameState::CardWidth, c.width) << c.scale << " deck " << c.deck;
        EXPECT_EQ(NarrowCardPad, c.pad) << c.scale << " deck " << c.deck;
    }
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(CardPicturesTest, NarrowFacesTakeNarrowBacksFromTheBackLibrary)
{
    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    ASSERT_TRUE(testsupport::MakePictureBundle(inProgram(LibraryA), {{QStringLiteral("Dummy"), solid(2, 2, 0)}}));
    setZoom(1.5);
    Settings::WindowSize = 3;
    Settings::FaceDeckNo = 30;
    // Without the back library the faces go back to the built-in deck as well.
    LoadCardFaces();
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, QStringLiteral("Can`t find the file QyvCards07B.dll"));
    EXPECT_EQ(Settings::FaceDeckNo, 0);
    EXPECT_TRUE(WideCardFaces);
    EXPECT_EQ(requestedFrom(QString()).count(QStringLiteral("Ob01MoB")), 1u);
    EXPECT_EQ(requestedFrom(LibraryA).count(QStringLiteral("Ch02SkTB")), 1u);

    // With it, the seven "U" backs of set 0 come from there.
    ASSERT_TRUE(testsupport::MakePictureBundle(inProgram(LibraryB), {{QStringLiteral("Ob01MoU"), solid(126, 198, qRgb(9, 9, 9))}}));
    presenter.messages.clear();
    requests.clear();
    Settings::FaceDeckNo = 30;
    EXPECT_TRUE(LoadCardFaces());
    EXPECT_TRUE(presenter.messages.empty());
    EXPECT_FALSE(WideCardFaces);
    const std::set<QString> backs = {"Ob01MoU", "Ob02TuU", "Ob03WeU", "Ob04ThU", "Ob05FrU", "Ob06SuU", "Ob07SuU"};
    EXPECT_EQ(requestedFrom(LibraryB), backs);
    EXPECT_EQ(BackImages[1].pixel(60, 100), qRgb(9, 9, 9));
}

TEST_F(CardPicturesTest, BackSetsReadSevenOrTenBacks)
{
    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    ASSERT_TRUE(testsupport::MakePictureBundle(above(LibraryB), {{QStringLiteral("Ob10XXFlo"), solid(69, 94, qRgb(7, 7, 7))}}));
    Settings::BackDeckNo = 9;
    EXPECT_TRUE(LoadCardBacks());
    const std::set<QString> ten = {"Ob01MoFlo", "Ob02TuFlo", "Ob03WeFlo", "Ob04ThFlo", "Ob05FrFlo",
                                   "Ob06SuFlo", "Ob07SuFlo", "Ob08XXFlo", "Ob09XXFlo", "Ob10XXFlo"};
    EXPECT_EQ(requestedFrom(LibraryB), ten);
    EXPECT_EQ(BackBitmaps[10].pixel(30, 30), 0x070707u); // classic: 69 x 94 bitmaps
    requests.clear();
    Settings::BackDeckNo = 3;
    EXPECT_TRUE(LoadCardBacks());
    EXPECT_EQ(requestedFrom(LibraryB).size(), 7u);
    EXPECT_EQ(requestedFrom(LibraryB).count(QStringLiteral("Ob07SuCar")), 1u);
}

TEST_F(CardPicturesTest, BackgroundsFromTheProgramOrTheirLibrary)
{
    // Background 2 in colour 0 never opens the library.
    EXPECT_TRUE(LoadTableBackground());
    EXPECT_TRUE(presenter.messages.empty());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].library, QString());
    EXPECT_EQ(requests[0].name, QStringLiteral("FonG"));

    // Any other colour without the library: one message, back to 2 / 0.
    requests.clear();
    Settings::BackgroundColorIndex = 1;
    EXPECT_FALSE(LoadTableBackground());
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, QStringLiteral("Can`t find the file QyvBackG03.dll"));
    EXPECT_EQ(Settings::BackgroundNo, 2);
    EXPECT_EQ(Settings::BackgroundColorIndex, 0);

    // No background: nothing read at all.
    requests.clear();
    Settings::BackgroundNo = 0;
    EXPECT_TRUE(LoadTableBackground());
    EXPECT_TRUE(requests.empty());

    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    ASSERT_TRUE(testsupport::MakePictureBundle(inProgram(LibraryBackgrounds), {{QStringLiteral("Fon02ReB"), solid(200, 100, qRgb(200, 0, 0))}},
                           "JPG"));
    setZoom(1.3);
    Settings::WindowSize = 3;
    Settings::BackgroundNo = 2;
    Settings::BackgroundColorIndex = 1;
    EXPECT_TRUE(LoadTableBackground());
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().library, LibraryBackgrounds);
    EXPECT_EQ(requests.back().name, QStringLiteral("Fon02ReB"));
    EXPECT_EQ(TableBackground.size(), QSize(988, 650));
    EXPECT_GT(qRed(TableBackground.pixel(500, 300)), 180);
}

TEST_F(CardPicturesTest, RescaleBringsFacesAndBacksToTheCardSize)
{
    if (!platform::resources::exists(QStringLiteral("Ch02B")) || !platform::resources::exists(QStringLiteral("Ob01MoB")))
        GTEST_SKIP() << "built-in card pictures not rendered yet";
    setZoom(1.5);
    Settings::WindowSize = 3;
    RescaleCardPictures();
    for (int i = 1; i <= 52; ++i)
        EXPECT_EQ(FaceImages[i].size(), QSize(106, 144)) << i;
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(BackImages[i].size(), QSize(106, 144)) << i;
}

TEST(CardPictureLookups, FaceLookupsAndScaledDrawing)
{
    FaceImages[52] = solid(4, 4, qRgb(1, 1, 1));
    FaceBitmaps[1] = platform::Canvas(69, 94, 0x0A0B0C);
    EXPECT_EQ(FaceImageOf(TCardCode("\xD2\xEF")).size(), QSize(4, 4));
    EXPECT_EQ(FaceBitmapOf(TCardCode("2\xF7")).pixel(3, 3), 0x0A0B0Cu);
    EXPECT_TRUE(FaceImageOf(TCardCode("No")).isNull());
    EXPECT_TRUE(FaceBitmapOf(TCardCode("##")).isEmpty());

    QImage pic = solid(10, 10, qRgb(0, 0, 255));
    pic.setPixel(0, 0, qRgb(255, 0, 0));
    platform::Canvas c(40, 40, platform::clWhite);
    DrawImageScaled(5, 5, pic, c, 10, 10); // same size: pixel for pixel
    EXPECT_EQ(c.pixel(5, 5), platform::clRed);
    EXPECT_EQ(c.pixel(14, 14), platform::clBlue);
    EXPECT_EQ(c.pixel(15, 15), platform::clWhite);
    DrawImageScaled(20, 20, pic, c, 20, 15);
    EXPECT_EQ(c.pixel(39, 34), platform::clBlue);
    EXPECT_EQ(c.pixel(39, 35), platform::clWhite);
    EXPECT_EQ(pic.size(), QSize(10, 10)); // the source stays as it was
}

} // namespace
