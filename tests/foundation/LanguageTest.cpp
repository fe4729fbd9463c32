// Language switching: the rows of ApplyLanguage, the main window's captions, and CJK
// texts drawn with real glyphs.
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/Language.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/TableSurface.h"
#include "foundation/Texts.h"
#include "platform/Presenter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>
#include <QGlyphRun>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <memory>

using namespace Texts;

namespace {

constexpr int Eng = 0, Rus = 1, Jap = 8;

// Restores the language and the game after each test.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLanguage_ = LanguageIndex;
        savedGame_ = GameState::CurrentGameId;
    }
    void TearDown() override
    {
        LanguageIndex = savedLanguage_;
        GameState::CurrentGameId = savedGame_;
    }

private:
    int savedLanguage_ = 0;
    int savedGame_ = 0;
};

// Every caption of a window: its title and the text of each button and label.
QMap<QString, QString> captions(const QWidget& w)
{
    QMap<QString, QString> m;
    m.insert(QStringLiteral("<title>"), w.windowTitle());
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        m.insert(b->objectName(), b->text());
    for (const QLabel* l : w.findChildren<QLabel*>())
        m.insert(l->objectName(), l->text());
    return m;
}

// A button whose own setText hides the base one, as a self-drawn button's does.
class RecordingButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    void setText(const QString& s)
    {
        received = s;
        QPushButton::setText(s);
    }
    QString received;
};

} // namespace

TEST_F(LanguageTest, RussianAndBackRestoresEveryCaptionOfTheMainWindow)
{
    GameState::CurrentGameId = 413;
    TTableSurface surface;
    Language::RegisterSurface(surface);

    Language::SetLanguage(Eng);
    const auto english = captions(surface);
    EXPECT_EQ(english.value("<title>"), "Vardelin - Spider-Solo");
    EXPECT_EQ(english.value("Button6"), "New Player");
    EXPECT_EQ(english.value("Button9"), "Top Ten");
    EXPECT_EQ(english.value("Button10"), "Options");
    EXPECT_EQ(english.value("Button11"), "Exit");
    EXPECT_EQ(english.value("Panel4"), " The members of club      Rounds      Score ");

    Language::SetLanguage(Rus);
    const auto russian = captions(surface);
    EXPECT_EQ(russian.value("<title>"), ProductNames[Rus] + " - " + GameNames[7][Rus]);
    for (const char* name : {"<title>", "Button6", "Button9", "Button10", "Button11", "Panel4"})
        EXPECT_NE(russian.value(name), english.value(name)) << name;
    EXPECT_EQ(russian.value("Button11"), TxtExit[Rus]);

    Language::SetLanguage(Eng);
    EXPECT_EQ(captions(surface), english);
}

TEST_F(LanguageTest, ASwitchGivesTheButtonsTheFacesOfAFreshStart)
{
    for (int target : {Rus, Jap, Eng}) {
        LanguageIndex = target;
        TTableSurface fresh;
        Form1 = &fresh;
        FontsAndCursors::ApplyFormFonts();
        const QString freshButton = fresh.Button9->font().family();
        const QString freshList = fresh.Button1->font().family();

        LanguageIndex = target == Eng ? Rus : Eng;
        TTableSurface switched;
        Form1 = &switched;
        FontsAndCursors::ApplyFormFonts();
        Language::SetLanguage(target);
        EXPECT_EQ(switched.Button9->font().family(), freshButton) << target;
        EXPECT_EQ(switched.Button1->font().family(), freshList) << target;
        Form1 = nullptr;
    }
}

TEST_F(LanguageTest, QuestionBoxesAnswerInTheInterfaceLanguage)
{
    LanguageIndex = Rus;
    EXPECT_EQ(platform::buttonText(platform::Answer::Yes), QStringLiteral("Да"));
    EXPECT_EQ(platform::buttonText(platform::Answer::No), QStringLiteral("Нет"));
    EXPECT_EQ(platform::buttonText(platform::Answer::Cancel), QStringLiteral("Отмена"));
    LanguageIndex = Eng;
    EXPECT_EQ(platform::buttonText(platform::Answer::Yes), QStringLiteral("Yes"));
}

TEST_F(LanguageTest, EveryLanguagePutsItsOwnEntryIntoTheCaptions)
{
    GameState::CurrentGameId = 442;
    TTableSurface surface;
    Language::RegisterSurface(surface);
    for (int lang = 0; lang < LanguageCount; ++lang) {
        Language::SetLanguage(lang);
        EXPECT_EQ(surface.Button10->text(), TxtOptions[lang]) << lang;
        EXPECT_EQ(surface.Panel4->text(), TxtClubMembersTitle[lang]) << lang;
        EXPECT_EQ(surface.windowTitle(), ProductNames[lang] + " - " + GameNames[50][lang]) << lang;
    }
}

TEST_F(LanguageTest, ALanguageOutsideTheTenChangesNothing)
{
    Language::SetLanguage(Jap);
    for (int bad : {-1, 10, 255}) {
        Language::SetLanguage(bad);
        EXPECT_EQ(LanguageIndex, Jap) << bad;
    }
}

