#include "foundation/Sprite.h"

#include "foundation/CardDrawing.h"
#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Seams.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace Sprite {

namespace {

using platform::Canvas;
using platform::RasterOp;

std::function<void(int, int)> g_stepListener;
QRegion g_lastUpdate;

// The table-sized pictures of the last drag or flight, kept for the next one: a fresh
// picture of 1520 x 1000 costs far more in first-touch page faults than the copy itself.
QImage g_spareBackground;
QImage g_spareWork;

Canvas tablePicture(QImage& spare, int w, int h)
{
    Canvas c;
    if (spare.width() == w && spare.height() == h && spare.format() == QImage::Format_RGB32) {
        c.assign(spare);
        spare = QImage(); // the canvas holds the only reference: no copy on write
    } else {
        spare = QImage();
        c = Canvas(w, h);
    }
    return c;
}

// The drag's lazily taken table: which tiles of SpriteBackground and SpriteWork hold
// the table image yet. Inactive (every pixel held) outside a drag.
constexpr int TileSize = 64;

struct TLazyTable {
    bool active = false;
    int columns = 0;
    int rows = 0;
    std::vector<bool> taken;
};

TLazyTable g_lazy;

// Copies the tiles that `area` touches and that are not taken yet from the table image
// into SpriteBackground and SpriteWork, white where the table image is smaller.
void takeTiles(const QRect& area)
{
    if (!g_lazy.active)
        return;
    const QRect r = area.intersected(QRect(0, 0, std::min(SpriteBackground.width(), g_lazy.columns * TileSize),
                                           std::min(SpriteBackground.height(), g_lazy.rows * TileSize)));
    if (r.isEmpty())
        return;
    const Canvas* source = Form1 && Form1->ImageStol ? &Form1->ImageStol->canvas() : nullptr;
    for (int ty = r.top() / TileSize; ty <= r.bottom() / TileSize; ++ty) {
        for (int tx = r.left() / TileSize; tx <= r.right() / TileSize; ++tx) {
            const std::size_t i = std::size_t(ty) * std::size_t(g_lazy.columns) + std::size_t(tx);
            if (g_lazy.taken[i])
                continue;
            g_lazy.taken[i] = true;
            const int x = tx * TileSize;
            const int y = ty * TileSize;
            const int right = std::min(x + TileSize, SpriteBackground.width());
            const int bottom = std::min(y + TileSize, SpriteBackground.height());
            if (!source || source->width() < right || source->height() < bottom) {
                SpriteBackground.brush.color = platform::clWhite;
                SpriteBackground.fillRect(x, y, right, bottom);
            }
            if (source)
                SpriteBackground.bitBlt(x, y, right - x, bottom - y, *source, x, y, RasterOp::SrcCopy);
            SpriteWork.bitBlt(x, y, right - x, bottom - y, SpriteBackground, x, y, RasterOp::SrcCopy);
        }
    }
}

void takeTiles(const QRegion& area)
{
    for (const QRect& r : area)
        takeTiles(r);
}

constexpr int ClassicW = 69;
constexpr int ClassicH = 94;

const TCardCode BackCode{"00"};

// Copies the rectangles of `region` from SpriteWork to the target and shows them.
void copyToTarget(const QRegion& region, int target)
{
    g_lastUpdate = region;
    if (!Form1)
        return;
    if (target == 0) {
        ShowOnForm(SpriteWork, region);
    } else if (target == 1 && Form1->ImageStol) {
        platform::Canvas& dst = Form1->ImageStol->canvas();
        for (const QRect& r : region)
            dst.bitBlt(r.x(), r.y(), r.width(), r.height(), SpriteWork, r.x(), r.y(), RasterOp::SrcCopy);
    }
}

// The 69 x 94 picture of a card for the classic sprite: a new bitmap is white.
Canvas classicCard(const TCardCode& code)
{
    Canvas card(ClassicW, ClassicH, platform::clWhite);
    const Canvas* src = nullptr;
    if (code == BackCode) {
        const int i = std::clamp(CardDrawing::CurrentBackIndex, 1, 10);
        src = &CardPictures::BackBitmaps[i];
    } else if (!(code == cards::NoCard || code == cards::Empty || code == cards::NoPicture)) {
        src = &CardPictures::FaceBitmapOf(code);
    }
    if (src && !src->isEmpty())
        card.bitBlt(0, 0, src->width(), src->height(), *src, 0, 0, RasterOp::SrcCopy);
    return card;
}

void drawScaled(Canvas& c, int x, int y, const QImage& picture)
{
    CardPictures::DrawImageScaled(x, y, picture, c, GameState::CardWidth, GameState::CardHeight);
}

} // namespace

