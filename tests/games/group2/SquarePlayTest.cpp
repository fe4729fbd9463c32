// Fun Deuces and Napoleon Square played through real mouse events in the three move
// modes: the stock, pile and foundation moves, the double click, the refused drop, the
// give-ups, the raised waste, the guards of a pending drag and the end of a game.
#include "SquareTestSupport.h"

#include "app/RoundEnd.h"
#include "foundation/Qyv_FCount.h"

#include <QDir>
#include <tuple>

namespace group2_test {
namespace {

using namespace GameState;
using namespace Group2;

const int kGames[] = {FunDeuces, NapoleonSquare};

class SquarePlay : public SquareTable {
protected:
    // A card moved as the move mode moves it: dragged, or clicked at its place and then
    // at the target.
    void MoveCard(QPoint from, QPoint to)
    {
        if (Settings::MoveMode == 2) {
            Drag(from, to);
        } else {
            Click(from);
            Click(to);
        }
    }

    // Foundation f holding a whole suit ("ч", "б", "к" or "п") but its last `missing`
    // cards: Fun Deuces from the Two (the Ace last), Napoleon Square from the Ace.
    static void FoundationUpTo(int f, const char* suit, int missing = 0)
    {
        static const char* const deuces[] = {"2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д", "К", "Т"};
        static const char* const nap[] = {"Т", "2", "3", "4", "5", "6", "7", "8", "9", "1", "В", "Д", "К"};
        const char* const* ranks = CurrentGameId == FunDeuces ? deuces : nap;
        for (int s = 1; s <= 13; ++s) {
            const bool laid = s <= 13 - missing;
            FoundationCards[f][s] = laid ? Cd((std::string(ranks[s - 1]) + suit).c_str()) : cards::Empty;
            FoundationValues[f][s] = laid ? ValueOf(FoundationCards[f][s]) : cards::EmptyValue;
        }
        FoundationCounts[f] = 14 - missing;
    }

    // A table with nothing to play but the waste's top card onto pile 1, and nothing
    // left after it: every pile two cards high, pile 1 topped by the Five of spades, the
    // others by Nines of hearts; the foundations as dealt; the stock empty.
    void StuckAfterOneMove(int game, int mode)
    {
        Deal(game, mode);
        ClearSquare();
        for (int p = 1; p <= SquarePileCount2(); ++p)
            SetPile(p, {"9к", "9ч"});
        SetPile(1, {"9к", "5п"});
        if (game == FunDeuces)
            DealtDeuces();
        SetWaste({"Кб", "4п"});
        Repaint();
    }

    static const Texts::TText* EndCaption()
    {
        return CurrentGameId == FunDeuces ? &Texts::TxtToMenu : &Texts::TxtExitToMenu;
    }
};

TEST_F(SquarePlay, AStockTurnSoundsButIsNoMoveAndFliesInModesOneAndTwo)
{
    for (int game : kGames)
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Deal(game, mode);
            const int stock = StockCount;
            const TCardCode top = StockCards[stock];
            flightSteps = 0;
            Click(OnStock());
            EXPECT_EQ(StockCount, stock - 1);
            EXPECT_EQ(ExtraPileCount, 2);
            EXPECT_EQ(WasteCards[1], top);
            EXPECT_EQ(Sounds(), "WavCardUp");
            EXPECT_EQ(MoveCounter, 0);
            EXPECT_EQ(flightSteps > 0, mode != 0);
            int x = 0, y = 0;
            SquareWastePos2(x, y);
            if (mode != 0) {
                EXPECT_EQ(flightEnd, QPoint(x, y));
            }
            Move(OnWaste(), Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->toolTip(), "1");
            Move(OnStock(), Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->toolTip(), QString::number(stock - 1));
            Move(OnFoundation(1), Qt::NoButton);
            EXPECT_EQ(Form1->ImageStol->toolTip(), "");
        }
}

TEST_F(SquarePlay, FunDeucesOffersThatsAllWithItsLastStockCardAndLosesOnIt)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        presenter.dialogs.clear();
        Deal(FunDeuces, mode);
        SetPile(10, {}); // an empty pile: the table never ends by itself
        SetStockCount(2);
        Click(OnStock());
        EXPECT_FALSE(Form1->Button8->isEnabled());
        Click(OnStock());
        EXPECT_EQ(StockCount, 0);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtThatsAll));
        // It stays on offer while play goes on.
        MoveCard(OnPile(1), OnPile(10));
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_FALSE(GameOver);
        Sounds();
        RoundEnd::Button8Click(*Form1);
        ExpectRoundEnded(false, &Texts::TxtExitToMenu);
    }
}

