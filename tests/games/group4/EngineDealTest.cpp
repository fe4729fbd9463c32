// The deal of every group-4 table, the round's start state, the player's club entry
// and the bounded redeals of Wish and Monte Carlo.
#include "Group4TestSupport.h"

#include "support/ScriptedPresenter.h"

#include "foundation/ClubFile.h"
#include "foundation/ClubPlayer.h"
#include "foundation/GameTables.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TextFileLines.h"
#include "foundation/Texts.h"
#include "platform/Cp1251.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <map>

using namespace GameState;
using namespace Group4;

namespace {

class EngineDeal : public g4test::TableFixture {
protected:
    void TearDown() override
    {
        platform::setProgramFolderForTest(QString());
        g4test::TableFixture::TearDown();
    }
    // A new player's deal of `game` with a pinned shuffle.
    void Deal(int game, std::uint32_t seed = 7)
    {
        g4test::EmptyTable(game);
        PlayerSlot = 6;
        SetShuffleSeedForTest(seed);
        ASSERT_TRUE(DealRound4(false)) << game;
    }
    // Every card on the table (grid, piles, stock, waste, foundations) counted by code.
    static std::map<QString, int> Census(int game)
    {
        std::map<QString, int> seen;
        auto add = [&](const TCardCode& c) {
            if (!(c == cards::Empty))
                ++seen[c.toString()];
        };
        if (IsMonteCarlo(game)) {
            for (int i = 1; i <= 6; ++i)
                for (int j = 1; j <= 4; ++j)
                    add(PileCards[i][j]);
            for (int k = 1; k <= ExtraPileCount; ++k)
                add(StockCards[k]);
            return seen;
        }
        for (int p = 1; p <= 19; ++p)
            for (int s = 1; s <= 104; ++s)
                add(PileCards[p][s]);
        for (int k = 1; k <= 104; ++k) {
            add(StockCards[k]);
            add(WasteCards[k]);
        }
        return seen;
    }
    static int FreeCards()
    {
        int n = 0;
        for (int c = 1; c <= 13; ++c)
            for (int r = 1; r <= 7; ++r)
                n += PileFaceUp[c][r];
        return n;
    }
};

TEST_F(EngineDeal, EveryTableStartsLockedWithTheWholePack)
{
    struct Case {
        int game;
        int pack;    // distinct cards
        int copies;  // of each card
        int stock;   // StockCount
        int extra;   // ExtraPileCount
    };
    const Case cases[] = {
        {Book, 52, 2, 64, 0},           {Pairs, 52, 2, 59, 0},       {Wish, 36, 1, 0, 0},
        {MonteCarlo, 52, 1, 0, 28},     {MonteCarloBySuit, 48, 1, 0, 24},
        {Pyramid, 52, 1, 24, 1},        {PyramidInfinity, 52, 1, 24, 1}, {OpenPyramid, 52, 1, 24, 1},
        {DiamondInfinity, 52, 1, 15, 1}, {OpenDiamond, 52, 1, 15, 1},
    };
    for (const auto& c : cases) {
        MoveCounter = 9;
        GameOver = 1;
        UndoFlag = 1;
        Deal(c.game);
        const auto seen = Census(c.game);
        EXPECT_EQ(int(seen.size()), c.pack) << c.game;
        for (const auto& [card, n] : seen)
            EXPECT_EQ(n, c.copies) << c.game << " " << card.toStdString();
        EXPECT_EQ(StockCount, c.stock) << c.game;
        EXPECT_EQ(ExtraPileCount, c.extra) << c.game;
        EXPECT_EQ(WasteCount, 1) << c.game;
        EXPECT_EQ(RoundPhase, 1) << c.game;
        EXPECT_EQ(PassCount, 1) << c.game;
        EXPECT_EQ(MoveCounter, 0) << c.game;
        EXPECT_EQ(GameOver, 0) << c.game;
        EXPECT_EQ(GameWon, 0) << c.game;
        EXPECT_EQ(UndoFlag, 0) << c.game;
        EXPECT_EQ(RoundActive, 1) << c.game;
        EXPECT_EQ(SelectedPile, 0) << c.game;
        EXPECT_EQ(PlayerRounds, 1) << c.game;
        EXPECT_EQ(Form1->Button7->text(), Texts::Tx(Texts::TxtToBegin)) << c.game;
        EXPECT_TRUE(Form1->Button7->isEnabled()) << c.game;
        EXPECT_FALSE(Form1->Button8->isHidden()) << c.game;
        EXPECT_FALSE(Form1->Button8->isEnabled()) << c.game;
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtUndo)) << c.game;
        EXPECT_FALSE(Form1->Timer1->isActive()) << c.game;
        // The deal is painted.
        int painted = 0;
        for (int y = 0; y < 500; y += 4)
            for (int x = 0; x < 760; x += 4)
                painted += Shown().pixel(x, y) != platform::toQColor(Ground).rgb();
        EXPECT_GT(painted, 2000) << c.game;
    }
}

