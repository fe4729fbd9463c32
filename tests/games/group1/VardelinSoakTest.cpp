// Whole dealt Vardelin games played by random mouse gestures in every move mode: after
// every gesture no card is lost or doubled, piles have no gaps, face-down cards lie
// only under face-up ones, foundations climb by suit, and no drag is left hanging.
#include "PlayTestSupport.h"

#include "app/RoundEnd.h"
#include "foundation/Shuffle.h"
#include "games/group1/Qyv_01_Vardelin.h"

#include <QMap>
#include <random>

using namespace GameState;
using namespace Group1;

namespace {

class VardelinSoak : public play_test::PlayTable {
protected:
    void TearDown() override
    {
        SetShuffleSeedForTest(std::nullopt);
        PlayTable::TearDown();
    }

    void Deal(int game, int mode, std::uint32_t seed)
    {
        Table(game, mode);
        SetShuffleSeedForTest(seed);
        DealTable1();
        Paint();
        RoundPhase = 2;
        PassCount = 1;
        before = AllCards();
    }

    QMap<QString, int> AllCards() const
    {
        QMap<QString, int> m;
        auto add = [&m](const TCardCode& c) {
            if (cards::pictureIndex(c) > 0)
                ++m[c.toString()];
        };
        for (int i = 1; i <= StockCount; ++i)
            add(StockCards[i]);
        for (int i = 1; i < WasteCount; ++i)
            add(WasteCards[i]);
        for (int p = 1; p <= LayoutPileCount; ++p)
            for (int s = 1; s <= PileCardCount[p]; ++s)
                add(PileCards[p][s]);
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            for (int s = 1; s < FoundationNextSlot[f]; ++s)
                add(FoundationCards[f][s]);
        return m;
    }

    // Returns what is wrong with the table, or an empty text.
    QString Fault() const
    {
        if (DragActive || Sprite::CurrentSprite)
            return "a drag is left over";
        if (AllCards() != before)
            return "cards lost or doubled";
        for (int p = 1; p <= LayoutPileCount; ++p) {
            const int n = PileCardCount[p];
            if (LastCardIndex1(PileCards[p]) != n)
                return QString("pile %1 count").arg(p);
            bool up = false;
            for (int s = 1; s <= n; ++s) {
                if (cards::pictureIndex(PileCards[p][s]) == 0)
                    return QString("pile %1 gap at %2").arg(p).arg(s);
                if (PileFaceUp[p][s] != PileMarks[p][s])
                    return QString("pile %1 mark at %2").arg(p).arg(s);
                if (up && !PileFaceUp[p][s])
                    return QString("pile %1 face-down over face-up at %2").arg(p).arg(s);
                up = up || PileFaceUp[p][s];
            }
            if (n > 0 && !PileFaceUp[p][n])
                return QString("pile %1 top face down").arg(p);
        }
        for (int f = 1; f <= LayoutFoundationCount; ++f)
            for (int s = 1; s < FoundationNextSlot[f]; ++s)
                if (FoundationValues[f][s] != s - 1 || FoundationCards[f][s].suit() != FoundationCards[f][1].suit())
                    return QString("foundation %1 slot %2").arg(f).arg(s);
        return {};
    }

    QMap<QString, int> before;
};

TEST_F(VardelinSoak, RandomGesturesKeepTheTableWhole)
{
    int won = 0;
    int games = 0;
    for (int game : {VardelinSolo, VardelinDuo})
        for (int mode : {0, 1, 2})
            for (std::uint32_t seed = 1; seed <= 4; ++seed) {
                SCOPED_TRACE(QString("game %1 mode %2 seed %3").arg(game).arg(mode).arg(seed).toStdString());
                Deal(game, mode, seed);
                std::mt19937 rnd(seed * 31 + mode);
                auto pick = [&rnd](int n) { return int(rnd() % unsigned(n)); };
                ++games;
                for (int step = 0; step < 300 && !GameOver; ++step) {
                    const int p = 1 + pick(LayoutPileCount);
                    const int q = 1 + pick(LayoutPileCount);
                    const int n = PileCardCount[p];
                    switch (pick(6)) {
                    case 0:
                        Click(Stock());
                        break;
                    case 1:
                    case 2:
                        if (n > 0)
                            Drag(Slot(p, 1 + pick(n)), TopCard(q));
                        break;
                    case 3:
                        if (n > 0)
                            Drag(TopCard(p), Foundation(1 + pick(LayoutFoundationCount)));
                        break;
                    case 4:
                        DoubleClick(pick(3) == 0 ? Waste() : TopCard(p));
                        break;
                    default:
                        if (mode == 2) {
                            Drag(Waste(), pick(2) ? TopCard(q) : Foundation(1 + pick(LayoutFoundationCount)));
                        } else {
                            Click(Waste());
                            Click(pick(2) ? TopCard(q) : Foundation(1 + pick(LayoutFoundationCount)));
                        }
                        break;
                    }
                    const QString fault = Fault();
                    ASSERT_TRUE(fault.isEmpty()) << fault.toStdString() << " after step " << step;
                    // The waste selection is the only state a gesture may leave behind.
                    ASSERT_TRUE(SelectedPile == 0 || SelectedPile == 9);
                }
                if (GameOver && GameWon)
                    ++won;
                if (GameOver)
                    Celebration::StopWinBalloons();
            }
    EXPECT_EQ(games, 24);
    RecordProperty("won", won);
}

} // namespace
