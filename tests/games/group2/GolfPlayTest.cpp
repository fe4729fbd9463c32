// The five Golf games played through real mouse events: the first stock turn, the
// uncover rules, flights per move mode, the pointer's cursor and hint, the won and the
// stuck end.
#include "GolfTestSupport.h"

#include <random>

namespace group2_test {
namespace {

using namespace GameState;
using namespace Group2;

const int kGolfGames[] = {GolfPeak, GolfThreePeaks, GolfRug, GolfDiamond, GolfBlock};

// The places the won test looks at, per game: they empty last.
struct Case {
    int game;
    std::vector<TGolfPlace> last;
};
const Case kWinPlaces[] = {
    {GolfPeak, {{7, 1, 1}}},
    {GolfThreePeaks, {{4, 1, 1}, {10, 1, 1}, {16, 1, 1}}},
    {GolfRug, {{1, 1, 1}, {2, 1, 1}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 1, 1}, {7, 1, 1}}},
    {GolfDiamond, {{4, 1, 1}, {6, 1, 1}, {8, 1, 1}, {10, 1, 1}}},
    {GolfBlock, {{1, 1, 1}, {17, 7, 1}}},
};

class GolfPlay : public GolfTable {
protected:
    // A fixture on a dealt table: grid emptied but for a face-up Nine on each place the
    // won test looks at, waste `waste`, `stock` cards in the stock.
    void Fixture(int game, int mode, const char* waste, int stock)
    {
        Deal(game, mode);
        ClearGrid();
        for (const Case& c : kWinPlaces)
            if (c.game == game)
                for (const TGolfPlace& at : c.last)
                    SetGolf(at.p, at.k, "9п", true, at.l);
        SetWaste({waste});
        SetStockCount(stock);
    }
    static TCardCode At(int p, int k, int l = 1) { return GolfCard2(p, k, l); }
};

TEST_F(GolfPlay, NoCardPlaysBeforeTheFirstStockTurnWhichFliesFromTheStockEdge)
{
    for (int game : kGolfGames)
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Deal(game, mode);
            flightSteps = 0;
            // Every face-up card of the deal, clicked with an empty waste.
            for (int l = 1; l <= GolfLayers2(); ++l)
                for (int k = 1; k <= GolfRows2(); ++k)
                    for (int p = 1; p <= GolfColumns2(); ++p)
                        if (GolfHolds2(p, k, l) && GolfFaceUp2(p, k, l) && l == GolfLayers2())
                            Click(PointOn({p, k, l}));
            EXPECT_EQ(WasteCount, 1);
            EXPECT_EQ(Sounds(), "");
            const int stock = StockCount;
            const TCardCode top = StockCards[stock];
            Click(Stock());
            EXPECT_EQ(WasteCount, 2);
            EXPECT_EQ(StockCount, stock - 1);
            EXPECT_EQ(WasteCards[1], top);
            EXPECT_EQ(Sounds(), "WavCardUp");
            EXPECT_EQ(flightSteps > 0, mode != 0);
            if (mode != 0) {
                EXPECT_EQ(flightEnd, QPoint(AuxPile1X, AuxPile1Y));
            }
            EXPECT_EQ(MoveCounter, 0);
            EXPECT_FALSE(GameOver);
        }
}

TEST_F(GolfPlay, PeakTurnsARowSixCardUpOnlyWhenBothFrontCardsAreGone)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Fixture(GolfPeak, mode, "5к", 3);
        SetGolf(1, 7, "4ч", true);
        SetGolf(3, 7, "5ч", true);
        SetGolf(2, 6, "9п", false);
        flightSteps = 0;
        Click(PointOn({1, 7, 1}));
        EXPECT_EQ(At(1, 7), cards::Empty);
        EXPECT_EQ(WasteCards[2], Cd("4ч"));
        EXPECT_EQ(GolfFaceUp2(2, 6), 0);
        EXPECT_EQ(Sounds(), "WavCardUp");
        EXPECT_EQ(flightSteps > 0, mode != 0);
        if (mode != 0) {
            EXPECT_EQ(flightEnd, QPoint(AuxPile1X, AuxPile1Y));
        }
        Click(PointOn({3, 7, 1}), Qt::RightButton);
        EXPECT_EQ(WasteCount, 4);
        EXPECT_EQ(GolfFaceUp2(2, 6), 1);
        EXPECT_EQ(MoveCounter, 0);
        EXPECT_FALSE(GameOver);
    }
}

TEST_F(GolfPlay, DiamondTipTurnsUpWithItsOneCoveringCard)
{
    Fixture(GolfDiamond, 0, "5к", 3);
    SetGolf(1, 4, "9п", false);
    SetGolf(2, 5, "6ч", true);
    SetGolf(13, 4, "9б", false);
    SetGolf(12, 5, "7ч", true);
    Click(PointOn({2, 5, 1}));
    EXPECT_EQ(GolfFaceUp2(1, 4), 1);
    EXPECT_EQ(GolfFaceUp2(13, 4), 0);
    Click(PointOn({12, 5, 1}));
    EXPECT_EQ(GolfFaceUp2(13, 4), 1);
}

