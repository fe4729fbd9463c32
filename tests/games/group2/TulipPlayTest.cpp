// Tulip, Blue Tulip and Paganini played through real mouse events on the offscreen table
// in the three move modes: selections and their marks, moves, drags and their sounds,
// the drag sprite, Paganini's right rule, the flowers, and the end of a game with the
// two-step redeal through Button8.
#include "TulipTestSupport.h"

#include "app/RoundEnd.h"
#include "foundation/CardDrawing.h"
#include "foundation/Qyv_FCount.h"
#include "games/kit/KitCursors.h"

#include <QDir>
#include <set>

namespace group2_test {
namespace {

using namespace GameState;
using namespace Group2;

class TulipPlay : public TulipTable {
protected:
    // A move of the card at (sp, sr) to (p, r) in the current move mode, with the
    // right (or left) button.
    void Play(int sp, int sr, int p, int r, Qt::MouseButton b = Qt::LeftButton)
    {
        if (Settings::MoveMode == 2) {
            const QPoint press = OnCard(sp, sr);
            Drag(press, DropOn(press, sp, sr, p, r));
            return;
        }
        Click(OnCard(sp, sr), b);
        Click(At(p, r), b);
    }
    // A click beside the rows: in the click modes its release runs the end of the move.
    void ClickAside() { Click({3, TulipRowY[4] + CardHeight + 3}); }
    // A release that runs the end of the move in any mode: in drag mode a card of row 1
    // lifted and put back.
    void EndMove()
    {
        if (Settings::MoveMode != 2)
            return ClickAside();
        Click(OnCard(14, 1));
        ASSERT_EQ(DragActive, 0);
    }
    int Cursor() const { return Form1->ImageStol->cursor().shape(); }
    static int Shape(int kitShape) { return Kit::CursorOf(kitShape).shape(); }
    QString Caption8() const { return Form1->Button8->text(); }
};

TEST_F(TulipPlay, OnlyAcesEnterPlaceOneOfAFreshTulipDeal)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Deal(Tulip, mode);
        for (int r = 1; r <= 4; ++r)
            ASSERT_EQ(Card(1, r), cards::Empty);
        const int other = Card(2, 1).rank() == cards::RankAce ? 3 : 2;
        const TCardCode refused = Card(other, 1);
        Play(other, 1, 1, 1);
        EXPECT_EQ(Card(1, 1), cards::Empty);
        EXPECT_EQ(Card(other, 1), refused);
        EXPECT_EQ(MoveCounter, 0);
        if (mode != 2) {
            EXPECT_EQ(SourceSelected, 1) << "a refused place keeps the selection";
            Click(OnCard(other, 1)); // off again
        }
        Sounds();
        int p = 0, r = 0;
        ASSERT_TRUE(Find("Тп", p, r));
        flightSteps = 0;
        Play(p, r, 1, 3);
        EXPECT_EQ(Card(1, 3), Cd("Тп"));
        EXPECT_EQ(Card(p, r), cards::Empty);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_TRUE(Sounds().contains("WavCardUp"));
        EXPECT_EQ(flightSteps > 0, mode == 1);
        EXPECT_EQ(SourceSelected, 0);
    }
}

TEST_F(TulipPlay, ASelectionAlwaysSoundsAndTakenBackLeavesNoMark)
{
    for (int mode : {0, 1}) {
        for (const TulipSize& size : kTulipSizes) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " size " << size.size);
            Deal(Tulip, mode, 7, size);
            ClickAside();
            const QImage before = Shown().copy();
            Sounds();
            Press(OnCard(5, 2), Qt::LeftButton, 100); // soon after the last press
            Release(OnCard(5, 2));
            EXPECT_EQ(Sounds(), "WavDown");
            EXPECT_NE(Text(Difference(before, Shown())), "none");
            // The mark lies under the right-hand neighbour.
            const QRect six(TulipPlaceX[6] + 20, TulipRowY[2] + 20, TulipPlaceStep - 20, CardHeight - 40);
            EXPECT_EQ(Text(Difference(before.copy(six), Shown().copy(six))), "none");
            Press(OnCard(5, 2), Qt::LeftButton, 100);
            Release(OnCard(5, 2));
            EXPECT_EQ(Sounds(), "WavCancel");
            EXPECT_EQ(Text(Difference(before, Shown())), "none");
            EXPECT_EQ(SourceSelected, 0);
        }
    }
}

