#include "foundation/MessageBox.h"

#include "foundation/FontsAndCursors.h"
#include "foundation/TextsOnline.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <memory>

namespace MessageBox {

namespace {

constexpr int kLabelLeft = 59;
constexpr int kClientHeight = 90;
const QString kFontName = QStringLiteral("Comic Sans MS");

platform::Font boxFont(bool bold, bool underline = false)
{
    platform::Font f;
    f.name = kFontName;
    f.height = 20;
    f.bold = bold;
    f.underline = underline;
    return f;
}

QLabel* makeLabel(QLabel* label, QWidget* parent, int top, const char* name)
{
    label->setParent(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(kLabelLeft, top);
    label->setFont(platform::qFontFor(boxFont(true)));
    return label;
}

} // namespace

int LinkLineWidth(const QString& line)
{
    if (line.isEmpty())
        return 0;
    platform::Canvas measure(20, 20);
    measure.font = boxFont(false);
    return measure.textWidth(line);
}

int LinkClientWidth(int widest)
{
    return std::max(400, widest + kLabelLeft + 50);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
        onClick();
}

TFormLink::TFormLink(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FormLink"));
    setWindowTitle(Texts::Tx(Texts::TxtAttention));
    setFixedSize(400, kClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(5, 5, 48, 48);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));

    Label1 = makeLabel(new QLabel, this, 5, "Label1");
    Label2 = makeLabel(new QLabel, this, 21, "Label2");
    Label3 = static_cast<TLinkLabel*>(makeLabel(new TLinkLabel, this, 37, "Label3"));
    FontsAndCursors::UseCursor(Label3, FontsAndCursors::CursorKind::Hand);
    QPalette linkPalette = Label3->palette();
    linkPalette.setColor(QPalette::WindowText, platform::toQColor(platform::clBlue));
    Label3->setPalette(linkPalette);
    Label3->onClick = [this] { Label3Click(); };

    Image2 = new platform::PictureControl(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(365, 5, 20, 20);
    Image2->hide();

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(5, 58, 390, 27);
    FontsAndCursors::UseCursor(Button1, FontsAndCursors::CursorKind::Hand);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    FormCreate();
}

void TFormLink::FormCreate()
{
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2), static_cast<QWidget*>(Button1)})
        w->setFont(platform::qFontFor(boxFont(true)));
    Label3->setFont(platform::qFontFor(boxFont(true, true)));
}

void TFormLink::FormShow()
{
    Image2->canvas().font = boxFont(false);
    const int widest = std::max({LinkLineWidth(LinkLine1), LinkLineWidth(LinkLine2), LinkLineWidth(LinkLine3)});
    const int clientWidth = LinkClientWidth(widest);
    setFixedSize(clientWidth, kClientHeight);
    Button1->resize(clientWidth - 10, Button1->height());

    const QString* lines[] = {&LinkLine1, &LinkLine2, &LinkLine3};
    QLabel* labels[] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(*lines[i]);
        labels[i]->adjustSize();
        labels[i]->setVisible(!lines[i]->isEmpty());
    }
    Button1->setFocus();
}

void TFormLink::Label3Click()
{
    platform::openUrl(Label3->text());
}

void TFormLink::Button1Click()
{
    accept();
}

void ShowLinkMessage(const QString& Line1, const QString& Line2, const QString& Link)
{
    LinkLine1 = Line1;
    LinkLine2 = Line2;
    LinkLine3 = Link;
    auto box = std::make_unique<TFormLink>(QApplication::activeWindow());
    FormLink = box.get();
    struct Reset {
        ~Reset() { FormLink = nullptr; }
    } reset;
    box->FormShow();
    platform::presenter().exec(*box);
}

} // namespace MessageBox
