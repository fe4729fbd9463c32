#include "online/FServerInfo.h"

#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Countries.h"
#include "online/Qyv_FAcc1.h"
#include "online/WorldWindowParts.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

namespace {

const QString DefaultCountry = QStringLiteral("1-001");

// Continent and number of the passport's code; a code not of the passport form reads as
// Europe, "Unknown".
void passportCountry(int& continent, int& number)
{
    if (!Online::ParseCountryCode(Settings::PassportCountry, continent, number) || continent < 1 || continent > 6) {
        continent = 1;
        number = 0;
    }
    if (number >= Online::CountryCount(continent))
        number = 0;
}

void useFont(QWidget* w, int size, bool bold)
{
    Online::SetWindowFont(w, size, QStringLiteral("serif"), bold);
}

void textColour(QWidget* w, platform::TColor colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, platform::toQColor(colour));
    p.setColor(QPalette::WindowText, platform::toQColor(colour));
    p.setColor(QPalette::ButtonText, platform::toQColor(colour));
    w->setPalette(p);
}

} // namespace

namespace FServerInfo {

void SetPassportFonts(TFormServerInfo& form)
{
    useFont(&form, 24, false);
    useFont(form.Button1, 24, true);
    for (QLabel* l : {form.Label1, form.Label2, form.Label3, form.Label4}) {
        useFont(l, 24, false);
        // A long word (or a substituted face) would run over its tab.
        QFont f = l->font();
        while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(l->text()) > l->width() - 2)
            f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        textColour(l, platform::clWhite);
    }
    Online::SetPictureFont(*form.Image0, 32, QStringLiteral("serif"));
    for (QWidget* w : std::initializer_list<QWidget*>{form.Edit1, form.Edit2, form.ComboBox1, form.ComboBox2,
                                                      form.ComboBox3})
        useFont(w, 16, false);
}

void DrawPassportLamp(TFormServerInfo& form, int Which, int Result)
{
    platform::PictureControl& lamp = Which == 1 ? *form.Image3 : *form.Image4;
    WindowParts::FillFace(lamp);
    WindowParts::DrawPng(lamp,
                         Result == 3   ? QStringLiteral("LampG24")
                         : Result == 2 ? QStringLiteral("LampY24")
                                       : QStringLiteral("LampR24"),
                         0, 0);
}

void FillPassportCountryList(TFormServerInfo& form)
{
    int continent = 1;
    int number = 0;
    passportCountry(continent, number);
    // Refilling reports no selection for a moment; that must not reach the code.
    const QSignalBlocker b1(form.ComboBox1), b2(form.ComboBox2);
    form.ComboBox1->setCurrentIndex(continent - 1);
    Online::FillCountryList(*form.ComboBox2, continent, 2, 2);
    form.ComboBox2->setCurrentIndex(number);
}

} // namespace FServerInfo

using namespace FServerInfo;

TFormServerInfo::TFormServerInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormServerInfo"));
    WindowParts::SetupDialogFrame(*this, 270, 400);
    WindowParts::SetHelpContext(*this, 1);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 60, 5, 205, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 260, 6);
    auto label = [this](const char* name, int y) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(35, y, 80, 24);
        return l;
    };
    Label1 = label("Label1", 80);
    Label2 = label("Label2", 145);
    Label3 = label("Label3", 235);
    Label4 = label("Label4", 300);
    auto edit = [this](const char* name, int y, int max) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(35, y, 170, 21);
        e->setMaxLength(max);
        e->installEventFilter(this);
        return e;
    };
    Edit1 = edit("Edit1", 105, 12);
    Edit2 = edit("Edit2", 260, 15);
    Image3 = platform::newPictureAt(this, 210, 105, 24, 24);
    Image4 = platform::newPictureAt(this, 210, 260, 24, 24);
    auto combo = [this](const char* name, int y, int h) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(35, y, 170, h);
        return c;
    };
    ComboBox1 = combo("ComboBox1", 170, 22);
    ComboBox2 = combo("ComboBox2", 195, 24);
    ComboBox3 = combo("ComboBox3", 325, 22);
    Button1 = FAcc1::OrangeButton(this, 5, 365, 260, 30);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setText(QStringLiteral("Ok"));
    Button1->setAutoDefault(false);

    connect(Edit1, &QLineEdit::textEdited, this, [this] { Edit1Change(); });
    connect(Edit2, &QLineEdit::textEdited, this, [this] { Edit2Change(); });
    connect(ComboBox1, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { ComboBox1Change(); });
    connect(ComboBox2, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { ComboBox2Change(); });
    connect(ComboBox3, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { ComboBox3Change(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    const struct {
        int slot;
        const char* name;
    } pictures[] = {{56, "GServerInfoR1"}, {57, "GServerInfoR2"}, {58, "GServerInfoY1"},
                    {59, "GServerInfoY2"}, {60, "GServerInfoY2"}, {61, "GServerInfoG1"},
                    {62, "GServerInfoG2"}, {63, "GServerInfoB1"}, {64, "GServerInfoB2"}};
    for (const auto& p : pictures)
        PassportBitmaps[p.slot] = platform::resources::image(QLatin1String(p.name));
    // The yellow frame is kept at the size of another window; here it frames a list.
    const QSize listFrames[2] = {{174, 26}, {174, 28}};
    for (int slot = 59; slot <= 60; ++slot)
        if (!PassportBitmaps[slot].isNull())
            DrawHelpers::ResizePngSmooth(PassportBitmaps[slot], listFrames[slot - 59].width(),
                                         listFrames[slot - 59].height());
}

void TFormServerInfo::FormShow()
{
    Online::SetWindowCursors(*this, {Button1, ComboBox1, ComboBox2, ComboBox3}, {Edit1, Edit2});

    setWindowTitle(Texts::Tx(Texts::TxtPassport));
    const QString colon = QStringLiteral(":");
    Label1->setText(Texts::Tx(Texts::TxtNick) + colon);
    Label2->setText(Texts::Tx(Texts::TxtCountry) + colon);
    Label3->setText(Texts::Tx(Texts::TxtCity) + colon);
    Label4->setText(Texts::Tx(Texts::TxtSex) + colon);

    {
        const QSignalBlocker b1(ComboBox1), b3(ComboBox3);
        ComboBox1->clear();
        for (const Texts::TText* t : {&Texts::TxtEurope, &Texts::TxtAsia, &Texts::TxtNorthAmerica,
                                      &Texts::TxtSouthAmerica, &Texts::TxtOceania, &Texts::TxtAfrica})
            ComboBox1->addItem(Texts::Tx(*t));
        ComboBox3->clear();
        ComboBox3->addItem(Texts::Tx(Texts::TxtMale));
        ComboBox3->addItem(Texts::Tx(Texts::TxtFemale));
    }

    SetPassportFonts(*this);

    Online::DrawWindowHead(*Image1, QStringLiteral("Earth48"), *Image0, QStringLiteral("GPassportCap"), 0, *ImageDiv);

    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, ComboBox1, ComboBox2, ComboBox3})
        textColour(w, platform::clRed);

    Edit1->setText(Settings::PassportNick);
    Edit2->setText(Settings::PassportCity);

    const int nick = Online::CheckPassportText(Edit1->text(), 1);
    const int city = Online::CheckPassportText(Edit2->text(), 2);
    PassportValid = nick >= 2 && city >= 2;
    DrawPassportLamp(*this, 1, nick);
    DrawPassportLamp(*this, 2, city);

    int continent = 1;
    int number = 0;
    passportCountry(continent, number);
    {
        const QSignalBlocker b1(ComboBox1), b3(ComboBox3);
        ComboBox1->setCurrentIndex(continent - 1);
        ComboBox3->setCurrentIndex(Settings::PassportSex == QLatin1String("M") ? 0 : 1);
    }
    FillPassportCountryList(*this);
    Button1->setEnabled(PassportValid);
}

