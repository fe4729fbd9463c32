// Book's rules and hit test, the moves left of every group-4 game and the points of a
// finished round.
#include "Group4TestSupport.h"

#include "foundation/ClubPlayer.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"

using namespace GameState;
using namespace Group4;
using g4test::Cd;
using g4test::FillStock;
using g4test::FillWaste;
using g4test::Put;
using g4test::SetPile;

namespace {

class EngineRules : public g4test::TableFixture {};

TEST_F(EngineRules, BookTableauTakesOneLowerOfTheOtherColour)
{
    struct Case {
        const char* card;
        const char* target;
        bool fits;
    };
    const Case cases[] = {
        {"Кп", "##", true},  {"Кч", "##", true},  {"Кп", "Тч", false}, {"Дп", "Кч", true},
        {"Дч", "Кб", false}, {"Дп", "Кп", false}, {"Тп", "2ч", false}, {"Тп", "##", false},
        {"9ч", "1п", true},  {"1б", "Вк", true},  {"2б", "3к", true},  {"2б", "4к", false},
        {"5п", "##", false}, {"Вп", "Дч", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BookFitsTableau(Cd(c.card), Cd(c.target)), c.fits) << c.card << " on " << c.target;
}

TEST_F(EngineRules, BookFoundationsTakeTheirSuitFromTheAce)
{
    Table(Book);
    EXPECT_TRUE(BookFitsFoundation(Cd("Тч"), 1));
    EXPECT_TRUE(BookFitsFoundation(Cd("Тч"), 2));
    EXPECT_FALSE(BookFitsFoundation(Cd("Тч"), 3));
    EXPECT_TRUE(BookFitsFoundation(Cd("Тп"), 8));
    EXPECT_FALSE(BookFitsFoundation(Cd("2ч"), 1));
    FoundationCards[1][1] = Cd("Тч");
    EXPECT_TRUE(BookFitsFoundation(Cd("2ч"), 1));
    EXPECT_FALSE(BookFitsFoundation(Cd("2ч"), 2));
    EXPECT_FALSE(BookFitsFoundation(Cd("2б"), 1));
    EXPECT_FALSE(BookFitsFoundation(Cd("3ч"), 1));
    FoundationCards[1][2] = Cd("2ч");
    EXPECT_FALSE(BookFitsFoundation(Cd("2ч"), 1));
    EXPECT_TRUE(BookFitsFoundation(Cd("3ч"), 1));
}

TEST_F(EngineRules, LastCardIndexLooksAtSlotsOneToSixteen)
{
    Table(Book);
    EXPECT_EQ(LastCardIndex4(PileCards[1]), 0);
    SetPile(1, {"5п", "4ч", "3п"});
    EXPECT_EQ(LastCardIndex4(PileCards[1]), 3);
    PileCards[1][16] = Cd("2ч");
    EXPECT_EQ(LastCardIndex4(PileCards[1]), 16);
    PileCards[1][17] = Cd("2б");
    EXPECT_EQ(LastCardIndex4(PileCards[1]), 16);
}

TEST_F(EngineRules, BookHitTestFindsRowCardsFoundationsAndTheWaste)
{
    Table(Book);
    SetPile(1, {"9п", "8ч", "7п"});
    SetPile(5, {"Кп"});
    const int E = BookBounds[1]; // right end of the innermost left card
    const int R = BookBounds[3]; // left end of the innermost right card
    const int y = BookLeftRects[1][2] + 40;
    struct Case {
        int x, y;
        bool result;
        int slot, row, area;
    };
    const Case cases[] = {
        {E - 5, y, false, 1, 1, AreaRow},                      // strip of the covered first card
        {E - 12 - 5, y, false, 2, 1, AreaRow},                 // strip of the covered second card
        {E - 24 - CardWidth + 3, y, true, 3, 1, AreaRow},      // the last card beyond its strip
        {R + CardWidth - 2, y, true, 1, 5, AreaRow},           // a lone King on the right
        {E - 5, BookLeftRects[2][2] + 40, true, 1, 2, AreaRow}, // an empty row
        {E + 1, y, false, 0, 0, AreaNothing},                  // between the rows and the foundations
        {BookFoundationRects[1][1], y, false, 1, 0, AreaFoundation},
        {BookFoundationRects[2][3], y, false, 2, 0, AreaFoundation}, // right edge of foundation 2
        {BookFoundationRects[8][1] + 5, BookFoundationRects[8][2] + 5, false, 8, 0, AreaFoundation},
        {(BookFoundationRects[1][3] + BookFoundationRects[2][1]) / 2, y, false, 0, 0, AreaNothing},
        {BookWasteRect[1] + 5, BookWasteRect[2] + 5, true, 0, 0, AreaWaste},
    };
    for (const auto& c : cases) {
        int slot = -1, row = -1, area = -1;
        EXPECT_EQ(BookHitTest(c.x, c.y, slot, row, area), c.result) << c.x << "," << c.y;
        EXPECT_EQ(slot, c.slot) << c.x << "," << c.y;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(area, c.area) << c.x << "," << c.y;
    }
}

TEST_F(EngineRules, BookCardPosIsWhereTheNextCardOfARowLies)
{
    Table(Book);
    SetPile(2, {"9п", "8ч"});
    SetPile(6, {"9п"});
    int x = 0, y = 0;
    BookCardPos(false, 0, 2, x, y);
    EXPECT_EQ(x, BookLeftRects[1][1] - 2 * 12);
    EXPECT_EQ(y, BookLeftRects[2][2]);
    BookCardPos(false, 0, 6, x, y);
    EXPECT_EQ(x, BookRightRects[1][1] + 12);
    EXPECT_EQ(y, BookRightRects[2][2]);
    BookCardPos(true, 7, 0, x, y);
    EXPECT_EQ(x, BookFoundationRects[1][1]);
    EXPECT_EQ(y, BookFoundationRects[7][2]);
}

TEST_F(EngineRules, BookIsSolvedOnlyWithStockAndWasteEmptyAndRowsInSequence)
{
    Table(Book);
    SetPile(1, {"Кп", "Дч", "Вп"});
    SetPile(5, {"5б"});
    FillWaste(1);
    int count = 77;
    EXPECT_FALSE(CountMoves4(count));
    EXPECT_EQ(GameWon, 0);
    EXPECT_EQ(count, 77);
    FillWaste(0);
    EXPECT_TRUE(CountMoves4(count));
    EXPECT_EQ(GameWon, 1);
    SetPile(8, {"5б", "4б"});
    EXPECT_FALSE(CountMoves4(count));
    EXPECT_EQ(GameWon, 0);
    EXPECT_EQ(BookUnorderedRows(), 1);
}

TEST_F(EngineRules, BookScores)
{
    Table(Book);
    // Every row in sequence, 64 cards in stock and waste.
    SetPile(1, {"Кп", "Дч"});
    FillStock(40);
    FillWaste(24);
    EXPECT_EQ(ComputeScore4(), 36);
    // Given up with 30 cards left and two rows out of sequence: 100 - 30 - 10.
    SetPile(2, {"5п", "9ч"});
    SetPile(7, {"Кп", "Дп"});
    FillStock(10);
    FillWaste(20);
    EXPECT_EQ(ComputeScore4(), 60);
    PlayerScore = 500;
    GameResult4();
    EXPECT_EQ(FCount::CountLayout, 0);
    EXPECT_EQ(FCount::CountCardsLeft, 30);
    EXPECT_EQ(FCount::CountExtra, 2);
    EXPECT_EQ(FCount::CountDealScore, 60);
    EXPECT_EQ(FCount::CountTotal, 560);
    EXPECT_EQ(NewTotalScore, 560);
    // Nothing left and nothing out of sequence: 100 counts as a win.
    SetPile(2, {});
    SetPile(7, {});
    FillStock(0);
    FillWaste(0);
    EXPECT_EQ(ComputeScore4(), 200);
}

TEST_F(EngineRules, PairsAndWishCountEqualTopCards)
{
    for (int game : {Pairs, Wish}) {
        Table(game);
        const char* tops[9] = {"6ч", "7ч", "8ч", "9ч", "7б", "1ч", "7к", "Вч", "Дч"};
        for (int i = 1; i <= 9; ++i)
            SetPile(i, {"Кп", tops[i - 1]});
        int count = -1;
        EXPECT_FALSE(CountMoves4(count)) << game;
        EXPECT_EQ(count, 3) << game;
        // A covered seven does not pair.
        SetPile(7, {"7к", "Тп"});
        EXPECT_FALSE(CountMoves4(count)) << game;
        EXPECT_EQ(count, 1) << game;
        SetPile(5, {});
        EXPECT_TRUE(CountMoves4(count)) << game;
        EXPECT_EQ(count, 0) << game;
        // Nine empty piles: the game is over and the count shows nothing left.
        for (int i = 1; i <= 9; ++i)
            SetPile(i, {});
        count = 5;
        EXPECT_TRUE(CountMoves4(count)) << game;
        EXPECT_EQ(count, 0) << game;
    }
}

TEST_F(EngineRules, MonteCarloPairsTouchingCells)
{
    Table(MonteCarlo);
    const char* faces[13] = {"2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д", "К", "Т"};
    // Start from a table with no equal neighbours.
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 4; ++j)
            Put(i, j, (QByteArray(faces[(4 * (i - 1) + j - 1) % 13]) + "п").constData());
    Put(1, 1, "Кч");
    Put(3, 1, "Кб"); // two columns apart: no pair
    Put(4, 4, "Кк");
    Put(5, 3, "Кп"); // diagonal neighbours: one pair
    int count = -1;
    CountMoves4(count);
    const int base = count;
    Put(2, 2, "Кб"); // touches (1, 1) and (3, 1): two more
    EXPECT_FALSE(CountMoves4(count));
    EXPECT_EQ(count, base + 2);
    // Empty cells never pair.
    PileCards[2][2] = cards::Empty;
    PileValues[2][2] = cards::EmptyValue;
    CountMoves4(count);
    EXPECT_EQ(count, base);
}

TEST_F(EngineRules, MonteCarloBySuitPairsEqualSuits)
{
    Table(MonteCarloBySuit);
    Put(1, 1, "3ч");
    Put(2, 2, "Кч");
    Put(6, 4, "5п");
    int count = -1;
    EXPECT_FALSE(CountMoves4(count));
    EXPECT_EQ(count, 1);
    Put(2, 2, "Кб");
    EXPECT_TRUE(CountMoves4(count));
    EXPECT_EQ(count, 0);
}

TEST_F(EngineRules, PyramidCountsKingsAndThirteensAmongFreeCards)
{
    Table(PyramidInfinity);
    Put(7, 1, "5ч");
    Put(1, 7, "Кп", true);
    Put(3, 7, "6ч", true);
    Put(5, 7, "7п", true);
    Put(7, 7, "6к", true);
    Put(6, 6, "Кб");                 // covered King
    Put(8, 6, "7б");                 // covered seven
    PileFaceUp[9][7] = 1;             // a free flag on an empty place
    FillWaste(1, "7ч");
    int count = -1;
    EXPECT_FALSE(CountMoves4(count));
    // King 1, the waste seven with two sixes 2, sixes with the free seven 2.
    EXPECT_EQ(count, 5);
    EXPECT_EQ(GameWon, 0);
    FillWaste(1, "Кч");
    CountMoves4(count);
    EXPECT_EQ(count, 1 + 1 + 2);
}

TEST_F(EngineRules, AStuckPyramidEndsOnlyInPyramid)
{
    struct Case {
        int game;
        int stock;
        bool over;
    };
    const Case cases[] = {
        {Pyramid, 0, true},          {Pyramid, 1, false},    {PyramidInfinity, 0, false},
        {OpenPyramid, 0, false},     {DiamondInfinity, 0, false},
    };
    for (const auto& c : cases) {
        Table(c.game);
        Put(7, 1, "5ч");
        Put(4, 1, "5ч");
        Put(1, 7, "2п", true);
        Put(3, 7, "3п", true);
        FillWaste(1, "4ч");
        FillStock(c.stock);
        int count = -1;
        EXPECT_EQ(CountMoves4(count), c.over) << c.game;
        EXPECT_EQ(count, 0) << c.game;
        EXPECT_EQ(GameWon, 0) << c.game;
    }
}

TEST_F(EngineRules, ClearingTheApexOrTheTopRowWins)
{
    for (int game : {Pyramid, PyramidInfinity, OpenPyramid}) {
        Table(game);
        Put(1, 7, "2п", true);
        Put(3, 7, "Дп", true); // a pair is still there
        FillStock(12);
        int count = -1;
        // Pyramid ends at once, with cards left in the stock.
        EXPECT_EQ(CountMoves4(count), game == Pyramid) << game;
        EXPECT_EQ(GameWon, 1) << game;
        Put(7, 1, "5ч");
        CountMoves4(count);
        EXPECT_EQ(GameWon, 0) << game;
    }
    for (int game : {DiamondInfinity, OpenDiamond}) {
        Table(game);
        Put(1, 4, "2п", true);
        int count = -1;
        EXPECT_FALSE(CountMoves4(count));
        EXPECT_EQ(GameWon, 1) << game;
        for (int c : {4, 6, 8, 10}) {
            Put(c, 1, "5ч");
            CountMoves4(count);
            EXPECT_EQ(GameWon, 0) << game << " column " << c;
            PileCards[c][1] = cards::Empty;
            PileValues[c][1] = cards::EmptyValue;
        }
    }
}

TEST_F(EngineRules, RoundResultsOfTheRemovalGames)
{
    struct Case {
        int game;
        int won;
        int passes;
        int layout;
        int left;
        int score;
    };
    // Three cards left in the grid (or in the Monte Carlo layout and stock).
    const Case cases[] = {
        {PyramidInfinity, 1, 3, 6, 3, 190}, {OpenPyramid, 1, 1, 6, 3, 200},
        {OpenDiamond, 1, 20, 6, 3, 105},    {DiamondInfinity, 0, 5, 6, 3, 97},
        {Pyramid, 1, 1, 4, 3, 200},         {Pyramid, 0, 1, 4, 3, 97},
        {MonteCarlo, 0, 1, 4, 3, 97},       {MonteCarloBySuit, 1, 1, 4, 3, 200},
    };
    for (const auto& c : cases) {
        Table(c.game);
        Put(1, 1, "5ч");
        Put(2, 2, "6ч");
        if (IsMonteCarlo(c.game))
            ExtraPileCount = 1;
        else
            Put(3, 3, "7ч");
        GameWon = c.won;
        PassCount = c.passes;
        PlayerScore = 1000;
        PlayerRounds = 4;
        ClubPlayer::CurrentPlayerName = QStringLiteral("Anna                 and more");
        GameResult4();
        EXPECT_EQ(FCount::CountLayout, c.layout) << c.game;
        EXPECT_EQ(FCount::CountCardsLeft, c.left) << c.game;
        EXPECT_EQ(FCount::CountExtra, 0) << c.game;
        EXPECT_EQ(FCount::CountDealScore, c.score) << c.game;
        EXPECT_EQ(FCount::CountTotal, 1000 + c.score) << c.game;
        EXPECT_EQ(FCount::CountRound, 4) << c.game;
        EXPECT_EQ(FCount::CountPasses, 0) << c.game;
        EXPECT_EQ(FCount::CountScoreBefore, 1000) << c.game;
        EXPECT_EQ(FCount::CountPlayerName.size(), 20) << c.game;
    }
}

TEST_F(EngineRules, RoundResultsOfPairsAndWish)
{
    Table(Pairs);
    SetPile(1, {"5ч", "6ч"});
    SetPile(4, {"5ч"});
    FillStock(7);
    GameResult4();
    EXPECT_EQ(FCount::CountCardsLeft, 10);
    EXPECT_EQ(FCount::CountExtra, 0);
    EXPECT_EQ(FCount::CountDealScore, 90);
    FillStock(0);
    GameResult4();
    EXPECT_EQ(FCount::CountCardsLeft, 3);
    EXPECT_EQ(FCount::CountExtra, 2);
    EXPECT_EQ(FCount::CountDealScore, 87);

    Table(Wish);
    SetPile(2, {"5ч", "6ч"});
    GameResult4();
    EXPECT_EQ(FCount::CountCardsLeft, 2);
    EXPECT_EQ(FCount::CountExtra, 1);
    EXPECT_EQ(FCount::CountDealScore, 93);
    GameWon = 1;
    GameResult4();
    EXPECT_EQ(FCount::CountDealScore, 200);
}

} // namespace

