#include "platform/Presenter.h"

#include <QApplication>
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

QtPresenter g_real;
Presenter* g_test = nullptr;

} // namespace

Presenter& presenter()
{
    return g_test ? *g_test : g_real;
}

void setPresenterForTest(Presenter* p)
{
    g_test = p;
}

} // namespace platform
