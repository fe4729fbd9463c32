#pragma once
// The profile editor: the fourteen contact fields of the signed-in member and the
// profile photo, a JPEG of exactly 200 x 250 pixels sent to the upload script.
#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QLineEdit;
class TQyvCardsButton;
namespace platform {
class PictureControl;
}

class TFAcc2 : public QDialog {
public:
    explicit TFAcc2(QWidget* parent = nullptr);

    // The first paint: captions, icons, fields and photo.
    void FormPaintFirst();
    void ButtonOkIClick();
    void Image1Click();
    void ButtonOKFClick();
    void ButtonCancelClick();

    platform::PictureControl* Image01;
    platform::PictureControl* Image00;
    platform::PictureControl* ImageDiv;
    platform::PictureControl* Image1;
    platform::PictureControl* Icons[14] = {};
    QLineEdit* Edits[14] = {};
    QLabel* Label1;
    TQyvCardsButton* ButtonOkI;
    TQyvCardsButton* ButtonOKF;
    TQyvCardsButton* ButtonCancel;
    // The file the picture dialog chose last.
    QString ChosenFile;
    bool ProfilePaintPending = true;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void drawPhoto(const QImage& photo);
};

namespace FAcc2 {
// "$" and "~" would break the framing of the service's profile reply.
QString BlankFraming(QString text);
// A JPEG by its content, exactly 200 x 250; a null image otherwise.
QImage LoadProfilePhoto(const QString& path);
} // namespace FAcc2

// Creates the profile editor and shows it modally; returns its result code.
int ShowFAcc2(QWidget* owner);
