#include "foundation/GameState.h"
#include "foundation/Layout.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <vector>

using namespace GameState;

namespace {

class LayoutControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        surface = std::make_unique<TTableSurface>();
        Form1 = surface.get();
    }
    void TearDown() override
    {
        Form1 = nullptr;
        surface.reset();
        ResetGameState();
        ApplyZoomForTest(760, 500, 1.0, true);
    }
    // Lays out `game` on a client area of the table's size.
    void layOut(int game, int width = 760, int height = 500, double zoom = 1.0)
    {
        ApplyZoomForTest(width, height, zoom, true);
        surface->SetClientSize(width, height);
        CurrentGameId = game;
        LayoutTable();
    }
    std::vector<QWidget*> menuControls() const
    {
        TTableSurface& f = *surface;
        return {f.ImageCaption, f.ImageElite, f.ImageSvLeft, f.ImageSvRight, f.RxGIFAnL, f.RxGIFAnR,
                f.ImCalL,       f.ImCalR,     f.ImWT,        f.ImGP,         f.ImCh,     f.ImAn,
                f.ImSt,         f.ImHp,       f.ImAc,        f.Button1,      f.Button2,  f.Button3,
                f.Button4,      f.Button5,    f.Button6,     f.Button9,      f.Button10, f.Button11,
                f.Panel1,       f.Panel2,     f.Panel3,      f.Panel4};
    }
    std::vector<QWidget*> tableControls() const
    {
        TTableSurface& f = *surface;
        return {f.Button7, f.Button8,   f.ImageStol,   f.ImageRamka, f.ImageKoloda, f.ImageStol2,
                f.ImageKon, f.ImageTuzi, f.ImageTablo2, f.ImageHelp,  f.BitBtn1,     f.BitBtn2};
    }
    static void expectPicture(platform::PictureControl* p, QRect geometry, const char* what)
    {
        EXPECT_EQ(p->geometry(), geometry) << what;
        EXPECT_EQ(p->canvas().width(), geometry.width()) << what;
        EXPECT_EQ(p->canvas().height(), geometry.height()) << what;
    }

    std::unique_ptr<TTableSurface> surface;
};

} // namespace

TEST_F(LayoutControlsTest, LayoutHidesTheMenuScreenAndSetsTheGamesHelpContext)
{
    for (QWidget* w : menuControls())
        w->show();
    surface->ImageDiv->show();
    layOut(415);
    for (QWidget* w : menuControls())
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(surface->ImageDiv->isHidden());
    EXPECT_EQ(surface->HelpContext, 28 + 1);
    layOut(431);
    EXPECT_EQ(surface->HelpContext, 1 + 1);
}

TEST_F(LayoutControlsTest, TablePictureCoversTheTableOrTheWholeClientArea)
{
    // The table's size unless the game fits its picture to the window.
    const struct {
        int game;
        QRect table;
    } cases[] = {{431, {0, 0, 760, 500}}, {12, {0, 0, 760, 500}},  {18, {0, 0, 760, 500}},
                 {424, {0, 0, 800, 540}}, {407, {0, 0, 800, 540}}, {416, {0, 0, 800, 540}}};
    for (const auto& c : cases) {
        ApplyZoomForTest(760, 500, 1.0, true);
        surface->SetClientSize(800, 540);
        CurrentGameId = c.game;
        LayoutTable();
        expectPicture(surface->ImageStol, c.table, std::to_string(c.game).c_str());
    }
}

TEST_F(LayoutControlsTest, UnclePelkSpreadsItsTableOverFivePictures)
{
    layOut(17);
    expectPicture(surface->ImageTuzi, {230, 10, 302, 200}, "foundations");
    expectPicture(surface->ImageStol, {230, 210, 302, 290}, "table");
    expectPicture(surface->ImageKon, {15, 10, 200, 350}, "TabloY board");
    expectPicture(surface->ImageTablo2, {546, 10, 200, 200}, "TabloG board");
    expectPicture(surface->ImageKoloda, {571, 220, 150, 150}, "deck");
    expectPicture(surface->ImageHelp, {15, 362, 200, 136}, "gauge");
    EXPECT_EQ(surface->ImageStol2->size(), QSize(0, 0));
    // Zoom 2: the areas scale, the boards keep their size.
    layOut(17, 1520, 1000, 2.0);
    expectPicture(surface->ImageStol, {460, 420, 604, 580}, "table at zoom 2");
    expectPicture(surface->ImageKon, {130, 195, 200, 350}, "TabloY board at zoom 2");
}

TEST_F(LayoutControlsTest, TulipHelpPictureKeepsItsDesignPlaceAndPaganiniLeavesIt)
{
    layOut(19, 1520, 1000, 2.0);
    expectPicture(surface->ImageHelp, {200, 400, 360, 90}, "Tulip");
    surface->ImageHelp->setGeometry(1, 2, 3, 4);
    layOut(402);
    EXPECT_EQ(surface->ImageHelp->geometry(), QRect(1, 2, 3, 4));
    layOut(401);
    expectPicture(surface->ImageHelp, {200, 400, 360, 90}, "Blue Tulip");
}

TEST_F(LayoutControlsTest, HideTableControlsTakesTheTableOffAndSlowsTheTimer)
{
    for (QWidget* w : tableControls())
        w->show();
    surface->Button1->show();
    surface->Timer1->setInterval(200);
    PileCounts[3] = 9;
    HideTableControls();
    for (QWidget* w : tableControls())
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(surface->Button1->isHidden()); // the menu's own controls are the caller's
    EXPECT_EQ(surface->Timer1->interval(), 20);
    EXPECT_EQ(PileCounts[3], 9);
    // Calling it on a hidden table only sets the same properties again.
    HideTableControls();
    for (QWidget* w : tableControls())
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
}
