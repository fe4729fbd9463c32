// The start of a group-1 round: the player's round data, the table and the buttons.
#include "games/group1/Qyv_Help2_1.h"

#include "games/kit/KitTable.h"
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
    if (!Redeal && !BeginRoundPlayer())
        return false;

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
    Kit::ShowStartButtons(true);
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
