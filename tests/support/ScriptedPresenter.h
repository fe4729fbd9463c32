#pragma once
// A presenter for tests: records every message and modal window and answers from a
// script instead of showing anything.
#include "platform/Presenter.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

namespace testsupport {

class ScriptedPresenter final : public platform::Presenter {
public:
    struct Message {
        platform::MessageKind kind;
        QString caption;
        QString text;
        platform::Buttons buttons;
    };

    ScriptedPresenter() { platform::setPresenterForTest(this); }
    ~ScriptedPresenter() override { platform::setPresenterForTest(nullptr); }

    platform::Answer message(platform::MessageKind kind, const QString& caption, const QString& text,
                             platform::Buttons buttons) override
    {
        messages.push_back({kind, caption, text, buttons});
        if (answers.empty())
            return platform::Answer::Ok;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }

    int exec(QDialog& dialog) override
    {
        dialogs.push_back(dialog.objectName());
        if (onDialog)
            return onDialog(dialog);
        return QDialog::Rejected;
    }

    std::vector<Message> messages;
    std::deque<platform::Answer> answers;
    QStringList dialogs;
    // Plays the part of the user in a modal window; returns its result code.
    std::function<int(QDialog&)> onDialog;
};

} // namespace testsupport
