#pragma once
// Fonts and text colours of the windows' controls, the program folder, resources
// written to files, and animated cursors.
#include "platform/Color.h"

#include <QByteArray>
#include <QCursor>
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace FontsAndCursors {

// Shared text colours ($00BBGGRR), set by ApplyFormFonts.
inline platform::TColor TextColor1 = 0x001F0D99; // dark red
inline platform::TColor TextColor2 = 0x002A5FF6; // orange
inline platform::TColor TextColor3 = 0x003E846E; // olive green
inline platform::TColor TextColor4 = 0x00867460; // slate blue-grey
inline platform::TColor TextColor5 = 0x00B54800; // blue

// The font a control gets: a stored font name, a height in pixels (0 keeps the
// control's own height) and the bold style.
struct FontChoice {
    QString name;
    int height = 0;
    bool bold = false;
};

// Font name of a role ("times", "serif", "couri", "conew"); empty for any other text.
QString FontNameOf(const QString& role);
// Name and height FontHeightFor(size, role) of a role.
FontChoice RoleFont(const QString& role, int size, bool bold = false);
// The main window's club list (Panel1..4, Button1..5) at the current window size.
FontChoice ClubListFont();
// The main window's game buttons (Button6..11) at the current window size.
FontChoice GameButtonFont();

// A window registers each control whose font ApplyFormFonts sets, with the rule that
// chooses it. For a picture control the font of its canvas is set. Rows of destroyed
// controls are dropped.
void RegisterFontRow(QWidget* control, std::function<FontChoice()> rule);
void RegisterFontRow(QWidget* control, const QString& role, int size, bool bold = false);
void ClearFontRowsForTest();

// Sets the fonts of every registered control and of the main window's controls, then
// the shared text colours.
void ApplyFormFonts();
// Sets one control's font by a choice (also used by ApplyFormFonts).
void ApplyFontChoice(QWidget* control, const FontChoice& choice);
// The pixel size of a control font: a positive height is the whole character cell, a
// negative one the glyph size alone.
int ControlPixelSize(const QFont& font, int height);

// The program's folder, always with a trailing '/'.
void ProgramFolder(QString& Folder);

// Writes the built-in resource Name (its type is not needed to find it) to FileName.
// False when there is no such resource or the file cannot be written.
bool SaveResourceToFile(const QString& Name, const QString& Type, const QString& FileName);

// An animated cursor: frames shown in turn, FrameMs each. A cursor that could not be
// loaded is the standard arrow alone.
struct AnimatedCursor {
    QList<QCursor> Frames;
    int FrameMs = 100;
    bool Loaded = false;

    // The frame shown `elapsedMs` after the animation started.
    const QCursor& FrameAt(qint64 elapsedMs) const;
};

// Reads an animated cursor from memory: a PNG strip of square frames side by side
// (frame size = picture height), with the optional text keys "HotSpot" ("x,y") and
// "Delay" (milliseconds per frame).
AnimatedCursor AnimatedCursorFromBytes(const QByteArray& bytes);
// The built-in resource Name as an animated cursor; the arrow when it cannot load.
AnimatedCursor LoadAnimatedCursor(const QString& Name);
// Shows the cursor on a control, animating it while the control lives.
void SetAnimatedCursor(QWidget* control, const AnimatedCursor& cursor);

// The cursors of the windows, in two sets chosen by YellowCursor: 0 the system's, 1 the
// program's own ("CURARROW", "CURHAND", "CUREDIT", read once; a kind that cannot load
// is the system's).
enum class CursorKind { Arrow, Hand, IBeam };
const AnimatedCursor& CursorOf(CursorKind kind, int set);
// SetAnimatedCursor with CursorOf(kind, set).
void SetCursorOf(QWidget* control, CursorKind kind, int set);
// The set the player chose (YellowCursor).
int CurrentCursorSet();
// Gives a control the cursor of `kind` in the current set and keeps it registered, so
// that ApplyRegisteredCursors follows a later change of the set. A control registered
// again takes the new kind; rows of destroyed controls are dropped.
void UseCursor(QWidget* control, CursorKind kind);
void ApplyRegisteredCursors();

} // namespace FontsAndCursors
