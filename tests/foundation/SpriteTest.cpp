// Sprites: how a drag step reaches the screen, how a sprite is composed in both drawings,
// and card flights run through a recording sleeper (no real time passes).
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <gtest/gtest.h>

#include <vector>

using platform::Canvas;
using platform::TColor;
using namespace Sprite;

namespace {

constexpr TColor Ground = 0x20A040;
constexpr TColor FacePaint = 0x3366CC;
const TCardCode AceOfSpades("\xD2\xEF");
const TCardCode TwoOfHearts("2\xF7");
const TCardCode ThreeOfHearts("3\xF7");
const TCardCode FourOfHearts("4\xF7");

QImage solidPicture(int w, int h, TColor c)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(platform::toQRgb(c));
    return img;
}

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameState::CurrentGameId = 71;
        GameState::CardInset = 5;
        useClassic();
        Scaling::TableWidth = 300;
        Scaling::TableHeight = 200;
        for (auto& f : CardPictures::FaceBitmaps)
            f = Canvas(69, 94, FacePaint);
        platform::SeamOverrides o;
        o.sleepMs = [this](int ms) {
            sleeps.push_back(ms);
            if (CurrentSprite)
                atSleep = {CurrentSprite->FLeft, CurrentSprite->FTop};
        };
        platform::setSeamOverridesForTest(o);
        SetFlightStepListenerForTest([this](int x, int y) {
            steps.push_back({x, y});
            EXPECT_EQ(GameState::FlightActive, 1);
        });
    }
    void TearDown() override
    {
        SetFlightStepListenerForTest(nullptr);
        platform::setSeamOverridesForTest({});
        FreeSprite();
        useClassic();
        GameState::CurrentGameId = 0;
        Scaling::TableWidth = 760;
        Scaling::TableHeight = 500;
    }
    static void useClassic()
    {
        Scaling::ClassicCardMode = 1;
        GameState::CardWidth = 71;
        GameState::CardHeight = 96;
        GameState::CardInset = 5;
    }
    static void useScaled(int w, int h)
    {
        Scaling::ClassicCardMode = 0;
        GameState::CardWidth = w;
        GameState::CardHeight = h;
        GameState::CardInset = 0;
    }
    void makeTable()
    {
        SpriteBackground = Canvas(Scaling::TableWidth, Scaling::TableHeight, Ground);
        SpriteWork = SpriteBackground;
    }

    std::vector<int> sleeps;
    std::vector<QPoint> steps;
    QPoint atSleep;
};

TEST_F(SpriteTest, FlightStepsAndPausesBySpeed)
{
    struct Case {
        int speed;
        int drawn;
        int pauses;
        int pauseMs;
    } cases[] = {
        {1, 100, 100, 2}, {2, 100, 100, 1}, {3, 100, 50, 1},
        {4, 100, 33, 1},  {5, 100, 0, 0},   {6, 99, 0, 0}, {0, 100, 0, 0},
    };
    for (const Case& c : cases) {
        sleeps.clear();
        steps.clear();
        SpriteFly(20, 30, 120, 30, c.speed, AceOfSpades, 1);
        EXPECT_EQ(static_cast<int>(steps.size()), c.drawn) << "speed " << c.speed;
        EXPECT_EQ(static_cast<int>(sleeps.size()), c.pauses) << "speed " << c.speed;
        for (int ms : sleeps)
            EXPECT_EQ(ms, c.pauseMs);
        ASSERT_FALSE(steps.empty());
        EXPECT_EQ(steps.back(), QPoint(120, 30)) << "speed " << c.speed;
        EXPECT_EQ(steps.front(), QPoint(c.speed == 6 ? 22 : 21, 30));
    }
    // The pause after the last step of a speed-2 flight shows the sprite on its target.
    sleeps.clear();
    SpriteFly(50, 60, 10, 20, 2, TwoOfHearts, 1);
    EXPECT_EQ(sleeps.size(), 40u);
    EXPECT_EQ(atSleep, QPoint(10, 20));
    EXPECT_EQ(GameState::FlightActive, 0);
    EXPECT_FALSE(CurrentSprite);
    EXPECT_TRUE(SpriteWork.isEmpty());
    EXPECT_TRUE(SpriteBackground.isEmpty());
}

