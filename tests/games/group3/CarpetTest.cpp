// Carpet played through real mouse events: carpet cards onto empty places, the waste's
// double click with its fall-back to the last empty place, the stock turn and the
// selections, the sound of a completed foundation, the hints, and the ends.
#include "Group3Play.h"

#include "games/group3/Qyv_Help2_3_Play.h"

#include <initializer_list>

using namespace GameState;
using namespace Group3;
using g3test::Cd;

namespace {

class CarpetPlay : public g3test::Group3Play {
protected:
    void Start(int mode) { Group3Play::Start(Carpet, mode); }
    static void Place(int i, int j, const char* card)
    {
        PileCards[i][j] = card ? Cd(card) : cards::Empty;
        PileValues[i][j] = card ? g3test::ValueOf(PileCards[i][j]) : cards::EmptyValue;
        RedrawColumn3(i, j);
    }
    static void Waste(std::initializer_list<const char*> list)
    {
        for (int s = 1; s <= 52; ++s) {
            WasteCards[s] = cards::Empty;
            WasteValues[s] = cards::EmptyValue;
        }
        WasteCount = ExtraPileCount = g3test::Fill(WasteCards, WasteValues, list) + 1;
        RedrawReserve3(2);
    }
    static void EmptyStock()
    {
        for (int s = 1; s <= 52; ++s) {
            StockCards[s] = cards::Empty;
            StockValues[s] = cards::EmptyValue;
        }
        StockCount = 0;
        RedrawReserve3(1);
    }
    static QPoint PlaceAt(int i, int j) { return At(GridX[i][j], GridY[i][j]); }
    static QPoint FoundationAt(int f) { return At(FoundationPosX[f], FoundationPosY[f]); }
    static QPoint WasteAt() { return At(AuxPile1X, AuxPile1Y); }
    static QPoint StockAt() { return At(AuxPile2X, AuxPile2Y); }
};

TEST_F(CarpetPlay, ACarpetCardMovesToAnEmptyPlaceAndComesBackToItsOwnSilently)
{
    Start(2);
    const TCardCode card = PileCards[2][3];
    Place(4, 1, nullptr);
    Drag(PlaceAt(2, 3), PlaceAt(4, 1));
    EXPECT_EQ(PileCards[4][1], card);
    EXPECT_EQ(PileCards[2][3], cards::Empty);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    Drag(PlaceAt(4, 1), PlaceAt(4, 1) + QPoint(4, 3));
    EXPECT_EQ(PileCards[4][1], card);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Sounds(), "WavDown");
    // A place holding a card takes nothing; the card flies home.
    Drag(PlaceAt(4, 1), PlaceAt(1, 1));
    EXPECT_EQ(PileCards[4][1], card);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_GT(flightSteps, 0);
}

TEST_F(CarpetPlay, TheWastesDoubleClickFallsBackToTheLastEmptyPlace)
{
    Start(2);
    Waste({"Кп", "9к"});
    DoubleClick(WasteAt()); // no empty place: nothing
    EXPECT_EQ(WasteCount, 3);
    EXPECT_EQ(MoveCounter, 0);
    Place(1, 2, nullptr);
    Place(3, 1, nullptr);
    Place(2, 4, nullptr);
    DoubleClick(WasteAt());
    EXPECT_EQ(PileCards[3][1], Cd("9к"));
    EXPECT_EQ(PileCards[2][4], cards::Empty);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(ExtraPileCount, 2);
    EXPECT_EQ(MoveCounter, 1);
    // A foundation that takes the card comes first.
    FoundationCards[4][2] = Cd("2п");
    FoundationValues[4][2] = 1;
    for (int s = 3; s <= 12; ++s) {
        FoundationCards[4][s] = Cd("2п");
        FoundationValues[4][s] = Byte(s - 1);
    }
    FoundationCounts[4] = 13;
    DoubleClick(WasteAt());
    EXPECT_EQ(FoundationCounts[4], 14);
    EXPECT_TRUE(Sounds().endsWith("WavStopka"));
}

TEST_F(CarpetPlay, ACompletedFoundationSoundsOnlyByADoubleClick)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        for (int s = 2; s <= 12; ++s) {
            FoundationCards[1][s] = Cd("2ч");
            FoundationValues[1][s] = Byte(s - 1);
        }
        FoundationCounts[1] = 13;
        Place(5, 4, "Кч");
        Play(PlaceAt(5, 4), FoundationAt(1));
        EXPECT_EQ(FoundationCounts[1], 14);
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
    }
}

TEST_F(CarpetPlay, AStockTurnDropsAWasteSelectionAndKeepsACarpetOne)
{
    Start(0);
    Click(StockAt());
    Click(WasteAt());
    ASSERT_TRUE(SourceSelected);
    Click(StockAt());
    EXPECT_FALSE(SourceSelected);
    Click(PlaceAt(1, 1));
    ASSERT_TRUE(SourceSelected);
    Click(StockAt());
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(HitPile, 1);
    EXPECT_EQ(HitPos, 1);
    EXPECT_EQ(WasteCount, 4);
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(CarpetPlay, TheHintsShowTheStocksAndTheWastesCounts)
{
    Start(2);
    Click(StockAt());
    Click(StockAt());
    Move(StockAt());
    EXPECT_EQ(Hint(), QString::number(28 - 2));
    Move(WasteAt());
    EXPECT_EQ(Hint(), "2");
    Move(PlaceAt(3, 3));
    EXPECT_EQ(Hint(), "");
}

TEST_F(CarpetPlay, TheGameIsWonWhenStockAndWasteAreUsedUpAndLostWhenStuck)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EmptyStock();
        Waste({"7к"});
        Place(2, 2, nullptr);
        Play(WasteAt(), PlaceAt(2, 2));
        ExpectRoundEnded(true, nullptr);
    }
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EmptyStock();
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 4; ++j)
                Place(i, j, "Кб");
        Waste({"Дк"});
        Play(WasteAt(), PlaceAt(2, 2));
        ExpectRoundEnded(false, nullptr);
    }
}

} // namespace
