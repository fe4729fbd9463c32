#include "platform/Presenter.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>

namespace platform {

namespace {

class QtPresenter final : public Presenter {
public:
    Answer message(MessageKind kind, const QString& caption, const QString& text,
                   Buttons buttons) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setText(text);
        switch (kind) {
        case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
        case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
        case MessageKind::Confirmation: box.setIcon(QMessageBox::Question); break;
        }
        QMessageBox::StandardButtons b = QMessageBox::Ok;
        switch (buttons) {
        case Buttons::Ok: b = QMessageBox::Ok; break;
        case Buttons::OkCancel: b = QMessageBox::Ok | QMessageBox::Cancel; break;
        case Buttons::YesNo: b = QMessageBox::Yes | QMessageBox::No; break;
        case Buttons::YesNoCancel: b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
        case Buttons::RetryCancel: b = QMessageBox::Retry | QMessageBox::Cancel; break;
        }
        box.setStandardButtons(b);
        const std::pair<QMessageBox::StandardButton, Answer> captions[] = {
            {QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}, {QMessageBox::Yes, Answer::Yes},
            {QMessageBox::No, Answer::No}, {QMessageBox::Retry, Answer::Retry}};
        for (const auto& [button, answer] : captions) {
            const QString text = buttonText(answer);
            if (QAbstractButton* control = box.button(button); control && !text.isEmpty())
                control->setText(text);
        }
        switch (box.exec()) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        default: return Answer::Cancel;
        }
    }

    int exec(QDialog& dialog) override { return dialog.exec(); }
};

std::function<QString(Answer)>& buttonTextSource()
{
    static std::function<QString(Answer)> source;
    return source;
}

QtPresenter g_real;
Presenter* g_test = nullptr;

} // namespace

void setButtonTextSource(std::function<QString(Answer)> source)
{
    buttonTextSource() = std::move(source);
}

QString buttonText(Answer answer)
{
    return buttonTextSource() ? buttonTextSource()(answer) : QString();
}

Presenter& presenter()
{
    return g_test ? *g_test : g_real;
}

void setPresenterForTest(Presenter* p)
{
    g_test = p;
}

} // namespace platform
