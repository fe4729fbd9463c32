// Scorpion's handlers on a scripted table: what a move counts, the cancel sound on every
// return, the double click that does nothing, the two ends of a game and the give-up
// that Scorpion-Solo does not have.
#include "PlayTestSupport.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Texts.h"

#include <functional>

namespace {

using namespace GameState;
using namespace play_test;

class ScorpionTest : public PlayTable {
protected:
    // Scorpion with a move always left over (5♥ onto 6♥), so no action here ends it.
    void Standard(int game = Group1::ScorpionSolo)
    {
        Table(game);
        SetPile(1, {"Кп", "9п", "8п"}, 1);
        SetPile(2, {"4ч", "1п"}, 1);
        SetPile(3, {"Тк", "5ч"});
        SetPile(5, {"Дб", "6ч"}, 1);
        Paint();
    }
};

TEST_F(ScorpionTest, MovesBetweenPilesAreCountedAndEveryReturnSoundsCancel)
{
    const MoveCase cases[] = {
        {"a run onto a card of its suit one higher", [&] { Drag(Slot(1, 2), TopCard(2)); }, 1,
         "WavDown WavCardUp",
         [] {
             EXPECT_EQ(PileCardCount[2], 4);
             EXPECT_EQ(PileCards[2][4], Cd("8п"));
             EXPECT_EQ(PileFaceUp[1][1], 1) << "the card left on top is turned up";
         }},
        {"a click on a card that fits the one below (a drop back)", [&] { Click(TopCard(1)); }, 0, "WavDown",
         [] { EXPECT_EQ(PileCardCount[1], 3); }},
        {"a click on a card that fits nothing below", [&] { Click(TopCard(3)); }, 0, "WavDown WavCancel",
         [] { EXPECT_EQ(PileCards[3][2], Cd("5ч")); }},
        {"a run dropped on nothing", [&] { Drag(Slot(1, 2), QPoint(3, 495)); }, 0, "WavDown WavCancel",
         [] { EXPECT_EQ(PileCardCount[1], 3); }},
        {"a card dropped on the top row, where no foundation takes it",
         [&] { Drag(TopCard(3), QPoint(SpecialX[4] + CardWidth / 2, TopRowY + CardHeight / 2)); }, 0,
         "WavDown WavCancel", [] { EXPECT_EQ(PileCardCount[3], 2); }},
        {"a card onto a card of another suit", [&] { Drag(TopCard(3), TopCard(1)); }, 0, "WavDown WavCancel",
         [] { EXPECT_EQ(PileCardCount[1], 3); }},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Standard();
        Sounds();
        CheckMove(c);
    }
}

TEST_F(ScorpionTest, ADoubleClickChangesNothing)
{
    Standard(Group1::ScorpionDuo);
    const auto piles = PileCards;
    LastUpX = TopCard(3).x();
    LastUpY = TopCard(3).y();
    Sounds();
    TableDispatch::ImageStolDblClick();
    EXPECT_TRUE(PileCards == piles);
    EXPECT_EQ(Sounds(), QString());

    // The clicks around it behave as any clicks: the card comes back with the cancel.
    DoubleClick(TopCard(3));
    EXPECT_TRUE(PileCards == piles);
    EXPECT_EQ(Sounds(), "WavDown WavCancel WavCancel");
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(FoundationNextSlot[1], 1);
}

TEST_F(ScorpionTest, OnlyScorpionSoloTakesAwayTheGiveUpAtARelease)
{
    for (int game : {Group1::ScorpionSolo, Group1::ScorpionDuo}) {
        SCOPED_TRACE(game);
        Standard(game);
        Form1->Button8->setEnabled(true);
        UndoFlag = 1;
        Click(QPoint(3, 495));
        EXPECT_EQ(UndoFlag, 0);
        EXPECT_EQ(Form1->Button8->isEnabled(), game == Group1::ScorpionDuo);
    }
}

TEST_F(ScorpionTest, AGameWithNoMoveLeftEndsAtTheNextRelease)
{
    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::function<void()> act;
        bool won;
    };
    const Case cases[] = {
        {"stuck after a drop",
         [&] {
             SetPile(1, {"5ч", "9п"});
             SetPile(2, {"3к", "8п"});
         },
         [&] { Drag(TopCard(2), TopCard(1)); }, false},
        {"stuck already: a click on nothing ends it",
         [&] {
             SetPile(1, {"5ч", "9п"});
             SetPile(2, {"3к"});
         },
         [&] { Click(QPoint(3, 495)); }, false},
        {"won when the last ace joins its suit",
         [&] {
             SetPile(1, {"Кп", "Дп", "Вп", "1п", "9п", "8п", "7п", "6п", "5п", "4п", "3п", "2п"});
             SetPile(2, {"Тп"});
             engine_test::SetKingToAce(3, "ч");
             engine_test::SetKingToAce(4, "б");
             engine_test::SetKingToAce(5, "к");
         },
         [&] { Drag(TopCard(2), TopCard(1)); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Table(Group1::ScorpionSolo);
        c.setUp();
        Paint();
        presenter.dialogs.clear();
        Sounds();
        c.act();
        ExpectRoundEnded(c.won);
        Celebration::StopWinBalloons();
    }
}

} // namespace
