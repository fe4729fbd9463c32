#include "app/Qyv_FPapa.h"

#include "foundation/Qyv_FWindowParts.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Canvas.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QMovie>

TFormPapa::TFormPapa(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPapa"));
    WindowParts::SetupDialogFrame(*this, 360, 500);
    WindowParts::SetHelpContext(*this, 40);
    Image1 = platform::newPictureAt(this, 0, 0, 360, 500);
    const QImage picture = platform::resources::image(QStringLiteral("GPapaPicture"));
    if (!picture.isNull())
        Image1->setPicture(picture);
    else
        WindowParts::FillFace(*Image1);
    Label1 = new QLabel(this);
    Label1->setGeometry(5, 410, 350, 77);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    for (WindowParts::GifAnimator** a : {&RxGIFAn1, &RxGIFAn2, &RxGIFAn3, &RxGIFAn4, &RxGIFAn5})
        *a = new WindowParts::GifAnimator(this);
}

TFormPapa::~TFormPapa() = default;

void TFormPapa::FormShow()
{
    QFont f(platform::resolvedFamily(Settings::FontTimesName));
    f.setPixelSize(Texts::LanguageIndex == 2 ? 22 : 24);
    Label1->setFont(f);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, QColor(196, 90, 8));
    Label1->setPalette(pal);
    struct Place {
        WindowParts::GifAnimator* a;
        int x, y;
        const char* name;
    };
    for (const Place& p : {Place{RxGIFAn1, 40, 230, "GifMama070"}, Place{RxGIFAn2, 84, 222, "GifMama100"},
                           Place{RxGIFAn3, 154, 210, "GifMama130"}, Place{RxGIFAn4, 237, 222, "GifMama100"},
                           Place{RxGIFAn5, 294, 230, "GifMama070"}}) {
        p.a->Load(QString::fromLatin1(p.name));
        const QSize size = p.a->Movie() ? p.a->Movie()->frameRect().size() : QSize(0, 0);
        p.a->setGeometry(p.x, p.y, size.width(), size.height());
        p.a->Start();
        p.a->show();
    }
}

void TFormPapa::FormActivate()
{
    setWindowTitle(Texts::Tx(Texts::TxtDedication));
    Label1->setText(Texts::Shown(Texts::Tx(Texts::DedicationTexts)));
}

void TFormPapa::FormClose()
{
    for (WindowParts::GifAnimator* a : {RxGIFAn1, RxGIFAn2, RxGIFAn3, RxGIFAn4, RxGIFAn5})
        a->Stop();
}

void TFormPapa::done(int result)
{
    FormClose();
    QDialog::done(result);
}

int ShowFormPapa(QWidget* parent)
{
    TFormPapa form(parent);
    form.FormShow();
    form.FormActivate();
    return platform::presenter().exec(form);
}
