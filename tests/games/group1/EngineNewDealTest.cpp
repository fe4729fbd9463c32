// The start of a group-1 round on a bare table surface: the round's flags, the buttons,
// the stock hint, a new player's round data, and a club file that cannot be read.
#include "EngineTestSupport.h"

#include "support/ScriptedPresenter.h"
#include "foundation/CardPictures.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "games/kit/KitCursors.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace GameState;
using namespace Group1;

namespace {

class EngineNewDeal : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->ImageStol->setPictureSize(760, 500);
        ApplyZoomForTest(760, 500, 1.0, true);
        SetShuffleSeedForTest(11);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        SetShuffleSeedForTest(std::nullopt);
        platform::setProgramFolderForTest(QString());
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }
    std::unique_ptr<TTableSurface> window;
};

TEST_F(EngineNewDeal, EveryGameStartsLockedWithItsButtons)
{
    struct StartCase {
        int game;
        Texts::TText second;
        int stock;
    };
    const StartCase cases[] = {
        {VardelinDuo, Texts::TxtUndo, 49},   {VardelinSolo, Texts::TxtUndo, 24},
        {ScorpionSolo, Texts::TxtThatsAll, 0}, {ScorpionDuo, Texts::TxtThatsAll, 0},
        {YukonSolo, Texts::TxtThatsAll, 0},  {YukonDuo, Texts::TxtThatsAll, 0},
        {SpiderSolo, Texts::TxtUndo, 50},    {SpiderDuo, Texts::TxtUndo, 50},
        {SpiderQuartet, Texts::TxtUndo, 50}, {FreeCell, Texts::TxtThatsAll, 0},
    };
    for (const auto& c : cases) {
        engine_test::EmptyTable(c.game);
        PlayerSlot = 6;
        MoveCounter = 17;
        GameOver = 1;
        UndoFlag = 1;
        SelectedPile = 3;
        ASSERT_TRUE(NewDeal1(false)) << c.game;
        EXPECT_EQ(PassCount, 1) << c.game;
        EXPECT_EQ(MoveCounter, 0) << c.game;
        EXPECT_EQ(RoundPhase, 1) << c.game;
        EXPECT_EQ(GameOver, 0) << c.game;
        EXPECT_EQ(GameWon, 0) << c.game;
        EXPECT_EQ(UndoFlag, 0) << c.game;
        EXPECT_EQ(SelectedPile, 0) << c.game;
        EXPECT_EQ(Button8Mode, 1) << c.game;
        EXPECT_EQ(RoundActive, 1) << c.game;
        EXPECT_EQ(PlayerRounds, 1) << c.game;
        EXPECT_EQ(PlayerScore, 0) << c.game;
        EXPECT_EQ(StockCount, c.stock) << c.game;
        EXPECT_EQ(Form1->Button7->text(), Texts::Tx(Texts::TxtToBegin)) << c.game;
        EXPECT_TRUE(Form1->Button7->isEnabled()) << c.game;
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(c.second)) << c.game;
        EXPECT_FALSE(Form1->Button8->isEnabled()) << c.game;
        EXPECT_FALSE(Form1->Timer1->isActive()) << c.game;
        if (c.stock > 0) {
            EXPECT_EQ(Form1->ImageStol->property(Kit::StockHintProperty).toString(),
                      QString::number(c.stock))
                << c.game;
        }
    }
}

TEST_F(EngineNewDeal, ARedealKeepsThePlayersRoundData)
{
    engine_test::EmptyTable(VardelinSolo);
    PlayerSlot = 6;
    PlayerRounds = 7;
    PlayerScore = 321;
    WorldPlace = 4;
    NewTotalScore = 99;
    ASSERT_TRUE(NewDeal1(true));
    EXPECT_EQ(PlayerRounds, 7);
    EXPECT_EQ(PlayerScore, 321);
    EXPECT_EQ(WorldPlace, 4);
    EXPECT_EQ(NewTotalScore, 99);
    EXPECT_EQ(PassCount, 1);
}

TEST_F(EngineNewDeal, AnUnreadableClubFileLeavesTheTableAlone)
{
    testsupport::ScriptedPresenter presenter;
    QTemporaryDir folder; // no club file in it
    platform::setProgramFolderForTest(folder.path());
    engine_test::EmptyTable(VardelinDuo);
    engine_test::SetPile(1, {"Кп"});
    PlayerSlot = 2;
    EXPECT_FALSE(NewDeal1(false));
    EXPECT_EQ(PileCards[1][1], engine_test::Cd("Кп"));
    EXPECT_EQ(PileCardCount[2], 0);
    EXPECT_EQ(RoundActive, 0);
    // The standard message names the file it could not read.
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, Texts::Tx(Texts::TxtCantReadFile) + QStringLiteral(" \"Vardelin.clb\"!"));
}

} // namespace
