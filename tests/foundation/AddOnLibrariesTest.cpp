// The add-on libraries the build renders beside the program: every deck, back set and
// background loads through the real loaders without a fallback, every picture a load
// asks for is really in its library and has the size its drawing expects, and no two
// decks (the built-in one included) share their court cards.
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/ProgramFolder.h"
#include "support/ScriptedPresenter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <map>
#include <set>

namespace {

using namespace CardPictures;

// The names a bundle holds (base names, lower case, as the loaders match them).
std::set<QString> namesIn(const QString& bundle)
{
    std::set<QString> names;
    const QString root = QStringLiteral("/addon-names");
    if (!QResource::registerResource(bundle, root))
        return names;
    QDirIterator it(QLatin1Char(':') + root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.insert(QFileInfo(it.next()).completeBaseName().toLower());
    QResource::unregisterResource(bundle, root);
    return names;
}

QByteArray digest(const QImage& img)
{
    const QImage c = img.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(c.constBits(), c.sizeInBytes()), QCryptographicHash::Sha1);
}

class AddOnLibrariesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        for (const QString& lib : {LibraryA, LibraryB, LibraryC, LibraryBackgrounds})
            contents[lib] = namesIn(folder + lib);
    }

    void SetUp() override
    {
        for (const QString& lib : {LibraryA, LibraryB, LibraryC, LibraryBackgrounds})
            ASSERT_FALSE(contents[lib].empty()) << "the build puts " << lib.toStdString() << " into "
                                                << folder.toStdString();
        platform::setProgramFolderForTest(folder);
        SetResourceRequestListenerForTest([this](const QString& lib, const QString& name) {
            if (!lib.isEmpty())
                asked.push_back({lib, name});
        });
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        Settings::BackgroundNo = 2;
        Settings::BackgroundColorIndex = 0;
    }
    void TearDown() override
    {
        SetResourceRequestListenerForTest(nullptr);
        platform::setProgramFolderForTest(QString());
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        Settings::BackgroundNo = 2;
        Settings::BackgroundColorIndex = 0;
        setWindow(1, 1.0);
        LoadCardFaces();
    }
    // What the window-size code sets before a load.
    static void setWindow(int windowSize, double scale)
    {
        Settings::WindowSize = windowSize;
        Scaling::Scale = Scaling::ScaleX = Scaling::ScaleY = scale;
        Scaling::TableWidth = Scaling::RoundHalfEven(760 * scale);
        Scaling::TableHeight = Scaling::RoundHalfEven(500 * scale);
        Scaling::ClassicCardMode = scale >= 2.0 ? 2 : (scale >= 1.3 ? 0 : 1);
        GameState::CardHeight = scale >= 2.0 ? 198 : Scaling::Scaled(96);
    }
    // Every picture asked for since the last call was in the library it was asked from.
    void expectAllAskedFound(const std::string& what)
    {
        for (const auto& [lib, name] : asked)
            EXPECT_TRUE(contents[lib].count(name.toLower())) << what << ": " << name.toStdString() << " is not in "
                                                             << lib.toStdString();
        asked.clear();
    }

    static inline QString folder;
    static inline std::map<QString, std::set<QString>> contents;
    testsupport::ScriptedPresenter presenter;
    std::vector<std::pair<QString, QString>> asked;
};

