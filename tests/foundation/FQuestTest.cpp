#include "foundation/CardCode.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FQuest.h"
#include "tests/support/ScriptedPresenter.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr char Jack = '\xC2';  // В
constexpr char Queen = '\xC4'; // Д
constexpr char King = '\xCA';  // К
constexpr char Ace = '\xD2';   // Т

TEST(MoveQuestionTest, RankButtonOfEveryRank)
{
    const std::pair<char, int> cases[] = {
        {'2', 1}, {'3', 2}, {'4', 3}, {'5', 4}, {'6', 5}, {'7', 6}, {'8', 7}, {'9', 8},
        {'1', 9}, {Jack, 10}, {Queen, 11}, {King, 12},
        {Ace, 0}, {'#', 0}, {'\0', 0}, {'N', 0}, {'0', 0},
    };
    for (const auto& [rank, button] : cases)
        EXPECT_EQ(FQuest::RankButtonOf(static_cast<unsigned char>(rank)), button) << int(static_cast<unsigned char>(rank));
}

class MoveQuestionDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::ResetGameState();
        for (int s = 1; s <= 4; ++s) {
            QImage glyph(20, 20, QImage::Format_ARGB32);
            glyph.fill(QColor(10 * s, 0, 0));
            CardPictures::ExtraBitmaps[s] = glyph;
        }
    }
    void setPile(int pile, std::initializer_list<TCardCode> cards)
    {
        for (int i = 1; i <= 104; ++i)
            GameState::PileCards[pile][i] = cards::Empty;
        int i = 1;
        for (const TCardCode& c : cards)
            GameState::PileCards[pile][i++] = c;
        GameState::SelectedPile = pile;
    }
    // Opens the question and reports which rank buttons were enabled.
    std::set<int> enabledRanks(std::function<void(TFormQuest&)> answer = {})
    {
        std::set<int> enabled;
        testsupport::ScriptedPresenter presenter;
        presenter.onDialog = [&](QDialog& d) {
            auto& form = dynamic_cast<TFormQuest&>(d);
            for (int k = 1; k <= 12; ++k)
                if (form.BitBtn[k]->isEnabled())
                    enabled.insert(k);
            if (answer)
                answer(form);
            return form.result();
        };
        answers.push_back(AskMoveQuestion());
        return enabled;
    }
    std::vector<int> answers;
};

TEST_F(MoveQuestionDialogTest, OnlyTheRanksOfThePileAreOffered)
{
    using cards::SuitClubs;
    using cards::SuitHearts;
    struct Case {
        std::initializer_list<TCardCode> pile;
        std::set<int> enabled;
    };
    const Case cases[] = {
        {{TCardCode('5', SuitHearts), TCardCode('7', SuitHearts), TCardCode(King, SuitHearts)}, {4, 6, 12}},
        {{TCardCode(Ace, SuitClubs), TCardCode('1', SuitClubs), TCardCode(Jack, SuitClubs)}, {9, 10}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        setPile(3, c.pile);
        EXPECT_EQ(enabledRanks(), c.enabled);
    }
    // A pile that does not exist offers nothing instead of reading out of range.
    GameState::SelectedPile = 0;
    EXPECT_TRUE(enabledRanks().empty());
    GameState::SelectedPile = 20;
    EXPECT_TRUE(enabledRanks().empty());
}

TEST_F(MoveQuestionDialogTest, EveryButtonGivesItsAnswer)
{
    const char s = cards::SuitSpades;
    setPile(1, {TCardCode('2', s), TCardCode('3', s), TCardCode('4', s), TCardCode('5', s), TCardCode('6', s),
                TCardCode('7', s), TCardCode('8', s), TCardCode('9', s), TCardCode('1', s), TCardCode(Jack, s),
                TCardCode(Queen, s), TCardCode(King, s)});
    for (int k = 1; k <= 12; ++k)
        enabledRanks([k](TFormQuest& f) { f.BitBtn[k]->click(); });
    enabledRanks([](TFormQuest& f) { f.Button1->click(); });
    enabledRanks([](TFormQuest& f) { f.Button2->click(); });
    enabledRanks(); // closed without an answer
    // A rank the pile lacks cannot be chosen.
    setPile(1, {TCardCode('2', s)});
    enabledRanks([](TFormQuest& f) { f.BitBtn[5]->click(); });
    const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0, 0, 0};
    EXPECT_EQ(answers, expected);
}

TEST_F(MoveQuestionDialogTest, SuitOfTheFirstCardColoursTheButtonsAndAnEmptyFirstSlotKeepsThem)
{
    struct Case {
        char suit;
        platform::TColor colour;
        int glyph;
    };
    const Case cases[] = {
        {cards::SuitHearts, platform::clRed, 1},
        {cards::SuitSpades, platform::clBlack, 4},
        {cards::SuitDiamonds, platform::clRed, 2},
        {cards::SuitClubs, platform::clBlack, 3},
        {'\0', platform::clBlack, 3}, // first slot empty: as the previous show
    };
    for (const Case& c : cases) {
        if (c.suit)
            setPile(2, {TCardCode('6', c.suit)});
        else
            setPile(2, {});
        enabledRanks([&](TFormQuest& f) {
            for (int k = 1; k <= 12; ++k) {
                EXPECT_EQ(platform::fromQColor(f.BitBtn[k]->palette().color(QPalette::ButtonText)), c.colour) << k;
                EXPECT_EQ(f.BitBtn[k]->icon().pixmap(20, 20).toImage().pixel(10, 10),
                          CardPictures::ExtraBitmaps[c.glyph].pixel(10, 10)) << k;
            }
        });
    }
}

} // namespace
