#pragma once
// Scripted rounds of the group-1 games on the shared play table (support/PlayTable.h):
// a group-1 game laid out and emptied, painted, and the points of its places.
//
//   class MyTest : public play_test::PlayTable {};
//   TEST_F(MyTest, X) {
//       Table(Group1::YukonSolo);            // emptied table of the game, laid out
//       SetPile(1, {"Кп", "Дч"}, 1);        // from EngineTestSupport.h
//       Paint();                            // every pile, foundation, stock and waste
//       Drag(TopCard(1), TopCard(2));       // press, moves, release
//       EXPECT_EQ(Sounds(), (QStringList{"WavDown", "WavCardUp"}));
//   }
#include "EngineTestSupport.h"

#include "support/PlayTable.h"

#include "app/TableDispatch.h"
#include "foundation/CardPictures.h"
#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "games/group1/Group1Kit.h"
#include "games/group1/Qyv_Help2_1.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitPress.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace play_test {

using engine_test::Cd;
using engine_test::SetFoundation;
using engine_test::SetPile;

// One action on a table that it cannot end: the moves it counts, the sounds it plays
// (blank-separated) and what else must hold afterwards.
struct MoveCase {
    const char* what;
    std::function<void()> act;
    int moves;
    QString sounds;
    std::function<void()> verify;
};

class PlayTable : public testsupport::PlayTable {
protected:
    // An emptied table of `game` laid out at width x height and `zoom`, the round being
    // played (RoundPhase 2) in move mode `mode`.
    void Table(int game, int mode = 2, int width = 760, int height = 500, double zoom = 1.0)
    {
        using namespace GameState;
        BareTable(mode, width, height, zoom);
        CurrentGameId = game;
        LayoutTable();
        // A real deal sets the game's pile, slot and foundation counts; then every
        // place is emptied for the test to fill.
        Group1::DealTable1();
        ClearCards(PileCards, PileValues);
        platform::fillAll(PileFaceUp, Byte(0));
        platform::fillAll(PileMarks, Byte(0));
        ClearCards(FoundationCards, FoundationValues);
        ClearCards(StockCards, StockValues);
        ClearCards(WasteCards, WasteValues);
        ClearCards(FreeCellCards, FreeCellValues);
        platform::fillAll(PileCardCount, 0);
        for (int f = 1; f <= 8; ++f)
            FoundationNextSlot[f] = 1;
        StockCount = 0;
        WasteCount = 1;
        MoveCounter = 0;
        SelectedPile = 0;
        UndoFlag = 0;
        Button8Mode = 0;
        PassCount = 1;
        RoundActive = 1;
        RoundPhase = 2;
    }

    // Fan steps set and everything drawn on the background.
    void Paint()
    {
        using namespace GameState;
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        for (int p = 1; p <= LayoutPileCount; ++p) {
            PileFanStep[p] = Group1::FanStep1(p);
            Group1::RedrawColumn1(p, 0);
        }
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            Group1::RedrawFoundation1(f);
        if (Group1::IsVardelin(CurrentGameId) || Group1::IsSpider(CurrentGameId))
            Group1::RedrawStockWaste1(0);
        Group1::DrawInfoPanel1();
        Form1->ImageStol->setProperty(Kit::StockHintProperty, QString::number(StockCount));
    }

    // ---- points ----

    // The middle of slot s of pile p (its visible strip for a covered card).
    QPoint Slot(int p, int s) const
    {
        using namespace GameState;
        const int top = Group1::LastCardIndex1(PileCards[p]);
        const int y = Group1::SlotY(p, s);
        const int h = s < top ? PileFanStep[p] : CardHeight;
        return {SpecialX[p] + CardWidth / 2, y + h / 2};
    }
    // The middle of the top card of pile p, or of its first slot when empty.
    QPoint TopCard(int p) const { return Slot(p, std::max(1, Group1::LastCardIndex1(GameState::PileCards[p]))); }
    QPoint Foundation(int f) const
    {
        return {Group1::FoundationPlaceX(f) + GameState::CardWidth / 2,
                Group1::FoundationPlaceY() + GameState::CardHeight / 2};
    }
    QPoint Stock() const { return {GameState::SpecialX[1] + GameState::CardWidth / 2, Group1::StockTopY1() + 10}; }
    QPoint Waste() const { return {GameState::SpecialX[2] + GameState::CardWidth / 2, Group1::WasteTopY1() + 10}; }

    // Runs c.act on the table as it stands and checks its count and sounds; the drag is
    // over and the round goes on.
    void CheckMove(const MoveCase& c)
    {
        c.act();
        EXPECT_EQ(GameState::MoveCounter, c.moves);
        EXPECT_EQ(Sounds(), c.sounds);
        EXPECT_FALSE(GameState::DragActive);
        EXPECT_FALSE(GameState::GameOver);
        c.verify();
    }
    // The table above the info panel (whose text is redrawn over itself).
    QImage Cards() const
    {
        return Shown().copy(0, 0, Scaling::TableWidth, GameState::ColumnsTopY + GameState::ColumnsHeight);
    }
};

} // namespace play_test
