// The pictures of the column games at two zooms: a column of twenty cards in Flower
// garden and the same column after a run left it, an 8 Sages column built in a click
// mode, and Backbone with its tail gone. Below a column's last card only the table shows.
// VARDELIN_SHOTS names a folder for the pictures to look at.
#include "Group3Play.h"

#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "games/group3/Qyv_41_Sad.h"
#include "games/group3/Qyv_Help2_3_Garden.h"

#include <string>
#include <vector>

using namespace GameState;
using namespace Group3;
using g3test::Cd;
using Scaling::Scaled;

namespace {

class GardenPicture : public g3test::Group3Play {
protected:
    void Save(const char* name, double zoom)
    {
        const QString shots = qEnvironmentVariable("VARDELIN_SHOTS");
        if (!shots.isEmpty())
            Shown().save(QStringLiteral("%1/%2-%3.png").arg(shots, QLatin1String(name)).arg(zoom));
    }
    // Below column c's last card, down to the foundation of its band, only the table.
    void ExpectClearBelow(int c)
    {
        const int top = GardenTopY3(c) + CardHeight + 1;
        const int bottom = ColumnTop + Scaled(290);
        if (top >= bottom)
            return;
        const QRect band(ColumnX[c], top, CardWidth, bottom - top);
        EXPECT_EQ(Text(Difference(Shown().copy(band), CardPictures::TableBackground.copy(band))), "none");
    }
    static void Column(int c, const std::vector<const char*>& list)
    {
        for (int s = 1; s <= 104; ++s) {
            PileCards[c][s] = cards::Empty;
            PileValues[c][s] = cards::EmptyValue;
        }
        int n = 0;
        for (const char* code : list) {
            PileCards[c][++n] = Cd(code);
            PileValues[c][n] = g3test::ValueOf(PileCards[c][n]);
        }
        PileCounts[c] = n + 1;
        ColumnStep[c] = SadFanStep(c);
        RedrawColumn3(c, 0);
    }
};

TEST_F(GardenPicture, AFlowerGardenColumnOfTwentyAndAfterARunLeftIt)
{
    for (double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Start(FlowerGarden, 2, zoom);
        Column(1, {"Тб", "Тб", "Тб", "Тб", "Тб", "Тб", "Тб", "Кп", "Дч", "Вп", "1ч", "9п", "8ч", "7п", "6ч", "5п",
                   "4ч", "3п", "2ч", "Тп"});
        Column(2, {});
        ASSERT_EQ(PileCounts[1], 21);
        Save("flower-twenty", zoom);
        ExpectClearBelow(1);
        const QPoint kingStrip(ColumnX[1] + CardWidth / 2, GardenCardAt3(1, 8).y() + 2);
        Drag(kingStrip, At(ColumnX[2], ColumnTop));
        ASSERT_EQ(PileCounts[1], 8);
        ASSERT_EQ(PileCounts[2], 14);
        EXPECT_EQ(ColumnStep[1], Scaled(25));
        Save("flower-after-run", zoom);
        ExpectClearBelow(1);
        ExpectClearBelow(2);
    }
}

TEST_F(GardenPicture, AnEightSagesColumnBuiltInAClickModeStaysInItsBand)
{
    const char* run[] = {"Дч", "Вк", "1б", "9п", "8ч", "7к", "6б", "5п", "4ч", "3к", "2б"};
    for (double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Start(EightSages, 0, zoom);
        Column(3, {"Кп"});
        for (const char* c : run) {
            ClearCards(WasteCards, WasteValues);
            WasteCards[1] = Cd(c);
            WasteValues[1] = g3test::ValueOf(WasteCards[1]);
            WasteCount = 2;
            RedrawReserve3(2);
            Click(At(AuxPile1X, AuxPile1Y));
            Click(At(ColumnX[3], GardenTopY3(3)));
        }
        ASSERT_EQ(PileCounts[3], 13);
        Save("sages-twelve", zoom);
        ExpectClearBelow(3);
        EXPECT_LE(GardenTopY3(3) + CardHeight, Form1->Button7->y());
    }
}

TEST_F(GardenPicture, BackboneWithItsTailGoneAndItsRowsShortened)
{
    for (double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Start(Backbone, 2, zoom);
        for (int r = 1; r <= 2; ++r)
            for (int i = 11 - 4 * r; i <= 11; ++i) {
                BackboneCards[r][i] = cards::Empty;
                BackboneValues[r][i] = cards::EmptyValue;
            }
        RedrawBackbone();
        for (int i = 0; i < 25; ++i)
            Click(At(AuxPile2X, AuxPile2Y));
        Save("backbone-rows", zoom);
        int r = 0;
        int slot = 0;
        EXPECT_TRUE(HitTestBackbone(BackboneX[6] + 3, BackboneY[6] + 3, r, slot));
        EXPECT_EQ(slot, 6);
    }
}

} // namespace
