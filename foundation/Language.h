#pragma once
// Language switching. Every control that keeps a caption registers one row here:
// the control and where its text comes from. ApplyLanguage walks the rows in the
// order they were registered and puts the texts of the current language into the
// controls; a row disappears with its control. A window adds its captions with one
// line each when it is created, e.g.
//     Language::Caption(ui->Button2, Texts::TxtCancel);
//     Language::Title(this, [] { return Texts::Tx(Texts::TxtWelcome); });
#include "foundation/Texts.h"

#include <QObject>
#include <QString>
#include <functional>

class TTableSurface;

namespace Language {

using TextSource = std::function<QString()>;

// A general row: `apply` runs on every ApplyLanguage while `owner` exists.
void Register(QObject* owner, std::function<void()> apply);

// The caption of a control with a setText (buttons, labels, edits, actions, ...).
// The call goes to the control's own setText, so a button class that draws its
// caption itself gets it too.
template <class C>
void Caption(C* control, const Texts::TText& table)
{
    Register(control, [control, &table] { control->setText(Texts::Shown(Texts::Tx(table))); });
}
template <class C>
void Caption(C* control, TextSource text)
{
    Register(control, [control, text = std::move(text)] { control->setText(text()); });
}

// Window title, group-box title, tool tip (hint) and any other Qt property.
void Title(QWidget* window, TextSource text);
void Hint(QWidget* control, TextSource text);
void Property(QObject* control, const char* property, TextSource text);

// A text source of one table in the current language.
TextSource From(const Texts::TText& table);

// Rows registered and still alive.
int RowCount();

// Puts the texts of the current language (Texts::LanguageIndex) into every
// registered control.
void ApplyLanguage();

// Sets the language (0..9; anything else is ignored) and applies it.
void SetLanguage(int index);

// The rows of the main window's surface: its caption (product name, " - ", game
// name), the menu-screen buttons 6, 9, 10, 11 and the club list's column header.
void RegisterSurface(TTableSurface& surface);

} // namespace Language
