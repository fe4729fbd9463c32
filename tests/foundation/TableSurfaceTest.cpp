#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "platform/AnimatedPicture.h"
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

TEST(TableSurface, ClubMemberButtonsAreVioletFacesAndPlacesAreRed)
{
    TTableSurface surface;
    // Row 27 of the red master (0x0000EE at the 30-pixel height) through each scheme.
    struct Case {
        TQyvCardsButton* button;
        platform::TColor face;
    };
    const Case cases[] = {
        {surface.Button1, 0xEE00EE}, {surface.Button2, 0xEE00EE}, {surface.Button3, 0xEE00EE},
        {surface.Button4, 0xEE00EE}, {surface.Button5, 0xEE00EE}, {surface.Panel1, 0x0000EE},
    };
    for (const Case& c : cases) {
        c.button->resize(200, 30);
        const QImage shot = c.button->grab().toImage();
        EXPECT_EQ(platform::fromQRgb(shot.pixel(100, 27)), c.face) << c.button->objectName().toStdString();
    }
}

TEST(TableSurface, ADisabledActionButtonShowsASilverCaption)
{
    TTableSurface surface;
    for (TQyvCardsButton* b : {surface.Button7, surface.Button8, surface.Button10}) {
        b->setText(QStringLiteral("MMMM"));
        b->resize(200, 30);
        QFont f = b->font();
        f.setPixelSize(22);
        f.setBold(true);
        b->setFont(f);
        auto silverPixels = [b] {
            QImage img(b->size(), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::black);
            b->DrawButton(img, b->rect(), b->CurrentState());
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    n += platform::fromQRgb(img.pixel(x, y)) == platform::clSilver;
            return n;
        };
        b->setEnabled(true);
        EXPECT_EQ(silverPixels(), 0) << b->objectName().toStdString();
        b->setEnabled(false);
        EXPECT_GT(silverPixels(), 20) << b->objectName().toStdString();
    }
}
