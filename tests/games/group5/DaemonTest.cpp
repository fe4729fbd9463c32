// Daemon played through real mouse events on the offscreen table: the reserve's
// auto-fill, the three passes, runs carried in every mode, two-click moves, the ends.
#include "Group5Play.h"

#include "games/group5/Qyv_47_Demon.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class DaemonPlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { Group5Play::Deal(Daemon, mode); }
    // The reserve from the bottom up; its last card is the top.
    static void SetReserve(std::initializer_list<const char*> list)
    {
        DemonReserveCount = 0;
        for (const char* c : list) {
            ++DemonReserveCount;
            DemonReserveCards[DemonReserveCount] = g5test::Cd(c);
            DemonReserveValues[DemonReserveCount] = g5test::ValueOf(DemonReserveCards[DemonReserveCount]);
        }
    }
    static void Paint()
    {
        for (int c = 1; c <= 4; ++c) {
            RedrawColumn5(c, 0);
            RedrawFoundation5(c);
        }
        RedrawKoloda5(1);
        RedrawKoloda5(2);
        RedrawReserve5(true);
    }
    static QPoint Slot(int c, int row) { return {ColumnX[c] + CardWidth / 2, ColumnTop + (row - 1) * DemonReserveStep + 5}; }
    static QPoint TopOf(int c) { return Mid(ColumnX[c], ColumnTop + (std::max(1, TopSlot5(c)) - 1) * DemonReserveStep); }
    static QPoint Foundation(int f) { return Mid(FoundationX[f], FoundationY); }
    static QPoint Stock() { return Mid(AuxPile2X, AuxPile2Y); }
    static QPoint Waste() { return Mid(AuxPile1X, AuxPile1Y); }
    static QPoint Reserve() { return Mid(DemonReserveX, DemonReserveY[DemonReserveCount]); }
};

TEST_F(DaemonPlay, TheReserveFeedsFoundationsAndEmptyColumnsWithoutCounting)
{
    Deal(2);
    Empty();
    g5test::SetPile(1, {"9п"});
    g5test::SetPile(3, {"Дк"});
    g5test::SetPile(4, {"5б"});
    SetReserve({"7ч", "3п", "2п", "Тп"});
    g5test::SetStock({"Вч"});
    Paint();
    // The Ace takes the highest empty foundation, the two and three of spades follow,
    // and the seven fills the one empty column.
    DemonAutoFill();
    EXPECT_EQ(FoundationCounts[4], 4);
    EXPECT_EQ(FoundationCards[4][3], g5test::Cd("3п"));
    EXPECT_EQ(FoundationCounts[1], 1);
    EXPECT_EQ(PileCards[2][1], g5test::Cd("7ч"));
    EXPECT_EQ(DemonReserveCount, 0);
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(Sounds(), "WavCardUp WavCardUp WavCardUp WavCardUp");
}