TEST_F(LanguageTest, RowsApplyInOrderAndLeaveWithTheirControl)
{
    std::vector<int> order;
    auto first = std::make_unique<QObject>();
    auto second = std::make_unique<QObject>();
    const int before = Language::RowCount();
    Language::Register(first.get(), [&] { order.push_back(1); });
    Language::Register(second.get(), [&] { order.push_back(2); });
    Language::Register(nullptr, [&] { order.push_back(99); });
    EXPECT_EQ(Language::RowCount(), before + 2);

    Language::ApplyLanguage();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));

    first.reset();
    order.clear();
    Language::ApplyLanguage();
    EXPECT_EQ(order, (std::vector<int>{2}));
    EXPECT_EQ(Language::RowCount(), before + 1);
    second.reset();
    EXPECT_EQ(Language::RowCount(), before);
}

TEST_F(LanguageTest, ARowMayRegisterFurtherRowsWhileApplying)
{
    QObject owner;
    int late = 0;
    Language::Register(&owner, [&] { Language::Register(&owner, [&] { ++late; }); });
    Language::ApplyLanguage(); // adds a row while walking, then runs it
    EXPECT_GE(late, 1);
}

TEST_F(LanguageTest, CaptionsGoThroughTheControlsOwnSetText)
{
    RecordingButton button;
    TQyvCardsButton cards;
    Language::Caption(&button, TxtCancel);
    Language::Caption(&cards, TxtAll);
    Language::SetLanguage(Rus);
    EXPECT_EQ(button.received, TxtCancel[Rus]);
    EXPECT_EQ(cards.text(), TxtAll[Rus]);
}

TEST_F(LanguageTest, OtherPropertiesAndComputedTexts)
{
    QLabel label;
    QWidget window;
    Language::Hint(&label, Language::From(TxtMoreInHelp));
    Language::Title(&window, [] { return Tx(TxtInfo) + " - " + Tx(TxtSolitaire); });
    Language::Property(&label, "text", Language::From(TxtFontsAttention));
    Language::SetLanguage(Eng);
    EXPECT_EQ(label.toolTip(), "More in detail in the help");
    EXPECT_EQ(window.windowTitle(), "Info - Solitaire");
    // a stored "\n\r" reaches the control as one line break
    EXPECT_TRUE(label.text().startsWith("Attention!\nThese installations"));
    EXPECT_FALSE(label.text().contains('\r'));
}

TEST_F(LanguageTest, ListEntriesAreReplacedInPlaceAndKeepTheSelection)
{
    QComboBox sizes; // the two largest window sizes removed, as on a small screen
    for (int i = 0; i < 3; ++i)
        sizes.addItem(QString());
    sizes.setCurrentIndex(2);
    QComboBox games;
    for (int i = 0; i < 50; ++i)
        games.addItem(QString());
    games.setCurrentIndex(27);
    QComboBox tooLong; // more entries than the list has texts
    for (int i = 0; i < 5; ++i)
        tooLong.addItem("x");
    std::vector<QRadioButton*> radios = {new QRadioButton(&sizes), new QRadioButton(&sizes), new QRadioButton(&sizes)};
    Language::Items(&sizes, WindowSizeNames);
    Language::Items(&games, GameNames);
    Language::Items(&tooLong, MoveModeNames);
    Language::Items(radios, BackModeNames);

    for (int lang : {Rus, Eng}) {
        Language::SetLanguage(lang);
        ASSERT_EQ(sizes.count(), 3);
        EXPECT_EQ(sizes.itemText(0), WindowSizeNames[0][lang]);
        EXPECT_EQ(sizes.itemText(2), WindowSizeNames[2][lang]);
        EXPECT_EQ(sizes.currentIndex(), 2);
        EXPECT_EQ(games.itemText(0), GameNames[1][lang]);
        EXPECT_EQ(games.itemText(49), GameNames[50][lang]);
        EXPECT_EQ(games.currentIndex(), 27);
        EXPECT_EQ(tooLong.itemText(2), MoveModeNames[2][lang]);
        EXPECT_EQ(tooLong.itemText(3), "x");
        EXPECT_EQ(radios[1]->text(), BackModeNames[1][lang]);
    }
}

TEST_F(LanguageTest, AnEmptyEntryShowsNothing)
{
    QLabel label;
    label.setText("old");
    Language::Caption(&label, TxtCameOut);
    Language::SetLanguage(Eng);
    EXPECT_TRUE(label.text().isEmpty());
    Language::SetLanguage(Rus);
    EXPECT_EQ(label.text(), TxtCameOut[Rus]);
}

// Laid out in the font a control uses, every Japanese, Chinese and Korean text finds
// a real glyph for each character (glyph 0 is the empty box).
TEST_F(LanguageTest, CjkTextsLayOutWithRealGlyphs)
{
    QLabel label;
    const QFont font = label.font();
    for (int lang : {5, 8, 9}) {
        for (const auto& e : AllTextTables()) {
            const QString text = Shown((*e.table)[lang]).remove('\n');
            if (text.isEmpty())
                continue;
            QTextLayout layout(text, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns())
                for (quint32 glyph : run.glyphIndexes())
                    EXPECT_NE(glyph, 0u) << e.name.toStdString() << " language " << lang << " in "
                                         << run.rawFont().familyName().toStdString();
        }
    }
}
