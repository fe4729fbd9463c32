// The options dialog driven as the player drives it: every change takes effect at once.
#include "OptionsDialogFixture.h"

#include "app/Qyv_FOptions.h"
#include "app/WindowSize.h"
#include "foundation/CardPictures.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Scaling.h"
#include "foundation/Settings.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/PictureControl.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingSoundSink.h"
#include "support/ResourceBundle.h"
#include "support/ScriptedPresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class OptionsDialog : public OptionsDialogFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::setProgramFolderForTest(dir.path() + QStringLiteral("/prog"));
        QDir(dir.path()).mkdir(QStringLiteral("prog"));
        GameState::ResetGameState();
        Settings::SetDefaultSettings();
        Texts::LanguageIndex = 0;
        GameState::CurrentGameId = 431;
        GameState::MenuActive = 1;
        WindowSize::SetScreenAreaForTest(QRect(0, 0, 1920, 1040));
        OpenDialog();
    }
    void TearDown() override
    {
        CloseDialog();
        WindowSize::SetScreenAreaForTest({});
        Texts::LanguageIndex = 0;
        platform::setProgramFolderForTest({});
    }
    TFormOptions& f() { return *FormOptions; }
};

QStringList entries(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

} // namespace

TEST_F(OptionsDialog, WindowSizeListKeepsOnlyTheSizesThatFitTheScreen)
{
    const QString s = QStringLiteral("Small window"), fs = QStringLiteral("Full screen"),
                  a1 = QStringLiteral("Average window 1"), a2 = QStringLiteral("Average window 2"),
                  l = QStringLiteral("Large window");
    const struct {
        int w, h;
        QStringList expected;
    } cases[] = {
        {1280, 1024, {s, fs, a1}},
        {1366, 768, {s, fs, a1}},
        {1024, 768, {s, fs, a1}},
        {800, 600, {s, fs}},
        {989, 1200, {s, fs}},
        {1920, 1080, {s, fs, a1, a2, l}},
        {1520, 1019, {s, fs, a1, a2}},
    };
    for (const auto& c : cases) {
        Options::FillOptionControls(c.w, c.h);
        Language::ApplyLanguage();
        EXPECT_EQ(entries(f().ComboBoxWSize), c.expected) << c.w << "x" << c.h;
    }
    // A German switch renames only the entries that exist.
    Options::FillOptionControls(1024, 768);
    f().ComboBoxLan->setCurrentIndex(2);
    ASSERT_EQ(f().ComboBoxWSize->count(), 3);
    EXPECT_EQ(f().ComboBoxWSize->itemText(2), Texts::WindowSizeNames[2][2]);
}

TEST_F(OptionsDialog, LanguageSwitchRenamesEveryCaptionButKeepsTheStoredEntries)
{
    f().ComboBoxLan->setCurrentIndex(2);
    ASSERT_EQ(Texts::LanguageIndex, 2);
    const int de = 2;
    EXPECT_EQ(f().windowTitle(), Texts::TxtOptions[de]);
    EXPECT_EQ(f().PageControl1->tabText(0), Texts::TxtTabGeneral[de]);
    EXPECT_EQ(f().PageControl1->tabText(4), Texts::TxtTabBG[de]);
    EXPECT_EQ(f().GroupBox1->title(), Texts::TxtMultimedia[de]);
    EXPECT_EQ(f().RadioGroup2->title(), Texts::TxtControl[de]);
    EXPECT_EQ(f().RadioGroup2->Item(2)->text(), Texts::MoveModeNames[2][de]);
    EXPECT_EQ(f().RadioGroup3->Item(1)->text(), Texts::BackModeNames[1][de]);
    EXPECT_EQ(f().CheckBoxCur->text(), Texts::TxtYellowCursor[de]);
    EXPECT_EQ(f().ComboBoxSol->itemText(49), Texts::GameNames[50][de]);
    EXPECT_EQ(f().ComboBox1->itemText(47), Texts::FaceDeckNames[47][de]);
    EXPECT_EQ(f().ComboBox2->itemText(12), Texts::BackDeckNames[12][de]);
    EXPECT_EQ(f().ComboBoxBG1->itemText(9), Texts::BackgroundNames[9][de]);
    EXPECT_EQ(f().ComboBoxBG2->itemText(6), Texts::BackgroundColorNames[6][de]);
    EXPECT_EQ(f().Label2->text(), Texts::TxtScalePercent[de]);
    EXPECT_EQ(f().Label1->text(), Texts::Shown(Texts::TxtFontsAttention[de]));
    EXPECT_EQ(f().ButtonDLLCardsB_2->toolTip(), Texts::TxtDownload[de] + QStringLiteral(" QyvCards07B.dll"));
    // Stored entries and captions that stay as they are in every language.
    EXPECT_EQ(f().ComboBoxLan->itemText(1), QStringLiteral("Русский"));
    EXPECT_EQ(f().ComboBoxFont->itemText(3), QStringLiteral("Особый шрифт 2"));
    EXPECT_EQ(f().ButtonDLLCardsA_1->text(), QStringLiteral("QyvCards06A"));
    // The selections survive the renaming, and no list handler ran.
    EXPECT_EQ(f().ComboBoxSol->currentIndex(), 0);
    EXPECT_EQ(f().ComboBox1->currentIndex(), Settings::FaceDeckNo);
    EXPECT_TRUE(presenter.messages.empty());

    f().ComboBoxLan->setCurrentIndex(0);
    EXPECT_EQ(f().PageControl1->tabText(0), QStringLiteral("General"));
}

