#pragma once
// The account window: sign-up, sign-in, results, top ten, currency and profiles of the
// account service, in six tabs.
#include "platform/Array.h"
#include "platform/Color.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;
class TQyvCardsButton;
namespace platform {
class Canvas;
class PictureControl;
}
namespace WindowParts {
class GifAnimator;
}

class TFAcc1 : public QDialog {
public:
    // Reads what the window shows from the account service (the creation requests).
    explicit TFAcc1(QWidget* parent = nullptr);
    void FormShow();

    // First tab.
    void RefreshAccountTab();
    void PaintAccountTab();
    void FillCountryList();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void EditChange(int field);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void DrawFieldLamp(int X, int Y, int Verdict);
    void DrawAccountWindowIcon(int State);

    // The other tabs.
    void PaintResultsTab();
    void PaintTopTenTab();
    void PaintAboutMeTab();
    void PaintChairmanTab();
    void PaintQyvsTab();
    void ButtonRef2Click();
    void ButtonRef3Click();
    void ButtonAva1Click();
    void ButtonRef4Click();
    void ButtonQyvsAddMeClick();
    void ButtonQyvsAddUsClick();
    void ImageN6MouseMove(int X, int Y);
    void ImageN6MouseUp(int X, int Y);
    void ShowTab(int index);

    platform::PictureControl* ImageIco;
    platform::PictureControl* ImageCap;
    platform::PictureControl* ImageDiv;
    QTabWidget* PageControl1;
    platform::PictureControl* ImageN[7] = {};
    TQyvCardsButton* ButtonOk;

    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QCheckBox *CheckBox1, *CheckBox2;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    WindowParts::GifAnimator* RxGIFAn1;
    TQyvCardsButton *Button1, *Button2, *Button3, *Button4;

    TQyvCardsButton *ButtonRef2, *ButtonRef3, *ButtonAva1;

    WindowParts::GifAnimator* RxGIFAnD;
    TQyvCardsButton *ButtonRef4, *ButtonQyvsAddMe, *ButtonQyvsAddUs;
    QSpinBox* SpinQyvsAddUs;
    QLineEdit* EditQyvsAddUs;

    // The font height the balance was last drawn at.
    int BalanceFontHeight = 0;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setStar();
    void lampsAndButtons(int changed);
    TQyvCardsButton* cardButton(QWidget* parent, int x, int y, int w, int h, bool small);
    bool painting_ = false;
};

namespace FAcc1 {

inline QImage AccountBackground;
inline platform::Arr<QImage, 55, 0> FlagBitmaps;
inline bool AccountWindowFresh = false;
inline bool AccountTopTenRead = false;
inline bool AccountPlayerCountRead = false;
// The transfer inputs, kept for the program's life.
inline int TransferAmount = 0;
inline QString TransferNick;

// 1 invalid, 2 valid with Russian letters, 3 valid. Kinds: 0 one typed character, 1 nick,
// 2 city, 3 password, 4 e-mail.
int CheckAccountField(const QString& Text, int Kind);
// The rating with a comma and three decimals, a half thousandth to the even one.
void FormatRatingText(QString& S, double X);
// A vertical gradient over Left..Right x Top..Bottom.
void DrawGradient(platform::TColor ColourTop, platform::TColor ColourBottom, int Left, platform::Canvas& Canvas,
                  int Bottom, int Right, int Top);
// The font height and y shift of a balance.
void BalanceFont(int Balance, int& Height, int& Shift);
// Today in the local short date format with every blank as "_": a blank would split the
// fields of the login reply.
QString RegistrationDate();
// The orange card-styled button of the account windows, grey when disabled.
TQyvCardsButton* OrangeButton(QWidget* parent, int x, int y, int w, int h);

} // namespace FAcc1

// Creates the account window and shows it modally; it reads AccountPlayAllowed and may
// change OnlineState and AccountUser. Returns the window's result code.
int ShowFAcc1(QWidget* owner);
