#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/QyvCardsButton.h"
#include "platform/PictureControl.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Texts.h"
#include "tests/support/ScriptedPresenter.h"

#include <gtest/gtest.h>
#include <map>

namespace {

class ScoreWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        Texts::LanguageIndex = 0;
        FCount::CountRound = 3;
        FCount::CountScoreBefore = -40;
        FCount::CountPasses = 2;
        FCount::CountGameScore = 57;
        FCount::CountCardsLeft = 11;
        FCount::CountExtra = 4;
        GameState::PassCount = 9;
        GameState::MoveCounter = 88;
    }
    void TearDown() override
    {
        for (int g = 1; g <= 5; ++g)
            FCount::SetGameResultRoutine(g, nullptr);
    }
};

using Rows = std::vector<std::pair<const char*, int>>;

TEST_F(ScoreWindowTest, LeftBoardRowsOfEveryLayout)
{
    const std::map<int, Rows> expected = {
        {0, {{"Round: ", 3}, {"Score:", -40}, {"L-Cards:", 11}, {"L-Packs:", 4}}},
        {1, {{"Round: ", 3}, {"Score:", -40}, {"Bullet:", 2}, {"Moves:", 57}, {"L-Cards:", 11}}},
        {2, {{"Round: ", 3}, {"Score:", -40}, {"Bullet:", 2}, {"Moves:", 57}, {"L-Cards:", 11}, {"L-Packs:", 4}}},
        {3, {{"Round: ", 3}, {"Score:", -40}, {"Moves:", 57}}},
        {4, {{"Round: ", 3}, {"Score:", -40}, {"L-Cards:", 11}}},
        {5, {{"Round: ", 3}, {"Score:", -40}, {"Moves:", 57}, {"L-Cards:", 11}, {"L-Packs:", 4}}},
        // 6..8 read the live table counters, not the copies.
        {6, {{"Round: ", 3}, {"Score:", -40}, {"Bullet:", 9}, {"L-Cards:", 11}}},
        {7, {{"Round: ", 3}, {"Score:", -40}, {"Moves:", 88}, {"L-Cards:", 11}}},
        {8, {{"Round: ", 3}, {"Score:", -40}, {"Bullet:", 9}, {"Moves:", 88}, {"L-Cards:", 11}}},
        {9, {}},
        {255, {}},
    };
    for (const auto& [layout, rows] : expected) {
        FCount::CountLayout = layout;
        const auto got = FCount::LeftBoardRows();
        ASSERT_EQ(got.size(), qsizetype(rows.size())) << "layout " << layout;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(got[qsizetype(i)].label, QString::fromUtf8(rows[i].first)) << "layout " << layout << " row " << i;
            EXPECT_EQ(got[qsizetype(i)].value, rows[i].second) << "layout " << layout << " row " << i;
        }
    }
}

TEST_F(ScoreWindowTest, NameHeightStepsDownUntilItFits)
{
    struct Case {
        std::map<int, int> widths; // size -> width of the name
        int expected;
    };
    const Case cases[] = {
        {{{23, 135}, {21, 120}}, 23},                                  // exactly 135 fits
        {{{23, 136}, {21, 135}}, 21},
        {{{23, 200}, {21, 180}, {19, 150}, {17, 130}}, 17},
        {{{23, 300}, {21, 280}, {19, 260}, {17, 240}, {15, 220}}, 15}, // never fits: the last step
    };
    for (const Case& c : cases) {
        std::vector<int> asked;
        const int size = FCount::NameFontSize([&](int s) {
            asked.push_back(s);
            const auto it = c.widths.find(s);
            return it == c.widths.end() ? 0 : it->second;
        });
        EXPECT_EQ(size, c.expected);
        EXPECT_LE(asked.size(), 5u);
    }
}

