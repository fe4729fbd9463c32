// The start of a group-4 round: the player's round data, the table and the buttons.
#include "games/group4/Qyv_Help2_4.h"

#include "games/kit/KitTable.h"
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QTimer>

namespace Group4 {

using namespace GameState;

void NewDeal4(bool Redeal)
{
    DealRound4(Redeal);
}

bool DealRound4(bool Redeal)
{
    if (!Redeal && !BeginRoundPlayer())
        return false;

    CardDrawing::ChooseCardBack();
    if (Form1 && Form1->Button8)
        Form1->Button8->setText(Texts::Tx(Texts::TxtUndo));
    LayoutTable();
    CardPictures::RescaleCardPictures();
    if (Form1 && Form1->ImageStol) {
        Form1->ImageStol->setVisible(true);
        if (!CardPictures::TableBackground.isNull())
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    }
    PlaceActionButtons4();
    // The info panel of the deal shows the first pass.
    PassCount = 1;
    GameWon = 0;
    DealTable4();

    PassCount = 1;
    GameOver = 0;
    ClubResultPending = 0;
    MoveCounter = 0;
    RoundPhase = 1;
    UndoFlag = 0;
    RoundActive = 1;
    GameWon = 0;
    if (Form1) {
        Kit::ShowStartButtons(true);
        Form1->update();
        if (Form1->Timer1) {
            Form1->Timer1->setInterval(200);
            Form1->Timer1->stop();
        }
    }
    return true;
}

} // namespace Group4
