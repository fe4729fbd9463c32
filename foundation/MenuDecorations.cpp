#include "foundation/MenuDecorations.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/AccountClient.h"
#include "foundation/CardPictures.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QTimer>

namespace MenuDecorations {

namespace {

constexpr platform::TColor kTableGreen = platform::rgbColor(0, 128, 0);
constexpr platform::TColor kFaceColour = platform::rgbColor(240, 240, 240);

// The table under a control at (left, top): the background picture, or the plain table
// colour when none is in use.
void paintBackgroundUnder(platform::Canvas& c, int left, int top)
{
    if (Settings::BackgroundNo != 0 && !CardPictures::TableBackground.isNull()) {
        c.draw(-left, -top, CardPictures::TableBackground);
    } else {
        c.brush.color = kTableGreen;
        c.brush.style = platform::BrushStyle::Solid;
        c.fillRect(0, 0, c.width(), c.height());
    }
}

void placeIcon(platform::PictureControl& icon, int x, const QString& resource, const QString& hint)
{
    icon.setGeometry(x, 5, 48, 48);
    icon.setPictureSize(48, 48);
    if (!resource.isEmpty())
        PaintOverBackground(icon, resource);
    icon.setToolTip(hint);
    FontsAndCursors::UseCursor(&icon, FontsAndCursors::CursorKind::Hand);
    icon.show();
}

} // namespace

void PaintOverBackground(platform::PictureControl& control, const QString& resource)
{
    platform::Canvas& c = control.canvas();
    paintBackgroundUnder(c, control.x(), control.y());
    c.draw(0, 0, platform::resources::image(resource));
    control.invalidate();
}

void PlaceIconBar()
{
    if (!Form1)
        return;
    TTableSurface& f = *Form1;
    const int w = f.ClientWidth();
    placeIcon(*f.ImAn, 5, QStringLiteral("Android"),
              Texts::Tx(Texts::TxtDownload) + QStringLiteral(" \"Vardelin.apk\""));
    f.ImAc->setGeometry(58, 5, 48, 48);
    f.ImAc->setPictureSize(48, 48);
    FontsAndCursors::UseCursor(f.ImAc, FontsAndCursors::CursorKind::Hand);
    DrawAccountIcon(Online::OnlineState);
    placeIcon(*f.ImHp, 111, QStringLiteral("Help48"), Texts::Tx(Texts::TxtHelp));
    placeIcon(*f.ImGP, 164, QStringLiteral("GPlay"),
              QStringLiteral("\"Vardelin\"") + Texts::Tx(Texts::TxtOn) + QStringLiteral("Google Play"));
    f.ImGP->setVisible(!StoreLink.isEmpty());
    placeIcon(*f.ImSt, w - 159, QStringLiteral("Stat48"), Texts::Tx(Texts::TxtStatistics));
    placeIcon(*f.ImCh, w - 106, QStringLiteral("GChat048"), QStringLiteral("Qyv Chat"));
    placeIcon(*f.ImWT, w - 53, QStringLiteral("Earth48"), QStringLiteral("World Top 10"));
}

void DrawAccountIcon(int state)
{
    if (!Form1)
        return;
    platform::PictureControl& icon = *Form1->ImAc;
    PaintOverBackground(icon, QStringLiteral("Account48"));
    const char* lamp = state == 3 ? "LampG24" : state == 2 ? "LampY24" : "LampR24";
    icon.canvas().draw(24, 0, platform::resources::image(QLatin1String(lamp)));
    icon.setToolTip(Texts::Tx(state == 3   ? Texts::TxtGameOnRating
                              : state == 2 ? Texts::TxtLoggedIn
                                           : Texts::TxtNotLoggedIn));
    icon.invalidate();
    icon.show();
}

void PlaceCandles()
{
    if (!Form1)
        return;
    for (platform::PictureControl* candle : {Form1->ImageSvLeft, Form1->ImageSvRight}) {
        candle->resize(100, 200);
        candle->setPictureSize(100, 200);
        // The picture covers the control: nothing under it needs painting when a flame changes.
        candle->setAttribute(Qt::WA_OpaquePaintEvent);
        PaintOverBackground(*candle, QStringLiteral("Candles"));
        candle->show();
    }
}

bool LayoutCalendarImages()
{
    if (!Form1)
        return false;
    TTableSurface& f = *Form1;
    using Scaling::RoundHalfEven;
    const int top = RoundHalfEven((Scaling::ScaleY - 1) * 100 / 2) + RoundHalfEven(Scaling::ScaleY * 95);
    f.ImCalL->setGeometry(RoundHalfEven((Scaling::ScaleX - 1) * 60 / 2) + RoundHalfEven(Scaling::ScaleX * 150), top, 60, 100);
    f.ImCalR->setGeometry(RoundHalfEven((Scaling::ScaleX - 1) * 60 / 2) + RoundHalfEven(Scaling::ScaleX * 550), top, 60, 100);
    for (int i = 1; i <= 8; ++i) {
        platform::Canvas bmp(60, 100);
        const QWidget* under = (i == 1) ? f.ImCalL : f.ImCalR;
        paintBackgroundUnder(bmp, under->x(), under->y());
        CalendarInfo.TB[i] = bmp.image();
        CalendarInfo.Hint[i].clear();
    }
    int count = 0;
    if (!DrawCalendarPage(QStringLiteral("Comic Sans MS"), 0, 0, count, CalendarInfo, Texts::LanguageIndex)) {
        f.ImCalL->hide();
        f.ImCalR->hide();
        f.TimerCal->stop();
        return false;
    }
    CalendarPicCount = count;
    f.ImCalL->setPicture(CalendarInfo.TB[1]);
    f.ImCalL->setToolTip(CalendarInfo.Hint[1]);
    f.TimerCal->setInterval(10000);
    f.TimerCal->start();
    f.ImCalL->show();
    f.ImCalR->show();
    f.ImCalR->setPicture(CalendarInfo.TB[2]);
    f.ImCalR->setToolTip(CalendarInfo.Hint[2]);
    CalendarPicIndex = count < 3 ? 2 : 3;
    return true;
}

void DrawScrollPicture(platform::PictureControl& image)
{
    platform::Canvas& c = image.canvas();
    c.brush.color = kFaceColour;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    c.draw(0, 0, platform::resources::image(QStringLiteral("Svitok")));
    image.invalidate();
}

} // namespace MenuDecorations
