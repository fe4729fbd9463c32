// The Tulip family's rows (the leading run of one suit) and the flowers that grow with it.
#include "games/group2/Qyv_Help2_2.h"

#include "games/kit/KitTable.h"

#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QHash>
#include <QImage>
#include <algorithm>

namespace Group2 {

using namespace GameState;
using Scaling::Scaled;

namespace {

bool HoldsCard(const TCardCode& c) { return !(c == cards::Empty); }

constexpr int FlowerWidth = 65;
constexpr int FlowerHeight = 75;

QString FlowerName(int game, int stage)
{
    if (stage == 13)
        return game == BlueTulip ? QStringLiteral("TulipB01") : QStringLiteral("TulipY01");
    if (stage == 9 && game == Paganini)
        return QStringLiteral("TulipV01");
    return QStringLiteral("TulipR%1").arg(stage + 1, 2, 10, QLatin1Char('0'));
}

const QImage& FlowerPicture(const QString& name)
{
    static QHash<QString, QImage> pictures;
    auto it = pictures.find(name);
    if (it == pictures.end())
        it = pictures.insert(name, platform::resources::imageOfType(name, QStringLiteral("png")));
    return *it;
}

// The part of `icon` (drawn whole at (ix, iy)) that falls inside the rectangle, drawn again.
void DrawIconInside(platform::Canvas& canvas, const QImage& icon, int ix, int iy, int x, int y, int w, int h)
{
    const QRect part = QRect(ix, iy, icon.width(), icon.height()).intersected(QRect(x, y, w, h));
    if (!part.isEmpty())
        canvas.draw(part.x(), part.y(), icon.copy(part.translated(-ix, -iy)));
}

} // namespace

int TulipRowRest(int Row)
{
    const int game = CurrentGameId;
    const int places = game == Paganini ? 10 : 14;
    int count = 0;
    for (int p = 1; p <= places; ++p)
        if (HoldsCard(PileCards[p][Row]))
            ++count;
    if (!HoldsCard(PileCards[1][Row]))
        return count;
    if (game == BlueTulip && PileValues[1][Row] != 0)
        return count;
    const int last = game == Paganini ? 9 : 13;
    for (int i = 1; i <= last; ++i) {
        const bool follows = HoldsCard(PileCards[i + 1][Row]) &&
                             PileCards[i + 1][Row].suit() == PileCards[i][Row].suit() &&
                             PileValues[i + 1][Row] == PileValues[i][Row] + 1;
        if (!follows)
            return count - i;
    }
    return 0;
}

int TulipRowRun(int Row)
{
    const int places = CurrentGameId == Paganini ? 10 : 14;
    int count = 0;
    for (int p = 1; p <= places; ++p)
        if (HoldsCard(PileCards[p][Row]))
            ++count;
    return count - TulipRowRest(Row);
}

void DrawTulipFlower(int Suit, int Stage, bool ShowIcon)
{
    auto* table = Kit::TableImage();
    if (!table || Suit < 1 || Suit > 4)
        return;
    platform::Canvas& canvas = table->canvas();
    const int rowBottom = TulipRowY[4] + CardHeight;
    const int midY = rowBottom + Scaling::RoundHalfEven((Scaling::TableHeight - rowBottom) / 2.0);
    const int baseX = Scaling::RoundHalfEven(Scaling::TableWidth / 2.0) - 80 - 3 * Scaled(35);
    const int x = baseX + (Suit - 1) * (2 * Scaled(35) + 40);
    const int y = midY - 30;
    const int iconY = midY - 50;

    // The stages each cover only the smaller ones: the old flower is erased first.
    Kit::RestoreBackground(canvas, x, y, FlowerWidth, FlowerHeight);
    if (Scaling::Scale == 1.0) {
        const QImage& icon = CardPictures::ExtraBitmaps[Suit];
        Kit::RestoreBackground(canvas, x + 20, iconY, icon.width(), icon.height());
        canvas.draw(x + 20, iconY, icon);
    } else {
        const QImage& icon = CardPictures::SuitPngs[Suit];
        if (ShowIcon) {
            Kit::RestoreBackground(canvas, x + 10, iconY, icon.width(), icon.height());
            canvas.draw(x + 10, iconY, icon);
        } else {
            DrawIconInside(canvas, icon, x + 10, iconY, x, y, FlowerWidth, FlowerHeight);
        }
    }
    const int stage = std::clamp(Stage, 0, 13);
    canvas.draw(x, y, FlowerPicture(FlowerName(CurrentGameId, stage)));
}

} // namespace Group2
