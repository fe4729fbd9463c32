#include "games/kit/KitTable.h"

#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"

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

} // namespace Kit
