// Uncle Pelk played through real mouse events on the offscreen window: clicks on the
// table and on the deck image, the Ace slid under, sequences to the foundations, waiting
// columns and their refills, runs through the rank question, passes and both ends.
#include "Group5Play.h"

#include "app/RoundStart.h"
#include "foundation/ClubPlayer.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/Qyv_FQuest.h"
#include "games/group5/Qyv_43_UQ.h"

#include <QApplication>
#include <QMouseEvent>

using namespace GameState;
using namespace Group5;

namespace {

class UnclePelkPlay : public g5test::Group5Play {
protected:
    void Deal(int mode)
    {
        DealGame(UnclePelk, mode);
        Sounds();
    }
    // The dealt table emptied: every column waits for nothing, no sequence out.
    static void EmptyPelk()
    {
        Empty();
        for (int p = 1; p <= 8; ++p) {
            PelkAceBase[p] = 0;
            PelkColumnWaiting[p] = 0;
            PelkFoundationSuits[p] = '#';
        }
        PelkRefillPending = 0;
    }
    // Column p from the bottom up; an Ace at the bottom builds up.
    static void SetColumn(int p, std::initializer_list<const char*> list)
    {
        for (int s = 1; s <= 13; ++s) {
            PileCards[p][s] = cards::Empty;
            PileValues[p][s] = cards::EmptyValue;
        }
        int s = 0;
        for (const char* c : list) {
            ++s;
            PileCards[p][s] = g5test::Cd(c);
            PileValues[p][s] = g5test::ValueOf(PileCards[p][s]);
        }
        PelkAceBase[p] = s > 0 && PileCards[p][1].rank() == cards::RankAce ? 1 : 0;
    }
    // A downward column from `top` (value) up to the King of `suit`.
    static void SetRunDown(int p, char suit, int lowest)
    {
        for (int s = 1; s <= 13; ++s) {
            const int value = 13 - s; // K 12 .. A 0
            PileCards[p][s] = value >= lowest ? TCardCode(cards::RankOrder[value == 0 ? 12 : value - 1], suit) : cards::Empty;
            PileValues[p][s] = value >= lowest ? value : cards::EmptyValue;
        }
        PelkAceBase[p] = 0;
    }
    static void Paint()
    {
        for (int p = 1; p <= 8; ++p)
            RedrawColumn5(p, 0);
        for (int f = 1; f <= 8; ++f)
            RedrawFoundation5(f);
        RedrawKoloda5(0);
    }
    static QPoint Column(int p) { return Mid(PileBaseX[p], PileBaseY[p]); }
    static QPoint StockPt() { return Mid(AuxPile2X, AuxPile2Y); }
    static QPoint WastePt() { return Mid(AuxPile1X, AuxPile1Y); }
    void DeckClick(QPoint p)
    {
        QWidget* w = Form1->ImageKoloda;
        clockMs += 1500;
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        }
    }
    static std::vector<TCardCode> Waste()
    {
        std::vector<TCardCode> out;
        for (int s = 1; s < WasteCount; ++s)
            out.push_back(WasteCards[s]);
        return out;
    }
};

TEST_F(UnclePelkPlay, TheDealLaysEightColumnsAndTurnsTheFirstCard)
{
    Deal(1);
    EXPECT_EQ(StockCount, 95);
    EXPECT_EQ(WasteCount, 2);
    for (int p = 1; p <= 8; ++p) {
        EXPECT_EQ(PelkTopSlot(p), 1);
        EXPECT_EQ(PelkAceBase[p], PileCards[p][1].rank() == cards::RankAce ? 1 : 0);
    }
    EXPECT_FALSE(Form1->ImageKoloda->isHidden());
    EXPECT_FALSE(Form1->ImageTuzi->isHidden());
    EXPECT_FALSE(Form1->ImageKon->isHidden());
}

