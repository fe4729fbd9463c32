// Scripted Diamond Infinity and Open Diamond rounds through real mouse events: the
// freeing rule of the diamond's shape, the win on the top row, the give-up and the score.
#include "Group4PlayTable.h"

#include "app/RoundEnd.h"
#include "foundation/Celebration.h"
#include "foundation/Qyv_FCount.h"
#include "games/group4/Qyv_23_Pyramid.h"

#include <vector>

namespace {

using namespace GameState;
using g4test::Cd;
using g4test::Put;

class DiamondPlay : public g4test::Group4Play {
protected:
    void Lay(int game, int mode)
    {
        LayRound(game, mode);
        Put(10, 1, "Дч"); // a top-row card: the round goes on
    }
    void Paint()
    {
        Group4::RepaintGrid4();
        Sounds();
        presenter.dialogs.clear();
    }
    static QPoint At(int c, int r) { return {GridX[c][r] + CardWidth / 2, GridY[c][r] + CardHeight - 8}; }
    static QPoint StockPoint() { return {AuxPile2X + CardWidth / 2, AuxPile2Y + CardHeight / 2}; }
};

struct FreeingCase {
    std::vector<std::pair<int, int>> kings; // free Kings removed in this order
    int col, row;                          // the covered card looked at
    bool freeAfterFirst;
    bool freeAfterAll;
};

TEST_F(DiamondPlay, TheEndsOfTheRowsAreFreedByTheirOneCover)
{
    const FreeingCase cases[] = {
        {{{4, 7}}, 3, 6, true, true},
        {{{2, 5}}, 1, 4, true, true},
        {{{12, 5}}, 13, 4, true, true},
        {{{3, 4}, {1, 4}}, 2, 3, false, true},
        {{{1, 4}, {3, 4}}, 2, 3, false, true},
    };
    for (int game : {Group4::DiamondInfinity, Group4::OpenDiamond})
        for (const FreeingCase& c : cases) {
            SCOPED_TRACE(testing::Message() << game << ": (" << c.col << ", " << c.row << ")");
            Lay(game, 0);
            Put(c.col, c.row, "5ч");
            for (const auto& [kc, kr] : c.kings)
                Put(kc, kr, "Кп", true);
            Stock({"3ч"});
            Paint();
            bool first = true;
            for (const auto& [kc, kr] : c.kings) {
                Click(At(kc, kr));
                EXPECT_EQ(PileCards[kc][kr], cards::Empty);
                if (first) {
                    EXPECT_EQ(PileFaceUp[c.col][c.row] == 1, c.freeAfterFirst);
                }
                first = false;
            }
            EXPECT_EQ(PileFaceUp[c.col][c.row] == 1, c.freeAfterAll);
            EXPECT_FALSE(GameOver);
        }
}

TEST_F(DiamondPlay, ClearingTheTopRowWinsAndScoresByThePasses)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Lay(Group4::OpenDiamond, mode);
        Put(10, 1, "Кч", true);
        Put(6, 1, "5ч", true);
        Put(8, 1, "8п", true);
        Stock({"3ч", "4б"});
        PassCount = 3;
        Paint();
        Click(At(10, 1));
        EXPECT_FALSE(GameOver);
        if (mode == 2) {
            Drag(At(6, 1), At(8, 1));
        } else {
            Click(At(6, 1));
            Click(At(8, 1));
        }
        ExpectRoundEnded(true);
        Group4::GameResult4();
        EXPECT_EQ(FCount::CountDealScore, 190);
        Celebration::StopWinBalloons();
    }
}

TEST_F(DiamondPlay, TheEmptyStockOffersTheGiveUpAndTurnsBackInEveryMode)
{
    for (int game : {Group4::DiamondInfinity, Group4::OpenDiamond})
        for (int mode = 0; mode <= 2; ++mode) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Lay(game, mode);
            Put(9, 7, "2б", true);
            Stock({"3ч"});
            Paint();
            Click(StockPoint());
            EXPECT_EQ(StockCount, 0);
            EXPECT_TRUE(Form1->Button8->isEnabled());
            Click(StockPoint());
            EXPECT_EQ(StockCount, 1);
            EXPECT_EQ(PassCount, 2);
            EXPECT_FALSE(GameOver);
            Sounds();
            RoundEnd::Button8Click(*Form1);
            ExpectRoundEnded(false, nullptr);
        }
}

} // namespace
