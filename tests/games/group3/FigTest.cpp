// Fig. played through real mouse events on the bare table surface in all three move
// modes: drops by the dragged card's corner, the fly-back and its silence near the own
// pile, the click modes, and the won, stuck and given-up ends.
#include "Group3TestSupport.h"

#include "support/PlayTable.h"

#include "app/RoundEnd.h"
#include "app/RoundStart.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "games/group3/Qyv_40_Fig.h"

#include <array>
#include <string>
#include <vector>

using namespace GameState;
using namespace Group3;
using Scaling::Scaled;

namespace {

using Piles = std::array<std::vector<const char*>, 15>;

class FigPlay : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }
    // A dealt round of Fig. in move mode `mode`, released by "To Begin".
    void Start(int mode, double zoom = 1.0)
    {
        BareTable(mode, int(760 * zoom), int(500 * zoom), zoom);
        CurrentGameId = Fig;
        CurrentGroup = 3;
        PlayerSlot = 6;
        SetShuffleSeedForTest(5);
        ASSERT_TRUE(NewDeal3(false));
        RoundStart::Button7Click(*Form1);
        ASSERT_EQ(RoundPhase, 2);
        presenter.dialogs.clear();
        Sounds();
    }
    // The piles of the table replaced, bottom card first, and painted.
    void Lay(const Piles& piles)
    {
        for (int p = 1; p <= 15; ++p) {
            for (int s = 1; s <= 104; ++s) {
                PileCards[p][s] = cards::Empty;
                PileValues[p][s] = cards::EmptyValue;
            }
            int n = 0;
            for (const char* c : piles[std::size_t(p - 1)]) {
                ++n;
                PileCards[p][n] = g3test::Cd(c);
                PileValues[p][n] = g3test::ValueOf(PileCards[p][n]);
            }
            PileCounts[p] = n;
        }
        PaintTable3();
    }
    static QPoint TopOf(int p) { return {FigPileX(p) + CardWidth / 2, FigTopY(p) + CardHeight / 2}; }
    // A drag from pile `from`'s top that leaves the sprite's corner at (x, y).
    void DragCornerTo(int from, int x, int y)
    {
        const QPoint press = TopOf(from);
        Drag(press, press + QPoint(x - FigPileX(from), y - FigTopY(from)));
    }
    // Seven in a row and three of them on pile 2: a seven on pile 1 completes it.
    static Piles Sevens()
    {
        Piles p;
        p[0] = {"5ч", "9п", "8ч", "7к"};
        p[1] = {"7п", "7ч", "7б"};
        p[2] = {"2ч", "3ч", "4ч", "6ч"};
        p[3] = {"6п"};
        p[4] = {"9ч"};
        p[7] = {"9б"};
        return p;
    }
};

TEST_F(FigPlay, DropsByTheCornerCompleteAPileAndRefuseAFullOne)
{
    Start(2);
    Lay(Sevens());
    DragCornerTo(1, FigPileX(2), FigTopY(2));
    EXPECT_EQ(PileCounts[2], 4);
    EXPECT_EQ(PileCounts[1], 3);
    EXPECT_EQ(PileCards[2][4], g3test::Cd("7к"));
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    EXPECT_EQ(MoveCounter, 1);
    // A six onto a full pile topped by a six goes home, flying and sounding.
    DragCornerTo(4, FigPileX(3), FigTopY(3));
    EXPECT_EQ(PileCounts[3], 4);
    EXPECT_EQ(PileCounts[4], 1);
    EXPECT_EQ(PileCards[4][1], g3test::Cd("6п"));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(flightEnd, QPoint(FigPileX(4), FigTopY(4)));
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(TargetCard, cards::Empty);
}

TEST_F(FigPlay, ALoneCardDroppedOnItsOwnEmptiedPileIsNoMove)
{
    Start(2);
    Lay(Sevens());
    Drag(TopOf(4), TopOf(4) + QPoint(6, 4));
    EXPECT_EQ(PileCounts[4], 1);
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(flightSteps, 0);
}