TSprite::TSprite(int left, int top, int right, int bottom, const TCardCode& code, bool frame, int count,
                 const TSpr& run)
    : FWidth(right - left), FHeight(bottom - top), FLeft(left), FTop(top),
      Classic(Scaling::ClassicCardMode == 1)
{
    const int game = GameState::CurrentGameId;
    if (Classic) {
        const int w = FWidth;
        const int hgt = FHeight;
        // A count of 0 (drag sprites) is one card: a negative stack edge would cut the
        // bottom of the card off.
        const int e = (game == 17 && count > 1) ? (count - 1) * 2 : 0;
        const int inset = GameState::CardInset;
        const Canvas card = classicCard(code);

        FAndMask = Canvas(std::max(1, w), std::max(1, hgt + e), platform::clWhite);
        FAndMask.pen.color = platform::clBlack;
        FAndMask.brush.color = platform::clBlack;
        if (!frame)
            FAndMask.roundRect(0, 0, w, hgt + e, 5, 5);
        else
            FAndMask.roundRect(inset, inset, w - inset, hgt - inset, 5, 5);

        FOrImage = Canvas(std::max(1, w), std::max(1, hgt + e), platform::clBlack);
        auto drawCard = [&](int x, int y) {
            FOrImage.bitBlt(x, y, card.width(), card.height(), card, 0, 0, RasterOp::SrcCopy);
        };
        if (!frame && game == 17) {
            if (count != 1) {
                FOrImage.pen.color = platform::clBlack;
                FOrImage.brush.color = platform::clWhite;
                for (int i = count - 1; i >= 0; --i)
                    FOrImage.roundRect(0, 2 * i, w, 2 * i + 96, 7, 7);
            }
            drawCard(1, 1);
        } else if (!frame) {
            drawCard(1, 1);
        } else if (game != 19 && game != 401 && game != 402) {
            if (Form1 && Form1->ImageStol)
                FOrImage.bitBlt(inset, inset, w - 2 * inset, hgt - 2 * inset, Form1->ImageStol->canvas(),
                                left + inset, top + inset, RasterOp::SrcCopy);
        } else {
            drawCard(inset + 1, inset + 1);
        }

        const int l = frame ? inset : 0;
        const int r = w - 1 - l;
        for (const QPoint p : {QPoint(l, l), QPoint(l + 1, l), QPoint(l, l + 1), QPoint(r - 1, l), QPoint(r, l),
                               QPoint(r, l + 1), QPoint(l, l + 95 + e), QPoint(l + 1, l + 95 + e),
                               QPoint(l, l + 94 + e), QPoint(r - 1, l + 95 + e), QPoint(r, l + 95 + e),
                               QPoint(r, l + 94 + e)})
            FOrImage.setPixel(p.x(), p.y(), platform::clBlack);
        return;
    }

    int w = GameState::CardWidth;
    int h = GameState::CardHeight;
    const int k = std::clamp(run.K, 1, 53);
    if (code == cards::NoPicture) {
        if (run.G <= 2)
            w += (k - 1) * run.H;
        else
            h += (k - 1) * run.H;
    }
    ImBMP1 = Canvas(std::max(1, w), std::max(1, h), SpriteKeyColor);
    ImBMP2 = ImBMP1;
    if (code == BackCode) {
        drawScaled(ImBMP2, 0, 0, CardPictures::BackImages[std::clamp(CardDrawing::CurrentBackIndex, 1, 10)]);
    } else if (code == cards::NoPicture) {
        if (run.G == 1)
            for (int i = 1; i <= k; ++i)
                drawScaled(ImBMP2, (i - 1) * run.H, 0, CardPictures::FaceImageOf(run.C[i]));
        else if (run.G == 2)
            for (int i = k; i >= 1; --i)
                drawScaled(ImBMP2, (i - 1) * run.H, 0, CardPictures::FaceImageOf(run.C[k - i + 1]));
        else if (run.G == 3)
            for (int i = 1; i <= k; ++i)
                drawScaled(ImBMP2, 0, (i - 1) * run.H, CardPictures::FaceImageOf(run.C[i]));
    } else if (!(code == cards::NoCard || code == cards::Empty)) {
        drawScaled(ImBMP2, 0, 0, CardPictures::FaceImageOf(code));
    }
}