TEST_F(TulipPlay, AMoveCountsOneAndARefusedPlaceKeepsTheSelection)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        Deal(Tulip, mode);
        SetTulipRow(1, {"", "4ч", "", "9к"});
        SetTulipRow(2, {"", "Тк", "5ч"});
        FillTulipRowsFromPack();
        Repaint();
        Click(OnCard(3, 2));
        EXPECT_EQ(Sounds(), "WavDown");
        Click(At(1, 1)); // not an Ace
        Click(OnCard(4, 1)); // a card
        EXPECT_EQ(Sounds(), "");
        EXPECT_EQ(SourceSelected, 1);
        EXPECT_EQ(HitPile, 3);
        EXPECT_EQ(HitPos, 2);
        Click(At(3, 1));
        EXPECT_EQ(Card(3, 1), Cd("5ч"));
        EXPECT_EQ(Card(3, 2), cards::Empty);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_EQ(Sounds(), "WavCardUp");
        // The repainted rows look as a whole repaint draws them.
        const QImage shown = Shown().copy();
        Repaint();
        EXPECT_EQ(Text(Difference(shown, Shown())), "none");
    }
}

TEST_F(TulipPlay, TheRightButtonPlaysLikeTheLeft)
{
    Deal(Tulip, 0);
    int p = 0, r = 0;
    ASSERT_TRUE(Find("Тч", p, r));
    Play(p, r, 1, 2, Qt::RightButton);
    EXPECT_EQ(Card(1, 2), Cd("Тч"));
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(TulipPlay, DragSoundsCountsAndReturns)
{
    Deal(Tulip, 2);
    SetTulipRow(1, {"", "4ч", "", "9к"});
    SetTulipRow(2, {"", "Тк", "5ч", "Дб", "Кб"});
    FillTulipRowsFromPack();
    Repaint();
    const QPoint press = OnCard(4, 2);
    // The pick-up sounds only more than a second after the press before.
    Press(press, Qt::LeftButton, 1500);
    EXPECT_EQ(Sounds(), "WavDown");
    EXPECT_EQ(TulipHandCard, Cd("Дб"));
    EXPECT_EQ(Card(4, 2), cards::Empty);
    Release(press); // back on its own place
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(Card(4, 2), Cd("Дб"));
    EXPECT_EQ(TulipHandCard, cards::Empty);
    EXPECT_EQ(MoveCounter, 0);
    Press(press, Qt::LeftButton, 900);
    EXPECT_EQ(Sounds(), "");
    // 10 pixels away the drop still lands on its own place: refused there, silently.
    Release(press + QPoint(10, 0));
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(Card(4, 2), Cd("Дб"));
    // 40 pixels away it lands on the King: refused with the cancel sound.
    Press(press, Qt::LeftButton, 1500);
    Sounds();
    Release(press + QPoint(40, 0));
    EXPECT_EQ(Sounds(), "WavCancel");
    EXPECT_EQ(Card(4, 2), Cd("Дб"));
    EXPECT_EQ(Card(5, 2), Cd("Кб"));
    EXPECT_EQ(MoveCounter, 0);
    EXPECT_EQ(DragActive, 0);
    // A legal drop counts.
    const QPoint five = OnCard(3, 2);
    Drag(five, DropOn(five, 3, 2, 3, 1));
    EXPECT_EQ(Card(3, 1), Cd("5ч"));
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
    const QImage shown = Shown().copy();
    Repaint();
    EXPECT_EQ(Text(Difference(shown, Shown())), "none");
}

TEST_F(TulipPlay, TheLiftedCardsSpriteShowsThatCard)
{
    // Size 1 draws the classic cards, size 5 the large pictures.
    for (const TulipSize& size : kTulipSizes) {
        SCOPED_TRACE(testing::Message() << "size " << size.size);
        Deal(Tulip, 2, 7, size);
        const QPoint press = OnCard(6, 3);
        const TCardCode card = Card(6, 3);
        Press(press);
        // Carried to the bare corner right of the flowers, at the table's bottom.
        const QPoint corner(Scaling::TableWidth - CardWidth - 2 * CardInset - 2,
                            Scaling::TableHeight - CardHeight - 2 * CardInset - 2);
        const QPoint to = corner + QPoint(DragOffsetX, DragOffsetY);
        Move(to);
        const int x = corner.x() + CardInset, y = corner.y() + CardInset;
        platform::Canvas reference(Scaling::TableWidth, Scaling::TableHeight, platform::clBlack);
        reference.draw(0, 0, CardPictures::TableBackground);
        CardDrawing::DrawCardFace(x, y, card, reference);
        const QRect inner(x + 6, y + 6, CardWidth - 12, CardHeight - 12);
        EXPECT_EQ(Text(Difference(Shown().copy(inner), reference.image().copy(inner))), "none");
        Release(to);
        EXPECT_EQ(Card(6, 3), card);
    }
}

TEST_F(TulipPlay, PaganiniTakesACardLeftOfItsNextHigherButTheCursorShowsTheArrow)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Deal(Paganini, mode);
        SetTulipRow(1, {"", "7ч", "Дк"});
        SetTulipRow(2, {"6к", "Кп", "", "8ч"});
        SetTulipRow(3, {"", "Тб"});
        FillTulipRowsFromPack();
        Repaint();
        const QPoint seven = OnCard(2, 1);
        if (mode == 2) {
            Press(seven);
            const QPoint there = DropOn(seven, 2, 1, 3, 2);
            Move(there);
            EXPECT_EQ(Kit::ScreenCursor(), Kit::CursorArrow);
            Release(there);
        } else {
            Click(seven);
            Move(At(3, 2), Qt::NoButton);
            EXPECT_EQ(Cursor(), Shape(Kit::CursorArrow));
            Move(At(1, 3), Qt::NoButton); // not an Ace: arrow too
            EXPECT_EQ(Cursor(), Shape(Kit::CursorArrow));
            Click(At(3, 2));
        }
        EXPECT_EQ(Card(3, 2), Cd("7ч"));
        EXPECT_EQ(MoveCounter, 1);
        // Nothing selected: the hand over a card, the arrow over a gap. The Ace selected:
        // the hand over the empty place 1 it may fill.
        Move(At(1, 3), Qt::NoButton);
        EXPECT_EQ(Cursor(), Shape(Kit::CursorArrow));
        Move(OnCard(2, 3), Qt::NoButton);
        EXPECT_EQ(Cursor(), Shape(Kit::CursorHand));
        if (mode == 0) {
            Click(OnCard(2, 3));
            Move(At(1, 3), Qt::NoButton);
            EXPECT_EQ(Cursor(), Shape(Kit::CursorHand));
        }
    }
}

