#include "foundation/TableSurface.h"

#include "foundation/QyvCardsButton.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"

#include <QPushButton>
#include <QTimer>

namespace {

template <class T>
T* makeHidden(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QLatin1String(name));
    w->hide();
    return w;
}

} // namespace

TTableSurface::TTableSurface(QWidget* parent) : QMainWindow(parent)
{
    // The client area is itself a picture: what the games draw "on the form" (the
    // balloons, sprite target 0) lands on its canvas, under the child controls.
    auto* area = new platform::PictureControl(this);
    area->setObjectName(QStringLiteral("FormArea"));
    setCentralWidget(area);
    formArea_ = area;

    using platform::PictureControl;
    Image1 = makeHidden<PictureControl>(area, "Image1");
    ImageStol = makeHidden<PictureControl>(area, "ImageStol");
    ImageKoloda = makeHidden<PictureControl>(area, "ImageKoloda");
    ImageRamka = makeHidden<PictureControl>(area, "ImageRamka");
    ImageStol2 = makeHidden<PictureControl>(area, "ImageStol2");
    ImageKon = makeHidden<PictureControl>(area, "ImageKon");
    ImageTuzi = makeHidden<PictureControl>(area, "ImageTuzi");
    ImageTablo2 = makeHidden<PictureControl>(area, "ImageTablo2");
    ImageHelp = makeHidden<PictureControl>(area, "ImageHelp");
    ImageDiv = makeHidden<PictureControl>(area, "ImageDiv");

    ImageCaption = makeHidden<PictureControl>(area, "ImageCaption");
    ImageElite = makeHidden<PictureControl>(area, "ImageElite");
    ImageSvLeft = makeHidden<PictureControl>(area, "ImageSvLeft");
    ImageSvRight = makeHidden<PictureControl>(area, "ImageSvRight");
    RxGIFAnL = makeHidden<platform::AnimatedPicture>(area, "RxGIFAnL");
    RxGIFAnR = makeHidden<platform::AnimatedPicture>(area, "RxGIFAnR");
    ImCalL = makeHidden<PictureControl>(area, "ImCalL");
    ImCalR = makeHidden<PictureControl>(area, "ImCalR");
    ImWT = makeHidden<PictureControl>(area, "ImWT");
    ImGP = makeHidden<PictureControl>(area, "ImGP");
    ImCh = makeHidden<PictureControl>(area, "ImCh");
    ImAn = makeHidden<PictureControl>(area, "ImAn");
    ImSt = makeHidden<PictureControl>(area, "ImSt");
    ImHp = makeHidden<PictureControl>(area, "ImHp");
    ImAc = makeHidden<PictureControl>(area, "ImAc");
    Panel1 = makeHidden<TQyvCardsButton>(area, "Panel1");
    Panel2 = makeHidden<TQyvCardsButton>(area, "Panel2");
    Panel3 = makeHidden<TQyvCardsButton>(area, "Panel3");
    Panel4 = makeHidden<TQyvCardsButton>(area, "Panel4");
    for (TQyvCardsButton* p : {Panel1, Panel2, Panel3}) {
        p->SetColorSB(DRed);
        p->setEnabled(false);
    }
    Panel4->SetColorSB(DOrang);
    Panel4->setEnabled(false);

    Button1 = makeHidden<TQyvCardsButton>(area, "Button1");
    Button2 = makeHidden<TQyvCardsButton>(area, "Button2");
    Button3 = makeHidden<TQyvCardsButton>(area, "Button3");
    Button4 = makeHidden<TQyvCardsButton>(area, "Button4");
    Button5 = makeHidden<TQyvCardsButton>(area, "Button5");
    for (TQyvCardsButton* b : {Button1, Button2, Button3, Button4, Button5})
        b->SetColorSB(DViolet);
    Button6 = makeHidden<TQyvCardsButton>(area, "Button6");
    Button7 = makeHidden<TQyvCardsButton>(area, "Button7");
    Button8 = makeHidden<TQyvCardsButton>(area, "Button8");
    Button9 = makeHidden<TQyvCardsButton>(area, "Button9");
    Button10 = makeHidden<TQyvCardsButton>(area, "Button10");
    Button11 = makeHidden<TQyvCardsButton>(area, "Button11");
    // A disabled action button (an Undo with nothing to undo) must look disabled.
    for (TQyvCardsButton* b : {Button6, Button7, Button8, Button9, Button10, Button11})
        b->SetGrayDis(true);
    BitBtn1 = makeHidden<QPushButton>(area, "BitBtn1");
    BitBtn2 = makeHidden<QPushButton>(area, "BitBtn2");

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(10);
    TimerCal = new QTimer(this);
    TimerCal->setObjectName(QStringLiteral("TimerCal"));
    TimerCal->setInterval(10000);

    resize(760, 500);
}

TTableSurface::~TTableSurface()
{
    if (Form1 == this)
        Form1 = nullptr;
}

platform::Canvas& TTableSurface::FormCanvas()
{
    return formArea_->canvas();
}

platform::PictureControl* TTableSurface::FormArea() const
{
    return formArea_;
}

int TTableSurface::ClientWidth() const
{
    return formArea_->width();
}

int TTableSurface::ClientHeight() const
{
    return formArea_->height();
}

void TTableSurface::SetClientSize(int width, int height)
{
    // The menu bar (when there is one) sits above the client area.
    const int menu = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setFixedSize(width, height + menu);
    formArea_->resize(width, height);
}

void TTableSurface::hideEvent(QHideEvent* e)
{
    QMainWindow::hideEvent(e);
    for (QTimer* t : {Timer1, Timer2, TimerCal}) {
        if (t->isActive() && !restingTimers_.contains(t)) {
            t->stop();
            restingTimers_.push_back(t);
        }
    }
}

void TTableSurface::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    for (QTimer* t : restingTimers_)
        if (!t->isActive())
            t->start();
    restingTimers_.clear();
}
