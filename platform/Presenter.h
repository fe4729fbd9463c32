#pragma once
// Every modal window and question of the program goes through the presenter, so a test
// can answer them without a window ever blocking.
#include <QString>
#include <functional>

class QDialog;

namespace platform {

enum class MessageKind { Information, Warning, Error, Confirmation };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class Answer { Ok, Cancel, Yes, No, Retry };

class Presenter {
public:
    virtual ~Presenter() = default;
    // A standard message dialog with a localized text.
    virtual Answer message(MessageKind kind, const QString& caption, const QString& text,
                           Buttons buttons) = 0;
    // Runs a modal window to its end and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
};

// The captions of the standard boxes' buttons in the interface language; an empty
// text leaves Qt's own.
void setButtonTextSource(std::function<QString(Answer)> source);
QString buttonText(Answer answer);

// The presenter in use: the real one shows Qt dialogs.
Presenter& presenter();
// Test hook: nullptr returns to the real presenter. The caller keeps ownership.
void setPresenterForTest(Presenter* p);

} // namespace platform