TEST_F(GolfPlay, BlockLayerOneCardWaitsForAllItsDiagonalsInTheLayerAbove)
{
    Fixture(GolfBlock, 0, "5к", 3);
    SetGolf(3, 3, "9п", false, 1);
    SetGolf(2, 2, "4ч", true, 2);
    SetGolf(4, 2, "5ч", true, 2);
    SetGolf(2, 4, "4б", true, 2);
    SetGolf(4, 4, "5б", true, 2);
    // At the grid's edge only the diagonals inside it count.
    SetGolf(1, 1, "Кп", false, 1);
    const TGolfPlace order[] = {{2, 2, 2}, {4, 2, 2}, {2, 4, 2}};
    for (const TGolfPlace& at : order) {
        Click(PointOn(at));
        EXPECT_EQ(GolfCard2(at.p, at.k, 2), cards::Empty);
        EXPECT_EQ(GolfFaceUp2(3, 3, 1), 0);
    }
    EXPECT_EQ(GolfFaceUp2(1, 1, 1), 1);
    Click(PointOn({4, 4, 2}));
    EXPECT_EQ(GolfFaceUp2(3, 3, 1), 1);
    EXPECT_EQ(FlagsDisagree(), "");
}

// The uncover step of the rules, place by place for each game, beside the module's.
void UncoverByTheRules(const TGolfPlace& r)
{
    const int p = r.p, k = r.k, l = r.l;
    auto empty = [](int q, int m, int n = 1) { return !GolfHolds2(q, m, n); };
    auto up = [](int q, int m, int n) { GolfFaceUp2(q, m, n) = 1; };
    switch (CurrentGameId) {
    case GolfPeak:
    case GolfDiamond:
        if (k >= 2) {
            if (p >= 3 && empty(p - 2, k))
                up(p - 1, k - 1, 1);
            if (p <= 11 && empty(p + 2, k))
                up(p + 1, k - 1, 1);
        }
        if (CurrentGameId == GolfDiamond && k == 5 && p == 2)
            up(1, 4, 1);
        if (CurrentGameId == GolfDiamond && k == 5 && p == 12)
            up(13, 4, 1);
        break;
    case GolfThreePeaks:
        if (k >= 2) {
            if (p >= 2 && empty(p - 2, k))
                up(p - 1, k - 1, 1);
            if (p <= 18 && empty(p + 2, k))
                up(p + 1, k - 1, 1);
        }
        break;
    case GolfRug:
        if (k >= 2)
            up(p, k - 1, 1);
        break;
    case GolfBlock:
        if (l >= 2)
            for (int dk : {-1, 1})
                for (int dp : {-1, 1}) {
                    const int q = p + dp, m = k + dk;
                    if (q < 1 || q > 17 || m < 1 || m > 7)
                        continue;
                    if (empty(q - 1, m - 1, l) && empty(q + 1, m - 1, l) && empty(q - 1, m + 1, l) &&
                        empty(q + 1, m + 1, l))
                        up(q, m, l - 1);
                }
        break;
    }
}

TEST_F(GolfPlay, AnyRemovalOrderKeepsTheFaceFlagsOnTheCoveringRule)
{
    std::mt19937 rng(2024);
    for (int game : kGolfGames)
        for (int round = 0; round < 25; ++round) {
            SCOPED_TRACE(testing::Message() << game << " round " << round);
            Deal(game, 0, 100 + round);
            // The same removals on a second copy of the flags, uncovered by the rules' table.
            Byte rules[20][8][5] = {};
            for (;;) {
                std::vector<TGolfPlace> free;
                for (int l = 1; l <= GolfLayers2(); ++l)
                    for (int k = 1; k <= GolfRows2(); ++k)
                        for (int p = 1; p <= GolfColumns2(); ++p) {
                            rules[p][k][l] = GolfFaceUp2(p, k, l);
                            if (GolfHolds2(p, k, l) && GolfFaceUp2(p, k, l))
                                free.push_back({p, k, l});
                        }
                if (free.empty())
                    break;
                const TGolfPlace at = free[rng() % free.size()];
                GolfCard2(at.p, at.k, at.l) = cards::Empty;
                GolfUncover2(at);
                // Swap in the rules' copy, uncover by the table, compare.
                for (int l = 1; l <= GolfLayers2(); ++l)
                    for (int k = 1; k <= GolfRows2(); ++k)
                        for (int p = 1; p <= GolfColumns2(); ++p)
                            std::swap(rules[p][k][l], GolfFaceUp2(p, k, l));
                UncoverByTheRules(at);
                for (int l = 1; l <= GolfLayers2(); ++l)
                    for (int k = 1; k <= GolfRows2(); ++k)
                        for (int p = 1; p <= GolfColumns2(); ++p) {
                            if (GolfHolds2(p, k, l)) {
                                ASSERT_EQ(GolfFaceUp2(p, k, l), rules[p][k][l]) << p << "," << k << "," << l;
                            }
                            std::swap(rules[p][k][l], GolfFaceUp2(p, k, l));
                        }
                ASSERT_EQ(FlagsDisagree(), "");
            }
            EXPECT_EQ(GolfCardsLeft2(), 0);
        }
}