TEST_F(OptionsDialog, GameListSetsGameServerCodeAndGroup)
{
    const struct {
        int entry, code, group;
        const char* server;
    } cases[] = {
        {42, 17, 5, "soluq"}, {1, 71, 1, "solvd"}, {15, 19, 2, "soltu"},
        {31, 18, 4, "solbo"}, {32, 12, 3, "solpg"}, {49, 442, 0, "sol442"},
    };
    for (const auto& c : cases) {
        f().ComboBoxSol->setCurrentIndex(c.entry);
        EXPECT_EQ(GameState::CurrentGameId, c.code) << c.entry;
        EXPECT_EQ(Settings::ServerGameCode, QString::fromLatin1(c.server)) << c.entry;
        EXPECT_EQ(GameState::CurrentGroup, GameTables::GameGroupOf(c.code)) << c.entry;
        if (c.group) {
            EXPECT_EQ(GameState::CurrentGroup, c.group) << c.entry;
        }
    }
    QString name;
    GameTables::GameNameOf(name);
    EXPECT_EQ(surface->windowTitle(), Texts::Tx(Texts::ProductNames) + QStringLiteral(" - ") + name);
}

TEST_F(OptionsDialog, WindowSizeResizesTheTableAndTheCards)
{
    const struct {
        int entry;
        int width, height, cardW, cardH, mode;
        const char* hint;
    } cases[] = {
        {2, 990, 650, 92, 125, 0, "990 x 650"},
        {3, 1290, 850, 121, 163, 0, "1290 x 850"},
        {4, 1520, 1000, 146, 198, 2, "1520 x 1000"},
        {0, 760, 500, 71, 96, 1, "760 x 500"},
    };
    for (const auto& c : cases) {
        f().ComboBoxWSize->setCurrentIndex(c.entry);
        EXPECT_EQ(Settings::WindowSize, c.entry + 1);
        EXPECT_EQ(Scaling::TableWidth, c.width) << c.entry;
        EXPECT_EQ(Scaling::TableHeight, c.height) << c.entry;
        EXPECT_EQ(surface->ClientWidth(), c.width) << c.entry;
        EXPECT_EQ(GameState::CardWidth, c.cardW) << c.entry;
        EXPECT_EQ(GameState::CardHeight, c.cardH) << c.entry;
        EXPECT_EQ(Scaling::ClassicCardMode, c.mode) << c.entry;
        EXPECT_EQ(f().toolTip(), QString::fromLatin1(c.hint)) << c.entry;
        EXPECT_EQ(f().ComboBoxSol->toolTip(), f().toolTip());
    }
    // The menu is laid out again at the new size.
    f().ComboBoxWSize->setCurrentIndex(0);
    const QRect small = surface->Button10->geometry();
    f().ComboBoxWSize->setCurrentIndex(4);
    EXPECT_NE(surface->Button10->geometry(), small);

    // Full screen on a 1920 x 1040 area.
    f().ComboBoxWSize->setCurrentIndex(1);
    EXPECT_EQ(Settings::WindowSize, 2);
    EXPECT_NEAR(Scaling::ScaleX, 1920.0 / 760.0, 1e-9);
    EXPECT_DOUBLE_EQ(Scaling::ScaleY, 2.08);
    EXPECT_DOUBLE_EQ(Scaling::Scale, 2.08);
    EXPECT_EQ(GameState::CardWidth, 146);
    EXPECT_EQ(GameState::CardHeight, 198);
    EXPECT_EQ(Scaling::ClassicCardMode, 2);
    EXPECT_TRUE(f().toolTip().isEmpty());
}