TEST_F(EngineDeal, BookDealsEightRowsOfFive)
{
    Deal(Book);
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(LastCardIndex4(PileCards[r]), 5) << r;
        for (int s = 1; s <= 5; ++s)
            EXPECT_EQ(PileCards[r][s], DealCards[5 * (r - 1) + s]);
    }
    for (int k = 1; k <= 64; ++k)
        EXPECT_EQ(StockCards[k], DealCards[40 + k]);
    for (int f = 1; f <= 8; ++f)
        EXPECT_EQ(FoundationNextSlot[f], 1);
    EXPECT_EQ(Button8Mode, 1);
    EXPECT_EQ(LiftedCards[1], cards::Empty);
}

TEST_F(EngineDeal, PairsAndWishDealNinePiles)
{
    Deal(Pairs);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(PileCounts[i], 6);
        EXPECT_EQ(ColumnStep[i], 20);
        EXPECT_EQ(PileCards[i][5], DealCards[5 * i]);
    }
    EXPECT_EQ(StockCards[1], DealCards[46]);
    EXPECT_EQ(StockCards[59], DealCards[104]);

    Deal(Wish);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(PileCounts[i], 5);
        EXPECT_EQ(PileCards[i][4], DealCards[4 * i]);
        EXPECT_EQ(PileValues[i][4], DealValues[4 * i]);
    }
    int count = 0;
    EXPECT_FALSE(CountMoves4(count));
    EXPECT_GE(count, 1);
}

TEST_F(EngineDeal, MonteCarloDealsTwentyFourCellsWithAPair)
{
    for (int game : {MonteCarlo, MonteCarloBySuit}) {
        Deal(game);
        int count = 0;
        EXPECT_FALSE(CountMoves4(count)) << game;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 4; ++j)
                EXPECT_EQ(PileCards[i][j], DealCards[4 * (i - 1) + j]);
        EXPECT_EQ(StockCards[ExtraPileCount], DealCards[25]) << game; // next to deal on top
        EXPECT_EQ(MonteCardsLeft4(), game == MonteCarlo ? 52 : 48);
    }
    // No two at all in Monte Carlo by Suit.
    for (int k = 1; k <= 104; ++k)
        EXPECT_NE(StockCards[k].rank(), '2');
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_NE(PileCards[i][j].rank(), '2');
}

TEST_F(EngineDeal, PyramidAndDiamondFreeOnlyTheirBottomRow)
{
    struct Case {
        int game;
        int cards;
        int free;
    };
    const Case cases[] = {{Pyramid, 28, 7}, {OpenPyramid, 28, 7}, {DiamondInfinity, 37, 4}, {OpenDiamond, 37, 4}};
    for (const auto& c : cases) {
        WasteKingTaken = 1;
        SelectedSlot = 3;
        Deal(c.game);
        EXPECT_EQ(GridCards4(), c.cards) << c.game;
        EXPECT_EQ(FreeCards(), c.free) << c.game;
        for (int col = 1; col <= 13; ++col)
            EXPECT_EQ(PileFaceUp[col][7], IsGridPlace4(c.game, col, 7) ? 1 : 0) << c.game;
        // Dealt row by row, left to right; the rest of the pack on the stock.
        int k = 0;
        for (const GridPlace& p : GridPlaces4(c.game))
            EXPECT_EQ(PileCards[p.col][p.row], DealCards[++k]) << c.game;
        EXPECT_EQ(k, c.cards);
        EXPECT_EQ(StockCards[1], DealCards[c.cards + 1]) << c.game;
        EXPECT_EQ(StockCards[52 - c.cards], DealCards[52]) << c.game;
        EXPECT_EQ(WasteKingTaken, 0) << c.game;
        EXPECT_EQ(SelectedSlot, 0) << c.game;
    }
    EXPECT_TRUE(IsGridPlace4(Pyramid, 7, 1));
    EXPECT_TRUE(IsGridPlace4(Pyramid, 1, 7));
    EXPECT_FALSE(IsGridPlace4(Pyramid, 2, 7));
    EXPECT_TRUE(IsGridPlace4(OpenDiamond, 1, 4));
    EXPECT_TRUE(IsGridPlace4(OpenDiamond, 13, 4));
    EXPECT_FALSE(IsGridPlace4(OpenDiamond, 2, 7));
}

TEST_F(EngineDeal, ARedealKeepsTheRoundTotals)
{
    g4test::EmptyTable(OpenPyramid);
    PlayerSlot = 6;
    PlayerRounds = 7;
    PlayerScore = 321;
    WorldPlace = 4;
    NewTotalScore = 99;
    PassCount = 9;
    ASSERT_TRUE(DealRound4(true));
    EXPECT_EQ(PlayerRounds, 7);
    EXPECT_EQ(PlayerScore, 321);
    EXPECT_EQ(WorldPlace, 4);
    EXPECT_EQ(NewTotalScore, 99);
    EXPECT_EQ(PassCount, 1);
}

