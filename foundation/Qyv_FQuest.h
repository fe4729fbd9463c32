#pragma once
// The move question: which cards of a pile a move takes, one button per rank present
// in the pile, plus "All" and "Cancel".
#include "platform/Array.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TQyvCardsButton;

namespace platform {
class PictureControl;
}

namespace FQuest {

// 0 Cancel, 1..12 the ranks 2..10, Jack, Queen, King, 13 All.
inline int QuestAnswer = 0;

// The rank button (1..12) of a card's rank byte ("2".."9", "1" for ten, and the
// cp1251 Jack, Queen, King); 0 for an Ace or an empty slot.
int RankButtonOf(unsigned char rank);

} // namespace FQuest

class TFormQuest : public QDialog {
    Q_OBJECT

public:
    explicit TFormQuest(QWidget* parent = nullptr);
    ~TFormQuest() override;

    void FormCreate() {}
    void FormShow();
    // k = 1..12
    void BitBtnClick(int k);
    void Button1Click();
    void Button2Click();

    QLabel* Label1;
    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* ImageDiv;
    // Plain bitmap buttons: the rank as caption, the suit picture right of it.
    platform::Arr<QPushButton*, 12> BitBtn{};
    TQyvCardsButton* Button1; // "All"
    TQyvCardsButton* Button2; // "Cancel"

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// The window, created on first use and reused.
TFormQuest& FormQuest();
// Asks about pile GameState::SelectedPile; returns QuestAnswer (0 when the window was
// closed without an answer).
int AskMoveQuestion();
