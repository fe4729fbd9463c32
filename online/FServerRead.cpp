#include "online/FServerRead.h"

#include "foundation/AccountClient.h"
#include "foundation/Celebration.h"
#include "foundation/DrawHelpers.h"
#include "foundation/FontsAndCursors.h"
#include "foundation/GameState.h"
#include "foundation/GameTables.h"
#include "foundation/Qyv_FWindowParts.h"
#include "foundation/QyvCardsButton.h"
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

#include <QMouseEvent>
#include <QTimer>

namespace FServerRead {

namespace {

constexpr int IconX[3] = {213, 291, 369};
constexpr int IconY = 415;
constexpr int IconSize = 48;

int listId(int kind)
{
    const int offsets[3] = {0, 100, 300};
    return GameState::CurrentGameId + offsets[std::clamp(kind, 1, 3) - 1];
}

QImage icon(const char* name, bool resample)
{
    QImage png = platform::resources::image(QLatin1String(name));
    if (resample && !png.isNull())
        DrawHelpers::ResizePngSmooth(png, IconSize, IconSize);
    return png;
}

} // namespace

void SetTopTenFonts(TFormServerRead& form)
{
    const QString serif = QStringLiteral("serif");
    Online::SetWindowFont(&form, 20, serif, false);
    Online::SetWindowFont(form.Button1, 20, serif, true);
    Online::SetWindowFont(form.Button2, 20, serif, true);
    Online::SetPictureFont(*form.Image0, 48, serif);
    Online::SetPictureFont(*form.Image2, 20, serif);
}

int ListAt(int X, int Y)
{
    if (Y < IconY || Y > IconY + IconSize)
        return 0;
    for (int k = 0; k < 3; ++k)
        if (X >= IconX[k] && X <= IconX[k] + IconSize)
            return k + 1;
    return 0;
}

void DrawWorldTopTen(TFormServerRead& form)
{
    platform::Canvas& c = form.Image2->canvas();
    form.BoardTexts.clear();
    auto write = [&](int x, int y, const QString& text) {
        c.textOut(x, y, text);
        form.BoardTexts.append({x, y, text});
    };
    auto writeRight = [&](int xRight, int y, const QString& text) {
        DrawHelpers::TextOutRight(text, xRight, y, c);
        form.BoardTexts.append({xRight, y, text});
    };
    auto writeCentred = [&](int y, const QString& text) {
        DrawHelpers::TextOutCentered(text, 0, c.width(), y, c);
        form.BoardTexts.append({0, y, text});
    };

    c.brush.color = WindowParts::FaceColor;
    c.brush.style = platform::BrushStyle::Solid;
    c.font.bold = true;
    c.font.color = platform::clRed;
    c.fillRect(-1, -1, c.width() + 1, c.height() + 1);
    const QImage background = platform::resources::image(QStringLiteral("SvitokBg"));
    if (!background.isNull())
        c.draw(0, 0, background);
    c.brush.style = platform::BrushStyle::Clear;

    static const QImage icons[3] = {icon("Windows", true), icon("Android", true), icon("Account48", false)};
    for (int k = 0; k < 3; ++k)
        if (!icons[k].isNull())
            c.draw(IconX[k], IconY, icons[k]);
    const int kind = std::clamp(Online::WorldListKind, 1, 3);
    c.pen.color = platform::clRed;
    c.pen.width = 2;
    c.roundRect(IconX[kind - 1] - 2, IconY - 2, IconX[kind - 1] + IconSize + 2, IconY + IconSize + 2, 7, 7);
    c.pen.width = 1;

    const int gid = listId(kind);
    const QString& address = Settings::RatingServiceAddress;
    bool ok = false;
    Online::TQyvRecords rows;
    Online::ReadWorldTopTen(address, gid, ok, rows);
    if (ok) {
        for (int k = 1; k <= 10; ++k) {
            const Online::TQyvRecord& r = rows[k];
            if (r.Nick == QLatin1String("#"))
                continue;
            const int y = 45 + 20 * k;
            write(72, y, QString::number(r.Place) + QLatin1Char('.'));
            if (kind == 1)
                Online::DrawCountryFlag(r.Country, 100, y + 2, c);
            Online::DrawSexIcon(r.R07, 130, y, c);
            write(160, y, r.Nick);
            write(310, y, kind == 1 ? r.City : r.City + QStringLiteral(", ") + r.Country);
            writeRight(530, y, QString::number(r.Score));
        }
    } else {
        writeCentred(200, QStringLiteral("No Connect"));
    }

    c.font.color = platform::clMaroon;
    const int count = Online::ReadWorldCount(address, gid, ok);
    writeCentred(275, ok ? Texts::Tx(Texts::TxtNumberOfGames) + QStringLiteral(": ") + QString::number(count)
                         : QString());

    c.font.color = platform::clBlue;
    const QString& nick = kind == 3 ? Online::AccountUser.Nick : Settings::PassportNick;
    const QString& city = kind == 3 ? Online::AccountUser.City : Settings::PassportCity;
    Online::ReadWorldNeighbours(address, gid, nick, city, ok, rows);
    if (ok) {
        for (int k = 1; k <= 5; ++k) {
            const Online::TQyvRecord& r = rows[k];
            if (r.Nick == QLatin1String("#"))
                continue;
            const int y = 290 + 20 * k;
            write(180, y, QString::number(r.Place) + QLatin1Char('.'));
            write(240, y, nick);
            writeRight(450, y, QString::number(r.Score));
        }
    } else {
        writeCentred(380, QStringLiteral("No Connect"));
    }

    GameTables::DrawGameLogo(GameState::CurrentGameId, 64, 310, false, c, 100);
    form.Image2->invalidate();
}

} // namespace FServerRead

