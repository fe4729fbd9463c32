#pragma once
// The result sender: offers the total of a finished ten-round series of a local player
// to the world top ten of the current game, under the player's passport.
#include <QDialog>

class TFormServerWrite : public QDialog {
public:
    explicit TFormServerWrite(QWidget* parent = nullptr);
};

// Creates the result window and shows it modally. It reads WorldSubmitScore and sets
// WorldSubmitPlace (which stays -1 until a result has been sent). Returns the window's
// result code.
//
// While the world rating has no window in this program, opening it tells that the
// tournament is unavailable and sends nothing.
int ShowFormServerWrite(QWidget* owner);
