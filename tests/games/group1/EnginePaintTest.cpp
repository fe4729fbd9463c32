// Painting of group-1 piles, foundations, free cells, stock and waste on the table image,
// checked against the same cards drawn one by one on a copy of the background.
#include "EngineTestSupport.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "games/kit/KitCursors.h"

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

using namespace GameState;
using namespace Group1;
using engine_test::Cd;
using engine_test::EmptyTable;
using engine_test::SetFoundation;
using engine_test::SetPile;
using platform::Canvas;

namespace {

constexpr platform::TColor Ground = 0x30A050;

class EnginePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings::FaceDeckNo = 0;
        Settings::BackDeckNo = 0;
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        CardPictures::TableBackground = QImage(760, 500, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(platform::toQColor(Ground));
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        CardPictures::TableBackground = QImage();
        ApplyZoomForTest(760, 500, 1.0, true);
        ResetGameState();
    }

    // The game's table laid out at 760 x 500, the table image holding the background.
    void Table(int game)
    {
        EmptyTable(game);
        ApplyZoomForTest(760, 500, 1.0, true);
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        LayoutTable();
        for (int p = 1; p <= 10; ++p)
            PileFanStep[p] = 20;
        Form1->ImageStol->setPictureSize(760, 500);
        Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
        reference = Canvas(760, 500, Ground);
    }
    const QImage& Shown() { return Form1->ImageStol->canvas().image(); }

    std::unique_ptr<TTableSurface> window;
    Canvas reference;
};