void SpriteMoveTo(int x, int y, int target)
{
    if (!CurrentSprite)
        return;
    TSprite& s = *CurrentSprite;
    const QRect old(s.FLeft, s.FTop, s.FWidth, s.FHeight);
    s.FLeft = x;
    s.FTop = y;
    QRegion update(old.adjusted(-2, -2, 2, 2));
    // After a jump of more than two pixels the new place lies partly outside the widened
    // old rectangle: show it too, or the sprite would appear cut.
    if (std::abs(x - old.x()) > 2 || std::abs(y - old.y()) > 2)
        update += QRect(x, y, s.FWidth, s.FHeight).adjusted(-2, -2, 2, 2);
    takeTiles(update);
    SpriteWork.bitBlt(old.x(), old.y(), old.width(), old.height(), SpriteBackground, old.x(), old.y(),
                      RasterOp::SrcCopy);
    if (s.Classic) {
        SpriteWork.bitBlt(x, y, s.FWidth, s.FHeight, s.FAndMask, 0, 0, RasterOp::SrcAnd);
        SpriteWork.bitBlt(x, y, s.FWidth, s.FHeight, s.FOrImage, 0, 0, RasterOp::SrcPaint);
    } else {
        s.ImBMP1.bitBlt(0, 0, s.FWidth, s.FHeight, SpriteWork, x, y, RasterOp::SrcCopy);
        s.ImBMP1.drawTransparent(0, 0, s.ImBMP2, SpriteKeyColor);
        SpriteWork.bitBlt(x, y, s.FWidth, s.FHeight, s.ImBMP1, 0, 0, RasterOp::SrcCopy);
    }
    copyToTarget(update, target);
}

void SpriteHide(int /*x*/, int /*y*/, int target)
{
    if (!CurrentSprite)
        return;
    const TSprite& s = *CurrentSprite;
    const QRect shown(s.FLeft - 2, s.FTop - 2, s.FWidth + 2, s.FHeight + 2);
    takeTiles(shown.united(QRect(s.FLeft, s.FTop, s.FWidth, s.FHeight)));
    SpriteWork.bitBlt(s.FLeft, s.FTop, s.FWidth, s.FHeight, SpriteBackground, s.FLeft, s.FTop,
                      RasterOp::SrcCopy);
    copyToTarget(QRegion(shown), target == 0 ? 0 : 1);
}

void SpriteFly(int x1, int y1, int x2, int y2, int speed, const TCardCode& code, int count)
{
    // Nothing to step along; callers never start one, but it must not hang or divide
    // by zero.
    if (x1 == x2 && y1 == y2)
        return;
    const int game = GameState::CurrentGameId;
    if (game == 17 && Form1)
        TakeTableForSprite(Form1->FormCanvas());
    else if (Form1 && Form1->ImageStol)
        TakeTableForSprite(Form1->ImageStol->canvas());
    else
        TakeTableForSprite(Canvas());
    CurrentSprite = std::make_unique<TSprite>(x1, y1, x1 + GameState::CardWidth, y1 + GameState::CardHeight,
                                              code, false, count, GameState::DragRun);
    SpriteMoveTo(x1, y1, 0);
    GameState::FlightActive = 1;

    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    long long x = x1;
    long long y = y1;
    int steps = 0;
    int pauseCounter = 0;
    bool repainted = false;
    platform::StepPacer pacer;
    while (true) {
        ++steps;
        if (alongX) {
            x += (x2 >= x1) ? 1 : -1;
            y = y1 + Scaling::RoundHalfEven(static_cast<double>(dy) * static_cast<double>(x - x1)
                                            / static_cast<double>(dx));
        } else {
            y += (y2 >= y1) ? 1 : -1;
            x = x1 + Scaling::RoundHalfEven(static_cast<double>(dx) * static_cast<double>(y - y1)
                                            / static_cast<double>(dy));
        }
        const bool arrived = x == x2 && y == y2;
        if (!(speed == 6 && steps == 1 && !arrived)) {
            SpriteMoveTo(static_cast<int>(x), static_cast<int>(y), 0);
            if (g_stepListener)
                g_stepListener(static_cast<int>(x), static_cast<int>(y));
            if (game == 18 && !repainted && Form1 && Form1->ImageStol) {
                Form1->ImageStol->repaintNow();
                repainted = true;
            }
            switch (speed) {
            case 1:
                pacer.pause(2);
                break;
            case 2:
                pacer.pause(1);
                break;
            case 3:
                if (pauseCounter == 0) {
                    pauseCounter = 1;
                } else {
                    pauseCounter = 0;
                    pacer.pause(1);
                }
                break;
            case 4:
                if (pauseCounter < 2) {
                    ++pauseCounter;
                } else {
                    pauseCounter = 0;
                    pacer.pause(1);
                }
                break;
            default:
                break;
            }
        }
        if (arrived)
            break;
    }
    if (game == 19 || (game == 17 && count == 13))
        SpriteHide(static_cast<int>(x), static_cast<int>(y), 0);
    FreeSprite();
    GameState::FlightActive = 0;
}

