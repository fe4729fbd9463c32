// "Labelel Lucie" played through real mouse events on the offscreen table: click and
// drag moves, the stuck table locked for its reshuffle, the reshuffle itself and both
// ends.
#include "Group5Play.h"

#include "app/RoundEnd.h"
#include "games/group5/Qyv_45_Lucie.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class LuciePlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { DealGame(Lucie, mode); }
    static void Paint()
    {
        for (int f = 1; f <= 4; ++f)
            RedrawFoundation5(f);
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 5; ++p)
                RedrawColumn5(r, p);
        DrawInfoPanel5();
    }
    static QPoint Fan(int r, int p) { return Mid(LucieTopX(LucieFanCode(r, p)), GridY[r][p]); }
    static QPoint Foundation(int f)
    {
        return Mid(FoundationPosX[f] + 2 * std::max(0, FoundationCounts[f] - 2), FoundationPosY[f]);
    }
    void Play(int mode, QPoint from, QPoint to)
    {
        if (mode == 2) {
            Drag(from, to);
        } else {
            Click(from, mode == 1 ? Qt::RightButton : Qt::LeftButton);
            Click(to);
        }
    }
    static int FanCards()
    {
        int n = 0;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 5; ++p)
                n += LucieFanNext[r][p] - 1;
        return n;
    }
};

TEST_F(LuciePlay, TheLastCardOnTheFoundationsWinsInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::FillFoundation(1, cards::SuitHearts);
        g5test::FillFoundation(2, cards::SuitDiamonds);
        g5test::FillFoundation(3, cards::SuitClubs);
        g5test::SetFoundation(4, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"});
        g5test::SetFan(2, 3, {"Кп"});
        Paint();
        Play(mode, Fan(2, 3), Foundation(4));
        ExpectRoundEnded(true);
        EXPECT_EQ(FoundationCounts[4], 14);
        EXPECT_EQ(MoveCounter, 1);
    }
}

TEST_F(LuciePlay, AStuckFirstPassLocksTheTableForTheReshuffle)
{
    Deal(0);
    Empty();
    g5test::SetFoundation(1, {"Тч", "2ч", "3ч", "4ч", "5ч"});
    g5test::SetFan(1, 1, {"9п", "6ч"});
    g5test::SetFan(1, 2, {"3к"});
    Paint();
    Click(Fan(1, 1));
    Click(Foundation(1));
    EXPECT_EQ(FoundationCounts[1], 7);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp WavStopka");
    EXPECT_EQ(RoundPhase, 1);
    EXPECT_FALSE(GameOver);
    ASSERT_TRUE(Form1->Button8->isEnabled());
    // The locked table takes no click.
    Click(Fan(1, 1));
    EXPECT_EQ(SelectedPile, 0);

    RoundEnd::Button8Click(*Form1);
    EXPECT_EQ(PassCount, 2);
    EXPECT_EQ(RoundPhase, 2);
    EXPECT_FALSE(Form1->Button8->isEnabled());
    // The foundations stay; the rest of a fresh pack lies in fans of three in reading order.
    EXPECT_EQ(FoundationCounts[1], 7);
    EXPECT_EQ(FanCards(), 52 - 6);
    int left = 46;
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 5; ++p) {
            const int expected = std::min(3, std::max(0, left));
            EXPECT_EQ(LucieFanNext[r][p] - 1, expected) << r << "/" << p;
            EXPECT_EQ(LucieFanSteps[r][p], Scaled(20));
            left -= 3;
        }
    int count = 0;
    EXPECT_FALSE(CountMoves5(count));
}

TEST_F(LuciePlay, AStuckThirdPassIsLost)
{
    Deal(2);
    Empty();
    PassCount = 3;
    g5test::SetFoundation(1, {"Тч", "2ч", "3ч", "4ч", "5ч"});
    g5test::SetFan(1, 1, {"9п", "6ч"});
    g5test::SetFan(3, 2, {"3к"});
    Paint();
    Drag(Fan(1, 1), Foundation(1));
    ExpectRoundEnded(false);
    EXPECT_EQ(FoundationCounts[1], 7);
}

TEST_F(LuciePlay, AnEmptyFanRefusesEvenAKing)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetFan(1, 1, {"Кч"});
        g5test::SetFan(3, 1, {"Тб"});
        Paint();
        Play(mode, Fan(1, 1), Mid(GridX[1][2], GridY[1][2]));
        EXPECT_EQ(LucieFanNext[1][1], 2);
        EXPECT_EQ(LucieFanNext[1][2], 1);
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_EQ(SelectedPile, mode == 2 ? 0 : 1);
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(LuciePlay, FanToFanMovesRefitTheFans)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetFan(2, 2, {"2к", "9б", "8б", "7б", "Дп"});
        g5test::SetFan(1, 4, {"5п", "Вп"});
        g5test::SetFan(4, 1, {"Тб"});
        Paint();
        Play(mode, Fan(1, 4), Fan(2, 2));
        ASSERT_EQ(LucieFanNext[2][2], 7);
        EXPECT_EQ(PileCards2[2][2][6], g5test::Cd("Вп"));
        EXPECT_EQ(LucieFanSteps[2][2], LucieFanStep(6));
        EXPECT_EQ(LucieFanSteps[1][4], LucieFanStep(1));
        EXPECT_EQ(MoveCounter, 1);
    }
}

TEST_F(LuciePlay, ACardDroppedBackOnItsOwnFanCountsAndSoundsNothing)
{
    Deal(2);
    Empty();
    g5test::SetFan(1, 3, {"7ч", "6ч"});
    g5test::SetFan(4, 1, {"Тб"});
    Paint();
    const QPoint home = Fan(1, 3);
    Press(home);
    for (int i = 1; i <= 3; ++i)
        Move(home + QPoint(Scaled(8) * i, Scaled(4) * i));
    Release(home + QPoint(Scaled(12), Scaled(6)));
    EXPECT_EQ(LucieFanNext[1][3], 3);
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(Sounds(), "WavDown");
}

TEST_F(LuciePlay, ADoubleClickSendsAFanTopHomeInDragModeOnly)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetFan(1, 1, {"Тп"});
        g5test::SetFan(2, 1, {"Тб"});
        Paint();
        DoubleClick(Fan(1, 1));
        EXPECT_EQ(FoundationCounts[1], mode == 2 ? 2 : 1);
        EXPECT_EQ(LucieFanNext[1][1], mode == 2 ? 1 : 2);
        EXPECT_FALSE(GameOver);
    }
}

} // namespace