TEST_F(EngineDeal, AMembersEntryLeavesTheClubFileForTheRound)
{
    QTemporaryDir folder;
    platform::setProgramFolderForTest(folder.path());
    const int number = GameTables::GameSlotOf(PyramidInfinity);
    ClubFile::ClubLines lines = ClubFile::EmptyClubLines("ozk");
    const QString entry = ClubFile::ComposeClubEntry(QStringLiteral("Boris"), 4, 250,
                                                     ClubFile::EncodeClubField(QStringLiteral("pw")));
    ClubFile::InsertClubEntryInLines(lines, platform::cp1251::fromUnicode(entry), number, false);
    const QString path = QDir(folder.path()).filePath(ClubFile::ClubFileName);
    ASSERT_TRUE(TextFileLines::WriteFileBytes(path, TextFileLines::JoinLines(lines)));

    g4test::EmptyTable(PyramidInfinity);
    PlayerSlot = 1;
    ASSERT_TRUE(DealRound4(false));
    EXPECT_EQ(PlayerRounds, 5);
    EXPECT_EQ(PlayerScore, 250);
    EXPECT_TRUE(ClubPlayer::CurrentPlayerName.startsWith(QStringLiteral("Boris")));
    ClubFile::ClubLines after;
    ASSERT_TRUE(ClubFile::ReadClubLines(ClubFile::ClubFileName, after));
    EXPECT_TRUE(ClubFile::IsEmptyClubEntry(after[(number - 1) * 18]));

    // A redeal leaves the file as it is.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_TRUE(DealRound4(true));
    EXPECT_EQ(PlayerRounds, 5);
    EXPECT_EQ(PlayerScore, 250);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(EngineDeal, AClubFileThatCannotBeReadLeavesTheTableAlone)
{
    testsupport::ScriptedPresenter presenter;
    QTemporaryDir folder; // no club file in it
    platform::setProgramFolderForTest(folder.path());
    g4test::EmptyTable(Pyramid);
    g4test::Put(7, 1, "Кп");
    PlayerSlot = 2;
    EXPECT_FALSE(DealRound4(false));
    EXPECT_EQ(PileCards[7][1], g4test::Cd("Кп"));
    EXPECT_EQ(StockCount, 0);
    EXPECT_EQ(RoundActive, 0);
}

// A seed whose first shuffle of `pack` cards deals a table without a move.
template <class Shuffle, class NoMove>
std::uint32_t SeedWithoutAMove(Shuffle shuffle, NoMove noMove)
{
    for (std::uint32_t seed = 1; seed < 200000; ++seed) {
        SetShuffleSeedForTest(seed);
        shuffle();
        if (noMove())
            return seed;
    }
    return 0;
}

TEST_F(EngineDeal, APinnedSeedWithoutAMoveCannotHangTheRedeal)
{
    // Wish: the nine top cards (pack cards 4, 8 .. 36) all of different ranks.
    const std::uint32_t wishSeed = SeedWithoutAMove(ShuffleDeck36, [] {
        std::map<char, int> ranks;
        for (int i = 1; i <= 9; ++i)
            ++ranks[DealCards[4 * i].rank()];
        return ranks.size() == 9;
    });
    ASSERT_NE(wishSeed, 0u);
    g4test::EmptyTable(Wish);
    SetShuffleSeedForTest(wishSeed);
    DealTable4();
    int count = -1;
    EXPECT_TRUE(CountMoves4(count));

    // Monte Carlo: no two touching cells of the same rank.
    const std::uint32_t monteSeed = SeedWithoutAMove(ShuffleDeck52, [] {
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 4; ++j) {
                PileCards[i][j] = DealCards[4 * (i - 1) + j];
                PileValues[i][j] = DealValues[4 * (i - 1) + j];
            }
        int n = 0;
        CurrentGameId = MonteCarlo;
        return CountMoves4(n);
    });
    ASSERT_NE(monteSeed, 0u);
    g4test::EmptyTable(MonteCarlo);
    SetShuffleSeedForTest(monteSeed);
    DealTable4();
    EXPECT_TRUE(CountMoves4(count));

    // With the seed moved on before each new try the deal finds a move.
    g4test::EmptyTable(Wish);
    std::uint32_t next = wishSeed;
    SetShuffleSeedForTest(next);
    int redeals = 0;
    BeforeRedealHookForTest = [&] {
        ++redeals;
        SetShuffleSeedForTest(++next);
    };
    DealTable4();
    EXPECT_GE(redeals, 1);
    EXPECT_FALSE(CountMoves4(count));
}

} // namespace
