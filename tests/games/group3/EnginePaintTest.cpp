// Painting of group-3 piles and info panels on the table image of a bare table surface,
// checked against cards drawn one by one on a copy of the background; and the dealt
// tables of all ten games saved as pictures for a look.
#include "Group3TestSupport.h"

#include "foundation/CardDrawing.h"
#include "games/group3/Qyv_41_Sad.h"
#include "foundation/CardPictures.h"
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
using namespace Group3;
using g3test::Cd;
using g3test::SetPile;
using platform::Canvas;

namespace {

constexpr platform::TColor Ground = 0x30A050;

class Group3Paint : public ::testing::Test {
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
        DealAllGamesForTest = false;
        SetShuffleSeedForTest(std::nullopt);
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }

    // The game's emptied table at 760 x 500, the table image holding the background.
    void Table(int game)
    {
        g3test::EmptyTable(game);
        CardPictures::TableBackground = QImage(760, 500, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(Ground));
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        Form1->ImageStol->setPictureSize(760, 500);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        reference = Canvas(760, 500, Ground);
    }
    const QImage& Shown() { return Form1->ImageStol->canvas().image(); }
    void ExpectShown(const char* what) { EXPECT_TRUE(Shown() == reference.image()) << what; }

    // The rectangle of pixels that differ from the background.
    QRect Changed() const
    {
        const QImage& img = Form1->ImageStol->canvas().image();
        const QRgb ground = platform::toQColor(Ground).rgb();
        QRect box;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != ground)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    bool InkIn(const QRect& r) const
    {
        const QImage& img = Form1->ImageStol->canvas().image();
        const QRgb ground = platform::toQColor(Ground).rgb();
        for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
            for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x)
                if (img.pixel(x, y) != ground)
                    return true;
        return false;
    }

    std::unique_ptr<TTableSurface> window;
    Canvas reference;
};

TEST_F(Group3Paint, CalculationStockShowsItsTopCardOverItsBacks)
{
    Table(Calculation);
    const int x = AuxPile1X;
    const int y = AuxPile1Y;
    struct Case {
        int cards;
        int backs;
        int lift;
    };
    for (const Case c : {Case{0, 0, 0}, Case{3, 1, 0}, Case{5, 1, 0}, Case{48, 10, 18}}) {
        ClearCards(WasteCards, WasteValues);
        for (int i = 1; i <= c.cards; ++i)
            WasteCards[i] = Cd(i % 2 ? "5п" : "Дч");
        ExtraPileCount = c.cards;
        RedrawReserve3(1);
        reference.draw(0, 0, CardPictures::TableBackground);
        CardDrawing::DrawCardFace(x, y, Cd("-*"), reference);
        for (int i = 1; i <= c.backs; ++i)
            CardDrawing::DrawCardBack(x, y - 2 * (i - 1), reference);
        if (c.cards > 0)
            CardDrawing::DrawCardFace(x, y - c.lift, WasteCards[c.cards], reference);
        EXPECT_TRUE(Shown() == reference.image()) << c.cards;
    }
}

TEST_F(Group3Paint, StockMarkersFollowGameAndPass)
{
    struct Case {
        int game;
        int pass;
        const char* marker;
    };
    const Case cases[] = {{Sultan, 2, "-y"},     {Sultan, 3, "-n"},     {Backbone, 1, "-y"}, {Backbone, 2, "-n"},
                          {EightSages, 1, "-y"}, {EightSages, 2, "-n"}, {Carpet, 1, "-n"}};
    for (const auto& c : cases) {
        Table(c.game);
        StockCount = 0;
        PassCount = c.pass;
        RedrawReserve3(1);
        CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, Cd(c.marker), reference);
        EXPECT_TRUE(Shown() == reference.image()) << c.game << " pass " << c.pass;
    }
    // The marker lies under the backs.
    Table(Sultan);
    StockCount = 10;
    PassCount = 1;
    RedrawReserve3(1);
    CardDrawing::DrawCardFace(AuxPile2X, AuxPile2Y, Cd("-y"), reference);
    CardDrawing::DrawCardBack(AuxPile2X, AuxPile2Y, reference);
    CardDrawing::DrawCardBack(AuxPile2X, AuxPile2Y - 2, reference);
    ExpectShown("Sultan, ten cards");
}

