// The play kit on its own: press timing, the fly-back and cancel rules at their edges,
// the drop target by pointer and by corner, the guards against lost cards, the end of
// a game and the lift buffer's bound, and the small kit-only game played through real
// mouse events in every move mode.
#include "KitGame.h"

#include "support/PlayTable.h"

#include "foundation/CardDrawing.h"
#include "foundation/Layout.h"
#include "games/kit/KitDrag.h"
#include "games/kit/KitDrop.h"
#include "games/kit/KitEnd.h"
#include "games/kit/KitPress.h"
#include "games/kit/KitTable.h"

#include <tuple>
#include <vector>

using namespace GameState;

namespace {

class KitPlay : public testsupport::PlayTable {
protected:
    void TearDown() override
    {
        KitGame::Uninstall();
        PlayTable::TearDown();
    }
    // The kit game dealt on a bare table in move mode `mode`.
    void Game(int mode, int deal = 0, int width = 760, int height = 500, double zoom = 1.0)
    {
        BareTable(mode, width, height, zoom);
        KitGame::Install();
        KitGame::Deal(deal);
        Celebration::StopWinBalloons();
        presenter.dialogs.clear();
        Sounds();
    }
    static QPoint Middle(int x, int y) { return {x + CardWidth / 2, y + CardHeight / 2}; }
    QPoint PileTop() const { return Middle(KitGame::SlotX(KitGame::PileCount()), KitGame::PileY()); }
    QPoint FoundationPoint() const { return Middle(KitGame::FoundationX(), KitGame::FoundationY()); }
    // The cards of the game: pile, foundation top and the hand.
    int CardsInPlay() const
    {
        return KitGame::PileCount() + (FoundationCounts[1] > 0 ? 1 : 0) + (cards::pictureIndex(TargetCard) > 0 ? 1 : 0);
    }
};

TEST_F(KitPlay, PickUpSoundNeedsMoreThanASecondSinceThePreviousPress)
{
    struct Case {
        int msApart;
        const char* sounds;
    } cases[] = {{999, ""}, {1000, ""}, {1001, "WavDown"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.msApart);
        Game(2);
        Press({5, 5}); // an empty spot of the table stamps the press all the same
        Release({5, 5});
        Press(PileTop(), Qt::LeftButton, c.msApart);
        EXPECT_TRUE(DragActive);
        EXPECT_EQ(Sounds(), c.sounds);
        Release(PileTop());
    }
}

TEST_F(KitPlay, FlyBackAndCancelRulesAtTheirEdgesAtBothZooms)
{
    using Kit::TCancelRule;
    using Kit::TFlyBack;
    for (double zoom : {1.0, 2.0}) {
        ApplyZoomForTest(int(760 * zoom), int(500 * zoom), zoom, true);
        const int z = int(zoom);
        for (int d : {19, 20, 30, 31}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", " << d << " design pixels");
            // The sprite's corner and the press point both sit at the card's place.
            DragOffsetX = 10;
            DragOffsetY = 10;
            PressX = 110;
            PressY = 110;
            const int X = 110 + d * z;
            const int Y = 110;
            EXPECT_EQ(Kit::FliesBack(TFlyBack::FromTwenty, X, Y, 100, 100), d >= 20);
            EXPECT_EQ(Kit::FliesBack(TFlyBack::BeyondThirty, X, Y, 100, 100), d > 30);
            EXPECT_FALSE(Kit::FliesBack(TFlyBack::Never, X, Y, 100, 100));
            EXPECT_EQ(Kit::FliesBack(TFlyBack::BeyondTwenty, X, Y, 100, 100), d > 20);
            EXPECT_EQ(Kit::CancelSounds(TCancelRule::FromPress, X, Y, 100, 100), d > 30);
            EXPECT_EQ(Kit::CancelSounds(TCancelRule::FromPlace, X, Y, 100, 100), d > 30);
            EXPECT_TRUE(Kit::CancelSounds(TCancelRule::Always, X, Y, 100, 100));
            // The place under the sprite's corner, within 30 design pixels, the last wins.
            const QPoint corners[] = {{100, 100}, {100 + d * z, 100}, {400, 400}};
            EXPECT_EQ(Kit::PlaceByCorner(110, 110, corners), d <= 30 ? 2 : 1);
        }
    }
}

