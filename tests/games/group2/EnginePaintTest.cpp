// Painting of the group-2 piles, stacks, grids, flowers and panels on the offscreen table,
// checked against the same pictures drawn one by one on a copy of the background.
#include "Group2TestSupport.h"

#include "foundation/CardDrawing.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "platform/Resources.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

using namespace GameState;
using namespace Group2;
using namespace group2_test;
using CardDrawing::DrawCardBack;
using CardDrawing::DrawCardFace;

namespace {

class EnginePaint : public TableFixture {};

TEST_F(EnginePaint, FunDeucesPileGrowsUpwardTwoPixelsACard)
{
    Table(FunDeuces);
    // Pile 4 stands at (PosX[2], PosY[1]).
    const int x = PosX[2], y = PosY[1];
    SetPile(4, {"9ч", "8ч", "7ч", "6ч", "5ч"});
    RedrawColumn2(4, 0);
    DrawFaceAt(x, y, "-*");
    const char* pile[] = {"9ч", "8ч", "7ч", "6ч", "5ч"};
    for (int i = 0; i < 5; ++i)
        DrawFaceAt(x, y - 2 * i, pile[i]);
    EXPECT_EQ(Shown(), reference.image());
    // The top card, 8 pixels above the base, shows its top row there.
    EXPECT_NE(reference.pixel(x + 35, y - 8), Ground);
    EXPECT_EQ(reference.pixel(x + 35, y - 9), Ground);

    // Emptied, the pile shows its marker alone.
    SetPile(4, {});
    RedrawColumn2(4, 0);
    reference.draw(0, 0, CardPictures::TableBackground);
    DrawFaceAt(x, y, "-*");
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, FunDeucesWasteThickensEveryTenCardsAndTheStockShowsABackPerTen)
{
    Table(FunDeuces);
    const int wx = PosX[7], wy = PosY[1];
    const char* ten[] = {"Тп", "3ч", "4б", "5к", "6п", "7ч", "8б", "9к", "1п", "Вч"};
    SetWaste({"Тп", "3ч", "4б", "5к", "6п", "7ч", "8б", "9к", "1п", "Вч"});
    RedrawStockWaste2(1);
    DrawFaceAt(wx, wy, "-*");
    for (int i = 1; i <= 10; ++i)
        DrawFaceAt(wx, wy - 2 * (i / 10), ten[i - 1]);
    EXPECT_EQ(Shown(), reference.image());

    const int sx = PosX[7], sy = PosY[3];
    for (auto [count, backs] : {std::pair{9, 1}, std::pair{10, 2}, std::pair{0, 0}, std::pair{25, 3}}) {
        SCOPED_TRACE(count);
        SetStockCount(count);
        RedrawStockWaste2(2);
        reference.draw(0, 0, CardPictures::TableBackground);
        DrawFaceAt(wx, wy, "-*");
        for (int i = 1; i <= 10; ++i)
            DrawFaceAt(wx, wy - 2 * (i / 10), ten[i - 1]);
        DrawFaceAt(sx, sy, "-n");
        for (int b = 0; b < backs; ++b)
            DrawCardBack(sx, sy - 2 * b, reference);
        EXPECT_EQ(Shown(), reference.image());
    }
    // Any other kind paints nothing.
    SetStockCount(40);
    RedrawStockWaste2(3);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, NapoleonSquareFoundationShowsItsBaseThenItsTopCard)
{
    Table(NapoleonSquare);
    // Foundation 6 stands at (PosX[3], PosY[3]).
    RedrawFoundation2(6);
    DrawFaceAt(PosX[3], PosY[3], "-0");
    EXPECT_EQ(Shown(), reference.image());
    SetFoundation(6, {"Тк", "2к"});
    RedrawFoundation2(6);
    DrawFaceAt(PosX[3], PosY[3], "2к");
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, GolfStockShowsABackPerSixCardsBegunAndTheWasteItsTop)
{
    Table(GolfPeak);
    for (auto [count, backs] : {std::pair{5, 1}, std::pair{6, 2}, std::pair{30, 6}, std::pair{52, 6},
                                std::pair{0, 0}}) {
        SCOPED_TRACE(count);
        SetStockCount(count);
        RedrawStockWaste2(0);
        reference.draw(0, 0, CardPictures::TableBackground);
        if (backs == 0)
            DrawFaceAt(AuxPile2X, AuxPile2Y, "-n");
        for (int b = 0; b < backs; ++b)
            DrawCardBack(AuxPile2X + 2 * b, AuxPile2Y, reference);
        DrawFaceAt(AuxPile1X, AuxPile1Y, "-*");
        EXPECT_EQ(Shown(), reference.image());
    }
    SetWaste({"7ч", "8ч"});
    RedrawStockWaste2(0);
    DrawFaceAt(AuxPile1X, AuxPile1Y, "8ч");
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, GolfGridDrawsRowsFrontLastAndForgetsPlayedCards)
{
    Table(GolfPeak);
    SetGolf(7, 1, "Кп", false);
    SetGolf(6, 2, "Дч", true);
    SetGolf(8, 2, "5б", true);
    RedrawColumn2(0, 0);
    DrawCardBack(GridX[7][1], GridY[7][1], reference);
    DrawFaceAt(GridX[6][2], GridY[6][2], "Дч");
    DrawFaceAt(GridX[8][2], GridY[8][2], "5б");
    EXPECT_EQ(Shown(), reference.image());

    GolfCard2(8, 2) = cards::Empty;
    RedrawColumn2(0, 0);
    reference.draw(0, 0, CardPictures::TableBackground);
    DrawCardBack(GridX[7][1], GridY[7][1], reference);
    DrawFaceAt(GridX[6][2], GridY[6][2], "Дч");
    EXPECT_EQ(Shown(), reference.image());

    // Block draws a higher layer over a lower one at the same place.
    Table(GolfBlock);
    SetGolf(4, 4, "2п", false, 3);
    SetGolf(4, 4, "3п", true, 4);
    RedrawColumn2(0, 0);
    DrawFaceAt(GridX[4][4], GridY[4][4], "3п");
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, GolfDealShowsTheEmptyWasteMarkerAlone)
{
    Table(GolfDiamond);
    SetShuffleSeedForTest(6);
    DealTable2();
    SetShuffleSeedForTest(std::nullopt);
    reference.draw(0, 0, Shown());
    platform::Canvas waste(CardWidth + 12, CardHeight, Ground);
    DrawCardFace(0, 0, Cd("-*"), waste);
    EXPECT_EQ(reference.image().copy(AuxPile1X, AuxPile1Y, CardWidth + 12, CardHeight), waste.image());
}

TEST_F(EnginePaint, EveryPanelDrawnFourTimesEqualsItDrawnOnce)
{
    for (auto [width, height, zoom] : {std::tuple{760, 500, 1.0}, std::tuple{1520, 1000, 2.0}}) {
        for (int game : {Tulip, BlueTulip, Paganini, FunDeuces, NapoleonSquare, GolfPeak, GolfThreePeaks, GolfRug,
                         GolfDiamond, GolfBlock}) {
            SCOPED_TRACE(game);
            Table(game, width, height, zoom);
            SetShuffleSeedForTest(12);
            DealTable2();
            SetShuffleSeedForTest(std::nullopt);
            MoveCounter = 123;
            const QImage before = Shown().copy();
            DrawInfoPanel2();
            const QImage once = Shown().copy();
            EXPECT_NE(once, before);
            // A shorter number leaves no trace of a longer one.
            MoveCounter = 7;
            DrawInfoPanel2();
            DrawInfoPanel2();
            MoveCounter = 123;
            DrawInfoPanel2();
            DrawInfoPanel2();
            EXPECT_EQ(Shown(), once);
        }
    }
}

TEST_F(EnginePaint, AFlowerThatShrinksShowsOnlyItsNewStage)
{
    for (auto [width, height, zoom] : {std::tuple{760, 500, 1.0}, std::tuple{1520, 1000, 2.0}}) {
        SCOPED_TRACE(zoom);
        Table(Tulip, width, height, zoom);
        DrawTulipFlower(2, 0, true); // as the deal draws it: with its icon
        DrawTulipFlower(2, 5, false);
        DrawTulipFlower(2, 1, false);
        const QImage shrunk = Shown();

        Table(Tulip, width, height, zoom);
        DrawTulipFlower(2, 1, true);
        EXPECT_EQ(shrunk, Shown());
        // The stage picture is really there.
        const int x = Scaling::RoundHalfEven(width / 2.0) - 80 - 3 * Scaling::Scaled(35) + 2 * Scaling::Scaled(35) + 40;
        const QImage stage = platform::resources::imageOfType(QStringLiteral("TulipR02"), QStringLiteral("png"));
        ASSERT_FALSE(stage.isNull());
        EXPECT_NE(Shown().copy(x, 0, 65, height), CardPictures::TableBackground.copy(x, 0, 65, height));
    }
}

TEST_F(EnginePaint, FlowersStandUnderTheRowsAtSizeOne)
{
    Table(Paganini);
    for (int s = 1; s <= 4; ++s)
        DrawTulipFlower(s, s == 4 ? 9 : 0, true);
    // Rows end at 396; the middle of 396..500 is 448, the flowers' top 30 above it.
    const int xs[4] = {195, 305, 415, 525};
    for (int s = 1; s <= 4; ++s) {
        const QImage& icon = CardPictures::ExtraBitmaps[s];
        reference.draw(xs[s - 1] + 20, 448 - 50, icon);
        reference.draw(xs[s - 1], 418,
                       platform::resources::imageOfType(s == 4 ? "TulipV01" : "TulipR01", QStringLiteral("png")));
    }
    EXPECT_EQ(Shown(), reference.image());
}

// Writes the dealt tables of all ten games at window sizes 1 and 5 as PNG files into
// the temporary folder, for looking at them. Run with --gtest_also_run_disabled_tests.
TEST_F(EnginePaint, DISABLED_WriteDealtTables)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("group2_tables"));
    QDir().mkpath(dir);
    for (auto [width, height, zoom, size] : {std::tuple{760, 500, 1.0, 1}, std::tuple{1520, 1000, 2.0, 5}}) {
        for (int game : {Tulip, BlueTulip, Paganini, FunDeuces, NapoleonSquare, GolfPeak, GolfThreePeaks, GolfRug,
                         GolfDiamond, GolfBlock}) {
            Table(game, width, height, zoom);
            Settings::WindowSize = size;
            CardPictures::LoadTableBackground();
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
            PlayerSlot = 6;
            SetShuffleSeedForTest(31);
            ASSERT_TRUE(DealRound2(false));
            SetShuffleSeedForTest(std::nullopt);
            QImage shot = Shown().copy();
            // The two buttons as outlines, to see that they stand clear of the cards.
            QPainter painter(&shot);
            painter.setPen(Qt::red);
            for (auto* b : {Form1->Button7, Form1->Button8})
                painter.drawRect(b->geometry().adjusted(0, 0, -1, -1));
            painter.end();
            shot.save(QStringLiteral("%1/%2_size%3.png").arg(dir).arg(game).arg(size));
        }
    }
    Settings::WindowSize = 1;
}

} // namespace