TEST_F(TulipPlay, FlowersFollowTheRunOfTheRowEachSuitStarts)
{
    Deal(Tulip, 0);
    SetTulipRow(1, {"Тч", "2ч", "", "9к"});
    SetTulipRow(2, {"", "5б"});
    SetTulipRow(3, {"Тб", "2б", "3б", "4б", ""});
    FillTulipRowsFromPack();
    Repaint();
    // Each suit at the run of the row it starts; a suit that starts no row at stage 0.
    auto flowersAre = [this](std::initializer_list<int> stages) {
        const QImage shown = Shown().copy();
        int s = 0;
        for (int stage : stages)
            DrawTulipFlower(++s, stage, false);
        return Text(Difference(shown, Shown()));
    };
    ClickAside();
    const int spades = PileCards[1][4].suit() == cards::SuitSpades ? TulipRowRun(4) : 0;
    EXPECT_EQ(flowersAre({2, 4, 0, spades}), "none");
    // Hearts' Ace goes to row 2: the hearts run shrinks to one card.
    Click(OnCard(1, 1));
    Click(At(1, 2));
    ASSERT_EQ(Card(1, 2), Cd("Тч"));
    EXPECT_EQ(flowersAre({1, 4, 0, spades}), "none");
}

TEST_F(TulipPlay, ASelectionLeftFromTheClickModesEndsWithTheFirstDragPress)
{
    Deal(Tulip, 0);
    ClickAside();
    Click(OnCard(5, 2));
    ASSERT_EQ(SourceSelected, 1);
    Settings::MoveMode = 2; // changed in the options while the card is selected
    Click(OnCard(7, 3));
    EXPECT_EQ(SourceSelected, 0);
    EXPECT_EQ(DragActive, 0);
    const QImage shown = Shown().copy();
    Repaint();
    EXPECT_EQ(Text(Difference(shown, Shown())), "none") << "no mark left";
}