TEST_F(KitPlay, FirstOrLastFittingFoundation)
{
    auto odd = [](int f) { return f % 2 == 1; };
    EXPECT_EQ(Kit::FittingFoundation(Kit::TFoundationSearch::First, 6, odd), 1);
    EXPECT_EQ(Kit::FittingFoundation(Kit::TFoundationSearch::Last, 6, odd), 5);
    EXPECT_EQ(Kit::FittingFoundation(Kit::TFoundationSearch::First, 6, [](int) { return false; }), 0);
}

TEST_F(KitPlay, RefusedAndAcceptedDropsInDragMode)
{
    Game(2, 1);
    // Carried far and dropped on nothing: back home with a flight and "WavCancel".
    const QPoint from = PileTop();
    Drag(from, from + QPoint(200, -150));
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(KitGame::PileCount(), 13);
    EXPECT_FALSE(DragActive);
    EXPECT_FALSE(Sprite::CurrentSprite);
    // Released where it was lifted: no sound, no flight.
    flightSteps = 0;
    Drag(from, from);
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(flightSteps, 0);
    // Onto the foundation: it goes there and counts.
    Drag(PileTop(), FoundationPoint());
    EXPECT_EQ(Sounds(), "WavDown WavCardUp");
    EXPECT_EQ(FoundationCounts[1], 1);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(KitGame::PileCount(), 12);
    EXPECT_EQ(CardsInPlay(), 13);
}

TEST_F(KitPlay, ClickModesSelectMoveAndFlyOnlyInModeOne)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Game(mode);
        flightSteps = 0;
        const QImage before = Shown().copy();
        Click(PileTop());
        EXPECT_TRUE(SourceSelected);
        EXPECT_EQ(Sounds(), "WavDown");
        Click(PileTop()); // the second click on it drops the selection and the mark
        EXPECT_FALSE(SourceSelected);
        EXPECT_EQ(Sounds(), "WavCancel");
        EXPECT_EQ(Text(Difference(before, Shown())), "none");
        Click(PileTop());
        Click({5, 5}); // a place that takes nothing keeps the selection
        EXPECT_TRUE(SourceSelected);
        Click(FoundationPoint());
        EXPECT_FALSE(SourceSelected);
        EXPECT_EQ(FoundationCounts[1], 1);
        EXPECT_EQ(Sounds(), "WavDown WavCardUp");
        EXPECT_EQ(flightSteps > 0, mode == 1);
        if (mode == 1) {
            EXPECT_EQ(flightEnd, QPoint(KitGame::FoundationX(), KitGame::FoundationY()));
        }
    }
}

TEST_F(KitPlay, OtherButtonsDuringADragLoseNothing)
{
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        Game(2);
        const QPoint from = PileTop();
        Press(from);
        Move(from + QPoint(40, -60));
        const QRect spriteAt(Sprite::CurrentSprite->FLeft, Sprite::CurrentSprite->FTop, 1, 1);
        const int saved = SavedCursor;
        Press(from + QPoint(40, -60), b);
        EXPECT_TRUE(DragActive);
        EXPECT_EQ(SavedCursor, saved);
        ASSERT_TRUE(Sprite::CurrentSprite);
        EXPECT_EQ(QRect(Sprite::CurrentSprite->FLeft, Sprite::CurrentSprite->FTop, 1, 1), spriteAt);
        EXPECT_EQ(CardsInPlay(), 13);
        Release(from);
        EXPECT_EQ(KitGame::PileCount(), 13);
    }
}

TEST_F(KitPlay, DoubleClickDuringAPendingDragPutsTheCardBack)
{
    Game(2, 1);
    Press(PileTop());
    Move(PileTop() + QPoint(100, 0));
    LastUpX = 5; // the double click works where nothing lies
    LastUpY = 5;
    DoubleClickOnly({5, 5});
    EXPECT_FALSE(DragActive);
    EXPECT_FALSE(Sprite::CurrentSprite);
    EXPECT_EQ(KitGame::PileCount(), 13);
    EXPECT_EQ(TargetCard, cards::Empty);
    EXPECT_EQ(CardsInPlay(), 13);
}

