#pragma once
// The passport: the anonymous nick, country, city and sex under which world results and
// chat messages go out. The window edits the four passport settings in place and cannot
// be left while the nick or the city would be refused.
#include "platform/Array.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QLineEdit;
class TQyvCardsButton;
namespace platform {
class PictureControl;
}

class TFormServerInfo : public QDialog {
public:
    explicit TFormServerInfo(QWidget* parent = nullptr);

    void FormShow();
    void Edit1Change();
    void Edit2Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void Button1Click();
    // True when the window may close; otherwise the focus goes to the first bad field.
    bool FormCloseQuery();

    platform::PictureControl* Image1;
    platform::PictureControl* Image0;
    platform::PictureControl* ImageDiv;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2;
    platform::PictureControl *Image3, *Image4;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    TQyvCardsButton* Button1;

    // The frame and tab pictures, slots 56 to 64.
    platform::Arr<QImage, 9, 56> PassportBitmaps;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editChange(bool nickChanged);
};

namespace FServerInfo {

// Nick and city both allowed (2 or 3 by CheckPassportText).
inline bool PassportValid = false;

void SetPassportFonts(TFormServerInfo& form);
// Which 1 the nick's lamp, 2 the city's; a result other than 2 or 3 shows red.
void DrawPassportLamp(TFormServerInfo& form, int Which, int Result);
// The continent and the country list of the passport's code.
void FillPassportCountryList(TFormServerInfo& form);

} // namespace FServerInfo

// Opens a new passport window modally; returns its result code.
int ShowFormServerInfo(QWidget* owner);
