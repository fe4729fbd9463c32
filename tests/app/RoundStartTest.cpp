// The first action button of every game, the member buttons and the Picture Gallery
// redeal buttons.
#include "app/RoundStart.h"
#include "foundation/MessageBox.h"
#include "foundation/AccountClient.h"
#include "foundation/GameState.h"
#include "foundation/OnlineResult.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "support/ScriptedPresenter.h"

#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace GameState;

class RoundStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        Texts::LanguageIndex = 0;
        Settings::SoundOn = false;
        Form1 = &surface;
    }
    void TearDown() override
    {
        Form1 = nullptr;
        ResetGameState();
    }

    // The table as every deal leaves it: locked, Button7 "To Begin".
    void dealt(int code)
    {
        CurrentGameId = code;
        RoundPhase = 1;
        MoveCounter = 0;
        surface.Button7->setText(Texts::Tx(Texts::TxtToBegin));
        surface.Button7->setEnabled(code != 12);
        surface.Button8->setText(QStringLiteral("as dealt"));
        surface.Button8->setEnabled(true);
        surface.Timer1->stop();
    }

    TTableSurface surface;
    testsupport::ScriptedPresenter presenter;
};

const QString kAsDealt = QStringLiteral("as dealt");

TEST_F(RoundStartTest, FirstPressOfButton7SetsButton8ForEveryGame)
{
    using Texts::Tx;
    struct Case {
        int code;
        QString button8Caption;
        std::optional<bool> button8Enabled; // nullopt: as the deal left it
        QString button7Caption;
        bool button7Enabled;
        int moves;                          // moves the press makes
    };
    const QString info = Tx(Texts::TxtInfo), undo = Tx(Texts::TxtUndo), all = Tx(Texts::TxtThatsAll),
                  exit = Tx(Texts::TxtExitToMenu), reshuffle = Tx(Texts::TxtToReshuffle);
    std::vector<Case> cases = {
        {71, undo, false, info, true, 1},      {431, undo, false, info, true, 1},
        {403, exit, false, info, true, 0},     {433, all, true, info, true, 0},
        {404, all, true, info, true, 0},       {432, all, true, info, true, 0},
        {413, all, false, info, true, 0},      {414, all, false, info, true, 0},
        {421, all, false, info, true, 0},      {430, all, false, info, true, 0},
        {402, all, std::nullopt, info, true, 0}, {443, all, true, info, true, 0},
        {444, all, true, info, true, 0},       {18, undo, false, info, true, 1},
        {426, all, std::nullopt, info, true, 0}, {437, all, std::nullopt, info, true, 0},
        {438, all, std::nullopt, info, true, 0}, {439, all, std::nullopt, info, true, 0},
        {17, kAsDealt, std::nullopt, undo, false, 1}, {409, undo, false, info, true, 1},
        {410, reshuffle, std::nullopt, info, true, 0}, {415, reshuffle, true, info, true, 0},
        {416, reshuffle, true, info, true, 0}, {422, all, false, info, true, 0},
        {429, kAsDealt, false, info, true, 0}, {440, reshuffle, true, info, true, 0},
        {441, kAsDealt, false, info, true, 0}, {442, all, false, info, true, 0},
    };
    // 440's table here is empty, so it has no move: the redeal is on offer at once.
    // Games whose first press is the common start alone.
    for (int code : {19, 401, 419, 420, 424, 427, 434, 435, 436, 405, 406, 417, 418, 425, 428, 445, 407, 408, 411,
                     412, 423})
        cases.push_back({code, kAsDealt, std::nullopt, info, true, 0});
    ASSERT_EQ(cases.size(), 49u); // all but Picture Gallery

    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        dealt(c.code);
        RoundStart::Button7Click(surface);
        EXPECT_EQ(RoundPhase, 2);
        EXPECT_EQ(surface.Button8->text(), c.button8Caption);
        EXPECT_EQ(surface.Button8->isEnabled(), c.button8Enabled.value_or(true));
        EXPECT_EQ(surface.Button7->text(), c.button7Caption);
        EXPECT_EQ(surface.Button7->isEnabled(), c.button7Enabled);
        EXPECT_EQ(MoveCounter, c.moves);
        EXPECT_TRUE(surface.Timer1->isActive());
        EXPECT_TRUE(presenter.dialogs.isEmpty()) << "the first press shows no score window";
    }
}