TEST_F(OptionsDialog, StoredSizeThatNoLongerFitsFallsBackToTheLargestThatDoes)
{
    WindowSize::SetScreenAreaForTest(QRect(0, 0, 1366, 738));
    Options::FillOptionControls(1366, 768);
    Settings::WindowSize = 5;
    Language::ApplyLanguage();
    EXPECT_EQ(f().ComboBoxWSize->currentIndex(), -1);
    f().ComboBoxWSizeChange();
    EXPECT_EQ(Settings::WindowSize, 3);
    EXPECT_EQ(Scaling::TableWidth, 990);
    EXPECT_EQ(f().ComboBoxWSize->currentIndex(), 2);
}

TEST_F(OptionsDialog, FaceDeckFromAMissingLibraryFallsBackWithTheMessage)
{
    const struct {
        int deck;
        const char* library;
    } cases[] = {{5, "QyvCards07A.dll"}, {33, "QyvCards07B.dll"}, {44, "QyvCards07C.dll"}};
    for (const auto& c : cases) {
        presenter.messages.clear();
        f().ComboBox1->setCurrentIndex(c.deck);
        ASSERT_EQ(presenter.messages.size(), 1u) << c.deck;
        EXPECT_EQ(presenter.messages[0].text,
                  Texts::Tx(Texts::TxtCantFindFile) + QLatin1Char(' ') + QString::fromLatin1(c.library));
        EXPECT_EQ(Settings::FaceDeckNo, 0);
        EXPECT_EQ(f().ComboBox1->currentIndex(), 0);
    }
    // The preview shows the built-in faces: not the plain button face.
    const platform::Canvas& preview = f().Image1->canvas();
    EXPECT_NE(preview.pixel(30, 48), preview.pixel(259, 95));
}

TEST_F(OptionsDialog, BackSetsSteerTheBackChoice)
{
    // Library B is absent: every set but 0 falls back to 0 while the choice group
    // follows what was picked.
    Settings::BackModeFlag = false;
    Options::FillOptionControls(1920, 1080);
    EXPECT_EQ(f().RadioGroup3->ItemIndex(), 1);
    EXPECT_FALSE(f().RadioGroup3->Item(2)->isEnabled());

    f().ComboBox2->setCurrentIndex(9);
    EXPECT_EQ(f().RadioGroup3->ItemIndex(), 2);
    EXPECT_FALSE(f().RadioGroup3->Item(0)->isEnabled());
    EXPECT_FALSE(f().RadioGroup3->Item(1)->isEnabled());
    EXPECT_TRUE(f().RadioGroup3->Item(2)->isEnabled());
    EXPECT_EQ(Settings::BackDeckNo, 0);
    EXPECT_EQ(f().ComboBox2->currentIndex(), 0);
    EXPECT_FALSE(Settings::BackModeFlag);

    f().ComboBox2->setCurrentIndex(3);
    EXPECT_EQ(f().RadioGroup3->ItemIndex(), 0);
    EXPECT_TRUE(f().RadioGroup3->Item(0)->isEnabled());
    EXPECT_FALSE(f().RadioGroup3->Item(2)->isEnabled());
    EXPECT_FALSE(Settings::BackModeFlag); // code selections leave the flag alone

    f().RadioGroup3->Item(1)->click();
    EXPECT_FALSE(Settings::BackModeFlag);
    f().RadioGroup3->Item(0)->click();
    EXPECT_TRUE(Settings::BackModeFlag);

    // Stored sets of ten backs start on "Random" with the other two disabled.
    Settings::BackDeckNo = 10;
    Options::FillOptionControls(1920, 1080);
    EXPECT_EQ(f().RadioGroup3->ItemIndex(), 2);
    EXPECT_FALSE(f().RadioGroup3->Item(1)->isEnabled());
}