TEST_F(DaemonPlay, PlayStartsWithTheReserveAceOnTheHighestFoundation)
{
    BareTable(2);
    Form1->FormArea()->resize(760, 500);
    CurrentGameId = Daemon;
    CurrentGroup = 5;
    PlayerSlot = 6;
    // Seeds until a deal's reserve shows an Ace on top.
    for (std::uint32_t seed = 1; seed < 2000; ++seed) {
        SetShuffleSeedForTest(seed);
        NewDeal5(false);
        if (DemonReserveCards[13].rank() == cards::RankAce)
            break;
    }
    ASSERT_EQ(DemonReserveCards[13].rank(), cards::RankAce);
    const TCardCode ace = DemonReserveCards[13];
    RoundStart::Button7Click(*Form1);
    EXPECT_EQ(FoundationCards[4][1], ace);
    EXPECT_LE(DemonReserveCount, 12);
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(DaemonPlay, TwoRedealsKeepTheOrderAndTheThirdPassEndsAtAnEmptyStock)
{
    Deal(0);
    Empty();
    g5test::SetPile(1, {"Кп"});
    g5test::SetPile(2, {"Кк"});
    g5test::SetPile(3, {"Кч"});
    g5test::SetPile(4, {"Кб"});
    SetReserve({"Дп"});
    g5test::SetStock({"5ч", "9к"});
    Paint();
    for (int pass = 1; pass <= 3; ++pass) {
        SCOPED_TRACE(pass);
        Click(Stock());
        Click(Stock());
        EXPECT_EQ(WasteCards[1], g5test::Cd("9к"));
        EXPECT_EQ(MoveCounter, 2 * pass);
        Sounds();
        if (pass < 3) {
            Click(Stock());
            EXPECT_EQ(Sounds(), "WavStopka");
            EXPECT_EQ(PassCount, pass + 1);
            EXPECT_EQ(StockCards[2], g5test::Cd("9к"));
            EXPECT_EQ(MoveCounter, 2 * pass);
        }
    }
    // No more passes: the empty stock neither answers nor shows the hand.
    Move(Stock(), Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->cursor().shape(), Kit::CursorOf(Kit::CursorArrow).shape());
    EXPECT_FALSE(GameOver); // the queen of spades still goes on a red king
    Press(Stock());
    EXPECT_EQ(WasteCount, 3);
    EXPECT_EQ(PassCount, 3);
    Release(Stock());
    EXPECT_EQ(Sounds(), "");
}

TEST_F(DaemonPlay, RunsAreCarriedInEveryModeAndOnlyRealMovesCount)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "Дч", "Вп"});
        g5test::SetPile(2, {"Кк"});
        g5test::SetPile(3, {"8к"});
        g5test::SetPile(4, {"4б"});
        g5test::SetFoundation(1, {"Тп", "2п", "3п", "4п", "5п", "6п", "7п", "8п", "9п", "1п"});
        SetReserve({"2ч"});
        g5test::SetStock({"4б"});
        Paint();
        // Back on its own column: nothing counted, nothing heard.
        Drag(Slot(1, 2), Slot(1, 2) + QPoint(3, 2));
        EXPECT_EQ(PileCounts[1], 4);
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_EQ(Sounds(), "WavDown");
        // A two-card run is refused by the foundation its first card would fit.
        g5test::SetPile(1, {"Кп", "Дч", "1п", "9ч"});
        Paint();
        Drag(Slot(1, 3), Foundation(1));
        EXPECT_EQ(FoundationCounts[1], 11);
        EXPECT_EQ(PileCounts[1], 5);
        EXPECT_EQ(MoveCounter, 0);
        // The queen and the jack go onto the other king together.
        g5test::SetPile(1, {"Кп", "Дч", "Вп"});
        Paint();
        Drag(Slot(1, 2), TopOf(2));
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCards[2][3], g5test::Cd("Вп"));
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(Sounds().contains("WavCardUp"));
    }
}

TEST_F(DaemonPlay, WasteAndReserveMoveByTwoClicksInTheClickModes)
{
    for (int mode = 0; mode <= 1; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"8п"});
        g5test::SetPile(2, {"Кк"});
        g5test::SetPile(3, {"Кб"});
        g5test::SetPile(4, {"5к"});
        SetReserve({"4п", "Дч"});
        g5test::SetStock({"9п"});
        g5test::SetWaste({"7ч"});
        Paint();
        const int flights = flightSteps;
        Click(Waste());
        EXPECT_EQ(SelectedPile, 1);
        Click(TopOf(1));
        EXPECT_EQ(PileCards[1][2], g5test::Cd("7ч"));
        EXPECT_EQ(SelectedPile, 0);
        Click(Reserve());
        EXPECT_EQ(SelectedPile, 2);
        Click(TopOf(3)); // a red queen on a red king: refused, still selected
        EXPECT_EQ(SelectedPile, 2);
        Click(TopOf(2));
        EXPECT_EQ(PileCards[2][2], g5test::Cd("Дч"));
        EXPECT_EQ(MoveCounter, 2);
        EXPECT_EQ(flightSteps > flights, mode == 1);
        EXPECT_EQ(DemonReserveCount, 1);
    }
}

