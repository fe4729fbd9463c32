// The passport window driven by real key events: what it shows, what typing may enter,
// what each change stores, and that it cannot be left with a refused nick or city.
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "online/Countries.h"
#include "online/FServerInfo.h"
#include "platform/PictureControl.h"
#include "support/ProgramFolderFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

QString T(const char* s)
{
    return QString::fromUtf8(s);
}

class PassportWindowTest : public testsupport::ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProgramFolderFixture::SetUp());
        Settings::PassportNick = T("Incognito");
        Settings::PassportCountry = T("1-001");
        Settings::PassportCity = T("Moscow");
        Settings::PassportSex = T("M");
        form.FormShow();
        form.show();
    }
    void TearDown() override
    {
        form.hide();
        ProgramFolderFixture::TearDown();
    }

    static void type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static void key(QWidget* w, int k, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(w, &press);
    }
    static void backspaces(QWidget* w, int n)
    {
        for (int i = 0; i < n; ++i)
            key(w, Qt::Key_Backspace, QStringLiteral("\b"));
    }
    // The lamp as the window draws it for a result.
    static QImage lamp(const char* name)
    {
        platform::PictureControl p;
        p.setPictureSize(24, 24);
        WindowParts::FillFace(p);
        WindowParts::DrawPng(p, QLatin1String(name), 0, 0);
        return p.canvas().image();
    }
    QImage nickLamp() const { return form.Image3->canvas().image(); }
    QImage cityLamp() const { return form.Image4->canvas().image(); }

    TFormServerInfo form;
};

TEST_F(PassportWindowTest, DefaultsShowTheDefaultPassport)
{
    EXPECT_EQ(form.windowTitle(), T("Passport"));
    EXPECT_EQ(form.Edit1->text(), T("Incognito"));
    EXPECT_EQ(form.Edit2->text(), T("Moscow"));
    EXPECT_EQ(form.ComboBox1->currentText(), T("Europe"));
    EXPECT_EQ(form.ComboBox2->currentIndex(), 1);
    EXPECT_EQ(form.ComboBox2->currentText(), T("Russia"));
    EXPECT_EQ(form.ComboBox2->count(), Online::CountryCount(1));
    EXPECT_FALSE(form.ComboBox2->itemIcon(1).isNull());
    EXPECT_EQ(form.ComboBox3->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox3->currentText(), T("Male"));
    EXPECT_EQ(nickLamp(), lamp("LampG24"));
    EXPECT_EQ(cityLamp(), lamp("LampG24"));
    EXPECT_TRUE(FServerInfo::PassportValid);
    EXPECT_TRUE(form.Button1->isEnabled());
    // Showing stores nothing.
    EXPECT_EQ(Settings::PassportCountry, T("1-001"));
    EXPECT_EQ(Settings::PassportSex, T("M"));
}

TEST_F(PassportWindowTest, OnlyAllowedCharactersCanBeTyped)
{
    form.Edit1->setFocus();
    form.Edit1->end(false);
    type(form.Edit1, T(" #$~*&"));
    EXPECT_EQ(form.Edit1->text(), T("Incognito"));
    type(form.Edit1, T("_1"));
    EXPECT_EQ(form.Edit1->text(), T("Incognito_1"));
    EXPECT_EQ(Settings::PassportNick, T("Incognito_1"));
    backspaces(form.Edit1, 2);
    EXPECT_EQ(form.Edit1->text(), T("Incognito"));
    form.Edit2->end(false);
    type(form.Edit2, T(" :-3"));
    EXPECT_EQ(form.Edit2->text(), T("Moscow-3"));
    EXPECT_EQ(Settings::PassportCity, T("Moscow-3"));
}

