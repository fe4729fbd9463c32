// Algerian patience played through real mouse events on the offscreen table: the stock's
// deals, the two halves of foundations, the King-Ace pair, drops near the foundations,
// the give-up and both ends.
#include "Group5Play.h"

#include "app/RoundEnd.h"
#include "foundation/FanSteps.h"
#include "games/group5/Qyv_46_Alzhir.h"

using namespace GameState;
using namespace Group5;
using Scaling::Scaled;

namespace {

class AlzhirPlay : public g5test::Group5Play {
protected:
    void Deal(int mode) { DealGame(Alzhir, mode); }
    static void Paint()
    {
        for (int p = 1; p <= 8; ++p) {
            ColumnStep[p] = AlzhirFanStep(p);
            RedrawColumn5(p, 0);
        }
        for (int r = 11; r <= 16; ++r)
            RedrawColumn5(r, 0);
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
        RedrawKoloda5(0);
    }
    static void SetReserve(int r, std::initializer_list<const char*> list)
    {
        int s = 0;
        for (const char* c : list) {
            ++s;
            AlzhirReserveCards[r][s] = g5test::Cd(c);
            AlzhirReserveValues[r][s] = g5test::ValueOf(AlzhirReserveCards[r][s]);
        }
        AlzhirReserveCounts[r] = s + 1;
    }
    // Columns 3-8 hold cards that neither follow each other nor go home.
    static void DeadColumns()
    {
        const char* cards[] = {"5к", "9б", "7п", "3б", "Вк", "5п"};
        for (int p = 3; p <= 8; ++p)
            g5test::SetPile(p, {cards[p - 3]});
    }
    static QPoint TopOf(int p) { return Mid(AlzhirColumnX(p), AlzhirTopY(p)); }
    static QPoint Reserve(int r) { return Mid(AlzhirReserveX[r], AlzhirReserveY); }
    static QPoint Foundation(int f) { return Mid(FoundationX[f], FoundationY); }
    static QPoint Stock() { return Mid(AuxPile2X + 8, AuxPile2Y); }
    void Play(int mode, QPoint from, QPoint to)
    {
        if (mode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }
    static int CardsOnTable()
    {
        int n = StockCount;
        for (int p = 1; p <= 8; ++p)
            n += PileCounts[p] - 1;
        for (int r = 1; r <= 6; ++r)
            n += AlzhirReserveCounts[r] - 1;
        for (int f = 1; f <= 8; ++f)
            n += FoundationCounts[f] - 1;
        return n + (DragActive ? 1 : 0);
    }
};

TEST_F(AlzhirPlay, FourStockClicksFeedTheReservesAndTheFifthTheColumns)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        ASSERT_EQ(StockCount, 56);
        int columns[9] = {};
        for (int p = 1; p <= 8; ++p)
            columns[p] = PileCounts[p];
        for (int click = 1; click <= 4; ++click) {
            Click(Stock());
            for (int r = 1; r <= 6; ++r)
                EXPECT_EQ(AlzhirReserveCounts[r], 7 + 2 * click);
        }
        EXPECT_EQ(StockCount, 8);
        EXPECT_FALSE(Form1->Button8->isEnabled());
        Click(Stock());
        EXPECT_EQ(StockCount, 0);
        for (int p = 1; p <= 8; ++p) {
            EXPECT_EQ(PileCounts[p], columns[p] + 1);
            EXPECT_EQ(ColumnStep[p], AlzhirFanStep(p));
        }
        Click(Stock());
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_EQ(CardsOnTable(), 104);
        if (!GameOver) {
            EXPECT_TRUE(Form1->Button8->isEnabled());
            EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        }
    }
}

TEST_F(AlzhirPlay, EachHalfStartsASuitOnce)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetFoundation(2, {"Тч"});
        g5test::SetFoundation(6, {"Кп"});
        g5test::SetPile(1, {"Тч"});
        g5test::SetPile(2, {"Кп"});
        g5test::SetPile(3, {"Тб"});
        g5test::SetStock({"2б"});
        Paint();
        Play(mode, TopOf(1), Foundation(3));
        if (mode != 2)
            Click(TopOf(1)); // the refused selection taken back
        Play(mode, TopOf(2), Foundation(7));
        if (mode != 2)
            Click(TopOf(2));
        EXPECT_EQ(FoundationCounts[3], 1);
        EXPECT_EQ(FoundationCounts[7], 1);
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCounts[2], 2);
        // A suit the half has not started yet goes there.
        Play(mode, TopOf(3), Foundation(3));
        EXPECT_EQ(FoundationCards[3][1], g5test::Cd("Тб"));
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_EQ(SelectedPile, 0);
    }
}