// ---- the end of a game and the redeal ----

TEST_F(TulipPlay, StuckTulipCollectsAndRedealsThroughButton8)
{
    for (int mode : {0, 2}) {
        SCOPED_TRACE(mode);
        Deal(Tulip, mode);
        StuckRows();
        Repaint();
        // Click mode: the press selects a card, the release finds the table stuck and
        // takes the selection back, since the collection turns the rows over.
        Click(OnCard(14, 1));
        EXPECT_EQ(TulipPhase, 2);
        EXPECT_TRUE(Sounds().endsWith("WavStopka"));
        EXPECT_EQ(SourceSelected, 0);
        const QImage shown = Shown().copy();
        Repaint();
        EXPECT_EQ(Text(Difference(shown, Shown())), "none") << "no mark left";
        EXPECT_EQ(Caption8(), Texts::Tx(Texts::TxtCollectCards));
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_FALSE(GameOver);
        // The table waits for the button.
        Click(OnCard(1, 1));
        EXPECT_EQ(SourceSelected, 0);
        EXPECT_EQ(DragActive, 0);

        std::vector<TCardCode> before;
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p)
                before.push_back(Card(p, r));
        RoundEnd::Button8Click(*Form1);
        EXPECT_EQ(TulipPhase, 3);
        EXPECT_EQ(Caption8(), Texts::Tx(Texts::TxtToReshuffle));
        EXPECT_TRUE(Form1->Button8->isEnabled());
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 14; ++p)
                EXPECT_EQ(Card(p, r), before[size_t((r - 1) * 14 + p - 1)]);
        EXPECT_EQ(TulipRefillFrom[1], 4);

        RoundEnd::Button8Click(*Form1);
        EXPECT_EQ(PassCount, 2);
        EXPECT_EQ(TulipPhase, 1);
        EXPECT_EQ(Caption8(), Texts::Tx(Texts::TxtCollectCards));
        EXPECT_FALSE(Form1->Button8->isEnabled());
        std::set<int> seen;
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(Card(TulipRefillFrom[r], r), cards::Empty) << "one gap right after the kept run";
            for (int p = 1; p <= 14; ++p)
                if (!(Card(p, r) == cards::Empty))
                    seen.insert(cards::pictureIndex(Card(p, r)));
        }
        EXPECT_EQ(seen.size(), 52u);
        EXPECT_EQ(ScoreWindows(), 0);
    }
}