TEST_F(RoundStartTest, PictureGalleryIgnoresButton7UntilARedealButtonStartsPlay)
{
    dealt(12);
    RoundStart::Button7Click(surface);
    EXPECT_EQ(RoundPhase, 1);
    EXPECT_EQ(surface.Button8->text(), kAsDealt);
}

TEST_F(RoundStartTest, LaterPressesShowTheScoreWindowExceptInUnclePelk)
{
    for (int code : {431, 404, 424, 18, 12, 442}) {
        SCOPED_TRACE(code);
        presenter.dialogs.clear();
        CurrentGameId = code;
        RoundPhase = 2;
        const int moves = MoveCounter;
        RoundStart::Button7Click(surface);
        EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormCount")});
        EXPECT_EQ(MoveCounter, moves) << "no second stock card";
    }
    presenter.dialogs.clear();
    CurrentGameId = 17;
    RoundPhase = 2;
    UndoFlag = 0;
    RoundStart::Button7Click(surface);
    EXPECT_TRUE(presenter.dialogs.isEmpty());
}

TEST_F(RoundStartTest, UnclePelkTakesBackOneStockDeal)
{
    CurrentGameId = 17;
    RoundPhase = 2;
    Settings::MoveMode = 0;
    ClearCards(StockCards, StockValues);
    ClearCards(WasteCards, WasteValues);
    StockCount = 2;
    WasteCards[1] = TCardCode("5\xF7");
    WasteValues[1] = 4;
    WasteCards[2] = TCardCode("7\xEF");
    WasteValues[2] = 6;
    WasteCount = 3;
    UndoFlag = 1;
    surface.Button7->setEnabled(true);
    RoundStart::Button7Click(surface);
    EXPECT_EQ(StockCount, 3);
    EXPECT_EQ(StockCards[3], TCardCode("7\xEF"));
    EXPECT_EQ(StockValues[3], 6);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(WasteCards[2], cards::Empty);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(UndoFlag, 0);
    EXPECT_FALSE(surface.Button7->isEnabled());
    // A second press without a new deal does nothing.
    RoundStart::Button7Click(surface);
    EXPECT_EQ(StockCount, 3);
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(RoundStartTest, GalleryRedealsAndKeep)
{
    struct Case {
        const char* what;
        int redeals;      // BitBtn1 presses
        bool keep;        // BitBtn2 press at the end
        int count;        // GalleryRedealCount after
        int phase;
        int moves;
        QString caption;  // BitBtn1
        bool buttonsEnabled;
    };
    const Case cases[] = {
        {"keep the first deal", 0, true, 1, 2, 1, "1/2", false},
        {"one redeal", 1, false, 2, 1, 0, "2/2", true},
        {"one redeal, then keep", 1, true, 2, 2, 1, "2/2", false},
        {"second redeal starts play", 2, false, 3, 2, 1, "2/2", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dealt(12);
        GalleryRedealCount = 1;
        surface.BitBtn1->setText(QStringLiteral("1/2"));
        surface.BitBtn1->setEnabled(true);
        surface.BitBtn2->setEnabled(true);
        for (int i = 0; i < c.redeals; ++i)
            RoundStart::BitBtn1Click(surface);
        if (c.keep)
            RoundStart::BitBtn2Click(surface);
        EXPECT_EQ(GalleryRedealCount, c.count);
        EXPECT_EQ(RoundPhase, c.phase);
        EXPECT_EQ(MoveCounter, c.moves);
        EXPECT_EQ(surface.BitBtn1->text(), c.caption);
        EXPECT_EQ(surface.BitBtn1->isEnabled(), c.buttonsEnabled);
        EXPECT_EQ(surface.BitBtn2->isEnabled(), c.buttonsEnabled);
        EXPECT_EQ(surface.Button7->isEnabled(), !c.buttonsEnabled);
    }
}

TEST_F(RoundStartTest, EmptyMemberSlotDoesNothing)
{
    PlayerLines[3] = QString(32, QLatin1Char('#')) + QStringLiteral("#");
    PlayerLines[5] = QString();
    Online::OnlineState = 1;
    RoundStart::Button3Click(surface);
    RoundStart::Button5Click(surface);
    EXPECT_TRUE(presenter.dialogs.isEmpty());
    EXPECT_EQ(RoundActive, 0);
}

TEST_F(RoundStartTest, RatedStartThatCannotBeStoredSignsThePlayerOut)
{
    struct Case {
        const char* what;
        bool readOk, saveOk;
        int stateAfter;
        bool dealt;
    };
    for (const Case& c : {Case{"record unreadable", false, true, 1, false}, Case{"save refused", true, false, 1, false},
                          Case{"stored", true, true, 3, true}}) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        CurrentGameId = 424;
        CurrentGroup = 2;
        presenter.messages.clear();
        presenter.dialogs.clear();
        std::vector<Online::TQyvGame> saves;
        Online::AccountRequests service;
        service.readGame = [&](const QString&, const QString&, const QString&, const QString&, bool& ok,
                               Online::TQyvGame& game) {
            game.Kon = 4;
            game.Rating = 2.0;
            game.KonL = 3;
            game.Score = 77;
            ok = c.readOk;
        };
        service.saveGame = [&](const QString&, const QString&, const QString&, const QString&,
                               const Online::TQyvGame& game) {
            saves.push_back(game);
            return c.saveOk;
        };
        Online::SetAccountRequestsForTest(&service);
        Online::OnlineState = 2;
        RoundStart::ShowAccountWindow = [] { Online::OnlineState = 3; };
        RoundStart::Button5Click(surface);
        RoundStart::ShowAccountWindow = nullptr;
        Online::SetAccountRequestsForTest(nullptr);

        EXPECT_EQ(Online::OnlineState, c.stateAfter);
        // The program's own "Attention" box, not a plain warning dialog.
        EXPECT_TRUE(presenter.messages.empty());
        EXPECT_EQ(presenter.dialogs, c.dealt ? QStringList{} : QStringList{QStringLiteral("FormLink")});
        if (!c.dealt) {
            EXPECT_EQ(MessageBox::LinkLine1, Texts::Tx(Texts::TxtCouldNotConnect));
        }
        EXPECT_EQ(RoundActive != 0, c.dealt);
        EXPECT_EQ(Online::OnlineGameRunning, c.dealt);
        if (c.readOk) {
            ASSERT_EQ(saves.size(), 1u);
            // The new game counts, with no points and no rounds yet.
            EXPECT_EQ(saves[0].Kon, 5);
            EXPECT_EQ(saves[0].KonL, 0);
            EXPECT_EQ(saves[0].Score, 0);
            EXPECT_DOUBLE_EQ(saves[0].Rating, Online::RatingOnGameStart(5, 1, 0, 10, 2.0));
            // The series in memory stays as it was; a refused save keeps the old count.
            EXPECT_EQ(Online::AccountGame.KonL, 3);
            EXPECT_EQ(Online::AccountGame.Score, 77);
            EXPECT_EQ(Online::AccountGame.Kon, c.saveOk ? 5 : 4);
        }
        if (c.dealt) {
            EXPECT_EQ(PlayerSlot, 7);
        }
    }
    Online::OnlineState = 1;
}

} // namespace
