#include "online/WorldWindowParts.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/GameTables.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "platform/PictureControl.h"

#include <QTimer>

namespace Online {

void SetWindowFont(QWidget* widget, int size, const QString& role, bool bold)
{
    QFont f = widget->font();
    f.setFamily(platform::resolvedFamily(Settings::FontTimesName));
    f.setPixelSize(qMax(1, Scaling::FontHeightFor(size, role)));
    f.setBold(bold);
    widget->setFont(f);
}

void SetPictureFont(platform::PictureControl& image, int size, const QString& role)
{
    image.canvas().font.name = Settings::FontTimesName;
    image.canvas().font.height = Scaling::FontHeightFor(size, role);
}

void SetWindowCursors(QWidget& window, std::initializer_list<QWidget*> hands, std::initializer_list<QWidget*> fields)
{
    const int set = Settings::YellowCursor ? 1 : 0;
    using FontsAndCursors::CursorKind;
    FontsAndCursors::SetCursorOf(&window, CursorKind::Arrow, set);
    for (QWidget* w : hands)
        FontsAndCursors::SetCursorOf(w, CursorKind::Hand, set);
    for (QWidget* w : fields)
        FontsAndCursors::SetCursorOf(w, CursorKind::IBeam, set);
}

void DrawWindowHead(platform::PictureControl& Icon, const QString& IconName, platform::PictureControl& Caption,
                    const QString& CaptionName, int CaptionX, platform::PictureControl& Divider)
{
    WindowParts::FillFace(Icon);
    WindowParts::DrawPng(Icon, IconName, 0, 0);
    WindowParts::FillFace(Caption);
    WindowParts::DrawPng(Caption, CaptionName, CaptionX, 0);
    WindowParts::DrawDivider(Divider);
}

QString WorldWindowTitle()
{
    QString name;
    GameTables::GameNameOf(name);
    return QStringLiteral("World Top Ten - ") + name;
}

void DrawRefreshButton(platform::PictureControl& Image, const QString& ResourceName, bool Pressed)
{
    WindowParts::FillFace(Image);
    WindowParts::DrawPng(Image, ResourceName, Pressed ? 1 : 0, Pressed ? 1 : 0);
}

QTimer* WireRefreshButton(platform::PictureControl& Image, std::function<void()> Click, int Interval,
                          std::function<void()> Tick)
{
    const QString green = QStringLiteral("AdvButG");
    Image.setMouseTracking(true);
    Image.onMouseDown = [&Image, green](platform::MouseButton, platform::ShiftState, int, int) {
        DrawRefreshButton(Image, green, true);
    };
    Image.onMouseMove = [&Image, green](platform::ShiftState, int, int) { DrawRefreshButton(Image, green, false); };
    Image.onMouseUp = [&Image, green](platform::MouseButton, platform::ShiftState, int, int) {
        DrawRefreshButton(Image, green, false);
    };
    Image.onClick = std::move(Click);
    auto* timer = new QTimer(Image.window());
    timer->setInterval(Interval);
    QObject::connect(timer, &QTimer::timeout, timer, std::move(Tick));
    timer->start();
    return timer;
}

} // namespace Online
