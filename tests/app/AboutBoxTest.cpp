// The about box: its links, the address it shows and the texts it puts up.
#include "app/Qyv_FAbout.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "platform/Seams.h"
#include "platform/ShellOpen.h"
#include "support/ScriptedPresenter.h"

#include <QFrame>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { Texts::LanguageIndex = 0; }
    void TearDown() override
    {
        platform::setUrlOpenerForTest({});
        platform::setSeamOverridesForTest({});
        Texts::LanguageIndex = 0;
    }
};

TEST_F(AboutBox, ShowsOneOfTheTwoSitesByChance)
{
    for (int pick : {0, 1}) {
        platform::SeamOverrides o;
        o.randomBelow = [pick](int n) {
            EXPECT_EQ(n, 2);
            return pick;
        };
        platform::setSeamOverridesForTest(o);
        TFormAbout f;
        f.FormShow();
        EXPECT_EQ(f.LabelSite->text(), pick == 0 ? About::SiteAddress1 : About::SiteAddress2);
    }
}

TEST_F(AboutBox, LinksOpenThroughTheShellAndAFailedMailSaysSo)
{
    std::vector<QUrl> opened;
    bool openerResult = true;
    platform::setUrlOpenerForTest([&](const QUrl& u) {
        opened.push_back(u);
        return openerResult;
    });
    testsupport::ScriptedPresenter presenter;
    TFormAbout f;
    f.FormShow();
    f.LabelSiteClick();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("http"));
    EXPECT_EQ(opened[0], QUrl(f.LabelSite->text()));
    f.LabelMailClick();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("mailto:") + About::MailAddress));
    EXPECT_TRUE(presenter.messages.empty());

    openerResult = false;
    f.LabelMailClick();
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0].text, QStringLiteral("Auto method failed."));

    // A site address that is no web address is refused and opens nothing.
    f.LabelSite->setText(QStringLiteral("file:///etc/passwd"));
    f.LabelSiteClick();
    EXPECT_EQ(opened.size(), 3u);
}

TEST_F(AboutBox, TextsAndColoursOfTheLabels)
{
    testsupport::ScriptedPresenter presenter;
    bool checked = false;
    presenter.onDialog = [&](QDialog& d) {
        auto& f = static_cast<TFormAbout&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("About"));
        EXPECT_EQ(WindowParts::HelpContextOf(f), 21);
        EXPECT_EQ(f.Label2->text(), QStringLiteral("V 4.0"));
        EXPECT_EQ(f.Label3->text(), Texts::Tx(Texts::ReleaseDateTexts));
        EXPECT_EQ(f.Label7->text(), QStringLiteral("The author of idea:"));
        EXPECT_EQ(f.Label8->text(), QStringLiteral("Unknown"));
        EXPECT_EQ(f.LabelPHP1->text(), QStringLiteral("Programming php:"));
        EXPECT_EQ(f.Label9->text(), QStringLiteral("Separate thank you:"));
        EXPECT_EQ(f.Label10->toolTip(), QStringLiteral("More in detail in the help"));
        EXPECT_EQ(f.Label11->text(), QStringLiteral("Official site:"));
        EXPECT_EQ(f.Label12->text(), QStringLiteral("E-mail:"));
        const struct {
            QLabel* label;
            platform::TColor color;
        } colours[] = {{f.Label5, platform::clWhite},        {f.LabelPHP1, platform::clWhite},
                       {f.Label7, platform::clWhite},        {f.Label9, platform::clWhite},
                       {f.Label6, FontsAndCursors::TextColor1}, {f.LabelPHP2, FontsAndCursors::TextColor2},
                       {f.Label8, FontsAndCursors::TextColor3}, {f.Label10, FontsAndCursors::TextColor5}};
        for (const auto& c : colours) {
            SCOPED_TRACE(c.label->text().toStdString());
            EXPECT_EQ(platform::fromQColor(c.label->palette().color(QPalette::WindowText)), c.color);
        }
        checked = true;
        return QDialog::Accepted;
    };
    ShowFormAbout(nullptr);
    EXPECT_TRUE(checked);
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormAbout")});
}

TEST_F(AboutBox, DecorationsAnimateOnlyWhenAnimationsAreOnAndStopOnClose)
{
    const bool keepGif = Settings::GifAnimationOn;
    const bool keepCursor = Settings::YellowCursor;
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        Settings::GifAnimationOn = on;
        Settings::YellowCursor = on;
        TFormAbout f;
        f.FormShow();
        for (const WindowParts::GifAnimator* gif : {f.RxGIFAn1, f.RxGIFAn2}) {
            EXPECT_FALSE(gif->Resource().isEmpty());
            EXPECT_EQ(gif->Running(), on);
            if (!on) {
                EXPECT_EQ(gif->Frame(), 0);
            }
        }
        // The window's cursors are those of the chosen set.
        const QCursor hand = FontsAndCursors::CursorOf(FontsAndCursors::CursorKind::Hand, on ? 1 : 0).FrameAt(0);
        EXPECT_EQ(f.Button1->cursor().shape(), hand.shape());
        EXPECT_EQ(f.LabelMail->cursor().hotSpot(), hand.hotSpot());
        f.Button1Click();
        EXPECT_FALSE(f.RxGIFAn1->Running());
        EXPECT_FALSE(f.RxGIFAn2->Running());
    }
    Settings::GifAnimationOn = keepGif;
    Settings::YellowCursor = keepCursor;
}

} // namespace
