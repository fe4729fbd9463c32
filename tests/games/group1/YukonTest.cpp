// Yukon's handlers on a scripted table: what is lifted, what a move counts, the sounds,
// the double click to the foundations and the two ends of a game.
#include "PlayTestSupport.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Texts.h"

#include <functional>

namespace {

using namespace GameState;
using namespace play_test;

class YukonTest : public PlayTable {
protected:
    // Yukon-Solo with a move always left over (5♦ onto 6♠), so no action here ends it.
    void Standard()
    {
        Table(Group1::YukonSolo);
        SetPile(1, {"7к", "9п", "8ч"}, 1);
        SetPile(2, {"4п", "1ч"}, 1);
        SetPile(3, {"Тб"});
        SetPile(4, {"Тк", "5ч"});
        SetPile(5, {"6п"});
        SetPile(6, {"Дч", "5б"}, 1);
        Paint();
    }
    // The double click alone, on the point of the last release.
    void DoubleClickOnly(QPoint a)
    {
        LastUpX = a.x();
        LastUpY = a.y();
        TableDispatch::ImageStolDblClick();
    }
};

TEST_F(YukonTest, OnlyMovesBetweenPilesAndDoubleClicksAreCounted)
{
    const QPoint nowhere(3, 495);
    const MoveCase cases[] = {
        {"a run onto another pile", [&] { Drag(Slot(1, 2), TopCard(2)); }, 1, "WavDown WavCardUp",
         [] {
             EXPECT_EQ(PileCardCount[2], 4);
             EXPECT_EQ(PileCards[2][4], Cd("8ч"));
             EXPECT_EQ(PileCardCount[1], 1);
             EXPECT_EQ(PileFaceUp[1][1], 1) << "the card left on top is turned up";
         }},
        {"a click on a card that fits the one below (a drop back)", [&] { Click(TopCard(1)); }, 0, "WavDown",
         [] { EXPECT_EQ(PileCardCount[1], 3); }},
        {"a click on a card that fits nothing below", [&] { Click(TopCard(4)); }, 0, "WavDown",
         [] { EXPECT_EQ(PileCards[4][2], Cd("5ч")); }},
        {"a run dropped far away on nothing", [&] { Drag(Slot(1, 2), nowhere); }, 0, "WavDown WavCancel",
         [] { EXPECT_EQ(PileCardCount[1], 3); }},
        {"an ace dragged onto a foundation", [&] { Drag(TopCard(3), Foundation(1)); }, 0, "WavDown WavCardUp",
         [] {
             EXPECT_EQ(FoundationNextSlot[1], 2);
             EXPECT_EQ(PileCardCount[3], 0);
         }},
        {"an ace sent by double click", [&] { DoubleClick(TopCard(3)); }, 1, "WavDown WavCardUp",
         [] { EXPECT_EQ(FoundationCards[1][1], Cd("Тб")); }},
        {"a run of two dropped on a foundation", [&] { Drag(Slot(1, 2), Foundation(1)); }, 0, "WavDown WavCancel",
         [] { EXPECT_EQ(FoundationNextSlot[1], 1); }},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.what);
        Standard();
        Click({0, 0}); // a stray click on nothing: not counted, silent
        ASSERT_EQ(MoveCounter, 0);
        ASSERT_EQ(Sounds(), QString());
        CheckMove(c);
    }
}

TEST_F(YukonTest, AFaceUpCardLiftsEverythingAboveItInAnyOrder)
{
    Table(Group1::YukonSolo);
    SetPile(1, {"2ч", "Кп", "7б", "Тк"}, 1);
    SetPile(5, {"6п"});
    SetPile(6, {"5б"});
    Paint();

    Press(Slot(1, 1));
    EXPECT_FALSE(DragActive) << "a face-down card lifts nothing";
    Release(Slot(1, 1));

    Press(Slot(1, 2));
    ASSERT_TRUE(DragActive);
    EXPECT_EQ(DragRun.K, 3);
    EXPECT_EQ(PileCardCount[1], 1);
    Move(TopCard(7));
    Release(TopCard(7)); // the empty seventh pile takes the king
    EXPECT_EQ(PileCardCount[7], 3);
    EXPECT_EQ(PileCards[7][3], Cd("Тк"));
    EXPECT_EQ(PileFaceUp[1][1], 1);
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(YukonTest, TheDoubleClickFlightEndsAtTheFoundationsPlace)
{
    struct Case {
        int game;
        int column; // the column the first foundation stands above
    };
    for (const Case c : {Case{Group1::YukonSolo, 4}, Case{Group1::YukonDuo, 2}}) {
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << "game " << c.game << " mode " << mode);
            Table(c.game, mode);
            SetPile(1, {"Тч"});
            SetPile(2, {"Кп", "6п"}, 1); // a face-down card: the table is not won yet
            SetPile(3, {"5б"});
            Paint();
            flightSteps = 0;
            flightEnd = QPoint(-1, -1);
            DoubleClick(TopCard(1));
            EXPECT_EQ(FoundationNextSlot[1], 2);
            if (mode == 0) {
                EXPECT_EQ(flightSteps, 0) << "no flight in the click mode";
            } else {
                EXPECT_GT(flightSteps, 0);
                EXPECT_EQ(flightEnd, QPoint(SpecialX[c.column], TopRowY));
            }
        }
    }
}

TEST_F(YukonTest, AGameEndsWonOrStuckFromAReleaseOrADoubleClick)
{
    struct Case {
        const char* what;
        int game;
        std::function<void()> setUp;
        std::function<void()> act;
        bool won;
    };
    const Case cases[] = {
        {"stuck after a drop", Group1::YukonSolo,
         [&] {
             SetPile(1, {"5ч", "9п"});
             SetPile(2, {"3к", "8ч"});
         },
         [&] { Drag(TopCard(2), TopCard(1)); }, false},
        {"won after a drop that turns up the last face-down card", Group1::YukonSolo,
         [&] {
             SetPile(1, {"9п"});
             SetPile(2, {"3п", "8ч"}, 1);
             SetPile(3, {"Кб", "Дп"});
         },
         [&] { Drag(TopCard(2), TopCard(1)); }, true},
        {"stuck at a double click that moves nothing", Group1::YukonSolo,
         [&] {
             SetPile(1, {"5ч", "9п"});
             SetPile(2, {"3к"});
         },
         [&] { DoubleClickOnly(TopCard(2)); }, false},
        {"won in Yukon-Duo at a double click that turns up the last card", Group1::YukonDuo,
         [&] {
             SetPile(1, {"Кб", "Дп"});
             SetPile(2, {"9п", "Тч"}, 1);
         },
         [&] { DoubleClickOnly(TopCard(2)); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Table(c.game);
        c.setUp();
        Paint();
        presenter.dialogs.clear();
        Form1->Button8->setEnabled(false);
        Sounds();
        c.act();
        ExpectRoundEnded(c.won);
        Celebration::StopWinBalloons();
    }
}

} // namespace
