// Clover played through real mouse events on the offscreen table: moves by suit, the
// redeal offer and the redeal, a first deal without a move, the ends.
#include "Group5Play.h"

#include "games/group5/Qyv_48_Klever.h"
#include "games/group5/Qyv_Help2_5_Play.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class CloverPlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { Group5Play::Deal(Clover, mode); }
    // The four Aces on their foundations, every fan empty.
    static void Bare()
    {
        Empty();
        g5test::SetFoundation(1, {"Тч"});
        g5test::SetFoundation(2, {"Тб"});
        g5test::SetFoundation(3, {"Тк"});
        g5test::SetFoundation(4, {"Тп"});
    }
    static void Paint()
    {
        for (int n = 1; n <= 16; ++n) {
            ColumnStep[n] = KleverFanStep(n);
            RedrawColumn5(n, 0);
        }
        for (int f = 1; f <= 4; ++f)
            RedrawFoundation5(f);
    }
    static QPoint TopOf(int n) { return Mid(KleverPileX(n), KleverTopY(n)); }
    static QPoint Foundation(int f) { return Mid(FoundationX[f], FoundationY); }
    // A move by two clicks (modes 0 and 1) or by drag (mode 2).
    void Play(QPoint from, QPoint to)
    {
        if (Settings::MoveMode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }
    static int CardsInFans()
    {
        int n = 0;
        for (int p = 1; p <= 16; ++p)
            n += PileCounts[p] - 1;
        return n;
    }
};

TEST_F(CloverPlay, ARedealOfTwentyCardsFillsSixFansAndTwoCardsOfTheSeventh)
{
    Deal(2);
    Bare();
    const char* cards[20] = {"2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч",
                             "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп"};
    for (int i = 0; i < 20; ++i) {
        const int n = i % 16 + 1;
        LayOnPile5(n, {g5test::Cd(cards[i]), g5test::ValueOf(g5test::Cd(cards[i]))});
    }
    KleverRedeal();
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(PileCounts[n], n <= 6 ? 4 : n == 7 ? 3 : 1) << n;
    EXPECT_EQ(CardsInFans(), 20);
    EXPECT_EQ(ColumnStep[7], Scaled(17));
    EXPECT_FALSE(Form1->Button8->isEnabled());
}

TEST_F(CloverPlay, OnlyTheSameSuitOneHigherTakesACardAndAFullFoundationSoundsStopka)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Bare();
        g5test::SetPile(1, {"9б", "5ч"});
        g5test::SetPile(2, {"6б"});
        g5test::SetPile(3, {"9к", "6ч"});
        g5test::SetPile(4, {"Кп"});
        g5test::SetPile(5, {"8к", "9п"});
        for (const char* c : {"2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п", "Вп", "Дп"})
            LayOnFoundation5(4, {g5test::Cd(c), g5test::ValueOf(g5test::Cd(c))});
        Paint();
        Play(TopOf(1), TopOf(2)); // a red five on a red six of another suit
        EXPECT_EQ(PileCounts[2], 2);
        if (mode != 2)
            Click(TopOf(1)); // the selection taken back
        Play(TopOf(1), TopOf(3));
        EXPECT_EQ(PileCards[3][3], g5test::Cd("5ч"));
        EXPECT_EQ(MoveCounter, 1);
        Sounds();
        Play(TopOf(4), Foundation(4));
        EXPECT_EQ(FoundationCounts[4], 14);
        EXPECT_TRUE(Sounds().contains("WavStopka"));
        EXPECT_EQ(MoveCounter, 2);
    }
}

TEST_F(CloverPlay, AMoveThatLeavesNoMoveOffersTheRedealInTheFirstTwoDeals)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode);
        Bare();
        g5test::SetPile(1, {"Кч", "2ч"});
        g5test::SetPile(2, {"Кб", "7к"});
        g5test::SetPile(3, {"3п", "4к"});
        Paint();
        Play(TopOf(1), Foundation(1));
        EXPECT_EQ(Sounds().split(' ').filter(QStringLiteral("WavStopka")).size(), 1);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToReshuffle));
        EXPECT_FALSE(GameOver);
        // The second deal too: still an offer, no end.
        PassCount = 2;
        g5test::SetPile(4, {"Кк", "3ч"});
        Paint();
        Play(TopOf(4), Foundation(1));
        EXPECT_TRUE(Sounds().contains("WavStopka"));
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(CloverPlay, ADeadTableAfterTheSecondRedealIsLostInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Bare();
        g5test::SetPile(1, {"Кч", "2ч"});
        g5test::SetPile(2, {"Кб", "7к"});
        Paint();
        PassCount = 3;
        Play(TopOf(1), Foundation(1));
        ExpectRoundEnded(false);
    }
}

TEST_F(CloverPlay, AFirstDealWithoutAMoveOffersTheRedealAtOnce)
{
    Deal(0);
    Bare();
    g5test::SetPile(1, {"Кч", "7п"});
    g5test::SetPile(2, {"Кб", "7к"});
    Paint();
    Form1->Button8->setEnabled(false);
    RoundPhase = 1;
    Sounds();
    RoundStart::Button7Click(*Form1);
    EXPECT_TRUE(Sounds().contains("WavStopka"));
    EXPECT_TRUE(Form1->Button8->isEnabled());
    RoundEnd::Button8Click(*Form1);
    EXPECT_EQ(PassCount, 2);
    EXPECT_EQ(CardsInFans(), 4);
}

TEST_F(CloverPlay, ADropNearItsPlaceReturnsSilentlyAndAFarOneFliesWithCancel)
{
    Deal(2);
    Bare();
    g5test::SetPile(1, {"Кч", "7п"});
    g5test::SetPile(2, {"9б", "7к"});
    Paint();
    const int flights = flightSteps;
    Drag(TopOf(1), TopOf(1) + QPoint(Scaled(20), Scaled(20)));
    EXPECT_EQ(PileCounts[1], 3);
    EXPECT_EQ(flightSteps, flights);
    EXPECT_EQ(Sounds(), "WavDown");
    Drag(TopOf(1), TopOf(1) + QPoint(Scaled(200), Scaled(200)));
    EXPECT_EQ(PileCounts[1], 3);
    EXPECT_GT(flightSteps, flights);
    EXPECT_TRUE(Sounds().contains("WavCancel"));
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(CloverPlay, ADoubleClickMovesOnlyInDragModeAndWinsWhenEveryFanIsInOrder)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode);
        Bare();
        g5test::SetPile(1, {"9ч", "8ч", "2б"});
        g5test::SetPile(2, {"Кп", "Дп"});
        Paint();
        DoubleClick(TopOf(1));
        if (mode == 2) {
            EXPECT_EQ(FoundationCounts[2], 3);
            ExpectRoundEnded(true);
        } else {
            EXPECT_EQ(FoundationCounts[2], 2);
            EXPECT_FALSE(GameOver);
            // The two of diamonds by clicks: then every fan is in order.
            if (SelectedPile == 0)
                Click(TopOf(1));
            Click(Foundation(2));
            ExpectRoundEnded(true);
        }
    }
}

} // namespace
