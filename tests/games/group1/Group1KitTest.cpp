// The shared group-1 play kit on its own: the drop options that the games set
// differently, the run tests, where each game's foundations stand, and the stuck end.
#include "PlayTestSupport.h"

#include "games/kit/KitDrag.h"
#include "games/kit/KitEnd.h"

#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"

using namespace GameState;
using namespace Group1;
using play_test::Cd;
using play_test::SetFoundation;
using play_test::SetPile;

namespace {

class Group1KitPlay : public play_test::PlayTable {
protected:
    // Vardelin-Solo: pile 1 a red nine on a face-down card, pile 2 a black ten, pile 3
    // a black jack, foundation 1 holding the eight of hearts.
    void Board()
    {
        Table(VardelinSolo, 2);
        SetPile(1, {"5к", "9ч"}, 1);
        SetPile(2, {"1п"});
        SetPile(3, {"Вк"});
        SetFoundation(1, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч"});
        Paint();
        Sounds();
    }
    // Lifts the top card of pile p as a press at its middle would.
    void Lift(int p)
    {
        const QPoint at = TopCard(p);
        const int s = LastCardIndex1(PileCards[p]);
        const Kit::TLiftFrame frame = PileRunFrame(p, s);
        Kit::PickSoundOn = false;
        ASSERT_TRUE(Kit::TakeUpDrag());
        LiftPileRun(p, s);
        Kit::ShowDragSprite(frame, at.x(), at.y(), true, [p] { RedrawColumn1(p, 0); });
    }
};

TEST_F(Group1KitPlay, DropOptionsOfTheGames)
{
    struct Case {
        const char* what;
        TDropOptions options;
        bool onFoundation; // the target is a foundation, else a pile
        int targetNumber;
        DropResult result;
        int moves;
        const char* sounds;
        int pile1Cards; // after the release, the turned-up card included
        bool tenUnder = false; // pile 1 holds a black ten under the nine, which fits it
    };
    TDropOptions plain;
    TDropOptions counted;
    counted.CountPileDrop = true;
    TDropOptions quietHome;
    quietHome.SoundOnSourcePile = false;
    quietHome.CountPileDrop = true;
    TDropOptions alwaysCancel;
    alwaysCancel.CancelAlways = true;
    TDropOptions noFoundations;
    noFoundations.Foundations = false;
    const std::vector<Case> cases = {
        {"onto a fitting pile", plain, false, 2, DropResult::OnPile, 0, "WavCardUp", 1},
        {"counted onto another pile", counted, false, 2, DropResult::OnPile, 1, "WavCardUp", 1},
        {"back onto its own pile, quiet and uncounted", quietHome, false, 1, DropResult::OnPile, 0, "",
         2, true},
        {"back onto its own pile with a sound", plain, false, 1, DropResult::OnPile, 0, "WavCardUp", 2,
         true},
        {"refused close by, silent", plain, false, 1, DropResult::Returned, 0, "", 2},
        {"refused close by, cancel always", alwaysCancel, false, 1, DropResult::Returned, 0,
         "WavCancel", 2},
        {"refused far away", plain, false, 3, DropResult::Returned, 0, "WavCancel", 2},
        {"onto a fitting foundation", plain, true, 1, DropResult::OnFoundation, 0, "WavCardUp", 1},
        {"foundations not taken", noFoundations, true, 1, DropResult::Returned, 0, "WavCancel", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Board();
        if (c.tenUnder) {
            SetPile(1, {"1к", "9ч"}, 1);
            Paint();
        }
        const QPoint to = c.onFoundation ? Foundation(c.targetNumber) : TopCard(c.targetNumber);
        Lift(1);
        int seenTarget = 0, seenSource = 0;
        TDropOptions o = c.options;
        o.AfterPileDrop = [&](int target, int source) {
            seenTarget = target;
            seenSource = source;
        };
        EXPECT_EQ(ReleaseDrag(to.x(), to.y(), o), c.result);
        EXPECT_EQ(MoveCounter, c.moves);
        EXPECT_EQ(Sounds(), c.sounds);
        EXPECT_EQ(PileCardCount[1], c.pile1Cards);
        EXPECT_EQ(PileFaceUp[1][PileCardCount[1]], 1) << "the source's top card is face up after the release";
        EXPECT_FALSE(DragActive);
        EXPECT_EQ(Kit::LiftedCount(SlotCount), 0);
        EXPECT_EQ(LastUpX, to.x());
        if (c.result == DropResult::OnPile) {
            EXPECT_EQ(seenSource, 1);
            EXPECT_EQ(seenTarget, c.targetNumber);
        } else {
            EXPECT_EQ(seenTarget, 0) << "the hook runs only after a pile drop";
        }
    }
}

TEST_F(Group1KitPlay, RunTests)
{
    struct Case {
        const char* lower;
        const char* upper;
        bool alternating;
        bool sameSuit;
    };
    const Case cases[] = {
        {"9ч", "8п", true, false}, {"9ч", "8ч", false, true}, {"9ч", "8б", false, false},
        {"9ч", "7п", false, false}, {"Дк", "Вб", true, false}, {"2п", "Тп", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lower) + " " + c.upper);
        const TCardCode a = Cd(c.lower), b = Cd(c.upper);
        const Byte va = engine_test::ValueOf(a), vb = engine_test::ValueOf(b);
        EXPECT_EQ(AlternatingRun(a, va, b, vb), c.alternating);
        EXPECT_EQ(SameSuitRun(a, va, b, vb), c.sameSuit);
    }

    // Lifting from a pile: a face-down card never, and above it each test decides
    // whether the cards up to the top may go together (Yukon and Scorpion lift anything).
    Table(VardelinSolo, 2);
    SetPile(1, {"5к", "9ч", "8п", "3б"}, 1);
    const struct {
        int slot;
        bool any, alternating, sameSuit;
    } lifts[] = {
        {0, false, false, false}, {1, false, false, false}, {2, true, false, false},
        {3, true, false, false},  {4, true, true, true},    {5, false, false, false},
    };
    for (const auto& l : lifts) {
        SCOPED_TRACE(l.slot);
        EXPECT_EQ(RunLiftable(1, l.slot, AnyRun), l.any);
        EXPECT_EQ(RunLiftable(1, l.slot, AlternatingRun), l.alternating);
        EXPECT_EQ(RunLiftable(1, l.slot, SameSuitRun), l.sameSuit);
    }
    SetPile(1, {"5к", "9ч", "8п"}, 1);
    EXPECT_TRUE(RunLiftable(1, 2, AlternatingRun));
    EXPECT_FALSE(RunLiftable(1, 2, SameSuitRun));
}

TEST_F(Group1KitPlay, FoundationsStandAboveTheirGamesColumns)
{
    struct Case {
        int game;
        int column; // of foundation 1
    };
    for (const Case& c : {Case{VardelinDuo, 3}, Case{VardelinSolo, 4}, Case{YukonSolo, 4}, Case{YukonDuo, 2},
                          Case{SpiderSolo, 3}}) {
        SCOPED_TRACE(c.game);
        Table(c.game);
        EXPECT_EQ(FoundationPlaceX(1), SpecialX[c.column]);
        EXPECT_EQ(FoundationPlaceX(2), SpecialX[c.column + 1]);
        EXPECT_EQ(FoundationPlaceY(), TopRowY);
    }
    Table(FreeCell);
    EXPECT_EQ(FoundationPlaceX(3), FoundationX[3]);
    EXPECT_EQ(FoundationPlaceY(), FoundationY);
}

TEST_F(Group1KitPlay, FoundationForCardTakesAcesAnywhereAndOthersOnTheirSuit)
{
    Table(VardelinDuo);
    SetFoundation(2, {"Тп"});
    SetFoundation(4, {"Тч", "2ч"});
    SetFoundation(6, {"Тп"});
    EXPECT_EQ(FoundationForCard(Cd("Тб"), 0), 1);
    EXPECT_EQ(FoundationForCard(Cd("2п"), 1), 2) << "the first of two that fit";
    EXPECT_EQ(FoundationForCard(Cd("3ч"), 2), 4);
    EXPECT_EQ(FoundationForCard(Cd("4ч"), 3), 0);
    EXPECT_EQ(FoundationForCard(Cd("2б"), 1), 0);
    LayoutFoundationCount = 1;
    EXPECT_EQ(FoundationForCard(Cd("2п"), 1), 0) << "only the game's foundations are scanned";
}

TEST_F(Group1KitPlay, StuckEndPlaysTheLostSoundWithoutBalloons)
{
    Board();
    Kit::EndGame(false, {&Texts::TxtToMenu, {}, Kit::TPanelOrder::None});
    EXPECT_TRUE(GameOver);
    EXPECT_EQ(Sounds(), "WavKoBads");
    EXPECT_FALSE(Celebration::WinBalloonsPending);
    EXPECT_FALSE(Form1->Timer2->isActive());
    EXPECT_EQ(ScoreWindows(), 1);
    EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToMenu));
    EXPECT_TRUE(Form1->Button8->isEnabled());
}

TEST_F(Group1KitPlay, ScreenCursorIsSavedAtThePressAndRestoredAtTheRelease)
{
    Kit::SetScreenCursor(Kit::CursorHand);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(Kit::BeginPress(platform::mbRight)) << "only the left button lifts";
    EXPECT_EQ(SavedCursor, Kit::CursorHand);
    Kit::SetScreenCursor(Kit::CursorArrow);
    Kit::RestoreScreenCursor();
    EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorHand);
    Kit::SetScreenCursor(Kit::CursorDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no cursor left stacked";
}

TEST_F(Group1KitPlay, YellowCursorSettingTakesTheProgramsOwnCursors)
{
    Settings::YellowCursor = true;
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    const Qt::CursorShape arrow = Kit::CursorOf(Kit::CursorArrow).shape();
    Settings::YellowCursor = false;
    EXPECT_EQ(hand, Qt::BitmapCursor);
    EXPECT_EQ(arrow, Qt::BitmapCursor);
    EXPECT_EQ(Kit::CursorOf(Kit::CursorHand).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Kit::CursorOf(Kit::CursorArrow).shape(), Qt::ArrowCursor);
}

} // namespace
