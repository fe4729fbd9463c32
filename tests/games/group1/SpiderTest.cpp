// Spider: run marks, the ten-card deals from the stock, runs moved between piles,
// complete suits leaving for the foundations and the end of a game, driven through
// the card table.
#include "SpiderFreeCellTestSupport.h"

#include "foundation/Texts.h"
#include "games/kit/KitCursors.h"
#include "games/kit/KitDrag.h"

#include <QCursor>

namespace {

using namespace spiderfc_test;
using namespace GameState;
using engine_test::SetStock;
using Group1::SpiderDuo;
using Group1::SpiderQuartet;
using Group1::SpiderSolo;

class SpiderPlay : public TableFixture {
protected:
    // Every pile given a card of its own, so the table has no empty pile.
    void FillPiles(const char* card = "Кч")
    {
        for (int p = 1; p <= 10; ++p)
            Pile(p, {"5б", card}, 1);
    }
    std::vector<int> Marks(int p) const
    {
        std::vector<int> out;
        for (int s = 1; s <= PileCardCount[p]; ++s)
            out.push_back(PileMarks[p][s]);
        return out;
    }
    // Spades from the king down to `lowest`, face up, on top of `under` face-down cards.
    void SpadesDownTo(int p, const char* lowest, std::initializer_list<const char*> under = {})
    {
        static const char* ranks[] = {"К", "Д", "В", "1", "9", "8", "7", "6", "5", "4", "3", "2", "Т"};
        std::vector<QByteArray> codes;
        for (const char* u : under)
            codes.push_back(u);
        for (const char* r : ranks) {
            codes.push_back(QByteArray(r) + "п");
            if (codes.back() == QByteArray(lowest))
                break;
        }
        engine_test::SetPile(p, {});
        int s = 0;
        for (const QByteArray& c : codes) {
            ++s;
            PileCards[p][s] = Cd(c.constData());
            PileValues[p][s] = engine_test::ValueOf(PileCards[p][s]);
            PileFaceUp[p][s] = s > int(under.size()) ? 1 : 0;
            PileMarks[p][s] = PileFaceUp[p][s];
        }
        PileCardCount[p] = s;
        PileFanStep[p] = Group1::FanStep1(p);
    }
};

TEST_F(SpiderPlay, MarksCoverTheRunOfOneSuitAtTheTopOfAPile)
{
    struct Case {
        const char* what;
        std::initializer_list<const char*> cards;
        int faceDown;
        std::vector<int> marks;
    };
    const Case cases[] = {
        {"empty pile", {}, 0, {}},
        {"one card", {"7п"}, 0, {1}},
        {"whole pile one run", {"9п", "8п", "7п"}, 0, {1, 1, 1}},
        {"suit breaks", {"9ч", "8п", "7п"}, 0, {0, 1, 1}},
        {"value breaks", {"9п", "7п", "6п"}, 0, {0, 1, 1}},
        {"face-down card ends the run", {"8п", "7п", "6п"}, 1, {0, 1, 1}},
        {"only the top card", {"9п", "8п", "5п"}, 0, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        Table(SpiderQuartet);
        Pile(4, c.cards, c.faceDown);
        for (int s = 1; s <= PileCardCount[4]; ++s)
            PileMarks[4][s] = s % 2; // stale marks to be replaced
        Group1::SpiderMarkMovable(4);
        EXPECT_EQ(Marks(4), c.marks) << c.what;
    }
}

// ---- deals from the stock ----

TEST_F(SpiderPlay, StockClickDealsOneCardOntoEveryPileEmptyOnesIncluded)
{
    for (int mode : {0, 1, 2}) {
        Settings::MoveMode = mode;
        Table(SpiderDuo);
        FillPiles();
        Pile(3, {});
        Pile(7, {});
        SetStock({"2ч", "2ч", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п",
                  "9п", "9п", "9п", "9п"});
        flights.clear();
        Sounds();

        Click(OnStock());

        EXPECT_EQ(StockCount, 10) << mode;
        for (int p = 1; p <= 10; ++p) {
            const int expected = p == 3 || p == 7 ? 1 : 3;
            EXPECT_EQ(PileCardCount[p], expected) << "pile " << p << " mode " << mode;
            EXPECT_EQ(PileCards[p][expected], Cd("9п")) << "pile " << p;
            EXPECT_EQ(PileFaceUp[p][expected], 1) << "pile " << p;
        }
        EXPECT_EQ(Sounds(), QStringList(10, "WavCardUp")) << mode;
        EXPECT_EQ(int(flights.size()), mode == 0 ? 0 : 10) << mode;
        if (mode != 0) {
            EXPECT_EQ(flights[2].to, QPoint(SpecialX[3], ColumnsTopY)) << "an empty pile takes the card in slot 1";
        }
        EXPECT_EQ(MoveCounter, 0) << "a deal is no move";
        EXPECT_FALSE(Form1->Button8->isEnabled()) << "cards are left in the stock";
    }
}

TEST_F(SpiderPlay, DealtCardKeepsTheRunMarkedOnlyWhenItContinuesIt)
{
    Settings::MoveMode = 0;
    Table(SpiderQuartet);
    FillPiles();
    Pile(1, {"Кп", "9ч", "8ч"});
    Pile(2, {"Кп", "9ч", "8ч"});
    Pile(3, {"Кп", "9ч", "8ч"});
    for (int p = 1; p <= 3; ++p)
        Group1::SpiderMarkMovable(p);
    // Dealt onto piles 1, 2, 3 in this order: the seven continues, the others do not.
    SetStock({"Кб", "Кб", "Кб", "Кб", "Кб", "Кб", "Кб", "6ч", "7п", "7ч"});

    Click(OnStock());

    EXPECT_EQ(Marks(1), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(Marks(2), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(Marks(3), (std::vector<int>{0, 0, 0, 1}));
}

TEST_F(SpiderPlay, LastDealEnablesGivingUpAndTheEmptyStockDoesNothing)
{
    Settings::MoveMode = 0;
    Table(SpiderSolo);
    FillPiles();
    SetStock({"9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п"});

    Click(OnStock());
    EXPECT_EQ(StockCount, 0);
    EXPECT_TRUE(Form1->Button8->isEnabled());
    EXPECT_EQ(Form1->ImageStol->property(Kit::StockHintProperty).toString(), QStringLiteral("0"));

    Sounds();
    Click(OnStock());
    EXPECT_TRUE(Sounds().isEmpty());
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(PileCardCount[p], 3);
    EXPECT_FALSE(GameOver);
}

// ---- runs between piles ----

TEST_F(SpiderPlay, OnlyADropOntoAnotherPileCounts)
{
    struct Case {
        const char* what;
        QPoint (SpiderPlay::*to)(int) const;
        int toIndex;
        int moves;
        const char* sound;
        int sourceCards;
    };
    const Case cases[] = {
        {"onto a pile one higher", &SpiderPlay::OnTop, 2, 1, "WavCardUp", 1},
        {"onto an empty pile", &SpiderPlay::OnTop, 3, 1, "WavCardUp", 1},
        {"back onto its own pile", &SpiderPlay::OnTop, 1, 0, "WavCardUp", 3},
        {"onto a pile it does not fit", &SpiderPlay::OnTop, 4, 0, "WavCancel", 3},
        {"onto a foundation", &SpiderPlay::OnFoundation, 1, 0, "WavCancel", 3},
    };
    for (const Case& c : cases) {
        Settings::MoveMode = 2;
        Table(SpiderDuo);
        FillPiles();
        Pile(1, {"9ч", "8ч", "7ч"}, 1);
        Pile(2, {"Кп", "9п"});
        Pile(3, {});
        Pile(4, {"Кп", "5п"});
        SetStock({"9п"});
        const QPoint from = OnStrip(1, 2);
        const QPoint to = (this->*c.to)(c.toIndex);
        Sounds();
        Drag(from, to);
        EXPECT_EQ(MoveCounter, c.moves) << c.what;
        EXPECT_EQ(Sounds(), QStringList{c.sound}) << c.what;
        EXPECT_EQ(PileCardCount[1], c.sourceCards) << c.what;
        EXPECT_EQ(PileFaceUp[1][1], c.sourceCards == 1 ? 1 : 0) << c.what << ": the card left alone is turned up";
        const std::vector<int> marks = c.sourceCards == 1 ? std::vector<int>{1} : std::vector<int>{0, 1, 1};
        EXPECT_EQ(Marks(1), marks) << c.what;
        EXPECT_FALSE(DragActive);
    }
}

TEST_F(SpiderPlay, CardsOutsideTheTopRunCannotBeLiftedAndShowTheArrow)
{
    Settings::MoveMode = 2;
    Table(SpiderQuartet);
    FillPiles();
    Pile(1, {"9ч", "8п", "7п"});
    Group1::SpiderMarkMovable(1);

    Move(OnStrip(1, 1));
    EXPECT_EQ(Form1->ImageStol->cursor().shape(), Qt::ArrowCursor);
    Press(OnStrip(1, 1));
    EXPECT_FALSE(DragActive);
    Release(OnStrip(1, 1));

    Move(OnStrip(1, 2));
    EXPECT_EQ(Form1->ImageStol->cursor().shape(), Qt::PointingHandCursor);
    Press(OnStrip(1, 2));
    EXPECT_TRUE(DragActive);
    EXPECT_EQ(Kit::LiftedCount(SlotCount), 2);
    Release(OnStrip(1, 2));
    EXPECT_EQ(PileCardCount[1], 3);
}

// ---- complete suits ----

TEST_F(SpiderPlay, CompletedSuitFliesAceFirstToTheFirstEmptyFoundationAndTurnsUpTheCardBelow)
{
    Settings::MoveMode = 2;
    Table(SpiderSolo);
    FillPiles();
    SpadesDownTo(1, "2п", {"5ч", "6ч"});
    Pile(2, {"Кч", "Тп"});
    // Foundation 1 holds a suit collected earlier; 2 is the first empty one.
    for (int s = 1; s <= 13; ++s)
        FoundationCards[1][s] = Cd("Кб");
    SetStock({"9п"});
    flights.clear();
    Sounds();

    Drag(OnTop(2), OnTop(1));

    const TCardCode expected[13] = {Cd("Тп"), Cd("2п"), Cd("3п"), Cd("4п"), Cd("5п"), Cd("6п"), Cd("7п"),
                                    Cd("8п"), Cd("9п"), Cd("1п"), Cd("Вп"), Cd("Дп"), Cd("Кп")};
    for (int s = 1; s <= 13; ++s)
        EXPECT_EQ(FoundationCards[2][s], expected[s - 1]) << "slot " << s;
    EXPECT_EQ(FoundationCards[3][1], cards::Empty);
    EXPECT_EQ(FoundationNextSlot[2], 14) << "the shared count stays true";
    EXPECT_EQ(PileText(1), (QStringList{QString::fromUtf8("5ч"), QString::fromUtf8("6ч")}));
    EXPECT_EQ(PileFaceUp[1][2], 1);
    EXPECT_EQ(Marks(1), (std::vector<int>{0, 1}));
    EXPECT_EQ(PileCardCount[1], 2);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(Sounds(), QStringList(14, "WavCardUp"));

    ASSERT_EQ(flights.size(), 13u);
    const QPoint foundation(SpecialX[4], TopRowY);
    for (std::size_t i = 0; i < flights.size(); ++i) {
        EXPECT_EQ(flights[i].to, foundation) << i;
        if (i > 0) {
            EXPECT_LT(flights[i].from.y(), flights[i - 1].from.y()) << "the ace leaves first, the king last";
        }
    }
}

TEST_F(SpiderPlay, DealThatCompletesASuitCollectsIt)
{
    Settings::MoveMode = 0;
    Table(SpiderSolo);
    FillPiles();
    SpadesDownTo(5, "2п");
    SetStock({"9п", "9п", "9п", "9п", "9п", "Тп", "9п", "9п", "9п", "9п"});

    Click(OnStock());

    EXPECT_EQ(FoundationCards[1][1], Cd("Тп"));
    EXPECT_EQ(FoundationCards[1][13], Cd("Кп"));
    EXPECT_EQ(PileCardCount[5], 0);
}

// ---- the end of a game ----

TEST_F(SpiderPlay, GameIsWonOnlyOnceTheStockIsEmpty)
{
    for (const bool stockLeft : {false, true}) {
        Settings::MoveMode = 2;
        Table(SpiderDuo);
        for (int p = 1; p <= 10; ++p)
            Pile(p, {});
        Pile(1, {"9п", "8п"});
        Pile(2, {"7п"});
        Pile(4, {"Кч", "Дч"});
        if (stockLeft)
            SetStock({"9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п", "9п"});
        presenter.dialogs.clear();
        Sounds();

        Drag(OnTop(2), OnTop(1));

        EXPECT_EQ(GameOver != 0, !stockLeft);
        if (stockLeft) {
            EXPECT_EQ(Sounds(), QStringList{"WavCardUp"});
            EXPECT_TRUE(presenter.dialogs.isEmpty());
        } else {
            EXPECT_EQ(Sounds(), (QStringList{"WavCardUp", "WavKoGood"}));
            EXPECT_TRUE(GameWon);
            EXPECT_TRUE(Celebration::WinBalloonsPending);
            EXPECT_EQ(presenter.dialogs, QStringList{"FormCount"});
            EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToMenu));
        }
        Celebration::StopWinBalloons();
    }
}

TEST_F(SpiderPlay, DoubleClickDoesNothing)
{
    Settings::MoveMode = 2;
    Table(SpiderSolo);
    FillPiles();
    Pile(1, {"Кп", "Тп"});
    DoubleClick(OnTop(1));
    EXPECT_EQ(PileCardCount[1], 2);
    EXPECT_EQ(FoundationCards[1][1], cards::Empty);
}

} // namespace
