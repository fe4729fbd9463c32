#include "app/Qyv_FAbout.h"

#include "foundation/Qyv_FWindowParts.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "platform/ShellOpen.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace About {

void TLinkLabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnClick)
        OnClick();
}

} // namespace About

namespace {

QLabel* newLabel(QWidget* parent, int x, int y, int w, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop)
{
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, w, 24);
    l->setAlignment(align);
    return l;
}

void setLabelColor(QLabel* l, platform::TColor c)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, platform::toQColor(c));
    l->setPalette(pal);
}

QImage loadPng(const QString& name)
{
    return platform::resources::image(name).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    WindowParts::SetupDialogFrame(*this, 530, 490);
    WindowParts::SetHelpContext(*this, 21);
    Image1 = platform::newPictureAt(this, 61, 5, 48, 48);
    ImageCap = platform::newPictureAt(this, 175, 5, 350, 54);
    ImageDiv = platform::newPictureAt(this, 5, 60, 520, 6);
    Label2 = newLabel(this, 5, 80, 160, Qt::AlignHCenter | Qt::AlignTop);
    Label3 = newLabel(this, 5, 110, 160, Qt::AlignHCenter | Qt::AlignTop);
    Label4 = newLabel(this, 5, 140, 160, Qt::AlignHCenter | Qt::AlignTop);
    Label5 = newLabel(this, 175, 80, 350);
    Label6 = newLabel(this, 175, 97, 350);
    LabelPHP1 = newLabel(this, 175, 140, 350);
    LabelPHP2 = newLabel(this, 175, 157, 350);
    Label7 = newLabel(this, 175, 200, 350);
    Label8 = newLabel(this, 175, 217, 350);
    Label9 = newLabel(this, 175, 260, 350);
    Label10 = newLabel(this, 175, 277, 350);
    Image2 = platform::newPictureAt(this, 0, 170, 170, 210);
    Image3 = platform::newPictureAt(this, 40, 390, 90, 90);
    RxGIFAn1 = new WindowParts::GifAnimator(this);
    RxGIFAn1->setGeometry(0, 400, 40, 80);
    RxGIFAn2 = new WindowParts::GifAnimator(this);
    RxGIFAn2->setGeometry(130, 400, 40, 80);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(220, 320, 250, 120);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    Label11 = newLabel(Panel1, 12, 10, 226);
    LabelSite = new About::TLinkLabel(Panel1);
    LabelSite->setGeometry(12, 33, 226, 24);
    Label12 = newLabel(Panel1, 12, 62, 226);
    LabelMail = new About::TLinkLabel(Panel1);
    LabelMail->setGeometry(12, 85, 226, 24);
    for (QLabel* link : {static_cast<QLabel*>(LabelSite), static_cast<QLabel*>(LabelMail)}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        setLabelColor(link, platform::clBlue);
    }
    LabelSite->OnClick = [this] { LabelSiteClick(); };
    LabelMail->OnClick = [this] { LabelMailClick(); };

    Button1 = new TQyvCardsButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(220, 452, 250, 30);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    for (QLabel* l : {Label2, Label3, Label4, Label5, Label7, Label9, LabelPHP1, Label11, Label12,
                      static_cast<QLabel*>(LabelSite), static_cast<QLabel*>(LabelMail)}) {
        FontsAndCursors::RegisterFontRow(l, QStringLiteral("serif"), 16);
        FontsAndCursors::ApplyFontChoice(l, FontsAndCursors::RoleFont(QStringLiteral("serif"), 16));
    }
    // The plaques start a little right of the labels: the texts keep inside them.
    for (QLabel* l : {Label5, Label6, Label7, Label8, Label9, Label10, LabelPHP1, LabelPHP2})
        l->setContentsMargins(10, 0, 0, 0);
    for (QLabel* l : {Label6, Label8, Label10, LabelPHP2}) {
        FontsAndCursors::RegisterFontRow(l, QStringLiteral("serif"), 20);
        FontsAndCursors::ApplyFontChoice(l, FontsAndCursors::RoleFont(QStringLiteral("serif"), 20));
    }
    FontsAndCursors::RegisterFontRow(Button1, QStringLiteral("times"), 20);
    FontsAndCursors::ApplyFontChoice(Button1, FontsAndCursors::RoleFont(QStringLiteral("times"), 20));
    // The links keep their underline after the font is chosen.
    for (QLabel* link : {static_cast<QLabel*>(LabelSite), static_cast<QLabel*>(LabelMail)}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
    }
    FormCreate();
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::FormCreate()
{
    GAbout1R = loadPng(QStringLiteral("GAbout1R"));
    GAbout1Y = loadPng(QStringLiteral("GAbout1Y"));
    GAbout1B = loadPng(QStringLiteral("GAbout1B"));
    GAbout2R = loadPng(QStringLiteral("GAbout2R"));
    GAbout2Y = loadPng(QStringLiteral("GAbout2Y"));
    GAbout2G = loadPng(QStringLiteral("GAbout2G"));
    GAbout2B = loadPng(QStringLiteral("GAbout2B"));
    GServerInfoY2 = loadPng(QStringLiteral("GServerInfoY2"));
    if (!GServerInfoY2.isNull())
        DrawHelpers::ResizePngSmooth(GServerInfoY2, 256, 126);
}

void TFormAbout::FormShow()
{
    FontsAndCursors::UseCursor(this, FontsAndCursors::CursorKind::Arrow);
    FontsAndCursors::UseCursor(Panel1, FontsAndCursors::CursorKind::Arrow);
    for (QWidget* w : {static_cast<QWidget*>(Button1), static_cast<QWidget*>(LabelSite), static_cast<QWidget*>(LabelMail)})
        FontsAndCursors::UseCursor(w, FontsAndCursors::CursorKind::Hand);
    WindowParts::DrawDivider(*ImageDiv);
    for (auto [gif, name] : {std::pair{RxGIFAn1, QStringLiteral("GAboutL")}, std::pair{RxGIFAn2, QStringLiteral("GAboutR")}}) {
        gif->Load(name);
        if (Settings::GifAnimationOn)
            gif->Start();
        else
            gif->HoldAt(0);
    }

    WindowParts::FillFace(*Image3);
    WindowParts::DrawPng(*Image3, QStringLiteral("GForQyv"), 0, 0);
    WindowParts::DrawPng(*Image3, QStringLiteral("Logo"), 13, 10);

    WindowParts::FillFace(*ImageCap);
    QImage cap = loadPng(QStringLiteral("Cap") + Texts::Tx(Texts::LanguageCodes) + QStringLiteral("VD"));
    if (!cap.isNull()) {
        DrawHelpers::ResizePngSmooth(cap, ImageCap->width(), ImageCap->height());
        ImageCap->canvas().draw(0, 0, cap);
    }
    ImageCap->invalidate();

    WindowParts::FillFace(*Image2);
    WindowParts::DrawPng(*Image2, QStringLiteral("Pelk"), 0, 0);

    LabelSite->setText(platform::randomBelow(2) == 0 ? About::SiteAddress1 : About::SiteAddress2);
    LabelMail->setText(About::MailAddress);
    for (QLabel* l : {Label5, LabelPHP1, Label7, Label9})
        setLabelColor(l, platform::clWhite);
    setLabelColor(Label6, FontsAndCursors::TextColor1);
    setLabelColor(LabelPHP2, FontsAndCursors::TextColor2);
    setLabelColor(Label8, FontsAndCursors::TextColor3);
    setLabelColor(Label10, FontsAndCursors::TextColor5);
}

void TFormAbout::FormActivate()
{
    WindowParts::FillFace(*Image1);
    WindowParts::DrawPng(*Image1, QStringLiteral("GICON"), 0, 0);
    using Texts::Shown;
    using Texts::Tx;
    setWindowTitle(Tx(Texts::TxtAbout));
    Label2->setText(QStringLiteral("V 4.0"));
    Label3->setText(Shown(Tx(Texts::ReleaseDateTexts)));
    Label4->setText(Shown(Tx(Texts::TxtAboutPlace)));
    Label5->setText(Shown(Tx(Texts::TxtAuthorsHeading)));
    Label6->setText(Shown(Tx(Texts::TxtAuthorsLine)));
    Label7->setText(Shown(Tx(Texts::TxtAuthorOfIdea)));
    Label8->setText(Shown(Tx(Texts::TxtUnknown)));
    LabelPHP1->setText(Shown(Tx(Texts::TxtProgrammingPhp)));
    LabelPHP2->setText(Shown(Tx(Texts::TxtProgrammingPhpLine)));
    Label9->setText(Shown(Tx(Texts::TxtSeparateThanks)));
    Label10->setText(Shown(Tx(Texts::TxtForResourceAuthors)));
    Label10->setToolTip(Shown(Tx(Texts::TxtMoreInHelp)));
    Label11->setText(Shown(Tx(Texts::TxtOfficialSite)));
    Label12->setText(Shown(Tx(Texts::TxtEMail)));
}

void TFormAbout::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    auto at = [&p](const QImage& img, QLabel* l, int dx, int dy) {
        if (!img.isNull())
            p.drawImage(l->x() + dx, l->y() + dy, img);
    };
    at(GAbout1R, Label2, 3, -5);
    at(GAbout1Y, Label3, 3, -5);
    at(GAbout1B, Label4, 3, -5);
    at(GAbout2R, Label5, 3, -11);
    at(GAbout2Y, LabelPHP1, 3, -11);
    at(GAbout2G, Label7, 3, -11);
    at(GAbout2B, Label9, 3, -11);
    if (!GServerInfoY2.isNull())
        p.drawImage(Panel1->x() - 3, Panel1->y() - 3, GServerInfoY2);
}

void TFormAbout::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

void TFormAbout::LabelSiteClick()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    platform::openUrl(LabelSite->text());
}

void TFormAbout::LabelMailClick()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    if (!platform::openUrl(QStringLiteral("mailto:") + LabelMail->text()))
        platform::presenter().message(platform::MessageKind::Information, windowTitle(),
                                      Texts::Tx(Texts::TxtAutoMethodFailed), platform::Buttons::Ok);
}

void TFormAbout::done(int result)
{
    RxGIFAn1->Stop();
    RxGIFAn2->Stop();
    QDialog::done(result);
}

int ShowFormAbout(QWidget* parent)
{
    TFormAbout form(parent);
    form.FormShow();
    form.FormActivate();
    return platform::presenter().exec(form);
}
