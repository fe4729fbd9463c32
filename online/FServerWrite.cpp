#include "online/FServerWrite.h"

#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/GameState.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
#include "foundation/RoundPlayer.h"
#include "foundation/Settings.h"
#include "foundation/Texts.h"
#include "online/Countries.h"
#include "online/FServerInfo.h"
#include "online/Qyv_FAcc1.h"
#include "online/Qyv_UWorldC.h"
#include "online/WorldWindowParts.h"
#include "platform/PictureControl.h"
#include "platform/Presenter.h"
#include "platform/Resources.h"

#include <QKeyEvent>

namespace {

void clickSound()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
}

bool passes(int verdict)
{
    return verdict == 2 || verdict == 3;
}

} // namespace

namespace FServerWrite {

void SetSenderFonts(TFormServerWrite& form)
{
    const QString serif = QStringLiteral("serif");
    Online::SetWindowFont(&form, 20, serif, false);
    for (TQyvCardsButton* b : {form.Button1, form.Button2, form.Button3})
        Online::SetWindowFont(b, 24, serif, true);
    Online::SetPictureFont(*form.Image0, 36, serif);
    Online::SetPictureFont(*form.Image2, 24, serif);
}

void DrawSenderCard(TFormServerWrite& form)
{
    platform::Canvas& c = form.Image2->canvas();
    c.brush.color = WindowParts::FaceColor;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    const QImage scroll = platform::resources::image(QStringLiteral("Svitok"));
    if (!scroll.isNull())
        c.stretchDraw(QRect(0, 0, 315, 400), scroll);
    c.brush.style = platform::BrushStyle::Clear;
    auto line = [&c](platform::TColor colour, const QString& text, int y) {
        c.font.color = colour;
        DrawHelpers::TextOutCentered(text, 0, c.width(), y, c);
    };
    using platform::clMaroon;
    using platform::clRed;
    line(clMaroon, Texts::Tx(Texts::TxtNick), 60);
    Online::DrawSexIcon(Settings::PassportSex, 149, 90, c);
    line(clRed, Settings::PassportNick, 110);
    line(clMaroon, Texts::Tx(Texts::TxtCountry) + QStringLiteral(" & ") + Texts::Tx(Texts::TxtCity), 150);
    Online::DrawCountryFlag(Settings::PassportCountry, 150, 180, c);
    line(clRed, Settings::PassportCity, 195);
    line(clMaroon, Texts::Tx(Texts::TxtYourScore) + QLatin1Char(':'), 235);
    line(clRed, QString::number(GameState::WorldSubmitScore), 257);
    if (GameState::WorldSubmitPlace != -1) {
        line(clMaroon, Texts::Tx(Texts::TxtYourPlace) + QLatin1Char(':'), 295);
        line(clRed, QString::number(GameState::WorldSubmitPlace), 317);
    }
    form.Image2->invalidate();
}

} // namespace FServerWrite

TFormServerWrite::TFormServerWrite(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormServerWrite"));
    WindowParts::SetupDialogFrame(*this, 360, 580);
    WindowParts::SetHelpContext(*this, 1);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 55, 5, 300, 48);
    ImageDiv = platform::newPictureAt(this, 5, 60, 350, 6);
    Image2 = platform::newPictureAt(this, 22, 70, 315, 400);
    const char* names[3] = {"Button1", "Button2", "Button3"};
    TQyvCardsButton** buttons[3] = {&Button1, &Button2, &Button3};
    for (int i = 0; i < 3; ++i) {
        auto* b = FAcc1::OrangeButton(this, 5, 475 + 35 * i, 350, 30);
        b->setObjectName(QLatin1String(names[i]));
        b->SetGrayDis(i == 0);
        b->setAutoDefault(false);
        *buttons[i] = b;
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

void TFormServerWrite::FormShow()
{
    setWindowTitle(Online::WorldWindowTitle());
    Online::SetWindowCursors(*this, {Button1, Button2, Button3});
    Button1->setText(Texts::Tx(Texts::TxtSend));
    Button2->setText(Texts::Tx(Texts::TxtPassport));
    Button3->setText(Texts::Tx(Texts::TxtClose));
    FServerWrite::SetSenderFonts(*this);

    Online::DrawWindowHead(*Image1, QStringLiteral("Earth48"), *Image0, QStringLiteral("GWorldTopTenCap"), 0,
                           *ImageDiv);

    FServerWrite::DrawSenderCard(*this);
    SendAllowed = passes(Online::CheckPassportText(Settings::PassportNick, 1)) &&
                  passes(Online::CheckPassportText(Settings::PassportCity, 2));
    Button1->setEnabled(SendAllowed && !ResultSent);

    if (SenderFirstShow) {
        SenderFirstShow = false;
        if (Settings::PassportNick == QLatin1String("Incognito")) {
            ShowFormServerInfo(this);
            FServerWrite::DrawSenderCard(*this);
        }
    }
}

void TFormServerWrite::Button1Click()
{
    clickSound();
    bool ok = false;
    const int place = Online::SubmitWorldResult(Settings::RatingServiceAddress, Settings::PassportNick,
                                                Settings::PassportCity, Settings::PassportCountry,
                                                Settings::PassportSex, GameState::WorldSubmitScore,
                                                GameState::CurrentGameId, QStringLiteral("#"), QStringLiteral("#"), ok);
    if (!ok) {
        platform::presenter().message(platform::MessageKind::Warning, Texts::Tx(Texts::ProductNames),
                                      Texts::Tx(Texts::TxtCantWriteResult), platform::Buttons::Ok);
        return;
    }
    GameState::WorldSubmitPlace = place;
    Button1->setEnabled(false);
    FServerWrite::DrawSenderCard(*this);
    ResultSent = true;
}

void TFormServerWrite::Button2Click()
{
    clickSound();
    ShowFormServerInfo(this);
    FServerWrite::DrawSenderCard(*this);
    // Stricter than on showing: a nick with a Cyrillic letter no longer passes.
    SendAllowed = Online::CheckPassportText(Settings::PassportNick, 1) == 3 &&
                  passes(Online::CheckPassportText(Settings::PassportCity, 2));
    Button1->setEnabled(SendAllowed && !ResultSent);
}

void TFormServerWrite::Button3Click()
{
    clickSound();
    accept();
}

void TFormServerWrite::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

int ShowFormServerWrite(QWidget* owner)
{
    TFormServerWrite form(owner);
    form.FormShow();
    return platform::presenter().exec(form);
}
