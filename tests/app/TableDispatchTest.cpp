// The card table hands each event to the current game's module, and to no other, and
// stays locked after a deal and after the end of a game.
#include "app/TableDispatch.h"
#include "foundation/GameState.h"
#include "foundation/TableSurface.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/Settings.h"
#include "platform/PictureControl.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>

namespace {

using namespace TableDispatch;

// The games in dispatch order with the module each one reaches.
const std::vector<std::pair<int, const char*>> kExpectedModules = {
    {431, "Vardelin"}, {71, "Vardelin"}, {404, "Yukon"}, {432, "Yukon"}, {403, "Scorpion"},
    {433, "Scorpion"}, {413, "Spider"}, {414, "Spider"}, {421, "Spider"}, {430, "FreeCell"},
    {424, "Golf01"}, {427, "Golf02"}, {434, "Golf03"}, {435, "Golf04"}, {436, "Golf05"},
    {19, "Tulip"}, {401, "Tulip"}, {402, "Tulip"}, {407, "Pairs"}, {408, "Wish"},
    {411, "Monte"}, {412, "Monte"}, {423, "Pyramid"}, {426, "Pyramid"}, {437, "Pyramid"},
    {438, "Diamond"}, {439, "Diamond"}, {415, "Crescent"}, {416, "Crescent"}, {419, "FunDeuces"},
    {420, "Nap"}, {18, "Book"}, {12, "PG"}, {405, "Desire"}, {406, "Twenty"},
    {417, "Calc"}, {418, "Sultan"}, {425, "Poz"}, {428, "Carpet"}, {443, "Fig"},
    {444, "Sad"}, {445, "Mud"}, {17, "UnclePelk"}, {409, "BAces"}, {410, "Lucie"},
    {422, "Alzhir"}, {429, "Demon"}, {440, "Klever"}, {441, "FortyThieves"}, {442, "Miss"},
};

// Modules that have no double click.
const QStringList kNoDoubleClick = {"Golf01", "Golf02", "Golf03", "Golf04", "Golf05",
                                    "Tulip",  "PG",     "Calc",   "UnclePelk"};

// A copy of the real table whose operations record "<module>.<event>" instead of
// playing; an operation the real module lacks stays absent.
class RecordingRegistry {
public:
    RecordingRegistry()
    {
        const TDispatchTable& real = DispatchTable();
        for (std::size_t i = 0; i < real.size(); ++i) {
            const TDispatchEntry& e = real[i];
            TTableModule m;
            m.Name = e.Module.Name;
            const QString name = QString::fromLatin1(e.Module.Name);
            m.MouseDown = [this, name](platform::MouseButton, platform::ShiftState, int x, int y) {
                calls << QStringLiteral("%1.down(%2,%3)").arg(name).arg(x).arg(y);
            };
            m.MouseMove = [this, name](platform::ShiftState, int x, int y) {
                calls << QStringLiteral("%1.move(%2,%3)").arg(name).arg(x).arg(y);
            };
            m.MouseUp = [this, name](platform::MouseButton, platform::ShiftState, int x, int y) {
                calls << QStringLiteral("%1.up(%2,%3)").arg(name).arg(x).arg(y);
            };
            // The real table is where the absence of a double click is decided.
            if (!kNoDoubleClick.contains(name))
                m.DblClick = [this, name] { calls << name + QStringLiteral(".dbl"); };
            table[i] = {e.Code, m};
        }
        SetDispatchTableForTest(&table);
    }
    ~RecordingRegistry() { SetDispatchTableForTest(nullptr); }

    TDispatchTable table;
    QStringList calls;
};

class TableDispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        surface.resize(760, 500);
        surface.ImageStol->setGeometry(0, 0, 760, 500);
        PopupAutoPopup = true;
    }
    void TearDown() override { GameState::ResetGameState(); }

    void play(int code)
    {
        GameState::CurrentGameId = code;
        GameState::RoundPhase = 2;
        GameState::GameOver = 0;
    }

    // Every table event once, as the window delivers them.
    void allEvents()
    {
        ImageStolMouseDown(platform::mbLeft, 0, 11, 12);
        ImageStolMouseMove(surface, 0, 13, 14);
        ImageStolMouseUp(platform::mbLeft, 0, 15, 16);
        ImageStolDblClick();
    }

    TTableSurface surface;
};

TEST_F(TableDispatchTest, RealTableMapsEachCodeToItsModuleInOrder)
{
    const TDispatchTable& table = DispatchTable();
    ASSERT_EQ(table.size(), kExpectedModules.size());
    std::map<int, int> seen;
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].Code, kExpectedModules[i].first);
        EXPECT_STREQ(table[i].Module.Name, kExpectedModules[i].second);
        ++seen[table[i].Code];
    }
    for (const auto& [code, count] : seen)
        EXPECT_EQ(count, 1) << "code " << code << " appears more than once";
}