TEST_F(KitPlay, DoubleClickSendsTheTopToTheFoundation)
{
    Game(2);
    DoubleClick(PileTop());
    EXPECT_EQ(FoundationCounts[1], 1);
    EXPECT_EQ(KitGame::PileCount(), 12);
}

TEST_F(KitPlay, TheGameEndsWonOrStuckInEveryMode)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Game(mode);
        for (int i = 0; i < 13 && !GameOver; ++i) {
            if (mode == 2) {
                Drag(PileTop(), FoundationPoint());
            } else {
                Click(PileTop());
                Click(FoundationPoint());
            }
        }
        ExpectRoundEnded(true);
        Game(mode, 1);
        for (int i = 0; i < 4; ++i)
            DoubleClick(PileTop());
        if (mode != 2)
            Click(PileTop()); // the click modes end at a press
        else
            Click({5, 5});
        ExpectRoundEnded(false);
        EXPECT_EQ(KitGame::PileCount(), 9);
    }
}

TEST_F(KitPlay, EndGameCaptionsAndPanelOrder)
{
    const Texts::TText* captions[] = {nullptr, &Texts::TxtToMenu, &Texts::TxtExitToMenu};
    const Kit::TPanelOrder orders[] = {Kit::TPanelOrder::None, Kit::TPanelOrder::BeforeScore,
                                       Kit::TPanelOrder::AfterScore};
    for (const Texts::TText* caption : captions)
        for (Kit::TPanelOrder order : orders)
            for (bool won : {true, false}) {
                BareTable(2);
                presenter.dialogs.clear();
                Form1->Button8->setText(QStringLiteral("before"));
                int panelAfterDialogs = -1;
                const Kit::TEnd end = Kit::EndGame(won, {caption, [&] { panelAfterDialogs = int(presenter.dialogs.size()); }, order});
                EXPECT_EQ(end, won ? Kit::TEnd::Won : Kit::TEnd::Lost);
                ExpectRoundEnded(won, caption);
                if (!caption) {
                    EXPECT_EQ(Form1->Button8->text(), QStringLiteral("before"));
                }
                EXPECT_EQ(panelAfterDialogs,
                          order == Kit::TPanelOrder::None ? -1 : order == Kit::TPanelOrder::BeforeScore ? 0 : 1);
                Celebration::StopWinBalloons();
            }
}

TEST_F(KitPlay, EndTestRunsDryWithStockLeft)
{
    BareTable(2);
    Kit::TEndTest t;
    t.Won = [] { return false; };
    t.Stuck = [] { return true; };
    bool stockEmpty = false;
    t.StuckOnlyWhen = [&] { return stockEmpty; };
    t.StopkaWhenDry = true;
    EXPECT_EQ(Kit::RunEndTest(t, false), Kit::TEnd::GoesOn);
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(Kit::RunEndTest(t, true), Kit::TEnd::RanDry);
    EXPECT_EQ(Sounds(), "WavStopka");
    EXPECT_FALSE(GameOver);
    stockEmpty = true;
    EXPECT_EQ(Kit::RunEndTest(t, true), Kit::TEnd::Lost);
    EXPECT_TRUE(GameOver);
}

TEST_F(KitPlay, LiftBufferAtItsBound)
{
    for (int i = 1; i <= 104; ++i) {
        LiftedCards[i] = TCardCode(cards::RankAce, cards::SuitSpades);
        LiftedValues[i] = 0;
    }
    EXPECT_EQ(Kit::LiftedCount(104), 104);
    EXPECT_EQ(Kit::LiftedCount(1000), 104);
    EXPECT_EQ(Kit::LiftedCount(-3), 1);
    Kit::ClearLiftBuffer(0); // at least the first slot
    EXPECT_EQ(Kit::LiftedCount(104), 103);
    Kit::ClearLiftBuffer(105);
    EXPECT_EQ(Kit::LiftedCount(104), 0);
    // The waste's top into the buffer; an empty waste lifts nothing.
    WasteCards[1] = TCardCode(cards::RankKing, cards::SuitHearts);
    WasteValues[1] = 12;
    WasteCount = 2;
    Kit::LiftWasteTop(104);
    EXPECT_EQ(LiftedCards[1], TCardCode(cards::RankKing, cards::SuitHearts));
    EXPECT_EQ(WasteCount, 1);
    EXPECT_EQ(DragRun.K, 1);
    Kit::LiftWasteTop(104);
    EXPECT_EQ(Kit::LiftedCount(104), 0);
}

