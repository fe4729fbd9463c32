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
#include <vector>

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

// The entries of a list control (a combo box, or anything with count() and
// setItemText), replaced in place from a text list: entry i takes list entry
// first + i, for the entries the control holds (a list that dropped its last entries
// keeps the rest translated). The selection stays.
template <class C, int N, int Base>
void Items(C* list, const Texts::TTextList<N, Base>& texts, int first = Base)
{
    Register(list, [list, &texts, first] {
        for (int i = 0; i < list->count() && Texts::TTextList<N, Base>::inRange(first + i); ++i)
            list->setItemText(i, Texts::Shown(Texts::Tx(texts[first + i])));
    });
}

// Buttons that stand for the entries of a list (the radio buttons of a group), in
// order, from a text list.
template <class B, int N, int Base>
void Items(std::vector<B*> buttons, const Texts::TTextList<N, Base>& texts)
{
    for (std::size_t i = 0; i < buttons.size() && Texts::TTextList<N, Base>::inRange(Base + int(i)); ++i)
        Caption(buttons[i], texts[Base + int(i)]);
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