TEST_F(FigPlay, ARefusedCardReturnsSilentlyWithinThirtyOfItsPilesNewTop)
{
    // The sprite's corner (the card's less CardInset) is measured against the top the
    // pile keeps, Scaled(30) above the lifted card: released where it was lifted the card
    // is within reach and comes back silently; carried down until it is farther than
    // Scaled(30), it sounds and flies home.
    for (double zoom : {1.0, 2.0}) {
        for (bool far : {false, true}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << (far ? ", far" : ", where lifted"));
            Start(2, zoom);
            Lay(Sevens());
            const int reach = Scaled(30);
            int down = 0;
            while (far && CardInset * CardInset + (reach - CardInset + down) * (reach - CardInset + down) <= reach * reach)
                ++down;
            flightSteps = 0;
            const int home = FigTopY(1);
            Drag(TopOf(1), TopOf(1) + QPoint(0, down));
            EXPECT_EQ(PileCounts[1], 4);
            EXPECT_EQ(Sounds(), far ? "WavDown WavCancel" : "WavDown");
            EXPECT_EQ(flightSteps > 0, far);
            if (far) {
                EXPECT_EQ(flightEnd, QPoint(FigPileX(1), home));
            }
        }
    }
}

TEST_F(FigPlay, ADropCountsOnlyInsideThePilesArea)
{
    // A nine taken by its right edge, its corner on pile 8's nine, released on the
    // area's right border or one pixel beyond.
    for (int beyond : {0, 1}) {
        SCOPED_TRACE(beyond);
        Start(2);
        Lay(Sevens());
        const QPoint press(FigPileX(5) + CardWidth - 1, FigTopY(5) + 5);
        const int rightBorder = PosX[8] + CardWidth + beyond;
        Drag(press, {rightBorder, press.y() + FigTopY(8) - FigTopY(5)});
        EXPECT_EQ(PileCounts[8], beyond ? 1 : 2);
        EXPECT_EQ(PileCounts[5], beyond ? 1 : 0);
        EXPECT_EQ(Sounds(), beyond ? "WavDown WavCancel" : "WavDown WavCardUp");
    }
}

TEST_F(FigPlay, TheDealsEmptyPilesTakeTheFirstCardsInEveryMode)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        EXPECT_EQ(PileCounts[9], 0);
        EXPECT_EQ(PileCounts[15], 0);
        const TCardCode card = PileCards[1][4];
        flightSteps = 0;
        if (mode == 2) {
            DragCornerTo(1, FigPileX(9), FigTopY(9));
        } else {
            Click(TopOf(1));
            Click(TopOf(9));
        }
        EXPECT_EQ(PileCounts[9], 1);
        EXPECT_EQ(PileCards[9][1], card);
        EXPECT_EQ(PileCounts[1], 3);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_FALSE(SourceSelected);
        EXPECT_EQ(flightSteps > 0, mode == 1);
        if (mode == 1) {
            EXPECT_EQ(flightEnd, QPoint(FigPileX(9), PosY[9]));
        }
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
    }
}

TEST_F(FigPlay, ClickModeKeepsTheSelectionOnARefusingPileAndDeselectsOnItself)
{
    Start(0);
    Lay(Sevens());
    Click(TopOf(4));
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(HitPile, 4);
    Click(TopOf(1)); // a seven does not take a six
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(HitPile, 4);
    EXPECT_EQ(PileCounts[1], 4);
    Click(TopOf(4));
    EXPECT_FALSE(SourceSelected);
    EXPECT_EQ(DragSourcePile, 0);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(MoveCounter, 0);
}

TEST_F(FigPlay, AWinningDropEndsTheGameOnce)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Piles p;
        p[0] = {"7п", "7ч", "7б"};
        p[1] = {"7к"};
        const char* ranks[] = {"2", "3", "4", "5", "6", "8", "9", "1", "В", "Д", "К", "Т"};
        std::vector<std::string> names;
        names.reserve(48);
        for (int i = 0; i < 12; ++i) {
            p[std::size_t(i + 2)].clear();
            for (const char* s : {"ч", "б", "к", "п"}) {
                names.push_back(std::string(ranks[i]) + s);
                p[std::size_t(i + 2)].push_back(names.back().c_str());
            }
        }
        Lay(p);
        if (mode == 2) {
            DragCornerTo(2, FigPileX(1), FigTopY(1));
        } else {
            Click(TopOf(2));
            Click(TopOf(1));
        }
        ExpectRoundEnded(true);
        EXPECT_EQ(MoveCounter, 1);
        Click(TopOf(3)); // the table is closed now
        EXPECT_EQ(PileCounts[3], 4);
        EXPECT_EQ(ScoreWindows(), 1);
    }
}

