#pragma once
// The world top ten of the current game: the list sent from this program, the list of
// the phone edition and the list of rated account series.
#include <QDialog>

namespace Online {
// The list shown: 1 this program's list, 2 the phone edition's, 3 rated account series.
// Kept between openings, so the window opens on the list last shown.
inline int WorldListKind = 1;
}

class TFormServerRead : public QDialog {
public:
    explicit TFormServerRead(QWidget* parent = nullptr);
};

// Creates the world-top-ten window and shows it modally; returns its result code.
//
// While the world rating has no window in this program, opening it tells that the
// tournament is unavailable and changes nothing.
int ShowFormServerRead(QWidget* owner);