TEST_F(Group3Paint, CarpetStockGrowsToTheRightUpToSixBacks)
{
    Table(Carpet);
    StockCount = 27;
    RedrawReserve3(1);
    for (int i = 1; i <= 6; ++i)
        CardDrawing::DrawCardBack(AuxPile2X + 2 * (i - 1), AuxPile2Y, reference);
    ExpectShown("27 cards");
    // The waste shows its top card over the empty-place marker.
    WasteCards[1] = Cd("9ч");
    WasteCards[2] = Cd("Вк");
    WasteCount = 3;
    RedrawReserve3(2);
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, Cd("-*"), reference);
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, Cd("9ч"), reference);
    CardDrawing::DrawCardFace(AuxPile1X, AuxPile1Y, Cd("Вк"), reference);
    ExpectShown("waste");
}

TEST_F(Group3Paint, PaintersDrawOnlyWhatTheirGameOwns)
{
    Table(Twenty);
    for (int s = 1; s <= 5; ++s)
        PileCards2[7][3][s] = Cd("Кп");
    RedrawColumn3(7, 3); // the stock painter's place
    RedrawBackbone();
    SadRedrawReserve();
    ExpectShown("Twenty");

    Table(PictureGallery);
    PileCards[1][1] = FoundationCards[1][1] = Cd("Кп");
    RedrawFoundation3(1);
    RedrawColumn3(1, 1);
    RedrawReserve3(1);
    RedrawBackbone();
    SadRedrawReserve();
    ExpectShown("Picture Gallery");

    // A Twenty place shows at most five cards, two pixels apart.
    Table(Twenty);
    for (int s = 1; s <= 6; ++s) {
        PileCards2[2][2][s] = Cd("3б");
    }
    RedrawColumn3(2, 2);
    CardDrawing::DrawCardFace(GridX[2][2], GridY[2][2], Cd("-*"), reference);
    for (int s = 1; s <= 5; ++s)
        CardDrawing::DrawCardFace(GridX[2][2], GridY[2][2] + 2 * (s - 1), Cd("3б"), reference);
    ExpectShown("Twenty place");
}

TEST_F(Group3Paint, ShrinkingFlowerGardenColumnLeavesNoBand)
{
    Table(FlowerGarden);
    const char* run[20] = {"Кп", "Дч", "Вк", "1б", "9п", "8ч", "7к", "6б", "5п", "4ч",
                           "3к", "2б", "Кк", "Дб", "Вп", "1ч", "9к", "8б", "7п", "6ч"};
    for (int s = 1; s <= 20; ++s) {
        PileCards[3][s] = Cd(run[s - 1]);
        PileValues[3][s] = g3test::ValueOf(PileCards[3][s]);
    }
    PileCounts[3] = 21;
    ColumnStep[3] = SadFanStep(3);
    RedrawColumn3(3, 0);
    // The bottom of the last card reaches into the lowest pixels of the band.
    EXPECT_TRUE(InkIn(QRect(ColumnX[3], ColumnTop + 281, CardWidth, 8)));
    for (int s = 9; s <= 20; ++s)
        PileCards[3][s] = cards::Empty;
    PileCounts[3] = 9;
    ColumnStep[3] = SadFanStep(3);
    RedrawColumn3(3, 0);
    CardDrawing::DrawCardFace(ColumnX[3], ColumnTop, Cd("-*"), reference);
    for (int s = 1; s <= 8; ++s)
        CardDrawing::DrawCardFace(ColumnX[3], ColumnTop + 25 * (s - 1), PileCards[3][s], reference);
    ExpectShown("eight cards after twenty");
}

