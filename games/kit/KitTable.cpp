#include "games/kit/KitTable.h"

#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"

namespace Kit {

platform::PictureControl* TableImage()
{
    return Form1 ? Form1->ImageStol : nullptr;
}

void RestoreBackground(platform::Canvas& canvas, int x, int y, int w, int h)
{
    const QImage& bg = CardPictures::TableBackground;
    if (bg.isNull() || w <= 0 || h <= 0)
        return;
    canvas.draw(x, y, bg.copy(x, y, w, h));
}

void PlaySound(const char* name, bool wait)
{
    DrawHelpers::PlayWavResource(QString::fromLatin1(name), wait, Settings::SoundOn);
}

void ShowStartButtons(bool button8Off)
{
    if (!Form1)
        return;
    if (Form1->Button7) {
        Form1->Button7->setText(Texts::Tx(Texts::TxtToBegin));
        Form1->Button7->setVisible(true);
        Form1->Button7->setEnabled(true);
    }
    if (Form1->Button8) {
        Form1->Button8->setVisible(true);
        if (button8Off)
            Form1->Button8->setEnabled(false);
    }
}

void SetTableMenu(bool on)
{
    if (TableMenuHook)
        TableMenuHook(on);
}

} // namespace Kit
