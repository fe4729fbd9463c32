#pragma once
// The shared modal message box "Attention": up to three lines, the third optionally a
// web link that opens in the browser. Every call shows a new window through the
// presenter and returns when it has closed.
#include <QDialog>
#include <QLabel>
#include <QString>
#include <functional>

class QPushButton;

namespace platform {
class PictureControl;
}

namespace MessageBox {

// The lines of the box being shown, kept until the next call.
inline QString LinkLine1;
inline QString LinkLine2;
inline QString LinkLine3;

// Width of a line as the box measures it (an empty line is 0).
int LinkLineWidth(const QString& line);
// Client width of the box for its widest line: room for the symbol and a margin, at
// least 400.
int LinkClientWidth(int widest);

// A label that reports a click of the left mouse button.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class TFormLink : public QDialog {
    Q_OBJECT

public:
    explicit TFormLink(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TLinkLabel* Label3 = nullptr;
    platform::PictureControl* Image2 = nullptr;
    QPushButton* Button1 = nullptr;
    int HelpContext = 45;

    // Sizes the box for the current lines and puts them into the labels.
    void FormShow();
    // Opens the third line (only http, https and mailto addresses open).
    void Label3Click();
    void Button1Click();

private:
    void FormCreate();
};

// The box while it is shown; null otherwise.
inline TFormLink* FormLink = nullptr;

// Shows Line1, Line2 and Link (the third line, clickable); an empty string leaves its
// line out. Returns when the box has closed.
void ShowLinkMessage(const QString& Line1, const QString& Line2, const QString& Link);

} // namespace MessageBox
