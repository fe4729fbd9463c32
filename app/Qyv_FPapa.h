#pragma once
// The dedication window: a picture, five candles and a dedication text.
#include <QDialog>
#include <QLabel>

namespace platform {
class PictureControl;
}
namespace WindowParts {
class GifAnimator;
}

class TFormPapa : public QDialog {
public:
    explicit TFormPapa(QWidget* parent = nullptr);
    ~TFormPapa() override;

    void FormShow();
    void FormActivate();
    void FormClose();

    platform::PictureControl* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    WindowParts::GifAnimator* RxGIFAn1 = nullptr;
    WindowParts::GifAnimator* RxGIFAn2 = nullptr;
    WindowParts::GifAnimator* RxGIFAn3 = nullptr;
    WindowParts::GifAnimator* RxGIFAn4 = nullptr;
    WindowParts::GifAnimator* RxGIFAn5 = nullptr;

protected:
    void done(int result) override;
};

// Creates the dedication window, shows it modally and frees it (the menu item
// "Dedication", after its click sound).
int ShowFormPapa(QWidget* parent);
