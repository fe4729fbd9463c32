// Backbone played through real mouse events: the backbone's free cards, the column and
// foundation rules, the stock's two passes with the turn-back, the give-up (also when
// stock and waste run out in the first pass), the double click, and the ends.
#include "Group3Play.h"

#include "app/RoundEnd.h"
#include "games/group3/Qyv_Help2_3_Play.h"

#include <initializer_list>

using namespace GameState;
using namespace Group3;
using g3test::Cd;

namespace {

class BackbonePlay : public g3test::Group3Play {
protected:
    void Start(int mode) { Group3Play::Start(Backbone, mode); }
    static void Column(int s, int k, std::initializer_list<const char*> list)
    {
        for (int i = 1; i <= 15; ++i) {
            PileCards2[s][k][i] = cards::Empty;
            PileValues2[s][k][i] = cards::EmptyValue;
        }
        BackboneColumnNext[s][k] = g3test::Fill(PileCards2[s][k], PileValues2[s][k], list) + 1;
        RedrawColumn3(s, k);
    }
    static void Foundation(int f, std::initializer_list<const char*> list)
    {
        for (int i = 1; i <= 13; ++i) {
            FoundationCards[f][i] = cards::Empty;
            FoundationValues[f][i] = cards::EmptyValue;
        }
        BackboneFoundationNext[f] = g3test::Fill(FoundationCards[f], FoundationValues[f], list) + 1;
        RedrawFoundation3(f);
    }
    static void Waste(std::initializer_list<const char*> list)
    {
        ClearCards(WasteCards, WasteValues);
        WasteCount = ExtraPileCount = g3test::Fill(WasteCards, WasteValues, list) + 1;
        RedrawReserve3(2);
    }
    static void EmptyStock()
    {
        ClearCards(StockCards, StockValues);
        StockCount = 0;
        RedrawReserve3(1);
    }
    static QPoint ColumnAt(int s, int k) { return At(GridX[s][k], GridY[s][k]); }
    static QPoint FoundationAt(int f) { return At(FoundationPosX[f], FoundationPosY[f]); }
    // Within the card's top strip, which the next card of its row leaves visible.
    static QPoint BoneAt(int r, int i) { return {BackboneX[(r - 1) * 11 + i] + CardWidth / 2, BackboneY[(r - 1) * 11 + i] + 5}; }
    static QPoint WasteAt() { return At(WasteTop3().x(), WasteTop3().y()); }
    static QPoint StockAt() { return At(StockTop3().x(), StockTop3().y()); }
    bool Lifts(QPoint p)
    {
        Press(p);
        const bool lifted = DragActive != 0;
        Release(p);
        return lifted;
    }
};

TEST_F(BackbonePlay, TheTailComesFirstThenEachRowFromSlotTenDown)
{
    Start(2);
    EXPECT_FALSE(Lifts(BoneAt(1, 10)));
    EXPECT_FALSE(Lifts(BoneAt(2, 10)));
    EXPECT_FALSE(Lifts(BoneAt(1, 9)));
    EXPECT_TRUE(Lifts(ColumnAt(2, 3)));
    EXPECT_TRUE(Lifts(BoneAt(1, 11)));
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(Sounds(), "WavDown WavDown");
    // The tail onto an empty column frees both tenth cards.
    Column(1, 1, {});
    const TCardCode tail = BackboneCards[1][11];
    Drag(BoneAt(1, 11), ColumnAt(1, 1));
    EXPECT_EQ(PileCards2[1][1][1], tail);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_TRUE(Lifts(BoneAt(1, 10)));
    EXPECT_TRUE(Lifts(BoneAt(2, 10)));
    EXPECT_FALSE(Lifts(BoneAt(2, 9)));
    Column(2, 4, {});
    Drag(BoneAt(2, 10), ColumnAt(2, 4));
    EXPECT_EQ(BackboneCards[2][10], cards::Empty);
    EXPECT_TRUE(Lifts(BoneAt(2, 9)));
}

TEST_F(BackbonePlay, EmptyColumnsTakeAnyCardAndEmptyFoundationsOnlyAnAce)
{
    Start(2);
    Column(1, 1, {});
    Column(1, 2, {});
    Waste({"Тб", "Кп"});
    Drag(WasteAt(), FoundationAt(3));
    EXPECT_EQ(BackboneFoundationNext[3], 1);
    Drag(WasteAt(), ColumnAt(1, 1));
    EXPECT_EQ(PileCards2[1][1][1], Cd("Кп"));
    Drag(WasteAt(), FoundationAt(3));
    EXPECT_EQ(FoundationCards[3][1], Cd("Тб"));
    Column(2, 2, {"Тк"});
    Drag(ColumnAt(2, 2), ColumnAt(1, 2));
    EXPECT_EQ(PileCards2[1][2][1], Cd("Тк"));
    EXPECT_EQ(MoveCounter, 3);
    // Down in suit on a column, up in suit on a foundation; the thirteenth sounds.
    Foundation(5, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч"});
    Column(2, 3, {"Дп"});
    Waste({"Кч", "Вп"});
    Drag(WasteAt(), ColumnAt(2, 3));
    EXPECT_EQ(BackboneColumnNext[2][3], 3);
    Sounds();
    Drag(WasteAt(), FoundationAt(5));
    EXPECT_EQ(BackboneFoundationNext[5], 14);
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
}

TEST_F(BackbonePlay, TheStockTurnsTwiceWithOneTurnBackAndOffersTheGiveUp)
{
    Start(1);
    const TCardCode first = StockCards[StockCount];
    while (StockCount > 0)
        Click(StockAt());
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Sounds();
    Click(StockAt()); // the turn-back, whatever moves remain
    EXPECT_EQ(Sounds(), "WavStopka");
    EXPECT_EQ(PassCount, 2);
    EXPECT_EQ(StockCount, 75);
    EXPECT_EQ(StockCards[StockCount], first);
    while (StockCount > 1)
        Click(StockAt());
    EXPECT_FALSE(Form1->Button8->isEnabled());
    Click(StockAt());
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    ASSERT_TRUE(Form1->Button8->isEnabled());
    Click(StockAt()); // no third pass
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(WasteCount, 76);
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false);
}

TEST_F(BackbonePlay, StockAndWasteRunningOutInTheFirstPassOfferTheGiveUp)
{
    Start(2);
    EmptyStock();
    Waste({});
    Click(StockAt()); // an empty waste is not turned back
    EXPECT_EQ(PassCount, 1);
    Waste({"Тп"});
    Drag(WasteAt(), FoundationAt(1));
    ASSERT_FALSE(GameOver);
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    EXPECT_TRUE(Form1->Button8->isEnabled());
    // A dead table of the first pass ends as stuck.
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= 4; ++k)
            Column(s, k, {"5б"});
    for (int r = 1; r <= 2; ++r)
        for (int i = 1; i <= 11; ++i) {
            BackboneCards[r][i] = i <= 10 || r == 1 ? Cd("9к") : cards::Empty;
            BackboneValues[r][i] = i <= 10 || r == 1 ? 8 : cards::EmptyValue;
        }
    RedrawBackbone();
    Drag(ColumnAt(1, 1), ColumnAt(1, 2));
    ExpectRoundEnded(false);
}