void TFormServerInfo::editChange(bool nickChanged)
{
    const int nick = Online::CheckPassportText(Edit1->text(), 1);
    const int city = Online::CheckPassportText(Edit2->text(), 2);
    DrawPassportLamp(*this, nickChanged ? 1 : 2, nickChanged ? nick : city);
    PassportValid = nick >= 2 && city >= 2;
    if (PassportValid) {
        if (nickChanged)
            Settings::PassportNick = Edit1->text().left(12);
        else
            Settings::PassportCity = Edit2->text().left(15);
    }
    Button1->setEnabled(PassportValid);
}

void TFormServerInfo::Edit1Change()
{
    editChange(true);
}

void TFormServerInfo::Edit2Change()
{
    editChange(false);
}

void TFormServerInfo::ComboBox1Change()
{
    const int item = ComboBox1->currentIndex();
    if (item < 0 || item > 5)
        return;
    Settings::PassportCountry = QString::number(item + 1) + QStringLiteral("-000");
    FillPassportCountryList(*this);
}

void TFormServerInfo::ComboBox2Change()
{
    const int item = ComboBox2->currentIndex();
    if (item < 0 || item > 999)
        return;
    QString code = Settings::PassportCountry;
    if (code.size() != 5)
        code = DefaultCountry;
    Settings::PassportCountry = code.left(2) + QStringLiteral("%1").arg(item, 3, 10, QLatin1Char('0'));
}

void TFormServerInfo::ComboBox3Change()
{
    if (ComboBox3->currentIndex() < 0)
        return;
    Settings::PassportSex = ComboBox3->currentIndex() == 0 ? QStringLiteral("M") : QStringLiteral("W");
}

void TFormServerInfo::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

bool TFormServerInfo::FormCloseQuery()
{
    if (PassportValid)
        return true;
    if (Online::CheckPassportText(Edit1->text(), 1) == 1)
        Edit1->setFocus();
    else if (Online::CheckPassportText(Edit2->text(), 2) == 1)
        Edit2->setFocus();
    return false;
}

// Every way out (Ok, Esc, the title bar's button) ends here.
void TFormServerInfo::done(int result)
{
    if (FormCloseQuery())
        QDialog::done(result);
}

void TFormServerInfo::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    const struct {
        int slot;
        QWidget* field;
        int dx, dy;
    } places[] = {{56, Edit1, 0, -27},     {57, Edit1, -2, -2},     {58, ComboBox1, 0, -27},
                  {59, ComboBox1, -2, -2}, {60, ComboBox2, -2, -2}, {61, Edit2, 0, -27},
                  {62, Edit2, -2, -2},     {63, ComboBox3, 0, -27}, {64, ComboBox3, -2, -2}};
    for (const auto& pl : places)
        if (!PassportBitmaps[pl.slot].isNull())
            p.drawImage(pl.field->x() + pl.dx, pl.field->y() + pl.dy, PassportBitmaps[pl.slot]);
}

bool TFormServerInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == Edit1 || watched == Edit2)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Keys without a printable character (cursor keys, Esc, Enter) are not typing.
        if (key->key() == Qt::Key_Backspace || text.size() != 1 || text[0].unicode() < 0x20)
            return false;
        if (Online::CheckPassportText(text, 0) == 1)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

int ShowFormServerInfo(QWidget* owner)
{
    TFormServerInfo form(owner);
    form.FormShow();
    return platform::presenter().exec(form);
}
