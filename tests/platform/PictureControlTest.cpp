#include "platform/PictureControl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace platform;

namespace {

struct Recorder {
    QStringList events;

    void attach(PictureControl& c)
    {
        c.onMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
            events << QStringLiteral("down %1 %2 %3,%4").arg(b).arg((s & ssDouble) ? "dbl" : "-").arg(x).arg(y);
        };
        c.onMouseUp = [this](MouseButton b, ShiftState, int x, int y) {
            events << QStringLiteral("up %1 %2,%3").arg(b).arg(x).arg(y);
        };
        c.onMouseMove = [this](ShiftState s, int x, int y) {
            events << QStringLiteral("move %1 %2,%3").arg((s & ssLeft) ? "L" : "-").arg(x).arg(y);
        };
        c.onClick = [this] { events << QStringLiteral("click"); };
        c.onDblClick = [this] { events << QStringLiteral("dblclick"); };
    }
};

void send(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(p), QPointF(w.mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

} // namespace

TEST(PictureControl, DoubleClickCallsDoubleClickThenPress)
{
    PictureControl c;
    c.setGeometry(0, 0, 50, 40);
    Recorder r;
    r.attach(c);
    const QPoint p(10, 12);
    send(c, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    send(c, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    const QStringList expected = {
        "down 0 - 10,12", "click", "up 0 10,12",      // first click
        "dblclick", "down 0 dbl 10,12", "up 0 10,12", // second press is the double click
    };
    EXPECT_EQ(r.events, expected);
}

TEST(PictureControl, ButtonsMovesAndClickOutside)
{
    PictureControl c;
    c.setGeometry(0, 0, 50, 40);
    EXPECT_TRUE(c.hasMouseTracking());
    Recorder r;
    r.attach(c);
    send(c, QEvent::MouseMove, {3, 4}, Qt::NoButton, Qt::NoButton);
    send(c, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    send(c, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    send(c, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseMove, {60, 5}, Qt::NoButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, {60, 5}, Qt::LeftButton, Qt::NoButton);
    const QStringList expected = {
        "move - 3,4",
        "down 1 - 5,5", "up 1 5,5",                         // a right click is no click
        "down 0 - 5,5", "move L 60,5", "up 0 60,5",          // released outside: no click
    };
    EXPECT_EQ(r.events, expected);
}

TEST(PictureControl, PictureTakesControlSizeUntilResized)
{
    PictureControl c;
    c.setGeometry(10, 20, 30, 25);
    EXPECT_EQ(c.canvas().width(), 30);
    EXPECT_EQ(c.canvas().height(), 25);
    c.canvas().setPixel(1, 1, clRed);
    c.setPictureSize(100, 10);
    c.setGeometry(10, 20, 40, 40); // the control's size does not touch the picture
    EXPECT_EQ(c.canvas().width(), 100);
    EXPECT_EQ(c.canvas().height(), 10);
    EXPECT_EQ(c.canvas().pixel(1, 1), clRed);
    EXPECT_EQ(c.canvas().pixel(99, 9), clWhite);
}

TEST(PictureControl, ShowsThePictureOneToOne)
{
    PictureControl c;
    c.setGeometry(0, 0, 8, 8);
    c.setPictureSize(4, 4);
    c.canvas().brush.color = clBlue;
    c.canvas().fillRect(0, 0, 4, 4);
    c.canvas().setPixel(3, 3, clRed);
    const QImage shot = c.grab().toImage();
    EXPECT_EQ(fromQRgb(shot.pixel(0, 0)), clBlue);
    EXPECT_EQ(fromQRgb(shot.pixel(3, 3)), clRed);
}

TEST(PictureControl, AThrowingHandlerIsReportedAndTheNextEventStillArrives)
{
    PictureControl c;
    c.setGeometry(0, 0, 50, 40);
    QStringList reported;
    setEventErrorReporter([&](const QString& m) { reported << m; });
    Recorder r;
    r.attach(c);
    c.onMouseDown = [](MouseButton, ShiftState, int, int) { throw std::out_of_range("index 105 out of 1..104"); };
    send(c, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    send(c, QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton, Qt::NoButton);
    setEventErrorReporter(nullptr);
    EXPECT_EQ(reported, QStringList{"index 105 out of 1..104"});
    EXPECT_EQ(r.events, (QStringList{"click", "up 0 1,1"}));
}
