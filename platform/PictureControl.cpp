#include "platform/PictureControl.h"

#include <QPalette>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <exception>

namespace platform {

namespace {

MouseButton buttonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

ShiftState shiftOf(const QMouseEvent* e)
{
    ShiftState s = 0;
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m & Qt::ShiftModifier)
        s |= ssShift;
    if (m & Qt::AltModifier)
        s |= ssAlt;
    if (m & Qt::ControlModifier)
        s |= ssCtrl;
    const Qt::MouseButtons b = e->buttons();
    if (b & Qt::LeftButton)
        s |= ssLeft;
    if (b & Qt::RightButton)
        s |= ssRight;
    if (b & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

std::function<void(const QString&)>& errorReporter()
{
    static std::function<void(const QString&)> reporter;
    return reporter;
}

template <typename F>
void guarded(F&& call)
{
    try {
        call();
    } catch (const std::exception& e) {
        const QString message = QString::fromLocal8Bit(e.what());
        if (errorReporter())
            errorReporter()(message);
        else
            qWarning("Mouse handler failed: %s", e.what());
    } catch (...) {
        if (errorReporter())
            errorReporter()(QStringLiteral("Unknown error"));
        else
            qWarning("Mouse handler failed");
    }
}

} // namespace

void setEventErrorReporter(std::function<void(const QString& message)> reporter)
{
    errorReporter() = std::move(reporter);
}

PictureControl::PictureControl(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    canvas_.setChangeListener([this] { pictureChanged(); });
}

PictureControl::~PictureControl() = default;

Canvas& PictureControl::canvas()
{
    if (canvas_.isEmpty() && width() > 0 && height() > 0)
        canvas_.setSize(width(), height());
    return canvas_;
}

void PictureControl::setPictureSize(int width, int height)
{
    canvas_.setSize(width, height);
}

void PictureControl::setPicture(const QImage& picture)
{
    canvas_.assign(picture);
}

void PictureControl::setStretch(bool on)
{
    if (stretch_ != on) {
        stretch_ = on;
        update();
    }
}

void PictureControl::invalidate(const QRect& r)
{
    update(r);
}

void PictureControl::invalidate(const QRegion& r)
{
    update(r);
}

void PictureControl::invalidate()
{
    update();
}

void PictureControl::repaintNow()
{
    repaint();
}

void PictureControl::pictureChanged()
{
    // Drawing calls come by the thousand; one pending update covers them all.
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

void PictureControl::paintEvent(QPaintEvent* e)
{
    updatePending_ = false;
    if (canvas_.isEmpty())
        return;
    QPainter p(this);
    if (stretch_) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(rect(), canvas_.image());
    } else {
        // Only the parts asked for: a flame or a moved card repaints its own rectangle.
        const QRect picture = canvas_.image().rect();
        for (const QRect& r : e->region()) {
            const QRect part = r & picture;
            if (!part.isEmpty())
                p.drawImage(part.topLeft(), canvas_.image(), part);
        }
    }
}

void PictureControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        clicked_ = true;
    if (onMouseDown) {
        const QPoint p = e->position().toPoint();
        guarded([&] { onMouseDown(buttonOf(e->button()), shiftOf(e), p.x(), p.y()); });
    }
}

void PictureControl::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouseMove) {
        const QPoint p = e->position().toPoint();
        guarded([&] { onMouseMove(shiftOf(e), p.x(), p.y()); });
    }
}

void PictureControl::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton && clicked_) {
        clicked_ = false;
        if (onClick && rect().contains(p))
            guarded([&] { onClick(); });
    }
    if (onMouseUp)
        guarded([&] { onMouseUp(buttonOf(e->button()), shiftOf(e), p.x(), p.y()); });
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click: the double-click handler first, then the
    // press handler; its release is no click of its own.
    clicked_ = false;
    if (onDblClick)
        guarded([&] { onDblClick(); });
    if (onMouseDown) {
        const QPoint p = e->position().toPoint();
        guarded([&] { onMouseDown(buttonOf(e->button()), shiftOf(e) | ssDouble, p.x(), p.y()); });
    }
}

PictureControl* newPictureAt(QWidget* parent, int x, int y, int w, int h)
{
    auto* p = new PictureControl(parent);
    p->setGeometry(x, y, w, h);
    p->setPictureSize(w, h);
    return p;
}

void fillWithWindowColour(PictureControl& control)
{
    Canvas& c = control.canvas();
    c.brush.color = fromQColor(control.palette().color(QPalette::Window));
    c.brush.style = BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
}

} // namespace platform
