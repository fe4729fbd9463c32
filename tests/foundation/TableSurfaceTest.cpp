#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

TEST(TableSurface, BareSurfaceHasEveryControlUnderItsName)
{
    TTableSurface surface;
    const QWidget* controls[] = {
        surface.ImageStol, surface.ImageKoloda, surface.ImageRamka, surface.ImageStol2,
        surface.ImageKon, surface.ImageTuzi, surface.ImageTablo2, surface.ImageHelp,
        surface.ImageDiv, surface.Image1, surface.ImageCaption, surface.ImageElite,
        surface.ImageSvLeft, surface.ImageSvRight, surface.RxGIFAnL, surface.RxGIFAnR,
        surface.ImCalL, surface.ImCalR, surface.ImWT, surface.ImGP, surface.ImCh, surface.ImAn,
        surface.ImSt, surface.ImHp, surface.ImAc, surface.Panel1, surface.Panel2, surface.Panel3,
        surface.Panel4, surface.Button1, surface.Button2, surface.Button3, surface.Button4,
        surface.Button5, surface.Button6, surface.Button7, surface.Button8, surface.Button9,
        surface.Button10, surface.Button11, surface.BitBtn1, surface.BitBtn2,
    };
    for (const QWidget* w : controls) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->objectName().isEmpty());
        EXPECT_EQ(surface.findChild<QWidget*>(w->objectName()), w) << w->objectName().toStdString();
    }
    EXPECT_FALSE(surface.Timer1->isActive());
}

TEST(TableSurface, ClientSizeAndTheGlobalPointer)
{
    auto* surface = new TTableSurface;
    Form1 = surface;
    surface->SetClientSize(990, 650);
    EXPECT_EQ(surface->ClientWidth(), 990);
    EXPECT_EQ(surface->ClientHeight(), 650);
    surface->FormCanvas().setSize(990, 650);
    EXPECT_EQ(surface->FormCanvas().width(), 990);
    delete surface;
    EXPECT_EQ(Form1, nullptr); // a dead window is never reached through the global
}