TEST_F(OptionsDialog, FontRoleChangesItsHeightAndDefaultRestoresIt)
{
    // Role 1 ("serif") dresses the check boxes.
    FontsAndCursors::ApplyFormFonts();
    const int before = f().CheckBox1->font().pixelSize();
    f().ComboBoxFont->setCurrentIndex(1);
    f().SpinEdit1->setValue(150);
    EXPECT_EQ(Settings::FontSerifPercent, 150);
    EXPECT_GT(f().CheckBox1->font().pixelSize(), before);
    EXPECT_EQ(Settings::FontTimesPercent, 100);

    f().ComboBoxFont->setCurrentIndex(3);
    EXPECT_EQ(f().SpinEdit1->value(), 100);
    f().SpinEdit1->setValue(120);
    EXPECT_EQ(Settings::FontConewPercent, 120);
    Settings::FontConewName = QStringLiteral("Something Else");

    f().Button2->click();
    EXPECT_EQ(Settings::FontConewPercent, 100);
    EXPECT_EQ(Settings::FontSerifPercent, 100);
    EXPECT_EQ(Settings::FontConewName, QStringLiteral("Courier New"));
    EXPECT_EQ(Settings::FontCouriName, QStringLiteral("Fixedsys"));
    EXPECT_EQ(f().SpinEdit1->value(), 100);
    EXPECT_EQ(f().CheckBox1->font().pixelSize(), before);

    // Showing a role does not change its stored name, even when this system lacks it.
    f().ComboBoxFont->setCurrentIndex(0);
    EXPECT_EQ(Settings::FontTimesName, QStringLiteral("Comic Sans MS"));
}

TEST_F(OptionsDialog, BackgroundsAndColoursFallBackWithoutTheirLibrary)
{
    // A background picture chosen from the stored plain colour enables the colour list.
    Settings::BackgroundNo = 0;
    Options::FillOptionControls(1920, 1080);
    EXPECT_EQ(f().ComboBoxBG1->currentIndex(), -1);
    EXPECT_FALSE(f().ComboBoxBG2->isEnabled());
    f().ComboBoxBG1->setCurrentIndex(1);
    EXPECT_TRUE(f().ComboBoxBG2->isEnabled());
    EXPECT_EQ(Settings::BackgroundNo, 2);
    EXPECT_FALSE(CardPictures::TableBackground.isNull());

    // Every other picture and colour lives in the background library, absent here.
    const struct {
        QComboBox* box;
        int entry;
    } cases[] = {{f().ComboBoxBG2, 4}, {f().ComboBoxBG1, 6}, {f().ComboBoxBG1, 0}};
    for (const auto& c : cases) {
        c.box->setCurrentIndex(c.entry);
        EXPECT_EQ(Settings::BackgroundNo, 2) << c.entry;
        EXPECT_EQ(Settings::BackgroundColorIndex, 0) << c.entry;
        EXPECT_EQ(f().ComboBoxBG1->currentIndex(), 1) << c.entry;
        EXPECT_EQ(f().ComboBoxBG2->currentIndex(), 0) << c.entry;
    }
    EXPECT_EQ(CardPictures::TableColor, CardPictures::TableColorOf(0));
}

