// The Tulip family's engine without a mouse: the move rule, the hit test of the rows at
// window sizes 1 and 5, the dead gaps, the won test, and the two redeal steps.
#include "TulipTestSupport.h"

#include "foundation/CardDrawing.h"
#include "foundation/Shuffle.h"

#include <set>

namespace group2_test {
namespace {

using namespace GameState;
using namespace Group2;

class TulipRules : public TableFixture {};

// The 56 places of the four rows, row by row.
std::vector<TCardCode> Rows()
{
    std::vector<TCardCode> out;
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 14; ++p)
            out.push_back(PileCards[p][r]);
    return out;
}

TEST(TulipRule, LeftRuleAceRuleAndPaganinisRightRule)
{
    struct Case {
        const char* what;
        int game;
        std::vector<const char*> row;
        int place;
        const char* card;
        bool takes;      // the game's rule
        bool takesNoRight; // the rule without the right rule (the cursor's)
    };
    const Case cases[] = {
        {"Ace into place 1", Tulip, {"", "5к"}, 1, "Тч", true, true},
        {"no other card into place 1", Tulip, {"", "5к"}, 1, "2ч", false, false},
        {"one higher in the suit", Tulip, {"4к", "5ч", "", "9б"}, 3, "6ч", true, true},
        {"another suit", Tulip, {"4к", "5ч", "", "9б"}, 3, "6б", false, false},
        {"two higher", Tulip, {"4к", "5ч", "", "9б"}, 3, "7ч", false, false},
        {"one lower", Tulip, {"4к", "5ч", "", "9б"}, 3, "4ч", false, false},
        {"an occupied place", Tulip, {"4к", "5ч", "9б"}, 3, "6ч", false, false},
        {"nothing after a King", Tulip, {"4к", "Кч", ""}, 3, "Тч", false, false},
        {"Blue Tulip's Ace rule", BlueTulip, {"", "5к"}, 1, "Тп", true, true},
        {"no right rule in Tulip", Tulip, {"4к", "Кп", "", "8ч"}, 3, "7ч", false, false},
        {"Paganini's right rule", Paganini, {"6к", "Кп", "", "8ч"}, 3, "7ч", true, false},
        {"right rule, other suit", Paganini, {"6к", "Кп", "", "8б"}, 3, "7ч", false, false},
        {"Paganini's Six after its Ace", Paganini, {"Тч", "", "9к"}, 2, "6ч", true, true},
        {"Paganini's Ace before its Six", Paganini, {"9к", "", "6ч"}, 2, "Тч", true, false},
        {"Paganini's last place has no right", Paganini, {"6к", "7к", "8к", "9к", "1к", "Вк", "Дк", "Кк", "6б", ""},
         10, "Тб", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmptyTable(c.game);
        SetTulipRow(2, c.row);
        const TCardCode card = Cd(c.card);
        EXPECT_EQ(TulipTakes(c.place, 2, card, TulipValueOf(card)), c.takes);
        EXPECT_EQ(TulipTakes(c.place, 2, card, TulipValueOf(card), false), c.takesNoRight);
    }
}

TEST_F(TulipRules, HitTestAtWindowSizesOneAndFive)
{
    for (const TulipSize& size : kTulipSizes)
        for (int game : {Tulip, Paganini}) {
            SCOPED_TRACE(testing::Message() << game << " size " << size.size);
            Table(game, size.width, size.height, size.zoom);
            const int n = TulipPlaceCount();
            std::vector<const char*> row(size_t(n), "5к");
            row[3] = ""; // place 4 empty
            SetTulipRow(1, row);
            const int strip = CardWidth - TulipPlaceStep;
            EXPECT_EQ(strip, size.strip);
            const int y = TulipRowY[1] + 10;
            struct Point {
                const char* what;
                int x, y;
                int place, row; // 0: no hit
            };
            const Point points[] = {
                {"left edge", TulipPlaceX[1], y, 1, 1},
                {"shared border", TulipPlaceX[2], y, 2, 1},
                {"just left of it", TulipPlaceX[2] - 1, y, 1, 1},
                {"last place, right edge", TulipPlaceX[n] + CardWidth - 1, y, n, 1},
                {"right of the last card", TulipPlaceX[n] + CardWidth, y, 0, 0},
                {"row's last line", TulipPlaceX[2] + 3, TulipRowY[1] + CardHeight - 1, 2, 1},
                {"between the rows", TulipPlaceX[2] + 3, TulipRowY[1] + CardHeight, 0, 0},
                {"next row's top line, an empty place", TulipPlaceX[2] + strip, TulipRowY[2], 2, 2},
                {"left of place 1", TulipPlaceX[1] - 1, y, 0, 0},
                {"neighbour's strip", TulipPlaceX[4] + strip - 1, y, 3, 1},
                {"the gap itself", TulipPlaceX[4] + strip, y, 4, 1},
            };
            for (const Point& pt : points) {
                SCOPED_TRACE(pt.what);
                int place = -1, r = -1;
                const bool hit = TulipHitTest(pt.x, pt.y, place, r);
                EXPECT_EQ(hit, pt.place != 0);
                EXPECT_EQ(place, hit ? pt.place : -1) << "out-parameters are written only on a hit";
                EXPECT_EQ(r, hit ? pt.row : -1);
            }
            // With a card selected, the strip is the gap's, unless the strip is that card's.
            int place = 0, r = 0;
            SourceSelected = 1;
            HitPile = 1;
            HitPos = 1;
            ASSERT_TRUE(TulipHitTest(TulipPlaceX[4] + 1, y, place, r));
            EXPECT_EQ(place, 4);
            HitPile = 3;
            ASSERT_TRUE(TulipHitTest(TulipPlaceX[4] + 1, y, place, r));
            EXPECT_EQ(place, 3);
            HitPos = 2; // the same place of another row
            ASSERT_TRUE(TulipHitTest(TulipPlaceX[4] + 1, y, place, r));
            EXPECT_EQ(place, 4);
            SourceSelected = 0;
        }
}

TEST(TulipRule, DeadGaps)
{
    struct Case {
        const char* what;
        int game;
        std::vector<std::pair<int, const char*>> places; // (place, card); "" a gap
        int dead;
    };
    const Case cases[] = {
        {"King + gap", Tulip, {{3, "Кч"}, {4, ""}}, 1},
        {"King + three gaps", Tulip, {{3, "Кч"}, {4, ""}, {5, ""}, {6, ""}}, 3},
        {"King + five gaps counts four", Tulip, {{3, "Кч"}, {4, ""}, {5, ""}, {6, ""}, {7, ""}, {8, ""}}, 4},
        {"King at 13 + gap at 14", Tulip, {{13, "Кч"}, {14, ""}}, 1},
        {"King at 14", Tulip, {{14, "Кч"}}, 0},
        {"gap after a non-King", Tulip, {{3, "Дч"}, {4, ""}}, 0},
        {"gap at place 1", Tulip, {{1, ""}}, 0},
        {"a gap between two Kings' runs", Tulip, {{2, "Кч"}, {3, ""}, {4, "Кб"}, {5, ""}}, 2},
        {"Paganini gap at place 10", Paganini, {{9, "Кч"}, {10, ""}}, 1},
        {"Paganini King at 8, gaps to 10", Paganini, {{8, "Кч"}, {9, ""}, {10, ""}}, 2},
        {"Paganini King at 10", Paganini, {{10, "Кч"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmptyTable(c.game);
        const int n = TulipPlaceCount();
        for (int r = 1; r <= 4; ++r)
            SetTulipRow(r, std::vector<const char*>(size_t(n), "5к"));
        for (const auto& [p, card] : c.places)
            SetTulipPlace(p, 2, card);
        EXPECT_EQ(TulipDeadGaps(), c.dead);
    }
}

TEST(TulipRule, WonWhenEveryRowRunsFromAceToKing)
{
    for (int game : {Tulip, BlueTulip, Paganini}) {
        SCOPED_TRACE(game);
        EmptyTable(game);
        SetWonRows();
        EXPECT_TRUE(TulipWon());
        EXPECT_EQ(TulipDeadGaps(), 4);
        // Two cards of one row swapped.
        std::swap(PileCards[3][2], PileCards[4][2]);
        std::swap(PileValues[3][2], PileValues[4][2]);
        EXPECT_FALSE(TulipWon());
    }
}

TEST(TulipRule, PaganiniSeesAGapBeforeACardOtherThanASix)
{
    EmptyTable(Paganini);
    for (int r = 1; r <= 4; ++r)
        SetTulipRow(r, {"Тч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч", ""});
    EXPECT_FALSE(PaganiniGapBeforeNonSix());
    SetTulipPlace(1, 3, "");
    EXPECT_FALSE(PaganiniGapBeforeNonSix()) << "a Six to the right";
    SetTulipPlace(2, 3, "");
    EXPECT_TRUE(PaganiniGapBeforeNonSix());
}

TEST_F(TulipRules, CollectionKeepsTheLeadingRunsAndShowsTheRestFaceDown)
{
    struct Case {
        int game;
        int refill[4];
        int kept;
    };
    for (const Case& c : {Case{Tulip, {4, 2, 3, 2}, 7}, Case{BlueTulip, {4, 2, 1, 1}, 4}}) {
        SCOPED_TRACE(c.game);
        Table(c.game);
        StuckRows();
        ASSERT_EQ(TulipDeadGaps(), 4);
        const std::vector<TCardCode> before = Rows();
        TulipCollectCards();
        EXPECT_EQ(Rows(), before) << "the table state is not changed";
        int kept = 0;
        for (int k = 1; k <= 52; ++k)
            kept += TulipKept[k] == cards::Empty ? 0 : 1;
        EXPECT_EQ(kept, c.kept);
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(TulipRefillFrom[r], c.refill[r - 1]) << "row " << r;
            // The last place of the row shows a back, the kept run its faces.
            reference.draw(0, 0, Shown());
            CardDrawing::DrawCardBack(TulipPlaceX[14], TulipRowY[r], reference);
            EXPECT_EQ(Shown().copy(TulipPlaceX[14], TulipRowY[r], CardWidth, CardHeight),
                      reference.image().copy(TulipPlaceX[14], TulipRowY[r], CardWidth, CardHeight));
        }
    }
}

TEST_F(TulipRules, RedealFillsEveryRowBehindItsKeptRunWithTheRestOfAFreshPack)
{
    for (int game : {Tulip, BlueTulip}) {
        SCOPED_TRACE(game);
        Table(game);
        SetShuffleSeedForTest(11);
        StuckRows();
        const std::vector<TCardCode> before = Rows();
        TulipCollectCards();
        TulipRedeal();
        std::set<int> seen;
        for (int r = 1; r <= 4; ++r) {
            const int from = TulipRefillFrom[r];
            const int gap = game == Tulip ? from : 14;
            for (int p = 1; p <= 14; ++p) {
                SCOPED_TRACE(testing::Message() << "row " << r << " place " << p);
                if (p == gap) {
                    EXPECT_EQ(PileCards[p][r], cards::Empty);
                    continue;
                }
                ASSERT_NE(PileCards[p][r], cards::Empty);
                EXPECT_EQ(PileValues[p][r], TulipValueOf(PileCards[p][r]));
                seen.insert(cards::pictureIndex(PileCards[p][r]));
                if (p < from) {
                    EXPECT_EQ(PileCards[p][r], before[size_t((r - 1) * 14 + p - 1)]) << "the kept run stays";
                }
            }
        }
        EXPECT_EQ(seen.size(), 52u);
        // Blue Tulip: the row begun by 2ч 3ч was dealt anew from place 1.
        if (game == BlueTulip) {
            EXPECT_EQ(TulipRefillFrom[3], 1);
        }
        // The rows are repainted face up.
        for (int r = 1; r <= 4; ++r)
            RedrawTulipRow(r);
        const QImage painted = Shown().copy();
        TulipCollectCards();
        for (int r = 1; r <= 4; ++r)
            RedrawTulipRow(r);
        EXPECT_EQ(Shown(), painted);
        SetShuffleSeedForTest(std::nullopt);
    }
}

TEST_F(TulipRules, RedealNeverLosesACardEvenFromARowWithAnEmptyHead)
{
    Table(Tulip);
    StuckRows();
    // Row 4's King moved out of place 1: the row keeps nothing.
    std::swap(PileCards[1][4], PileCards[2][4]);
    std::swap(PileValues[1][4], PileValues[2][4]);
    TulipCollectCards();
    EXPECT_EQ(TulipRefillFrom[4], 1);
    TulipRedeal();
    int cardsOnTable = 0;
    for (int r = 1; r <= 4; ++r)
        for (int p = 1; p <= 14; ++p)
            cardsOnTable += PileCards[p][r] == cards::Empty ? 0 : 1;
    EXPECT_EQ(cardsOnTable, 52);
    EXPECT_EQ(PileCards[1][4], cards::Empty);
}

} // namespace
} // namespace group2_test
