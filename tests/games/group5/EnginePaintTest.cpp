// Painting of the group-5 tables on the offscreen table surface: the dealt tables, the
// pile markers, the stock layers, and repaints that stay inside their rectangles.
#include "Group5TestSupport.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRect>
#include <memory>

using namespace GameState;
using namespace Group5;
using g5test::Cd;
using platform::Canvas;

namespace {

constexpr platform::TColor Ground = 0x30A050;
constexpr int Nine[] = {BusyAces, Lucie, Crescent, OpenCrescent, Alzhir, Daemon, Clover, FortyThieves, Miss};

class EnginePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        CardPictures::TableBackground = QImage();
        SetShuffleSeedForTest(std::nullopt);
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }

    // The table of `game` laid out at w x h, the table image holding the background.
    void Table(int game, int w = 760, int h = 500, double zoom = 1.0)
    {
        ApplyZoomForTest(w, h, zoom, true);
        g5test::EmptyTable(game);
        Form1->SetClientSize(w, h);
        CardPictures::TableBackground = QImage(w, h, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(Ground));
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        LayoutTable();
        Form1->ImageStol->setPictureSize(w, h);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        reference = Canvas(w, h, Ground);
    }
    const QImage& Shown() { return Form1->ImageStol->canvas().image(); }

    // Pixels of `a` and `b` that differ outside `inside`.
    static int DiffOutside(const QImage& a, const QImage& b, const QRect& inside)
    {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (!inside.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                    ++n;
        return n;
    }

    std::unique_ptr<TTableSurface> window;
    Canvas reference;
};

TEST_F(EnginePaint, DealtTablesDrawInsideTheTable)
{
    // Window sizes 1 and 5: 760 x 500 and a full screen of 1920 x 1080 at zoom 2.
    struct Size {
        int w, h;
        double zoom;
    };
    for (const Size size : {Size{760, 500, 1.0}, Size{1920, 1080, 2.0}})
        for (int game : Nine) {
            Table(game, size.w, size.h, size.zoom);
            SetShuffleSeedForTest(31);
            DealTable5();
            PlaceActionButtons5();
            // Nothing of a card lies off the table: its edges keep the background...
            const QImage& img = Shown();
            int cardPixels = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    cardPixels += img.pixel(x, y) != platform::toQColor(Ground).rgb() ? 1 : 0;
            EXPECT_GT(cardPixels, 0) << game;
            // ...and the buttons stand inside it.
            const QRect table(0, 0, size.w, size.h);
            EXPECT_TRUE(table.contains(Form1->Button7->geometry())) << game << " " << size.w;
            EXPECT_TRUE(table.contains(Form1->Button8->geometry())) << game << " " << size.w;
            img.save(QDir::temp().filePath(QStringLiteral("group5_%1_%2.png").arg(game).arg(size.w)));
        }
}

TEST_F(EnginePaint, PileMarkers)
{
    // An empty column shows "-*"; Algerian foundations 5-8 "-x", the others "-0".
    Table(FortyThieves);
    RedrawColumn5(3, 0);
    RedrawFoundation5(2);
    CardDrawing::DrawCardFace(PosX[3], PosY[1], Cd("-*"), reference);
    CardDrawing::DrawCardFace(FoundationX[2], FoundationY, Cd("-0"), reference);
    EXPECT_EQ(Shown(), reference.image());

    Table(Alzhir);
    RedrawFoundation5(4);
    RedrawFoundation5(5);
    CardDrawing::DrawCardFace(FoundationX[4], FoundationY, Cd("-0"), reference);
    CardDrawing::DrawCardFace(FoundationX[5], FoundationY, Cd("-x"), reference);
    EXPECT_EQ(Shown(), reference.image());

    // An empty Lucie fan and an empty Crescent pile leave the bare table.
    Table(Lucie);
    RedrawColumn5(4, 5);
    Table(OpenCrescent);
    for (int p = 1; p <= 16; ++p) {
        ColumnStep[p] = 20;
        RedrawColumn5(p, 0);
    }
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, FortyThievesShowsEveryCardOfALongColumn)
{
    Table(FortyThieves);
    g5test::SetPile(2, {"3п", "9б", "7к", "Кч", "Дч", "Вч", "1ч", "9ч", "8ч", "7ч", "6ч", "5ч", "4ч", "3ч", "2ч", "Тч"});
    ColumnStep[2] = FortyThievesFanStep(2);
    RedrawColumn5(2, 0);
    CardDrawing::DrawCardFace(PosX[2], PosY[1], Cd("-*"), reference);
    for (int k = 1; k <= 16; ++k)
        CardDrawing::DrawCardFace(PosX[2], PosY[1] + ColumnStep[2] * (k - 1), PileCards[2][k], reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, StockLayersAndEmptyStockMarkers)
{
    struct LayerCase {
        int cards, layers;
    };
    for (const LayerCase c : {LayerCase{1, 1}, {4, 1}, {5, 2}, {9, 2}, {10, 3}, {24, 5}, {25, 6}, {35, 6}}) {
        Table(Daemon);
        for (int s = 1; s <= c.cards; ++s)
            StockCards[s] = Cd("5ч");
        StockCount = c.cards;
        RedrawKoloda5(1);
        for (int i = 1; i <= c.layers; ++i)
            CardDrawing::DrawCardBack(AuxPile2X + 2 * (i - 1), AuxPile2Y, reference);
        EXPECT_EQ(Shown(), reference.image()) << c.cards;
    }
    struct MarkerCase {
        int game, pass;
        const char* marker;
    };
    for (const MarkerCase c : {MarkerCase{Daemon, 1, "-y"}, {Daemon, 2, "-y"}, {Daemon, 3, "-n"},
                               {FortyThieves, 1, "-n"}, {Miss, 1, "-n"}}) {
        Table(c.game);
        PassCount = c.pass;
        RedrawKoloda5(1);
        CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, Cd(c.marker), reference);
        EXPECT_EQ(Shown(), reference.image()) << c.game << " " << c.pass;
    }
}

