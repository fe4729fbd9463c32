#include "app/WindowSize.h"
#include "platform/Memory.h"

#include "foundation/CardPictures.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/StartScreen.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <QGuiApplication>
#include <QScreen>

namespace WindowSize {

namespace {

struct Size {
    int width, height;
    double zoom;
};

Size fixedSize(int windowSize)
{
    switch (windowSize) {
    case 3: return {990, 650, 1.3};
    case 4: return {1290, 850, 1.7};
    case 5: return {1520, 1000, 2.0};
    default: return {760, 500, 1.0};
    }
}

QRect g_screenForTest;

} // namespace

void SetScreenAreaForTest(const QRect& area)
{
    g_screenForTest = area;
}

void SetZoomFor(int windowSize, int screenWidth, int screenHeight)
{
    using namespace Scaling;
    if (windowSize == 2) {
        TableWidth = screenWidth;
        TableHeight = screenHeight;
        ScaleX = TableWidth / 760.0;
        ScaleY = TableHeight / 500.0;
        Scale = std::min(ScaleX, ScaleY);
        return;
    }
    const Size s = fixedSize(windowSize);
    TableWidth = s.width;
    TableHeight = s.height;
    Scale = ScaleX = ScaleY = s.zoom;
}

void SetCardSize()
{
    using namespace Scaling;
    using GameState::CardHeight;
    using GameState::CardWidth;
    const bool wide = CardPictures::WideCardFaces;
    CardWidth = 71;
    CardHeight = 96;
    ClassicCardMode = 1;
    if (Scale >= 1.3) {
        CardWidth = Scaled(wide ? 71 : 61);
        CardHeight = Scaled(96);
        ClassicCardMode = 0;
    }
    if (Scale >= 2.0) {
        CardWidth = wide ? 146 : 126;
        CardHeight = 198;
        ClassicCardMode = 2;
    }
}

QSize FullScreenClientSize(const QSize& workArea, const QSize& frame)
{
    return {std::max(1, workArea.width() - std::max(0, frame.width())),
            std::max(1, workArea.height() - std::max(0, frame.height()))};
}

int FittingWindowSize(int windowSize, int screenWidth, int screenHeight)
{
    if (windowSize == 2 || windowSize == 1)
        return windowSize;
    for (int candidate : {windowSize, 4, 3}) {
        if (candidate > windowSize)
            continue;
        const Size s = fixedSize(candidate);
        if (s.width <= screenWidth && s.height <= screenHeight)
            return candidate;
    }
    return 1;
}

void ApplyWindowSize(TTableSurface& form)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    const QRect avail = !g_screenForTest.isEmpty() ? g_screenForTest
                        : screen                     ? screen->availableGeometry()
                                                     : QRect(0, 0, 1920, 1080);
    Settings::WindowSize = FittingWindowSize(Settings::WindowSize, avail.width(), avail.height());
    if (Settings::WindowSize == 2) {
        const QSize frame = form.frameGeometry().size() - form.geometry().size();
        const int menu = form.menuWidget() ? form.menuWidget()->sizeHint().height() : 0;
        const QSize client = FullScreenClientSize(avail.size(), frame + QSize(0, menu));
        SetZoomFor(2, client.width(), client.height());
        form.move(avail.topLeft());
    } else {
        SetZoomFor(Settings::WindowSize, avail.width(), avail.height());
    }
    form.SetClientSize(Scaling::TableWidth, Scaling::TableHeight);

    CardPictures::LoadTableBackground();
    platform::Canvas& c = form.FormCanvas();
    c.setSize(Scaling::TableWidth, Scaling::TableHeight);
    if (!CardPictures::TableBackground.isNull())
        c.draw(0, 0, CardPictures::TableBackground);
    form.FormArea()->invalidate();
    FontsAndCursors::ApplyFormFonts();
    StartScreen::ShowMainMenu(0, 0);

    SetCardSize();
    if (CardPictures::CardPicturesPending()) {
        // Nothing has shown a card yet: check the decks, decode them when first shown.
        if (!CardPictures::PrepareCardPictures())
            Settings::FaceDeckNo = 0;
    } else {
        if (!CardPictures::LoadCardFaces())
            Settings::FaceDeckNo = 0;
        if (!CardPictures::LoadCardBacks())
            Settings::BackDeckNo = 0;
    }
    CardPictures::NarrowCardPad = (Settings::FaceDeckNo <= 27 || Settings::WindowSize == 1) ? 0 : 5;
    // The pictures of the old size and the libraries read for the new one are let go.
    platform::ReturnFreedMemory();
}

} // namespace WindowSize