TFormServerRead::TFormServerRead(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormServerRead"));
    WindowParts::SetupDialogFrame(*this, 640, 610);
    WindowParts::SetHelpContext(*this, 1);
    setMouseTracking(true);
    Image1 = platform::newPictureAt(this, 5, 5, 48, 48);
    Image0 = platform::newPictureAt(this, 105, 5, 425, 48);
    Image3 = platform::newPictureAt(this, 585, 3, 51, 51);
    Image3->setObjectName(QStringLiteral("Image3"));
    ImageDiv = platform::newPictureAt(this, 5, 60, 630, 6);
    Image2 = platform::newPictureAt(this, 5, 70, 630, 500);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setMouseTracking(true);
    Button1 = FAcc1::OrangeButton(this, 5, 575, 310, 30);
    Button2 = FAcc1::OrangeButton(this, 325, 575, 310, 30);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setText(QStringLiteral("Ok"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    Timer1 = Online::WireRefreshButton(*Image3, [this] { Image3Click(); }, 10000, [this] { Timer1Timer(); });
    Image2->onMouseDown = [this](platform::MouseButton, platform::ShiftState, int x, int y) { Image2MouseDown(x, y); };
    Image2->onMouseMove = [this](platform::ShiftState, int x, int y) { Image2MouseMove(x, y); };
}

void TFormServerRead::FormShow()
{
    setWindowTitle(Online::WorldWindowTitle());
    Online::SetWindowCursors(*this, {Button1, Button2, Image3});
    Button2->setText(Texts::Tx(Texts::TxtPassport));
    FServerRead::SetTopTenFonts(*this);
    Online::DrawWindowHead(*Image1, QStringLiteral("Earth48"), *Image0, QStringLiteral("GWorldTopTenCap"), 62,
                           *ImageDiv);
    Online::DrawRefreshButton(*Image3, QStringLiteral("AdvButR"), false);

    FServerRead::DrawWorldTopTen(*this);
}

void TFormServerRead::Button1Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    accept();
}

void TFormServerRead::Button2Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    ShowFormServerInfo(this);
    FServerRead::DrawWorldTopTen(*this);
}

void TFormServerRead::Timer1Timer()
{
    Image3->setVisible(true);
}

void TFormServerRead::Image2MouseDown(int X, int Y)
{
    const int list = FServerRead::ListAt(X, Y);
    if (list == 0 || list == Online::WorldListKind)
        return;
    Online::WorldListKind = list;
    FServerRead::DrawWorldTopTen(*this);
}

void TFormServerRead::Image2MouseMove(int X, int Y)
{
    const int list = FServerRead::ListAt(X, Y);
    const bool choosable = list != 0 && list != Online::WorldListKind;
    FontsAndCursors::SetCursorOf(Image2,
                                 choosable ? FontsAndCursors::CursorKind::Hand : FontsAndCursors::CursorKind::Arrow,
                                 Settings::YellowCursor ? 1 : 0);
}

void TFormServerRead::Image3Click()
{
    Celebration::PlayClickSound(QStringLiteral("WavClick"), 0, Settings::SoundOn);
    FServerRead::DrawWorldTopTen(*this);
    Image3->setVisible(false);
}

void TFormServerRead::mouseMoveEvent(QMouseEvent* e)
{
    Online::DrawRefreshButton(*Image3, QStringLiteral("AdvButR"), false);
    QDialog::mouseMoveEvent(e);
}

int ShowFormServerRead(QWidget* owner)
{
    TFormServerRead form(owner);
    form.FormShow();
    return platform::presenter().exec(form);
}
