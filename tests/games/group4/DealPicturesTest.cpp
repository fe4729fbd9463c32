// Pictures of the dealt group-4 tables at the smallest and a large window size, for a
// look by eye: run with --gtest_also_run_disabled_tests; the PNGs go to the temporary
// folder's "group4-tables".
#include "Group4TestSupport.h"

#include <QDir>

using namespace GameState;
using namespace Group4;

namespace {

class DealPictures : public g4test::TableFixture {};

TEST_F(DealPictures, DISABLED_EveryDealAtTwoSizes)
{
    const QDir out(QDir::temp().filePath(QStringLiteral("group4-tables")));
    QDir().mkpath(out.path());
    struct Size {
        int w, h;
        double zoom;
        int setting;
    };
    for (const Size s : {Size{760, 500, 1.0, 1}, Size{1520, 1000, 2.0, 5}}) {
        Settings::WindowSize = s.setting;
        Form1->SetClientSize(s.w, s.h);
        ApplyZoomForTest(s.w, s.h, s.zoom, true);
        CardPictures::LoadTableBackground();
        CardPictures::LoadCardFaces();
        CardPictures::LoadCardBacks();
        for (int game : {Book, Pairs, Wish, MonteCarlo, MonteCarloBySuit, Pyramid, PyramidInfinity, OpenPyramid,
                         DiamondInfinity, OpenDiamond}) {
            g4test::EmptyTable(game);
            PlayerSlot = 6;
            SetShuffleSeedForTest(5);
            ASSERT_TRUE(DealRound4(false));
            const QString name = QStringLiteral("%1_%2").arg(s.w).arg(game);
            Form1->grab().save(out.filePath(name + QStringLiteral(".png")));
            if (game == Book) {
                // A few stock turns: panel entries, count boxes, the waste's layers.
                for (int k = 0; k < 20; ++k) {
                    DealFromKoloda4();
                    BookCardListPanel(false);
                }
                DrawInfoPanel4();
                Form1->grab().save(out.filePath(name + QStringLiteral("_turned.png")));
            }
            if (IsGridGame(game)) {
                // Part of the grid gone, a few cards on the waste and the discard pile.
                for (int c = 1; c <= 13; ++c) {
                    PileCards[c][7] = cards::Empty;
                    PileValues[c][7] = cards::EmptyValue;
                    PileFaceUp[c][6] = IsGridPlace4(game, c, 6) ? 1 : 0;
                }
                for (int k = 1; k <= 5; ++k) {
                    WasteCards[k] = StockCards[StockCount];
                    StockCards[StockCount--] = cards::Empty;
                    DiscardCards[k] = PileCards[4][4];
                }
                WasteCount = 6;
                ExtraPileCount = 6;
                PassCount = 7;
                RepaintGrid4();
                DrawInfoPanel4();
                Form1->grab().save(out.filePath(name + QStringLiteral("_played.png")));
            }
        }
    }
    Settings::WindowSize = 1;
}

} // namespace