void TakeTableForSprite()
{
    if (Form1 && Form1->ImageStol)
        TakeTableForSprite(Form1->ImageStol->canvas());
    else
        TakeTableForSprite(Canvas());
}

void TakeTableForSprite(const platform::Canvas& source)
{
    const int tw = Scaling::TableWidth;
    const int th = Scaling::TableHeight;
    g_lazy = TLazyTable{};
    SpriteBackground = tablePicture(g_spareBackground, tw, th);
    SpriteWork = tablePicture(g_spareWork, tw, th);
    if (source.width() < tw || source.height() < th) {
        SpriteBackground.brush.color = platform::clWhite;
        SpriteBackground.fillRect(0, 0, tw, th);
    }
    SpriteBackground.bitBlt(0, 0, tw, th, source, 0, 0, RasterOp::SrcCopy);
    SpriteWork.bitBlt(0, 0, tw, th, SpriteBackground, 0, 0, RasterOp::SrcCopy);
}

void TakeTableForDrag()
{
    const int tw = Scaling::TableWidth;
    const int th = Scaling::TableHeight;
    SpriteBackground = tablePicture(g_spareBackground, tw, th);
    SpriteWork = tablePicture(g_spareWork, tw, th);
    g_lazy.active = true;
    g_lazy.columns = (tw + TileSize - 1) / TileSize;
    g_lazy.rows = (th + TileSize - 1) / TileSize;
    g_lazy.taken.assign(std::size_t(g_lazy.columns) * std::size_t(g_lazy.rows), false);
}

void FreeSprite()
{
    CurrentSprite.reset();
    FreeSpriteTables();
}

void FreeSpriteTables()
{
    g_lazy = TLazyTable{};
    g_spareBackground = SpriteBackground.image();
    g_spareWork = SpriteWork.image();
    SpriteBackground = Canvas();
    SpriteWork = Canvas();
}

void ShowOnForm(const platform::Canvas& source, const QRegion& region)
{
    if (!Form1)
        return;
    platform::Canvas& form = Form1->FormCanvas();
    platform::PictureControl* stol = Form1->ImageStol;
    const bool overTable = stol && stol->isVisible();
    for (const QRect& r : region) {
        form.bitBlt(r.x(), r.y(), r.width(), r.height(), source, r.x(), r.y(), RasterOp::SrcCopy);
        if (overTable)
            stol->canvas().bitBlt(r.x(), r.y(), r.width(), r.height(), source, r.x(), r.y(), RasterOp::SrcCopy);
    }
    // A flight gives the event loop no time: what is visible is painted right away.
    if (overTable)
        stol->repaint(region);
    else if (Form1->FormArea() && Form1->FormArea()->isVisible())
        Form1->FormArea()->repaint(region);
}

QRegion LastScreenUpdate()
{
    return g_lastUpdate;
}

void SetFlightStepListenerForTest(std::function<void(int, int)> f)
{
    g_stepListener = std::move(f);
}

} // namespace Sprite
