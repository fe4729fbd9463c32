#pragma once
// The result sender: offers the total of a finished ten-round series of a local player
// to the world top ten of the current game, under the player's passport.
#include <QDialog>

class TQyvCardsButton;
namespace platform {
class PictureControl;
}

class TFormServerWrite : public QDialog {
public:
    explicit TFormServerWrite(QWidget* parent = nullptr);

    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* ImageDiv;
    platform::PictureControl* Image2;
    TQyvCardsButton* Button1;
    TQyvCardsButton* Button2;
    TQyvCardsButton* Button3;

    // The passport is good enough for "Send".
    bool SendAllowed = false;
    // The result went out from this window.
    bool ResultSent = false;
    // Cleared by the first showing.
    bool SenderFirstShow = true;

protected:
    // Esc does not close this window.
    void keyPressEvent(QKeyEvent* e) override;
};

namespace FServerWrite {
void SetSenderFonts(TFormServerWrite& form);
// The card: passport, score and, once sent, the place.
void DrawSenderCard(TFormServerWrite& form);
} // namespace FServerWrite

// Creates the result window and shows it modally. It reads WorldSubmitScore and sets
// WorldSubmitPlace (which stays -1 until a result has been sent). Returns the window's
// result code.
int ShowFormServerWrite(QWidget* owner);