TEST_F(SquarePlay, NapoleonSquareGivesUpOnAPressOnTheEmptyStock)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        presenter.dialogs.clear();
        Deal(NapoleonSquare, mode);
        SetPile(12, {}); // an empty pile: the table never ends by itself
        SetStockCount(0);
        Repaint();
        Form1->Button8->setText(Texts::Tx(Texts::TxtExitToMenu));
        // The hand shows over the empty stock; with a card selected the press only
        // leaves the selection.
        Move(OnStock(), Qt::NoButton);
        EXPECT_EQ(Form1->ImageStol->cursor().shape(), Kit::CursorOf(Kit::CursorHand).shape());
        if (mode != 2) {
            Click(OnPile(1));
            Click(OnStock());
            EXPECT_FALSE(GameOver);
            Click(OnPile(1));
        }
        Click(OnStock(), Qt::RightButton);
        EXPECT_FALSE(GameOver);
        Sounds();
        Click(OnStock());
        ExpectRoundEnded(false, &Texts::TxtExitToMenu);
    }
}

TEST_F(SquarePlay, PileAndFoundationMovesCountOneAndACompleteFoundationSoundsStopka)
{
    for (int game : kGames)
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Deal(game, mode);
            ClearSquare();
            for (int p = 1; p <= SquarePileCount2(); ++p)
                SetPile(p, {"Дк"});
            SetPile(1, {"9к"});
            SetPile(2, {"Дк", "8к"});
            SetPile(3, {});
            FoundationUpTo(1, "ч", 1); // one card short
            SetFoundation(2, {game == FunDeuces ? "2б" : "Тб"}); // diamonds begun
            SetWaste({game == FunDeuces ? "3б" : "2б", game == FunDeuces ? "Тч" : "Кч"});
            SetStockCount(3);
            Repaint();
            MoveCounter = 5;
            flightSteps = 0;

            MoveCard(OnPile(2), OnPile(1));
            EXPECT_EQ(PileCards[1][2], Cd("8к"));
            EXPECT_EQ(PileCounts[2], 2);
            EXPECT_EQ(MoveCounter, 6);
            EXPECT_EQ(Sounds(), "WavDown WavCardUp");
            EXPECT_EQ(flightSteps > 0, mode == 1);

            MoveCard(OnWaste(), OnFoundation(1));
            EXPECT_EQ(FoundationCounts[1], 14);
            EXPECT_EQ(MoveCounter, 7);
            EXPECT_EQ(Sounds(), "WavDown WavStopka");

            MoveCard(OnWaste(), OnFoundation(2));
            EXPECT_EQ(FoundationCounts[2], 3);
            EXPECT_EQ(Sounds(), "WavDown WavCardUp");

            // Onto an empty pile, then back home: only the first counts.
            MoveCard(OnPile(1), OnPile(3));
            EXPECT_EQ(PileCards[3][1], Cd("8к"));
            EXPECT_EQ(MoveCounter, 9);
            if (mode == 2) {
                Sounds();
                Drag(OnPile(3), OnPile(3) + QPoint(0, 3));
                EXPECT_EQ(PileCards[3][1], Cd("8к"));
                EXPECT_EQ(Sounds(), "WavDown");
                EXPECT_EQ(MoveCounter, 9);
            }
            EXPECT_FALSE(GameOver);
        }
}

