#pragma once
// The account window: sign-up, sign-in, results, top ten, currency and profiles of the
// account service, in six tabs.
#include <QDialog>

class TFAcc1 : public QDialog {
public:
    explicit TFAcc1(QWidget* parent = nullptr);
};

// Creates the account window and shows it modally; it reads AccountPlayAllowed and may
// change OnlineState and AccountUser. Returns the window's result code.
//
// While the account service has no window in this program, opening it tells that the
// server cannot be reached and changes nothing.
int ShowFAcc1(QWidget* owner);