TEST_F(KitPlay, HeldRunFillsTheDragFields)
{
    const TCardCode run[] = {TCardCode('9', cards::SuitHearts), TCardCode('8', cards::SuitClubs), TCardCode('7', cards::SuitHearts)};
    const Byte values[] = {8, 7, 6};
    Kit::HoldRun(run, values, 17);
    EXPECT_EQ(Kit::HeldCount(), 3);
    EXPECT_EQ(TargetCard, TCardCode('9', cards::SuitHearts));
    EXPECT_EQ(DragRun.K, 3);
    EXPECT_EQ(DragRun.H, 17);
    EXPECT_EQ(DragRun.G, 3);
    EXPECT_EQ(DragCards[4], cards::Empty);
    Kit::ClearHeld();
    EXPECT_EQ(Kit::HeldCount(), 0);
    EXPECT_EQ(TargetValue, 99);
    Kit::HoldOneCard(TCardCode(cards::RankQueen, cards::SuitSpades), 11);
    EXPECT_EQ(DragRun.K, 1);
    EXPECT_EQ(DragRun.G, 1);
    EXPECT_EQ(DragRun.H, 0);
    EXPECT_EQ(Kit::HeldCount(), 1);
}

TEST_F(KitPlay, CardDragSpriteShowsItsOwnCardWhateverTheTableShows)
{
    // Size 1 draws the classic sprite (its card picture in the Tulip games), size 5 the
    // large pictures.
    for (const auto& [width, height, zoom] : {std::tuple{760, 500, 1.0}, std::tuple{1520, 1000, 2.0}}) {
        SCOPED_TRACE(zoom);
        BareTable(2, width, height, zoom);
        CurrentGameId = 19;
        LayoutTable();
        const int x = 100, y = 100;
        const TCardCode queen(cards::RankQueen, cards::SuitSpades);
        // The table shows another card where the sprite starts.
        CardDrawing::DrawCardFace(x, y, TCardCode('2', cards::SuitHearts), Form1->ImageStol->canvas());
        platform::Canvas reference(width, height, platform::clBlack);
        reference.draw(0, 0, CardPictures::TableBackground);
        CardDrawing::DrawCardFace(x, y, queen, reference);
        DragActive = 1;
        Kit::ShowCardDragSprite(Kit::CardFrame(x, y), queen, x + 20, y + 30, true, [&] {
            Kit::RestoreBackground(Form1->ImageStol->canvas(), x, y, CardWidth, CardHeight);
        });
        EXPECT_EQ(DragRun.K, 1);
        EXPECT_EQ(DragRun.C[1], queen);
        EXPECT_EQ(DragOffsetX, 20 + CardInset);
        EXPECT_EQ(PressY, y + 30);
        const QRect inner(x + 6, y + 6, CardWidth - 12, CardHeight - 12);
        EXPECT_EQ(Text(Difference(Shown().copy(inner), reference.image().copy(inner))), "none");
        Kit::RemoveDragSprite();
        DragActive = 0;
        Kit::ClearHeld();
    }
}