TEST_F(SquarePlay, ClickModesSelectWithAMarkThatASecondClickTakesOff)
{
    for (int game : kGames) {
        SCOPED_TRACE(game);
        Deal(game, 0);
        SetPile(2, {"9к"});
        Repaint();
        const QImage before = Shown().copy();
        Click(OnPile(2));
        const Kit::TSpot top = SquarePileSpot2(2, false);
        EXPECT_EQ(Text(Difference(before, Shown())), Text(QRect(top.X, top.Y, CardWidth, CardHeight)));
        EXPECT_TRUE(SourceSelected);
        // A target that does not take the card leaves the selection.
        Click(OnFoundation(1));
        EXPECT_TRUE(SourceSelected);
        Click(OnPile(2));
        EXPECT_FALSE(SourceSelected);
        EXPECT_EQ(Sounds(), "WavDown WavCancel");
        EXPECT_EQ(Text(Difference(before, Shown())), "none");
    }
}

TEST_F(SquarePlay, TheDoubleClickSendsACardToTheHighestFoundationThatTakesIt)
{
    for (int game : kGames)
        for (int mode : {2, 0}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Deal(game, mode);
            ClearSquare();
            for (int p = 1; p <= SquarePileCount2(); ++p)
                SetPile(p, {"Дк"});
            if (game == FunDeuces) {
                DealtDeuces();
                SetWaste({"3ч"});
            } else {
                for (int f = 1; f <= 4; ++f)
                    SetFoundation(f, {"Тк"});
                SetWaste({"Тч"});
            }
            SetStockCount(3);
            Repaint();
            DoubleClick(OnWaste());
            const int home = game == FunDeuces ? 5 : 8;
            if (mode == 2) {
                EXPECT_EQ(FoundationCards[home][FoundationCounts[home] - 1], Cd(game == FunDeuces ? "3ч" : "Тч"));
                EXPECT_EQ(ExtraPileCount, 1);
                EXPECT_EQ(MoveCounter, 1);
            } else { // the click modes move nothing on a double click
                EXPECT_EQ(ExtraPileCount, 2);
                EXPECT_EQ(MoveCounter, 0);
                EXPECT_FALSE(SourceSelected);
            }
        }
}

TEST_F(SquarePlay, ARefusedDropSoundsFromThirtyAndFliesBackFromTwenty)
{
    const struct {
        int distance;
        const char* sounds;
        bool flies;
    } cases[] = {{0, "WavDown", false}, {15, "WavDown", false}, {25, "WavDown", true}, {40, "WavDown WavCancel", true}};
    for (int game : kGames)
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << game << " distance " << c.distance);
            Deal(game, 2);
            Click(OnStock());
            Sounds();
            const TCardCode card = WasteCards[1];
            flightSteps = 0;
            Drag(OnWaste(), OnWaste() + QPoint(0, c.distance));
            EXPECT_EQ(Sounds(), c.sounds);
            EXPECT_EQ(flightSteps > 0, c.flies);
            if (c.flies) {
                EXPECT_EQ(flightEnd, QPoint(SquareWasteSpot2().X, SquareWasteSpot2().Y));
            }
            EXPECT_EQ(WasteCards[1], card);
            EXPECT_EQ(ExtraPileCount, 2);
            EXPECT_EQ(MoveCounter, 0);
            EXPECT_FALSE(DragActive);
        }
}

TEST_F(SquarePlay, RightAndMiddlePressesDoNothing)
{
    for (int game : kGames)
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            Deal(game, mode);
            Click(OnStock());
            Sounds();
            const int stock = StockCount;
            const QImage before = Shown().copy();
            for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton})
                for (const QPoint at : {OnStock(), OnWaste(), OnPile(1)})
                    Click(at, b);
            EXPECT_EQ(StockCount, stock);
            EXPECT_EQ(ExtraPileCount, 2);
            EXPECT_FALSE(SourceSelected);
            EXPECT_FALSE(DragActive);
            EXPECT_EQ(Sounds(), "");
            EXPECT_EQ(Text(Difference(before, Shown())), "none");
        }
}