TEST_F(GolfPlay, HandOverPlayableCardsAndAFilledStockWithTheStockCountAsHint)
{
    Fixture(GolfPeak, 0, "Кк", 2);
    SetGolf(1, 7, "Дч", true);
    SetGolf(3, 7, "Кч", true);
    SetGolf(5, 7, "Тч", true);
    SetGolf(4, 6, "Дп", false);
    const auto cursorAt = [this](QPoint p) {
        Move(p, Qt::NoButton);
        return Form1->ImageStol->cursor().shape();
    };
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    const Qt::CursorShape arrow = Kit::CursorOf(Kit::CursorArrow).shape();
    EXPECT_EQ(cursorAt(PointOn({1, 7, 1})), hand);
    EXPECT_EQ(cursorAt(PointOn({5, 7, 1})), hand);
    EXPECT_EQ(cursorAt(PointOn({3, 7, 1})), arrow); // same rank
    EXPECT_EQ(cursorAt({GridX[4][6] + 30, GridY[4][6] + 20}), arrow); // face down
    EXPECT_EQ(Form1->ImageStol->toolTip(), "");
    EXPECT_EQ(cursorAt(Stock()), hand);
    EXPECT_EQ(Form1->ImageStol->toolTip(), "2");
    SetStockCount(0);
    EXPECT_EQ(cursorAt(Stock()), arrow);
    EXPECT_EQ(Form1->ImageStol->toolTip(), "0");
    cursorAt({700, 480});
    EXPECT_EQ(Form1->ImageStol->toolTip(), "");
}

TEST_F(GolfPlay, ClearingTheLayoutWinsOnceAndKeepsTheExitCaption)
{
    for (const Case& c : kWinPlaces) {
        SCOPED_TRACE(c.game);
        presenter.dialogs.clear();
        Celebration::StopWinBalloons();
        Fixture(c.game, 1, "5к", 10);
        const char* chain[] = {"4ч", "5ч", "4б", "5б", "4п", "5п", "4к"};
        for (size_t i = 0; i < c.last.size(); ++i)
            SetGolf(c.last[i].p, c.last[i].k, chain[i], true, c.last[i].l);
        for (size_t i = 0; i < c.last.size(); ++i) {
            EXPECT_FALSE(GameOver);
            Click(PointOn(c.last[i]));
        }
        ExpectRoundEnded(true, &Texts::TxtExitToMenu);
        EXPECT_EQ(MoveCounter, 0);
    }
}

TEST_F(GolfPlay, StuckEndsTheGameOnlyOnceTheStockIsEmpty)
{
    for (const Case& c : kWinPlaces) {
        SCOPED_TRACE(c.game);
        presenter.dialogs.clear();
        Fixture(c.game, 2, "5к", 0);
        SetStockCount(2);
        const TGolfPlace front = c.last.front();
        // A click on a card that does not fit, and one beside the table: still the stock.
        Click(PointOn(front));
        Click({755, 495});
        EXPECT_FALSE(GameOver);
        EXPECT_EQ(Sounds(), "");
        Click(Stock());
        EXPECT_FALSE(GameOver);
        EXPECT_EQ(Sounds(), "WavCardUp");
        StockCards[1] = Cd("Кб");
        StockValues[1] = 12;
        Click(Stock(), Qt::RightButton);
        ExpectRoundEnded(false, &Texts::TxtExitToMenu);
        EXPECT_EQ(StockCount, 0);
        EXPECT_EQ(WasteCount, 4);
    }
}

TEST_F(GolfPlay, APlayRepaintsTheGridAsTheWholeGridRepaintDraws)
{
    std::mt19937 rng(77);
    for (int game : kGolfGames)
        for (double zoom : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << game << " zoom " << zoom);
            Deal(game, 0, 5, int(760 * zoom), int(500 * zoom), zoom);
            // Every card face up, the waste always fitting: plays in a random order.
            for (int played = 0; played < 12; ++played) {
                std::vector<TGolfPlace> free;
                for (int l = 1; l <= GolfLayers2(); ++l)
                    for (int k = 1; k <= GolfRows2(); ++k)
                        for (int p = 1; p <= GolfColumns2(); ++p)
                            if (GolfHolds2(p, k, l) && GolfFaceUp2(p, k, l))
                                free.push_back({p, k, l});
                ASSERT_FALSE(free.empty());
                const TGolfPlace at = free[rng() % free.size()];
                WasteCards[WasteCount] = Cd("5к");
                WasteValues[WasteCount] = static_cast<Byte>((GolfValue2(at.p, at.k, at.l) + 1) % 13);
                ++WasteCount;
                Click(PointOn(at));
                ASSERT_EQ(GolfCard2(at.p, at.k, at.l), cards::Empty);
                const QImage partial = Shown().copy();
                RedrawColumn2(0, 0);
                RedrawStockWaste2(0);
                DrawInfoPanel2();
                ASSERT_EQ(Text(Difference(partial, Shown())), "none") << "after " << at.p << "," << at.k << "," << at.l;
            }
        }
}

} // namespace
} // namespace group2_test
