#include "foundation/EmptyTable.h"

#include "foundation/CardPictures.h"
#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Scaling.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"

#include <QPushButton>
#include <QTimer>

namespace GameState {

void ReturnToMenu()
{
    RoundActive = 0;
    MenuActive = 1;
    StartScreen::ShowMainMenu(0, 0);
    if (Form1 && Form1->Timer1) {
        Form1->Timer1->setInterval(20);
        Form1->Timer1->start();
    }
}

namespace {

void placeButtons(TTableSurface& f)
{
    const int width = Scaling::Scaled(180);
    const int height = Scaling::Scaled(30);
    const int left = Scaling::TableWidth - width - Scaling::Scaled(10);
    const int top = Scaling::TableHeight - 2 * height - Scaling::Scaled(10);
    f.Button7->setGeometry(left, top, width, height);
    f.Button8->setGeometry(left, top + height, width, height);
}

} // namespace

void DealEmptyTable(bool Redeal, bool timerOn)
{
    // A redeal lays the same empty table again; the round goes on as it stands.
    if (Redeal)
        return;
    PassCount = 0;
    WorldPlace = 0;
    NewTotalScore = 0;
    if (!TakeRoundPlayer()) {
        ReturnToMenu();
        return;
    }
    LayoutTable();
    // A round without play keeps the series total as it was.
    NewTotalScore = PlayerScore;
    PassCount = 1;
    GameOver = 1;
    GameWon = 0;
    TulipPhase = 1;
    UndoFlag = 0;
    Button8Mode = 0;
    ClubResultPending = 0;
    MoveCounter = 0;
    RoundPhase = 1;
    RoundActive = 1;
    GalleryRedealCount = 1;
    if (!Form1)
        return;
    TTableSurface& f = *Form1;
    f.ImageStol->setVisible(true);
    if (!CardPictures::TableBackground.isNull())
        f.ImageStol->canvas().draw(0, 0, CardPictures::TableBackground);
    placeButtons(f);
    const bool gallery = CurrentGameId == 12;
    f.Button7->setText(Texts::Tx(gallery ? Texts::TxtInfo : Texts::TxtToBegin));
    f.Button7->setEnabled(!gallery);
    f.Button7->setVisible(true);
    f.Button8->setText(Texts::Tx(Texts::TxtToMenu));
    f.Button8->setEnabled(true);
    f.Button8->setVisible(true);
    if (gallery) {
        f.BitBtn1->setText(QStringLiteral("1/2"));
        f.BitBtn1->setEnabled(true);
        f.BitBtn1->setVisible(true);
        f.BitBtn2->setEnabled(true);
        f.BitBtn2->setVisible(true);
    }
    f.Timer1->setInterval(200);
    if (timerOn)
        f.Timer1->start();
    else
        f.Timer1->stop();
}

} // namespace GameState
