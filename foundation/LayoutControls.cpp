// The main window's side of the table layout: the controls a layout hides and places.
#include "foundation/LayoutCommon.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"

#include <QLabel>

namespace GameState::LayoutCommon {

namespace {

platform::PictureControl* pictureOf(Picture which)
{
    switch (which) {
    case Picture::Stol: return Form1->ImageStol;
    case Picture::Stol2: return Form1->ImageStol2;
    case Picture::Tuzi: return Form1->ImageTuzi;
    case Picture::Kon: return Form1->ImageKon;
    case Picture::Tablo2: return Form1->ImageTablo2;
    case Picture::Koloda: return Form1->ImageKoloda;
    case Picture::Help: return Form1->ImageHelp;
    }
    return nullptr;
}

void hide(QWidget* w)
{
    if (w)
        w->setVisible(false);
}

} // namespace

void PlacePicture(Picture which, int left, int top, int width, int height)
{
    if (!Form1)
        return;
    platform::PictureControl* picture = pictureOf(which);
    if (!picture)
        return;
    picture->setGeometry(left, top, width, height);
    picture->setPictureSize(width, height);
}

void FitTableToWindow()
{
    if (!Form1)
        return;
    PlacePicture(Picture::Stol, 0, 0, Form1->ClientWidth(), Form1->ClientHeight());
}

void PrepareWindowForRound(int helpContext)
{
    if (!Form1)
        return;
    Form1->HelpContext = helpContext;
    TTableSurface& f = *Form1;
    QWidget* const menuControls[] = {
        f.ImageCaption, f.ImageElite, f.ImageSvLeft, f.ImageSvRight, f.RxGIFAnL, f.RxGIFAnR,
        f.ImCalL, f.ImCalR, f.ImWT, f.ImGP, f.ImCh, f.ImAn, f.ImSt, f.ImHp, f.ImAc,
        f.Button1, f.Button2, f.Button3, f.Button4, f.Button5, f.Button6, f.Button9,
        f.Button10, f.Button11, f.Panel1, f.Panel2, f.Panel3, f.Panel4,
    };
    for (QWidget* w : menuControls)
        hide(w);
}

} // namespace GameState::LayoutCommon