TEST_F(UnclePelkPlay, TheWastesAceSlidesUnderADownwardColumn)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        EmptyPelk();
        SetColumn(2, {"9п", "8п", "7п"});
        SetColumn(6, {"5п", "4п", "3п", "2п"});
        SetColumn(3, {"Кч"});
        g5test::SetWaste({"Дб", "Тп", "Тп"});
        g5test::SetStock({"3к"});
        Paint();
        DeckClick(WastePt());
        Click(Column(2));
        EXPECT_EQ(PelkTopSlot(2), 1);
        EXPECT_EQ(PileCards[2][1], g5test::Cd("Тп"));
        EXPECT_EQ(PelkAceBase[2], 1);
        EXPECT_EQ(Waste(), (std::vector<TCardCode>{g5test::Cd("Дб"), g5test::Cd("Тп"), g5test::Cd("9п"),
                                                    g5test::Cd("8п"), g5test::Cd("7п")}));
        EXPECT_EQ(SelectedPile, 0);
        EXPECT_EQ(MoveCounter, 1);
    }
}

TEST_F(UnclePelkPlay, AnAceOnTheTwoTurnsTheColumnOver)
{
    Deal(0);
    EmptyPelk();
    SetColumn(6, {"5п", "4п", "3п", "2п"});
    SetColumn(3, {"Кч"});
    g5test::SetWaste({"Тп"});
    g5test::SetStock({"3к"});
    Paint();
    DeckClick(WastePt());
    Click(Column(6));
    EXPECT_EQ(PelkTopSlot(6), 5);
    EXPECT_EQ(PileCards[6][1], g5test::Cd("Тп"));
    EXPECT_EQ(PileCards[6][5], g5test::Cd("5п"));
    EXPECT_EQ(PelkAceBase[6], 1);
    EXPECT_EQ(WasteCount, 1);
}

TEST_F(UnclePelkPlay, ACompletedColumnGoesOutAndItsPlaceWaitsForAnyCard)
{
    Deal(1);
    EmptyPelk();
    SetRunDown(4, cards::SuitHearts, 1);
    SetColumn(1, {"9к"});
    g5test::SetWaste({"Тч"});
    g5test::SetStock({"5б", "Тб"});
    Paint();
    DeckClick(WastePt());
    Click(Column(4));
    EXPECT_EQ(PelkFoundationSuits[1], cards::SuitHearts);
    EXPECT_EQ(PelkTopSlot(4), 0);
    EXPECT_EQ(PelkColumnWaiting[4], 1);
    EXPECT_EQ(PelkRefillPending, 1);
    EXPECT_TRUE(Sounds().endsWith("WavStopka"));
    // The stock no longer deals: its top is shown and selected, and turned back.
    DeckClick(StockPt());
    EXPECT_EQ(StockCount, 2);
    EXPECT_EQ(SelectedPile, 10);
    DeckClick(StockPt());
    EXPECT_EQ(SelectedPile, 0);
    // The stock's Ace fills the waiting column and builds up from there.
    DeckClick(StockPt());
    Click(Column(4));
    EXPECT_EQ(PileCards[4][1], g5test::Cd("Тб"));
    EXPECT_EQ(PelkAceBase[4], 1);
    EXPECT_EQ(PelkRefillPending, 0);
    EXPECT_EQ(StockCount, 1);
    // The next hearts sequence goes to foundation 5.
    SetRunDown(7, cards::SuitHearts, 1);
    g5test::SetWaste({"Тч"});
    Paint();
    DeckClick(WastePt());
    Click(Column(7));
    EXPECT_EQ(PelkFoundationSuits[5], cards::SuitHearts);
}

TEST_F(UnclePelkPlay, TheRankQuestionMovesARunOrKeepsTheSelection)
{
    Deal(0);
    EmptyPelk();
    SetColumn(1, {"Тк", "2к", "3к"});
    SetColumn(2, {"7к", "6к", "5к", "4к"});
    SetColumn(3, {"Кч"});
    g5test::SetStock({"3б"});
    Paint();
    Click(Column(2));
    ASSERT_EQ(SelectedPile, 2);
    presenter.onDialog = [](QDialog&) {
        FQuest::QuestAnswer = 0;
        return 0;
    };
    Click(Column(1));
    EXPECT_EQ(SelectedPile, 2);
    EXPECT_EQ(PelkTopSlot(2), 4);
    presenter.onDialog = [](QDialog&) {
        FQuest::QuestAnswer = 13;
        return 1;
    };
    Click(Column(1));
    EXPECT_EQ(PelkTopSlot(1), 7);
    EXPECT_EQ(PileCards[1][7], g5test::Cd("7к"));
    EXPECT_EQ(PelkTopSlot(2), 0);
    EXPECT_EQ(PelkColumnWaiting[2], 1);
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(MoveCounter, 1);
}