TEST_F(DaemonPlay, AnAutoFillThatTakesTheSelectedReserveCardEndsTheSelection)
{
    Deal(0);
    Empty();
    g5test::SetPile(1, {"Вк"});
    g5test::SetPile(2, {"5п"});
    g5test::SetPile(3, {"8ч"});
    g5test::SetPile(4, {"2п"});
    g5test::SetFoundation(1, {"Тп"});
    g5test::SetFoundation(2, {"Тч"});
    g5test::SetFoundation(3, {"Тк"});
    g5test::SetFoundation(4, {"Тб"});
    SetReserve({"3б", "9б"});
    g5test::SetStock({"9к"});
    Paint();
    Click(Reserve());
    ASSERT_EQ(SelectedPile, 2);
    // The two of spades goes home; the auto-fill puts the selected nine into the column
    // it left, and the selection with its frame goes with the card.
    DoubleClick(TopOf(4));
    EXPECT_EQ(FoundationCards[1][2], g5test::Cd("2п"));
    EXPECT_EQ(PileCards[4][1], g5test::Cd("9б"));
    EXPECT_EQ(SelectedPile, 0);
    const QImage shown = Shown().copy();
    Paint();
    EXPECT_EQ(Text(Difference(shown, Shown())), "none");
}

TEST_F(DaemonPlay, WonWithCardsLeftInTheColumnsLostOnlyInTheThirdPass)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп", "Дч"});
        g5test::SetPile(2, {"9б"});
        g5test::SetFoundation(1, {"Тк", "2к", "3к", "4к", "5к", "6к", "7к"});
        g5test::SetWaste({"8к"});
        Paint();
        if (mode == 2)
            Drag(Waste(), Foundation(1));
        else {
            Click(Waste());
            Click(Foundation(1));
        }
        if (mode != 2) {
            EXPECT_EQ(FoundationCounts[1], 9);
        }
        ExpectRoundEnded(true);
    }
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Celebration::StopWinBalloons();
        Deal(mode);
        Empty();
        g5test::SetPile(1, {"Кп"});
        g5test::SetPile(2, {"Кк"});
        g5test::SetPile(3, {"Дп"});
        g5test::SetPile(4, {"8к"});
        SetReserve({"Вк"});
        g5test::SetStock({"3б"});
        Paint();
        PassCount = 2;
        Click(Stock());
        EXPECT_FALSE(GameOver);
        Click(Stock()); // the third pass: nothing fits anywhere
        EXPECT_EQ(PassCount, 3);
        Click(Stock());
        ExpectRoundEnded(false);
    }
}

TEST_F(DaemonPlay, ADoubleClickDuringARunDragPutsTheRunBackFirst)
{
    Deal(2);
    Empty();
    g5test::SetPile(1, {"Кп", "Дч", "Вп"});
    g5test::SetPile(2, {"7ч"});
    g5test::SetPile(3, {"8ч"});
    g5test::SetPile(4, {"9ч"});
    SetReserve({"9к", "5б"});
    g5test::SetStock({"9ч"});
    Paint();
    Press(Slot(1, 2));
    Move(Slot(1, 2) + QPoint(60, 80));
    ASSERT_TRUE(DragActive);
    Press(TopOf(2)); // no second lift
    EXPECT_EQ(PileCounts[2], 2);
    EXPECT_EQ(PileCounts[1], 2);
    DoubleClickOnly(TopOf(2));
    // The run is back; the press that follows the double click lifts the seven.
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(PileCards[1][3], g5test::Cd("Вп"));
    Release(TopOf(2));
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(PileCards[2][1], g5test::Cd("7ч"));
    EXPECT_EQ(DemonReserveCount, 2);
}

} // namespace
