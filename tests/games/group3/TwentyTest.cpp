// Twenty played through real mouse events: the odd and even foundations, the refill of
// an emptied place, the stock's rounds and backs, place moves once the stock is empty,
// and the won, dry and lost ends.
#include "Group3Play.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_35_20.h"

#include <vector>

using namespace GameState;
using namespace Group3;
using Scaling::Scaled;

namespace {

class TwentyPlay : public g3test::Group3Play {
protected:
    void Start(int mode, double zoom = 1.0) { Group3Play::Start(Twenty, mode, zoom); }
    static QPoint Place(int c, int r) { return Mid(GridX[c][r], GridY[c][r] + 2 * std::max(0, TwentyPileNext[c][r] - 2)); }
    static QPoint FoundationAt(int f) { return Mid(FoundationPosX[f], FoundationPosY[f]); }
    // Place [c, r] holds `list`, bottom first.
    static void SetPlace(int c, int r, std::initializer_list<const char*> list)
    {
        for (int s = 1; s <= 5; ++s) {
            PileCards2[c][r][s] = cards::Empty;
            PileValues2[c][r][s] = cards::EmptyValue;
        }
        TwentyPileNext[c][r] = g3test::Fill(PileCards2[c][r], PileValues2[c][r], list) + 1;
    }
    // The stock holds `list`, bottom first.
    static void SetStock(std::initializer_list<const char*> list)
    {
        ClearCards(StockCards, StockValues);
        StockCount = g3test::Fill(StockCards, StockValues, list);
        ExtraPileCount = std::min(4, (StockCount + 19) / 20);
    }
    // Every place holds one card that fits no foundation (foundations as dealt).
    static void FillDead()
    {
        const char* dead[] = {"5ч", "6ч", "7ч", "8ч", "9ч", "5б", "6б", "7б", "8б", "9б",
                              "5к", "6к", "7к", "8к", "9к", "5п", "6п", "7п", "8п", "9п"};
        int i = 0;
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r)
                if (!(c == 7 && r == 3))
                    SetPlace(c, r, {dead[i++]});
    }
    static void Paint() { PaintTable3(); }
};

TEST(TwentyRule, OddFoundationsBuildUpAndEvenOnesDownInSuit)
{
    g3test::EmptyTable(Twenty);
    g3test::SetFoundation(1, {"Тч", "2ч"});
    g3test::SetFoundation(2, {"Кч", "Дч"});
    g3test::SetFoundation(3, {"Тб", "2б", "3б", "4б", "5б", "6б", "7б", "8б", "9б", "1б", "Вб", "Дб", "Кб"});
    g3test::SetFoundation(4, {"Кб"});
    struct Case {
        int f;
        const char* card;
        bool takes;
    } cases[] = {{1, "3ч", true},  {1, "3б", false}, {1, "Тч", false}, {2, "Вч", true}, {2, "Кч", false},
                 {2, "Вп", false}, {3, "Тб", false}, {4, "Дб", true},  {4, "Тб", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.f << " " << c.card);
        const TCardCode card = g3test::Cd(c.card);
        EXPECT_EQ(TwentyFoundationTakes(c.f, card, g3test::ValueOf(card)), c.takes);
    }
}

TEST_F(TwentyPlay, AFoundationMoveThatEmptiesAPlaceRefillsItFromTheStock)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        SetPlace(2, 2, {"2ч"});
        Paint();
        const TCardCode next = StockCards[StockCount];
        const int stock = StockCount;
        if (mode == 2)
            Drag(Place(2, 2), FoundationAt(1));
        else {
            Click(Place(2, 2));
            Click(FoundationAt(1));
        }
        EXPECT_EQ(FoundationCounts[1], 3);
        EXPECT_EQ(FoundationCards[1][2], g3test::Cd("2ч"));
        EXPECT_EQ(PileCards2[2][2][1], next);
        EXPECT_EQ(TwentyPileNext[2][2], 2);
        EXPECT_EQ(StockCount, stock - 1);
        EXPECT_FALSE(SourceSelected);
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
        EXPECT_EQ(MoveCounter, 0);
    }
}