TEST_F(KitPlay, DraggedCardLeavesTheTableAsAFreshRedrawShowsIt)
{
    // Every pixel of the ground differs from its neighbours, so a wrong restore shows.
    for (const auto& [width, height, zoom] : {std::tuple{760, 500, 1.0}, std::tuple{1520, 1000, 2.0}}) {
        SCOPED_TRACE(zoom);
        Game(2, 0, width, height, zoom);
        QImage ground(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ground.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
        CardPictures::TableBackground = ground;
        KitGame::Paint();
        // What a fresh redraw of the table state shows, the table image left as it was.
        auto fresh = [] {
            QImage& shown = Form1->ImageStol->canvas().image();
            const QImage kept = shown.copy();
            KitGame::Paint();
            QImage painted = shown.copy();
            shown = kept;
            return painted;
        };
        // Two drags, the first one onto the foundation: the second one runs on the pictures
        // the first one left behind, which no longer match the table.
        const std::vector<std::vector<QPoint>> paths = {
            {{3, -2}, {1, 1}, {130, 40}, {2, 2}, {-400, 160}, {9000, 9000}, {-9000, -9000}},
            {{-1, 0}, {250, -180}, {-3, 2}, {60, 300}, {1, -1}},
        };
        for (const auto& path : paths) {
            const bool first = &path == &paths.front();
            const QPoint from = PileTop();
            Press(from);
            ASSERT_TRUE(Sprite::CurrentSprite);
            QPoint at = from;
            for (const QPoint& step : path) {
                at += step;
                Move(at);
                const Sprite::TSprite& s = *Sprite::CurrentSprite;
                // Outside the sprite the table shows what its state draws.
                QImage expected = fresh();
                const QRect sprite(s.FLeft, s.FTop, s.FWidth, s.FHeight);
                for (int y = std::max(0, sprite.top()); y <= std::min(height - 1, sprite.bottom()); ++y)
                    for (int x = std::max(0, sprite.left()); x <= std::min(width - 1, sprite.right()); ++x)
                        expected.setPixel(x, y, Shown().pixel(x, y));
                ASSERT_EQ(Text(Difference(Shown(), expected)), "none") << at.x() << "," << at.y();
            }
            Release(first ? FoundationPoint() : from);
            EXPECT_EQ(KitGame::PileCount(), 12);
            EXPECT_EQ(Text(Difference(Shown(), fresh())), "none");
        }
    }
}

TEST_F(KitPlay, WasteTopGoesBackAndBufferRunsFan)
{
    ClearCards(WasteCards, WasteValues);
    WasteCards[1] = TCardCode('7', cards::SuitClubs);
    WasteValues[1] = 6;
    WasteCount = 2;
    Kit::LiftWasteTop(16);
    Kit::ReturnWasteTop(16);
    EXPECT_EQ(WasteCount, 2);
    EXPECT_EQ(WasteCards[1], TCardCode('7', cards::SuitClubs));
    EXPECT_EQ(WasteValues[1], 6);
    EXPECT_EQ(Kit::LiftedCount(16), 0);
    // An empty buffer adds nothing to the waste.
    Kit::ReturnWasteTop(16);
    EXPECT_EQ(WasteCount, 2);

    Kit::ClearLiftBuffer(16);
    for (int i = 1; i <= 16; ++i)
        LiftedCards[i] = TCardCode('5', cards::SuitSpades);
    Kit::HoldLifted(16, 12, 2);
    EXPECT_EQ(DragRun.K, 16);
    EXPECT_EQ(DragRun.G, 2);
    EXPECT_EQ(DragRun.H, 12);
    EXPECT_EQ(DragRun.C[16], TCardCode('5', cards::SuitSpades));
}

} // namespace

