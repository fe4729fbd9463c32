#pragma once
// The main window: start-up and shutdown, the intro, the game menu and its timers.
#include "foundation/TableSurface.h"

class QMenu;
class QAction;

class TForm1 : public TTableSurface {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The context menu and its items.
    QMenu* PopupMenu1 = nullptr;
    QAction* Quit = nullptr;
    QAction* Help = nullptr;
    QAction* About = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;

    void FormCreate();
    // The one-time start-up; runs on the first event-loop turn after the window shows.
    void FormFirstShow();
    void Image1Click();
    void Button11Click();
    void Timer1Timer();
    void Timer2Timer();
    void TimerCalTimer();

    // True once the start-up has run (or has ended the program).
    bool startupDone() const { return !FirstPaintPending; }
    // The start-up found no valid club file and closed the window.
    bool startupFailed() const { return startupFailed_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool FormCloseQuery();
    void FormDestroy();
    void runStartupSequence();
    void automaticLogin();

    bool FirstPaintPending = true;
    bool startupFailed_ = false;
};

// Start-up status delivered by the status page while the window is created.
namespace MainWindowState {
inline bool NewsPresent = false;
}