TEST_F(PassportWindowTest, AOneLetterNickBlocksOkEscAndTheCloseButton)
{
    form.Edit1->end(false);
    backspaces(form.Edit1, 8);
    EXPECT_EQ(form.Edit1->text(), T("I"));
    EXPECT_EQ(nickLamp(), lamp("LampR24"));
    EXPECT_EQ(cityLamp(), lamp("LampG24"));
    EXPECT_FALSE(FServerInfo::PassportValid);
    EXPECT_FALSE(form.Button1->isEnabled());
    // The last allowed nick stays stored.
    EXPECT_EQ(Settings::PassportNick, T("In"));

    form.Edit2->setFocus();
    key(form.Edit2, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.focusWidget(), form.Edit1);

    form.Edit2->setFocus();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.focusWidget(), form.Edit1);

    type(form.Edit1, T("x"));
    EXPECT_TRUE(form.Button1->isEnabled());
    EXPECT_EQ(Settings::PassportNick, T("Ix"));
    key(form.Edit1, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(PassportWindowTest, ABadCityTakesTheFocusWhenTheNickIsGood)
{
    form.Edit2->end(false);
    backspaces(form.Edit2, 5);
    EXPECT_EQ(cityLamp(), lamp("LampR24"));
    form.Edit1->setFocus();
    EXPECT_FALSE(form.close());
    EXPECT_EQ(form.focusWidget(), form.Edit2);
}

TEST_F(PassportWindowTest, ACyrillicNickShowsTheYellowLampAndIsStored)
{
    form.Edit1->selectAll();
    type(form.Edit1, T("Боб"));
    EXPECT_EQ(form.Edit1->text(), T("Боб"));
    EXPECT_EQ(nickLamp(), lamp("LampY24"));
    EXPECT_TRUE(form.Button1->isEnabled());
    EXPECT_EQ(Settings::PassportNick, T("Боб"));
}

TEST_F(PassportWindowTest, ContinentAndCountryChoicesStoreTheCode)
{
    form.ComboBox1->setCurrentIndex(5);
    EXPECT_EQ(Settings::PassportCountry, T("6-000"));
    EXPECT_EQ(form.ComboBox2->count(), Online::CountryCount(6));
    EXPECT_EQ(form.ComboBox2->currentIndex(), 0);
    EXPECT_EQ(form.ComboBox2->currentText(), T("Unknown"));
    form.ComboBox2->setCurrentIndex(54);
    EXPECT_EQ(form.ComboBox2->currentText(), T("Zimbabwe"));
    EXPECT_EQ(Settings::PassportCountry, T("6-054"));
    // Refilling for another continent never leaves a code without a number.
    form.ComboBox1->setCurrentIndex(3);
    EXPECT_EQ(Settings::PassportCountry, T("4-000"));
    form.ComboBox2->setCurrentIndex(-1);
    EXPECT_EQ(Settings::PassportCountry, T("4-000"));
}

TEST_F(PassportWindowTest, ACityChangedWhileTheNickFailsStoresNothing)
{
    form.Edit1->end(false);
    backspaces(form.Edit1, 8);
    form.Edit2->end(false);
    type(form.Edit2, T("x"));
    EXPECT_EQ(form.Edit2->text(), T("Moscowx"));
    EXPECT_EQ(Settings::PassportCity, T("Moscow"));
    EXPECT_EQ(cityLamp(), lamp("LampG24"));
    // The change that makes both allowed stores only its own field.
    type(form.Edit1, T("y"));
    EXPECT_EQ(Settings::PassportNick, T("Iy"));
    EXPECT_EQ(Settings::PassportCity, T("Moscow"));
}

TEST_F(PassportWindowTest, SexChoices)
{
    form.ComboBox3->setCurrentIndex(1);
    EXPECT_EQ(Settings::PassportSex, T("W"));
    form.ComboBox3->setCurrentIndex(0);
    EXPECT_EQ(Settings::PassportSex, T("M"));
}

TEST_F(PassportWindowTest, AStoredPassportOfAnotherCountryAndSex)
{
    Settings::PassportCountry = T("2-020");
    Settings::PassportSex = T("W");
    TFormServerInfo other;
    other.FormShow();
    EXPECT_EQ(other.ComboBox1->currentText(), T("Asia"));
    EXPECT_EQ(other.ComboBox2->currentText(), T("Japan"));
    EXPECT_EQ(other.ComboBox3->currentIndex(), 1);
    EXPECT_EQ(Settings::PassportCountry, T("2-020"));
}

} // namespace