TEST_F(SquarePlay, TheMarkAndTheSpriteOfATenCardWasteSitTwoPixelsHigher)
{
    for (int game : kGames)
        for (int n : {9, 10}) {
            SCOPED_TRACE(testing::Message() << game << " waste " << n);
            Deal(game, 0);
            for (int i = 0; i < n; ++i)
                Click(OnStock());
            int x = 0, y = 0;
            SquareWastePos2(x, y);
            const int top = y - (n == 10 ? 2 : 0);
            const QImage before = Shown().copy();
            Click(OnWaste());
            EXPECT_EQ(Text(Difference(before, Shown())), Text(QRect(x, top, CardWidth, CardHeight)));
            Click(OnWaste());

            Settings::MoveMode = 2;
            Press(OnWaste());
            ASSERT_TRUE(DragActive);
            EXPECT_EQ(QPoint(Sprite::CurrentSprite->FLeft, Sprite::CurrentSprite->FTop),
                      QPoint(x - CardInset, top - CardInset));
            Release(OnWaste());
            EXPECT_EQ(ExtraPileCount, n + 1);
        }
}

TEST_F(SquarePlay, APendingDragKeepsItsCardThroughASecondPressAndADoubleClick)
{
    for (int game : kGames) {
        SCOPED_TRACE(game);
        Deal(game, 2);
        Click(OnStock());
        const int cards = CardsOnTable();
        const TCardCode held = WasteCards[1];
        const TCardCode pileTop = PileCards[2][PileTopSlot2(2)];
        const int pileCount = PileCounts[2];
        Press(OnWaste());
        Move(OnPile(5));
        // Its release never came: a second press lifts nothing.
        Press(OnPile(2));
        EXPECT_EQ(TargetCard, held);
        EXPECT_EQ(PileCounts[2], pileCount);
        EXPECT_EQ(CardsOnTable(), cards);
        // A double click puts the held card back before it does anything.
        DoubleClickOnly(OnPile(2));
        EXPECT_EQ(WasteCards[1], held);
        EXPECT_EQ(ExtraPileCount, 2);
        EXPECT_EQ(CardsOnTable(), cards);
        Release(OnPile(2));
        EXPECT_FALSE(DragActive);
        EXPECT_EQ(Sprite::CurrentSprite, nullptr);
        EXPECT_EQ(PileCards[2][PileTopSlot2(2)], pileTop);
        EXPECT_EQ(CardsOnTable(), cards);
    }
}

TEST_F(SquarePlay, TheLastCardHomeWinsOnceAndScoresThreeHundredLessTheMoves)
{
    for (int game : kGames)
        for (int mode : {0, 1, 2, 3}) { // 3: the double click in drag mode
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            presenter.dialogs.clear();
            Celebration::StopWinBalloons();
            Deal(game, std::min(mode, 2));
            ClearSquare();
            const char* const suits[] = {"ч", "б", "к", "п"};
            for (int f = 1; f <= 8; ++f)
                FoundationUpTo(f, suits[(f - 1) % 4], f == 6 ? 1 : 0);
            SetWaste({game == FunDeuces ? "Тб" : "Кб"});
            Repaint();
            MoveCounter = 40;
            if (mode == 3)
                DoubleClick(OnWaste());
            else
                MoveCard(OnWaste(), OnFoundation(6));
            ExpectRoundEnded(true, EndCaption());
            EXPECT_EQ(MoveCounter, 41);
            GameResult2();
            EXPECT_EQ(FCount::CountDealScore, 259);
        }
}

TEST_F(SquarePlay, ATableWithNoMoveLeftEndsLostOnce)
{
    for (int game : kGames)
        for (int mode : {0, 1, 2}) {
            SCOPED_TRACE(testing::Message() << game << " mode " << mode);
            presenter.dialogs.clear();
            StuckAfterOneMove(game, mode);
            MoveCard(OnWaste(), OnPile(1));
            EXPECT_EQ(PileCards[1][3], Cd("4п"));
            ExpectRoundEnded(false, EndCaption());
            EXPECT_EQ(MoveCounter, 1);
            // The table is locked now: nothing more reaches the module.
            Click(OnWaste());
            EXPECT_EQ(ScoreWindows(), 1);
        }
}

