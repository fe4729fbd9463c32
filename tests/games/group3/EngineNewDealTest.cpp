// The start of a group-3 round on a bare table surface: the round's flags and buttons,
// Picture Gallery's choice phase through its deal buttons, the empty table of games
// without a module yet, and a club file that cannot be read.
#include "Group3TestSupport.h"

#include "support/ScriptedPresenter.h"
#include "app/RoundStart.h"
#include "foundation/CardPictures.h"
#include "foundation/ClubPlayer.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Shuffle.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace GameState;
using namespace Group3;

namespace {

class Group3NewDeal : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TTableSurface>();
        Form1 = window.get();
        Form1->ImageStol->setPictureSize(760, 500);
        ApplyZoomForTest(760, 500, 1.0, true);
        CardPictures::TableBackground = QImage(760, 500, QImage::Format_RGB32);
        CardPictures::TableBackground.fill(Qt::darkGreen);
        SetShuffleSeedForTest(11);
        DealAllGamesForTest = true;
    }
    void TearDown() override
    {
        Form1 = nullptr;
        window.reset();
        CardPictures::TableBackground = QImage();
        DealAllGamesForTest = false;
        SetShuffleSeedForTest(std::nullopt);
        platform::setProgramFolderForTest(QString());
        ResetGameState();
    }
    void Start(int game)
    {
        ResetGameState();
        CurrentGameId = game;
        CurrentGroup = 3;
        PlayerSlot = 6;
    }
    std::unique_ptr<TTableSurface> window;
};

TEST_F(Group3NewDeal, EveryGameStartsLockedWithItsButtons)
{
    struct Case {
        int game;
        int pass;
    };
    const Case cases[] = {{PictureGallery, 0}, {Desire, 0}, {Twenty, 0}, {Calculation, 0}, {Sultan, 1},
                          {Backbone, 1},       {Carpet, 1}, {Fig, 1},    {FlowerGarden, 1}, {EightSages, 1}};
    for (const auto& c : cases) {
        Start(c.game);
        MoveCounter = 17;
        GameOver = 1;
        GameWon = 1;
        UndoFlag = 1;
        SourceSelected = 1;
        ASSERT_TRUE(NewDeal3(false)) << c.game;
        EXPECT_EQ(PassCount, c.pass) << c.game;
        EXPECT_EQ(MoveCounter, 0) << c.game;
        EXPECT_EQ(RoundPhase, 1) << c.game;
        EXPECT_EQ(GameOver, 0) << c.game;
        EXPECT_EQ(GameWon, 0) << c.game;
        EXPECT_EQ(UndoFlag, 0) << c.game;
        EXPECT_EQ(SourceSelected, 0) << c.game;
        EXPECT_EQ(PlayerRounds, 1) << c.game;
        EXPECT_EQ(GalleryRedealCount, 1) << c.game;
        const bool gallery = c.game == PictureGallery;
        EXPECT_EQ(Form1->Button7->text(), Texts::Tx(gallery ? Texts::TxtInfo : Texts::TxtToBegin)) << c.game;
        EXPECT_EQ(Form1->Button7->isEnabled(), !gallery) << c.game;
        EXPECT_EQ(Form1->Button8->text(), Texts::Tx(Texts::TxtToMenu)) << c.game;
        EXPECT_FALSE(Form1->Button8->isEnabled()) << c.game;
        EXPECT_TRUE(Form1->Timer1->isActive()) << c.game;
        EXPECT_EQ(Form1->Timer1->interval(), 200) << c.game;
        EXPECT_GT(Form1->Button7->width(), 0) << c.game;
        EXPECT_EQ(Form1->Button8->y(), Form1->Button7->y() + Form1->Button7->height()) << c.game;
    }
}