TEST_F(AlzhirPlay, KingAndAceFollowEachOtherWithoutTheHandCursor)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetFoundation(1, {"Тб", "2б"});
        g5test::SetFoundation(5, {"Кб"});
        g5test::SetPile(1, {"9к", "Тб"});
        g5test::SetPile(2, {"Кб"});
        DeadColumns();
        SetReserve(1, {"Тб"});
        g5test::SetStock({"2п"});
        Paint();
        // The King onto the Ace, then an Ace onto that King.
        if (mode == 2) {
            Press(TopOf(2));
            Move(TopOf(1));
            EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorArrow);
            Release(TopOf(1));
        } else {
            Click(TopOf(2));
            Move(TopOf(1), Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->cursor().shape(), Kit::CursorOf(Kit::CursorArrow).shape());
            Click(TopOf(1));
        }
        EXPECT_EQ(PileCounts[1], 4);
        EXPECT_EQ(PileCounts[2], 1);
        Play(mode, Reserve(1), TopOf(1));
        EXPECT_EQ(PileCounts[1], 5);
        EXPECT_EQ(AlzhirReserveCounts[1], 1);
        EXPECT_EQ(MoveCounter, 2);
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(AlzhirPlay, AReleaseInTheFoundationZoneNeverDropsOnAColumn)
{
    Deal(2);
    Empty();
    g5test::SetPile(5, {"7ч"});
    g5test::SetPile(1, {"9к", "8ч"});
    g5test::SetStock({"2п"});
    Paint();
    // Pressed near the card's corner, released just inside the foundation zone with
    // the card's corner a few pixels from column 5's top.
    const QPoint press(AlzhirColumnX(1) + 5, AlzhirTopY(1) + 5);
    const QPoint release(AlzhirColumnX(5) + 5, FoundationY + CardHeight - 2);
    Drag(press, release);
    EXPECT_EQ(PileCounts[5], 2);
    EXPECT_EQ(PileCounts[1], 3);
    EXPECT_EQ(MoveCounter, 0);
    // The same release below the zone lays it on the column.
    Drag(press, release + QPoint(0, 4));
    EXPECT_EQ(PileCounts[5], 3);
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(AlzhirPlay, ATableWhoseOnlyMoveIsAKingAcePairGoesOn)
{
    Deal(0);
    Empty();
    g5test::SetFoundation(1, {"Тч", "2ч"});
    g5test::SetFoundation(5, {"Кч", "Дч"});
    g5test::SetPile(1, {"Тч"});
    g5test::SetPile(2, {"Кч"});
    DeadColumns();
    Paint();
    int count = 0;
    EXPECT_FALSE(CountMoves5(count));
    EXPECT_EQ(count, 2);
    Click(TopOf(3));
    Click(TopOf(3));
    EXPECT_FALSE(GameOver);
    // Without the pair the same table is lost.
    g5test::SetPile(2, {"6б"});
    Paint();
    Click(TopOf(3));
    ExpectRoundEnded(false);
}

TEST_F(AlzhirPlay, TheDoubleClickSendsTheTopHomeInDragModeOnly)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::SetPile(3, {"9к", "Кб"});
        SetReserve(2, {"Тб"});
        g5test::SetStock({"2п"});
        Paint();
        DoubleClick(TopOf(3));
        DoubleClick(Reserve(2));
        EXPECT_EQ(FoundationCounts[5], mode == 2 ? 2 : 1);
        EXPECT_EQ(FoundationCounts[1], mode == 2 ? 2 : 1);
        EXPECT_EQ(MoveCounter, mode == 2 ? 2 : 0);
        EXPECT_EQ(SelectedPile, 0);
    }
}

TEST_F(AlzhirPlay, TheLastFoundationCardWinsInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        Empty();
        g5test::FillFoundation(1, cards::SuitHearts);
        g5test::FillFoundation(2, cards::SuitDiamonds);
        g5test::FillFoundation(3, cards::SuitClubs);
        g5test::FillFoundation(4, cards::SuitSpades);
        g5test::FillFoundation(5, cards::SuitHearts, true);
        g5test::FillFoundation(6, cards::SuitDiamonds, true);
        g5test::FillFoundation(7, cards::SuitClubs, true);
        g5test::SetFoundation(8, {"Кп", "Дп", "Вп", "1п", "9п", "8п", "7п", "6п", "5п", "4п", "3п", "2п"});
        SetReserve(4, {"Тп"});
        Paint();
        Play(mode, Reserve(4), Foundation(8));
        ExpectRoundEnded(true);
    }
}

TEST_F(AlzhirPlay, TheGiveUpIsThereOnceTheStockIsUsedUpAndNothingIsSelected)
{
    Deal(1);
    Empty();
    g5test::SetPile(1, {"5ч", "9ч"});
    g5test::SetPile(2, {"8ч"});
    g5test::SetPile(3, {"Кк"});
    Paint();
    // An empty column keeps a move open for ever: only the give-up ends this game.
    Click(TopOf(2));
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(TopOf(1));
    EXPECT_EQ(PileCounts[1], 4);
    ASSERT_FALSE(GameOver);
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Click(TopOf(3));
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(TopOf(3));
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Sounds();
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false, &Texts::TxtExitToMenu);
}

} // namespace
