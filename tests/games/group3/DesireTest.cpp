// Desire played through real mouse events: the circular foundation rule, the reserve
// deal, the carries that come back, the double click, and the won and lost ends with
// the "WavStopka" of a dry table while reserves remain.
#include "Group3Play.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_34_Desire.h"

#include <array>
#include <vector>

using namespace GameState;
using namespace Group3;
using Scaling::Scaled;

namespace {

class DesirePlay : public g3test::Group3Play {
protected:
    void Start(int mode, double zoom = 1.0) { Group3Play::Start(Desire, mode, zoom); }
    // Columns from slot 1 up, the foundations' cards, and only the reserves listed left.
    void Lay(const std::array<std::vector<const char*>, 8>& columns, const std::array<const char*, 8>& foundations,
             std::initializer_list<int> reservesLeft = {})
    {
        for (int c = 1; c <= 8; ++c) {
            for (int s = 1; s <= 12; ++s)
                PileCards[c][s] = cards::Empty;
            int n = 0;
            for (const char* card : columns[std::size_t(c - 1)])
                PileCards[c][++n] = g3test::Cd(card);
            PileCounts[c] = n;
            FoundationCards[c][1] = g3test::Cd(foundations[std::size_t(c - 1)]);
        }
        for (int r = 1; r <= 11; ++r) {
            const bool left = std::find(reservesLeft.begin(), reservesLeft.end(), r) != reservesLeft.end();
            if (!left) {
                for (int s = 1; s <= 8; ++s)
                    DesireReserveCards[r][s] = cards::Empty;
                DesireReserveCounts[r] = 0;
            }
        }
        PaintTable3();
    }
    static QPoint Top(int c) { return Mid(PosX[c], PosY[c] + 2 * std::max(0, PileCounts[c] - 1)); }
    static QPoint FoundationAt(int f) { return Mid(FoundationPosX[f], FoundationPosY[f]); }
    static QPoint ReserveAt(int r) { return Mid(DesireReserveX[r], DesireReserveY[r]); }
    // A table where no column top goes up: every foundation shows a two, no column a three.
    void LayBlocked(std::initializer_list<int> reservesLeft)
    {
        Lay({{{"5ч", "9п"}, {"7к"}, {"8б"}, {"1п"}, {"Вч"}, {"Дб"}, {"Кк"}, {"Тп"}}},
            {"2ч", "2б", "2к", "2п", "2ч", "2б", "2к", "2п"}, reservesLeft);
    }
};

TEST(DesireRule, EachRankTakesTheNextAndTheKingTakesTheAce)
{
    const char* ranks[] = {"Т", "2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д", "К"};
    for (int i = 0; i < 13; ++i) {
        const std::string top = std::string(ranks[i]) + "п";
        const std::string next = std::string(ranks[(i + 1) % 13]) + "ч"; // suits never matter
        const std::string same = std::string(ranks[i]) + "ч";
        const std::string twoUp = std::string(ranks[(i + 2) % 13]) + "п";
        SCOPED_TRACE(top);
        EXPECT_TRUE(DesireFits(g3test::Cd(next.c_str()), g3test::Cd(top.c_str())));
        EXPECT_FALSE(DesireFits(g3test::Cd(same.c_str()), g3test::Cd(top.c_str())));
        EXPECT_FALSE(DesireFits(g3test::Cd(twoUp.c_str()), g3test::Cd(top.c_str())));
    }
    EXPECT_FALSE(DesireFits(cards::Empty, g3test::Cd("Кп")));
}

TEST_F(DesirePlay, AReserveDealsItsTopOntoColumnOneAndItsBottomOntoColumnEight)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        const TCardCode top = DesireReserveCards[4][8];
        const TCardCode bottom = DesireReserveCards[4][1];
        Click(ReserveAt(4));
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCounts[8], 2);
        EXPECT_EQ(PileCards[1][2], top);
        EXPECT_EQ(PileCards[8][2], bottom);
        EXPECT_EQ(DesireReserveCounts[4], 0);
        EXPECT_TRUE(Sounds().startsWith(Times("WavCardUp", 8)));
        EXPECT_EQ(flightSteps > 0, mode != 0);
        // A dealt reserve is inert.
        flightSteps = 0;
        Click(ReserveAt(4));
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(Sounds(), "");
        EXPECT_EQ(flightSteps, 0);
    }
}

TEST_F(DesirePlay, AReserveDealtWhileAColumnIsSelectedDropsTheSelection)
{
    Start(0);
    Click(Top(3));
    ASSERT_TRUE(SourceSelected);
    Click(ReserveAt(1));
    EXPECT_FALSE(SourceSelected);
    EXPECT_EQ(PileCounts[3], 2);
    // The column shows its two cards without the mark: as a fresh paint draws it.
    const QRect column(PosX[3], PosY[3], CardWidth + 1, CardHeight + 25);
    const QImage shown = Shown().copy(column);
    RedrawColumn3(3, 0);
    EXPECT_EQ(Text(Difference(shown, Shown().copy(column))), "none");
}