namespace {

// The options a game that finds its drop by the sprite's corner needs (Fig.), each
// against the common rule on the kit game.
class KitPlayOptions : public KitPlay {
protected:
    void Use(const Kit::TPlayRules& r)
    {
        rules = r;
        KitGame::UseRules(&rules);
    }
    Kit::TPlayRules rules;
};

TEST_F(KitPlayOptions, OtherButtonsAreTimedAndEndAClickModeGameOnlyWhenAsked)
{
    for (bool timed : {false, true}) {
        for (int mode : {0, 2}) {
            SCOPED_TRACE(testing::Message() << (timed ? "timed" : "common") << ", mode " << mode);
            Game(mode);
            Kit::TPlayRules r = KitGame::MakeRules();
            r.TimeEveryButton = timed;
            r.End.Stuck = [] { return true; };
            Use(r);
            Press({5, 5}, Qt::RightButton);
            EXPECT_EQ(GameOver != 0, timed && mode == 0);
            Release({5, 5}, Qt::RightButton);
            if (GameOver)
                continue;
            KitGame::UseRules(nullptr);
            Press(PileTop(), Qt::LeftButton, 500); // half a second after the right press
            EXPECT_EQ(Sounds(), timed ? "" : "WavDown");
            Release(PileTop());
        }
    }
}

TEST_F(KitPlayOptions, DropAreaRefusesALegalDropOutsideIt)
{
    for (bool inside : {true, false}) {
        SCOPED_TRACE(inside);
        Game(2);
        Kit::TPlayRules r = KitGame::MakeRules();
        r.DropArea = [inside](int, int) { return inside; };
        Use(r);
        Drag(PileTop(), FoundationPoint());
        EXPECT_EQ(FoundationCounts[1], inside ? 1 : 0);
        EXPECT_EQ(Sounds(), inside ? "WavDown WavCardUp" : "WavDown WavCancel");
    }
}

TEST_F(KitPlayOptions, ReturnDistanceFromItsOwnPointFlightToThePlace)
{
    Game(2);
    Kit::TPlayRules r = KitGame::MakeRules();
    r.Cancel = Kit::TCancelRule::FromPlace;
    r.FlyBack = Kit::TFlyBack::BeyondThirty;
    r.ReturnFrom = [](const Kit::TSpot& s) { return QPoint(s.X, s.Y - 31); };
    Use(r);
    const int x = KitGame::SlotX(13);
    Drag(PileTop(), PileTop() + QPoint(0, 5)); // near its place, 36 pixels from the measured point
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_GT(flightSteps, 0);
    EXPECT_EQ(flightEnd, QPoint(x, KitGame::PileY()));
    EXPECT_EQ(KitGame::PileCount(), 13);
    // Within 30 of it: silent, no flight.
    r.ReturnFrom = [](const Kit::TSpot& s) { return QPoint(s.X, s.Y - 30); };
    Use(r);
    flightSteps = 0;
    Drag(PileTop(), PileTop());
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(flightSteps, 0);
}

TEST_F(KitPlayOptions, DragCursorByPointerOrByTheDropSearch)
{
    for (bool atPointer : {false, true}) {
        SCOPED_TRACE(atPointer);
        Game(2);
        Kit::TPlayRules r = KitGame::MakeRules();
        r.TargetsByCorner = true;
        r.Places = [] { return std::vector<Kit::TSpot>{KitGame::FoundationSpotNow()}; };
        r.DragCursorAtPointer = atPointer;
        Use(r);
        // Taken by its top-left corner and held over the foundation's bottom right: the
        // sprite's corner is far from the foundation's.
        const QPoint grip(KitGame::SlotX(13) + 2, KitGame::PileY() + 2);
        Press(grip);
        ASSERT_TRUE(DragActive);
        Move({KitGame::FoundationX() + CardWidth - 2, KitGame::FoundationY() + CardHeight - 2});
        EXPECT_EQ(Kit::ScreenCursor(), atPointer ? Kit::CursorHand : Kit::CursorArrow);
        Release(grip);
    }
}

TEST_F(KitPlayOptions, TheGamesOwnPlacesShowTheHandWhileNoCardIsHeld)
{
    Kit::HandCursorSet = [](int) { return QCursor(Qt::PointingHandCursor); };
    Kit::ArrowCursorSet = [](int) { return QCursor(Qt::ArrowCursor); };
    const QPoint stock(3, 3);
    for (int mode : {0, 2}) {
        for (bool own : {false, true}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << (own ? ", own hand" : ""));
            Game(mode);
            Kit::TPlayRules r = KitGame::MakeRules();
            if (own)
                r.OwnHand = [stock](int X, int Y) { return X == stock.x() && Y == stock.y(); };
            Use(r);
            Move(stock, Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->cursor().shape(), own ? Qt::PointingHandCursor : Qt::ArrowCursor);
            Move(stock + QPoint(1, 0), Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->cursor().shape(), Qt::ArrowCursor);
        }
    }
    Kit::HandCursorSet = nullptr;
    Kit::ArrowCursorSet = nullptr;
}

} // namespace

