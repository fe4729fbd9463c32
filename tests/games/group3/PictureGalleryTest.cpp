// Picture Gallery played through real mouse events: the placement rule, the stock deal
// from its front back with any button, drag and drop with its refusals redrawn in place,
// the two click modes with their selections, and the won and lost ends.
#include "Group3Play.h"

#include "foundation/CardDrawing.h"
#include "foundation/Scaling.h"
#include "games/group3/Qyv_33_PG.h"

#include <map>
#include <string>
#include <vector>

using namespace GameState;
using namespace Group3;
using Scaling::Scaled;

namespace {

const char* const Suits[] = {"ч", "б", "к", "п"};
const char* const RowRanks[3][4] = {{"2", "5", "8", "В"}, {"3", "6", "9", "Д"}, {"4", "7", "1", "К"}};

class PGPlay : public g3test::Group3Play {
protected:
    void Start(int mode, double zoom = 1.0) { Group3Play::Start(PictureGallery, mode, zoom); }

    // An empty gallery, foundations and reserves; the stock as it stands.
    void Clear()
    {
        for (int c = 1; c <= 8; ++c) {
            FoundationCards[c][1] = cards::Empty;
            for (int r = 1; r <= 3; ++r) {
                for (int s = 1; s <= 4; ++s)
                    PileCards2[c][r][s] = cards::Empty;
                PGGalleryCount[c][r] = 0;
            }
        }
        for (int p = 1; p <= 10; ++p) {
            for (int s = 1; s <= 8; ++s)
                GalleryCards[p][s] = cards::Empty;
            PGReserveCount[p] = 0;
        }
    }
    void Place(int c, int r, std::initializer_list<const char*> list)
    {
        int n = 0;
        for (const char* card : list)
            PileCards2[c][r][++n] = g3test::Cd(card);
        PGGalleryCount[c][r] = n;
    }
    void Reserve(int p, std::initializer_list<const char*> list)
    {
        int n = 0;
        for (const char* card : list)
            GalleryCards[p][++n] = g3test::Cd(card);
        PGReserveCount[p] = n;
    }
    // Place [c, r] holding its row's run in column c's suit, `n` cards.
    void Run(int c, int r, int n)
    {
        for (int s = 1; s <= 4; ++s)
            PileCards2[c][r][s] = s <= n ? g3test::Cd((std::string(RowRanks[r - 1][s - 1]) + Suits[(c - 1) % 4]).c_str())
                                         : cards::Empty;
        PGGalleryCount[c][r] = n;
    }
    // The whole table drawn from the table state as the module draws it.
    void Paint()
    {
        platform::Canvas& cv = Form1->ImageStol->canvas();
        cv.draw(0, 0, CardPictures::TableBackground);
        for (int f = 1; f <= 8; ++f)
            CardDrawing::DrawCardFace(PGFoundationX(f), TopAreaRect[2],
                                      HoldsCard3(FoundationCards[f][1]) ? FoundationCards[f][1] : TCardCode("-0"), cv);
        for (int c = 1; c <= 8; ++c)
            for (int r = 1; r <= 3; ++r) {
                const int n = PGGalleryCount[c][r];
                CardDrawing::DrawCardFace(PGPlaceX(c), PGPlaceY(r), n ? PileCards2[c][r][n] : TCardCode("-*"), cv);
                if (n >= 2 || (n == 1 && RankIndex3(PileCards2[c][r][1]) == r))
                    CardDrawing::DrawCardOutline(PGPlaceX(c), PGPlaceY(r), 0, cv);
            }
        for (int p = 1; p <= 10; ++p) {
            if (PGReserveCount[p] == 0)
                CardDrawing::DrawCardFace(PGReserveX(p), PGReserveY(1), TCardCode("-*"), cv);
            for (int s = 1; s <= PGReserveCount[p]; ++s)
                CardDrawing::DrawCardFace(PGReserveX(p), PGReserveY(s), GalleryCards[p][s], cv);
        }
        const int dealt = (ExtraPileCount - 35) / 10;
        for (int k = 1; k <= 7 - dealt; ++k)
            CardDrawing::DrawCardBack(SideAreaRect[1], SideAreaRect[2] + (k - 1) * Scaled(20), cv);
    }
    static QPoint At(int c, int r) { return Mid(PGPlaceX(c), PGPlaceY(r)); }
    static QPoint FoundationAt(int f) { return Mid(PGFoundationX(f), TopAreaRect[2]); }
    static QPoint ReserveAt(int p) { return Mid(PGReserveX(p), PGReserveY(1)); }
    static QPoint FrontBack() { return Mid(SideAreaRect[1], PGStockFrontY()); }
    // A move in the mode: a drag, or a click on each end.
    void MoveCard(QPoint from, QPoint to)
    {
        if (Settings::MoveMode == 2)
            Drag(from, to);
        else {
            Click(from);
            Click(to);
        }
    }
    // Every place complete and every Ace down but those left out.
    void NearlyWon(int openColumn, int openRow, int aceMissing)
    {
        Clear();
        for (int c = 1; c <= 8; ++c) {
            for (int r = 1; r <= 3; ++r)
                Run(c, r, c == openColumn && r == openRow ? 3 : 4);
            if (c != aceMissing)
                FoundationCards[c][1] = g3test::Cd((std::string("Т") + Suits[(c - 1) % 4]).c_str());
        }
        ExtraPileCount = 105;
    }
    QImage Region(const QRect& r) const { return Shown().copy(r); }
};

TEST(PGRule, AMisplacedCardTakesNothingAndACoveredSlotIsNoTarget)
{
    g3test::EmptyTable(PictureGallery);
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 4; ++s)
                PileCards2[c][r][s] = cards::Empty;
    PileCards2[1][1][1] = g3test::Cd("5ч"); // misplaced alone
    PileCards2[2][1][1] = g3test::Cd("2ч");
    PileCards2[2][1][2] = g3test::Cd("5ч");
    PileCards2[3][1][1] = g3test::Cd("2б");
    struct Case {
        int c, r;
        const char* card;
        bool takes;
    } cases[] = {{1, 1, "8ч", false}, {2, 1, "5ч", false}, {2, 1, "8ч", true},  {3, 1, "5б", true},
                 {3, 1, "5ч", false}, {3, 2, "5б", false}, {4, 1, "2п", true},  {4, 2, "2п", false},
                 {4, 2, "3п", true},  {4, 3, "4п", true},  {4, 3, "7п", false}, {4, 1, "Тч", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.c << "," << c.r << " " << c.card);
        EXPECT_EQ(PGPlaceTakes(c.c, c.r, g3test::Cd(c.card)), c.takes);
    }
    EXPECT_TRUE(PGRowFits(g3test::Cd("8ч")));
    EXPECT_TRUE(PGRowFits(g3test::Cd("Тп")));
}