TEST_F(TwentyPlay, TheStockDealsFourRoundsLosingABackAtSixtyFortyTwentyAndNought)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EXPECT_EQ(StockCount, 76);
        EXPECT_EQ(ExtraPileCount, 4);
        const QPoint stock = Mid(GridX[7][3], GridY[7][3]);
        for (int backs : {3, 2, 1}) {
            Click(stock);
            EXPECT_EQ(ExtraPileCount, backs);
            EXPECT_EQ(Sounds(), Times("WavCardUp", 20));
        }
        EXPECT_EQ(StockCount, 16);
        EXPECT_EQ(TwentyPileNext[1][1], 5);
        Click(stock);
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(ExtraPileCount, 0);
        EXPECT_EQ(Sounds().count("WavCardUp"), 16);
        // The last round reaches [1, 1] to [6, 1].
        EXPECT_EQ(TwentyPileNext[6][1], 6);
        EXPECT_EQ(TwentyPileNext[6][2], 5);
        EXPECT_EQ(TwentyPileNext[7][2], 5);
        EXPECT_EQ(flightSteps > 0, mode != 0);
        Click(stock); // nothing left to deal
        EXPECT_EQ(TwentyPileNext[1][1], 6);
    }
}

TEST_F(TwentyPlay, AShortLastRoundLeavesNoMarkOnAPlaceItDidNotReach)
{
    Start(0);
    SetStock({"5ч", "6ч"});
    Paint();
    const QImage plain = Shown().copy();
    Click(Place(7, 2));
    ASSERT_TRUE(SourceSelected);
    Click(Mid(GridX[7][3], GridY[7][3]));
    EXPECT_FALSE(SourceSelected);
    EXPECT_EQ(StockCount, 0);
    const QRect place(GridX[7][2], GridY[7][2], CardWidth + 1, CardHeight + 11);
    EXPECT_EQ(Text(Difference(plain.copy(place), Shown().copy(place))), "none");
}

TEST_F(TwentyPlay, WhileTheStockLastsAPressOnAnotherPlaceKeepsTheSelection)
{
    Start(0);
    Click(Place(1, 1));
    const TCardCode a = PileCards2[1][1][1];
    Click(Place(3, 2));
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(HitPile, 1);
    EXPECT_EQ(HitPos, 1);
    EXPECT_EQ(PileCards2[1][1][1], a);
    EXPECT_EQ(TwentyPileNext[3][2], 2);
}

TEST_F(TwentyPlay, ACompleteAscendingFoundationRefusesTheAceOfItsSuitAndShowsNoHand)
{
    Start(0);
    const char* hearts[] = {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"};
    for (int s = 1; s <= 13; ++s) {
        FoundationCards[1][s] = g3test::Cd(hearts[s - 1]);
        FoundationValues[1][s] = g3test::ValueOf(FoundationCards[1][s]);
    }
    FoundationCounts[1] = 14;
    SetPlace(4, 1, {"Тч"});
    Paint();
    Click(Place(4, 1));
    EXPECT_FALSE(HandAt(FoundationAt(1)));
    Click(FoundationAt(1));
    EXPECT_EQ(FoundationCounts[1], 14);
    EXPECT_TRUE(SourceSelected);
}

TEST_F(TwentyPlay, ADoubleClickOnTheStockOrAnEmptyPlaceChangesNothing)
{
    Start(2);
    StockCount = 0;
    ExtraPileCount = 0;
    FillDead();
    SetPlace(2, 3, {});
    SetPlace(5, 1, {"2ч"});
    Paint();
    DoubleClick(Mid(GridX[7][3], GridY[7][3]));
    DoubleClick(Place(2, 3));
    EXPECT_EQ(FoundationCounts[1], 2);
    EXPECT_EQ(TwentyPileNext[2][3], 1);
    DoubleClick(Place(5, 1));
    EXPECT_EQ(FoundationCounts[1], 3);
    EXPECT_EQ(TwentyPileNext[5][1], 1);
}

TEST_F(TwentyPlay, ADeadTableRunsDryWhileTheStockLastsAndIsLostWithoutIt)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        FillDead();
        SetStock({"5ч", "6ч"});
        Paint();
        if (mode == 2)
            Drag(Place(1, 1), Place(1, 1) + QPoint(2, 2));
        else
            Click(Place(1, 1));
        EXPECT_EQ(Sounds(), "WavDown WavStopka");
        EXPECT_FALSE(GameOver);
        SetStock({});
        Paint();
        if (mode == 2)
            Drag(Place(1, 1), Place(1, 1) + QPoint(2, 2));
        else
            Click(Place(1, 1));
        ExpectRoundEnded(false, nullptr);
    }
}

