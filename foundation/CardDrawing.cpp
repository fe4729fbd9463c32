#include "foundation/CardDrawing.h"

#include "foundation/CardPictures.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"

#include <QHash>

namespace CardDrawing {

namespace {

using platform::Canvas;

struct MarkerNames {
    char ch;
    const char* bitmap;
    const char* picture;
};

const MarkerNames kMarkers[] = {
    {'*', "All0", "All0B"}, {'0', "A000", "A000B"}, {'1', "A001", "A001B"}, {'2', "A002", "A002B"},
    {'3', "A003", "A003B"}, {'4', "A004", "A004B"}, {'x', "K000", "K000B"}, {'a', "K001", "K001B"},
    {'b', "K002", "K002B"}, {'c', "K003", "K003B"}, {'d', "K004", "K004B"}, {'n', "N000", "N0000"},
    {'y', "Y000", "Y0000"}};

bool classicDrawing()
{
    return Scaling::ClassicCardMode == 1;
}

void lineExclusive(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// The black frame of a classic card with three pixels left out at each corner.
void classicFrame(Canvas& c, int x, int y)
{
    c.pen.color = platform::clBlack;
    DrawHelpers::DrawLineWithEnd(x + 2, y, x + 68, y, c);
    DrawHelpers::DrawLineWithEnd(x + 2, y + 95, x + 68, y + 95, c);
    DrawHelpers::DrawLineWithEnd(x, y + 2, x, y + 93, c);
    DrawHelpers::DrawLineWithEnd(x + 70, y + 2, x + 70, y + 93, c);
}

void blit(Canvas& dst, int x, int y, const Canvas& src)
{
    dst.bitBlt(x, y, src.width(), src.height(), src, 0, 0, platform::RasterOp::SrcCopy);
}

// Marker pictures come from the program's own resources only. They are decoded once
// and kept: drawing an empty pile must not decode a PNG every time.
const QImage& markerPicture(const char* name)
{
    static QHash<QString, QImage> cache;
    const QString key = QString::fromLatin1(name);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QImage img = platform::resources::image(key);
        if (!img.isNull())
            img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = cache.insert(key, img);
    }
    return it.value();
}

// The marker picture scaled to the card size, kept per size.
const QImage& markerPictureAt(const char* name, int w, int h)
{
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1/%2x%3").arg(QLatin1String(name)).arg(w).arg(h);
    auto it = cache.find(key);
    if (it == cache.end()) {
        QImage img = markerPicture(name);
        if (!img.isNull() && img.size() != QSize(w, h))
            img = img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = cache.insert(key, img);
    }
    return it.value();
}

bool isPlainFace(const TCardCode& code)
{
    return !(code == cards::NoCard || code == cards::Empty || code == cards::NoPicture || code.empty()
             || code.at(1) == '-');
}

} // namespace

const char* MarkerBitmapName(char marker)
{
    for (const MarkerNames& m : kMarkers)
        if (m.ch == marker)
            return m.bitmap;
    return "";
}

const char* MarkerPictureName(char marker)
{
    for (const MarkerNames& m : kMarkers)
        if (m.ch == marker)
            return m.picture;
    return "";
}

void DrawCardFace(int x, int y, const TCardCode& code, Canvas& image)
{
    if (classicDrawing()) {
        image.pen.color = platform::clBlack;
        if (code == cards::Empty)
            return;
        classicFrame(image, x, y);
        if (code == cards::NoCard) {
            image.setPixel(x + 1, y + 1, platform::clBlack);
            image.setPixel(x + 69, y + 1, platform::clBlack);
            image.setPixel(x + 1, y + 94, platform::clBlack);
            image.setPixel(x + 69, y + 94, platform::clBlack);
        }
        if (isPlainFace(code))
            blit(image, x + 1, y + 1, CardPictures::FaceBitmapOf(code));
        if (code.at(1) == '-') {
            // The marker pictures are see-through washes over the table, as in the
            // scaled drawing.
            const char* name = MarkerBitmapName(code.at(2));
            if (*name)
                image.draw(x + 1, y + 1, markerPicture(name));
        }
        return;
    }
    const int w = GameState::CardWidth;
    const int h = GameState::CardHeight;
    if (code.at(1) == '-' && code.at(2) != '-') {
        const char* name = MarkerPictureName(code.at(2));
        if (*name)
            image.draw(x, y, markerPictureAt(name, w, h));
    }
    if (isPlainFace(code))
        CardPictures::DrawImageScaled(x, y, CardPictures::FaceImageOf(code), image, w, h);
}

void DrawCardFace(int x, int y, const TCardCode& code, platform::PictureControl* image)
{
    if (image)
        DrawCardFace(x, y, code, image->canvas());
}

void DrawCardBack(int x, int y, Canvas& image)
{
    const int index = CurrentBackIndex >= 1 && CurrentBackIndex <= 10 ? CurrentBackIndex : 1;
    if (classicDrawing()) {
        classicFrame(image, x, y);
        blit(image, x + 1, y + 1, CardPictures::BackBitmaps[index]);
        return;
    }
    CardPictures::DrawImageScaled(x, y, CardPictures::BackImages[index], image, GameState::CardWidth,
                                  GameState::CardHeight);
}

void DrawCardBack(int x, int y, platform::PictureControl* image)
{
    if (image)
        DrawCardBack(x, y, image->canvas());
}

void DrawCardOutline(int x, int y, int mode, Canvas& image, int /*unused*/)
{
    if (mode == 1) {
        if (classicDrawing()) {
            image.pen.mode = platform::PenMode::Not;
            lineExclusive(image, x + 2, y, x + 69, y);
            lineExclusive(image, x + 2, y + 95, x + 69, y + 95);
            lineExclusive(image, x, y + 2, x, y + 94);
            lineExclusive(image, x + 70, y + 2, x + 70, y + 94);
            for (int row = y + 1; row <= y + 94; ++row)
                lineExclusive(image, x + 1, row, x + 70, row);
            image.pen.mode = platform::PenMode::Copy;
            return;
        }
        const int w = GameState::CardWidth;
        const int h = GameState::CardHeight;
        if (w <= 0 || h <= 0)
            return;
        Canvas work(w, h);
        work.bitBlt(0, 0, w, h, image, x, y, platform::RasterOp::SrcCopy);
        const int r = Scaling::ClassicCardMode == 2 ? 16 : Scaling::Scaled(8);
        const QRegion corners =
            QRegion(0, 0, w, h).subtracted(Canvas::roundRectRegion(0, 0, w + 1, h + 1, r, r));
        work.brush.color = platform::clWhite;
        work.brush.style = platform::BrushStyle::Solid;
        work.fillRegion(corners);
        work.bitBlt(0, 0, w, h, work, 0, 0, platform::RasterOp::DstInvert);
        image.bitBlt(x, y, w, h, work, 0, 0, platform::RasterOp::SrcCopy);
        image.pen.mode = platform::PenMode::Copy;
        return;
    }
    if (mode != 0)
        return;
    const int w = GameState::CardWidth - 1;
    const int h = GameState::CardHeight - 1;
    image.pen.color = TargetFrameColor;
    lineExclusive(image, x + 2, y, x + w - 1, y);
    lineExclusive(image, x + 2, y + h, x + w - 1, y + h);
    lineExclusive(image, x, y + 2, x, y + h - 1);
    lineExclusive(image, x + w, y + 2, x + w, y + h - 1);
    DrawHelpers::DrawRectOutline(x + 1, y + 1, x + w - 1, y + h - 1, image);
}

void DrawCardOutline(int x, int y, int mode, platform::PictureControl* image, int unused)
{
    if (image)
        DrawCardOutline(x, y, mode, image->canvas(), unused);
}

void ChooseCardBack()
{
    CurrentBackIndex = platform::currentDate().dayOfWeek(); // 1 Monday .. 7 Sunday
    if (CurrentBackIndex < 1 || CurrentBackIndex > 7)
        CurrentBackIndex = 7;
    if (!Settings::BackModeFlag)
        CurrentBackIndex = 7;
    if (Settings::BackDeckNo >= 8 && Settings::BackDeckNo <= 11)
        CurrentBackIndex = platform::randomBelow(10) + 1;
}

} // namespace CardDrawing