TEST_F(UnclePelkPlay, AnUpwardColumnClickedWithNothingSelectedDoesNothing)
{
    Deal(0);
    EmptyPelk();
    SetColumn(1, {"Тк", "2к"});
    SetColumn(2, {"7к"});
    g5test::SetStock({"3б"});
    Paint();
    const QImage before = Shown().copy();
    Click(Column(1));
    EXPECT_EQ(SelectedPile, 0);
    EXPECT_EQ(Sounds(), "");
    EXPECT_EQ(Text(Difference(before, Shown())), "none");
}

TEST_F(UnclePelkPlay, AnyReleaseTakesTheUndoAway)
{
    Deal(0);
    DeckClick(StockPt());
    EXPECT_TRUE(Form1->Button7->isEnabled());
    Click({2, 2});
    EXPECT_FALSE(Form1->Button7->isEnabled());
    EXPECT_EQ(UndoFlag, 0);
}

TEST_F(UnclePelkPlay, ThePassesTurnTheWasteOverTwiceThenTheStockIsDone)
{
    Deal(0);
    EmptyPelk();
    for (int p = 1; p <= 8; ++p)
        SetColumn(p, {"Кк"});
    g5test::SetWaste({"5б", "9ч"});
    Paint();
    DeckClick(StockPt());
    EXPECT_EQ(PassCount, 2);
    EXPECT_EQ(StockCount, 2);
    EXPECT_EQ(StockCards[2], g5test::Cd("5б"));
    EXPECT_EQ(Sounds(), "WavStopka");
    DeckClick(StockPt());
    DeckClick(StockPt());
    DeckClick(StockPt());
    EXPECT_EQ(PassCount, 3);
    DeckClick(StockPt());
    DeckClick(StockPt());
    EXPECT_EQ(StockCount, 0);
    // In the third pass the empty stock does nothing, and the table is dead: lost.
    EXPECT_TRUE(GameOver);
    EXPECT_FALSE(GameWon);
    EXPECT_TRUE(Sounds().endsWith("WavKoBads"));
}

TEST_F(UnclePelkPlay, AGameOnlyASlidAceCouldGoOnIsNotEnded)
{
    Deal(0);
    EmptyPelk();
    PassCount = 3;
    for (int p = 1; p <= 8; ++p)
        SetColumn(p, {"Кб"});
    SetColumn(5, {"9п", "8п"});
    g5test::SetWaste({"Тп"});
    Paint();
    int count = 0;
    EXPECT_FALSE(CountMoves5(count));
    Click(Column(1));
    EXPECT_FALSE(GameOver);
}

TEST_F(UnclePelkPlay, TheEighthSequenceWinsInEveryMode)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        EmptyPelk();
        const char suits[4] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades};
        for (int f = 1; f <= 7; ++f)
            PelkFoundationSuits[f] = suits[(f - 1) % 4];
        SetRunDown(3, cards::SuitSpades, 1);
        g5test::SetWaste({"Тп"});
        PassCount = 2;
        Paint();
        MoveCounter = 299;
        DeckClick(WastePt());
        Click(Column(3));
        EXPECT_EQ(PelkFoundationSuits[8], cards::SuitSpades);
        EXPECT_TRUE(GameOver);
        EXPECT_TRUE(GameWon);
        EXPECT_EQ(Sounds(), "WavDown WavStopka WavKoGood");
        EXPECT_TRUE(Celebration::WinBalloonsPending);
        EXPECT_FALSE(Form1->ImageTablo2->isHidden());
        // The board's 300 points, and the score window shows this deal's numbers.
        EXPECT_EQ(PelkPoints(), 300);
        EXPECT_EQ(NewTotalScore, PlayerScore + 300);
        EXPECT_EQ(GameResult5(), 300);
        EXPECT_EQ(FCount::CountExtra, 8);
    }
}

