// Sultan played through real mouse events: the grid's foundation rule and its inert
// centre, the double click to the later foundation, the stock's turns and turn-overs,
// the reserves, the two kinds of complete foundation, and the ends in every move mode.
#include "Group3Play.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include <initializer_list>
#include <string>

using namespace GameState;
using namespace Group3;
using g3test::Cd;

namespace {

class SultanPlay : public g3test::Group3Play {
protected:
    void Start(int mode) { Group3Play::Start(Sultan, mode); }
    static void Grid(int r, int c, std::initializer_list<const char*> list)
    {
        for (int s = 1; s <= 13; ++s) {
            SultanCards[r][c][s] = cards::Empty;
            SultanValues[r][c][s] = cards::EmptyValue;
        }
        SultanNext[r][c] = g3test::Fill(SultanCards[r][c], SultanValues[r][c], list) + 1;
        RedrawColumn3(r, c);
    }
    static void Waste(std::initializer_list<const char*> list)
    {
        ClearCards(WasteCards, WasteValues);
        ExtraPileCount = g3test::Fill(WasteCards, WasteValues, list) + 1;
        RedrawReserve3(2);
    }
    static void Reserve(int d, const char* card)
    {
        SultanReserveCards[d] = card ? Cd(card) : cards::Empty;
        SultanReserveValues[d] = card ? g3test::ValueOf(SultanReserveCards[d]) : cards::EmptyValue;
        RedrawFoundation3(d);
    }
    static QPoint GridAt(int r, int c) { return At(GridX[r][c], GridY[r][c]); }
    static QPoint ReserveAt(int d) { return At(SultanReserveX[d], SultanReserveY[d]); }
    static QPoint WasteAt() { return At(WasteTop3().x(), WasteTop3().y()); }
    static QPoint StockAt() { return At(StockTop3().x(), StockTop3().y()); }
    // Every foundation complete but [1, 1], which waits for its Queen.
    static void AllButOneComplete()
    {
        const char* ranks[] = {"Т", "2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д"};
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) {
                if (r == 2 && c == 2)
                    continue;
                const bool ace = r == 1 && c == 2;
                const TCardCode base = SultanCards[r][c][1];
                const char suit = base.suit();
                for (int s = 1; s <= 13; ++s) {
                    SultanCards[r][c][s] = cards::Empty;
                    SultanValues[r][c][s] = cards::EmptyValue;
                }
                int n = 0;
                SultanCards[r][c][++n] = base;
                SultanValues[r][c][n] = ace ? 0 : 12;
                for (int i = ace ? 1 : 0; i < 12; ++i) {
                    SultanCards[r][c][++n] = TCardCode(Cd((std::string(ranks[i]) + "п").c_str()).rank(), suit);
                    SultanValues[r][c][n] = Byte(i);
                }
                SultanNext[r][c] = n + 1;
                if (r == 1 && c == 1) {
                    SultanCards[r][c][n] = cards::Empty;
                    SultanValues[r][c][n] = cards::EmptyValue;
                    SultanNext[r][c] = n;
                }
                RedrawColumn3(r, c);
            }
    }
};

TEST_F(SultanPlay, AKingFoundationTakesTheAceOfItsSuitAndTheCentreNothing)
{
    Start(2);
    Waste({"Тк", "Тч"});
    // The Ace of hearts: the hand over the King of hearts below the centre, not over the
    // centre, and dropped on the centre it comes home.
    Press(WasteAt());
    Move(GridAt(3, 2));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorHand);
    Move(GridAt(2, 2));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorArrow);
    Release(GridAt(2, 2));
    EXPECT_EQ(SultanNext[2][2], 2);
    EXPECT_EQ(ExtraPileCount, 3);
    EXPECT_EQ(MoveCounter, 0);
    Drag(WasteAt(), GridAt(3, 2));
    EXPECT_EQ(SultanNext[3][2], 3);
    Drag(WasteAt(), GridAt(1, 3));
    EXPECT_EQ(SultanCards[1][3][2], Cd("Тк"));
    EXPECT_EQ(MoveCounter, 2);
    EXPECT_EQ(ExtraPileCount, 1);
}

TEST_F(SultanPlay, TheDoubleClickGivesTheCardToTheLaterOfTwoFoundations)
{
    Start(2);
    Waste({"Тк"});
    Reserve(2, "Тп");
    DoubleClick(WasteAt());
    EXPECT_EQ(SultanNext[1][1], 2);
    EXPECT_EQ(SultanNext[1][3], 3);
    DoubleClick(ReserveAt(2));
    EXPECT_EQ(SultanNext[3][3], 3);
    EXPECT_EQ(SultanReserveCards[2], cards::Empty);
    EXPECT_EQ(MoveCounter, 2);
    // In a click mode the double click does nothing.
    Settings::MoveMode = 0;
    Waste({"Тб"});
    DoubleClick(WasteAt());
    EXPECT_EQ(SultanNext[2][3], 2);
}