TEST_F(TwentyPlay, LoneCardsBesideAnEmptyPlaceAreNoMove)
{
    // Only lone cards could move to the empty place: that changes nothing, so the game
    // is lost; with a place of two the move counts.
    for (bool pairOnAPlace : {false, true}) {
        SCOPED_TRACE(pairOnAPlace);
        Start(0);
        FillDead();
        SetStock({});
        SetPlace(3, 3, {});
        if (pairOnAPlace)
            SetPlace(1, 1, {"5ч", "9к"});
        Paint();
        Click(Place(2, 1));
        if (pairOnAPlace) {
            EXPECT_FALSE(GameOver);
            Click(Place(3, 3)); // a place move once the stock is empty
            EXPECT_EQ(TwentyPileNext[3][3], 2);
            EXPECT_EQ(TwentyPileNext[2][1], 1);
        } else {
            ExpectRoundEnded(false, nullptr);
        }
    }
}

TEST_F(TwentyPlay, TheLastFoundationCardWinsInEveryMode)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        const char* up[] = {"Т", "2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д", "К"};
        const char* suits[] = {"ч", "б", "к", "п"};
        std::vector<std::string> names;
        names.reserve(8 * 13);
        for (int f = 1; f <= 8; ++f) {
            const std::string suit = suits[(f - 1) / 2];
            for (int s = 1; s <= 13; ++s) {
                names.push_back(std::string(f % 2 ? up[s - 1] : up[13 - s]) + suit);
                FoundationCards[f][s] = g3test::Cd(names.back().c_str());
                FoundationValues[f][s] = g3test::ValueOf(FoundationCards[f][s]);
            }
            FoundationCounts[f] = 14;
        }
        // Foundation 8 (spades, down) waits for its Ace.
        FoundationCards[8][13] = cards::Empty;
        FoundationValues[8][13] = cards::EmptyValue;
        FoundationCounts[8] = 13;
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 3; ++r)
                SetPlace(c, r, {});
        SetPlace(4, 2, {"Тп"});
        SetStock({});
        Paint();
        if (mode == 2)
            Drag(Place(4, 2), FoundationAt(8));
        else {
            Click(Place(4, 2));
            Click(FoundationAt(8));
        }
        EXPECT_EQ(flightSteps > 0, mode == 1);
        ExpectRoundEnded(true, nullptr);
    }
}

TEST_F(TwentyPlay, APendingDragLosesNoCardToAnotherPressOrADoubleClick)
{
    Start(2);
    const TCardCode card = PileCards2[2][1][1];
    Press(Place(2, 1));
    ASSERT_TRUE(DragActive);
    Press(Place(5, 2), Qt::RightButton); // its release never came
    Press(Mid(GridX[7][3], GridY[7][3])); // nor a deal while the card is held
    EXPECT_EQ(StockCount, 76);
    DoubleClickOnly({2, 2});
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(PileCards2[2][1][1], card);
    EXPECT_EQ(TwentyPileNext[2][1], 2);
    EXPECT_EQ(TargetCard, cards::Empty);
    Release({2, 2});
}

} // namespace