TEST_F(PGPlay, AnyButtonDealsFromTheFrontBackAndNothingElseInTheStockDeals)
{
    Start(2);
    const TCardCode first = DealCards[35];
    // A right press elsewhere, and a press on the covered backs, deal nothing.
    Click(At(1, 1), Qt::RightButton);
    Click({SideAreaRect[1] + 5, SideAreaRect[2] + 5});
    EXPECT_EQ(ExtraPileCount, 35);
    EXPECT_EQ(PGReserveCount[1], 1);
    Click(FrontBack(), Qt::RightButton);
    EXPECT_EQ(ExtraPileCount, 45);
    EXPECT_EQ(PGReserveCount[1], 2);
    EXPECT_EQ(GalleryCards[1][2], first);
    EXPECT_EQ(Sounds(), Times("WavCardUp", 10));
    EXPECT_GT(flightSteps, 0);
    for (int deal = 2; deal <= 7; ++deal)
        Click(FrontBack());
    EXPECT_EQ(ExtraPileCount, 105);
    EXPECT_EQ(PGReserveCount[10], 8);
    // The stock area is empty, deals nothing and shows the arrow.
    const QRect stock(SideAreaRect[1], SideAreaRect[2], CardWidth + 1, SideAreaRect[4] - SideAreaRect[2]);
    EXPECT_EQ(Text(Difference(Region(stock), CardPictures::TableBackground.copy(stock))), "none");
    Sounds();
    Click({SideAreaRect[1] + 5, SideAreaRect[2] + 5});
    EXPECT_EQ(Sounds(), "");
    EXPECT_FALSE(HandAt({SideAreaRect[1] + 5, SideAreaRect[2] + 5}));
    EXPECT_EQ(ExtraPileCount, 105);
}

