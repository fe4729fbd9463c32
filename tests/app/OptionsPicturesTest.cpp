// The options dialog's own pictures: the header icon, the caption word beside it and the
// animation that stands still on its 27th frame when animations are off.
#include "OptionsDialogFixture.h"

#include "app/Qyv_FOptions.h"
#include "foundation/GameState.h"
#include "foundation/Language.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "platform/Resources.h"
#include "support/RecordingSoundSink.h"
#include "support/ScriptedPresenter.h"

#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OptionsPictures : public OptionsDialogFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::setProgramFolderForTest(dir.path() + QStringLiteral("/"));
        GameState::ResetGameState();
        Settings::SetDefaultSettings();
        Texts::LanguageIndex = 0;
        GameState::CurrentGameId = 431;
        OpenDialog();
    }
    void TearDown() override
    {
        CloseDialog();
        Settings::SetDefaultSettings();
        platform::setProgramFolderForTest({});
    }
    // Columns of the picture that hold something other than the dialog's face colour.
    static std::pair<int, int> inkedColumns(const QImage& img, QRgb face)
    {
        int first = -1, last = -1;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if ((img.pixel(x, y) & 0xFFFFFF) != (face & 0xFFFFFF)) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }
};

} // namespace

TEST_F(OptionsPictures, IconAndCaptionWordFillTheirPlacesInTheHeader)
{
    const QImage icon = platform::resources::image(QStringLiteral("Options"));
    const QImage caption = platform::resources::image(QStringLiteral("GOptionsCap"));
    ASSERT_EQ(icon.size(), QSize(48, 48));
    ASSERT_FALSE(caption.isNull());
    // The word starts at x 178 of a 535 x 48 picture and must not be cut off there.
    EXPECT_LE(caption.width(), 535 - 178);
    EXPECT_LE(caption.height(), 48);

    FormOptions->FormShow();
    const QImage header = FormOptions->Image00->canvas().image();
    const QRgb face = header.pixel(0, 0);
    const auto [first, last] = inkedColumns(header, face);
    EXPECT_GE(first, 178);
    EXPECT_LT(last, 535);
    EXPECT_GT(last - first, 100) << "the caption word is drawn";
    const auto [iconFirst, iconLast] = inkedColumns(FormOptions->Image01->canvas().image(), face);
    EXPECT_GE(iconFirst, 0) << "the icon is drawn";
    EXPECT_LT(iconLast, 48);
}

TEST_F(OptionsPictures, AnimationStandsOnFrame26WhenAnimationsAreOff)
{
    QBuffer gif;
    gif.setData(platform::resources::find(QStringLiteral("GOptions")));
    QImageReader reader(&gif, "gif");
    EXPECT_EQ(reader.size(), QSize(140, 200));
    EXPECT_GE(reader.imageCount(), 27);

    Settings::GifAnimationOn = false;
    FormOptions->FormShow();
    QMovie* movie = FormOptions->RxGIFAn1->movie();
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->currentFrameNumber(), 26);
    EXPECT_NE(movie->state(), QMovie::Running);
}
