#pragma once
// The statistics window: anonymous counters of the current game and of the program
// (starts, unique starts, likes, won and lost rounds) and the "I like this game!" button.
#include <QDialog>

class TFStat : public QDialog {
public:
    explicit TFStat(QWidget* parent = nullptr);
};

// Creates the statistics window and shows it modally; returns its result code. Its like
// button sets GameLiked and saves the settings file.
//
// While the statistics have no window in this program, opening it tells that the server
// cannot be reached and changes nothing.
int ShowFStat(QWidget* owner);
