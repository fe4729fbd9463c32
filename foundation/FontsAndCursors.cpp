#include "foundation/FontsAndCursors.h"

#include <QFontMetricsF>

#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "platform/AtomicFile.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace FontsAndCursors {

namespace {

struct FontRow {
    QPointer<QWidget> control;
    std::function<FontChoice()> rule;
};

std::vector<FontRow>& fontRows()
{
    static std::vector<FontRow> rows;
    return rows;
}

} // namespace

QString FontNameOf(const QString& role)
{
    if (role == QLatin1String("times"))
        return Settings::FontTimesName;
    if (role == QLatin1String("serif"))
        return Settings::FontSerifName;
    if (role == QLatin1String("couri"))
        return Settings::FontCouriName;
    if (role == QLatin1String("conew"))
        return Settings::FontConewName;
    return {};
}

FontChoice RoleFont(const QString& role, int size, bool bold)
{
    return {FontNameOf(role), Scaling::FontHeightFor(size, role), bold};
}

FontChoice ClubListFont()
{
    if (Settings::WindowSize == 1) {
        // "fixed" is no role: the height stays the control's own.
        return {Settings::FontCouriName, Scaling::FontHeightFor(11, QStringLiteral("fixed")), false};
    }
    return {Settings::FontConewName,
            Scaling::FontHeightFor(Scaling::RoundHalfEven(16 * Scaling::Scale), QStringLiteral("conew")), true};
}

FontChoice GameButtonFont()
{
    const double k = Settings::WindowSize == 1 ? 1.0 : 0.9;
    return {Settings::FontTimesName,
            Scaling::RoundHalfEven(Scaling::FontHeightFor(20, QStringLiteral("times")) * Scaling::Scale * k), true};
}

void RegisterFontRow(QWidget* control, std::function<FontChoice()> rule)
{
    if (control && rule)
        fontRows().push_back({control, std::move(rule)});
}

void RegisterFontRow(QWidget* control, const QString& role, int size, bool bold)
{
    RegisterFontRow(control, [role, size, bold] { return RoleFont(role, size, bold); });
}

void ClearFontRowsForTest()
{
    fontRows().clear();
}

void ApplyFontChoice(QWidget* control, const FontChoice& choice)
{
    if (!control)
        return;
    if (auto* picture = qobject_cast<platform::PictureControl*>(control)) {
        platform::Font& f = picture->canvas().font;
        f.name = choice.name;
        if (choice.height != 0)
            f.height = choice.height;
        f.bold = choice.bold;
        return;
    }
    QFont f = control->font();
    f.setFamily(platform::resolvedFamily(choice.name));
    f.setBold(choice.bold);
    if (choice.height != 0)
        f.setPixelSize(ControlPixelSize(f, choice.height));
    control->setFont(f);
}

int ControlPixelSize(const QFont& font, int height)
{
    if (height <= 0)
        return std::max(1, -height);
    // A positive height is the whole cell, internal leading included, as the stored
    // font settings mean it; the glyphs themselves are smaller by that leading.
    QFont probe(font);
    probe.setPixelSize(100);
    const QFontMetricsF m(probe);
    const double cell = m.ascent() + m.descent();
    if (cell <= 0)
        return height;
    return std::max(1, Scaling::RoundHalfEven(height * 100.0 / cell));
}

void ApplyFormFonts()
{
    auto& rows = fontRows();
    std::erase_if(rows, [](const FontRow& r) { return r.control.isNull(); });
    for (const FontRow& r : rows)
        ApplyFontChoice(r.control, r.rule());

    if (Form1) {
        const FontChoice club = ClubListFont();
        for (QWidget* w : {static_cast<QWidget*>(Form1->Panel1), static_cast<QWidget*>(Form1->Panel2),
                           static_cast<QWidget*>(Form1->Panel3), static_cast<QWidget*>(Form1->Panel4),
                           static_cast<QWidget*>(Form1->Button1), static_cast<QWidget*>(Form1->Button2),
                           static_cast<QWidget*>(Form1->Button3), static_cast<QWidget*>(Form1->Button4),
                           static_cast<QWidget*>(Form1->Button5)}) {
            // Height 0 here is the default height, not whatever a larger window size left.
            if (club.height == 0)
                w->setFont(QFont());
            ApplyFontChoice(w, club);
        }
        const FontChoice game = GameButtonFont();
        for (QWidget* w : {Form1->Button6, Form1->Button9, Form1->Button10, Form1->Button11, Form1->Button7,
                           Form1->Button8})
            ApplyFontChoice(w, game);
    }

    TextColor1 = 0x001F0D99;
    TextColor2 = 0x002A5FF6;
    TextColor3 = 0x003E846E;
    TextColor4 = 0x00867460;
    TextColor5 = 0x00B54800;
}