TEST_F(EnginePaint, DaemonReserveShowsItsTopOnlyWhenAsked)
{
    Table(Daemon);
    for (int i = 1; i <= 3; ++i)
        DemonReserveCards[i] = Cd(i == 3 ? "Дк" : "5ч");
    DemonReserveCount = 3;
    RedrawReserve5(false);
    for (int i = 1; i <= 3; ++i)
        CardDrawing::DrawCardBack(DemonReserveX, DemonReserveY[1] + (i - 1) * DemonReserveStep, reference);
    EXPECT_EQ(Shown(), reference.image());
    RedrawReserve5(true);
    CardDrawing::DrawCardFace(DemonReserveX, DemonReserveY[1] + 2 * DemonReserveStep, Cd("Дк"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, RepaintsStayInsideTheirRectangles)
{
    for (int game : Nine) {
        Table(game);
        SetShuffleSeedForTest(41);
        DealTable5();
        const QImage before = Shown().copy();
        // Empty the first pile and repaint it, and the stock and waste where the game has them.
        QRect inside;
        const int W = CardWidth, H = CardHeight;
        switch (game) {
        case BusyAces:
            PileCards2[1][2][1] = cards::Empty;
            RedrawColumn5(1, 2);
            inside = QRect(GridX[1][2], GridY[1][2] - 24, W + 1, H + 24);
            break;
        case Lucie:
            PileCards2[2][3][3] = cards::Empty;
            RedrawColumn5(2, 3);
            inside = QRect(GridX[2][3], GridY[2][3], GridX[1][2] - GridX[1][1] - 2, H);
            break;
        case Crescent:
        case OpenCrescent:
            PileCards[9][6] = cards::Empty;
            RedrawColumn5(9, 0);
            inside = QRect(PosX[9], PosY[9], W, 7 * ColumnStep[9] + H);
            break;
        case Alzhir:
            PileCards[3][2] = cards::Empty;
            RedrawColumn5(3, 0);
            inside = QRect(ColumnX[3], ColumnTop, W + 1, AlzhirReserveY - ColumnTop - 5);
            break;
        case Daemon:
            while (StockCount > 24)
                StockCards[StockCount--] = cards::Empty; // one layer less
            RedrawKoloda5(1);
            inside = QRect(AuxPile2X, AuxPile2Y, W + 12, H);
            break;
        case Clover:
            PileCards[10][3] = cards::Empty;
            RedrawColumn5(10, 0);
            inside = QRect(PosX[10], PosY[2], W + 1, 70 + H + 1);
            break;
        default:
            PileCards[4][PileCounts[4] - 1] = cards::Empty;
            RedrawColumn5(4, 0);
            inside = QRect(PosX[4], PosY[1], W + 1, 230 + H + 1);
            break;
        }
        EXPECT_EQ(DiffOutside(before, Shown(), inside), 0) << game;
        EXPECT_NE(before, Shown()) << game;
    }
    // 40 Thieves' stock stands close to its waste: emptying it wipes none of the waste.
    Table(FortyThieves);
    g5test::SetWaste({"Кп"});
    RedrawKoloda5(2);
    const QImage before = Shown().copy();
    g5test::SetStock({});
    RedrawKoloda5(1);
    EXPECT_EQ(DiffOutside(before, Shown(), QRect(AuxPile2X, AuxPile2Y, AuxPile1X - AuxPile2X, CardHeight)), 0);
}

TEST_F(EnginePaint, BusyAcesStockTurn)
{
    Table(BusyAces);
    SetShuffleSeedForTest(51);
    DealTable5();
    const TCardCode top = StockCards[92];
    Settings::MoveMode = 0;
    DealFromKoloda5();
    EXPECT_EQ(StockCount, 91);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(WasteCards[1], top);
    EXPECT_EQ(StockCards[92], cards::Empty);
    // The waste shows that card on its base.
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, Cd("-*"), reference);
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, top, reference);
    const QRect waste(AuxPile1X, AuxPile1Y, CardWidth, CardHeight);
    EXPECT_EQ(Shown().copy(waste), reference.image().copy(waste));
    // An empty stock turns nothing.
    g5test::SetStock({});
    DealFromKoloda5();
    EXPECT_EQ(WasteCount, 2);
}

} // namespace
