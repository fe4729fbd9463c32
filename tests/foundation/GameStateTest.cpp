#include "foundation/GameState.h"

#include <gtest/gtest.h>

using namespace GameState;

TEST(GameState, ResetRestoresProgramStartState)
{
    ResetGameState();
    // Snapshot of a few variables of every kind at program start.
    const auto pilesAtStart = PileCards;
    const auto valuesAtStart = PileValues2;
    const auto runAtStart = DragRun;

    ClearCards(PileCards, PileValues);
    PileCards[19][104] = TCardCode("\xD2\xEF");
    PileValues2[17][7][15] = 12;
    DragRun.K = 3;
    DragRun.C[53] = cards::Empty;
    CurrentGameId = 431;
    PlayerLines[9] = QStringLiteral("x");
    GalleryCards[10][8] = cards::Empty;
    StockCount = 52;

    ResetGameState();
    EXPECT_EQ(PileCards, pilesAtStart);
    EXPECT_EQ(PileValues2, valuesAtStart);
    EXPECT_EQ(DragRun, runAtStart);
    EXPECT_EQ(CurrentGameId, 0);
    EXPECT_TRUE(PlayerLines[9].isEmpty());
    EXPECT_TRUE(GalleryCards[10][8].empty()); // empty string, not "##", at program start
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(PileValues[1][1], 0);
}

TEST(GameState, IndexesOutsideTheirRangesThrow)
{
    EXPECT_THROW(PileCards[20][1], platform::IndexError);
    EXPECT_THROW(PileCards[1][105], platform::IndexError);
    EXPECT_THROW(PileCards2[17][8][1], platform::IndexError);
    EXPECT_THROW(FoundationNextSlot[0], platform::IndexError);
    EXPECT_THROW(FreeCellCards[5], platform::IndexError);
    EXPECT_THROW(DragRun.C[54], platform::IndexError);
    EXPECT_NO_THROW(FoundationCards[8][49]);
}

TEST(GameState, ClearCardsWritesEmptyMarkers)
{
    ClearCards(PileCards2, PileValues2);
    EXPECT_EQ(PileCards2[1][1][1], cards::Empty);
    EXPECT_EQ(PileValues2[17][7][15], cards::EmptyValue);
}