TEST_F(TulipPlay, TheLastPassStuckLosesTheGame)
{
    struct Case {
        int game;
        int pass;
        bool lost;
    };
    for (const Case& c : {Case{Tulip, 2, false}, Case{Tulip, 3, true}, Case{BlueTulip, 4, false},
                          Case{BlueTulip, 5, true}}) {
        SCOPED_TRACE(testing::Message() << c.game << " pass " << c.pass);
        presenter.dialogs.clear();
        Deal(c.game, 1);
        PassCount = c.pass;
        Form1->Button8->setText(Texts::Tx(Texts::TxtExitToMenu));
        StuckRows();
        Repaint();
        ClickAside();
        if (c.lost) {
            ExpectRoundEnded(false, &Texts::TxtExitToMenu);
            ClickAside();
            EXPECT_EQ(ScoreWindows(), 1);
        } else {
            EXPECT_EQ(TulipPhase, 2);
            EXPECT_FALSE(GameOver);
        }
    }
}

TEST_F(TulipPlay, TheLastKingInPlaceWinsAndScoresFiveHundredLessTheMoves)
{
    Deal(Tulip, 0);
    SetWonRows();
    // Spades' King waits at the end of row 3.
    std::swap(PileCards[13][4], PileCards[14][3]);
    std::swap(PileValues[13][4], PileValues[14][3]);
    Repaint();
    Play(14, 3, 13, 4);
    ExpectRoundEnded(true, &Texts::TxtToMenu);
    EXPECT_EQ(MoveCounter, 1);
    GameResult2();
    EXPECT_EQ(FCount::CountDealScore, 499);
}

TEST_F(TulipPlay, StuckPaganiniOffersItsGiveUpAndPlayGoesOn)
{
    Deal(Paganini, 0);
    SetTulipRow(1, {"Кч", ""});
    SetTulipRow(2, {"Кб", ""});
    SetTulipRow(3, {"Кк", ""});
    SetTulipRow(4, {"Кп", ""});
    FillTulipRowsFromPack();
    Repaint();
    ClickAside();
    EXPECT_FALSE(GameOver);
    EXPECT_TRUE(Form1->Button8->isEnabled());
    EXPECT_EQ(Caption8(), Texts::Tx(Texts::TxtThatsAll));
    EXPECT_EQ(Sounds(), PaganiniGapBeforeNonSix() ? "" : "WavStopka");
    // A Six right of a gap leaves nothing to do: the stuck sound.
    const char* sixes[] = {"6ч", "6б", "6к", "6п"};
    for (int r = 1; r <= 4; ++r)
        SetTulipPlace(3, r, sixes[r - 1]);
    ClickAside();
    EXPECT_EQ(Sounds(), "WavStopka");
    RoundEnd::Button8Click(*Form1);
    ExpectRoundEnded(false, &Texts::TxtExitToMenu);
}


// Pictures to look at by hand: a selection, a drag, the collected rows and the flowers
// growing, at window sizes 1 and 5, written to the temporary folder.
TEST_F(TulipPlay, DISABLED_WritePlayPictures)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("tulip_play"));
    QDir().mkpath(dir);
    for (const TulipSize& size : kTulipSizes) {
        auto save = [&](const char* what) {
            Shown().save(QStringLiteral("%1/%2_size%3.png").arg(dir, QLatin1String(what)).arg(size.size));
        };
        Deal(Tulip, 0, 7, size);
        Click(OnCard(5, 2));
        save("selection");
        Deal(Tulip, 2, 7, size);
        Press(OnCard(6, 3));
        Move(OnCard(6, 3) + QPoint(CardWidth, CardHeight / 2));
        save("drag");
        Release(OnCard(6, 3) + QPoint(CardWidth, CardHeight / 2));
        Deal(Tulip, 0, 7, size);
        StuckRows();
        Repaint();
        ClickAside();
        RoundEnd::Button8Click(*Form1);
        save("collected");
        Deal(Tulip, 0, 7, size);
        SetWonRows();
        // Runs of 13, 9, 4 and 0 cards.
        SetTulipPlace(10, 2, "");
        SetTulipPlace(5, 3, "");
        SetTulipPlace(1, 4, "");
        Repaint();
        ClickAside();
        save("flowers");
    }
}

} // namespace
} // namespace group2_test