TEST_F(SquarePlay, TheHandShowsWhereAClickWouldAct)
{
    const Qt::CursorShape hand = Kit::CursorOf(Kit::CursorHand).shape();
    const Qt::CursorShape arrow = Kit::CursorOf(Kit::CursorArrow).shape();
    for (int game : kGames) {
        SCOPED_TRACE(game);
        StuckAfterOneMove(game, 0);
        SetPile(3, {});
        SetStockCount(1);
        const auto cursorAt = [this](QPoint p) {
            Move(p, Qt::NoButton);
            return Form1->ImageStol->cursor().shape();
        };
        EXPECT_EQ(cursorAt(OnStock()), hand);
        EXPECT_EQ(cursorAt(OnWaste()), hand);
        EXPECT_EQ(cursorAt(OnPile(2)), hand);
        EXPECT_EQ(cursorAt(OnPile(3)), arrow); // empty
        EXPECT_EQ(cursorAt(OnFoundation(1)), arrow);
        // The waste's Four of spades selected: the hand over the places that take it.
        Click(OnWaste());
        EXPECT_EQ(cursorAt(OnPile(1)), hand);
        EXPECT_EQ(cursorAt(OnPile(3)), hand);
        EXPECT_EQ(cursorAt(OnPile(2)), arrow);
        EXPECT_EQ(cursorAt(OnStock()), arrow);
        Click(OnWaste());
        SetStockCount(0);
        EXPECT_EQ(cursorAt(OnStock()), game == NapoleonSquare ? hand : arrow);
        EXPECT_EQ(Form1->ImageStol->toolTip(), "0");
    }
}

} // namespace
} // namespace group2_test

namespace group2_test {
namespace {

// Writes mid-game tables of both games at window sizes 1 and 5 as PNG files into the
// temporary folder, for looking at them: tall piles in the top row, a marked waste of
// twelve cards, a drag under way. Run with --gtest_also_run_disabled_tests.
TEST_F(SquarePlay, DISABLED_WriteMidGameTables)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("square_tables"));
    QDir().mkpath(dir);
    for (auto [width, height, zoom, size] : {std::tuple{760, 500, 1.0, 1}, std::tuple{1520, 1000, 2.0, 5}})
        for (int game : kGames) {
            Deal(game, 0, 11, width, height, zoom);
            Settings::WindowSize = size;
            CardPictures::LoadTableBackground();
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
            const char* run[] = {"Кч", "Дч", "Вч", "1ч", "9ч", "8ч", "7ч", "6ч", "5ч", "4ч", "3ч", "2ч", "Тч"};
            // The tallest piles the rules allow, in the top row: Napoleon Square's four
            // dealt cards under a King-to-Ace run, Fun Deuces' Ace-King-to-Three.
            if (game == NapoleonSquare) {
                SetPile(6, {"9к", "5б", "Тп", "Кч"});
                for (int i = 1; i < 13; ++i) {
                    PileCards[6][4 + i] = Cd(run[i]);
                    PileValues[6][4 + i] = ValueOf(Cd(run[i]));
                }
                PileCounts[6] = 17;
            } else {
                SetPile(5, {"Тп", "Кп", "Дп", "Вп", "1п", "9п", "8п", "7п", "6п", "5п", "4п", "3п"});
            }
            for (int i = 0; i < 12; ++i)
                Click(OnStock());
            Repaint();
            DrawInfoPanel2();
            Click(OnWaste());
            Shown().save(QStringLiteral("%1/%2_size%3_marked.png").arg(dir).arg(game).arg(size));
            Click(OnWaste());
            Settings::MoveMode = 2;
            Press(OnPile(game == NapoleonSquare ? 6 : 5));
            Move(OnFoundation(6));
            Shown().save(QStringLiteral("%1/%2_size%3_drag.png").arg(dir).arg(game).arg(size));
            Release(OnFoundation(6));
        }
    Settings::WindowSize = 1;
}

} // namespace
} // namespace group2_test
