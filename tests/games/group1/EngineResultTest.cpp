// Points and score-window fields of finished group-1 rounds.
#include "EngineTestSupport.h"

#include "foundation/ClubPlayer.h"
#include "foundation/Qyv_FCount.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace GameState;
using namespace Group1;
using engine_test::Cd;
using engine_test::EmptyTable;
using engine_test::SetFoundation;
using engine_test::SetPile;

namespace {

class EngineResult : public ::testing::Test {
protected:
    void TearDown() override
    {
        ClubPlayer::CurrentPlayerName.clear();
        ResetGameState();
    }
};

// Foundation f filled from the ace up with n cards of hearts.
void FillFoundation(int f, int n)
{
    static const char* up[13] = {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"};
    for (int s = 1; s <= n; ++s)
        FoundationCards[f][s] = Cd(up[s - 1]);
}

// n cards spread over the piles 1..piles, face up (or face down).
void SpreadCards(int n, int piles, bool faceDown = false)
{
    for (int i = 0; i < n; ++i) {
        const int p = i % piles + 1;
        const int s = i / piles + 1;
        PileCards[p][s] = Cd("5п");
        PileFaceUp[p][s] = faceDown ? 0 : 1;
        PileCardCount[p] = s;
    }
}

struct ResultCase {
    const char* what;
    int game;
    std::function<void()> table;
    int layout;
    int cardsLeft;
    int extra;
    int points;
};

TEST_F(EngineResult, WorkedResultsOfEveryGame)
{
    const ResultCase cases[] = {
        {"Vardelin won in the first pass after 120 moves", VardelinSolo,
         [] {
             SetPile(1, {"Кп", "Дч"});
             PassCount = 1;
             MoveCounter = 120;
             GameWon = 1;
         },
         2, 0, 0, 480},
        {"Vardelin-Duo won in the second pass after 50 moves", VardelinDuo,
         [] {
             PassCount = 2;
             MoveCounter = 50;
             GameWon = 1;
         },
         2, 0, 0, 450},
        {"Vardelin given up in the third pass", VardelinDuo,
         [] {
             SetPile(4, {"3п", "9ч", "8п"}, 2);
             WasteCards[1] = Cd("2ч");
             WasteCards[2] = Cd("2б");
             WasteCards[3] = Cd("2к");
             StockCards[1] = Cd("5б"); // the stock does not count
             PassCount = 3;
             MoveCounter = 10;
         },
         2, 8, 1, 277},
        {"Scorpion lost after 37 moves", ScorpionSolo, [] { MoveCounter = 37; }, 3, 0, 0, 37},
        {"Scorpion won", ScorpionDuo,
         [] {
             MoveCounter = 300;
             GameWon = 1;
         },
         3, 0, 0, 200},
        {"Yukon-Solo lost with 40 cards on the foundations", YukonSolo,
         [] {
             FillFoundation(1, 13);
             FillFoundation(2, 13);
             FillFoundation(3, 13);
             FillFoundation(4, 1);
         },
         4, 12, 0, 88},
        {"Yukon-Duo lost with 30 cards on the tableau", YukonDuo, [] { SpreadCards(30, 9); }, 4, 30, 0, 70},
        {"Yukon won", YukonSolo, [] { GameWon = 1; }, 4, 52, 0, 200},
        {"Spider lost with 3 suits and 10 face-down cards", SpiderQuartet,
         [] {
             FillFoundation(1, 13);
             FillFoundation(5, 13);
             FillFoundation(8, 13);
             SpreadCards(10, 10, true);
         },
         2, 10, 3, 205},
        {"Spider won after 300 moves", SpiderSolo,
         [] {
             MoveCounter = 300;
             GameWon = 1;
         },
         2, 0, 0, 200},
        {"Free Cell lost with 20 cards left", FreeCell,
         [] {
             SpreadCards(18, 8);
             FreeCellCards[1] = Cd("Кч");
             FreeCellCards[3] = Cd("Кб");
         },
         7, 20, -1, 180},
        {"Free Cell won after 150 moves", FreeCell,
         [] {
             MoveCounter = 150;
             GameWon = 1;
         },
         7, 0, -1, 350},
    };
    for (const auto& c : cases) {
        EmptyTable(c.game);
        PlayerScore = 1000;
        PlayerRounds = 4;
        PassCount = 1;
        FCount::CountExtra = -1; // Free Cell leaves it alone
        c.table();
        GameResult1();
        EXPECT_EQ(FCount::CountLayout, c.layout) << c.what;
        EXPECT_EQ(FCount::CountCardsLeft, c.cardsLeft) << c.what;
        EXPECT_EQ(FCount::CountExtra, c.extra) << c.what;
        EXPECT_EQ(FCount::CountDealScore, c.points) << c.what;
        EXPECT_EQ(FCount::CountScoreBefore, 1000) << c.what;
        EXPECT_EQ(FCount::CountTotal, 1000 + c.points) << c.what;
        EXPECT_EQ(NewTotalScore, 1000 + c.points) << c.what;
        EXPECT_EQ(FCount::CountRound, 4) << c.what;
        EXPECT_EQ(FCount::CountGameScore, MoveCounter) << c.what;
        EXPECT_EQ(FCount::CountPasses, PassCount) << c.what;
    }
}

TEST_F(EngineResult, PlayerNameIsCutToTwentyCharacters)
{
    EmptyTable(ScorpionSolo);
    ClubPlayer::CurrentPlayerName = QStringLiteral("A name far longer than twenty");
    GameResult1();
    EXPECT_EQ(FCount::CountPlayerName, QStringLiteral("A name far longer th"));
}

TEST_F(EngineResult, RunningVardelinScore)
{
    EmptyTable(VardelinSolo);
    SetPile(2, {"9п", "8ч"}, 1); // one face-down card, one covered pile
    PassCount = 1;
    EXPECT_EQ(CountCoveredPiles1(), 1);
    EXPECT_EQ(ComputeScore1(), 300 - 1 - 5);
    // A card turned from the stock onto the waste costs 3: two for the waste, one move.
    StockCards[1] = Cd("4б");
    StockCount = 1;
    DealFromKoloda1();
    ++MoveCounter;
    EXPECT_EQ(ComputeScore1(), 300 - 1 - 5 - 3);
    EXPECT_EQ(WasteCards[1], Cd("4б"));
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(WasteCount, 2);
    // Uncovering the pile gives the 5 back and the face-down card's point.
    PileFaceUp[2][1] = 1;
    EXPECT_EQ(CountCoveredPiles1(), 0);
    EXPECT_EQ(ComputeScore1(), 300 - 3);
}

} // namespace