TEST_F(SpriteTest, FlightPathLeadsAlongTheLongerAxisAndRoundsHalvesToEven)
{
    struct Case {
        QPoint from, to;
        std::vector<QPoint> path;
    } cases[] = {
        // y = x / 4: 0.25, 0.5 (to even 0), 0.75, 1
        {{0, 0}, {4, 1}, {{1, 0}, {2, 0}, {3, 1}, {4, 1}}},
        // x = -y / 3 along y
        {{0, 0}, {-1, 3}, {{0, 1}, {-1, 2}, {-1, 3}}},
        // only y differs: one pixel a step along y
        {{5, 9}, {5, 6}, {{5, 8}, {5, 7}, {5, 6}}},
        // a tie steps along x
        {{3, 3}, {0, 6}, {{2, 4}, {1, 5}, {0, 6}}},
        // x = 2.5 at y = 1 goes to the even 2
        {{0, 0}, {5, 2}, {{1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
        {{0, 0}, {-5, -2}, {{-1, 0}, {-2, -1}, {-3, -1}, {-4, -2}, {-5, -2}}},
    };
    for (const Case& c : cases) {
        steps.clear();
        SpriteFly(c.from.x(), c.from.y(), c.to.x(), c.to.y(), 5, AceOfSpades, 1);
        EXPECT_EQ(steps, c.path) << c.to.x() << "," << c.to.y();
    }
}

TEST_F(SpriteTest, FlightToItsOwnStartReturnsAtOnce)
{
    SpriteFly(40, 40, 40, 40, 2, AceOfSpades, 1);
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(sleeps.empty());
    EXPECT_EQ(GameState::FlightActive, 0);
    EXPECT_FALSE(CurrentSprite);
    // A one-pixel flight at speed 6 is drawn: its first step is the last.
    SpriteFly(40, 40, 41, 40, 6, AceOfSpades, 1);
    EXPECT_EQ(steps, std::vector<QPoint>{QPoint(41, 40)});
}

TEST_F(SpriteTest, DragStepShowsTheWidenedOldRectangleAndAfterAJumpTheNewOneToo)
{
    makeTable();
    CurrentSprite = std::make_unique<TSprite>(10, 10, 81, 106, AceOfSpades, false, 1, GameState::DragRun);
    SpriteMoveTo(10, 10, 1);
    SpriteMoveTo(12, 8, 1);
    EXPECT_EQ(LastScreenUpdate(), QRegion(8, 8, 75, 100));
    EXPECT_EQ(SpriteWork.pixel(12 + 35, 8 + 48), FacePaint);

    SpriteMoveTo(17, 8, 1); // five pixels
    EXPECT_EQ(LastScreenUpdate(), QRegion(10, 6, 75, 100) + QRegion(15, 6, 75, 100));
    EXPECT_EQ(SpriteWork.pixel(17 + 69, 8 + 48), FacePaint);
    EXPECT_EQ(SpriteWork.pixel(12 + 2, 8 + 48), Ground); // the old place is table again

    SpriteMoveTo(200, 90, 1);
    EXPECT_EQ(LastScreenUpdate(), QRegion(15, 6, 75, 100) + QRegion(198, 88, 75, 100));

    SpriteHide(0, 0, 1);
    EXPECT_EQ(LastScreenUpdate(), QRegion(198, 88, 73, 98));
    EXPECT_EQ(SpriteWork.image(), SpriteBackground.image());
}

TEST_F(SpriteTest, ClassicSpriteIsACardInABlackOutlineWithRoundedCorners)
{
    struct Case {
        const char* code;
        TColor inside;
    } cases[] = {{"\xD2\xEF", FacePaint}, {"No", platform::clWhite}, {"##", platform::clWhite}, {"00", 0x445566}};
    for (auto& b : CardPictures::BackBitmaps)
        b = Canvas(69, 94, 0x445566);
    for (const Case& c : cases) {
        makeTable();
        CurrentSprite = std::make_unique<TSprite>(30, 20, 101, 116, TCardCode(c.code), false, 1, GameState::DragRun);
        SpriteMoveTo(30, 20, 2);
        EXPECT_EQ(SpriteWork.pixel(30 + 35, 20 + 48), c.inside) << c.code;
        EXPECT_EQ(SpriteWork.pixel(30, 20 + 48), platform::clBlack);
        EXPECT_EQ(SpriteWork.pixel(30 + 70, 20 + 48), platform::clBlack);
        EXPECT_EQ(SpriteWork.pixel(30 + 35, 20 + 95), platform::clBlack);
        EXPECT_EQ(SpriteWork.pixel(30, 20), Ground);           // rounded corner
        EXPECT_EQ(SpriteWork.pixel(30 + 70, 20 + 95), Ground);
        EXPECT_EQ(SpriteWork.pixel(30 + 71, 20 + 48), Ground); // beside the card
    }
}

TEST_F(SpriteTest, ScaledRunSpritesLayTheCardsInFanOrder)
{
    useScaled(40, 50);
    CardPictures::FaceImages[1] = solidPicture(40, 50, 0x0000C0);
    CardPictures::FaceImages[5] = solidPicture(40, 50, 0x00C000);
    CardPictures::FaceImages[9] = solidPicture(40, 50, 0xC00000);
    GameState::TSpr run;
    run.K = 3;
    run.C[1] = TwoOfHearts;
    run.C[2] = ThreeOfHearts;
    run.C[3] = FourOfHearts;
    run.H = 10;
    struct Case {
        int g;
        QSize size;
        QPoint probe;
        TColor expected;
    } cases[] = {
        {1, {60, 50}, {5, 25}, 0x0000C0},  {1, {60, 50}, {55, 25}, 0xC00000},
        {2, {60, 50}, {5, 25}, 0xC00000},  {2, {60, 50}, {55, 25}, 0x0000C0}, // C[K] leftmost, on top
        {2, {60, 50}, {35, 25}, 0xC00000}, {3, {40, 70}, {20, 5}, 0x0000C0},
        {3, {40, 70}, {20, 65}, 0xC00000}, {4, {40, 70}, {20, 5}, SpriteKeyColor},
    };
    for (const Case& c : cases) {
        run.G = c.g;
        const TSprite s(0, 0, 40, 50, TCardCode("--"), true, 0, run);
        EXPECT_EQ(QSize(s.ImBMP2.width(), s.ImBMP2.height()), c.size) << "G " << c.g;
        EXPECT_EQ(s.ImBMP2.pixel(c.probe.x(), c.probe.y()), c.expected) << "G " << c.g << " at " << c.probe.x();
    }
}

TEST_F(SpriteTest, ScaledSpriteLetsTheTableShowThroughTheKeyColour)
{
    useScaled(40, 50);
    QImage face = solidPicture(40, 50, FacePaint);
    face.setPixel(0, 0, 0); // a transparent corner
    CardPictures::FaceImages[52] = face;
    makeTable();
    CurrentSprite = std::make_unique<TSprite>(50, 60, 90, 110, AceOfSpades, false, 1, GameState::DragRun);
    SpriteMoveTo(51, 61, 1);
    EXPECT_EQ(SpriteWork.pixel(51, 61), Ground);
    EXPECT_EQ(SpriteWork.pixel(52, 61), FacePaint);
    EXPECT_EQ(SpriteWork.pixel(90, 110), FacePaint);
    EXPECT_EQ(SpriteWork.pixel(91, 110), Ground);
    EXPECT_EQ(SpriteWork.pixel(50, 80), Ground); // where it was before
    // A flight of "No" shows nothing in the scaled drawing.
    FreeSprite();
    SpriteFly(0, 0, 3, 0, 2, TCardCode("No"), 1);
    EXPECT_EQ(steps.size(), 3u);
}

} // namespace

namespace {

class SpriteOnWindowTest : public SpriteTest {
protected:
    void SetUp() override
    {
        SpriteTest::SetUp();
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        window->show();
        Form1->FormArea()->setPictureSize(300, 200);
        Form1->ImageStol->setGeometry(0, 0, 300, 200);
        Form1->ImageStol->setPictureSize(300, 200);
        Form1->ImageStol->canvas().brush.color = Ground;
        Form1->ImageStol->canvas().fillRect(0, 0, 300, 200);
        Form1->FormCanvas().brush.color = platform::clMaroon;
        Form1->FormCanvas().fillRect(0, 0, 300, 200);
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        SpriteTest::TearDown();
    }
    std::unique_ptr<TTableSurface> window;
};

TEST_F(SpriteOnWindowTest, FlightEndsPaintedOnTheWindowAndShowsOverAVisibleTable)
{
    struct Case {
        int game;
        bool tableShown;
        TColor onForm, onTable; // at the end point, after the flight
    } cases[] = {
        {71, false, FacePaint, Ground},
        {71, true, FacePaint, FacePaint},
        {19, true, Ground, Ground}, // Tulip takes the picture off again
    };
    for (const Case& c : cases) {
        GameState::CurrentGameId = c.game;
        Form1->ImageStol->setVisible(c.tableShown);
        Form1->ImageStol->canvas().fillRect(0, 0, 300, 200);
        SpriteFly(10, 10, 100, 50, 5, AceOfSpades, 1);
        EXPECT_EQ(Form1->FormCanvas().pixel(100 + 35, 50 + 48), c.onForm) << c.game;
        EXPECT_EQ(Form1->ImageStol->canvas().pixel(100 + 35, 50 + 48), c.onTable) << c.game;
        EXPECT_EQ(Form1->FormCanvas().pixel(10 + 35, 10 + 48), Ground) << c.game; // the table picture under the start
    }
}

TEST_F(SpriteOnWindowTest, DragSpriteTakesItsPictureFromTheTable)
{
    // A run still drawn on the table: the sprite copies it from inside the card inset.
    Canvas& table = Form1->ImageStol->canvas();
    table.brush.color = 0x112233;
    table.fillRect(40, 30, 111, 126);
    CurrentSprite = std::make_unique<TSprite>(40, 30, 111, 126, TCardCode("--"), true, 0, GameState::DragRun);
    table.brush.color = Ground; // the source pile redrawn without the lifted run
    table.fillRect(40, 30, 111, 126);
    TakeTableForSprite();
    SpriteMoveTo(60, 40, 1);
    EXPECT_EQ(table.pixel(60 + 35, 40 + 48), 0x112233u);
    EXPECT_EQ(table.pixel(60 + 2, 40 + 48), Ground); // outside the inset: the table shows
    FreeSprite();
    EXPECT_TRUE(SpriteWork.isEmpty());
}

TEST_F(SpriteOnWindowTest, DragTakingTheTableByTilesShowsWhatAWholeCopyShows)
{
    // Every pixel of the table differs from its neighbours; the path crosses tile edges,
    // jumps, leaves the table on every side and comes back over places already shown.
    Canvas& table = Form1->ImageStol->canvas();
    auto pattern = [&](int shift) {
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                table.setPixel(x, y, TColor(((x + shift) * 7 % 256) | (y * 5 % 256) << 8 | ((x + y) % 256) << 16));
        return table.image().copy();
    };
    const QPoint path[] = {{41, 30}, {43, 28}, {60, 64}, {62, 66}, {250, 150}, {-40, -50}, {-38, -48},
                           {280, -30}, {-20, 170}, {120, 100}, {122, 101}, {41, 30}};
    QImage transparentCorner(40, 50, QImage::Format_ARGB32_Premultiplied);
    transparentCorner.fill(platform::toQRgb(FacePaint));
    transparentCorner.setPixel(0, 0, 0);
    GameState::TSpr run;
    run.K = 2;
    run.C[1] = AceOfSpades;
    run.C[2] = TwoOfHearts;
    run.H = 20;
    run.G = 3;
    for (const bool classic : {true, false}) {
        SCOPED_TRACE(classic ? "classic" : "scaled");
        if (classic) {
            useClassic();
        } else {
            useScaled(40, 50);
            CardPictures::FaceImages[52] = transparentCorner;
            CardPictures::FaceImages[1] = transparentCorner;
        }
        // The frames a drag shows on the table image, taking the table whole or by tiles.
        auto drag = [&](const QImage& original, bool byTiles) {
            table.image() = original.copy();
            CurrentSprite = std::make_unique<TSprite>(40, 30, 111, 126, TCardCode("--"), true, 0, run);
            if (byTiles)
                TakeTableForDrag();
            else
                TakeTableForSprite();
            std::vector<QImage> frames;
            for (const QPoint& p : path) {
                SpriteMoveTo(p.x(), p.y(), 1);
                frames.push_back(table.image().copy());
            }
            SpriteHide(0, 0, 1);
            frames.push_back(table.image().copy());
            FreeSprite();
            return frames;
        };
        // Twice on different tables: the second drag by tiles starts on the pictures the
        // drags before left behind.
        for (int round = 1; round <= 2; ++round) {
            const QImage original = pattern(round * 50);
            const std::vector<QImage> tiles = drag(original, true);
            const std::vector<QImage> whole = drag(original, false);
            ASSERT_EQ(tiles.size(), whole.size());
            for (std::size_t i = 0; i < tiles.size(); ++i)
                EXPECT_TRUE(tiles[i] == whole[i]) << "round " << round << ", step " << i;
            EXPECT_TRUE(tiles.back() == original) << "round " << round;
        }
    }
}

} // namespace