TEST_F(TableDispatchTest, RealModulesLackExactlyTheDoubleClicksTheyDoNotHave)
{
    // Group 1 comes with its engine; the other groups' operations are bound now.
    for (const TDispatchEntry& e : DispatchTable()) {
        const QString name = QString::fromLatin1(e.Module.Name);
        if (QStringList{"Vardelin", "Yukon", "Scorpion", "Spider", "FreeCell"}.contains(name))
            continue;
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(e.Module.MouseDown && e.Module.MouseMove && e.Module.MouseUp);
        EXPECT_EQ(static_cast<bool>(e.Module.DblClick), !kNoDoubleClick.contains(name));
    }
}

TEST_F(TableDispatchTest, EachCodeReachesExactlyItsModule)
{
    RecordingRegistry registry;
    for (const auto& [code, module] : kExpectedModules) {
        SCOPED_TRACE(code);
        registry.calls.clear();
        play(code);
        allEvents();
        const QString m = QString::fromLatin1(module);
        QStringList expected = {m + ".down(11,12)", m + ".move(13,14)", m + ".up(15,16)"};
        if (!kNoDoubleClick.contains(m))
            expected << m + ".dbl";
        EXPECT_EQ(registry.calls, expected);
        EXPECT_EQ(GameState::LastUpX, 15);
        EXPECT_EQ(GameState::LastUpY, 16);
    }
}

TEST_F(TableDispatchTest, LockedTableAndFinishedGameDispatchNothing)
{
    RecordingRegistry registry;
    struct Case {
        const char* what;
        int phase;
        int over;
    };
    for (const Case& c : {Case{"dealt, not begun", 1, 0}, Case{"game over", 2, 1}, Case{"both", 1, 1}}) {
        for (const auto& [code, module] : kExpectedModules) {
            SCOPED_TRACE(std::string(c.what) + " " + std::to_string(code));
            GameState::CurrentGameId = code;
            GameState::RoundPhase = c.phase;
            GameState::GameOver = c.over;
            GameState::LastUpX = GameState::LastUpY = -1;
            allEvents();
            ImageKolodaMouseMove(surface, 0, 1, 2);
            ImageKolodaMouseUp(platform::mbLeft, 0, 3, 4);
            EXPECT_TRUE(registry.calls.isEmpty()) << registry.calls.join(' ').toStdString();
            EXPECT_EQ(GameState::LastUpX, -1);
            EXPECT_EQ(GameState::LastUpY, -1);
        }
    }
}

TEST_F(TableDispatchTest, FinishedGameShowsArrowWithoutHint)
{
    RecordingRegistry registry;
    play(431);
    GameState::GameOver = 1;
    const bool keepSet = Settings::YellowCursor;
    // The arrow is the chosen set's: the program's own with the yellow cursor.
    for (const bool yellow : {false, true}) {
        Settings::YellowCursor = yellow;
        const QCursor arrow = FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Arrow, yellow ? 1 : 0).FrameAt(0);
        surface.ImageStol->setCursor(Qt::PointingHandCursor);
        surface.ImageStol->setToolTip(QStringLiteral("5"));
        ImageStolMouseMove(surface, 0, 10, 10);
        EXPECT_EQ(surface.ImageStol->cursor().shape(), yellow ? Qt::BitmapCursor : Qt::ArrowCursor);
        EXPECT_EQ(surface.ImageStol->cursor().hotSpot(), arrow.hotSpot());
        EXPECT_TRUE(surface.ImageStol->toolTip().isEmpty());
    }
    Settings::YellowCursor = keepSet;
    EXPECT_TRUE(registry.calls.isEmpty());
}

TEST_F(TableDispatchTest, DeckImageUpRecordsThePointInEveryGame)
{
    RecordingRegistry registry;
    for (int code : {431, 17, 18, 409}) {
        play(code);
        GameState::LastUpX = GameState::LastUpY = 0;
        ImageKolodaMouseUp(platform::mbLeft, 0, 7, 9);
        EXPECT_EQ(GameState::LastUpX, 7) << code;
        EXPECT_EQ(GameState::LastUpY, 9) << code;
    }
    // The deck image's own operations are not table operations.
    EXPECT_TRUE(registry.calls.isEmpty());
}

TEST_F(TableDispatchTest, PopUpMenuComesBackOffTheTableOrInOtherGames)
{
    struct Case {
        int code;
        int x, y;           // window coordinates
        bool tableMove;     // the move arrives on the table rather than the window
        bool expectAuto;
    };
    const Case cases[] = {
        {17, 100, 100, false, false},  // over the table in game 17: left off
        {17, 760, 500, false, false},  // the far edge still counts as the table
        {17, 761, 100, false, true},   // off the table
        {431, 100, 100, false, true},
        {431, 100, 100, true, true},
        {17, 100, 100, true, false},   // game 17's own table moves leave it to the module
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code * 10000 + c.x);
        GameState::CurrentGameId = c.code;
        GameState::RoundPhase = 1;
        PopupAutoPopup = false;
        if (c.tableMove)
            ImageStolMouseMove(surface, 0, c.x, c.y);
        else
            FormMouseMove(surface, 0, c.x, c.y);
        EXPECT_EQ(PopupAutoPopup, c.expectAuto);
    }
}

} // namespace
