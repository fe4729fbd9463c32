// The score record of group-3 rounds: the layouts, the cards left, the extra count and
// the deal score, which may be negative.
#include "Group3TestSupport.h"

#include "foundation/ClubPlayer.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Shuffle.h"

#include <gtest/gtest.h>

using namespace GameState;
using namespace Group3;
using g3test::SetPile;

namespace {

class Group3Result : public ::testing::Test {
protected:
    void SetUp() override { ClubPlayer::CurrentPlayerName = QStringLiteral("Ann                      x"); }
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        ClubPlayer::CurrentPlayerName.clear();
        ResetGameState();
    }
    void Dealt(int game)
    {
        g3test::EmptyTable(game);
        SetShuffleSeedForTest(21);
        DealTable3();
        PlayerRounds = 4;
        PlayerScore = 1000;
    }
};

TEST_F(Group3Result, PictureGalleryStartsFarBelowZero)
{
    Dealt(PictureGallery);
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 0);
    EXPECT_EQ(FCount::CountPlayerName, QStringLiteral("Ann                 "));
    EXPECT_EQ(FCount::CountRound, 4);
    EXPECT_EQ(FCount::CountScoreBefore, 1000);
    EXPECT_EQ(FCount::CountCardsLeft, 80);
    EXPECT_EQ(FCount::CountExtra, 24);
    EXPECT_EQ(FCount::CountDealScore, -100);
    EXPECT_EQ(FCount::CountTotal, 900);
    EXPECT_EQ(NewTotalScore, 900);
    // The pack's last deal: no cards left in it.
    ExtraPileCount = 105;
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 10);
    GameWon = 1;
    GameResult3();
    EXPECT_EQ(FCount::CountDealScore, 200);
}

TEST_F(Group3Result, DesireCountsReservesAsEightUntilTheyAreEmpty)
{
    Dealt(Desire);
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 8 + 88);
    EXPECT_EQ(FCount::CountExtra, 8);
    platform::fillAll(DesireReserveCards, cards::Empty);
    DesireReserveCounts.fill(0);
    for (int c = 4; c <= 8; ++c) {
        SetPile(c, {}, false);
    }
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 3);
    EXPECT_EQ(FCount::CountExtra, 3);
    EXPECT_EQ(FCount::CountDealScore, 100 - 3 - 15);
}

TEST_F(Group3Result, SultanAndBackboneWonInTheirFirstPass)
{
    Dealt(Sultan);
    GameWon = 1;
    MoveCounter = 150;
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 2);
    EXPECT_EQ(FCount::CountPasses, 1);
    EXPECT_EQ(FCount::CountGameScore, 150);
    EXPECT_EQ(FCount::CountDealScore, 450);
    GameWon = 0;
    SultanNext[1][2] = 13;
    SultanNext[3][3] = 14;
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 104 - 9);
    EXPECT_EQ(FCount::CountExtra, 2);
    EXPECT_EQ(FCount::CountDealScore, 100 - 95 + 10);

    Dealt(Backbone);
    GameWon = 1;
    MoveCounter = 150;
    GameResult3();
    EXPECT_EQ(FCount::CountDealScore, 350);
    GameWon = 0;
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 21 + 75);
    EXPECT_EQ(FCount::CountDealScore, 100 - 96);
}

TEST_F(Group3Result, CarpetAndFlowerGardenLoseAtFiftyMinusTheCardsLeft)
{
    Dealt(Carpet);
    MoveCounter = 30;
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 7);
    EXPECT_EQ(FCount::CountCardsLeft, 28);
    EXPECT_EQ(FCount::CountDealScore, 22);
    GameWon = 1;
    GameResult3();
    EXPECT_EQ(FCount::CountDealScore, 170);

    Dealt(FlowerGarden);
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 7);
    EXPECT_EQ(FCount::CountCardsLeft, 52);
    EXPECT_EQ(FCount::CountDealScore, -2);
    EXPECT_EQ(NewTotalScore, 998);
}

TEST_F(Group3Result, FigCountsOnlyPilesOfMixedValues)
{
    g3test::EmptyTable(Fig);
    SetPile(1, {"7ч", "7б", "7к"}, false);
    SetPile(2, {"7п", "8ч"}, false);
    SetPile(3, {"5ч"}, false);
    SetPile(4, {"9ч", "9б", "9к", "9п"}, false);
    PassCount = 1;
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 2);
    EXPECT_EQ(FCount::CountExtra, 1);
    EXPECT_EQ(FCount::CountDealScore, 100 - 2 + 5);
}

TEST_F(Group3Result, TwentyCalculationAndEightSagesAfterTheDeal)
{
    Dealt(Twenty);
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 96);
    EXPECT_EQ(FCount::CountExtra, 0);
    EXPECT_EQ(FCount::CountDealScore, 4);
    Dealt(Calculation);
    FoundationCounts[3] = 14;
    GameResult3();
    EXPECT_EQ(FCount::CountCardsLeft, 48);
    EXPECT_EQ(FCount::CountDealScore, 100 - 48 + 5);
    Dealt(EightSages);
    MoveCounter = 99;
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 8);
    EXPECT_EQ(FCount::CountCardsLeft, 96);
    EXPECT_EQ(FCount::CountDealScore, 4);
    GameWon = 1;
    PassCount = 2;
    GameResult3();
    EXPECT_EQ(FCount::CountDealScore, 400 - 99);
}

TEST_F(Group3Result, OtherGroupsAreLeftAlone)
{
    g3test::EmptyTable(PictureGallery);
    CurrentGameId = 431;
    FCount::CountLayout = 5;
    GameResult3();
    EXPECT_EQ(FCount::CountLayout, 5);
}

} // namespace
