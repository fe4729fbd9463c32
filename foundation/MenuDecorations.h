#pragma once
// The decorations of the menu screen: the icon bar along the top edge, the candles,
// the calendar pictures, and the parchment scroll behind the dialogs' texts. Each is
// painted over the piece of table background under it, so it looks transparent.
#include "platform/Array.h"

#include <QImage>
#include <QString>

namespace platform {
class PictureControl;
}

namespace MenuDecorations {

// Today's calendar pictures (1 the day page, 2 the animal of the year, 3..8 the day's
// holidays and anniversaries) and their hints.
struct TInfoCal {
    platform::Arr<QImage, 8> TB;
    platform::Arr<QString, 8> Hint;
};
inline TInfoCal CalendarInfo;
inline int CalendarPicCount = 0;
inline int CalendarPicIndex = 0;
// Links delivered by the status page at start; the store icon shows only with a link.
inline QString StoreLink;
inline QString DownloadLink;

void PlaceIconBar();
// The account icon with the lamp of the online state (1 red, 2 yellow, 3 green).
void DrawAccountIcon(int state);
void PlaceCandles();
// Places the two calendar pictures and builds today's; True when there is something
// to show.
bool LayoutCalendarImages();
void DrawScrollPicture(platform::PictureControl& image);

// Paints a picture resource over the table background under the control.
void PaintOverBackground(platform::PictureControl& control, const QString& resource);

// Draws today's calendar pictures into Info (whose eight pictures already hold their
// background); False, changing nothing, when the calendar library cannot be opened.
bool DrawCalendarPage(const QString& FontName, int DaySize, int MonthSize, int& PageCount,
                      TInfoCal& Info, int Language);

} // namespace MenuDecorations
