// The start of a group-1 round: the player's round data, the table and the buttons.
#include "games/group1/Qyv_Help2_1.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/EmptyTable.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QTimer>

namespace Group1 {

using namespace GameState;

bool NewDeal1(bool Redeal)
{
    // The player's entry leaves the club file before anything on the table changes, so
    // a file error leaves the menu as it was.
    if (!Redeal) {
        PassCount = 0;
        WorldPlace = 0;
        NewTotalScore = 0;
        if (!TakeRoundPlayer()) {
            ReturnToMenu();
            return false;
        }
    }

    CardDrawing::ChooseCardBack();
    LayoutTable();
    CardPictures::RescaleCardPictures();
    if (Form1 && Form1->ImageStol) {
        Form1->ImageStol->setVisible(true);
        if (!CardPictures::TableBackground.isNull())
            Form1->ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    }

    ++PassCount;
    DealTable1();

    PassCount = 1;
    GameOver = 0;
    ClubResultPending = 0;
    PlaceActionButtons1();
    if (Form1) {
        if (Form1->Button7) {
            Form1->Button7->setText(Texts::Tx(Texts::TxtToBegin));
            Form1->Button7->setVisible(true);
            Form1->Button7->setEnabled(true);
        }
        if (Form1->Button8) {
            Form1->Button8->setVisible(true);
            Form1->Button8->setEnabled(false);
        }
    }
    MoveCounter = 0;
    if (Form1)
        Form1->update();
    RoundPhase = 1;
    UndoFlag = 0;
    if (Form1 && Form1->Timer1) {
        Form1->Timer1->setInterval(200);
        Form1->Timer1->stop();
    }
    RoundActive = 1;
    GameWon = 0;
    DrawInfoPanel1();
    return true;
}

} // namespace Group1
