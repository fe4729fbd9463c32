// Calculation played through real mouse events: the four building orders, the waste
// piles that take only stock cards and close up as they grow, the hints, the refused
// drops that always sound, and the won and lost ends.
#include "Group3Play.h"

#include "foundation/Scaling.h"
#include "games/group3/Qyv_36_Calc.h"

#include <vector>

using namespace GameState;
using namespace Group3;
using Scaling::Scaled;

namespace {

class CalcPlay : public g3test::Group3Play {
protected:
    void Start(int mode, double zoom = 1.0) { Group3Play::Start(Calculation, mode, zoom); }
    static QPoint Stock() { return Mid(AuxPile1X, AuxPile1Y); }
    static QPoint WasteTop(int p)
    {
        return Mid(PosX[p], PosY[p] + PileFanStep[p] * std::max(0, PileCounts[p] - 2));
    }
    static QPoint FoundationAt(int f) { return Mid(FoundationPosX[f], FoundationPosY[f]); }
    // The stock holds `list`, bottom first (its top is the last).
    static void SetStock(std::initializer_list<const char*> list)
    {
        ClearCards(WasteCards, WasteValues);
        ExtraPileCount = g3test::Fill(WasteCards, WasteValues, list);
    }
    static void SetWaste(int p, std::initializer_list<const char*> list)
    {
        g3test::SetPile(p, list, true);
        PileFanStep[p] = FanStep3(p);
    }
    static void Paint()
    {
        PaintTable3();
    }
    // A table with three full foundations and foundation 4 waiting for its King.
    static void LayNearlyWon()
    {
        g3test::SetFoundation(1, {"Тч", "2ч", "3ч", "4ч", "5ч", "6ч", "7ч", "8ч", "9ч", "1ч", "Вч", "Дч", "Кч"});
        g3test::SetFoundation(2, {"2б", "4б", "6б", "8б", "1б", "Дб", "Тб", "3б", "5б", "7б", "9б", "Вб", "Кб"});
        g3test::SetFoundation(3, {"3к", "6к", "9к", "Дк", "2к", "5к", "8к", "Вк", "Тк", "4к", "7к", "1к", "Кк"});
        g3test::SetFoundation(4, {"4п", "8п", "Дп", "3п", "7п", "Вп", "2п", "6п", "1п", "Тп", "5п", "9п"});
        for (int p = 1; p <= 4; ++p)
            SetWaste(p, {});
    }
};

TEST(CalcRule, TheFourBuildingOrdersAndTheirWraps)
{
    // Each order as its hint reads, followed card by card.
    const char* names[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (int f = 1; f <= 4; ++f) {
        SCOPED_TRACE(f);
        const QStringList order = CalcOrder(f).split(',');
        ASSERT_EQ(order.size(), 13);
        int top = f - 1;
        EXPECT_EQ(order[0], QString::fromLatin1(names[top]));
        for (int i = 1; i < 13; ++i) {
            const int next = int(std::find_if(std::begin(names), std::end(names),
                                              [&](const char* n) { return order[i] == QLatin1String(n); })
                                 - std::begin(names));
            EXPECT_TRUE(CalcFits(f, top, next)) << order[i].toStdString();
            for (int other = 0; other < 13; ++other)
                if (other != next) {
                    EXPECT_FALSE(CalcFits(f, top, other)) << top << " takes " << other;
                }
            top = next;
        }
        EXPECT_EQ(top, 12); // every order ends with its King
        for (int v = 0; v < 13; ++v)
            EXPECT_FALSE(CalcFits(f, 12, v)); // a King takes nothing
    }
    // The wraps the rules spell out.
    EXPECT_TRUE(CalcFits(2, 11, 0));
    EXPECT_TRUE(CalcFits(4, 9, 0));
    EXPECT_TRUE(CalcFits(4, 10, 1));
    EXPECT_TRUE(CalcFits(4, 11, 2));
}

TEST_F(CalcPlay, StockCardsGoToAnyWastePileAndWasteCardsOnlyToFoundations)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        SetStock({"9п", "5к"});
        SetWaste(1, {"Кп"});
        SetWaste(2, {});
        Paint();
        auto move = [&](QPoint a, QPoint b) {
            if (mode == 2)
                Drag(a, b);
            else {
                Click(a);
                Click(b);
            }
        };
        move(Stock(), WasteTop(2));
        EXPECT_EQ(PileCounts[2], 2);
        EXPECT_EQ(PileCards[2][1], g3test::Cd("5к"));
        EXPECT_EQ(ExtraPileCount, 1);
        EXPECT_EQ(MoveCounter, 1);
        EXPECT_EQ(flightSteps > 0, mode == 1);
        EXPECT_TRUE(Sounds().endsWith("WavCardUp"));
        // A waste card refused on another waste pile.
        flightSteps = 0;
        if (mode == 2) {
            Drag(WasteTop(2), WasteTop(1));
            EXPECT_EQ(Sounds(), "WavDown WavCancel");
            EXPECT_GT(flightSteps, 0);
        } else {
            Click(WasteTop(2));
            Click(WasteTop(1));
            EXPECT_TRUE(SourceSelected);
            EXPECT_EQ(HitPile, 2);
            EXPECT_EQ(Sounds(), "WavDown");
            Click(WasteTop(2));
        }
        EXPECT_EQ(PileCounts[1], 2);
        EXPECT_EQ(PileCounts[2], 2);
        EXPECT_EQ(MoveCounter, 1);
    }
}