TEST_F(Group3NewDeal, PictureGalleryChoosesAmongThreeLayouts)
{
    Start(PictureGallery);
    PlayerRounds = 0;
    ASSERT_TRUE(NewDeal3(false));
    TTableSurface& f = *Form1;
    EXPECT_EQ(f.BitBtn1->text(), QStringLiteral("1/2"));
    EXPECT_EQ(f.BitBtn2->text(), Texts::Tx(Texts::TxtGame));
    EXPECT_TRUE(f.BitBtn1->isEnabled());
    EXPECT_TRUE(f.BitBtn2->isEnabled());
    EXPECT_FALSE(f.Button7->isEnabled());
    // The light and the buttons stay in the margin left of the gallery.
    EXPECT_LE(f.BitBtn1->x() + f.BitBtn1->width(), TopAreaRect[1]);
    const QImage green = f.ImageStol->canvas().image().copy(0, MainAreaRect[2], TopAreaRect[1], 128);
    PlayerScore = 77;

    RoundStart::BitBtn1Click(f);
    EXPECT_EQ(GalleryRedealCount, 2);
    EXPECT_EQ(f.BitBtn1->text(), QStringLiteral("2/2"));
    EXPECT_TRUE(f.BitBtn1->isEnabled());
    EXPECT_TRUE(f.BitBtn2->isEnabled());
    EXPECT_FALSE(f.Button7->isEnabled());
    EXPECT_EQ(RoundPhase, 1);
    EXPECT_EQ(PlayerScore, 77); // the player's data is kept
    EXPECT_EQ(PlayerRounds, 1);
    const QImage yellow = f.ImageStol->canvas().image().copy(0, MainAreaRect[2], TopAreaRect[1], 128);
    EXPECT_FALSE(yellow == green);
    SetShuffleSeedForTest(12);

    RoundStart::BitBtn1Click(f);
    EXPECT_EQ(GalleryRedealCount, 3);
    EXPECT_FALSE(f.BitBtn1->isEnabled());
    EXPECT_FALSE(f.BitBtn2->isEnabled());
    EXPECT_TRUE(f.Button7->isEnabled()); // the score window stays reachable
    EXPECT_EQ(RoundPhase, 2);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(PlayerScore, 77);
    const QImage red = f.ImageStol->canvas().image().copy(0, MainAreaRect[2], TopAreaRect[1], 128);
    EXPECT_FALSE(red == yellow);
    EXPECT_FALSE(red == green);
    // The light never reaches into the gallery.
    const QImage before = f.ImageStol->canvas().image().copy(TopAreaRect[1], 0, 760 - TopAreaRect[1], 500);
    DrawTrafficLight(QStringLiteral("green"));
    EXPECT_TRUE(f.ImageStol->canvas().image().copy(TopAreaRect[1], 0, 760 - TopAreaRect[1], 500) == before);
}

TEST_F(Group3NewDeal, PictureGalleryPlaysTheFirstLayoutOnGame)
{
    Start(PictureGallery);
    ASSERT_TRUE(NewDeal3(false));
    RoundStart::BitBtn2Click(*Form1);
    EXPECT_FALSE(Form1->BitBtn1->isEnabled());
    EXPECT_FALSE(Form1->BitBtn2->isEnabled());
    EXPECT_TRUE(Form1->Button7->isEnabled());
    EXPECT_EQ(RoundPhase, 2);
    EXPECT_EQ(MoveCounter, 1);
    EXPECT_EQ(GalleryRedealCount, 1);
}

TEST_F(Group3NewDeal, AnUnreadableClubFileLeavesTheTableAlone)
{
    testsupport::ScriptedPresenter presenter;
    QTemporaryDir folder; // no club file in it
    platform::setProgramFolderForTest(folder.path());
    Start(Fig);
    PileCards[1][1] = g3test::Cd("Кп");
    PileCounts[1] = 1;
    PlayerSlot = 2;
    EXPECT_FALSE(NewDeal3(false));
    EXPECT_EQ(PileCards[1][1], g3test::Cd("Кп"));
    EXPECT_EQ(PileCounts[1], 1);
    EXPECT_EQ(PileCounts[2], 0);
    EXPECT_EQ(RoundActive, 0);
}

} // namespace