TEST_F(DesirePlay, ABlockedTableWithReservesLeftRunsDryAndWithoutThemIsLost)
{
    // Click modes: a selection is an action of the press.
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Start(mode);
        LayBlocked({7});
        Click(Top(1));
        EXPECT_EQ(Sounds(), "WavDown WavStopka");
        EXPECT_FALSE(GameOver);
        Click(Top(1));
        EXPECT_EQ(Sounds(), "WavCancel WavStopka");
        EXPECT_FALSE(GameOver);
        LayBlocked({});
        Click(Top(2));
        ExpectRoundEnded(false, nullptr);
    }
    // Drag mode: the release of any carried card is the action.
    Start(2);
    LayBlocked({7});
    Drag(Top(1), Top(1) + QPoint(3, 3));
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
    EXPECT_FALSE(GameOver);
    LayBlocked({});
    Drag(Top(1), Top(1) + QPoint(3, 3));
    ExpectRoundEnded(false, nullptr);
}

TEST_F(DesirePlay, AColumnCardGoesUpInEveryModeAndTheLastOneWins)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Lay({{{"Тч"}, {}, {}, {}, {}, {}, {}, {}}}, {"5ч", "Кп", "Кб", "9п", "9ч", "2п", "3к", "4к"});
        if (mode == 2)
            Drag(Top(1), FoundationAt(3));
        else {
            Click(Top(1));
            Click(FoundationAt(3)); // the lowest that takes it is 2, but the player chose 3
        }
        EXPECT_EQ(FoundationCards[3][1], g3test::Cd("Тч"));
        EXPECT_EQ(FoundationCards[2][1], g3test::Cd("Кп"));
        EXPECT_EQ(PileCounts[1], 0);
        EXPECT_EQ(flightSteps > 0, mode == 1);
        EXPECT_EQ(MoveCounter, 0);
        ExpectRoundEnded(true, nullptr);
        EXPECT_TRUE(Sounds().isEmpty());
    }
}

TEST_F(DesirePlay, ADoubleClickSendsTheTopToTheLowestTakingFoundationOnlyInDragMode)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Lay({{{"9п", "Тч"}, {"5к"}, {}, {}, {}, {}, {}, {}}}, {"5ч", "Кп", "Кб", "9п", "9ч", "2п", "3к", "4к"}, {1});
        DoubleClick(Top(1));
        if (mode == 2) {
            EXPECT_EQ(FoundationCards[2][1], g3test::Cd("Тч"));
            EXPECT_EQ(PileCounts[1], 1);
            EXPECT_GT(flightSteps, 0);
        } else {
            EXPECT_EQ(FoundationCards[2][1], g3test::Cd("Кп"));
            EXPECT_EQ(PileCounts[1], 2);
        }
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(DesirePlay, ARefusedCarryFliesBackOnlyFromAfarAndSoundsOnlyBeyondThirty)
{
    // The flight is judged by the sprite's corner (CardInset outside the card), the sound
    // by the pointer's way from the press.
    struct Case {
        int carry;
        bool flies;
        bool sounds;
    };
    Start(2); // the layout sets CardInset
    const int s20 = Scaled(20) + CardInset, s30 = Scaled(30);
    for (const Case& c : {Case{s20 - 1, false, s20 - 1 > s30}, Case{s20, true, s20 > s30}, Case{s30, s30 >= s20, false},
                          Case{s30 + 1, true, true}}) {
        SCOPED_TRACE(c.carry);
        Start(2);
        LayBlocked({7});
        flightSteps = 0;
        const QPoint from = Top(5);
        Drag(from, from + QPoint(c.carry, 0));
        EXPECT_EQ(PileCounts[5], 1);
        EXPECT_EQ(PileCards[5][1], g3test::Cd("Вч"));
        EXPECT_EQ(flightSteps > 0, c.flies);
        EXPECT_EQ(Sounds(), c.sounds ? "WavDown WavCancel WavStopka" : "WavDown WavStopka");
    }
}

TEST_F(DesirePlay, TheCursorShowsTheHandOverWhatAPressWouldTake)
{
    Start(0);
    Lay({{{"Тч"}, {"5к"}, {}, {}, {}, {}, {}, {}}}, {"5ч", "Кп", "Кб", "9п", "9ч", "2п", "3к", "4к"}, {2});
    EXPECT_TRUE(HandAt(Top(1)));
    EXPECT_TRUE(HandAt(ReserveAt(2)));
    EXPECT_FALSE(HandAt(ReserveAt(3)));
    EXPECT_FALSE(HandAt(FoundationAt(2)));
    Click(Top(1));
    EXPECT_TRUE(HandAt(FoundationAt(2)));
    EXPECT_FALSE(HandAt(FoundationAt(1)));
    EXPECT_FALSE(HandAt(Top(2)));
}

} // namespace
