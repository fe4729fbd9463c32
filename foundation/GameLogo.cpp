#include "foundation/GameTables.h"

#include "platform/Canvas.h"
#include "platform/Resources.h"

namespace GameTables {

namespace {

// Size 170 is the one that draws the 175 x 175 pictures as they are.
void drawLogoPicture(const QString& name, int x, int y, platform::Canvas& canvas, int size)
{
    QImage picture = platform::resources::image(name);
    if (picture.isNull())
        return;
    if (size != 170) {
        if (size <= 0)
            return;
        picture = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    canvas.draw(x, y, picture);
}

} // namespace

void DrawGameLogo(int gameCode, int x, int y, bool background, platform::Canvas& canvas, int size)
{
    if (background)
        drawLogoPicture(QStringLiteral("GLogosBG"), x, y, canvas, size);
    if (const GameInfo* game = GameInfoOf(gameCode))
        drawLogoPicture(QString::fromLatin1(game->logo), x, y, canvas, size);
}

} // namespace GameTables