TEST_F(PGPlay, ABlockedTableIsNeverLostWhileTheStockHoldsCards)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Clear();
        Place(1, 1, {"9ч"});
        for (int p = 1; p <= 10; ++p)
            Reserve(p, {"9б"});
        ExtraPileCount = 95;
        Paint();
        Click(At(1, 1));
        Click(At(1, 1));
        EXPECT_FALSE(GameOver);
        // The last deal brings nothing that fits: now it is lost.
        for (int k = 95; k <= 104; ++k)
            DealCards[k] = g3test::Cd("9п");
        Click(FrontBack());
        if (mode == 2)
            Release(FrontBack());
        ExpectRoundEnded(false, nullptr);
    }
}

TEST_F(PGPlay, DropsFollowTheRuleAndARefusedCardIsRedrawnInPlace)
{
    Start(2);
    Clear();
    Place(1, 1, {"5ч"});      // misplaced
    Place(2, 1, {"2ч", "5ч"}); // already carries its five
    Place(3, 1, {"2б"});
    Place(4, 3, {"4п", "7п", "1п"});
    Reserve(1, {"8ч"});
    Reserve(2, {"5б"});
    Reserve(3, {"Кп"});
    Reserve(4, {"Тч"});
    FoundationCards[5][1] = g3test::Cd("Тб");
    Paint();
    // An 8 on a lone misplaced 5, a 5 on a 2 that carries one: refused, no flight.
    Drag(ReserveAt(1), At(1, 1));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    Drag(ReserveAt(2), At(2, 1));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(PGReserveCount[2], 1);
    // An Ace on an occupied foundation is refused too.
    Drag(ReserveAt(4), FoundationAt(5));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    Drag(ReserveAt(4), FoundationAt(6));
    EXPECT_EQ(FoundationCards[6][1], g3test::Cd("Тч"));
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    // The fourth card of a place: "WavStopka".
    Drag(ReserveAt(3), At(4, 3));
    EXPECT_EQ(PGGalleryCount[4][3], 4);
    EXPECT_EQ(Sounds(), "WavDown WavStopka");
    // A five taken off its two and dropped back where the rule accepts it.
    Drag(At(2, 1), At(2, 1) + QPoint(4, 4));
    EXPECT_EQ(PGGalleryCount[2][1], 2);
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    EXPECT_EQ(MoveCounter, 1); // only the start of play counted
}

TEST_F(PGPlay, AReservesLastCardLeavesTheMarkerAndComesBackToTheOneCardPlace)
{
    Start(2);
    Clear();
    Reserve(6, {"9к"});
    Place(1, 1, {"Кч"});
    Paint();
    const QPoint press = ReserveAt(6);
    Press(press);
    Move(press + QPoint(0, -200));
    ASSERT_TRUE(DragActive);
    EXPECT_EQ(PGReserveCount[6], 0);
    // "-*" at the one-card position, exactly as a fresh paint shows an empty pile.
    const QRect pile(PGReserveX(6), PGReserveY(1), CardWidth + 1, CardHeight + 1);
    const QImage lifted = Region(pile);
    Release(press + QPoint(0, -200));
    EXPECT_EQ(PGReserveCount[6], 1);
    const QImage back = Region(pile);
    Paint();
    EXPECT_EQ(Text(Difference(back, Region(pile))), "none");
    PGReserveCount[6] = 0;
    GalleryCards[6][1] = cards::Empty;
    Paint();
    EXPECT_EQ(Text(Difference(lifted, Region(pile))), "none");
}

TEST_F(PGPlay, ATwoFromRowThreeGoesToAnEmptyRowOnePlaceLeavingTheMarker)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Clear();
        Place(5, 3, {"2к"});
        Place(1, 1, {"Вп"});
        Paint();
        MoveCard(At(5, 3), At(2, 1));
        EXPECT_EQ(PGGalleryCount[2][1], 1);
        EXPECT_EQ(PGGalleryCount[5][3], 0);
        EXPECT_EQ(PileCards2[2][1][1], g3test::Cd("2к"));
        const QRect left(PGPlaceX(5), PGPlaceY(3), CardWidth + 1, CardHeight + 1);
        const QImage shown = Region(left);
        Paint();
        EXPECT_EQ(Text(Difference(shown, Region(left))), "none");
        EXPECT_EQ(flightSteps > 0, mode == 1);
        EXPECT_FALSE(SourceSelected);
    }
}

