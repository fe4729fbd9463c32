#pragma once
// What the passport, world top ten, result sender and chat windows share: fonts in the
// program's serif face, their cursors, the head of the window (icon, caption picture,
// divider), the title of the world windows and the refresh button.
#include <QString>
#include <functional>
#include <initializer_list>

class QTimer;
class QWidget;
namespace platform {
class PictureControl;
}

namespace Online {

// The widget's font: the program's serif face at FontHeightFor(size, role).
void SetWindowFont(QWidget* widget, int size, const QString& role, bool bold);
// The same for drawing on a picture.
void SetPictureFont(platform::PictureControl& image, int size, const QString& role);
// The arrow on the window, the hand on its buttons, the text cursor on its fields.
void SetWindowCursors(QWidget& window, std::initializer_list<QWidget*> hands,
                      std::initializer_list<QWidget*> fields = {});
// The icon at (0, 0) of Icon, the caption picture at (CaptionX, 0) of Caption, both on
// the face colour, and the divider.
void DrawWindowHead(platform::PictureControl& Icon, const QString& IconName, platform::PictureControl& Caption,
                    const QString& CaptionName, int CaptionX, platform::PictureControl& Divider);
// "World Top Ten - " and the current game's name.
QString WorldWindowTitle();

// The refresh button of the world and chat windows: the picture at (1, 1) while pressed,
// else at (0, 0), on the face colour.
void DrawRefreshButton(platform::PictureControl& Image, const QString& ResourceName, bool Pressed);
// Its looks: green while the pointer is on it, pressed while the button is held (the
// window draws it red again when the pointer moves over the form); Click runs on a click.
// Returns the running timer that shows the button again every Interval milliseconds by
// calling Tick.
QTimer* WireRefreshButton(platform::PictureControl& Image, std::function<void()> Click, int Interval,
                          std::function<void()> Tick);

} // namespace Online
