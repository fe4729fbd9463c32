// Painting of the group-4 tables on the offscreen table image, checked against the same
// cards drawn one by one on a plain copy of the background.
#include "Group4TestSupport.h"

#include "foundation/CardDrawing.h"
#include "foundation/Scaling.h"

#include <QRect>

using namespace GameState;
using namespace Group4;
using g4test::Cd;
using g4test::FillStock;
using g4test::FillWaste;
using g4test::Put;
using g4test::SetPile;

namespace {

class EnginePaint : public g4test::TableFixture {
protected:
    // The bounding box of the pixels that differ between two pictures (empty if none).
    static QRect Changed(const QImage& a, const QImage& b)
    {
        QRect box;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    void ExpectStockArea(int extraWidth, const char* what)
    {
        const int w = CardWidth + extraWidth;
        EXPECT_EQ(ShownPart(AuxPile2X, AuxPile2Y, w, CardHeight), ReferencePart(AuxPile2X, AuxPile2Y, w, CardHeight))
            << what;
    }
    void ReferenceBacks(int n)
    {
        for (int k = 1; k <= n; ++k)
            CardDrawing::DrawCardBack(AuxPile2X + 2 * (k - 1), AuxPile2Y, reference);
    }
};

TEST_F(EnginePaint, EmptyBookPlacesShowTheirMarkers)
{
    Table(Book);
    RedrawColumn4(3, 0);
    RedrawColumn4(6, 0);
    RedrawFoundation4(4);
    RedrawFoundation4(7);
    CardDrawing::DrawCardFace(BookLeftRects[1][1], BookLeftRects[3][2], Cd("-x"), reference);
    CardDrawing::DrawCardFace(BookRightRects[1][1], BookRightRects[2][2], Cd("-x"), reference);
    CardDrawing::DrawCardFace(BookFoundationRects[4][1], BookFoundationRects[4][2], TCardCode("-2"), reference);
    CardDrawing::DrawCardFace(BookFoundationRects[7][1], BookFoundationRects[7][2], TCardCode("-4"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, BookRowsFanOutwardFromTheFoundations)
{
    Table(Book);
    SetPile(2, {"Кп", "Дч", "Вп"});
    SetPile(7, {"9б", "8к"});
    RedrawColumn4(2, 0);
    RedrawColumn4(7, 0);
    const int xl = BookLeftRects[1][1];
    const int xr = BookRightRects[1][1];
    CardDrawing::DrawCardFace(xl, BookLeftRects[2][2], Cd("-x"), reference);
    CardDrawing::DrawCardFace(xl, BookLeftRects[2][2], Cd("Кп"), reference);
    CardDrawing::DrawCardFace(xl - 12, BookLeftRects[2][2], Cd("Дч"), reference);
    CardDrawing::DrawCardFace(xl - 24, BookLeftRects[2][2], Cd("Вп"), reference);
    CardDrawing::DrawCardFace(xr, BookRightRects[3][2], Cd("-x"), reference);
    CardDrawing::DrawCardFace(xr, BookRightRects[3][2], Cd("9б"), reference);
    CardDrawing::DrawCardFace(xr + 12, BookRightRects[3][2], Cd("8к"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, BookWasteRisesOneStepPerSixteenCards)
{
    Table(Book);
    const int left = BookWasteRect[1];
    const int top = BookWasteRect[2];
    EXPECT_EQ(top, 212);
    EXPECT_EQ(WasteTopY4(), 212);
    RedrawStockWaste4();
    EXPECT_EQ(Shown().pixel(left + 35, top - 1), platform::toQColor(Ground).rgb());
    EXPECT_EQ(AuxPile1Y, 212);

    FillWaste(16);
    RedrawStockWaste4();
    EXPECT_EQ(WasteTopY4(), top);
    EXPECT_EQ(AuxPile1Y, top);
    EXPECT_EQ(Shown().pixel(left + 35, top - 1), platform::toQColor(Ground).rgb());

    FillWaste(17);
    RedrawStockWaste4();
    EXPECT_EQ(WasteTopY4(), top - 2);
    EXPECT_EQ(AuxPile1Y, top - 2);
    EXPECT_NE(Shown().pixel(left + 35, top - 2), platform::toQColor(Ground).rgb());
    EXPECT_EQ(Shown().pixel(left + 35, top - 3), platform::toQColor(Ground).rgb());
}

TEST_F(EnginePaint, BookStockShowsBacksOrTheEmptyMarker)
{
    Table(Book);
    FillStock(33);
    RedrawStockWaste4();
    EXPECT_EQ(AuxPile2Y, BookStockRect[2] - 4);
    const int x = BookStockRect[1];
    const int y = BookStockRect[2];
    for (int layer = 1; layer <= 3; ++layer)
        CardDrawing::DrawCardBack(x, y - 2 * (layer - 1), reference);
    EXPECT_EQ(ShownPart(x, y - 10, CardWidth, CardHeight + 10), ReferencePart(x, y - 10, CardWidth, CardHeight + 10));

    FillStock(0);
    RedrawStockWaste4();
    reference = platform::Canvas(760, 500, Ground);
    CardDrawing::DrawCardFace(x, y, TCardCode("-n"), reference);
    EXPECT_EQ(ShownPart(x, y - 10, CardWidth, CardHeight + 10), ReferencePart(x, y - 10, CardWidth, CardHeight + 10));
}

TEST_F(EnginePaint, GridStockShowsOneBackPerSixCards)
{
    struct Case {
        int cards, backs;
    };
    const Case cases[] = {{1, 1}, {5, 1}, {6, 2}, {12, 3}, {18, 4}, {24, 5}, {29, 5}, {30, 6}, {52, 6}};
    for (int game : {Pyramid, OpenDiamond}) {
        for (const auto& c : cases) {
            Table(game);
            FillStock(c.cards);
            EXPECT_EQ(StockBacks4(), c.backs) << game << " " << c.cards;
            RedrawStockWaste4();
            ReferenceBacks(c.backs);
            ExpectStockArea(12, "grid stock");
        }
    }
}

TEST_F(EnginePaint, MonteCarloStockShowsUpToThreeBacks)
{
    struct Case {
        int cards, backs;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {9, 1}, {10, 2}, {19, 2}, {20, 3}, {28, 3}};
    for (const auto& c : cases) {
        Table(MonteCarlo);
        ExtraPileCount = c.cards;
        EXPECT_EQ(StockBacks4(), c.backs) << c.cards;
        RedrawStockWaste4();
        ReferenceBacks(c.backs);
        if (c.cards == 0)
            CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode("-n"), reference);
        ExpectStockArea(4, "Monte Carlo stock");
    }
}

TEST_F(EnginePaint, PairsStockShowsABackPerNineCards)
{
    Table(Pairs);
    FillStock(59);
    EXPECT_EQ(StockBacks4(), 7);
    RedrawStockWaste4();
    ReferenceBacks(7);
    ExpectStockArea(118, "Pairs stock");
}

TEST_F(EnginePaint, EmptyGridStockOffersTheTurnBackWhileOneIsLeft)
{
    struct Case {
        int game;
        int waste;
        int passes;
        const char* marker;
    };
    const Case cases[] = {
        {PyramidInfinity, 3, 19, "-y"}, {PyramidInfinity, 3, 20, "-n"}, {PyramidInfinity, 0, 5, "-n"},
        {OpenPyramid, 1, 1, "-y"},      {DiamondInfinity, 2, 19, "-y"}, {OpenDiamond, 2, 20, "-n"},
        {Pyramid, 3, 1, "-n"},          {Pyramid, 0, 1, "-n"},
    };
    for (const auto& c : cases) {
        Table(c.game);
        FillWaste(c.waste);
        PassCount = c.passes;
        RedrawStockWaste4();
        CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, TCardCode(c.marker), reference);
        ExpectStockArea(12, c.marker);
        EXPECT_EQ(EmptyStockMarker4(), TCardCode(c.marker)) << c.game << " " << c.passes;
        // The waste shows its top card over its empty marker.
        platform::Canvas waste(760, 500, Ground);
        CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, TCardCode("-*"), waste);
        if (c.waste > 0)
            CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, Cd("9ч"), waste);
        EXPECT_EQ(ShownPart(AuxPile1X, AuxPile1Y, CardWidth, CardHeight),
                  waste.image().copy(AuxPile1X, AuxPile1Y, CardWidth, CardHeight));
    }
}

TEST_F(EnginePaint, CoveredGridCardsShowBacksExceptInTheOpenGames)
{
    for (int game : {Pyramid, PyramidInfinity, OpenPyramid, DiamondInfinity, OpenDiamond}) {
        Table(game);
        for (const GridPlace& p : GridPlaces4(game))
            Put(p.col, p.row, "7ч", p.row == 7);
        // A free flag on a place without a card draws nothing.
        PileFaceUp[1][1] = 1;
        RedrawColumn4(0, 0);
        for (int r = 1; r <= 7; ++r)
            for (int c = 1; c <= 13; ++c) {
                if (!IsGridPlace4(game, c, r))
                    continue;
                if (IsOpenGrid(game) || r == 7)
                    CardDrawing::DrawCardFace(GridX[c][r], GridY[c][r], Cd("7ч"), reference);
                else
                    CardDrawing::DrawCardBack(GridX[c][r], GridY[c][r], reference);
            }
        const int x = GridX[1][1];
        const int y = GridY[1][1];
        const int w = GridX[13][7] + CardWidth - x;
        const int h = GridY[13][7] + CardHeight - y;
        EXPECT_EQ(ShownPart(x, y, w, h), ReferencePart(x, y, w, h)) << game;
    }
}

TEST_F(EnginePaint, DiscardPileShowsItsTopEntry)
{
    Table(OpenPyramid);
    RedrawFoundation4(0);
    CardDrawing::DrawCardFace(DiscardX, DiscardY, TCardCode("-*"), reference);
    EXPECT_EQ(ShownPart(DiscardX, DiscardY, CardWidth, CardHeight),
              ReferencePart(DiscardX, DiscardY, CardWidth, CardHeight));
    DiscardCards[1] = Cd("Кп");
    DiscardCards[2] = Cd("5б");
    ExtraPileCount = 3;
    RedrawFoundation4(0);
    CardDrawing::DrawCardFace(DiscardX, DiscardY, Cd("5б"), reference);
    EXPECT_EQ(ShownPart(DiscardX, DiscardY, CardWidth, CardHeight),
              ReferencePart(DiscardX, DiscardY, CardWidth, CardHeight));
}

TEST_F(EnginePaint, PairsWishAndMonteCarloPiles)
{
    Table(Pairs);
    ColumnStep[4] = 20;
    SetPile(4, {"5ч", "6ч", "7п"});
    RedrawColumn4(4, 0);
    CardDrawing::DrawCardFace(PosX[4], PosY[4], TCardCode("-*"), reference);
    for (int k = 1; k <= 3; ++k)
        CardDrawing::DrawCardFace(PosX[4], PosY[4] + 20 * (k - 1), PileCards[4][k], reference);
    EXPECT_EQ(Shown(), reference.image());

    Table(Wish);
    SetPile(9, {"6ч", "Тп"});
    RedrawColumn4(9, 0);
    CardDrawing::DrawCardFace(PosX[9], PosY[9], TCardCode("-*"), reference);
    CardDrawing::DrawCardFace(PosX[9], PosY[9], Cd("6ч"), reference);
    CardDrawing::DrawCardFace(PosX[9], PosY[9] + 2, Cd("Тп"), reference);
    EXPECT_EQ(Shown(), reference.image());

    Table(MonteCarloBySuit);
    Put(6, 4, "Дб");
    RedrawColumn4(6, 4);
    RedrawColumn4(1, 1); // an empty cell: no marker
    CardDrawing::DrawCardFace(GridX[6][4], GridY[6][4], Cd("Дб"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, TurnedCardsPanelListsTheWaste)
{
    Table(Book);
    // A panel picture in a colour no entry uses shows which places were blanked.
    QImage ramka(385, 85, QImage::Format_RGB32);
    ramka.fill(Qt::magenta);
    Form1->ImageRamka->setPicture(ramka);
    const QRgb magenta = QColor(Qt::magenta).rgb();
    const QRgb cream = qRgb(251, 246, 226);
    int x = 0, y = 0;
    BookCardListPos(1, x, y);
    EXPECT_EQ(x, BookListRect[1] + 33);
    EXPECT_EQ(y, BookListRect[2] + 21);
    BookCardListPos(16, x, y);
    EXPECT_EQ(x, BookListRect[1] + 33 + 15 * 20);
    EXPECT_EQ(y, BookListRect[2] + 21);
    BookCardListPos(17, x, y);
    EXPECT_EQ(x, BookListRect[1] + 33);
    EXPECT_EQ(y, BookListRect[2] + 32);
    BookCardListPos(64, x, y);
    EXPECT_EQ(x, BookListRect[1] + 33 + 15 * 20);
    EXPECT_EQ(y, BookListRect[2] + 54);

    // An empty waste: the panel with only entry 1 blanked.
    BookCardListPanel(true);
    BookCardListPos(1, x, y);
    EXPECT_EQ(Shown().pixel(x + 8, y + 6), cream);
    EXPECT_EQ(Shown().pixel(BookListRect[1] + 2, BookListRect[2] + 2), magenta);
    BookCardListPos(2, x, y);
    EXPECT_EQ(Shown().pixel(x + 8, y + 6), magenta);

    // The 17th card: written at the start of line 2, entry 18 blanked.
    FillWaste(17, "1ч");
    QImage before = Shown();
    BookCardListPanel(false);
    int x17, y17, x18, y18;
    BookCardListPos(17, x17, y17);
    BookCardListPos(18, x18, y18);
    const QRect changed = Changed(before, Shown());
    EXPECT_TRUE(QRect(x17 - 3, y17 - 3, x18 + 20 - x17 + 3, 20).contains(changed)) << changed.x() << "," << changed.y();
    EXPECT_EQ(Shown().pixel(x18 + 8, y18 + 6), cream);

    // The 64th: nothing blanked after it.
    FillWaste(64, "Кп");
    before = Shown();
    BookCardListPanel(false);
    BookCardListPos(64, x, y);
    const QRect last = Changed(before, Shown());
    EXPECT_FALSE(last.isEmpty());
    EXPECT_TRUE(QRect(x - 3, y - 3, 7 + 11 + 4, 20).contains(last));
}

TEST_F(EnginePaint, OutlinedTextRedrawsCleanly)
{
    Table(Pyramid);
    platform::Canvas& canvas = Form1->ImageStol->canvas();
    canvas.font.name = Settings::FontTimesName;
    canvas.font.height = Scaling::FontHeightFor(26, QStringLiteral("times"));
    canvas.font.italic = true;
    DrawOutlinedText(QStringLiteral("L-Packs:"), 10, 300, 1, true);
    const QImage once = Shown();
    DrawOutlinedText(QStringLiteral("L-Packs:"), 10, 300, 1, true);
    EXPECT_EQ(Shown(), once);

    DrawOutlinedText(QStringLiteral("7"), 400, 300, 2, false);
    const QImage seven = Shown();
    DrawOutlinedText(QStringLiteral("188"), 400, 300, 2, false);
    DrawOutlinedText(QStringLiteral("7"), 400, 300, 2, false);
    EXPECT_EQ(Shown(), seven);
}

TEST_F(EnginePaint, InfoPanelRedrawsCleanly)
{
    for (int game : {Book, Pairs, Wish, MonteCarlo, Pyramid, OpenDiamond}) {
        Table(game);
        PlaceActionButtons4();
        DrawInfoPanel4();
        const QImage first = Shown();
        EXPECT_NE(first, reference.image()) << game;
        DrawInfoPanel4();
        EXPECT_EQ(Shown(), first) << game;
    }
}

} // namespace