TEST_F(FigPlay, AStuckTableEndsOnTheNextPressOrRelease)
{
    // Eleven lone cards of eleven values and four full piles topped by the other two.
    Piles p;
    const char* singles[] = {"2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч"};
    for (int i = 0; i < 11; ++i)
        p[std::size_t(i)] = {singles[i]};
    p[11] = {"2п", "3п", "4п", "Кп"};
    p[12] = {"5п", "6п", "7п", "Кб"};
    p[13] = {"8п", "9п", "1п", "Тп"};
    p[14] = {"Вп", "Дп", "2б", "Тб"};
    struct Case {
        int mode;
        bool endsOnPress;
    } cases[] = {{0, true}, {1, true}, {2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Start(c.mode);
        Lay(p);
        Press({2, 2}, Qt::RightButton);
        EXPECT_EQ(GameOver != 0, c.endsOnPress);
        Release({2, 2}, Qt::RightButton);
        ExpectRoundEnded(false);
    }
}

TEST_F(FigPlay, GivingUpEndsTheGameLost)
{
    Start(2);
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
    ASSERT_TRUE(Form1->Button8->isEnabled());
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false);
}

TEST_F(FigPlay, DragCursorShowsTheHandOnlyOverATakingPile)
{
    Start(2);
    Lay(Sevens());
    Press(TopOf(1));
    ASSERT_TRUE(DragActive);
    Move(TopOf(2)); // three sevens take the seven
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorHand);
    Move(TopOf(5));
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorArrow);
    Release(TopOf(1));
}

TEST_F(FigPlay, TheMarkComesAndGoesAndADragLeavesThePileWithoutItsCard)
{
    // VARDELIN_SHOTS names a folder for the pictures of the table to look at.
    const QString shots = qEnvironmentVariable("VARDELIN_SHOTS");
    for (double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Start(0, zoom);
        Click(TopOf(1));
        Click(TopOf(9));
        ASSERT_EQ(PileCounts[9], 1);
        const QImage plain = Shown().copy();
        Click(TopOf(2));
        ASSERT_EQ(HitPile, 2);
        const QImage marked = Shown().copy();
        EXPECT_EQ(Text(Difference(plain, marked)),
                  Text(QRect(FigPileX(2), FigTopY(2), CardWidth + 1, CardHeight + 1) & Difference(plain, marked)));
        EXPECT_NE(Text(Difference(plain, marked)), "none");
        if (!shots.isEmpty())
            marked.save(QStringLiteral("%1/fig-selected-%2.png").arg(shots).arg(zoom));
        Click(TopOf(2));
        if (!shots.isEmpty()) {
            plain.save(QStringLiteral("%1/fig-plain-%2.png").arg(shots).arg(zoom));
            Shown().save(QStringLiteral("%1/fig-unmarked-%2.png").arg(shots).arg(zoom));
        }
        if (zoom == 1.0) {
            EXPECT_EQ(Text(Difference(plain, Shown())), "none");
        }

        Settings::MoveMode = 2;
        const int n = PileCounts[3];
        Press(TopOf(3));
        Move(TopOf(3) + QPoint(Scaled(120), Scaled(40)));
        ASSERT_TRUE(DragActive);
        EXPECT_EQ(PileCounts[3], n - 1);
        if (!shots.isEmpty())
            Shown().save(QStringLiteral("%1/fig-drag-%2.png").arg(shots).arg(zoom));
        Release(TopOf(3));
        EXPECT_EQ(PileCounts[3], n);
    }
}

TEST_F(FigPlay, APendingDragLosesNoCardToASecondPressOrADoubleClick)
{
    Start(2);
    Lay(Sevens());
    Press(TopOf(1));
    ASSERT_TRUE(DragActive);
    Press(TopOf(4), Qt::RightButton); // its release never came
    EXPECT_EQ(PileCounts[4], 1);
    EXPECT_EQ(TargetCard, g3test::Cd("7к"));
    DoubleClickOnly({2, 2}); // where no card lies, so its own press lifts nothing
    EXPECT_FALSE(DragActive);
    EXPECT_EQ(PileCounts[1], 4);
    EXPECT_EQ(PileCards[1][4], g3test::Cd("7к"));
    EXPECT_EQ(TargetCard, cards::Empty);
    Release({2, 2});
    EXPECT_EQ(MoveCounter, 0);
}

} // namespace