TEST_F(UnclePelkPlay, ALostBoardCountsItsSequencesAndTheWaste)
{
    Deal(0);
    EmptyPelk();
    const char suits[5] = {cards::SuitHearts, cards::SuitDiamonds, cards::SuitClubs, cards::SuitSpades,
                           cards::SuitHearts};
    for (int f = 1; f <= 5; ++f)
        PelkFoundationSuits[f] = suits[f - 1];
    for (int s = 1; s <= 20; ++s) {
        WasteCards[s] = g5test::Cd("5б");
        WasteValues[s] = 4;
    }
    WasteCount = 21;
    EXPECT_EQ(PelkPoints(), 80);
    EXPECT_EQ(GameResult5(), 80);
    EXPECT_EQ(FCount::CountCardsLeft, 20);
}

TEST_F(UnclePelkPlay, ADealThatLeavesNoMovePlaysTheLossToItsEnd)
{
    for (int mode = 0; mode <= 2; ++mode) {
        SCOPED_TRACE(mode);
        Deal(mode);
        EmptyPelk();
        PassCount = 3;
        for (int p = 1; p <= 8; ++p)
            SetColumn(p, {"Кб"});
        g5test::SetStock({"5к"});
        Paint();
        sound.calls.clear();
        DeckClick(StockPt());
        EXPECT_TRUE(GameOver);
        EXPECT_FALSE(GameWon);
        ASSERT_FALSE(sound.calls.empty());
        EXPECT_TRUE(sound.calls.back().wait);
        EXPECT_EQ(Sounds(), "WavKoBads");
        EXPECT_TRUE(Form1->Button8->isEnabled());
        EXPECT_EQ(ScoreWindows(), 0);
    }
}

TEST_F(UnclePelkPlay, ARightPressPeeksAtTheBottomCardUntilAnyRelease)
{
    Deal(0);
    EmptyPelk();
    SetColumn(5, {"Кк", "Дк", "Вк"});
    SetColumn(1, {"Тк"});
    g5test::SetStock({"3б"});
    Paint();
    Click(Column(5));
    const QImage before = Shown().copy();
    Press(Column(5), Qt::RightButton);
    EXPECT_NE(Text(Difference(before, Shown())), "none");
    Release({PileBaseX[8] + CardWidth + 30, 2}, Qt::RightButton);
    EXPECT_EQ(Text(Difference(before, Shown())), "none");
    EXPECT_EQ(SelectedPile, 5);
    // A right press on the deck image draws nothing on the table.
    QWidget* deck = Form1->ImageKoloda;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(PileBaseX[5] + 5, PileBaseY[5] + 5),
                      QPointF(deck->mapToGlobal(QPoint(PileBaseX[5] + 5, PileBaseY[5] + 5))), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(deck, &press);
    EXPECT_EQ(Text(Difference(before, Shown())), "none");
}

TEST_F(UnclePelkPlay, ALongPlayerNameShrinksDownToHeightFifteen)
{
    Deal(0);
    platform::Canvas& c = Form1->ImageKon->canvas();
    // The width of the name's red pixels on its line of the board.
    const auto drawnWidth = [&c] {
        int left = 200, right = -1;
        for (int y = 62; y < 100; ++y)
            for (int x = 0; x < 200; ++x) {
                const QRgb p = c.image().pixel(x, y);
                if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        return right - left + 1;
    };
    const auto widthAt = [&c](const QString& name, int height) {
        c.font.height = Scaling::FontHeightFor(height, QStringLiteral("times"));
        return c.textWidth(name);
    };
    // A name too wide for the board even at height 15, yet narrower than the picture.
    QString longName = QStringLiteral("W");
    while (widthAt(longName, 15) <= 140)
        longName += QLatin1Char('W');
    ASSERT_LT(widthAt(longName, 15), 195);
    ClubPlayer::CurrentPlayerName = longName;
    DrawTabloY5(true);
    EXPECT_NEAR(drawnWidth(), widthAt(longName, 15), 4);
    const QString name = QStringLiteral("Ann Bell");
    ClubPlayer::CurrentPlayerName = name;
    DrawTabloY5(true);
    EXPECT_NEAR(drawnWidth(), widthAt(name, 23), 4);
}

} // namespace
