#pragma once
// The club sign-in: a member types the password of his entry, a new player chooses a
// name and a password typed twice. On OK the current player's club fields
// (ClubPlayer.h) are prepared and GameState::PasswordAccepted is set.
#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QMovie;
class TQyvCardsButton;

namespace platform {
class PictureControl;
}

class TFormPassword : public QDialog {
    Q_OBJECT

public:
    explicit TFormPassword(QWidget* parent = nullptr);
    ~TFormPassword() override;

    void FormCreate();
    void FormShow();
    void FormPaint(QPainter& painter);
    // Escape (27) closes.
    void FormKeyPress(char& Key);
    void Button1Click();
    void Button2Click();
    // Enter (13) is swallowed and acts as OK.
    void Edit1KeyPress(char& Key);
    void Edit2KeyPress(char& Key);
    void Edit3KeyPress(char& Key);

    // The opener's preparation: member slot 1..5 fills Edit1 with the name and locks
    // it, 6 (new player) unlocks the name and the second password box.
    void Prepare(int slot, const QString& memberName);

    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* ImageDiv;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLabel* RxGIFAn1;
    QLabel* RxGIFAnL;
    QLabel* RxGIFAnR;
    TQyvCardsButton* Button1;
    TQyvCardsButton* Button2;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void PasswordDialogOK();
    void ShowError(const QString& text, QLineEdit* focus);

    QImage GPwR_, GServerInfoR2_, GPwY_, GServerInfoY2_;
    QMovie* gif1_ = nullptr;
    QMovie* gifL_ = nullptr;
    QMovie* gifR_ = nullptr;
};

// The dialog, created on first use and reused.
TFormPassword& FormPassword();
// Opens the sign-in for member slot 1..5 (memberName: the entry's name) or 6 (new
// player); returns GameState::PasswordAccepted.
bool AskPlayerPassword(int slot, const QString& memberName = QString());
// The pop-up menu item that renames the player during a round: no deal follows.
void N2Click();
