#pragma once
// A picture on a window: owns a canvas (its picture) and shows it 1:1 from its
// top-left corner. The games draw on the canvas; the control repaints by itself.
// Mouse events arrive in the order the games expect: press, release, double click
// + press, release; moves arrive without a button held.
#include "platform/Canvas.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace platform {

enum MouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event.
using ShiftState = unsigned;
inline constexpr ShiftState ssShift = 1u << 0;
inline constexpr ShiftState ssAlt = 1u << 1;
inline constexpr ShiftState ssCtrl = 1u << 2;
inline constexpr ShiftState ssLeft = 1u << 3;
inline constexpr ShiftState ssRight = 1u << 4;
inline constexpr ShiftState ssMiddle = 1u << 5;
inline constexpr ShiftState ssDouble = 1u << 6;

// Exceptions must not cross Qt's event loop: a mouse handler that throws is stopped at
// the control and its message goes to this reporter (the main window shows it and the
// program goes on). Without a reporter the message is logged. nullptr restores that.
void setEventErrorReporter(std::function<void(const QString& message)> reporter);

class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(QWidget* parent = nullptr);
    ~PictureControl() override;

    // The picture. Its size is independent of the control's; a picture that has no
    // size yet takes the control's size on first use.
    Canvas& canvas();
    const Canvas& canvas() const { return canvas_; }
    // Resizes the picture (the overlapping part is kept, new parts are white).
    void setPictureSize(int width, int height);
    // Replaces the picture.
    void setPicture(const QImage& picture);
    // Draws the picture scaled to the control instead of 1:1.
    void setStretch(bool on);
    bool stretch() const { return stretch_; }

    // Marks a part (or all) of the control for repainting at the next paint.
    void invalidate(const QRect& r);
    void invalidate(const QRegion& r);
    void invalidate();
    // Paints at once (inside a flight that gives the event loop no time).
    void repaintNow();

    std::function<void(MouseButton, ShiftState, int x, int y)> onMouseDown;
    std::function<void(ShiftState, int x, int y)> onMouseMove;
    std::function<void(MouseButton, ShiftState, int x, int y)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void pictureChanged();

    Canvas canvas_;
    bool stretch_ = false;
    bool updatePending_ = false;
    bool clicked_ = false;
};

// A picture control at (x, y), w x h, whose picture has the control's size.
PictureControl* newPictureAt(QWidget* parent, int x, int y, int w, int h);
// Fills the picture with the colour of the window it stands on.
void fillWithWindowColour(PictureControl& control);

} // namespace platform
