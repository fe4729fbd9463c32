// The dedication window: its five candles, its text and how it closes.
#include "app/Qyv_FPapa.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/Texts.h"
#include "support/ScriptedPresenter.h"

#include <QMovie>
#include <gtest/gtest.h>

namespace {

TEST(DedicationWindow, CandlesStandInPlaceAndRunUntilClosed)
{
    Texts::LanguageIndex = 0;
    testsupport::ScriptedPresenter presenter;
    bool checked = false;
    presenter.onDialog = [&](QDialog& d) {
        auto& f = static_cast<TFormPapa&>(d);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Dedication"));
        EXPECT_EQ(WindowParts::HelpContextOf(f), 40);
        EXPECT_EQ(f.Label1->text(), Texts::Shown(Texts::Tx(Texts::DedicationTexts)));
        const struct {
            WindowParts::GifAnimator* a;
            int x, y;
            const char* gif;
        } candles[] = {{f.RxGIFAn1, 40, 230, "GifMama070"}, {f.RxGIFAn2, 84, 222, "GifMama100"},
                       {f.RxGIFAn3, 154, 210, "GifMama130"}, {f.RxGIFAn4, 237, 222, "GifMama100"},
                       {f.RxGIFAn5, 294, 230, "GifMama070"}};
        for (const auto& c : candles) {
            SCOPED_TRACE(c.gif);
            EXPECT_EQ(c.a->Resource(), QString::fromLatin1(c.gif));
            EXPECT_EQ(c.a->pos(), QPoint(c.x, c.y));
            EXPECT_FALSE(c.a->size().isEmpty());
            EXPECT_TRUE(c.a->Running());
            // Inside the window, above the text.
            EXPECT_LE(c.a->geometry().right(), 359);
            EXPECT_LE(c.a->geometry().bottom(), 409);
        }
        f.reject(); // Esc
        for (const auto& c : candles)
            EXPECT_FALSE(c.a->Running());
        checked = true;
        return f.result();
    };
    EXPECT_EQ(ShowFormPapa(nullptr), QDialog::Rejected);
    EXPECT_TRUE(checked);
}

TEST(DedicationWindow, GermanTextIsSetSmaller)
{
    for (int lang : {0, 1, 2, 5}) {
        SCOPED_TRACE(lang);
        Texts::LanguageIndex = lang;
        TFormPapa f;
        f.FormShow();
        f.FormActivate();
        EXPECT_EQ(f.Label1->font().pixelSize(), lang == 2 ? 22 : 24);
        EXPECT_EQ(f.Label1->text(), Texts::Shown(Texts::DedicationTexts[lang]));
        EXPECT_TRUE(f.Label1->wordWrap());
    }
    Texts::LanguageIndex = 0;
}

} // namespace
