#pragma once
// The statistics window: anonymous counters of the current game and of the program
// (starts, unique starts, likes, the last like, won and lost rounds) and the
// "I like this game!" button, which sends one like per installation.
#include "online/Qyv_UStatC.h"
#include "platform/Array.h"

#include <QDialog>
#include <QStringList>

class TQyvCardsButton;
namespace platform {
class Canvas;
class PictureControl;
}

class TFStat : public QDialog {
public:
    explicit TFStat(QWidget* parent = nullptr);

    // Draws the window and reads the counters.
    void FormShow();
    // The like.
    void Button2Click();
    // Ok.
    void Button1Click();

    platform::PictureControl* Image1;
    platform::PictureControl* Image2;
    platform::PictureControl* ImageDiv;
    platform::PictureControl* ImageSG;
    platform::PictureControl* ImageV;
    TQyvCardsButton* Button1;
    TQyvCardsButton* Button2;
    // The six values last written, or "No Connect" alone.
    QStringList Values;

private:
    // The five group records and, for a game of the forty counters, its table; false
    // when any of the requests failed.
    bool readCounters(Online::TQyvStat (&records)[5]);
    // Paints the rows, reads the counters and writes their values.
    void showCounters();
};

namespace FStat {

// The forty counters of the current game's table, as last read.
inline platform::Arr<int, 40> StatTable{};

void SetStatFonts(TFStat& form);
// Mode 1: the row pictures, numbers and labels; mode 2: the values, or "No Connect"
// when Ok is False. Returns the texts written in mode 2.
QStringList PaintStatPanel(platform::Canvas& canvas, int Mode, const Online::TQyvStat& A, const Online::TQyvStat& B,
                    const Online::TQyvStat& C, const Online::TQyvStat& D, const Online::TQyvStat& E,
                    const platform::Arr<int, 40>& Table, bool Ok);
// The version note of a game code, with the version its counters began in.
QString VersionNote(int gameId);

} // namespace FStat

// Creates the statistics window and shows it modally; returns its result code.
int ShowFStat(QWidget* owner);