TEST_F(Group3Paint, BackboneTailLiesOnTopOfBothRows)
{
    Table(Backbone);
    for (int r = 1; r <= 2; ++r)
        for (int i = 1; i <= 10; ++i)
            BackboneCards[r][i] = Cd(r == 1 ? "4ч" : "Вп");
    BackboneCards[1][11] = Cd("Тб");
    RedrawBackbone();
    for (int r = 1; r <= 2; ++r)
        for (int i = 1; i <= 10; ++i)
            CardDrawing::DrawCardFace(BackboneX[(r - 1) * 11 + i], BackboneY[(r - 1) * 11 + i], BackboneCards[r][i],
                                      reference);
    CardDrawing::DrawCardFace(BackboneX[11], BackboneY[11], Cd("Тб"), reference);
    ExpectShown("backbone");
}

// Each panel: three lines, labels from the left edge and values to the right edge of
// their places, inside the cleared rectangle.
TEST_F(Group3Paint, InfoPanelsShowThreeLinesAtTheirPlaces)
{
    struct Expect {
        int game;
        QRect box;          // the cleared rectangle
        int y[3];           // line tops
        int left[3];        // label starts
        int right[3];       // value ends
    };
    auto S = [](int n) { return Scaling::Scaled(n); };
    for (int game : {Calculation, Sultan, Backbone, Carpet, Fig, FlowerGarden, EightSages}) {
        Table(game);
        SetShuffleSeedForTest(3);
        DealTable3();
        const int W = CardWidth;
        const int H = CardHeight;
        Expect e{game, {}, {}, {}, {}};
        auto rect = [](int x0, int y0, int x1, int y1) { return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)); };
        auto same = [&e](int x0, int x1, int y0, int step) {
            for (int i = 0; i < 3; ++i) {
                e.left[i] = x0;
                e.right[i] = x1;
                e.y[i] = y0 + i * step;
            }
        };
        switch (game) {
        case Calculation: {
            const int y = PosY[1] + H + S(100);
            same(S(10), PosX[1] - S(20), y, S(45));
            e.box = rect(S(5), y - S(5), PosX[1] - S(15), y - S(5) + S(120));
            break;
        }
        case Sultan:
            same(S(30), AuxPile2X - S(30), S(30), S(25));
            e.box = rect(0, 0, AuxPile2X - S(25), GridY[1][1] - 1);
            break;
        case Backbone: {
            const int y = AuxPile2Y + H + S(30);
            e = {game, rect(FoundationPosX[1] - S(10), y - S(10), FoundationPosX[6] + W + S(10), y + S(40)),
                 {y, y, y},
                 {FoundationPosX[1], BackboneX[1], FoundationPosX[5]},
                 {FoundationPosX[2] + W, BackboneX[12] + W, FoundationPosX[6] + W}};
            break;
        }
        case Carpet: {
            const int y = GridY[1][4] + H + S(30);
            e = {game, rect(FoundationPosX[1] - S(50), y, FoundationPosX[4] + W + S(50), y + S(30)),
                 {y, y, y},
                 {FoundationPosX[1], GridX[2][4] + S(35), GridX[5][4]},
                 {GridX[1][4] + W, GridX[4][4] + W - S(35), FoundationPosX[4] + W}};
            break;
        }
        case Fig: {
            const int x0 = PosX[1] - S(10);
            const int y0 = PosY[15] + H + 3 * S(30) + S(5);
            const int x1 = PosX[4] - S(2) + 2 * S(10);
            same(x0 + S(10), x1 - S(10), y0 + S(5), S(30));
            e.box = rect(x0, y0, x1, y0 + S(105));
            break;
        }
        case FlowerGarden: {
            const int x0 = ColumnX[2] - S(10);
            const int y0 = ColumnTop + S(285);
            const int x1 = ColumnX[5] + W + S(20);
            same(x0 + S(10), x1 - S(30), y0 + S(5), S(30));
            e.box = rect(x0, y0, x1, y0 + S(105));
            break;
        }
        case EightSages: {
            const int x0 = FoundationX[1] - S(10);
            const int y0 = ColumnTop + S(285);
            const int x1 = FoundationX[3] + W + S(10);
            same(x0 + S(10), x1 - S(10), y0 + S(5), S(30));
            e.box = rect(x0, y0, x1, y0 + S(100));
            break;
        }
        }
        // Only the panel is drawn on the empty table.
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        DrawInfoPanel3();
        const QRect ink = Changed();
        EXPECT_TRUE(e.box.contains(ink)) << game << " ink outside the panel";
        const int textHeight = S(26);
        const bool oneRow = game == Backbone || game == Carpet;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(InkIn(QRect(e.left[i], e.y[i], S(8), textHeight))) << game << " label " << i;
            EXPECT_TRUE(InkIn(QRect(e.right[i] - S(8), e.y[i], S(8), textHeight))) << game << " value " << i;
            if (oneRow)
                continue;
            EXPECT_FALSE(InkIn(QRect(e.left[i] - S(10), e.y[i], S(5), textHeight))) << game << " label " << i;
            // Italics and the shadow overhang by a few pixels.
            EXPECT_FALSE(InkIn(QRect(e.right[i] + 4, e.y[i], S(5), textHeight))) << game << " value " << i;
        }
    }
    // No panel in the three games without one.
    for (int game : {PictureGallery, Desire, Twenty}) {
        Table(game);
        DrawInfoPanel3();
        EXPECT_TRUE(Changed().isEmpty()) << game;
    }
}