TEST_F(SultanPlay, TurnOversRestoreTheOrderAndTheStockEndsAfterTheThirdPass)
{
    Start(1);
    const TCardCode first = StockCards[StockCount];
    for (int pass = 1; pass <= 3; ++pass) {
        SCOPED_TRACE(pass);
        EXPECT_EQ(PassCount, pass);
        Click(StockAt());
        EXPECT_EQ(WasteCards[ExtraPileCount - 1], first);
        while (StockCount > 0)
            Click(StockAt());
        Sounds();
        Click(StockAt());
        EXPECT_EQ(Sounds(), pass < 3 ? "WavStopka" : "");
    }
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(ExtraPileCount, 89 + 1);
    Move(StockAt());
    EXPECT_EQ(Hint(), "0");
    EXPECT_FALSE(HandOnTable());
}

TEST_F(SultanPlay, TheEmptyStocksMarkerTellsWhetherATurnOverRemains)
{
    Start(2);
    ClearCards(StockCards, StockValues);
    StockCount = 0;
    const QRect stock(AuxPile2X, AuxPile2Y, CardWidth, CardHeight);
    QImage marker[4];
    for (int pass = 1; pass <= 3; ++pass) {
        PassCount = pass;
        RedrawReserve3(1);
        marker[pass] = Shown().copy(stock);
    }
    EXPECT_EQ(Text(Difference(marker[1], marker[2])), "none");
    EXPECT_NE(Text(Difference(marker[2], marker[3])), "none");
}

TEST_F(SultanPlay, ReserveCardsMoveBetweenReservesOnlyByADrag)
{
    Start(2);
    Reserve(1, "5б");
    Reserve(4, nullptr);
    Drag(ReserveAt(1), ReserveAt(4));
    EXPECT_EQ(SultanReserveCards[4], Cd("5б"));
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    Drag(ReserveAt(4), ReserveAt(4) + QPoint(3, 2));
    EXPECT_EQ(SultanReserveCards[4], Cd("5б"));
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Sounds(), "WavDown");
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Settings::MoveMode = mode;
        Click(ReserveAt(4));
        Click(ReserveAt(1));
        EXPECT_EQ(SultanReserveCards[4], Cd("5б"));
        EXPECT_TRUE(SourceSelected);
        Click(ReserveAt(4));
        EXPECT_FALSE(SourceSelected);
    }
    // The waste's card goes to an empty reserve in a click mode.
    Waste({"7п"});
    Click(WasteAt());
    Click(ReserveAt(1));
    EXPECT_EQ(SultanReserveCards[1], Cd("7п"));
    EXPECT_EQ(MoveCounter, 2);
}

TEST_F(SultanPlay, OnlyAKingFoundationSoundsWhenItsQueenArrives)
{
    Start(2);
    Grid(1, 2, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч"});
    Grid(2, 1, {"Кб", "Тб", "2б", "3б", "4б", "5б", "6б", "7б", "8б", "9б", "1б", "Вб"});
    Waste({"Дб", "Дч"});
    Drag(WasteAt(), GridAt(1, 2));
    EXPECT_EQ(SultanNext[1][2], 13);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    Drag(WasteAt(), GridAt(2, 1));
    EXPECT_EQ(SultanNext[2][1], 14);
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
}

TEST_F(SultanPlay, TheWastesMarkLiesOnItsRaisedTopCard)
{
    // Ten cards on the waste: the tenth lies one stack edge higher than the ninth.
    for (int cardsOn : {9, 10}) {
        SCOPED_TRACE(cardsOn);
        Start(0);
        for (int i = 0; i < cardsOn; ++i)
            Click(StockAt());
        const QImage plain = Shown().copy();
        Click(WasteAt());
        ASSERT_TRUE(SourceSelected);
        const QRect top(AuxPile1X, AuxPile1Y - StackEdgeStep3(cardsOn), CardWidth + 1, CardHeight + 1);
        const QRect marked = Difference(plain, Shown());
        EXPECT_FALSE(marked.isEmpty());
        EXPECT_EQ(Text(marked), Text(marked & top));
    }
}

TEST_F(SultanPlay, AStockTurnTakesASelectedReservesMarkOff)
{
    Start(0);
    Reserve(3, "9к");
    const QImage plain = Shown().copy();
    Click(ReserveAt(3));
    ASSERT_TRUE(SourceSelected);
    Click(StockAt());
    EXPECT_FALSE(SourceSelected);
    const QRect reserve(SultanReserveX[3], SultanReserveY[3], CardWidth + 1, CardHeight + 1);
    EXPECT_EQ(Text(Difference(plain.copy(reserve), Shown().copy(reserve))), "none");
}

TEST_F(SultanPlay, TheGameIsWonByTheLastQueenAndLostWhenTheStockIsDone)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        AllButOneComplete();
        Waste({"Дк"});
        Play(WasteAt(), GridAt(1, 1));
        ExpectRoundEnded(true);
    }
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        StockCount = 0;
        ClearCards(StockCards, StockValues);
        PassCount = 3;
        for (int d = 1; d <= 6; ++d)
            Reserve(d, "5п");
        Waste({"9п"});
        Play(WasteAt(), GridAt(2, 1));
        ExpectRoundEnded(false);
    }
}

} // namespace
