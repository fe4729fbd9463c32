// Crescent and Open Crescent played through real mouse events on the offscreen table:
// the rotation and its button, moves by suit either way, the foundation zone, the fans
// of the two games, the ends.
#include "Group5Play.h"

#include "foundation/FanSteps.h"
#include "games/group5/Qyv_28_Crescent.h"
#include "games/group5/Qyv_Help2_5_Play.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class CrescentPlay : public g5test::Group5Play {
protected:
    void Deal(int mode, int game = Crescent) { Group5Play::Deal(game, mode); }
    // Kings of hearts, diamonds, clubs, spades on 1-4, their Aces on 5-8; piles empty.
    static void Bare()
    {
        Empty();
        const char* bases[8] = {"Кч", "Кб", "Кк", "Кп", "Тч", "Тб", "Тк", "Тп"};
        for (int f = 1; f <= 8; ++f)
            g5test::SetFoundation(f, {bases[f - 1]});
    }
    static void Paint()
    {
        for (int p = 1; p <= 16; ++p) {
            ColumnStep[p] = CrescentFanStep(p);
            RedrawColumn5(p, 0);
        }
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
    }
    static QPoint TopOf(int p) { return Mid(CrescentTopX(p), CrescentTopY(p)); }
    static QPoint Foundation(int f) { return Mid(FoundationPosX[f], FoundationPosY[f]); }
    void Play(QPoint from, QPoint to)
    {
        if (Settings::MoveMode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }
};

TEST_F(CrescentPlay, ARotationBringsEveryBottomCardToTheTop)
{
    Deal(2);
    Bare();
    g5test::SetPile(1, {"5ч", "9п", "2к"});
    g5test::SetPile(7, {"Вб", "4ч"});
    g5test::SetPile(12, {"7п"});
    Paint();
    const int sleepsBefore = sleeps;
    RoundEnd::Button8Click(*Form1);
    EXPECT_EQ(PileCards[1][1], g5test::Cd("9п"));
    EXPECT_EQ(PileCards[1][2], g5test::Cd("2к"));
    EXPECT_EQ(PileCards[1][3], g5test::Cd("5ч"));
    EXPECT_EQ(PileValues[1][3], 4);
    EXPECT_EQ(PileCards[7][1], g5test::Cd("4ч"));
    EXPECT_EQ(PileCards[7][2], g5test::Cd("Вб"));
    EXPECT_EQ(PileCards[12][1], g5test::Cd("7п"));
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(PileCounts[5], 1);
    EXPECT_EQ(PassCount, 2);
    EXPECT_GT(sleeps, sleepsBefore);
    // The table ends as the painters draw it.
    const QImage shown = Shown().copy();
    for (int p = 1; p <= 16; ++p)
        RedrawColumn5(p, 0);
    for (int f = 1; f <= 8; ++f)
        RedrawFoundation5(f);
    DrawInfoPanel5();
    EXPECT_EQ(Text(Difference(shown, Shown())), "none");
}

TEST_F(CrescentPlay, FramesAreThinnedByTheClassicCardMode)
{
    Deal(2);
    Bare();
    g5test::SetPile(8, {"5ч", "9п"});
    Paint();
    int frames[3] = {};
    for (int mode = 0; mode <= 2; ++mode) {
        Scaling::ClassicCardMode = mode;
        const int before = sleeps;
        CrescentRotate(0);
        frames[mode] = sleeps - before;
    }
    Scaling::ClassicCardMode = 1;
    EXPECT_GT(frames[0], frames[1]);
    EXPECT_GT(frames[1], frames[2]);
    EXPECT_NEAR(frames[2] * 3, frames[0], 6);
}

TEST_F(CrescentPlay, AfterFourRotationsADeadTableIsLostAtTheNextReleaseOrPress)
{
    for (int mode = 0; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode % 3, mode < 3 ? Crescent : OpenCrescent);
        Bare();
        g5test::SetPile(1, {"5ч", "9п"});
        g5test::SetPile(2, {"Вб", "4к"});
        Paint();
        for (int r = 1; r <= 4; ++r) {
            EXPECT_TRUE(Form1->Button8->isEnabled());
            RoundEnd::Button8Click(*Form1);
        }
        EXPECT_EQ(PassCount, 5);
        EXPECT_FALSE(Form1->Button8->isEnabled());
        EXPECT_FALSE(GameOver);
        Sounds();
        if (mode % 3 == 2)
            Drag(TopOf(1), TopOf(1) + QPoint(2, 2));
        else
            Press({5, 5});
        ExpectRoundEnded(false);
    }
}