TEST_F(EnginePaint, PileShowsBacksFacesAndItsBaseMarker)
{
    Table(VardelinDuo);
    SetPile(3, {"9п", "8ч", "7п"}, 2);
    RedrawColumn1(3, 0);
    const int x = SpecialX[3];
    CardDrawing::DrawCardFace(x, ColumnsTopY, Cd("-x"), reference);
    CardDrawing::DrawCardBack(x, ColumnsTopY, reference);
    CardDrawing::DrawCardBack(x, ColumnsTopY + 20, reference);
    CardDrawing::DrawCardFace(x, ColumnsTopY + 40, Cd("7п"), reference);
    EXPECT_EQ(Shown(), reference.image());
    EXPECT_NE(reference.pixel(x + 30, ColumnsTopY + 10), Ground);
    EXPECT_NE(reference.pixel(x + 30, ColumnsTopY + 90), reference.pixel(x + 30, ColumnsTopY + 10));

    // A shorter pile wipes the cards it no longer has.
    SetPile(3, {"9п"});
    RedrawColumn1(3, 0);
    reference.draw(0, 0, CardPictures::TableBackground);
    CardDrawing::DrawCardFace(x, ColumnsTopY, Cd("-x"), reference);
    CardDrawing::DrawCardFace(x, ColumnsTopY, Cd("9п"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, EmptyPilesShowTheirGamesMarker)
{
    struct MarkerCase {
        int game;
        const char* marker;
    };
    const MarkerCase cases[] = {{VardelinSolo, "-x"}, {YukonDuo, "-x"}, {ScorpionSolo, "-x"},
                                {SpiderDuo, "-*"},    {FreeCell, "-*"}};
    for (const auto& c : cases) {
        Table(c.game);
        RedrawColumn1(1, 0);
        const int x = c.game == FreeCell ? ColumnX[1] : SpecialX[1];
        const int y = c.game == FreeCell ? ColumnTop : ColumnsTopY;
        CardDrawing::DrawCardFace(x, y, Cd(c.marker), reference);
        EXPECT_EQ(Shown(), reference.image()) << c.game;
    }
}

TEST_F(EnginePaint, FreeCellDrawsEveryPileCardFaceUp)
{
    Table(FreeCell);
    SetPile(2, {"Кп", "Дч"}, 2); // face-down flags are ignored in Free Cell
    RedrawColumn1(2, 0);
    CardDrawing::DrawCardFace(ColumnX[2], ColumnTop, Cd("-*"), reference);
    CardDrawing::DrawCardFace(ColumnX[2], ColumnTop, Cd("Кп"), reference);
    CardDrawing::DrawCardFace(ColumnX[2], ColumnTop + 20, Cd("Дч"), reference);
    EXPECT_EQ(Shown(), reference.image());

    FreeCellCards[3] = Cd("5б");
    RedrawFreeCell1(3);
    RedrawFreeCell1(4);
    CardDrawing::DrawCardFace(FreeCellX[3], FreeCellY, Cd("5б"), reference);
    CardDrawing::DrawCardFace(FreeCellX[4], FreeCellY, Cd("-*"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, FoundationShowsItsHighestCardOverPileFPlusK)
{
    struct FoundationCase {
        int game;
        int pile; // pile under foundation 2
    };
    const FoundationCase cases[] = {{VardelinDuo, 4}, {VardelinSolo, 5}, {YukonSolo, 5},
                                    {YukonDuo, 3},    {SpiderSolo, 4}};
    for (const auto& c : cases) {
        Table(c.game);
        SetFoundation(2, {"Тб", "2б"});
        RedrawFoundation1(2);
        RedrawFoundation1(3);
        CardDrawing::DrawCardFace(SpecialX[c.pile], TopRowY, Cd("2б"), reference);
        CardDrawing::DrawCardFace(SpecialX[c.pile + 1], TopRowY, Cd("-0"), reference);
        EXPECT_EQ(Shown(), reference.image()) << c.game;
    }
    // Scorpion has no foundations to paint.
    Table(ScorpionDuo);
    RedrawFoundation1(1);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, StockAndWasteStacks)
{
    Table(VardelinDuo);
    for (int s = 1; s <= 25; ++s) {
        StockCards[s] = Cd("2ч");
        WasteCards[s] = TCardCode(cards::RankOrder[s % 13], cards::SuitSpades);
    }
    StockCount = 25;
    WasteCount = 26;
    PassCount = 2;
    RedrawStockWaste1(0);
    // Three layers each; the waste shows its top three cards, the top one 4 pixels up.
    CardDrawing::DrawCardFace(SpecialX[1], TopRowY, Cd("-y"), reference);
    for (int l = 0; l < 3; ++l)
        CardDrawing::DrawCardBack(SpecialX[1], TopRowY - 2 * l, reference);
    for (int l = 0; l < 3; ++l)
        CardDrawing::DrawCardFace(SpecialX[2], TopRowY - 2 * l, WasteCards[23 + l], reference);
    EXPECT_EQ(Shown(), reference.image());
    EXPECT_EQ(WasteTopY1(), TopRowY - 4);

    // From the third pass on the stock shows "-n"; ten waste cards show only the top one.
    PassCount = 3;
    for (int s = 11; s <= 25; ++s)
        WasteCards[s] = cards::Empty;
    WasteCount = 11;
    for (int s = 1; s <= 25; ++s)
        StockCards[s] = cards::Empty;
    StockCount = 0;
    RedrawStockWaste1(0);
    reference.draw(0, 0, CardPictures::TableBackground);
    CardDrawing::DrawCardFace(SpecialX[1], TopRowY, Cd("-n"), reference);
    CardDrawing::DrawCardFace(SpecialX[2], TopRowY, WasteCards[10], reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, StockTurnInMoveModeZeroJumpsAndClearsTheWasteSelection)
{
    Table(VardelinSolo);
    Settings::MoveMode = 0;
    StockCards[1] = Cd("Дб");
    StockCards[2] = Cd("3к");
    StockCount = 2;
    SelectedPile = 9;
    DealFromKoloda1();
    EXPECT_EQ(StockCount, 1);
    EXPECT_EQ(StockCards[2], cards::Empty);
    EXPECT_EQ(WasteCards[1], Cd("3к"));
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(Form1->ImageStol->property(Kit::StockHintProperty).toString(), QStringLiteral("1"));
    CardDrawing::DrawCardFace(SpecialX[1], TopRowY, Cd("-y"), reference);
    CardDrawing::DrawCardBack(SpecialX[1], TopRowY, reference);
    CardDrawing::DrawCardFace(SpecialX[2], TopRowY, Cd("3к"), reference);
    EXPECT_EQ(Shown(), reference.image());
}

TEST_F(EnginePaint, ActionButtonsStandUnderThePiles)
{
    Table(VardelinDuo);
    ActionButtonLeft = 575;
    ActionButtonWidth = 180;
    ActionButtonHeight = 30;
    PlaceActionButtons1();
    // The piles end at 117 + 303 = 420: the pair is centred on the strip below, at 460.
    EXPECT_EQ(Form1->Button7->geometry(), QRect(575, 430, 180, 30));
    EXPECT_EQ(Form1->Button8->geometry(), QRect(575, 460, 180, 30));

    // Free Cell: as wide as piles 7 and 8 (560 to 646 + 71), 20 above the table's foot.
    Table(FreeCell);
    ActionButtonHeight = 30;
    PlaceActionButtons1();
    EXPECT_EQ(Form1->Button7->geometry(), QRect(560, 420, 157, 30));
    EXPECT_EQ(Form1->Button8->geometry(), QRect(560, 450, 157, 30));
}

// The box that holds every pixel that differs between two pictures (empty when equal).
QRect ChangedBox(const QImage& before, const QImage& after)
{
    QRect box;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(EnginePaint, InfoPanelStaysInTheStripUnderThePiles)
{
    for (int game : {VardelinDuo, YukonDuo, SpiderQuartet, ScorpionSolo}) {
        Table(game);
        const QImage before = Shown();
        DrawInfoPanel1();
        const QRect box = ChangedBox(before, Shown());
        ASSERT_FALSE(box.isEmpty()) << game;
        const int bottom = ColumnsTopY + ColumnsHeight;
        EXPECT_GE(box.top(), bottom) << game;
        EXPECT_LE(box.bottom(), 499) << game;
        EXPECT_GE(box.left(), 12 - 2) << game; // an italic glyph may lean a pixel left
        // The value ends at its place, or just after a label too long to leave room for it.
        platform::Canvas& c = Form1->ImageStol->canvas();
        const int label = std::max(c.textWidth(Texts::Tx(IsVardelin(game) ? Texts::TxtBullet : Texts::TxtMoves)),
                                   c.textWidth(Texts::Tx(IsVardelin(game) ? Texts::TxtScore : Texts::TxtVariants)) + c.textWidth(QStringLiteral(":")));
        EXPECT_LE(box.right(), std::max(IsVardelin(game) ? 128 : 168, 12 + label + 1 + 54 + 1)) << game;
    }
    Table(FreeCell);
    ActionButtonHeight = 30;
    const QImage before = Shown();
    DrawInfoPanel1();
    const QRect box = ChangedBox(before, Shown());
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.left(), ColumnX[1] - 2);
    EXPECT_LE(box.right(), ColumnX[3]);
    EXPECT_GE(box.top(), 500 - 60 - 20);
}

TEST_F(EnginePaint, LongLabelsOfTheInfoPanelStayWhole)
{
    const int saved = Texts::LanguageIndex;
    for (int language : {1, 2}) { // Russian, German
        Texts::LanguageIndex = language;
        for (int game : {VardelinDuo, SpiderQuartet}) {
            Table(game);
            platform::Canvas& c = Form1->ImageStol->canvas();
            c.font.height = Scaling::FontHeightFor(26, QStringLiteral("times"));
            c.font.name = Settings::FontTimesName;
            c.font.italic = true;
            c.font.bold = false;
            const int bottom = ColumnsTopY + ColumnsHeight;
            const int row2 = bottom + Scaling::RoundHalfEven((500 - bottom) / 2.0) + 8;
            const QString label = Texts::Tx(IsVardelin(game) ? Texts::TxtScore : Texts::TxtVariants) + QLatin1Char(':');
            const QImage before = Shown();
            DrawShadowText(label, 12, row2, 2, true);
            const QImage alone = Shown();
            const QRect box = ChangedBox(before, alone);
            Table(game);
            DrawInfoPanel1();
            const QImage panel = Shown();
            int differing = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    differing += panel.pixel(x, y) != alone.pixel(x, y);
            EXPECT_EQ(differing, 0) << "language " << language << " game " << game;
        }
    }
    Texts::LanguageIndex = saved;
}

TEST_F(EnginePaint, InfoPanelRepaintedOverItselfStaysTheSame)
{
    // Labels wider than the strip they restore thickened with every repaint.
    for (int game : {VardelinDuo, SpiderSolo, FreeCell}) {
        Table(game);
        DrawInfoPanel1();
        const QImage once = Shown();
        for (int i = 0; i < 3; ++i)
            DrawInfoPanel1();
        EXPECT_TRUE(ChangedBox(once, Shown()).isEmpty()) << game;
    }
}

TEST_F(EnginePaint, RightAlignedShadowTextEndsAtItsX)
{
    Table(VardelinSolo);
    Form1->ImageStol->canvas().font.height = 24;
    DrawShadowText(QStringLiteral("8888"), 300, 420, 1, false);
    DrawShadowText(QStringLiteral("8888"), 100, 420, 2, true);
    // Right-aligned ink ends at X at the latest and close to it; left-aligned ink starts
    // at X; both colours of the pair are there.
    const QImage& img = Shown();
    int lastInk = -1, firstInk = 1000;
    bool shadow = false, face = false;
    for (int y = 400; y < 470; ++y)
        for (int x = 60; x < 320; ++x) {
            const platform::TColor c = platform::fromQColor(QColor(img.pixel(x, y)));
            if (c == Ground)
                continue;
            if (x > 200)
                lastInk = std::max(lastInk, x);
            else
                firstInk = std::min(firstInk, x);
            shadow = shadow || c == 0x800000;
            face = face || c == 0xFF9696;
        }
    EXPECT_LE(lastInk, 300);
    EXPECT_GE(lastInk, 296);
    EXPECT_GE(firstInk, 100);
    EXPECT_LE(firstInk, 104);
    EXPECT_TRUE(shadow);
    EXPECT_TRUE(face);
}

TEST_F(EnginePaint, SpiderVariantsCountWholeRunsOnce)
{
    struct VariantCase {
        const char* what;
        const char* secondTop;
        bool emptyThird;
        int variants;
    };
    const VariantCase cases[] = {
        {"the run 4 onto a 5", "5б", false, 1},
        {"moving onto a copy of the card under the run changes nothing", "5ч", false, 0},
        // 4п onto 5б and the empty pile, 5б and the seven kings onto the empty pile; 5ч
        // is no part of a run.
        {"every run fits an empty pile", "5б", true, 10},
    };
    for (const auto& c : cases) {
        EmptyTable(SpiderDuo);
        SetPile(1, {"5ч", "4п"});
        PileMarks[1][1] = 0; // the run on pile 1 is the 4 alone
        SetPile(2, {c.secondTop});
        SetPile(3, {"Кб"});
        if (c.emptyThird)
            SetPile(3, {});
        for (int p = 4; p <= 10; ++p)
            SetPile(p, {"Кб"});
        EXPECT_EQ(SpiderVariants1(), c.variants) << c.what;
    }
}

} // namespace

TEST_F(EnginePaint, AValueRepaintedWithAnotherLeavesNothingOfTheOld)
{
    // Italic digits lean past their advance on the right; at the largest window size a
    // changed score kept a stroke of the old one there. Font and box grow together with
    // the window, as the info panel sets them.
    for (const int scale : {1, 2}) {
        const int box = 54 * scale;
        const auto show = [box](const char* value) {
            DrawHelpers::DrawShadowText(QString::fromLatin1(value), 400, 300, box, box / 2, 0x800000,
                                        0xFF9696, false, Form1->ImageStol->canvas());
        };
        const auto setFont = [scale] {
            platform::Canvas& c = Form1->ImageStol->canvas();
            c.font.name = Settings::FontTimesName;
            c.font.height = Scaling::FontHeightFor(26 * scale, QStringLiteral("times"));
            c.font.italic = true;
            c.font.bold = false;
        };
        Table(VardelinDuo);
        setFont();
        const QImage ground = Shown();
        show("208");
        const QImage fresh = Shown();
        Table(VardelinDuo);
        setFont();
        for (const char* value : {"207", "999", "1", "77", "208"})
            show(value);
        const QRect diff = ChangedBox(fresh, Shown());
        EXPECT_TRUE(diff.isEmpty()) << "scale " << scale << " at " << diff.x() << "," << diff.y() << " "
                                    << diff.width() << "x" << diff.height();
        EXPECT_FALSE(ChangedBox(ground, fresh).isEmpty());
    }
}