void ProgramFolder(QString& Folder)
{
    Folder = platform::programFolder();
    if (!Folder.endsWith(QLatin1Char('/')))
        Folder += QLatin1Char('/');
}

bool SaveResourceToFile(const QString& Name, const QString& /*Type*/, const QString& FileName)
{
    if (!platform::resources::exists(Name))
        return false;
    return platform::writeFileAtomically(FileName, platform::resources::find(Name));
}

const QCursor& AnimatedCursor::FrameAt(qint64 elapsedMs) const
{
    static const QCursor arrow(Qt::ArrowCursor);
    if (Frames.isEmpty())
        return arrow;
    if (elapsedMs < 0 || FrameMs <= 0)
        return Frames.front();
    return Frames[static_cast<int>((elapsedMs / FrameMs) % Frames.size())];
}

AnimatedCursor AnimatedCursorFromBytes(const QByteArray& bytes)
{
    AnimatedCursor c;
    QImage strip;
    if (!bytes.isEmpty())
        strip.loadFromData(bytes, "PNG");
    const int size = strip.height();
    if (strip.isNull() || size <= 0 || strip.width() < size) {
        c.Frames = {QCursor(Qt::ArrowCursor)};
        return c;
    }
    int hx = 0, hy = 0;
    const QStringList hot = strip.text(QStringLiteral("HotSpot")).split(QLatin1Char(','));
    if (hot.size() == 2) {
        hx = std::clamp(hot[0].trimmed().toInt(), 0, size - 1);
        hy = std::clamp(hot[1].trimmed().toInt(), 0, size - 1);
    }
    bool ok = false;
    const int delay = strip.text(QStringLiteral("Delay")).toInt(&ok);
    if (ok && delay > 0)
        c.FrameMs = delay;
    for (int x = 0; x + size <= strip.width(); x += size)
        c.Frames.append(QCursor(QPixmap::fromImage(strip.copy(x, 0, size, size)), hx, hy));
    c.Loaded = true;
    return c;
}

AnimatedCursor LoadAnimatedCursor(const QString& Name)
{
    return AnimatedCursorFromBytes(platform::resources::find(Name));
}

void SetAnimatedCursor(QWidget* control, const AnimatedCursor& cursor)
{
    if (!control)
        return;
    const QString timerName = QStringLiteral("animatedCursorTimer");
    delete control->findChild<QTimer*>(timerName, Qt::FindDirectChildrenOnly);
    control->setCursor(cursor.FrameAt(0));
    if (cursor.Frames.size() < 2)
        return;
    auto* timer = new QTimer(control);
    timer->setObjectName(timerName);
    timer->setInterval(cursor.FrameMs);
    auto frame = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, control, [control, cursor, frame] {
        *frame = (*frame + 1) % static_cast<int>(cursor.Frames.size());
        control->setCursor(cursor.Frames[*frame]);
    });
    timer->start();
}

const AnimatedCursor& CursorOf(CursorKind kind, int set)
{
    static const auto system = [](Qt::CursorShape shape) {
        AnimatedCursor c;
        c.Frames = {QCursor(shape)};
        return c;
    };
    static const AnimatedCursor systemSet[3] = {system(Qt::ArrowCursor), system(Qt::PointingHandCursor),
                                                system(Qt::IBeamCursor)};
    static const AnimatedCursor ownSet[3] = {LoadAnimatedCursor(QStringLiteral("CURARROW")),
                                             LoadAnimatedCursor(QStringLiteral("CURHAND")),
                                             LoadAnimatedCursor(QStringLiteral("CUREDIT"))};
    const int k = static_cast<int>(kind);
    if (set == 1 && ownSet[k].Loaded)
        return ownSet[k];
    return systemSet[k];
}

void SetCursorOf(QWidget* control, CursorKind kind, int set)
{
    SetAnimatedCursor(control, CursorOf(kind, set));
}

int CurrentCursorSet()
{
    return Settings::YellowCursor ? 1 : 0;
}

namespace {

struct CursorRow {
    QPointer<QWidget> control;
    CursorKind kind;
};

std::vector<CursorRow>& cursorRows()
{
    static std::vector<CursorRow> rows;
    return rows;
}

} // namespace

void UseCursor(QWidget* control, CursorKind kind)
{
    if (!control)
        return;
    auto& rows = cursorRows();
    std::erase_if(rows, [control](const CursorRow& r) { return !r.control || r.control == control; });
    rows.push_back({control, kind});
    SetCursorOf(control, kind, CurrentCursorSet());
}

void ApplyRegisteredCursors()
{
    auto& rows = cursorRows();
    std::erase_if(rows, [](const CursorRow& r) { return !r.control; });
    for (const CursorRow& r : rows)
        SetCursorOf(r.control, r.kind, CurrentCursorSet());
}

} // namespace FontsAndCursors