namespace {

class EngineBookTurn : public g4test::TableFixture {};

TEST_F(EngineBookTurn, StockTurnPutsTheTopCardOnTheWaste)
{
    for (int mode : {0, 1}) {
        Table(Book);
        Settings::MoveMode = mode;
        FillStock(2);
        StockCards[2] = Cd("Дб");
        StockValues[2] = 11;
        SelectedPile = 9;
        DealFromKoloda4();
        EXPECT_EQ(StockCount, 1) << mode;
        EXPECT_EQ(StockCards[2], cards::Empty) << mode;
        EXPECT_EQ(StockValues[2], cards::EmptyValue) << mode;
        EXPECT_EQ(WasteCount, 2) << mode;
        EXPECT_EQ(WasteCards[1], Cd("Дб")) << mode;
        EXPECT_EQ(WasteValues[1], 11) << mode;
        EXPECT_EQ(SelectedPile, 0) << mode;
        EXPECT_EQ(AuxPile1Y, BookWasteRect[2]) << mode;
    }
    Settings::MoveMode = 0;
    DealFromKoloda4();
    DealFromKoloda4(); // the stock is empty: nothing happens
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(WasteCount, 3);
}

TEST_F(EngineBookTurn, ActionButtonsStandWhereEachTableLeavesRoom)
{
    struct Case {
        int game;
        int left7, top7, width;
    };
    for (int game : {Book, Pairs, Wish, MonteCarlo, Pyramid, OpenDiamond}) {
        Table(game);
        PlaceActionButtons4();
        const int W = CardWidth;
        const Case expected = game == Book ? Case{game, ButtonRect1[1], ButtonRect1[2], 180}
            : game == Pairs               ? Case{game, PosX[8], AuxPile2Y, PosX[9] + W - PosX[8]}
            : game == Wish                ? Case{game, PosX[8], 500 - 100, PosX[9] + W - PosX[8]}
            : game == MonteCarlo          ? Case{game, GridX[6][1] + W, GridY[6][4] + CardHeight + 10, 2 * W}
            : game == Pyramid             ? Case{game, GridX[10][4] + W + 45, GridY[10][4], 2 * W}
                                          : Case{game, GridX[13][1] + 12, GridY[13][7], 2 * W + 12};
        const QRect b7 = Form1->Button7->geometry();
        const QRect b8 = Form1->Button8->geometry();
        EXPECT_EQ(b7, QRect(expected.left7, expected.top7, expected.width, 30)) << game;
        EXPECT_EQ(b8, QRect(expected.left7, expected.top7 + 30, expected.width, 30)) << game;
    }
}

} // namespace