TEST_F(CrescentPlay, CardsGoOnTheirSuitEitherWayAndTheFoundationsEachTheirWay)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode, OpenCrescent);
        Bare();
        g5test::SetPile(1, {"Тк", "8ч"});
        g5test::SetPile(2, {"9ч"});
        g5test::SetPile(3, {"7ч"});
        g5test::SetPile(13, {"Дк"});
        g5test::SetPile(14, {"2б"});
        g5test::SetPile(9, {"Тк"});
        Paint();
        Play(TopOf(1), TopOf(2)); // eight on nine
        Play(TopOf(3), TopOf(2)); // seven on eight
        EXPECT_EQ(PileCounts[2], 4);
        Play(TopOf(13), Foundation(3)); // the queen of clubs on its king
        Play(TopOf(14), Foundation(6)); // the two of diamonds on its ace
        EXPECT_EQ(FoundationCounts[3], 3);
        EXPECT_EQ(FoundationCounts[6], 3);
        // No wrap from King to Ace: the ace of clubs stays on the table.
        Play(TopOf(1), TopOf(13));
        if (mode != 2 && SelectedPile != 0)
            Click(TopOf(1));
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(MoveCounter, 4);
        // An emptied pile takes nothing.
        Play(TopOf(9), TopOf(13));
        EXPECT_EQ(PileCounts[13], 1);
    }
}

TEST_F(CrescentPlay, ReleasesInsideTheFoundationZoneNeverLandOnAPile)
{
    Deal(2);
    Bare();
    g5test::SetPile(6, {"Дч"});
    g5test::SetPile(7, {"Вч"});
    Paint();
    // Dropped with the pointer inside the zone, near pile 7's top: back home.
    const QPoint zone(FoundationPosX[1] + 5, FoundationPosY[1] - Scaled(20));
    Press(TopOf(6));
    Move(zone);
    DragOffsetY = zone.y() - CrescentTopY(7);
    DragOffsetX = zone.x() - CrescentTopX(7);
    Release(zone);
    EXPECT_EQ(PileCounts[6], 2);
    EXPECT_EQ(PileCounts[7], 2);
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(CrescentPlay, SelectingTurnsTheRotationOffAndDeselectingBackOnWhileRotationsRemain)
{
    Deal(0);
    Bare();
    g5test::SetPile(1, {"5ч", "9п"});
    g5test::SetPile(2, {"5к"});
    g5test::SetPile(3, {"Дп"});
    Paint();
    EXPECT_TRUE(Form1->Button8->isEnabled());
    Click(TopOf(1));
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(TopOf(1));
    EXPECT_TRUE(Form1->Button8->isEnabled());
    PassCount = 5;
    Click(TopOf(2));
    Click(TopOf(2));
    EXPECT_FALSE(Form1->Button8->isEnabled());
}

TEST_F(CrescentPlay, ADoubleClickPrefersTheKingFoundationsAndAnyPartOfAFoundationCardAnswers)
{
    Deal(2);
    Bare();
    // The jack of hearts fits both: the hearts king pile holds down to the queen, the
    // hearts ace pile up to the ten.
    g5test::SetFoundation(1, {"Кч", "Дч"});
    g5test::SetFoundation(5, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч"});
    g5test::SetPile(4, {"Вч"});
    g5test::SetPile(5, {"9к"});
    Paint();
    DoubleClick(TopOf(4));
    EXPECT_EQ(FoundationCounts[1], 4);
    EXPECT_EQ(FoundationCounts[5], 11);
    // In the click modes the lowest strip of foundation 5's card, drawn at its place,
    // reaches foundation 5 however many cards lie there.
    Settings::MoveMode = 0;
    g5test::SetPile(4, {"Вч"});
    g5test::SetFoundation(1, {"Кч", "Дч"});
    Paint();
    Click(TopOf(4));
    Click({FoundationPosX[5] + 3, FoundationPosY[5] + 2});
    EXPECT_EQ(FoundationCounts[5], 12);
}

TEST_F(CrescentPlay, CrescentKeepsItsFansClosedAndOpenCrescentSqueezesLongOnes)
{
    Deal(2, Crescent);
    for (int p = 1; p <= 16; ++p)
        EXPECT_EQ(ColumnStep[p], 2) << p;
    Deal(2, OpenCrescent);
    for (int p = 1; p <= 16; ++p) {
        EXPECT_EQ(ColumnStep[p], CrescentFanStep(p)) << p;
        EXPECT_GT(ColumnStep[p], 2) << p;
    }
    // A longer fan squeezes into the same room.
    const int six = ColumnStep[1];
    for (int k = 1; k <= 10; ++k)
        LayOnPile5(1, {g5test::Cd("5ч"), 4});
    EXPECT_LT(CrescentFanStep(1), six);
}

TEST_F(CrescentPlay, TheLastCardHomeWinsInEveryModeOfBothGames)
{
    for (int mode = 0; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode % 3, mode < 3 ? Crescent : OpenCrescent);
        Bare();
        g5test::FillFoundation(1, cards::SuitHearts, true);
        g5test::FillFoundation(2, cards::SuitDiamonds, true);
        g5test::FillFoundation(3, cards::SuitClubs, true);
        g5test::FillFoundation(4, cards::SuitSpades, true);
        g5test::FillFoundation(5, cards::SuitHearts);
        g5test::FillFoundation(6, cards::SuitDiamonds);
        g5test::FillFoundation(7, cards::SuitClubs);
        g5test::SetFoundation(8, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"});
        g5test::SetPile(16, {"Кп"});
        Paint();
        Play(TopOf(16), Foundation(8));
        ExpectRoundEnded(true);
    }
}

} // namespace
