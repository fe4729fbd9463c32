#pragma once
// The score window: the round's state on two boards, the left one with the player,
// the round, the score before it and the game's counters, the right one with the
// outcome, the points of this deal and the new total.
#include "platform/Canvas.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <cstdint>

class QLabel;
class QMovie;
class TQyvCardsButton;

namespace platform {
class PictureControl;
}

namespace FCount {

// Board fields, written by the current group's result routine before every show.
inline int CountLayout = 0;            // 0..8: which rows the left board shows
inline QString CountPlayerName;        // up to 20 characters, blank-padded
inline int CountRound = 0;             // rounds of the series including this one
inline int CountPasses = 0;            // passes or redeals used in this deal
inline std::int32_t CountScoreBefore = 0;
inline std::int32_t CountDealScore = 0;
inline std::int32_t CountTotal = 0;
inline int CountCardsLeft = 0;
inline int CountExtra = 0;             // shown as "L-Packs:"
inline std::int32_t CountGameScore = 0; // shown as "Moves:"

// The result routines live with the game groups, above this layer: each group's
// GameResultN is handed in here (group 1..5; other numbers are ignored, nullptr
// removes it). A group without a routine leaves the fields as they are.
using GameResultRoutine = void (*)();
void SetGameResultRoutine(int group, GameResultRoutine routine);

// One row of the left board: its label and value.
struct BoardRow {
    QString label;
    std::int32_t value;
};
// The rows the left board shows for the current fields (after the player rows).
QList<BoardRow> LeftBoardRows();

// The name as the left board shows it: CountPlayerName without trailing blanks.
QString BoardName();
// The two outcome lines of the right board: unfinished, won or lost (GameState).
QStringList OutcomeLines();

// Height steps tried for the name on the left board (before FontHeightFor).
inline constexpr int NameFontSizes[] = {23, 21, 19, 17, 15};
// The first of NameFontSizes at which the width (by widthAt(size)) fits into `room`
// pixels (135, the name's), or the last one.
int NameFontSize(const std::function<int(int size)>& widthAt, int room = 135);
// The label height of a board row whose value is `valueWidth` wide: the label keeps
// the board's height unless it would touch the value between x 33 and 167.
int RowLabelSize(const std::function<int(int size)>& labelWidthAt, int valueWidth);

} // namespace FCount

class TFormCount : public QDialog {
    Q_OBJECT

public:
    explicit TFormCount(QWidget* parent = nullptr);
    ~TFormCount() override;

    void FormShow();
    void Button1Click();
    // Escape (27) closes.
    void FormKeyPress(char& Key);

    platform::PictureControl* Image1; // left board ("TabloY")
    platform::PictureControl* Image2; // right board ("TabloG")
    platform::PictureControl* Image01;
    platform::PictureControl* Image00;
    platform::PictureControl* ImageDiv;
    QLabel* RxGIFAn1;
    TQyvCardsButton* Button1;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void DrawCountTabloY();
    void DrawCountTabloG();

    QMovie* gif_ = nullptr;
};

// The window, created on first use and reused.
TFormCount& FormCount();
// Fills the boards and shows the window modally through the presenter.
void ShowScoreWindow();
