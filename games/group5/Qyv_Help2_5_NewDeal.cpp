// The start of a group-5 round: the player's round data, the table and the buttons.
#include "games/group5/Qyv_Help2_5.h"

#include "games/kit/KitTable.h"
#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/EmptyTable.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QTimer>

namespace Group5 {

using namespace GameState;

namespace {

// Only the table image shows in these games; every picture starts clean.
void PrepareImages(TTableSurface& f)
{
    f.ImageStol->setVisible(true);
    for (platform::PictureControl* image : {f.ImageStol, f.ImageTuzi, f.ImageKoloda, f.ImageHelp, f.ImageTablo2}) {
        if (!image)
            continue;
        if (image != f.ImageStol)
            image->setVisible(false);
        if (!CardPictures::TableBackground.isNull())
            image->canvas().draw(-image->x(), -image->y(), CardPictures::TableBackground);
    }
    if (f.ImageKon)
        f.ImageKon->setVisible(false);
}

} // namespace

bool ModuleLanded5(int game)
{
    // A code is added here when its module handles the table's mouse.
    switch (game) {
    case UnclePelk: return true;
    case BusyAces: return true;
    case Lucie: return true;
    case Alzhir: return true;
    case FortyThieves: return true;
    case Daemon: return true;
    case Clover: return true;
    case Miss: return true;
    case Crescent: return true;
    case OpenCrescent: return true;
    default: return false;
    }
}

bool DealRound5(bool Redeal)
{
    if (!Redeal && !BeginRoundPlayer())
        return false;
    StandInTable5 = 0;
    CardDrawing::ChooseCardBack();
    LayoutTable();
    CardPictures::RescaleCardPictures();
    if (Form1) {
        if (Form1->Button8)
            Form1->Button8->setText(Texts::Tx(Texts::TxtExitToMenu));
        if (Form1->ImageStol)
            PrepareImages(*Form1);
    }
    MoveCounter = 0;
    GameWon = 0;
    DealTable5();

    GameOver = 0;
    ClubResultPending = 0;
    PlaceActionButtons5();
    if (Form1) {
        Kit::ShowStartButtons(false);
        Form1->update();
        if (Form1->Timer1) {
            Form1->Timer1->setInterval(200);
            Form1->Timer1->stop();
        }
    }
    RoundPhase = 1;
    UndoFlag = 0;
    RoundActive = 1;
    return true;
}

void NewDeal5(bool Redeal)
{
    if (ModuleLanded5(CurrentGameId)) {
        DealRound5(Redeal);
        return;
    }
    // No module takes this table's clicks yet: the round offers "To menu" at once.
    StandInTable5 = 1;
    DealEmptyTable(Redeal, false);
}

} // namespace Group5