TEST_F(OptionsDialog, SwitchesAndMoveModeTakeEffectAtOnce)
{
    f().CheckBox1->click();
    EXPECT_FALSE(Settings::SoundOn);
    f().CheckBoxCur->click();
    EXPECT_TRUE(Settings::YellowCursor);
    EXPECT_EQ(surface->Button10->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(f().ComboBox1->cursor().shape(), Qt::BitmapCursor);
    f().CheckBoxCur->click();
    EXPECT_EQ(surface->Button10->cursor().shape(), Qt::PointingHandCursor);
    const struct {
        QWidget* control;
        Qt::CursorShape shape;
    } cursors[] = {
        {f().ComboBox1, Qt::PointingHandCursor}, {f().RadioGroup3->Item(2), Qt::PointingHandCursor},
        {f().ButtonDLLBackG_1, Qt::PointingHandCursor}, {f().SpinEdit1, Qt::IBeamCursor},
        {f().TabSheet4, Qt::ArrowCursor}, {f().ComboBoxWSize, Qt::ArrowCursor},
    };
    for (const auto& c : cursors)
        EXPECT_EQ(c.control->cursor().shape(), c.shape) << c.control->metaObject()->className();

    f().RadioGroup2->Item(2)->click();
    EXPECT_EQ(Settings::MoveMode, 2);
    f().RadioGroup2->Item(0)->click();
    EXPECT_EQ(Settings::MoveMode, 0);

    // Outside the menu the animation switch does nothing; in it, it takes.
    GameState::MenuActive = 0;
    const bool gif = Settings::GifAnimationOn;
    f().CheckBox3->click();
    EXPECT_EQ(Settings::GifAnimationOn, gif);
    GameState::MenuActive = 1;
    f().CheckBox3->click();
    EXPECT_EQ(Settings::GifAnimationOn, f().CheckBox3->isChecked());
}

TEST_F(OptionsDialog, TheSettingsFileWrittenAtExitHoldsTheChoices)
{
    f().ComboBoxLan->setCurrentIndex(7);
    f().ComboBoxSol->setCurrentIndex(42);
    f().ComboBoxWSize->setCurrentIndex(3);
    f().CheckBox1->click();
    f().RadioGroup2->Item(1)->click();
    f().ComboBoxFont->setCurrentIndex(2);
    f().SpinEdit1->setValue(80);
    f().CheckBoxCur->click();
    f().RadioGroup3->Item(1)->click();
    Settings::SaveSettings();

    Settings::SetDefaultSettings();
    Texts::LanguageIndex = 0;
    GameState::CurrentGameId = 0;
    Settings::LoadSettings();
    EXPECT_EQ(Texts::LanguageIndex, 7);
    EXPECT_EQ(GameState::CurrentGameId, 17);
    EXPECT_EQ(Settings::WindowSize, 4);
    EXPECT_FALSE(Settings::SoundOn);
    EXPECT_EQ(Settings::MoveMode, 1);
    EXPECT_EQ(Settings::FontCouriPercent, 80);
    EXPECT_TRUE(Settings::YellowCursor);
    EXPECT_FALSE(Settings::BackModeFlag);
}

TEST_F(OptionsDialog, OkAndEscapeCloseTheDialog)
{
    presenter.onDialog = [](QDialog& d) {
        d.show();
        static_cast<TFormOptions&>(d).Button1->click();
        return d.result();
    };
    Options::ShowOptionsDialog();
    EXPECT_EQ(presenter.dialogs, QStringList{QStringLiteral("FormOptions")});
    EXPECT_FALSE(FormOptions->isVisible());
    ASSERT_EQ(sound.calls.size(), 1u);

    // Escape closes it too, without a sound.
    presenter.onDialog = [](QDialog& d) {
        d.show();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&d, &esc);
        return d.result();
    };
    Options::ShowOptionsDialog();
    EXPECT_FALSE(FormOptions->isVisible());
    EXPECT_EQ(sound.calls.size(), 1u);
}

TEST_F(OptionsDialog, WithTheCardLibrariesTheDeckWidthAndPadFollowSizeAndDeck)
{
    if (!testsupport::RccInstalled())
        GTEST_SKIP() << "no resource compiler";
    for (const QString& lib : {CardPictures::LibraryA, CardPictures::LibraryB, CardPictures::LibraryC})
        ASSERT_TRUE(testsupport::MakeDummyBundle(platform::programFolder() + lib));

    // A narrow deck at "Average window 2": 104 x 163.
    f().ComboBox1->setCurrentIndex(33);
    f().ComboBoxWSize->setCurrentIndex(3);
    EXPECT_EQ(GameState::CardWidth, 104);
    EXPECT_EQ(GameState::CardHeight, 163);
    EXPECT_EQ(CardPictures::NarrowCardPad, 5);

    // Wide deck 40: pad 5 after a size change at "Average window 1", 0 once it is chosen again.
    f().ComboBox1->setCurrentIndex(40);
    f().ComboBoxWSize->setCurrentIndex(2);
    EXPECT_EQ(Settings::FaceDeckNo, 40);
    EXPECT_EQ(CardPictures::NarrowCardPad, 5);
    f().ComboBox1->setCurrentIndex(0);
    f().ComboBox1->setCurrentIndex(40);
    EXPECT_EQ(CardPictures::NarrowCardPad, 0);
    // At the small size the pad is 0 whatever the deck.
    f().ComboBoxWSize->setCurrentIndex(0);
    EXPECT_EQ(CardPictures::NarrowCardPad, 0);

    // Back set 9 now loads: "Random" with the other two disabled, the set kept.
    f().ComboBox2->setCurrentIndex(9);
    EXPECT_EQ(Settings::BackDeckNo, 9);
    EXPECT_EQ(f().RadioGroup3->ItemIndex(), 2);
    EXPECT_TRUE(presenter.messages.empty());
}
