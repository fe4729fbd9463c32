#pragma once
// The about box: the program's icon, version and release date, its caption picture,
// the credits and the ways to reach the makers.
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QString>
#include <functional>

class QFrame;
class TQyvCardsButton;
namespace platform {
class PictureControl;
}
namespace WindowParts {
class GifAnimator;
}

namespace About {

// The product's two web addresses (one is shown, chosen at random) and the e-mail
// address. Loopback until the project has hosts of its own.
inline QString SiteAddress1 = QStringLiteral("http://127.0.0.1/vardelin/");
inline QString SiteAddress2 = QStringLiteral("http://localhost/vardelin/");
inline QString MailAddress = QStringLiteral("vardelin@localhost");

// A label that reports clicks.
class TLinkLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

} // namespace About

class TFormAbout : public QDialog {
public:
    explicit TFormAbout(QWidget* parent = nullptr);
    ~TFormAbout() override;

    void FormCreate();
    void FormShow();
    void FormActivate();
    void Button1Click();
    void LabelSiteClick();
    void LabelMailClick();

    platform::PictureControl* Image1 = nullptr;
    platform::PictureControl* ImageCap = nullptr;
    platform::PictureControl* ImageDiv = nullptr;
    platform::PictureControl* Image2 = nullptr;
    platform::PictureControl* Image3 = nullptr;
    QLabel *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr;
    QLabel *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr;
    QLabel *LabelPHP1 = nullptr, *LabelPHP2 = nullptr, *Label11 = nullptr, *Label12 = nullptr;
    About::TLinkLabel* LabelSite = nullptr;
    About::TLinkLabel* LabelMail = nullptr;
    QFrame* Panel1 = nullptr;
    TQyvCardsButton* Button1 = nullptr;
    // The two animated decorations beside the emblem.
    WindowParts::GifAnimator* RxGIFAn1 = nullptr;
    WindowParts::GifAnimator* RxGIFAn2 = nullptr;

    // Closing stops the decorations.
    void done(int result) override;

protected:
    // The plaques behind the labels (FormPaint).
    void paintEvent(QPaintEvent* e) override;

private:
    QImage GAbout1R, GAbout1Y, GAbout1B, GAbout2R, GAbout2Y, GAbout2G, GAbout2B, GServerInfoY2;
};

// Shows the about box modally (the main window's menu item "About").
int ShowFormAbout(QWidget* parent);