namespace {

// The options of the games that deal from a reserve or a stock (Desire, Twenty).
class KitPlayDealing : public KitPlayOptions {};

TEST_F(KitPlayDealing, TheGamesOwnStepFollowsAMoveAndItsSound)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Game(mode);
        Kit::TPlayRules r = KitGame::MakeRules();
        QString heard;
        int target = 0;
        r.AfterMove = [&](const Kit::TSpot& t) {
            heard = Sounds();
            target = t.Pile;
        };
        Use(r);
        if (mode == 2)
            Drag(PileTop(), FoundationPoint());
        else {
            Click(PileTop());
            Click(FoundationPoint());
        }
        EXPECT_EQ(FoundationCounts[1], 1);
        EXPECT_TRUE(heard.endsWith("WavCardUp"));
        EXPECT_EQ(target, KitGame::FoundationSpot);
    }
}

TEST_F(KitPlayDealing, HandOverFurtherPlacesWhileNothingIsDragged)
{
    Game(2);
    Kit::TPlayRules r = KitGame::MakeRules();
    r.HandOver = [](int X, int Y) { return X < 20 && Y < 20; };
    Use(r);
    auto hand = [&](QPoint p) {
        Move(p, Qt::NoButton);
        return Form1->ImageStol->cursor().shape() == Kit::CursorOf(Kit::CursorHand).shape();
    };
    EXPECT_TRUE(hand({5, 5}));
    EXPECT_FALSE(hand({30, 5}));
    EXPECT_TRUE(hand(PileTop()));
}

TEST_F(KitPlayDealing, ADryTableSoundsAfterAnyActionWhenAsked)
{
    // Stuck with cards to give: a selection, a deselection and every carried card's
    // release run the table dry; without the option only a move does.
    for (bool any : {false, true}) {
        for (int mode : {0, 2}) {
            SCOPED_TRACE(testing::Message() << (any ? "any action" : "moves only") << ", mode " << mode);
            Game(mode);
            Kit::TPlayRules r = KitGame::MakeRules();
            r.End.Stuck = [] { return true; };
            r.End.StuckOnlyWhen = [] { return false; };
            r.End.StopkaWhenDry = true;
            r.DryAfterAnyAction = any;
            Use(r);
            if (mode == 2) {
                Drag(PileTop(), PileTop() + QPoint(3, 3));
                EXPECT_EQ(Sounds(), any ? "WavDown WavStopka" : "WavDown");
                Click({5, 5});
                EXPECT_EQ(Sounds(), "");
            } else {
                Click(PileTop());
                EXPECT_EQ(Sounds(), any ? "WavDown WavStopka" : "WavDown");
                Click(PileTop());
                EXPECT_EQ(Sounds(), any ? "WavCancel WavStopka" : "WavCancel");
                Click({5, 5});
                EXPECT_EQ(Sounds(), "");
            }
            EXPECT_FALSE(GameOver);
        }
    }
}

} // namespace

TEST_F(KitPlay, MoveCursorAsksOnlyTheTestThatApplies)
{
    Game(2);
    struct Case {
        bool dragging, fits, handOver;
        int screen;         // the screen cursor after the move (while dragging)
        bool tableHand;     // the table's own cursor shows the hand (no drag)
    } cases[] = {
        {true, true, false, Kit::CursorHand, false},
        {true, false, true, Kit::CursorArrow, false},
        {false, true, true, Kit::CursorDefault, true},
        {false, true, false, Kit::CursorDefault, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dragging << c.fits << c.handOver);
        Kit::SetScreenCursor(Kit::CursorDefault);
        DragActive = c.dragging ? 1 : 0;
        int asked = 0;
        Kit::ShowMoveCursor([&] { ++asked; return c.fits; }, [&] { asked += 10; return c.handOver; });
        EXPECT_EQ(asked, c.dragging ? 1 : 10);
        if (c.dragging)
            EXPECT_EQ(Kit::ScreenCursor(), c.screen);
        else
            EXPECT_EQ(Form1->ImageStol->cursor().shape() == Kit::CursorOf(Kit::CursorHand).shape(), c.tableHand);
    }
    DragActive = 0;
    Kit::SetScreenCursor(Kit::CursorDefault);
}