TEST_F(BackbonePlay, TheDoubleClickWorksInDragModeOnlyToTheHighestFoundation)
{
    Start(0);
    Waste({"Тк"});
    Click(WasteAt());
    ASSERT_TRUE(SourceSelected);
    PozDblClick(); // the handler alone: the window's press after it is a press like any
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(WasteCount, 2);
    Click(StockAt()); // with the waste selected the stock does nothing
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(StockCount, 75);
    EXPECT_TRUE(SourceSelected);
    Click(WasteAt());
    ASSERT_FALSE(SourceSelected);
    Settings::MoveMode = 2;
    DoubleClick(WasteAt());
    EXPECT_EQ(BackboneFoundationNext[8], 2);
    EXPECT_EQ(FoundationCards[8][1], Cd("Тк"));
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(BackbonePlay, ADoubleClickFindingADragPendingPutsTheCardBack)
{
    Start(2);
    const TCardCode top = PileCards2[1][3][1];
    Press(ColumnAt(1, 3));
    ASSERT_TRUE(DragActive);
    DoubleClickOnly({2, 2});
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(PileCards2[1][3][1], top);
    EXPECT_EQ(BackboneColumnNext[1][3], 2);
    Release({2, 2});
}

TEST_F(BackbonePlay, TheGameIsWonByTheLastKingInEveryMode)
{
    const char* hearts[] = {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"};
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        for (int f = 1; f <= 8; ++f) {
            for (int i = 1; i <= 13; ++i) {
                FoundationCards[f][i] = Cd(hearts[i - 1]);
                FoundationValues[f][i] = Byte(i - 1);
            }
            BackboneFoundationNext[f] = 14;
        }
        FoundationCards[8][13] = cards::Empty;
        FoundationValues[8][13] = cards::EmptyValue;
        BackboneFoundationNext[8] = 13;
        Column(2, 1, {"Кч"});
        Play(ColumnAt(2, 1), FoundationAt(8));
        ExpectRoundEnded(true);
    }
}

} // namespace