TEST_F(CalcPlay, ADragReleasedOnTheStockWithoutMovingSoundsAndDoesNotFly)
{
    Start(2);
    const int n = ExtraPileCount;
    const TCardCode top = WasteCards[n];
    Drag(Stock(), Stock());
    EXPECT_EQ(Sounds(), "WavDown WavCancel");
    EXPECT_EQ(flightSteps, 0);
    EXPECT_EQ(ExtraPileCount, n);
    EXPECT_EQ(WasteCards[n], top);
}

TEST_F(CalcPlay, FortyEightCardsOnOnePileStayClearOfTheTablesFoot)
{
    struct Size {
        int mode;
        double zoom;
    };
    for (const Size sz : {Size{0, 1.0}, Size{1, 1.0}, Size{2, 1.0}, Size{2, 2.0}, Size{0, 2.0}}) {
        SCOPED_TRACE(testing::Message() << "mode " << sz.mode << " zoom " << sz.zoom);
        Start(sz.mode, sz.zoom);
        // Foundations that take nothing the stock holds, so every card goes to pile 3.
        for (int f = 1; f <= 4; ++f) {
            FoundationCards[f][2] = g3test::Cd("Кч");
            FoundationValues[f][2] = 12;
            FoundationCounts[f] = 3;
        }
        Paint();
        while (ExtraPileCount > 0) {
            if (sz.mode == 2)
                Drag(Stock(), WasteTop(3));
            else {
                Click(Stock());
                Click(WasteTop(3));
            }
        }
        ASSERT_EQ(PileCounts[3], 49);
        const int bottom = PosY[3] + PileFanStep[3] * 47 + CardHeight;
        EXPECT_LE(bottom, Scaling::TableHeight - Scaled(30));
        EXPECT_LT(PileFanStep[3], Scaled(20));
        // Nothing is drawn in the table's foot below the pile.
        const QImage foot = Shown().copy(PosX[3], Scaling::TableHeight - Scaled(30) + 1, CardWidth + 1, Scaled(30) - 1);
        const QImage ground = CardPictures::TableBackground.copy(PosX[3], Scaling::TableHeight - Scaled(30) + 1,
                                                                  CardWidth + 1, Scaled(30) - 1);
        EXPECT_EQ(Text(Difference(foot, ground)), "none");
        if (const QString shots = qEnvironmentVariable("VARDELIN_SHOTS"); !shots.isEmpty() && sz.mode == 2)
            Shown().save(QStringLiteral("%1/calc-48-%2.png").arg(shots).arg(sz.zoom));
    }
}

TEST_F(CalcPlay, TheHintsShowTheOrdersAndTheStocksCount)
{
    Start(0);
    Move(FoundationAt(2), Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->toolTip(), "2,4,6,8,10,Q,A,3,5,7,9,J,K");
    Move({AuxPile1X + 3, AuxPile1Y - 22}, Qt::NoButton); // the band above the stock
    EXPECT_EQ(Form1->ImageStol->toolTip(), QString::number(ExtraPileCount));
    Move({AuxPile1X + 3, AuxPile1Y - 23}, Qt::NoButton);
    EXPECT_EQ(Form1->ImageStol->toolTip(), "");
}

TEST_F(CalcPlay, TheLastKingWinsInEveryMode)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        LayNearlyWon();
        SetStock({});
        SetWaste(2, {"Кб"});
        Paint();
        if (mode == 2)
            Drag(WasteTop(2), FoundationAt(4));
        else {
            Click(WasteTop(2));
            Click(FoundationAt(4));
        }
        EXPECT_EQ(FoundationCounts[4], 14);
        EXPECT_EQ(MoveCounter, 1);
        ExpectRoundEnded(true, nullptr);
    }
}

TEST_F(CalcPlay, AnEmptyStockWithNoFittingWasteTopIsLost)
{
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        LayNearlyWon();
        SetStock({"7б"});
        SetWaste(1, {"Кб", "3ч"});
        Paint();
        // The last stock card onto a waste pile: nothing fits any more.
        if (mode == 2)
            Drag(Stock(), WasteTop(1));
        else {
            Click(Stock());
            Click(WasteTop(1));
        }
        ExpectRoundEnded(false, nullptr);
    }
}

} // namespace