TEST_F(PGPlay, ModeZeroNeverFliesAndModeOneFliesEveryMoveAcesIncluded)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Clear();
        Reserve(1, {"Тб"});
        Place(2, 2, {"3п"});
        Reserve(2, {"6п"});
        Paint();
        MoveCard(ReserveAt(1), FoundationAt(3));
        EXPECT_EQ(FoundationCards[3][1], g3test::Cd("Тб"));
        EXPECT_EQ(flightSteps > 0, mode == 1);
        flightSteps = 0;
        MoveCard(ReserveAt(2), At(2, 2));
        EXPECT_EQ(PGGalleryCount[2][2], 2);
        EXPECT_EQ(flightSteps > 0, mode == 1);
        // Click moves are silent but for the selecting presses.
        EXPECT_EQ(Sounds(), "WavDown WavDown");
    }
}

TEST_F(PGPlay, ClickSelectionsMoveAndStayAsThePressesSay)
{
    Start(0);
    Clear();
    Reserve(1, {"9ч"});
    Reserve(2, {"9б"});
    Place(3, 2, {"6к"});
    Paint();
    const QImage plain = Shown().copy();
    Click(ReserveAt(1));
    EXPECT_EQ(Sounds(), "WavDown");
    // An empty place that refuses the nine keeps the selection.
    Click(At(4, 1));
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(HitPile, 1);
    // Another reserve takes the selection with "WavDown".
    Click(ReserveAt(2));
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(HitPile, 2);
    // A gallery card takes it silently, and a reserve takes it back; no card moves.
    Click(At(3, 2));
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(HitPile, 3);
    EXPECT_EQ(HitPos, 2);
    Click(ReserveAt(1));
    EXPECT_EQ(HitPile, 1);
    EXPECT_EQ(PGReserveCount[1], 1);
    EXPECT_EQ(PGReserveCount[2], 1);
    EXPECT_EQ(PGGalleryCount[3][2], 1);
    Click(ReserveAt(1));
    EXPECT_FALSE(SourceSelected);
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(Text(Difference(plain, Shown())), "none");
}

TEST_F(PGPlay, AStockDealKeepsAGallerySelectionAndDropsAReserveOneCleanly)
{
    Start(0);
    Click(At(2, 2));
    ASSERT_TRUE(SourceSelected);
    const QRect place(PGPlaceX(2), PGPlaceY(2), CardWidth + 1, CardHeight + 1);
    const QImage marked = Region(place);
    Click(FrontBack());
    EXPECT_EQ(ExtraPileCount, 45);
    EXPECT_TRUE(SourceSelected);
    EXPECT_EQ(Text(Difference(marked, Region(place))), "none");
    Click(At(2, 2));
    EXPECT_FALSE(SourceSelected);

    Click(ReserveAt(4));
    ASSERT_TRUE(SourceSelected);
    Click(FrontBack());
    EXPECT_FALSE(SourceSelected);
    EXPECT_EQ(PGReserveCount[4], 3);
    // The pile shows its three cards as a fresh paint does: no inverted strip.
    const QRect pile(PGReserveX(4), PGReserveY(8), CardWidth + 1, PGReserveY(1) - PGReserveY(8) + CardHeight + 1);
    const QImage shown = Region(pile);
    Paint();
    EXPECT_EQ(Text(Difference(shown, Region(pile))), "none");
}

TEST_F(PGPlay, TheTwentyFourthPlaceAndTheEighthAceWinInEitherOrder)
{
    struct Case {
        int mode;
        bool placeLast;
    };
    for (const Case k : {Case{0, true}, Case{1, false}, Case{2, true}, Case{2, false}}) {
        SCOPED_TRACE(testing::Message() << k.mode << (k.placeLast ? " place last" : " ace last"));
        Start(k.mode);
        NearlyWon(k.placeLast ? 6 : 0, 1, k.placeLast ? 0 : 7);
        if (k.placeLast)
            Reserve(1, {"Вб"}); // column 6 is in diamonds
        else
            Reserve(1, {"Тк"});
        Paint();
        MoveCard(ReserveAt(1), k.placeLast ? At(6, 1) : FoundationAt(7));
        ExpectRoundEnded(true, nullptr);
    }
}

TEST_F(PGPlay, WithTheStockGoneNoMoveLeftIsLost)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        Clear();
        Place(1, 1, {"9ч"});
        Reserve(1, {"Кб"});
        ExtraPileCount = 105;
        Paint();
        Click(At(1, 1));
        ExpectRoundEnded(false, nullptr);
    }
}

} // namespace
