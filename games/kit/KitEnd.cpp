#include "games/kit/KitEnd.h"

#include "foundation/Celebration.h"
#include "foundation/GameState.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Qyv_FCount.h"
#include "foundation/TableSurface.h"
#include "games/kit/KitTable.h"

namespace Kit {

using namespace GameState;

TEnd EndGame(bool won, const TEndGame& how)
{
    if (Form1 && Form1->Button8) {
        Form1->Button8->setEnabled(true);
        if (how.Caption)
            Form1->Button8->setText(Texts::Tx(*how.Caption));
    }
    if (auto* t = TableImage())
        t->repaintNow();
    GameWon = won ? 1 : 0;
    GameOver = 1;
    PlaySound(won ? "WavKoGood" : "WavKoBads");
    if (won)
        Celebration::StartWinBalloons();
    if (how.Panel && how.PanelOrder == TPanelOrder::BeforeScore)
        how.Panel();
    ShowScoreWindow();
    if (how.Panel && how.PanelOrder == TPanelOrder::AfterScore)
        how.Panel();
    return won ? TEnd::Won : TEnd::Lost;
}

TEnd RunEndTest(const TEndTest& t, bool moved)
{
    if (t.Won && t.Won())
        return EndGame(true, {t.Caption, t.Panel, t.WonPanel});
    if (!t.Stuck || !t.Stuck())
        return TEnd::GoesOn;
    if (!t.StuckOnlyWhen || t.StuckOnlyWhen())
        return EndGame(false, {t.Caption, t.Panel, t.LostPanel});
    if (t.StopkaWhenDry && moved) {
        PlaySound("WavStopka");
        return TEnd::RanDry;
    }
    return TEnd::GoesOn;
}

} // namespace Kit