TEST_F(ScoreWindowTest, RowLabelShrinksOnlyWhenItWouldRunIntoItsValue)
{
    // Widths of "General:" at 23 and 21 in the board's font, and of the value.
    struct Case {
        int label23, label21, value, expected;
    } cases[] = {
        {82, 74, 51, 23}, // "General:" beside 4800: 1 pixel apart, nothing shrinks
        {82, 74, 52, 21}, // touching: one step down
        {82, 74, 57, 21},
        {60, 55, 73, 23},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FCount::RowLabelSize([&](int s) { return s == 23 ? c.label23 : c.label21; }, c.value), c.expected)
            << c.label23 << " + " << c.value;
}

TEST_F(ScoreWindowTest, NameLosesTrailingBlanksOnly)
{
    const std::pair<QString, QString> cases[] = {
        {QString(20, QLatin1Char(' ')), QString()},
        {QStringLiteral("Ann                 "), QStringLiteral("Ann")},
        {QStringLiteral(" Ann Lee"), QStringLiteral(" Ann Lee")},
    };
    for (const auto& [stored, shown] : cases) {
        FCount::CountPlayerName = stored;
        EXPECT_EQ(FCount::BoardName(), shown);
    }
}

TEST_F(ScoreWindowTest, OutcomeLinesFollowTheEndOfTheGame)
{
    struct Case {
        int over, won;
        const char* first;
    };
    const Case cases[] = {{0, 0, "Solitaire"}, {0, 1, "Solitaire"}, {1, 1, "Victory!!!"}, {1, 0, "Lose!"}};
    for (const Case& c : cases) {
        GameState::GameOver = c.over;
        GameState::GameWon = c.won;
        const QStringList lines = FCount::OutcomeLines();
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], QString::fromUtf8(c.first));
        if (!c.over) {
            EXPECT_EQ(lines[1], QStringLiteral("is unfinished..."));
        }
    }
}

int calledGroup = 0;

TEST_F(ScoreWindowTest, ShowRunsOnlyTheCurrentGroupsResultRoutine)
{
    FCount::SetGameResultRoutine(1, [] { calledGroup = 1; });
    FCount::SetGameResultRoutine(2, [] { calledGroup = 2; });
    FCount::SetGameResultRoutine(3, [] { calledGroup = 3; });
    FCount::SetGameResultRoutine(4, [] { calledGroup = 4; });
    FCount::SetGameResultRoutine(5, [] { calledGroup = 5; });
    FCount::SetGameResultRoutine(0, [] { calledGroup = -1; });  // ignored
    FCount::SetGameResultRoutine(6, [] { calledGroup = -1; });  // ignored
    for (const auto& game : GameTables::Games) {
        GameState::CurrentGameId = game.code;
        GameState::CurrentGroup = game.group;
        calledGroup = 0;
        testsupport::ScriptedPresenter presenter;
        ShowScoreWindow();
        EXPECT_EQ(calledGroup, game.group) << game.name;
        ASSERT_EQ(presenter.dialogs.size(), 1);
        EXPECT_EQ(presenter.dialogs[0], QStringLiteral("FormCount"));
    }
    // A group outside 1..5 runs nothing and still shows the window.
    GameState::CurrentGroup = 0;
    calledGroup = 0;
    testsupport::ScriptedPresenter presenter;
    ShowScoreWindow();
    EXPECT_EQ(calledGroup, 0);
}

TEST_F(ScoreWindowTest, TitleNamesTheGameAndOkCloses)
{
    const auto& game = GameTables::Games[4];
    GameState::CurrentGameId = game.code;
    GameState::CurrentGroup = game.group;
    testsupport::ScriptedPresenter presenter;
    int result = -1;
    presenter.onDialog = [&](QDialog& d) {
        auto& form = dynamic_cast<TFormCount&>(d);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Info - ") + QString::fromUtf8(game.name));
        // The boards take the size of their pictures.
        EXPECT_GT(form.Image1->canvas().width(), 0);
        form.Button1->click();
        result = form.result();
        return result;
    };
    ShowScoreWindow();
    EXPECT_EQ(result, QDialog::Accepted);
}

} // namespace