// The ten dealt tables at window sizes 1 and 4, saved for a look.
TEST_F(Group3Paint, DealtTablesAreSavedAsPictures)
{
    const QString folder = QDir::temp().filePath(QStringLiteral("vardelin-group3-tables"));
    QDir().mkpath(folder);
    DealAllGamesForTest = true;
    const int savedSize = Settings::WindowSize;
    for (auto [w, h, zoom] : {std::tuple{760, 500, 1.0}, std::tuple{1520, 1000, 2.0}}) {
        for (int game : {PictureGallery, Desire, Twenty, Calculation, Sultan, Backbone, Carpet, Fig, FlowerGarden,
                         EightSages}) {
            ResetGameState();
            CurrentGameId = game;
            CurrentGroup = 3;
            PlayerSlot = 6;
            ApplyZoomForTest(w, h, zoom, true);
            Settings::WindowSize = w == 760 ? 1 : 4;
            CardPictures::LoadTableBackground();
            CardPictures::LoadCardFaces();
            CardPictures::LoadCardBacks();
            Form1->ImageStol->setPictureSize(w, h);
            SetShuffleSeedForTest(40 + game);
            ASSERT_TRUE(NewDeal3(false)) << game;
            QImage shot = Form1->ImageStol->canvas().image().copy();
            // The action buttons, as outlines where they stand.
            {
                Canvas c(shot.width(), shot.height(), 0);
                c.draw(0, 0, shot);
                for (QWidget* b : {static_cast<QWidget*>(Form1->Button7), static_cast<QWidget*>(Form1->Button8),
                                   static_cast<QWidget*>(Form1->BitBtn1), static_cast<QWidget*>(Form1->BitBtn2)}) {
                    if (!b->isVisible() && b != Form1->Button7 && b != Form1->Button8)
                        continue;
                    if (game != PictureGallery && (b == Form1->BitBtn1 || b == Form1->BitBtn2))
                        continue;
                    c.pen.color = 0x00FFFFFF;
                    c.brush.style = platform::BrushStyle::Clear;
                    c.rectangle(b->x(), b->y(), b->x() + b->width(), b->y() + b->height());
                }
                shot = c.image();
            }
            EXPECT_TRUE(shot.save(QStringLiteral("%1/table-%2-%3.png").arg(folder).arg(game).arg(w)));
        }
    }
    Settings::WindowSize = savedSize;
}

} // namespace