TEST_F(AddOnLibrariesTest, EveryDeckLoadsInTheClassicAndTheScaledDrawingAndHasCourtCardsOfItsOwn)
{
    // The jack of hearts, queen of diamonds and king of clubs of the options preview, by
    // deck, in the scaled drawing; the built-in deck's too.
    std::map<QByteArray, int> courts;
    auto courtsOf = [] {
        QByteArray key;
        for (int index : {37, 42, 47})
            key += digest(FaceImages[index]);
        return key;
    };
    setWindow(5, 2.0);
    ASSERT_TRUE(LoadCardFaces());
    courts.emplace(courtsOf(), 0);
    asked.clear();

    struct Mode {
        int windowSize;
        double scale;
    } modes[] = {{1, 1.0}, {5, 2.0}};
    for (const Mode& m : modes) {
        setWindow(m.windowSize, m.scale);
        const bool classic = Scaling::ClassicCardMode == 1;
        for (int deck = 1; deck <= 47; ++deck) {
            const std::string what = "deck " + std::to_string(deck) + (classic ? " classic" : " scaled");
            Settings::FaceDeckNo = deck;
            EXPECT_TRUE(LoadCardFaces()) << what;
            EXPECT_EQ(Settings::FaceDeckNo, deck) << what;
            EXPECT_EQ(asked.size(), 52u + 8u + (classic || IsWideDeck(deck) ? 0u : 7u)) << what;
            expectAllAskedFound(what);
            const QSize large(IsWideDeck(deck) ? 146 : 126, 198);
            for (int i = 1; i <= 52; ++i) {
                const QSize size = classic ? FaceBitmaps[i].image().size() : FaceImages[i].size();
                EXPECT_EQ(size, classic ? QSize(69, 94) : large) << what << " face " << i;
            }
            for (int sign = 1; sign <= 4; ++sign) {
                EXPECT_EQ(ExtraBitmaps[sign].size(), QSize(20, 20)) << what;
                EXPECT_EQ(SuitPngs[sign].size(), QSize(40, 40)) << what;
            }
            if (!classic && !IsWideDeck(deck)) {
                for (int i = 1; i <= 7; ++i)
                    EXPECT_EQ(BackImages[i].size(), large) << what << " narrow back " << i;
            }
            if (!classic) {
                const auto [it, fresh] = courts.emplace(courtsOf(), deck);
                EXPECT_TRUE(fresh) << "deck " << deck << " has the court cards of deck " << it->second;
            }
        }
    }
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(AddOnLibrariesTest, EveryBackSetLoadsForWideAndNarrowFacesAndTheClassicDrawing)
{
    struct Mode {
        int windowSize;
        double scale;
        int deck;
        QSize size;
    } modes[] = {{1, 1.0, 0, {69, 94}}, {5, 2.0, 0, {146, 198}}, {5, 2.0, 30, {126, 198}}};
    for (const Mode& m : modes) {
        setWindow(m.windowSize, m.scale);
        Settings::FaceDeckNo = m.deck;
        Settings::BackDeckNo = 0;
        ASSERT_TRUE(LoadCardFaces());
        asked.clear();
        for (int set = 1; set <= 12; ++set) {
            const std::string what = "set " + std::to_string(set) + " on deck " + std::to_string(m.deck) + " at zoom "
                + std::to_string(m.scale);
            Settings::BackDeckNo = set;
            EXPECT_TRUE(LoadCardBacks()) << what;
            EXPECT_EQ(asked.size(), size_t(BackCount(set))) << what;
            expectAllAskedFound(what);
            std::set<QByteArray> distinct;
            for (int i = 1; i <= BackCount(set); ++i) {
                const QImage& back = m.size.width() == 69 ? BackBitmaps[i].image() : BackImages[i];
                EXPECT_EQ(back.size(), m.size) << what << " back " << i;
                distinct.insert(digest(back));
            }
            EXPECT_EQ(distinct.size(), size_t(BackCount(set))) << what << ": two backs of the set are alike";
        }
    }
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(AddOnLibrariesTest, EveryBackgroundLoadsInEveryColourAtBothSizes)
{
    for (int windowSize : {1, 3}) {
        setWindow(windowSize, windowSize == 1 ? 1.0 : 1.3);
        for (int number = 1; number <= 10; ++number)
            for (int colour = 0; colour <= 6; ++colour) {
                const std::string what = "background " + std::to_string(number) + " colour " + std::to_string(colour)
                    + " window " + std::to_string(windowSize);
                Settings::BackgroundNo = number;
                Settings::BackgroundColorIndex = colour;
                TableBackground = QImage();
                EXPECT_TRUE(LoadTableBackground()) << what;
                EXPECT_EQ(Settings::BackgroundNo, number) << what;
                EXPECT_EQ(TableBackground.size(), QSize(Scaling::TableWidth, Scaling::TableHeight)) << what;
                EXPECT_EQ(asked.size(), number == 2 && colour == 0 ? 0u : 1u) << what;
                expectAllAskedFound(what);
            }
    }
    EXPECT_TRUE(presenter.messages.empty());
}

} // namespace
